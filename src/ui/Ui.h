#pragma once

#include <QString>

class QDialog;

// Icon classes and buttons of the program's message boxes.
enum MsgStyle {
    vbCritical = 16,
    vbExclamation = 48,
    vbInformation = 64,
    vbYesNoQuestion = 36,       // Yes/No, Yes preselected
    vbYesNoQuestionDefNo = 292  // Yes/No, No preselected
};
enum MsgResult { vbOK = 1, vbYes = 6, vbNo = 7 };

// The only way to show a message or a modal window. Tests replace it with a
// script that checks each message and drives each window.
class Ui {
public:
    virtual ~Ui() = default;
    // Shows a modal message box and returns the button pressed.
    virtual int MsgBox(const QString& text, int style, const QString& title) = 0;
    // Shows the window modally and returns when it has been closed.
    virtual void ShowModal(QDialog& window) = 0;
};

class RealUi : public Ui {
public:
    int MsgBox(const QString& text, int style, const QString& title) override;
    void ShowModal(QDialog& window) override;
};

#pragma once

#include "questionnaire/ProgramForm.h"

class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;

// The result-password dialog "Passwortschutz". It closes only after storing
// ResultPassword: a password that passes its rules, or "" after an explicit Yes.
class Form5 : public ProgramForm {
    Q_OBJECT
public:
    explicit Form5(Program& program);

    void Form_Load();
    void Command1_Click();  // OK
    void Command2_Click();  // Hilfe
    void Text1_KeyDown(int keyCode, int shift);
    void Text2_KeyDown(int keyCode, int shift);

    QLabel* Picture1;  // the padlock strip along the left edge
    QGroupBox* Frame1;
    QLineEdit* Text1;  // the password, shown in plain
    QGroupBox* Frame2;
    QLineEdit* Text2;  // its repetition
    QPushButton* Command1;
    QPushButton* Command2;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void showEvent(QShowEvent* event) override;
};

// The first character of the password that the dialog refuses (a code of 123
// or more in Windows-1252, or no code there at all), or an empty text when
// every character is accepted. A character outside the basic plane comes
// back whole.
QString FirstRefusedPasswordCharacter(const QString& password);

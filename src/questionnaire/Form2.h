#pragma once

#include <array>

#include "questionnaire/ProgramForm.h"

class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QTimer;

// The question page: one question at a time, its two or three answers, the
// navigation buttons, the go-to box and the elapsed-time clock.
class Form2 : public ProgramForm {
    Q_OBJECT
public:
    explicit Form2(Program& program);

    void Form_Load();
    void Form_Resize();
    void Command1_Click();
    void Command2_Click();
    void Command3_Click();
    void Command4_Click();
    void Command5_Click();
    void Option1_MouseDown(int index, int button, int shift, double x, double y);
    void Text1_KeyDown(int keyCode, int shift);
    void Timer1_Timer();

    // Shows the stored digit of the current question: its option selected,
    // blue and underlined, the others black; "0" selects nothing.
    void MarkAnswer(QChar digit);
    // Sets an option's caption, broken onto a second line where it would not
    // fit the option's width.
    void SetOptionCaption(int index, const QString& text);

    QGroupBox* Frame1;
    QLabel* Label1;
    std::array<QRadioButton*, 4> Option1{};
    QPushButton* Command1;
    QPushButton* Command2;
    QPushButton* Command3;
    QPushButton* Command4;
    QPushButton* Command5;
    QLineEdit* Text1;
    QLabel* Picture1;
    QLineEdit* Text2;
    QLabel* Image1;
    QTimer* Timer1;

protected:
    void Form_Unload() override;
    void resizeEvent(QResizeEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    bool warningOpen_ = false;
};

#pragma once

#include "questionnaire/ProgramForm.h"

class QLabel;
class QPushButton;

// The digitising window: three steps from left to right (personal data,
// transferring the answers on the overview page, saving), an arrow at step 1
// and a done or not-done mark under each of the first two steps.
class Form18 : public ProgramForm {
    Q_OBJECT
public:
    explicit Form18(Program& program);

    void Form_Load();
    void Command1_Click();  // step 1
    void Command2_Click();  // step 2
    void Command3_Click();  // step 3
    void Command4_Click();  // cancel

    QPushButton* Command1;
    QPushButton* Command2;
    QPushButton* Command3;
    QPushButton* Command4;
    QLabel* Image1;  // arrow at step 1
    QLabel* Image2;  // mark of step 1
    QLabel* Image3;  // mark of step 2
    QLabel* Image4;  // store of the not-done picture, never shown
    QLabel* Image8;  // store of the done picture, never shown

    // Gives `mark` the picture object of `store` (shared, not copied).
    static void TakePicture(QLabel* mark, const QLabel* store);
    // True when both images hold the same picture object; equal content in
    // another object does not count.
    static bool SamePicture(const QLabel* a, const QLabel* b);
};

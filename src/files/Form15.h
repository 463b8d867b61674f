#pragma once

#include "questionnaire/ProgramForm.h"

class QLabel;
class QPushButton;

// The corrupt-file notice: a loaded answer file failed its checksum. Only OK
// closes it; Hilfe explains what may have happened.
class Form15 : public ProgramForm {
    Q_OBJECT
public:
    explicit Form15(Program& program);

    void Form_Load();
    void Command1_Click();
    void Command2_Click();

    QLabel* Picture1;
    QLabel* Label1;
    QPushButton* Command1;  // "OK"
    QPushButton* Command2;  // "Hilfe"
};

#pragma once

#include "questionnaire/ProgramForm.h"

class QGroupBox;
class QLineEdit;
class QPushButton;

// System information: program folder, last folder, system folder, version.
class Form12 : public ProgramForm {
    Q_OBJECT
public:
    explicit Form12(Program& program);
    void Command1_Click();

    QGroupBox* Frame3;  // "Heimpfad"
    QGroupBox* Frame1;  // "Arbeitspfad"
    QGroupBox* Frame5;  // "Windowspfad"
    QGroupBox* Frame8;  // "Softwareversion"
    QLineEdit* Text2;
    QLineEdit* Text1;
    QLineEdit* Text3;
    QLineEdit* Text4;
    QPushButton* Command1;
};

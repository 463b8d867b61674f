#pragma once

#include "questionnaire/ProgramForm.h"

class QLabel;

// The help picture "Hilfe zur Vorgehensweise": the way through the program
// in one drawing. A click on it or its close box closes it; the first closing
// of a run ends the start-up guidance.
class Form10 : public ProgramForm {
    Q_OBJECT
public:
    explicit Form10(Program& program);

    void Form_Load();
    void Picture1_Click();

    QLabel* Picture1;

protected:
    void Form_Unload() override;
    bool eventFilter(QObject* watched, QEvent* event) override;
};

#pragma once

#include "questionnaire/ProgramForm.h"

class QLabel;
class QPushButton;

// The notice before the first question page of a run: how to answer, how
// long it takes, where the file goes.
class Form4 : public ProgramForm {
    Q_OBJECT
public:
    explicit Form4(Program& program);

    void Form_Load();
    void Command1_Click();

    // The notice's six paragraphs, lines joined by CR LF.
    static QString NoticeText();

    QLabel* Picture1;
    QLabel* Label1;
    QPushButton* Command1;

protected:
    void showEvent(QShowEvent* event) override;
};

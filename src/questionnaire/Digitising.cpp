#include "questionnaire/Digitising.h"

#include <QLabel>
#include <QPushButton>

#include "files/NewAndLoad.h"
#include "questionnaire/Form18.h"
#include "questionnaire/Program.h"

void MarkDigitisingStep1(Program& program, bool done)
{
    Form18& window = program.form<Form18>();
    Form18::TakePicture(window.Image2, done ? window.Image8 : window.Image4);
    window.Image2->show();
}

void RunGuidedDigitising(Program& program)
{
    ProgramState& s = program.state;
    s.AutoSequence = 1;
    // Its questions still come; whatever was answered, the sequence goes on,
    // unless unsaved answers were to be saved and no file was written:
    // transcribing over them would lose them.
    if (!NewQuestionnaire(program)) {
        s.AutoSequence = 0;
        return;
    }
    Form18& window = program.form<Form18>();
    window.Image2->hide();
    window.Image3->hide();
    window.Command3->hide();
    program.ShowModal(window);
    s.AutoSequence = 0;
}

#include "questionnaire/PersonalData.h"

#include "questionnaire/Form13.h"
#include "questionnaire/Program.h"
#include "questionnaire/QuestionPage.h"

void EnterPersonalData(Program& program)
{
    Form13& form = program.form<Form13>();  // loads it from the program-wide state
    program.centre(form);
    program.ShowModal(form);
    if (program.MsgBox(QStringLiteral("Wollen Sie nun den Fragebogen bearbeiten?"), vbYesNoQuestion,
                       QStringLiteral("Benutzerführung"))
        == vbYes)
        AnswerQuestionnaire(program);
}

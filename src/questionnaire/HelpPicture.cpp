#include "questionnaire/HelpPicture.h"

#include "questionnaire/Form10.h"
#include "questionnaire/Program.h"

void ShowHelpPicture(Program& program)
{
    program.ShowModal(program.form<Form10>());
}

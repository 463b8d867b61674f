#include "questionnaire/ProgramForm.h"

#include "questionnaire/Program.h"

ProgramForm::ProgramForm(Program& program, Kind kind) : Form(program, kind), program_(program) {}

// Temporary stand-ins while the commands are being built in parallel; each
// real definition replaces its stand-in at link time. This file goes away
// once every command exists.
#include "files/AnswerFile.h"
#include "files/NewAndLoad.h"
#include "files/PersonalDataFile.h"
#include "files/SaveQuestionnaire.h"
#include "questionnaire/Digitising.h"
#include "questionnaire/HelpPicture.h"
#include "questionnaire/OverviewPage.h"
#include "questionnaire/PersonalData.h"
#include "questionnaire/QuestionPage.h"

#define PENDING __attribute__((weak))
PENDING void WriteAnswerFile(Program&) {}
PENDING void ReadAnswerFile(Program&) {}
PENDING void SaveQuestionnaire(Program&) {}
PENDING void CheckFileExists(Program&) {}
PENDING void NewQuestionnaire(Program&) {}
PENDING void LoadQuestionnaire(Program&) {}
PENDING void LoadPersonalData(Program&) {}
PENDING void WritePersonalDataFile(Program&) {}
PENDING void ReadPersonalDataFile(Program&) {}
PENDING void WriteCarryOverFile(Program&) {}
PENDING void LoadCarryOverData(Program&) {}
PENDING void DeleteCarryOverFile(Program&) {}
PENDING void AnswerQuestionnaire(Program&) {}
PENDING void FillQuestionPage(Program&) {}
PENDING void EnterPersonalData(Program&) {}
PENDING void ShowOverviewPage(Program&) {}
PENDING void FillOverviewPage(Program&) {}
PENDING void MarkDigitisingStep1(Program&, bool) {}
PENDING void RunGuidedDigitising(Program&) {}
PENDING void ShowHelpPicture(Program&) {}
#include "files/FileDialogHandOver.h"
PENDING bool FileDialogHandOver(Program&, const QString&, const QString&, const QString&, const QString&,
                                const QString&)
{
    return false;
}

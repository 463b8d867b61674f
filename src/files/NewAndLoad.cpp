#include "files/NewAndLoad.h"

#include <QLineEdit>

#include "files/AnswerFile.h"
#include "files/FileDialogHandOver.h"
#include "files/SaveQuestionnaire.h"
#include "files/TextFile.h"
#include "questionnaire/Form1.h"
#include "questionnaire/Program.h"
#include "ui/VbText.h"

namespace {

// Unsaved answers: offer to save them first. After No, a refusal or a
// cancel the caller goes on and the answers go; when the user chose a place
// and no file was written there, it must stop, or the answers the user
// wanted kept would be lost.
bool OfferToSave(Program& program)
{
    if (program.state.Modified != 1)
        return true;
    if (program.MsgBox(QStringLiteral("Die aktuelle Datei wurde geändert.") + CrLf
                           + QStringLiteral("Soll die Datei zuvor gespeichert werden?"),
                       vbYesNoQuestion, QString())
        != vbYes)
        return true;
    return SaveQuestionnaire(program) != SaveResult::Failed;
}

}  // namespace

bool NewQuestionnaire(Program& program)
{
    ProgramState& s = program.state;
    if (s.Answers == EmptyAnswers() && s.PersonalDataConfirmed == 1
        && program.MsgBox(QStringLiteral("Wenn Sie fortfahren wird die Datei neu angelegt, und die Stammdaten "
                                         "werden gelöscht.")
                              + CrLf + QStringLiteral("Wollen Sie fortfahren?"),
                          vbYesNoQuestionDefNo, QStringLiteral("Datei Neu"))
               != vbYes)
        return true;
    if (!OfferToSave(program))
        return false;

    for (int i = 0; i < ProgramState::PersonalFieldCount; ++i)
        s.personalField(i)->clear();
    s.WorkingTimeMinutes.clear();
    s.ResultPassword.clear();
    s.Answers = EmptyAnswers();
    Form1& main = program.form<Form1>();
    main.Text1->clear();
    main.Text2->clear();
    s.Modified = 0;
    s.CurrentFilePath.clear();
    s.PersonalDataConfirmed = 0;

    if (s.AutoSequence != 1)
        program.MsgBox(QStringLiteral("Der RUV-O Fragebogen wurde neu angelegt."), vbInformation,
                       QStringLiteral("RUV-O Fragebogen Neu"));
    return true;
}

void LoadQuestionnaire(Program& program)
{
    ProgramState& s = program.state;
    if (!OfferToSave(program))
        return;
    program.platform().SetCurrentFolder(s.AppDir);
    if (FileDialogHandOver(program, QStringLiteral("RUV-O Fragebogen Laden"), QStringLiteral("Öffnen"),
                           QStringLiteral("*.ziz-ir"), LastComponent(s.CurrentFilePath),
                           QStringLiteral("Fehler RUV-O Fragebogen Laden")))
        ReadAnswerFile(program);
}

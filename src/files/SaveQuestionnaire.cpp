#include "files/SaveQuestionnaire.h"

#include <QFileInfo>
#include <QLineEdit>

#include "files/AnswerFile.h"
#include "files/FileDialogHandOver.h"
#include "files/TextFile.h"
#include "questionnaire/Form1.h"
#include "questionnaire/Program.h"
#include "ui/VbText.h"

namespace {

const QString Extension = QStringLiteral(".ziz-ir");
const QString Title = QStringLiteral("RUV-O Fragebogen Speichern");

bool HasExtension(const QString& path)
{
    return path.right(Extension.size()).toUpper() == Extension.toUpper();
}

// Name and date of the main window's boxes, made fit for a file name.
QString ProposedName(const QString& name, const QString& date)
{
    return CleanFileName(name + QStringLiteral(" ") + date);
}

}  // namespace

SaveResult SaveQuestionnaire(Program& program)
{
    ProgramState& s = program.state;
    s.SaveFailed = 0;
    if (HasExtension(s.CurrentFilePath))
        s.CurrentFilePath.chop(Extension.size());

    Form1& main = program.form<Form1>();
    if (main.Text1->text().isEmpty()) {
        program.MsgBox(QStringLiteral("Es wurde kein Name eingegeben.") + CrLf
                           + QStringLiteral("Füllen Sie zuerst das Stammdatenblatt aus.") + CrLf
                           + QStringLiteral("Wählen Sie dazu die Taste mit der Person."),
                       vbCritical, Title);
        main.Text1->setFocus();
        s.SaveFailed = 1;
        return SaveResult::NotWritten;
    }
    if (main.Text2->text().isEmpty()) {
        program.MsgBox(QStringLiteral("Es wurde kein Datum eingegeben.") + CrLf
                           + QStringLiteral("Geben Sie das Datum im Stammdatenblatt ein.") + CrLf
                           + QStringLiteral("Wählen Sie dazu die Taste mit der Person."),
                       vbCritical, Title);
        main.Text2->setFocus();
        s.SaveFailed = 1;
        return SaveResult::NotWritten;
    }
    if (s.Answers.contains(u'0')) {
        program.MsgBox(QStringLiteral("Nicht vollständig beantwortete Fragebögen können nicht gespeichert werden."),
                       vbCritical, Title);
        return SaveResult::NotWritten;
    }

    QString proposal;
    if (s.CurrentFilePath.isEmpty()) {
        proposal = ProposedName(main.Text1->text(), main.Text2->text());
        if (proposal.isEmpty())
            program.MsgBox(
                QStringLiteral("Der vorgeschlagene Name kann nicht für ein Speichern der Datei verwendet werden."),
                vbExclamation, QStringLiteral("RUV-O Speichern"));
    }

    program.platform().SetCurrentFolder(s.AppDir);
    QString nameBox = proposal.isEmpty() ? LastComponent(s.CurrentFilePath) : proposal + Extension;
    for (;;) {
        QString typed;
        if (!FileDialogHandOver(program, Title, QStringLiteral("Speichern"), QStringLiteral("*.ziz-ir"), nameBox,
                                QStringLiteral("Fehler RUV-O Speichern"), &typed)) {
            if (s.DialogCancelled == 1)
                return SaveResult::NotWritten;
            // Confirmed with an empty name: nothing written, so nothing saved.
            s.SaveFailed = 1;
            return SaveResult::Failed;
        }
        // The whole typed name is checked: a "/" in it is no folder part on
        // this platform but a refused character, like a control character.
        if (!HoldsRefusedFileNameCharacter(typed))
            break;
        program.MsgBox(QStringLiteral("Der Dateiname mit den Zeichen \"") + QStringLiteral("/\\,?*<>|:;")
                           + QStringLiteral(" ist ungültig."),
                       vbCritical, QStringLiteral("Fehler RUV-O Fragebogen Speichern"));
        // Without a proposal the dialog shows the refused name again, whole.
        if (proposal.isEmpty())
            nameBox = typed;
    }

    if (!HasExtension(s.CurrentFilePath))
        s.CurrentFilePath += Extension;
    s.ProbeFile = s.CurrentFilePath;
    CheckFileExists(program);
    if (s.FileExists == 1
        && program.MsgBox(QStringLiteral("Eine Datei mit dem Namen") + CrLf + s.CurrentFilePath + CrLf
                              + QStringLiteral("existiert bereits.") + CrLf
                              + QStringLiteral("Soll diese Datei überschrieben werden?"),
                          vbYesNoQuestionDefNo, Title)
               != vbYes) {
        // The file there may hold another questionnaire: it is no save of this one.
        s.SaveFailed = 1;
        return SaveResult::Failed;
    }
    return WriteAnswerFile(program) ? SaveResult::Written : SaveResult::Failed;
}

void CheckFileExists(Program& program)
{
    ProgramState& s = program.state;
    s.FileExists = 1;
    // A file we may not read is still a file that writing would replace: it
    // counts as existing, so the overwrite question is asked for it too.
    const QFileInfo info(s.ProbeFile);
    if (!CanOpenForReading(s.ProbeFile) && !(info.exists() && !info.isDir()))
        s.FileExists = 0;
}

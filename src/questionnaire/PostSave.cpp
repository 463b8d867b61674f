#include "questionnaire/PostSave.h"

#include "files/NewAndLoad.h"
#include "files/PersonalDataFile.h"
#include "files/SettingsFile.h"
#include "questionnaire/Program.h"
#include "questionnaire/Shell.h"
#include "ui/VbText.h"

bool SaveWentThrough(const Program& program)
{
    const ProgramState& s = program.state;
    return s.DialogCancelled != 1 && s.SaveFailed != 1 && !s.Answers.contains(u'0');
}

void MainWindowPostSave(Program& program)
{
    ProgramState& s = program.state;
    s.LastSavedFile = s.CurrentFilePath;
    WriteSettingsFile(program);
    const QStringList address = s.RecipientAddress.split(CrLf);
    QStringList lines{QStringLiteral("Senden Sie die abgespeicherte Datei"), s.CurrentFilePath,
                      QStringLiteral("auf einem Datenträger oder per Email an das")};
    for (int i = 1; i < address.size(); ++i)
        lines.append(address[i]);
    lines.append(QStringLiteral("Email: ") + s.RecipientEmail);
    lines.append(QString());
    lines.append(QStringLiteral(
        "Beachten Sie bitte, daß diese Software keine Email an das zfk versendet, die Versendung müssen Sie durch "
        "Ihr konventionelles Emailprogramm vornehmen. Fügen Sie die Datei mit dem beantworteten Fragebogen der "
        "Email als Anlage bei."));
    program.MsgBox(lines.join(CrLf), vbInformation, QStringLiteral("Datei versenden"));
    DeleteCarryOverFile(program);
    NewQuestionnaire(program);
}

void QuestionPagePostSave(Program& program)
{
    ProgramState& s = program.state;
    s.LastSavedFile = s.CurrentFilePath;
    WriteSettingsFile(program);
    program.MsgBox(QStringLiteral("Senden Sie die abgespeicherte Datei") + CrLf + s.CurrentFilePath + CrLf
                       + QStringLiteral("auf einem Datenträger oder per Email an ") + s.RecipientAddress + CrLf + CrLf
                       + QStringLiteral("Email: ") + s.RecipientEmail + CrLf + CrLf
                       + QStringLiteral("Beachten Sie bitte, dass diese Software keine Email an das zfk versendet, "
                                        "die Versendung müssen Sie durch Ihr konventionelles Emailprogramm "
                                        "vornehmen. Fügen Sie die Datei mit dem beantworteten Fragebogen der Email "
                                        "als Anlage bei."),
                   vbInformation, QStringLiteral("Datei versenden"));
    if (program.MsgBox(QStringLiteral("Möchten Sie, dass Ihr Emailprogramm gestartet wird?"), vbYesNoQuestion,
                       QStringLiteral("Email Senden"))
        == vbYes) {
        OpenDocumentOrUrl(program, QStringLiteral("mailto:") + s.RecipientEmail);
        program.MsgBox(QStringLiteral("Vergessen Sie bitte nicht, die Datei mit Ihren Antworten (*.ziz-ir) der Email "
                                      "als Anhang beizufügen."),
                       vbExclamation, QStringLiteral("Hinweis"));
    }
    DeleteCarryOverFile(program);
    NewQuestionnaire(program);
}

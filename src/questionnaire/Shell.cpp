#include "questionnaire/Shell.h"

#include "files/TextFile.h"
#include "questionnaire/Program.h"

int ShellOpen(Program& program, const QString& target)
{
    return program.platform().ShellOpen(target);
}

void OpenDocumentOrUrl(Program& program, const QString& target)
{
    const int code = ShellOpen(program, target);
    if (code == Platform::ShellNotFound)
        program.MsgBox(QStringLiteral("Das Dokument ") + target.toUpper() + QStringLiteral(" existiert nicht."),
                       vbCritical, QString());
    else if (code == Platform::ShellNoApplication)
        program.MsgBox(QStringLiteral("Das gewählte Format kann nicht wiedergegeben werden."), vbCritical,
                       QString());
}

void OpenAppDocument(Program& program, const QString& fileName)
{
    const QString path = JoinPath(program.state.AppDir, fileName);
    const int code = ShellOpen(program, path);
    if (code == Platform::ShellNotFound)
        program.MsgBox(QStringLiteral("Das Dokument ") + path.toUpper() + QStringLiteral(" existiert nicht."),
                       vbCritical, QString());
    else if (code == Platform::ShellNoApplication)
        program.MsgBox(QStringLiteral("Das gewählte Format der Datei '") + fileName
                           + QStringLiteral("' kann nicht wiedergegeben werden."),
                       vbCritical, QString());
}

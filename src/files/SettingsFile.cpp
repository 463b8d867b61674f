#include "files/SettingsFile.h"

#include "files/TextFile.h"
#include "questionnaire/Program.h"
#include "ui/CodePage1252.h"

QString SettingsFilePath(const Program& program)
{
    return JoinPath(program.state.AppDir, QStringLiteral("RUV-O-Fragebogen.ini"));
}

void ReadSettingsFile(Program& program)
{
    const LinesRead read = ReadLines(SettingsFilePath(program), 2);
    // A value read before a failure stays; the others keep what they held.
    if (read.lines.size() > 0)
        program.state.LastDir = cp1252::decode(read.lines[0]);
    if (read.lines.size() > 1)
        program.state.LastSavedFile = cp1252::decode(read.lines[1]);
}

void WriteSettingsFile(Program& program)
{
    bool dirOk = false;
    bool fileOk = false;
    const QByteArray dir = cp1252::encode(program.state.LastDir, &dirOk);
    const QByteArray saved = cp1252::encode(program.state.LastSavedFile, &fileOk);
    std::optional<FileFailure> failure;
    if (!dirOk || !fileOk)
        failure = FileFailure::InvalidArgument;  // a path the file's code page cannot hold
    else
        failure = WriteLines(SettingsFilePath(program), {dir, saved}, InPlaceIfNeeded);
    if (failure)
        program.MsgBox(DescribeFailure(*failure) + QStringLiteral("."), vbCritical,
                       QStringLiteral("FehlerOptionenSpeichern"));
}

#include "files/PersonalDataFile.h"

#include <QFile>
#include <QFileInfo>
#include <QLineEdit>
#include <QRadioButton>
#include <QCheckBox>

#include "files/FileDialogHandOver.h"
#include "files/NewAndLoad.h"
#include "files/TextFile.h"
#include "questionnaire/Form1.h"
#include "questionnaire/Form13.h"
#include "questionnaire/Program.h"
#include "ui/CodePage1252.h"
#include "ui/VbText.h"

namespace {

constexpr int RecordLines = ProgramState::PersonalFieldCount + 1;  // the fields, then the password
const QString SaveFailureTitle = QStringLiteral("Fehler Stammdaten Speichern");
const QString LoadFailureTitle = QStringLiteral("Fehler Stammdaten Laden");

QString carryOverPath(const Program& program)
{
    return JoinPath(program.state.AppDir, QStringLiteral("RUV-O-Fragebogen.lst"));
}

QString* recordValue(ProgramState& s, int line)
{
    return line < ProgramState::PersonalFieldCount ? s.personalField(line) : &s.ResultPassword;
}

// The 13 lines as the file holds them; false when a value has a character
// that the file cannot hold.
bool encodeRecord(ProgramState& s, QList<QByteArray>& lines)
{
    for (int i = 0; i < RecordLines; ++i) {
        const QString& value = *recordValue(s, i);
        if (FirstRefusedRecordCharacter(value))
            return false;
        lines.append(cp1252::encode(value));
    }
    return true;
}

// Writes the record and reports a failure; nothing is written when a value
// cannot be held. The file holds the password in plain: owner only.
bool writeRecord(Program& program, const QString& path, int options = 0)
{
    QList<QByteArray> lines;
    if (!encodeRecord(program.state, lines)) {
        program.MsgBox(QStringLiteral("In den Stammdaten befinden sich nicht zugelassene Schriftzeichen."),
                       vbCritical, SaveFailureTitle);
        return false;
    }
    if (const std::optional<FileFailure> failure = WriteLines(path, lines, OwnerOnly | options)) {
        program.MsgBox(DescribeFailure(*failure) + QStringLiteral("."), vbCritical, SaveFailureTitle);
        return false;
    }
    return true;
}

// Reads up to 13 lines; each value replaces its field as soon as its line is
// read, so after a failure the fields before it hold the file's values.
std::optional<FileFailure> readRecord(ProgramState& s, const QString& path)
{
    const LinesRead read = ReadLines(path, RecordLines);
    for (int i = 0; i < read.lines.size() && i < RecordLines; ++i)
        *recordValue(s, i) = cp1252::decode(read.lines[i]);
    return read.failure;
}

void clearRecord(ProgramState& s)
{
    for (int i = 0; i < RecordLines; ++i)
        recordValue(s, i)->clear();
}

// Name and first name, cleaned to serve as a file name.
QString personalDataFileName(const ProgramState& s)
{
    return CleanFileName(s.ClientName + QStringLiteral(", ") + s.ClientFirstName);
}

}  // namespace

std::optional<cp1252::Refused> FirstRefusedRecordCharacter(const QString& value)
{
    return cp1252::FirstRefused(value, -1, [](unsigned char byte) { return byte == '\r'; });
}

void WritePersonalDataFile(Program& program)
{
    ProgramState& s = program.state;
    const QString name = personalDataFileName(s);
    if (name.isEmpty()) {
        program.MsgBox(
            QStringLiteral("Der vorgeschlagene Name kann nicht für ein Speichern der Stammdaten verwendet werden."),
            vbExclamation, QStringLiteral("Stammdaten Speichern"));
        return;
    }
    const QString folder = s.LastDir.isEmpty() ? s.AppDir : s.LastDir;
    const QString path = JoinPath(folder, name + QStringLiteral(".std"));
    if (!writeRecord(program, path))
        return;
    program.MsgBox(QStringLiteral("Ihre Stammdaten wurden zusammen mit dem Passwort in der Datei") + CrLf + path + CrLf
                       + QStringLiteral("abgespeichert."),
                   vbInformation, QStringLiteral("Stammdaten Speichern"));
}

void ReadPersonalDataFile(Program& program)
{
    ProgramState& s = program.state;
    if (const std::optional<FileFailure> failure = readRecord(s, s.CurrentFilePath)) {
        program.MsgBox(DescribeFailure(*failure) + QStringLiteral("."), vbCritical, LoadFailureTitle);
        return;
    }
    // The import comes from the personal-data form; without it there is
    // nothing to fill.
    Form13* form = program.loadedForm<Form13>();
    if (!form)
        return;
    form->Text1->setText(s.ClientName);
    form->Text2->setText(s.ClientFirstName);
    if (s.ClientSex == QStringLiteral("m"))
        form->Option1[0]->setChecked(true);
    else if (s.ClientSex == QStringLiteral("w"))
        form->Option1[1]->setChecked(true);
    form->Text3->setText(s.ClientAge);
    form->Text4->setText(s.ClientPhone);
    form->Text5->setText(s.ClientOccupation);
    form->Text6->setText(s.ClientDate);
    form->Text7->setText(s.ClientStreet);
    form->Text8->setText(s.ClientPostcodeCity);
    form->Text9->setText(s.ClientCountry);
    form->Text10->setText(s.ClientEmailOrFax);
    form->Check1->setChecked(s.SendResultOption == QStringLiteral("1"));
}

void WriteCarryOverFile(Program& program)
{
    writeRecord(program, carryOverPath(program), InPlaceIfNeeded);
}

void LoadCarryOverData(Program& program)
{
    ProgramState& s = program.state;
    // No file is the normal case after a complete save: silence.
    if (readRecord(s, carryOverPath(program))) {
        clearRecord(s);
        return;
    }
    if (program.MsgBox(QStringLiteral("Sollen die Stammdaten von") + CrLf + s.ClientName + QStringLiteral(", ")
                           + s.ClientFirstName + CrLf + QStringLiteral("übernommen werden?"),
                       vbYesNoQuestion, QStringLiteral("Stammdaten"))
        == vbYes) {
        Form1& main = program.form<Form1>();
        const bool named = !s.ClientName.isEmpty() && !s.ClientFirstName.isEmpty();
        main.Text1->setText(named ? s.ClientName + QStringLiteral(", ") + s.ClientFirstName : QString());
        main.Text2->setText(s.ClientDate);
        return;
    }
    program.MsgBox(QStringLiteral("Geben Sie bitte zuerst Ihre Stammdaten ein.") + CrLf
                       + QStringLiteral("Wählen Sie dazu die Taste mit der Person."),
                   vbInformation, QStringLiteral("Stammdaten"));
    clearRecord(s);
}

void DeleteCarryOverFile(Program& program)
{
    const QString path = carryOverPath(program);
    // A missing file is no failure. One the folder will not let go of is
    // emptied, so that the next start offers nobody's data.
    if (!QFile::remove(path) && QFileInfo::exists(path))
        EmptyFile(path);
}

void LoadPersonalData(Program& program)
{
    if (!FileDialogHandOver(program, QStringLiteral("Stammdaten Laden"), QStringLiteral("Öffnen"),
                            QStringLiteral("*.std"), QString(), LoadFailureTitle))
        return;
    ReadPersonalDataFile(program);
    // An answer file that was open is forgotten: the next save proposes a name.
    program.state.CurrentFilePath.clear();
}

#include "files/AnswerFile.h"

#include <array>
#include <optional>

#include <QLineEdit>

#include "files/AnswerCoding.h"
#include "files/Checksum.h"
#include "files/Form15.h"
#include "files/LineCodec.h"
#include "files/NewAndLoad.h"
#include "files/PasswordBlock.h"
#include "files/TextFile.h"
#include "questionnaire/Form1.h"
#include "questionnaire/Program.h"
#include "ui/CodePage1252.h"
#include "ui/VbText.h"

namespace {

constexpr int LineCount = 21;
constexpr int FieldLineCount = 18;
constexpr int CodedLength = 100;  // what the codings keep of a value

const QString SaveTitle = QStringLiteral("Fehler beim Speichern des RUV-O Fragebogens");
const QString LoadTitle = QStringLiteral("Fehler beim Laden des RUV-O Fragebogens");
const QString RefusedCharacters = QStringLiteral("In den Stammdaten befinden sich nicht zugelassene Schriftzeichen.");

// Lines 1 to 18 in file order: issuer, personal data, working time.
std::array<QString*, FieldLineCount> FieldLines(ProgramState& s)
{
    return {&s.IssuerName,       &s.IssuerStreet,  &s.IssuerPostcodeCity, &s.IssuerCountry,
            &s.IssuerEmail,      &s.ClientName,    &s.ClientFirstName,    &s.ClientSex,
            &s.ClientAge,        &s.ClientPhone,   &s.ClientOccupation,   &s.ClientDate,
            &s.ClientStreet,     &s.ClientPostcodeCity, &s.ClientCountry, &s.ClientEmailOrFax,
            &s.SendResultOption, &s.WorkingTimeMinutes};
}

// A field's plain code c is stored as 255 - c: 242, 245 and 229 would become
// CR, LF and the end-of-file control code, and such a file would not load.
bool FieldCodeRefused(unsigned char c)
{
    return c == 242 || c == 245 || c == 229;
}

// The password is stored as 250 - c: 237, 240 and 224 would become CR, LF and
// the end-of-file control code; above 250 there is no reflection at all.
bool PasswordCodeRefused(unsigned char c)
{
    return c == 237 || c == 240 || c == 224 || c > 250;
}

}  // namespace

std::optional<cp1252::Refused> FirstRefusedFieldCharacter(const QString& value)
{
    return cp1252::FirstRefused(value, CodedLength, FieldCodeRefused);
}

bool WriteAnswerFile(Program& program)
{
    ProgramState& s = program.state;
    // Every failure is a failed save: no caller may go on as if the file
    // had been written (nothing sent, nothing cleared).
    const auto fail = [&](const QString& text) {
        program.MsgBox(text, vbCritical, SaveTitle);
        s.SaveFailed = 1;
        return false;
    };

    // Everything is checked before anything is drawn or written: a refused
    // value leaves no file behind and an existing one untouched.
    QList<QByteArray> plain;
    for (QString* field : FieldLines(s)) {
        if (FirstRefusedFieldCharacter(*field))
            return fail(RefusedCharacters);
        plain.append(cp1252::encode(field->left(CodedLength)));
    }
    // Characters past what the codings keep never reach the file and are not
    // looked at.
    if (cp1252::FirstRefused(s.ResultPassword, CodedLength, PasswordCodeRefused))
        return fail(RefusedCharacters);
    const QByteArray password = cp1252::encode(s.ResultPassword.left(CodedLength));
    const std::optional<QByteArray> answers = EncodeAnswers(s.Answers.toLatin1());
    if (!answers)
        return fail(DescribeFailure(FileFailure::TypeMismatch) + QStringLiteral("."));

    Platform& rnd = program.platform();
    rnd.Randomize();
    QList<QByteArray> lines;
    lines.reserve(LineCount);
    for (const QByteArray& value : plain)
        lines.append(EncodeField(value, rnd));
    const std::optional<QByteArray> block = EncodePasswordBlock(password, rnd);
    if (!block)
        return fail(RefusedCharacters);
    lines.append(*block);
    lines.append(*answers);
    lines.append(EncodeField(ComputeChecksum(lines), rnd));

    // The file carries the result password: readable by its owner alone.
    if (const std::optional<FileFailure> failure = WriteLines(s.CurrentFilePath, lines, OwnerOnly))
        return fail(DescribeFailure(*failure) + QStringLiteral("."));
    s.Modified = 0;
    return true;
}

void ReadAnswerFile(Program& program)
{
    ProgramState& s = program.state;
    const auto fail = [&](FileFailure failure) {
        program.MsgBox(DescribeFailure(failure) + QStringLiteral("."), vbCritical, LoadTitle);
    };

    const LinesRead read = ReadLines(s.CurrentFilePath, LineCount);
    if (read.failure) {
        fail(*read.failure);
        return;
    }
    const QList<QByteArray>& lines = read.lines;

    // Each value is taken over as soon as its line is decoded; a failure
    // leaves the ones already decoded in place.
    const auto fields = FieldLines(s);
    for (int i = 0; i < FieldLineCount; ++i) {
        const std::optional<QByteArray> value = DecodeField(lines[i]);
        if (!value) {
            fail(FileFailure::InvalidArgument);
            return;
        }
        *fields[i] = cp1252::decode(*value);
    }
    const std::optional<QByteArray> storedChecksum = DecodeField(lines[20]);
    if (!storedChecksum) {
        fail(FileFailure::InvalidArgument);
        return;
    }
    const std::optional<QByteArray> password = DecodePasswordBlock(lines[18]);
    if (!password) {
        fail(FileFailure::InvalidArgument);
        return;
    }
    s.ResultPassword = cp1252::decode(*password);

    Form1& main = program.form<Form1>();
    main.Text1->setText(s.ClientName + QStringLiteral(", ") + s.ClientFirstName);
    main.Text2->setText(s.ClientDate);

    const std::optional<QByteArray> answers = DecodeAnswers(lines[19]);
    if (!answers) {
        fail(FileFailure::InvalidArgument);
        return;
    }
    s.Answers = QString::fromLatin1(*answers);

    const double stored = TextToNumber(cp1252::decode(*storedChecksum));
    const double recomputed = ComputeChecksum(lines.mid(0, 20)).toDouble();
    if (stored == recomputed) {
        s.Modified = 0;
        return;
    }
    Form15& notice = program.form<Form15>();
    program.ShowModal(notice);
    NewQuestionnaire(program);
}

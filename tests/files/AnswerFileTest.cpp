#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <random>
#include <sys/stat.h>

#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "files/AnswerFile.h"
#include "files/Form15.h"
#include "files/KeyMaterial.h"
#include "files/QuestionnaireFixture.h"
#include "ui/CodePage1252.h"

namespace {

constexpr int LineBytes = 1002;
const QString SaveTitle = QStringLiteral("Fehler beim Speichern des RUV-O Fragebogens");
const QString LoadTitle = QStringLiteral("Fehler beim Laden des RUV-O Fragebogens");
const QString Refused = QStringLiteral("In den Stammdaten befinden sich nicht zugelassene Schriftzeichen.");
const QString InvalidArgument = QStringLiteral("Ungültiger Prozeduraufruf oder ungültiges Argument.");
const QString PastEnd = QStringLiteral("Einlesen hinter Dateiende.");
const QString N3 = QStringLiteral("Der RUV-O Fragebogen wurde neu angelegt.");

int Code(const QByteArray& line, int pos1)
{
    return static_cast<unsigned char>(line.at(pos1 - 1));
}

bool IsPayload(int pos1)
{
    return pos1 >= 105 && pos1 <= 600 && pos1 % 5 == 0;
}

// Line n (1..21) of a file as written, without its line end.
QByteArray Line(const QByteArray& file, int n)
{
    return file.mid((n - 1) * LineBytes, 1000);
}

QList<QByteArray> Lines(const QByteArray& file)
{
    QList<QByteArray> lines;
    for (int n = 1; n <= 21; ++n)
        lines.append(Line(file, n));
    return lines;
}

// The values of lines 1 to 18 in file order.
QStringList FieldValues(ProgramState& s)
{
    return {s.IssuerName,  s.IssuerStreet,     s.IssuerPostcodeCity, s.IssuerCountry, s.IssuerEmail,
            s.ClientName,  s.ClientFirstName,  s.ClientSex,          s.ClientAge,     s.ClientPhone,
            s.ClientOccupation, s.ClientDate,  s.ClientStreet,       s.ClientPostcodeCity,
            s.ClientCountry, s.ClientEmailOrFax, s.SendResultOption, s.WorkingTimeMinutes};
}

// The payload codes of a line, reflected at `mirror` and sorted: the value's
// bytes and its padding as a multiset, as a checker without the key sees them.
QList<int> ReflectedPayload(const QByteArray& line, int mirror)
{
    QList<int> codes;
    for (int k = 1; k <= 100; ++k)
        codes.append(mirror - Code(line, 100 + 5 * k));
    std::sort(codes.begin(), codes.end());
    return codes;
}

// Checks that the payload multiset is the value's bytes plus padding codes.
void ExpectPayloadHolds(const QByteArray& line, int mirror, const QByteArray& value, int padLow, int padHigh,
                        const char* what)
{
    QList<int> payload = ReflectedPayload(line, mirror);
    for (const char c : value.left(100)) {
        const int code = static_cast<unsigned char>(c);
        const auto at = std::find(payload.begin(), payload.end(), code);
        ASSERT_NE(at, payload.end()) << what << ": byte " << code << " missing from the payload";
        payload.erase(at);
    }
    ASSERT_EQ(payload.size(), 100 - std::min<qsizetype>(100, value.size())) << what;
    for (const int pad : payload) {
        EXPECT_GE(pad, padLow) << what;
        EXPECT_LE(pad, padHigh) << what;
    }
}

void ExpectFillerInRange(const QByteArray& line, int n)
{
    for (int pos = 1; pos <= 1000; ++pos) {
        if (IsPayload(pos))
            continue;
        ASSERT_GE(Code(line, pos), 60) << "line " << n << " pos " << pos;
        ASSERT_LE(Code(line, pos), 159) << "line " << n << " pos " << pos;
    }
}

qulonglong SumOfCodes(const QList<QByteArray>& lines)
{
    qulonglong sum = 0;
    for (const QByteArray& line : lines)
        for (const char c : line)
            sum += static_cast<unsigned char>(c);
    return sum;
}

// Writes the fixture's questionnaire to `name` in the run's folder.
QString WriteSample(TestRun& run, const QString& name = QStringLiteral("probe.ziz-ir"))
{
    run.state().CurrentFilePath = run.path(name);
    WriteAnswerFile(*run.program);
    return run.path(name);
}

// A run whose state holds values that a load must replace, or keep.
void FillOldValues(TestRun& run)
{
    MainWindow(run);  // before the values: loading it sets the issuer
    ProgramState& s = run.state();
    s.ClientName = QStringLiteral("Alt");
    s.ClientFirstName = QStringLiteral("Wert");
    s.ClientDate = QStringLiteral("01.01.2000");
    s.ResultPassword = QStringLiteral("altes");
    s.IssuerName = QStringLiteral("Alter Ausgeber");
    s.Answers = EmptyAnswers();
    s.Modified = 1;
    MainWindow(run).Text1->setText(QStringLiteral("Alt, Wert"));
    MainWindow(run).Text2->setText(QStringLiteral("01.01.2000"));
}

struct Written {
    QByteArray bytes;
    QStringList fields;
    QString password;
    QString answers;
};

// A complete questionnaire written once, its bytes and values.
Written SampleFile()
{
    TestRun run;
    FillQuestionnaire(run);
    const QString path = WriteSample(run);
    return {FileBytes(path), FieldValues(run.state()), run.state().ResultPassword, run.state().Answers};
}

}  // namespace

// ------------------------------------------------------------------ writing

TEST(AnswerFileWrite, TwentyOneLinesOfThousandBytesWithCrLf)
{
    TestRun run;
    FillQuestionnaire(run);
    const int seededBefore = run.platform->randomizes;
    const QString path = WriteSample(run);

    EXPECT_EQ(run.platform->randomizes, seededBefore + 1) << "seeded once per file";
    EXPECT_EQ(run.state().Modified, 0);
    const QByteArray file = FileBytes(path);
    ASSERT_EQ(file.size(), 21042);
    for (int n = 1; n <= 21; ++n) {
        const QByteArray line = Line(file, n);
        EXPECT_FALSE(line.contains('\r')) << "line " << n;
        EXPECT_FALSE(line.contains('\n')) << "line " << n;
        EXPECT_FALSE(line.contains('\x1A')) << "line " << n;
        EXPECT_EQ(file.mid(n * LineBytes - 2, 2), QByteArray("\r\n")) << "line " << n;
    }
    // Nothing but the file itself is left in the folder.
    EXPECT_EQ(QDir(run.dir.path()).entryList(QDir::Files), QStringList{QStringLiteral("probe.ziz-ir")});
}

TEST(AnswerFileWrite, FieldLinesHoldValuePlusPaddingAtEveryFifthPosition)
{
    const Written w = SampleFile();
    ASSERT_EQ(w.bytes.size(), 21042);
    for (int n = 1; n <= 18; ++n) {
        const QByteArray line = Line(w.bytes, n);
        ExpectFillerInRange(line, n);
        ExpectPayloadHolds(line, 255, cp1252::encode(w.fields[n - 1]), 130, 139,
                           qPrintable(QStringLiteral("line %1").arg(n)));
    }
    const QByteArray password = Line(w.bytes, 19);
    ExpectFillerInRange(password, 19);
    ExpectPayloadHolds(password, 250, cp1252::encode(w.password), 130, 199, "password");
}

TEST(AnswerFileWrite, AnswerLineIsKeyPlusDigitsAndChecksumCoversLinesOneToTwenty)
{
    const Written w = SampleFile();
    const QByteArray answers = Line(w.bytes, 20);
    QString digits;
    for (int k = 1; k <= 1000; ++k) {
        const int code = Code(answers, k);
        if (k > 324) {
            ASSERT_EQ(code, AnswerKey[k - 1]) << "pos " << k;
            continue;
        }
        ASSERT_GE(code, 66) << "pos " << k;
        ASSERT_LE(code, 167) << "pos " << k;
        digits.append(QChar(u'0' + code - AnswerKey[k - 1]));
    }
    QString expected = w.answers;
    std::sort(digits.begin(), digits.end());
    std::sort(expected.begin(), expected.end());
    EXPECT_EQ(digits, expected) << "the answers as a multiset";

    const QByteArray checksum = QByteArray::number(SumOfCodes(Lines(w.bytes).mid(0, 20)));
    const QByteArray line21 = Line(w.bytes, 21);
    ExpectFillerInRange(line21, 21);
    ExpectPayloadHolds(line21, 255, checksum, 130, 139, "checksum");
}

TEST(AnswerFileWrite, TwoWritesOfTheSameDataDifferAndBothReadBack)
{
    TestRun run;
    FillQuestionnaire(run);
    const QStringList fields = FieldValues(run.state());
    const QString first = WriteSample(run, QStringLiteral("eins.ziz-ir"));
    run.platform->time += 1;
    const QString second = WriteSample(run, QStringLiteral("zwei.ziz-ir"));
    const QByteArray a = FileBytes(first);
    const QByteArray b = FileBytes(second);
    ASSERT_EQ(a.size(), 21042);
    ASSERT_EQ(b.size(), 21042);
    EXPECT_NE(a, b);
    EXPECT_NE(Line(a, 21), Line(b, 21));
    EXPECT_EQ(Line(a, 20), Line(b, 20)) << "the answer line has no random part";

    for (const QString& path : {first, second}) {
        TestRun reader;
        FillOldValues(reader);
        reader.state().CurrentFilePath = path;
        ReadAnswerFile(*reader.program);
        EXPECT_EQ(FieldValues(reader.state()), fields);
        EXPECT_EQ(reader.state().ResultPassword, QStringLiteral("Geheim#42"));
        EXPECT_EQ(reader.state().Answers, CompleteAnswers());
        EXPECT_EQ(reader.state().Modified, 0);
        EXPECT_EQ(reader.state().CurrentFilePath, path);
        EXPECT_EQ(MainWindow(reader).Text1->text(), QStringLiteral("Müller, Jürgen"));
        EXPECT_EQ(MainWindow(reader).Text2->text(), QStringLiteral("07.12.2026"));
    }
}

TEST(AnswerFileWrite, UnusualButWritableValuesComeBack)
{
    TestRun run;
    FillQuestionnaire(run, QString(), QString());
    ProgramState& s = run.state();
    s.WorkingTimeMinutes = QStringLiteral("Nachträglich digitalisiert");
    s.ClientOccupation = QStringLiteral("Ärztin für Öko-Übungen, 100 € / Std. ÿ");
    s.ClientStreet = QString(150, u'x');  // cut to 100
    s.ClientCountry = QString(100, u'y') + QStringLiteral("òòò");  // what the coding drops is not refused
    s.ResultPassword = QString();
    s.IssuerEmail = QStringLiteral("neu@ausgabe.example");
    const QString path = WriteSample(run);
    ASSERT_EQ(FileBytes(path).size(), 21042);

    TestRun reader;
    FillOldValues(reader);
    reader.state().CurrentFilePath = path;
    ReadAnswerFile(*reader.program);
    const ProgramState& r = reader.state();
    EXPECT_EQ(r.WorkingTimeMinutes, QStringLiteral("Nachträglich digitalisiert"));
    EXPECT_EQ(r.ClientOccupation, QStringLiteral("Ärztin für Öko-Übungen, 100 € / Std. ÿ"));
    EXPECT_EQ(r.ClientStreet, QString(100, u'x'));
    EXPECT_EQ(r.ClientCountry, QString(100, u'y'));
    EXPECT_EQ(r.ResultPassword, QString());
    EXPECT_EQ(r.IssuerEmail, QStringLiteral("neu@ausgabe.example")) << "loading replaces the issuer";
    EXPECT_EQ(MainWindow(reader).Text1->text(), QStringLiteral(", ")) << "empty name and first name";
}

TEST(AnswerFileWrite, RefusesCharactersThatWouldBreakTheFileAndWritesNothing)
{
    using Setter = std::function<void(ProgramState&)>;
    struct Case {
        const char* what;
        Setter set;
    };
    const Case cases[] = {
        {"ò in the name (CR)", [](ProgramState& s) { s.ClientName = QStringLiteral("Sòrensen"); }},
        {"õ in the street (LF)", [](ProgramState& s) { s.ClientStreet = QStringLiteral("Rua Sõ 1"); }},
        {"å in the town (26)", [](ProgramState& s) { s.ClientPostcodeCity = QStringLiteral("Åland å"); }},
        {"ò in the issuer", [](ProgramState& s) { s.IssuerName = QStringLiteral("Jòrg"); }},
        {"õ in the working time", [](ProgramState& s) { s.WorkingTimeMinutes = QStringLiteral("õ"); }},
        {"no code page byte", [](ProgramState& s) { s.ClientFirstName = QStringLiteral("Łukasz"); }},
        {"í in the password (CR)", [](ProgramState& s) { s.ResultPassword = QStringLiteral("geheím"); }},
        {"ð in the password (LF)", [](ProgramState& s) { s.ResultPassword = QStringLiteral("ðx"); }},
        {"à in the password (26)", [](ProgramState& s) { s.ResultPassword = QStringLiteral("voilà"); }},
        {"ü in the password (above 250)", [](ProgramState& s) { s.ResultPassword = QStringLiteral("Tür"); }},
        {"ÿ in the password (above 250)", [](ProgramState& s) { s.ResultPassword = QStringLiteral("ÿ"); }},
        {"no code page byte in the password", [](ProgramState& s) { s.ResultPassword = QStringLiteral("√2"); }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        TestRun run;
        FillQuestionnaire(run);
        // An existing file of that name keeps its content.
        const QString existing = run.path(QStringLiteral("alt.ziz-ir"));
        PutFile(existing, "bisheriger Inhalt\r\n");
        c.set(run.state());
        run.ui->expectMsg(Refused, vbCritical, SaveTitle);
        run.state().CurrentFilePath = existing;
        WriteAnswerFile(*run.program);
        EXPECT_EQ(FileBytes(existing), QByteArray("bisheriger Inhalt\r\n"));
        EXPECT_EQ(run.state().Modified, 1);

        run.ui->expectMsg(Refused, vbCritical, SaveTitle);
        run.state().CurrentFilePath = run.path(QStringLiteral("neu.ziz-ir"));
        WriteAnswerFile(*run.program);
        EXPECT_EQ(QDir(run.dir.path()).entryList(QDir::Files), QStringList{QStringLiteral("alt.ziz-ir")});
        run.ui->verifyDone();
    }
}

TEST(AnswerFileWrite, TheFieldRuleIsWhatTheWriterRefusesAndEverythingElseLoadsBack)
{
    // The personal-data form refuses by the same rule; a character it lets
    // through must be written and come back, one it refuses must be refused
    // here as well.
    TestRun run;
    FillQuestionnaire(run);
    TestRun reader;
    MainWindow(reader);
    const auto agree = [&](const QString& value, const std::string& what) {
        SCOPED_TRACE(what);
        const std::optional<cp1252::Refused> refused = FirstRefusedFieldCharacter(value);
        if (refused)
            run.ui->expectMsg(Refused, vbCritical, SaveTitle);
        run.state().ClientName = value;
        run.state().Modified = 1;
        run.state().CurrentFilePath = run.path(QStringLiteral("probe.ziz-ir"));
        QFile::remove(run.state().CurrentFilePath);
        EXPECT_EQ(WriteAnswerFile(*run.program), !refused);
        run.ui->verifyDone();
        if (!refused) {
            reader.state().CurrentFilePath = run.state().CurrentFilePath;
            ReadAnswerFile(*reader.program);
            EXPECT_EQ(reader.state().ClientName, value.left(100));
            reader.ui->verifyDone();
        }
        return refused;
    };

    QList<int> refusedCodes;
    for (int code = 0; code < 256; ++code) {
        const QChar ch = cp1252::toUnicode(static_cast<unsigned char>(code));
        const std::optional<cp1252::Refused> refused =
            agree(QStringLiteral("A") + ch + QStringLiteral("b"), "code " + std::to_string(code));
        if (refused) {
            refusedCodes.append(code);
            EXPECT_EQ(refused->position, 1);
            EXPECT_EQ(refused->character, QString(ch));
        }
    }
    // They would become CR, end of file and LF in the coded line.
    EXPECT_EQ(refusedCodes, (QList<int>{229, 242, 245}));

    struct Case {
        QString value;
        qsizetype position;  // -1: accepted
        QString character;
    };
    const Case cases[] = {
        {QStringLiteral("Ağaoğlu"), 1, QStringLiteral("ğ")},
        {QStringLiteral("Niccolo\u0300"), 7, QStringLiteral("\u0300")},  // the accent apart
        {QStringLiteral("x\U0001F600"), 1, QStringLiteral("\U0001F600")},  // beyond U+FFFF
        {QStringLiteral("x") + QChar(0xD800) + QStringLiteral("y"), 1, QString(QChar(0xD800))},
        {QString(99, u'x') + QStringLiteral("ò"), 99, QStringLiteral("ò")},
        {QString(100, u'x') + QStringLiteral("òõåğ"), -1, QString()},  // the coding drops them
        {QString(99, u'x') + QStringLiteral("\U0001F600"), 99, QStringLiteral("\U0001F600")},  // cut in two
    };
    for (const Case& c : cases) {
        const std::optional<cp1252::Refused> refused = agree(c.value, c.value.right(5).toStdString());
        ASSERT_EQ(refused.has_value(), c.position >= 0) << c.value.right(5).toStdString();
        if (refused) {
            EXPECT_EQ(refused->position, c.position);
            EXPECT_EQ(refused->character, c.character);
        }
    }
}

TEST(AnswerFileWrite, WriteFailuresKeepModifiedAndNameTheCause)
{
    TestRun run;
    FillQuestionnaire(run);
    run.ui->expectMsg(QStringLiteral("Pfad nicht gefunden."), vbCritical, SaveTitle);
    run.state().CurrentFilePath = run.path(QStringLiteral("fehlt/x.ziz-ir"));
    WriteAnswerFile(*run.program);
    EXPECT_EQ(run.state().Modified, 1);

    QDir(run.dir.path()).mkdir(QStringLiteral("ordner.ziz-ir"));
    run.ui->expectMsg(QStringLiteral("Zugriff verweigert."), vbCritical, SaveTitle);
    run.state().CurrentFilePath = run.path(QStringLiteral("ordner.ziz-ir"));
    WriteAnswerFile(*run.program);
    EXPECT_EQ(run.state().Modified, 1);

    // An answer that is no digit cannot be coded.
    run.state().Answers[5] = u'x';
    run.ui->expectMsg(QStringLiteral("Typen unverträglich."), vbCritical, SaveTitle);
    run.state().CurrentFilePath = run.path(QStringLiteral("y.ziz-ir"));
    WriteAnswerFile(*run.program);
    EXPECT_FALSE(QFile::exists(run.path(QStringLiteral("y.ziz-ir"))));
}

// ------------------------------------------------------------------ reading

TEST(AnswerFileRead, ChangedByteTakesTheCorruptRoadWithHelpAndANewQuestionnaire)
{
    const Written w = SampleFile();
    for (const int modified : {0, 1}) {
        SCOPED_TRACE(modified ? "unsaved answers before the load" : "nothing unsaved");
        TestRun run;
        FillOldValues(run);
        run.state().Modified = modified;
        QByteArray damaged = w.bytes;
        damaged[6 * LineBytes + 3] = char(damaged[6 * LineBytes + 3] + 1);  // a filler byte of line 7
        const QString path = run.path(QStringLiteral("kaputt.ziz-ir"));
        PutFile(path, damaged);
        run.ui->expectModal<Form15>([&](Form15& notice) {
            EXPECT_EQ(notice.windowTitle(), QStringLiteral("Korrupte Datei"));
            EXPECT_EQ(notice.height(), notice.Picture1->height()) << "inner area as high as the picture";
            EXPECT_EQ(notice.Picture1->size(), QSize(120, 125));
            // The values of the file are in place while the notice shows.
            EXPECT_EQ(run.state().ClientName, QStringLiteral("Müller"));
            notice.Command2->click();
            EXPECT_TRUE(notice.isVisible()) << "Hilfe leaves the notice open";
            notice.close();  // the desktop's close does not close it
            EXPECT_TRUE(notice.isVisible());
            notice.Command1->click();
        });
        run.ui->expectMsg(QStringLiteral("Die Datei ist keine Originaldatei.\r\nDie Datei kann beim Abspeichern "
                                         "oder bei der Sendung über das Internet geschädigt worden sein. Die "
                                         "Datei kann auch manipuliert sein.\r\nFordern Sie eine neue Datei an."),
                          vbInformation, QStringLiteral("Hilfe zu Korrupte Datei"));
        if (modified)
            run.ui->expectMsg(QStringLiteral("Die aktuelle Datei wurde geändert.\r\nSoll die Datei zuvor gespeichert "
                                             "werden?"),
                              vbYesNoQuestion, QString(), vbNo);
        run.ui->expectMsg(N3, vbInformation, QStringLiteral("RUV-O Fragebogen Neu"));
        run.state().CurrentFilePath = path;
        ReadAnswerFile(*run.program);
        run.ui->verifyDone();
        EXPECT_EQ(run.state().Answers, EmptyAnswers());
        EXPECT_EQ(run.state().ClientName, QString());
        EXPECT_EQ(run.state().CurrentFilePath, QString());
        EXPECT_EQ(MainWindow(run).Text1->text(), QString());
        EXPECT_EQ(run.state().Modified, 0);
    }
}

TEST(AnswerFileRead, BadFilesEndInTheLoadErrorWithOnlyTheReachedStepsDone)
{
    const Written w = SampleFile();
    const QList<QByteArray> good = Lines(w.bytes);

    // How far a failing load got: nothing, the 18 fields, the password and
    // boxes as well.
    enum Reached { Nothing, Fields, PasswordAndBoxes };
    struct Case {
        const char* what;
        std::function<void(const QString& path)> make;
        QString message;
        Reached reached;
    };
    std::mt19937 engine(20261207u);
    const auto binary = [&](int size) {
        QByteArray bytes(size, '\0');
        for (char& c : bytes)
            c = char(engine() & 0xFF);
        return bytes;
    };
    const Case cases[] = {
        {"missing file", [](const QString&) {}, QStringLiteral("Datei nicht gefunden."), Nothing},
        {"a folder", [](const QString& p) { QDir().mkpath(p); }, QStringLiteral("Zugriff verweigert."), Nothing},
        {"a pipe", [](const QString& p) { ::mkfifo(p.toLocal8Bit().constData(), 0600); },
         QStringLiteral("Zugriff verweigert."), Nothing},
        {"empty file", [](const QString& p) { PutFile(p, QByteArray()); }, PastEnd, Nothing},
        {"20 lines", [&](const QString& p) { PutFile(p, JoinCrLf(good.mid(0, 20))); }, PastEnd, Nothing},
        {"50 MB without a line end", [](const QString& p) { PutFile(p, QByteArray(50 * 1024 * 1024, 'A')); },
         PastEnd, Nothing},
        {"lines of 599 characters",
         [](const QString& p) { PutFile(p, JoinCrLf(QList<QByteArray>(21, QByteArray(599, 'q')))); },
         InvalidArgument, Nothing},
        {"binary bytes",
         [&](const QString& p) {
             QByteArray bytes = binary(30000);
             bytes[50] = '\r';
             PutFile(p, bytes);
         },
         InvalidArgument, Nothing},
        {"binary password block",
         [&](const QString& p) {
             QList<QByteArray> lines = good;
             lines[18] = binary(1000).replace('\r', 'x');
             lines[18][104] = char(0xFF);  // a payload code past the reflection
             PutFile(p, JoinCrLf(lines));
         },
         InvalidArgument, Fields},
        {"lines of 100,000 characters",
         [](const QString& p) { PutFile(p, JoinCrLf(QList<QByteArray>(21, QByteArray(100000, 'A')))); },
         InvalidArgument, PasswordAndBoxes},
        {"line 20 longer than 1000",
         [&](const QString& p) {
             QList<QByteArray> lines = good;
             lines[19] += QByteArray(20, 'B');
             PutFile(p, JoinCrLf(lines));
         },
         InvalidArgument, PasswordAndBoxes},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        TestRun run;
        FillOldValues(run);
        const QString path = run.path(QStringLiteral("probe.ziz-ir"));
        c.make(path);
        run.ui->expectMsg(c.message, vbCritical, LoadTitle);
        run.state().CurrentFilePath = path;
        ReadAnswerFile(*run.program);
        run.ui->verifyDone();
        const ProgramState& s = run.state();
        EXPECT_EQ(s.ClientName == QStringLiteral("Alt"), c.reached == Nothing);
        EXPECT_EQ(s.IssuerName == QStringLiteral("Alter Ausgeber"), c.reached == Nothing);
        EXPECT_EQ(s.ResultPassword == QStringLiteral("altes"), c.reached != PasswordAndBoxes);
        EXPECT_EQ(MainWindow(run).Text1->text() == QStringLiteral("Alt, Wert"), c.reached != PasswordAndBoxes);
        EXPECT_EQ(s.Answers, EmptyAnswers());
        EXPECT_EQ(s.Modified, 1);
        EXPECT_EQ(s.CurrentFilePath, path);
    }
}

TEST(AnswerFileRead, WhatFollowsTheTwentyFirstLineIsNotRead)
{
    const Written w = SampleFile();
    TestRun run;
    FillOldValues(run);
    const QString path = run.path(QStringLiteral("lang.ziz-ir"));
    PutFile(path, w.bytes + QByteArray(50 * 1024 * 1024, '\r'));
    run.state().CurrentFilePath = path;
    ReadAnswerFile(*run.program);
    EXPECT_EQ(run.state().Answers, w.answers);
    EXPECT_EQ(run.state().Modified, 0);
}

#include <gtest/gtest.h>

#include <csignal>
#include <sys/resource.h>
#include <sys/stat.h>

#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

#include "files/PersonalDataFile.h"
#include "questionnaire/Form1.h"
#include "questionnaire/Form13.h"
#include "questionnaire/PersonalData.h"
#include "support/TestRun.h"

namespace {

const QString SaveTitle = QStringLiteral("Stammdaten Speichern");
const QString SaveFailure = QStringLiteral("Fehler Stammdaten Speichern");
const QString LoadFailure = QStringLiteral("Fehler Stammdaten Laden");
const QString NotHeld = QStringLiteral("In den Stammdaten befinden sich nicht zugelassene Schriftzeichen.");
const QString UnusableName =
    QStringLiteral("Der vorgeschlagene Name kann nicht für ein Speichern der Stammdaten verwendet werden.");

QByteArray readAll(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return QByteArray("<missing>");
    return file.readAll();
}

void writeBytes(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

int modeOf(const QString& path)
{
    struct stat st {};
    if (::stat(QFile::encodeName(path).constData(), &st) != 0)
        return -1;
    return int(st.st_mode & 07777);
}

QStringList recordOf(ProgramState& s)
{
    QStringList values;
    for (int i = 0; i < ProgramState::PersonalFieldCount; ++i)
        values.append(*s.personalField(i));
    values.append(s.ResultPassword);
    return values;
}

void setRecord(ProgramState& s, const QStringList& values)
{
    for (int i = 0; i < ProgramState::PersonalFieldCount; ++i)
        *s.personalField(i) = values.value(i);
    s.ResultPassword = values.value(ProgramState::PersonalFieldCount);
}

// Thirteen values, each line CR LF, as the files hold them.
QByteArray fileOf(const QList<QByteArray>& lines)
{
    QByteArray bytes;
    for (const QByteArray& line : lines)
        bytes += line + "\r\n";
    return bytes;
}

const QStringList Erika{QStringLiteral("Muster"),          QStringLiteral("Erika"),
                        QStringLiteral("w"),               QStringLiteral("42"),
                        QStringLiteral("0711 / 12 34"),    QStringLiteral("Lehrerin, \"Mathe\""),
                        QStringLiteral("07.12.2026"),      QStringLiteral("Hauptstraße 1"),
                        QStringLiteral("70173 Stuttgart"), QStringLiteral("Deutschland"),
                        QStringLiteral("erika@example.org"), QStringLiteral("1"),
                        QStringLiteral(" pass, \"wort\" ")};
const QList<QByteArray> ErikaBytes{"Muster",          "Erika",       "w",          "42",
                                   "0711 / 12 34",    "Lehrerin, \"Mathe\"", "07.12.2026", "Hauptstra\xdf" "e 1",
                                   "70173 Stuttgart", "Deutschland", "erika@example.org", "1",
                                   " pass, \"wort\" "};

struct PersonalDataFiles : ::testing::Test {
    TestRun run;

    void SetUp() override { run.state().AppDir = run.dir.path(); }
    ProgramState& s() { return run.state(); }
    QString lst() const { return run.path(QStringLiteral("RUV-O-Fragebogen.lst")); }
    QString confirmation(const QString& path) const
    {
        return QStringLiteral("Ihre Stammdaten wurden zusammen mit dem Passwort in der Datei\r\n") + path
               + QStringLiteral("\r\nabgespeichert.");
    }
};

TEST_F(PersonalDataFiles, ExportWritesThirteenLinesByteExactOwnerOnlyInTheLastFolder)
{
    const QString folder = run.path(QStringLiteral("Daten"));
    ASSERT_TRUE(QDir().mkpath(folder));
    s().LastDir = folder;
    setRecord(s(), Erika);
    const QString target = QDir(folder).filePath(QStringLiteral("Muster Erika.std"));
    writeBytes(target, "alt\r\n");
    ASSERT_EQ(::chmod(QFile::encodeName(target).constData(), 0644), 0);

    run.ui->expectMsg(confirmation(target), vbInformation, SaveTitle);
    WritePersonalDataFile(*run.program);

    EXPECT_EQ(readAll(target), fileOf(ErikaBytes));
    EXPECT_EQ(modeOf(target), 0600);
    EXPECT_EQ(QDir(folder).entryList(QDir::Files | QDir::Hidden).size(), 1) << "no temporary file is left";
}

TEST_F(PersonalDataFiles, ExportGoesToTheProgramFolderWithoutALastFolder)
{
    setRecord(s(), Erika);
    const QString target = run.path(QStringLiteral("Muster Erika.std"));
    run.ui->expectMsg(confirmation(target), vbInformation, SaveTitle);
    WritePersonalDataFile(*run.program);
    EXPECT_EQ(readAll(target), fileOf(ErikaBytes));
}

TEST_F(PersonalDataFiles, ExportNameIsCleanedOfForbiddenCharactersOneDotAndOneBlank)
{
    const struct {
        const char* name;
        const char* first;
        const char* file;
    } cases[] = {
        {"Muster", "Erika", "Muster Erika.std"},
        {"Muster", "Erika.", "Muster Erika.std"},
        {"Muster", "Erika. ", "Muster Erika..std"},
        {"Muster", "Erika..", "Muster Erika..std"},
        {"Muster/Sohn", "Erika?", "MusterSohn Erika.std"},
        {"a<b>c|d:e;f\"g*h\\i", "j,k", "abcdefghi jk.std"},
        {"Muster", "", "Muster.std"},
    };
    for (const auto& c : cases) {
        s().ClientName = QString::fromUtf8(c.name);
        s().ClientFirstName = QString::fromUtf8(c.first);
        const QString target = run.path(QString::fromUtf8(c.file));
        run.ui->expectMsg(confirmation(target), vbInformation, SaveTitle);
        WritePersonalDataFile(*run.program);
        EXPECT_TRUE(QFile::exists(target)) << c.file;
        QFile::remove(target);
    }
}

TEST_F(PersonalDataFiles, ControlCharactersInTheNameNeverReachTheFileName)
{
    // An imported name may hold any of them; the file appears under exactly
    // the name the confirmation gives, or (carriage return) not at all.
    const QString folder = run.path(QStringLiteral("Export"));
    ASSERT_TRUE(QDir().mkpath(folder));
    s().LastDir = folder;
    for (const QChar c : {QChar(0), QChar(u'\t'), QChar(u'\n'), QChar(u'\r'), QChar(0x1b), QChar(0x7f)}) {
        SCOPED_TRACE(int(c.unicode()));
        setRecord(s(), Erika);
        s().ClientName = QStringLiteral("Mus") + c + QStringLiteral("ter");
        s().ClientFirstName = QStringLiteral("Erika") + c;
        const QString target = QDir(folder).filePath(QStringLiteral("Muster Erika.std"));
        if (c == u'\r')
            run.ui->expectMsg(NotHeld, vbCritical, SaveFailure);
        else
            run.ui->expectMsg(confirmation(target), vbInformation, SaveTitle);
        WritePersonalDataFile(*run.program);
        run.ui->verifyDone();
        EXPECT_EQ(QDir(folder).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot),
                  c == u'\r' ? QStringList() : QStringList{QStringLiteral("Muster Erika.std")});
        if (c != u'\r')
            EXPECT_EQ(readAll(target).left(7), QByteArray("Mus") + c.toLatin1() + QByteArray("ter"));
        QFile::remove(target);
    }
}

TEST_F(PersonalDataFiles, AnEmptyCleanedNameWritesNothing)
{
    for (const auto& [name, first] : {std::pair{"", ""}, {" ", ""}, {"?", "*"}, {"", "."}}) {
        s().ClientName = QString::fromLatin1(name);
        s().ClientFirstName = QString::fromLatin1(first);
        run.ui->expectMsg(UnusableName, vbExclamation, SaveTitle);
        WritePersonalDataFile(*run.program);
    }
    EXPECT_EQ(QDir(run.dir.path()).entryList(QDir::Files | QDir::Hidden).size(), 0);
}

TEST_F(PersonalDataFiles, AMissingLastFolderIsReportedWithoutFallingBack)
{
    setRecord(s(), Erika);
    s().LastDir = run.path(QStringLiteral("weg"));
    run.ui->expectMsg(QStringLiteral("Pfad nicht gefunden."), vbCritical, SaveFailure);
    WritePersonalDataFile(*run.program);
    EXPECT_EQ(QDir(run.dir.path()).entryList(QDir::Files).size(), 0);
}

TEST_F(PersonalDataFiles, ValuesTheCodePageCannotHoldAreRefusedAndTheOldFilesStay)
{
    const QString target = run.path(QStringLiteral("Muster Erika.std"));
    writeBytes(target, "alt\r\n");
    writeBytes(lst(), "alt\r\n");
    for (const QString& bad : {QStringLiteral("70173 Łódź"), QStringLiteral("Zeile\rZwei"), QStringLiteral("😀")}) {
        setRecord(s(), Erika);
        s().ClientPostcodeCity = bad;
        run.ui->expectMsg(NotHeld, vbCritical, SaveFailure);
        WritePersonalDataFile(*run.program);
        run.ui->expectMsg(NotHeld, vbCritical, SaveFailure);
        WriteCarryOverFile(*run.program);
    }
    // The password is checked alike: these files hold it too.
    setRecord(s(), Erika);
    s().ResultPassword = QStringLiteral("\u4e2d");
    run.ui->expectMsg(NotHeld, vbCritical, SaveFailure);
    WriteCarryOverFile(*run.program);
    EXPECT_EQ(readAll(target), QByteArray("alt\r\n"));
    EXPECT_EQ(readAll(lst()), QByteArray("alt\r\n"));
}

TEST_F(PersonalDataFiles, AWriteThatFailsOnTheDiskLeavesTheOldFile)
{
    const QString target = run.path(QStringLiteral("Muster Erika.std"));
    writeBytes(target, "alt\r\n");
    writeBytes(lst(), "alt\r\n");
    setRecord(s(), Erika);
    s().ResultPassword = QString(4096, u'p');

    // A file-size limit below the record makes the disk refuse the data.
    struct rlimit old {};
    ASSERT_EQ(::getrlimit(RLIMIT_FSIZE, &old), 0);
    const auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
    struct rlimit small = old;
    small.rlim_cur = 1024;
    ASSERT_EQ(::setrlimit(RLIMIT_FSIZE, &small), 0);
    run.ui->expectMsg(QStringLiteral("Fehler beim Schreiben der Datei."), vbCritical, SaveFailure);
    WritePersonalDataFile(*run.program);
    run.ui->expectMsg(QStringLiteral("Fehler beim Schreiben der Datei."), vbCritical, SaveFailure);
    WriteCarryOverFile(*run.program);
    ::setrlimit(RLIMIT_FSIZE, &old);
    std::signal(SIGXFSZ, oldHandler);

    EXPECT_EQ(readAll(target), QByteArray("alt\r\n"));
    EXPECT_EQ(readAll(lst()), QByteArray("alt\r\n"));
    EXPECT_EQ(QDir(run.dir.path()).entryList(QDir::Files | QDir::Hidden).size(), 2) << "no temporary file is left";
}

TEST_F(PersonalDataFiles, CarryOverFileIsByteExactOwnerOnlyAndSilent)
{
    setRecord(s(), Erika);
    WriteCarryOverFile(*run.program);
    EXPECT_EQ(readAll(lst()), fileOf(ErikaBytes));
    EXPECT_EQ(modeOf(lst()), 0600);
}

TEST_F(PersonalDataFiles, AFolderInPlaceOfTheFileIsReported)
{
    ASSERT_TRUE(QDir(run.dir.path()).mkdir(QStringLiteral("RUV-O-Fragebogen.lst")));
    ASSERT_TRUE(QDir(run.dir.path()).mkdir(QStringLiteral("Muster Erika.std")));
    setRecord(s(), Erika);
    run.ui->expectMsg(QStringLiteral("Zugriff verweigert."), vbCritical, SaveFailure);
    WriteCarryOverFile(*run.program);
    run.ui->expectMsg(QStringLiteral("Zugriff verweigert."), vbCritical, SaveFailure);
    WritePersonalDataFile(*run.program);

    s().CurrentFilePath = run.path(QStringLiteral("Muster Erika.std"));
    run.ui->expectMsg(QStringLiteral("Zugriff verweigert."), vbCritical, LoadFailure);
    ReadPersonalDataFile(*run.program);
    EXPECT_EQ(recordOf(s()), Erika);

    DeleteCarryOverFile(*run.program);  // silently fails on a folder
    EXPECT_TRUE(QFileInfo(lst()).isDir());
}

TEST_F(PersonalDataFiles, ValuesOfAnyKindComeBackWholeFromBothFiles)
{
    QStringList values = Erika;
    values[0] = QStringLiteral("  von, der \"Heide\"  ");
    values[4] = QStringLiteral("\"\"");
    values[5] = QStringLiteral("Zeilen\nvorschub allein bleibt");
    values[12] = QString(5000, u'x') + QStringLiteral("{ü€}") + QString(3, u' ');
    setRecord(s(), values);
    s().LastDir = run.dir.path();
    const QString exported = run.path(QStringLiteral("  von der Heide   Erika.std"));
    run.ui->expectMsg(confirmation(exported), vbInformation, SaveTitle);
    WritePersonalDataFile(*run.program);
    WriteCarryOverFile(*run.program);

    setRecord(s(), QStringList());
    s().CurrentFilePath = exported;
    ReadPersonalDataFile(*run.program);
    EXPECT_EQ(recordOf(s()), values);

    // The carry-over file, taken over at start-up.
    TestRun next;
    QFile::copy(lst(), next.path(QStringLiteral("RUV-O-Fragebogen.lst")));
    next.ui->expectMsg(QStringLiteral("Sollen die Stammdaten von\r\n") + values[0] + QStringLiteral(", Erika\r\n")
                           + QStringLiteral("übernommen werden?"),
                       vbYesNoQuestion, QStringLiteral("Stammdaten"), vbYes);
    next.program->form<Form1>();
    EXPECT_EQ(recordOf(next.state()), values);
}

TEST_F(PersonalDataFiles, AShortFileReplacesTheLinesItHasAndIsReported)
{
    setRecord(s(), Erika);
    Form13& form = run.program->form<Form13>();  // shows Erika
    QList<QByteArray> twelve{"Neu", "Name", "m", "50", "1", "2", "01.01.2000", "3", "4", "5", "6", "0"};
    const QString path = run.path(QStringLiteral("kurz.std"));
    writeBytes(path, fileOf(twelve));
    s().CurrentFilePath = path;
    run.ui->expectMsg(QStringLiteral("Einlesen hinter Dateiende."), vbCritical, LoadFailure);
    ReadPersonalDataFile(*run.program);

    QStringList expected;
    for (const QByteArray& line : twelve)
        expected.append(QString::fromLatin1(line));
    expected.append(Erika[12]);  // the password keeps its value
    EXPECT_EQ(recordOf(s()), expected);
    EXPECT_EQ(form.Text1->text(), QStringLiteral("Muster")) << "the boxes are not refilled";
    EXPECT_TRUE(form.Option1[1]->isChecked());

    // An empty file, a missing one: nothing replaced.
    setRecord(s(), Erika);
    writeBytes(path, QByteArray());
    run.ui->expectMsg(QStringLiteral("Einlesen hinter Dateiende."), vbCritical, LoadFailure);
    ReadPersonalDataFile(*run.program);
    s().CurrentFilePath = run.path(QStringLiteral("fehlt.std"));
    run.ui->expectMsg(QStringLiteral("Datei nicht gefunden."), vbCritical, LoadFailure);
    ReadPersonalDataFile(*run.program);
    EXPECT_EQ(recordOf(s()), Erika);
}

TEST_F(PersonalDataFiles, ImportFillsTheFormAndOnlyOptionChangesCount)
{
    run.program->form<Form1>();
    const QString same = run.path(QStringLiteral("gleich.std"));
    const QString other = run.path(QStringLiteral("anders.std"));
    writeBytes(same, fileOf(ErikaBytes));
    QList<QByteArray> otherBytes = ErikaBytes;
    otherBytes[0] = "Beispiel";
    otherBytes[2] = "M";   // neither "m" nor "w": the options stay
    otherBytes[11] = "x";  // anything but "1" clears the box
    writeBytes(other, fileOf(otherBytes));

    setRecord(s(), Erika);
    run.ui->expectModal<Form13>([&](Form13& f) {
        s().CurrentFilePath = same;
        ReadPersonalDataFile(*run.program);
        EXPECT_EQ(f.FieldsChanged, 0) << "texts set by the import are no change";

        s().CurrentFilePath = other;
        ReadPersonalDataFile(*run.program);
        EXPECT_EQ(f.Text1->text(), QStringLiteral("Beispiel"));
        EXPECT_EQ(f.Text8->text(), QStringLiteral("70173 Stuttgart"));
        EXPECT_EQ(f.Text6->text(), QStringLiteral("07.12.2026"));
        EXPECT_TRUE(f.Option1[1]->isChecked());
        EXPECT_FALSE(f.Check1->isChecked());
        EXPECT_EQ(f.FieldsChanged, 1) << "the check box changed while the form was visible";
        f.Command2->click();  // Abbrechen does not bring the earlier values back
    });
    run.ui->expectMsg(QStringLiteral("Die Stammdaten wurden verändert.\r\nSollen die veränderten Stammdaten "
                                     "gespeichert werden?"),
                      vbYesNoQuestion, QString(), vbNo);
    run.ui->expectMsg(QStringLiteral("Wollen Sie nun den Fragebogen bearbeiten?"), vbYesNoQuestion,
                      QStringLiteral("Benutzerführung"), vbNo);
    EnterPersonalData(*run.program);
    EXPECT_EQ(s().ClientName, QStringLiteral("Beispiel"));
    EXPECT_EQ(s().ClientSex, QStringLiteral("M"));
    EXPECT_EQ(s().ResultPassword, Erika[12]);
}

TEST_F(PersonalDataFiles, BinaryAndMegabyteLinesAreReadWithoutHarm)
{
    QByteArray binary;
    for (int i = 0; i < 4096; ++i)
        binary.append(char(i % 256));  // sixteen carriage returns among every byte value
    const QString path = run.path(QStringLiteral("binär.std"));
    writeBytes(path, binary);
    s().CurrentFilePath = path;
    ReadPersonalDataFile(*run.program);
    EXPECT_EQ(s().ClientName.size(), 13);                 // bytes 0 .. 12
    EXPECT_EQ(s().ClientFirstName.size(), 255);           // byte 14 .. 268 (LF 10 stays inside)
    EXPECT_EQ(s().ClientFirstName.at(0x80 - 14), QChar(0x20AC));

    QList<QByteArray> lines = ErikaBytes;
    lines[0] = QByteArray(1 << 20, 'A');
    writeBytes(path, fileOf(lines));
    ReadPersonalDataFile(*run.program);
    EXPECT_EQ(s().ClientName.size(), 1 << 20);
    EXPECT_EQ(s().ResultPassword, Erika[12]);
    WriteCarryOverFile(*run.program);
    EXPECT_EQ(readAll(lst()), fileOf(lines));
}

struct CarryOverAtStartUp : ::testing::Test {
    TestRun run;
    QString lst() const { return run.path(QStringLiteral("RUV-O-Fragebogen.lst")); }
    const QString question(const QString& name) const
    {
        return QStringLiteral("Sollen die Stammdaten von\r\n") + name + QStringLiteral("\r\nübernommen werden?");
    }
    Form1& start() { return run.program->form<Form1>(); }
};

TEST_F(CarryOverAtStartUp, YesShowsNameAndDateAndConfirmsNothing)
{
    writeBytes(lst(), fileOf(ErikaBytes));
    run.ui->expectMsg(question(QStringLiteral("Muster, Erika")), vbYesNoQuestion, QStringLiteral("Stammdaten"), vbYes);
    Form1& main = start();
    EXPECT_EQ(main.Text1->text(), QStringLiteral("Muster, Erika"));
    EXPECT_EQ(main.Text2->text(), QStringLiteral("07.12.2026"));
    EXPECT_EQ(recordOf(run.state()), Erika);
    EXPECT_EQ(run.state().PersonalDataConfirmed, 0);
}

TEST_F(CarryOverAtStartUp, AnEmptyFirstNameLeavesTheNameBoxEmpty)
{
    QList<QByteArray> lines = ErikaBytes;
    lines[1] = "";
    writeBytes(lst(), fileOf(lines));
    run.ui->expectMsg(question(QStringLiteral("Muster, ")), vbYesNoQuestion, QStringLiteral("Stammdaten"), vbYes);
    Form1& main = start();
    EXPECT_TRUE(main.Text1->text().isEmpty());
    EXPECT_EQ(main.Text2->text(), QStringLiteral("07.12.2026"));
}

TEST_F(CarryOverAtStartUp, NoEmptiesThePersonalDataButKeepsTheFile)
{
    writeBytes(lst(), fileOf(ErikaBytes));
    run.ui->expectMsg(question(QStringLiteral("Muster, Erika")), vbYesNoQuestion, QStringLiteral("Stammdaten"), vbNo);
    run.ui->expectMsg(QStringLiteral("Geben Sie bitte zuerst Ihre Stammdaten ein.\r\nWählen Sie dazu die Taste mit "
                                     "der Person."),
                      vbInformation, QStringLiteral("Stammdaten"));
    Form1& main = start();
    EXPECT_EQ(recordOf(run.state()), QStringList(13, QString()));
    EXPECT_TRUE(main.Text1->text().isEmpty());
    EXPECT_EQ(readAll(lst()), fileOf(ErikaBytes));
}

TEST_F(CarryOverAtStartUp, AMissingShortOrUnreadableFileIsSilentAndEmptiesTheData)
{
    const QList<QByteArray> contents{QByteArray(), "Muster\r\nErika\r\nw\r\n",
                                     fileOf(ErikaBytes.mid(0, 12)), "<dir>", "<none>"};
    for (const QByteArray& content : contents) {
        TestRun fresh;
        const QString path = fresh.path(QStringLiteral("RUV-O-Fragebogen.lst"));
        if (content == "<dir>")
            ASSERT_TRUE(QDir().mkdir(path));
        else if (content != "<none>")
            writeBytes(path, content);
        setRecord(fresh.state(), Erika);
        fresh.program->form<Form1>();
        EXPECT_EQ(recordOf(fresh.state()), QStringList(13, QString())) << content.left(20).toStdString();
        EXPECT_EQ(fresh.ui->messages.size(), 0);
    }
}

TEST_F(CarryOverAtStartUp, DeletingRemovesTheFileAndIgnoresItsAbsence)
{
    writeBytes(lst(), fileOf(ErikaBytes));
    run.state().AppDir = run.dir.path();
    DeleteCarryOverFile(*run.program);
    EXPECT_FALSE(QFile::exists(lst()));
    DeleteCarryOverFile(*run.program);
    EXPECT_EQ(run.ui->messages.size(), 0);
}

}  // namespace

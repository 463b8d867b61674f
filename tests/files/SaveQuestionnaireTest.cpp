#include <gtest/gtest.h>

#include <QDir>
#include <QLineEdit>
#include <QPushButton>

#include "files/AnswerFile.h"
#include "files/Form45.h"
#include "files/QuestionnaireFixture.h"
#include "files/SaveQuestionnaire.h"
#include "files/SettingsFile.h"
#include "questionnaire/Installation.h"
#include "ui/CodePage1252.h"

namespace {

const QString Title = QStringLiteral("RUV-O Fragebogen Speichern");
const QString M1 = QStringLiteral("Es wurde kein Name eingegeben.\r\nFüllen Sie zuerst das Stammdatenblatt aus.\r\n"
                                  "Wählen Sie dazu die Taste mit der Person.");
const QString M2 = QStringLiteral("Es wurde kein Datum eingegeben.\r\nGeben Sie das Datum im Stammdatenblatt ein.\r\n"
                                  "Wählen Sie dazu die Taste mit der Person.");
const QString M3 = QStringLiteral("Nicht vollständig beantwortete Fragebögen können nicht gespeichert werden.");
const QString M4 = QStringLiteral("Der vorgeschlagene Name kann nicht für ein Speichern der Datei verwendet werden.");
const QString M5 = QStringLiteral("Der Dateiname mit den Zeichen \"/\\,?*<>|:; ist ungültig.");
const QString N2 = QStringLiteral("Die aktuelle Datei wurde geändert.\r\nSoll die Datei zuvor gespeichert werden?");
const QString N3 = QStringLiteral("Der RUV-O Fragebogen wurde neu angelegt.");

QString Q1(const QString& path)
{
    return QStringLiteral("Eine Datei mit dem Namen\r\n") + path
           + QStringLiteral("\r\nexistiert bereits.\r\nSoll diese Datei überschrieben werden?");
}

// The user in the save dialog: checks what it shows, optionally does
// something more, types a name (empty text: an empty box) and confirms.
void ExpectSaveDialog(TestRun& run, const QString& expectedNameBox, const QString& typed,
                      std::function<void(Form45&)> before = {})
{
    run.ui->expectModal<Form45>([=](Form45& f) {
        EXPECT_EQ(f.windowTitle(), QStringLiteral("RUV-O Fragebogen Speichern"));
        EXPECT_EQ(f.Command1->text(), QStringLiteral("Speichern"));
        EXPECT_EQ(f.File1->pattern(), QStringLiteral("*.ziz-ir"));
        EXPECT_EQ(f.Text1->text(), expectedNameBox);
        if (before)
            before(f);
        f.Text1->setText(typed);
        f.Command1->click();
    });
}

void ExpectCancel(TestRun& run, const QString& expectedNameBox)
{
    run.ui->expectModal<Form45>([=](Form45& f) {
        EXPECT_EQ(f.Text1->text(), expectedNameBox);
        f.Command2->click();
    });
}

QString SendMessage(const QString& path)
{
    return QStringLiteral("Senden Sie die abgespeicherte Datei\r\n") + path
           + QStringLiteral("\r\nauf einem Datenträger oder per Email an das\r\n") + installation::InstituteName
           + CrLf + installation::InstituteStreet + CrLf + installation::InstitutePostcodeCity
           + QStringLiteral("\r\nEmail: ") + installation::InstituteEmail
           + QStringLiteral("\r\n\r\nBeachten Sie bitte, daß diese Software keine Email an das zfk versendet, die "
                            "Versendung müssen Sie durch Ihr konventionelles Emailprogramm vornehmen. Fügen Sie die "
                            "Datei mit dem beantworteten Fragebogen der Email als Anlage bei.");
}

QStringList FilesIn(const QString& folder)
{
    return QDir(folder).entryList(QDir::Files);
}

}  // namespace

// ------------------------------------------------------------ refusals

TEST(SaveQuestionnaireChecks, NameThenDateThenCompletenessEachStopTheSave)
{
    TestRun run;
    Form1& main = MainWindow(run);
    ProgramState& s = run.state();
    s.Answers = EmptyAnswers();
    s.DialogCancelled = 1;
    s.CurrentFilePath = run.path("alt.ZIZ-IR");

    run.ui->expectMsg(M1, vbCritical, Title);
    SaveQuestionnaire(*run.program);
    EXPECT_EQ(s.SaveFailed, 1);
    EXPECT_EQ(main.focusWidget(), main.Text1);
    EXPECT_EQ(s.CurrentFilePath, run.path("alt")) << "the extension goes before any check";
    EXPECT_EQ(s.DialogCancelled, 1);

    main.Text1->setText(QStringLiteral("Müller, Jürgen"));
    run.ui->expectMsg(M2, vbCritical, Title);
    SaveQuestionnaire(*run.program);
    EXPECT_EQ(s.SaveFailed, 1);
    EXPECT_EQ(main.focusWidget(), main.Text2);

    main.Text2->setText(QStringLiteral("07.12.2026"));
    run.ui->expectMsg(M3, vbCritical, Title);
    SaveQuestionnaire(*run.program);
    EXPECT_EQ(s.SaveFailed, 0);
    EXPECT_EQ(s.DialogCancelled, 1);
    EXPECT_EQ(s.CurrentFilePath, run.path("alt"));
    EXPECT_EQ(FilesIn(run.dir.path()), QStringList());
}

TEST(SaveQuestionnaireProposal, NameAndDateMadeFitForAFileName)
{
    struct Case {
        QString name, date, box;
    };
    const Case cases[] = {
        {"Müller, Jürgen", "07.12.2026", "Müller Jürgen 07.12.2026.ziz-ir"},
        {"a\"b<c>d|e/f\\g*h?i", "1;2:3", "abcdefghi 123.ziz-ir"},
        {"Meier, Max", "1.2.", "Meier Max 1.2.ziz-ir"},       // one full stop goes
        {"Meier, Max", "1.2 .", "Meier Max 1.2.ziz-ir"},      // the stop, then the blank
        {"Meier, Max", "1.2. ", "Meier Max 1.2..ziz-ir"},     // only the blank
        {"Meier, Max", "1.2..", "Meier Max 1.2..ziz-ir"},     // one of two stops
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name.toStdString() + " / " + c.date.toStdString());
        TestRun run;
        FillQuestionnaire(run);
        MainWindow(run).Text1->setText(c.name);
        MainWindow(run).Text2->setText(c.date);
        ExpectCancel(run, c.box);
        SaveQuestionnaire(*run.program);
        run.ui->verifyDone();
    }

    // Nothing usable left: message M4, then the dialog with an empty name box.
    for (const QString& name : {QStringLiteral(":"), QStringLiteral("?")}) {
        TestRun run;
        FillQuestionnaire(run);
        MainWindow(run).Text1->setText(name);
        MainWindow(run).Text2->setText(name == ":" ? QStringLiteral(" ") : QStringLiteral("*"));
        run.ui->expectMsg(M4, vbExclamation, QStringLiteral("RUV-O Speichern"));
        ExpectCancel(run, QString());
        SaveQuestionnaire(*run.program);
        run.ui->verifyDone();
    }
}

TEST(SaveQuestionnaireProposal, ControlCharactersNeverReachTheFileName)
{
    for (const QChar c : {QChar(0), QChar(u'\t'), QChar(u'\n'), QChar(u'\r'), QChar(0x7f)}) {
        SCOPED_TRACE(int(c.unicode()));
        TestRun run;
        FillQuestionnaire(run, QStringLiteral("Mül") + c + QStringLiteral("ler"), QStringLiteral("Jürgen") + c);
        const QString path = run.path("Müller Jürgen 07.12.2026.ziz-ir");
        ExpectSaveDialog(run, "Müller Jürgen 07.12.2026.ziz-ir", "Müller Jürgen 07.12.2026.ziz-ir");
        run.ui->expectMsg(SendMessage(path), vbInformation, QStringLiteral("Datei versenden"));
        run.ui->expectMsg(N3, vbInformation, QStringLiteral("RUV-O Fragebogen Neu"));
        MainWindow(run).Command17->click();
        run.ui->verifyDone();
        EXPECT_EQ(FilesIn(run.dir.path()), (QStringList{"Müller Jürgen 07.12.2026.ziz-ir", "RUV-O-Fragebogen.ini"}));
        EXPECT_EQ(FileBytes(path).size(), 21042);
    }
}

// ----------------------------------------------------------- the dialog

TEST(SaveQuestionnaireDialog, WritesInTheChosenFolderWithTheExtension)
{
    TestRun run;
    FillQuestionnaire(run);
    run.platform->currentFolder = QStringLiteral("/");
    ExpectSaveDialog(run, "Müller Jürgen 07.12.2026.ziz-ir", "Müller Jürgen 07.12.2026.ziz-ir", [&](Form45& f) {
        EXPECT_EQ(f.Dir1->path(), run.state().AppDir) << "no folder remembered yet";
    });
    SaveQuestionnaire(*run.program);
    const QString path = run.path("Müller Jürgen 07.12.2026.ziz-ir");
    EXPECT_EQ(run.platform->currentFolder, run.state().AppDir);
    EXPECT_EQ(run.state().CurrentFilePath, path);
    EXPECT_EQ(FileBytes(path).size(), 21042);
    EXPECT_EQ(run.state().Modified, 0);
    EXPECT_EQ(run.state().SaveFailed, 0);
    EXPECT_EQ(run.state().DialogCancelled, 0);
    EXPECT_EQ(run.state().LastDir, run.state().AppDir);

    struct Typed {
        QString typed, written;
    };
    for (const Typed& t : {Typed{"Gross.ZIZ-IR", "Gross.ZIZ-IR"}, Typed{"ohne", "ohne.ziz-ir"},
                           Typed{"anders.txt", "anders.txt.ziz-ir"}}) {
        run.state().CurrentFilePath.clear();
        ExpectSaveDialog(run, "Müller Jürgen 07.12.2026.ziz-ir", t.typed);
        SaveQuestionnaire(*run.program);
        EXPECT_EQ(run.state().CurrentFilePath, run.path(t.written));
        EXPECT_EQ(FileBytes(run.path(t.written)).size(), 21042) << t.written.toStdString();
    }
}

TEST(SaveQuestionnaireDialog, AfterALoadTheNameBoxShowsTheFileWithoutExtension)
{
    TestRun run;
    FillQuestionnaire(run);
    QDir().mkpath(run.path("ablage"));
    run.state().CurrentFilePath = run.path("ablage/geladen.ziz-ir");
    run.state().LastDir = run.path("ablage");
    ExpectSaveDialog(run, "geladen", "geladen", [&](Form45& f) {
        EXPECT_EQ(f.Dir1->path(), run.path("ablage"));
    });
    SaveQuestionnaire(*run.program);
    EXPECT_EQ(FileBytes(run.path("ablage/geladen.ziz-ir")).size(), 21042);
}

TEST(SaveQuestionnaireDialog, RefusedCharacterAsksAgainWhereTheDialogWasLeft)
{
    TestRun run;
    FillQuestionnaire(run);
    QDir().mkpath(run.path("unter/da"));
    // A "/" is refused wherever it stands, also before a folder that exists;
    // so is every control character, which would cut or alter the name.
    const QStringList refused = {QStringLiteral("a:b"), QStringLiteral("a\\b"), QStringLiteral("wer?"),
                                 QStringLiteral("x;y"), QStringLiteral("\"q\""), QStringLiteral("da/x"),
                                 QStringLiteral("/"), QStringLiteral("x/"), QStringLiteral("a\tb"),
                                 QStringLiteral("a\nb"), QStringLiteral("a\rb"), QStringLiteral("a") + QChar(0)
                                 + QStringLiteral("b"), QStringLiteral("a\x7f"), QStringLiteral("\x1f")};
    for (const QString& bad : refused) {
        SCOPED_TRACE(bad.toUtf8().toPercentEncoding().toStdString());
        run.state().LastDir.clear();
        run.state().CurrentFilePath.clear();
        ExpectSaveDialog(run, "Müller Jürgen 07.12.2026.ziz-ir", bad,
                         [&](Form45& f) { f.Dir1->setPath(run.path("unter")); });
        run.ui->expectMsg(M5, vbCritical, QStringLiteral("Fehler RUV-O Fragebogen Speichern"));
        ExpectSaveDialog(run, "Müller Jürgen 07.12.2026.ziz-ir", "gut", [&](Form45& f) {
            EXPECT_EQ(f.Dir1->path(), run.path("unter"));
        });
        SaveQuestionnaire(*run.program);
        run.ui->verifyDone();
        EXPECT_EQ(run.state().CurrentFilePath, run.path("unter/gut.ziz-ir"));
        EXPECT_EQ(FilesIn(run.path("unter")), QStringList{"gut.ziz-ir"});
        EXPECT_EQ(FilesIn(run.path("unter/da")), QStringList());
        QFile::remove(run.path("unter/gut.ziz-ir"));
    }

    // Without a proposal the box shows the refused name, whole; a cancel keeps it.
    run.state().CurrentFilePath = run.path("alt.ziz-ir");
    run.state().LastDir.clear();
    ExpectSaveDialog(run, "alt", "da/x|y");
    run.ui->expectMsg(M5, vbCritical, QStringLiteral("Fehler RUV-O Fragebogen Speichern"));
    ExpectCancel(run, "da/x|y");
    SaveQuestionnaire(*run.program);
    EXPECT_EQ(run.state().CurrentFilePath, run.path("da/x|y"));
    EXPECT_EQ(run.state().DialogCancelled, 1);
    EXPECT_EQ(FilesIn(run.path("unter")), QStringList());
}

TEST(SaveQuestionnaireDialog, ExistingFileIsOverwrittenOnlyAfterYes)
{
    TestRun run;
    FillQuestionnaire(run);
    const QString path = run.path("da.ziz-ir");
    PutFile(path, "alter Inhalt\r\n");

    ExpectSaveDialog(run, "Müller Jürgen 07.12.2026.ziz-ir", "da");
    run.ui->expectMsg(Q1(path), vbYesNoQuestionDefNo, Title, vbNo);
    SaveQuestionnaire(*run.program);
    EXPECT_EQ(FileBytes(path), QByteArray("alter Inhalt\r\n"));
    EXPECT_EQ(run.state().Modified, 1);
    EXPECT_EQ(run.state().CurrentFilePath, path);

    run.ui->expectModal<Form45>([](Form45& f) {
        EXPECT_EQ(f.Text1->text(), QStringLiteral("da"));
        f.Command1->click();
    });
    run.ui->expectMsg(Q1(path), vbYesNoQuestionDefNo, Title, vbYes);
    SaveQuestionnaire(*run.program);
    EXPECT_EQ(FileBytes(path).size(), 21042);
    EXPECT_EQ(run.state().Modified, 0);
}

TEST(SaveQuestionnaireDialog, CancelAndEmptyNameWriteNothingAndSayNothing)
{
    TestRun run;
    FillQuestionnaire(run);
    run.state().CurrentFilePath = run.path("vorher.ziz-ir");
    run.state().LastDir.clear();
    run.ui->expectModal<Form45>([&](Form45& f) {
        f.Dir1->setPath(QDir::rootPath());
        f.Command2->click();
    });
    SaveQuestionnaire(*run.program);
    EXPECT_EQ(run.state().DialogCancelled, 1);
    EXPECT_EQ(run.state().SaveFailed, 0);
    EXPECT_EQ(run.state().CurrentFilePath, run.path("vorher"));
    EXPECT_EQ(run.state().LastDir, QDir::rootPath());
    EXPECT_EQ(run.state().Modified, 1);

    ExpectSaveDialog(run, "vorher", "");
    EXPECT_EQ(SaveQuestionnaire(*run.program), SaveResult::Failed);
    EXPECT_EQ(run.state().SaveFailed, 1) << "nothing written is no save";
    EXPECT_EQ(run.state().DialogCancelled, 0);
    EXPECT_EQ(run.state().CurrentFilePath, QString());
    EXPECT_EQ(run.state().Modified, 1);
    EXPECT_EQ(FilesIn(run.dir.path()), QStringList());
}

TEST(SaveQuestionnaireDialog, FolderErrorFallsBackToTheProgramFolder)
{
    TestRun run;
    FillQuestionnaire(run);
    run.state().LastDir = run.path("ausgesteckt/stick");
    run.ui->expectMsg(QStringLiteral("Pfad nicht gefunden."), vbCritical, QStringLiteral("Fehler RUV-O Speichern"));
    ExpectSaveDialog(run, "Müller Jürgen 07.12.2026.ziz-ir", "hier", [&](Form45& f) {
        EXPECT_EQ(f.Dir1->path(), run.state().AppDir);
    });
    SaveQuestionnaire(*run.program);
    EXPECT_EQ(run.state().LastDir, run.state().AppDir);
    EXPECT_EQ(FileBytes(run.path("hier.ziz-ir")).size(), 21042);
}

TEST(CheckFileExistsProbe, FilesCountFoldersAndMissingDoNot)
{
    TestRun run;
    ProgramState& s = run.state();
    PutFile(run.path("da"), "x");
    QDir().mkpath(run.path("ordner"));
    const struct {
        QString path;
        int exists;
    } cases[] = {{run.path("da"), 1}, {run.path("fehlt"), 0}, {run.path("ordner"), 0}, {QString(), 0}};
    for (const auto& c : cases) {
        s.ProbeFile = c.path;
        s.FileExists = 1 - c.exists;
        CheckFileExists(*run.program);
        EXPECT_EQ(s.FileExists, c.exists) << c.path.toStdString();
    }
    // A file we may not read would still be replaced: it counts as there.
    QFile::setPermissions(run.path("da"), QFileDevice::WriteOwner);
    s.ProbeFile = run.path("da");
    CheckFileExists(*run.program);
    EXPECT_EQ(s.FileExists, 1);
}

// ------------------------------------------- the main window's save command

TEST(MainWindowSaveCommand, CompleteSaveEmptiesTheQuestionnaireAndRemembersTheFile)
{
    TestRun run;
    FillQuestionnaire(run);
    Form1& main = MainWindow(run);
    const QString path = run.path("Müller Jürgen 07.12.2026.ziz-ir");
    ExpectSaveDialog(run, "Müller Jürgen 07.12.2026.ziz-ir", "Müller Jürgen 07.12.2026.ziz-ir");
    run.ui->expectMsg(SendMessage(path), vbInformation, QStringLiteral("Datei versenden"));
    run.ui->expectMsg(N3, vbInformation, QStringLiteral("RUV-O Fragebogen Neu"));
    main.Command17->click();
    run.ui->verifyDone();

    EXPECT_EQ(FileBytes(path).size(), 21042);
    EXPECT_EQ(main.Text1->text(), QString());
    EXPECT_EQ(main.Text2->text(), QString());
    EXPECT_EQ(run.state().Answers, EmptyAnswers());
    EXPECT_EQ(run.state().ClientName, QString());
    EXPECT_EQ(run.state().LastSavedFile, path);
    EXPECT_TRUE(FileBytes(SettingsFilePath(*run.program)).contains(cp1252::encode(path)));

    run.ui->expectMsg(QStringLiteral("Der letzte abgespeicherte Fragebogen befindet sich hier:\r\n") + path
                          + QStringLiteral("\r\n\r\nSenden Sie die Datei auf einem Datenträger oder per Email an das\r\n")
                          + installation::InstituteName + CrLf + installation::InstituteStreet + CrLf
                          + installation::InstitutePostcodeCity + QStringLiteral("\r\n\r\nEmail: ")
                          + installation::InstituteEmail,
                      vbInformation, QString());
    run.ui->expectMsg(QStringLiteral("Möchten Sie, dass Ihr Emailprogramm gestartet wird?"), vbYesNoQuestion,
                      QStringLiteral("Email senden"), vbNo);
    main.Command3->click();
}

TEST(MainWindowSaveCommand, RefusalsAndCancelRunNoPostSaveStep)
{
    TestRun run;
    FillQuestionnaire(run);
    Form1& main = MainWindow(run);
    run.state().LastSavedFile = QStringLiteral("/frueher.ziz-ir");
    main.Text1->clear();
    run.ui->expectMsg(M1, vbCritical, Title);
    main.Command17->click();

    main.Text1->setText(QStringLiteral("Müller, Jürgen"));
    run.state().Answers[100] = u'0';
    run.ui->expectMsg(M3, vbCritical, Title);
    main.Command17->click();

    run.state().Answers = CompleteAnswers();
    ExpectCancel(run, "Müller Jürgen 07.12.2026.ziz-ir");
    main.Command17->click();
    run.ui->verifyDone();

    EXPECT_EQ(run.state().LastSavedFile, QStringLiteral("/frueher.ziz-ir"));
    EXPECT_EQ(run.state().Answers, CompleteAnswers());
    EXPECT_EQ(main.Text2->text(), QStringLiteral("07.12.2026"));
    EXPECT_FALSE(QFile::exists(SettingsFilePath(*run.program)));
}


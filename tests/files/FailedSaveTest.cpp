// A save that writes no file is no save for any caller: nothing is sent,
// nothing is cleared, nothing that remembers a saved file changes. That holds
// for a failed write, for the dialog confirmed with an empty name and for No
// to the overwrite question alike.

#include <gtest/gtest.h>

#include <QDir>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

#include "files/Form45.h"
#include "files/NewAndLoad.h"
#include "files/PersonalDataFile.h"
#include "files/QuestionnaireFixture.h"
#include "files/SaveQuestionnaire.h"
#include "files/SettingsFile.h"
#include "questionnaire/Digitising.h"
#include "questionnaire/Form18.h"
#include "questionnaire/Form2.h"
#include "questionnaire/Form3.h"
#include "questionnaire/QuestionPage.h"

namespace {

const QString WriteTitle = QStringLiteral("Fehler beim Speichern des RUV-O Fragebogens");
const QString Denied = QStringLiteral("Zugriff verweigert.");
const QString Proposed = QStringLiteral("Müller Jürgen 07.12.2026.ziz-ir");
const QString Other = QStringLiteral("Anders Eva 01.12.2026.ziz-ir");
const QByteArray OtherBytes = "die Antworten einer anderen Klientin\r\n";
const QString N2 = QStringLiteral("Die aktuelle Datei wurde geändert.\r\nSoll die Datei zuvor gespeichert werden?");

// How a save comes to nothing after the user chose where to put it.
enum class Way { WriteFails, EmptyName, NoToOverwrite };
constexpr Way AllWays[] = {Way::WriteFails, Way::EmptyName, Way::NoToOverwrite};

const char* WayName(Way way)
{
    switch (way) {
    case Way::WriteFails: return "write fails";
    case Way::EmptyName: return "empty name confirmed";
    case Way::NoToOverwrite: return "No to overwriting";
    }
    return "";
}

// A complete, unsaved questionnaire; an earlier save remembered in the
// settings file; the carry-over file of the confirmed personal data; a
// folder standing where the answer file would go; and another client's
// answer file beside it.
struct FailingSave : TestRun {
    Way way = Way::WriteFails;
    QByteArray settingsBefore;
    QByteArray carryOverBefore;
    QStringList entriesBefore;

    explicit FailingSave(Way w = Way::WriteFails) : way(w) {}

    void arrange()
    {
        FillQuestionnaire(*this);
        state().LastSavedFile = path(QStringLiteral("frueher.ziz-ir"));
        WriteSettingsFile(*program);
        WriteCarryOverFile(*program);
        QDir().mkpath(path(Proposed));
        PutFile(path(Other), OtherBytes);
        settingsBefore = FileBytes(SettingsFilePath(*program));
        carryOverBefore = FileBytes(path(QStringLiteral("RUV-O-Fragebogen.lst")));
        entriesBefore = QDir(dir.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot);
        ASSERT_FALSE(settingsBefore.isEmpty());
        ASSERT_FALSE(carryOverBefore.isEmpty());
    }

    // The save dialog with the proposed name, and what this way does there.
    void expectFailingSave()
    {
        ui->expectModal<Form45>([this](Form45& f) {
            EXPECT_EQ(f.Text1->text(), Proposed);
            if (way == Way::EmptyName)
                f.Text1->clear();
            else if (way == Way::NoToOverwrite)
                f.Text1->setText(Other);
            f.Command1->click();
        });
        if (way == Way::WriteFails)
            ui->expectMsg(Denied, vbCritical, WriteTitle);
        else if (way == Way::NoToOverwrite)
            ui->expectMsg(QStringLiteral("Eine Datei mit dem Namen\r\n") + path(Other)
                              + QStringLiteral("\r\nexistiert bereits.\r\nSoll diese Datei überschrieben werden?"),
                          vbYesNoQuestionDefNo, QStringLiteral("RUV-O Fragebogen Speichern"), vbNo);
    }

    void expectNothingLost()
    {
        ui->verifyDone();
        const ProgramState& s = state();
        EXPECT_EQ(s.Answers, CompleteAnswers());
        EXPECT_EQ(s.Modified, 1) << "closing later must still ask to save";
        EXPECT_EQ(s.SaveFailed, 1);
        EXPECT_EQ(s.ClientName, QStringLiteral("Müller"));
        EXPECT_EQ(s.ClientDate, QStringLiteral("07.12.2026"));
        EXPECT_EQ(s.ResultPassword, QStringLiteral("Geheim#42"));
        EXPECT_EQ(s.LastSavedFile, path(QStringLiteral("frueher.ziz-ir")));
        EXPECT_EQ(MainWindow(*this).Text1->text(), QStringLiteral("Müller, Jürgen"));
        EXPECT_EQ(MainWindow(*this).Text2->text(), QStringLiteral("07.12.2026"));
        EXPECT_EQ(FileBytes(SettingsFilePath(*program)), settingsBefore);
        EXPECT_EQ(FileBytes(path(QStringLiteral("RUV-O-Fragebogen.lst"))), carryOverBefore);
        EXPECT_EQ(QDir(dir.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot), entriesBefore);
        EXPECT_TRUE(QFileInfo(path(Proposed)).isDir());
        EXPECT_EQ(FileBytes(path(Other)), OtherBytes);
    }
};

}  // namespace

TEST(FailedSave, MainWindowSaveCommandRunsNoPostSaveStep)
{
    // Besides the three ways: the dialog's folder gone before the confirm,
    // and a character the file cannot hold, each with the write's own message.
    enum Extra { None, FolderGone, RefusedCharacter };
    struct Case {
        Way way;
        Extra extra;
    };
    const Case cases[] = {{Way::WriteFails, None},        {Way::EmptyName, None},
                          {Way::NoToOverwrite, None},     {Way::WriteFails, FolderGone},
                          {Way::WriteFails, RefusedCharacter}};
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(WayName(c.way)) + " " + std::to_string(int(c.extra)));
        FailingSave run(c.way);
        run.arrange();
        switch (c.extra) {
        case None:
            run.expectFailingSave();
            break;
        case FolderGone:
            run.ui->expectModal<Form45>([&](Form45& f) {
                QDir().mkpath(run.path("stick"));
                ASSERT_FALSE(f.Dir1->setPath(run.path("stick")));
                QDir().rmdir(run.path("stick"));
                f.Command1->click();
            });
            run.ui->expectMsg(QStringLiteral("Pfad nicht gefunden."), vbCritical, WriteTitle);
            break;
        case RefusedCharacter:
            run.state().ClientStreet = QStringLiteral("Hauptstraße ò 1");
            run.ui->expectModal<Form45>([](Form45& f) { f.Command1->click(); });
            run.ui->expectMsg(QStringLiteral("In den Stammdaten befinden sich nicht zugelassene Schriftzeichen."),
                              vbCritical, WriteTitle);
            break;
        }
        MainWindow(run).Command17->click();
        run.expectNothingLost();
    }
}

TEST(FailedSave, QuestionPageCloseOffersNoMailAndClearsNothing)
{
    for (const Way way : AllWays) {
        SCOPED_TRACE(WayName(way));
        FailingSave run(way);
        run.arrange();
        run.state().NoticeShown = 1;
        run.state().Answers[0] = u'0';
        run.ui->expectModal<Form2>([&](Form2& page) {
            run.ui->expectMsg(QStringLiteral("Sie haben alle Fragen beantwortet.\r\nBeenden Sie nun die Beantwortung "
                                             "der Fragen, indem Sie den Button mit dem grünen Häkchen wählen."),
                              vbInformation, QStringLiteral("RUV-O Fragebogen beantwortet"));
            QTest::mousePress(page.Option1[0], Qt::LeftButton);  // the fixture's first answer is "1"
            run.ui->expectMsg(QStringLiteral("Möchten Sie den Fragebogen nun abspeichern?"), vbYesNoQuestion,
                              QStringLiteral("Benutzerführung"), vbYes);
            run.expectFailingSave();
            page.Command5->click();
        });
        AnswerQuestionnaire(*run.program);
        run.expectNothingLost();
    }
}

TEST(FailedSave, AlreadyAnsweredRoadRunsNoPostSaveStep)
{
    for (const Way way : AllWays) {
        SCOPED_TRACE(WayName(way));
        FailingSave run(way);
        run.arrange();
        run.ui->expectMsg(QStringLiteral("Sie haben den Fragebogen bereits bearbeitet.\r\n\r\n"
                                         "Wollen Sie den Fragebogen nun abspeichern?"),
                          vbYesNoQuestion, QStringLiteral("Fragebogen"), vbYes);
        run.expectFailingSave();
        MainWindow(run).Command1->click();
        run.expectNothingLost();
    }
}

TEST(FailedSave, DigitisingStep3ClosesTheWindowAndKeepsEverything)
{
    for (const Way way : AllWays) {
        SCOPED_TRACE(WayName(way));
        FailingSave run(way);
        Form1& main = MainWindow(run);
        run.ui->expectModal<Form18>([&](Form18& w) {
            run.arrange();  // as if steps 1 and 2 had been done
            run.ui->expectModal<Form3>([](Form3& page) { page.close(); });
            QTest::mouseClick(w.Command2, Qt::LeftButton);
            ASSERT_FALSE(w.Command3->isHidden());
            run.expectFailingSave();
            QTest::mouseClick(w.Command3, Qt::LeftButton);
            EXPECT_FALSE(w.isVisible());
        });
        main.Command26->click();
        EXPECT_EQ(run.state().AutoSequence, 0);
        // The overview page marked the answers as transcribed.
        EXPECT_EQ(run.state().WorkingTimeMinutes, QStringLiteral("Nachträglich digitalisiert"));
        run.expectNothingLost();
    }
}

TEST(FailedSave, SaveFirstQuestionsStopTheCommandThatWouldDiscardTheAnswers)
{
    for (const Way way : AllWays) {
        SCOPED_TRACE(WayName(way));
        // New questionnaire: nothing cleared, no "neu angelegt".
        {
            FailingSave run(way);
            run.arrange();
            run.ui->expectMsg(N2, vbYesNoQuestion, QString(), vbYes);
            run.expectFailingSave();
            MainWindow(run).Command4->click();
            run.expectNothingLost();
        }
        // Load: no dialog to load another questionnaire over the unsaved one.
        {
            FailingSave run(way);
            run.arrange();
            run.ui->expectMsg(N2, vbYesNoQuestion, QString(), vbYes);
            run.expectFailingSave();
            MainWindow(run).Command5->click();
            run.expectNothingLost();
        }
        // The guided digitising sequence: no window to transcribe over them.
        {
            FailingSave run(way);
            run.arrange();
            run.ui->expectMsg(N2, vbYesNoQuestion, QString(), vbYes);
            run.expectFailingSave();
            MainWindow(run).Command26->click();
            EXPECT_EQ(run.state().AutoSequence, 0);
            EXPECT_EQ(run.program->loadedForm<Form18>(), nullptr);
            run.expectNothingLost();
        }
    }
}

TEST(FailedSave, AtExitTheProgramStaysOpenAndAsksAgainAtTheNextClose)
{
    for (const Way way : AllWays) {
        SCOPED_TRACE(WayName(way));
        FailingSave run(way);
        run.arrange();
        Form1& main = MainWindow(run);
        run.ui->expectMsg(N2, vbYesNoQuestion, QString(), vbYes);
        run.expectFailingSave();
        main.close();
        EXPECT_FALSE(main.ended());
        EXPECT_TRUE(main.isVisible());
        run.expectNothingLost();

        // Saved elsewhere on the second try, the program ends.
        run.ui->expectMsg(N2, vbYesNoQuestion, QString(), vbYes);
        run.ui->expectModal<Form45>([](Form45& f) {
            f.Text1->setText(QStringLiteral("anderswo"));
            f.Command1->click();
        });
        main.close();
        run.ui->verifyDone();
        EXPECT_TRUE(main.ended());
        EXPECT_EQ(FileBytes(run.path("anderswo.ziz-ir")).size(), 21042);
        EXPECT_EQ(FileBytes(run.path(QStringLiteral("RUV-O-Fragebogen.lst"))), run.carryOverBefore)
            << "a save at exit keeps the carry-over file";
    }
}

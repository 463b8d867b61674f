// A save whose write fails is a failed save for every caller: nothing is sent,
// nothing is cleared, nothing that remembers a saved file changes.

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
const QString N2 = QStringLiteral("Die aktuelle Datei wurde geändert.\r\nSoll die Datei zuvor gespeichert werden?");

// A complete, unsaved questionnaire; an earlier save remembered in the
// settings file; the carry-over file of the confirmed personal data; and a
// folder standing where the answer file would go.
struct FailingSave : TestRun {
    QByteArray settingsBefore;
    QByteArray carryOverBefore;
    QStringList entriesBefore;

    void arrange()
    {
        FillQuestionnaire(*this);
        state().LastSavedFile = path(QStringLiteral("frueher.ziz-ir"));
        WriteSettingsFile(*program);
        WriteCarryOverFile(*program);
        QDir().mkpath(path(Proposed));
        settingsBefore = FileBytes(SettingsFilePath(*program));
        carryOverBefore = FileBytes(path(QStringLiteral("RUV-O-Fragebogen.lst")));
        entriesBefore = QDir(dir.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot);
        ASSERT_FALSE(settingsBefore.isEmpty());
        ASSERT_FALSE(carryOverBefore.isEmpty());
    }

    // The save dialog confirmed with the proposed name, and the write's own message.
    void expectFailingWrite(const QString& message = Denied)
    {
        ui->expectModal<Form45>([](Form45& f) {
            EXPECT_EQ(f.Text1->text(), Proposed);
            f.Command1->click();
        });
        ui->expectMsg(message, vbCritical, WriteTitle);
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
    }
};

}  // namespace

TEST(FailedSave, MainWindowSaveCommandRunsNoPostSaveStep)
{
    // A folder in the file's place, the dialog's folder gone before the
    // confirm, a character the file cannot hold: each is the write's own
    // message and nothing more.
    enum Way { FolderInPlace, FolderGone, RefusedCharacter };
    for (const Way way : {FolderInPlace, FolderGone, RefusedCharacter}) {
        SCOPED_TRACE(int(way));
        FailingSave run;
        run.arrange();
        switch (way) {
        case FolderInPlace:
            run.expectFailingWrite();
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
    FailingSave run;
    run.arrange();
    run.state().NoticeShown = 1;
    run.state().Answers[0] = u'0';
    run.ui->expectModal<Form2>([&](Form2& page) {
        run.ui->expectMsg(QStringLiteral("Sie haben alle Fragen beantwortet.\r\nBeenden Sie nun die Beantwortung der "
                                         "Fragen, indem Sie den Button mit dem grünen Häkchen wählen."),
                          vbInformation, QStringLiteral("RUV-O Fragebogen beantwortet"));
        QTest::mousePress(page.Option1[0], Qt::LeftButton);  // the fixture's first answer is "1"
        run.ui->expectMsg(QStringLiteral("Möchten Sie den Fragebogen nun abspeichern?"), vbYesNoQuestion,
                          QStringLiteral("Benutzerführung"), vbYes);
        run.expectFailingWrite();
        page.Command5->click();
    });
    AnswerQuestionnaire(*run.program);
    run.expectNothingLost();
}

TEST(FailedSave, AlreadyAnsweredRoadRunsNoPostSaveStep)
{
    FailingSave run;
    run.arrange();
    run.ui->expectMsg(QStringLiteral("Sie haben den Fragebogen bereits bearbeitet.\r\n\r\n"
                                     "Wollen Sie den Fragebogen nun abspeichern?"),
                      vbYesNoQuestion, QStringLiteral("Fragebogen"), vbYes);
    run.expectFailingWrite();
    MainWindow(run).Command1->click();
    run.expectNothingLost();
}

TEST(FailedSave, DigitisingStep3ClosesTheWindowAndKeepsEverything)
{
    FailingSave run;
    Form1& main = MainWindow(run);
    run.ui->expectModal<Form18>([&](Form18& w) {
        run.arrange();  // as if steps 1 and 2 had been done
        run.ui->expectModal<Form3>([](Form3& page) { page.close(); });
        QTest::mouseClick(w.Command2, Qt::LeftButton);
        ASSERT_FALSE(w.Command3->isHidden());
        run.expectFailingWrite();
        QTest::mouseClick(w.Command3, Qt::LeftButton);
        EXPECT_FALSE(w.isVisible());
    });
    main.Command26->click();
    EXPECT_EQ(run.state().AutoSequence, 0);
    // The overview page marked the answers as transcribed.
    EXPECT_EQ(run.state().WorkingTimeMinutes, QStringLiteral("Nachträglich digitalisiert"));
    run.expectNothingLost();
}

TEST(FailedSave, SaveFirstQuestionsStopTheCommandThatWouldDiscardTheAnswers)
{
    // New questionnaire: nothing cleared, no "neu angelegt".
    {
        FailingSave run;
        run.arrange();
        run.ui->expectMsg(N2, vbYesNoQuestion, QString(), vbYes);
        run.expectFailingWrite();
        MainWindow(run).Command4->click();
        run.expectNothingLost();
    }
    // Load: no dialog to load another questionnaire over the unsaved one.
    {
        FailingSave run;
        run.arrange();
        run.ui->expectMsg(N2, vbYesNoQuestion, QString(), vbYes);
        run.expectFailingWrite();
        MainWindow(run).Command5->click();
        run.expectNothingLost();
    }
    // The guided digitising sequence: no window to transcribe over them.
    {
        FailingSave run;
        run.arrange();
        run.ui->expectMsg(N2, vbYesNoQuestion, QString(), vbYes);
        run.expectFailingWrite();
        MainWindow(run).Command26->click();
        EXPECT_EQ(run.state().AutoSequence, 0);
        EXPECT_EQ(run.program->loadedForm<Form18>(), nullptr);
        run.expectNothingLost();
    }
}

TEST(FailedSave, AtExitTheProgramStaysOpenAndAsksAgainAtTheNextClose)
{
    FailingSave run;
    run.arrange();
    Form1& main = MainWindow(run);
    run.ui->expectMsg(N2, vbYesNoQuestion, QString(), vbYes);
    run.expectFailingWrite();
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

#include <gtest/gtest.h>

#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include "files/AnswerFile.h"
#include "files/Form15.h"
#include "files/Form45.h"
#include "files/NewAndLoad.h"
#include "files/QuestionnaireFixture.h"

namespace {

const QString N1 = QStringLiteral("Wenn Sie fortfahren wird die Datei neu angelegt, und die Stammdaten werden "
                                  "gelöscht.\r\nWollen Sie fortfahren?");
const QString N2 = QStringLiteral("Die aktuelle Datei wurde geändert.\r\nSoll die Datei zuvor gespeichert werden?");
const QString N3 = QStringLiteral("Der RUV-O Fragebogen wurde neu angelegt.");
const QString N3Title = QStringLiteral("RUV-O Fragebogen Neu");
const QString H1 = QStringLiteral("Die Datei ist keine Originaldatei.\r\nDie Datei kann beim Abspeichern oder bei der "
                                  "Sendung über das Internet geschädigt worden sein. Die Datei kann auch manipuliert "
                                  "sein.\r\nFordern Sie eine neue Datei an.");
const QString M3 = QStringLiteral("Nicht vollständig beantwortete Fragebögen können nicht gespeichert werden.");

void ExpectEmptyQuestionnaire(TestRun& run)
{
    const ProgramState& s = run.state();
    for (int i = 0; i < ProgramState::PersonalFieldCount; ++i)
        EXPECT_EQ(*const_cast<ProgramState&>(s).personalField(i), QString()) << "field " << i;
    EXPECT_EQ(s.ResultPassword, QString());
    EXPECT_EQ(s.WorkingTimeMinutes, QString());
    EXPECT_EQ(s.Answers, EmptyAnswers());
    EXPECT_EQ(s.Modified, 0);
    EXPECT_EQ(s.CurrentFilePath, QString());
    EXPECT_EQ(s.PersonalDataConfirmed, 0);
    EXPECT_EQ(MainWindow(run).Text1->text(), QString());
    EXPECT_EQ(MainWindow(run).Text2->text(), QString());
}

// An answer file written from the fixture's questionnaire, in its own folder.
QString SavedFile(TestRun& run, const QString& name = QStringLiteral("ablage/gespeichert.ziz-ir"))
{
    TestRun writer;
    FillQuestionnaire(writer);
    writer.state().IssuerName = QStringLiteral("Ausgeber aus der Datei");
    const QString path = run.path(name);
    QDir().mkpath(QFileInfo(path).absolutePath());
    writer.state().CurrentFilePath = path;
    WriteAnswerFile(*writer.program);
    return path;
}

}  // namespace

// ------------------------------------------------------------------- new

TEST(NewQuestionnaireCommand, ConfirmedPersonalDataWithoutAnswersAskFirst)
{
    TestRun run;
    FillQuestionnaire(run);
    ProgramState& s = run.state();
    s.Answers = EmptyAnswers();
    s.Modified = 0;
    s.PersonalDataConfirmed = 1;
    s.CurrentFilePath = QStringLiteral("/x.ziz-ir");

    run.ui->expectMsg(N1, vbYesNoQuestionDefNo, QStringLiteral("Datei Neu"), vbNo);
    MainWindow(run).Command4->click();
    EXPECT_EQ(s.ClientName, QStringLiteral("Müller"));
    EXPECT_EQ(s.ResultPassword, QStringLiteral("Geheim#42"));
    EXPECT_EQ(s.PersonalDataConfirmed, 1);
    EXPECT_EQ(s.CurrentFilePath, QStringLiteral("/x.ziz-ir"));
    EXPECT_EQ(MainWindow(run).Text1->text(), QStringLiteral("Müller, Jürgen"));

    run.ui->expectMsg(N1, vbYesNoQuestionDefNo, QStringLiteral("Datei Neu"), vbYes);
    run.ui->expectMsg(N3, vbInformation, N3Title);
    MainWindow(run).Command4->click();
    ExpectEmptyQuestionnaire(run);

    // No confirmed personal data any more: no question the next time.
    run.ui->expectMsg(N3, vbInformation, N3Title);
    MainWindow(run).Command4->click();
}

TEST(NewQuestionnaireCommand, UnsavedAnswersAreOfferedForSavingWhateverComesOfIt)
{
    TestRun run;
    FillQuestionnaire(run);
    run.state().Answers[7] = u'0';
    run.ui->expectMsg(N2, vbYesNoQuestion, QString(), vbYes);
    run.ui->expectMsg(M3, vbCritical, QStringLiteral("RUV-O Fragebogen Speichern"));
    run.ui->expectMsg(N3, vbInformation, N3Title);
    NewQuestionnaire(*run.program);
    ExpectEmptyQuestionnaire(run);

    FillQuestionnaire(run);
    run.ui->expectMsg(N2, vbYesNoQuestion, QString(), vbYes);
    run.ui->expectModal<Form45>([](Form45& f) {
        f.Text1->setText(QStringLiteral("vorher"));
        f.Command1->click();
    });
    run.ui->expectMsg(N3, vbInformation, N3Title);
    NewQuestionnaire(*run.program);
    ExpectEmptyQuestionnaire(run);
    EXPECT_EQ(FileBytes(run.path("vorher.ziz-ir")).size(), 21042);
}

TEST(NewQuestionnaireCommand, SavedQuestionnaireGoesWithoutQuestionAndTheSequenceHasNoNotice)
{
    TestRun run;
    FillQuestionnaire(run);
    run.state().Modified = 0;
    run.state().LastDir = QStringLiteral("/bleibt");
    run.state().IssuerName = QStringLiteral("bleibt auch");
    run.ui->expectMsg(N3, vbInformation, N3Title);
    NewQuestionnaire(*run.program);
    ExpectEmptyQuestionnaire(run);
    EXPECT_EQ(run.state().LastDir, QStringLiteral("/bleibt"));
    EXPECT_EQ(run.state().IssuerName, QStringLiteral("bleibt auch"));

    FillQuestionnaire(run);
    run.state().AutoSequence = 1;
    run.ui->expectMsg(N2, vbYesNoQuestion, QString(), vbNo);
    NewQuestionnaire(*run.program);
    ExpectEmptyQuestionnaire(run);
}

// ------------------------------------------------------------------ load

TEST(LoadQuestionnaireCommand, IntactFileRestoresEverything)
{
    TestRun run;
    Form1& main = MainWindow(run);
    const QString path = SavedFile(run);
    run.state().CurrentFilePath = run.path("ablage/gespeichert.ziz-ir");
    run.state().LastDir = run.path("ablage");
    run.state().PersonalDataConfirmed = 1;
    run.platform->currentFolder = QStringLiteral("/");
    run.ui->expectModal<Form45>([&](Form45& f) {
        EXPECT_EQ(f.windowTitle(), QStringLiteral("RUV-O Fragebogen Laden"));
        EXPECT_EQ(f.Command1->text(), QStringLiteral("Öffnen"));
        EXPECT_EQ(f.File1->pattern(), QStringLiteral("*.ziz-ir"));
        EXPECT_EQ(f.Text1->text(), QStringLiteral("gespeichert.ziz-ir")) << "the current file, with extension";
        EXPECT_EQ(f.File1->fileNames(), QStringList{"gespeichert.ziz-ir"});
        f.Text1->clear();
        f.File1->setCurrentRow(0);
        f.File1->item(0)->setSelected(true);
        EXPECT_EQ(f.Text1->text(), QStringLiteral("gespeichert.ziz-ir"));
        f.Command1->click();
    });
    main.Command5->click();

    const ProgramState& s = run.state();
    EXPECT_EQ(run.platform->currentFolder, s.AppDir);
    EXPECT_EQ(s.CurrentFilePath, path);
    EXPECT_EQ(s.ClientName, QStringLiteral("Müller"));
    EXPECT_EQ(s.ClientOccupation, QStringLiteral("Straßenbauer"));
    EXPECT_EQ(s.WorkingTimeMinutes, QStringLiteral(" 73"));
    EXPECT_EQ(s.ResultPassword, QStringLiteral("Geheim#42"));
    EXPECT_EQ(s.IssuerName, QStringLiteral("Ausgeber aus der Datei"));
    EXPECT_EQ(s.Answers, CompleteAnswers());
    EXPECT_EQ(s.Modified, 0);
    EXPECT_EQ(s.PersonalDataConfirmed, 1) << "loading leaves it alone";
    EXPECT_EQ(main.Text1->text(), QStringLiteral("Müller, Jürgen"));
    EXPECT_EQ(main.Text2->text(), QStringLiteral("07.12.2026"));
}

TEST(LoadQuestionnaireCommand, DamagedFileShowsTheNoticeAndStartsAfresh)
{
    TestRun run;
    const QString path = SavedFile(run);
    QByteArray bytes = FileBytes(path);
    bytes[1002 * 19 + 400] = char(bytes[1002 * 19 + 400] + 1);  // a key byte of the answer line
    PutFile(path, bytes);
    run.state().LastDir = run.path("ablage");
    run.ui->expectModal<Form45>([](Form45& f) {
        f.Text1->setText(QStringLiteral("gespeichert.ziz-ir"));
        f.Command1->click();
    });
    run.ui->expectModal<Form15>([&](Form15& notice) {
        EXPECT_EQ(notice.Label1->text(), QStringLiteral("Die Datei ist korrupt und kann nicht geladen werden."));
        EXPECT_EQ(notice.height(), 125);
        notice.Command2->click();
        QTest::keyClick(&notice, Qt::Key_Escape);
        EXPECT_TRUE(notice.isVisible()) << "only OK closes the notice";
        notice.Command1->click();
    });
    run.ui->expectMsg(H1, vbInformation, QStringLiteral("Hilfe zu Korrupte Datei"));
    run.ui->expectMsg(N3, vbInformation, N3Title);
    MainWindow(run).Command5->click();
    ExpectEmptyQuestionnaire(run);
}

TEST(LoadQuestionnaireCommand, UnsavedAnswersCancelAndEmptyName)
{
    TestRun run;
    FillQuestionnaire(run);
    run.state().CurrentFilePath = run.path("offen.ziz-ir");

    // No to saving first: the dialog all the same; a cancel keeps everything.
    run.ui->expectMsg(N2, vbYesNoQuestion, QString(), vbNo);
    run.ui->expectModal<Form45>([](Form45& f) { f.Command2->click(); });
    LoadQuestionnaire(*run.program);
    EXPECT_EQ(run.state().CurrentFilePath, run.path("offen.ziz-ir"));
    EXPECT_EQ(run.state().Answers, CompleteAnswers());
    EXPECT_EQ(run.state().Modified, 1);

    // Yes, and the save is refused: the load goes on to its dialog, whose
    // name box now shows the current file without extension.
    MainWindow(run).Text2->clear();
    run.ui->expectMsg(N2, vbYesNoQuestion, QString(), vbYes);
    run.ui->expectMsg(QStringLiteral("Es wurde kein Datum eingegeben.\r\nGeben Sie das Datum im Stammdatenblatt "
                                     "ein.\r\nWählen Sie dazu die Taste mit der Person."),
                      vbCritical, QStringLiteral("RUV-O Fragebogen Speichern"));
    run.ui->expectModal<Form45>([](Form45& f) {
        EXPECT_EQ(f.Text1->text(), QStringLiteral("offen"));
        f.Command1->click();
    });
    run.ui->expectMsg(QStringLiteral("Datei nicht gefunden."), vbCritical,
                      QStringLiteral("Fehler beim Laden des RUV-O Fragebogens"));
    LoadQuestionnaire(*run.program);
    EXPECT_EQ(run.state().CurrentFilePath, run.path("offen"));

    // An empty name ends the load silently with no current file.
    run.state().Modified = 0;
    run.ui->expectModal<Form45>([](Form45& f) {
        f.Text1->clear();
        f.Command1->click();
    });
    LoadQuestionnaire(*run.program);
    EXPECT_EQ(run.state().CurrentFilePath, QString());
    EXPECT_EQ(run.state().Answers, CompleteAnswers());
}

TEST(LoadQuestionnaireCommand, FolderErrorFallsBackAndKeepsTheNameBox)
{
    TestRun run;
    MainWindow(run);
    const QString path = SavedFile(run, QStringLiteral("geladen.ziz-ir"));
    run.state().CurrentFilePath = path;
    run.state().LastDir = run.path("weg");
    run.ui->expectMsg(QStringLiteral("Pfad nicht gefunden."), vbCritical,
                      QStringLiteral("Fehler RUV-O Fragebogen Laden"));
    run.ui->expectModal<Form45>([&](Form45& f) {
        EXPECT_EQ(f.Dir1->path(), run.state().AppDir);
        EXPECT_EQ(f.Text1->text(), QStringLiteral("geladen.ziz-ir"));
        f.Command1->click();
    });
    LoadQuestionnaire(*run.program);
    EXPECT_EQ(run.state().LastDir, run.state().AppDir);
    EXPECT_EQ(run.state().Answers, CompleteAnswers());
}

// Whole roads through the program, as a user takes them: every window and
// message on the way is scripted, and the files at the end are checked.
#include <gtest/gtest.h>

#include <QFile>
#include <QFileInfo>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

#include "files/Form45.h"
#include "questionnaire/Form1.h"
#include "questionnaire/Form18.h"
#include "questionnaire/Form2.h"
#include "questionnaire/Form3.h"
#include "questionnaire/Form4.h"
#include "support/Flows.h"
#include "support/TestRun.h"
#include "ui/VbText.h"

namespace {

const QString kAllAnswered = QStringLiteral(
    "Sie haben alle Fragen beantwortet.\r\nBeenden Sie nun die Beantwortung der Fragen, indem Sie den Button mit dem "
    "grünen Häkchen wählen.");
const QString kNewDone = QStringLiteral("Der RUV-O Fragebogen wurde neu angelegt.");

QByteArray fileBytes(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

// Answers every question on the page with its first answer, by mouse.
void answerAll(TestRun& run, Form2& page)
{
    for (int q = 1; q <= 324; ++q) {
        EXPECT_EQ(run.state().CurrentQuestion, q);
        if (q == 324)
            run.ui->expectMsg(kAllAnswered, vbInformation, QStringLiteral("RUV-O Fragebogen beantwortet"));
        QTest::mousePress(page.Option1[0], Qt::LeftButton);
        QTest::mouseRelease(page.Option1[0], Qt::LeftButton);
        if (q < 324)
            QTest::mouseClick(page.Command2, Qt::LeftButton);
    }
}

// Confirms the file dialog with the name it proposes.
void confirmProposedName(TestRun& run, const QString& expectedName)
{
    run.ui->expectModal<Form45>([expectedName](Form45& d) {
        EXPECT_EQ(d.Text1->text(), expectedName);
        d.Command1->click();
    });
}

}  // namespace

TEST(MainRoad, PersonalDataAnsweringSavingSendingAndAFreshStart)
{
    TestRun run;
    Form1& main = run.program->form<Form1>();
    const QString carryOver = run.path(QStringLiteral("RUV-O-Fragebogen.lst"));

    // Personal data, password, then straight on to answering.
    flows::expectConfirmedPersonalData(run, flows::Person(), vbYes);
    run.ui->expectModal<Form4>([](Form4& notice) { notice.Command1->click(); });
    run.ui->expectModal<Form2>([&](Form2& page) {
        EXPECT_TRUE(QFile::exists(carryOver)) << "the confirmation wrote the carry-over file";
        answerAll(run, page);
        // Closing the complete page offers to save; the file goes where the
        // dialog stands (the program folder) under the proposed name.
        run.ui->expectMsg(QStringLiteral("Möchten Sie den Fragebogen nun abspeichern?"), vbYesNoQuestion,
                          QStringLiteral("Benutzerführung"), vbYes);
        confirmProposedName(run, QStringLiteral("Muster Erika 01.02.2012.ziz-ir"));
        const QString saved = run.path(QStringLiteral("Muster Erika 01.02.2012.ziz-ir"));
        run.ui->expectMsg(QStringLiteral("Senden Sie die abgespeicherte Datei\r\n") + saved
                              + QStringLiteral("\r\nauf einem Datenträger oder per Email an ")
                              + run.state().RecipientAddress + QStringLiteral("\r\n\r\nEmail: ")
                              + run.state().RecipientEmail
                              + QStringLiteral("\r\n\r\nBeachten Sie bitte, dass diese Software keine Email an das "
                                               "zfk versendet, die Versendung müssen Sie durch Ihr konventionelles "
                                               "Emailprogramm vornehmen. Fügen Sie die Datei mit dem beantworteten "
                                               "Fragebogen der Email als Anlage bei."),
                          vbInformation, QStringLiteral("Datei versenden"));
        run.ui->expectMsg(QStringLiteral("Möchten Sie, dass Ihr Emailprogramm gestartet wird?"), vbYesNoQuestion,
                          QStringLiteral("Email Senden"), vbNo);
        run.ui->expectMsg(kNewDone, vbInformation, QStringLiteral("RUV-O Fragebogen Neu"));
        page.Command5->click();
    });
    main.Command24->click();

    const QString saved = run.path(QStringLiteral("Muster Erika 01.02.2012.ziz-ir"));
    const QByteArray bytes = fileBytes(saved);
    EXPECT_EQ(bytes.size(), 21042);
    EXPECT_EQ(run.state().LastSavedFile, saved);
    EXPECT_TRUE(fileBytes(run.path(QStringLiteral("RUV-O-Fragebogen.ini"))).contains(saved.toUtf8()));
    EXPECT_FALSE(QFile::exists(carryOver)) << "a complete save drops the carry-over file";
    EXPECT_EQ(run.state().Answers, EmptyAnswers());
    EXPECT_EQ(run.state().ClientName, QString());
    EXPECT_EQ(main.Text1->text(), QString());
    EXPECT_EQ(run.state().Modified, 0);

    // Loading the file brings everything back.
    run.ui->expectModal<Form45>([&](Form45& d) {
        d.Text1->setText(QStringLiteral("Muster Erika 01.02.2012.ziz-ir"));
        d.Command1->click();
    });
    main.Command5->click();
    EXPECT_EQ(run.state().Answers, QString(324, u'1'));
    EXPECT_EQ(run.state().ClientName, QStringLiteral("Muster"));
    EXPECT_EQ(run.state().ClientFirstName, QStringLiteral("Erika"));
    EXPECT_EQ(run.state().ClientSex, QStringLiteral("w"));
    EXPECT_EQ(run.state().ResultPassword, QStringLiteral("geheim 1"));
    EXPECT_EQ(run.state().WorkingTimeMinutes, QStringLiteral(" 0"));
    EXPECT_EQ(main.Text1->text(), QStringLiteral("Muster, Erika"));
    EXPECT_EQ(main.Text2->text(), QStringLiteral("01.02.2012"));
    EXPECT_EQ(run.state().Modified, 0);
}

TEST(MainRoad, TheGuidedDigitisingSequenceTranscribesAndSaves)
{
    TestRun run;
    Form1& main = run.program->form<Form1>();
    run.ui->expectModal<Form18>([&](Form18& w) {
        EXPECT_EQ(run.state().AutoSequence, 1);
        // Step 1: personal data.
        flows::expectConfirmedPersonalData(run);
        w.Command1->click();
        EXPECT_EQ(w.focusWidget(), w.Command2);
        // Step 2: every answer from the paper, ten a page ("2" throughout).
        run.ui->expectModal<Form3>([&](Form3& page) {
            for (int first = 1; first <= 321; first += 10) {
                for (int slot = 1; slot <= 10 && first + slot - 1 <= 324; ++slot)
                    QTest::mouseClick(page.option(slot)[1], Qt::LeftButton);
                QTest::mouseClick(page.Command2, Qt::LeftButton);
            }
            page.close();
        });
        w.Command2->click();
        EXPECT_TRUE(w.Command3->isVisible());
        EXPECT_EQ(w.focusWidget(), w.Command3);
        // Step 3: save; the window closes.
        confirmProposedName(run, QStringLiteral("Muster Erika 01.02.2012.ziz-ir"));
        w.Command3->click();
    });
    main.Command26->click();

    EXPECT_EQ(run.state().AutoSequence, 0);
    EXPECT_EQ(run.program->loadedForm<Form18>(), nullptr);
    const QString saved = run.path(QStringLiteral("Muster Erika 01.02.2012.ziz-ir"));
    EXPECT_EQ(fileBytes(saved).size(), 21042);
    // Step 3 runs no post-save sequence: the questionnaire and the carry-over
    // file stay, and no last saved file is recorded.
    EXPECT_EQ(run.state().Answers, QString(324, u'2'));
    EXPECT_EQ(run.state().Modified, 0);
    EXPECT_EQ(run.state().LastSavedFile, QString());
    EXPECT_TRUE(QFile::exists(run.path(QStringLiteral("RUV-O-Fragebogen.lst"))));
    EXPECT_EQ(run.state().WorkingTimeMinutes, QStringLiteral("Nachträglich digitalisiert"));

    // The saved file carries the transcription mark as its working time.
    run.state().WorkingTimeMinutes.clear();
    run.state().CurrentFilePath = saved;
    run.ui->expectModal<Form45>([](Form45& d) { d.Command1->click(); });
    main.Command5->click();
    EXPECT_EQ(run.state().WorkingTimeMinutes, QStringLiteral("Nachträglich digitalisiert"));
    EXPECT_EQ(run.state().Answers, QString(324, u'2'));
}

TEST(MainRoad, ClosingWithUnsavedAnswersAndAMissingNameStillEnds)
{
    TestRun run;
    Form1& main = run.program->form<Form1>();
    run.state().Answers = QString(324, u'3');
    run.state().Modified = 1;
    run.ui->expectMsg(QStringLiteral("Die aktuelle Datei wurde geändert.\r\nSoll die Datei zuvor gespeichert werden?"),
                      vbYesNoQuestion, QString(), vbYes);
    run.ui->expectMsg(QStringLiteral("Es wurde kein Name eingegeben.\r\nFüllen Sie zuerst das Stammdatenblatt aus.\r\n"
                                     "Wählen Sie dazu die Taste mit der Person."),
                      vbCritical, QStringLiteral("RUV-O Fragebogen Speichern"));
    main.close();
    EXPECT_TRUE(main.ended());
}

TEST(MainRoad, TheCarryOverFileOffersYesterdaysPersonalDataAtTheNextStart)
{
    QTemporaryDir folder;
    {
        TestRun first;
        first.platform->programFolder = folder.path();
        Form1& main = first.program->form<Form1>();
        flows::expectConfirmedPersonalData(first);
        main.Command24->click();
    }
    TestRun second;
    second.platform->programFolder = folder.path();
    second.ui->expectMsg(QStringLiteral("Sollen die Stammdaten von\r\nMuster, Erika\r\nübernommen werden?"),
                         vbYesNoQuestion, QStringLiteral("Stammdaten"), vbYes);
    Form1& main = second.program->form<Form1>();
    EXPECT_EQ(main.Text1->text(), QStringLiteral("Muster, Erika"));
    EXPECT_EQ(main.Text2->text(), QStringLiteral("01.02.2012"));
    EXPECT_EQ(second.state().ResultPassword, QStringLiteral("geheim 1"));
    EXPECT_EQ(second.state().Answers, EmptyAnswers());
    EXPECT_EQ(second.state().PersonalDataConfirmed, 0);
}

TEST(MainRoad, ABrokenQuestionBankIsReportedAndNoPageOpens)
{
    TestRun run;
    run.program->questionBankFile = run.path(QStringLiteral("fehlt.txt"));
    Form1& main = run.program->form<Form1>();
    main.Text1->setText(QStringLiteral("Muster, Erika"));
    main.Text2->setText(QStringLiteral("01.02.2012"));
    const QString message = QStringLiteral(
        "Der Fragenkatalog des Programms ist beschädigt und kann nicht verwendet werden.\r\nDer Fragenkatalog (")
        + run.path(QStringLiteral("fehlt.txt")) + QStringLiteral(") fehlt oder lässt sich nicht lesen.");
    run.ui->expectMsg(message, vbCritical, QStringLiteral("Fragenkatalog fehlerhaft"));
    main.Command1->click();
    run.ui->expectMsg(message, vbCritical, QStringLiteral("Fragenkatalog fehlerhaft"));
    main.Command2->click();
    EXPECT_EQ(run.program->loadedForm<Form2>(), nullptr);
    EXPECT_EQ(run.program->loadedForm<Form3>(), nullptr);
    EXPECT_EQ(run.state().NoticeShown, 0);
}

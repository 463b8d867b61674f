#include "questionnaire/Digitising.h"

#include <gtest/gtest.h>

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

#include "files/Form45.h"
#include "questionnaire/Form1.h"
#include "questionnaire/Form18.h"
#include "questionnaire/Form3.h"
#include "support/Flows.h"
#include "support/TestRun.h"
#include "ui/VbText.h"

namespace {

const QString CancelQuestion = QStringLiteral("Wollen Sie die Bearbeitung wirklich abbrechen?");

struct DigitisingRun : TestRun {
    Form1& main;
    DigitisingRun() : main(program->form<Form1>()) {}

    // Runs the guided sequence; `driver` works the digitising window and
    // must close it. The sequence starts with a new questionnaire, so name
    // and date are shown on the main window only once the window is open, as
    // if step 1 had been done.
    void guided(std::function<void(Form18&)> driver)
    {
        ui->expectModal<Form18>([this, driver](Form18& w) {
            main.Text1->setText(QStringLiteral("Muster, Erika"));
            main.Text2->setText(QStringLiteral("01.02.2012"));
            driver(w);
        });
        RunGuidedDigitising(*program);
        ui->verifyDone();
    }
};

enum class Mark { Hidden, Done, NotDone, Other };

Mark markOf(const Form18& w, const QLabel* mark)
{
    if (mark->isHidden())
        return Mark::Hidden;
    if (Form18::SamePicture(mark, w.Image8))
        return Mark::Done;
    if (Form18::SamePicture(mark, w.Image4))
        return Mark::NotDone;
    return Mark::Other;
}

const char* name(Mark m)
{
    switch (m) {
    case Mark::Hidden: return "hidden";
    case Mark::Done: return "done";
    case Mark::NotDone: return "not done";
    case Mark::Other: return "other picture";
    }
    return "?";
}

#define EXPECT_MARK(window, image, expected) \
    EXPECT_STREQ(name(markOf(window, image)), name(expected))

// Closes the digitising window with the cancel button and Yes.
void cancelWithYes(DigitisingRun& run, Form18& w)
{
    run.ui->expectMsg(CancelQuestion, vbYesNoQuestionDefNo, QString(), vbYes);
    QTest::mouseClick(w.Command4, Qt::LeftButton);
}

// The overview page, closed at once with its close box.
void closeOverviewAtOnce(DigitisingRun& run)
{
    run.ui->expectModal<Form3>([](Form3& page) { page.close(); });
}

}  // namespace

TEST(Digitising, GuidedSequenceOpensWithBothMarksAndStep3HiddenAndEndsAutoSequence)
{
    DigitisingRun run;
    // The personal-data form marked step 1 earlier from the main window: the
    // window is loaded but not shown.
    MarkDigitisingStep1(*run.program, true);
    Form18* loaded = run.program->loadedForm<Form18>();
    ASSERT_NE(loaded, nullptr);
    EXPECT_FALSE(loaded->isVisible());
    EXPECT_MARK(*loaded, loaded->Image2, Mark::Done);

    run.guided([&](Form18& w) {
        EXPECT_EQ(&w, loaded);
        EXPECT_EQ(run.state().AutoSequence, 1);
        EXPECT_EQ(w.windowTitle().toStdString(), "Digitalisieren eines RUV-O-Fragebogens");
        EXPECT_MARK(w, w.Image2, Mark::Hidden);
        EXPECT_MARK(w, w.Image3, Mark::Hidden);
        EXPECT_TRUE(w.Command3->isHidden());
        EXPECT_FALSE(w.Image1->isHidden());
        EXPECT_TRUE(w.Image4->isHidden());
        EXPECT_TRUE(w.Image8->isHidden());
        EXPECT_EQ(w.frameGeometry().height(), Px(3795));
        cancelWithYes(run, w);
    });
    EXPECT_EQ(run.state().AutoSequence, 0);
    EXPECT_EQ(run.program->loadedForm<Form18>(), nullptr);
}

TEST(Digitising, Step1MarkDecidesWhetherTheFocusMovesToStep2)
{
    DigitisingRun run;
    run.guided([&](Form18& w) {
        // Cancelled personal data: red cross, the focus stays.
        flows::expectCancelledPersonalData(run);
        w.Command1->setFocus();
        w.Command1_Click();
        EXPECT_MARK(w, w.Image2, Mark::NotDone);
        EXPECT_EQ(w.focusWidget(), w.Command1);

        // Equal content in another picture object is not the done picture.
        w.Image2->setPixmap(w.Image8->pixmap().copy());
        EXPECT_MARK(w, w.Image2, Mark::Other);

        // Confirmed personal data: green tick, the focus moves to step 2.
        flows::expectConfirmedPersonalData(run);
        QTest::mouseClick(w.Command1, Qt::LeftButton);
        EXPECT_MARK(w, w.Image2, Mark::Done);
        EXPECT_EQ(w.focusWidget(), w.Command2);
        EXPECT_MARK(w, w.Image3, Mark::Hidden);
        EXPECT_EQ(run.main.Text1->text(), QStringLiteral("Muster, Erika"));

        // A repeated step 1 that ends in a cancel turns the mark back.
        flows::expectCancelledPersonalData(run);
        w.Command1_Click();
        EXPECT_MARK(w, w.Image2, Mark::NotDone);
        cancelWithYes(run, w);
    });
}

TEST(Digitising, Step2WithAnswersMissingMarksNotDoneAndKeepsStep3Hidden)
{
    DigitisingRun run;
    run.guided([&](Form18& w) {
        run.ui->expectModal<Form3>([&](Form3& page) {
            QTest::mouseClick(page.Option1[0], Qt::LeftButton);
            page.close();
        });
        QTest::mouseClick(w.Command2, Qt::LeftButton);
        EXPECT_MARK(w, w.Image3, Mark::NotDone);
        EXPECT_MARK(w, w.Image2, Mark::Hidden);
        EXPECT_FALSE(w.Image1->isHidden());
        EXPECT_TRUE(w.Command3->isHidden());
        EXPECT_NE(w.focusWidget(), w.Command3);
        EXPECT_EQ(run.state().Answers.at(0).toLatin1(), '1');
        cancelWithYes(run, w);
    });
}

TEST(Digitising, Step2TranscribingEveryAnswerLeadsToStep3)
{
    DigitisingRun run;
    run.guided([&](Form18& w) {
        // The whole paper questionnaire, clicked page by page.
        run.ui->expectModal<Form3>([&](Form3& page) {
            for (int p = 0; p < 33; ++p) {
                for (int k = 1; k <= 10; ++k) {
                    if (!page.frame(k)->isHidden())
                        QTest::mouseClick(page.option(k)[(k + p) % 2], Qt::LeftButton);
                }
                QTest::mouseClick(page.Command2, Qt::LeftButton);
            }
            page.close();
        });
        QTest::mouseClick(w.Command2, Qt::LeftButton);
        EXPECT_EQ(run.state().Answers.count(QLatin1Char('0')), 0);
        EXPECT_EQ(run.state().Modified, 1);
        EXPECT_MARK(w, w.Image3, Mark::Done);
        EXPECT_TRUE(w.Image1->isHidden());
        EXPECT_FALSE(w.Command3->isHidden());
        EXPECT_EQ(w.focusWidget(), w.Command3);

        // Answers discarded meanwhile: only the mark turns; nothing brings
        // the arrow back or hides step 3.
        run.state().Answers[99] = QLatin1Char('0');
        closeOverviewAtOnce(run);
        QTest::mouseClick(w.Command2, Qt::LeftButton);
        EXPECT_MARK(w, w.Image3, Mark::NotDone);
        EXPECT_TRUE(w.Image1->isHidden());
        EXPECT_FALSE(w.Command3->isHidden());
        cancelWithYes(run, w);
    });
    QString expected;
    for (int n = 1; n <= 324; ++n) {
        const int page = (n - 1) / 10;
        const int slot = (n - 1) % 10 + 1;
        expected += QChar(u'1' + (slot + page) % 2);
    }
    expected[99] = QLatin1Char('0');
    EXPECT_EQ(run.state().Answers.toStdString(), expected.toStdString());
}

TEST(Digitising, Step2FindsAnswersGivenBeforeEvenWhenTheOverviewIsRefused)
{
    DigitisingRun run;
    run.guided([&](Form18& w) {
        run.state().Answers = QString(324, QLatin1Char('2'));  // e.g. on the question page from step 1
        run.main.Text1->clear();
        run.ui->expectMsg(QStringLiteral("Geben Sie erst Ihre Stammdaten (Name, Vorname, Wohnort etc.) ein.\r\n"
                                         "Wählen Sie dazu die Taste mit der Person."),
                          vbCritical, QStringLiteral("Stammdaten fehlen"));
        QTest::mouseClick(w.Command2, Qt::LeftButton);
        EXPECT_MARK(w, w.Image3, Mark::Done);
        EXPECT_TRUE(w.Image1->isHidden());
        EXPECT_FALSE(w.Command3->isHidden());
        EXPECT_EQ(w.focusWidget(), w.Command3);
        cancelWithYes(run, w);
    });
}

TEST(Digitising, CancelAsksAndOnlyYesClosesKeepingAllData)
{
    DigitisingRun run;
    run.guided([&](Form18& w) {
        run.state().ClientName = QStringLiteral("Muster");
        run.state().Modified = 1;
        MarkDigitisingStep1(*run.program, true);
        closeOverviewAtOnce(run);
        QTest::mouseClick(w.Command2, Qt::LeftButton);
        run.state().Answers[4] = QLatin1Char('3');

        run.ui->expectMsg(CancelQuestion, vbYesNoQuestionDefNo, QString(), vbNo);
        QTest::mouseClick(w.Command4, Qt::LeftButton);
        EXPECT_EQ(run.program->loadedForm<Form18>(), &w);
        EXPECT_TRUE(w.isVisible());
        EXPECT_MARK(w, w.Image2, Mark::Done);
        EXPECT_MARK(w, w.Image3, Mark::NotDone);
        EXPECT_FALSE(w.Image1->isHidden());

        cancelWithYes(run, w);
        EXPECT_FALSE(w.isVisible());
    });
    EXPECT_EQ(run.program->loadedForm<Form18>(), nullptr);
    EXPECT_EQ(run.state().Answers.at(4).toLatin1(), '3');
    EXPECT_EQ(run.state().Modified, 1);
    EXPECT_EQ(run.state().ClientName.toStdString(), "Muster");
    EXPECT_EQ(run.state().WorkingTimeMinutes.toStdString(), "Nachträglich digitalisiert");
}

TEST(Digitising, Step3ClosesTheWindowWhateverTheSaveDid)
{
    DigitisingRun run;
    run.guided([&](Form18& w) {
        run.state().Answers = QString(324, QLatin1Char('1'));
        closeOverviewAtOnce(run);
        QTest::mouseClick(w.Command2, Qt::LeftButton);
        ASSERT_FALSE(w.Command3->isHidden());
        // The save's file dialog is cancelled: nothing is written, and the
        // window closes all the same.
        run.ui->expectModal<Form45>([](Form45& d) { d.Command2->click(); });
        QTest::mouseClick(w.Command3, Qt::LeftButton);
        EXPECT_FALSE(w.isVisible());
    });
    EXPECT_EQ(run.program->loadedForm<Form18>(), nullptr);
    EXPECT_EQ(run.state().AutoSequence, 0);

    // The next run starts afresh.
    run.guided([&](Form18& w) {
        EXPECT_MARK(w, w.Image3, Mark::Hidden);
        EXPECT_FALSE(w.Image1->isHidden());
        EXPECT_TRUE(w.Command3->isHidden());
        cancelWithYes(run, w);
    });
}

#include "questionnaire/OverviewPage.h"

#include <gtest/gtest.h>

#include <string>

#include <QApplication>
#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QWindow>

#include "questionnaire/Form1.h"
#include "questionnaire/Form3.h"
#include "questionnaire/QuestionBank.h"
#include "support/TestRun.h"
#include "ui/VbText.h"

namespace {

const QString Transcribed = QStringLiteral("Nachträglich digitalisiert");

// A run with the main window loaded and name and date in its two boxes.
struct OverviewRun : TestRun {
    Form1& main;
    OverviewRun() : main(program->form<Form1>())
    {
        main.Text1->setText(QStringLiteral("Muster, Erika"));
        main.Text2->setText(QStringLiteral("01.02.2012"));
    }
};

// Captions of the buttons a slot shows, e.g. "12" for a two-answer question.
std::string shownDigits(const Form3& page, int slot)
{
    QString digits;
    for (const QRadioButton* b : page.option(slot))
        if (!b->isHidden())
            digits += b->text();
    return digits.toStdString();
}

// Caption of the selected button the user can see; empty when none.
std::string shownSelection(const Form3& page, int slot)
{
    for (const QRadioButton* b : page.option(slot))
        if (!b->isHidden() && b->isChecked())
            return b->text().toStdString();
    return std::string();
}

std::string frameTitle(const Form3& page, int slot)
{
    return page.frame(slot)->title().toStdString();
}

QString withAnswer(QString answers, int question, QChar digit)
{
    answers[question - 1] = digit;
    return answers;
}

// Typed keys: they go to the window and reach its focused control.
void typeKeys(Form3& page, std::initializer_list<Qt::Key> keys)
{
    for (Qt::Key key : keys)
        QTest::keyClick(page.windowHandle(), key, key == Qt::Key_Backtab ? Qt::ShiftModifier : Qt::NoModifier);
}

}  // namespace

TEST(OverviewPage, RefusesWithoutNameFirstThenWithoutDate)
{
    OverviewRun run;
    run.state().OverviewFirst = 21;
    run.state().WorkingTimeMinutes = QStringLiteral(" 12");

    run.main.Text1->clear();
    run.main.Text2->clear();
    run.ui->expectMsg(QStringLiteral("Geben Sie erst Ihre Stammdaten (Name, Vorname, Wohnort etc.) ein.\r\n"
                                     "Wählen Sie dazu die Taste mit der Person."),
                      vbCritical, QStringLiteral("Stammdaten fehlen"));
    ShowOverviewPage(*run.program);
    run.ui->verifyDone();

    run.main.Text1->setText(QStringLiteral("Muster, Erika"));
    run.ui->expectMsg(QStringLiteral("Geben Sie auf der Stammdaten-Seite erst ein Datum ein.\r\n"
                                     "Wählen Sie dazu die Taste mit der Person."),
                      vbCritical, QStringLiteral("Datum fehlt"));
    ShowOverviewPage(*run.program);
    run.ui->verifyDone();

    // Nothing opened, so nothing was reset or marked.
    EXPECT_EQ(run.state().OverviewFirst, 21);
    EXPECT_EQ(run.state().WorkingTimeMinutes.toStdString(), " 12");
    EXPECT_EQ(run.program->loadedForm<Form3>(), nullptr);
}

TEST(OverviewPage, OpensMaximisedWithNameAndDateInItsCaption)
{
    OverviewRun run;
    run.ui->expectModal<Form3>([&](Form3& page) {
        EXPECT_EQ(page.windowTitle().toStdString(), "RUV-O Fragebogen Übersicht  -  Muster, Erika, 01.02.2012");
        EXPECT_TRUE(page.windowState() & Qt::WindowMaximized);
        EXPECT_EQ(page.windowIcon().cacheKey(), run.main.windowIcon().cacheKey());
        EXPECT_EQ(page.focusWidget(), page.Command2);
        page.close();
    });
    ShowOverviewPage(*run.program);
}

TEST(OverviewPage, PagesThroughAll324QuestionsInTensWithTheirOwnButtons)
{
    OverviewRun run;
    const QuestionBank* bank = run.program->questionBank();
    ASSERT_NE(bank, nullptr);
    run.state().OverviewFirst = 91;  // left from an earlier opening

    run.ui->expectModal<Form3>([&](Form3& page) {
        EXPECT_EQ(run.state().OverviewFirst, 1);
        QTest::mouseClick(page.Command1, Qt::LeftButton);  // nothing before the first page
        EXPECT_EQ(run.state().OverviewFirst, 1);
        EXPECT_EQ(frameTitle(page, 1), "Frage 1");

        int pages = 0;
        int twoAnswerSlots = 0;
        for (;;) {
            ++pages;
            const int first = run.state().OverviewFirst;
            EXPECT_EQ(first, 1 + 10 * (pages - 1));
            for (int k = 1; k <= 10; ++k) {
                const int n = first + k - 1;
                if (n > 324) {
                    EXPECT_TRUE(page.frame(k)->isHidden()) << "slot " << k << " of page " << first;
                    continue;
                }
                EXPECT_FALSE(page.frame(k)->isHidden()) << "question " << n;
                EXPECT_EQ(frameTitle(page, k), "Frage " + std::to_string(n));
                const bool twoAnswers = bank->entry(n)->answerText3.isEmpty();
                twoAnswerSlots += twoAnswers;
                EXPECT_EQ(shownDigits(page, k), twoAnswers ? "12" : "123")
                    << "question " << n;
            }
            if (first == 321)
                break;
            QTest::mouseClick(page.Command2, Qt::LeftButton);
            if (run.state().OverviewFirst == first) {
                ADD_FAILURE() << "next page stuck at " << first;
                break;
            }
        }
        EXPECT_EQ(pages, 33);
        EXPECT_EQ(twoAnswerSlots, 40);
        EXPECT_EQ(frameTitle(page, 4), "Frage 324");

        QTest::mouseClick(page.Command2, Qt::LeftButton);  // nothing after the last page
        EXPECT_EQ(run.state().OverviewFirst, 321);
        EXPECT_TRUE(page.frame(5)->isHidden());

        QTest::mouseClick(page.Command1, Qt::LeftButton);
        EXPECT_EQ(run.state().OverviewFirst, 311);
        for (int k = 1; k <= 10; ++k)
            EXPECT_FALSE(page.frame(k)->isHidden()) << "slot " << k << " back on page 311";
        page.close();
    });
    ShowOverviewPage(*run.program);
}

TEST(OverviewPage, ShowsStoredAnswersWithoutRecordingThem)
{
    OverviewRun run;
    QString answers = EmptyAnswers();
    answers = withAnswer(answers, 1, u'2');
    answers = withAnswer(answers, 3, u'3');
    answers = withAnswer(answers, 4, u'3');  // two-answer question: no button for it
    answers = withAnswer(answers, 5, u'4');  // never a button for "4"
    answers = withAnswer(answers, 7, u'1');
    answers = withAnswer(answers, 324, u'1');
    run.state().Answers = answers;
    run.state().Modified = 0;

    run.ui->expectModal<Form3>([&](Form3& page) {
        EXPECT_EQ(shownSelection(page, 1), "2");
        EXPECT_EQ(shownSelection(page, 2), "");
        EXPECT_EQ(shownSelection(page, 3), "3");
        EXPECT_EQ(shownSelection(page, 4), "");
        EXPECT_EQ(shownSelection(page, 5), "");
        EXPECT_EQ(shownSelection(page, 7), "1");
        EXPECT_EQ(run.state().OverviewFilling, 0);

        // The next page's slots hold nothing of the previous page's selections.
        QTest::mouseClick(page.Command2, Qt::LeftButton);
        for (int k = 1; k <= 10; ++k)
            EXPECT_EQ(shownSelection(page, k), "") << "question " << 10 + k;
        QTest::mouseClick(page.Command1, Qt::LeftButton);
        EXPECT_EQ(shownSelection(page, 1), "2");
        EXPECT_EQ(shownSelection(page, 7), "1");

        for (int i = 0; i < 32; ++i)
            QTest::mouseClick(page.Command2, Qt::LeftButton);
        EXPECT_EQ(shownSelection(page, 4), "1");
        page.close();
    });
    ShowOverviewPage(*run.program);

    EXPECT_EQ(run.state().Answers.toStdString(), answers.toStdString());
    EXPECT_EQ(run.state().Modified, 0);
}

TEST(OverviewPage, AClickWritesItsDigitAtOnceAndNothingElse)
{
    OverviewRun run;
    run.state().Modified = 0;

    run.ui->expectModal<Form3>([&](Form3& page) {
        QTest::mouseClick(page.Command2, Qt::LeftButton);
        ASSERT_EQ(run.state().OverviewFirst, 11);
        QTest::mouseClick(page.Option3[1], Qt::LeftButton);
        EXPECT_EQ(run.state().Answers.toStdString(), withAnswer(EmptyAnswers(), 13, u'2').toStdString());
        EXPECT_EQ(run.state().Modified, 1);
        EXPECT_EQ(run.state().OverviewFirst, 11);  // no move to another page
        EXPECT_EQ(shownSelection(page, 3), "2");

        // Changing one's mind replaces the digit; the far end of a button
        // counts as the button.
        QRadioButton* first = page.Option3[0];
        QTest::mouseClick(first, Qt::LeftButton, {}, QPoint(first->width() - 2, first->height() / 2));
        EXPECT_EQ(run.state().Answers.at(12).toLatin1(), '1');

        QTest::mouseClick(page.Option10[2], Qt::LeftButton);
        EXPECT_EQ(run.state().Answers.at(19).toLatin1(), '3');
        // The page has no default button: Enter after a click turns no page.
        QTest::keyClick(&page, Qt::Key_Return);
        EXPECT_EQ(run.state().OverviewFirst, 11);

        // The digit survives paging away and back.
        QTest::mouseClick(page.Command2, Qt::LeftButton);
        QTest::mouseClick(page.Command1, Qt::LeftButton);
        EXPECT_EQ(shownSelection(page, 3), "1");
        EXPECT_EQ(shownSelection(page, 10), "3");
        page.close();
    });
    ShowOverviewPage(*run.program);

    QString expected = withAnswer(EmptyAnswers(), 13, u'1');
    expected = withAnswer(expected, 20, u'3');
    EXPECT_EQ(run.state().Answers.toStdString(), expected.toStdString());
    EXPECT_EQ(run.state().Answers.size(), 324);
    EXPECT_EQ(run.state().WorkingTimeMinutes.toStdString(), Transcribed.toStdString());
}

TEST(OverviewPage, ClosingMarksTheWorkingTimeEvenWithoutAClickAndReopeningStartsAtOne)
{
    OverviewRun run;
    const QString answers = withAnswer(EmptyAnswers(), 2, u'3');
    run.state().Answers = answers;
    run.state().Modified = 0;
    run.state().WorkingTimeMinutes = QStringLiteral(" 37");

    run.ui->expectModal<Form3>([&](Form3& page) {
        for (int i = 0; i < 5; ++i)
            QTest::mouseClick(page.Command2, Qt::LeftButton);
        EXPECT_EQ(run.state().OverviewFirst, 51);
        page.close();  // the close box
    });
    ShowOverviewPage(*run.program);
    EXPECT_EQ(run.state().WorkingTimeMinutes.toStdString(), Transcribed.toStdString());
    EXPECT_EQ(run.state().Answers.toStdString(), answers.toStdString());
    EXPECT_EQ(run.state().Modified, 0);
    EXPECT_EQ(run.program->loadedForm<Form3>(), nullptr);
    EXPECT_EQ(run.state().OverviewFirst, 51);  // kept until the next opening

    run.state().WorkingTimeMinutes = QStringLiteral(" 40");
    run.ui->expectModal<Form3>([&](Form3& page) {
        EXPECT_EQ(run.state().OverviewFirst, 1);
        EXPECT_EQ(frameTitle(page, 1), "Frage 1");
        EXPECT_EQ(shownSelection(page, 2), "3");
        page.close();
    });
    ShowOverviewPage(*run.program);
    EXPECT_EQ(run.state().WorkingTimeMinutes.toStdString(), Transcribed.toStdString());
}

TEST(OverviewPage, AllAnswersTypedEqualTheSameAnswersClicked)
{
    OverviewRun mouse, keyboard;
    const QuestionBank& bank = *mouse.program->questionBank();
    QString answers = EmptyAnswers();
    for (int n = 1; n <= QuestionCount; ++n)
        answers[n - 1] = QChar(u'1' + (n * 7 + n / 10 + 2) % (bank.entry(n)->answerText3.isEmpty() ? 2 : 3));
    ASSERT_TRUE(answers[8] == u'3' && bank.entry(19)->answerText3.isEmpty());  // "3" focused, then hidden

    mouse.ui->expectModal<Form3>([&](Form3& page) {
        for (int n = 1; n <= QuestionCount; ++n) {
            if (n % 10 == 1 && n > 1)
                QTest::mouseClick(page.Command2, Qt::LeftButton);
            QTest::mouseClick(page.option((n - 1) % 10 + 1)[answers[n - 1].digitValue() - 1], Qt::LeftButton);
        }
        page.close();
    });
    ShowOverviewPage(*mouse.program);

    // Tab past the paging buttons into each question, Space or arrow keys
    // for its answer, Tab round to the next-page button and Space on it.
    keyboard.ui->expectModal<Form3>([&](Form3& page) {
        QApplication::setActiveWindow(&page);
        for (int n = 1; n <= QuestionCount; ++n) {
            const int slot = (n - 1) % 10 + 1;
            const int digit = answers[n - 1].digitValue();
            if (slot == 1)
                typeKeys(page, {Qt::Key_Tab, Qt::Key_Tab});
            ASSERT_EQ(QApplication::focusWidget(), page.option(slot)[0]) << "Tab into question " << n;
            typeKeys(page, {digit == 1 ? Qt::Key_Space : n % 2 ? Qt::Key_Right : Qt::Key_Down});
            if (digit == 3)
                typeKeys(page, {Qt::Key_Right});
            typeKeys(page, {Qt::Key_Tab});
            if (slot == 10 || n == QuestionCount) {
                ASSERT_EQ(QApplication::focusWidget(), page.Command2) << "after question " << n;
                typeKeys(page, {Qt::Key_Space});
            }
        }
        page.close();
    });
    ShowOverviewPage(*keyboard.program);
    EXPECT_EQ(keyboard.state().Answers.toStdString(), mouse.state().Answers.toStdString());
    EXPECT_EQ(mouse.state().Answers.toStdString(), answers.toStdString());
}

TEST(OverviewPage, ArrowKeysChooseOnlyShownAnswersAndTabFindsTheChosenOne)
{
    OverviewRun run;
    run.state().Answers[8] = u'3';
    run.state().Answers[18] = u'3';  // a digit question 19 has no button for
    run.ui->expectModal<Form3>([&](Form3& page) {
        QApplication::setActiveWindow(&page);
        typeKeys(page, {Qt::Key_Space, Qt::Key_Backtab, Qt::Key_Backtab});
        EXPECT_EQ(QApplication::focusWidget(), page.Option9[0]);
        typeKeys(page, {Qt::Key_Down, Qt::Key_Right});  // "2", and no further
        EXPECT_EQ(run.state().Answers.at(18), u'2');
        // A press let go beside another answer chooses nothing, moves no stop.
        QTest::mousePress(page.Option9[0], Qt::LeftButton);
        QTest::mouseRelease(page.Option9[0], Qt::LeftButton, {}, QPoint(-40, -40));
        typeKeys(page, {Qt::Key_Backtab, Qt::Key_Tab});
        EXPECT_EQ(QApplication::focusWidget(), page.Option9[1]);
        page.Command1->setFocus();
        typeKeys(page, {Qt::Key_Space, Qt::Key_Backtab, Qt::Key_Backtab, Qt::Key_Backtab});
        EXPECT_EQ(QApplication::focusWidget(), page.Option9[2]);
        page.close();
    });
    ShowOverviewPage(*run.program);
}

#include <gtest/gtest.h>

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

#include "questionnaire/Form1.h"
#include "questionnaire/Form2.h"
#include "questionnaire/Form4.h"
#include "questionnaire/QuestionBank.h"
#include "questionnaire/QuestionPage.h"
#include "support/QuestionPageAt.h"
#include "support/TestRun.h"
#include "ui/Pictures.h"
#include "ui/VbText.h"

namespace {

const QString Answering = QStringLiteral("Fragebogen beantworten");
const QString ContinueAtFirstOpen = QStringLiteral("Es wird bei der ersten noch nicht beantworteten Frage fortgesetzt.");
const QString AllAnswered = QStringLiteral(
    "Sie haben alle Fragen beantwortet.\r\n"
    "Beenden Sie nun die Beantwortung der Fragen, indem Sie den Button mit dem grünen Häkchen wählen.");
const QString AllAnsweredTitle = QStringLiteral("RUV-O Fragebogen beantwortet");
const QString CloseEarly = QStringLiteral(
    "Sie haben noch nicht alle Fragen beantwortet.\r\n\r\n"
    "Wenn Sie jetzt die Bearbeitung des Fragebogens beenden, dann müssen Sie zu einem späteren Zeitpunkt noch "
    "einmal ganz von vorne beginnen.\r\n\r\n"
    "Wollen Sie wirklich die Bearbeitung beenden?");

QString answersOpenFrom(int firstOpen)
{
    QString a = EmptyAnswers();
    for (int i = 0; i < firstOpen - 1; ++i)
        a[i] = u'2';
    return a;
}

QString completeAnswers()
{
    return QString(QuestionCount, u'3');
}

bool sameImage(const QIcon& icon, const QPixmap& pixmap)
{
    return icon.pixmap(pixmap.size()).toImage().convertToFormat(QImage::Format_ARGB32)
           == pixmap.toImage().convertToFormat(QImage::Format_ARGB32);
}

// A run whose main window shows a name and a date, as after confirmed
// personal data.
class QuestionPage : public ::testing::Test {
protected:
    TestRun run;
    Form1* main = nullptr;

    void SetUp() override
    {
        main = &run.program->form<Form1>();
        main->Text1->setText(QStringLiteral("Muster, Max"));
        main->Text2->setText(QStringLiteral("01.02.2012"));
    }

    const QuestionEntry& entry(int n) { return *run.program->questionBank()->entry(n); }

    Form2& pageAt(int n) { return QuestionPageAt(run, n); }

    void goTo(Form2& page, const QString& text)
    {
        page.Text1->setText(text);
        page.Command3->click();
    }

    void expectGoToRefused(const QString& number)
    {
        run.ui->expectMsg(QStringLiteral("Eine Frage mit der Nummer") + number + QStringLiteral(" existiert nicht."),
                          vbCritical, QStringLiteral("GoTo"));
    }

    static QString shownNumber(Form2& page) { return page.Frame1->title(); }

    static bool marked(QRadioButton* option)
    {
        return option->isChecked() && option->palette().color(QPalette::WindowText) == QColor(0, 0, 255)
               && option->font().underline();
    }
    static bool plain(QRadioButton* option)
    {
        return !option->isChecked() && option->palette().color(QPalette::WindowText) == QColor(0, 0, 0)
               && !option->font().underline();
    }
};

}  // namespace

TEST_F(QuestionPage, RefusesToStartWithoutNameOrDate)
{
    main->Text1->clear();
    run.ui->expectMsg(QStringLiteral("Geben Sie erst Ihre Stammdaten (Name, Vorname, Wohnort etc.) ein.\r\n"
                                     "Wählen Sie dazu die Taste mit der Person."),
                      vbCritical, QStringLiteral("Stammdaten fehlen"));
    AnswerQuestionnaire(*run.program);
    run.ui->verifyDone();

    main->Text1->setText(QStringLiteral("Muster, Max"));
    main->Text2->clear();
    run.ui->expectMsg(QStringLiteral("Geben Sie auf der Stammdaten-Seite erst ein Datum ein.\r\n"
                                     "Wählen Sie dazu die Taste mit der Person."),
                      vbCritical, QStringLiteral("Datum fehlt"));
    AnswerQuestionnaire(*run.program);
    run.ui->verifyDone();
    EXPECT_EQ(run.state().NoticeShown, 0);
    EXPECT_EQ(run.program->loadedForm<Form2>(), nullptr);

    // Only emptiness counts: ", " is a name.
    main->Text1->setText(QStringLiteral(", "));
    main->Text2->setText(QStringLiteral("01.02.2012"));
    run.ui->expectModal<Form4>([](Form4& notice) { notice.Command1->click(); });
    run.ui->expectModal<Form2>([](Form2& page) {
        EXPECT_EQ(page.windowTitle(), QStringLiteral("RUV-O Fragebogen  -  , , 01.02.2012"));
        page.Unload();
    });
    AnswerQuestionnaire(*run.program);
}

TEST_F(QuestionPage, NoticeComesOncePerRunBeforeTheMessageOfTheFirstOpenQuestion)
{
    run.state().Answers = answersOpenFrom(57);
    run.ui->expectModal<Form4>([&](Form4& notice) {
        EXPECT_EQ(run.state().NoticeShown, 1);
        notice.Command1->click();
    });
    run.ui->expectMsg(ContinueAtFirstOpen, vbExclamation, Answering);
    run.ui->expectModal<Form2>([&](Form2& page) {
        EXPECT_EQ(page.windowTitle(), QStringLiteral("RUV-O Fragebogen  -  Muster, Max, 01.02.2012"));
        EXPECT_EQ(shownNumber(page), QStringLiteral("Frage 57"));
        EXPECT_EQ(page.Label1->text(), entry(57).questionText);
        EXPECT_EQ(page.Text2->text(), QStringLiteral(" 0"));
        page.Unload();
    });
    AnswerQuestionnaire(*run.program);
    run.ui->verifyDone();
    EXPECT_EQ(run.state().CurrentQuestion, 57);

    // Second time in the run: no notice, the message again.
    run.ui->expectMsg(ContinueAtFirstOpen, vbExclamation, Answering);
    run.ui->expectModal<Form2>([](Form2& page) { page.Unload(); });
    AnswerQuestionnaire(*run.program);
}

TEST_F(QuestionPage, AnEmptyQuestionnaireOpensAtQuestionOneWithoutMessage)
{
    run.state().NoticeShown = 1;
    run.state().CurrentQuestion = 200;
    run.ui->expectModal<Form2>([&](Form2& page) {
        EXPECT_EQ(shownNumber(page), QStringLiteral("Frage 1"));
        EXPECT_EQ(page.Label1->text(), entry(1).questionText);
        EXPECT_EQ(page.Text1->text(), QStringLiteral("1"));
        EXPECT_TRUE(page.windowState() & Qt::WindowMaximized);
        page.Unload();
    });
    AnswerQuestionnaire(*run.program);
}

TEST_F(QuestionPage, ACompleteQuestionnaireIsOfferedForSavingEvenWithoutName)
{
    main->Text1->clear();
    run.state().Answers = completeAnswers();
    run.ui->expectMsg(QStringLiteral("Sie haben den Fragebogen bereits bearbeitet.\r\n\r\n"
                                     "Wollen Sie den Fragebogen nun abspeichern?"),
                      vbYesNoQuestion, QStringLiteral("Fragebogen"), vbNo);
    AnswerQuestionnaire(*run.program);
    EXPECT_EQ(run.state().Answers, completeAnswers());
    EXPECT_EQ(run.state().NoticeShown, 0);
}

TEST_F(QuestionPage, OptionsFollowTheNumberOfAnswers)
{
    Form2& page = pageAt(4);  // two answers
    EXPECT_FALSE(page.Option1[0]->isHidden());
    EXPECT_FALSE(page.Option1[1]->isHidden());
    EXPECT_TRUE(page.Option1[2]->isHidden());
    EXPECT_TRUE(page.Option1[3]->isHidden());
    EXPECT_EQ(page.Option1[0]->text(), QStringLiteral("1. ja"));
    EXPECT_EQ(page.Option1[1]->text(), QStringLiteral("2. nein"));

    page.Command2->click();  // 5: three answers of its own
    EXPECT_EQ(shownNumber(page), QStringLiteral("Frage 5"));
    EXPECT_FALSE(page.Option1[2]->isHidden());
    EXPECT_TRUE(page.Option1[3]->isHidden());
    EXPECT_EQ(page.Option1[2]->text(), entry(5).answerText3);

    page.Command2->click();
    page.Command2->click();  // 7: two answers again, no third left over
    EXPECT_TRUE(page.Option1[2]->isHidden());
    EXPECT_TRUE(run.state().AnswerText3.isEmpty());
}

TEST_F(QuestionPage, PreviousAndNextStopAtTheEnds)
{
    Form2& page = pageAt(1);
    page.Command1->click();  // nothing at 1
    EXPECT_EQ(run.state().CurrentQuestion, 1);
    page.Command2->click();
    EXPECT_EQ(shownNumber(page), QStringLiteral("Frage 2"));
    page.Command1->click();
    EXPECT_EQ(shownNumber(page), QStringLiteral("Frage 1"));

    run.state().Answers = answersOpenFrom(57);
    goTo(page, QStringLiteral("324"));
    EXPECT_EQ(page.Label1->text(), entry(324).questionText);
    run.ui->expectMsg(QStringLiteral("Es gibt noch unbeantwortete Fragen.\r\n"
                                     "Es wird die erste nicht beantwortete Frage angezeigt."),
                      vbExclamation, Answering);
    page.Command2->click();
    run.ui->verifyDone();
    EXPECT_EQ(shownNumber(page), QStringLiteral("Frage 57"));
    EXPECT_EQ(run.state().CurrentQuestion, 57);

    run.state().Answers = completeAnswers();
    goTo(page, QStringLiteral("324"));
    run.ui->expectMsg(QStringLiteral("Sie haben bereits die letzte Frage erreicht.\r\n"
                                     "Sie können nun diese Seite schließen und die Datei speichern."),
                      vbInformation, Answering);
    page.Command2->click();
    run.ui->verifyDone();
    EXPECT_EQ(run.state().CurrentQuestion, 324);
    EXPECT_EQ(shownNumber(page), QStringLiteral("Frage 324"));
}

TEST_F(QuestionPage, GoToAcceptsOnlyNumbersFrom1To324)
{
    Form2& page = pageAt(10);
    for (const QString& text : {QStringLiteral("0"), QString(), QStringLiteral("abc")}) {
        expectGoToRefused(QStringLiteral(" 0"));
        goTo(page, text);
    }
    expectGoToRefused(QStringLiteral(" 325"));
    goTo(page, QStringLiteral("325"));
    expectGoToRefused(QStringLiteral(" 324.5"));
    goTo(page, QStringLiteral("324.5"));
    expectGoToRefused(QStringLiteral("-3"));
    goTo(page, QStringLiteral("-3"));
    run.ui->verifyDone();
    EXPECT_EQ(run.state().CurrentQuestion, 10);
    EXPECT_EQ(shownNumber(page), QStringLiteral("Frage 10"));

    goTo(page, QStringLiteral("12.9"));
    EXPECT_EQ(run.state().CurrentQuestion, 12);
    EXPECT_EQ(shownNumber(page), QStringLiteral("Frage 12"));
    EXPECT_EQ(page.Label1->text(), entry(12).questionText);
    EXPECT_EQ(page.Text1->text(), QStringLiteral("12.9"));
    goTo(page, QStringLiteral("324"));
    EXPECT_EQ(shownNumber(page), QStringLiteral("Frage 324"));
    goTo(page, QStringLiteral("1"));
    EXPECT_EQ(shownNumber(page), QStringLiteral("Frage 1"));
}

TEST_F(QuestionPage, EnterInTheNumberBoxGoesToTheNumber)
{
    Form2& page = pageAt(1);
    page.Text1->setText(QStringLiteral("88"));
    QTest::keyClick(page.Text1, Qt::Key_Return);
    QCoreApplication::processEvents();
    EXPECT_EQ(run.platform->keysSent, QStringList{QStringLiteral("{Enter}")});
    EXPECT_EQ(shownNumber(page), QStringLiteral("Frage 88"));

    // Any other key is just typing.
    QTest::keyClick(page.Text1, Qt::Key_9);
    QCoreApplication::processEvents();
    EXPECT_EQ(page.Text1->text(), QStringLiteral("889"));
    EXPECT_EQ(shownNumber(page), QStringLiteral("Frage 88"));

    page.Text1->setText(QStringLiteral("400"));
    expectGoToRefused(QStringLiteral(" 400"));
    QTest::keyClick(page.Text1, Qt::Key_Enter);
    QCoreApplication::processEvents();
}

TEST_F(QuestionPage, FirstOpenQuestionButton)
{
    Form2& page = pageAt(200);
    run.state().Answers = answersOpenFrom(57);
    run.ui->expectMsg(ContinueAtFirstOpen, vbExclamation, Answering);
    page.Command4->click();
    run.ui->verifyDone();
    EXPECT_EQ(shownNumber(page), QStringLiteral("Frage 57"));

    goTo(page, QStringLiteral("200"));
    run.state().Answers = EmptyAnswers();
    page.Command4->click();  // no message at question 1
    EXPECT_EQ(shownNumber(page), QStringLiteral("Frage 1"));

    goTo(page, QStringLiteral("200"));
    run.state().Answers = completeAnswers();
    run.ui->expectMsg(QStringLiteral("Sie haben bereits alle Fragen beantwortet.\r\n"
                                     "Es wird die erste beantwortete Frage angezeigt."),
                      vbExclamation, Answering);
    page.Command4->click();
    EXPECT_EQ(shownNumber(page), QStringLiteral("Frage 1"));
    EXPECT_TRUE(marked(page.Option1[2]));
}

TEST_F(QuestionPage, AMousePressWithEitherButtonRecordsAndMarksTheAnswer)
{
    Form2& page = pageAt(5);
    for (QRadioButton* option : page.Option1)
        EXPECT_TRUE(plain(option));

    QTest::mousePress(page.Option1[1], Qt::LeftButton);
    QTest::mouseRelease(page.Option1[1], Qt::LeftButton);
    EXPECT_EQ(run.state().Answers.at(4), u'2');
    EXPECT_EQ(run.state().Answers.count(u'0'), QuestionCount - 1);
    EXPECT_EQ(run.state().Modified, 1);
    EXPECT_TRUE(marked(page.Option1[1]));
    EXPECT_TRUE(plain(page.Option1[0]));
    EXPECT_TRUE(plain(page.Option1[2]));

    QTest::mousePress(page.Option1[2], Qt::RightButton);
    EXPECT_EQ(run.state().Answers.at(4), u'3');
    EXPECT_TRUE(marked(page.Option1[2]));
    EXPECT_TRUE(plain(page.Option1[1]));

    // The page does not move on; coming back shows the stored answer.
    EXPECT_EQ(shownNumber(page), QStringLiteral("Frage 5"));
    page.Command2->click();
    for (QRadioButton* option : page.Option1)
        EXPECT_TRUE(plain(option));
    page.Command1->click();
    EXPECT_TRUE(marked(page.Option1[2]));
    EXPECT_TRUE(plain(page.Option1[0]));
    EXPECT_TRUE(plain(page.Option1[1]));
}

TEST_F(QuestionPage, TheKeyboardNeitherRecordsNorShowsAnAnswer)
{
    // Only a mouse press records here; a key may not show a choice that the
    // answers do not hold, neither on an open question nor on an answered one.
    for (const QChar stored : {u'0', u'2'}) {
        run.state().Answers[4] = stored;
        Form2& page = pageAt(5);
        page.activateWindow();
        const QString before = run.state().Answers;
        for (int i = 0; i < 3; ++i) {
            page.Option1[size_t(i)]->setFocus();
            for (const Qt::Key key : {Qt::Key_Space, Qt::Key_Down, Qt::Key_Right, Qt::Key_Up, Qt::Key_Left})
                QTest::keyClick(page.focusWidget(), key);
        }
        EXPECT_EQ(run.state().Answers, before);
        EXPECT_EQ(run.state().Modified, 0);
        for (int i = 0; i < 4; ++i) {
            const bool recorded = stored == QChar(u'1' + i);
            EXPECT_EQ(page.Option1[size_t(i)]->isChecked(), recorded) << i;
            EXPECT_EQ(page.Option1[size_t(i)]->font().underline(), recorded) << i;
        }
    }
}

TEST_F(QuestionPage, TheLastAnswerShowsTheTickAndTheMessageOnEveryLaterPress)
{
    run.state().Answers = completeAnswers();
    run.state().Answers[299] = u'0';
    Form2& page = pageAt(10);
    EXPECT_TRUE(sameImage(page.Command5->icon(), Picture(QStringLiteral("close_cross"))));
    QTest::mousePress(page.Option1[0], Qt::LeftButton);  // question 10 changed, 300 still open
    EXPECT_TRUE(sameImage(page.Command5->icon(), Picture(QStringLiteral("close_cross"))));

    goTo(page, QStringLiteral("300"));
    run.ui->expectMsg(AllAnswered, vbInformation, AllAnsweredTitle);
    QTest::mousePress(page.Option1[1], Qt::LeftButton);
    run.ui->verifyDone();
    EXPECT_TRUE(sameImage(page.Command5->icon(), page.Image1->pixmap()));
    EXPECT_TRUE(sameImage(page.Command5->icon(), Picture(QStringLiteral("close_tick"))));
    EXPECT_TRUE(marked(page.Option1[1]));

    run.ui->expectMsg(AllAnswered, vbInformation, AllAnsweredTitle);
    QTest::mousePress(page.Option1[0], Qt::RightButton);
    run.ui->verifyDone();
    EXPECT_EQ(run.state().Answers.at(299), u'1');
}

TEST_F(QuestionPage, ClosingEarlyAsksAndDiscardsOnlyOnYes)
{
    run.state().NoticeShown = 1;
    run.state().Answers = answersOpenFrom(30);
    run.state().Modified = 1;
    run.ui->expectMsg(QStringLiteral("Es wird bei der ersten noch nicht beantworteten Frage fortgesetzt."),
                      vbExclamation, Answering);
    run.ui->expectModal<Form2>([&](Form2& page) {
        run.ui->expectMsg(CloseEarly, vbYesNoQuestionDefNo, QStringLiteral("Fragebogen Schliessen"), vbNo);
        page.Command5->click();
        EXPECT_TRUE(page.isVisible());
        EXPECT_EQ(run.state().Answers, answersOpenFrom(30));

        run.ui->expectMsg(CloseEarly, vbYesNoQuestionDefNo, QStringLiteral("Fragebogen Schliessen"), vbYes);
        page.Command5->click();
        EXPECT_FALSE(page.isVisible());
    });
    AnswerQuestionnaire(*run.program);
    EXPECT_EQ(run.state().Answers, EmptyAnswers());
    EXPECT_EQ(run.state().Modified, 0);
    EXPECT_EQ(run.program->loadedForm<Form2>(), nullptr);
    EXPECT_EQ(main->Text1->text(), QStringLiteral("Muster, Max"));
    EXPECT_EQ(main->Text2->text(), QStringLiteral("01.02.2012"));
}

TEST_F(QuestionPage, ClosingCompleteClosesThePageFirstAndKeepsTheAnswersOnNo)
{
    run.state().NoticeShown = 1;
    run.state().Answers = completeAnswers();
    run.state().Answers[0] = u'0';
    run.platform->time = 30000;
    QPointer<Form2> shown;
    run.ui->expectModal<Form2>([&](Form2& page) {
        shown = &page;
        run.ui->expectMsg(AllAnswered, vbInformation, AllAnsweredTitle);
        QTest::mousePress(page.Option1[2], Qt::LeftButton);
        run.platform->time = 30000 + 42 * 60;
        page.Timer1_Timer();
        run.ui->expectMsg(QStringLiteral("Möchten Sie den Fragebogen nun abspeichern?"), vbYesNoQuestion,
                          QStringLiteral("Benutzerführung"), vbNo);
        page.Command5->click();
    });
    AnswerQuestionnaire(*run.program);
    run.ui->verifyDone();
    EXPECT_EQ(run.state().Answers, completeAnswers());
    EXPECT_EQ(run.state().Modified, 1);
    EXPECT_EQ(run.state().WorkingTimeMinutes, QStringLiteral(" 42"));
    EXPECT_EQ(run.program->loadedForm<Form2>(), nullptr);

    // The next opening is a fresh page with the red cross and "1" in the box.
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(shown.isNull());
    run.state().Answers[0] = u'0';
    run.ui->expectModal<Form2>([&](Form2& page) {
        EXPECT_TRUE(sameImage(page.Command5->icon(), Picture(QStringLiteral("close_cross"))));
        EXPECT_EQ(page.Text1->text(), QStringLiteral("1"));
        EXPECT_EQ(page.Text2->text(), QStringLiteral(" 0"));
        page.Unload();
    });
    AnswerQuestionnaire(*run.program);
}

TEST_F(QuestionPage, DesignPositionsAndTheResizeRule)
{
    Form2& page = pageAt(1);
    EXPECT_FALSE(page.windowFlags() & Qt::WindowCloseButtonHint);
    EXPECT_FALSE(page.windowIcon().isNull());
    EXPECT_EQ(page.Label1->geometry(), TwipsRect(240, 600, 10500, 1455));
    EXPECT_EQ(page.Option1[3]->geometry(), TwipsRect(240, 6240, 10500, 855));
    EXPECT_EQ(page.Command3->geometry(), TwipsRect(60, 2280, 495, 495));
    EXPECT_EQ(page.Text2->geometry(), TwipsRect(60, 3960, 495, 375));
    EXPECT_TRUE(page.Text2->isReadOnly());
    EXPECT_EQ(page.Command5->toolTip(), QStringLiteral("RUV-O Fragebogen Schliessen"));
    EXPECT_EQ(page.Command5->accessibleName(), page.Command5->toolTip());
    EXPECT_TRUE(page.Image1->isHidden());

    page.showNormal();
    page.resize(1000, 700);
    QCoreApplication::processEvents();
    const int outer = page.frameGeometry().width();
    EXPECT_NEAR(page.Frame1->x() + page.Frame1->width() / 2.0, outer / 2.0, 1);
    EXPECT_NEAR(page.Frame1->y() + page.Frame1->height() / 2.0, 700 / 2.0 + Px(100), 1);
    EXPECT_EQ(page.Command5->geometry().right(), page.width() - 1);
    EXPECT_EQ(page.Command5->y(), 0);

    // No lower bound: a window smaller than the frame gives negative places.
    page.resize(500, 400);
    QCoreApplication::processEvents();
    EXPECT_LT(page.Frame1->x(), 0);
    EXPECT_LT(page.Frame1->y(), 0);
    EXPECT_EQ(page.Command5->x(), page.width() - page.Command5->width());
}

TEST_F(QuestionPage, TheMainWindowButtonAndEnterInTheDateBoxStartAnswering)
{
    main->Text1->clear();
    const QString noName = QStringLiteral("Geben Sie erst Ihre Stammdaten (Name, Vorname, Wohnort etc.) ein.\r\n"
                                          "Wählen Sie dazu die Taste mit der Person.");
    run.ui->expectMsg(noName, vbCritical, QStringLiteral("Stammdaten fehlen"));
    main->Command1->click();
    run.ui->verifyDone();

    run.ui->expectMsg(noName, vbCritical, QStringLiteral("Stammdaten fehlen"));
    QTest::keyClick(main->Text2, Qt::Key_Return);
    QCoreApplication::processEvents();
    run.ui->verifyDone();

    main->Text1->setText(QStringLiteral("Muster, Max"));
    run.state().NoticeShown = 1;
    run.ui->expectModal<Form2>([](Form2& page) { page.Unload(); });
    main->Command1->click();
}

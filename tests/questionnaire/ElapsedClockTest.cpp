#include <gtest/gtest.h>

#include <QLineEdit>
#include <QPointer>
#include <QTimer>

#include "questionnaire/ElapsedClock.h"
#include "questionnaire/Form2.h"
#include "support/TestRun.h"
#include "ui/VbText.h"

namespace {

const QString WarningTitle = QStringLiteral("Abgelaufene Zeit beachten");
const QString Warning90 = QStringLiteral(
    "Es sind bereits 90 Minuten abgelaufen.\r\n"
    "Sie sollten mit der Beantwortung des RUV-O Fragebogens zügig zum Ende kommen.");
const QString Warning120 = QStringLiteral(
    "Es sind bereits 120 Minuten abgelaufen.\r\n"
    "Unter diesen Bedingungen können die Antworten des RUV-O nur schwer gewertet werden.\r\n"
    "Sie sollten den gesamten RUV-O Fragebogen verwerfen und zu einem späteren Zeitpunkt nochmals von vorne "
    "beginnen.");

}  // namespace

TEST(ElapsedMinutes, WholeMinutesRoundedDown)
{
    EXPECT_EQ(ElapsedMinutes(36000, 36059), 0);
    EXPECT_EQ(ElapsedMinutes(36000, 36059.99), 0);
    EXPECT_EQ(ElapsedMinutes(36000, 36060), 1);
    EXPECT_EQ(ElapsedMinutes(36000, 36000 + 90 * 60), 90);
    // A start with fractions, held in single precision as the clock keeps it.
    EXPECT_EQ(ElapsedMinutes(float(50000.3), 50000.3 + 59.9), 0);
    EXPECT_EQ(ElapsedMinutes(float(50000.3), 50000.3 + 60.1), 1);
}

TEST(ElapsedMinutes, AReadingAtOrBeforeTheStartCountsAsAfterMidnight)
{
    // Equal: 65535 seconds are added, 1092.25 minutes.
    EXPECT_EQ(ElapsedMinutes(36000, 36000), 1092);
    // Started at 23:50:00, read at 00:10:00: the short day step leaves the
    // difference negative and Int rounds towards minus infinity.
    EXPECT_EQ(ElapsedMinutes(85800, 600), -328);
    EXPECT_EQ(NumberToText(ElapsedMinutes(85800, 600)), QStringLiteral("-328"));
}

class ClockPage : public ::testing::Test {
protected:
    TestRun run;
    Form2* page = nullptr;

    void open()
    {
        page = &run.program->form<Form2>();
    }
    void tickAt(double secondsAfterStart, double start)
    {
        run.platform->time = start + secondsAfterStart;
        page->Timer1_Timer();
    }
};

TEST_F(ClockPage, ShowsZeroAtOpeningAndWholeMinutesAtEachTick)
{
    run.platform->time = 40000.5;
    open();
    EXPECT_EQ(page->Text2->text(), QStringLiteral(" 0"));
    EXPECT_EQ(run.state().WorkingTimeMinutes, QStringLiteral(" 0"));
    EXPECT_TRUE(page->Timer1->isActive());
    EXPECT_EQ(page->Timer1->interval(), 10000);

    tickAt(59, 40000.5);
    EXPECT_EQ(page->Text2->text(), QStringLiteral(" 0"));
    tickAt(60, 40000.5);
    EXPECT_EQ(page->Text2->text(), QStringLiteral(" 1"));
    tickAt(37 * 60 + 9, 40000.5);
    EXPECT_EQ(page->Text2->text(), QStringLiteral(" 37"));
    EXPECT_EQ(run.state().WorkingTimeMinutes, QStringLiteral(" 37"));
}

TEST_F(ClockPage, WarnsOnceAt90AndOnceAt120Minutes)
{
    const double start = 30000;
    run.platform->time = start;
    open();
    tickAt(89 * 60 + 59, start);
    run.ui->verifyDone();

    run.ui->expectMsg(Warning90, vbExclamation, WarningTitle);
    tickAt(90 * 60, start);
    run.ui->verifyDone();
    tickAt(100 * 60, start);  // no second 90-minute warning

    run.ui->expectMsg(Warning120, vbExclamation, WarningTitle);
    tickAt(120 * 60 + 5, start);
    run.ui->verifyDone();
    tickAt(150 * 60, start);
    EXPECT_EQ(page->Text2->text(), QStringLiteral(" 150"));
}

TEST_F(ClockPage, ATickAtTheStartTimeGives1092MinutesAndBothWarnings)
{
    run.platform->time = 45000;
    open();
    run.ui->expectMsg(Warning90, vbExclamation, WarningTitle);
    run.ui->expectMsg(Warning120, vbExclamation, WarningTitle);
    page->Timer1_Timer();
    EXPECT_EQ(page->Text2->text(), QStringLiteral(" 1092"));
}

TEST_F(ClockPage, PastMidnightTheMinutesTurnNegativeWithoutWarning)
{
    run.platform->time = 85800;  // 23:50:00
    open();
    run.platform->time = 600;  // 00:10:00
    page->Timer1_Timer();
    EXPECT_EQ(page->Text2->text(), QStringLiteral("-328"));
    EXPECT_EQ(run.state().WorkingTimeMinutes, QStringLiteral("-328"));
}

TEST_F(ClockPage, ClosingKeepsTheLastTickAndStopsTheClock)
{
    run.platform->time = 20000;
    open();
    tickAt(25 * 60 + 3, 20000);
    QPointer<Form2> closed = page;
    page->Unload();
    EXPECT_FALSE(closed->Timer1->isActive());
    run.platform->time = 20000 + 50 * 60;
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(closed.isNull());
    EXPECT_EQ(run.state().WorkingTimeMinutes, QStringLiteral(" 25"));
}

TEST_F(ClockPage, ReopeningStartsAgainFromZeroWithFreshWarnings)
{
    run.platform->time = 10000;
    open();
    run.ui->expectMsg(Warning90, vbExclamation, WarningTitle);
    tickAt(95 * 60, 10000);
    run.ui->verifyDone();
    page->Unload();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);

    run.platform->time = 20000;
    open();
    EXPECT_EQ(page->Text2->text(), QStringLiteral(" 0"));
    EXPECT_EQ(run.state().WorkingTimeMinutes, QStringLiteral(" 0"));
    tickAt(30 * 60, 20000);
    EXPECT_EQ(page->Text2->text(), QStringLiteral(" 30"));
    run.ui->expectMsg(Warning90, vbExclamation, WarningTitle);
    tickAt(91 * 60, 20000);
}

namespace {

// Runs code of the test's choosing while a message box is "open", as a
// timer tick during a real box's event loop would.
class ReentrantUi : public Ui {
public:
    std::function<void()> whileOpen;
    QStringList messages;
    int open = 0;
    int mostOpen = 0;
    int MsgBox(const QString& text, int, const QString&) override
    {
        messages.append(text);
        mostOpen = std::max(mostOpen, ++open);
        if (whileOpen) {
            auto run = std::move(whileOpen);
            whileOpen = nullptr;
            run();
        }
        --open;
        return vbOK;
    }
    void ShowModal(QDialog&) override {}
};

}  // namespace

TEST(ClockWarnings, TicksDuringAnOpenWarningStackNoSecondBox)
{
    auto platform = std::make_unique<FakePlatform>();
    FakePlatform* clock = platform.get();
    auto ui = std::make_unique<ReentrantUi>();
    ReentrantUi* boxes = ui.get();
    Program program(std::move(platform), std::move(ui));
    clock->time = 1000;
    Form2& page = program.form<Form2>();

    // While the 90-minute box is open the clock passes 120 minutes; the ticks
    // then only update the display.
    boxes->whileOpen = [&] {
        clock->time = 1000 + 121 * 60;
        page.Timer1_Timer();
        page.Timer1_Timer();
        EXPECT_EQ(page.Text2->text(), QStringLiteral(" 121"));
    };
    clock->time = 1000 + 90 * 60;
    page.Timer1_Timer();
    // Once the box is closed the same tick goes on to the 120-minute warning.
    EXPECT_EQ(boxes->mostOpen, 1);
    ASSERT_EQ(boxes->messages.size(), 2);
    EXPECT_EQ(boxes->messages[0], Warning90);
    EXPECT_EQ(boxes->messages[1], Warning120);
    page.Timer1_Timer();
    EXPECT_EQ(boxes->messages.size(), 2);
    page.Unload();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

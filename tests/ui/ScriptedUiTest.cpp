#include <gtest/gtest-spi.h>
#include <gtest/gtest.h>

#include "support/ScriptedUi.h"
#include "ui/Form.h"
#include "support/TestRun.h"

// The script is what makes flow tests trustworthy: it must fail on every
// message or window that the test did not expect, and on every one it
// expected that never came.

TEST(ScriptedUi, FailsOnAnUnexpectedMessage)
{
    EXPECT_NONFATAL_FAILURE(
        {
            ScriptedUi ui;
            EXPECT_EQ(ui.MsgBox(QStringLiteral("x"), vbYesNoQuestion, QString()), vbNo);
        },
        "unexpected message");
}

TEST(ScriptedUi, FailsOnAWrongTextStyleOrTitle)
{
    EXPECT_NONFATAL_FAILURE(
        {
            ScriptedUi ui;
            ui.expectMsg(QStringLiteral("a"), vbCritical, QStringLiteral("T"));
            ui.MsgBox(QStringLiteral("b"), vbCritical, QStringLiteral("T"));
        },
        "b");
    EXPECT_NONFATAL_FAILURE(
        {
            ScriptedUi ui;
            ui.expectMsg(QStringLiteral("a"), vbCritical, QStringLiteral("T"));
            ui.MsgBox(QStringLiteral("a"), vbExclamation, QStringLiteral("T"));
        },
        "style");
    EXPECT_NONFATAL_FAILURE(
        {
            ScriptedUi ui;
            ui.expectMsg(QStringLiteral("a"), vbCritical, QStringLiteral("T"));
            ui.MsgBox(QStringLiteral("a"), vbCritical, QStringLiteral("U"));
        },
        "title");
}

TEST(ScriptedUi, FailsOnAMessageThatNeverCame)
{
    EXPECT_NONFATAL_FAILURE(
        {
            ScriptedUi ui;
            ui.expectMsg(QStringLiteral("kommt nie"), vbInformation, QString());
        },
        "never shown");
}

TEST(ScriptedUi, FailsOnAWindowWithoutDriverAndClosesItInsteadOfHanging)
{
    TestRun run;
    auto* window = new Form(*run.program, Form::FixedDialog);
    EXPECT_NONFATAL_FAILURE(run.ui->ShowModal(*window), "unexpected window");
    EXPECT_FALSE(window->isVisible());
}

TEST(ScriptedUi, FailsWhenTheDriverLeavesTheWindowOpen)
{
    TestRun run;
    auto* window = new Form(*run.program, Form::FixedDialog);
    run.ui->expectModal<Form>([](Form&) {});
    EXPECT_NONFATAL_FAILURE(run.ui->ShowModal(*window), "left window");
    EXPECT_FALSE(window->isVisible());
}

TEST(ScriptedUi, AnswersAsScriptedInOrder)
{
    ScriptedUi ui;
    ui.expectMsg(QStringLiteral("1"), vbYesNoQuestion, QString(), vbYes)
        .expectMsg(QStringLiteral("2"), vbYesNoQuestionDefNo, QStringLiteral("t"), vbNo);
    EXPECT_EQ(ui.MsgBox(QStringLiteral("1"), vbYesNoQuestion, QString()), vbYes);
    EXPECT_EQ(ui.MsgBox(QStringLiteral("2"), vbYesNoQuestionDefNo, QStringLiteral("t")), vbNo);
    EXPECT_EQ(ui.pending(), 0);
}

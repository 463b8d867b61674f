#include <gtest/gtest.h>

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include "questionnaire/Form1.h"
#include "questionnaire/Form2.h"
#include "questionnaire/Form4.h"
#include "questionnaire/Installation.h"
#include "questionnaire/QuestionPage.h"
#include "support/TestRun.h"
#include "ui/VbText.h"

TEST(Notice, TextHasItsSixParagraphsInOrder)
{
    const QStringList lines = Form4::NoticeText().split(QStringLiteral("\r\n"));
    ASSERT_EQ(lines.size(), 8);
    EXPECT_EQ(lines[0], QStringLiteral("Auf den nachfolgenden Seiten finden Sie 324 Fragen."));
    EXPECT_EQ(lines[1], QString());
    EXPECT_EQ(lines[2], QStringLiteral("Bitte tragen Sie die Antworten per Mausklick in das Auswertefenster ein, "
                                       "speichern Sie die Datei ab, und senden Sie die Datei (*.ziz-ir) an das "
                                       "Zurizazu."));
    EXPECT_EQ(lines[3], QStringLiteral("Arbeiten Sie bitte ohne Unterbrechungen an dem Test."));
    EXPECT_EQ(lines[4], QString());
    EXPECT_EQ(lines[6], QStringLiteral("Mehr Einzelheiten zum RUV-O finden Sie im Internet unter ")
                            + installation::InstituteWebAddress + QStringLiteral("."));
    EXPECT_EQ(lines[7], QStringLiteral("Wir wünschen Ihnen einen guten Erfolg."));

    // The method paragraph: its fixed first sentence, nine sentences, and
    // the two parts meeting as blank and dash.
    const QString method = lines[5];
    EXPECT_TRUE(method.startsWith(QStringLiteral(
        "Das Verfahren wurde entsprechend den wissenschaftlichen Erkenntnissen aus den empirischen "
        "Sozialwissenshaften konstruiert und an einer 'Normalbevölkerung' geeicht. ")));
    EXPECT_EQ(method.count(u'.'), 9);
    EXPECT_TRUE(method.endsWith(u'.'));
    EXPECT_TRUE(method.contains(QStringLiteral(". - ")));
    EXPECT_TRUE(method.contains(QStringLiteral("70 bis 90 Minuten")));
}

namespace {

// Height the label's text needs at the label's width.
int neededHeight(const QLabel& label)
{
    return label.fontMetrics()
        .boundingRect(QRect(0, 0, label.contentsRect().width(), 100000), Qt::TextWordWrap, label.text())
        .height();
}

}  // namespace

TEST(Notice, DesignLayoutSetsNoticeShownAndFits)
{
    TestRun run;
    ASSERT_EQ(run.state().NoticeShown, 0);
    Form4& notice = run.program->form<Form4>();
    EXPECT_EQ(run.state().NoticeShown, 1);
    EXPECT_EQ(notice.windowTitle(), QStringLiteral("Hinweis zum Wesensrastertest"));
    EXPECT_EQ(notice.Label1->font().pointSizeF(), 12);
    EXPECT_EQ(notice.Label1->x(), Px(2400));
    EXPECT_GE(notice.Label1->contentsRect().left() + notice.Label1->x(), notice.Picture1->pixmap().width() + 5);
    EXPECT_EQ(notice.height(), Px(7755));
    EXPECT_EQ(notice.Label1->text(), QString(Form4::NoticeText()).replace(QStringLiteral("\r\n"), QStringLiteral("\n")));
    EXPECT_LE(notice.Label1->y() + neededHeight(*notice.Label1), notice.height());
    EXPECT_FALSE(notice.windowFlags() & Qt::WindowCloseButtonHint);
    // Centred on the screen.
    const QSizeF screen = run.platform->screen;
    EXPECT_EQ(notice.x(), Px((screen.width() - Twips(notice.width())) / 2));
    EXPECT_EQ(notice.y(), Px((screen.height() - Twips(notice.height())) / 2));

    notice.Command1->click();
    EXPECT_EQ(run.program->loadedForm<Form4>(), nullptr);
    EXPECT_EQ(run.state().NoticeShown, 1);
}

TEST(Notice, ScaledDisplayLayoutIsSmallerAndStillFits)
{
    TestRun run;
    run.state().DisplayScaled = 1;
    Form4& notice = run.program->form<Form4>();
    EXPECT_EQ(notice.Label1->font().pointSizeF(), 10);
    EXPECT_EQ(notice.Label1->x(), Px(2200));
    EXPECT_GE(notice.Label1->contentsRect().left() + notice.Label1->x(), notice.Picture1->pixmap().width() + 5);
    EXPECT_EQ(notice.frameGeometry().height(), Px(6800));
    EXPECT_LE(notice.Label1->y() + neededHeight(*notice.Label1), notice.height());
    EXPECT_EQ(run.state().NoticeShown, 1);
}

// Before the first question page the notice opens with the focus on its OK,
// so Enter reads it away and answering begins.
TEST(Notice, OpensWithOkFocusedAndEnterClosesIt)
{
    TestRun run;
    Form1& main = run.program->form<Form1>();
    main.Text1->setText(QStringLiteral("Muster, Erika"));
    main.Text2->setText(QStringLiteral("01.02.2012"));
    run.ui->expectModal<Form4>([](Form4& notice) {
        ASSERT_EQ(notice.focusWidget(), notice.Command1);
        QTest::keyClick(notice.focusWidget(), Qt::Key_Return);
        EXPECT_FALSE(notice.isVisible());
    });
    run.ui->expectModal<Form2>([](Form2& page) { page.Unload(); });
    AnswerQuestionnaire(*run.program);
    run.ui->verifyDone();
    EXPECT_EQ(run.state().NoticeShown, 1);
}

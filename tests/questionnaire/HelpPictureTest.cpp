#include <gtest/gtest.h>

#include <QLabel>
#include <QPushButton>
#include <QTest>

#include "questionnaire/Form1.h"
#include "questionnaire/Form10.h"
#include "questionnaire/Form13.h"
#include "questionnaire/HelpPicture.h"
#include "support/TestRun.h"

namespace {

const QString Guidance = QStringLiteral("Wollen Sie nun Ihre Stammdaten anlegen?");
const QString GuidanceTitle = QStringLiteral("Benutzerführung");

struct HelpPicture : ::testing::Test {
    TestRun run;
    Form1* main = nullptr;

    void SetUp() override
    {
        main = &run.program->form<Form1>();  // the start-up switches the guidance on
        ASSERT_EQ(run.state().GuidanceActive, 1);
        ASSERT_TRUE(main->Label3->isVisible());
    }

    void clickPicture()
    {
        run.ui->expectModal<Form10>([](Form10& f) { QTest::mouseClick(f.Picture1, Qt::LeftButton); });
    }
};

TEST_F(HelpPicture, YesOpensThePersonalDataAndEndsTheGuidanceAfterThem)
{
    clickPicture();
    run.ui->expectMsg(Guidance, vbYesNoQuestion, GuidanceTitle, vbYes);
    run.ui->expectModal<Form13>([&](Form13& f) {
        // The picture has vanished but is still loaded; the guidance still runs.
        Form10* help = run.program->loadedForm<Form10>();
        ASSERT_NE(help, nullptr);
        EXPECT_FALSE(help->isVisible());
        EXPECT_EQ(run.state().GuidanceActive, 1);
        EXPECT_TRUE(main->Label3->isVisible());
        f.Command2->click();
    });
    run.ui->expectMsg(QStringLiteral("Wollen Sie nun den Fragebogen bearbeiten?"), vbYesNoQuestion, GuidanceTitle,
                      vbNo);
    ShowHelpPicture(*run.program);

    EXPECT_EQ(run.state().GuidanceActive, 0);
    EXPECT_FALSE(main->Label3->isVisible());
    EXPECT_EQ(run.program->loadedForm<Form10>(), nullptr);
}

TEST_F(HelpPicture, NoEndsTheGuidanceAndTheQuestionNeverComesAgain)
{
    // First closing by the close box, answered No; then two more closings.
    run.ui->expectModal<Form10>([](Form10& f) { f.close(); });
    run.ui->expectMsg(Guidance, vbYesNoQuestion, GuidanceTitle, vbNo);
    ShowHelpPicture(*run.program);
    EXPECT_EQ(run.state().GuidanceActive, 0);
    EXPECT_FALSE(main->Label3->isVisible());

    clickPicture();
    ShowHelpPicture(*run.program);
    run.ui->expectModal<Form10>([](Form10& f) { f.close(); });
    ShowHelpPicture(*run.program);
    EXPECT_EQ(run.ui->pending(), 0);
}

TEST_F(HelpPicture, InnerAreaIsExactlyThePictureAndItIsCentred)
{
    run.state().GuidanceActive = 0;
    run.ui->expectModal<Form10>([](Form10& f) {
        EXPECT_EQ(f.size(), QSize(771, 475));
        EXPECT_EQ(f.Picture1->geometry(), QRect(0, 0, 771, 475));
        EXPECT_EQ(f.Picture1->pixmap().deviceIndependentSize().toSize(), QSize(771, 475));
        EXPECT_EQ(f.windowTitle(), QStringLiteral("Hilfe zur Vorgehensweise"));
        // Fake screen 19200 x 14400 twips: 1280 x 960 pixels.
        EXPECT_NEAR(f.geometry().center().x(), 640, 3);
        EXPECT_NEAR(f.geometry().center().y(), 480, 15);
        // A click anywhere but on the picture's left button does not close it.
        QTest::mouseClick(f.Picture1, Qt::RightButton);
        EXPECT_TRUE(f.isVisible());
        QTest::mouseClick(f.Picture1, Qt::LeftButton, {}, QPoint(770, 474));
        EXPECT_FALSE(f.isVisible());
    });
    ShowHelpPicture(*run.program);
}

}  // namespace

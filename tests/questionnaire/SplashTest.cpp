#include <gtest/gtest.h>

#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include "questionnaire/Form1.h"
#include "questionnaire/Form12.h"
#include "questionnaire/Form6.h"
#include "questionnaire/SplashRegion.h"
#include "support/TestRun.h"

namespace {

const QRgb kWhite = qRgb(255, 255, 255);
const QRgb kInside = qRgb(255, 0, 255);

QImage mask(const QStringList& rows)
{
    QImage image(rows[0].size(), rows.size(), QImage::Format_RGB32);
    for (int y = 0; y < rows.size(); ++y)
        for (int x = 0; x < rows[y].size(); ++x)
            image.setPixel(x, y, rows[y][x] == u'w' ? kWhite : kInside);
    return image;
}

int pixelsIn(const QRegion& region)
{
    int n = 0;
    for (const QRect& r : region)
        n += r.width() * r.height();
    return n;
}

}  // namespace

TEST(MakeRegionFromPicture, RemovesEachWhiteRunWithOneSubtraction)
{
    int runs = 0;
    const std::optional<QRegion> r = MakeRegionFromPicture(mask({QStringLiteral("mmmmm"),     // no white
                                                                QStringLiteral("wwwww"),     // all white, one run
                                                                QStringLiteral("mwwmw"),     // two runs, the second at the edge
                                                                QStringLiteral("wmwmw")}),   // three single pixels
                                                           kWhite, &runs);
    ASSERT_TRUE(r.has_value());
    EXPECT_EQ(runs, 6);
    EXPECT_EQ(pixelsIn(*r), 5 + 0 + 2 + 2);
    EXPECT_TRUE(r->contains(QPoint(0, 0)));
    EXPECT_FALSE(r->contains(QPoint(2, 1)));
    EXPECT_TRUE(r->contains(QPoint(3, 2)));
    EXPECT_FALSE(r->contains(QPoint(4, 2))) << "a run reaching the right edge ends at the width";
    EXPECT_TRUE(r->contains(QPoint(1, 3)));
    EXPECT_FALSE(r->contains(QPoint(2, 3)));
}

TEST(MakeRegionFromPicture, NoWhiteGivesTheRectangleAllWhiteGivesNothing)
{
    int runs = -1;
    const std::optional<QRegion> full = MakeRegionFromPicture(mask({QStringLiteral("mmm"), QStringLiteral("mmm")}),
                                                              kWhite, &runs);
    ASSERT_TRUE(full.has_value());
    EXPECT_EQ(*full, QRegion(0, 0, 3, 2));
    EXPECT_EQ(runs, 0);
    const std::optional<QRegion> none = MakeRegionFromPicture(mask({QStringLiteral("www"), QStringLiteral("www")}),
                                                              kWhite, &runs);
    ASSERT_TRUE(none.has_value());
    EXPECT_TRUE(none->isEmpty());
    EXPECT_EQ(runs, 2);
    EXPECT_FALSE(MakeRegionFromPicture(QImage(), kWhite).has_value()) << "no bitmap, no region";
}

TEST(MakeRegionFromPicture, TheShippedMaskIsTwoColouredAndShapesTheWindow)
{
    const QImage m = SplashMask();
    ASSERT_EQ(m.size(), QSize(455, 396));
    int white = 0;
    for (int y = 0; y < m.height(); ++y)
        for (int x = 0; x < m.width(); ++x) {
            const QRgb p = m.pixel(x, y) | 0xFF000000u;
            ASSERT_TRUE(p == (kWhite | 0xFF000000u) || p == (kInside | 0xFF000000u));
            white += p == (kWhite | 0xFF000000u);
        }
    EXPECT_GT(white, 1000);
    const std::optional<QRegion> r = MakeRegionFromPicture(m, kWhite);
    ASSERT_TRUE(r.has_value());
    EXPECT_EQ(pixelsIn(*r), 455 * 396 - white);
}

TEST(InfoWindow, OpensCentredWithTheMainPictureAndClosesOnAKey)
{
    TestRun run;
    Form1& main = run.program->form<Form1>();
    run.ui->expectModal<Form6>([&](Form6& w) {
        EXPECT_EQ(w.windowTitle(), QStringLiteral("Info"));
        EXPECT_EQ(run.state().InfoWindowMode, 1);
        EXPECT_FALSE(w.showsAlternatePicture());
        EXPECT_FALSE(w.mask().isEmpty());
        EXPECT_EQ(w.size(), w.Picture1->size());
        // Right button: the alternate picture; a second right click keeps it.
        QTest::mouseClick(&w, Qt::RightButton);
        EXPECT_TRUE(w.showsAlternatePicture());
        QTest::mouseClick(&w, Qt::RightButton);
        EXPECT_TRUE(w.showsAlternatePicture());
        QTest::mouseClick(&w, Qt::MiddleButton);
        EXPECT_TRUE(w.isVisible());
        QTest::keyClick(&w, Qt::Key_Shift);
    });
    main.Command7->click();
    EXPECT_EQ(run.state().InfoWindowMode, 0);
    EXPECT_EQ(run.program->loadedForm<Form6>(), nullptr);

    // The next opening starts again with the main picture; a double-click closes it.
    run.ui->expectModal<Form6>([&](Form6& w) {
        EXPECT_FALSE(w.showsAlternatePicture());
        QTest::mouseDClick(&w, Qt::LeftButton);
    });
    main.Command7->click();
}

TEST(InfoWindow, AsTheSplashNeitherKeyNorDoubleClickClosesIt)
{
    TestRun run;
    Form6& splash = run.program->form<Form6>();
    splash.show();
    splash.Form_KeyDown(Qt::Key_A, 0);
    splash.Form_DblClick();
    EXPECT_TRUE(splash.isVisible());
    EXPECT_EQ(run.program->loadedForm<Form6>(), &splash);
    splash.Unload();
}

TEST(SystemInfo, ShowsTheFourValuesAndClosesWithOK)
{
    TestRun run;
    Form1& main = run.program->form<Form1>();
    run.state().LastDir = QString();
    run.ui->expectModal<Form12>([&](Form12& w) {
        EXPECT_EQ(w.windowTitle(), QStringLiteral("System Info"));
        EXPECT_EQ(w.Frame3->title(), QStringLiteral("Heimpfad"));
        EXPECT_EQ(w.Text2->text(), run.dir.path());
        EXPECT_EQ(w.Frame1->title(), QStringLiteral("Arbeitspfad"));
        EXPECT_EQ(w.Text1->text(), QString());
        EXPECT_EQ(w.Frame5->title(), QStringLiteral("Windowspfad"));
        EXPECT_EQ(w.Text3->text(), QStringLiteral("/usr"));
        EXPECT_EQ(w.Frame8->title(), QStringLiteral("Softwareversion"));
        EXPECT_EQ(w.Text4->text(), QStringLiteral("Version 2.100"));
        EXPECT_TRUE(w.Text4->isReadOnly());
        QTest::keyClick(&w, Qt::Key_Escape);  // no close box: Escape does not close it
        EXPECT_TRUE(w.isVisible());
        w.Command1->click();
    });
    main.Command6->click();
}

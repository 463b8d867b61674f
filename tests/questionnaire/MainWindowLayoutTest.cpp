#include <gtest/gtest.h>

#include "questionnaire/MainWindowLayout.h"

namespace {

void expectAt(const QPointF& actual, double left, double top, const char* what)
{
    EXPECT_DOUBLE_EQ(actual.x(), left) << what << " left";
    EXPECT_DOUBLE_EQ(actual.y(), top) << what << " top";
}

}  // namespace

TEST(ArrangeMainWindow, WorkedExampleOfA15360By11520Window)
{
    const MainWindowPositions p = ArrangeMainWindow(15360, 11520, MainWindowSizes{});
    // Column 1, four rows.
    expectAt(p.Command4, 5980, 2435, "Command4");
    expectAt(p.Command5, 5980, 3410, "Command5");
    expectAt(p.Command17, 5980, 4385, "Command17");
    expectAt(p.Command3, 5980, 5360, "Command3");
    // Column 2, three rows.
    expectAt(p.Command24, 7055, 2435, "Command24");
    expectAt(p.Command1, 7055, 3410, "Command1");
    expectAt(p.Command2, 7055, 4385, "Command2");
    // Column 3, four rows.
    expectAt(p.Command6, 8130, 2435, "Command6");
    expectAt(p.Command15, 8130, 3410, "Command15");
    expectAt(p.Command7, 8130, 4385, "Command7");
    expectAt(p.Command18, 8130, 5360, "Command18");
    expectAt(p.Command26, 4905, 2435, "Command26");
    // Headers 355 twips above the first row, one button wide.
    expectAt(p.Label1, 5980, 2080, "Label1");
    expectAt(p.Label2, 7055, 2080, "Label2");
    expectAt(p.Label4, 8130, 2080, "Label4");
    EXPECT_DOUBLE_EQ(p.Label1Width, 975);
    // Lines in the middle of each gap and at both outer edges.
    EXPECT_DOUBLE_EQ(p.Line1X, 5930);
    EXPECT_DOUBLE_EQ(p.Line2X, 7005);
    EXPECT_DOUBLE_EQ(p.Line4X, 8080);
    EXPECT_DOUBLE_EQ(p.Line5X, 9155);
    EXPECT_DOUBLE_EQ(p.LineY1, 2080);
    EXPECT_DOUBLE_EQ(p.LineY2, 2335);
    // Name and date frames, the date frame 100 twips right of the name frame.
    expectAt(p.Frame1, 4942.5, 8385, "Frame1");
    expectAt(p.Frame2, 4942.5 + 3615 + 100, 8385, "Frame2");
    // The hint touches the help button.
    expectAt(p.Label3, 8130 + 975, 5360, "Label3");
}

TEST(ArrangeMainWindow, ReadsTheControlSizesItIsGiven)
{
    MainWindowSizes s;
    s.Command4W = 600;
    s.Command4H = 500;
    s.Command5H = 700;  // a taller second row pushes the third down
    s.Command24W = 800;
    s.Label1H = 300;
    s.Label2W = 1234;
    s.Label4W = 555;
    s.Frame1W = 2000;
    s.Command26W = 400;
    const MainWindowPositions p = ArrangeMainWindow(10000, 8000, s);
    const double x1 = 5000 - 1200 - 250 + 500;
    const double y1 = 4000 - 1500 - 400;
    expectAt(p.Command4, x1, y1, "Command4");
    expectAt(p.Command17, x1, y1 + 500 + 700, "Command17");
    expectAt(p.Command24, x1 + 600 + 100, y1, "Command24");
    expectAt(p.Command6, x1 + 600 + 100 + 800 + 100, y1, "Command6");
    expectAt(p.Command26, x1 - 400 - 100, y1, "Command26");
    EXPECT_DOUBLE_EQ(p.Label1Width, 1234);
    EXPECT_DOUBLE_EQ(p.Label1.y(), y1 - 300 - 100);
    EXPECT_DOUBLE_EQ(p.Line5X, p.Label4.x() + 555 + 50);
    expectAt(p.Frame1, x1 - 300 - 550, y1 + 3000 + 100, "Frame1");
    EXPECT_DOUBLE_EQ(p.Frame2.x(), p.Frame1.x() + 2000 + 100);
}

TEST(ArrangeMainWindow, ASmallWindowGivesNegativePositionsWithoutClamping)
{
    const MainWindowPositions p = ArrangeMainWindow(1500, 1200, MainWindowSizes{});
    EXPECT_LT(p.Command4.x(), 0);
    EXPECT_LT(p.Command4.y(), 0);
    EXPECT_LT(p.Command26.x(), p.Command4.x());
}

#include <functional>
#include <vector>

#include <gtest/gtest.h>

#include <QGroupBox>
#include <QImage>
#include <QScreen>

#include "files/Form45.h"
#include "questionnaire/Form1.h"
#include "questionnaire/Form12.h"
#include "questionnaire/Form13.h"
#include "questionnaire/Form2.h"
#include "questionnaire/Form3.h"
#include "questionnaire/Form5.h"
#include "support/TestRun.h"
#include "ui/Form.h"

namespace {

// Whether the pixel stands out from the window's light grey as a line does.
bool inked(const QImage& image, int x, int y, const QColor& background)
{
    return qAbs(qGray(image.pixel(x, y)) - qGray(background.rgb())) > 20;
}

// The row of the frame's top line as drawn above the child, near the child's
// right end (away from the caption): the first row where the frame is inked
// there and a few pixels to the left alike, as a line is and a letter is not.
int topLineAbove(const QImage& image, const QWidget& child, const QColor& background)
{
    const int x = child.geometry().right() - 3;
    for (int y = 0; y < child.y(); ++y) {
        if (inked(image, x, y, background) && inked(image, x - 6, y, background))
            return y;
    }
    return -1;
}

}  // namespace

// Every frame that holds text boxes or other controls at the design's
// 120, 240 twips shows its whole top line above them: the controls stand
// inside the frame and cover no part of it.
TEST(WindowFrames, EveryControlStandsBelowItsFramesTopLine)
{
    TestRun run;
    Form1& main = run.program->form<Form1>();
    Form13& data = run.program->form<Form13>();
    Form12& info = run.program->form<Form12>();
    Form45& files = run.program->form<Form45>();
    Form5& password = run.program->form<Form5>();

    struct Framed {
        const char* window;
        QGroupBox* frame;
    };
    const std::vector<Framed> frames = {
        {"Form1", main.Frame1},      {"Form1", main.Frame2},      {"Form13", data.Frame2},
        {"Form13", data.Frame3},     {"Form13", data.Frame4},     {"Form13", data.Frame5},
        {"Form13", data.Frame6},     {"Form13", data.Frame7},     {"Form13", data.Frame8},
        {"Form13", data.Frame9},     {"Form13", data.Frame10},    {"Form13", data.Frame11},
        {"Form13", data.Frame12},    {"Form13", data.Frame13},    {"Form13", data.Frame14},
        {"Form13", data.Frame19},    {"Form12", info.Frame3},     {"Form12", info.Frame1},
        {"Form12", info.Frame5},     {"Form12", info.Frame8},     {"Form45", files.Frame1},
        {"Form5", password.Frame1},  {"Form5", password.Frame2},
    };
    for (const Framed& f : frames) {
        const QImage image = f.frame->grab().toImage();
        const QColor background = f.frame->palette().color(QPalette::Window);
        int checked = 0;
        for (QWidget* child : f.frame->findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly)) {
            if (!child->isVisibleTo(f.frame))
                continue;
            ++checked;
            SCOPED_TRACE(std::string(f.window) + " " + f.frame->objectName().toStdString() + " \""
                         + f.frame->title().toStdString() + "\" " + child->objectName().toStdString());
            const int line = topLineAbove(image, *child, background);
            EXPECT_GE(line, 0) << "no line above the control, whose top is at " << child->y();
            EXPECT_LT(line, child->y() - 1) << "the line touches the control";
        }
        EXPECT_GT(checked, 0) << f.window << " " << f.frame->objectName().toStdString();
    }
}

// A window that opens maximised is given the whole available area first, so
// that it fills the screen without a window manager. Restored, it takes its
// design size, or less on a small screen, with its frame on the screen.
TEST(WindowFrames, MaximisedWindowsRestoreToTheirDesignSizeOnTheScreen)
{
    struct Restored {
        const char* window;
        QSize design;  // client area in pixels
        std::function<QWidget&(TestRun&)> open;
    };
    const Restored cases[] = {
        {"Form1 main window", QSize(1008, 562), [](TestRun& run) -> QWidget& { return run.program->form<Form1>(); }},
        {"Form2 question page", QSize(784, 562),
         [](TestRun& run) -> QWidget& {
             run.program->form<Form1>();
             return run.program->form<Form2>();
         }},
        {"Form3 overview page", QSize(1008, 535),
         [](TestRun& run) -> QWidget& {
             run.program->form<Form1>();
             return run.program->form<Form3>();
         }},
    };
    for (const Restored& c : cases) {
        SCOPED_TRACE(c.window);
        TestRun run;
        QWidget& window = c.open(run);
        const QRect available = window.screen()->availableGeometry();
        if (!window.isVisible()) {
            // As the modal display does for a window that opens maximised.
            FitToScreen(window);
            EXPECT_EQ(window.geometry(), available) << "fills the screen without a window manager";
            window.show();
        }
        QCoreApplication::processEvents();
        ASSERT_TRUE(window.windowState() & Qt::WindowMaximized);

        window.setWindowState(window.windowState() & ~Qt::WindowMaximized);
        QCoreApplication::processEvents();
        QCoreApplication::processEvents();

        EXPECT_FALSE(window.windowState() & Qt::WindowMaximized);
        EXPECT_TRUE(available.contains(window.frameGeometry()))
            << "frame " << window.frameGeometry().x() << "," << window.frameGeometry().y() << " "
            << window.frameGeometry().width() << "x" << window.frameGeometry().height();
        EXPECT_LE(window.width(), c.design.width());
        EXPECT_LE(window.height(), c.design.height());
        // The design size where the screen holds it, else nearly the screen.
        EXPECT_GE(window.width(), qMin(c.design.width(), available.width() - 40));
        EXPECT_GE(window.height(), qMin(c.design.height(), available.height() - 80));
        if (c.design.width() <= available.width() - 40 && c.design.height() <= available.height() - 80)
            EXPECT_EQ(window.size(), c.design);
    }
}

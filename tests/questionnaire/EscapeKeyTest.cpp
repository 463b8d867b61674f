#include <functional>

#include <gtest/gtest.h>

#include <QPointer>
#include <QTest>

#include "files/Form15.h"
#include "files/Form45.h"
#include "questionnaire/Form1.h"
#include "questionnaire/Form10.h"
#include "questionnaire/Form12.h"
#include "questionnaire/Form13.h"
#include "questionnaire/Form18.h"
#include "questionnaire/Form2.h"
#include "questionnaire/Form3.h"
#include "questionnaire/Form4.h"
#include "questionnaire/Form5.h"
#include "questionnaire/Form6.h"
#include "support/TestRun.h"

namespace {

// Escape as the user presses it: to the control that has the focus, from
// where a key that control does not use goes on to its window.
void pressEscape(QWidget& window)
{
    QWidget* target = window.focusWidget() ? window.focusWidget() : &window;
    QTest::keyClick(target, Qt::Key_Escape);
    QCoreApplication::processEvents();
}

struct EscapeCase {
    const char* window;
    std::function<QWidget&(TestRun&)> open;
    bool closes;
};

template <class F>
std::function<QWidget&(TestRun&)> opens(std::function<void(TestRun&)> before = {})
{
    return [before](TestRun& run) -> QWidget& {
        if (before)
            before(run);
        return run.program->form<F>();
    };
}

}  // namespace

// Escape closes only where a window's ways out include it: the file dialog,
// where it is cancel, and the Info window, which any key closes. Everything
// else, the overview page and the help picture with their close boxes
// included, is left through its own buttons or close box.
TEST(EscapeKey, ClosesOnlyTheFileDialogAndTheInfoWindow)
{
    const EscapeCase cases[] = {
        {"Form1 main window", opens<Form1>(), false},
        {"Form2 question page", opens<Form2>(), false},
        {"Form3 overview page", opens<Form3>(), false},
        {"Form4 notice", opens<Form4>(), false},
        {"Form5 password dialog", opens<Form5>(), false},
        {"Form6 splash", opens<Form6>([](TestRun& run) { run.state().InfoWindowMode = 0; }), false},
        {"Form6 Info window", opens<Form6>([](TestRun& run) { run.state().InfoWindowMode = 1; }), true},
        {"Form10 help picture", opens<Form10>([](TestRun& run) { run.state().GuidanceActive = 0; }), false},
        {"Form12 system information", opens<Form12>(), false},
        {"Form13 personal-data form", opens<Form13>(), false},
        {"Form15 corrupt-file notice", opens<Form15>(), false},
        {"Form18 digitising window", opens<Form18>(), false},
        {"Form45 file dialog", opens<Form45>(), true},
    };
    for (const EscapeCase& c : cases) {
        SCOPED_TRACE(c.window);
        TestRun run;
        run.program->form<Form1>();  // every other window opens over it
        QPointer<QWidget> window = &c.open(run);
        window->show();
        QCoreApplication::processEvents();
        run.state().DialogCancelled = 0;

        pressEscape(*window);

        const bool closed = !window || !window->isVisible();
        EXPECT_EQ(closed, c.closes);
        if (auto* form = qobject_cast<Form*>(window.data()))
            EXPECT_EQ(form->isUnloading(), c.closes);
        if (qobject_cast<Form45*>(window.data()))
            EXPECT_EQ(run.state().DialogCancelled, 1) << "Escape is the file dialog's cancel";
        if (window && window->isVisible() && qobject_cast<Form*>(window.data()))
            static_cast<Form*>(window.data())->Unload();
    }
}

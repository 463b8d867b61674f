#include "ui/WindowDecorations.h"

#include <gtest/gtest.h>

// What the window manager is told must match the program's windows: a
// fixed dialog has a title and a border and nothing to minimise, maximise or
// resize; a close box only where the window has one; and a window without
// buttons still names its decorations, so no window manager falls back to
// its default buttons.
TEST(WindowDecorations, EachKindAnnouncesExactlyItsBoxes)
{
    struct Case {
        Form::Kind kind;
        bool announced, closeBox, resizable;
    };
    const Case cases[] = {
        {Form::FixedDialog, true, false, false},
        {Form::FixedDialogWithCloseBox, true, true, false},
        {Form::SizableNoControlBox, true, false, true},
        {Form::Sizable, false, true, true},    // the usual boxes: Qt's own hints
        {Form::Borderless, false, false, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(int(c.kind));
        const std::optional<MotifHints> hints = MotifHintsFor(c.kind);
        ASSERT_EQ(hints.has_value(), c.announced);
        if (!hints)
            continue;
        EXPECT_EQ(hints->flags, MotifHints::HasFunctions | MotifHints::HasDecorations);
        EXPECT_TRUE(hints->decorations & MotifHints::DecorTitle);
        EXPECT_TRUE(hints->decorations & MotifHints::DecorBorder);
        EXPECT_TRUE(hints->functions & MotifHints::FuncMove);
        EXPECT_FALSE(hints->decorations & (MotifHints::DecorMinimize | MotifHints::DecorMaximize));
        EXPECT_FALSE(hints->functions & (MotifHints::FuncMinimize | MotifHints::FuncMaximize));
        EXPECT_EQ(bool(hints->functions & MotifHints::FuncClose), c.closeBox);
        EXPECT_EQ(bool(hints->functions & MotifHints::FuncResize), c.resizable);
        EXPECT_EQ(bool(hints->decorations & MotifHints::DecorResizeHandle), c.resizable);
    }
}

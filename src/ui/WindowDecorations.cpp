#include "ui/WindowDecorations.h"

#include <QGuiApplication>
#include <QWidget>

#include <xcb/xcb.h>

std::optional<MotifHints> MotifHintsFor(Form::Kind kind)
{
    MotifHints hints;
    hints.flags = MotifHints::HasFunctions | MotifHints::HasDecorations;
    switch (kind) {
    case Form::FixedDialog:
        hints.functions = MotifHints::FuncMove;
        hints.decorations = MotifHints::DecorBorder | MotifHints::DecorTitle;
        return hints;
    case Form::FixedDialogWithCloseBox:
        hints.functions = MotifHints::FuncMove | MotifHints::FuncClose;
        hints.decorations = MotifHints::DecorBorder | MotifHints::DecorTitle | MotifHints::DecorMenu;
        return hints;
    case Form::SizableNoControlBox:
        hints.functions = MotifHints::FuncMove | MotifHints::FuncResize;
        hints.decorations = MotifHints::DecorBorder | MotifHints::DecorResizeHandle | MotifHints::DecorTitle;
        return hints;
    case Form::Sizable:
    case Form::Borderless:
        break;
    }
    return std::nullopt;
}

void AnnounceDecorations(QWidget& window, Form::Kind kind)
{
    const std::optional<MotifHints> hints = MotifHintsFor(kind);
    auto* x11 = qGuiApp ? qGuiApp->nativeInterface<QNativeInterface::QX11Application>() : nullptr;
    if (!hints || !x11 || !x11->connection())
        return;
    xcb_connection_t* connection = x11->connection();
    static constexpr char Name[] = "_MOTIF_WM_HINTS";
    xcb_intern_atom_reply_t* atom =
        xcb_intern_atom_reply(connection, xcb_intern_atom(connection, 0, sizeof Name - 1, Name), nullptr);
    if (!atom)
        return;
    const std::uint32_t data[5] = {hints->flags, hints->functions, hints->decorations, 0, 0};
    xcb_change_property(connection, XCB_PROP_MODE_REPLACE, xcb_window_t(window.winId()), atom->atom, atom->atom, 32,
                        5, data);
    xcb_flush(connection);
    free(atom);
}

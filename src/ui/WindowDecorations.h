#pragma once

#include <cstdint>
#include <optional>

#include "ui/Form.h"

// What a window announces to the window manager about its frame, in the
// Motif window-manager hints that X11 window managers read: which
// decorations it wants and what the user may do with it. Qt announces only
// the allowed functions for a title bar without buttons, so a window manager
// draws its default buttons there; these hints name the decorations as well.
struct MotifHints {
    // Bits of the hints, as the window managers read them.
    enum : std::uint32_t {
        HasFunctions = 1,
        HasDecorations = 2,
        FuncResize = 2,
        FuncMove = 4,
        FuncMinimize = 8,
        FuncMaximize = 16,
        FuncClose = 32,
        DecorBorder = 2,
        DecorResizeHandle = 4,
        DecorTitle = 8,
        DecorMenu = 16,
        DecorMinimize = 32,
        DecorMaximize = 64
    };
    std::uint32_t flags = 0;
    std::uint32_t functions = 0;
    std::uint32_t decorations = 0;
};

// The hints of a window kind; nullopt where Qt's own announcement is right
// (windows with the usual buttons, windows without a border).
std::optional<MotifHints> MotifHintsFor(Form::Kind kind);

// Writes the hints of the kind onto the window's native window. Only on X11;
// elsewhere (and offscreen) nothing happens.
void AnnounceDecorations(QWidget& window, Form::Kind kind);

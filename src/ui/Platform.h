#pragma once

#include <QDate>
#include <QSizeF>
#include <QString>
#include <QStringList>

#include "ui/RandomSource.h"

class QWidget;

// Everything that ties the program to a real screen, clock or desktop. The
// program uses the real one; tests use a fake with a clock they control.
class Platform : public RandomSource {
public:
    // Shell result codes: not found, no application for the target's type;
    // anything above 32 means the target was handed over.
    static constexpr int ShellNotFound = 2;
    static constexpr int ShellNoApplication = 31;
    static constexpr int ShellHandedOver = 42;

    // Time of day in seconds since midnight, with fractions.
    virtual double Timer() = 0;
    // Blocks without processing window events.
    virtual void Sleep(int milliseconds) = 0;
    // Processes pending window events once.
    virtual void DoEvents() = 0;

    // Seeds the generator from the clock; Rnd() then gives numbers in [0, 1).
    virtual void Randomize() = 0;

    // Screen size in twips and the display's twips per pixel (15 at 96 DPI).
    virtual QSizeF ScreenTwips() = 0;
    virtual double TwipsPerPixelOfDisplay() = 0;

    // Folder of the program file; empty when it cannot be determined.
    virtual QString ProgramFolder() = 0;
    virtual QString CurrentFolder() = 0;
    virtual bool SetCurrentFolder(const QString& folder) = 0;
    // The operating system's own folder (shown as the Windows folder).
    virtual QString SystemFolder() = 0;
    // Roots the file dialog offers as drives.
    virtual QStringList Drives() = 0;

    virtual QDate Today() = 0;

    // Queues a keystroke ("{TAB}" or "{Enter}") to the focused control of the
    // window; it is handled after the current event procedure returns.
    virtual void SendKeys(QWidget* window, const QString& keys) = 0;

    // Opens a target (document path, web address, "mailto:" link) with the
    // desktop's application; returns a shell code (see above). Never waits for
    // the opened application.
    virtual int ShellOpen(const QString& target) = 0;
};

// The queued keystroke both platforms use: "{TAB}" moves the focus on in tab
// order, "{Enter}" presses the focused button.
void QueueKeystroke(QWidget* window, const QString& keys);

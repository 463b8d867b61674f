#pragma once

#include <functional>
#include <random>

#include <QCoreApplication>

#include "ui/Platform.h"

// A platform whose clock, screen, folders and shell the test sets. Sleeping
// advances the clock (wrapping at midnight), so nothing in a test waits.
class FakePlatform : public Platform {
public:
    double time = 10 * 3600;
    QSizeF screen{19200, 14400};
    double twipsPerPixel = 15;
    QString programFolder;
    QString currentFolder;
    QString systemFolder = QStringLiteral("/usr");
    QStringList drives{QStringLiteral("/")};
    QDate today{2026, 12, 7};

    QStringList keysSent;
    QStringList shellTargets;
    int shellCode = Platform::ShellHandedOver;
    int sleeps = 0;
    int doEvents = 0;
    int randomizes = 0;
    // Runs at every sleep, so a test can look at the screen during a wait.
    std::function<void()> onSleep;

    double Timer() override { return time; }
    void Sleep(int milliseconds) override
    {
        ++sleeps;
        if (onSleep)
            onSleep();
        time += milliseconds / 1000.0;
        if (time >= 86400)
            time -= 86400;
    }
    void DoEvents() override
    {
        ++doEvents;
        QCoreApplication::processEvents();
    }
    void Randomize() override
    {
        ++randomizes;
        generator_.seed(static_cast<unsigned>(time * 1000) + static_cast<unsigned>(randomizes) * 7919u);
    }
    double Rnd() override { return double(generator_() >> 11) * 0x1.0p-53; }
    QSizeF ScreenTwips() override { return screen; }
    double TwipsPerPixelOfDisplay() override { return twipsPerPixel; }
    QString ProgramFolder() override { return programFolder; }
    QString CurrentFolder() override { return currentFolder; }
    bool SetCurrentFolder(const QString& folder) override
    {
        currentFolder = folder;
        return true;
    }
    QString SystemFolder() override { return systemFolder; }
    QStringList Drives() override { return drives; }
    QDate Today() override { return today; }
    void SendKeys(QWidget* window, const QString& keys) override
    {
        keysSent.append(keys);
        QueueKeystroke(window, keys);
    }
    int ShellOpen(const QString& target) override
    {
        shellTargets.append(target);
        return shellCode;
    }

private:
    std::mt19937_64 generator_{12345};
};

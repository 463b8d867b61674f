#pragma once

#include <random>

#include "ui/Platform.h"

class RealPlatform : public Platform {
public:
    RealPlatform();
    double Timer() override;
    void Sleep(int milliseconds) override;
    void DoEvents() override;
    void Randomize() override;
    double Rnd() override;
    QSizeF ScreenTwips() override;
    double TwipsPerPixelOfDisplay() override;
    QString ProgramFolder() override;
    QString CurrentFolder() override;
    bool SetCurrentFolder(const QString& folder) override;
    QString SystemFolder() override;
    QStringList Drives() override;
    QDate Today() override;
    void SendKeys(QWidget* window, const QString& keys) override;
    int ShellOpen(const QString& target) override;

private:
    std::mt19937_64 generator_;
};

// The desktop hand-over of this platform, through xdg-open. Separate from the
// platform class so that its decisions can be tested with a stand-in opener.
struct ShellOpener {
    QString opener;             // path of xdg-open; empty when there is none
    QString mimeQueryTool;      // path of xdg-mime; empty when there is none
    int timeoutMs = 3000;
    int open(const QString& target) const;
    static ShellOpener fromPath();
};

#pragma once

#include <deque>
#include <functional>
#include <typeinfo>

#include <QDialog>
#include <QString>
#include <QStringList>

#include "ui/Ui.h"

// Replaces message boxes and modal windows in tests. Every message and every
// modal window must be expected, in order: a message is checked for its exact
// text, style and title and answered as scripted; a window is handed to its
// driver, which must close it. Anything unexpected, and anything expected but
// never shown, fails the test.
class ScriptedUi : public Ui {
public:
    struct Step {
        bool isMessage = true;
        QString text;
        int style = 0;
        QString title;
        int answer = vbOK;
        QString windowClass;
        std::function<bool(QDialog&)> driver;  // false: wrong window class
    };

    ~ScriptedUi() override;

    ScriptedUi& expectMsg(const QString& text, int style, const QString& title, int answer = vbOK);

    template <class F>
    ScriptedUi& expectModal(std::function<void(F&)> driver)
    {
        Step step;
        step.isMessage = false;
        step.windowClass = QString::fromLatin1(typeid(F).name());
        step.driver = [driver](QDialog& window) {
            F* typed = dynamic_cast<F*>(&window);
            if (!typed)
                return false;
            driver(*typed);
            return true;
        };
        steps_.push_back(std::move(step));
        return *this;
    }

    int MsgBox(const QString& text, int style, const QString& title) override;
    void ShowModal(QDialog& window) override;

    // Fails the test for every expected step that has not come.
    void verifyDone();
    int pending() const { return int(steps_.size()); }

    // Every message text seen, in order.
    QStringList messages;

private:
    std::deque<Step> steps_;
};

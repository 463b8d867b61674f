#include "support/ScriptedUi.h"

#include <gtest/gtest.h>

#include <QCoreApplication>

#include "ui/Form.h"

namespace {

QString visible(const QString& text)
{
    return QString(text).replace(QStringLiteral("\r\n"), QStringLiteral("\\r\\n"));
}

void closeWindow(QDialog& window)
{
    if (auto* form = dynamic_cast<Form*>(&window))
        form->Unload();
    else
        window.done(QDialog::Rejected);
}

}  // namespace

ScriptedUi::~ScriptedUi()
{
    verifyDone();
}

ScriptedUi& ScriptedUi::expectMsg(const QString& text, int style, const QString& title, int answer)
{
    Step step;
    step.text = text;
    step.style = style;
    step.title = title;
    step.answer = answer;
    steps_.push_back(std::move(step));
    return *this;
}

int ScriptedUi::MsgBox(const QString& text, int style, const QString& title)
{
    messages.append(text);
    const bool question = style == vbYesNoQuestion || style == vbYesNoQuestionDefNo;
    const int fallback = question ? vbNo : vbOK;
    if (steps_.empty()) {
        ADD_FAILURE() << "unexpected message: \"" << visible(text).toStdString() << "\" style " << style
                      << " title \"" << title.toStdString() << "\"";
        return fallback;
    }
    Step step = steps_.front();
    if (!step.isMessage) {
        ADD_FAILURE() << "expected window " << step.windowClass.toStdString() << " but got message \""
                      << visible(text).toStdString() << "\"";
        return fallback;
    }
    steps_.pop_front();
    EXPECT_EQ(visible(step.text).toStdString(), visible(text).toStdString());
    EXPECT_EQ(step.style, style) << "style of \"" << visible(text).toStdString() << "\"";
    EXPECT_EQ(step.title.toStdString(), title.toStdString()) << "title of \"" << visible(text).toStdString() << "\"";
    return step.answer;
}

void ScriptedUi::ShowModal(QDialog& window)
{
    const QString shown = QString::fromLatin1(typeid(window).name());
    if (steps_.empty() || steps_.front().isMessage) {
        ADD_FAILURE() << "unexpected window " << shown.toStdString() << " (" << window.windowTitle().toStdString()
                      << ")"
                      << (steps_.empty() ? QString() : " instead of message \"" + visible(steps_.front().text) + "\"")
                             .toStdString();
        closeWindow(window);
        return;
    }
    Step step = steps_.front();
    steps_.pop_front();
    window.show();
    QCoreApplication::processEvents();
    if (!step.driver(window)) {
        ADD_FAILURE() << "expected window " << step.windowClass.toStdString() << " but " << shown.toStdString()
                      << " was shown";
        closeWindow(window);
        return;
    }
    if (window.isVisible()) {
        ADD_FAILURE() << "the driver left window " << shown.toStdString() << " open";
        closeWindow(window);
    }
}

void ScriptedUi::verifyDone()
{
    for (const Step& step : steps_) {
        if (step.isMessage)
            ADD_FAILURE() << "expected message never shown: \"" << visible(step.text).toStdString() << "\"";
        else
            ADD_FAILURE() << "expected window never shown: " << step.windowClass.toStdString();
    }
    steps_.clear();
}

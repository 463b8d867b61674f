#include <functional>
#include <map>
#include <memory>

#include <gtest/gtest.h>

#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include "files/Form15.h"
#include "files/Form45.h"
#include "questionnaire/Form1.h"
#include "questionnaire/Form12.h"
#include "questionnaire/Form13.h"
#include "questionnaire/Form18.h"
#include "questionnaire/Form2.h"
#include "questionnaire/Form3.h"
#include "questionnaire/Form4.h"
#include "questionnaire/Form5.h"
#include "support/TestRun.h"

namespace {

// Presses per push button of a window. The buttons' own procedures are taken
// off: what is under test is which button Enter presses, and how often.
using Presses = std::shared_ptr<std::map<QPushButton*, int>>;

Presses CountPresses(QWidget& window)
{
    auto presses = std::make_shared<std::map<QPushButton*, int>>();
    for (QPushButton* button : window.findChildren<QPushButton*>()) {
        QObject::disconnect(button, &QPushButton::clicked, nullptr, nullptr);
        (*presses)[button] = 0;
        QObject::connect(button, &QPushButton::clicked, [presses, button] { ++(*presses)[button]; });
    }
    return presses;
}

int Total(const Presses& presses)
{
    int total = 0;
    for (const auto& [button, n] : *presses)
        total += n;
    return total;
}

template <class F>
F& Shown(TestRun& run)
{
    run.program->form<Form1>();  // every other window opens over it
    F& window = run.program->form<F>();
    window.show();
    QCoreApplication::processEvents();
    return window;
}

}  // namespace

// Both Enter keys on the focused button press it once, in every window with
// buttons (the Info window and the help picture have none); a hidden button
// is never pressed.
TEST(EnterKey, PressesTheFocusedButtonInEveryWindow)
{
    const struct {
        const char* window;
        std::function<QWidget&(TestRun&)> open;
        int pressable;
    } cases[] = {
        {"Form1 main window", Shown<Form1>, 12},         {"Form2 question page", Shown<Form2>, 5},
        {"Form3 overview page", Shown<Form3>, 2},        {"Form4 notice", Shown<Form4>, 1},
        {"Form5 password dialog", Shown<Form5>, 2},      {"Form12 system information", Shown<Form12>, 1},
        {"Form13 personal-data form", Shown<Form13>, 4}, {"Form15 corrupt-file notice", Shown<Form15>, 2},
        {"Form18 digitising window", Shown<Form18>, 3},  {"Form45 file dialog", Shown<Form45>, 2},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.window);
        TestRun run;
        QWidget& window = c.open(run);
        const Presses presses = CountPresses(window);
        int pressable = 0;
        for (auto& [button, n] : *presses) {
            SCOPED_TRACE(button->objectName().toStdString());
            const bool canPress = button->isVisibleTo(&window) && button->isEnabled();
            pressable += canPress ? 1 : 0;
            if (canPress) {
                button->setFocus();
                ASSERT_EQ(window.focusWidget(), button);
            }
            QTest::keyClick(button, Qt::Key_Return);
            QTest::keyClick(button, Qt::Key_Enter, Qt::KeypadModifier);
            EXPECT_EQ(n, canPress ? 2 : 0);
            EXPECT_EQ(Total(presses), 2 * pressable) << "Enter pressed another button as well";
        }
        EXPECT_EQ(pressable, c.pressable);
    }
}

// Enter in a text box keeps its meaning: on to the next box in the
// personal-data form, confirm in the file dialog's name box.
TEST(EnterKey, EnterInATextBoxDoesWhatItDid)
{
    TestRun run;
    Form13& form = Shown<Form13>(run);
    const Presses formPresses = CountPresses(form);
    form.Text1->setFocus();
    QTest::keyClick(form.Text1, Qt::Key_Return);
    QTest::keyClick(form.Text2, Qt::Key_Enter, Qt::KeypadModifier);
    EXPECT_EQ(form.focusWidget(), form.textBox(3));
    EXPECT_EQ(Total(formPresses), 0);

    Form45& dialog = Shown<Form45>(run);
    const Presses dialogPresses = CountPresses(dialog);
    dialog.Text1->setFocus();
    QTest::keyClicks(dialog.Text1, QStringLiteral("name"));
    QTest::keyClick(dialog.Text1, Qt::Key_Return);
    QCoreApplication::processEvents();
    EXPECT_EQ((*dialogPresses)[dialog.Command1], 1);
    EXPECT_EQ(Total(dialogPresses), 1);
}

#include <gtest/gtest.h>

#include <QDialog>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>

#include "ui/EnterKey.h"

// A dialog built as a message box builds it: buttons that react to Enter by
// themselves, one of them the default button.
TEST(EnterKey, PressesOnceNeverTheDefaultInsteadAndNotWhileHeld)
{
    InstallEnterPressesFocusedButton();
    QDialog dialog;
    auto* yes = new QPushButton(QStringLiteral("Ja"), &dialog);
    auto* no = new QPushButton(QStringLiteral("Nein"), &dialog);
    yes->setDefault(true);
    QSignalSpy yesClicks(yes, &QPushButton::clicked);
    QSignalSpy noClicks(no, &QPushButton::clicked);
    dialog.show();

    no->setFocus();
    QTest::keyClick(no, Qt::Key_Return);
    EXPECT_EQ(noClicks.count(), 1) << "a button with an Enter of its own is not pressed twice";
    // A held key repeats: the repeats press nothing (the press may have
    // opened a window whose focused button would take them).
    QKeyEvent repeat(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier, QStringLiteral("\r"), true);
    QCoreApplication::sendEvent(no, &repeat);
    EXPECT_EQ(noClicks.count(), 1);

    no->setEnabled(false);
    QTest::keyClick(no, Qt::Key_Enter, Qt::KeypadModifier);
    EXPECT_EQ(noClicks.count(), 1);
    EXPECT_EQ(yesClicks.count(), 0) << "Enter on a button that cannot be pressed went on to the default button";
}

#include "ui/Translation.h"

#include <gtest/gtest.h>

#include <QLineEdit>
#include <QMenu>

#include "questionnaire/Form1.h"
#include "support/TestRun.h"

namespace {

// The entries of a menu as the user reads them: no accelerator marks, no
// shortcut column.
QStringList entries(const QMenu& menu)
{
    QStringList out;
    for (const QAction* action : menu.actions()) {
        if (action->isSeparator())
            continue;
        QString text = action->text().section(u'\t', 0, 0);
        text.remove(u'&');
        out.append(text);
    }
    return out;
}

}  // namespace

TEST(GermanToolkitTexts, TextBoxContextMenusSpeakGerman)
{
    ASSERT_TRUE(InstallGermanToolkitTexts()) << "Qt's German translation (qt6-translations-l10n) is missing";
    EXPECT_TRUE(InstallGermanToolkitTexts()) << "a second call finds it installed";

    TestRun run;
    Form1& main = run.program->form<Form1>();
    // The main window's name box is read-only, a plain box is not: both menus.
    QLineEdit editable;
    for (QLineEdit* box : {main.Text1, &editable}) {
        SCOPED_TRACE(box->objectName().toStdString());
        std::unique_ptr<QMenu> menu(box->createStandardContextMenu());
        const QStringList shown = entries(*menu);
        EXPECT_TRUE(shown.contains(QStringLiteral("Kopieren"))) << shown.join(" | ").toStdString();
        EXPECT_TRUE(shown.contains(QStringLiteral("Alles auswählen"))) << shown.join(" | ").toStdString();
        for (const QString& english : {"Copy", "Select All", "Undo", "Paste", "Cut", "Delete", "Redo"})
            EXPECT_FALSE(shown.contains(english)) << english.toStdString();
    }
    std::unique_ptr<QMenu> menu(editable.createStandardContextMenu());
    const QStringList shown = entries(*menu);
    for (const char* german : {"Rückgängig", "Wiederherstellen", "Ausschneiden", "Einfügen", "Löschen"})
        EXPECT_TRUE(shown.contains(QString::fromUtf8(german))) << german << ": " << shown.join(" | ").toStdString();
}

#include <gtest/gtest.h>


#include <QDir>
#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include "files/FileDialogHandOver.h"
#include "files/Form45.h"
#include "files/QuestionnaireFixture.h"

namespace {

// A folder tree:  a/ b/ {c/, d/, .versteckt/, x.ziz-ir, y.ZIZ-IR, z.txt, .h.ziz-ir}
struct Tree {
    explicit Tree(TestRun& run) : a(run.path("a")), b(run.path("a/b"))
    {
        QDir().mkpath(b + "/c/tief");
        QDir().mkpath(b + "/d");
        QDir().mkpath(b + "/.versteckt");
        for (const char* name : {"x.ziz-ir", "y.ZIZ-IR", "z.txt", ".h.ziz-ir"})
            PutFile(b + "/" + name, "1\r\n");
        PutFile(b + "/c/w.ziz-ir", "1\r\n");
    }
    QString a, b;
};

// Shows the dialog the way the load command does, with `drive` as the user.
bool Show(TestRun& run, std::function<void(Form45&)> drive, const QString& nameBox = QString())
{
    run.ui->expectModal<Form45>(std::move(drive));
    return FileDialogHandOver(*run.program, QStringLiteral("RUV-O Fragebogen Laden"), QStringLiteral("Öffnen"),
                              QStringLiteral("*.ziz-ir"), nameBox, QStringLiteral("Fehler RUV-O Fragebogen Laden"));
}

QRect FolderEntryRect(Form45& f, int index)
{
    QTreeWidgetItemIterator it(f.Dir1);
    for (int i = 0; i < index && *it; ++i)
        ++it;
    return f.Dir1->visualItemRect(*it);
}

QString FolderChild(const QString& folder, const QString& name)
{
    return QDir::cleanPath(folder + "/" + name);
}

}  // namespace

TEST(Form45Window, DesignStateAndWhatTheCallerSets)
{
    TestRun run;
    MainWindow(run);
    Form45& fresh = run.program->form<Form45>();
    EXPECT_EQ(fresh.windowTitle(), QStringLiteral("Dateien"));
    EXPECT_EQ(fresh.Command1->text(), QStringLiteral("OK"));
    EXPECT_EQ(fresh.Command2->text(), QStringLiteral("Abbrechen"));
    EXPECT_EQ(fresh.File1->pattern(), QStringLiteral("*.qmv-l"));
    EXPECT_EQ(fresh.Frame1->title(), QStringLiteral("Dateiname"));
    EXPECT_EQ(fresh.size(), QSize(732, 322));
    EXPECT_EQ(fresh.Dir1->geometry(), QRect(8, 44, 209, 186));
    EXPECT_EQ(fresh.File1->geometry(), QRect(224, 16, 401, 214));
    EXPECT_EQ(fresh.Text1->mapTo(&fresh, QPoint(0, 0)), QPoint(16, 272));
    EXPECT_FALSE(fresh.Command1->isDefault());
    EXPECT_FALSE(fresh.Command1->autoDefault());
    fresh.Command2_Click();

    Tree tree(run);
    run.state().LastDir = tree.b;
    const bool goOn = Show(run, [&](Form45& f) {
        EXPECT_EQ(f.windowTitle(), QStringLiteral("RUV-O Fragebogen Laden"));
        EXPECT_EQ(f.Command1->text(), QStringLiteral("Öffnen"));
        EXPECT_EQ(f.Text1->text(), QStringLiteral("vorher.ziz-ir"));
        EXPECT_EQ(run.state().DialogCancelled, 0);
        EXPECT_EQ(f.Dir1->path(), tree.b);
        EXPECT_EQ(f.File1->path(), tree.b);
        f.Command2->click();
    }, QStringLiteral("vorher.ziz-ir"));
    EXPECT_FALSE(goOn);
}

TEST(Form45Window, ListsShowAncestorsOpenFolderSubfoldersAndMatchingFiles)
{
    TestRun run;
    MainWindow(run);
    Tree tree(run);
    run.state().LastDir = tree.b;
    Show(run, [&](Form45& f) {
        QStringList expected;
        for (QDir up(tree.b);; ) {
            expected.prepend(up.absolutePath());
            if (!up.cdUp())
                break;
        }
        const int open = int(expected.size()) - 1;
        expected << FolderChild(tree.b, "c") << FolderChild(tree.b, "d");
        EXPECT_EQ(f.Dir1->listedFolders(), expected);
        EXPECT_EQ(f.Dir1->openIndex(), open);
        EXPECT_EQ(f.Dir1->listedFolders().first(), QStringLiteral("/"));
        EXPECT_EQ(f.File1->fileNames(), (QStringList{"x.ziz-ir", "y.ZIZ-IR"}));
        f.File1->setPattern(QStringLiteral("*.txt;*.ziz-ir"));
        EXPECT_EQ(f.File1->fileNames(), (QStringList{"x.ziz-ir", "y.ZIZ-IR", "z.txt"}));
        f.Command2->click();
    });
}

TEST(Form45Window, DoubleClickOpensAFolderASingleClickOnlyHighlights)
{
    TestRun run;
    MainWindow(run);
    Tree tree(run);
    run.state().LastDir = tree.b;
    Show(run, [&](Form45& f) {
        const int open = f.Dir1->openIndex();
        const QRect c = FolderEntryRect(f, open + 1);
        QTest::mouseClick(f.Dir1->viewport(), Qt::LeftButton, {}, c.center());
        EXPECT_EQ(f.Dir1->path(), tree.b) << "a highlighted entry is not the path";
        f.Command1->click();  // an empty name box: no path
        EXPECT_EQ(run.state().LastDir, tree.b);
    });
    EXPECT_EQ(run.state().CurrentFilePath, QString());

    Show(run, [&](Form45& f) {
        const QPoint c1 = FolderEntryRect(f, f.Dir1->openIndex() + 1).center();
        QTest::mouseClick(f.Dir1->viewport(), Qt::LeftButton, {}, c1);
        QTest::mouseDClick(f.Dir1->viewport(), Qt::LeftButton, {}, c1);
        const QString c = FolderChild(tree.b, "c");
        EXPECT_EQ(f.Dir1->path(), c);
        EXPECT_EQ(f.File1->fileNames(), QStringList{"w.ziz-ir"});
        EXPECT_EQ(f.Dir1->listedFolders().last(), FolderChild(c, "tief"));
        // Up again: the entry of folder a among the ancestors.
        f.Dir1->openEntry(int(f.Dir1->listedFolders().indexOf(tree.a)));
        EXPECT_EQ(f.Dir1->path(), tree.a);
        EXPECT_EQ(f.File1->fileNames(), QStringList());
        f.Text1->setText(QStringLiteral("neu"));
        f.Command1->click();
    });
    EXPECT_EQ(run.state().CurrentFilePath, tree.a + "/neu");
    EXPECT_EQ(run.state().LastDir, tree.a) << "the folder that was open, not a highlighted one";
}

TEST(Form45Window, ConfirmHandsBackFolderAndNameAsTyped)
{
    TestRun run;
    MainWindow(run);
    Tree tree(run);
    run.state().LastDir = tree.b;
    run.state().CurrentFilePath = QStringLiteral("/vorher");
    EXPECT_TRUE(Show(run, [&](Form45& f) {
        f.Text1->setText(QStringLiteral("ohne Endung\\mit Strich"));
        f.Command1->click();
    }));
    EXPECT_EQ(run.state().CurrentFilePath, tree.b + "/ohne Endung\\mit Strich");
    EXPECT_EQ(run.state().DialogCancelled, 0);

    // At the root no separator is doubled.
    EXPECT_TRUE(Show(run, [&](Form45& f) {
        f.openFolder(QStringLiteral("/"));
        f.Text1->setText(QStringLiteral("x.ziz-ir"));
        f.Command1->click();
    }));
    EXPECT_EQ(run.state().CurrentFilePath, QStringLiteral("/x.ziz-ir"));
    EXPECT_EQ(run.state().LastDir, QStringLiteral("/"));
}

TEST(Form45Window, EveryWayOutThatIsNoConfirmCountsAsCancel)
{
    TestRun run;
    MainWindow(run);
    Tree tree(run);
    const std::function<void(Form45&)> ways[] = {
        [](Form45& f) { f.Command2->click(); },
        [](Form45& f) { QTest::keyClick(f.Text1, Qt::Key_Escape); },
        [](Form45& f) { f.close(); },  // the desktop's close command (Alt+F4)
    };
    for (const auto& way : ways) {
        run.state().LastDir = tree.b;
        run.state().CurrentFilePath = QStringLiteral("/vorher.ziz-ir");
        const bool goOn = Show(run, [&](Form45& f) {
            f.Dir1->setPath(tree.a);
            f.Text1->setText(QStringLiteral("getippt"));
            way(f);
        });
        EXPECT_FALSE(goOn);
        EXPECT_EQ(run.state().DialogCancelled, 1);
        EXPECT_EQ(run.state().CurrentFilePath, QStringLiteral("/vorher.ziz-ir"));
        EXPECT_EQ(run.state().LastDir, tree.a) << "the next dialog opens where this one was left";
    }
}

TEST(Form45Window, EnterInTheNameBoxAndDoubleClickInTheFileListConfirm)
{
    TestRun run;
    MainWindow(run);
    Tree tree(run);
    run.state().LastDir = tree.b;
    EXPECT_TRUE(Show(run, [&](Form45& f) {
        QTest::keyClicks(f.Text1, QStringLiteral("getippt"));
        QTest::keyClick(f.Text1, Qt::Key_Return);
        EXPECT_EQ(f.focusWidget(), f.Command1);
        QCoreApplication::processEvents();
    }));
    EXPECT_EQ(run.platform->keysSent, QStringList{"{Enter}"});
    EXPECT_EQ(run.state().CurrentFilePath, tree.b + "/getippt");

    EXPECT_TRUE(Show(run, [&](Form45& f) {
        const QRect y = f.File1->visualItemRect(f.File1->item(1));
        QTest::mouseClick(f.File1->viewport(), Qt::LeftButton, {}, y.center());
        EXPECT_EQ(f.Text1->text(), QStringLiteral("y.ZIZ-IR")) << "a click puts the name in the box";
        EXPECT_TRUE(f.isVisible());
        QTest::mouseDClick(f.File1->viewport(), Qt::LeftButton, {}, y.center());
        QCoreApplication::processEvents();
    }, QStringLiteral("vorgeschlagen.ziz-ir")));
    EXPECT_EQ(run.state().CurrentFilePath, tree.b + "/y.ZIZ-IR");
    EXPECT_EQ(run.state().LastDir, tree.b);
}

TEST(Form45Window, DrivesAndFoldersThatCannotBeOpenedLeaveTheListsAlone)
{
    TestRun run;
    MainWindow(run);
    Tree tree(run);
    const QString gone = run.path("ausgeworfen");
    run.platform->drives = {QStringLiteral("/"), tree.a, gone};
    run.state().LastDir = tree.b;
    Show(run, [&](Form45& f) {
        EXPECT_EQ(f.Drive1->drives(), (QStringList{"/", tree.a, gone}));
        EXPECT_EQ(f.Drive1->drive(), tree.a) << "the drive that holds the folder";

        f.Drive1->setCurrentIndex(2);
        emit f.Drive1->activated(2);
        EXPECT_EQ(f.Drive1->drive(), gone);
        EXPECT_EQ(f.Dir1->path(), tree.b) << "a drive that is not ready changes nothing";
        EXPECT_EQ(f.File1->path(), tree.b);

        EXPECT_TRUE(f.Dir1->setPath(tree.b + "/x.ziz-ir").has_value()) << "a file is no folder";
        EXPECT_EQ(f.Dir1->path(), tree.b);

        f.Drive1->setCurrentIndex(0);
        emit f.Drive1->activated(0);
        EXPECT_EQ(f.Dir1->path(), QStringLiteral("/"));
        EXPECT_EQ(f.File1->path(), QStringLiteral("/"));
        f.Command2->click();
    });
    EXPECT_EQ(run.state().LastDir, QStringLiteral("/"));
}

TEST(Form45HandOver, RememberedFolderThatIsGoneFallsBackToTheProgramFolder)
{
    TestRun run;
    MainWindow(run);
    for (const QString& remembered : {run.path("nicht-mehr-da"), run.path("datei.txt")}) {
        PutFile(run.path("datei.txt"), "x");
        run.state().LastDir = remembered;
        run.ui->expectMsg(QStringLiteral("Pfad nicht gefunden."), vbCritical,
                          QStringLiteral("Fehler RUV-O Fragebogen Laden"));
        Show(run, [&](Form45& f) {
            EXPECT_EQ(f.Dir1->path(), run.state().AppDir);
            EXPECT_EQ(f.Text1->text(), QStringLiteral("name.ziz-ir")) << "the name box is filled again";
            EXPECT_EQ(run.state().LastDir, run.state().AppDir);
            f.Command2->click();
        }, QStringLiteral("name.ziz-ir"));
        run.ui->verifyDone();
    }

    // With the program folder gone as well, the message comes once and the
    // dialog opens all the same.
    run.state().AppDir = run.path("auch-weg");
    run.state().LastDir = run.path("weg");
    run.ui->expectMsg(QStringLiteral("Pfad nicht gefunden."), vbCritical,
                      QStringLiteral("Fehler RUV-O Fragebogen Laden"));
    Show(run, [&](Form45& f) { f.Command2->click(); });
}

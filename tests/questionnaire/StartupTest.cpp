#include <gtest/gtest.h>

#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "files/SettingsFile.h"
#include "questionnaire/Form1.h"
#include "questionnaire/Form6.h"
#include "support/TestRun.h"
#include "ui/VbText.h"

namespace {

const QString kSmallScreen =
    QStringLiteral("Die Software setzt eine Bildschirmauflösung von mindestens 800 x 600 Pixeln voraus.");
const QString kSaveFirst =
    QStringLiteral("Die aktuelle Datei wurde geändert.\r\nSoll die Datei zuvor gespeichert werden?");

// The control that Tab moves to: the next in the focus chain that takes
// focus by Tab and can be reached.
QWidget* nextTabStop(QWidget* w)
{
    QWidget* next = w->nextInFocusChain();
    while (next != w && (!(next->focusPolicy() & Qt::TabFocus) || !next->isVisible() || !next->isEnabled()))
        next = next->nextInFocusChain();
    return next;
}

Form1& start(TestRun& run)
{
    return run.program->form<Form1>();
}

void writeSettings(TestRun& run, const QByteArray& content)
{
    QFile f(run.path(QStringLiteral("RUV-O-Fragebogen.ini")));
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(content);
}

}  // namespace

TEST(StartUp, SplashIsTheOnlyWindowForFourSecondsByTheClock)
{
    TestRun run;
    const double begin = run.platform->time;
    int checked = 0;
    run.platform->onSleep = [&] {
        Form6* splash = run.program->loadedForm<Form6>();
        Form1* main = run.program->loadedForm<Form1>();
        ASSERT_NE(splash, nullptr);
        EXPECT_TRUE(splash->isVisible());
        ASSERT_NE(main, nullptr);
        EXPECT_FALSE(main->isVisible());
        ++checked;
    };
    Form1& main = start(run);
    run.platform->onSleep = nullptr;
    EXPECT_GT(checked, 0);
    EXPECT_GE(run.platform->time - begin, 4.0);
    EXPECT_LT(run.platform->time - begin, 4.1);
    EXPECT_EQ(run.program->loadedForm<Form6>(), nullptr) << "the splash is unloaded";
    EXPECT_TRUE(main.isVisible());
    EXPECT_TRUE(main.isMaximized());
}

TEST(StartUp, MidnightDuringTheSplashEndsTheWaitEarly)
{
    TestRun run;
    run.platform->time = 86399.0;  // one second before midnight
    start(run);
    // The time of day jumped back, so the difference at once exceeded 4 s.
    EXPECT_LT(run.platform->time, 1.1);
    EXPECT_LT(run.platform->sleeps, 4 * 50 / 2);
}

TEST(StartUp, WarnsAboutAScreenNarrowerThan12000Twips)
{
    {
        TestRun run;
        run.platform->screen = QSizeF(12000, 9000);
        start(run);  // exactly 800 pixels: no warning
    }
    {
        TestRun run;
        run.platform->screen = QSizeF(11999, 9000);
        run.ui->expectMsg(kSmallScreen, vbExclamation, QStringLiteral("Bildschirmauflösung"));
        Form1& main = start(run);
        EXPECT_TRUE(main.isVisible()) << "start-up goes on after the warning";
    }
}

TEST(StartUp, PreparesTheMainWindowAndState)
{
    TestRun run;
    Form1& main = start(run);
    const ProgramState& s = run.state();
    EXPECT_EQ(s.AppDir, run.dir.path());
    EXPECT_EQ(s.WindowsDir, QStringLiteral("/usr"));
    EXPECT_EQ(s.Version, QStringLiteral("2.100"));
    EXPECT_TRUE(s.RecipientAddress.startsWith(QStringLiteral("das\r\nZurizazu\r\n")));
    EXPECT_EQ(s.RecipientAddress.count(QStringLiteral("\r\n")), 3);
    EXPECT_EQ(s.Answers, QString(324, u'0'));
    EXPECT_EQ(s.GuidanceActive, 1);
    EXPECT_TRUE(main.Label3->isVisible());
    EXPECT_EQ(main.Label1->text(), QStringLiteral("Auswählen"));
    EXPECT_EQ(main.Label2->text(), QStringLiteral("Bearbeiten"));
    EXPECT_EQ(main.Label4->text(), QStringLiteral("Informieren"));
    EXPECT_TRUE(main.Text1->isReadOnly());
    EXPECT_TRUE(main.Text2->isReadOnly());
    EXPECT_FALSE(main.Command16->isVisible());
    EXPECT_TRUE(main.Command26->isVisible());
    EXPECT_EQ(main.windowTitle(), QStringLiteral("RUV-O Fragebogen"));
    // Every header one button wide once the layout has run.
    EXPECT_EQ(main.Label1->width(), main.Command4->width());
    EXPECT_EQ(main.Label4->width(), main.Command4->width());
}

TEST(StartUp, TheTwelvePictureButtonsCarryTheirTooltipsInTabOrder)
{
    TestRun run;
    Form1& main = start(run);
    const QList<std::pair<QPushButton*, QString>> expected = {
        {main.Command4, QStringLiteral("Fragebogen Neu")},
        {main.Command5, QStringLiteral("Fragebogen Laden")},
        {main.Command17, QStringLiteral("Fragebogen Speichern")},
        {main.Command3, QStringLiteral("Wo ist mein abgespeicherter Fragebogen?")},
        {main.Command24, QStringLiteral("Stammdaten Anlegen")},
        {main.Command1, QStringLiteral("Fragebogen Bearbeiten")},
        {main.Command2, QStringLiteral("Fragebogen Übersicht Anzeigen")},
        {main.Command6, QStringLiteral("System Info")},
        {main.Command15, QStringLiteral("Internet / Support")},
        {main.Command7, QStringLiteral("Info")},
        {main.Command18, QStringLiteral("Hilfe zur Vorgehensweise")},
        {main.Command26, QStringLiteral("Automatische Abfolge der Arbeitsschritte")},
    };
    QWidget* w = main.Text1;
    EXPECT_EQ(nextTabStop(w), main.Text2);
    w = main.Text2;
    for (const auto& [button, tooltip] : expected) {
        EXPECT_EQ(button->toolTip(), tooltip);
        EXPECT_EQ(button->accessibleName(), tooltip);
        EXPECT_TRUE(button->text().isEmpty());
        EXPECT_FALSE(button->icon().isNull()) << tooltip.toStdString();
        EXPECT_EQ(button->size(), QSize(65, 65));
        EXPECT_EQ(nextTabStop(w), button) << "tab order before " << tooltip.toStdString();
        w = button;
    }
}

TEST(StartUp, DisplayScalingFollowsTheDensity)
{
    {
        TestRun run;
        start(run);
        EXPECT_EQ(run.state().DisplayScaled, 0);
    }
    {
        TestRun run;
        run.platform->twipsPerPixel = 12;  // 120 DPI
        start(run);
        EXPECT_EQ(run.state().DisplayScaled, 1);
    }
}

TEST(StartUp, ReadsTheSettingsFile)
{
    TestRun run;
    writeSettings(run, "/daten/ordner\r\n/daten/ordner/Muster.ziz-ir\r\n");
    start(run);
    EXPECT_EQ(run.state().LastDir, QStringLiteral("/daten/ordner"));
    EXPECT_EQ(run.state().LastDirAtStart, QStringLiteral("/daten/ordner"));
    EXPECT_EQ(run.state().LastSavedFile, QStringLiteral("/daten/ordner/Muster.ziz-ir"));
}

TEST(Exit, UnchangedRunAsksNothingAndWritesNoSettingsFile)
{
    TestRun run;
    Form1& main = start(run);
    main.close();
    EXPECT_TRUE(main.ended());
    EXPECT_FALSE(QFile::exists(run.path(QStringLiteral("RUV-O-Fragebogen.ini"))));
}

TEST(Exit, ChangedAnswersAskToSaveFirstAndNoSavesNothing)
{
    TestRun run;
    Form1& main = start(run);
    run.state().Modified = 1;
    run.ui->expectMsg(kSaveFirst, vbYesNoQuestion, QString(), vbNo);
    main.close();
    EXPECT_TRUE(main.ended());
}

TEST(Exit, WritesTheSettingsOnlyWhenTheFolderChanged)
{
    TestRun run;
    writeSettings(run, "/alt\r\n/alt/a.ziz-ir\r\n");
    Form1& main = start(run);
    run.state().LastDir = QStringLiteral("/neu, \"mit\" Zeichen");
    main.close();
    QFile f(run.path(QStringLiteral("RUV-O-Fragebogen.ini")));
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    EXPECT_EQ(f.readAll(), QByteArray("/neu, \"mit\" Zeichen\r\n/alt/a.ziz-ir\r\n"));
}

TEST(Exit, AFolderChangedAndSetBackIsNotWritten)
{
    TestRun run;
    writeSettings(run, "/alt\r\n\r\n");
    Form1& main = start(run);
    run.state().LastDir = QStringLiteral("/anders");
    run.state().LastDir = QStringLiteral("/alt");
    QFile::remove(run.path(QStringLiteral("RUV-O-Fragebogen.ini")));
    main.close();
    EXPECT_FALSE(QFile::exists(run.path(QStringLiteral("RUV-O-Fragebogen.ini"))));
}

TEST(MainWindowKeys, EnterInTheNameBoxMovesToTheDateBox)
{
    TestRun run;
    Form1& main = start(run);
    main.activateWindow();
    main.Text1->setFocus();
    main.Text1_KeyDown(13, 0);
    QCoreApplication::processEvents();
    EXPECT_EQ(run.platform->keysSent, QStringList{QStringLiteral("{TAB}")});
    EXPECT_EQ(main.focusWidget(), main.Text2);
    main.Text1_KeyDown(65, 0);  // any other key does nothing
    EXPECT_EQ(run.platform->keysSent.size(), 1);
}

TEST(MainWindowKeys, EnterInTheDateBoxPressesFragebogenBearbeiten)
{
    TestRun run;
    Form1& main = start(run);
    int pressed = 0;
    QObject::connect(main.Command1, &QPushButton::clicked, [&] { ++pressed; });
    main.Text2->setFocus();
    main.Text2_KeyDown(13, 0);
    EXPECT_EQ(main.focusWidget(), main.Command1);
    // With the name box empty, answering refuses with its own message.
    run.ui->expectMsg(QStringLiteral("Geben Sie erst Ihre Stammdaten (Name, Vorname, Wohnort etc.) ein.\r\n"
                                     "Wählen Sie dazu die Taste mit der Person."),
                      vbCritical, QStringLiteral("Stammdaten fehlen"));
    QCoreApplication::processEvents();
    EXPECT_EQ(pressed, 1);
}

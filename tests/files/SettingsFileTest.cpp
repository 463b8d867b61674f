#include <gtest/gtest.h>

#include <QDir>
#include <QFile>

#include "files/QuestionnaireFixture.h"
#include "files/SettingsFile.h"
#include "support/TestRun.h"

namespace {

struct SettingsRun : TestRun {
    SettingsRun() { state().AppDir = dir.path(); }
    void write(const QByteArray& content)
    {
        QFile f(path(QStringLiteral("RUV-O-Fragebogen.ini")));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(content);
    }
    QByteArray content()
    {
        QFile f(path(QStringLiteral("RUV-O-Fragebogen.ini")));
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }
};

}  // namespace

TEST(SettingsFile, ValuesComeBackUnchangedAfterAWriteAndARead)
{
    SettingsRun run;
    run.state().LastDir = QStringLiteral("  /daten/Müller, \"Büro\"");
    run.state().LastSavedFile = QString();
    WriteSettingsFile(*run.program);
    EXPECT_EQ(run.content(), QByteArray("  /daten/M\xFCller, \"B\xFCro\"\r\n\r\n"));
    run.state().LastDir = QStringLiteral("x");
    run.state().LastSavedFile = QStringLiteral("y");
    ReadSettingsFile(*run.program);
    EXPECT_EQ(run.state().LastDir, QStringLiteral("  /daten/Müller, \"Büro\""));
    EXPECT_EQ(run.state().LastSavedFile, QString());
}

TEST(SettingsFile, MissingOrShortFilesAreReadSilentlyAsFarAsTheyGo)
{
    SettingsRun run;
    ReadSettingsFile(*run.program);
    EXPECT_EQ(run.state().LastDir, QString());
    run.write("/nur/eine/zeile");
    ReadSettingsFile(*run.program);
    EXPECT_EQ(run.state().LastDir, QStringLiteral("/nur/eine/zeile"));
    EXPECT_EQ(run.state().LastSavedFile, QString());
}

TEST(SettingsFile, BinaryAndHugeLinesDoNotStopTheStart)
{
    SettingsRun run;
    QByteArray binary;
    for (int i = 0; i < 256; ++i)
        binary.append(char(i));
    run.write(binary);
    ReadSettingsFile(*run.program);
    EXPECT_EQ(run.state().LastDir.size(), 13) << "the first line ends at the first CR (byte 13)";
    run.write(QByteArray(1 << 20, 'a') + "\r\n/b\r\n");
    ReadSettingsFile(*run.program);
    EXPECT_EQ(run.state().LastDir.size(), 1 << 20);
    EXPECT_EQ(run.state().LastSavedFile, QStringLiteral("/b"));
}

TEST(SettingsFile, AFailedWriteShowsItsMessageAndKeepsTheValues)
{
    SettingsRun run;
    run.state().AppDir = run.path(QStringLiteral("gibt-es-nicht"));
    run.state().LastDir = QStringLiteral("/a");
    run.ui->expectMsg(QStringLiteral("Pfad nicht gefunden."), vbCritical, QStringLiteral("FehlerOptionenSpeichern"));
    WriteSettingsFile(*run.program);
    EXPECT_EQ(run.state().LastDir, QStringLiteral("/a"));
}

TEST(SettingsFile, AFolderInPlaceOfTheFileIsAFailureNotACrash)
{
    SettingsRun run;
    QDir(run.dir.path()).mkdir(QStringLiteral("RUV-O-Fragebogen.ini"));
    ReadSettingsFile(*run.program);
    EXPECT_EQ(run.state().LastDir, QString());
    run.ui->expectMsg(QStringLiteral("Zugriff verweigert."), vbCritical, QStringLiteral("FehlerOptionenSpeichern"));
    WriteSettingsFile(*run.program);
}

TEST(SettingsFile, APathTheCodePageCannotHoldIsNotWrittenHalfway)
{
    SettingsRun run;
    run.write("/alt\r\n/alt/f.ziz-ir\r\n");
    run.state().LastDir = QStringLiteral("/daten/日本");
    run.ui->expectMsg(QStringLiteral("Ungültiger Prozeduraufruf oder ungültiges Argument."), vbCritical,
                      QStringLiteral("FehlerOptionenSpeichern"));
    WriteSettingsFile(*run.program);
    EXPECT_EQ(run.content(), QByteArray("/alt\r\n/alt/f.ziz-ir\r\n"));
}

TEST(SettingsFile, AFolderNameWithACarriageReturnIsRefusedNotSplit)
{
    SettingsRun run;
    run.write("/alt\r\n/alt/f.ziz-ir\r\n");
    run.state().LastDir = QStringLiteral("/daten/zwei\rteile");
    run.ui->expectMsg(QStringLiteral("Ungültiger Prozeduraufruf oder ungültiges Argument."), vbCritical,
                      QStringLiteral("FehlerOptionenSpeichern"));
    WriteSettingsFile(*run.program);
    EXPECT_EQ(run.content(), QByteArray("/alt\r\n/alt/f.ziz-ir\r\n"));
}

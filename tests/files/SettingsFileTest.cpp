#include <gtest/gtest.h>

#include <functional>

#include <grp.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QDir>
#include <QFile>

#include "files/AnswerFile.h"
#include "files/PersonalDataFile.h"
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

// ------------------------------------- a program folder that refuses new files

namespace {

// Runs work() in a child process that may not create files in a folder of
// mode 0555 (run as root, the child becomes user nobody) and returns its exit
// code; 77 when the child cannot give up root.
int RunUnprivileged(const std::function<int()>& work)
{
    const pid_t pid = ::fork();
    if (pid == 0) {
        if (::geteuid() == 0 && (::setgroups(0, nullptr) != 0 || ::setgid(65534) != 0 || ::setuid(65534) != 0))
            ::_exit(77);
        ::_exit(work());
    }
    int status = 0;
    if (pid < 0 || ::waitpid(pid, &status, 0) != pid || !WIFEXITED(status))
        return -1;
    return WEXITSTATUS(status);
}

}  // namespace

TEST(ProgramFolderRefusingNewFiles, SettingsAndCarryOverAreWrittenInPlaceAnswerFilesAreNot)
{
    TestRun run;
    const QString folder = run.path(QStringLiteral("programm"));
    ASSERT_TRUE(QDir().mkpath(folder));
    run.state().AppDir = folder;
    const QString ini = QDir(folder).filePath(QStringLiteral("RUV-O-Fragebogen.ini"));
    const QString lst = QDir(folder).filePath(QStringLiteral("RUV-O-Fragebogen.lst"));
    const QString answers = QDir(folder).filePath(QStringLiteral("alt.ziz-ir"));
    const QByteArray old(200, 'x');  // longer than what replaces it
    for (const QString& file : {ini, lst, answers}) {
        QFile f(file);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(old);
        f.close();
        ASSERT_TRUE(f.setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ReadGroup
                                     | QFileDevice::WriteGroup | QFileDevice::ReadOther | QFileDevice::WriteOther));
    }
    const auto open = QFileDevice::ReadOwner | QFileDevice::ExeOwner | QFileDevice::ReadGroup | QFileDevice::ExeGroup
                      | QFileDevice::ReadOther | QFileDevice::ExeOther;
    ASSERT_TRUE(QFile::setPermissions(run.dir.path(), open | QFileDevice::WriteOwner));
    ASSERT_TRUE(QFile::setPermissions(folder, open));  // no new file can be made here

    ProgramState& s = run.state();
    s.LastDir = QStringLiteral("/daten");
    s.LastSavedFile = QStringLiteral("/daten/a.ziz-ir");
    s.ClientName = QStringLiteral("Muster");
    s.ClientFirstName = QStringLiteral("Erika");
    s.ResultPassword = QStringLiteral("geheim");
    s.Answers = QString(324, u'2');
    s.CurrentFilePath = answers;
    const int code = RunUnprivileged([&] {
        run.ui->expectMsg(QStringLiteral("Zugriff verweigert."), vbCritical,
                          QStringLiteral("Fehler beim Speichern des RUV-O Fragebogens"));
        WriteSettingsFile(*run.program);
        WriteCarryOverFile(*run.program);
        WriteAnswerFile(*run.program);
        // Only the answer file's refusal may have been shown.
        return run.ui->messages.size() == 1 && run.ui->pending() == 0 ? 0 : 1;
    });
    QFile::setPermissions(folder, open | QFileDevice::WriteOwner);
    if (code == 77)
        GTEST_SKIP() << "cannot give up root here";
    EXPECT_EQ(code, 0) << "a message other than the answer file's refusal came";

    EXPECT_EQ(FileBytes(ini), QByteArray("/daten\r\n/daten/a.ziz-ir\r\n"));
    const QByteArray carried = FileBytes(lst);
    EXPECT_TRUE(carried.startsWith("Muster\r\nErika\r\n")) << carried.toStdString();
    EXPECT_EQ(carried.count("\r\n"), 13);
    EXPECT_EQ(FileBytes(answers), old) << "the answer file is never written in place";
    EXPECT_EQ(QDir(folder).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot).size(), 3);
}

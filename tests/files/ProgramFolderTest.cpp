// A program folder that refuses new files: the settings and carry-over files
// are written in place there, and that road must lose and leak nothing that
// the complete-then-replace road keeps safe.

#include <gtest/gtest.h>

#include <csignal>
#include <functional>

#include <grp.h>
#include <sys/resource.h>
#include <sys/stat.h>
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

constexpr uid_t Nobody = 65534;
constexpr int CannotGiveUpRoot = 77;

// Starts work() in a child process that may not create files in a folder of
// mode 0555 (run as root, the child becomes user nobody).
pid_t StartUnprivileged(const std::function<int()>& work)
{
    const pid_t pid = ::fork();
    if (pid == 0) {
        if (::geteuid() == 0 && (::setgroups(0, nullptr) != 0 || ::setgid(Nobody) != 0 || ::setuid(Nobody) != 0))
            ::_exit(CannotGiveUpRoot);
        ::_exit(work());
    }
    return pid;
}

// The child's exit code; -1 when it did not exit by itself.
int ExitCode(pid_t pid)
{
    int status = 0;
    if (pid < 0 || ::waitpid(pid, &status, 0) != pid || !WIFEXITED(status))
        return -1;
    return WEXITSTATUS(status);
}

int RunUnprivileged(const std::function<int()>& work)
{
    return ExitCode(StartUnprivileged(work));
}

// 0 when the child saw exactly the scripted messages.
int ScriptKept(TestRun& run)
{
    return run.ui->pending() == 0 && !::testing::Test::HasFailure() ? 0 : 1;
}

const auto OpenFolder = QFileDevice::ReadOwner | QFileDevice::ExeOwner | QFileDevice::ReadGroup
                        | QFileDevice::ExeGroup | QFileDevice::ReadOther | QFileDevice::ExeOther;
const auto Everyone = QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ReadGroup
                      | QFileDevice::WriteGroup | QFileDevice::ReadOther | QFileDevice::WriteOther;

// A program folder "programm" whose files the test puts there before it
// refuses new ones; the work runs in the unprivileged child.
struct ClosedProgramFolder : TestRun {
    QString folder = path(QStringLiteral("programm"));
    QString ini = QDir(folder).filePath(QStringLiteral("RUV-O-Fragebogen.ini"));
    QString lst = QDir(folder).filePath(QStringLiteral("RUV-O-Fragebogen.lst"));

    ClosedProgramFolder()
    {
        QDir().mkpath(folder);
        state().AppDir = folder;
        QFile::setPermissions(dir.path(), OpenFolder | QFileDevice::WriteOwner);
    }
    ~ClosedProgramFolder() { QFile::setPermissions(folder, OpenFolder | QFileDevice::WriteOwner); }

    // A file that the child may write; ownedByChild: the child's own.
    void put(const QString& file, const QByteArray& bytes, bool ownedByChild = true)
    {
        PutFile(file, bytes);
        QFile::setPermissions(file, Everyone);
        if (ownedByChild && ::geteuid() == 0)
            ASSERT_EQ(::chown(QFile::encodeName(file).constData(), Nobody, Nobody), 0);
    }
    void close() { ASSERT_TRUE(QFile::setPermissions(folder, OpenFolder)); }

    QStringList entries() const
    {
        return QDir(folder).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot);
    }
};

void SetRecord(ProgramState& s, const QString& name, const QString& password)
{
    FillQuestionnaireState(s, name);
    s.ResultPassword = password;
}

// The first count lines of a file, as a reader takes them.
QList<QByteArray> FirstLines(const QString& file, int count)
{
    QList<QByteArray> lines = CrLfLines(FileBytes(file));
    return lines.mid(0, count);
}

}  // namespace

TEST(ProgramFolderRefusingNewFiles, SettingsAndCarryOverAreWrittenInPlaceAnswerFilesAreNot)
{
    ClosedProgramFolder run;
    const QString answers = QDir(run.folder).filePath(QStringLiteral("alt.ziz-ir"));
    const QByteArray old(400, 'x');  // longer than what replaces it: the rest must go
    for (const QString& file : {run.ini, run.lst, answers})
        run.put(file, old);
    run.close();

    ProgramState& s = run.state();
    s.LastDir = QStringLiteral("/daten");
    s.LastSavedFile = QStringLiteral("/daten/a.ziz-ir");
    SetRecord(s, QStringLiteral("Muster"), QStringLiteral("geheim"));
    s.CurrentFilePath = answers;
    const int code = RunUnprivileged([&] {
        run.ui->expectMsg(QStringLiteral("Zugriff verweigert."), vbCritical,
                          QStringLiteral("Fehler beim Speichern des RUV-O Fragebogens"));
        WriteSettingsFile(*run.program);
        WriteCarryOverFile(*run.program);
        WriteAnswerFile(*run.program);
        return ScriptKept(run);
    });
    if (code == CannotGiveUpRoot)
        GTEST_SKIP() << "cannot give up root here";
    EXPECT_EQ(code, 0) << "a message other than the answer file's refusal came";

    EXPECT_EQ(FileBytes(run.ini), QByteArray("/daten\r\n/daten/a.ziz-ir\r\n"));
    const QByteArray carried = FileBytes(run.lst);
    EXPECT_TRUE(carried.startsWith("Muster\r\nJ\xFCrgen\r\n")) << carried.toStdString();
    EXPECT_TRUE(carried.endsWith("geheim\r\n"));
    EXPECT_EQ(carried.count("\r\n"), 13);
    EXPECT_EQ(QFileInfo(run.lst).permissions() & Everyone, QFileDevice::ReadOwner | QFileDevice::WriteOwner)
        << "the carry-over file holds the password";
    EXPECT_EQ(FileBytes(answers), old) << "the answer file is never written in place";
    EXPECT_EQ(run.entries().size(), 3);
}

TEST(ProgramFolderRefusingNewFiles, AFullDiskLeavesTheOldContentWhole)
{
    // The file may not grow: the longer new content finds no room.
    ClosedProgramFolder run;
    ProgramState& s = run.state();
    s.LastDir = QStringLiteral("/a");
    s.LastSavedFile = QStringLiteral("/a/b.ziz-ir");
    WriteSettingsFile(*run.program);
    SetRecord(s, QStringLiteral("Alt"), QStringLiteral("altes Passwort"));
    WriteCarryOverFile(*run.program);
    const QByteArray iniBefore = FileBytes(run.ini);
    const QByteArray lstBefore = FileBytes(run.lst);
    run.put(run.ini, iniBefore);
    run.put(run.lst, lstBefore);
    run.close();

    s.LastDir = QStringLiteral("/ein/viel/längerer/ordner/als/vorher");
    s.LastSavedFile = QStringLiteral("/ein/viel/längerer/ordner/als/vorher/Neumann Eva 08.12.2026.ziz-ir");
    SetRecord(s, QStringLiteral("Neumann-Oberhollenzer"), QStringLiteral("ein neues, langes Passwort"));
    const int code = RunUnprivileged([&] {
        ::signal(SIGXFSZ, SIG_IGN);
        const rlim_t smallest = rlim_t(qMin(iniBefore.size(), lstBefore.size()));
        const rlimit limit{smallest, smallest};
        if (::setrlimit(RLIMIT_FSIZE, &limit) != 0)
            return 2;
        const QString writeFailed = QStringLiteral("Fehler beim Schreiben der Datei.");
        run.ui->expectMsg(writeFailed, vbCritical, QStringLiteral("FehlerOptionenSpeichern"));
        run.ui->expectMsg(writeFailed, vbCritical, QStringLiteral("Fehler Stammdaten Speichern"));
        WriteSettingsFile(*run.program);
        WriteCarryOverFile(*run.program);
        return ScriptKept(run);
    });
    if (code == CannotGiveUpRoot)
        GTEST_SKIP() << "cannot give up root here";
    EXPECT_EQ(code, 0) << "each failed write is reported";
    EXPECT_EQ(FileBytes(run.ini), iniBefore);
    EXPECT_EQ(FileBytes(run.lst), lstBefore);
    EXPECT_EQ(run.entries().size(), 2);
}

TEST(ProgramFolderRefusingNewFiles, ACarryOverFileOthersCanReadIsNotWritten)
{
    if (::geteuid() != 0)
        GTEST_SKIP() << "needs a file owned by another user";
    // Owned by root and open to everyone: the child can write it but not
    // close it to others, so the password does not go there.
    ClosedProgramFolder run;
    const QByteArray before = "Alt\r\nAnna\r\n";
    run.put(run.lst, before, /*ownedByChild=*/false);
    run.close();
    SetRecord(run.state(), QStringLiteral("Muster"), QStringLiteral("geheim"));
    const int code = RunUnprivileged([&] {
        run.ui->expectMsg(QStringLiteral("Zugriff verweigert."), vbCritical,
                          QStringLiteral("Fehler Stammdaten Speichern"));
        WriteCarryOverFile(*run.program);
        return ScriptKept(run);
    });
    if (code == CannotGiveUpRoot)
        GTEST_SKIP() << "cannot give up root here";
    EXPECT_EQ(code, 0);
    EXPECT_EQ(FileBytes(run.lst), before);
    EXPECT_EQ(QFileInfo(run.lst).permissions() & Everyone, Everyone) << "nothing about it changed";
}

TEST(ProgramFolderRefusingNewFiles, ACarryOverFileThatCannotBeDeletedIsEmptied)
{
    ClosedProgramFolder run;
    SetRecord(run.state(), QStringLiteral("Muster"), QStringLiteral("geheim"));
    WriteCarryOverFile(*run.program);
    run.put(run.lst, FileBytes(run.lst));
    run.close();
    const int code = RunUnprivileged([&] {
        DeleteCarryOverFile(*run.program);
        // The next start offers nothing.
        for (int i = 0; i < ProgramState::PersonalFieldCount; ++i)
            run.state().personalField(i)->clear();
        run.state().ResultPassword.clear();
        LoadCarryOverData(*run.program);
        return ScriptKept(run) == 0 && run.state().ClientName.isEmpty() ? 0 : 1;
    });
    if (code == CannotGiveUpRoot)
        GTEST_SKIP() << "cannot give up root here";
    EXPECT_EQ(code, 0) << "the next start offered the last client's data";
    EXPECT_TRUE(QFile::exists(run.lst));
    EXPECT_EQ(FileBytes(run.lst), QByteArray());
}

TEST(ProgramFolderRefusingNewFiles, AKillDuringTheWriteLeavesOneWholeRecord)
{
    // The child writes two records in turn, telling the parent before each
    // write; the parent kills it at once after one of those words. Whenever
    // the kill lands, a reader finds one of the two records whole.
    ClosedProgramFolder run;
    ProgramState& s = run.state();
    SetRecord(s, QStringLiteral("Lang-Oberhollenzer"), QStringLiteral("das erste, sehr lange Passwort"));
    s.ClientStreet = QString(90, u'S');
    WriteCarryOverFile(*run.program);
    const QList<QByteArray> longer = FirstLines(run.lst, 13);
    SetRecord(s, QStringLiteral("Kurz"), QStringLiteral("zwei"));
    WriteCarryOverFile(*run.program);
    const QList<QByteArray> shorter = FirstLines(run.lst, 13);
    ASSERT_EQ(longer.size(), 13);
    ASSERT_EQ(shorter.size(), 13);
    run.put(run.lst, FileBytes(run.lst));
    run.close();

    int killed = 0;
    for (int round = 0; round < 60; ++round) {
        int pipeEnds[2];
        ASSERT_EQ(::pipe(pipeEnds), 0);
        const pid_t pid = StartUnprivileged([&] {
            ::close(pipeEnds[0]);
            for (int i = 0;; ++i) {
                const bool first = i % 2 == 0;
                SetRecord(s, first ? QStringLiteral("Lang-Oberhollenzer") : QStringLiteral("Kurz"),
                          first ? QStringLiteral("das erste, sehr lange Passwort") : QStringLiteral("zwei"));
                s.ClientStreet = first ? QString(90, u'S') : QStringLiteral("Große Gasse 5a");
                if (::write(pipeEnds[1], "w", 1) != 1)
                    return 3;
                WriteCarryOverFile(*run.program);
            }
        });
        ::close(pipeEnds[1]);
        // Vary the moment: after the first to the seventh announced write.
        char word = 0;
        for (int i = 0; i <= round % 7; ++i) {
            if (::read(pipeEnds[0], &word, 1) != 1)
                break;
        }
        ::kill(pid, SIGKILL);
        const int code = ExitCode(pid);
        ::close(pipeEnds[0]);
        if (code == CannotGiveUpRoot)
            GTEST_SKIP() << "cannot give up root here";
        killed += code == -1;
        const QList<QByteArray> lines = FirstLines(run.lst, 13);
        ASSERT_TRUE(lines == longer || lines == shorter) << "round " << round << ":\n"
                                                         << FileBytes(run.lst).toStdString();
    }
    EXPECT_EQ(killed, 60);
}

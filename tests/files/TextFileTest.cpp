#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <sys/stat.h>

#include "files/TextFile.h"

namespace {

class TextFileTest : public ::testing::Test {
protected:
    QTemporaryDir dir;
    QString put(const QByteArray& content)
    {
        const QString path = dir.filePath(QStringLiteral("f.txt"));
        QFile f(path);
        EXPECT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(content);
        return path;
    }
};

}  // namespace

TEST_F(TextFileTest, ALineEndsAtCarriageReturnAndALineFeedRightAfterBelongsToIt)
{
    const LinesRead r = ReadLines(put("eins\r\nzwei\rdrei\nvier\r\n"), 3);
    EXPECT_FALSE(r.failure);
    EXPECT_EQ(r.lines, (QList<QByteArray>{"eins", "zwei", "drei\nvier"}));
}

TEST_F(TextFileTest, TheLastLineMayLackItsLineEnd)
{
    const LinesRead r = ReadLines(put("a\r\nb"), 2);
    EXPECT_FALSE(r.failure);
    EXPECT_EQ(r.lines, (QList<QByteArray>{"a", "b"}));
}

TEST_F(TextFileTest, FewerLinesGiveWhatWasReadAndPastEndOfFile)
{
    const LinesRead r = ReadLines(put("a\r\n\r\n"), 3);
    ASSERT_TRUE(r.failure);
    EXPECT_EQ(*r.failure, FileFailure::PastEndOfFile);
    EXPECT_EQ(r.lines, (QList<QByteArray>{"a", ""}));
    EXPECT_EQ(*ReadLines(put(""), 1).failure, FileFailure::PastEndOfFile);
}

TEST_F(TextFileTest, ALineEndSplitAcrossTheReadBufferIsOneLineEnd)
{
    // The CR is the last byte of the first 64 KiB block, its LF the first of
    // the next: the LF must not start the second line.
    QByteArray content(65535, 'x');
    content += "\r\nzwei\r\n";
    const LinesRead r = ReadLines(put(content), 2);
    EXPECT_FALSE(r.failure);
    ASSERT_EQ(r.lines.size(), 2);
    EXPECT_EQ(r.lines[0].size(), 65535);
    EXPECT_EQ(r.lines[1], QByteArray("zwei"));
}

TEST_F(TextFileTest, MissingFilesAndFoldersAreFailuresOfTheirOwn)
{
    EXPECT_EQ(*ReadLines(dir.filePath(QStringLiteral("fehlt")), 1).failure, FileFailure::NotFound);
    EXPECT_EQ(*ReadLines(dir.filePath(QStringLiteral("kein/ordner")), 1).failure, FileFailure::PathNotFound);
    EXPECT_EQ(*ReadLines(dir.path(), 1).failure, FileFailure::AccessDenied);
}

TEST_F(TextFileTest, PipesAndDevicesAreRefusedWithoutWaitingOnThem)
{
    const QString pipe = dir.filePath(QStringLiteral("rohr"));
    ASSERT_EQ(::mkfifo(QFile::encodeName(pipe).constData(), 0600), 0);
    // Opening a pipe with no writer would block for ever.
    EXPECT_EQ(*ReadLines(pipe, 1).failure, FileFailure::AccessDenied);
    EXPECT_FALSE(CanOpenForReading(pipe));
    EXPECT_EQ(*WriteLines(pipe, {"a"}), FileFailure::AccessDenied);
    // A device without end would fill the memory.
    EXPECT_EQ(*ReadLines(QStringLiteral("/dev/zero"), 1).failure, FileFailure::AccessDenied);
}

TEST_F(TextFileTest, AValueWithACarriageReturnIsRefusedAndTheOldFileStays)
{
    const QString path = put("alt\r\n");
    EXPECT_EQ(*WriteLines(path, {"eins", "zwei\rdrei"}), FileFailure::InvalidArgument);
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    EXPECT_EQ(f.readAll(), QByteArray("alt\r\n"));
    EXPECT_FALSE(WriteLines(path, {"mit\nzeilenvorschub"})) << "a line feed alone stays in its line";
}

TEST_F(TextFileTest, WritingReplacesTheFileOnlyWhenComplete)
{
    const QString path = put("alt\r\n");
    EXPECT_FALSE(WriteLines(path, {"neu", "", "ende"}));
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    EXPECT_EQ(f.readAll(), QByteArray("neu\r\n\r\nende\r\n"));
    EXPECT_EQ(*WriteLines(dir.filePath(QStringLiteral("kein/ordner/x")), {"a"}), FileFailure::PathNotFound);
    EXPECT_EQ(*WriteLines(dir.path(), {"a"}), FileFailure::AccessDenied);
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList{QStringLiteral("f.txt")})
        << "no temporary file is left behind";
}

TEST(CleanFileName, RemovesRefusedCharactersThenOneFullStopThenOneBlank)
{
    EXPECT_EQ(CleanFileName(QStringLiteral("Muster, Erika 01.02.2012")), QStringLiteral("Muster Erika 01.02.2012"));
    EXPECT_EQ(CleanFileName(QStringLiteral("Muster/Sohn, Erika?")), QStringLiteral("MusterSohn Erika"));
    EXPECT_EQ(CleanFileName(QStringLiteral("Erika.")), QStringLiteral("Erika"));
    EXPECT_EQ(CleanFileName(QStringLiteral("Erika .")), QStringLiteral("Erika"));
    EXPECT_EQ(CleanFileName(QStringLiteral("Erika. ")), QStringLiteral("Erika."));
    EXPECT_EQ(CleanFileName(QStringLiteral("Erika..")), QStringLiteral("Erika."));
    EXPECT_EQ(CleanFileName(QStringLiteral(",  ")), QString()) << "two blanks become one, then nothing";
    EXPECT_EQ(CleanFileName(QStringLiteral("a\"b<c>d|e:f;g*h\\i")), QStringLiteral("abcdefghi"));
    EXPECT_EQ(CleanFileName(QStringLiteral("a") + QChar(0) + QStringLiteral("b\tc\nd\re\x1f" "f\x7f" "g")),
              QStringLiteral("abcdefg"));
    EXPECT_EQ(CleanFileName(QStringLiteral("Erika.\n")), QStringLiteral("Erika")) << "removed before the stop";
}

TEST(LastComponent, IsWhatFollowsTheLastSeparator)
{
    EXPECT_EQ(LastComponent(QStringLiteral("/a/b/c.ziz-ir")), QStringLiteral("c.ziz-ir"));
    EXPECT_EQ(LastComponent(QStringLiteral("c.ziz-ir")), QStringLiteral("c.ziz-ir"));
    EXPECT_EQ(LastComponent(QStringLiteral("/a/")), QString());
    EXPECT_EQ(JoinPath(QStringLiteral("/"), QStringLiteral("x")), QStringLiteral("/x"));
    EXPECT_EQ(JoinPath(QStringLiteral("/a"), QStringLiteral("x")), QStringLiteral("/a/x"));
}

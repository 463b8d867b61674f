#pragma once

#include <optional>

#include <QByteArray>
#include <QList>
#include <QString>

// Why a file operation failed. Each failure has a German description, which
// the program shows followed by ".".
enum class FileFailure {
    NotFound,         // the file does not exist
    PathNotFound,     // its folder does not exist
    AccessDenied,     // no permission, or a folder in place of the file
    PastEndOfFile,    // fewer lines than the format has
    InvalidArgument,  // a value that the format cannot take
    TypeMismatch,     // a character where a digit belongs
    WriteFailed,      // the disk refused the data
    ReadFailed        // the disk refused to give the data
};

QString DescribeFailure(FileFailure failure);

// Reads the first `count` lines of a text file. A line ends at a carriage
// return; a line feed directly after it belongs to that line end, a line feed
// anywhere else stays in the line. The last line may lack its line end. Fewer
// lines than asked for give PastEndOfFile together with the lines read.
struct LinesRead {
    QList<QByteArray> lines;
    std::optional<FileFailure> failure;
};
LinesRead ReadLines(const QString& path, int count);

// How WriteLines may write.
enum WriteOption {
    // Readable by its owner alone (files that hold the result password).
    OwnerOnly = 1,
    // Where no new file can be made beside the target (a program folder that
    // refuses new files), an existing, writable target is written in place,
    // never cut before the new content is on disk: a failure or a kill
    // leaves the old lines readable, or the new ones followed by a piece of
    // the old. Only for files whose readers read a fixed number of lines.
    // With OwnerOnly, only a file that ends up ours and closed to everyone
    // else is written in place.
    InPlaceIfNeeded = 2
};

// Writes the lines, each followed by CR LF, to a file beside the target and
// puts it in the target's place only once it is complete, so a failed write
// never destroys the file that was there (see InPlaceIfNeeded for the one
// exception). options: WriteOption values or-ed together.
std::optional<FileFailure> WriteLines(const QString& path, const QList<QByteArray>& lines, int options = 0);

// Cuts an existing file to length 0; for a file that should be gone but
// cannot be deleted. Failures are ignored: there is nothing more to try.
void EmptyFile(const QString& path);

// True when the file can be opened for reading.
bool CanOpenForReading(const QString& path);

// Characters a file name of the program may not hold: the eleven that the
// refusal message names, and every control character (U+0000 to U+001F,
// U+007F), which would cut the name short or change it on disk.
inline const QString RefusedInFileName = QStringLiteral(",?\\/*<>|:;\"");
bool IsRefusedInFileName(QChar c);
bool HoldsRefusedFileNameCharacter(const QString& name);

// A text made fit for a file name: every refused character removed, then one
// trailing full stop, then one trailing blank; a lone blank becomes empty.
QString CleanFileName(QString name);

// The last component of a path: what follows the last separator.
QString LastComponent(const QString& path);

// Folder and name joined with this platform's separator (no doubled
// separator at a root).
QString JoinPath(const QString& folder, const QString& name);

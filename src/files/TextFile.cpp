#include "files/TextFile.h"

#include <algorithm>
#include <cerrno>
#include <cstring>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

QString DescribeFailure(FileFailure failure)
{
    switch (failure) {
    case FileFailure::NotFound: return QStringLiteral("Datei nicht gefunden");
    case FileFailure::PathNotFound: return QStringLiteral("Pfad nicht gefunden");
    case FileFailure::AccessDenied: return QStringLiteral("Zugriff verweigert");
    case FileFailure::PastEndOfFile: return QStringLiteral("Einlesen hinter Dateiende");
    case FileFailure::InvalidArgument: return QStringLiteral("Ungültiger Prozeduraufruf oder ungültiges Argument");
    case FileFailure::TypeMismatch: return QStringLiteral("Typen unverträglich");
    case FileFailure::WriteFailed: return QStringLiteral("Fehler beim Schreiben der Datei");
    case FileFailure::ReadFailed: return QStringLiteral("Fehler beim Lesen der Datei");
    }
    return QString();
}

namespace {

constexpr qint64 MaxBytesRead = qint64(256) * 1024 * 1024;

FileFailure openFailure(const QString& path)
{
    const QFileInfo info(path);
    if (info.exists() && !info.isFile())
        return FileFailure::AccessDenied;
    if (!info.exists())
        return QFileInfo(info.absolutePath()).isDir() ? FileFailure::NotFound : FileFailure::PathNotFound;
    return FileFailure::AccessDenied;
}

}  // namespace

LinesRead ReadLines(const QString& path, int count)
{
    LinesRead result;
    // The system would end the name at a NUL and open another file.
    if (path.contains(QChar(0))) {
        result.failure = FileFailure::InvalidArgument;
        return result;
    }
    QFile file(path);
    const QFileInfo info(path);
    // Folders, devices and pipes are no text files: a pipe would block the
    // read, a device might never end.
    if ((info.exists() && !info.isFile()) || !file.open(QIODevice::ReadOnly)) {
        result.failure = openFailure(path);
        return result;
    }
    qint64 total = 0;
    QByteArray line;
    bool pendingCr = false;  // a CR ended the last line; an LF right after it belongs to it
    bool lineStarted = false;
    char buffer[65536];
    while (result.lines.size() < count) {
        const qint64 n = file.read(buffer, sizeof buffer);
        if (n < 0) {
            result.failure = FileFailure::ReadFailed;
            return result;
        }
        if (n == 0)
            break;
        // No file of the program comes near this; a bigger one is not ours.
        total += n;
        if (total > MaxBytesRead) {
            result.failure = FileFailure::ReadFailed;
            return result;
        }
        qint64 i = 0;
        while (i < n && result.lines.size() < count) {
            if (pendingCr) {
                pendingCr = false;
                if (buffer[i] == '\n') {
                    ++i;
                    continue;
                }
            }
            // Take everything up to the next CR in one piece.
            const char* start = buffer + i;
            const void* cr = std::memchr(start, '\r', size_t(n - i));
            const qint64 end = cr ? static_cast<const char*>(cr) - buffer : n;
            if (end > i) {
                line.append(start, end - i);
                lineStarted = true;
            }
            i = end;
            if (cr) {
                result.lines.append(line);
                line.clear();
                lineStarted = false;
                pendingCr = true;
                ++i;
            }
        }
    }
    if (result.lines.size() < count && lineStarted)
        result.lines.append(line);
    if (result.lines.size() < count)
        result.failure = FileFailure::PastEndOfFile;
    return result;
}

namespace {

// Closes the descriptor on every way out.
struct Descriptor {
    int fd;
    ~Descriptor()
    {
        if (fd >= 0)
            ::close(fd);
    }
};

// Writes the content over an existing file without ever cutting it first, so
// that the old content survives every failure and a kill at any point: room
// for the new length is reserved before a byte changes, the content goes to
// disk, and only then is the file cut to its new length. A kill between the
// two leaves the new lines followed by a piece of the old ones, which no
// reader gets to, since each reads only as many lines as its file has.
std::optional<FileFailure> WriteInPlace(const QString& path, const QByteArray& content, bool ownerOnly)
{
    const QByteArray name = QFile::encodeName(path);
    // Read access lets the system reserve room on file systems that cannot
    // do it at once; a file we may only write is written all the same.
    Descriptor file{::open(name.constData(), O_RDWR | O_CLOEXEC)};
    if (file.fd < 0)
        file.fd = ::open(name.constData(), O_WRONLY | O_CLOEXEC);
    if (file.fd < 0)
        return FileFailure::AccessDenied;
    struct stat before {};
    if (::fstat(file.fd, &before) != 0 || !S_ISREG(before.st_mode))
        return FileFailure::AccessDenied;
    if (ownerOnly) {
        // What it will hold is for its owner's eyes alone, and that owner
        // must be whoever writes it: a file that stays open to others is
        // not written at all.
        ::fchmod(file.fd, S_IRUSR | S_IWUSR);
        struct stat now {};
        if (::fstat(file.fd, &now) != 0 || now.st_uid != ::geteuid() || (now.st_mode & 077) != 0)
            return FileFailure::AccessDenied;
    }
    const off_t length = off_t(content.size());
    if (length > 0 && ::posix_fallocate(file.fd, 0, length) != 0) {
        // A reservation that got part of the way may have lengthened the
        // file; the old bytes themselves are untouched.
        struct stat now {};
        if (::fstat(file.fd, &now) == 0 && now.st_size != before.st_size)
            (void)!::ftruncate(file.fd, before.st_size);
        return FileFailure::WriteFailed;
    }
    for (off_t done = 0; done < length;) {
        const ssize_t n = ::pwrite(file.fd, content.constData() + done, size_t(length - done), done);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            return FileFailure::WriteFailed;
        done += n;
    }
    if (::fdatasync(file.fd) != 0)
        return FileFailure::WriteFailed;
    if (before.st_size > length && (::ftruncate(file.fd, length) != 0 || ::fdatasync(file.fd) != 0))
        return FileFailure::WriteFailed;
    const int fd = file.fd;
    file.fd = -1;
    if (::close(fd) != 0)
        return FileFailure::WriteFailed;
    return std::nullopt;
}

}  // namespace

std::optional<FileFailure> WriteLines(const QString& path, const QList<QByteArray>& lines, int options)
{
    const bool ownerOnly = options & OwnerOnly;
    // The system would end the name at a NUL and write another file.
    if (path.contains(QChar(0)))
        return FileFailure::InvalidArgument;
    const QFileInfo target(path);
    if (target.exists() && !target.isFile())
        return FileFailure::AccessDenied;
    // A carriage return inside a value would end its line early and shift
    // every line after it when the file is read.
    QByteArray content;
    for (const QByteArray& line : lines) {
        if (line.contains('\r'))
            return FileFailure::InvalidArgument;
        content += line;
        content += "\r\n";
    }
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        // No new file can be made beside the target, or the target itself
        // refuses writing: an existing one may still be written in place.
        if ((options & InPlaceIfNeeded) && target.isFile())
            return WriteInPlace(path, content, ownerOnly);
        if (!QFileInfo(QFileInfo(path).absolutePath()).isDir())
            return FileFailure::PathNotFound;
        return FileFailure::AccessDenied;
    }
    if (ownerOnly)
        file.setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner);
    if (file.write(content) != content.size()) {
        file.cancelWriting();
        return FileFailure::WriteFailed;
    }
    // QSaveFile::commit() does not notice a short write while flushing its
    // buffer (disk full, size limit) and would put a truncated file in place.
    if (!file.flush()) {
        file.cancelWriting();
        return FileFailure::WriteFailed;
    }
    if (!file.commit())
        return FileFailure::WriteFailed;
    if (ownerOnly)
        QFile::setPermissions(path, QFileDevice::ReadOwner | QFileDevice::WriteOwner);
    return std::nullopt;
}

void EmptyFile(const QString& path)
{
    if (path.contains(QChar(0)) || !QFileInfo(path).isFile())
        return;
    Descriptor file{::open(QFile::encodeName(path).constData(), O_WRONLY | O_TRUNC | O_CLOEXEC)};
    if (file.fd >= 0)
        ::fdatasync(file.fd);
}

bool CanOpenForReading(const QString& path)
{
    if (path.isEmpty() || path.contains(QChar(0)) || !QFileInfo(path).isFile())
        return false;
    QFile file(path);
    return file.open(QIODevice::ReadOnly);
}

bool IsRefusedInFileName(QChar c)
{
    return c.unicode() < 0x20 || c.unicode() == 0x7F || RefusedInFileName.contains(c);
}

bool HoldsRefusedFileNameCharacter(const QString& name)
{
    return std::any_of(name.begin(), name.end(), IsRefusedInFileName);
}

QString CleanFileName(QString name)
{
    name.removeIf(IsRefusedInFileName);
    if (name.endsWith(u'.'))
        name.chop(1);
    if (name.endsWith(u' '))
        name.chop(1);
    if (name == QStringLiteral(" "))
        name.clear();
    return name;
}

QString LastComponent(const QString& path)
{
    const int at = path.lastIndexOf(QDir::separator());
    return at < 0 ? path : path.mid(at + 1);
}

QString JoinPath(const QString& folder, const QString& name)
{
    if (folder.endsWith(QDir::separator()))
        return folder + name;
    return folder + QDir::separator() + name;
}

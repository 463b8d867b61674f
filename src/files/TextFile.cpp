#include "files/TextFile.h"

#include <algorithm>
#include <cstring>

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
    for (const QByteArray& line : lines) {
        if (line.contains('\r'))
            return FileFailure::InvalidArgument;
    }
    QSaveFile file(path);
    file.setDirectWriteFallback(options & InPlaceIfNeeded);
    if (!file.open(QIODevice::WriteOnly)) {
        if (!QFileInfo(QFileInfo(path).absolutePath()).isDir())
            return FileFailure::PathNotFound;
        return FileFailure::AccessDenied;
    }
    if (ownerOnly)
        file.setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner);
    for (const QByteArray& line : lines) {
        if (file.write(line) != line.size() || file.write("\r\n", 2) != 2) {
            file.cancelWriting();
            return FileFailure::WriteFailed;
        }
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

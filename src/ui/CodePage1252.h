#pragma once

#include <optional>

#include <QByteArray>
#include <QString>

// Every file of the program is text in the Windows-1252 code page, one byte a
// character. The table is explicit so that files read the same on every
// machine, whatever its locale.
namespace cp1252 {

// The character of a byte. The five bytes that the code page leaves
// undefined (0x81, 0x8D, 0x8F, 0x90, 0x9D) map to the control characters of
// the same number, as Windows itself does, so every byte survives a round trip.
QChar toUnicode(unsigned char byte);

// The byte of a character; false when the code page has no such character.
bool fromUnicode(QChar ch, unsigned char& byte);

QString decode(const QByteArray& bytes);

// Bytes of a text; ok = false (and the bytes are incomplete) when a character
// has no byte in the code page.
QByteArray encode(const QString& text, bool* ok = nullptr);

// A character a file cannot take: where it stands in the text and the
// character itself (two UTF-16 units for one beyond U+FFFF).
struct Refused {
    qsizetype position = 0;
    QString character;
};

// The first of the first `limit` characters of a text (all with -1) that has
// no byte in the code page, or whose byte `refused` names; nullopt when none.
std::optional<Refused> FirstRefused(const QString& text, qsizetype limit, bool (*refused)(unsigned char byte));

}  // namespace cp1252

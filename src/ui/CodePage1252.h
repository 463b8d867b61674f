#pragma once

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

}  // namespace cp1252

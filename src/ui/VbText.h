#pragma once

#include <QRect>
#include <QString>

// Number and text conventions shared by every window and file.

// Number-to-text: a blank before zero and positive numbers, a minus sign and
// no blank before negative ones, "." as decimal point, no thousands separator
// ("Frage" + NumberToText(12) gives "Frage 12").
QString NumberToText(double value);

// Text-to-number: the numeric value at the start of the text (leading blanks
// passed over, "." as decimal point); 0 when the text does not begin with a
// number. Reading stops at the first character that does not belong to it.
double TextToNumber(const QString& text);

// Positions and sizes of the design are in twips: 15 twips a pixel.
constexpr int TwipsPerPixel = 15;
inline int Px(double twips) { return static_cast<int>(twips >= 0 ? twips / TwipsPerPixel + 0.5 : twips / TwipsPerPixel - 0.5); }
inline double Twips(int pixels) { return double(pixels) * TwipsPerPixel; }
inline QRect TwipsRect(double left, double top, double width, double height)
{
    return QRect(Px(left), Px(top), Px(width), Px(height));
}

// Lines of a message are joined with carriage return and line feed.
inline const QString CrLf = QStringLiteral("\r\n");

// A refused character as a message names it: in single quotes as it looks,
// or by its code (U+000D) where it shows nothing of its own: controls,
// blanks other than the plain one, accents that sit on the character before.
// One character: one UTF-16 unit, or a surrogate pair.
QString CharacterForMessage(const QString& character);

// The text of 324 unanswered questions.
QString EmptyAnswers();
constexpr int QuestionCount = 324;

#include "ui/VbText.h"

#include <cmath>

QString NumberToText(double value)
{
    QString digits;
    if (value == std::floor(value) && std::fabs(value) < 1e15)
        digits = QString::number(static_cast<long long>(std::fabs(value)));
    else
        digits = QString::number(std::fabs(value), 'g', 15).toUpper();
    return (value < 0 ? QStringLiteral("-") : QStringLiteral(" ")) + digits;
}

double TextToNumber(const QString& text)
{
    int i = 0;
    const int n = text.size();
    while (i < n && (text[i] == u' ' || text[i] == u'\t'))
        ++i;
    const int start = i;
    if (i < n && (text[i] == u'+' || text[i] == u'-'))
        ++i;
    int mantissaDigits = 0;
    while (i < n && text[i].isDigit() && text[i].unicode() < 128) {
        ++i;
        ++mantissaDigits;
    }
    if (i < n && text[i] == u'.') {
        ++i;
        while (i < n && text[i].isDigit() && text[i].unicode() < 128) {
            ++i;
            ++mantissaDigits;
        }
    }
    if (mantissaDigits == 0)
        return 0;
    int end = i;
    if (i < n && (text[i] == u'E' || text[i] == u'e')) {
        int j = i + 1;
        if (j < n && (text[j] == u'+' || text[j] == u'-'))
            ++j;
        int expDigits = 0;
        while (j < n && text[j].isDigit() && text[j].unicode() < 128) {
            ++j;
            ++expDigits;
        }
        if (expDigits > 0)
            end = j;
    }
    QString number = text.mid(start, end - start);
    if (number.startsWith(u'.') || number.startsWith(u"+.") || number.startsWith(u"-."))
        number.insert(number.indexOf(u'.'), u'0');
    bool ok = false;
    const double v = number.toDouble(&ok);
    return ok ? v : 0;
}

QString CharacterForMessage(const QString& character)
{
    if (character.isEmpty())
        return QString();
    const char32_t code = character.size() == 2 ? QChar::surrogateToUcs4(character[0], character[1])
                                                : char32_t(character[0].unicode());
    if (QChar::isPrint(code) && !QChar::isMark(code) && (code == u' ' || !QChar::isSpace(code)))
        return QStringLiteral("'") + character + QStringLiteral("'");
    return QStringLiteral("U+") + QString::number(code, 16).toUpper().rightJustified(4, u'0');
}

QString EmptyAnswers()
{
    return QString(QuestionCount, u'0');
}

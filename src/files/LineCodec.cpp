#include "files/LineCodec.h"

#include <cmath>

#include "files/KeyMaterial.h"

namespace {

constexpr int FieldLength = 100;
constexpr int LineLength = 1000;

// 1-based position in the line of payload char k.
constexpr int PayloadPos(int k) { return 100 + 5 * k; }

int Draw(RandomSource& rnd, int base, int span)
{
    return base + static_cast<int>(std::floor(span * rnd.Rnd()));
}

unsigned char CodeAt(const QByteArray& text, int pos1)
{
    return static_cast<unsigned char>(text.at(pos1 - 1));
}

} // namespace

QByteArray EncodeField(const QByteArray& PlainField, RandomSource& rnd)
{
    QByteArray padding(FieldLength, '\0');
    char* pad = padding.data();
    for (int i = 0; i < FieldLength; ++i)
        pad[i] = static_cast<char>(Draw(rnd, 130, 10));

    const QByteArray padded = (PlainField + padding).left(FieldLength);

    QByteArray line(LineLength, '\0');
    char* out = line.data();
    for (int i = 0; i < LineLength; ++i)
        out[i] = static_cast<char>(Draw(rnd, 60, 100));

    for (int k = 1; k <= FieldLength; ++k) {
        const int c = CodeAt(padded, FieldPermutation[k - 1]);
        out[PayloadPos(k) - 1] = static_cast<char>(255 - c);
    }
    return line;
}

std::optional<QByteArray> DecodeField(const QByteArray& CodedField)
{
    if (CodedField.size() < PayloadPos(FieldLength))
        return std::nullopt;

    QByteArray padded(FieldLength, '\0');
    for (int k = 1; k <= FieldLength; ++k) {
        const int c = CodeAt(CodedField, PayloadPos(k));
        padded[FieldPermutation[k - 1] - 1] = static_cast<char>(255 - c);
    }

    // Deliberately one wider than the padding codes (130..139): a trailing
    // 140 goes as well, so such a text does not survive unchanged.
    qsizetype len = padded.size();
    while (len > 0) {
        const int c = CodeAt(padded, static_cast<int>(len));
        if (c < 130 || c > 140)
            break;
        --len;
    }
    padded.truncate(len);
    return padded;
}

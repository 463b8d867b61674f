#include "files/PasswordBlock.h"

#include <cmath>

#include "files/KeyMaterial.h"

namespace {

constexpr int BlockLength = 100;
constexpr int LineLength = 1000;
constexpr int Mirror = 250;

constexpr int PayloadPos(int k) { return 100 + 5 * k; }

int Draw(RandomSource& rnd, int base, int span)
{
    return base + static_cast<int>(std::floor(span * rnd.Rnd()));
}

int CodeAt(const QByteArray& text, int pos1)
{
    return static_cast<unsigned char>(text.at(pos1 - 1));
}

} // namespace

std::optional<QByteArray> EncodePasswordBlock(const QByteArray& ResultPassword, RandomSource& rnd)
{
    QByteArray padding(BlockLength, '\0');
    for (int i = 0; i < BlockLength; ++i)
        padding[i] = static_cast<char>(Draw(rnd, 130, 70));

    QByteArray reflected = (ResultPassword + padding).left(BlockLength);
    for (int i = 0; i < BlockLength; ++i) {
        const int c = CodeAt(reflected, i + 1);
        if (c > Mirror)
            return std::nullopt;
        reflected[i] = static_cast<char>(Mirror - c);
    }

    QByteArray line(LineLength, '\0');
    for (int i = 0; i < LineLength; ++i)
        line[i] = static_cast<char>(Draw(rnd, 60, 100));

    for (int k = 1; k <= BlockLength; ++k)
        line[PayloadPos(k) - 1] = reflected.at(PasswordPermutation[k - 1] - 1);
    return line;
}

std::optional<QByteArray> DecodePasswordBlock(const QByteArray& PasswordBlock)
{
    QByteArray work(BlockLength, '=');
    for (int j = 1; j <= BlockLength; ++j) {
        if (PayloadPos(j) <= PasswordBlock.size())
            work[j - 1] = PasswordBlock.at(PayloadPos(j) - 1);
    }

    QByteArray result(BlockLength, '\0');
    for (int k = 1; k <= BlockLength; ++k)
        result[PasswordPermutation[k - 1] - 1] = work.at(k - 1);

    for (int i = 0; i < BlockLength; ++i) {
        const int c = CodeAt(result, i + 1);
        if (c > Mirror)
            return std::nullopt;
        result[i] = static_cast<char>(Mirror - c);
    }

    // Padding codes are 130..199; everything from 130 up counts as padding.
    qsizetype len = result.size();
    while (len > 0 && CodeAt(result, static_cast<int>(len)) >= 130)
        --len;
    result.truncate(len);
    return result;
}

#include <gtest/gtest.h>

#include <QByteArray>
#include <QList>
#include <algorithm>
#include <numeric>
#include <vector>

#include "files/Checksum.h"
#include "files/KeyMaterial.h"
#include "files/LineCodec.h"
#include "files/ScriptedRandom.h"

namespace {

int Code(const QByteArray& text, int pos1)
{
    return static_cast<unsigned char>(text.at(pos1 - 1));
}

bool IsPayloadPos(int pos1)
{
    return pos1 >= 105 && pos1 <= 600 && pos1 % 5 == 0;
}

// Payload index k (1..100) that carries char `textPos` of the padded text.
int PayloadIndexOf(int textPos)
{
    const auto it = std::find(FieldPermutation.begin(), FieldPermutation.end(), textPos);
    return static_cast<int>(it - FieldPermutation.begin()) + 1;
}

QByteArray RoundTrip(const QByteArray& text, unsigned seed = 7)
{
    ScriptedRandom rnd(seed);
    const auto decoded = DecodeField(EncodeField(text, rnd));
    return decoded.value_or(QByteArray("<failed>"));
}

const QByteArray Umlauts("Gr\xFC\xDF" "e aus K\xF6ln, \xC4rger \xFC" "ber \xD6l und \xE4hnliches");

} // namespace

TEST(FieldPermutationTable, IsAPermutationThatMovesSomething)
{
    std::vector<int> sorted(FieldPermutation.begin(), FieldPermutation.end());
    std::sort(sorted.begin(), sorted.end());
    std::vector<int> expected(100);
    std::iota(expected.begin(), expected.end(), 1);
    EXPECT_EQ(sorted, expected);

    std::array<int, 100> identity{};
    std::iota(identity.begin(), identity.end(), 1);
    EXPECT_NE(FieldPermutation, identity);
    EXPECT_NE(FieldPermutation, PasswordPermutation);
}

TEST(EncodeFieldShape, AlwaysThousandBytesAndFillerInRange)
{
    const QByteArray texts[] = {QByteArray(), QByteArray("x"), QByteArray(100, 'a'),
                                QByteArray(101, 'b'), QByteArray(5000, 'c')};
    for (unsigned seed = 1; seed <= 5; ++seed) {
        for (const QByteArray& text : texts) {
            ScriptedRandom rnd(seed);
            const QByteArray line = EncodeField(text, rnd);
            ASSERT_EQ(line.size(), 1000) << "text length " << text.size();
            for (int pos = 1; pos <= 1000; ++pos) {
                if (IsPayloadPos(pos))
                    continue;
                EXPECT_GE(Code(line, pos), 60) << "pos " << pos;
                EXPECT_LE(Code(line, pos), 159) << "pos " << pos;
            }
        }
    }
}

TEST(EncodeFieldShape, EmptyTextPayloadIsReflectedPadding)
{
    for (unsigned seed = 1; seed <= 20; ++seed) {
        ScriptedRandom rnd(seed);
        const QByteArray line = EncodeField(QByteArray(), rnd);
        for (int k = 1; k <= 100; ++k) {
            EXPECT_GE(Code(line, 100 + 5 * k), 116);
            EXPECT_LE(Code(line, 100 + 5 * k), 125);
        }
    }
}

TEST(EncodeFieldRandom, DrawsExactly1100NumbersWhateverTheText)
{
    for (const QByteArray& text : {QByteArray(), QByteArray("abc"), QByteArray(100, 'x'), QByteArray(5000, 'y')}) {
        ScriptedRandom rnd(3u);
        EncodeField(text, rnd);
        EXPECT_EQ(rnd.Draws(), 1100u) << "text length " << text.size();
    }
}

TEST(EncodeFieldRandom, PaddingIsDrawnBeforeFiller)
{
    // First 100 draws low, next 1000 high: padding 130 (payload 125), filler 159.
    std::vector<double> seq(100, 0.0);
    seq.insert(seq.end(), 1000, 0.999);
    ScriptedRandom rnd(seq);
    const QByteArray line = EncodeField(QByteArray(), rnd);
    for (int pos = 1; pos <= 1000; ++pos)
        EXPECT_EQ(Code(line, pos), IsPayloadPos(pos) ? 125 : 159) << "pos " << pos;
}

TEST(EncodeFieldRandom, ExtremeDrawsGiveRangeEnds)
{
    auto low = ScriptedRandom::Constant(0.0);
    const QByteArray lowLine = EncodeField(QByteArray(), low);
    auto high = ScriptedRandom::Constant(0.999);
    const QByteArray highLine = EncodeField(QByteArray(), high);
    for (int pos = 1; pos <= 1000; ++pos) {
        EXPECT_EQ(Code(lowLine, pos), IsPayloadPos(pos) ? 255 - 130 : 60) << "pos " << pos;
        EXPECT_EQ(Code(highLine, pos), IsPayloadPos(pos) ? 255 - 139 : 159) << "pos " << pos;
    }
}

TEST(EncodeFieldPayload, CharGoesReflectedToItsPermutedPosition)
{
    struct Case { unsigned char plain; int coded; };
    const Case cases[] = {{242, 13}, {245, 10}, {229, 26}, {255, 0}, {228, 27}, {246, 9},
                          {252, 3},  {196, 59}, {214, 41}, {220, 35}, {223, 32}};
    const int k = PayloadIndexOf(1);
    for (const Case& c : cases) {
        auto rnd = ScriptedRandom::Constant(0.0);
        const QByteArray line = EncodeField(QByteArray(1, static_cast<char>(c.plain)), rnd);
        for (int j = 1; j <= 100; ++j)
            EXPECT_EQ(Code(line, 100 + 5 * j), j == k ? c.coded : 125)
                << "plain " << int(c.plain) << " payload " << j;
    }
}

TEST(EncodeFieldPayload, PrintableCharsGive223Down129)
{
    auto rnd = ScriptedRandom::Constant(0.5);
    const int k = PayloadIndexOf(1);
    int previous = 224;
    for (int plain = 32; plain <= 126; ++plain) {
        const QByteArray line = EncodeField(QByteArray(1, static_cast<char>(plain)), rnd);
        const int coded = Code(line, 100 + 5 * k);
        EXPECT_EQ(coded, previous - 1) << "plain " << plain;
        previous = coded;
        if (plain == 32) {
            EXPECT_EQ(coded, 223);
        }
    }
    EXPECT_EQ(previous, 129);
}

TEST(EncodeFieldPayload, SecondCharOfTextLandsWhereThePermutationSays)
{
    auto rnd = ScriptedRandom::Constant(0.0);
    const QByteArray line = EncodeField("AB", rnd);
    EXPECT_EQ(Code(line, 100 + 5 * PayloadIndexOf(1)), 255 - 'A');
    EXPECT_EQ(Code(line, 100 + 5 * PayloadIndexOf(2)), 255 - 'B');
}

TEST(EncodeFieldRandom, DifferentRandomGivesDifferentLinesSameText)
{
    ScriptedRandom a(11u), b(12u);
    const QByteArray lineA = EncodeField(Umlauts, a);
    const QByteArray lineB = EncodeField(Umlauts, b);
    EXPECT_NE(lineA, lineB);
    EXPECT_EQ(DecodeField(lineA), std::optional<QByteArray>(Umlauts));
    EXPECT_EQ(DecodeField(lineB), std::optional<QByteArray>(Umlauts));
}

TEST(FieldRoundTrip, OrdinaryTexts)
{
    EXPECT_EQ(RoundTrip(QByteArray()), QByteArray());
    EXPECT_EQ(RoundTrip("Mustermann"), QByteArray("Mustermann"));
    EXPECT_EQ(RoundTrip(Umlauts), Umlauts);
    EXPECT_EQ(RoundTrip("  Leerzeichen vorn und hinten  "), QByteArray("  Leerzeichen vorn und hinten  "));
    EXPECT_EQ(RoundTrip("5100000"), QByteArray("5100000"));
    EXPECT_EQ(RoundTrip("0"), QByteArray("0"));
}

TEST(FieldRoundTrip, AllByteCodesOutsidePaddingRangeSurvive)
{
    QByteArray all;
    for (int c = 0; c <= 255; ++c)
        if (c < 130 || c > 140)
            all.append(static_cast<char>(c));
    for (qsizetype from = 0; from < all.size(); from += 100) {
        const QByteArray chunk = all.mid(from, 100);
        EXPECT_EQ(RoundTrip(chunk), chunk) << "from " << from;
    }
}

TEST(FieldRoundTrip, LengthLimit)
{
    QByteArray exactly100;
    for (int i = 0; i < 100; ++i)
        exactly100.append(static_cast<char>('a' + i % 26));
    EXPECT_EQ(RoundTrip(exactly100), exactly100);
    EXPECT_EQ(RoundTrip(exactly100 + "Z"), exactly100);
    EXPECT_EQ(RoundTrip(QByteArray(5000, 'q')), QByteArray(100, 'q'));
}

TEST(FieldRoundTrip, TrailingPaddingCodesAreLost)
{
    EXPECT_EQ(RoundTrip("abc\x82"), QByteArray("abc"));          // 130
    EXPECT_EQ(RoundTrip("abc\x8C"), QByteArray("abc"));          // 140, one beyond the padding
    EXPECT_EQ(RoundTrip("abc\x85\x8C\x82\x8B"), QByteArray("abc"));
    EXPECT_EQ(RoundTrip("\x82\x83\x8C"), QByteArray());
    EXPECT_EQ(RoundTrip("\x8C"), QByteArray());
    // Just outside the range stays.
    EXPECT_EQ(RoundTrip("abc\x8D"), QByteArray("abc\x8D"));     // 141
    EXPECT_EQ(RoundTrip("abc\x81"), QByteArray("abc\x81"));     // 129
    // Inside the text they survive.
    EXPECT_EQ(RoundTrip("a\x82\x8C" "b"), QByteArray("a\x82\x8C" "b"));
    // A 100-char text has no padding, yet its trailing 140 is dropped.
    const QByteArray full = QByteArray(99, 'x') + "\x8C";
    EXPECT_EQ(RoundTrip(full), QByteArray(99, 'x'));
}

TEST(DecodeFieldLength, ShortLinesFailLongLinesAreCut)
{
    ScriptedRandom rnd(5u);
    const QByteArray line = EncodeField(Umlauts, rnd);

    EXPECT_FALSE(DecodeField(line.left(599)).has_value());
    EXPECT_FALSE(DecodeField(QByteArray()).has_value());
    EXPECT_EQ(DecodeField(line.left(600)), std::optional<QByteArray>(Umlauts));

    QByteArray huge = line;
    huge.append(QByteArray(99000, '\x01'));
    ASSERT_EQ(huge.size(), 100000);
    EXPECT_EQ(DecodeField(huge), std::optional<QByteArray>(Umlauts));
}

TEST(DecodeFieldPositions, OnlyPayloadPositionsAreRead)
{
    ScriptedRandom rnd(9u);
    const QByteArray line = EncodeField("Hallo Welt", rnd);

    QByteArray changed = line;
    for (int pos = 1; pos <= 1000; ++pos)
        if (!IsPayloadPos(pos))
            changed[pos - 1] = '\xFF';
    EXPECT_EQ(DecodeField(changed), std::optional<QByteArray>("Hallo Welt"));

    QByteArray payloadChanged = line;
    payloadChanged[100 + 5 * PayloadIndexOf(1) - 1] = static_cast<char>(255 - 'B');
    EXPECT_EQ(DecodeField(payloadChanged), std::optional<QByteArray>("Ballo Welt"));
}

TEST(DecodeFieldPositions, HandBuiltLine)
{
    // Filler '*' everywhere, padding code 130 in every payload slot except
    // the one that carries char 2 of the text.
    QByteArray line(600, '*');
    for (int k = 1; k <= 100; ++k)
        line[100 + 5 * k - 1] = static_cast<char>(255 - 130);
    line[100 + 5 * PayloadIndexOf(2) - 1] = static_cast<char>(255 - 'A');
    // Char 1 is then a padding code inside the text and must survive.
    EXPECT_EQ(DecodeField(line), std::optional<QByteArray>("\x82" "A"));
}

TEST(Checksum, SumsUnsignedByteCodesInDecimal)
{
    EXPECT_EQ(ComputeChecksum({}), QByteArray("0"));
    EXPECT_EQ(ComputeChecksum({QByteArray(), QByteArray()}), QByteArray("0"));
    EXPECT_EQ(ComputeChecksum({QByteArray("A")}), QByteArray("65"));
    EXPECT_EQ(ComputeChecksum({QByteArray("AB"), QByteArray(), QByteArray("C")}), QByteArray("198"));
    EXPECT_EQ(ComputeChecksum({QByteArray("\xFF")}), QByteArray("255"));
    EXPECT_EQ(ComputeChecksum({QByteArray("\x80"), QByteArray("\xE4\x01")}), QByteArray("357"));
    EXPECT_EQ(ComputeChecksum({QByteArray(1, '\0'), QByteArray("\x0A")}), QByteArray("10"));
}

TEST(Checksum, TwentyFullLines)
{
    QList<QByteArray> lines(20, QByteArray(1000, '\xFF'));
    EXPECT_EQ(ComputeChecksum(lines), QByteArray("5100000"));
}

TEST(Checksum, SumBeyond32Bits)
{
    // 20 x 1,000,000 x 255 = 5,100,000,000 > 2^32; the lines share one buffer.
    QList<QByteArray> lines(20, QByteArray(1000000, '\xFF'));
    EXPECT_EQ(ComputeChecksum(lines), QByteArray("5100000000"));
}

#include <gtest/gtest.h>

#include <QByteArray>
#include <algorithm>
#include <numeric>
#include <vector>

#include "files/KeyMaterial.h"
#include "files/PasswordBlock.h"
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

// Payload index k (1..100) that carries char `textPos` of the padded password.
int PayloadIndexOf(int textPos)
{
    const auto it = std::find(PasswordPermutation.begin(), PasswordPermutation.end(), textPos);
    return static_cast<int>(it - PasswordPermutation.begin()) + 1;
}

QByteArray RoundTrip(const QByteArray& password, unsigned seed = 5)
{
    ScriptedRandom rnd(seed);
    const auto line = EncodePasswordBlock(password, rnd);
    if (!line)
        return "<encode failed>";
    return DecodePasswordBlock(*line).value_or("<decode failed>");
}

} // namespace

TEST(PasswordPermutationTable, IsAPermutationThatMovesSomething)
{
    std::vector<int> sorted(PasswordPermutation.begin(), PasswordPermutation.end());
    std::sort(sorted.begin(), sorted.end());
    std::vector<int> expected(100);
    std::iota(expected.begin(), expected.end(), 1);
    EXPECT_EQ(sorted, expected);
    EXPECT_FALSE(std::is_sorted(PasswordPermutation.begin(), PasswordPermutation.end()));
}

TEST(EncodePasswordLayout, EmptyPasswordIsReflectedPaddingOnly)
{
    for (unsigned seed = 1; seed <= 20; ++seed) {
        ScriptedRandom rnd(seed);
        const auto line = EncodePasswordBlock(QByteArray(), rnd);
        ASSERT_TRUE(line.has_value());
        ASSERT_EQ(line->size(), 1000);
        for (int pos = 1; pos <= 1000; ++pos) {
            const int c = Code(*line, pos);
            EXPECT_GE(c, IsPayloadPos(pos) ? 51 : 60) << "pos " << pos;
            EXPECT_LE(c, IsPayloadPos(pos) ? 120 : 159) << "pos " << pos;
        }
        EXPECT_EQ(DecodePasswordBlock(*line), std::optional<QByteArray>(QByteArray()));
    }
}

TEST(EncodePasswordLayout, PaddingDrawsComeFirstAndSpan70)
{
    std::vector<double> seq(100, 0.999);   // padding 199 -> payload 51
    seq.insert(seq.end(), 1000, 0.0);      // filler 60
    ScriptedRandom rnd(seq);
    const auto line = EncodePasswordBlock(QByteArray(), rnd);
    ASSERT_TRUE(line.has_value());
    EXPECT_EQ(rnd.Draws(), 1100u);
    for (int pos = 1; pos <= 1000; ++pos)
        EXPECT_EQ(Code(*line, pos), IsPayloadPos(pos) ? 51 : 60) << "pos " << pos;

    auto low = ScriptedRandom::Constant(0.0);
    const auto lowLine = EncodePasswordBlock(QByteArray(), low);
    for (int pos = 1; pos <= 1000; ++pos)
        EXPECT_EQ(Code(*lowLine, pos), IsPayloadPos(pos) ? 120 : 60) << "pos " << pos;
}

TEST(EncodePasswordLayout, CharsAreMirroredAt250AndPermuted)
{
    auto rnd = ScriptedRandom::Constant(0.0);
    const auto line = EncodePasswordBlock("A\xE4", rnd);   // 65, 228
    ASSERT_TRUE(line.has_value());
    const int first = PayloadIndexOf(1);
    const int second = PayloadIndexOf(2);
    for (int k = 1; k <= 100; ++k) {
        const int expected = k == first ? 185 : k == second ? 22 : 120;
        EXPECT_EQ(Code(*line, 100 + 5 * k), expected) << "payload " << k;
    }
}

TEST(EncodePasswordFailure, CodeAbove250Fails)
{
    // 0xFB..0xFF, among them the small u umlaut (0xFC), cannot be stored.
    for (const char bad : {'\xFB', '\xFC', '\xFF'}) {
        ScriptedRandom rnd(1u);
        EXPECT_FALSE(EncodePasswordBlock(QByteArray("abc") + bad + "def", rnd).has_value());
        EXPECT_EQ(rnd.Draws(), 100u);   // the padding was drawn, the filler not
    }
    ScriptedRandom rnd(1u);
    EXPECT_TRUE(EncodePasswordBlock("abc\xFA" "def", rnd).has_value());
}

TEST(EncodePasswordFailure, CodeBeyondTheFirst100IsIgnored)
{
    ScriptedRandom rnd(1u);
    EXPECT_TRUE(EncodePasswordBlock(QByteArray(100, 'p') + "\xFF", rnd).has_value());
}

TEST(PasswordRoundTrip, OrdinaryPasswords)
{
    for (const QByteArray& pw : {QByteArray("geheim"), QByteArray("mein Passwort 123"),
                                 QByteArray(" vorn und hinten "), QByteArray("Gr\xF6\xDF" "e \xC4\xD6\xDC\xE4 nett"),
                                 QByteArray("a b  c"), QByteArray("!\"#$%&'()*+,-./:;<=>?@[\\]^_`{|}~")}) {
        for (unsigned seed = 1; seed <= 3; ++seed)
            EXPECT_EQ(RoundTrip(pw, seed), pw) << pw.constData();
    }
}

TEST(PasswordRoundTrip, LengthLimitAndTrailingHighCodes)
{
    QByteArray long120;
    for (int i = 0; i < 120; ++i)
        long120.append(static_cast<char>('A' + i % 26));
    EXPECT_EQ(RoundTrip(long120), long120.left(100));
    EXPECT_EQ(RoundTrip(long120.left(100)), long120.left(100));

    EXPECT_EQ(RoundTrip("abc\x82"), QByteArray("abc"));          // 130
    EXPECT_EQ(RoundTrip("abc\xE4\xFA\xC8"), QByteArray("abc"));  // 228, 250, 200
    EXPECT_EQ(RoundTrip("\xE4\xF6"), QByteArray());
    EXPECT_EQ(RoundTrip("abc\x81"), QByteArray("abc\x81"));      // 129 stays
    EXPECT_EQ(RoundTrip("a\xE4\xFA" "b"), QByteArray("a\xE4\xFA" "b"));
}

TEST(DecodePasswordReading, ShortLinesAreNoFailure)
{
    EXPECT_EQ(DecodePasswordBlock(QByteArray()), std::optional<QByteArray>(QByteArray()));
    EXPECT_EQ(DecodePasswordBlock("kurz"), std::optional<QByteArray>(QByteArray()));

    // Cut off the last payload position: it reads as '=' (189 after
    // mirroring) and ends up as padding if it lies behind the password.
    const int missingTextPos = PasswordPermutation[99];
    ASSERT_GT(missingTextPos, 1);
    const QByteArray pw = QByteArray("Kennwort mit Blanks ").repeated(5).left(missingTextPos - 1);
    ScriptedRandom rnd(2u);
    const auto line = EncodePasswordBlock(pw, rnd);
    ASSERT_TRUE(line.has_value());
    EXPECT_EQ(DecodePasswordBlock(line->left(599)), std::optional<QByteArray>(pw));
}

TEST(DecodePasswordReading, MissingPositionInsideThePasswordReadsAsMirroredEquals)
{
    const int missingTextPos = PasswordPermutation[99];
    const QByteArray pw(100, 'x');
    ScriptedRandom rnd(2u);
    const auto line = EncodePasswordBlock(pw, rnd);
    ASSERT_TRUE(line.has_value());
    QByteArray expected = pw;
    expected[missingTextPos - 1] = static_cast<char>(250 - '=');
    if (missingTextPos == 100)
        expected.chop(1);
    EXPECT_EQ(DecodePasswordBlock(line->left(599)), std::optional<QByteArray>(expected));
    EXPECT_EQ(DecodePasswordBlock(line->left(600)), std::optional<QByteArray>(pw));
}

TEST(DecodePasswordReading, OnlyPayloadPositionsAreRead)
{
    ScriptedRandom rnd(6u);
    const auto line = EncodePasswordBlock("Schl\xF6ssel", rnd);
    ASSERT_TRUE(line.has_value());
    QByteArray changed = *line;
    for (int pos = 1; pos <= 1000; ++pos)
        if (!IsPayloadPos(pos))
            changed[pos - 1] = '\xFF';
    changed.append(QByteArray(5000, '\xFF'));
    EXPECT_EQ(DecodePasswordBlock(changed), std::optional<QByteArray>("Schl\xF6ssel"));
}

TEST(DecodePasswordFailure, PayloadCodeAbove250Fails)
{
    ScriptedRandom rnd(6u);
    const auto line = EncodePasswordBlock("abc", rnd);
    ASSERT_TRUE(line.has_value());
    for (const char bad : {'\xFB', '\xFF'}) {
        QByteArray changed = *line;
        changed[100 + 5 * 37 - 1] = bad;
        EXPECT_FALSE(DecodePasswordBlock(changed).has_value());
    }
    QByteArray atLimit = *line;
    atLimit[100 + 5 * PayloadIndexOf(1) - 1] = '\xFA';   // mirrors to code 0
    EXPECT_EQ(DecodePasswordBlock(atLimit), std::optional<QByteArray>(QByteArray("\0bc", 3)));
}

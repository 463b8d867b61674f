#include <gtest/gtest.h>

#include <iconv.h>

#include <cstring>

#include "ui/CodePage1252.h"

namespace {

// The published mapping of the code page's upper control range (bytes 0x80
// to 0x9F); 0 marks the five bytes that the code page leaves undefined.
constexpr char32_t kPublished80[32] = {
    0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0,      0x017D, 0,      0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178};

char32_t published(int byte)
{
    if (byte >= 0x80 && byte <= 0x9F)
        return kPublished80[byte - 0x80];
    return char32_t(byte);  // ASCII and the Latin-1 range 0xA0..0xFF
}

// The C library's own converter, as a second opinion on every byte.
bool systemDecode(int byte, char32_t& out)
{
    iconv_t cd = iconv_open("UTF-32LE", "CP1252");
    if (cd == iconv_t(-1))
        return false;
    char in = char(byte);
    char32_t result = 0;
    char* inPtr = &in;
    size_t inLeft = 1;
    char* outPtr = reinterpret_cast<char*>(&result);
    size_t outLeft = sizeof result;
    const size_t r = iconv(cd, &inPtr, &inLeft, &outPtr, &outLeft);
    iconv_close(cd);
    if (r == size_t(-1))
        return false;
    out = result;
    return true;
}

}  // namespace

TEST(CodePage1252, EveryDefinedByteMatchesThePublishedMapping)
{
    for (int b = 0; b < 256; ++b) {
        const char32_t expected = published(b);
        if (expected == 0 && b != 0)
            continue;
        EXPECT_EQ(char32_t(cp1252::toUnicode(static_cast<unsigned char>(b)).unicode()), expected) << "byte " << b;
        unsigned char back = 0;
        ASSERT_TRUE(cp1252::fromUnicode(cp1252::toUnicode(static_cast<unsigned char>(b)), back)) << "byte " << b;
        EXPECT_EQ(int(back), b);
    }
}

TEST(CodePage1252, AgreesWithTheSystemConverterWhereItKnowsTheByte)
{
    int compared = 0;
    for (int b = 1; b < 256; ++b) {
        char32_t system = 0;
        if (!systemDecode(b, system))
            continue;
        ++compared;
        EXPECT_EQ(char32_t(cp1252::toUnicode(static_cast<unsigned char>(b)).unicode()), system) << "byte " << b;
    }
    if (compared == 0)
        GTEST_SKIP() << "the C library has no CP1252 converter here";
    EXPECT_GE(compared, 250);
}

TEST(CodePage1252, UndefinedBytesStillSurviveARoundTrip)
{
    QByteArray all;
    for (int b = 0; b < 256; ++b)
        all.append(char(b));
    bool ok = false;
    EXPECT_EQ(cp1252::encode(cp1252::decode(all), &ok), all);
    EXPECT_TRUE(ok);
}

TEST(CodePage1252, CharactersOutsideTheCodePageAreReported)
{
    bool ok = true;
    const QByteArray bytes = cp1252::encode(QStringLiteral("Łódź"), &ok);
    EXPECT_FALSE(ok);
    cp1252::encode(QStringLiteral("日本"), &ok);
    EXPECT_FALSE(ok);
    cp1252::encode(QStringLiteral("Müller, Jürgen – 5 €"), &ok);
    EXPECT_TRUE(ok);
    EXPECT_EQ(cp1252::encode(QStringLiteral("ä€")), QByteArray("\xE4\x80"));
}

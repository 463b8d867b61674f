#include <gtest/gtest.h>

#include "ui/VbText.h"

TEST(NumberToText, BlankBeforeZeroAndPositiveMinusBeforeNegative)
{
    EXPECT_EQ(NumberToText(12), QStringLiteral(" 12"));
    EXPECT_EQ(NumberToText(0), QStringLiteral(" 0"));
    EXPECT_EQ(NumberToText(-3), QStringLiteral("-3"));
    EXPECT_EQ(NumberToText(-328), QStringLiteral("-328"));
    EXPECT_EQ(NumberToText(324.5), QStringLiteral(" 324.5"));
    EXPECT_EQ(NumberToText(1092), QStringLiteral(" 1092"));
    EXPECT_EQ(QStringLiteral("Frage") + NumberToText(12), QStringLiteral("Frage 12"));
}

TEST(TextToNumber, ReadsTheNumberAtTheStartAndStopsAtTheFirstOtherCharacter)
{
    EXPECT_DOUBLE_EQ(TextToNumber(QStringLiteral("12.9")), 12.9);
    EXPECT_DOUBLE_EQ(TextToNumber(QStringLiteral("324.5")), 324.5);
    EXPECT_DOUBLE_EQ(TextToNumber(QStringLiteral("  42abc")), 42);
    EXPECT_DOUBLE_EQ(TextToNumber(QStringLiteral("-3")), -3);
    EXPECT_DOUBLE_EQ(TextToNumber(QStringLiteral("12,5")), 12);  // no comma as decimal point
    EXPECT_DOUBLE_EQ(TextToNumber(QStringLiteral(".5")), 0.5);
    EXPECT_DOUBLE_EQ(TextToNumber(QStringLiteral("1e2x")), 100);
    EXPECT_DOUBLE_EQ(TextToNumber(QStringLiteral("1e")), 1);
}

TEST(TextToNumber, TextWithoutALeadingNumberGivesZero)
{
    EXPECT_DOUBLE_EQ(TextToNumber(QString()), 0);
    EXPECT_DOUBLE_EQ(TextToNumber(QStringLiteral("abc")), 0);
    EXPECT_DOUBLE_EQ(TextToNumber(QStringLiteral("-")), 0);
    EXPECT_DOUBLE_EQ(TextToNumber(QStringLiteral(".")), 0);
    EXPECT_DOUBLE_EQ(TextToNumber(QStringLiteral("x12")), 0);
}

TEST(Twips, FifteenTwipsAPixel)
{
    EXPECT_EQ(Px(975), 65);
    EXPECT_EQ(Px(12000), 800);
    EXPECT_EQ(TwipsRect(120, 240, 3375, 360), QRect(8, 16, 225, 24));
    EXPECT_EQ(Px(-150), -10);
}

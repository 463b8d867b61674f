#include <gtest/gtest.h>

#include <QByteArray>
#include <algorithm>
#include <numeric>
#include <random>
#include <vector>

#include "files/AnswerCoding.h"
#include "files/KeyMaterial.h"

namespace {

QByteArray KeyLine()
{
    return QByteArray(reinterpret_cast<const char*>(AnswerKey.data()), 1000);
}

int Code(const QByteArray& text, int pos1)
{
    return static_cast<unsigned char>(text.at(pos1 - 1));
}

// Line position k (1..324) that carries answer number `question`.
int LinePosOf(int question)
{
    const auto it = std::find(AnswerPermutation.begin(), AnswerPermutation.end(), question);
    return static_cast<int>(it - AnswerPermutation.begin()) + 1;
}

QByteArray RandomAnswers(unsigned seed, char low, char high)
{
    std::mt19937 engine(seed);
    std::uniform_int_distribution<int> digit(low, high);
    QByteArray answers(324, '0');
    for (char& ch : answers)
        ch = static_cast<char>(digit(engine));
    return answers;
}

} // namespace

TEST(AnswerTables, PermutationAndKeyRange)
{
    std::vector<int> sorted(AnswerPermutation.begin(), AnswerPermutation.end());
    std::sort(sorted.begin(), sorted.end());
    std::vector<int> expected(324);
    std::iota(expected.begin(), expected.end(), 1);
    EXPECT_EQ(sorted, expected);
    EXPECT_FALSE(std::is_sorted(AnswerPermutation.begin(), AnswerPermutation.end()));

    for (int i = 0; i < 1000; ++i) {
        EXPECT_GE(AnswerKey[i], 65) << "index " << i;
        EXPECT_LE(AnswerKey[i], 164) << "index " << i;
    }
}

TEST(EncodeAnswersLayout, KeyPlusDigitAtPermutedPosition)
{
    QByteArray answers(324, '0');
    answers[0] = '7';      // question 1
    answers[323] = '9';    // question 324
    const auto line = EncodeAnswers(answers);
    ASSERT_TRUE(line.has_value());
    ASSERT_EQ(line->size(), 1000);
    for (int k = 1; k <= 1000; ++k) {
        int expected = AnswerKey[k - 1];
        if (k == LinePosOf(1))
            expected += 7;
        if (k == LinePosOf(324))
            expected += 9;
        EXPECT_EQ(Code(*line, k), expected) << "pos " << k;
    }
}

TEST(EncodeAnswersLayout, TailIsKeyAndResultIsDeterministic)
{
    const QByteArray answers = RandomAnswers(4, '0', '9');
    const auto first = EncodeAnswers(answers);
    const auto second = EncodeAnswers(answers);
    ASSERT_TRUE(first.has_value());
    EXPECT_EQ(first, second);
    EXPECT_EQ(first->mid(324), KeyLine().mid(324));
}

TEST(EncodeAnswersLayout, CompleteQuestionnaireNeverBelow66)
{
    for (unsigned seed = 1; seed <= 20; ++seed) {
        const auto line = EncodeAnswers(RandomAnswers(seed, '1', '3'));
        ASSERT_TRUE(line.has_value());
        for (int k = 1; k <= 324; ++k)
            EXPECT_GE(Code(*line, k), 66) << "seed " << seed << " pos " << k;
    }
}

TEST(EncodeAnswersFailure, NonDigitFails)
{
    for (const char bad : {'a', ' ', '-', '/', ':', '\0', '\xB9'}) {
        QByteArray answers(324, '1');
        answers[200] = bad;
        EXPECT_FALSE(EncodeAnswers(answers).has_value()) << "code " << int(static_cast<unsigned char>(bad));
    }
    EXPECT_TRUE(EncodeAnswers(QByteArray(324, '0')).has_value());
    EXPECT_TRUE(EncodeAnswers(QByteArray(324, '9')).has_value());
}

TEST(EncodeAnswersFailure, MissingAnswersFail)
{
    EXPECT_FALSE(EncodeAnswers(QByteArray()).has_value());
    EXPECT_FALSE(EncodeAnswers(QByteArray(323, '1')).has_value());
}

TEST(AnswerRoundTrip, RandomCompleteAnswers)
{
    for (unsigned seed = 1; seed <= 50; ++seed) {
        const QByteArray answers = RandomAnswers(seed, '0', '9');
        const auto line = EncodeAnswers(answers);
        ASSERT_TRUE(line.has_value());
        EXPECT_EQ(DecodeAnswers(*line), std::optional<QByteArray>(answers)) << "seed " << seed;
    }
}

TEST(DecodeAnswersReading, KeyLineAndEmptyLine)
{
    EXPECT_EQ(DecodeAnswers(KeyLine()), std::optional<QByteArray>(QByteArray(324, '0')));
    EXPECT_EQ(DecodeAnswers(QByteArray()), std::optional<QByteArray>(QByteArray(324, '-')));
}

TEST(DecodeAnswersReading, FirstCharOfTheDifference)
{
    // Keys lie in 65..164, so any position can go 1 down and 19 up.
    const int k = 1;
    const int question = AnswerPermutation[k - 1];

    auto decodeWithDelta = [&](int delta) {
        QByteArray line = KeyLine();
        line[k - 1] = static_cast<char>(AnswerKey[k - 1] + delta);
        const auto answers = DecodeAnswers(line);
        EXPECT_TRUE(answers.has_value());
        EXPECT_EQ(answers->count('0'), 323) << "delta " << delta;
        return answers->at(question - 1);
    };

    EXPECT_EQ(decodeWithDelta(-1), '-');
    EXPECT_EQ(decodeWithDelta(5), '5');
    EXPECT_EQ(decodeWithDelta(9), '9');
    for (int delta = 10; delta <= 19; ++delta)
        EXPECT_EQ(decodeWithDelta(delta), '1') << "delta " << delta;

    // Large differences keep only their leading digit too.
    int far = 1;
    while (AnswerKey[far - 1] > 155)
        ++far;
    QByteArray line = KeyLine();
    line[far - 1] = static_cast<char>(AnswerKey[far - 1] + 100);
    EXPECT_EQ(DecodeAnswers(line)->at(AnswerPermutation[far - 1] - 1), '1');
    line[far - 1] = static_cast<char>(AnswerKey[far - 1] + 42);
    EXPECT_EQ(DecodeAnswers(line)->at(AnswerPermutation[far - 1] - 1), '4');
}

TEST(DecodeAnswersReading, ShortLineLeavesMissingAsDash)
{
    const QByteArray line = KeyLine().left(100);
    const auto answers = DecodeAnswers(line);
    ASSERT_TRUE(answers.has_value());
    ASSERT_EQ(answers->size(), 324);
    for (int k = 1; k <= 324; ++k)
        EXPECT_EQ(answers->at(AnswerPermutation[k - 1] - 1), k <= 100 ? '0' : '-') << "pos " << k;
}

TEST(DecodeAnswersReading, TailDoesNotMatter)
{
    const QByteArray answers = RandomAnswers(8, '0', '9');
    QByteArray line = *EncodeAnswers(answers);
    for (int pos = 325; pos <= 1000; ++pos)
        line[pos - 1] = '\x01';
    EXPECT_EQ(DecodeAnswers(line), std::optional<QByteArray>(answers));
}

TEST(DecodeAnswersFailure, LineLongerThan1000Fails)
{
    EXPECT_FALSE(DecodeAnswers(KeyLine() + "x").has_value());
    EXPECT_TRUE(DecodeAnswers(KeyLine()).has_value());
}

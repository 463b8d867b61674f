#include "questionnaire/QuestionBank.h"
#include "questionnaire/ProgramState.h"

#include <QFile>
#include <QRegularExpression>
#include <QStringList>

#include <gtest/gtest.h>

#include <limits>
#include <map>
#include <set>
#include <vector>

namespace {

// Written out from the questionnaire layout, independently of the validator's
// own table, so that a slip in either one shows up here.
std::vector<int> numbers(std::initializer_list<std::pair<int, int>> ranges)
{
    std::vector<int> out;
    for (const auto& [from, to] : ranges)
        for (int n = from; n <= to; ++n)
            out.push_back(n);
    return out;
}

struct ExpectedSet {
    QStringList answers;
    std::vector<int> numbers;
    bool question;  // yes-no style: text ends with '?', otherwise a statement ending with '.'
};

const std::vector<ExpectedSet>& expectedSharedSets()
{
    static const std::vector<ExpectedSet> sets = {
        {{"1. stimmt", "2. teilweise", "3. stimmt nicht"}, numbers({{233, 324}}), false},
        {{"1. ja", "2. dazwischen", "3. nein"},
         numbers({{9, 9}, {11, 11}, {14, 14}, {20, 20}, {26, 28}, {30, 30}, {33, 33}, {38, 39}, {50, 51},
                  {56, 56}, {58, 58}, {64, 64}, {66, 66}, {72, 72}, {74, 74}, {77, 77}, {83, 83}, {94, 94},
                  {97, 98}, {115, 115}, {122, 122}, {127, 127}, {129, 129}, {132, 133}, {135, 135},
                  {153, 153}, {166, 166}, {168, 169}, {183, 184}, {199, 199}, {202, 202}, {205, 205},
                  {213, 213}, {226, 226}}),
         true},
        {{"1. ja", "2. nein"},
         {4, 7, 13, 19, 25, 31, 37, 43, 49, 55, 61, 67, 73, 78, 84, 90, 95, 101, 107, 113,
          119, 125, 131, 136, 142, 147, 152, 158, 164, 170, 176, 182, 187, 193, 200, 206, 212, 218, 224, 230},
         true},
        {{"1. stimmt", "2. dazwischen", "3. stimmt nicht"},
         {15, 44, 46, 71, 85, 86, 88, 102, 103, 104, 124, 128, 139, 150, 154, 174, 189, 198, 201, 227, 229},
         false},
        {{"1. stimmt", "2. unsicher", "3. stimmt nicht"},
         {3, 18, 45, 47, 70, 76, 92, 106, 108, 116, 120, 141, 221},
         false},
        {{"1. ja", "2. unsicher", "3. nein"}, {17, 32, 48, 52, 63, 87, 91, 110, 148, 207}, true},
        {{"1. ja", "2. gelegentlich", "3. nein"}, {140, 146, 160, 180}, true},
        {{"1. ja", "2. manchmal", "3. nein"}, {105, 130, 162}, true},
        {{"1. oft", "2. gelegentlich", "3. nie"}, {42, 53}, true},
    };
    return sets;
}

const std::vector<int>& expectedOwnSetNumbers()
{
    static const std::vector<int> own = numbers(
        {{1, 2}, {5, 6}, {8, 8}, {10, 10}, {12, 12}, {16, 16}, {21, 24}, {29, 29}, {34, 36}, {40, 41},
         {54, 54}, {57, 57}, {59, 60}, {62, 62}, {65, 65}, {68, 69}, {75, 75}, {79, 82}, {89, 89},
         {93, 93}, {96, 96}, {99, 100}, {109, 109}, {111, 112}, {114, 114}, {117, 118}, {121, 121},
         {123, 123}, {126, 126}, {134, 134}, {137, 138}, {143, 145}, {149, 149}, {151, 151},
         {155, 157}, {159, 159}, {161, 161}, {163, 163}, {165, 165}, {167, 167}, {171, 173},
         {175, 175}, {177, 179}, {181, 181}, {185, 186}, {188, 188}, {190, 192}, {194, 197},
         {203, 204}, {208, 211}, {214, 217}, {219, 220}, {222, 223}, {225, 225}, {228, 228}, {231, 232}});
    return own;
}

QStringList answersOf(const QuestionEntry& e)
{
    QStringList out{e.answerText1, e.answerText2};
    if (!e.answerText3.isEmpty())
        out << e.answerText3;
    return out;
}

QString shippedText()
{
    QFile file(":/questions/questions.txt");
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return QString::fromUtf8(file.readAll());
}

class ShippedBank : public ::testing::Test {
protected:
    static void SetUpTestSuite()
    {
        QString error;
        loaded_ = QuestionBank::loadShipped(bank_, error);
        loadError_ = error;
    }
    static QuestionBank bank_;
    static bool loaded_;
    static QString loadError_;
};
QuestionBank ShippedBank::bank_;
bool ShippedBank::loaded_ = false;
QString ShippedBank::loadError_;

TEST_F(ShippedBank, LoadsAllEntriesNumberedInOrder)
{
    ASSERT_TRUE(loaded_) << loadError_.toStdString();
    EXPECT_TRUE(loadError_.isEmpty());
    ASSERT_EQ(bank_.size(), 324);
    for (int n = 1; n <= 324; ++n) {
        const QuestionEntry* e = bank_.entry(n);
        ASSERT_NE(e, nullptr) << n;
        EXPECT_EQ(e->number, n);
    }
    EXPECT_EQ(bank_.entry(0), nullptr);
    EXPECT_EQ(bank_.entry(325), nullptr);
    EXPECT_EQ(bank_.entry(-1), nullptr);
}

TEST_F(ShippedBank, SharedSetsSitAtExactlyTheirNumbers)
{
    ASSERT_TRUE(loaded_) << loadError_.toStdString();
    const std::vector<std::size_t> expectedCounts = {92, 42, 40, 21, 13, 10, 4, 3, 2};
    const auto& sets = expectedSharedSets();
    ASSERT_EQ(sets.size(), expectedCounts.size());
    for (std::size_t i = 0; i < sets.size(); ++i) {
        std::vector<int> found;
        for (int n = 1; n <= 324; ++n)
            if (answersOf(*bank_.entry(n)) == sets[i].answers)
                found.push_back(n);
        EXPECT_EQ(found, sets[i].numbers) << sets[i].answers.join(" / ").toStdString();
        EXPECT_EQ(found.size(), expectedCounts[i]) << sets[i].answers.join(" / ").toStdString();
    }
}

TEST_F(ShippedBank, TwoAnswerEntriesAreExactlyTheJaNeinNumbers)
{
    ASSERT_TRUE(loaded_) << loadError_.toStdString();
    std::vector<int> twoAnswer;
    int threeAnswer = 0;
    for (int n = 1; n <= 324; ++n) {
        if (bank_.entry(n)->answerText3.isEmpty())
            twoAnswer.push_back(n);
        else
            ++threeAnswer;
    }
    EXPECT_EQ(twoAnswer, expectedSharedSets()[2].numbers);
    EXPECT_EQ(twoAnswer.size(), 40u);
    EXPECT_EQ(threeAnswer, 284);
}

TEST_F(ShippedBank, OwnSetsBelongToOneEntryEachAndDifferFromEveryOtherSet)
{
    ASSERT_TRUE(loaded_) << loadError_.toStdString();
    std::set<int> shared;
    std::set<QStringList> sharedAnswers;
    for (const ExpectedSet& s : expectedSharedSets()) {
        shared.insert(s.numbers.begin(), s.numbers.end());
        sharedAnswers.insert(s.answers);
    }
    std::vector<int> own;
    std::map<QStringList, int> ownAnswers;
    for (int n = 1; n <= 324; ++n) {
        if (shared.count(n))
            continue;
        own.push_back(n);
        const QStringList answers = answersOf(*bank_.entry(n));
        EXPECT_EQ(answers.size(), 3) << n;
        EXPECT_EQ(sharedAnswers.count(answers), 0u) << n;
        const auto [it, inserted] = ownAnswers.emplace(answers, n);
        EXPECT_TRUE(inserted) << n << " repeats the answers of " << it->second;
    }
    EXPECT_EQ(own, expectedOwnSetNumbers());
    EXPECT_EQ(own.size(), 97u);

    std::set<QStringList> all;
    for (int n = 1; n <= 324; ++n)
        all.insert(answersOf(*bank_.entry(n)));
    EXPECT_EQ(all.size(), 106u);
}

TEST_F(ShippedBank, TextsHaveAllowedLengthsAndNumberedAnswers)
{
    ASSERT_TRUE(loaded_) << loadError_.toStdString();
    std::set<QString> questions;
    for (int n = 1; n <= 324; ++n) {
        const QuestionEntry& e = *bank_.entry(n);
        EXPECT_GE(e.questionText.size(), 15) << n;
        EXPECT_LE(e.questionText.size(), 161) << n;
        EXPECT_FALSE(e.questionText.contains('\n')) << n;
        EXPECT_TRUE(questions.insert(e.questionText).second) << "question text repeated at " << n;
        const QStringList answers = answersOf(e);
        for (int i = 0; i < answers.size(); ++i) {
            EXPECT_TRUE(answers[i].startsWith(QString("%1. ").arg(i + 1))) << n << ": " << answers[i].toStdString();
            EXPECT_GT(answers[i].size(), 3) << n;
            EXPECT_LE(answers[i].size(), 94) << n;
        }
    }
}

TEST_F(ShippedBank, QuestionsAndStatementsEndToMatchTheirAnswers)
{
    ASSERT_TRUE(loaded_) << loadError_.toStdString();
    for (const ExpectedSet& s : expectedSharedSets()) {
        for (int n : s.numbers) {
            const QString& text = bank_.entry(n)->questionText;
            if (s.question) {
                EXPECT_TRUE(text.endsWith('?')) << n << ": " << text.toStdString();
            } else {
                EXPECT_TRUE(text.endsWith('.')) << n << ": " << text.toStdString();
                EXPECT_TRUE(text.startsWith("Ich ") || text.contains(" ich ") || text.contains(" mich ")
                            || text.contains(" mir ") || text.contains(" mein"))
                    << "statement without first person at " << n << ": " << text.toStdString();
            }
        }
    }
}

// --- parse: edits of the shipped text must be refused ----------------------

QString replaceEntryLine(const QString& text, int number, const QString& newLine)
{
    QStringList lines = text.split('\n');
    const QString key = QString::number(number) + '|';
    for (QString& line : lines) {
        if (line.startsWith(key)) {
            line = newLine;
            break;
        }
    }
    return lines.join('\n');
}

QString entryLine(const QString& text, int number)
{
    const QString key = QString::number(number) + '|';
    for (const QString& line : text.split('\n'))
        if (line.startsWith(key))
            return line;
    return {};
}

class ParseEdited : public ::testing::Test {
protected:
    void SetUp() override
    {
        text_ = shippedText();
        ASSERT_FALSE(text_.isEmpty());
        ASSERT_FALSE(entryLine(text_, 4).isEmpty());
    }

    // Parses an edited text; the bank passed in must stay as it was.
    bool parse(const QString& text, QString& error)
    {
        QuestionBank bank;
        const bool ok = QuestionBank::parse(text.toUtf8(), bank, error);
        if (!ok) {
            EXPECT_EQ(bank.size(), 0);
        }
        return ok;
    }

    void expectRefused(const QString& text, const QString& mustMention)
    {
        QString error;
        EXPECT_FALSE(parse(text, error));
        EXPECT_TRUE(error.startsWith("Fragenkatalog")) << error.toStdString();
        EXPECT_TRUE(error.contains(mustMention)) << error.toStdString();
    }

    QString text_;
};

TEST_F(ParseEdited, UnchangedTextIsAccepted)
{
    QString error = "alt";
    QuestionBank bank;
    EXPECT_TRUE(QuestionBank::parse(text_.toUtf8(), bank, error));
    EXPECT_TRUE(error.isEmpty());
    EXPECT_EQ(bank.size(), 324);
}

TEST_F(ParseEdited, WindowsLineEndingsAndByteOrderMarkAreAccepted)
{
    QString crlf = text_;
    crlf.replace("\n", "\r\n");
    QuestionBank bank;
    QString error;
    ASSERT_TRUE(QuestionBank::parse("\xEF\xBB\xBF" + crlf.toUtf8(), bank, error)) << error.toStdString();
    QuestionBank reference;
    ASSERT_TRUE(QuestionBank::parse(text_.toUtf8(), reference, error)) << error.toStdString();
    ASSERT_EQ(bank.size(), reference.size());
    for (int n = 1; n <= reference.size(); ++n)
        EXPECT_EQ(answersOf(*bank.entry(n)) << bank.entry(n)->questionText,
                  answersOf(*reference.entry(n)) << reference.entry(n)->questionText) << n;
}

TEST_F(ParseEdited, MissingEntryIsRefused)
{
    expectRefused(replaceEntryLine(text_, 100, QString()), "Nummer 100 fehlt");
}

TEST_F(ParseEdited, MissingTailIsRefused)
{
    expectRefused(replaceEntryLine(text_, 324, QString()), "ab Nummer 324");
}

TEST_F(ParseEdited, DuplicateNumberIsRefused)
{
    const QString line50 = entryLine(text_, 50);
    expectRefused(replaceEntryLine(text_, 50, line50 + '\n' + line50), "Nummer 50 kommt doppelt vor");
}

TEST_F(ParseEdited, NumberBeyondRangeIsRefused)
{
    const QString extra = entryLine(text_, 324).replace(0, 3, "325");
    expectRefused(text_ + extra + '\n', "325");
}

TEST_F(ParseEdited, WrongSharedSetAtSharedNumberIsRefused)
{
    QString line = entryLine(text_, 9);
    line.replace("@ja-dazwischen", "@ja-unsicher");
    expectRefused(replaceEntryLine(text_, 9, line), "Frage 9 verlangt die Antworten „1. ja / 2. dazwischen / 3. nein“");
}

TEST_F(ParseEdited, AlteredAnswerTextAtSharedNumberIsRefused)
{
    QString line = entryLine(text_, 240);
    line.replace("@stimmt-teilweise", "1. stimmt|2. teils|3. stimmt nicht");
    expectRefused(replaceEntryLine(text_, 240, line), "Frage 240");
}

TEST_F(ParseEdited, ThirdAnswerOnTwoAnswerNumberIsRefused)
{
    QString line = entryLine(text_, 4);
    line.replace("@ja-nein", "1. ja|2. nein|3. vielleicht");
    expectRefused(replaceEntryLine(text_, 4, line), "Frage 4 verlangt die Antworten „1. ja / 2. nein“");
}

TEST_F(ParseEdited, SharedSetAtOwnNumberIsRefused)
{
    QString line = entryLine(text_, 5);
    line = line.left(line.indexOf("|1. ")) + "|@ja-dazwischen";
    expectRefused(replaceEntryLine(text_, 5, line), "Frage 5 braucht eigene Antworten");
}

TEST_F(ParseEdited, OwnSetRepeatingAnotherIsRefused)
{
    const QString answers1 = entryLine(text_, 1).section('|', 2);
    const QString line = QString("2|Was ziehen Sie an einem freien Tag vor?|") + answers1;
    expectRefused(replaceEntryLine(text_, 2, line), "gleichen denen von Frage 1");
}

TEST_F(ParseEdited, TwoAnswersAtOwnNumberAreRefused)
{
    const QString line = "5|Was würden Sie an einem Regentag lieber tun?|1. lesen|2. spielen";
    expectRefused(replaceEntryLine(text_, 5, line), "Frage 5 braucht drei eigene Antworten");
}

TEST_F(ParseEdited, QuestionLengthLimitsAreEnforced)
{
    const QString tail = "|1. erstens|2. zweitens|3. drittens";
    QString error;

    const QString ok161 = "1|" + QString(160, 'x') + "?" + tail;
    EXPECT_TRUE(parse(replaceEntryLine(text_, 1, ok161), error)) << error.toStdString();
    const QString ok15 = "1|" + QString(14, 'x') + "?" + tail;
    EXPECT_TRUE(parse(replaceEntryLine(text_, 1, ok15), error)) << error.toStdString();

    expectRefused(replaceEntryLine(text_, 1, "1|" + QString(161, 'x') + "?" + tail), "162 Zeichen");
    expectRefused(replaceEntryLine(text_, 1, "1|" + QString(13, 'x') + "?" + tail), "14 Zeichen");
}

TEST_F(ParseEdited, AnswerLengthLimitIsEnforced)
{
    const QString head = "1|Welche Antwort passt am besten?|1. kurz|2. mittel|3. ";
    QString error;
    EXPECT_TRUE(parse(replaceEntryLine(text_, 1, head + QString(91, 'y')), error)) << error.toStdString();
    expectRefused(replaceEntryLine(text_, 1, head + QString(92, 'y')), "95 Zeichen");
}

TEST_F(ParseEdited, AnswerNumberingIsEnforced)
{
    expectRefused(replaceEntryLine(text_, 1, "1|Welche Antwort passt am besten?|1. kurz|3. mittel|2. lang"),
                  "„2. “");
    expectRefused(replaceEntryLine(text_, 1, "1|Welche Antwort passt am besten?|1. kurz|2.mittel|3. lang"),
                  "„2. “");
}

TEST_F(ParseEdited, WrongEndingForTheAnswerSetIsRefused)
{
    QString line = entryLine(text_, 4);  // a question answered ja / nein
    const int bar = line.lastIndexOf('|');
    line[bar - 1] = '.';
    expectRefused(replaceEntryLine(text_, 4, line), "Frage 4 muss als Frage");

    line = entryLine(text_, 233);  // a stimmt statement
    line.replace(".|@", "?|@");
    expectRefused(replaceEntryLine(text_, 233, line), "Frage 233 muss als Aussage");
}

TEST_F(ParseEdited, UndefinedAnswerGroupIsRefused)
{
    QString line = entryLine(text_, 4);
    line.replace("@ja-nein", "@jein");
    expectRefused(replaceEntryLine(text_, 4, line), "@jein");
}

TEST_F(ParseEdited, ErrorNamesTheLineOfTheFault)
{
    const QStringList lines = text_.split('\n');
    int lineOf17 = 0;
    for (int i = 0; i < lines.size(); ++i)
        if (lines[i].startsWith("17|"))
            lineOf17 = i + 1;
    ASSERT_GT(lineOf17, 0);
    QString line = entryLine(text_, 17);
    line.replace("@ja-unsicher", "@ja-nein");
    expectRefused(replaceEntryLine(text_, 17, line), QString("Fragenkatalog, Zeile %1:").arg(lineOf17));
}

TEST(ParseRaw, InvalidUtf8AndEmptyInputAreRefused)
{
    QuestionBank bank;
    QString error;
    EXPECT_FALSE(QuestionBank::parse(QByteArray("1|Gr\xFC\xDF Gott, wie geht es?|@x\n"), bank, error));
    EXPECT_TRUE(error.contains("UTF-8")) << error.toStdString();
    error.clear();
    EXPECT_FALSE(QuestionBank::parse(QByteArray(), bank, error));
    EXPECT_TRUE(error.contains("ab Nummer 1")) << error.toStdString();
    EXPECT_EQ(bank.size(), 0);
}

TEST(ParseRaw, FailedParseKeepsThePreviousBank)
{
    QuestionBank bank;
    QString error;
    ASSERT_TRUE(QuestionBank::loadShipped(bank, error)) << error.toStdString();
    const QString before = bank.entry(7)->questionText;
    EXPECT_FALSE(QuestionBank::parse(QByteArray("# leer\n"), bank, error));
    EXPECT_EQ(bank.size(), 324);
    EXPECT_EQ(bank.entry(7)->questionText, before);
}

// --- GetQuestion -------------------------------------------------------------

class GetQuestionTest : public ShippedBank {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(loaded_) << loadError_.toStdString();
        clearSlots();
    }
    void clearSlots()
    {
        s_.QuestionText.clear();
        s_.AnswerText1.clear();
        s_.AnswerText2.clear();
        s_.AnswerText3.clear();
        s_.AnswerText4.clear();
    }
    ProgramState s_;
};

TEST_F(GetQuestionTest, TwoAnswerEntryLeavesThirdAndFourthEmpty)
{
    GetQuestion(bank_, 4, s_);
    EXPECT_EQ(s_.QuestionText, bank_.entry(4)->questionText);
    EXPECT_EQ(s_.AnswerText1, "1. ja");
    EXPECT_EQ(s_.AnswerText2, "2. nein");
    EXPECT_TRUE(s_.AnswerText3.isEmpty());
    EXPECT_TRUE(s_.AnswerText4.isEmpty());
}

TEST_F(GetQuestionTest, ThreeAnswerEntrySetsThreeAnswers)
{
    GetQuestion(bank_, 5, s_);
    const QuestionEntry& e = *bank_.entry(5);
    EXPECT_EQ(s_.QuestionText, e.questionText);
    EXPECT_EQ(s_.AnswerText1, e.answerText1);
    EXPECT_EQ(s_.AnswerText2, e.answerText2);
    EXPECT_EQ(s_.AnswerText3, e.answerText3);
    EXPECT_FALSE(s_.AnswerText3.isEmpty());
    EXPECT_TRUE(s_.AnswerText4.isEmpty());
}

TEST_F(GetQuestionTest, EntriesFrom233OnGiveTheStimmtTeilweiseSet)
{
    for (int n = 233; n <= 324; ++n) {
        clearSlots();
        GetQuestion(bank_, n, s_);
        EXPECT_EQ(s_.QuestionText, bank_.entry(n)->questionText) << n;
        EXPECT_EQ(s_.AnswerText1, "1. stimmt") << n;
        EXPECT_EQ(s_.AnswerText2, "2. teilweise") << n;
        EXPECT_EQ(s_.AnswerText3, "3. stimmt nicht") << n;
        EXPECT_TRUE(s_.AnswerText4.isEmpty()) << n;
    }
}

TEST_F(GetQuestionTest, NumbersOutsideTheBankWriteNothing)
{
    const double misses[] = {0.0, 325.0, -1.0, 12.5, 0.5, 324.0001,
                             std::numeric_limits<double>::quiet_NaN(),
                             std::numeric_limits<double>::infinity()};
    for (double n : misses) {
        s_.QuestionText = "vorher";
        s_.AnswerText1 = "a";
        s_.AnswerText2 = "b";
        s_.AnswerText3 = "c";
        s_.AnswerText4 = "d";
        GetQuestion(bank_, n, s_);
        EXPECT_EQ(s_.QuestionText, "vorher") << n;
        EXPECT_EQ(s_.AnswerText1, "a") << n;
        EXPECT_EQ(s_.AnswerText2, "b") << n;
        EXPECT_EQ(s_.AnswerText3, "c") << n;
        EXPECT_EQ(s_.AnswerText4, "d") << n;
    }
}

TEST_F(GetQuestionTest, WholeNumberAsDoubleMatches)
{
    GetQuestion(bank_, 12.0, s_);
    EXPECT_EQ(s_.QuestionText, bank_.entry(12)->questionText);
    EXPECT_EQ(s_.AnswerText3, bank_.entry(12)->answerText3);
}

TEST_F(GetQuestionTest, AnswerFourIsNeverWritten)
{
    s_.AnswerText4 = "bleibt";
    GetQuestion(bank_, 5, s_);
    EXPECT_EQ(s_.AnswerText4, "bleibt");
}

TEST_F(GetQuestionTest, TwoAnswerLookupWithoutClearingKeepsOldThirdAnswer)
{
    // Only the caller's clearing empties the third slot between look-ups.
    GetQuestion(bank_, 5, s_);
    const QString third = s_.AnswerText3;
    ASSERT_FALSE(third.isEmpty());
    GetQuestion(bank_, 4, s_);
    EXPECT_EQ(s_.QuestionText, bank_.entry(4)->questionText);
    EXPECT_EQ(s_.AnswerText2, "2. nein");
    EXPECT_EQ(s_.AnswerText3, third);

    clearSlots();
    GetQuestion(bank_, 4, s_);
    EXPECT_TRUE(s_.AnswerText3.isEmpty());
}

TEST(GetQuestionEmptyBank, WritesNothing)
{
    QuestionBank empty;
    ProgramState s;
    GetQuestion(empty, 1, s);
    EXPECT_TRUE(s.QuestionText.isEmpty());
    EXPECT_TRUE(s.AnswerText1.isEmpty());
}

}  // namespace

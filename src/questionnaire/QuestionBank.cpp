#include "questionnaire/QuestionBank.h"

#include "questionnaire/ProgramState.h"

#include <QFile>
#include <QHash>
#include <QStringDecoder>
#include <QStringList>

#include <cmath>
#include <utility>

namespace {

constexpr int EntryCount = 324;
constexpr int MinQuestionLength = 15;
constexpr int MaxQuestionLength = 161;
constexpr int MaxAnswerLength = 94;

enum class Ending { Question, Statement };

// An answer group several entries share. The numbers are part of the
// evaluation key, so they are fixed here rather than trusted from the file.
struct SharedSet {
    QStringList answers;
    std::vector<std::pair<int, int>> ranges;  // inclusive
    Ending ending;

    bool contains(int number) const
    {
        for (const auto& [from, to] : ranges)
            if (number >= from && number <= to)
                return true;
        return false;
    }
};

const std::vector<SharedSet>& sharedSets()
{
    static const std::vector<SharedSet> sets = {
        {{QStringLiteral("1. stimmt"), QStringLiteral("2. teilweise"), QStringLiteral("3. stimmt nicht")},
         {{233, 324}},
         Ending::Statement},
        {{QStringLiteral("1. ja"), QStringLiteral("2. dazwischen"), QStringLiteral("3. nein")},
         {{9, 9}, {11, 11}, {14, 14}, {20, 20}, {26, 28}, {30, 30}, {33, 33}, {38, 39},
          {50, 51}, {56, 56}, {58, 58}, {64, 64}, {66, 66}, {72, 72}, {74, 74}, {77, 77},
          {83, 83}, {94, 94}, {97, 98}, {115, 115}, {122, 122}, {127, 127}, {129, 129},
          {132, 133}, {135, 135}, {153, 153}, {166, 166}, {168, 169}, {183, 184},
          {199, 199}, {202, 202}, {205, 205}, {213, 213}, {226, 226}},
         Ending::Question},
        {{QStringLiteral("1. ja"), QStringLiteral("2. nein")},
         {{4, 4}, {7, 7}, {13, 13}, {19, 19}, {25, 25}, {31, 31}, {37, 37}, {43, 43},
          {49, 49}, {55, 55}, {61, 61}, {67, 67}, {73, 73}, {78, 78}, {84, 84}, {90, 90},
          {95, 95}, {101, 101}, {107, 107}, {113, 113}, {119, 119}, {125, 125},
          {131, 131}, {136, 136}, {142, 142}, {147, 147}, {152, 152}, {158, 158},
          {164, 164}, {170, 170}, {176, 176}, {182, 182}, {187, 187}, {193, 193},
          {200, 200}, {206, 206}, {212, 212}, {218, 218}, {224, 224}, {230, 230}},
         Ending::Question},
        {{QStringLiteral("1. stimmt"), QStringLiteral("2. dazwischen"), QStringLiteral("3. stimmt nicht")},
         {{15, 15}, {44, 44}, {46, 46}, {71, 71}, {85, 86}, {88, 88}, {102, 104},
          {124, 124}, {128, 128}, {139, 139}, {150, 150}, {154, 154}, {174, 174},
          {189, 189}, {198, 198}, {201, 201}, {227, 227}, {229, 229}},
         Ending::Statement},
        {{QStringLiteral("1. stimmt"), QStringLiteral("2. unsicher"), QStringLiteral("3. stimmt nicht")},
         {{3, 3}, {18, 18}, {45, 45}, {47, 47}, {70, 70}, {76, 76}, {92, 92}, {106, 106},
          {108, 108}, {116, 116}, {120, 120}, {141, 141}, {221, 221}},
         Ending::Statement},
        {{QStringLiteral("1. ja"), QStringLiteral("2. unsicher"), QStringLiteral("3. nein")},
         {{17, 17}, {32, 32}, {48, 48}, {52, 52}, {63, 63}, {87, 87}, {91, 91},
          {110, 110}, {148, 148}, {207, 207}},
         Ending::Question},
        {{QStringLiteral("1. ja"), QStringLiteral("2. gelegentlich"), QStringLiteral("3. nein")},
         {{140, 140}, {146, 146}, {160, 160}, {180, 180}},
         Ending::Question},
        {{QStringLiteral("1. ja"), QStringLiteral("2. manchmal"), QStringLiteral("3. nein")},
         {{105, 105}, {130, 130}, {162, 162}},
         Ending::Question},
        {{QStringLiteral("1. oft"), QStringLiteral("2. gelegentlich"), QStringLiteral("3. nie")},
         {{42, 42}, {53, 53}},
         Ending::Question},
    };
    return sets;
}

const SharedSet* sharedSetFor(int number)
{
    for (const SharedSet& set : sharedSets())
        if (set.contains(number))
            return &set;
    return nullptr;
}

QString quoted(const QStringList& answers)
{
    return QStringLiteral("„%1“").arg(answers.join(QStringLiteral(" / ")));
}

QString lineError(int line, const QString& what)
{
    return QStringLiteral("Fragenkatalog, Zeile %1: %2").arg(line).arg(what);
}

// Checks the "k. " numbering and the length of one answer; empty on success.
QString checkAnswer(const QString& answer, int position)
{
    const QString prefix = QStringLiteral("%1. ").arg(position);
    if (!answer.startsWith(prefix) || answer.size() == prefix.size())
        return QStringLiteral("Antwort %1 muss mit „%2“ beginnen und danach Text enthalten, gefunden „%3“.")
            .arg(position).arg(prefix).arg(answer);
    if (answer.size() > MaxAnswerLength)
        return QStringLiteral("Antwort %1 ist %2 Zeichen lang, erlaubt sind höchstens %3.")
            .arg(position).arg(answer.size()).arg(MaxAnswerLength);
    return {};
}

QString checkAnswers(const QStringList& answers)
{
    if (answers.size() != 2 && answers.size() != 3)
        return QStringLiteral("Es sind zwei oder drei Antworten nötig, gefunden %1.").arg(answers.size());
    for (int i = 0; i < answers.size(); ++i) {
        const QString fault = checkAnswer(answers[i], i + 1);
        if (!fault.isEmpty())
            return fault;
    }
    return {};
}

QStringList trimmedFields(const QStringList& fields, int from)
{
    QStringList out;
    for (int i = from; i < fields.size(); ++i)
        out << fields[i].trimmed();
    return out;
}

bool parseNumber(const QString& field, int& number)
{
    if (field.isEmpty() || field.size() > 4)
        return false;
    for (QChar c : field)
        if (c < QLatin1Char('0') || c > QLatin1Char('9'))
            return false;
    number = field.toInt();
    return true;
}

}  // namespace

bool QuestionBank::parse(const QByteArray& utf8, QuestionBank& bank, QString& error)
{
    QStringDecoder decoder(QStringConverter::Utf8);
    QString text = decoder(utf8);
    if (decoder.hasError()) {
        error = QStringLiteral("Fragenkatalog: Die Datei ist nicht gültig UTF-8-kodiert.");
        return false;
    }
    if (text.startsWith(QChar(0xFEFF)))
        text.remove(0, 1);

    const QStringList lines = text.split(QLatin1Char('\n'));
    QHash<QString, QStringList> namedSets;
    std::vector<QuestionEntry> entries;
    entries.reserve(EntryCount);
    QHash<QStringList, int> ownSetOwner;  // own answer set -> entry number

    for (int index = 0; index < lines.size(); ++index) {
        const int lineNo = index + 1;
        const QString line = lines[index].trimmed();
        if (line.isEmpty() || line.startsWith(QLatin1Char('#')))
            continue;

        const QStringList fields = line.split(QLatin1Char('|'));

        if (line.startsWith(QLatin1Char('@'))) {
            const QString name = fields[0].mid(1).trimmed();
            if (name.isEmpty()) {
                error = lineError(lineNo, QStringLiteral("Die Antwortgruppe hat keinen Namen."));
                return false;
            }
            if (namedSets.contains(name)) {
                error = lineError(lineNo, QStringLiteral("Die Antwortgruppe @%1 ist schon festgelegt.").arg(name));
                return false;
            }
            const QStringList answers = trimmedFields(fields, 1);
            const QString fault = checkAnswers(answers);
            if (!fault.isEmpty()) {
                error = lineError(lineNo, QStringLiteral("Antwortgruppe @%1: %2").arg(name, fault));
                return false;
            }
            namedSets.insert(name, answers);
            continue;
        }

        if (fields.size() < 3) {
            error = lineError(lineNo, QStringLiteral("Erwartet wird „Nummer|Frage|Antworten“, die Zeile hat nur %1 Feld(er).")
                                          .arg(fields.size()));
            return false;
        }

        int number = 0;
        if (!parseNumber(fields[0].trimmed(), number)) {
            error = lineError(lineNo, QStringLiteral("„%1“ ist keine gültige Fragennummer.").arg(fields[0].trimmed()));
            return false;
        }
        const int expected = static_cast<int>(entries.size()) + 1;
        if (number > EntryCount) {
            error = lineError(lineNo, QStringLiteral("Nummer %1 liegt außerhalb von 1 bis %2.").arg(number).arg(EntryCount));
            return false;
        }
        if (number < expected) {
            error = lineError(lineNo, QStringLiteral("Nummer %1 kommt doppelt vor.").arg(number));
            return false;
        }
        if (number > expected) {
            error = lineError(lineNo, QStringLiteral("Nummer %1 fehlt (gefunden: %2).").arg(expected).arg(number));
            return false;
        }

        const QString question = fields[1].trimmed();
        if (question.size() < MinQuestionLength || question.size() > MaxQuestionLength) {
            error = lineError(lineNo, QStringLiteral("Frage %1 ist %2 Zeichen lang, erlaubt sind %3 bis %4.")
                                          .arg(number).arg(question.size()).arg(MinQuestionLength).arg(MaxQuestionLength));
            return false;
        }

        QStringList answers;
        const QString firstAnswer = fields[2].trimmed();
        if (firstAnswer.startsWith(QLatin1Char('@'))) {
            if (fields.size() != 3) {
                error = lineError(lineNo, QStringLiteral("Nach dem Verweis %1 darf kein weiteres Feld folgen.").arg(firstAnswer));
                return false;
            }
            const auto found = namedSets.constFind(firstAnswer.mid(1));
            if (found == namedSets.constEnd()) {
                error = lineError(lineNo, QStringLiteral("Die Antwortgruppe %1 ist nicht (vorher) festgelegt.").arg(firstAnswer));
                return false;
            }
            answers = *found;
        } else {
            answers = trimmedFields(fields, 2);
            const QString fault = checkAnswers(answers);
            if (!fault.isEmpty()) {
                error = lineError(lineNo, QStringLiteral("Frage %1: %2").arg(number).arg(fault));
                return false;
            }
        }

        if (const SharedSet* shared = sharedSetFor(number)) {
            if (answers != shared->answers) {
                error = lineError(lineNo, QStringLiteral("Frage %1 verlangt die Antworten %2, gefunden %3.")
                                              .arg(number).arg(quoted(shared->answers), quoted(answers)));
                return false;
            }
            const bool isQuestion = shared->ending == Ending::Question;
            const QChar mark = isQuestion ? QLatin1Char('?') : QLatin1Char('.');
            if (!question.endsWith(mark)) {
                error = lineError(lineNo, QStringLiteral("Frage %1 muss als %2 mit „%3“ enden.")
                                              .arg(number)
                                              .arg(isQuestion ? QStringLiteral("Frage") : QStringLiteral("Aussage"))
                                              .arg(mark));
                return false;
            }
        } else {
            if (answers.size() != 3) {
                error = lineError(lineNo, QStringLiteral("Frage %1 braucht drei eigene Antworten, gefunden %2.")
                                              .arg(number).arg(answers.size()));
                return false;
            }
            for (const SharedSet& set : sharedSets()) {
                if (answers == set.answers) {
                    error = lineError(lineNo, QStringLiteral("Frage %1 braucht eigene Antworten, gefunden die gemeinsame Gruppe %2.")
                                                  .arg(number).arg(quoted(answers)));
                    return false;
                }
            }
            const auto owner = ownSetOwner.constFind(answers);
            if (owner != ownSetOwner.constEnd()) {
                error = lineError(lineNo, QStringLiteral("Die Antworten von Frage %1 gleichen denen von Frage %2.")
                                              .arg(number).arg(*owner));
                return false;
            }
            ownSetOwner.insert(answers, number);
        }

        QuestionEntry entry;
        entry.number = number;
        entry.questionText = question;
        entry.answerText1 = answers[0];
        entry.answerText2 = answers[1];
        if (answers.size() == 3)
            entry.answerText3 = answers[2];
        entries.push_back(std::move(entry));
    }

    if (entries.size() != EntryCount) {
        error = QStringLiteral("Fragenkatalog: Die Fragen ab Nummer %1 fehlen (erwartet werden 1 bis %2).")
                    .arg(entries.size() + 1).arg(EntryCount);
        return false;
    }

    bank.entries_ = std::move(entries);
    error.clear();
    return true;
}

bool QuestionBank::loadShipped(QuestionBank& bank, QString& error)
{
    return loadFile(ShippedFile, bank, error);
}

bool QuestionBank::loadFile(const QString& path, QuestionBank& bank, QString& error)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        error = QStringLiteral("Der Fragenkatalog (") + path + QStringLiteral(") fehlt oder lässt sich nicht lesen.");
        return false;
    }
    return parse(file.readAll(), bank, error);
}

const QuestionEntry* QuestionBank::entry(int number) const
{
    if (number < 1 || number > EntryCount || number > size())
        return nullptr;
    return &entries_[static_cast<std::size_t>(number - 1)];
}

int QuestionBank::size() const
{
    return static_cast<int>(entries_.size());
}

void GetQuestion(const QuestionBank& bank, double n, ProgramState& s)
{
    // The negated range test also turns NaN away.
    if (!(n >= 1.0 && n <= EntryCount) || std::floor(n) != n)
        return;
    const QuestionEntry* e = bank.entry(static_cast<int>(n));
    if (!e)
        return;
    s.QuestionText = e->questionText;
    s.AnswerText1 = e->answerText1;
    s.AnswerText2 = e->answerText2;
    if (!e->answerText3.isEmpty())
        s.AnswerText3 = e->answerText3;
}

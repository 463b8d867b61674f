#pragma once

#include <QString>
#include <QByteArray>
#include <vector>

struct ProgramState;

struct QuestionEntry {
    int number = 0;
    QString questionText;
    QString answerText1, answerText2, answerText3;  // answerText3 empty for two-answer entries
};

// The 324 questionnaire items. The data file is human-editable, so every load
// checks the complete layout and refuses anything that deviates from it.
class QuestionBank {
public:
    // Parses and validates; false plus a German description of the fault
    // (e.g. "Fragenkatalog, Zeile 17: ..."). On failure `bank` stays as it was.
    static bool parse(const QByteArray& utf8, QuestionBank& bank, QString& error);

    // The bank compiled into the program (":/questions/questions.txt").
    static bool loadShipped(QuestionBank& bank, QString& error);
    static inline const QString ShippedFile = QStringLiteral(":/questions/questions.txt");
    // The bank of a file (or resource); false + German error when missing or malformed.
    static bool loadFile(const QString& path, QuestionBank& bank, QString& error);

    const QuestionEntry* entry(int number) const;  // nullptr outside 1..324
    int size() const;

private:
    std::vector<QuestionEntry> entries_;
};

// Copies entry n into the question and answer slots of `s`. n is compared
// numerically, so 12.0 finds entry 12 while 12.5, 0 and 325 find nothing and
// leave `s` alone. A two-answer entry leaves AnswerText3 untouched and
// AnswerText4 is never written: callers clear all five slots beforehand.
void GetQuestion(const QuestionBank& bank, double n, ProgramState& s);

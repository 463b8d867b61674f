#include "files/AnswerCoding.h"

#include <string>

#include "files/KeyMaterial.h"

namespace {

constexpr int AnswerCount = 324;
constexpr int LineLength = 1000;

} // namespace

std::optional<QByteArray> EncodeAnswers(const QByteArray& Answers)
{
    QByteArray line(reinterpret_cast<const char*>(AnswerKey.data()), LineLength);
    for (int k = 1; k <= AnswerCount; ++k) {
        const int from = AnswerPermutation[k - 1];
        // A missing position counts as a non-digit.
        if (from > Answers.size())
            return std::nullopt;
        const char digit = Answers.at(from - 1);
        if (digit < '0' || digit > '9')
            return std::nullopt;
        const int code = AnswerKey[k - 1] + (digit - '0');
        line[k - 1] = static_cast<char>(code);
    }
    return line;
}

std::optional<QByteArray> DecodeAnswers(const QByteArray& CodedAnswers)
{
    if (CodedAnswers.size() > LineLength)
        return std::nullopt;

    QByteArray work(LineLength, '-');
    for (qsizetype i = 0; i < CodedAnswers.size(); ++i) {
        const int n = static_cast<unsigned char>(CodedAnswers.at(i)) - AnswerKey[i];
        // Only the leading char of the difference counts: 0..9 the digit,
        // two or three digits their first, negative the sign.
        work[i] = std::to_string(n).front();
    }

    QByteArray result(AnswerCount, '-');
    for (int k = 1; k <= AnswerCount; ++k)
        result[AnswerPermutation[k - 1] - 1] = work[k - 1];
    return result;
}

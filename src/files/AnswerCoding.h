#pragma once

#include <QByteArray>
#include <optional>

// The 324 answer digits as a 1000-byte line: each digit is added to the code
// of its key byte after reordering. Deterministic, no random numbers.
// nullopt if one of the 324 positions holds no decimal digit (type mismatch).
std::optional<QByteArray> EncodeAnswers(const QByteArray& Answers);

// Back to 324 chars; a position whose code lies below its key byte reads as
// '-'. nullopt if the line is longer than 1000 bytes (invalid argument).
std::optional<QByteArray> DecodeAnswers(const QByteArray& CodedAnswers);

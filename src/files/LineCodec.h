#pragma once

#include <QByteArray>
#include <optional>

#include "ui/RandomSource.h"

// One text field of the answer file as a 1000-byte coded line. Texts longer
// than 100 bytes keep their first 100. Always draws 100 + 1000 random numbers.
QByteArray EncodeField(const QByteArray& PlainField, RandomSource& rnd);

// Reads the 100 payload bytes back out of a coded line. nullopt if the line is
// shorter than 600 bytes (invalid argument).
std::optional<QByteArray> DecodeField(const QByteArray& CodedField);

#pragma once

#include <QByteArray>
#include <optional>

#include "ui/RandomSource.h"

// The result password as line 19 of the answer file (1000 bytes). Draws 100
// padding numbers, then 1000 filler numbers. nullopt if a code of the padded
// password lies above 250 (invalid argument); no filler is drawn then.
std::optional<QByteArray> EncodePasswordBlock(const QByteArray& ResultPassword, RandomSource& rnd);

// Reads the password back. A short line is no failure: missing payload
// positions read as '='. nullopt if a payload code lies above 250.
std::optional<QByteArray> DecodePasswordBlock(const QByteArray& PasswordBlock);

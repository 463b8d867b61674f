#pragma once

#include <optional>

#include <QString>

#include "ui/CodePage1252.h"

class Program;

// The 21-line answer file at CurrentFilePath: five issuer lines, the twelve
// personal-data fields, the working time, the password block, the coded
// answers and the checksum. Each reports its own failures.
// Writing: true once written (Modified := 0); a failure sets SaveFailed := 1.
bool WriteAnswerFile(Program& program);
void ReadAnswerFile(Program& program);   // corrupt-file notice and a new questionnaire on a checksum mismatch

// The one rule for what a field line of the answer file can hold, which
// the writer applies and the personal-data form applies where the value is
// typed: the first character of the value that cannot be written so that the
// file loads again, or nullopt. Only the first 100 characters reach the file;
// among them, one without a byte in the code page is refused, and one that the
// coding would turn into a line or file end (ò, õ, å).
std::optional<cp1252::Refused> FirstRefusedFieldCharacter(const QString& value);

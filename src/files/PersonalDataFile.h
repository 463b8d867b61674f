#pragma once

#include <optional>

#include "ui/CodePage1252.h"

class Program;

// What a value of the personal-data and carry-over files cannot hold: a
// character without a byte in the code page, or a carriage return, which
// would end its line early and shift every value after it. Each file keeps
// the whole value.
std::optional<cp1252::Refused> FirstRefusedRecordCharacter(const QString& value);

// The 13-line personal-data file ("Name Vorname.std" in the last folder) and
// the carry-over list file "RUV-O-Fragebogen.lst" in the program folder.
void WritePersonalDataFile(Program& program);
void ReadPersonalDataFile(Program& program);
void WriteCarryOverFile(Program& program);
void LoadCarryOverData(Program& program);
void DeleteCarryOverFile(Program& program);

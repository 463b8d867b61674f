#pragma once

class Program;

// The 13-line personal-data file ("Name Vorname.std" in the last folder) and
// the carry-over list file "RUV-O-Fragebogen.lst" in the program folder.
void WritePersonalDataFile(Program& program);
void ReadPersonalDataFile(Program& program);
void WriteCarryOverFile(Program& program);
void LoadCarryOverData(Program& program);
void DeleteCarryOverFile(Program& program);

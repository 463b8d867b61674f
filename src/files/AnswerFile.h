#pragma once

class Program;

// The 21-line answer file at CurrentFilePath: five issuer lines, the twelve
// personal-data fields, the working time, the password block, the coded
// answers and the checksum. Each reports its own failures.
// Writing: true once written (Modified := 0); a failure sets SaveFailed := 1.
bool WriteAnswerFile(Program& program);
void ReadAnswerFile(Program& program);   // corrupt-file notice and a new questionnaire on a checksum mismatch

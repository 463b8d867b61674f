#pragma once

#include <QString>

class Program;

// The two values remembered between runs: LastDir and LastSavedFile, in
// "RUV-O-Fragebogen.ini" in the program folder.
void ReadSettingsFile(Program& program);   // silent on every failure
void WriteSettingsFile(Program& program);  // "FehlerOptionenSpeichern" on failure

QString SettingsFilePath(const Program& program);

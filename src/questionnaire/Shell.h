#pragma once

#include <QString>

class Program;

// Hand-overs to the desktop: fire and forget; only the shell's immediate code
// is looked at, and codes 2 and 31 become messages.
int ShellOpen(Program& program, const QString& target);
void OpenDocumentOrUrl(Program& program, const QString& target);
void OpenAppDocument(Program& program, const QString& fileName);

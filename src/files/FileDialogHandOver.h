#pragma once

#include <QString>

class Program;

// The program's own file dialog, shown the way every caller shows it: the
// name box, the start folder (LastDir, else AppDir), caption, centring,
// DialogCancelled := 0, confirm caption, pattern, modal display. When the
// start folder cannot be opened, the error is shown (critical, errorTitle),
// LastDir := AppDir and the dialog is prepared again. Returns true when the
// caller goes on: the dialog was confirmed with a name (CurrentFilePath set);
// typedName, when given, receives that name exactly as it stood in the box.
bool FileDialogHandOver(Program& program, const QString& caption, const QString& confirmCaption,
                        const QString& pattern, const QString& nameBoxText, const QString& errorTitle,
                        QString* typedName = nullptr);

#pragma once

class Program;

// The one save command: checks, proposed name, file dialog, name check,
// extension, overwrite question, writing. Reports through SaveFailed,
// DialogCancelled and CurrentFilePath.
void SaveQuestionnaire(Program& program);

// FileExists := 1 when ProbeFile can be opened for reading, else 0.
void CheckFileExists(Program& program);

#pragma once

class Program;

// What became of one save. Most callers decide on SaveFailed,
// DialogCancelled and the answers; those that would otherwise discard the
// answers must tell a failed write from a refusal or a cancel.
enum class SaveResult { NotWritten, Written, WriteFailed };

// The one save command: checks, proposed name, file dialog, name check,
// extension, overwrite question, writing. Reports through SaveFailed,
// DialogCancelled and CurrentFilePath; a failed write sets SaveFailed too.
SaveResult SaveQuestionnaire(Program& program);

// FileExists := 1 when ProbeFile can be opened for reading, else 0.
void CheckFileExists(Program& program);

#pragma once

class Program;

// What became of one save. Most callers decide on SaveFailed,
// DialogCancelled and the answers; those that would otherwise discard the
// answers must tell a save that came to nothing from a refusal or a cancel.
enum class SaveResult {
    NotWritten,  // refused (name, date, open answers) or the dialog cancelled
    Written,
    // The user confirmed a place and no file is there: the dialog confirmed
    // with an empty name, No to the overwrite question, or a failed write.
    Failed
};

// The one save command: checks, proposed name, file dialog, name check,
// extension, overwrite question, writing. Reports through SaveFailed,
// DialogCancelled and CurrentFilePath. Only a written file is a save: every
// Failed outcome sets SaveFailed too, so no caller claims it.
SaveResult SaveQuestionnaire(Program& program);

// FileExists := 1 when ProbeFile can be opened for reading, else 0.
void CheckFileExists(Program& program);

#pragma once

class Program;

// A save counts as done for its caller when the dialog was not cancelled,
// the save was not refused for a missing name or date, and no answer is open.
bool SaveWentThrough(const Program& program);

// After a save that went through: remember the file, rewrite the settings,
// tell where to send it, drop the carry-over file, start a new questionnaire.
// The question page's variant adds the e-mail offer.
void MainWindowPostSave(Program& program);
void QuestionPagePostSave(Program& program);

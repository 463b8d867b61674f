#pragma once

class Program;

// Starts an empty questionnaire (asks first where data would be lost).
// False when the unsaved answers were to be saved and no file was written
// (see SaveResult::Failed): then nothing is cleared.
bool NewQuestionnaire(Program& program);
// Loads an answer file chosen in the file dialog; not when the unsaved
// answers were to be saved and no file was written.
void LoadQuestionnaire(Program& program);
// Imports personal data from a personal-data file chosen in the file dialog.
void LoadPersonalData(Program& program);

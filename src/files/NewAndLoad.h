#pragma once

class Program;

// Starts an empty questionnaire (asks first where data would be lost).
void NewQuestionnaire(Program& program);
// Loads an answer file chosen in the file dialog.
void LoadQuestionnaire(Program& program);
// Imports personal data from a personal-data file chosen in the file dialog.
void LoadPersonalData(Program& program);

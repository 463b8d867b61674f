#pragma once

class Program;

// Shows the help picture modally; its first closing ends the start-up guidance.
void ShowHelpPicture(Program& program);

#pragma once

class Program;

// Step 1 mark of the digitising window: done (green tick) or not done (red
// cross); loads the window invisibly when it is not loaded.
void MarkDigitisingStep1(Program& program, bool done);

// The main window's guided digitising sequence.
void RunGuidedDigitising(Program& program);

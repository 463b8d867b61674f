#pragma once

class Program;

// Start-up procedures of the main window's load event.
void InitAppDir(Program& program);
void InitWindowsDir(Program& program);
void InitConstants(Program& program);
void DetectDisplayScaling(Program& program);

// Shows the splash window for four seconds by the platform's clock, without
// processing events in between.
void ShowSplash(Program& program);

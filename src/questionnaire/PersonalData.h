#pragma once

class Program;

// Opens the personal-data form modally, then offers to go on to answering.
void EnterPersonalData(Program& program);

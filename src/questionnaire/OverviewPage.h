#pragma once

class Program;

// Ten questions a page, for transcribing a paper questionnaire.
void ShowOverviewPage(Program& program);
void FillOverviewPage(Program& program);

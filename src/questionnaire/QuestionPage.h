#pragma once

class Program;

// Entry into answering: refuses without name and date, shows the notice once
// a run, opens the question page at the first open question.
void AnswerQuestionnaire(Program& program);
// Shows question CurrentQuestion; opens the page modally when it is not shown.
void FillQuestionPage(Program& program);

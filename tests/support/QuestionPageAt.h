#pragma once

#include "questionnaire/Form2.h"
#include "questionnaire/QuestionPage.h"
#include "support/TestRun.h"

// The question page shown at question n without going through the answering
// entry, so that its buttons can be pressed one by one.
inline Form2& QuestionPageAt(TestRun& run, int n)
{
    run.state().CurrentQuestion = n;
    Form2& page = run.program->form<Form2>();
    page.show();
    FillQuestionPage(*run.program);
    return page;
}

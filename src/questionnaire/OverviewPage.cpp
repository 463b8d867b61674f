#include "questionnaire/OverviewPage.h"

#include <QGroupBox>
#include <QLineEdit>
#include <QRadioButton>

#include "questionnaire/Form1.h"
#include "questionnaire/Form3.h"
#include "questionnaire/Program.h"
#include "questionnaire/QuestionBank.h"
#include "ui/VbText.h"

namespace {

QString mainBoxText(Program& program, bool dateBox)
{
    const Form1* main = program.loadedForm<Form1>();
    if (!main)
        return QString();
    return (dateBox ? main->Text2 : main->Text1)->text();
}

}  // namespace

void ShowOverviewPage(Program& program)
{
    if (mainBoxText(program, false).isEmpty()) {
        program.MsgBox(QStringLiteral("Geben Sie erst Ihre Stammdaten (Name, Vorname, Wohnort etc.) ein.") + CrLf
                           + QStringLiteral("Wählen Sie dazu die Taste mit der Person."),
                       vbCritical, QStringLiteral("Stammdaten fehlen"));
        return;
    }
    if (mainBoxText(program, true).isEmpty()) {
        program.MsgBox(QStringLiteral("Geben Sie auf der Stammdaten-Seite erst ein Datum ein.") + CrLf
                           + QStringLiteral("Wählen Sie dazu die Taste mit der Person."),
                       vbCritical, QStringLiteral("Datum fehlt"));
        return;
    }
    // Without the bank the page could not tell two-answer questions from
    // three-answer ones and would offer buttons that write wrong digits.
    if (!program.usableQuestionBank())
        return;

    program.state.OverviewFirst = 1;
    FillOverviewPage(program);
    program.ShowModal(program.form<Form3>());
}

void FillOverviewPage(Program& program)
{
    ProgramState& s = program.state;
    s.OverviewFilling = 1;
    // The first touch loads the page; its load event runs while filling.
    Form3& page = program.form<Form3>();
    const QuestionBank* bank = program.questionBank();

    for (int k = 1; k <= Form3::SlotCount; ++k) {
        const int n = s.OverviewFirst + k - 1;
        page.frame(k)->setVisible(n <= QuestionCount);

        s.QuestionText.clear();
        s.AnswerText1.clear();
        s.AnswerText2.clear();
        s.AnswerText3.clear();
        s.AnswerText4.clear();
        if (bank)
            GetQuestion(*bank, n, s);

        page.frame(k)->setTitle(QStringLiteral("Frage") + NumberToText(n));

        const QString* texts[4] = {&s.AnswerText1, &s.AnswerText2, &s.AnswerText3, &s.AnswerText4};
        const std::array<QRadioButton*, 4>& buttons = page.option(k);
        for (int i = 0; i < 4; ++i)
            buttons[i]->setVisible(!texts[i]->isEmpty());

        page.unselectAll(k);
        // A digit without a shown button is selected while hidden, so the
        // slot shows no selection.
        const QChar stored = (n >= 1 && n <= s.Answers.size()) ? s.Answers.at(n - 1) : QChar();
        for (int d = 1; d <= 4; ++d) {
            if (stored == QChar(u'0' + d))
                buttons[d - 1]->setChecked(true);
        }
        // The buttons shown have changed with the question.
        page.settleTabStop(k);
    }
    s.OverviewFilling = 0;
}

#include "questionnaire/QuestionPage.h"

#include <QLabel>
#include <QLineEdit>
#include <QGroupBox>
#include <QRadioButton>

#include "files/SaveQuestionnaire.h"
#include "questionnaire/Form1.h"
#include "questionnaire/Form2.h"
#include "questionnaire/Form4.h"
#include "questionnaire/PostSave.h"
#include "questionnaire/Program.h"
#include "questionnaire/QuestionBank.h"
#include "ui/VbText.h"

void AnswerQuestionnaire(Program& program)
{
    ProgramState& s = program.state;
    if (!s.Answers.contains(u'0')) {
        if (program.MsgBox(QStringLiteral("Sie haben den Fragebogen bereits bearbeitet.") + CrLf + CrLf
                               + QStringLiteral("Wollen Sie den Fragebogen nun abspeichern?"),
                           vbYesNoQuestion, QStringLiteral("Fragebogen"))
            == vbYes) {
            SaveQuestionnaire(program);
            if (SaveWentThrough(program))
                MainWindowPostSave(program);
        }
        return;
    }

    const Form1* main = program.loadedForm<Form1>();
    if (!main || main->Text1->text().isEmpty()) {
        program.MsgBox(QStringLiteral("Geben Sie erst Ihre Stammdaten (Name, Vorname, Wohnort etc.) ein.") + CrLf
                           + QStringLiteral("Wählen Sie dazu die Taste mit der Person."),
                       vbCritical, QStringLiteral("Stammdaten fehlen"));
        return;
    }
    if (main->Text2->text().isEmpty()) {
        program.MsgBox(QStringLiteral("Geben Sie auf der Stammdaten-Seite erst ein Datum ein.") + CrLf
                           + QStringLiteral("Wählen Sie dazu die Taste mit der Person."),
                       vbCritical, QStringLiteral("Datum fehlt"));
        return;
    }
    if (!program.usableQuestionBank())
        return;

    if (s.NoticeShown == 0)
        program.ShowModal(program.form<Form4>());  // its load sets NoticeShown

    const int p = int(s.Answers.indexOf(u'0')) + 1;
    if (p > 1) {
        s.CurrentQuestion = p;
        program.MsgBox(QStringLiteral("Es wird bei der ersten noch nicht beantworteten Frage fortgesetzt."),
                       vbExclamation, QStringLiteral("Fragebogen beantworten"));
    } else {
        s.CurrentQuestion = 1;
    }
    FillQuestionPage(program);
}

void FillQuestionPage(Program& program)
{
    ProgramState& s = program.state;
    s.QuestionText.clear();
    s.AnswerText1.clear();
    s.AnswerText2.clear();
    s.AnswerText3.clear();
    s.AnswerText4.clear();
    const QuestionBank* bank = program.usableQuestionBank();
    if (!bank)
        return;
    GetQuestion(*bank, s.CurrentQuestion, s);

    Form2& page = program.form<Form2>();  // a first use loads it: caption and clock
    page.Frame1->setTitle(QStringLiteral("Frage") + NumberToText(s.CurrentQuestion));
    page.Label1->setText(s.QuestionText);
    const QString* texts[4] = {&s.AnswerText1, &s.AnswerText2, &s.AnswerText3, &s.AnswerText4};
    for (int i = 0; i < 4; ++i) {
        QRadioButton* option = page.Option1[size_t(i)];
        if (texts[i]->isEmpty()) {
            option->hide();
        } else {
            page.SetOptionCaption(i, *texts[i]);
            option->show();
        }
    }
    const int n = s.CurrentQuestion;
    page.MarkAnswer(n >= 1 && n <= s.Answers.size() ? s.Answers.at(n - 1) : QChar(u'0'));

    if (!page.isVisible())
        program.ShowModal(page);
}

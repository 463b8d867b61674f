#include "questionnaire/Form4.h"

#include <QLabel>
#include <QPushButton>

#include "questionnaire/Installation.h"
#include "questionnaire/Program.h"
#include "ui/Pictures.h"
#include "ui/VbText.h"

Form4::Form4(Program& program) : ProgramForm(program, FixedDialog)
{
    setObjectName(QStringLiteral("Form4"));
    setWindowTitle(QStringLiteral("Hinweis zum Wesensrastertest"));
    setDesignClientSize(11910, 7755);

    Picture1 = new QLabel(this);
    Picture1->setObjectName(QStringLiteral("Picture1"));
    Picture1->setGeometry(TwipsRect(0, 0, 2190, 8985));
    Picture1->setPixmap(Picture(QStringLiteral("notice_side")));
    Picture1->setAlignment(Qt::AlignLeft | Qt::AlignTop);

    Label1 = new QLabel(this);
    Label1->setObjectName(QStringLiteral("Label1"));
    Label1->setGeometry(TwipsRect(2400, 360, 7692, 8292));
    QFont arial(QStringLiteral("Arial"));
    arial.setPointSizeF(12);
    Label1->setFont(arial);
    Label1->setTextFormat(Qt::PlainText);
    Label1->setWordWrap(true);
    Label1->setAlignment(Qt::AlignLeft | Qt::AlignTop);

    Command1 = new QPushButton(QStringLiteral("OK"), this);
    Command1->setObjectName(QStringLiteral("Command1"));
    Command1->setGeometry(TwipsRect(10320, 240, 1455, 615));
    connect(Command1, &QPushButton::clicked, this, &Form4::Command1_Click);
}

void Form4::showEvent(QShowEvent* event)
{
    ProgramForm::showEvent(event);
    // The notice is read and left with Enter: the focus starts on its OK.
    Command1->setFocus(Qt::OtherFocusReason);
}

QString Form4::NoticeText()
{
    // The method paragraph is two texts put together as they stand: the
    // first ends with a blank, the second begins with a dash.
    const QString method =
        QStringLiteral("Das Verfahren wurde entsprechend den wissenschaftlichen Erkenntnissen aus den empirischen "
                       "Sozialwissenshaften konstruiert und an einer 'Normalbevölkerung' geeicht. "
                       "Es kann sein, dass Ihnen die Antwort auf manche Fragen nicht leichtfällt, vor allem dann, "
                       "wenn die beruflichen Angaben in einer Frage nicht ganz auf Sie zutreffen. "
                       "Stellen Sie sich in diesem Fall die beschriebene Situation vor und markieren Sie die "
                       "Antwort, die am besten zutrifft. "
                       "Die Bearbeitung sollte nicht länger als 70 bis 90 Minuten dauern; grübeln Sie also nicht "
                       "lange über einer einzelnen Frage. "
                       "Markieren Sie, was gegenwärtig auf Sie zutrifft, und nicht, was Sie sich wünschen würden. ")
        + QStringLiteral("- Die Stimmung des Tages spielt dabei immer eine gewisse Rolle. "
                         "Die Fragen versuchen, dies zu berücksichtigen. "
                         "Trotzdem ist es am besten, den Fragebogen in einer einigermaßen normalen, ausgeglichenen "
                         "Stimmung auszufüllen. "
                         "Die Ergebnisbögen werden unmittelbar nach der Auswertung vernichtet und nur in anonymer "
                         "Form für die Aktualisierung der Normen verwendet.");
    return QStringLiteral("Auf den nachfolgenden Seiten finden Sie 324 Fragen.") + CrLf + CrLf
           + QStringLiteral("Bitte tragen Sie die Antworten per Mausklick in das Auswertefenster ein, speichern Sie "
                            "die Datei ab, und senden Sie die Datei (*.ziz-ir) an das Zurizazu.")
           + CrLf + QStringLiteral("Arbeiten Sie bitte ohne Unterbrechungen an dem Test.") + CrLf + CrLf + method
           + CrLf + QStringLiteral("Mehr Einzelheiten zum RUV-O finden Sie im Internet unter ")
           + installation::InstituteWebAddress + QStringLiteral(".") + CrLf
           + QStringLiteral("Wir wünschen Ihnen einen guten Erfolg.");
}

void Form4::Form_Load()
{
    ProgramState& s = program_.state;
    if (s.DisplayScaled == 1) {
        // On a scaled display the design text runs off the window: smaller
        // type, a lower window, the text a little further left.
        QFont f = Label1->font();
        f.setPointSizeF(10);
        Label1->setFont(f);
        setOuterHeightTwips(6800);
        Label1->move(Px(2200), Label1->y());
        // At 2200 twips the label starts at the side picture's edge; its
        // text keeps a little distance from it.
        Label1->setContentsMargins(Px(150), 0, 0, 0);
    }
    // A label shows a lone CR as a glyph; its line breaks are the LFs.
    Label1->setText(QString(NoticeText()).replace(CrLf, QStringLiteral("\n")));
    program_.centre(*this);
    s.NoticeShown = 1;
}

void Form4::Command1_Click()
{
    Unload();
}

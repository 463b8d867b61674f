#include "questionnaire/Form2.h"

#include <cmath>

#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPushButton>
#include <QRadioButton>
#include <QStyle>
#include <QTimer>

#include "files/SaveQuestionnaire.h"
#include "questionnaire/ElapsedClock.h"
#include "questionnaire/Form1.h"
#include "questionnaire/PostSave.h"
#include "questionnaire/Program.h"
#include "questionnaire/QuestionPage.h"
#include "ui/Frame.h"
#include "ui/Pictures.h"
#include "ui/VbText.h"

namespace {

const QColor AnswerBlue(0, 0, 255);
const QColor AnswerBlack(0, 0, 0);

QPushButton* pageButton(QWidget* parent, const char* name, const QString& tooltip, const char* picture,
                        const QRect& geometry)
{
    QPushButton* button = MakePictureButton(parent, QString::fromLatin1(name), tooltip, QString::fromLatin1(picture));
    button->setGeometry(geometry);
    // A drawing as large as its button would cover the button's border.
    const QSize room = geometry.size() - QSize(6, 6);
    const QSize natural = button->iconSize();
    if (natural.width() > room.width() || natural.height() > room.height()) {
        const QSize fit = natural.scaled(room, Qt::KeepAspectRatio);
        button->setIcon(QIcon(Picture(QString::fromLatin1(picture), fit)));
        button->setIconSize(fit);
    }
    button->setAutoDefault(false);  // Enter in the number box must not press a button by itself
    QPalette pal = button->palette();
    pal.setColor(QPalette::Button, QColor(238, 238, 238));
    button->setPalette(pal);
    return button;
}

void paintOption(QRadioButton* option, const QColor& colour, bool underline)
{
    QPalette pal = option->palette();
    pal.setColor(QPalette::WindowText, colour);
    pal.setColor(QPalette::ButtonText, colour);
    option->setPalette(pal);
    QFont f = option->font();
    f.setUnderline(underline);
    option->setFont(f);
}

// Radio buttons of one group cannot all be cleared while they are exclusive.
void setSelected(QRadioButton* option, bool selected)
{
    if (option->isChecked() == selected)
        return;
    option->setAutoExclusive(false);
    option->setChecked(selected);
    option->setAutoExclusive(true);
}

int firstOpen(const QString& answers)
{
    return int(answers.indexOf(u'0')) + 1;  // 0 when none is open
}

}  // namespace

Form2::Form2(Program& program) : ProgramForm(program, SizableNoControlBox)
{
    setObjectName(QStringLiteral("Form2"));
    setWindowTitle(QStringLiteral("Fragebogen"));
    setWindowIcon(PictureIcon(QStringLiteral("question_icon")));
    setDesignClientSize(11760, 8430);
    setWindowState(windowState() | Qt::WindowMaximized);

    Frame1 = new Frame(QStringLiteral("Frage"), this);
    Frame1->setObjectName(QStringLiteral("Frame1"));
    Frame1->setGeometry(TwipsRect(720, 240, 11000, 7695));

    QFont arial(QStringLiteral("Arial"));
    arial.setPointSizeF(14.25);
    Label1 = new QLabel(QStringLiteral("Label1"), Frame1);
    Label1->setObjectName(QStringLiteral("Label1"));
    Label1->setGeometry(TwipsRect(240, 600, 10500, 1455));
    Label1->setFont(arial);
    Label1->setTextFormat(Qt::PlainText);
    Label1->setWordWrap(true);
    Label1->setAlignment(Qt::AlignLeft | Qt::AlignTop);

    QFont italic = arial;
    italic.setItalic(true);
    const double tops[4] = {2280, 3600, 4920, 6240};
    for (int i = 0; i < 4; ++i) {
        auto* option = new QRadioButton(QStringLiteral("Option1"), Frame1);
        option->setObjectName(QStringLiteral("Option1_%1").arg(i));
        option->setGeometry(TwipsRect(240, tops[i], 10500, 855));
        option->setFont(italic);
        option->installEventFilter(this);
        Option1[size_t(i)] = option;
    }

    Command1 = pageButton(this, "Command1", QStringLiteral("Vorherige Fragen anzeigen"), "page_up",
                          TwipsRect(60, 240, 495, 375));
    Command2 = pageButton(this, "Command2", QStringLiteral("Nächste Frage anzeigen"), "page_down",
                          TwipsRect(60, 600, 495, 375));
    Command4 = pageButton(this, "Command4", QStringLiteral("Gehe zur ersten noch unbeantworteten Frage"),
                          "page_first_open", TwipsRect(60, 1680, 495, 495));
    Command3 = pageButton(this, "Command3",
                          QStringLiteral("Gehe zur Frage mit der Nummer in der nachstehenden Textbox"), "page_goto",
                          TwipsRect(60, 2280, 495, 495));

    QFont sans(QStringLiteral("MS Sans Serif"));
    sans.setPointSizeF(9.75);
    Text1 = new QLineEdit(QStringLiteral("1"), this);
    Text1->setObjectName(QStringLiteral("Text1"));
    Text1->setGeometry(TwipsRect(60, 2760, 495, 375));
    Text1->setAlignment(Qt::AlignCenter);
    Text1->setFont(sans);
    Text1->installEventFilter(this);

    Picture1 = new QLabel(this);
    Picture1->setObjectName(QStringLiteral("Picture1"));
    Picture1->setGeometry(TwipsRect(90, 3480, 420, 420));
    Picture1->setPixmap(Picture(QStringLiteral("stopwatch")));
    Picture1->setAlignment(Qt::AlignCenter);

    Text2 = new QLineEdit(this);
    Text2->setObjectName(QStringLiteral("Text2"));
    Text2->setGeometry(TwipsRect(60, 3960, 495, 375));
    Text2->setAlignment(Qt::AlignCenter);
    Text2->setFont(sans);
    Text2->setReadOnly(true);
    Text2->setFocusPolicy(Qt::ClickFocus);
    Text2->setToolTip(
        QStringLiteral("Abgelaufene Zeit in Minuten seit Beginn der Beantwortung des RUV-O Fragebogens"));

    Command5 = pageButton(this, "Command5", QStringLiteral("RUV-O Fragebogen Schliessen"), "close_cross",
                          TwipsRect(9000, 0, 615, 615));

    Image1 = new QLabel(this);
    Image1->setObjectName(QStringLiteral("Image1"));
    Image1->setGeometry(TwipsRect(8400, 0, 510, 495));
    Image1->setPixmap(Picture(QStringLiteral("close_tick")));
    Image1->hide();

    Timer1 = new QTimer(this);
    Timer1->setObjectName(QStringLiteral("Timer1"));
    Timer1->setInterval(10000);

    setTabOrder(Command1, Command2);
    setTabOrder(Command2, Option1[0]);
    setTabOrder(Option1[0], Option1[1]);
    setTabOrder(Option1[1], Option1[2]);
    setTabOrder(Option1[2], Option1[3]);
    setTabOrder(Option1[3], Text1);
    setTabOrder(Text1, Command3);
    setTabOrder(Command3, Command4);
    setTabOrder(Command4, Command5);

    connect(Command1, &QPushButton::clicked, this, &Form2::Command1_Click);
    connect(Command2, &QPushButton::clicked, this, &Form2::Command2_Click);
    connect(Command3, &QPushButton::clicked, this, &Form2::Command3_Click);
    connect(Command4, &QPushButton::clicked, this, &Form2::Command4_Click);
    connect(Command5, &QPushButton::clicked, this, &Form2::Command5_Click);
    connect(Timer1, &QTimer::timeout, this, &Form2::Timer1_Timer);
}

void Form2::Form_Load()
{
    ProgramState& s = program_.state;
    const Form1* main = program_.loadedForm<Form1>();
    const QString name = main ? main->Text1->text() : QString();
    const QString date = main ? main->Text2->text() : QString();
    QString caption = QStringLiteral("RUV-O Fragebogen");
    if (!name.isEmpty()) {
        caption += QStringLiteral("  -  ") + name;
        if (!date.isEmpty())
            caption += QStringLiteral(", ") + date;
    }
    setWindowTitle(caption);

    // The clock starts afresh with every opening of the page.
    s.Warned90 = 0;
    s.Warned120 = 0;
    s.StartTime = float(program_.platform().Timer());
    // Shown as zero outright: a second reading of the clock can lie a hair
    // below the start time rounded to single precision, which would read -1.
    s.WorkingTimeMinutes = NumberToText(0);
    Text2->setText(s.WorkingTimeMinutes);
    Timer1->start();
}

void Form2::Form_Unload()
{
    // A tick after the page has gone would overwrite the time a save keeps.
    Timer1->stop();
}

void Form2::resizeEvent(QResizeEvent* event)
{
    Form::resizeEvent(event);
    Form_Resize();
}

void Form2::Form_Resize()
{
    // The frame is centred by the outer width, as the page always did; the
    // close button sits at the inner right edge.
    const double outerWidth = Twips(frameGeometry().width());
    const double innerHeight = Twips(height());
    Frame1->move(Px((outerWidth - Twips(Frame1->width())) / 2),
                 Px((innerHeight - Twips(Frame1->height())) / 2 + 100));
    Command5->move(width() - Command5->width(), 0);
}

void Form2::SetOptionCaption(int index, const QString& text)
{
    QRadioButton* option = Option1[size_t(index)];
    QFont f = option->font();
    f.setUnderline(false);
    const QFontMetrics fm(f);
    // A few pixels to spare, as italic letters lean out beyond their advance.
    const int room = option->width() - style()->pixelMetric(QStyle::PM_ExclusiveIndicatorWidth, nullptr, option)
                     - style()->pixelMetric(QStyle::PM_RadioButtonLabelSpacing, nullptr, option) - 8;
    const auto fits = [&](const QString& line) { return fm.horizontalAdvance(line) <= room; };

    // The option has room for two lines. Break at the last blank that keeps
    // the first line within the option; where the rest would still be too
    // wide (a very long word), break inside the word, so that every letter
    // stays in view.
    QStringList lines{text};
    if (!fits(text)) {
        int blank = -1;
        for (int i = int(text.size()) - 1; i > 0 && blank < 0; --i)
            if (text[i] == u' ' && fits(text.left(i)))
                blank = i;
        if (blank > 0)
            lines = {text.left(blank), text.mid(blank + 1)};
        if (blank <= 0 || !fits(lines[1])) {
            int cut = int(text.size()) - 1;
            while (cut > 1 && !fits(text.left(cut)))
                --cut;
            if (text[cut].isLowSurrogate())
                --cut;
            if (fits(text.mid(cut)) || blank <= 0)
                lines = {text.left(cut), text.mid(cut)};
        }
    }
    for (QString& line : lines)
        line.replace(u'&', QStringLiteral("&&"));  // an ampersand is no shortcut here
    option->setText(lines.join(u'\n'));
}

void Form2::MarkAnswer(QChar digit)
{
    const int chosen = (digit >= u'1' && digit <= u'4') ? digit.unicode() - u'1' : -1;
    for (int i = 0; i < 4; ++i) {
        QRadioButton* option = Option1[size_t(i)];
        setSelected(option, i == chosen);
        paintOption(option, i == chosen ? AnswerBlue : AnswerBlack, i == chosen);
    }
}

void Form2::Command1_Click()
{
    ProgramState& s = program_.state;
    if (s.CurrentQuestion > 1) {
        s.CurrentQuestion -= 1;
        FillQuestionPage(program_);
    }
}

void Form2::Command2_Click()
{
    ProgramState& s = program_.state;
    if (s.CurrentQuestion < QuestionCount) {
        s.CurrentQuestion += 1;
        FillQuestionPage(program_);
        return;
    }
    const int p = firstOpen(s.Answers);
    if (p > 0) {
        program_.MsgBox(QStringLiteral("Es gibt noch unbeantwortete Fragen.") + CrLf
                            + QStringLiteral("Es wird die erste nicht beantwortete Frage angezeigt."),
                        vbExclamation, QStringLiteral("Fragebogen beantworten"));
        s.CurrentQuestion = p;
        FillQuestionPage(program_);
    } else {
        program_.MsgBox(QStringLiteral("Sie haben bereits die letzte Frage erreicht.") + CrLf
                            + QStringLiteral("Sie können nun diese Seite schließen und die Datei speichern."),
                        vbInformation, QStringLiteral("Fragebogen beantworten"));
    }
}

void Form2::Command3_Click()
{
    const double v = TextToNumber(Text1->text());
    if (v < 1 || v > QuestionCount) {
        program_.MsgBox(QStringLiteral("Eine Frage mit der Nummer") + NumberToText(v)
                            + QStringLiteral(" existiert nicht."),
                        vbCritical, QStringLiteral("GoTo"));
        return;
    }
    program_.state.CurrentQuestion = int(std::floor(v));
    FillQuestionPage(program_);
}

void Form2::Command4_Click()
{
    ProgramState& s = program_.state;
    const int p = firstOpen(s.Answers);
    if (p > 1) {
        s.CurrentQuestion = p;
        program_.MsgBox(QStringLiteral("Es wird bei der ersten noch nicht beantworteten Frage fortgesetzt."),
                        vbExclamation, QStringLiteral("Fragebogen beantworten"));
    } else if (p == 1) {
        s.CurrentQuestion = 1;
    } else {
        s.CurrentQuestion = 1;
        program_.MsgBox(QStringLiteral("Sie haben bereits alle Fragen beantwortet.") + CrLf
                            + QStringLiteral("Es wird die erste beantwortete Frage angezeigt."),
                        vbExclamation, QStringLiteral("Fragebogen beantworten"));
    }
    FillQuestionPage(program_);
}

void Form2::Command5_Click()
{
    Program& program = program_;
    ProgramState& s = program.state;
    if (s.Answers.contains(u'0')) {
        const QString question =
            QStringLiteral("Sie haben noch nicht alle Fragen beantwortet.") + CrLf + CrLf
            + QStringLiteral("Wenn Sie jetzt die Bearbeitung des Fragebogens beenden, dann müssen Sie zu einem "
                             "späteren Zeitpunkt noch einmal ganz von vorne beginnen.")
            + CrLf + CrLf + QStringLiteral("Wollen Sie wirklich die Bearbeitung beenden?");
        if (program.MsgBox(question, vbYesNoQuestionDefNo, QStringLiteral("Fragebogen Schliessen")) == vbYes) {
            s.Answers = EmptyAnswers();
            s.Modified = 0;
            Unload();
        }
        return;
    }
    // Complete: the page goes first, then the save question. Nothing below
    // touches the page any more.
    Unload();
    if (program.MsgBox(QStringLiteral("Möchten Sie den Fragebogen nun abspeichern?"), vbYesNoQuestion,
                       QStringLiteral("Benutzerführung"))
        != vbYes)
        return;
    SaveQuestionnaire(program);
    if (SaveWentThrough(program))
        QuestionPagePostSave(program);
}

void Form2::Option1_MouseDown(int index, int, int, double, double)
{
    ProgramState& s = program_.state;
    if (index < 0 || index > 3 || s.CurrentQuestion < 1 || s.CurrentQuestion > s.Answers.size())
        return;
    const QChar digit(u'1' + index);
    s.Answers[s.CurrentQuestion - 1] = digit;
    // The pressed option is selected as well, so that the dot always stands
    // at the recorded answer, whichever mouse button was used.
    MarkAnswer(digit);
    s.Modified = 1;
    if (!s.Answers.contains(u'0')) {
        Command5->setIcon(QIcon(Image1->pixmap()));
        Command5->setIconSize(Image1->pixmap().deviceIndependentSize().toSize());
        program_.MsgBox(QStringLiteral("Sie haben alle Fragen beantwortet.") + CrLf
                            + QStringLiteral("Beenden Sie nun die Beantwortung der Fragen, indem Sie den Button mit "
                                             "dem grünen Häkchen wählen."),
                        vbInformation, QStringLiteral("RUV-O Fragebogen beantwortet"));
    }
}

void Form2::Text1_KeyDown(int keyCode, int)
{
    if (keyCode == 13) {
        Command3->setFocus();
        program_.platform().SendKeys(this, QStringLiteral("{Enter}"));
    }
}

void Form2::Timer1_Timer()
{
    ProgramState& s = program_.state;
    s.WorkingTimeMinutes = NumberToText(ElapsedMinutes(s.StartTime, program_.platform().Timer()));
    Text2->setText(s.WorkingTimeMinutes);
    // Ticks go on while a warning is open; they keep the display current but
    // never put a second box on top of it.
    if (warningOpen_)
        return;
    warningOpen_ = true;
    if (TextToNumber(s.WorkingTimeMinutes) >= FirstWarningMinutes && s.Warned90 == 0) {
        s.Warned90 = 1;
        program_.MsgBox(QStringLiteral("Es sind bereits 90 Minuten abgelaufen.") + CrLf
                            + QStringLiteral("Sie sollten mit der Beantwortung des RUV-O Fragebogens zügig zum Ende "
                                             "kommen."),
                        vbExclamation, QStringLiteral("Abgelaufene Zeit beachten"));
    }
    if (TextToNumber(s.WorkingTimeMinutes) >= SecondWarningMinutes && s.Warned120 == 0) {
        s.Warned120 = 1;
        program_.MsgBox(QStringLiteral("Es sind bereits 120 Minuten abgelaufen.") + CrLf
                            + QStringLiteral("Unter diesen Bedingungen können die Antworten des RUV-O nur schwer "
                                             "gewertet werden.")
                            + CrLf
                            + QStringLiteral("Sie sollten den gesamten RUV-O Fragebogen verwerfen und zu einem "
                                             "späteren Zeitpunkt nochmals von vorne beginnen."),
                        vbExclamation, QStringLiteral("Abgelaufene Zeit beachten"));
    }
    warningOpen_ = false;
}

bool Form2::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::MouseButtonPress) {
        for (int i = 0; i < 4; ++i) {
            if (watched == Option1[size_t(i)]) {
                auto* mouse = static_cast<QMouseEvent*>(event);
                // Recorded on the press itself; the option's own click
                // handling is not needed, and keys never come this way.
                Option1_MouseDown(i, int(mouse->button()), int(mouse->modifiers()), mouse->position().x(),
                                  mouse->position().y());
                return true;
            }
        }
    } else if (event->type() == QEvent::MouseButtonDblClick) {
        // The second press of a double click is no new answer press.
        for (QRadioButton* option : Option1)
            if (watched == option)
                return true;
    } else if (event->type() == QEvent::KeyPress && watched != Text1) {
        // Only a mouse press records an answer here. A key that would select
        // an option records nothing, so it must select nothing either: the
        // page never shows an answer that the questionnaire does not hold.
        const int key = static_cast<QKeyEvent*>(event)->key();
        const bool selects = key == Qt::Key_Space || key == Qt::Key_Select || key == Qt::Key_Left
                             || key == Qt::Key_Right || key == Qt::Key_Up || key == Qt::Key_Down;
        for (QRadioButton* option : Option1)
            if (watched == option && selects)
                return true;
    } else if (event->type() == QEvent::KeyPress && watched == Text1) {
        auto* key = static_cast<QKeyEvent*>(event);
        const bool enter = key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter;
        Text1_KeyDown(enter ? 13 : key->key(), int(key->modifiers()));
        if (enter)
            return true;
    }
    return Form::eventFilter(watched, event);
}

#include "questionnaire/Form3.h"

#include <QButtonGroup>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

#include "questionnaire/Form1.h"
#include "questionnaire/OverviewPage.h"
#include "questionnaire/Program.h"
#include "ui/Frame.h"
#include "ui/Pictures.h"
#include "ui/VbText.h"

namespace {

// An answer button. Staff transcribe hundreds of answers, by mouse or by
// keyboard alone, so:
// - the whole control takes the click, not only the circle and the digit;
// - the toolkit's own Tab stop of a button group (the button that last had
//   the focus) is not used: the same group shows another question on every
//   page, so that stop would point at an answer of an earlier question, or
//   at a button this question hides, and Tab would then pass the whole
//   question by. The page sets each slot's stop itself (settleTabStop);
// - an arrow key chooses the neighbouring shown answer as a click on it
//   would, also where nothing is chosen yet (the toolkit then only moves the
//   focus, which looks chosen but records nothing).
class OptionButton : public QRadioButton {
public:
    using QRadioButton::QRadioButton;

protected:
    bool hitButton(const QPoint& pos) const override { return rect().contains(pos); }

    void focusInEvent(QFocusEvent* event) override { QWidget::focusInEvent(event); }

    void keyPressEvent(QKeyEvent* event) override
    {
        int step = 0;
        switch (event->key()) {
        case Qt::Key_Left:
        case Qt::Key_Up:
            step = -1;
            break;
        case Qt::Key_Right:
        case Qt::Key_Down:
            step = 1;
            break;
        default:
            break;
        }
        if (step == 0 || !group()) {
            QRadioButton::keyPressEvent(event);
            return;
        }
        const QList<QAbstractButton*> row = group()->buttons();
        for (qsizetype i = row.indexOf(this) + step; i >= 0 && i < row.size(); i += step) {
            QAbstractButton* next = row.at(i);
            if (next->isHidden() || !next->isEnabled())
                continue;
            next->setFocus(step < 0 ? Qt::BacktabFocusReason : Qt::TabFocusReason);
            next->click();
            break;
        }
        // At either end of the row the answer stays as it is.
        event->accept();
    }
};

}  // namespace

Form3::Form3(Program& program) : ProgramForm(program, Sizable)
{
    setObjectName(QStringLiteral("Form3"));
    setWindowTitle(QStringLiteral("Fragebogen, Übersicht"));
    setDesignClientSize(15120, 8025);
    setWindowState(windowState() | Qt::WindowMaximized);

    frames_ = {&Frame1, &Frame2, &Frame3, &Frame4, &Frame5, &Frame6, &Frame7, &Frame8, &Frame9, &Frame10};
    options_ = {&Option1, &Option2, &Option3, &Option4, &Option5,
                &Option6, &Option7, &Option8, &Option9, &Option10};

    // Created first so that the focus starts on the next-page button.
    Command2 = MakePictureButton(this, QStringLiteral("Command2"), QStringLiteral("Nächste Frage anzeigen"),
                                 QStringLiteral("page_down"));
    Command2->setGeometry(TwipsRect(120, 600, 495, 375));
    Command1 = MakePictureButton(this, QStringLiteral("Command1"), QStringLiteral("Vorherige Fragen anzeigen"),
                                 QStringLiteral("page_up"));
    Command1->setGeometry(TwipsRect(120, 240, 495, 375));
    connect(Command1, &QPushButton::clicked, this, &Form3::Command1_Click);
    connect(Command2, &QPushButton::clicked, this, &Form3::Command2_Click);
    setTabOrder(Command2, Command1);

    QWidget* previous = Command1;
    for (int k = 1; k <= SlotCount; ++k) {
        const QString number = QString::number(k);
        auto* frame = new Frame(QStringLiteral("Frame") + number, this);
        frame->setObjectName(QStringLiteral("Frame") + number);
        frame->setGeometry(TwipsRect(720, 120 + 780 * (k - 1), 4215, 675));
        *frames_[k - 1] = frame;

        auto* group = new QButtonGroup(this);
        group->setExclusive(true);
        groups_[k - 1] = group;
        std::array<QRadioButton*, 4>& buttons = *options_[k - 1];
        for (int i = 0; i < 4; ++i) {
            auto* button = new OptionButton(QStringLiteral("Option") + number, frame);
            button->setObjectName(QStringLiteral("Option") + number);
            button->setGeometry(TwipsRect(120 + 960 * i, 300, 975, 255));
            group->addButton(button, i);
            buttons[i] = button;
            setTabOrder(previous, button);
            previous = button;
        }
        connect(group, &QButtonGroup::idClicked, this, [this, k](int index) { Option_Click(k, index); });
        connect(group, &QButtonGroup::idToggled, this, [this, k](int, bool) { settleTabStop(k); });
        settleTabStop(k);
    }
    Command2->setFocus();
}

void Form3::Form_Load()
{
    for (int k = 1; k <= SlotCount; ++k) {
        for (int i = 0; i < 4; ++i)
            option(k)[i]->setText(QString::number(i + 1));
    }

    const Form1* main = program_.loadedForm<Form1>();
    const QString name = main ? main->Text1->text() : QString();
    const QString date = main ? main->Text2->text() : QString();
    QString caption = QStringLiteral("RUV-O Fragebogen Übersicht");
    if (!name.isEmpty()) {
        caption += QStringLiteral("  -  ") + name;
        if (!date.isEmpty())
            caption += QStringLiteral(", ") + date;
    }
    setWindowTitle(caption);

    if (main)
        setWindowIcon(main->windowIcon());
}

void Form3::Form_Unload()
{
    // Whatever was clicked, the working time of this questionnaire is no
    // longer a measured one.
    program_.state.WorkingTimeMinutes = QStringLiteral("Nachträglich digitalisiert");
}

void Form3::Command1_Click()
{
    ProgramState& s = program_.state;
    if (s.OverviewFirst > 10) {
        s.OverviewFirst -= 10;
        FillOverviewPage(program_);
    }
}

void Form3::Command2_Click()
{
    ProgramState& s = program_.state;
    if (s.OverviewFirst < 314) {
        s.OverviewFirst += 10;
        FillOverviewPage(program_);
    }
}

void Form3::Option_Click(int slot, int index)
{
    ProgramState& s = program_.state;
    if (s.OverviewFilling == 1)
        return;
    const int n = s.OverviewFirst + slot - 1;
    // Only a shown button of a shown slot can be clicked; the guard keeps the
    // answers at their 324 characters and free of digits the question does
    // not offer, whatever calls this.
    if (n < 1 || n > s.Answers.size() || index < 0 || index > 3 || option(slot)[index]->isHidden())
        return;
    const QString digit = NumberToText(index + 1).trimmed();
    s.Answers.replace(n - 1, 1, digit);
    s.Modified = 1;
}

void Form3::unselectAll(int slot)
{
    QButtonGroup* group = groups_[slot - 1];
    group->setExclusive(false);
    for (QRadioButton* button : option(slot))
        button->setChecked(false);
    group->setExclusive(true);
}

void Form3::settleTabStop(int slot)
{
    const std::array<QRadioButton*, 4>& buttons = option(slot);
    QRadioButton* stop = buttons[0];
    for (QRadioButton* button : buttons) {
        if (button->isChecked() && !button->isHidden())
            stop = button;
    }
    for (QRadioButton* button : buttons)
        button->setFocusPolicy(button == stop ? Qt::StrongFocus : Qt::ClickFocus);
}

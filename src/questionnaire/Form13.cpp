#include "questionnaire/Form13.h"

#include <limits>

#include <QCheckBox>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

#include "files/AnswerFile.h"
#include "files/NewAndLoad.h"
#include "files/PersonalDataFile.h"
#include "questionnaire/Digitising.h"
#include "questionnaire/Form1.h"
#include "questionnaire/Form5.h"
#include "questionnaire/Program.h"
#include "ui/Frame.h"
#include "ui/Pictures.h"
#include "ui/VbText.h"

namespace {

// Design in twips: framed cells of three columns and five rows inside the
// frame "Klient", the buttons in a column to its right. The middle column is
// wider: it holds the long caption of the check box.
constexpr double ColumnWidth[3] = {3150, 3450, 3150};
constexpr double CellHeight = 690;
constexpr double ColumnGap = 90;
constexpr double RowGap = 90;
constexpr double CellsLeft = 90;
constexpr double CellsTop = 300;  // below the caption of "Klient"
constexpr double KlientLeft = 90;
constexpr double KlientTop = 90;
constexpr double KlientWidth = CellsLeft + ColumnWidth[0] + ColumnWidth[1] + ColumnWidth[2] + 2 * ColumnGap + 90;
constexpr double KlientHeight = CellsTop + 5 * CellHeight + 4 * RowGap + 120;
constexpr double ButtonLeft = KlientLeft + KlientWidth + 90;
constexpr double ButtonWidth = 1425;  // also the side of the square picture button
constexpr double ButtonHeight = 495;
constexpr double FormWidth = ButtonLeft + ButtonWidth + 90;
constexpr double FormHeight = KlientTop + KlientHeight + 90;
constexpr double LampSide = 615;  // 41 pixels

double cellLeft(int column)
{
    double left = CellsLeft;
    for (int c = 0; c < column; ++c)
        left += ColumnWidth[c] + ColumnGap;
    return left;
}
double cellTop(int row) { return CellsTop + row * (CellHeight + RowGap); }

QGroupBox* makeCell(QWidget* parent, const char* name, const QString& caption, int column, int row)
{
    auto* frame = new Frame(caption, parent);
    frame->setObjectName(QString::fromLatin1(name));
    frame->setGeometry(TwipsRect(cellLeft(column), cellTop(row), ColumnWidth[column], CellHeight));
    return frame;
}

// A text box filling its cell, or narrower when a width is given.
QLineEdit* makeBox(QWidget* cell, const char* name, double widthTwips = 0)
{
    auto* box = new QLineEdit(cell);
    box->setObjectName(QString::fromLatin1(name));
    box->setGeometry(TwipsRect(120, 240, widthTwips > 0 ? widthTwips : Twips(cell->width()) - 240, 360));
    box->setMaxLength(std::numeric_limits<int>::max());  // values are stored as they stand, however long
    QFont f(QStringLiteral("MS Sans Serif"));
    f.setPointSizeF(9.75);
    box->setFont(f);
    return box;
}

QPushButton* makeButton(QWidget* parent, const char* name, const QString& caption)
{
    auto* button = new QPushButton(caption, parent);
    button->setObjectName(QString::fromLatin1(name));
    // Enter in a text box must never press a button behind the user's back.
    button->setAutoDefault(false);
    return button;
}

// The first character of a box's text that one of the files it goes to
// cannot hold: the answer file, or the carry-over and personal-data files.
std::optional<cp1252::Refused> FirstUnwritableCharacter(const QString& text)
{
    const std::optional<cp1252::Refused> inAnswerFile = FirstRefusedFieldCharacter(text);
    const std::optional<cp1252::Refused> inRecord = FirstRefusedRecordCharacter(text);
    if (inAnswerFile && inRecord)
        return inAnswerFile->position <= inRecord->position ? inAnswerFile : inRecord;
    return inAnswerFile ? inAnswerFile : inRecord;
}

}  // namespace

Form13::Form13(Program& program) : ProgramForm(program, FixedDialog)
{
    setObjectName(QStringLiteral("Form13"));
    setWindowTitle(QStringLiteral("Stammdaten"));
    setWindowIcon(PictureIcon(QStringLiteral("main_stammdaten")));
    setDesignClientSize(FormWidth, FormHeight);

    Frame2 = new Frame(QStringLiteral("Klient"), this);
    Frame2->setObjectName(QStringLiteral("Frame2"));
    Frame2->setGeometry(TwipsRect(KlientLeft, KlientTop, KlientWidth, KlientHeight));

    Frame3 = makeCell(Frame2, "Frame3", QStringLiteral("Name"), 0, 0);
    Text1 = makeBox(Frame3, "Text1");
    Frame4 = makeCell(Frame2, "Frame4", QStringLiteral("Vorname"), 1, 0);
    Text2 = makeBox(Frame4, "Text2");
    Frame5 = makeCell(Frame2, "Frame5", QStringLiteral("Geschlecht"), 2, 0);
    Option1[0] = new QRadioButton(QStringLiteral("männlich"), Frame5);
    Option1[0]->setObjectName(QStringLiteral("Option1_0"));
    Option1[0]->setGeometry(TwipsRect(120, 240, 1380, 360));
    Option1[1] = new QRadioButton(QStringLiteral("weiblich"), Frame5);
    Option1[1]->setObjectName(QStringLiteral("Option1_1"));
    Option1[1]->setGeometry(TwipsRect(1620, 240, 1380, 360));

    Frame6 = makeCell(Frame2, "Frame6", QStringLiteral("Alter in Jahren"), 0, 1);
    Text3 = makeBox(Frame6, "Text3");
    Frame7 = makeCell(Frame2, "Frame7", QStringLiteral("Telefon"), 1, 1);
    Text4 = makeBox(Frame7, "Text4");
    Frame8 = makeCell(Frame2, "Frame8", QStringLiteral("Berufliche Tätigkeit"), 2, 1);
    Text5 = makeBox(Frame8, "Text5");

    // Row 3: the date with "Heute", the two lamp sources, the file-status lamp.
    Frame9 = makeCell(Frame2, "Frame9", QStringLiteral("Datum"), 0, 2);
    constexpr double HeuteWidth = 960;
    Text6 = makeBox(Frame9, "Text6", ColumnWidth[0] - 240 - HeuteWidth - 90);
    Command3 = makeButton(Frame9, "Command3", QStringLiteral("Heute"));
    Command3->setGeometry(TwipsRect(ColumnWidth[0] - 120 - HeuteWidth, 240, HeuteWidth, 360));

    Image1 = new QLabel(Frame2);
    Image1->setObjectName(QStringLiteral("Image1"));
    Image1->setPixmap(Picture(QStringLiteral("lamp_green")));
    Image1->setGeometry(TwipsRect(cellLeft(1), cellTop(2), LampSide, LampSide));
    Image1->hide();
    Image3 = new QLabel(Frame2);
    Image3->setObjectName(QStringLiteral("Image3"));
    Image3->setPixmap(Picture(QStringLiteral("lamp_grey")));
    Image3->setGeometry(TwipsRect(cellLeft(1) + LampSide, cellTop(2), LampSide, LampSide));
    Image3->hide();
    Image4 = new QLabel(Frame2);
    Image4->setObjectName(QStringLiteral("Image4"));
    Image4->setGeometry(TwipsRect(cellLeft(2) + ColumnWidth[2] - LampSide, cellTop(2) + (CellHeight - LampSide) / 2,
                                  LampSide, LampSide));

    Frame10 = makeCell(Frame2, "Frame10", QStringLiteral("Strasse, Hausnummer"), 0, 3);
    Text7 = makeBox(Frame10, "Text7");
    Frame11 = makeCell(Frame2, "Frame11", QStringLiteral("Postleitzahl, Ort"), 1, 3);
    Text8 = makeBox(Frame11, "Text8");
    Frame12 = makeCell(Frame2, "Frame12", QStringLiteral("Land"), 2, 3);
    Text9 = makeBox(Frame12, "Text9");

    Frame13 = makeCell(Frame2, "Frame13", QStringLiteral("Email oder Fax"), 0, 4);
    Text10 = makeBox(Frame13, "Text10");
    Frame14 = makeCell(Frame2, "Frame14", QStringLiteral("Option zum Versenden"), 1, 4);
    Check1 = new QCheckBox(QStringLiteral("Testergebnis an Email oder Fax senden"), Frame14);
    Check1->setObjectName(QStringLiteral("Check1"));
    Check1->setGeometry(TwipsRect(90, 240, ColumnWidth[1] - 150, 360));
    Frame19 = makeCell(Frame2, "Frame19", QStringLiteral("Bearbeitungszeit in Minuten"), 2, 4);
    Text15 = makeBox(Frame19, "Text15");
    Text15->setReadOnly(true);

    Command1 = makeButton(this, "Command1", QStringLiteral("OK"));
    Command1->setGeometry(TwipsRect(ButtonLeft, KlientTop + CellsTop, ButtonWidth, ButtonHeight));
    Command2 = makeButton(this, "Command2", QStringLiteral("Abbrechen"));
    Command2->setGeometry(
        TwipsRect(ButtonLeft, KlientTop + CellsTop + ButtonHeight + 120, ButtonWidth, ButtonHeight));
    Command4 = MakePictureButton(this, QStringLiteral("Command4"), QStringLiteral("Stammdaten Laden"),
                                 QStringLiteral("person_load"));
    Command4->setAutoDefault(false);
    Command4->setGeometry(
        TwipsRect(ButtonLeft, KlientTop + CellsTop + 2 * (ButtonHeight + 120) + 120, ButtonWidth, ButtonWidth));

    boxes_ = {Text1, Text2, Text3, Text4, Text5, Text6, Text7, Text8, Text9, Text10};
    for (QLineEdit* box : boxes_)
        box->installEventFilter(this);

    const QList<QWidget*> tabOrder{Text1, Text2, Option1[0], Option1[1], Text3,    Text4,    Text5,
                                   Text6, Text7, Text8,      Text9,      Text10,   Check1,   Command1,
                                   Command2, Command3, Command4, Text15};
    for (int i = 1; i < tabOrder.size(); ++i)
        setTabOrder(tabOrder[i - 1], tabOrder[i]);

    connect(Command1, &QPushButton::clicked, this, &Form13::Command1_Click);
    connect(Command2, &QPushButton::clicked, this, &Form13::Command2_Click);
    connect(Command3, &QPushButton::clicked, this, &Form13::Command3_Click);
    connect(Command4, &QPushButton::clicked, this, &Form13::Command4_Click);
    for (int i = 0; i < 2; ++i) {
        connect(Option1[i], &QRadioButton::toggled, this, [this, i](bool on) {
            updateSexTabStop();
            if (on)
                Option1_Click(i);
        });
    }
    updateSexTabStop();
    connect(Check1, &QCheckBox::toggled, this, &Form13::Check1_Click);
}

void Form13::updateSexTabStop()
{
    // The two options are one tab stop, on the chosen one (the first while
    // none is chosen): a Space after Tab must not switch the stored sex. The
    // arrow keys still move between them.
    const int stop = Option1[1]->isChecked() ? 1 : 0;
    for (int i = 0; i < 2; ++i)
        Option1[i]->setFocusPolicy(i == stop ? Qt::StrongFocus : Qt::ClickFocus);
}

QLineEdit* Form13::textBox(int number) const
{
    return number >= 1 && number <= 10 ? boxes_[number - 1] : nullptr;
}

void Form13::Form_Load()
{
    const ProgramState& s = program_.state;
    FieldsChanged = 0;
    // The form is not visible yet, so the option and check-box events that
    // these settings fire do not count as changes.
    Text1->setText(s.ClientName);
    Text2->setText(s.ClientFirstName);
    if (s.ClientSex == QStringLiteral("m"))
        Option1[0]->setChecked(true);
    else if (s.ClientSex == QStringLiteral("w"))
        Option1[1]->setChecked(true);
    Text3->setText(s.ClientAge);
    Text4->setText(s.ClientPhone);
    Text5->setText(s.ClientOccupation);
    Text6->setText(s.ClientDate);
    Text7->setText(s.ClientStreet);
    Text8->setText(s.ClientPostcodeCity);
    Text9->setText(s.ClientCountry);
    Text10->setText(s.ClientEmailOrFax);
    Check1->setChecked(s.SendResultOption == QStringLiteral("1"));
    Text15->setText(s.WorkingTimeMinutes);

    // The long check-box caption fits its cell only in the smaller font.
    if (Check1->font().pointSizeF() >= 9) {
        QFont small(QStringLiteral("Arial"));
        small.setPointSizeF(8);
        Check1->setFont(small);
    }

    if (s.CurrentFilePath.isEmpty()) {
        Image4->setPixmap(Image3->pixmap());
        Image4->setToolTip(QStringLiteral("Es ist keine Datei geöffnet."));
    } else if (s.CurrentFilePath.right(7).toUpper() == QStringLiteral(".ZIZ-IR")) {
        Image4->setPixmap(Image1->pixmap());
        Image4->setToolTip(QStringLiteral("Es handelt sich um eine verschlüsselte Originaldatei."));
    }
}

void Form13::Command1_Click()
{
    for (QLineEdit* box : {Text1, Text2, Text3, Text4, Text5, Text6, Text7, Text8, Text9}) {
        if (box->text().isEmpty()) {
            program_.MsgBox(QStringLiteral("Es wurden noch nicht alle Felder ausgefüllt."), vbCritical, QString());
            return;
        }
    }
    if (Check1->isChecked() && Text10->text().isEmpty()) {
        program_.MsgBox(QStringLiteral("Wenn Sie die Option 'Testergebnis an Email oder Fax senden' wählen, dann "
                                       "müssen Sie auch eine Emailadresse oder eine Faxnummer angeben."),
                        vbCritical, QString());
        return;
    }
    if (!Option1[0]->isChecked() && !Option1[1]->isChecked()) {
        program_.MsgBox(QStringLiteral("Geben Sie bitte noch Ihr Geschlecht an."), vbExclamation, QString());
        return;
    }
    // A character that the answer file or the carry-over file cannot hold is
    // refused here, where it can be mended, not at the save after the last
    // answer. The first one is named with its box's label and selected there.
    for (QLineEdit* box : boxes_) {
        if (const std::optional<cp1252::Refused> refused = FirstUnwritableCharacter(box->text())) {
            const QString label = static_cast<QGroupBox*>(box->parentWidget())->title();
            program_.MsgBox(QStringLiteral("Das Zeichen ") + CharacterForMessage(refused->character)
                                + QStringLiteral(" wird im Feld '") + label + QStringLiteral("' nicht akzeptiert."),
                            vbCritical, QString());
            box->setFocus(Qt::OtherFocusReason);
            box->setSelection(int(refused->position), int(refused->character.size()));
            return;
        }
    }

    // The form goes away before the password dialog; everything after the
    // unload works on the run, not on this window.
    Program& program = program_;
    ProgramState& s = program.state;
    s.ClientName = Text1->text();
    s.ClientFirstName = Text2->text();
    s.ClientSex = Option1[0]->isChecked() ? QStringLiteral("m") : QStringLiteral("w");
    s.ClientAge = Text3->text();
    s.ClientPhone = Text4->text();
    s.ClientOccupation = Text5->text();
    s.ClientDate = Text6->text();
    s.ClientStreet = Text7->text();
    s.ClientPostcodeCity = Text8->text();
    s.ClientCountry = Text9->text();
    s.ClientEmailOrFax = Text10->text();
    s.SendResultOption = Check1->isChecked() ? QStringLiteral("1") : QStringLiteral("0");

    Form1& main = program.form<Form1>();
    main.Text1->setText(s.ClientName + QStringLiteral(", ") + s.ClientFirstName);
    main.Text2->setText(s.ClientDate);

    Unload();

    Form5& password = program.form<Form5>();
    password.Text1->setText(s.ResultPassword);
    password.Text2->setText(s.ResultPassword);
    program.ShowModal(password);

    if (program.MsgBox(QStringLiteral("Möchten Sie Ihre Stammdaten zusammen mit dem Passwort in einer Datei sichern "
                                      "und abspeichern?"),
                       vbYesNoQuestion, QStringLiteral("Stammdaten Speichern"))
        == vbYes)
        WritePersonalDataFile(program);
    WriteCarryOverFile(program);
    s.PersonalDataConfirmed = 1;
    MarkDigitisingStep1(program, true);
}

void Form13::Command2_Click()
{
    if (FieldsChanged == 1) {
        if (program_.MsgBox(QStringLiteral("Die Stammdaten wurden verändert.") + CrLf
                                + QStringLiteral("Sollen die veränderten Stammdaten gespeichert werden?"),
                            vbYesNoQuestion, QString())
            == vbYes) {
            program_.MsgBox(QStringLiteral("Speichern Sie die Stammdaten durch Betätigen der Taste 'OK'."),
                            vbInformation, QString());
            return;
        }
    }
    MarkDigitisingStep1(program_, false);
    Unload();
}

void Form13::Command3_Click()
{
    // The platform's month-day-year text, rearranged to day.month.year.
    const QString mdy = program_.platform().Today().toString(QStringLiteral("MM-dd-yyyy"));
    Text6->setText(mdy.mid(3, 2) + QStringLiteral(".") + mdy.mid(0, 2) + QStringLiteral(".") + mdy.mid(6, 4));
    FieldsChanged = 1;
}

void Form13::Command4_Click()
{
    LoadPersonalData(program_);
}

void Form13::Option1_Click(int)
{
    if (isVisible())
        FieldsChanged = 1;
}

void Form13::Check1_Click()
{
    if (isVisible())
        FieldsChanged = 1;
}

void Form13::Text_KeyPress(int, int)
{
    FieldsChanged = 1;
}

void Form13::Text_KeyDown(int box, int keyCode, int)
{
    if (keyCode != 13)
        return;
    // Enter moves on through the boxes; the sex options and "Heute" are passed
    // over, and the last box keeps the focus.
    if (box >= 1 && box <= 9)
        textBox(box + 1)->setFocus(Qt::OtherFocusReason);
}

bool Form13::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() != QEvent::KeyPress)
        return Form::eventFilter(watched, event);
    auto* key = static_cast<QKeyEvent*>(event);
    const bool enter = key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter;

    for (int n = 1; n <= 10; ++n) {
        if (watched != boxes_[n - 1])
            continue;
        Text_KeyDown(n, enter ? 13 : key->key(), int(key->modifiers()));
        // A key that produces a character counts as a change, whether or not
        // the text changes; Tab, Delete and Alt combinations produce none.
        const QString text = key->text();
        if (!text.isEmpty() && key->key() != Qt::Key_Tab && key->key() != Qt::Key_Backtab
            && key->key() != Qt::Key_Delete && text.at(0) != QChar(0x7F)
            && !(key->modifiers() & Qt::AltModifier))
            Text_KeyPress(n, text.at(0).unicode());
        return Form::eventFilter(watched, event);
    }
    return Form::eventFilter(watched, event);
}

void Form13::showEvent(QShowEvent* event)
{
    Form::showEvent(event);
    Text1->setFocus(Qt::OtherFocusReason);
}

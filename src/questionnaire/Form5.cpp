#include "questionnaire/Form5.h"

#include <limits>

#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "questionnaire/Program.h"
#include "ui/CodePage1252.h"
#include "ui/Frame.h"
#include "ui/Pictures.h"
#include "ui/VbText.h"

namespace {

const QString Title = QStringLiteral("Passwortschutz");

// Design in twips: the padlock strip fills the left edge (72 x 180 pixels),
// the two framed boxes stand in the middle of the remaining height, the
// buttons to their right.
constexpr double StripWidth = 1080;
constexpr double FormHeight = 2700;
constexpr double FrameLeft = StripWidth + 180;
constexpr double FrameWidth = 4620;
constexpr double FrameHeight = 690;
constexpr double Frame1Top = 570;
constexpr double Frame2Top = Frame1Top + FrameHeight + 180;
constexpr double ButtonLeft = FrameLeft + FrameWidth + 150;
constexpr double ButtonWidth = 1335;
constexpr double ButtonHeight = 495;
constexpr double FormWidth = ButtonLeft + ButtonWidth + 180;

QLineEdit* makeBox(QWidget* parent, const char* name)
{
    auto* box = new QLineEdit(parent);
    box->setObjectName(QString::fromLatin1(name));
    box->setGeometry(TwipsRect(120, 240, FrameWidth - 240, 360));
    box->setMaxLength(std::numeric_limits<int>::max());  // the password has no length limit
    return box;
}

QPushButton* makeButton(QWidget* parent, const char* name, const QString& caption)
{
    auto* button = new QPushButton(caption, parent);
    button->setObjectName(QString::fromLatin1(name));
    button->setAutoDefault(false);  // Enter has its own flow here
    return button;
}

}  // namespace

QString FirstRefusedPasswordCharacter(const QString& password)
{
    // A carriage return (pasted) would split the password's line in the
    // carry-over and personal-data files.
    const std::optional<cp1252::Refused> refused =
        cp1252::FirstRefused(password, -1, [](unsigned char code) { return code >= 123 || code == '\r'; });
    return refused ? refused->character : QString();
}

Form5::Form5(Program& program) : ProgramForm(program, FixedDialog)
{
    setObjectName(QStringLiteral("Form5"));
    setWindowTitle(Title);
    setDesignClientSize(FormWidth, FormHeight);

    Picture1 = new QLabel(this);
    Picture1->setObjectName(QStringLiteral("Picture1"));
    Picture1->setPixmap(Picture(QStringLiteral("padlock_strip")));
    Picture1->setGeometry(TwipsRect(0, 0, StripWidth, FormHeight));
    Picture1->setAlignment(Qt::AlignLeft | Qt::AlignTop);

    Frame1 = new Frame(QStringLiteral("Passwort zum Öffnen des verschlüsselten RUV-O"), this);
    Frame1->setObjectName(QStringLiteral("Frame1"));
    Frame1->setGeometry(TwipsRect(FrameLeft, Frame1Top, FrameWidth, FrameHeight));
    Text1 = makeBox(Frame1, "Text1");
    Frame2 = new Frame(QStringLiteral("Passwort (Wiederholung)"), this);
    Frame2->setObjectName(QStringLiteral("Frame2"));
    Frame2->setGeometry(TwipsRect(FrameLeft, Frame2Top, FrameWidth, FrameHeight));
    Text2 = makeBox(Frame2, "Text2");

    Command1 = makeButton(this, "Command1", QStringLiteral("OK"));
    Command1->setGeometry(TwipsRect(ButtonLeft, Frame1Top + 90, ButtonWidth, ButtonHeight));
    Command2 = makeButton(this, "Command2", QStringLiteral("Hilfe"));
    Command2->setGeometry(TwipsRect(ButtonLeft, Frame1Top + 90 + ButtonHeight + 120, ButtonWidth, ButtonHeight));

    setTabOrder(Text1, Text2);
    setTabOrder(Text2, Command1);
    setTabOrder(Command1, Command2);
    Text1->installEventFilter(this);
    Text2->installEventFilter(this);

    connect(Command1, &QPushButton::clicked, this, &Form5::Command1_Click);
    connect(Command2, &QPushButton::clicked, this, &Form5::Command2_Click);
}

void Form5::Form_Load()
{
    setWindowIcon(QIcon());
    program_.centre(*this);
}

void Form5::Command1_Click()
{
    if (Text1->text() != Text2->text()) {
        program_.MsgBox(QStringLiteral("Das Passwort und seine Wiederholung sind nicht identisch.") + CrLf
                            + QStringLiteral("Wiederholen Sie bitte die Eingabe."),
                        vbCritical, Title);
        return;
    }

    const QChar blank(u' ');
    if (Text1->text().startsWith(blank) || Text1->text().endsWith(blank)) {
        program_.MsgBox(
            QStringLiteral("Leerzeichen am Anfang oder am Ende des Passwortes werden nicht akzeptiert."),
            vbCritical, Title);
        // Both boxes lose the same characters; they pass only at the next OK.
        QString password = Text1->text();
        QString repetition = Text2->text();
        while (password.startsWith(blank)) {
            password.remove(0, 1);
            repetition.remove(0, 1);
        }
        while (password.endsWith(blank)) {
            password.chop(1);
            repetition.chop(1);
        }
        Text1->setText(password);
        Text2->setText(repetition);
        return;
    }

    const QString refused = FirstRefusedPasswordCharacter(Text1->text());
    if (!refused.isEmpty()) {
        program_.MsgBox(QStringLiteral("Das Zeichen ") + CharacterForMessage(refused)
                            + QStringLiteral(" wird im Passwort nicht akzeptiert."),
                        vbCritical, Title);
        return;
    }

    if (!Text1->text().isEmpty()) {
        program_.state.ResultPassword = Text1->text();
        program_.MsgBox(QStringLiteral("Bitte notieren Sie sich das Passwort sorgfältig, damit sichergestellt ist, "
                                       "dass Sie die verschlüsselte RUV-O-Datei vom zfk später auch öffnen können."),
                        vbExclamation, Title);
        Unload();
        return;
    }

    if (program_.MsgBox(QStringLiteral("Wollen Sie kein Passwort zum Schutz Ihrer verschlüsselten RUV-O-Datei, die "
                                       "Sie vom zfk erhalten werden, anlegen?"),
                        vbYesNoQuestionDefNo, Title)
        == vbYes) {
        program_.state.ResultPassword = QString();
        Unload();
        return;
    }
    program_.MsgBox(QStringLiteral("Geben Sie bitte ein Passwort ein, und wiederholen Sie es im zweiten Textfeld."),
                    vbInformation, Title);
}

void Form5::Command2_Click()
{
    program_.MsgBox(QStringLiteral("Nach dem Einsenden Ihres beantworteten Fragebogens erhalten Sie vom zfk eine "
                                   "verschlüsselte Datei mit Ihrem RUV-O-Testergebnis.")
                        + CrLf
                        + QStringLiteral("Durch das Vergeben eines Passwortes können Sie sicher sein, dass keine "
                                         "unbefugten Personen Ihre Datei öffnen können.")
                        + CrLf + QStringLiteral("Notieren Sie sich sorgfältig das Passwort, das Sie vergeben."),
                    vbInformation, QStringLiteral("Hilfe zum Passwortschutz"));
}

void Form5::Text1_KeyDown(int keyCode, int)
{
    if (keyCode == 13)
        Text2->setFocus(Qt::OtherFocusReason);
}

void Form5::Text2_KeyDown(int keyCode, int)
{
    if (keyCode == 13) {
        Command1->setFocus(Qt::OtherFocusReason);
        program_.platform().SendKeys(this, QStringLiteral("{ENTER}"));
    }
}

bool Form5::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::KeyPress) {
        auto* key = static_cast<QKeyEvent*>(event);
        const bool enter = key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter;
        const int code = enter ? 13 : key->key();
        if (watched == Text1) {
            Text1_KeyDown(code, int(key->modifiers()));
        } else if (watched == Text2) {
            Text2_KeyDown(code, int(key->modifiers()));
        }
    }
    return Form::eventFilter(watched, event);
}

void Form5::showEvent(QShowEvent* event)
{
    Form::showEvent(event);
    Text1->setFocus(Qt::OtherFocusReason);
}

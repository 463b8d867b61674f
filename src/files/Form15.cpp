#include "files/Form15.h"

#include <QLabel>
#include <QPushButton>

#include "questionnaire/Program.h"
#include "ui/Pictures.h"
#include "ui/VbText.h"

Form15::Form15(Program& program) : ProgramForm(program, FixedDialog)
{
    setObjectName(QStringLiteral("Form15"));
    setWindowTitle(QStringLiteral("Korrupte Datei"));
    setDesignClientSize(7785, 2250);

    Picture1 = new QLabel(this);
    Picture1->setObjectName(QStringLiteral("Picture1"));
    Picture1->setGeometry(TwipsRect(0, 0, 1800, 1875));
    Picture1->setPixmap(Picture(QStringLiteral("corrupt_folder")));
    Picture1->setAlignment(Qt::AlignLeft | Qt::AlignTop);

    Label1 = new QLabel(QStringLiteral("Die Datei ist korrupt und kann nicht geladen werden."), this);
    Label1->setObjectName(QStringLiteral("Label1"));
    Label1->setGeometry(TwipsRect(1920, 600, 4095, 735));
    Label1->setWordWrap(true);
    Label1->setAlignment(Qt::AlignLeft | Qt::AlignTop);

    Command1 = new QPushButton(QStringLiteral("OK"), this);
    Command1->setObjectName(QStringLiteral("Command1"));
    Command1->setGeometry(TwipsRect(6240, 120, 1335, 495));
    Command2 = new QPushButton(QStringLiteral("Hilfe"), this);
    Command2->setObjectName(QStringLiteral("Command2"));
    Command2->setGeometry(TwipsRect(6240, 720, 1335, 495));
    for (QPushButton* b : {Command1, Command2})
        b->setAutoDefault(false);
    connect(Command1, &QPushButton::clicked, this, &Form15::Command1_Click);
    connect(Command2, &QPushButton::clicked, this, &Form15::Command2_Click);
    setTabOrder(Command1, Command2);
}

void Form15::Form_Load()
{
    // The inner area is exactly as high as the picture.
    setFixedSize(width(), Picture1->height());
    program_.centre(*this);
}

void Form15::Command1_Click()
{
    Unload();
}

void Form15::Command2_Click()
{
    program_.MsgBox(QStringLiteral("Die Datei ist keine Originaldatei.") + CrLf
                        + QStringLiteral("Die Datei kann beim Abspeichern oder bei der Sendung über das Internet "
                                         "geschädigt worden sein. Die Datei kann auch manipuliert sein.")
                        + CrLf + QStringLiteral("Fordern Sie eine neue Datei an."),
                    vbInformation, QStringLiteral("Hilfe zu Korrupte Datei"));
}

#include "questionnaire/Form12.h"

#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>

#include "ui/Frame.h"
#include "ui/VbText.h"

Form12::Form12(Program& program) : ProgramForm(program, FixedDialog)
{
    setObjectName(QStringLiteral("Form12"));
    setWindowTitle(QStringLiteral("System Info"));
    setDesignClientSize(8355, 3570);

    const auto row = [this](QGroupBox*& frame, QLineEdit*& box, const char* frameName, const char* boxName,
                            const QString& caption, double top) {
        frame = new Frame(caption, this);
        frame->setObjectName(QString::fromLatin1(frameName));
        frame->setGeometry(TwipsRect(120, top, 6495, 735));
        box = new QLineEdit(frame);
        box->setObjectName(QString::fromLatin1(boxName));
        box->setGeometry(TwipsRect(120, 240, 6255, 360));
        box->setReadOnly(true);  // selectable, not editable
    };
    row(Frame3, Text2, "Frame3", "Text2", QStringLiteral("Heimpfad"), 120);
    row(Frame1, Text1, "Frame1", "Text1", QStringLiteral("Arbeitspfad"), 960);
    row(Frame5, Text3, "Frame5", "Text3", QStringLiteral("Windowspfad"), 1800);
    row(Frame8, Text4, "Frame8", "Text4", QStringLiteral("Softwareversion"), 2640);

    Command1 = new QPushButton(QStringLiteral("OK"), this);
    Command1->setObjectName(QStringLiteral("Command1"));
    Command1->setGeometry(TwipsRect(6840, 240, 1335, 495));
    Command1->setAutoDefault(false);
    connect(Command1, &QPushButton::clicked, this, &Form12::Command1_Click);
    setTabOrder(Command1, Text2);
}

void Form12::Command1_Click()
{
    Unload();
}

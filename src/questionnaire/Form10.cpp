#include "questionnaire/Form10.h"

#include <QLabel>
#include <QMouseEvent>

#include "questionnaire/Form1.h"
#include "questionnaire/Form9.h"
#include "questionnaire/PersonalData.h"
#include "questionnaire/Program.h"

Form10::Form10(Program& program) : ProgramForm(program, FixedDialogWithCloseBox)
{
    setObjectName(QStringLiteral("Form10"));
    setWindowTitle(QStringLiteral("Hilfe zur Vorgehensweise"));
    Picture1 = new QLabel(this);
    Picture1->setObjectName(QStringLiteral("Picture1"));
    Picture1->setFrameShape(QFrame::NoFrame);
    Picture1->setCursor(Qt::PointingHandCursor);
    Picture1->installEventFilter(this);
}

void Form10::Form_Load()
{
    const QPixmap picture = Form9::Picture2();
    Picture1->setPixmap(picture);
    Picture1->setGeometry(QRect(QPoint(0, 0), picture.deviceIndependentSize().toSize()));
    // The inner area is exactly the picture, whatever border the desktop draws.
    setFixedSize(Picture1->size());
    program_.centre(*this);
    setWindowIcon(QIcon());
}

void Form10::Picture1_Click()
{
    Unload();
}

void Form10::Form_Unload()
{
    ProgramState& s = program_.state;
    if (s.GuidanceActive == 1) {
        if (program_.MsgBox(QStringLiteral("Wollen Sie nun Ihre Stammdaten anlegen?"), vbYesNoQuestion,
                            QStringLiteral("Benutzerführung"))
            == vbYes) {
            // The main window is repainted where the picture was before the
            // personal-data form opens over it.
            hide();
            program_.platform().DoEvents();
            EnterPersonalData(program_);
        }
    }
    s.GuidanceActive = 0;
    if (Form1* main = program_.loadedForm<Form1>())
        main->Label3->hide();
}

bool Form10::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == Picture1 && event->type() == QEvent::MouseButtonRelease) {
        auto* mouse = static_cast<QMouseEvent*>(event);
        if (mouse->button() == Qt::LeftButton && Picture1->rect().contains(mouse->position().toPoint())) {
            Picture1_Click();
            return true;
        }
    }
    return Form::eventFilter(watched, event);
}

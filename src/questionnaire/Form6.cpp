#include "questionnaire/Form6.h"

#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>

#include "questionnaire/Form9.h"
#include "questionnaire/Program.h"
#include "questionnaire/SplashRegion.h"
#include "ui/Pictures.h"
#include "ui/VbText.h"

Form6::Form6(Program& program) : ProgramForm(program, Borderless)
{
    setObjectName(QStringLiteral("Form6"));
    setAttribute(Qt::WA_TranslucentBackground, false);
    Picture1 = new QLabel(this);
    Picture1->setObjectName(QStringLiteral("Picture1"));
    Picture1->setFrameShape(QFrame::Box);
    Picture1->setLineWidth(2);
    Picture1->setPixmap(Picture(QStringLiteral("splash_main")));
    Picture1->adjustSize();
    Picture1->hide();
}

void Form6::Form_Load()
{
    setFixedSize(Picture1->size());
    program_.centre(*this);
    // The region comes from the mask; the window then shows the main picture,
    // drawn from its top-left corner so that it fills the outline exactly.
    const std::optional<QRegion> region = MakeRegionFromPicture(SplashMask(), qRgb(255, 255, 255));
    if (!region)
        clearMask();
    else if (region->isEmpty())
        setMask(QRegion(-1, -1, 1, 1));  // nothing of the window remains visible
    else
        setMask(*region);
    picture_ = Picture1->pixmap();
    alternate_ = false;
    update();
}

void Form6::Form_MouseDown(int button, int, double, double)
{
    if (button == 1) {
        // The window system's move takes the mouse over at once, and a
        // double-click would never arrive: the move starts with the first
        // movement of the pressed button instead.
        dragPending_ = true;
    } else if (button == 2) {
        picture_ = Form9::Picture3();
        alternate_ = true;
        update();
    }
}

void Form6::Form_DblClick()
{
    if (program_.state.InfoWindowMode == 1)
        Unload();
}

void Form6::Form_KeyDown(int, int)
{
    if (program_.state.InfoWindowMode == 1)
        Unload();
}

void Form6::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.drawPixmap(0, 0, picture_);
}

void Form6::mousePressEvent(QMouseEvent* event)
{
    const int button = event->button() == Qt::LeftButton ? 1 : event->button() == Qt::RightButton ? 2 : 4;
    Form_MouseDown(button, int(event->modifiers()), Twips(int(event->position().x())),
                   Twips(int(event->position().y())));
}

void Form6::mouseMoveEvent(QMouseEvent* event)
{
    if (dragPending_ && (event->buttons() & Qt::LeftButton)) {
        dragPending_ = false;
        DragForm(*this);
    }
}

void Form6::mouseReleaseEvent(QMouseEvent*)
{
    dragPending_ = false;
}

void Form6::mouseDoubleClickEvent(QMouseEvent*)
{
    Form_DblClick();
}

void Form6::keyPressEvent(QKeyEvent* event)
{
    Form_KeyDown(event->key(), int(event->modifiers()));
}

#include "ui/Form.h"

#include <QCloseEvent>
#include <QScreen>
#include <QPushButton>

#include "questionnaire/Program.h"
#include "ui/VbText.h"

namespace {

Qt::WindowFlags flagsFor(Form::Kind kind)
{
    switch (kind) {
    case Form::FixedDialog:
        return Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint;
    case Form::FixedDialogWithCloseBox:
        return Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint;
    case Form::SizableNoControlBox:
        return Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint;
    case Form::Sizable:
        return Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowMinMaxButtonsHint
               | Qt::WindowCloseButtonHint;
    case Form::Borderless:
        return Qt::Dialog | Qt::FramelessWindowHint;
    }
    return Qt::Dialog;
}

}  // namespace

void SetWindowBackground(QWidget& widget)
{
    QPalette pal = widget.palette();
    pal.setColor(QPalette::Window, QColor(238, 238, 238));
    widget.setPalette(pal);
    widget.setAutoFillBackground(true);
}

void FitToScreen(QWidget& window)
{
    if (const QScreen* screen = window.screen())
        window.setGeometry(screen->availableGeometry());
}

Form::Form(Program& program, Kind kind)
    : QDialog(program.mainWindow(), flagsFor(kind)), program_(program), kind_(kind)
{
    SetWindowBackground(*this);
    setModal(true);
}

void Form::setDesignClientSize(double widthTwips, double heightTwips)
{
    if (kind_ == Sizable || kind_ == SizableNoControlBox)
        resize(Px(widthTwips), Px(heightTwips));
    else
        setFixedSize(Px(widthTwips), Px(heightTwips));
}

void Form::Unload()
{
    if (unloading_)
        return;
    unloading_ = true;
    Form_Unload();
    program_.forget(this);
    done(QDialog::Rejected);
    hide();
    deleteLater();
}

void Form::closeEvent(QCloseEvent* event)
{
    event->ignore();
    // Only windows with a close box can be closed from the title bar.
    if (kind_ == FixedDialogWithCloseBox || kind_ == Sizable)
        Unload();
}

void Form::reject()
{
    // Escape closes only what the close box could close.
    if (kind_ == FixedDialogWithCloseBox || kind_ == Sizable)
        Unload();
}

void Form::setOuterHeightTwips(double twips)
{
    outerHeightTwips_ = twips;
    outerHeightSettled_ = false;
    applyOuterHeight();
}

void Form::applyOuterHeight()
{
    const int decoration = frameGeometry().height() - geometry().height();
    setFixedHeight(Px(outerHeightTwips_) - qMax(0, decoration));
}

void Form::settleOuterHeight()
{
    if (outerHeightTwips_ <= 0 || outerHeightSettled_ || !isVisible())
        return;
    if (frameGeometry().height() - geometry().height() <= 0)
        return;  // not framed yet
    outerHeightSettled_ = true;
    if (frameGeometry().height() != Px(outerHeightTwips_)) {
        applyOuterHeight();
        program_.centre(*this);
    }
}

void Form::showEvent(QShowEvent* event)
{
    // No window of the program has a default button: Enter acts only where
    // a window's own key handling says so.
    for (QPushButton* button : findChildren<QPushButton*>()) {
        button->setAutoDefault(false);
        button->setDefault(false);
    }
    QDialog::showEvent(event);
    settleOuterHeight();
}

void Form::moveEvent(QMoveEvent* event)
{
    QDialog::moveEvent(event);
    // The frame arrives with the window manager's first placement.
    settleOuterHeight();
}

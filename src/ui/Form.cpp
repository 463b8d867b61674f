#include "ui/Form.h"

#include <QCloseEvent>
#include <QPointer>
#include <QPushButton>
#include <QScreen>
#include <QTimer>

#include "ui/VbText.h"
#include "ui/WindowDecorations.h"

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

// The client geometry of a restored window: the design size, or less where
// the available area cannot hold it with its frame, centred with the frame.
QRect RestoredGeometry(const QRect& available, const QSize& design, const QMargins& frame)
{
    const QSize room = available.size().shrunkBy(frame).expandedTo(QSize(0, 0));
    const QSize client = design.boundedTo(room);
    const QSize outer = client.grownBy(frame);
    const QPoint outerTopLeft = available.topLeft()
                                + QPoint((available.width() - outer.width()) / 2,
                                         (available.height() - outer.height()) / 2);
    return QRect(outerTopLeft + QPoint(frame.left(), frame.top()), client);
}

// Watches a window that was given the whole available area to open
// maximised. A window manager that restores it gives it back that area, its
// title bar above the screen's top edge; the first restore therefore puts it
// at its design size in the middle of the screen. Later restores keep what
// the user made of it.
class FirstRestore : public QObject {
public:
    static constexpr const char* Name = "FirstRestore";

    FirstRestore(QWidget& window, QSize design) : QObject(&window), window_(&window), design_(design)
    {
        setObjectName(QString::fromLatin1(Name));
        window.installEventFilter(this);
    }

    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (watched == window_ && event->type() == QEvent::WindowStateChange) {
            const auto* change = static_cast<QWindowStateChangeEvent*>(event);
            if ((change->oldState() & Qt::WindowMaximized) && !maximisedOrHidden()) {
                window_->removeEventFilter(this);
                // After the window manager's own restore has come through.
                QTimer::singleShot(0, this, [this] {
                    place();
                    deleteLater();
                });
            }
        }
        return false;
    }

private:
    // The frame the window manager gives the restored window is known only
    // some time after the restore (until then the maximised one is reported),
    // so the placement leaves room for a usual frame at least.
    static constexpr QMargins UsualFrame{6, 32, 6, 6};

    bool maximisedOrHidden() const
    {
        return window_->windowState() & (Qt::WindowMaximized | Qt::WindowFullScreen | Qt::WindowMinimized);
    }

    void place()
    {
        if (!window_ || maximisedOrHidden())
            return;
        const QScreen* screen = window_->screen();
        if (!screen)
            return;
        const QRect inner = window_->geometry();
        const QRect outer = window_->frameGeometry();
        const QMargins known(inner.left() - outer.left(), inner.top() - outer.top(), outer.right() - inner.right(),
                             outer.bottom() - inner.bottom());
        window_->setGeometry(RestoredGeometry(screen->availableGeometry(), design_, known | UsualFrame));
    }

    QPointer<QWidget> window_;
    QSize design_;
};

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
    const QScreen* screen = window.screen();
    if (!screen)
        return;
    if (!window.findChild<QObject*>(QString::fromLatin1(FirstRestore::Name), Qt::FindDirectChildrenOnly)) {
        const auto* form = qobject_cast<const Form*>(&window);
        new FirstRestore(window, form && form->designClientSize().isValid() ? form->designClientSize() : window.size());
    }
    window.setGeometry(screen->availableGeometry());
}

Form::Form(FormHost& host, Kind kind) : QDialog(host.mainWindow(), flagsFor(kind)), host_(host), kind_(kind)
{
    SetWindowBackground(*this);
    setModal(true);
}

void Form::setDesignClientSize(double widthTwips, double heightTwips)
{
    designClientSize_ = QSize(Px(widthTwips), Px(heightTwips));
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
    host_.forget(this);
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

void Form::reject() {}

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
        host_.centre(*this);
    }
}

void Form::showEvent(QShowEvent* event)
{
    // No window of the program has a default button: Enter presses the
    // focused button (see EnterKey) and otherwise acts only where a window's
    // own key handling says so.
    for (QPushButton* button : findChildren<QPushButton*>()) {
        button->setAutoDefault(false);
        button->setDefault(false);
    }
    // The native window exists now and is not mapped yet: the window
    // manager reads the hints when it frames the window.
    AnnounceDecorations(*this, kind_);
    QDialog::showEvent(event);
    settleOuterHeight();
}

void Form::moveEvent(QMoveEvent* event)
{
    QDialog::moveEvent(event);
    // The frame arrives with the window manager's first placement.
    settleOuterHeight();
}

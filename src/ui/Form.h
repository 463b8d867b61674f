#pragma once

#include <QDialog>

#include "ui/FormHost.h"

// Base of every window but the main window. Unload() is the one way a window
// goes away: it runs the window's own unload event, ends its modal display
// and has its host forget it, so the next use creates it afresh.
class Form : public QDialog {
    Q_OBJECT
public:
    enum Kind {
        FixedDialog,              // no minimise, maximise or close box
        FixedDialogWithCloseBox,  // a close box only
        SizableNoControlBox,      // sizable, no close box
        Sizable,                  // sizable with the usual boxes
        Borderless                // no border, no title bar
    };

    Form(FormHost& host, Kind kind);

    void Unload();
    bool isUnloading() const { return unloading_; }

    // Client size from design twips; fixed dialogs cannot be resized.
    void setDesignClientSize(double widthTwips, double heightTwips);
    // The design client size in pixels; invalid until set.
    QSize designClientSize() const { return designClientSize_; }

    // The outer height in twips, title bar and border included. The frame is
    // known only once the window manager has framed the window: until then
    // the client takes the whole height, and the height is settled (and the
    // window centred again) when the frame arrives.
    void setOuterHeightTwips(double twips);

protected:
    // The window's unload event; runs once, however the window is closed.
    virtual void Form_Unload() {}

    void closeEvent(QCloseEvent* event) override;
    // Escape closes nothing: a window leaves through its own buttons or its
    // close box. A window where Escape is one of its ways out says so itself.
    void reject() override;
    void showEvent(QShowEvent* event) override;
    void moveEvent(QMoveEvent* event) override;

private:
    void applyOuterHeight();
    void settleOuterHeight();

    FormHost& host_;
    Kind kind_;
    QSize designClientSize_;
    bool unloading_ = false;
    double outerHeightTwips_ = 0;  // 0: the window keeps its client height
    bool outerHeightSettled_ = false;
};

// Background of every window.
void SetWindowBackground(QWidget& widget);

// Gives a window that is to open maximised the screen's available area
// first, so that it fills the screen even where no window manager maximises.
// The first time it is restored from maximised it takes its design client
// size instead (a Form's, else its size before this call), or less on a small
// screen, centred with its frame on the screen's available area.
void FitToScreen(QWidget& window);

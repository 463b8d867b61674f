#pragma once

class QWidget;

// What a window needs of the run that owns it. The run implements it, so
// that windows come and go without this layer knowing the run.
class FormHost {
public:
    // The main window, parent of every other window; nullptr before it exists.
    virtual QWidget* mainWindow() const = 0;
    // Places a window in the middle of the screen.
    virtual void centre(QWidget& window) = 0;
    // Called by a window that is being unloaded: the next use creates it afresh.
    virtual void forget(QWidget* window) = 0;

protected:
    ~FormHost() = default;
};

#pragma once

#include <QPixmap>

#include "questionnaire/ProgramForm.h"

class QLabel;

// The picture-shaped window without border: the splash at start-up and the
// Info window later.
class Form6 : public ProgramForm {
    Q_OBJECT
public:
    explicit Form6(Program& program);

    void Form_Load();
    void Form_MouseDown(int button, int shift, double x, double y);
    void Form_DblClick();
    void Form_KeyDown(int keyCode, int shift);

    QLabel* Picture1;  // hidden holder of the main picture; gives the window its size

    // The picture the window draws now (the main or the alternate one).
    const QPixmap& picture() const { return picture_; }
    bool showsAlternatePicture() const { return alternate_; }

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    QPixmap picture_;
    bool alternate_ = false;
    bool dragPending_ = false;  // left button down, not moved yet
};

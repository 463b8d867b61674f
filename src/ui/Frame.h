#pragma once

#include <QGroupBox>

// A frame of the design: a sunken line around its controls, the caption at
// the top left standing in a gap of the top line, the line running through
// the caption's vertical middle. Controls are placed in it by design
// positions (a text box at 120, 240 twips), which lie below that line;
// the toolkit's own group box puts the line below its title instead, where
// those controls would cover it.
class Frame : public QGroupBox {
    Q_OBJECT
public:
    explicit Frame(const QString& caption, QWidget* parent = nullptr);

    // Where the top line runs, in pixels from the frame's top.
    int lineY() const;
    // The gap in the top line that holds the caption; empty without caption.
    QRect captionGap() const;

protected:
    void paintEvent(QPaintEvent* event) override;
};

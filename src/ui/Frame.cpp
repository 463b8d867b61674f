#include "ui/Frame.h"

#include <QPainter>
#include <QStyle>
#include <qdrawutil.h>

namespace {

constexpr int CaptionLeft = 7;  // where the caption's text begins
constexpr int CaptionPad = 2;   // room between the line's ends and the text

}  // namespace

Frame::Frame(const QString& caption, QWidget* parent) : QGroupBox(caption, parent) {}

int Frame::lineY() const
{
    return fontMetrics().height() / 2;
}

QRect Frame::captionGap() const
{
    if (title().isEmpty())
        return QRect();
    const int textWidth = fontMetrics().horizontalAdvance(title());
    const QRect gap(CaptionLeft - CaptionPad, 0, textWidth + 2 * CaptionPad, fontMetrics().height());
    return gap.intersected(rect());
}

void Frame::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    const QRect gap = captionGap();
    const int top = lineY();

    painter.save();
    painter.setClipRegion(QRegion(rect()).subtracted(QRegion(gap)));
    qDrawShadeRect(&painter, QRect(0, top, width(), height() - top), palette(), true, 1, 0);
    painter.restore();

    if (!gap.isEmpty()) {
        const QRect text = gap.adjusted(CaptionPad, 0, -CaptionPad, 0);
        style()->drawItemText(&painter, text, Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine | Qt::TextShowMnemonic,
                              palette(), isEnabled(), title(), foregroundRole());
    }
}

#include "questionnaire/SplashRegion.h"

#include <QWidget>
#include <QWindow>

#include "ui/Pictures.h"

std::optional<QRegion> MakeRegionFromPicture(const QImage& picture, QRgb transparentColour, int* runs)
{
    if (picture.isNull())
        return std::nullopt;
    const QImage image = picture.convertToFormat(QImage::Format_RGB32);
    const int width = image.width();
    const int height = image.height();
    const QRgb transparent = transparentColour | 0xFF000000u;
    QRegion result(0, 0, width, height);
    int count = 0;
    for (int y = 0; y < height; ++y) {
        const QRgb* row = reinterpret_cast<const QRgb*>(image.constScanLine(y));
        int x = 0;
        while (x < width) {
            while (x < width && row[x] != transparent)
                ++x;
            if (x >= width)
                break;
            const int x0 = x;
            while (x < width && row[x] == transparent)
                ++x;
            result -= QRegion(x0, y, x - x0, 1);
            ++count;
            // The pixel that ended the run is not transparent.
            ++x;
        }
    }
    if (runs)
        *runs = count;
    return result;
}

void DragForm(QWidget& form)
{
    if (QWindow* window = form.windowHandle())
        window->startSystemMove();
}

QImage SplashMask()
{
    QImage drawn = PictureImage(QStringLiteral("splash_mask"), QSize(), Qt::white);
    if (drawn.isNull())
        return drawn;
    QImage mask(drawn.size(), QImage::Format_RGB32);
    for (int y = 0; y < drawn.height(); ++y) {
        for (int x = 0; x < drawn.width(); ++x) {
            // Green tells white (outside) from magenta (inside).
            const bool outside = qGreen(drawn.pixel(x, y)) >= 128;
            mask.setPixel(x, y, outside ? qRgb(255, 255, 255) : qRgb(255, 0, 255));
        }
    }
    return mask;
}

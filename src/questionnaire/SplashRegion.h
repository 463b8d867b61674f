#pragma once

#include <optional>

#include <QImage>
#include <QRegion>

class QWidget;

// The region of a picture without the pixels of the transparent colour:
// the whole rectangle, minus each horizontal run of transparent pixels, one
// subtraction a run. No value when the picture holds no bitmap. `runs`, when
// given, receives the number of subtractions made.
std::optional<QRegion> MakeRegionFromPicture(const QImage& picture, QRgb transparentColour, int* runs = nullptr);

// Lets the window system move a window without title bar while the left
// button stays pressed.
void DragForm(QWidget& form);

// The two-colour mask of the splash window: white outside the outline,
// magenta inside, exactly (drawing smooths edges; the mask must not).
QImage SplashMask();

#pragma once

#include <QIcon>
#include <QImage>
#include <QPixmap>
#include <QSize>
#include <QString>

class QPushButton;
class QWidget;

// Our drawings are SVG files compiled into the program (":/pictures/NAME.svg").
// A picture is rendered at the size the drawing declares unless a size is given.
QPixmap Picture(const QString& name, QSize size = QSize());
QImage PictureImage(const QString& name, QSize size = QSize(), QColor background = Qt::transparent);
QIcon PictureIcon(const QString& name);

// A picture button of the design: no caption, the picture centred, the
// tooltip as its text for the user and for accessibility tools.
QPushButton* MakePictureButton(QWidget* parent, const QString& objectName, const QString& tooltip,
                               const QString& picture);

// Fonts named by the design fall back to the desktop's sans-serif family.
void InstallFontSubstitutes();

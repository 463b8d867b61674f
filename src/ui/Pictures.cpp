#include "ui/Pictures.h"

#include <QFont>
#include <QGuiApplication>
#include <QPainter>
#include <QPushButton>
#include <QSvgRenderer>

namespace {

QString pathOf(const QString& name)
{
    return QStringLiteral(":/pictures/") + name + QStringLiteral(".svg");
}

}  // namespace

QImage PictureImage(const QString& name, QSize size, QColor background)
{
    QSvgRenderer renderer(pathOf(name));
    if (!size.isValid())
        size = renderer.defaultSize();
    if (!size.isValid() || size.isEmpty())
        return QImage();
    QImage image(size, QImage::Format_ARGB32_Premultiplied);
    image.fill(background);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    renderer.render(&painter, QRectF(QPointF(0, 0), QSizeF(size)));
    return image;
}

QPixmap Picture(const QString& name, QSize size)
{
    QSvgRenderer renderer(pathOf(name));
    if (!size.isValid())
        size = renderer.defaultSize();
    const qreal ratio = qApp ? qApp->devicePixelRatio() : 1.0;
    QPixmap pixmap = QPixmap::fromImage(PictureImage(name, size * ratio));
    pixmap.setDevicePixelRatio(ratio);
    return pixmap;
}

QIcon PictureIcon(const QString& name)
{
    return QIcon(pathOf(name));
}

QPushButton* MakePictureButton(QWidget* parent, const QString& objectName, const QString& tooltip,
                               const QString& picture)
{
    auto* button = new QPushButton(parent);
    button->setObjectName(objectName);
    button->setToolTip(tooltip);
    button->setAccessibleName(tooltip);
    const QPixmap pixmap = Picture(picture);
    button->setIcon(QIcon(pixmap));
    button->setIconSize(pixmap.deviceIndependentSize().toSize());
    button->setFocusPolicy(Qt::StrongFocus);
    return button;
}

void InstallFontSubstitutes()
{
    const QStringList sans{QStringLiteral("Liberation Sans"), QStringLiteral("DejaVu Sans"),
                           QStringLiteral("Sans Serif")};
    QFont::insertSubstitutions(QStringLiteral("MS Sans Serif"), sans);
    QFont::insertSubstitutions(QStringLiteral("Arial"), sans);
}

#include "app/bilder.h"

#include <QPainter>
#include <QSvgRenderer>

QPixmap bild_pixmap(const QString& name, const QSize& groesse, qreal pixelRatio)
{
    QSvgRenderer renderer(bild_svg(name));
    QPixmap pixmap(groesse * pixelRatio);
    pixmap.fill(Qt::transparent);
    if (renderer.isValid()) {
        QPainter painter(&pixmap);
        painter.setRenderHint(QPainter::Antialiasing);
        renderer.render(&painter);
    }
    pixmap.setDevicePixelRatio(pixelRatio);
    return pixmap;
}

QIcon bild_icon(const QString& name)
{
    QIcon icon;
    icon.addPixmap(bild_pixmap(name, QSize(32, 32), 1.0));
    icon.addPixmap(bild_pixmap(name, QSize(32, 32), 2.0));
    return icon;
}

#include "app/bilder.h"

#include <QPainter>
#include <QSvgRenderer>

QPixmap bildPixmap(const QString& name, const QSize& groesse, qreal pixelRatio)
{
    QSvgRenderer renderer(bildSvg(name));
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

QIcon bildIcon(const QString& name)
{
    QIcon icon;
    icon.addPixmap(bildPixmap(name, QSize(32, 32), 1.0));
    icon.addPixmap(bildPixmap(name, QSize(32, 32), 2.0));
    return icon;
}

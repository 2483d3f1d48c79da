#include "app/bilder.h"

#include <QGuiApplication>
#include <QPainter>
#include <QScreen>
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

qreal bildschirmfaktor()
{
    if (const QScreen* bildschirm = QGuiApplication::primaryScreen())
        return bildschirm->devicePixelRatio();
    return qApp ? qApp->devicePixelRatio() : 1.0;
}

QIcon bildIcon(const QString& name)
{
    return QIcon(bildPixmap(name, QSize(32, 32), bildschirmfaktor()));
}

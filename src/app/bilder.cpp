#include "app/bilder.h"

#include <QFile>
#include <QGuiApplication>
#include <QPainter>
#include <QScreen>
#include <QSvgRenderer>

QByteArray bildSvg(const QString& name)
{
    QFile datei(QStringLiteral(":/bilder/") + name + QStringLiteral(".svg"));
    if (!datei.open(QIODevice::ReadOnly))
        return {};
    return datei.readAll();
}

QPixmap bildPixmap(const QString& name, const QSize& groesse, qreal pixelRatio)
{
    return QPixmap::fromImage(bildImage(name, groesse, pixelRatio));
}

QImage bildImage(const QString& name, const QSize& groesse, qreal pixelRatio)
{
    QSvgRenderer renderer(bildSvg(name));
    QImage bild(groesse * pixelRatio, QImage::Format_ARGB32_Premultiplied);
    bild.fill(Qt::transparent);
    if (renderer.isValid()) {
        QPainter painter(&bild);
        painter.setRenderHint(QPainter::Antialiasing);
        renderer.render(&painter);
    }
    bild.setDevicePixelRatio(pixelRatio);
    return bild;
}

qreal bildschirmfaktor()
{
    if (const QScreen* bildschirm = QGuiApplication::primaryScreen())
        return bildschirm->devicePixelRatio();
    return qApp ? qApp->devicePixelRatio() : 1.0;
}

QIcon bildIcon(const QString& name)
{
    return QIcon(bildPixmap(name, kIconGroesse, bildschirmfaktor()));
}

#include "app/bilder.h"

#include <QFile>
#include <QGuiApplication>
#include <QPainter>
#include <QScreen>
#include <QSvgRenderer>

QPixmap bildPixmap(const QString& name, const QSize& groesse, qreal pixelRatio)
{
    return QPixmap::fromImage(bildImage(name, groesse, pixelRatio));
}

QImage bildZeichnen(const QString& name, const QSize& groesse, qreal pixelRatio)
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

QString vorgezeichnetesBild(const QString& name, const QSize& pixel)
{
    return QStringLiteral("%1-%2x%3.png").arg(name).arg(pixel.width()).arg(pixel.height());
}

QImage bildImage(const QString& name, const QSize& groesse, qreal pixelRatio)
{
    // Reading the stored picture takes a fraction of drawing the SVG anew.
    const QSize pixel = groesse * pixelRatio;
    const QString gespeichert = QStringLiteral(":/bilder/") + vorgezeichnetesBild(name, pixel);
    if (QFile::exists(gespeichert)) {
        QImage bild(gespeichert, "PNG");
        if (bild.size() == pixel) {
            bild.setDevicePixelRatio(pixelRatio);
            return bild;
        }
    }
    return bildZeichnen(name, groesse, pixelRatio);
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

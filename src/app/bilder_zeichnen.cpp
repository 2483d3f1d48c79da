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

namespace
{

// Small pictures are kept as their raw pixels: reading them needs no image decoder, whose first
// use alone costs milliseconds at start.
bool alsRohdaten(const QSize& pixel)
{
    return pixel.width() * pixel.height() <= 128 * 128;
}

} // namespace

QString vorgezeichnetesBild(const QString& name, const QSize& pixel)
{
    return QStringLiteral("%1-%2x%3.%4")
        .arg(name)
        .arg(pixel.width())
        .arg(pixel.height())
        .arg(alsRohdaten(pixel) ? QStringLiteral("rgba") : QStringLiteral("png"));
}

QImage vorgezeichnetesBildLesen(const QString& name, const QSize& pixel)
{
    QFile datei(QStringLiteral(":/bilder/") + vorgezeichnetesBild(name, pixel));
    if (!datei.open(QIODevice::ReadOnly))
        return {};
    const QByteArray daten = datei.readAll();
    QImage bild;
    if (!alsRohdaten(pixel))
        bild.loadFromData(daten, "PNG");
    else if (daten.size() == qsizetype(pixel.width()) * pixel.height() * 4)
        bild = QImage(reinterpret_cast<const uchar*>(daten.constData()), pixel.width(),
                      pixel.height(), pixel.width() * 4, QImage::Format_RGBA8888_Premultiplied)
                   .convertToFormat(QImage::Format_ARGB32_Premultiplied);
    return bild.size() == pixel ? bild : QImage();
}

bool vorgezeichnetesBildSpeichern(const QImage& bild, const QString& name, const QString& ordner)
{
    const QString pfad = ordner + QLatin1Char('/') + vorgezeichnetesBild(name, bild.size());
    if (!alsRohdaten(bild.size()))
        return bild.save(pfad, "PNG");
    const QImage roh = bild.convertToFormat(QImage::Format_RGBA8888_Premultiplied);
    QFile datei(pfad);
    if (!datei.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return false;
    for (int y = 0; y < roh.height(); ++y) {
        const auto* zeile = reinterpret_cast<const char*>(roh.constScanLine(y));
        if (datei.write(zeile, qint64(roh.width()) * 4) != qint64(roh.width()) * 4)
            return false;
    }
    return datei.flush();
}

QImage bildImage(const QString& name, const QSize& groesse, qreal pixelRatio)
{
    // Reading the stored picture takes a fraction of drawing the SVG anew.
    QImage bild = vorgezeichnetesBildLesen(name, groesse * pixelRatio);
    if (bild.isNull())
        return bildZeichnen(name, groesse, pixelRatio);
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

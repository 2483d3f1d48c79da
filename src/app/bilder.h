#pragma once

#include <QByteArray>
#include <QIcon>
#include <QImage>
#include <QPixmap>
#include <QSize>
#include <QString>

// The program's own pictures (drawn as SVG in bilder/ and built into the program).

// The SVG text of a picture by its file name without ".svg"; empty when there is none.
QByteArray bildSvg(const QString& name);

// The picture drawn at `groesse` (device-independent pixels) for a screen with `pixelRatio`.
QPixmap bildPixmap(const QString& name, const QSize& groesse, qreal pixelRatio = 1.0);

// The same as an image: it may be made in another thread than the windows. The pictures of the
// start are kept drawn beforehand for the common pixel ratios (in bilder/, made by
// tools/pictures-ahead.sh); such a picture is taken where its size fits exactly.
QImage bildImage(const QString& name, const QSize& groesse, qreal pixelRatio = 1.0);

// The picture drawn from its SVG, never taken from a picture drawn beforehand.
QImage bildZeichnen(const QString& name, const QSize& groesse, qreal pixelRatio = 1.0);

// The file name of the picture drawn beforehand for `pixel` pixels: small pictures are kept as
// raw pixels ("<name>-<w>x<h>.rgba": RGBA, premultiplied, row by row), large ones as PNG.
QString vorgezeichnetesBild(const QString& name, const QSize& pixel);
// The picture drawn beforehand for `pixel` pixels, read from the program; null when there is
// none of that size.
QImage vorgezeichnetesBildLesen(const QString& name, const QSize& pixel);
// Writes a picture drawn beforehand into `ordner` (tools/pictures-ahead.sh).
bool vorgezeichnetesBildSpeichern(const QImage& bild, const QString& name, const QString& ordner);

// The main window's picture.
inline const QString kHauptbild = QStringLiteral("tischfussball");
constexpr QSize kHauptbildGroesse(593, 433);
constexpr QSize kIconGroesse(32, 32);

// The pictures drawn beforehand, for screens of these pixel ratios: the main picture, the
// tool-bar and window icons, and the program's picture in "Weitere Programme".
struct Bildgroesse {
    const char* name;
    QSize groesse;
};
inline constexpr Bildgroesse kVorgezeichneteBilder[] = {
    {"tischfussball", kHauptbildGroesse},
    {"erfassen", kIconGroesse},
    {"auswahl", kIconGroesse},
    {"anwesend", kIconGroesse},
    {"tische2", kIconGroesse},
    {"tische3", kIconGroesse},
    {"tische4", kIconGroesse},
    {"tische5", kIconGroesse},
    {"tische6", kIconGroesse},
    {"backup", kIconGroesse},
    {"farben", kIconGroesse},
    {"beenden", kIconGroesse},
    {"zorbel-master", kIconGroesse},
    {"zorbel-master", QSize(40, 40)},
};
constexpr qreal kVorgezeichneteFaktoren[] = {1.0, 2.0};

// The pixel ratio of the screen the program starts on.
qreal bildschirmfaktor();

// A tool-bar icon: the picture at kIconGroesse for the screen's own pixel ratio.
QIcon bildIcon(const QString& name);

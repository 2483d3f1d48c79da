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

// The same as an image: it may be made in another thread than the windows. A large picture is
// kept drawn beforehand for the common pixel ratios (bilder/<name>-<width>x<height>.png, made by
// tools/pictures-ahead.sh); it is taken where its size fits exactly.
QImage bildImage(const QString& name, const QSize& groesse, qreal pixelRatio = 1.0);

// The picture drawn from its SVG, never taken from a picture drawn beforehand.
QImage bildZeichnen(const QString& name, const QSize& groesse, qreal pixelRatio = 1.0);

// The name of the picture drawn beforehand for `pixel` pixels.
QString vorgezeichnetesBild(const QString& name, const QSize& pixel);

// The main window's picture, the one drawn beforehand, for screens of these pixel ratios.
inline const QString kHauptbild = QStringLiteral("tischfussball");
constexpr QSize kHauptbildGroesse(593, 433);
constexpr qreal kVorgezeichneteFaktoren[] = {1.0, 2.0};

// The pixel ratio of the screen the program starts on.
qreal bildschirmfaktor();

// A tool-bar icon: the picture at 32 x 32, drawn once for the screen's own pixel ratio.
QIcon bildIcon(const QString& name);

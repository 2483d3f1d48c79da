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

// The same as an image: it may be drawn in another thread than the windows.
QImage bildImage(const QString& name, const QSize& groesse, qreal pixelRatio = 1.0);

// The main window's picture.
inline const QString kHauptbild = QStringLiteral("tischfussball");
constexpr QSize kHauptbildGroesse(593, 433);
constexpr QSize kIconGroesse(32, 32);

// The pixel ratio of the screen the program starts on.
qreal bildschirmfaktor();

// A tool-bar icon: the picture at kIconGroesse, drawn once for the screen's own pixel ratio.
QIcon bildIcon(const QString& name);

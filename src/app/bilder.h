#pragma once

#include <QByteArray>
#include <QIcon>
#include <QPixmap>
#include <QSize>
#include <QString>

// The program's own pictures (drawn as SVG in bilder/ and built into the program).

// The SVG text of a picture by its file name without ".svg"; empty when there is none.
QByteArray bildSvg(const QString& name);

// The picture drawn at `groesse` (device-independent pixels) for a screen with `pixelRatio`.
QPixmap bildPixmap(const QString& name, const QSize& groesse, qreal pixelRatio = 1.0);

// A tool-bar icon: the picture at 32 x 32 and 64 x 64 (sharp on high-density screens).
QIcon bildIcon(const QString& name);

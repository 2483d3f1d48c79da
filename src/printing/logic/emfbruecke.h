#pragma once

#include "platform/base/savefile.h"

#include <QPicture>
#include <QSize>
#include <QString>

// Writes a recorded page of `groesse` page units (96 per inch) to `pfad` as an Enhanced
// Metafile: its texts and rectangles, replayed into the metafile library's drawing calls.
platform::WriteResult seiteAlsEmfSpeichern(const QPicture& seite, QSize groesse,
                                           const QString& pfad);

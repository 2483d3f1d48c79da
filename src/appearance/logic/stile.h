#pragma once

#include "appearance/logic/stilart.h"

#include <QList>

namespace appearance
{

// The name of the platform's own look.
inline const QString kPlatformStyleName = QStringLiteral("Windows");

// The program's 34 looks of its own (Fusion with a palette; flat ones add a style sheet for
// their buttons), in list order. The platform's "Windows" is not among them.
QList<StyleLook> programLooks();

// The platform's own look: the widget style the application started with and its standard
// palette, with too-weak text contrasts strengthened.
StyleLook platformLook(const QString& startStyleKey, const QPalette& startPalette);

// The 35 names in list order (alphabetical, ignoring case), "Windows" included.
QStringList programStyleNames();

} // namespace appearance

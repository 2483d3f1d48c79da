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

// The style name stored in the style file at `path`: its first line (CR or LF ends it) in
// Windows-1252. Empty when the file is missing or unreadable. A style name is short; a damaged
// file is not read beyond its first few kilobytes.
QString styleNameOfFile(const QString& path);

// The 35 names in list order (alphabetical, ignoring case), "Windows" included.
QStringList programStyleNames();

// A stored style name that no style can have: control characters (a file full of NUL bytes
// after a power loss) or longer than the longest of `names`.
bool isDamagedStyleName(const QString& name, const QStringList& names);

// How a message shows a style name: control characters as "?", at most 40 characters.
QString styleNameForMessage(const QString& name);

} // namespace appearance

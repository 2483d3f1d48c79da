#pragma once

#include <QByteArrayView>
#include <QStringList>

namespace platform
{

// The lines of Windows-1252 text, decoded and without their line ends: LF, CR LF and a lone CR
// each end a line, a line end at the very end adds no empty line, and text after the last line
// end is a line of its own.
QStringList cp1252Lines(QByteArrayView bytes);

} // namespace platform

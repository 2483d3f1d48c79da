#pragma once

#include <QByteArray>
#include <QString>

namespace platform
{

// Every data file of the program stores its text in Windows-1252.
// A character the code page cannot hold is written as '?'.
QByteArray toCp1252(const QString& text);
QString fromCp1252(const QByteArray& bytes);
QString fromCp1252(const char* bytes, qsizetype length);

} // namespace platform

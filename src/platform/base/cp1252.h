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

// A control character: U+0000 to U+001F and U+007F to U+009F.
bool isControlCharacter(char32_t c);

// The text with every control character (line breaks and tabs included) turned into one blank;
// CR LF, one line break, becomes one blank as well.
QString controlCharactersAsBlanks(const QString& text);

// The text with every character that Windows-1252 lacks replaced by what comes nearest: its
// base letter where the Unicode decomposition gives one (ğ -> g), the plain letter for
// letters with a stroke or without a dot (Ł -> L, ı -> i), '?' where neither helps.
QString nearestCp1252Text(const QString& text);

} // namespace platform

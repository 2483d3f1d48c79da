#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <QStringView>

namespace platform
{

// Every data file of the program stores its text in Windows-1252.
// A character the code page cannot hold is written as '?'.
QByteArray toCp1252(const QString& text);
QString fromCp1252(const QByteArray& bytes);
QString fromCp1252(const char* bytes, qsizetype length);

// Writes `text` as Windows-1252 to `dest`, which has room for text.size() bytes, and returns
// the end of what was written. With a `lineBreak` byte, CR LF, a lone CR and a lone LF are each
// written as that one byte, so the text stays on one line.
char* writeCp1252(char* dest, QStringView text);
char* writeCp1252Line(char* dest, QStringView text, char lineBreak);

// The same, inline for the many short texts of plain ASCII (letters, digits, blanks and signs)
// that make up most cells of a table; the first other character hands the rest on.
inline char* writeCp1252LineQuick(char* dest, QStringView text, char lineBreak)
{
    const char16_t* in = text.utf16();
    const qsizetype length = text.size();
    for (qsizetype i = 0; i < length; ++i) {
        const char16_t c = in[i];
        if (c < 0x20 || c >= 0x7F)
            return writeCp1252Line(dest, text.sliced(i), lineBreak);
        *dest++ = char(c);
    }
    return dest;
}

// A control character: U+0000 to U+001F and U+007F to U+009F.
bool isControlCharacter(char32_t c);

// The text with every control character (line breaks and tabs included) turned into one blank;
// CR LF, one line break, becomes one blank as well.
QString controlCharactersAsBlanks(const QString& text);

// Copies Windows-1252 bytes to `out` the way controlCharactersAsBlanks treats their text: the
// bytes of control characters (the five unassigned bytes too) become blanks, CR LF one blank.
// `out` has room for at least cp1252.size() bytes; returns the end of what was written.
char* copyControlBytesAsBlanks(char* out, QByteArrayView cp1252);

// The text with every character that Windows-1252 lacks replaced by what comes nearest: its
// base letter where the Unicode decomposition gives one (ğ -> g), the plain letter for
// letters with a stroke or without a dot (Ł -> L, ı -> i), '?' where neither helps.
QString nearestCp1252Text(const QString& text);

} // namespace platform

#include "platform/base/cp1252.h"

namespace platform
{

namespace
{

// Windows-1252 maps 0x80..0x9F to typographic characters; five of those bytes are unassigned.
constexpr char16_t kHighTable[32] = {
    0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0,      0x017D, 0,      0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178};

char encodeChar(char16_t c)
{
    if (c < 0x80 || (c >= 0xA0 && c <= 0xFF))
        return static_cast<char>(c);
    for (int i = 0; i < 32; ++i) {
        if (kHighTable[i] != 0 && kHighTable[i] == c)
            return static_cast<char>(0x80 + i);
    }
    return '?';
}

} // namespace

// The table is our own rather than ICU's so that the unassigned bytes survive a round trip
// as the C1 control characters, the way the Windows code page converter treats them.
QByteArray toCp1252(const QString& text)
{
    QByteArray out;
    out.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        const char16_t c = text.at(i).unicode();
        if (QChar::isHighSurrogate(c) && i + 1 < text.size() &&
            QChar::isLowSurrogate(text.at(i + 1).unicode())) {
            out.append('?'); // one question mark for the whole character
            ++i;
            continue;
        }
        if (c >= 0x80 && c <= 0x9F) { // C1 controls stand for the five unassigned bytes
            const int idx = c - 0x80;
            out.append(kHighTable[idx] == 0 ? static_cast<char>(c) : '?');
            continue;
        }
        out.append(encodeChar(c));
    }
    return out;
}

QString fromCp1252(const char* bytes, qsizetype length)
{
    QString out;
    out.reserve(length);
    for (qsizetype i = 0; i < length; ++i) {
        const auto b = static_cast<unsigned char>(bytes[i]);
        if (b >= 0x80 && b <= 0x9F) {
            const char16_t mapped = kHighTable[b - 0x80];
            out.append(QChar(mapped != 0 ? mapped : char16_t(b)));
        } else {
            out.append(QChar(char16_t(b)));
        }
    }
    return out;
}

QString fromCp1252(const QByteArray& bytes)
{
    return fromCp1252(bytes.constData(), bytes.size());
}

} // namespace platform

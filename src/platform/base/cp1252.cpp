#include "platform/base/cp1252.h"

#include <QList>

namespace platform
{

namespace
{

// Windows-1252 maps 0x80..0x9F to typographic characters; five of those bytes are unassigned.
// The table is our own rather than ICU's so that the unassigned bytes survive a round trip as
// the C1 control characters, the way the Windows code page converter treats them.
constexpr char16_t kHighTable[32] = {
    0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0,      0x017D, 0,      0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178};

// The character a byte stands for; an unassigned byte stays its C1 control.
char16_t decodeByte(unsigned char b)
{
    if (b >= 0x80 && b <= 0x9F && kHighTable[b - 0x80] != 0)
        return kHighTable[b - 0x80];
    return char16_t(b);
}

// The byte of a character other than a C1 control; '?' where there is none.
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
            out.append(kHighTable[c - 0x80] == 0 ? static_cast<char>(c) : '?');
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
    for (qsizetype i = 0; i < length; ++i)
        out.append(QChar(decodeByte(static_cast<unsigned char>(bytes[i]))));
    return out;
}

QString fromCp1252(const QByteArray& bytes)
{
    return fromCp1252(bytes.constData(), bytes.size());
}

} // namespace platform

namespace platform
{

bool isControlCharacter(char32_t c)
{
    return c < 0x20 || (c >= 0x7F && c <= 0x9F);
}

namespace
{

bool encodable(char32_t c)
{
    if (c > 0xFFFF)
        return false;
    const auto c16 = static_cast<char16_t>(c);
    return encodeChar(c16) != '?' || c16 == u'?';
}

// Letters with a stroke or without a dot have no decomposition to their base letter.
char16_t plainLetter(char32_t c)
{
    switch (c) {
    case U'Ł':
        return u'L';
    case U'ł':
        return u'l';
    case U'Đ':
        return u'D';
    case U'đ':
        return u'd';
    case U'ı':
        return u'i';
    case U'Ħ':
        return u'H';
    case U'ħ':
        return u'h';
    case U'Ŧ':
        return u'T';
    case U'ŧ':
        return u't';
    default:
        return 0;
    }
}

// The decomposition without its combining marks, when every remaining character can be stored.
QString baseLetters(char32_t c)
{
    const QString decomposed = QString::fromUcs4(&c, 1).normalized(QString::NormalizationForm_KD);
    QString base;
    for (const char32_t d : decomposed.toUcs4()) {
        const QChar::Category category = QChar::category(d);
        if (category == QChar::Mark_NonSpacing || category == QChar::Mark_SpacingCombining ||
            category == QChar::Mark_Enclosing)
            continue;
        if (!encodable(d) || isControlCharacter(d))
            return {};
        base.append(QChar(char16_t(d)));
    }
    return base;
}

} // namespace

QString controlCharactersAsBlanks(const QString& text)
{
    QString out;
    out.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        if (!isControlCharacter(c.unicode())) {
            out.append(c);
            continue;
        }
        out.append(QLatin1Char(' '));
        if (c == QLatin1Char('\r') && i + 1 < text.size() && text.at(i + 1) == QLatin1Char('\n'))
            ++i;
    }
    return out;
}

QString nearestCp1252Text(const QString& text)
{
    QString out;
    out.reserve(text.size());
    for (const char32_t c : text.toUcs4()) {
        if (encodable(c)) {
            out.append(QChar(char16_t(c)));
        } else if (const char16_t plain = plainLetter(c); plain != 0) {
            out.append(QChar(plain));
        } else if (const QString base = baseLetters(c); !base.isEmpty()) {
            out.append(base);
        } else {
            out.append(QLatin1Char('?'));
        }
    }
    return out;
}

} // namespace platform

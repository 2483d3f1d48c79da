#include "platform/base/cp1252.h"

#include <QList>

#include <array>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace platform
{

namespace
{

// Windows-1252 maps 0x80..0x9F to typographic characters; five of those bytes are unassigned.
constexpr char16_t kHighTable[32] = {
    0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0,      0x017D, 0,      0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178};

// The tables are our own rather than ICU's so that the unassigned bytes survive a round trip
// as the C1 control characters, the way the Windows code page converter treats them.

// One entry per UTF-16 code unit: the byte that stands for it, '?' where there is none. The
// C1 controls stand for the five unassigned bytes; any other C1 control has no byte.
struct EncodeTable {
    char bytes[0x10000];
    EncodeTable()
    {
        for (int c = 0; c < 0x10000; ++c)
            bytes[c] = (c < 0x80 || (c >= 0xA0 && c <= 0xFF)) ? static_cast<char>(c) : '?';
        for (int i = 0; i < 32; ++i) {
            if (kHighTable[i] != 0)
                bytes[kHighTable[i]] = static_cast<char>(0x80 + i);
            else
                bytes[0x80 + i] = static_cast<char>(0x80 + i);
        }
    }
};

const EncodeTable& encodeTable()
{
    static const EncodeTable table;
    return table;
}

// One entry per byte: the UTF-16 code unit it stands for; the unassigned bytes stay C1 controls.
struct DecodeTable {
    char16_t units[256];
    constexpr DecodeTable() : units()
    {
        for (int b = 0; b < 256; ++b)
            units[b] = static_cast<char16_t>(b);
        for (int i = 0; i < 32; ++i)
            if (kHighTable[i] != 0)
                units[0x80 + i] = kHighTable[i];
    }
};

constexpr DecodeTable kDecodeTable;

char encodeChar(char16_t c)
{
    if (c >= 0x80 && c <= 0x9F)
        return '?';
    return encodeTable().bytes[c];
}

// Whether a code unit is written as itself without a second look: ASCII above CR.
bool plainAscii(char16_t c)
{
    return char16_t(c - 0x0E) < char16_t(0x80 - 0x0E);
}

#if defined(__SSE2__)
// Eight code units of plain ASCII written as eight bytes; false (and nothing written) when
// one of them needs a second look.
bool writePlainAscii8(char*& dest, const char16_t* in)
{
    const __m128i units = _mm_loadu_si128(reinterpret_cast<const __m128i*>(in));
    // (unit - 0x0E) < 0x72 unsigned, as a signed comparison shifted by 0x8000.
    const __m128i shifted =
        _mm_xor_si128(_mm_sub_epi16(units, _mm_set1_epi16(0x0E)), _mm_set1_epi16(-0x8000));
    const __m128i plain = _mm_cmplt_epi16(shifted, _mm_set1_epi16(-0x8000 + 0x72));
    if (_mm_movemask_epi8(plain) != 0xFFFF)
        return false;
    _mm_storel_epi64(reinterpret_cast<__m128i*>(dest), _mm_packus_epi16(units, units));
    dest += 8;
    return true;
}
#endif

template <bool kOneLine> char* writeBytes(char* dest, QStringView text, char lineBreak)
{
    const char* const table = encodeTable().bytes;
    const char16_t* in = text.utf16();
    const qsizetype length = text.size();
    for (qsizetype i = 0; i < length; ++i) {
#if defined(__SSE2__)
        while (i + 8 <= length && writePlainAscii8(dest, in + i))
            i += 8;
        if (i == length)
            break;
#endif
        const char16_t c = in[i];
        if (plainAscii(c)) {
            *dest++ = char(c);
            continue;
        }
        if (kOneLine && (c == u'\r' || c == u'\n')) {
            if (c == u'\r' && i + 1 < length && in[i + 1] == u'\n')
                ++i;
            *dest++ = lineBreak;
            continue;
        }
        if (QChar::isHighSurrogate(c) && i + 1 < length && QChar::isLowSurrogate(in[i + 1]))
            ++i; // one question mark for the whole character
        *dest++ = table[c];
    }
    return dest;
}

} // namespace

char* writeCp1252(char* dest, QStringView text)
{
    return writeBytes<false>(dest, text, 0);
}

char* writeCp1252Line(char* dest, QStringView text, char lineBreak)
{
    return writeBytes<true>(dest, text, lineBreak);
}

QByteArray toCp1252(const QString& text)
{
    QByteArray out(text.size(), Qt::Uninitialized);
    out.truncate(writeCp1252(out.data(), text) - out.constData());
    return out;
}

QString fromCp1252(const char* bytes, qsizetype length)
{
    QString out(length, Qt::Uninitialized);
    auto* ziel = reinterpret_cast<char16_t*>(out.data());
    for (qsizetype i = 0; i < length; ++i)
        ziel[i] = kDecodeTable.units[static_cast<unsigned char>(bytes[i])];
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

char* copyControlBytesAsBlanks(char* out, QByteArrayView cp1252)
{
    static const auto steuerzeichen = [] {
        std::array<bool, 256> tabelle{};
        for (int b = 0; b < 256; ++b)
            tabelle[b] = isControlCharacter(kDecodeTable.units[b]);
        return tabelle;
    }();
    const qsizetype laenge = cp1252.size();
    for (qsizetype i = 0; i < laenge; ++i) {
        const char b = cp1252[i];
        if (!steuerzeichen[static_cast<unsigned char>(b)]) {
            *out++ = b;
            continue;
        }
        *out++ = ' ';
        if (b == '\r' && i + 1 < laenge && cp1252[i + 1] == '\n')
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

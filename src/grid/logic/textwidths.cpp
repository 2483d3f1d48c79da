#include "grid/logic/textwidths.h"

#include <QGlyphRun>
#include <QTextLayout>
#include <algorithm>
#include <cmath>
#include <limits>

namespace grid
{

namespace
{

constexpr char16_t kFirstPlain = 0x20;
constexpr char16_t kLastPlain = 0x24F;
constexpr char16_t kLastLatin1 = 0xFF;
constexpr int kLatin1Count = kLastLatin1 - kFirstPlain + 1;

// Printable Basic Latin, Latin-1 and Latin Extended-A/B: one glyph each, shaped alone. Control
// characters (U+009C even ends the measured text), the soft hyphen and everything beyond are
// left to the shaper.
bool isPlain(char16_t c)
{
    return (c >= kFirstPlain && c < 0x7F) || (c >= 0xA0 && c <= kLastPlain && c != 0xAD);
}

bool unknown(float value)
{
    return std::isnan(value);
}

// Kerning of a pair the shaper joins or swaps for other glyphs: texts holding it are measured.
constexpr float kShaped = std::numeric_limits<float>::infinity();

QList<quint32> shapedGlyphs(const QString& text, const QFont& font)
{
    QTextLayout layout(text, font);
    layout.beginLayout();
    layout.createLine();
    layout.endLayout();
    QList<quint32> glyphs;
    for (const QGlyphRun& run : layout.glyphRuns())
        glyphs += run.glyphIndexes();
    return glyphs;
}

} // namespace

TextWidths::TextWidths(const QFont& font, QString suffix)
    : m_font(font), m_metrics(font), m_metricsF(font), m_suffix(std::move(suffix)),
      m_advances(size_t(kLastPlain - kFirstPlain + 1), std::numeric_limits<float>::quiet_NaN())
{
}

int TextWidths::width(const QString& text)
{
    const auto it = m_known.constFind(text);
    if (it != m_known.cend())
        return *it;
    const int w = m_metrics.horizontalAdvance(text + m_suffix);
    m_known.insert(text, w);
    return w;
}

void TextWidths::limitRemembered(qsizetype limit)
{
    if (m_known.size() > limit)
        m_known.clear();
}

int TextWidths::widest(const std::vector<QString>& texts)
{
    struct Candidate {
        double estimate;
        const QString* text;
    };
    // For a few texts, measuring them costs less than learning the characters and pairs.
    if (texts.size() < kFewTexts)
        return measureAll(texts);
    int widest = 0;
    std::vector<Candidate> candidates;
    candidates.reserve(texts.size());
    for (const QString& text : texts) {
        const auto it = m_known.constFind(text);
        if (it != m_known.cend()) {
            widest = std::max(widest, *it);
        } else if (const std::optional<double> e = estimate(text)) {
            candidates.push_back({*e, &text});
        } else {
            widest = std::max(widest, width(text));
        }
    }
    if (candidates.empty())
        return widest;

    // Every text is at least its estimate less the margin wide: whatever lies more than two
    // margins below the highest estimate cannot be the widest.
    double top = 0;
    for (const Candidate& c : candidates)
        top = std::max(top, c.estimate);
    const double floor = std::max(double(widest), top - kMargin);
    std::erase_if(candidates, [floor](const Candidate& c) { return c.estimate + kMargin < floor; });
    std::sort(candidates.begin(), candidates.end(),
              [](const Candidate& a, const Candidate& b) { return a.estimate > b.estimate; });
    for (const Candidate& c : candidates) {
        if (c.estimate + kMargin < widest)
            break;
        const int w = width(*c.text);
        if (std::abs(w - c.estimate) > kMargin)
            return measureAll(texts);
        widest = std::max(widest, w);
    }
    return widest;
}

int TextWidths::measureAll(const std::vector<QString>& texts)
{
    int widest = 0;
    for (const QString& text : texts)
        widest = std::max(widest, width(text));
    return widest;
}

std::optional<double> TextWidths::estimate(const QString& text)
{
    double sum = 0;
    char16_t previous = 0;
    const auto add = [&](QStringView part) {
        for (const QChar ch : part) {
            const char16_t c = ch.unicode();
            if (!isPlain(c))
                return false;
            sum += advance(c);
            if (previous != 0) {
                const double k = kerning(previous, c);
                if (std::isinf(k))
                    return false;
                sum += k;
            }
            previous = c;
        }
        return true;
    };
    if (!add(text) || !add(m_suffix))
        return std::nullopt;
    return sum;
}

double TextWidths::advance(char16_t c)
{
    float& a = m_advances[size_t(c - kFirstPlain)];
    if (unknown(a))
        a = float(m_metricsF.horizontalAdvance(QString(QChar(c))));
    return a;
}

// By value: a later call may grow the table and move what a reference would point to.
QList<quint32> TextWidths::glyphs(char16_t c)
{
    auto it = m_glyphs.constFind(c);
    if (it == m_glyphs.cend())
        it = m_glyphs.insert(c, shapedGlyphs(QString(QChar(c)), m_font));
    return *it;
}

double TextWidths::kerning(char16_t a, char16_t b)
{
    if (a <= kLastLatin1 && b <= kLastLatin1 && m_latin1Kerning) {
        const float k =
            m_latin1Kerning[size_t((a - kFirstPlain) * kLatin1Count + (b - kFirstPlain))];
        if (!unknown(k))
            return k;
    }
    return newKerning(a, b);
}

double TextWidths::newKerning(char16_t a, char16_t b)
{
    const auto measure = [&] {
        const QChar chars[2] = {QChar(a), QChar(b)};
        const QString pair(chars, 2);
        // Ligatures and contextual forms make a text's width more than the sum of its pairs.
        if (shapedGlyphs(pair, m_font) != glyphs(a) + glyphs(b))
            return kShaped;
        return float(m_metricsF.horizontalAdvance(pair) - advance(a) - advance(b));
    };
    if (a <= kLastLatin1 && b <= kLastLatin1) {
        if (!m_latin1Kerning) {
            m_latin1Kerning = std::make_unique<float[]>(size_t(kLatin1Count * kLatin1Count));
            std::fill_n(m_latin1Kerning.get(), kLatin1Count * kLatin1Count,
                        std::numeric_limits<float>::quiet_NaN());
        }
        float& k = m_latin1Kerning[size_t((a - kFirstPlain) * kLatin1Count + (b - kFirstPlain))];
        k = measure();
        return k;
    }
    const quint32 key = (quint32(a) << 16) | b;
    auto it = m_otherKerning.find(key);
    if (it == m_otherKerning.end())
        it = m_otherKerning.insert(key, measure());
    return *it;
}

} // namespace grid

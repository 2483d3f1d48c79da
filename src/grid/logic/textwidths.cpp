#include "grid/logic/textwidths.h"

#include <QGlyphRun>
#include <QTextLayout>
#include <algorithm>
#include <cmath>
#include <cstring>
#include <limits>
#include <string>
#include <unordered_map>

namespace grid
{

namespace
{

constexpr char16_t kFirstPlain = 0x20;
constexpr char16_t kLastPlain = 0x24F;
constexpr char16_t kLastLatin1 = 0xFF;
constexpr int kPlainCount = kLastPlain - kFirstPlain + 1;
constexpr int kLatin1Count = kLastLatin1 - kFirstPlain + 1;
// Fonts whose tables a thread keeps before it starts afresh.
constexpr size_t kKeptFonts = 32;

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

// Kerning of a pair the shaper joins or swaps for other glyphs.
constexpr float kShaped = std::numeric_limits<float>::infinity();

size_t latin1Index(char16_t a, char16_t b)
{
    return size_t(a - kFirstPlain) * kLatin1Count + size_t(b - kFirstPlain);
}

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

void appendBytes(std::string& out, const void* data, size_t size)
{
    out.append(static_cast<const char*>(data), size);
}

} // namespace

// What shaping taught about one font: advances of characters, of pairs and of joined pieces.
struct TextWidths::FontTables {
    std::vector<float> advances =
        std::vector<float>(size_t(kPlainCount), std::numeric_limits<float>::quiet_NaN());
    // Made when a font's first long list is estimated: fonts only measured need none.
    std::vector<float> latin1Kerning;
    // The advance of the second character of a Latin-1 pair plus the pair's kerning: what the
    // estimate adds for each character after the first.
    std::vector<float> latin1Steps;
    QHash<quint32, float> otherKerning;
    QHash<char16_t, QList<quint32>> glyphs;
    QHash<QString, float> pieceAdvances;
    // Keyed by both pieces, split by U+0000 (which no plain text holds).
    QHash<QString, float> pieceKerning;
    QHash<QString, QList<quint32>> pieceGlyphs;
};

std::shared_ptr<TextWidths::FontTables> TextWidths::tablesFor(const QFont& font,
                                                              const QFontMetricsF& metrics)
{
    // Per thread, so that no lock is taken while a table grows. The line height tells fonts of
    // one description apart on screens of different resolution.
    thread_local std::unordered_map<QString, std::shared_ptr<FontTables>> known;
    const QString key = font.key() + QLatin1Char('|') + QString::number(metrics.height());
    auto it = known.find(key);
    if (it == known.end()) {
        if (known.size() >= kKeptFonts)
            known.clear();
        it = known.emplace(key, std::make_shared<FontTables>()).first;
    }
    return it->second;
}

TextWidths::TextWidths(const QFont& font, QString suffix)
    : m_font(font), m_metrics(font), m_metricsF(font), m_suffix(std::move(suffix)),
      m_tables(tablesFor(m_font, m_metricsF)), m_advances(m_tables->advances.data())
{
}

void TextWidths::makePairTables()
{
    if (m_tables->latin1Kerning.empty()) {
        const size_t size = size_t(kLatin1Count) * kLatin1Count;
        m_tables->latin1Kerning.assign(size, std::numeric_limits<float>::quiet_NaN());
        m_tables->latin1Steps.assign(size, std::numeric_limits<float>::quiet_NaN());
    }
    m_latin1Kerning = m_tables->latin1Kerning.data();
    m_latin1Steps = m_tables->latin1Steps.data();
}

TextWidths::~TextWidths() = default;

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
    std::vector<const QString*> pointers;
    pointers.reserve(texts.size());
    for (const QString& text : texts)
        pointers.push_back(&text);
    return widestOf(pointers);
}

int TextWidths::widestOf(const std::vector<const QString*>& texts)
{
    struct Candidate {
        double estimate;
        const QString* text;
        // What the text is made of, when its estimate has already told (see below).
        int made = -1;
    };
    // For a few texts, measuring them costs less than learning the characters and pairs.
    if (texts.size() < kFewTexts)
        return measureAll(texts);
    if (!m_latin1Steps)
        makePairTables();
    int widest = 0;
    std::vector<Candidate> candidates;
    candidates.reserve(texts.size());
    // Texts estimated piece by piece keep what they are made of, unless they already lie too
    // far below the highest estimate so far to come into question.
    std::vector<std::string> madeOf;
    double highest = 0;
    for (const QString* text : texts) {
        const std::optional<double> e = estimate(*text);
        if (!e) {
            widest = std::max(widest, width(*text));
            continue;
        }
        highest = std::max(highest, *e);
        int made = -1;
        if (m_byPieces && *e + 2 * kMargin >= highest) {
            made = int(madeOf.size());
            madeOf.push_back(m_made);
        }
        candidates.push_back({*e, text, made});
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
    // Texts made of the same pieces, advance for advance and pair for pair, are equally wide.
    std::unordered_map<std::string, int> measuredPieces;
    for (const Candidate& c : candidates) {
        if (c.estimate + kMargin < widest)
            break;
        int w = 0;
        if (const auto known = m_known.constFind(*c.text); known != m_known.cend()) {
            w = *known;
        } else {
            const std::string& made = c.made >= 0 ? madeOf[size_t(c.made)] : pieces(*c.text);
            if (const auto same = measuredPieces.find(made); same != measuredPieces.end()) {
                w = same->second;
            } else {
                w = width(*c.text);
                measuredPieces.emplace(made, w);
            }
        }
        if (std::abs(w - c.estimate) > kMargin)
            return measureAll(texts);
        widest = std::max(widest, w);
    }
    return widest;
}

int TextWidths::measureAll(const std::vector<const QString*>& texts)
{
    int widest = 0;
    for (const QString* text : texts)
        widest = std::max(widest, width(*text));
    return widest;
}

std::optional<double> TextWidths::estimate(const QString& text)
{
    m_byPieces = false;
    double sum = 0;
    char16_t previous = 0;
    Walk walk = addPlain(text, sum, previous);
    if (walk == Walk::Done)
        walk = addPlain(m_suffix, sum, previous);
    switch (walk) {
    case Walk::Done:
        return sum;
    case Walk::Joined:
        return estimateByPieces(text);
    case Walk::Foreign:
        break;
    }
    return std::nullopt;
}

TextWidths::Walk TextWidths::addPlain(QStringView part, double& sum, char16_t& previous)
{
    const char16_t* p = part.utf16();
    const char16_t* const end = p + part.size();
    if (p != end && previous == 0) {
        if (!isPlain(*p))
            return Walk::Foreign;
        sum += advance(*p);
        previous = *p++;
    }
    // Kept in registers: the table is not reloaded nor the sum stored for every character.
    const float* const steps = m_latin1Steps;
    double total = sum;
    char16_t before = previous;
    Walk walk = Walk::Done;
    for (; p != end; ++p) {
        const char16_t c = *p;
        const unsigned from = unsigned(before) - kFirstPlain;
        const unsigned to = unsigned(c) - kFirstPlain;
        float step = std::numeric_limits<float>::quiet_NaN();
        if (from < unsigned(kLatin1Count) && to < unsigned(kLatin1Count))
            step = steps[from * kLatin1Count + to];
        if (std::isfinite(step)) {
            total += step;
        } else {
            // Not learned yet, joined, or beyond Latin-1.
            if (!isPlain(c)) {
                walk = Walk::Foreign;
                break;
            }
            const double k = kerning(before, c);
            if (k == kShaped) {
                walk = Walk::Joined;
                break;
            }
            total += advance(c) + k;
        }
        before = c;
    }
    sum = total;
    previous = before;
    return walk;
}

// Cuts text + suffix into pieces: single characters, and runs of characters whose every pair
// the shaper joins. `step` gets each piece, its advance and the kerning between it and the
// piece before (0 for the first).
template <typename Step> bool TextWidths::walkPieces(QStringView text, Step&& step)
{
    qsizetype start = 0;
    QStringView before;
    while (start < text.size()) {
        if (!isPlain(text[start].unicode()))
            return false;
        qsizetype end = start + 1;
        while (end < text.size() && isPlain(text[end].unicode()) &&
               kerning(text[end - 1].unicode(), text[end].unicode()) == kShaped)
            ++end;
        const QStringView piece = text.mid(start, end - start);
        const float a =
            piece.size() == 1 ? float(advance(piece[0].unicode())) : pieceAdvance(piece);
        float k = 0;
        if (!before.isEmpty()) {
            k = before.size() == 1 && piece.size() == 1
                    ? float(kerning(before[0].unicode(), piece[0].unicode()))
                    : pieceKerning(before, piece);
            if (k == kShaped)
                return false;
        }
        step(piece, a, k);
        before = piece;
        start = end;
    }
    return true;
}

// Also writes what the text is made of, as pieces() does.
std::optional<double> TextWidths::estimateByPieces(const QString& text)
{
    m_byPieces = true;
    m_made.clear();
    double sum = 0;
    if (!walkPieces(withSuffix(text), [this, &sum](QStringView piece, float a, float k) {
            sum += double(a) + k;
            addPiece(piece, a, k);
        }))
        return std::nullopt;
    return sum;
}

QStringView TextWidths::withSuffix(const QString& text)
{
    m_whole.resize(0);
    m_whole.append(text).append(m_suffix);
    return m_whole;
}

// What the estimate of a text is made of: the advance of each single character, each joined
// piece itself, and the kerning between neighbours.
const std::string& TextWidths::pieces(const QString& text)
{
    m_made.clear();
    walkPieces(withSuffix(text),
               [this](QStringView piece, float a, float k) { addPiece(piece, a, k); });
    return m_made;
}

void TextWidths::addPiece(QStringView piece, float a, float k)
{
    appendBytes(m_made, &k, sizeof k);
    if (piece.size() == 1) {
        m_made.push_back('c');
        appendBytes(m_made, &a, sizeof a);
    } else {
        m_made.push_back('p');
        const qint32 length = qint32(piece.size());
        appendBytes(m_made, &length, sizeof length);
        appendBytes(m_made, piece.utf16(), size_t(piece.size()) * sizeof(char16_t));
    }
}

double TextWidths::advance(char16_t c)
{
    const float a = m_advances[c - kFirstPlain];
    return unknown(a) ? learnAdvance(c) : a;
}

float TextWidths::learnAdvance(char16_t c)
{
    float& a = m_advances[c - kFirstPlain];
    a = float(m_metricsF.horizontalAdvance(QString(QChar(c))));
    return a;
}

// By value: a later call may grow the table and move what a reference would point to.
QList<quint32> TextWidths::glyphs(char16_t c)
{
    auto it = m_tables->glyphs.constFind(c);
    if (it == m_tables->glyphs.cend())
        it = m_tables->glyphs.insert(c, shapedGlyphs(QString(QChar(c)), m_font));
    return *it;
}

QList<quint32> TextWidths::pieceGlyphs(QStringView piece)
{
    if (piece.size() == 1)
        return glyphs(piece[0].unicode());
    const QString key = piece.toString();
    auto it = m_tables->pieceGlyphs.constFind(key);
    if (it == m_tables->pieceGlyphs.cend())
        it = m_tables->pieceGlyphs.insert(key, shapedGlyphs(key, m_font));
    return *it;
}

double TextWidths::kerning(char16_t a, char16_t b)
{
    if (a <= kLastLatin1 && b <= kLastLatin1) {
        const float k = m_latin1Kerning[latin1Index(a, b)];
        if (!unknown(k))
            return k;
    }
    return newKerning(a, b);
}

float TextWidths::newKerning(char16_t a, char16_t b)
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
        float& k = m_latin1Kerning[latin1Index(a, b)];
        if (unknown(k)) {
            k = measure();
            m_latin1Steps[latin1Index(a, b)] = k == kShaped ? kShaped : float(advance(b) + k);
        }
        return k;
    }
    const quint32 key = (quint32(a) << 16) | b;
    auto it = m_tables->otherKerning.find(key);
    if (it == m_tables->otherKerning.end())
        it = m_tables->otherKerning.insert(key, measure());
    return *it;
}

float TextWidths::pieceAdvance(QStringView piece)
{
    m_key.resize(0);
    m_key.append(piece);
    auto it = m_tables->pieceAdvances.constFind(m_key);
    if (it == m_tables->pieceAdvances.cend())
        it = m_tables->pieceAdvances.insert(m_key, float(m_metricsF.horizontalAdvance(m_key)));
    return *it;
}

// The kerning between two neighbouring pieces, at least one of them joined: measured whole, and
// shaped whole wherever the shaper does more than put the two side by side.
float TextWidths::pieceKerning(QStringView a, QStringView b)
{
    m_key.resize(0);
    m_key.append(a).append(QChar(0)).append(b);
    if (const auto it = m_tables->pieceKerning.constFind(m_key);
        it != m_tables->pieceKerning.cend())
        return *it;
    const QString key = m_key;
    QString both = a.toString();
    both.append(b);
    float k = kShaped;
    if (shapedGlyphs(both, m_font) == pieceGlyphs(a) + pieceGlyphs(b)) {
        const auto alone = [this](QStringView piece) {
            return piece.size() == 1 ? advance(piece[0].unicode()) : double(pieceAdvance(piece));
        };
        k = float(m_metricsF.horizontalAdvance(both) - alone(a) - alone(b));
    }
    m_tables->pieceKerning.insert(key, k);
    return k;
}

} // namespace grid

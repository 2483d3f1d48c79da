#pragma once

#include <QFont>
#include <QFontMetrics>
#include <QFontMetricsF>
#include <QHash>
#include <QString>
#include <QStringView>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace grid
{

// Widths of single-line texts in one font, each followed by the same suffix, exactly as
// QFontMetrics::horizontalAdvance gives them for text + suffix. Measured widths are
// remembered.
//
// widest() finds the widest of many texts without shaping each one: a text made of plain
// Latin characters is first estimated from the advances of its characters and of the pairs
// they form, which is what shaping adds up for such text. Characters the font joins into one
// glyph (ligatures such as "ff") count as one piece, measured whole, with the pairs it forms
// with its neighbours. Only texts whose estimate comes near the widest width are measured, and
// of texts made of the same pieces (such as "Kurz 12345" and "Kurz 67890" where the digits
// share one advance and no kerning) only one; should a measurement stray from its estimate,
// every text is measured. Texts with other characters are always measured.
//
// What is learned of a font (advances, pairs, pieces) is kept for every TextWidths of the same
// font in the same thread.
class TextWidths
{
public:
    TextWidths(const QFont& font, QString suffix);
    ~TextWidths();

    // The width of text + suffix.
    int width(const QString& text);
    // The widest width of text + suffix over `texts`; 0 when there are none.
    int widest(const std::vector<QString>& texts);
    // The same over texts held elsewhere; none of the pointers may be null.
    int widestOf(const std::vector<const QString*>& texts);
    // Forgets the remembered widths once they grow past `limit` entries.
    void limitRemembered(qsizetype limit);

private:
    struct FontTables;
    static std::shared_ptr<FontTables> tablesFor(const QFont& font, const QFontMetricsF& metrics);

    // How far an estimate may lie from the rounded width without counting as strayed.
    static constexpr double kMargin = 1.0;
    static constexpr size_t kFewTexts = 256;

    enum class Walk { Done, Joined, Foreign };

    void makePairTables();
    std::optional<double> estimate(const QString& text);
    Walk addPlain(QStringView part, double& sum, char16_t& previous);
    std::optional<double> estimateByPieces(const QString& text);
    const std::string& pieces(const QString& text);
    void addPiece(QStringView piece, float a, float k);
    QStringView withSuffix(const QString& text);
    template <typename Step> bool walkPieces(QStringView text, Step&& step);
    double advance(char16_t c);
    float learnAdvance(char16_t c);
    double kerning(char16_t a, char16_t b);
    float newKerning(char16_t a, char16_t b);
    float pieceAdvance(QStringView piece);
    float pieceKerning(QStringView a, QStringView b);
    QList<quint32> glyphs(char16_t c);
    QList<quint32> pieceGlyphs(QStringView piece);
    int measureAll(const std::vector<const QString*>& texts);

    QFont m_font;
    QFontMetrics m_metrics;
    QFontMetricsF m_metricsF;
    QString m_suffix;
    QHash<QString, int> m_known;
    std::shared_ptr<FontTables> m_tables;
    float* m_advances = nullptr;
    float* m_latin1Kerning = nullptr;
    float* m_latin1Steps = nullptr;
    // Buffers kept between calls, so that estimating and comparing texts allocates nothing.
    QString m_whole;
    QString m_key;
    std::string m_made;
    // Whether the last estimate went piece by piece (and m_made holds the pieces).
    bool m_byPieces = false;
};

} // namespace grid

#pragma once

#include <QFont>
#include <QFontMetrics>
#include <QFontMetricsF>
#include <QHash>
#include <QString>
#include <memory>
#include <optional>
#include <vector>

namespace grid
{

// Widths of single-line texts in one font, each followed by the same suffix, exactly as
// QFontMetrics::horizontalAdvance gives them for text + suffix. Measured widths are
// remembered.
//
// widest() finds the widest of many texts without shaping each one: a text made of plain
// Latin characters is first estimated from the advances of its characters and of the pairs
// they form (measured once each), which is what shaping adds up for such text. Only texts
// whose estimate comes near the widest width are measured; should a measurement stray from
// its estimate, every text is measured. Texts with other characters, or with a pair the font
// replaces by other glyphs (ligatures such as "fi"), are always measured.
class TextWidths
{
public:
    TextWidths(const QFont& font, QString suffix);

    // The width of text + suffix.
    int width(const QString& text);
    // The widest width of text + suffix over `texts`; 0 when there are none.
    int widest(const std::vector<QString>& texts);
    // Forgets the remembered widths once they grow past `limit` entries.
    void limitRemembered(qsizetype limit);

private:
    // How far an estimate may lie from the rounded width without counting as strayed.
    static constexpr double kMargin = 1.0;
    static constexpr size_t kFewTexts = 256;

    std::optional<double> estimate(const QString& text);
    double advance(char16_t c);
    double kerning(char16_t a, char16_t b);
    double newKerning(char16_t a, char16_t b);
    QList<quint32> glyphs(char16_t c);
    int measureAll(const std::vector<QString>& texts);

    QFont m_font;
    QFontMetrics m_metrics;
    QFontMetricsF m_metricsF;
    QString m_suffix;
    QHash<QString, int> m_known;
    std::vector<float> m_advances;
    std::unique_ptr<float[]> m_latin1Kerning;
    QHash<quint32, float> m_otherKerning;
    QHash<char16_t, QList<quint32>> m_glyphs;
};

} // namespace grid

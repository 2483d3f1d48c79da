#include "appearance/logic/lesbarkeit.h"

#include <algorithm>
#include <cmath>

namespace appearance
{

namespace
{

double linearChannel(double srgb)
{
    return srgb <= 0.03928 ? srgb / 12.92 : std::pow((srgb + 0.055) / 1.055, 2.4);
}

QColor stepTowards(const QColor& colour, const QColor& target, double amount)
{
    auto channel = [amount](int from, int to) {
        return int(std::lround(from + (to - from) * amount));
    };
    return QColor(channel(colour.red(), target.red()), channel(colour.green(), target.green()),
                  channel(colour.blue(), target.blue()));
}

} // namespace

double relativeLuminance(const QColor& colour)
{
    const QColor rgb = colour.toRgb();
    return 0.2126 * linearChannel(rgb.redF()) + 0.7152 * linearChannel(rgb.greenF()) +
           0.0722 * linearChannel(rgb.blueF());
}

double contrastRatio(const QColor& a, const QColor& b)
{
    const double la = relativeLuminance(a);
    const double lb = relativeLuminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

QList<ColourPair> legiblePairs()
{
    return {
        {QStringLiteral("window text on window"), QPalette::WindowText, QPalette::Window},
        {QStringLiteral("text on base"), QPalette::Text, QPalette::Base},
        {QStringLiteral("button text on button"), QPalette::ButtonText, QPalette::Button},
        {QStringLiteral("highlighted text on highlight"), QPalette::HighlightedText,
         QPalette::Highlight},
        {QStringLiteral("tool-bar caption"), QPalette::ButtonText, QPalette::Window},
    };
}

QColor withContrast(const QColor& adjusted, const QColor& fixed, double minimum)
{
    // Away from the fixed colour: darker on a light partner, lighter on a dark one.
    const QColor target = relativeLuminance(fixed) > 0.18 ? QColor(Qt::black) : QColor(Qt::white);
    QColor colour = adjusted.toRgb();
    for (int step = 0; step < 100 && contrastRatio(colour, fixed) < minimum; ++step)
        colour = stepTowards(colour, target, 0.05);
    if (contrastRatio(colour, fixed) < minimum)
        colour = target;
    return colour;
}

QColor fusionTabColour(const QColor& button)
{
    QColor colour = button.toRgb();
    const int grey = qGray(colour.rgb());
    colour = colour.lighter(100 + std::max(1, (180 - grey) / 6));
    colour.setHsv(colour.hue(), int(colour.saturation() * 0.75), colour.value());
    return colour.lighter(104).toRgb();
}

QColor buttonForLegibleTabs(const QColor& button, const QColor& windowText)
{
    const QColor target =
        relativeLuminance(windowText) > 0.18 ? QColor(Qt::black) : QColor(Qt::white);
    QColor colour = button.toRgb();
    for (int step = 0; step < 100; ++step) {
        if (contrastRatio(windowText, fusionTabColour(colour).lighter(105)) >= kMinimumContrast)
            break;
        colour = stepTowards(colour, target, 0.05);
    }
    return colour;
}

QPalette madeLegible(QPalette palette)
{
    for (const QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive}) {
        for (const ColourPair& pair : legiblePairs()) {
            const QColor fg = palette.color(group, pair.foreground);
            const QColor bg = palette.color(group, pair.background);
            if (contrastRatio(fg, bg) >= kMinimumContrast)
                continue;
            if (pair.background == QPalette::Highlight)
                palette.setColor(group, pair.background, withContrast(bg, fg, kMinimumContrast));
            else
                palette.setColor(group, pair.foreground, withContrast(fg, bg, kMinimumContrast));
        }
    }
    return palette;
}

} // namespace appearance

#pragma once

#include <QColor>
#include <QList>
#include <QPalette>
#include <QString>

namespace appearance
{

// Relative luminance and contrast ratio as WCAG 2 defines them (sRGB, 1:1 .. 21:1).
double relativeLuminance(const QColor& colour);
double contrastRatio(const QColor& a, const QColor& b);

// Text that must stay legible: a foreground role drawn on a background role.
struct ColourPair {
    QString what;
    QPalette::ColorRole foreground;
    QPalette::ColorRole background;
};

// Window text on window, text on base, button text on button, highlighted text on highlight,
// and the tool-bar captions (flat tool buttons: button text straight on the window colour).
QList<ColourPair> legiblePairs();

// The least contrast every pair of legiblePairs() must reach (WCAG 2 AA for normal text).
constexpr double kMinimumContrast = 4.5;
// Disabled text must differ from enabled text, and from its background, by at least this much.
constexpr double kMinimumDisabledContrast = 1.5;

// Moves `adjusted` towards black or white, whichever gains contrast, until it reaches
// `minimum` against `fixed` (or pure black/white is reached).
QColor withContrast(const QColor& adjusted, const QColor& fixed, double minimum);

// The colour the Fusion style paints tab pages and tabs in: not the window colour but a
// lightened, less saturated button colour. Text on tab pages is window text on this colour.
QColor fusionTabColour(const QColor& button);

// The button colour moved away from `windowText` (darker under light text, lighter under dark
// text) until window text on the tab colour derived from it reaches kMinimumContrast, with a
// margin for the lighter shade of a selected tab.
QColor buttonForLegibleTabs(const QColor& button, const QColor& windowText);

// The palette with every pair of legiblePairs() brought up to kMinimumContrast in the active
// and inactive groups (the highlight is adjusted for highlighted text, the foreground otherwise).
QPalette madeLegible(QPalette palette);

} // namespace appearance

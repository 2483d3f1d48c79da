#pragma once

#include <QColor>
#include <QPalette>
#include <QString>
#include <functional>
#include <initializer_list>

namespace grid
{

// Colour numbers as the window designs store them: 0x00BBGGRR for a plain colour, and
// 0xFF0000nn (a negative number) for system colour nn.
namespace wincolor
{
inline constexpr int clBlack = 0x000000;
inline constexpr int clMaroon = 0x000080;
inline constexpr int clRed = 0x0000FF;
inline constexpr int clWhite = 0xFFFFFF;
inline constexpr int clNone = 0x1FFFFFFF;
inline constexpr int clDefault = 0x20000000;
inline constexpr int clInactiveCaption = -16777213;
inline constexpr int clWindow = -16777211;
inline constexpr int clWindowText = -16777208;
inline constexpr int clHighlight = -16777203;
inline constexpr int clHighlightText = -16777202;
inline constexpr int clBtnFace = -16777201;
} // namespace wincolor

// The colour number of a colour name such as "clRed"; false for an unknown name.
bool ColorNameToNumber(const QString& name, int& number);

// A colour field: a colour name or a decimal integer (also "$" hexadecimal).
bool ReadColorNumber(const QString& text, int& number);

// The colour to draw with: plain colours decoded from BGR, system colours from the palette.
QColor ColorFromNumber(int number, const QPalette& palette);

// Text layout flags of the window designs (1 centre, 2 right, 4 centre vertically, 8 bottom,
// 16 break at words, 32 single line) as Qt alignment and text flags for QPainter::drawText.
// Vertical placement applies to single-line text only, as with the flags' origin; an
// ampersand is always shown as is.
int TextFlagsFromAlignment(int alignment);

// Contrast ratio of two colours as WCAG 2 defines it (1 ... 21).
double ContrastRatio(const QColor& a, const QColor& b);

// The least contrast of a text colour against any of the backgrounds.
double LeastContrast(const QColor& text, std::initializer_list<QColor> backgrounds);

// The first candidate that reaches `minimum` contrast against every background; when none
// does, the candidate that comes closest.
QColor ReadableTextColor(std::initializer_list<QColor> candidates,
                         std::initializer_list<QColor> backgrounds, double minimum = 4.5);

// A background for the text when the text does not reach `minimum` against it or against
// shifted(background), the other end of a gradient: the background moved step by step away
// from the text (lighter under dark text, darker under light text) until both ends do.
QColor BackgroundForText(const QColor& text, const QColor& background,
                         const std::function<QColor(const QColor&)>& shifted, double minimum = 4.5);

} // namespace grid

#include "grid/logic/wincolors.h"

#include <QHash>
#include <algorithm>
#include <cmath>

namespace grid
{

namespace
{

struct NamedColor {
    const char* name;
    int number;
};

constexpr int sys(int index)
{
    return int(0xFF000000u | unsigned(index));
}

constexpr NamedColor kNamedColors[] = {
    {"clBlack", 0x000000},
    {"clMaroon", 0x000080},
    {"clGreen", 0x008000},
    {"clOlive", 0x008080},
    {"clNavy", 0x800000},
    {"clPurple", 0x800080},
    {"clTeal", 0x808000},
    {"clGray", 0x808080},
    {"clSilver", 0xC0C0C0},
    {"clRed", 0x0000FF},
    {"clLime", 0x00FF00},
    {"clYellow", 0x00FFFF},
    {"clBlue", 0xFF0000},
    {"clFuchsia", 0xFF00FF},
    {"clAqua", 0xFFFF00},
    {"clWhite", 0xFFFFFF},
    {"clMoneyGreen", 0xC0DCC0},
    {"clSkyBlue", 0xF0CAA6},
    {"clCream", 0xF0FBFF},
    {"clMedGray", 0xA4A0A0},
    {"clNone", 0x1FFFFFFF},
    {"clDefault", 0x20000000},
    {"clScrollBar", sys(0)},
    {"clBackground", sys(1)},
    {"clActiveCaption", sys(2)},
    {"clInactiveCaption", sys(3)},
    {"clMenu", sys(4)},
    {"clWindow", sys(5)},
    {"clWindowFrame", sys(6)},
    {"clMenuText", sys(7)},
    {"clWindowText", sys(8)},
    {"clCaptionText", sys(9)},
    {"clActiveBorder", sys(10)},
    {"clInactiveBorder", sys(11)},
    {"clAppWorkSpace", sys(12)},
    {"clHighlight", sys(13)},
    {"clHighlightText", sys(14)},
    {"clBtnFace", sys(15)},
    {"clBtnShadow", sys(16)},
    {"clGrayText", sys(17)},
    {"clBtnText", sys(18)},
    {"clInactiveCaptionText", sys(19)},
    {"clBtnHighlight", sys(20)},
    {"cl3DDkShadow", sys(21)},
    {"cl3DLight", sys(22)},
    {"clInfoText", sys(23)},
    {"clInfoBk", sys(24)},
    {"clHotLight", sys(26)},
    {"clGradientActiveCaption", sys(27)},
    {"clGradientInactiveCaption", sys(28)},
    {"clMenuHighlight", sys(29)},
    {"clMenuBar", sys(30)},
};

QColor systemColor(int index, const QPalette& p)
{
    using P = QPalette;
    switch (index) {
    case 0:
        return p.color(P::Button); // clScrollBar
    case 1:
        return p.color(P::Window); // clBackground
    case 2:
        return p.color(P::Active, P::Highlight); // clActiveCaption
    case 3:
        return p.color(P::Inactive, P::Highlight); // clInactiveCaption
    case 4:
        return p.color(P::Window); // clMenu
    case 5:
        return p.color(P::Base); // clWindow
    case 6:
        return p.color(P::Shadow); // clWindowFrame
    case 7:
        return p.color(P::WindowText); // clMenuText
    case 8:
        return p.color(P::Text); // clWindowText
    case 9:
        return p.color(P::Active, P::HighlightedText); // clCaptionText
    case 10:
        return p.color(P::Window); // clActiveBorder
    case 11:
        return p.color(P::Window); // clInactiveBorder
    case 12:
        return p.color(P::Mid); // clAppWorkSpace
    case 13:
        return p.color(P::Highlight); // clHighlight
    case 14:
        return p.color(P::HighlightedText); // clHighlightText
    case 15:
        return p.color(P::Button); // clBtnFace
    case 16:
        return p.color(P::Dark); // clBtnShadow
    case 17:
        return p.color(P::Disabled, P::Text); // clGrayText
    case 18:
        return p.color(P::ButtonText); // clBtnText
    case 19:
        return p.color(P::Inactive, P::HighlightedText); // clInactiveCaptionText
    case 20:
        return p.color(P::Light); // clBtnHighlight
    case 21:
        return p.color(P::Shadow); // cl3DDkShadow
    case 22:
        return p.color(P::Midlight); // cl3DLight
    case 23:
        return p.color(P::ToolTipText); // clInfoText
    case 24:
        return p.color(P::ToolTipBase); // clInfoBk
    case 26:
        return p.color(P::Link); // clHotLight
    case 27:
        return p.color(P::Active, P::Highlight); // clGradientActiveCaption
    case 28:
        return p.color(P::Inactive, P::Highlight); // clGradientInactiveCaption
    case 29:
        return p.color(P::Highlight); // clMenuHighlight
    case 30:
        return p.color(P::Window); // clMenuBar
    default:
        return p.color(P::Button);
    }
}

} // namespace

bool ColorNameToNumber(const QString& name, int& number)
{
    for (const NamedColor& c : kNamedColors) {
        if (name.compare(QLatin1String(c.name), Qt::CaseInsensitive) == 0) {
            number = c.number;
            return true;
        }
    }
    return false;
}

bool ReadColorNumber(const QString& text, int& number)
{
    const QString t = text.trimmed();
    if (ColorNameToNumber(t, number))
        return true;
    bool ok = false;
    qint64 v = 0;
    if (t.startsWith(QLatin1Char('$')))
        v = t.mid(1).toLongLong(&ok, 16);
    else
        v = t.toLongLong(&ok, 10);
    if (!ok || v < std::numeric_limits<int>::min() || v > 0xFFFFFFFFLL)
        return false;
    number = int(quint32(v));
    return true;
}

QColor ColorFromNumber(int number, const QPalette& palette)
{
    if (number == wincolor::clNone)
        return Qt::transparent;
    if (number == wincolor::clDefault)
        return palette.color(QPalette::Base);
    if (number < 0)
        return systemColor(number & 0xFF, palette);
    return QColor(number & 0xFF, (number >> 8) & 0xFF, (number >> 16) & 0xFF);
}

int TextFlagsFromAlignment(int alignment)
{
    int flags = 0;
    if (alignment & 2)
        flags |= Qt::AlignRight;
    else if (alignment & 1)
        flags |= Qt::AlignHCenter;
    else
        flags |= Qt::AlignLeft;
    const bool singleLine = alignment & 32;
    if (singleLine && (alignment & 8))
        flags |= Qt::AlignBottom;
    else if (singleLine && (alignment & 4))
        flags |= Qt::AlignVCenter;
    else
        flags |= Qt::AlignTop;
    if (singleLine)
        flags |= Qt::TextSingleLine;
    else if (alignment & 16)
        flags |= Qt::TextWordWrap;
    return flags;
}

namespace
{

double luminance(const QColor& colour)
{
    auto linear = [](double c) {
        return c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
    };
    const QColor rgb = colour.toRgb();
    return 0.2126 * linear(rgb.redF()) + 0.7152 * linear(rgb.greenF()) +
           0.0722 * linear(rgb.blueF());
}

} // namespace

double ContrastRatio(const QColor& a, const QColor& b)
{
    const double la = luminance(a);
    const double lb = luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

double LeastContrast(const QColor& text, std::initializer_list<QColor> backgrounds)
{
    double least = 21;
    for (const QColor& background : backgrounds)
        least = std::min(least, ContrastRatio(text, background));
    return least;
}

QColor ReadableTextColor(std::initializer_list<QColor> candidates,
                         std::initializer_list<QColor> backgrounds, double minimum)
{
    QColor closest;
    double best = 0;
    for (const QColor& candidate : candidates) {
        const double least = LeastContrast(candidate, backgrounds);
        if (least >= minimum)
            return candidate;
        if (least > best) {
            best = least;
            closest = candidate;
        }
    }
    return closest;
}

QColor BackgroundForText(const QColor& text, const QColor& background,
                         const std::function<QColor(const QColor&)>& shifted, double minimum)
{
    const QColor away = luminance(text) < 0.18 ? QColor(Qt::white) : QColor(Qt::black);
    QColor moved = background;
    for (int step = 0; step <= 20; ++step) {
        const double share = step / 20.0;
        moved = QColor::fromRgbF(
            float(background.redF() + (away.redF() - background.redF()) * share),
            float(background.greenF() + (away.greenF() - background.greenF()) * share),
            float(background.blueF() + (away.blueF() - background.blueF()) * share));
        if (LeastContrast(text, {moved, shifted(moved)}) >= minimum)
            break;
    }
    return moved;
}

} // namespace grid

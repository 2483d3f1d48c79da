#include "appearance/logic/stile.h"

#include "appearance/logic/lesbarkeit.h"
#include "platform/base/cp1252.h"
#include "platform/base/typedfile.h"

#include <algorithm>
#include <cmath>

namespace appearance
{

namespace
{

// The colours a look is designed from; everything else of the palette is derived.
struct LookColours {
    const char* name;
    const char* window;
    const char* windowText;
    const char* base;
    const char* text;
    const char* button;
    const char* buttonText;
    const char* highlight;
    const char* highlightedText;
    bool flat; // flat buttons without bevel or gradient
};

// Dark looks carry light text, light looks dark text; every pair is chosen to stay well
// above a 4.5:1 contrast (checked by the appearance tests).
constexpr LookColours kLooks[] = {
    // name                  window     windowText base       text       button     buttonText
    //                       highlight  highlightedText  flat
    {"Amakrits", "#3b3632", "#f2ece4", "#2b2724", "#f2ece4", "#4d4741", "#f7f1ea", "#d9822b",
     "#1a1410", false},
    {"Amethyst Kamri", "#ebe6f2", "#2a1f3d", "#ffffff", "#24193a", "#dcd2ea", "#2a1f3d", "#6b3fa0",
     "#ffffff", false},
    {"Aqua Graphite", "#e3e6ea", "#1d2228", "#fbfcfd", "#1d2228", "#cfd5dc", "#1d2228", "#4a6a8c",
     "#ffffff", false},
    {"Aqua Light Slate", "#dbe8f1", "#15293a", "#ffffff", "#15293a", "#c2d9ea", "#15293a",
     "#1a6fa3", "#ffffff", false},
    {"Auric", "#2f2a22", "#f3e7c9", "#221e18", "#f3e7c9", "#40392e", "#f6ebcf", "#d4a72c",
     "#1c1608", false},
    {"Carbon", "#2b2b2b", "#e8e8e8", "#1d1d1d", "#e8e8e8", "#3a3a3a", "#eeeeee", "#6a9fd8",
     "#101418", false},
    {"Charcoal Dark Slate", "#2e353c", "#e3e9ef", "#22282e", "#e3e9ef", "#3c454e", "#e8eef3",
     "#7ea4c8", "#10161c", false},
    {"Cobalt XEMedia", "#1d2e4c", "#e7eefb", "#142139", "#e7eefb", "#2a3f64", "#edf2fc", "#5b9be8",
     "#0a1220", false},
    {"Cyan Dusk", "#24343a", "#e0f2f5", "#1a272c", "#e0f2f5", "#30454d", "#e6f6f8", "#35b8cc",
     "#0b1a1e", false},
    {"Cyan Night", "#121b24", "#d6f3f9", "#0b1219", "#d6f3f9", "#1d2a36", "#ddf6fb", "#00aac8",
     "#031014", false},
    {"Emerald Light Slate", "#dce3e9", "#0f3d26", "#f8fafb", "#132a1e", "#c8d3dc", "#0f3d26",
     "#1b7a4a", "#ffffff", false},
    {"Glossy", "#232323", "#f2f2f2", "#171717", "#f2f2f2", "#343434", "#f5f5f5", "#3f8fe0",
     "#000000", false},
    {"Glow", "#1e2228", "#e9edf2", "#15181c", "#e9edf2", "#2b3037", "#eef2f6", "#ff8f1f", "#140a00",
     false},
    {"Golden Graphite", "#393939", "#f1f1f1", "#2b2b2b", "#f1f1f1", "#474747", "#f5f5f5", "#d9a521",
     "#1a1400", false},
    {"Iceberg Classico", "#e5eef6", "#1b2a38", "#ffffff", "#1b2a38", "#d0dfec", "#1b2a38",
     "#3572ae", "#ffffff", false},
    {"Lavender Classico", "#ece8f4", "#2a2440", "#ffffff", "#2a2440", "#dbd4ea", "#2a2440",
     "#6a589c", "#ffffff", false},
    {"Light", "#f4f4f4", "#1a1a1a", "#ffffff", "#1a1a1a", "#e7e7e7", "#1a1a1a", "#2b6cb8",
     "#ffffff", false},
    {"Luna", "#ece9d8", "#000000", "#ffffff", "#000000", "#f5f4ea", "#000000", "#316ac5", "#ffffff",
     false},
    {"Metropolis UI Black", "#0f0f0f", "#ffffff", "#1a1a1a", "#ffffff", "#262626", "#ffffff",
     "#1ba1e2", "#000000", true},
    {"Metropolis UI Blue", "#1f4b82", "#ffffff", "#183c69", "#ffffff", "#2c5f9e", "#ffffff",
     "#a6d4ff", "#0a1e36", true},
    {"Metropolis UI Dark", "#2d2d30", "#f1f1f1", "#1e1e1e", "#f1f1f1", "#3e3e42", "#f1f1f1",
     "#3399e0", "#000000", true},
    {"Metropolis UI Green", "#1f5b36", "#ffffff", "#184a2b", "#ffffff", "#2a7447", "#ffffff",
     "#b6efc8", "#0b2414", true},
    {"Obsidian", "#1c1c20", "#e6e6ea", "#121215", "#e6e6ea", "#2a2a30", "#ececf0", "#8c8ca8",
     "#0a0a0c", false},
    {"Onyx Blue", "#191e2a", "#e5ebf5", "#10141c", "#e5ebf5", "#252c3c", "#eaf0f8", "#4f8be0",
     "#05080f", false},
    {"Ruby Graphite", "#393a3d", "#f0f0f0", "#2a2b2e", "#f0f0f0", "#47484c", "#f4f4f4", "#c8263f",
     "#ffffff", false},
    {"Sapphire Kamri", "#e2e8f3", "#142040", "#ffffff", "#142040", "#cbd6ea", "#142040", "#1f4ca6",
     "#ffffff", false},
    {"Silver", "#e1e1e1", "#111111", "#ffffff", "#111111", "#d2d2d2", "#111111", "#56688a",
     "#ffffff", false},
    {"Sky", "#d9eefb", "#0d2a40", "#ffffff", "#0d2a40", "#bfe1f7", "#0d2a40", "#1670b5", "#ffffff",
     false},
    {"Slate Classico", "#c8d0d8", "#12181e", "#f4f6f8", "#12181e", "#b4bec8", "#12181e", "#3c5166",
     "#ffffff", false},
    {"Smokey Quartz Kamri", "#e5e0da", "#2c251f", "#fbf9f7", "#2c251f", "#d4ccc3", "#2c251f",
     "#7a5b46", "#ffffff", false},
    {"Tablet Light", "#f7f7f7", "#202020", "#ffffff", "#202020", "#ebebeb", "#202020", "#0f6cbd",
     "#ffffff", true},
    {"TabletDark", "#252525", "#f2f2f2", "#1b1b1b", "#f2f2f2", "#333333", "#f2f2f2", "#4a9eef",
     "#000000", true},
    {"Turquoise Gray", "#d7dcdd", "#1c2526", "#ffffff", "#1c2526", "#c4cbcc", "#1c2526", "#0e7478",
     "#ffffff", false},
    {"Windows10", "#fbfbfb", "#000000", "#ffffff", "#000000", "#e1e1e1", "#000000", "#006cc1",
     "#ffffff", true},
};

QColor mixed(const QColor& a, const QColor& b, double share)
{
    auto channel = [share](int x, int y) { return int(std::lround(x + (y - x) * share)); };
    return QColor(channel(a.red(), b.red()), channel(a.green(), b.green()),
                  channel(a.blue(), b.blue()));
}

bool isDark(const QColor& colour)
{
    return relativeLuminance(colour) < 0.2;
}

void setActiveAndInactive(QPalette& palette, QPalette::ColorRole role, const QColor& colour)
{
    palette.setColor(QPalette::Active, role, colour);
    palette.setColor(QPalette::Inactive, role, colour);
    palette.setColor(QPalette::Disabled, role, colour);
}

// Disabled text halfway between the text and its background: dimmed, yet still visible.
void setDisabledText(QPalette& palette, QPalette::ColorRole text, QPalette::ColorRole background)
{
    palette.setColor(QPalette::Disabled, text,
                     mixed(palette.color(QPalette::Active, text),
                           palette.color(QPalette::Active, background), 0.5));
}

QPalette paletteFrom(const LookColours& c)
{
    const QColor window(c.window);
    const QColor windowText(c.windowText);
    const QColor base(c.base);
    const QColor text(c.text);
    const QColor button = buttonForLegibleTabs(QColor(c.button), windowText);
    const QColor buttonText(c.buttonText);
    const QColor highlight(c.highlight);
    const QColor highlightedText(c.highlightedText);
    const bool dark = isDark(window);

    QPalette p;
    setActiveAndInactive(p, QPalette::Window, window);
    setActiveAndInactive(p, QPalette::WindowText, windowText);
    setActiveAndInactive(p, QPalette::Base, base);
    setActiveAndInactive(p, QPalette::AlternateBase, mixed(base, button, 0.35));
    setActiveAndInactive(p, QPalette::Text, text);
    setActiveAndInactive(p, QPalette::Button, button);
    setActiveAndInactive(p, QPalette::ButtonText, buttonText);
    setActiveAndInactive(p, QPalette::BrightText, dark ? QColor("#ff7b7b") : QColor("#c00000"));
    setActiveAndInactive(p, QPalette::Highlight, highlight);
    setActiveAndInactive(p, QPalette::HighlightedText, highlightedText);
    setActiveAndInactive(p, QPalette::ToolTipBase, base);
    setActiveAndInactive(p, QPalette::ToolTipText, text);
    setActiveAndInactive(p, QPalette::PlaceholderText, mixed(text, base, 0.45));
    const QColor link = withContrast(highlight, base, kMinimumContrast);
    setActiveAndInactive(p, QPalette::Link, link);
    setActiveAndInactive(p, QPalette::LinkVisited, mixed(link, text, 0.3));

    // The bevel shades around the button colour.
    setActiveAndInactive(p, QPalette::Light, dark ? button.lighter(160) : button.lighter(125));
    setActiveAndInactive(p, QPalette::Midlight, dark ? button.lighter(130) : button.lighter(112));
    setActiveAndInactive(p, QPalette::Mid, dark ? button.lighter(170) : button.darker(135));
    setActiveAndInactive(p, QPalette::Dark, dark ? button.darker(160) : button.darker(170));
    setActiveAndInactive(p, QPalette::Shadow, dark ? QColor("#000000") : button.darker(300));

    setDisabledText(p, QPalette::WindowText, QPalette::Window);
    setDisabledText(p, QPalette::Text, QPalette::Base);
    setDisabledText(p, QPalette::ButtonText, QPalette::Button);
    p.setColor(QPalette::Disabled, QPalette::Highlight, mixed(highlight, window, 0.5));
    p.setColor(QPalette::Disabled, QPalette::HighlightedText,
               p.color(QPalette::Disabled, QPalette::Text));
    p.setColor(QPalette::Disabled, QPalette::Base, dark ? base : window);
    return p;
}

// Flat buttons: a plain face and a one-pixel frame, the highlight colour when pressed. The
// colours are written out, as a sheet's palette() cannot name the disabled text colour.
QString flatButtons(const QPalette& p)
{
    auto colour = [&p](QPalette::ColorGroup group, QPalette::ColorRole role) {
        return p.color(group, role).name();
    };
    return QStringLiteral("QPushButton { background-color: %1; color: %2; border: 1px solid %3;"
                          " padding: 4px 12px; }\n"
                          "QPushButton:hover { border-color: %4; }\n"
                          "QPushButton:default { border: 2px solid %4; }\n"
                          "QPushButton:pressed, QPushButton:checked { background-color: %4;"
                          " color: %5; }\n"
                          "QPushButton:disabled { color: %6; border-color: %7; }\n")
        .arg(colour(QPalette::Active, QPalette::Button),
             colour(QPalette::Active, QPalette::ButtonText),
             colour(QPalette::Active, QPalette::Mid), colour(QPalette::Active, QPalette::Highlight),
             colour(QPalette::Active, QPalette::HighlightedText),
             colour(QPalette::Disabled, QPalette::ButtonText),
             colour(QPalette::Disabled, QPalette::Midlight));
}

} // namespace

QList<StyleLook> programLooks()
{
    QList<StyleLook> looks;
    for (const LookColours& colours : kLooks) {
        const QPalette palette = paletteFrom(colours);
        looks.append(StyleLook{QString::fromLatin1(colours.name), QStringLiteral("Fusion"), palette,
                               colours.flat ? flatButtons(palette) : QString()});
    }
    return looks;
}

StyleLook platformLook(const QString& startStyleKey, const QPalette& startPalette)
{
    return StyleLook{kPlatformStyleName, startStyleKey, madeLegible(startPalette), QString()};
}

QStringList programStyleNames()
{
    QStringList names;
    for (const LookColours& colours : kLooks)
        names.append(QString::fromLatin1(colours.name));
    names.append(kPlatformStyleName);
    std::sort(names.begin(), names.end(), [](const QString& a, const QString& b) {
        return QString::compare(a, b, Qt::CaseInsensitive) < 0;
    });
    return names;
}

namespace
{

bool isControl(QChar c)
{
    return platform::isControlCharacter(c.unicode());
}

} // namespace

bool isDamagedStyleName(const QString& name, const QStringList& names)
{
    qsizetype longest = 0;
    for (const QString& known : names)
        longest = std::max(longest, known.size());
    return name.size() > longest || std::any_of(name.cbegin(), name.cend(), isControl);
}

QString styleNameForMessage(const QString& name)
{
    QString shown = name.left(40);
    std::replace_if(shown.begin(), shown.end(), isControl, QLatin1Char('?'));
    return shown;
}

QString styleNameOfFile(const QString& path)
{
    QByteArray bytes;
    if (!platform::readFileHead(path, 4096, bytes))
        return {};
    const qsizetype end = bytes.indexOf('\n');
    if (end >= 0)
        bytes.truncate(end);
    const qsizetype carriageReturn = bytes.indexOf('\r');
    if (carriageReturn >= 0)
        bytes.truncate(carriageReturn);
    return platform::fromCp1252(bytes);
}

} // namespace appearance

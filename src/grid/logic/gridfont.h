#pragma once

#include <QFont>
#include <QString>

namespace grid
{

// A font as the grid keeps it: besides name, size and style it carries a colour, a Windows
// colour number (BGR, or negative for a system colour) kept exactly as it was given.
struct GridFont {
    QString Name = QStringLiteral("Tahoma");
    int Size = 8;
    int Color = -16777208; // clWindowText
    bool Bold = false;
    bool Italic = false;
    bool Underline = false;
    bool StrikeOut = false;

    QFont toQFont() const;
    bool operator==(const GridFont&) const = default;
};

} // namespace grid

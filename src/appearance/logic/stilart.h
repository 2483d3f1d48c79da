#pragma once

#include <QPalette>
#include <QString>

namespace appearance
{

// One named look for every window of the program: a widget style (by its QStyleFactory key),
// a complete palette, and a style sheet only for what a palette cannot say (flat buttons).
struct StyleLook {
    QString name;
    QString styleKey; // QStyleFactory key, e.g. "Fusion"
    QPalette palette;
    QString styleSheet; // empty for most looks
};

} // namespace appearance

#include "grid/logic/gridfont.h"

namespace grid
{

QFont GridFont::toQFont() const
{
    QFont font(Name);
    if (Size > 0)
        font.setPointSize(Size);
    font.setBold(Bold);
    font.setItalic(Italic);
    font.setUnderline(Underline);
    font.setStrikeOut(StrikeOut);
    return font;
}

} // namespace grid

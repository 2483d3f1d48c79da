#pragma once

#include "grid/logic/filtergridmodel.h"

#include <QColor>
#include <QPalette>
#include <QRect>
#include <QString>
#include <map>

class QPainter;

namespace grid
{

// The sort arrow of `icon` at the top right of aRect in the canvas's font colour, tip up when
// ascending; its height follows the title row of grd.
void PaintIcon(const TSortIcon& icon, const TStringGrid& grd, QPainter& can, const QRect& aRect,
               TSortDirection sd);

// The grid's own drawing of its cells (DefaultDrawing off): text, fonts, colours, gradients,
// the colour and object handlers and the sort arrows. Size changes the text asks for (a title
// wider than its column, a row too low for its lines) wait in ApplyPendingSizes, so a paint
// never resizes what it paints.
class GridDrawer
{
public:
    explicit GridDrawer(FilterGridModel& grid) : m_grid(grid) {}

    // The text a cell is drawn with: Distance blanks around the cell text, a single blank for
    // a text that starts with a control character (a marked cell), and after the title of a
    // sorted column the room for the arrow.
    QString DrawText(int aCol, int aRow) const;
    // The brush the base grid puts on the canvas before DrawCell: the fixed colour, the
    // highlight for selected cells, else the grid's colour.
    QColor BaseBrushColor(int aCol, int aRow, GridDrawState state, const QPalette& palette) const;
    // Paints one cell into rect (grid lines excluded).
    void DrawCell(QPainter& can, const QPalette& palette, int aCol, int aRow, const QRect& rect,
                  GridDrawState state);
    // The background of a cell: plain, or a vertical gradient (DrawingStyle gdsGradient) for
    // fixed cells, and for every cell when toAllCells.
    void DrawRect(QPainter& can, const QRect& aRect, GridDrawState aState,
                  const QColor& gradientStart, const QColor& gradientEnd, const QPalette& palette,
                  bool toAllCells) const;

    // Applies the sizes the drawing asked for; true when a width or height really changed.
    // The view calls it once painting is over.
    bool ApplyPendingSizes();
    bool HasPendingSizes() const { return !m_pendingWidths.empty() || !m_pendingHeights.empty(); }

private:
    void askColWidth(int aCol, int width);
    void askRowHeight(int aRow, int height);

    FilterGridModel& m_grid;
    std::map<int, int> m_pendingWidths;
    std::map<int, int> m_pendingHeights;
};

} // namespace grid

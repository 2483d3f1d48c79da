#pragma once

#include "grid/logic/filtergridmodel.h"

#include <Qt>

namespace grid
{

// The grid's answers to the mouse and the keyboard. Points are in the model's drawing
// coordinates (those of CellRect); each answer runs before the view's own handling.
class GridInteraction
{
public:
    explicit GridInteraction(FilterGridModel& grid) : m_grid(grid) {}

    // The cell at a point of the control; false outside every cell.
    bool CellAt(int x, int y, int& aCol, int& aRow) const;
    // Remembers the row and the scroll position of a press; a left press in a title cell away
    // from its borders (3 pixels) sorts by that column. With NoInherited on, the press is only
    // the view's and the flag goes off.
    void MouseDown(Qt::MouseButton button, int x, int y);
    // The pressed row becomes current, scrolling the press caused is undone.
    void MouseUp(Qt::MouseButton button, int x, int y);
    // Cursor down on the last row appends a row when RowAddAuto is on.
    void KeyDown(int& key, Qt::KeyboardModifiers shift);

private:
    FilterGridModel& m_grid;
    int m_clickRow = 0;
    int m_clickLeftCol = 1;
};

} // namespace grid

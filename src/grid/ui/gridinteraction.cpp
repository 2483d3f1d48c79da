#include "grid/ui/gridinteraction.h"

#include <climits>

namespace grid
{

bool GridInteraction::CellAt(int x, int y, int& aCol, int& aRow) const
{
    const int line = m_grid.GridLineWidth();
    for (int r = 0; r < m_grid.RowCount(); ++r) {
        for (int c = 0; c < m_grid.ColCount(); ++c) {
            const QRect cell = m_grid.CellRect(c, r);
            if (cell.isEmpty())
                continue;
            if (x >= cell.left() && x < cell.left() + cell.width() + line && y >= cell.top() &&
                y < cell.top() + cell.height() + line) {
                aCol = c;
                aRow = r;
                return true;
            }
        }
    }
    return false;
}

void GridInteraction::MouseDown(Qt::MouseButton button, int x, int y)
{
    if (m_grid.NoInherited()) {
        m_grid.SetNoInherited(false);
        return;
    }
    int aCol = -1;
    int aRow = -1;
    CellAt(x, y, aCol, aRow);
    m_clickRow = aRow;
    m_clickLeftCol = m_grid.LeftCol();
    if (aCol < 0)
        return;
    // Presses near a column border are for resizing, never for sorting.
    const QRect narrowed = m_grid.CellRect(aCol, aRow).adjusted(3, 0, -3, 0);
    if (m_grid.SortMouseEd() && button == Qt::LeftButton && aRow < m_grid.FixedRows() &&
        PointInRect(x, y, narrowed))
        m_grid.SortByMouse(x, y);
}

void GridInteraction::MouseUp(Qt::MouseButton, int, int)
{
    if (m_clickRow <= 0 || m_clickRow >= m_grid.RowCount())
        return;
    const GridRect sel = m_grid.Selection();
    if (m_grid.Row() >= 0 && sel.Top == sel.Bottom && m_clickRow >= m_grid.FixedRows())
        m_grid.MoveTo(m_grid.Col(), m_clickRow);
    m_grid.SetLeftCol(m_clickLeftCol);
}

void GridInteraction::KeyDown(int& key, Qt::KeyboardModifiers)
{
    if (key != Qt::Key_Down || !m_grid.RowAddAuto() || m_grid.Row() != m_grid.RowCount() - 1)
        return;
    m_grid.RowAdd(INT_MAX, QString());
    if (m_grid.OnRowAddAuto)
        m_grid.OnRowAddAuto(&m_grid);
}

} // namespace grid

#pragma once

#include "grid/logic/filtergridmodel.h"
#include "grid/ui/griddrawer.h"
#include "grid/ui/gridinteraction.h"

#include <QTableView>

namespace grid
{

class TitleStrip;

// The program's table component on screen: shows a FilterGridModel cell by cell with the
// model's column widths, row heights and current cell. The fixed rows stand in a strip above
// the scrolling rows, so the titles stay in sight; every cell is painted by the grid's own
// drawing (GridDrawer). Mouse presses and keys go through GridInteraction's MouseDown, MouseUp
// and KeyDown, the in-place editor and moves of the current cell through the model's
// GetEditText/SetEditText and SelectCell.
class TFilterGrid : public QTableView
{
    Q_OBJECT
public:
    explicit TFilterGrid(QWidget* parent = nullptr);
    ~TFilterGrid() override;

    FilterGridModel& Grid() { return *m_grid; }
    const FilterGridModel& Grid() const { return *m_grid; }

    // The draw state of a cell as the grid passes it to DrawCell.
    GridDrawState drawState(int aCol, int aRow) const;
    // A point of the viewport, or of the title strip, in the model's drawing coordinates
    // (those of CellRect); false outside every cell.
    bool viewportToGrid(const QPoint& viewportPos, QPoint& gridPos) const;
    bool stripToGrid(const QPoint& stripPos, QPoint& gridPos) const;
    // The cell of the title strip at a point of it; (-1, -1) outside every cell.
    QPoint stripCellAt(const QPoint& stripPos) const;
    // The strip that shows the fixed rows.
    QWidget* titleStrip() const;
    // Paints done since the view was made (viewport and title strip); a view at rest stops.
    int paintCount() const { return m_paints; }

    // Paints one cell into rect on the grid's base brush (grid lines excluded).
    void paintCell(QPainter& painter, const QPalette& palette, int aCol, int aRow,
                   const QRect& rect);
    // The strip's share of the work: paint the fixed rows, take presses on them.
    void paintFixedRows(QPainter& painter);
    void titlePressed(Qt::MouseButton button, const QPoint& stripPos);
    void titleReleased(Qt::MouseButton button, const QPoint& stripPos);
    void paintDone();

Q_SIGNALS:
    // The grid's width, the height of its rows' area or its vertical scroll bar changed.
    void geometrieGeaendert();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void currentChanged(const QModelIndex& current, const QModelIndex& previous) override;
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    QModelIndex moveCursor(CursorAction cursorAction, Qt::KeyboardModifiers modifiers) override;
    void scrollContentsBy(int dx, int dy) override;

public:
    // With whole rows selected, bringing the current cell into sight scrolls only vertically.
    void scrollTo(const QModelIndex& index, ScrollHint hint = EnsureVisible) override;

protected:
private:
    void applyColWidths();
    void applyRowHeights();
    void applyFixedRows();
    void applyOptions();
    void showCurrentCell();
    void tellGeometry();
    void followScrolling();
    void showLeftCol();
    int fixedRowsHeight() const;

    FilterGridModel* m_grid;
    GridDrawer m_drawer;
    GridInteraction m_interaction;
    TitleStrip* m_strip;
    bool m_syncing = false;
    bool m_sizesQueued = false;
    int m_paints = 0;
};

} // namespace grid

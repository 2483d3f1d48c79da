#pragma once

#include "grid/logic/gridfont.h"

#include <QAbstractTableModel>
#include <QRect>
#include <QStringList>
#include <functional>
#include <vector>

namespace grid
{

struct GridRect {
    int Left = 0;
    int Top = 0;
    int Right = 0;
    int Bottom = 0;
    bool operator==(const GridRect&) const = default;
};

enum GridOption : unsigned {
    goFixedVertLine = 1u << 0,
    goFixedHorzLine = 1u << 1,
    goVertLine = 1u << 2,
    goHorzLine = 1u << 3,
    goRangeSelect = 1u << 4,
    goDrawFocusSelected = 1u << 5,
    goRowSizing = 1u << 6,
    goColSizing = 1u << 7,
    goRowMoving = 1u << 8,
    goColMoving = 1u << 9,
    goEditing = 1u << 10,
    goTabs = 1u << 11,
    goRowSelect = 1u << 12,
    goAlwaysShowEditor = 1u << 13,
    goThumbTracking = 1u << 14,
};
using GridOptions = unsigned;

enum class GridDrawingStyle { gdsClassic, gdsThemed, gdsGradient };

// A table of ColCount × RowCount text cells with FixedCols leading columns and FixedRows
// leading rows inside the table, per-column widths, per-row heights, a current cell, a
// rectangular selection and the drawing settings. Cells live row by row, each row one small
// vector, so moving a row moves one handle and an empty cell costs no text.
class TStringGrid : public QAbstractTableModel
{
    Q_OBJECT
public:
    explicit TStringGrid(QObject* parent = nullptr);

    // The item model: one item per cell, fixed cells included.
    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;

    int ColCount() const { return m_colCount; }
    int RowCount() const { return int(m_rows.size()); }
    virtual void SetColCount(int n);
    void SetRowCount(int n);
    int FixedCols() const { return m_fixedCols; }
    int FixedRows() const { return m_fixedRows; }
    void SetFixedCols(int n);
    void SetFixedRows(int n);

    // The text of a cell; empty for a cell outside the table, where writing does nothing.
    QString Cells(int col, int row) const;
    void SetCells(int col, int row, const QString& text);

    // Rows and columns as lists of strings: the text reads every cell followed by CR LF;
    // setting the text empties the cells, then fills them line by line (an empty line as " ",
    // surplus lines dropped); assigning a list overwrites only as many cells as it has.
    QString RowText(int row) const;
    void SetRowText(int row, const QString& text);
    void AssignRow(int row, const QStringList& list);
    QStringList Rows(int row) const;
    QString ColText(int col) const;
    void SetColText(int col, const QString& text);
    void AssignCol(int col, const QStringList& list);
    QStringList Cols(int col) const;

    int ColWidths(int col) const;
    void SetColWidths(int col, int width);
    int RowHeights(int row) const;
    void SetRowHeights(int row, int height);
    int DefaultColWidth() const { return m_defaultColWidth; }
    void SetDefaultColWidth(int width);
    int DefaultRowHeight() const { return m_defaultRowHeight; }
    void SetDefaultRowHeight(int height);
    int GridLineWidth() const { return 1; }

    int Row() const { return m_row; }
    int Col() const { return m_col; }
    virtual void SetRow(int row);
    void SetCol(int col);
    int LeftCol() const { return m_leftCol; }
    void SetLeftCol(int col);
    int TopRow() const { return m_topRow; }
    void SetTopRow(int row);
    // Data rows that fit wholly below the fixed rows from TopRow on.
    int VisibleRowCount() const;
    GridRect Selection() const { return m_selection; }
    void SetSelection(const GridRect& r);

    GridOptions Options() const { return m_options; }
    void SetOptions(GridOptions options);
    GridDrawingStyle DrawingStyle() const { return m_drawingStyle; }
    void SetDrawingStyle(GridDrawingStyle style);
    // Colours are Windows colour numbers, kept as given (see wincolors.h).
    int GradientStartColor() const { return m_gradientStart; }
    void SetGradientStartColor(int color);
    int GradientEndColor() const { return m_gradientEnd; }
    void SetGradientEndColor(int color);
    int FixedColor() const { return m_fixedColor; }
    void SetFixedColor(int color);
    int Color() const { return m_color; }
    void SetColor(int color);
    const GridFont& Font() const { return m_font; }
    void SetFont(const GridFont& font);
    bool DefaultDrawing() const { return m_defaultDrawing; }
    void SetDefaultDrawing(bool on) { m_defaultDrawing = on; }

    // The size of the control showing the grid, kept up to date by the view.
    int Width() const { return m_width; }
    int ClientHeight() const { return m_clientHeight; }
    bool ShowsVerticalScrollBar() const { return m_vScrollBar; }
    void SetViewGeometry(int width, int clientHeight, bool showsVerticalScrollBar);

    // Many cell changes at once: the views read the table anew at the end instead of cell by
    // cell. Calls nest.
    void BeginUpdate() { beginBulk(); }
    void EndUpdate() { endBulk(); }

    // Where a cell is drawn in the control (empty when it is scrolled out of sight).
    QRect CellRect(int col, int row) const;

Q_SIGNALS:
    void currentCellChanged();
    void selectionChanged();
    void colWidthsChanged();
    void rowHeightsChanged();
    void appearanceChanged();

protected:
    using RowCells = std::vector<QString>;

    bool validCell(int col, int row) const;
    bool validRow(int row) const { return row >= 0 && row < RowCount(); }
    bool validCol(int col) const { return col >= 0 && col < m_colCount; }
    RowCells emptyRow() const { return RowCells(size_t(m_colCount)); }

    // Bulk changes of the rows: the views forget what they showed and read anew at the end.
    void beginBulk();
    void endBulk();
    std::vector<RowCells>& rows() { return m_rows; }
    const std::vector<RowCells>& rows() const { return m_rows; }
    void insertRowAt(int row, RowCells cells);
    void removeRowAt(int row);
    void insertColAt(int col);
    void removeColAt(int col);
    void swapCols(int a, int b);
    void keepCurrentInside();

private:
    static QStringList textLines(const QString& text);
    void setCurrent(int col, int row);

    std::vector<RowCells> m_rows;
    std::vector<int> m_colWidths;
    std::vector<int> m_rowHeights;
    int m_colCount = 5;
    int m_fixedCols = 1;
    int m_fixedRows = 1;
    int m_defaultColWidth = 64;
    int m_defaultRowHeight = 24;
    int m_row = 1;
    int m_col = 1;
    int m_leftCol = 1;
    int m_topRow = 1;
    GridRect m_selection{1, 1, 1, 1};
    GridOptions m_options =
        goFixedVertLine | goFixedHorzLine | goVertLine | goHorzLine | goRangeSelect;
    GridDrawingStyle m_drawingStyle = GridDrawingStyle::gdsThemed;
    int m_gradientStart = 0xFFFFFF;
    int m_gradientEnd = 0xDDDDDD;
    int m_fixedColor = -16777201; // clBtnFace
    int m_color = -16777211;      // clWindow
    GridFont m_font;
    bool m_defaultDrawing = true;
    int m_width = 320;
    int m_clientHeight = 120;
    bool m_vScrollBar = false;
    int m_bulkDepth = 0;
};

} // namespace grid

#include "grid/logic/stringgrid.h"

#include <QRegularExpression>
#include <algorithm>

namespace grid
{

TStringGrid::TStringGrid(QObject* parent) : QAbstractTableModel(parent)
{
    m_rows.assign(5, emptyRow());
    m_colWidths.assign(size_t(m_colCount), m_defaultColWidth);
    m_rowHeights.assign(m_rows.size(), m_defaultRowHeight);
}

int TStringGrid::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : RowCount();
}

int TStringGrid::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : m_colCount;
}

QVariant TStringGrid::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || (role != Qt::DisplayRole && role != Qt::EditRole))
        return {};
    return Cells(index.column(), index.row());
}

void TStringGrid::SetColCount(int n)
{
    n = std::max(n, 1);
    if (n == m_colCount)
        return;
    beginBulk();
    m_colCount = n;
    for (RowCells& r : m_rows)
        r.resize(size_t(n));
    m_colWidths.resize(size_t(n), m_defaultColWidth);
    if (m_fixedCols >= n)
        m_fixedCols = n - 1;
    keepCurrentInside();
    endBulk();
    Q_EMIT colWidthsChanged();
}

void TStringGrid::SetRowCount(int n)
{
    n = std::max(n, 1);
    if (n == RowCount())
        return;
    beginBulk();
    m_rows.resize(size_t(n), emptyRow());
    m_rowHeights.resize(size_t(n), m_defaultRowHeight);
    if (m_fixedRows >= n)
        m_fixedRows = n - 1;
    keepCurrentInside();
    endBulk();
    Q_EMIT rowHeightsChanged();
}

void TStringGrid::SetFixedCols(int n)
{
    n = std::clamp(n, 0, m_colCount - 1);
    if (n == m_fixedCols)
        return;
    m_fixedCols = n;
    keepCurrentInside();
    Q_EMIT appearanceChanged();
}

void TStringGrid::SetFixedRows(int n)
{
    n = std::clamp(n, 0, RowCount() - 1);
    if (n == m_fixedRows)
        return;
    m_fixedRows = n;
    keepCurrentInside();
    Q_EMIT appearanceChanged();
}

bool TStringGrid::validCell(int col, int row) const
{
    return validCol(col) && validRow(row);
}

QString TStringGrid::Cells(int col, int row) const
{
    if (!validCell(col, row))
        return QString();
    const RowCells& r = m_rows[size_t(row)];
    return size_t(col) < r.size() ? r[size_t(col)] : QString();
}

void TStringGrid::SetCells(int col, int row, const QString& text)
{
    if (!validCell(col, row))
        return;
    QString& cell = m_rows[size_t(row)][size_t(col)];
    if (cell == text && cell.isNull() == text.isNull())
        return;
    cell = text;
    if (m_bulkDepth == 0) {
        const QModelIndex i = index(row, col);
        Q_EMIT dataChanged(i, i);
    }
}

QStringList TStringGrid::textLines(const QString& text)
{
    static const QRegularExpression lineBreak(QStringLiteral("\r\n|\n|\r"));
    if (text.isEmpty())
        return {};
    QStringList lines = text.split(lineBreak);
    if (lines.size() > 1 && lines.last().isEmpty())
        lines.removeLast();
    return lines;
}

QString TStringGrid::RowText(int row) const
{
    QString text;
    if (!validRow(row))
        return text;
    for (int c = 0; c < m_colCount; ++c)
        text += Cells(c, row) + QStringLiteral("\r\n");
    return text;
}

void TStringGrid::SetRowText(int row, const QString& text)
{
    if (!validRow(row))
        return;
    const QStringList lines = textLines(text);
    for (int c = 0; c < m_colCount; ++c) {
        const QString line = c < lines.size() ? lines[c] : QString();
        SetCells(c, row, c < lines.size() && line.isEmpty() ? QStringLiteral(" ") : line);
    }
}

void TStringGrid::AssignRow(int row, const QStringList& list)
{
    const int n = std::min(int(list.size()), m_colCount);
    for (int c = 0; c < n; ++c)
        SetCells(c, row, list[c]);
}

QStringList TStringGrid::Rows(int row) const
{
    QStringList list;
    if (validRow(row))
        for (int c = 0; c < m_colCount; ++c)
            list.append(Cells(c, row));
    return list;
}

QString TStringGrid::ColText(int col) const
{
    QString text;
    if (!validCol(col))
        return text;
    for (int r = 0; r < RowCount(); ++r)
        text += Cells(col, r) + QStringLiteral("\r\n");
    return text;
}

void TStringGrid::SetColText(int col, const QString& text)
{
    if (!validCol(col))
        return;
    const QStringList lines = textLines(text);
    for (int r = 0; r < RowCount(); ++r) {
        const QString line = r < lines.size() ? lines[r] : QString();
        SetCells(col, r, r < lines.size() && line.isEmpty() ? QStringLiteral(" ") : line);
    }
}

void TStringGrid::AssignCol(int col, const QStringList& list)
{
    const int n = std::min(int(list.size()), RowCount());
    for (int r = 0; r < n; ++r)
        SetCells(col, r, list[r]);
}

QStringList TStringGrid::Cols(int col) const
{
    QStringList list;
    if (validCol(col))
        for (int r = 0; r < RowCount(); ++r)
            list.append(Cells(col, r));
    return list;
}

int TStringGrid::ColWidths(int col) const
{
    return validCol(col) ? m_colWidths[size_t(col)] : 0;
}

void TStringGrid::SetColWidths(int col, int width)
{
    if (!validCol(col) || m_colWidths[size_t(col)] == width)
        return;
    m_colWidths[size_t(col)] = width;
    Q_EMIT colWidthsChanged();
}

int TStringGrid::RowHeights(int row) const
{
    return validRow(row) ? m_rowHeights[size_t(row)] : 0;
}

void TStringGrid::SetRowHeights(int row, int height)
{
    if (!validRow(row) || m_rowHeights[size_t(row)] == height)
        return;
    m_rowHeights[size_t(row)] = height;
    Q_EMIT rowHeightsChanged();
}

void TStringGrid::SetDefaultColWidth(int width)
{
    m_defaultColWidth = width;
    std::fill(m_colWidths.begin(), m_colWidths.end(), width);
    Q_EMIT colWidthsChanged();
}

void TStringGrid::SetDefaultRowHeight(int height)
{
    m_defaultRowHeight = height;
    std::fill(m_rowHeights.begin(), m_rowHeights.end(), height);
    Q_EMIT rowHeightsChanged();
}

void TStringGrid::setCurrent(int col, int row)
{
    const bool moved = col != m_col || row != m_row;
    m_col = col;
    m_row = row;
    if (m_options & goRowSelect)
        SetSelection({m_fixedCols, row, m_colCount - 1, row});
    else
        SetSelection({col, row, col, row});
    if (moved)
        Q_EMIT currentCellChanged();
}

void TStringGrid::SetRow(int row)
{
    if (row < m_fixedRows || row >= RowCount())
        return;
    setCurrent(m_col, row);
}

void TStringGrid::SetCol(int col)
{
    if (col < m_fixedCols || col >= m_colCount)
        return;
    setCurrent(col, m_row);
}

void TStringGrid::SetLeftCol(int col)
{
    col = std::clamp(col, m_fixedCols, m_colCount - 1);
    if (col == m_leftCol)
        return;
    m_leftCol = col;
    Q_EMIT appearanceChanged();
}

void TStringGrid::SetTopRow(int row)
{
    row = std::clamp(row, m_fixedRows, RowCount() - 1);
    if (row == m_topRow)
        return;
    m_topRow = row;
    Q_EMIT appearanceChanged();
}

int TStringGrid::VisibleRowCount() const
{
    int available = m_clientHeight;
    for (int r = 0; r < m_fixedRows; ++r)
        available -= RowHeights(r) + GridLineWidth();
    int count = 0;
    for (int r = m_topRow; r < RowCount(); ++r) {
        available -= RowHeights(r) + GridLineWidth();
        if (available < 0)
            break;
        ++count;
    }
    return count;
}

void TStringGrid::SetSelection(const GridRect& r)
{
    if (r == m_selection)
        return;
    m_selection = r;
    Q_EMIT selectionChanged();
}

void TStringGrid::SetOptions(GridOptions options)
{
    m_options = options;
    setCurrent(m_col, m_row);
    Q_EMIT appearanceChanged();
}

void TStringGrid::SetDrawingStyle(GridDrawingStyle style)
{
    if (style == m_drawingStyle)
        return;
    m_drawingStyle = style;
    Q_EMIT appearanceChanged();
}

void TStringGrid::SetGradientStartColor(int color)
{
    if (color == m_gradientStart)
        return;
    m_gradientStart = color;
    Q_EMIT appearanceChanged();
}

void TStringGrid::SetGradientEndColor(int color)
{
    if (color == m_gradientEnd)
        return;
    m_gradientEnd = color;
    Q_EMIT appearanceChanged();
}

void TStringGrid::SetFixedColor(int color)
{
    if (color == m_fixedColor)
        return;
    m_fixedColor = color;
    Q_EMIT appearanceChanged();
}

void TStringGrid::SetColor(int color)
{
    if (color == m_color)
        return;
    m_color = color;
    Q_EMIT appearanceChanged();
}

void TStringGrid::SetFont(const GridFont& font)
{
    if (font == m_font)
        return;
    m_font = font;
    Q_EMIT appearanceChanged();
}

void TStringGrid::SetViewGeometry(int width, int clientHeight, bool showsVerticalScrollBar)
{
    m_width = width;
    m_clientHeight = clientHeight;
    m_vScrollBar = showsVerticalScrollBar;
}

QRect TStringGrid::CellRect(int col, int row) const
{
    if (!validCell(col, row))
        return {};
    if ((col >= m_fixedCols && col < m_leftCol) || (row >= m_fixedRows && row < m_topRow))
        return {};
    int x = 0;
    for (int c = 0; c < col; ++c)
        if (c < m_fixedCols || c >= m_leftCol)
            x += ColWidths(c) + GridLineWidth();
    int y = 0;
    for (int r = 0; r < row; ++r)
        if (r < m_fixedRows || r >= m_topRow)
            y += RowHeights(r) + GridLineWidth();
    return QRect(x, y, ColWidths(col), RowHeights(row));
}

void TStringGrid::beginBulk()
{
    if (m_bulkDepth++ == 0)
        beginResetModel();
}

void TStringGrid::endBulk()
{
    if (--m_bulkDepth == 0)
        endResetModel();
}

void TStringGrid::insertRowAt(int row, RowCells cells)
{
    cells.resize(size_t(m_colCount));
    m_rows.insert(m_rows.begin() + row, std::move(cells));
    m_rowHeights.insert(m_rowHeights.begin() + row, m_defaultRowHeight);
}

void TStringGrid::removeRowAt(int row)
{
    m_rows.erase(m_rows.begin() + row);
    m_rowHeights.erase(m_rowHeights.begin() + row);
}

void TStringGrid::insertColAt(int col)
{
    for (RowCells& r : m_rows)
        r.insert(r.begin() + col, QString());
    m_colWidths.insert(m_colWidths.begin() + col, m_defaultColWidth);
    ++m_colCount;
}

void TStringGrid::removeColAt(int col)
{
    for (RowCells& r : m_rows)
        r.erase(r.begin() + col);
    m_colWidths.erase(m_colWidths.begin() + col);
    --m_colCount;
}

void TStringGrid::swapCols(int a, int b)
{
    for (RowCells& r : m_rows)
        std::swap(r[size_t(a)], r[size_t(b)]);
}

void TStringGrid::keepCurrentInside()
{
    const int row = std::clamp(m_row, m_fixedRows, RowCount() - 1);
    const int col = std::clamp(m_col, m_fixedCols, m_colCount - 1);
    m_topRow = std::clamp(m_topRow, m_fixedRows, RowCount() - 1);
    m_leftCol = std::clamp(m_leftCol, m_fixedCols, m_colCount - 1);
    setCurrent(col, row);
}

} // namespace grid

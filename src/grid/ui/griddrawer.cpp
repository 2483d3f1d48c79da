#include "grid/ui/griddrawer.h"

#include "grid/logic/wincolors.h"

#include <QFontMetrics>
#include <QLinearGradient>
#include <QPainter>
#include <QPolygon>
#include <algorithm>
#include <utility>

namespace grid
{

namespace
{

// Qt's text flags for a layout value; trailing blanks count, as they do in the cell widths.
int drawFlags(int ausr)
{
    return TextFlagsFromAlignment(ausr) | Qt::TextIncludeTrailingSpaces;
}

// The platform's lighter variant of a colour for hot-tracked title cells.
QColor highlightOf(const QColor& color)
{
    return color.lighter(119);
}

} // namespace

void PaintIcon(const TSortIcon& icon, const TStringGrid& grd, QPainter& can, const QRect& aRect,
               TSortDirection sd)
{
    const int h = icon.IconHeight(grd.RowHeights(0));
    const QColor fontColor = can.pen().color();
    can.save();
    can.setRenderHint(QPainter::Antialiasing, false);
    can.setPen(QPen(fontColor, 0));
    if (icon.Style == TSortIconStyle::siStyle_Fill)
        can.setBrush(fontColor);
    // The right edge as the window designs count it: one past the last pixel.
    const int x = aRect.x() + aRect.width() - 2;
    const int y = aRect.top() + 2;
    QPolygon arrow;
    if (sd == TSortDirection::sdAufsteigend)
        arrow << QPoint(x, y + h) << QPoint(x - h / 2, y) << QPoint(x - h, y + h);
    else
        arrow << QPoint(x, y) << QPoint(x - h / 2, y + h) << QPoint(x - h, y);
    can.drawPolygon(arrow);
    can.restore();
}

QString GridDrawer::DrawText(int aCol, int aRow) const
{
    const QString cell = m_grid.Cells(aCol, aRow);
    const int distance = m_grid.Distance();
    QString text;
    if (!cell.isEmpty() && cell.at(0).unicode() < 0x20)
        text = QStringLiteral(" ");
    else
        text = QString(distance, QLatin1Char(' ')) + cell + QString(distance, QLatin1Char(' '));
    const TSortIcon& icon = m_grid.ShowSortIcon();
    if (aRow < m_grid.FixedRows() && m_grid.GetColInfo(aCol) && icon.Show &&
        m_grid.SortFieldFind(aCol))
        text += icon.SizeStr();
    return text;
}

QColor GridDrawer::BaseBrushColor(int aCol, int aRow, GridDrawState state,
                                  const QPalette& palette) const
{
    if (aCol < m_grid.FixedCols() || aRow < m_grid.FixedRows())
        return ColorFromNumber(m_grid.FixedColor(), palette);
    if (state & gdSelected)
        return ColorFromNumber(wincolor::clHighlight, palette);
    return ColorFromNumber(m_grid.Color(), palette);
}

void GridDrawer::DrawRect(QPainter& can, const QRect& aRect, GridDrawState aState,
                          const QColor& gradientStart, const QColor& gradientEnd,
                          const QPalette& palette, bool toAllCells) const
{
    const QColor brush = can.brush().color();
    if (m_grid.DrawingStyle() != GridDrawingStyle::gdsGradient ||
        (!(aState & gdFixed) && !toAllCells)) {
        can.fillRect(aRect, brush);
        return;
    }
    QRect r = aRect;
    if (!(m_grid.Options() & goFixedVertLine))
        r.setRight(r.right() + 1);
    if (!(m_grid.Options() & goFixedHorzLine))
        r.setBottom(r.bottom() + 1);
    QColor top = gradientStart;
    QColor bottom = gradientEnd;
    if (toAllCells) {
        top = brush;
        bottom = m_grid.GradientShift(brush, palette);
    } else if (aState & gdPressed) {
        std::swap(top, bottom);
    } else if (aState & gdHotTrack) {
        top = highlightOf(gradientStart);
        bottom = highlightOf(gradientEnd);
    }
    QLinearGradient gradient(r.topLeft(), r.bottomLeft());
    gradient.setColorAt(0, top);
    gradient.setColorAt(1, bottom);
    can.fillRect(r, gradient);
    can.setBrush(Qt::NoBrush);
}

void GridDrawer::DrawCell(QPainter& can, const QPalette& palette, int aCol, int aRow,
                          const QRect& rect, GridDrawState state)
{
    if (m_grid.DefaultDrawing())
        return;
    // 1. What this cell changes for its own sake is restored at the end; the gradient over
    // every cell may be switched on for this cell alone.
    const QColor b0 = can.brush().color();
    QColor gs = ColorFromNumber(m_grid.GradientStartColor(), palette);
    QColor ge = ColorFromNumber(m_grid.GradientEndColor(), palette);
    bool toAllCells = m_grid.GradientToAllCells();
    can.setFont(m_grid.Font().toQFont());
    can.setPen(ColorFromNumber(m_grid.Font().Color, palette));

    // 2. and 3.
    QString text = DrawText(aCol, aRow);
    QRect r = rect;

    const bool fixedRow = aRow < m_grid.FixedRows();
    const TColInfo* ci = m_grid.GetColInfo(aCol);
    int ausr = 36;
    QChar typ = QLatin1Char(' ');
    const TSortFdRec* sortField = nullptr;
    QColor brush = can.brush().color();
    if (ci) {
        typ = ci->Typ;
        if (fixedRow) {
            if (ci->TitFont) {
                can.setFont(ci->TitFont->toQFont());
                can.setPen(ColorFromNumber(ci->TitFont->Color, palette));
            }
            ausr = ci->TitAlign;
            brush = ColorFromNumber(ci->TitColor, palette);
            if (m_grid.ShowSortIcon().Show)
                sortField = m_grid.SortFieldFind(aCol);
            if (sortField) {
                const int needed = QFontMetrics(can.font()).horizontalAdvance(text);
                if (needed > m_grid.ColWidths(aCol)) {
                    askColWidth(aCol, needed);
                    return;
                }
            }
        } else {
            if (ci->DatFont) {
                can.setFont(ci->DatFont->toQFont());
                can.setPen(ColorFromNumber(ci->DatFont->Color, palette));
            }
            ausr = ci->DatAlign;
            if (state == 0 || (state & gdFixed)) {
                brush = ColorFromNumber(ci->DatColor, palette);
            } else {
                can.setPen(ColorFromNumber(wincolor::clWindow, palette));
                if (state & gdSelected)
                    brush = ColorFromNumber(m_grid.SelectRowColor(), palette);
            }
        }
    } else {
        brush = ColorFromNumber(
            aCol == m_grid.FixedCols() - 1 ? m_grid.FixedColor() : m_grid.Color(), palette);
        if (state & gdSelected) {
            brush = ColorFromNumber(m_grid.SelectRowColor(), palette);
            can.setPen(QColor(255 - brush.red(), 255 - brush.green(), 255 - brush.blue()));
        }
    }
    can.setBrush(brush);

    // 6. The handler may change alignment, font and brush of this cell.
    if (m_grid.RowColorProc) {
        const QColor b1 = can.brush().color();
        m_grid.RowColorProc(&m_grid, ausr, &can, aCol, aRow, state);
        const QColor after = can.brush().color();
        if (aCol <= m_grid.FixedCols() && after != b0)
            toAllCells = true;
        if ((aCol < m_grid.FixedCols() || fixedRow) && after != b1) {
            gs = after;
            ge = m_grid.GradientShift(after, palette);
        }
    }

    // 7. Multi-line columns show their encoded line breaks as lines.
    if (ausr & 16)
        text =
            DecodeLineBreaks(text).trimmed().replace(QStringLiteral("\r\n"), QStringLiteral("\n"));

    if (!fixedRow && typ == QLatin1Char('O') && m_grid.TypObjectProc) {
        // 8.
        DrawRect(can, r, state, gs, ge, palette, toAllCells);
        m_grid.TypObjectProc(&m_grid, ausr, &can, aCol, aRow, r, text, state);
    } else {
        // 9. The rectangle the text needs, then the row grown to it (never shrunk here).
        const QFontMetrics metrics(can.font());
        const QRect needed =
            metrics.boundingRect(QRect(r.left(), r.top(), r.width(), 0), drawFlags(ausr), text);
        const int neededHeight = needed.height();
        const int rowHeight = m_grid.RowHeights(aRow);
        if (rowHeight < neededHeight)
            askRowHeight(aRow, neededHeight);
        r = QRect(rect.left(), rect.top(), rect.width(), std::max(neededHeight, rowHeight));
        DrawRect(can, r, state, gs, ge, palette, toAllCells);
        can.drawText(r, drawFlags(ausr), text);
    }

    // 10.
    if (sortField)
        PaintIcon(m_grid.ShowSortIcon(), m_grid, can, r,
                  sortField->ascending ? TSortDirection::sdAufsteigend
                                       : TSortDirection::sdAbsteigend);
    // 11.
    can.setBrush(b0);
}

void GridDrawer::askColWidth(int aCol, int width)
{
    int& pending = m_pendingWidths[aCol];
    pending = std::max(pending, width);
}

void GridDrawer::askRowHeight(int aRow, int height)
{
    int& pending = m_pendingHeights[aRow];
    pending = std::max(pending, height);
}

bool GridDrawer::ApplyPendingSizes()
{
    bool changed = false;
    const std::map<int, int> widths = std::exchange(m_pendingWidths, {});
    const std::map<int, int> heights = std::exchange(m_pendingHeights, {});
    for (const auto& [col, width] : widths) {
        if (col < m_grid.ColCount() && width > m_grid.ColWidths(col)) {
            m_grid.SetColWidths(col, width);
            changed = true;
        }
    }
    for (const auto& [row, height] : heights) {
        if (row < m_grid.RowCount() && height > m_grid.RowHeights(row)) {
            m_grid.SetRowHeights(row, height);
            changed = true;
        }
    }
    return changed;
}

} // namespace grid

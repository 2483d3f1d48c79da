// The grid's own drawing (DefaultDrawing off), its sort arrows, and its answers to the mouse,
// the keyboard, the in-place editor and moves of the current cell.
#include "grid/logic/filtergridmodel.h"
#include "grid/logic/wincolors.h"

#include <QFontMetrics>
#include <QLinearGradient>
#include <QPainter>
#include <QPolygon>
#include <algorithm>
#include <climits>

namespace grid
{

namespace
{

// Qt's text flags for a layout value; trailing blanks count, as they do in the cell widths.
int drawFlags(int ausr)
{
    return TextFlagsFromAlignment(ausr) | Qt::TextIncludeTrailingSpaces;
}

int channelShift(int channel, int start, int end)
{
    return std::clamp(channel + end - start, 0, 255);
}

// The platform's lighter variant of a colour for hot-tracked title cells.
QColor highlightOf(const QColor& color)
{
    return color.lighter(119);
}

} // namespace

QString TSortIcon::SizeStr() const
{
    return QString(int(Size) + 1, QLatin1Char(' '));
}

int TSortIcon::IconHeight(int titleRowHeight) const
{
    return titleRowHeight / (5 - int(Size));
}

void TSortIcon::PaintIcon(const TStringGrid& grd, QPainter& can, const QRect& aRect,
                          TSortDirection sd) const
{
    const int h = IconHeight(grd.RowHeights(0));
    const QColor fontColor = can.pen().color();
    can.save();
    can.setRenderHint(QPainter::Antialiasing, false);
    can.setPen(QPen(fontColor, 0));
    if (Style == TSortIconStyle::siStyle_Fill)
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

QString TFilterGridModel::DrawText(int aCol, int aRow) const
{
    const QString cell = Cells(aCol, aRow);
    QString text;
    if (!cell.isEmpty() && cell.at(0).unicode() < 0x20)
        text = QStringLiteral(" ");
    else
        text = QString(m_distance, QLatin1Char(' ')) + cell + QString(m_distance, QLatin1Char(' '));
    if (aRow < FixedRows() && GetColInfo(aCol) && m_sortIcon.Show && SortFieldFind(aCol))
        text += m_sortIcon.SizeStr();
    return text;
}

QColor TFilterGridModel::BaseBrushColor(int aCol, int aRow, TGridDrawState state,
                                        const QPalette& palette) const
{
    if (aCol < FixedCols() || aRow < FixedRows())
        return ColorFromNumber(FixedColor(), palette);
    if (state & gdSelected)
        return ColorFromNumber(wincolor::clHighlight, palette);
    return ColorFromNumber(Color(), palette);
}

QColor TFilterGridModel::GradientShift(const QColor& color, const QPalette& palette) const
{
    const QColor start = ColorFromNumber(GradientStartColor(), palette);
    const QColor end = ColorFromNumber(GradientEndColor(), palette);
    return QColor(channelShift(color.red(), start.red(), end.red()),
                  channelShift(color.green(), start.green(), end.green()),
                  channelShift(color.blue(), start.blue(), end.blue()));
}

void TFilterGridModel::DrawRect(QPainter& can, const QRect& aRect, TGridDrawState aState,
                                const QColor& gradientStart, const QColor& gradientEnd,
                                const QPalette& palette) const
{
    const QColor brush = can.brush().color();
    if (DrawingStyle() != TGridDrawingStyle::gdsGradient ||
        (!(aState & gdFixed) && !m_gradientToAllCells)) {
        can.fillRect(aRect, brush);
        return;
    }
    QRect r = aRect;
    if (!(Options() & goFixedVertLine))
        r.setRight(r.right() + 1);
    if (!(Options() & goFixedHorzLine))
        r.setBottom(r.bottom() + 1);
    QColor top = gradientStart;
    QColor bottom = gradientEnd;
    if (m_gradientToAllCells) {
        top = brush;
        bottom = GradientShift(brush, palette);
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

void TFilterGridModel::DrawCell(QPainter& can, const QPalette& palette, int aCol, int aRow,
                                const QRect& rect, TGridDrawState state)
{
    if (DefaultDrawing())
        return;
    // 1. What this cell changes for its own sake is restored at the end.
    const QColor b0 = can.brush().color();
    QColor gs = ColorFromNumber(GradientStartColor(), palette);
    QColor ge = ColorFromNumber(GradientEndColor(), palette);
    const bool g0 = m_gradientToAllCells;
    can.setFont(Font().toQFont());
    can.setPen(ColorFromNumber(Font().Color, palette));

    // 2. and 3.
    QString text = DrawText(aCol, aRow);
    QRect r = rect;

    const bool fixedRow = aRow < FixedRows();
    const TColInfo* ci = GetColInfo(aCol);
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
            if (m_sortIcon.Show)
                sortField = SortFieldFind(aCol);
            if (sortField) {
                const int needed = QFontMetrics(can.font()).horizontalAdvance(text);
                if (needed > ColWidths(aCol)) {
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
                    brush = ColorFromNumber(m_selectRowColor, palette);
            }
        }
    } else {
        brush = ColorFromNumber(aCol == FixedCols() - 1 ? FixedColor() : Color(), palette);
        if (state & gdSelected) {
            brush = ColorFromNumber(m_selectRowColor, palette);
            can.setPen(QColor(255 - brush.red(), 255 - brush.green(), 255 - brush.blue()));
        }
    }
    can.setBrush(brush);

    // 6. The handler may change alignment, font and brush of this cell.
    if (RowColorProc) {
        const QColor b1 = can.brush().color();
        RowColorProc(this, ausr, &can, aCol, aRow, state);
        const QColor after = can.brush().color();
        if (aCol <= FixedCols() && after != b0)
            m_gradientToAllCells = true;
        if ((aCol < FixedCols() || fixedRow) && after != b1) {
            gs = after;
            ge = GradientShift(after, palette);
        }
    }

    // 7. Multi-line columns show their encoded line breaks as lines.
    if (ausr & 16)
        text =
            DecodeLineBreaks(text).trimmed().replace(QStringLiteral("\r\n"), QStringLiteral("\n"));

    if (!fixedRow && typ == QLatin1Char('O') && TypObjectProc) {
        // 8.
        DrawRect(can, r, state, gs, ge, palette);
        TypObjectProc(this, ausr, &can, aCol, aRow, r, text, state);
    } else {
        // 9. The rectangle the text needs, then the row grown to it (never shrunk here).
        const QFontMetrics metrics(can.font());
        const QRect needed =
            metrics.boundingRect(QRect(r.left(), r.top(), r.width(), 0), drawFlags(ausr), text);
        const int neededHeight = needed.height();
        const int rowHeight = RowHeights(aRow);
        if (rowHeight < neededHeight)
            askRowHeight(aRow, neededHeight);
        r = QRect(rect.left(), rect.top(), rect.width(), std::max(neededHeight, rowHeight));
        DrawRect(can, r, state, gs, ge, palette);
        can.drawText(r, drawFlags(ausr), text);
    }

    // 10.
    if (sortField)
        m_sortIcon.PaintIcon(*this, can, r,
                             sortField->ascending ? TSortDirection::sdAufsteigend
                                                  : TSortDirection::sdAbsteigend);
    // 11.
    m_gradientToAllCells = g0;
    can.setBrush(b0);
}

void TFilterGridModel::askColWidth(int aCol, int width)
{
    int& pending = m_pendingWidths[aCol];
    pending = std::max(pending, width);
}

void TFilterGridModel::askRowHeight(int aRow, int height)
{
    int& pending = m_pendingHeights[aRow];
    pending = std::max(pending, height);
}

bool TFilterGridModel::ApplyPendingSizes()
{
    bool changed = false;
    const std::map<int, int> widths = std::exchange(m_pendingWidths, {});
    const std::map<int, int> heights = std::exchange(m_pendingHeights, {});
    for (const auto& [col, width] : widths) {
        if (col < ColCount() && width > ColWidths(col)) {
            SetColWidths(col, width);
            changed = true;
        }
    }
    for (const auto& [row, height] : heights) {
        if (row < RowCount() && height > RowHeights(row)) {
            SetRowHeights(row, height);
            changed = true;
        }
    }
    return changed;
}

bool TFilterGridModel::CellAt(int x, int y, int& aCol, int& aRow) const
{
    for (int r = 0; r < RowCount(); ++r) {
        for (int c = 0; c < ColCount(); ++c) {
            const QRect cell = CellRect(c, r);
            if (cell.isEmpty())
                continue;
            if (x >= cell.left() && x < cell.left() + cell.width() + GridLineWidth() &&
                y >= cell.top() && y < cell.top() + cell.height() + GridLineWidth()) {
                aCol = c;
                aRow = r;
                return true;
            }
        }
    }
    return false;
}

void TFilterGridModel::MouseDown(Qt::MouseButton button, int x, int y)
{
    if (m_noInherited) {
        m_noInherited = false;
        return;
    }
    int aCol = -1;
    int aRow = -1;
    CellAt(x, y, aCol, aRow);
    m_clickRow = aRow;
    m_clickLeftCol = LeftCol();
    if (aCol < 0)
        return;
    // Presses near a column border are for resizing, never for sorting.
    const QRect narrowed = CellRect(aCol, aRow).adjusted(3, 0, -3, 0);
    if (m_sortMEd && button == Qt::LeftButton && aRow < FixedRows() && PointInRect(x, y, narrowed))
        SortByMouse(x, y);
}

void TFilterGridModel::MouseUp(Qt::MouseButton, int, int)
{
    if (m_clickRow <= 0 || m_clickRow >= RowCount())
        return;
    const TGridRect sel = Selection();
    if (Row() >= 0 && sel.Top == sel.Bottom && m_clickRow >= FixedRows())
        MoveTo(Col(), m_clickRow);
    SetLeftCol(m_clickLeftCol);
}

void TFilterGridModel::KeyDown(int& key, Qt::KeyboardModifiers)
{
    if (key != Qt::Key_Down || !m_rowAddAuto || Row() != RowCount() - 1)
        return;
    RowAdd(INT_MAX, QString());
    if (OnRowAddAuto)
        OnRowAddAuto(this);
}

bool TFilterGridModel::SelectCell(int aCol, int aRow)
{
    const bool allowed =
        aCol >= FixedCols() && aCol < ColCount() && aRow >= FixedRows() && aRow < RowCount();
    if (allowed)
        RowEntered(aCol, aRow);
    return allowed;
}

bool TFilterGridModel::MoveTo(int aCol, int aRow)
{
    if (!SelectCell(aCol, aRow))
        return false;
    SetRow(aRow);
    SetCol(aCol);
    return true;
}

void TFilterGridModel::RowEntered(int, int aRow)
{
    if (Row() >= FixedRows()) {
        const bool meaningful = std::any_of(m_oldRowText.begin(), m_oldRowText.end(), [](QChar c) {
            return c != QLatin1Char('\r') && c != QLatin1Char('\n') && c != QLatin1Char(' ');
        });
        if (meaningful && m_oldRowText != RowText(Row()))
            ModiDaten_True();
    }
    m_oldRowText = RowText(aRow);
    CellsToComp(aRow);
}

QString TFilterGridModel::GetEditText(int aCol, int aRow)
{
    m_editValue = Cells(aCol, aRow);
    return m_editValue;
}

void TFilterGridModel::SetEditText(int aCol, int aRow, const QString& value)
{
    SetCells(aCol, aRow, value);
    if (value != m_editValue) {
        ModiDaten_True();
        DoChange();
    }
}

Qt::ItemFlags TFilterGridModel::flags(const QModelIndex& index) const
{
    Qt::ItemFlags f = TStringGrid::flags(index);
    if (index.isValid() && (Options() & goEditing) && index.row() >= FixedRows() &&
        index.column() >= FixedCols())
        f |= Qt::ItemIsEditable;
    return f;
}

bool TFilterGridModel::setData(const QModelIndex& index, const QVariant& value, int role)
{
    if (!index.isValid() || role != Qt::EditRole || !(flags(index) & Qt::ItemIsEditable))
        return false;
    SetEditText(index.column(), index.row(), value.toString());
    return true;
}

} // namespace grid

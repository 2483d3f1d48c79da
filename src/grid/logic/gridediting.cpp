// The in-place editor's text and the moves of the current cell.
#include "grid/logic/filtergridmodel.h"

#include <algorithm>

namespace grid
{

bool FilterGridModel::SelectCell(int aCol, int aRow)
{
    const bool allowed =
        aCol >= FixedCols() && aCol < ColCount() && aRow >= FixedRows() && aRow < RowCount();
    if (allowed)
        RowEntered(aCol, aRow);
    return allowed;
}

bool FilterGridModel::MoveTo(int aCol, int aRow)
{
    if (!SelectCell(aCol, aRow))
        return false;
    SetRow(aRow);
    SetCol(aCol);
    return true;
}

void FilterGridModel::RowEntered(int, int aRow)
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

QString FilterGridModel::GetEditText(int aCol, int aRow)
{
    m_editValue = Cells(aCol, aRow);
    return m_editValue;
}

void FilterGridModel::SetEditText(int aCol, int aRow, const QString& value)
{
    SetCells(aCol, aRow, value);
    if (value != m_editValue) {
        ModiDaten_True();
        DoChange();
    }
}

Qt::ItemFlags FilterGridModel::flags(const QModelIndex& index) const
{
    Qt::ItemFlags f = TStringGrid::flags(index);
    if (index.isValid() && (Options() & goEditing) && index.row() >= FixedRows() &&
        index.column() >= FixedCols())
        f |= Qt::ItemIsEditable;
    return f;
}

bool FilterGridModel::setData(const QModelIndex& index, const QVariant& value, int role)
{
    if (!index.isValid() || role != Qt::EditRole || !(flags(index) & Qt::ItemIsEditable))
        return false;
    SetEditText(index.column(), index.row(), value.toString());
    return true;
}

} // namespace grid

// Row, column, clearing, selection, typed-cell and binding operations of FilterGridModel.
#include "grid/logic/filtergridmodel.h"

#include <algorithm>

namespace grid
{

namespace
{
bool blank(const QString& s)
{
    return s.trimmed().isEmpty();
}
} // namespace

bool FilterGridModel::RowEmpty(int aRow) const
{
    for (int c = FixedCols(); c < ColCount(); ++c)
        if (!blank(Cells(c, aRow)))
            return false;
    return true;
}

void FilterGridModel::removeDataRows(const std::vector<int>& doomed)
{
    if (doomed.empty())
        return;
    beginBulk();
    std::vector<RowCells>& all = rows();
    std::vector<bool> gone(all.size(), false);
    for (int r : doomed)
        gone[size_t(r)] = true;
    // Heights belong to positions: only the cells move up.
    size_t to = size_t(FixedRows());
    for (size_t from = to; from < all.size(); ++from) {
        if (gone[from])
            continue;
        if (from != to)
            all[to] = std::move(all[from]);
        ++to;
    }
    const int remaining = int(to);
    for (size_t r = to; r < all.size(); ++r)
        all[r] = emptyRow();
    const int newCount = std::max(remaining, FixedRows() + 1);
    SetRowCount(newCount);
    keepCurrentInside();
    endBulk();
}

bool FilterGridModel::RowDelete(int aRow)
{
    m_changeMode = false;
    if (RowCount() > FixedRows()) {
        aRow = std::clamp(aRow, FixedRows(), RowCount() - 1);
        removeDataRows({aRow});
    }
    m_changeMode = true;
    ModiDaten_True();
    DoChange();
    CellsToComp(Row());
    return true;
}

int FilterGridModel::RowDeleteEmpty(const std::set<int>& cols)
{
    std::vector<int> examined;
    for (int c : cols)
        if (c >= 0 && c < 32 && c < ColCount())
            examined.push_back(c);
    const int before = RowCount();
    std::vector<int> doomed;
    for (int r = FixedRows(); r < RowCount(); ++r) {
        bool remove = false;
        if (cols.empty())
            remove = RowEmpty(r);
        else if (!examined.empty())
            remove = std::all_of(examined.begin(), examined.end(),
                                 [&](int c) { return blank(Cells(c, r)); });
        if (remove)
            doomed.push_back(r);
    }
    if (!doomed.empty()) {
        m_changeMode = false;
        removeDataRows(doomed);
        m_changeMode = true;
        DoChange();
    }
    const int removed = before - RowCount();
    if (removed != 0)
        ModiDaten_True();
    CellsToComp(Row());
    return removed;
}

int FilterGridModel::RowAdd(int pos, const QString& txt)
{
    SortFieldsClear();
    const int target = pos > RowCount() ? RowCount() : std::max(pos, FixedRows());
    if (target == FixedRows() && target < RowCount() && RowEmpty(target) && !txt.isEmpty()) {
        SetRowText(target, txt);
    } else {
        beginBulk();
        insertRowAt(target, emptyRow());
        keepCurrentInside();
        endBulk();
        Q_EMIT rowHeightsChanged();
        SetRowText(target, txt);
    }
    ModiDaten_True();
    if (!txt.isEmpty())
        SortiereIndex();
    else
        DoChange();
    CellsToComp(Row());
    return target;
}

int FilterGridModel::RowMarkCount() const
{
    return Selection().Bottom - Selection().Top + 1;
}

int FilterGridModel::RowMarkDelete()
{
    const GridRect sel = Selection();
    if (sel.Top < FixedRows() || sel.Bottom < sel.Top || sel.Top >= RowCount())
        return 0;
    const int count = RowMarkCount();
    for (int r = std::min(sel.Bottom, RowCount() - 1); r >= sel.Top; --r)
        RowDelete(r);
    return count;
}

bool FilterGridModel::RowNext()
{
    if (Row() >= RowCount() - 1)
        return false;
    SetRow(Row() + 1);
    return true;
}

bool FilterGridModel::RowPred()
{
    if (Row() <= FixedRows())
        return false;
    SetRow(Row() - 1);
    return true;
}

int FilterGridModel::RowFirst()
{
    SetRow(FixedRows());
    return Row();
}

int FilterGridModel::RowLast()
{
    SetRow(RowCount() - 1);
    return Row();
}

void FilterGridModel::RowScrollLast()
{
    RowLast();
    if (Row() - VisibleRowCount() >= FixedRows())
        SetTopRow(Row() - VisibleRowCount());
}

void FilterGridModel::RowSwap(int aRow1, int aRow2)
{
    if (!validRow(aRow1) || !validRow(aRow2) || aRow1 == aRow2)
        return;
    std::swap(rows()[size_t(aRow1)], rows()[size_t(aRow2)]);
    Q_EMIT dataChanged(index(aRow1, 0), index(aRow1, ColCount() - 1));
    Q_EMIT dataChanged(index(aRow2, 0), index(aRow2, ColCount() - 1));
}

bool FilterGridModel::ColEmpty(int aCol) const
{
    for (int r = FixedRows(); r < RowCount(); ++r)
        if (!blank(Cells(aCol, r)))
            return false;
    return true;
}

int FilterGridModel::ColDeleteEmpty()
{
    const int before = ColCount();
    for (int c = ColCount() - 1; c >= FixedCols(); --c)
        if (ColEmpty(c))
            ColDelete(c);
    const int removed = before - ColCount();
    if (removed != 0)
        ModiDaten_True();
    return removed;
}

int FilterGridModel::ColAdd(int aCol, const QString& txt)
{
    SortFieldsClear();
    const int target = aCol >= ColCount() ? ColCount() : std::max(aCol, FixedCols());
    bool created = false;
    beginBulk();
    if (target == ColCount()) {
        const TColInfo* before = GetColInfo(target - 1);
        insertColAt(target);
        if (before) {
            auto ci = std::make_unique<TColInfo>(*this, target);
            ci->Assign(before);
            SetColInfo(target, std::move(ci));
            created = true;
        }
    } else {
        insertColAt(target);
        ColInfo_Insert(target, nullptr);
        auto ci = std::make_unique<TColInfo>(*this, target);
        ci->Assign(GetColInfo(target + 1));
        SetColInfo(target, std::move(ci));
        created = true;
    }
    for (RowCells& r : m_hidden)
        r.insert(r.begin() + target, QString());
    keepCurrentInside();
    endBulk();
    Q_EMIT colWidthsChanged();
    SetColText(target, txt);
    if (created)
        GetColInfo(target)->Titel = Cells(target, 0);
    ColInfoApply(-1);
    if (!txt.isEmpty())
        SortiereIndex();
    ModiDaten_True();
    return target;
}

bool FilterGridModel::ColDelete(int aCol)
{
    SortFieldRemove(aCol);
    aCol = std::clamp(aCol, FixedCols(), ColCount() - 1);
    ColInfo_Delete(aCol);
    beginBulk();
    if (ColCount() > FixedCols() + 1) {
        removeColAt(aCol);
        for (RowCells& r : m_hidden)
            r.erase(r.begin() + aCol);
        keepCurrentInside();
    } else {
        for (RowCells& r : rows())
            r[size_t(aCol)].clear();
        for (RowCells& r : m_hidden)
            r[size_t(aCol)].clear();
    }
    endBulk();
    Q_EMIT colWidthsChanged();
    ModiDaten_True();
    return true;
}

void FilterGridModel::ColClear(int aCol)
{
    if (!validCol(aCol))
        return;
    SortFieldRemove(aCol);
    SetColText(aCol, Cells(aCol, 0));
}

void FilterGridModel::ColSwap(int vonPos, int nachPos)
{
    if (vonPos == nachPos || !validCol(vonPos) || !validCol(nachPos))
        return;
    SortFieldRemove(vonPos);
    SortFieldRemove(nachPos);
    beginBulk();
    swapCols(vonPos, nachPos);
    for (RowCells& r : m_hidden)
        std::swap(r[size_t(vonPos)], r[size_t(nachPos)]);
    endBulk();
    ColInfo_Swap(vonPos, nachPos);
}

namespace
{
template <typename Convert> bool convertMultiLine(FilterGridModel& g, int aCol, Convert convert)
{
    bool any = false;
    const int first = aCol < 0 ? 0 : aCol;
    const int last = aCol < 0 ? g.ColCount() - 1 : std::min(aCol, g.ColCount() - 1);
    for (int c = first; c <= last; ++c) {
        const TColInfo* ci = g.GetColInfo(c);
        if (!ci || !(ci->DatAlign & 16))
            continue;
        any = true;
        for (int r = g.FixedRows(); r < g.RowCount(); ++r)
            g.SetCells(c, r, convert(g.Cells(c, r)));
    }
    return any;
}
} // namespace

bool FilterGridModel::ColClearEt(int aCol)
{
    return convertMultiLine(*this, aCol, EncodeLineBreaks);
}

bool FilterGridModel::ColInsertEt(int aCol)
{
    return convertMultiLine(*this, aCol, DecodeLineBreaks);
}

void FilterGridModel::ClearGrid(bool aResetRowCount)
{
    beginBulk();
    for (int r = RowCount() - 1; r >= FixedRows(); --r)
        rows()[size_t(r)] = emptyRow();
    if (aResetRowCount)
        SetRowCount(FixedRows() + 1);
    endBulk();
    SortFieldsClear();
    FilterStoreDiscard();
}

void FilterGridModel::CleanBlueCell()
{
    SetSelection({-1, -1, -1, -1});
}

bool FilterGridModel::EmptyGrid() const
{
    for (int r = FixedRows(); r < RowCount(); ++r)
        if (!RowEmpty(r))
            return false;
    return true;
}

void FilterGridModel::SelectCells(int aCol, int aRow)
{
    if (Options() & goRowSelect)
        SetSelection({FixedCols(), aRow, ColCount() - 1, aRow});
    else
        SetSelection({aCol, aRow, aCol, aRow});
}

void FilterGridModel::SelectRows(int aRowVon, int aRowBis)
{
    SetSelection({FixedCols(), aRowVon, ColCount() - 1, aRowBis});
}

int FilterGridModel::SelectColsCount() const
{
    return Selection().Right - Selection().Left + 1;
}

int FilterGridModel::SelectRowsCount() const
{
    return Selection().Bottom - Selection().Top + 1;
}

TDateTime FilterGridModel::GetAsDateTime(int aCol, int aRow) const
{
    TDateTime v = 0;
    return ParseDateTime(Cells(aCol, aRow), v) ? v : NoDateValue;
}

void FilterGridModel::SetAsDateTime(int aCol, int aRow, TDateTime v)
{
    SetCells(aCol, aRow, DateTimeToText(v));
}

TDateTime FilterGridModel::GetAsDate(int aCol, int aRow) const
{
    TDateTime v = 0;
    return ParseDate(Cells(aCol, aRow), v) ? v : NoDateValue;
}

void FilterGridModel::SetAsDate(int aCol, int aRow, TDateTime v)
{
    SetCells(aCol, aRow, DateToText(v));
}

TDateTime FilterGridModel::GetAsTime(int aCol, int aRow) const
{
    TDateTime v = 0;
    return ParseTime(Cells(aCol, aRow), v) ? v : 0;
}

void FilterGridModel::SetAsTime(int aCol, int aRow, TDateTime v)
{
    SetCells(aCol, aRow, TimeToText(v));
}

bool FilterGridModel::GetAsBoolean(int aCol, int aRow) const
{
    return IsYesWord(Cells(aCol, aRow));
}

void FilterGridModel::SetAsBoolean(int aCol, int aRow, bool v)
{
    SetCells(aCol, aRow, v ? QStringLiteral("J") : QStringLiteral("N"));
}

int FilterGridModel::GetAsInteger(int aCol, int aRow) const
{
    return StrToIntTolerant(Cells(aCol, aRow));
}

void FilterGridModel::SetAsInteger(int aCol, int aRow, int v)
{
    SetCells(aCol, aRow, QString::number(v));
}

double FilterGridModel::GetAsFloat(int aCol, int aRow) const
{
    return StrToFloatTolerant(Cells(aCol, aRow));
}

void FilterGridModel::SetAsFloat(int aCol, int aRow, double v)
{
    const TColInfo* ci = GetColInfo(aCol);
    if (ci && ci->Typ == QLatin1Char('F'))
        SetCells(aCol, aRow, FormatFixed(v, ci->Dez));
    else
        SetCells(aCol, aRow, FormatNumber(v));
}

double FilterGridModel::GetAsCurr(int aCol, int aRow) const
{
    return StrToCurrTolerant(Cells(aCol, aRow));
}

void FilterGridModel::SetAsCurr(int aCol, int aRow, double v)
{
    SetCells(aCol, aRow, CurrToStrFmt(v));
}

void FilterGridModel::ColInfo_AddComp(int aCol, QObject* aComp, TGetCompProperty compToCell,
                                      TSetCompProperty cellToComp)
{
    if (aCol < 0 || aCol >= ColCount() || aCol > 255)
        return;
    TColInfo* ci = GetColInfoC(aCol);
    ci->FObject = aComp;
    ci->FCompToCellProc = std::move(compToCell);
    ci->FCellToCompProc = std::move(cellToComp);
    CellsToComp(Row());
}

void FilterGridModel::ColInfo_ClearComp(int aCol)
{
    for (int c = 0; c < ColInfoCount(); ++c) {
        if (aCol != -1 && c != aCol)
            continue;
        if (TColInfo* ci = GetColInfo(c)) {
            ci->FObject = nullptr;
            ci->FCompToCellProc = nullptr;
            ci->FCellToCompProc = nullptr;
        }
    }
}

void FilterGridModel::CellsToComp(int aRow)
{
    if (aRow == -1)
        aRow = Row();
    m_changeMode = false;
    for (int c = 0; c < ColCount() && validRow(aRow); ++c) {
        const TColInfo* ci = GetColInfo(c);
        if (ci && ci->FCellToCompProc && ci->FObject)
            ci->FCellToCompProc(this, ci->FObject.data(), Cells(c, aRow));
    }
    m_changeMode = true;
}

bool FilterGridModel::CompToCells(QObject* aComp)
{
    if (!m_changeMode)
        return false;
    bool changed = false;
    const int row = Row();
    for (int c = 0; c < ColCount(); ++c) {
        const TColInfo* ci = GetColInfo(c);
        if (!ci || !ci->FCompToCellProc || !ci->FObject)
            continue;
        if (aComp && aComp != ci->FObject.data())
            continue;
        const QString s = ci->FCompToCellProc(this, ci->FObject.data());
        if (Cells(c, row) != s) {
            changed = true;
            SetCells(c, row, s);
        }
    }
    if (changed) {
        if (m_sortEd && !m_sortCols.isEmpty())
            sortierIndex(true);
        else
            DoChange();
        ModiDaten_True();
    }
    return changed;
}

} // namespace grid

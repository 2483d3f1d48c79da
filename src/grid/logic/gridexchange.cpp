// Import and export of cells as lists and parameter strings, column copies, and the copy of
// another grid's rows.
#include "grid/logic/filtergridmodel.h"

#include <QRegularExpression>
#include <QSet>
#include <algorithm>

namespace grid
{

namespace
{

const QChar kLineBreakMark(0x00AF); // "¯"

// The lines of a text as a string list reads them: a line end at the very end adds none.
QStringList listLines(const QString& text)
{
    static const QRegularExpression lineBreak(QStringLiteral("\r\n|\n|\r"));
    if (text.isEmpty())
        return {};
    QStringList lines = text.split(lineBreak);
    if (lines.last().isEmpty())
        lines.removeLast();
    return lines;
}

// Without leading blanks and control characters.
QStringView trimLeft(const QString& s)
{
    qsizetype i = 0;
    while (i < s.size() && s.at(i).unicode() <= 0x20)
        ++i;
    return QStringView(s).mid(i);
}

} // namespace

void FilterGridModel::ImportFromList(const QStringList& lst, int startRow, int startCol)
{
    if (startRow < 0)
        startRow = RowCount();
    startCol = std::max(startCol, 0);
    beginBulk();
    if (!lst.isEmpty() && RowCount() < startRow + lst.size())
        SetRowCount(startRow + int(lst.size()));
    for (int k = 0; k < lst.size(); ++k) {
        QStringView rest(lst[k]);
        int col = startCol;
        while (!rest.trimmed().isEmpty()) {
            const qsizetype at = rest.indexOf(m_cTz);
            const QStringView cell = at < 0 ? rest : rest.left(at);
            rest = at < 0 ? QStringView() : rest.mid(at + 1);
            if (ColCount() <= col)
                SetColCount(col + 1);
            rows()[size_t(startRow + k)][size_t(col)] = cell.toString();
            ++col;
        }
    }
    endBulk();
}

void FilterGridModel::ImportFromParamStr(const QString& ps, int startRow, int startCol)
{
    QString text = ps;
    text.replace(m_rTz, QLatin1Char('\n'));
    ImportFromList(listLines(text), startRow, startCol);
}

void FilterGridModel::ExportToList(QStringList& lst, const QString& tz, int startRow,
                                   int startCol) const
{
    const QString sep = tz.isEmpty() ? QString(m_cTz) : tz;
    for (int r = std::max(startRow, 0); r < RowCount(); ++r) {
        QString entry;
        for (int c = std::max(startCol, 0); c < ColCount(); ++c) {
            entry += trimLeft(Cells(c, r));
            entry += sep;
        }
        lst.append(entry);
    }
}

QString FilterGridModel::ExportToParamStr(int startRow, int startCol) const
{
    QString text;
    for (int r = std::max(startRow, 0); r < RowCount(); ++r) {
        text += m_rTz;
        for (int c = std::max(startCol, 0); c < ColCount(); ++c) {
            text += trimLeft(Cells(c, r));
            text += m_cTz;
        }
    }
    if (text.startsWith(m_rTz))
        text.remove(0, 1);
    return text;
}

void FilterGridModel::ColToLst(QStringList& lst, int aCol, bool titel, bool duplicate) const
{
    QSet<QString> held;
    if (!duplicate)
        for (const QString& s : std::as_const(lst))
            held.insert(s.toCaseFolded());
    for (int r = titel ? 0 : FixedRows(); r < RowCount(); ++r) {
        const QString cell = Cells(aCol, r);
        if (!duplicate) {
            const QString folded = cell.toCaseFolded();
            if (held.contains(folded))
                continue;
            held.insert(folded);
        }
        lst.append(cell);
    }
}

QString FilterGridModel::ColToParamStr(int aCol, bool Titel) const
{
    QString text;
    for (int r = Titel ? 0 : FixedRows(); r < RowCount(); ++r)
        text += Cells(aCol, r) + kLineBreakMark;
    return text;
}

void FilterGridModel::ColFromLst(QStringList& lst, int aCol, bool Titel)
{
    if (!Titel)
        lst.insert(0, Cells(aCol, 0));
    if (RowCount() < lst.size())
        SetRowCount(int(lst.size()));
    AssignCol(aCol, lst);
    ModiDaten_True();
}

void FilterGridModel::ColFromParamStr(const QString& param, int aCol, bool titel)
{
    QString text = param;
    text.replace(kLineBreakMark, QLatin1Char('\n'));
    QStringList lines = listLines(text);
    ColFromLst(lines, aCol, titel);
}

int FilterGridModel::CopyFromGrid(FilterGridModel* grdSource, const QString& aFilterStr,
                                  bool copyFm, bool ClearColInfo)
{
    if (!grdSource || grdSource->RowCount() == 0)
        return 0;
    FilterGridModel& src = *grdSource;

    // Everything is taken from the source before this grid changes: it may be the source.
    std::vector<TFiltRec> keptConditions = std::move(src.m_filtLst);
    src.m_filtLst.clear();
    src.filterParse(aFilterStr);
    const bool everyRow = src.m_filtLst.empty();
    std::vector<RowCells> picked;
    for (int r = src.FixedRows(); r < src.RowCount(); ++r)
        if (everyRow || src.RowMatchesFilter(r))
            picked.push_back(src.rows()[size_t(r)]);
    src.m_filtLst = std::move(keptConditions);

    const int srcRows = src.RowCount();
    const int srcCols = src.ColCount();
    const int srcFixedCols = src.FixedCols();
    const int srcFixedRows = src.FixedRows();
    const RowCells srcTitles = src.rows()[0];
    std::vector<int> srcWidths;
    std::vector<std::unique_ptr<TColInfo>> srcInfos;
    for (int c = 0; c < srcCols; ++c) {
        srcWidths.push_back(src.ColWidths(c));
        const TColInfo* ci = src.GetColInfo(c);
        srcInfos.push_back(ci ? std::make_unique<TColInfo>(*ci) : nullptr);
    }

    ClearGrid(false);
    if (ClearColInfo)
        ColInfo_Clear();
    beginBulk();
    SetRowCount(srcRows);
    SetColCount(srcCols);
    if (copyFm) {
        SetFixedCols(srcFixedCols);
        SetFixedRows(srcFixedRows);
        for (int c = 0; c < srcCols; ++c)
            SetColWidths(c, srcWidths[size_t(c)]);
        if (FixedRows() == 1) {
            rows()[0] = srcTitles;
            for (int c = 0; c < srcCols; ++c) {
                auto ci = std::make_unique<TColInfo>(*this, c);
                ci->Assign(srcInfos[size_t(c)].get());
                SetColInfo(c, std::move(ci));
            }
        }
    }
    // A source without title row may fill more rows than it has.
    const int next = FixedRows() + int(picked.size());
    SetRowCount(std::max(next, FixedRows() + 1));
    for (size_t i = 0; i < picked.size(); ++i) {
        RowCells& row = rows()[size_t(FixedRows()) + i];
        row = std::move(picked[i]);
        row.resize(size_t(ColCount()));
    }
    endBulk();
    if (copyFm)
        ColInfoApply(-1);
    return next;
}

} // namespace grid

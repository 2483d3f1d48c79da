// Filter and sort of FilterGridModel.
#include "grid/logic/filtergridmodel.h"

#include "grid/logic/gridlocale.h"

#include <QCollator>
#include <QRegularExpression>
#include <algorithm>
#include <cmath>
#include <numeric>

namespace grid
{

namespace
{

struct OperatorText {
    TFiltOp op;
    const char* text;
};

// In the order they are looked for; the first one found anywhere in a condition decides.
constexpr OperatorText kOperators[] = {
    {TFiltOp::cOpUngleich, "<>"}, {TFiltOp::cOpGrGleich, ">="}, {TFiltOp::cOpKlGleich, "<="},
    {TFiltOp::cOpGleich, "="},    {TFiltOp::cOpPos, "~"},       {TFiltOp::cOpGroesser, ">"},
    {TFiltOp::cOpKleiner, "<"},
};

QString asciiUpper(const QString& s)
{
    QString result = s;
    for (QChar& c : result)
        if (c >= QLatin1Char('a') && c <= QLatin1Char('z'))
            c = QChar(c.unicode() - 32);
    return result;
}

// -1, 0 or 1 for two values of the same column.
int compareValues(const ColValue& a, const ColValue& b)
{
    if (!a.isText() && !b.isText())
        return a.number < b.number ? -1 : (a.number > b.number ? 1 : 0);
    const int c = QString::compare(a.toText(), b.toText(), Qt::CaseSensitive);
    return c < 0 ? -1 : (c > 0 ? 1 : 0);
}

bool conditionHolds(const ColValue& cell, const TFiltRec& f)
{
    switch (f.op) {
    case TFiltOp::cOpGleich:
        return compareValues(cell, f.w) == 0;
    case TFiltOp::cOpUngleich:
        return compareValues(cell, f.w) != 0;
    case TFiltOp::cOpGrGleich:
        return compareValues(cell, f.w) >= 0;
    case TFiltOp::cOpKlGleich:
        return compareValues(cell, f.w) <= 0;
    case TFiltOp::cOpGroesser:
        return compareValues(cell, f.w) > 0;
    case TFiltOp::cOpKleiner:
        return compareValues(cell, f.w) < 0;
    case TFiltOp::cOpPos: {
        const QString needle = f.w.toText();
        return !needle.isEmpty() && cell.toText().contains(needle, Qt::CaseSensitive);
    }
    case TFiltOp::cOpNot:
        break;
    }
    return false;
}

// Runs a guard flag for the length of a scope.
class Running
{
public:
    explicit Running(bool& flag) : m_flag(flag) { m_flag = true; }
    ~Running() { m_flag = false; }
    Running(const Running&) = delete;
    Running& operator=(const Running&) = delete;

private:
    bool& m_flag;
};

// Numbers order negatives before all others, then by the value rounded to four decimals.
struct NumKey {
    int cls = 1;
    double v = 0;
};

NumKey numberKey(double v)
{
    const double rounded = std::fabs(v) < 1e14 ? std::round(v * 1e4) / 1e4 : v;
    return {v < 0 ? 0 : 1, rounded};
}

} // namespace

// The precomputed keys of one sort field for every data row.
struct FilterGridModel::SortKeyColumn {
    bool collated = false;
    std::vector<NumKey> num;
    std::vector<QCollatorSortKey> text;

    int compare(size_t a, size_t b) const
    {
        if (collated)
            return text[a].compare(text[b]);
        const NumKey& x = num[a];
        const NumKey& y = num[b];
        if (x.cls != y.cls)
            return x.cls < y.cls ? -1 : 1;
        return x.v < y.v ? -1 : (x.v > y.v ? 1 : 0);
    }
};

void FilterGridModel::FilterStoreDiscard()
{
    m_hidden.clear();
}

void FilterGridModel::SetFilter(const QString& text)
{
    if (text == m_filt)
        return;
    m_filt = text.trimmed();
    filterApply();
}

void FilterGridModel::SetFilterEd(bool on)
{
    m_filtEd = on;
    filterApply();
}

int FilterGridModel::titleColumn(const QString& title) const
{
    const QString wanted = asciiUpper(title.trimmed());
    for (int c = 0; c < ColCount(); ++c)
        if (asciiUpper(Cells(c, 0).trimmed()) == wanted)
            return c;
    return -1;
}

bool FilterGridModel::filterParse(const QString& text)
{
    filterClear();
    if (text.isEmpty())
        return true;
    static const QRegularExpression lineBreaks(QStringLiteral("\r\n|\n|\r"));
    QString lines = text;
    lines.replace(m_pTz, QLatin1Char('\n'));
    const QStringList conditions = lines.split(lineBreaks);
    for (const QString& condition : conditions) {
        TFiltRec rec;
        QString line = condition;
        // "not" counts only as the first word of a condition.
        const QString lead = line.trimmed();
        if (lead.size() > 3 &&
            lead.left(3).compare(QLatin1String("not"), Qt::CaseInsensitive) == 0 &&
            lead.at(3) == QLatin1Char(' ')) {
            rec.NotOp = true;
            line = lead.mid(3);
        }
        bool failed = false;
        for (const OperatorText& o : kOperators) {
            const qsizetype at = line.indexOf(QLatin1String(o.text));
            if (at < 0)
                continue;
            rec.op = o.op;
            rec.c = titleColumn(line.left(at));
            bool ok = true;
            if (rec.c >= 0)
                rec.w = StrToColFormat(rec.c, line.mid(at + qsizetype(qstrlen(o.text))), &ok);
            failed = rec.c < 0 || !ok;
            break;
        }
        if (failed) {
            Q_EMIT meldung(platform::errorMessage(
                QStringLiteral("Fehler beim Auflösen von Filter: %1").arg(text)));
            filterClear();
            return false;
        }
        if (rec.c >= 0 && rec.op != TFiltOp::cOpNot)
            m_filtLst.push_back(rec);
    }
    return true;
}

bool FilterGridModel::RowMatchesFilter(int row) const
{
    if (m_filtLst.empty())
        return false;
    for (const TFiltRec& f : m_filtLst) {
        bool ok = true;
        const ColValue cell = StrToColFormat(f.c, Cells(f.c, row), &ok);
        // A cell that does not read as its column's type fails the comparison.
        bool holds = ok && conditionHolds(cell, f);
        if (f.NotOp)
            holds = !holds;
        if (!holds)
            return false;
    }
    return true;
}

void FilterGridModel::filterApply()
{
    if (m_filtering || m_sorting)
        return;
    {
        Running running(m_filtering);
        filterRestoreRows();
        if (m_filt.isEmpty() || !m_filtEd) {
            m_filtering = false;
            SortiereIndex();
            return;
        }
        filterParse(m_filt);
        if (!m_filtLst.empty()) {
            std::vector<int> doomed;
            for (int r = FixedRows(); r < RowCount(); ++r)
                if (!RowMatchesFilter(r))
                    doomed.push_back(r);
            // Stored bottom-up, the way they were visited.
            m_hidden.reserve(doomed.size());
            for (auto it = doomed.rbegin(); it != doomed.rend(); ++it)
                m_hidden.push_back(std::move(rows()[size_t(*it)]));
            if (!doomed.empty()) {
                m_changeMode = false;
                removeDataRows(doomed);
                m_changeMode = true;
                ModiDaten_True();
                CellsToComp(Row());
            }
        }
    }
    SortiereIndex();
    DoChange();
}

void FilterGridModel::filterRestoreRows()
{
    if (m_hidden.empty())
        return;
    const bool sortEd = m_sortEd;
    m_sortEd = false;
    const int n = RowCount();
    beginBulk();
    SetRowCount(n + int(m_hidden.size()) + 1);
    for (size_t k = 0; k < m_hidden.size(); ++k) {
        RowCells cells = std::move(m_hidden[k]);
        cells.resize(size_t(ColCount()));
        rows()[size_t(n + 1) + k] = std::move(cells);
    }
    m_hidden.clear();
    endBulk();
    RowDeleteEmpty({});
    m_sortEd = sortEd;
}

int FilterGridModel::RowFind(const QString& filterStr, int start)
{
    start = std::max(start, FixedRows());
    std::vector<TFiltRec> kept = std::move(m_filtLst);
    m_filtLst.clear();
    int found = -1;
    if (filterParse(filterStr) && !m_filtLst.empty()) {
        for (int r = start; r < RowCount(); ++r) {
            if (RowMatchesFilter(r)) {
                found = r;
                break;
            }
        }
    }
    m_filtLst = std::move(kept);
    return found;
}

const TSortFdRec* FilterGridModel::SortFieldFind(int col) const
{
    for (const TSortFdRec& f : m_sortFdLst)
        if (f.col == col)
            return &f;
    return nullptr;
}

bool FilterGridModel::SortFieldRemove(int col)
{
    if (col == -1) {
        const bool any = !m_sortFdLst.empty();
        m_sortFdLst.clear();
        return any;
    }
    for (auto it = m_sortFdLst.rbegin(); it != m_sortFdLst.rend(); ++it) {
        if (it->col == col) {
            m_sortFdLst.erase(std::next(it).base());
            return true;
        }
    }
    return false;
}

void FilterGridModel::SortFieldsClear()
{
    m_sortFdLst.clear();
}

void FilterGridModel::sortFieldsParse(const QString& colNrStr, bool ascending)
{
    QStringList items = colNrStr.split(m_pTz);
    if (!items.isEmpty() && items.last().isEmpty())
        items.removeLast();
    for (const QString& item : items) {
        const int col = StrToIntTolerant(item);
        if (col < 0 || col >= ColCount())
            continue;
        const TColInfo* ci = GetColInfo(col);
        m_sortFdLst.push_back({col, ci ? ci->Typ : QChar(QLatin1Char(' ')), ascending});
    }
}

FilterGridModel::SortKeyColumn FilterGridModel::sortKeyColumn(const TSortFdRec& field) const
{
    SortKeyColumn keys;
    const int first = FixedRows();
    const size_t n = size_t(RowCount() - first);
    const char16_t typ = field.typ.unicode();
    auto cell = [&](size_t i) -> const QString& {
        static const QString none;
        const RowCells& r = rows()[size_t(first) + i];
        return size_t(field.col) < r.size() ? r[size_t(field.col)] : none;
    };
    if (typ == u'M') {
        keys.num.reserve(n);
        for (size_t i = 0; i < n; ++i)
            keys.num.push_back({cell(i) == QLatin1String("\t") ? 0 : 1, 0});
        return keys;
    }
    if (typ == u'C' || typ == u'F' || typ == u'I') {
        keys.num.reserve(n);
        for (size_t i = 0; i < n; ++i)
            keys.num.push_back(numberKey(StrToFloatTolerant(cell(i))));
        return keys;
    }
    const QCollator collator = textCollator();
    if (typ == u'D' || typ == u'T' || typ == u'd') {
        // yyyymmddhhnnss as a number; a text that is no date keeps its text as key, and then
        // the whole column orders as text.
        keys.num.reserve(n);
        std::vector<size_t> unreadable;
        for (size_t i = 0; i < n; ++i) {
            const QString t = cell(i).trimmed();
            TDateTime v = 0;
            double key = 0;
            if (!t.isEmpty()) {
                if (ParseDateTime(t, v)) {
                    const QDateTime dt = DateTimeOf(v);
                    const QDate d = dt.date();
                    const QTime tm = dt.time();
                    key = ((d.year() * 100.0 + d.month()) * 100.0 + d.day()) * 1e6 +
                          tm.hour() * 1e4 + tm.minute() * 100.0 + tm.second();
                } else {
                    unreadable.push_back(i);
                }
            }
            keys.num.push_back({1, key});
        }
        if (unreadable.empty())
            return keys;
        keys.collated = true;
        keys.text.reserve(n);
        size_t next = 0;
        for (size_t i = 0; i < n; ++i) {
            QString text;
            if (next < unreadable.size() && unreadable[next] == i) {
                text = cell(i).trimmed();
                ++next;
            } else {
                text = QStringLiteral("%1").arg(qint64(keys.num[i].v), 14, 10, QLatin1Char('0'));
            }
            keys.text.push_back(collator.sortKey(text));
        }
        keys.num.clear();
        return keys;
    }
    keys.collated = true;
    keys.text.reserve(n);
    for (size_t i = 0; i < n; ++i)
        keys.text.push_back(
            collator.sortKey(cell(i).trimmed().leftJustified(15, QLatin1Char(' '))));
    return keys;
}

void FilterGridModel::Sortiere(const QString& colNrStr, bool toRow, int wmWait, bool sortAufw)
{
    if (m_sorting)
        return;
    Running running(m_sorting);
    struct EndMessage {
        FilterGridModel* grid;
        int msg;
        ~EndMessage()
        {
            if (msg != 0)
                grid->WaitMessage(msg, 2, 0);
        }
    } endMessage{this, wmWait};

    SortFieldsClear();
    sortFieldsParse(colNrStr, sortAufw);
    if (wmWait != 0)
        WaitMessage(wmWait, 0, RowCount());
    const int first = FixedRows();
    const size_t n = size_t(std::max(RowCount() - first, 0));
    if (m_sortFdLst.empty() || n == 0)
        return;

    std::vector<SortKeyColumn> keys;
    keys.reserve(m_sortFdLst.size());
    for (const TSortFdRec& f : m_sortFdLst)
        keys.push_back(sortKeyColumn(f));
    int counter = 0;
    for (size_t i = 0; i < n; ++i)
        waitStep(wmWait, ++counter);

    std::vector<size_t> order(n);
    std::iota(order.begin(), order.end(), size_t(0));
    std::stable_sort(order.begin(), order.end(), [&keys](size_t a, size_t b) {
        for (const SortKeyColumn& k : keys) {
            const int c = k.compare(a, b);
            if (c != 0)
                return c < 0;
        }
        return false;
    });
    // Descending reads the ascending order from its end: equal keys come out reversed.
    if (!sortAufw)
        std::reverse(order.begin(), order.end());

    const int currentRecord = Row() - first;
    beginBulk();
    std::vector<RowCells>& all = rows();
    std::vector<RowCells> sorted;
    sorted.reserve(n);
    for (size_t i : order)
        sorted.push_back(std::move(all[size_t(first) + i]));
    std::move(sorted.begin(), sorted.end(), all.begin() + first);
    endBulk();
    for (size_t i = 0; i < n; ++i)
        waitStep(wmWait, ++counter);

    if (toRow && currentRecord >= 0) {
        const auto at = std::find(order.begin(), order.end(), size_t(currentRecord));
        if (at != order.end()) {
            m_changeMode = false;
            SetRow(first + int(at - order.begin()));
            m_changeMode = true;
        }
    }
}

void FilterGridModel::SortiereIndex()
{
    sortierIndex(false);
}

void FilterGridModel::sortierIndex(bool keepCurrent)
{
    if (!m_sortEd || m_sortCols.isEmpty())
        return;
    QString list;
    for (const QString& item : m_sortCols.split(m_pTz, Qt::SkipEmptyParts)) {
        for (int c = 0; c < ColCount(); ++c) {
            if (Cells(c, 0).compare(item, Qt::CaseInsensitive) == 0) {
                list += QString::number(c) + m_pTz;
                break;
            }
        }
    }
    if (!list.isEmpty()) {
        if (OnSort)
            OnSort(this, list);
        if (!list.isEmpty()) {
            // A sort set off by an edit in a bound control keeps that record current, or the
            // next keystroke would land in another record.
            Sortiere(list, keepCurrent || m_sortNewFocus, m_wmUserWait,
                     m_sortDirection == TSortDirection::sdAufsteigend);
            if (OnSortEnd)
                OnSortEnd(this, list);
        }
    }
    DoChange();
}

bool FilterGridModel::SortByMouse(int x, int y)
{
    int col = -1;
    for (int c = 0; c < ColCount(); ++c) {
        const QRect r = CellRect(c, 0);
        if (!r.isEmpty() && PointInRect(x, y, r)) {
            col = c;
            break;
        }
    }
    if (col < 0)
        return false;
    QString list = QString::number(col);
    if (OnSort)
        OnSort(this, list);
    if (!list.isEmpty()) {
        Sortiere(list, m_sortNewFocus, m_wmUserWait, col != m_mousSortCol);
        m_mousSortCol = m_mousSortCol == col ? -1 : col;
        if (OnSortEnd)
            OnSortEnd(this, list);
    }
    return true;
}

} // namespace grid

// The grid's own text file: save, load and the merge with a shared copy.
#include "grid/logic/filtergridmodel.h"

#include "platform/base/cp1252.h"
#include "platform/base/savefile.h"
#include "platform/base/textlines.h"

#include <QHash>
#include <algorithm>
#include <cerrno>
#include <climits>

namespace grid
{

namespace
{

const QChar kLineBreakMark(0x00AF); // "¯"

// The format has one item per line: a line break inside an item becomes "¯".
void appendLine(QString& text, const QString& item)
{
    for (qsizetype i = 0; i < item.size(); ++i) {
        const QChar ch = item.at(i);
        if (ch == QLatin1Char('\r')) {
            text += kLineBreakMark;
            if (i + 1 < item.size() && item.at(i + 1) == QLatin1Char('\n'))
                ++i;
        } else if (ch == QLatin1Char('\n')) {
            text += kLineBreakMark;
        } else {
            text += ch;
        }
    }
    text += QLatin1Char('\n');
}

bool readInt(QStringView line, int& value)
{
    bool ok = false;
    const int v = line.trimmed().toInt(&ok);
    if (ok)
        value = v;
    return ok;
}

QString notANumber(size_t lineIndex, QStringView line, const QString& what)
{
    return QStringLiteral("Zeile %1 enthält „%2“ statt %3.")
        .arg(lineIndex + 1)
        .arg(line.toString(), what);
}

// The value of the first name=value entry whose name equals `name` (ignoring case).
QString paramValue(const QStringList& entries, const QString& name)
{
    for (const QString& entry : entries) {
        const qsizetype eq = entry.indexOf(QLatin1Char('='));
        if (eq >= 0 && QStringView(entry).left(eq).compare(name, Qt::CaseInsensitive) == 0)
            return entry.mid(eq + 1);
    }
    return QString();
}

// Why a file of another version (−1: none readable) cannot be loaded.
QString otherVersionReason(int version, int expected)
{
    if (version == -1)
        return QStringLiteral("Die Datei ist keine Tabellendatei: ihre erste Zeile enthält keine "
                              "Versionsnummer.");
    return QStringLiteral("Die Datei hat die Version %1; erwartet wird die Version %2.")
        .arg(version)
        .arg(expected);
}

// Why a file whose content does not fit the layout cannot be loaded; `detail` says where.
QString damagedReason(const QString& detail)
{
    return QStringLiteral("Die Datei ist beschädigt. %1").arg(detail);
}

} // namespace

struct FilterGridModel::GridFileContent {
    std::vector<QString> lines;
    int c = 0;
    int r = 0;
    QStringList fileParam;
    QString sortCols;
    size_t firstCell = 5;
    bool colPart = false;
    bool widths = false; // the column part holds widths, not parameter strings
    std::vector<int> colWidths;
    QStringList colParams;
    bool selection = false;
    GridRect sel;
};

std::vector<const TStringGrid::RowCells*> FilterGridModel::rowsToSave() const
{
    std::vector<const RowCells*> saved;
    saved.reserve(size_t(RowCount()) + m_hidden.size());
    for (const RowCells& r : rows())
        saved.push_back(&r);
    if (m_hidden.empty())
        return saved;
    // Written as the grid would hold them with the filter off: the hidden rows after the
    // visible ones, without empty data rows.
    for (const RowCells& r : m_hidden)
        saved.push_back(&r);
    auto blankRow = [this](const RowCells* r) {
        for (size_t c = size_t(FixedCols()); c < r->size() && c < size_t(ColCount()); ++c)
            if (!(*r)[c].trimmed().isEmpty())
                return false;
        return true;
    };
    const auto dataBegin = saved.begin() + FixedRows();
    saved.erase(std::remove_if(dataBegin, saved.end(), blankRow), saved.end());
    static const RowCells kEmptyRow;
    if (int(saved.size()) < FixedRows() + 1)
        saved.push_back(&kEmptyRow);
    return saved;
}

QByteArray FilterGridModel::gridFileBytes(bool save_ColInfo, int wmWait)
{
    const std::vector<const RowCells*> saved = rowsToSave();
    const int c = ColCount();
    if (wmWait != 0)
        WaitMessage(wmWait, 0, int(saved.size()));
    QString text;
    appendLine(text, QString::number(m_fileVersSoll));
    appendLine(text, QString::number(c));
    appendLine(text, QString::number(saved.size()));
    QString params;
    for (const QString& p : m_fnParam) {
        QString oneLine;
        appendLine(oneLine, p);
        oneLine.chop(1);
        params += oneLine + kLineBreakMark;
    }
    appendLine(text, params);
    appendLine(text, m_sortCols);
    for (size_t r = 0; r < saved.size(); ++r) {
        const RowCells& cells = *saved[r];
        for (int col = 0; col < c; ++col) {
            appendLine(text, size_t(col) < cells.size() ? cells[size_t(col)] : QString());
            if (wmWait != 0)
                waitStep(wmWait, int(r));
        }
    }
    if (save_ColInfo) {
        int n = 0;
        for (int col = 0; col < c; ++col)
            if (GetColInfo(col))
                ++n;
        if (n > 0)
            n = c;
        appendLine(text, QString::number(n));
        for (int col = 0; col < c; ++col)
            appendLine(text, n == 0 ? QString::number(ColWidths(col)) : ColInfoToParamStr(col));
        const GridRect sel = Selection();
        for (int v : {sel.Top, sel.Left, sel.Bottom, sel.Right})
            appendLine(text, QString::number(v));
    }
    return platform::toCp1252(text);
}

platform::FileResult FilterGridModel::SaveToFile(bool save_ColInfo, int wmWait)
{
    const QByteArray bytes = gridFileBytes(save_ColInfo, wmWait);
    const platform::FileResult result = platform::writeFileAtomic(m_fileName, bytes);
    if (result.ok)
        ModiDaten_False();
    if (wmWait != 0)
        WaitMessage(wmWait, 2, 0);
    return result;
}

QString FilterGridModel::checkGridFile(bool load_ColInfo, bool aRowSelect,
                                       GridFileContent& content) const
{
    const std::vector<QString>& lines = content.lines;
    if (lines.size() < 5)
        return QStringLiteral("Der Kopf der Datei ist unvollständig (%1 von 5 Zeilen).")
            .arg(lines.size());
    if (!readInt(lines[1], content.c) || content.c < 1)
        return notANumber(1, lines[1], QStringLiteral("einer Spaltenzahl ab 1"));
    if (!readInt(lines[2], content.r) || content.r < 1)
        return notANumber(2, lines[2], QStringLiteral("einer Zeilenzahl ab 1"));
    const qint64 cellCount = qint64(content.c) * content.r;
    const qint64 cellLines = qint64(lines.size()) - qint64(content.firstCell);
    if (cellLines < cellCount)
        return QStringLiteral("Sie enthält nur %1 der %2 Zellen.").arg(cellLines).arg(cellCount);
    content.fileParam = lines[3].split(kLineBreakMark);
    if (content.fileParam.last().isEmpty())
        content.fileParam.removeLast();
    content.sortCols = lines[4];

    size_t next = content.firstCell + size_t(cellCount);
    if (!load_ColInfo || next >= lines.size())
        return QString();
    int n = 0;
    if (!readInt(lines[next], n) || (n != 0 && n != content.c))
        return notANumber(next, lines[next],
                          QStringLiteral("der Zahl der Spaltenangaben (0 oder %1)").arg(content.c));
    ++next;
    if (lines.size() - next < size_t(content.c))
        return QStringLiteral("Die Spaltenangaben sind unvollständig.");
    content.colPart = true;
    content.widths = n == 0;
    FilterGridModel scratch;
    for (int col = 0; col < content.c; ++col, ++next) {
        if (content.widths) {
            int w = 0;
            if (!readInt(lines[next], w))
                return notANumber(next, lines[next], QStringLiteral("einer Spaltenbreite"));
            content.colWidths.push_back(w);
        } else {
            const QString& param = lines[next];
            QString error;
            scratch.ParamStrToColInfo(col, param, &error);
            if (!error.isEmpty())
                return QStringLiteral("Zeile %1: %2").arg(next + 1).arg(error);
            content.colParams.append(param);
        }
    }

    if (!aRowSelect || next >= lines.size())
        return QString();
    if (lines.size() - next < 4)
        return QStringLiteral("Die gespeicherte Auswahl ist unvollständig.");
    int v[4] = {};
    for (int k = 0; k < 4; ++k, ++next)
        if (!readInt(lines[next], v[k]))
            return notANumber(next, lines[next],
                              QStringLiteral("einer Zeilen- oder Spaltennummer"));
    const GridRect sel{v[1], v[0], v[3], v[2]};
    const int cols = std::max(ColCount(), content.c);
    const int rowCount = std::max(RowCount(), content.r);
    const bool none = sel == GridRect{-1, -1, -1, -1}; // no cell highlighted
    const bool inside = sel.Left >= 0 && sel.Left <= sel.Right && sel.Right < cols &&
                        sel.Top >= 0 && sel.Top <= sel.Bottom && sel.Bottom < rowCount;
    if (!none && !inside)
        return QStringLiteral("Die gespeicherte Auswahl liegt außerhalb der Tabelle.");
    content.selection = true;
    content.sel = sel;
    return QString();
}

void FilterGridModel::applyGridFile(GridFileContent& content, int wmWait)
{
    // The file's rows replace the data: rows the filter had hidden are no longer wanted.
    FilterStoreDiscard();
    m_fnParam = content.fileParam;
    m_sortCols = content.sortCols;
    if (wmWait != 0)
        WaitMessage(wmWait, 0, content.r);
    if (ColCount() < content.c)
        SetColCount(content.c);
    if (RowCount() < content.r)
        SetRowCount(content.r);
    // Filled in place, announced once at the end: progress messages let the views repaint.
    size_t line = content.firstCell;
    for (int row = 0; row < content.r; ++row) {
        RowCells& cells = rows()[size_t(row)];
        for (int col = 0; col < content.c; ++col)
            cells[size_t(col)] = std::move(content.lines[line++]);
        if (wmWait != 0)
            waitStep(wmWait, row);
    }
    Q_EMIT dataChanged(index(0, 0), index(content.r - 1, content.c - 1));
    if (content.colPart && content.widths) {
        for (int col = 0; col < content.c; ++col)
            SetColWidths(col, content.colWidths[size_t(col)]);
    } else if (content.colPart) {
        ColInfo_Clear();
        for (int col = 0; col < content.c; ++col)
            ParamStrToColInfo(col, content.colParams[col]);
    }
    ModiDaten_False();
    if (!(content.colPart && content.widths))
        ColInfo_Set(-1);
    if (content.selection) {
        m_changeMode = false;
        SetRow(content.sel.Top);
        SetSelection(content.sel);
        m_changeMode = true;
    }
    if (wmWait != 0)
        WaitMessage(wmWait, 2, 0);
}

platform::FileResult FilterGridModel::LoadFromFile(bool load_ColInfo, bool aRowSelect,
                                                   int fnVersion, int wmWait)
{
    if (fnVersion == -1)
        fnVersion = m_fileVersSoll;
    const platform::Read<QByteArray> read = platform::readFile(m_fileName);
    platform::FileResult result = read.file;
    if (!read.found()) {
        if (read.missing)
            result.fail(ENOENT);
        return result;
    }
    GridFileContent content;
    const QStringList lines = platform::cp1252Lines(read.value);
    content.lines.assign(lines.begin(), lines.end());
    int version = -1;
    if (content.lines.empty() || !readInt(content.lines[0], version))
        version = -1;
    m_fileVersIst = version;
    if (version == -1 || version != fnVersion) {
        result.failContent(otherVersionReason(version, fnVersion));
        ColInfo_Set(-1);
        return result;
    }
    if (const QString detail = checkGridFile(load_ColInfo, aRowSelect, content);
        !detail.isEmpty()) {
        result.failContent(damagedReason(detail));
        return result;
    }
    applyGridFile(content, wmWait);
    return result;
}

void FilterGridModel::mergeFileParam(const FilterGridModel& shared, int editTimeCol)
{
    if (m_fnParam == shared.m_fnParam)
        return;
    const QString own = paramValue(m_fnParam, Cells(editTimeCol, 0));
    const QString theirs = paramValue(shared.m_fnParam, shared.Cells(editTimeCol, 0));
    // The newer parameters win.
    if (!own.isEmpty() && !theirs.isEmpty() && StrToFloatTolerant(theirs) > StrToFloatTolerant(own))
        m_fnParam = shared.m_fnParam;
}

void FilterGridModel::mergeRows(const FilterGridModel& shared, int indexCol, int editTimeCol,
                                TDateTime loadTime, int wmWait)
{
    const int fixed = FixedRows();
    const int dataRows = RowCount() - fixed;
    // True while the file has no row with this data row's key.
    std::vector<bool> notInFile(size_t(std::max(dataRows, 0)), true);
    QHash<QString, int> rowOfKey;
    auto remember = [&](int row) {
        const QString key = Cells(indexCol, row).trimmed().toCaseFolded();
        if (!key.isEmpty() && !rowOfKey.contains(key))
            rowOfKey.insert(key, row);
    };
    for (int row = fixed; row < RowCount(); ++row)
        remember(row);
    auto takeRow = [&](int from, int to) {
        for (int col = 0; col < ColCount(); ++col)
            SetCells(col, to, col < shared.ColCount() ? shared.Cells(col, from) : QString());
    };

    for (int tr = shared.RowCount() - 1; tr >= shared.FixedRows(); --tr) {
        const QString key = shared.Cells(indexCol, tr).trimmed();
        if (key.isEmpty())
            continue;
        const double t = shared.GetAsFloat(editTimeCol, tr);
        const auto found = rowOfKey.constFind(key.toCaseFolded());
        if (found != rowOfKey.cend()) {
            const int k = *found;
            if (t > GetAsFloat(editTimeCol, k))
                takeRow(tr, k);
            if (k - fixed < dataRows)
                notInFile[size_t(k - fixed)] = false;
        } else if (t > loadTime) {
            // Created elsewhere after this grid was loaded.
            const int k = RowAdd(INT_MAX, QString());
            takeRow(tr, k);
            remember(k);
        }
        if (wmWait != 0)
            waitStep(wmWait, tr);
    }

    // Deleted elsewhere and not changed here since loading. A row without key or edit time
    // tells nothing about either and stays.
    std::vector<int> doomed;
    for (int p = 0; p < dataRows; ++p) {
        const int row = fixed + p;
        if (notInFile[size_t(p)] && !Cells(indexCol, row).trimmed().isEmpty() &&
            !Cells(editTimeCol, row).trimmed().isEmpty() && GetAsFloat(editTimeCol, row) < loadTime)
            doomed.push_back(row);
    }
    if (doomed.empty())
        return;
    m_changeMode = false;
    removeDataRows(doomed);
    m_changeMode = true;
    ModiDaten_True();
    DoChange();
    CellsToComp(Row());
}

platform::FileResult FilterGridModel::SaveToServerFile(int indexCol, int editTimeCol,
                                                       TDateTime LoadTime, bool save_ColInfo,
                                                       int wmWait)
{
    FilterGridModel shared;
    shared.SetFileName(m_fileName);
    shared.SetFileSollVersion(m_fileVersSoll);
    shared.SetRowCount(FixedRows() + 1);
    shared.SetColCount(FixedCols() + 1);
    shared.SetFixedRows(FixedRows());
    shared.SetFixedCols(FixedCols());
    const platform::FileResult loaded = shared.LoadFromFile(false, false, -1, 0);
    // A file that was not read is not an empty one: merging it would delete every row.
    if (!loaded)
        return loaded;

    if (wmWait != 0)
        WaitMessage(wmWait, 0, shared.RowCount());
    // The merge sees every row, also those the filter hides.
    filterRestoreRows();
    const bool sortEd = m_sortEd;
    m_sortEd = false;
    mergeFileParam(shared, editTimeCol);
    mergeRows(shared, indexCol, editTimeCol, LoadTime, wmWait);
    SetSortierenEd(sortEd);
    const platform::FileResult result = SaveToFile(save_ColInfo, 0);
    const bool modified = ModifiedDaten();
    if (m_filtEd && !m_filt.isEmpty())
        filterApply();
    SetModifiedDaten(result ? false : modified);
    if (wmWait != 0)
        WaitMessage(wmWait, 2, 0);
    return result;
}

} // namespace grid

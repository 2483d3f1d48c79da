#include "grid/logic/loadedcells.h"

#include "platform/base/cp1252.h"
#include "platform/base/textlines.h"

namespace grid
{

LoadedCells::LoadedCells(QByteArray bytes, std::vector<quint32> starts, int rows, int cols)
    : m_bytes(std::move(bytes)), m_starts(std::move(starts)), m_rows(rows), m_cols(cols)
{
}

qsizetype LoadedCells::lineOf(int col, int row) const
{
    qsizetype at = m_starts[size_t(row / kRowsPerStart)];
    const qsizetype skipped = qsizetype(row % kRowsPerStart) * m_cols + col;
    for (qsizetype k = 0; k < skipped; ++k)
        at = platform::lineAt(m_bytes, at).next;
    return at;
}

QString LoadedCells::cell(int col, int row) const
{
    if (row < 0 || row >= m_rows || col < 0 || col >= m_cols)
        return QString();
    return platform::cp1252LineAt(m_bytes, lineOf(col, row));
}

void LoadedCells::fillRows(std::vector<std::vector<QString>>& rows, int from, int to) const
{
    if (from >= to)
        return;
    qsizetype at = lineOf(0, from);
    for (int r = from; r < to; ++r) {
        std::vector<QString>& cells = rows[size_t(r)];
        for (int c = 0; c < m_cols; ++c) {
            const platform::LineSpan line = platform::lineAt(m_bytes, at);
            if (size_t(c) < cells.size())
                cells[size_t(c)] = platform::fromCp1252(m_bytes.constData() + at, line.length);
            at = line.next;
        }
    }
}

} // namespace grid

#pragma once

#include <QByteArray>
#include <QString>
#include <vector>

namespace grid
{

// The cells of a grid file kept as the file's bytes, one cell per line, and decoded when
// asked for: a grid of many rows then loads for little more than reading its file.
class LoadedCells
{
public:
    // Where a row's first cell line starts is known for every this many rows.
    static constexpr int kRowsPerStart = 16;

    // `starts` holds where the first cell line of rows 0, kRowsPerStart, 2 · kRowsPerStart
    // and so on starts; a row has `cols` lines.
    LoadedCells(QByteArray bytes, std::vector<quint32> starts, int rows, int cols);

    int rowCount() const { return m_rows; }
    int colCount() const { return m_cols; }
    QString cell(int col, int row) const;
    // Rows `from` to `to` (exclusive), one after the other, into the first colCount() places
    // of rows[from] to rows[to - 1].
    void fillRows(std::vector<std::vector<QString>>& rows, int from, int to) const;

private:
    qsizetype lineOf(int col, int row) const;

    QByteArray m_bytes;
    std::vector<quint32> m_starts;
    int m_rows;
    int m_cols;
};

} // namespace grid

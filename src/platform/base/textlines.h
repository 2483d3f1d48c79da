#pragma once

#include <QByteArrayView>
#include <QString>
#include <QtGlobal>
#include <vector>

namespace platform
{

// Lines of text bytes: LF, CR LF and a lone CR each end a line, and a line end at the very end
// adds no empty line. Only CR and LF bytes end lines, so this holds for Windows-1252 text too.

// The line starting at `from`: its length without the line end, and where the next line starts.
struct LineSpan {
    qsizetype length = 0;
    qsizetype next = 0;
};
LineSpan lineAt(QByteArrayView bytes, qsizetype from);

// The line starting at `from`, decoded from Windows-1252, without its line end.
QString cp1252LineAt(QByteArrayView bytes, qsizetype from);

// Passes up to `wanted` lines from `from` on and appends the start of every `every`-th of them
// to `starts`, the first line's included (`every` >= 1; the bytes hold less than 4 GiB).
// Returns how many lines were passed and where the rest of the bytes begins.
struct LineWalk {
    qsizetype lines = 0;
    qsizetype end = 0;
};
LineWalk walkLines(QByteArrayView bytes, qsizetype from, qsizetype wanted, qsizetype every,
                   std::vector<quint32>& starts);

} // namespace platform

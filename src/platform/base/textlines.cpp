#include "platform/base/textlines.h"

#include "platform/base/cp1252.h"

namespace platform
{

LineSpan lineAt(QByteArrayView bytes, qsizetype from)
{
    const char* p = bytes.data();
    const qsizetype n = bytes.size();
    qsizetype i = from;
    while (i < n && p[i] != '\n' && p[i] != '\r')
        ++i;
    LineSpan span{i - from, i};
    if (i < n)
        span.next = (p[i] == '\r' && i + 1 < n && p[i + 1] == '\n') ? i + 2 : i + 1;
    return span;
}

QString cp1252LineAt(QByteArrayView bytes, qsizetype from)
{
    return fromCp1252(bytes.data() + from, lineAt(bytes, from).length);
}

LineWalk walkLines(QByteArrayView bytes, qsizetype from, qsizetype wanted, qsizetype every,
                   std::vector<quint32>& starts)
{
    LineWalk walk{0, from};
    while (walk.lines < wanted && walk.end < bytes.size()) {
        if (walk.lines % every == 0)
            starts.push_back(quint32(walk.end));
        walk.end = lineAt(bytes, walk.end).next;
        ++walk.lines;
    }
    return walk;
}

} // namespace platform

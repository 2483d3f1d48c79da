#include "platform/base/textlines.h"

#include "platform/base/cp1252.h"

namespace platform
{

QStringList cp1252Lines(QByteArrayView bytes)
{
    QStringList lines;
    const qsizetype n = bytes.size();
    qsizetype start = 0;
    for (qsizetype i = 0; i < n; ++i) {
        const char b = bytes[i];
        if (b != '\n' && b != '\r')
            continue;
        lines.append(fromCp1252(bytes.data() + start, i - start));
        if (b == '\r' && i + 1 < n && bytes[i + 1] == '\n')
            ++i;
        start = i + 1;
    }
    if (start < n)
        lines.append(fromCp1252(bytes.data() + start, n - start));
    return lines;
}

} // namespace platform

#include "platform/base/typedfile.h"

#include <QFile>

namespace platform
{

QByteArray readWholeFile(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return file.readAll();
}

bool readFileHead(const QString& path, qsizetype maxBytes, QByteArray& out)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    out = file.read(maxBytes);
    return true;
}

} // namespace platform

#include "app/bilder.h"

#include <QFile>

QByteArray bildSvg(const QString& name)
{
    QFile datei(QStringLiteral(":/bilder/") + name + QStringLiteral(".svg"));
    if (!datei.open(QIODevice::ReadOnly))
        return {};
    return datei.readAll();
}

#include "app/bilder.h"

#include <QFile>

QByteArray bild_svg(const QString& name)
{
    QFile datei(QStringLiteral(":/bilder/") + name + QStringLiteral(".svg"));
    if (!datei.open(QIODevice::ReadOnly))
        return {};
    return datei.readAll();
}

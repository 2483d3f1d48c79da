#include "platform/base/datafolder.h"

#include <QCoreApplication>
#include <QDir>

QString Datenordner;

namespace platform
{

void setDataFolder(const QString& folder)
{
    QString path = QDir::cleanPath(QDir(folder).absolutePath());
    if (!path.endsWith(QLatin1Char('/')))
        path += QLatin1Char('/');
    Datenordner = path;
}

void setDataFolderFromProgram()
{
    setDataFolder(QCoreApplication::applicationDirPath());
}

QString dataFile(const QString& name)
{
    return Datenordner + name;
}

} // namespace platform

#include "platform/base/savefile.h"

#include <QDir>
#include <QFileInfo>
#include <QSaveFile>
#include <cerrno>
#include <cstring>

namespace platform
{

QString systemErrorText(int errorNumber)
{
    switch (errorNumber) {
    case EACCES:
    case EPERM:
        return QStringLiteral("Zugriff verweigert.");
    case ENOENT:
        return QStringLiteral("Datei oder Ordner nicht gefunden.");
    case ENOSPC:
        return QStringLiteral("Auf dem Datenträger ist kein Platz mehr frei.");
    case EDQUOT:
        return QStringLiteral("Das Speicherkontingent ist erschöpft.");
    case EROFS:
        return QStringLiteral("Der Datenträger ist schreibgeschützt.");
    case EISDIR:
        return QStringLiteral("An dieser Stelle steht ein Ordner.");
    case ENOTDIR:
        return QStringLiteral("Ein Teil des Pfades ist kein Ordner.");
    case EEXIST:
        return QStringLiteral("Die Datei ist bereits vorhanden.");
    case EBUSY:
        return QStringLiteral("Die Datei wird gerade verwendet.");
    case EIO:
        return QStringLiteral("Ein-/Ausgabefehler des Datenträgers.");
    case ENAMETOOLONG:
        return QStringLiteral("Der Dateiname ist zu lang.");
    case EFBIG:
        return QStringLiteral("Die Datei ist zu groß.");
    case EMFILE:
    case ENFILE:
        return QStringLiteral("Zu viele geöffnete Dateien.");
    default:
        return QString::fromLocal8Bit(std::strerror(errorNumber));
    }
}

namespace
{

// Where the system gives no usable error number, the situation itself tells the reason.
QString reasonFromSituation(const QString& path, int savedErrno)
{
    const QFileInfo info(path);
    if (info.isDir())
        return systemErrorText(EISDIR);
    const QFileInfo folder(info.absolutePath());
    if (!folder.exists())
        return QStringLiteral("Der Ordner %1 ist nicht vorhanden.")
            .arg(QDir::toNativeSeparators(folder.absoluteFilePath()));
    if (!folder.isDir())
        return systemErrorText(ENOTDIR);
    if (savedErrno != 0)
        return systemErrorText(savedErrno);
    return QStringLiteral("Unbekannter Fehler beim Schreiben.");
}

WriteResult writeFailure(const QString& path, int savedErrno, bool earlierFile)
{
    WriteResult result;
    result.ok = false;
    result.earlierFile = earlierFile;
    result.action = FileAction::Write;
    result.path = path;
    result.errorCode = QFileInfo(path).isDir() ? EISDIR : savedErrno;
    result.reason = reasonFromSituation(path, savedErrno);
    return result;
}

} // namespace

WriteResult writeFileAtomic(const QString& path, const QByteArray& content)
{
    const bool earlierFile = QFileInfo(path).isFile();
    errno = 0;
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return writeFailure(path, errno, earlierFile);
    // A disk that fills up part-way shows only when the buffer is flushed; QSaveFile would
    // still commit the shortened file, so the flush is checked before committing.
    if (file.write(content) != content.size() || !file.flush()) {
        const int err = errno;
        file.cancelWriting();
        return writeFailure(path, err, earlierFile);
    }
    if (!file.commit())
        return writeFailure(path, errno, earlierFile);
    WriteResult done;
    done.action = FileAction::Write;
    done.path = path;
    return done;
}

QString saveFailedMessage(const QString& path, const QString& reason, bool earlierFile)
{
    QString text = QStringLiteral("Die Datei \"%1\" konnte nicht gespeichert werden.\n"
                                  "Grund: %2")
                       .arg(QDir::toNativeSeparators(path), reason);
    if (earlierFile)
        text += QStringLiteral("\n\nDie bisher gespeicherte Fassung der Datei bleibt unverändert.");
    return text;
}

} // namespace platform

#include "platform/base/savefile.h"

#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>
#include <QSaveFile>
#include <cerrno>

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
    case EXDEV:
        return QStringLiteral(
            "Die Datei kann nicht auf einen anderen Datenträger verschoben werden.");
    case ELOOP:
        return QStringLiteral("Zu viele verkettete Verknüpfungen im Pfad.");
    case ETXTBSY:
        return QStringLiteral("Die Datei wird gerade ausgeführt.");
    case EMLINK:
        return QStringLiteral("Zu viele Verweise auf die Datei.");
    case ENOTEMPTY:
        return QStringLiteral("Der Ordner ist nicht leer.");
    case ENOMEM:
        return QStringLiteral("Nicht genügend Arbeitsspeicher.");
    case EINTR:
        return QStringLiteral("Der Vorgang wurde unterbrochen.");
    case EAGAIN:
        return QStringLiteral("Die Datei ist vorübergehend nicht verfügbar.");
    case EINVAL:
        return QStringLiteral("Ungültiger Dateiname oder ungültiger Vorgang.");
    case EBADF:
        return QStringLiteral("Die Datei ist nicht geöffnet.");
    case ENXIO:
    case ENODEV:
        return QStringLiteral("Das Gerät ist nicht vorhanden.");
    case ESTALE:
        return QStringLiteral("Die Verbindung zur Netzwerkdatei ist verloren gegangen.");
    case ENOLCK:
        return QStringLiteral("Die Datei kann nicht gesperrt werden.");
    case ETIMEDOUT:
        return QStringLiteral("Zeitüberschreitung beim Zugriff auf den Datenträger.");
    case EOVERFLOW:
        return QStringLiteral("Die Datei ist für diesen Vorgang zu groß.");
    case ENOTSUP:
        return QStringLiteral("Der Datenträger unterstützt diesen Vorgang nicht.");
    case ENOTCONN:
    case ENETDOWN:
    case ENETUNREACH:
    case EHOSTDOWN:
    case EHOSTUNREACH:
    case ECONNABORTED:
    case ECONNRESET:
        return QStringLiteral("Die Verbindung zum Netzlaufwerk ist unterbrochen.");
    case EPIPE:
        return QStringLiteral("Die Gegenstelle hat die Verbindung beendet.");
    case ESPIPE:
        return QStringLiteral("In der Datei kann nicht positioniert werden.");
    case EFAULT:
        return QStringLiteral("Ungültige Speicheradresse.");
    case ECANCELED:
        return QStringLiteral("Der Vorgang wurde abgebrochen.");
    default:
        // Never the C library's text: it follows the system's locale, often English.
        return QStringLiteral("Systemfehler Nummer %1.").arg(errorNumber);
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

bool isTemporarySaveName(const QString& fileName)
{
    // The six letters come from QSaveFile and mkstemp; the extensions are those of the
    // program's data files.
    static const QRegularExpression saveTemp(
        QStringLiteral("^[^/.][^/]*\\.(opt|frb|adr|akt|dat|ti[2-6]|txt)\\.[A-Za-z0-9]{6}$"),
        QRegularExpression::CaseInsensitiveOption);
    static const QRegularExpression copyTemp(QStringLiteral("^\\.~[^/]+\\.[A-Za-z0-9]{6}$"));
    return saveTemp.match(fileName).hasMatch() || copyTemp.match(fileName).hasMatch();
}

int removeTemporarySaveFiles(const QString& folder)
{
    const QDir dir(folder);
    int removed = 0;
    const QFileInfoList entries =
        dir.entryInfoList(QDir::Files | QDir::Hidden | QDir::System | QDir::NoSymLinks);
    for (const QFileInfo& entry : entries) {
        if (isTemporarySaveName(entry.fileName()) && QFile::remove(entry.absoluteFilePath()))
            ++removed;
    }
    return removed;
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

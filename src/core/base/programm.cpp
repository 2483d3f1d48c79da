#include "core/base/programm.h"

#include "platform/base/datafolder.h"

#include <QDir>
#include <memory>

QString Programmversion = QStringLiteral("1.06");
QString Hilfedatei;
std::int32_t TaskleistenHoehe = 0;
std::int32_t TaskleisteFest = 1;

namespace
{

std::unique_ptr<platform::InstanceLock>& datenordnerSperre()
{
    static std::unique_ptr<platform::InstanceLock> sperre;
    return sperre;
}

} // namespace

QString sperrdatei()
{
    return platform::dataFile(QStringLiteral("Zorbeln.lock"));
}

platform::InstanceLockState datenordnerSperren()
{
    auto& sperre = datenordnerSperre();
    sperre.reset();
    sperre = std::make_unique<platform::InstanceLock>(sperrdatei());
    return sperre->state();
}

void datenordnerFreigeben()
{
    datenordnerSperre().reset();
}

QString zweiterStartMeldung()
{
    return QStringLiteral("Zorbel-Master läuft bereits mit dem Datenverzeichnis\n%1\n\n"
                          "Zwei laufende Programme würden sich gegenseitig die Einstellungen "
                          "überschreiben. Bitte benutzen Sie das Fenster, das schon geöffnet "
                          "ist.")
        .arg(QDir::toNativeSeparators(Datenordner));
}

QString hilfeFehltMeldung(const QString& hilfedatei)
{
    // A message box on this platform breaks a line only at a line feed: the carriage return
    // alone would glue the path to the text.
    return QStringLiteral("Hilfe-Datei nicht gefunden\r\n") + hilfedatei;
}

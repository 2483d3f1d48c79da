#include "core/base/hauptfensterwerte.h"

#include "platform/base/conventions.h"
#include "platform/base/shell.h"

#include <QDir>

QString deutscherWochentag(const QDate& datum)
{
    const int tag = datum.dayOfWeek(); // 1 = Monday
    if (tag < 1 || tag > 7)
        return {};
    return platform::weekdayName(tag);
}

QString titelText(const QDate& heute, const QString& version)
{
    return QStringLiteral("Zorbel-Master V") + QStringLiteral("  ") + version +
           QStringLiteral("      -      ") + QStringLiteral("Heute ist ") + QStringLiteral(" ") +
           deutscherWochentag(heute) + QStringLiteral(" ") + QStringLiteral("der") +
           QStringLiteral("  ") + heute.toString(QStringLiteral("dd.MM.yyyy"));
}

QString statusText(const QDate& heute, const QString& version)
{
    return QStringLiteral(
               "Zorbel-Master %1  \u00b7  Spieler zuf\u00e4llig an die Tische verteilen  "
               "\u00b7  \u00a9 %2 Zorbel-Master")
        .arg(version)
        .arg(heute.year(), 4, 10, QLatin1Char('0'));
}

int taskleisteZahl(int left, int top, int right, int bottom)
{
    const QString rechteck =
        QStringLiteral(" (%1, %2);(%3, %4) ").arg(left).arg(top).arg(right).arg(bottom);
    QString teil = rechteck.mid(5, 4);
    teil.replace(QLatin1Char(')'), QLatin1Char(' '));
    teil = teil.trimmed();
    int zahl = 0;
    for (const QChar c : teil) {
        if (c < QLatin1Char('0') || c > QLatin1Char('9'))
            break;
        zahl = zahl * 10 + (c.unicode() - '0');
    }
    return zahl;
}

int taskleistenHoehe(int bildschirmHoehe, int left, int top, int right, int bottom)
{
    return bildschirmHoehe - taskleisteZahl(left, top, right, bottom);
}

QRect bildPlatz(const QRect& entwurf, const QRect& frei)
{
    if (frei.contains(entwurf) || entwurf.isEmpty() || frei.isEmpty())
        return entwurf;
    const QSize groesse = entwurf.size().boundedTo(frei.size());
    QRect platz(QPoint(0, 0), entwurf.size().scaled(groesse, Qt::KeepAspectRatio));
    platz.moveCenter(frei.center());
    return platz;
}

QString updateMeldung(int ergebnis, const QString& programm)
{
    if (ergebnis == platform::kShellZugriffVerweigert)
        return QStringLiteral("Die Datei \"%1\" kann nicht gestartet werden: Sie ist nicht als "
                              "ausführbares Programm gekennzeichnet.")
            .arg(QDir::toNativeSeparators(programm));
    return updateMeldung(ergebnis);
}

QString updateMeldung(int ergebnis)
{
    switch (ergebnis) {
    case 0:
        return QStringLiteral(
            "Zuwenig Speicher, ausführbare Datei war zerstört, Relokationswerte waren ungültig");
    case 2:
        return QStringLiteral("Datei wurde nicht gefunden.");
    case 3:
        return QStringLiteral("Verzeichnis wurde nicht gefunden.");
    case 5:
        return QStringLiteral(
            "Fehler beim gemeinsamen Zugriff auf eine Datei im Netz oder Fehler beim Zugriff "
            "auf eine gesperrte Datei im Netz.");
    case 6:
        return QStringLiteral("Bibliothek forderte separate Datensegmente für jede Task an.");
    case 8:
        return QStringLiteral("Zuwenig Speicher, um die Anwendung zu starten.");
    case 10:
        return QStringLiteral("Falsche Windows-Version.");
    case 11:
        return QStringLiteral(
            "Ungültige ausführbare Datei. Entweder keine Windows-Anwendung oder Fehler in der "
            "EXE-Datei.");
    case 12:
        return QStringLiteral("Anwendung für ein anderes Betriebssystem.");
    case 13:
        return QStringLiteral("Anwendung für MS-DOS 4.0.");
    case 14:
        return QStringLiteral("Typ der ausführbaren Datei unbekannt.");
    case 15:
        return QStringLiteral(
            "Versuch, eine Real-Mode-Anwendung (für eine frühere Windows-Version) zu laden.");
    case 16:
        return QStringLiteral(
            "Versuch, eine zweite Instanz einer ausführbaren Datei mit mehreren Datensegmenten, "
            "die nicht als nur lesbar gekennzeichnet waren, zu laden.");
    case 19:
        return QStringLiteral(
            "Versuch, eine komprimierte ausführbare Datei zu laden. Die Datei muß dekomprimiert "
            "werden, bevor sie geladen werden kann.");
    case 20:
        return QStringLiteral(
            "Ungültige dynamische Linkbibliothek (DLL). Eine der DLLs, die benötigt wurde, um die "
            "Anwendung auszuführen, war beschädigt.");
    case 21:
        return QStringLiteral("Anwendung benötigt Windows-32-Bit-Erweiterungen.");
    default:
        return {};
    }
}

QString websiteFrage()
{
    return QStringLiteral("  Im Internet finden Sie immer die neusten Versionen  \n"
                          "  all unserer Programme zum sofortigen Download.       \n"
                          "  Sie können von hier aus direkt ins Internet wechseln, \n"
                          "  um nach neuen Updates zu schauen.                   \n"
                          "\n"
                          "  Möchten Sie jetzt unsere Website aufrufen?         \n");
}

QString websiteAdresse()
{
    return QStringLiteral("https://www.zorbel-master.de/");
}

QString websiteFehler(const QString& adresse)
{
    return QStringLiteral(
               "Die Website konnte nicht geöffnet werden, weil kein Browser gestartet werden "
               "konnte.\n\nBitte rufen Sie die Adresse in Ihrem Browser selbst auf:\n%1")
        .arg(adresse);
}

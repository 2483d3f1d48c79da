#include "draw/logic/pool.h"

#include "draw/logic/auswahldatei.h"
#include "platform/base/cp1252.h"
#include "platform/base/savefile.h"
#include "platform/base/typedfile.h"
#include "platform/ui/messages.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <cerrno>

std::int32_t Auswahlanzahl = 0;
std::int32_t Poolanzahl = 0;

QString pool_eintrag(const QString& vorname, const QString& name)
{
    return vorname + QLatin1Char(' ') + name;
}

QByteArray pool_bytes(const QStringList& eintraege)
{
    QByteArray bytes;
    for (const QString& eintrag : eintraege) {
        bytes += platform::toCp1252(eintrag);
        bytes += "\r\n";
    }
    return bytes;
}

namespace
{

QString lesefehler(const QString& pfad, const QString& grund)
{
    return QStringLiteral("Die Datei \"%1\" konnte nicht gelesen werden.\nGrund: %2\n\n"
                          "Es wurden keine Spieler ausgelost.")
        .arg(QDir::toNativeSeparators(QFileInfo(pfad).absoluteFilePath()), grund);
}

void lesefehlerZeigen(const QString& pfad, int fehler)
{
    platform::showMessage(lesefehler(pfad, platform::systemErrorText(fehler)),
                          platform::Buttons::Ok, platform::Icon::Error);
}

// Opens an existing file for reading; on failure shows the message and returns false.
bool zumLesenOeffnen(QFile& datei)
{
    if (QFileInfo(datei.fileName()).isDir()) {
        lesefehlerZeigen(datei.fileName(), EISDIR);
        return false;
    }
    errno = 0;
    if (!datei.open(QIODevice::ReadOnly)) {
        lesefehlerZeigen(datei.fileName(), errno != 0 ? errno : EACCES);
        return false;
    }
    return true;
}

} // namespace

PoolStatus StrList()
{
    const QString auswahl = auswahldatei2();
    if (!QFileInfo::exists(auswahl))
        return PoolStatus::KeineAuswahl;

    // A selection that exists but cannot be read must not turn into an empty draw that
    // overwrites the stored seating.
    QFile auswahlDatei(auswahl);
    if (!zumLesenOeffnen(auswahlDatei))
        return PoolStatus::Lesefehler;
    const QList<TAuswahlRec> records =
        platform::recordsFromBytes<TAuswahlRec>(auswahlDatei.readAll());
    QStringList eintraege;
    eintraege.reserve(records.size());
    for (const TAuswahlRec& rec : records)
        eintraege.append(pool_eintrag(rec.Vorname.str(), rec.Name.str()));

    const QString poolPfad = QDir::current().absoluteFilePath(kPoolDatei);
    const platform::WriteResult geschrieben =
        platform::writeFileAtomic(poolPfad, pool_bytes(eintraege));
    if (!geschrieben.ok) {
        platform::showMessage(platform::saveFailedMessage(poolPfad, geschrieben.reason) +
                                  QStringLiteral("\nEs wurden keine Spieler ausgelost."),
                              platform::Buttons::Ok, platform::Icon::Error);
        return PoolStatus::Schreibfehler;
    }
    Auswahlanzahl = static_cast<std::int32_t>(records.size());
    Poolanzahl = static_cast<std::int32_t>(eintraege.size());
    return PoolStatus::Neu;
}

namespace
{

// Lines end at CR LF, LF or CR; text after the last line end is a line of its own.
QStringList zeilenTrennen(const QString& text)
{
    QStringList zeilen;
    qsizetype anfang = 0;
    const qsizetype laenge = text.size();
    for (qsizetype i = 0; i < laenge; ++i) {
        const QChar c = text.at(i);
        if (c != QLatin1Char('\r') && c != QLatin1Char('\n'))
            continue;
        zeilen.append(text.mid(anfang, i - anfang));
        if (c == QLatin1Char('\r') && i + 1 < laenge && text.at(i + 1) == QLatin1Char('\n'))
            ++i;
        anfang = i + 1;
    }
    if (anfang < laenge)
        zeilen.append(text.mid(anfang));
    return zeilen;
}

} // namespace

bool pool_laden(QStringList& zeilen)
{
    QFile datei(kPoolDatei);
    if (!datei.exists()) {
        // No selection has been saved yet: tell the organiser what to do first.
        platform::showMessage(lesefehler(kPoolDatei, platform::systemErrorText(ENOENT)) +
                                  QStringLiteral("\nBitte zuerst die Spieler auswählen und mit "
                                                 "\"Auswahl speichern\" übernehmen."),
                              platform::Buttons::Ok, platform::Icon::Error);
        return false;
    }
    if (!zumLesenOeffnen(datei))
        return false;
    zeilen = zeilenTrennen(platform::fromCp1252(datei.readAll()));
    return true;
}

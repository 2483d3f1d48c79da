#include "draw/logic/pool.h"

#include "draw/logic/auswahldatei.h"
#include "platform/base/cp1252.h"
#include "platform/base/fileresult.h"
#include "platform/base/savefile.h"
#include "platform/base/typedfile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <cerrno>

std::int32_t Auswahlanzahl = 0;
std::int32_t Poolanzahl = 0;

QString poolEintrag(const QString& vorname, const QString& name)
{
    // A line break inside a stored name would split one record into two pool lines and shift
    // every later line away from its record.
    return platform::controlCharactersAsBlanks(vorname + QLatin1Char(' ') + name);
}

QByteArray poolBytes(const QStringList& eintraege)
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

const QString kNichtsGezogen = QStringLiteral("Es wurden keine Spieler ausgelost.");

platform::Message lesefehler(const platform::FileResult& gelesen, const QString& folge = {})
{
    return platform::errorMessage(platform::fileErrorMessage(gelesen, folge));
}

} // namespace

PoolStatus StrList(QList<platform::Message>& meldungen)
{
    // A selection that exists but cannot be read must not turn into an empty draw that
    // overwrites the stored seating.
    const platform::ReadResult auswahl = platform::readFile(auswahldatei2());
    if (auswahl.missing)
        return PoolStatus::KeineAuswahl;
    if (!auswahl.ok) {
        meldungen.append(lesefehler(auswahl, kNichtsGezogen));
        return PoolStatus::Lesefehler;
    }
    const QList<TAuswahlRec> records = platform::recordsFromBytes<TAuswahlRec>(auswahl.bytes);
    QStringList eintraege;
    eintraege.reserve(records.size());
    for (const TAuswahlRec& rec : records)
        eintraege.append(poolEintrag(rec.Vorname.str(), rec.Name.str()));

    const QString poolPfad = QDir::current().absoluteFilePath(kPoolDatei);
    const platform::WriteResult geschrieben =
        platform::writeFileAtomic(poolPfad, poolBytes(eintraege));
    if (!geschrieben.ok) {
        meldungen.append(
            platform::errorMessage(platform::fileErrorMessage(geschrieben, kNichtsGezogen)));
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

bool poolLaden(QStringList& zeilen, QList<platform::Message>& meldungen)
{
    const platform::ReadResult pool =
        platform::readFile(QDir::current().absoluteFilePath(kPoolDatei));
    if (pool.missing) {
        // No selection has been saved yet: tell the organiser what to do first.
        platform::FileResult fehlt = pool;
        fehlt.fail(ENOENT);
        meldungen.append(
            lesefehler(fehlt, kNichtsGezogen + QStringLiteral("\nBitte zuerst die Spieler "
                                                              "auswählen und mit \"Auswahl "
                                                              "speichern\" übernehmen.")));
        return false;
    }
    if (!pool.ok) {
        meldungen.append(lesefehler(pool, kNichtsGezogen));
        return false;
    }
    zeilen = zeilenTrennen(platform::fromCp1252(pool.bytes));
    return true;
}

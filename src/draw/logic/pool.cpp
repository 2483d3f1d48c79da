#include "draw/logic/pool.h"

#include "draw/logic/auswahldatei.h"
#include "platform/base/cp1252.h"
#include "platform/base/fileresult.h"
#include "platform/base/savefile.h"
#include "platform/base/textlines.h"
#include "platform/base/typedfile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <cerrno>

std::int32_t Auswahlanzahl = 0;
std::int32_t Poolanzahl = 0;

namespace
{

const QString kNichtsGezogen = QStringLiteral("Es wurden keine Spieler ausgelost.");

platform::Message lesefehler(const platform::FileResult& gelesen, const QString& folge = {})
{
    return platform::errorMessage(platform::fileErrorMessage(gelesen, folge));
}

// The pool line of one selection record: Vorname, one blank, Name. A line break inside a
// stored name would split one record into two pool lines and shift every later line away from
// its record, so control characters become blanks.
QString poolEintrag(const TAuswahlRec& rec)
{
    return platform::controlCharactersAsBlanks(rec.Vorname.str() + QLatin1Char(' ') +
                                               rec.Name.str());
}

// The pool file of the records: each entry in Windows-1252 followed by CR LF, the last one
// included.
QByteArray poolBytes(const QList<TAuswahlRec>& records)
{
    QByteArray bytes;
    for (const TAuswahlRec& rec : records) {
        bytes += platform::toCp1252(poolEintrag(rec));
        bytes += "\r\n";
    }
    return bytes;
}

} // namespace

platform::Read<std::int32_t> StrList()
{
    platform::Read<std::int32_t> pool;
    // A selection that exists but cannot be read must not turn into an empty draw that
    // overwrites the stored seating.
    const platform::Read<QByteArray> auswahl = platform::readFile(auswahldatei2());
    pool.file = auswahl.file;
    pool.missing = auswahl.missing;
    if (auswahl.missing)
        return pool;
    if (!auswahl) {
        pool.messages.append(lesefehler(auswahl.file, kNichtsGezogen));
        return pool;
    }
    // A trailing partial record is not read.
    const QList<TAuswahlRec> records = platform::recordsFromBytes<TAuswahlRec>(auswahl.value);
    const QString poolPfad = QDir::current().absoluteFilePath(kPoolDatei);
    pool.file = platform::writeFileAtomic(poolPfad, poolBytes(records));
    if (!pool.file) {
        pool.messages.append(
            platform::errorMessage(platform::fileErrorMessage(pool.file, kNichtsGezogen)));
        return pool;
    }
    Auswahlanzahl = static_cast<std::int32_t>(records.size());
    Poolanzahl = static_cast<std::int32_t>(records.size());
    pool.value = Poolanzahl;
    return pool;
}

Poolzeilen::Poolzeilen(QByteArrayView bytes) : m_zeilen(platform::cp1252Lines(bytes)) {}

platform::Read<Poolzeilen> poolLaden()
{
    platform::Read<Poolzeilen> zeilen;
    const platform::Read<QByteArray> pool =
        platform::readFile(QDir::current().absoluteFilePath(kPoolDatei));
    zeilen.file = pool.file;
    if (pool.missing) {
        // No selection has been saved yet: tell the organiser what to do first.
        zeilen.file.fail(ENOENT);
        zeilen.messages.append(
            lesefehler(zeilen.file, kNichtsGezogen + QStringLiteral("\nBitte zuerst die Spieler "
                                                                    "auswählen und mit \"Auswahl "
                                                                    "speichern\" übernehmen.")));
        return zeilen;
    }
    if (!pool) {
        zeilen.messages.append(lesefehler(pool.file, kNichtsGezogen));
        return zeilen;
    }
    zeilen.value = Poolzeilen(pool.value);
    return zeilen;
}

#include "draw/logic/pool.h"

#include "draw/logic/auswahldatei.h"
#include "platform/base/cp1252.h"
#include "platform/base/fileresult.h"
#include "platform/base/savefile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <cerrno>
#include <cstring>

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

// The pool file built straight from the selection file's records: the same bytes as poolBytes
// of their poolEintrag texts, without decoding and encoding every name. A trailing partial
// record is left out, as reading the records leaves it out.
QByteArray poolBytesAusAuswahl(const QByteArray& auswahl)
{
    const qsizetype anzahl = auswahl.size() / qsizetype(sizeof(TAuswahlRec));
    QByteArray bytes;
    bytes.reserve(anzahl * (2 * 50 + 3));
    TAuswahlRec rec;
    for (qsizetype i = 0; i < anzahl; ++i) {
        std::memcpy(static_cast<void*>(&rec), auswahl.constData() + i * qsizetype(sizeof rec),
                    sizeof rec);
        platform::appendControlBytesAsBlanks(
            bytes, QByteArrayView(rec.Vorname.text, rec.Vorname.usedLength()));
        bytes += ' ';
        platform::appendControlBytesAsBlanks(bytes,
                                             QByteArrayView(rec.Name.text, rec.Name.usedLength()));
        bytes += "\r\n";
    }
    return bytes;
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
    const qsizetype anzahl = auswahl.bytes.size() / qsizetype(sizeof(TAuswahlRec));
    const QString poolPfad = QDir::current().absoluteFilePath(kPoolDatei);
    const platform::WriteResult geschrieben =
        platform::writeFileAtomic(poolPfad, poolBytesAusAuswahl(auswahl.bytes));
    if (!geschrieben.ok) {
        meldungen.append(
            platform::errorMessage(platform::fileErrorMessage(geschrieben, kNichtsGezogen)));
        return PoolStatus::Schreibfehler;
    }
    Auswahlanzahl = static_cast<std::int32_t>(anzahl);
    Poolanzahl = static_cast<std::int32_t>(anzahl);
    return PoolStatus::Neu;
}

namespace
{

// Lines end at CR LF, LF or CR; text after the last line end is a line of its own. No byte
// but CR and LF decodes to a line end, so the bytes are split before each line is decoded.
QStringList zeilenTrennen(const QByteArray& bytes)
{
    QStringList zeilen;
    const char* text = bytes.constData();
    const qsizetype laenge = bytes.size();
    qsizetype anfang = 0;
    for (qsizetype i = 0; i < laenge; ++i) {
        const char c = text[i];
        if (c != '\r' && c != '\n')
            continue;
        zeilen.append(platform::fromCp1252(text + anfang, i - anfang));
        if (c == '\r' && i + 1 < laenge && text[i + 1] == '\n')
            ++i;
        anfang = i + 1;
    }
    if (anfang < laenge)
        zeilen.append(platform::fromCp1252(text + anfang, laenge - anfang));
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
    zeilen = zeilenTrennen(pool.bytes);
    return true;
}

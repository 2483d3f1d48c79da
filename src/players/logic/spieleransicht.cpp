#include "players/logic/spieleransicht.h"

#include "draw/logic/auswahldatei.h"
#include "platform/base/typedfile.h"

QString ansichtNummer(int nummer)
{
    return QString::number(nummer).leftJustified(3, QLatin1Char(' '));
}

QString ansichtName(const QString& name)
{
    return name.leftJustified(30, QLatin1Char(' '));
}

TAnsichtLesung ansichtLesen(const QString& pfad)
{
    TAnsichtLesung lesung;
    const platform::ReadResult gelesen = platform::readFile(pfad);
    if (gelesen.missing) {
        lesung.dateiFehlt = true;
        return lesung;
    }
    if (!gelesen.ok) {
        lesung.meldungen.append(platform::errorMessage(platform::fileErrorMessage(gelesen)));
        return lesung;
    }
    // Record by record from the bytes read: a copy of all records would double the memory.
    const qsizetype anzahl = platform::recordCount<TAuswahlRec>(gelesen.bytes);
    lesung.zeilen.reserve(anzahl);
    // The name is decoded first (its length byte capped at the capacity), then padded by
    // characters: padding the stored bytes would count "ü" wrongly in other encodings.
    for (qsizetype i = 0; i < anzahl; ++i) {
        const TAuswahlRec rec = platform::recordAt<TAuswahlRec>(gelesen.bytes, i);
        lesung.zeilen.append({ansichtNummer(int(i) + 1), ansichtName(rec.Name.str())});
    }
    return lesung;
}

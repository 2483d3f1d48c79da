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

platform::Read<QList<AnsichtZeile>> ansichtLesen(const QString& pfad)
{
    platform::Read<QList<AnsichtZeile>> lesung;
    const platform::Read<QByteArray> gelesen = platform::readFile(pfad);
    lesung.file = gelesen.file;
    lesung.missing = gelesen.missing;
    if (gelesen.missing)
        return lesung;
    if (!gelesen) {
        lesung.messages.append(platform::errorMessage(platform::fileErrorMessage(gelesen.file)));
        return lesung;
    }
    const QList<TAuswahlRec> records = platform::recordsFromBytes<TAuswahlRec>(gelesen.value);
    lesung.value.reserve(records.size());
    int nummer = 0;
    // The name is decoded first (its length byte capped at the capacity), then padded by
    // characters: padding the stored bytes would count "ü" wrongly in other encodings.
    for (const TAuswahlRec& rec : records)
        lesung.value.append({ansichtNummer(++nummer), ansichtName(rec.Name.str())});
    return lesung;
}

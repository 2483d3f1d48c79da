#include "draw/logic/auswahldatei.h"

#include "platform/base/datafolder.h"
#include "platform/base/typedfile.h"

QString auswahldatei1()
{
    return platform::dataFile(kAuswahlDateiNichtGewaehlt);
}

QString auswahldatei2()
{
    return platform::dataFile(kAuswahlDateiGewaehlt);
}

QList<TAuswahlRec> auswahl_lesen(const QString& pfad)
{
    return platform::readRecords<TAuswahlRec>(pfad);
}

QStringList auswahl_namen_lesen(const QString& pfad)
{
    QStringList namen;
    const QList<TAuswahlRec> records = auswahl_lesen(pfad);
    namen.reserve(records.size());
    for (const TAuswahlRec& rec : records)
        namen.append(rec.Name.str());
    return namen;
}

TAuswahlRec auswahl_eintrag(const QString& eintrag)
{
    TAuswahlRec rec{};
    rec.Name.set(eintrag);
    return rec;
}

QByteArray auswahl_bytes(const QStringList& eintraege)
{
    QList<TAuswahlRec> records;
    records.reserve(eintraege.size());
    for (const QString& eintrag : eintraege)
        records.append(auswahl_eintrag(eintrag));
    return platform::recordsToBytes(records);
}

platform::WriteResult auswahl_schreiben(const QString& pfad, const QStringList& eintraege)
{
    return platform::writeFileAtomic(pfad, auswahl_bytes(eintraege));
}

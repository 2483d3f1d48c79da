#include "draw/logic/auswahldatei.h"

#include "platform/base/datafolder.h"
#include "platform/base/typedfile.h"

#include <QFileInfo>

QString auswahldatei1()
{
    return platform::dataFile(kAuswahlDateiNichtGewaehlt);
}

QString auswahldatei2()
{
    return platform::dataFile(kAuswahlDateiGewaehlt);
}

QList<TAuswahlRec> auswahlLesen(const QString& pfad)
{
    return platform::readRecords<TAuswahlRec>(pfad);
}

QStringList auswahlNamenLesen(const QString& pfad)
{
    QStringList namen;
    const QList<TAuswahlRec> records = auswahlLesen(pfad);
    namen.reserve(records.size());
    for (const TAuswahlRec& rec : records)
        namen.append(rec.Name.str());
    return namen;
}

TAuswahlRec auswahlEintrag(const QString& eintrag)
{
    TAuswahlRec rec{};
    rec.Name.set(eintrag);
    return rec;
}

QString auswahlDateiform(const QString& eintrag)
{
    return auswahlEintrag(eintrag).Name.str();
}

QByteArray auswahlBytes(const QStringList& eintraege)
{
    QList<TAuswahlRec> records;
    records.reserve(eintraege.size());
    for (const QString& eintrag : eintraege)
        records.append(auswahlEintrag(eintrag));
    return platform::recordsToBytes(records);
}

platform::WriteResult auswahlSchreiben(const QString& pfad, const QStringList& eintraege)
{
    const platform::WriteResult geschrieben =
        platform::writeFileAtomic(pfad, auswahlBytes(eintraege));
    if (geschrieben.ok)
        Auswahlmelder::instanz().dateienGeschrieben({pfad});
    return geschrieben;
}

Auswahlmelder& Auswahlmelder::instanz()
{
    static Auswahlmelder melder;
    return melder;
}

void Auswahlmelder::dateienGeschrieben(const QStringList& pfade)
{
    for (const QString& pfad : pfade)
        Q_EMIT auswahlGeschrieben(pfad);
}

bool Auswahlmelder::istAuswahldatei2(const QString& pfad)
{
    return QFileInfo(pfad).absoluteFilePath() == QFileInfo(auswahldatei2()).absoluteFilePath();
}

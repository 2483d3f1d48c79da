#pragma once

#include "common/testsupport.h"
#include "platform/base/cp1252.h"
#include "platform/base/typedfile.h"
#include "players/logic/adressverwaltung.h"

#include <QStringList>
#include <QTest>

// Helpers of the participant tests. File contents are written as one "Name|Vorname|Strasse"
// line per record.

inline TAdressRec testadresse(const QString& name, const QString& vorname,
                              const QString& strasse = {})
{
    AdressFelder felder;
    felder.name = name;
    felder.vorname = vorname;
    felder.strasse = strasse;
    return adresseAusFeldern(felder);
}

inline QList<TAdressRec> ausZeilen(const QStringList& zeilen)
{
    QList<TAdressRec> adressen;
    for (const QString& zeile : zeilen) {
        const QStringList teil = zeile.split(QLatin1Char('|'));
        adressen.append(testadresse(teil.value(0), teil.value(1), teil.value(2)));
    }
    return adressen;
}

inline QStringList dateiZeilen()
{
    QStringList zeilen;
    for (const TAdressRec& a : adressenLesen())
        zeilen.append(a.Name.str() + QLatin1Char('|') + a.Vorname.str() + QLatin1Char('|') +
                      a.Strasse.str());
    return zeilen;
}

inline bool dateiAnlegen(const QStringList& zeilen)
{
    return writeFileBytes(adressdateiPfad(), platform::recordsToBytes(ausZeilen(zeilen)));
}

inline QString langerText(int laenge, QChar zeichen = QLatin1Char('x'))
{
    return QString(laenge, zeichen);
}

// The last record whose list entry matches `listentext` in their comparison form, found by
// going through every record: what the participant window's look-up must find.
inline const TAdressRec* adresseZumListentext(const QList<TAdressRec>& adressen,
                                              const QString& listentext)
{
    const QByteArray gesucht = adresseVergleichsform(platform::toCp1252(listentext));
    const TAdressRec* treffer = nullptr;
    for (const TAdressRec& adresse : adressen) {
        const QByteArray eintrag = adresse.Name.bytes() + ", " + adresse.Vorname.bytes();
        if (adresseVergleichsform(eintrag) == gesucht)
            treffer = &adresse;
    }
    return treffer;
}

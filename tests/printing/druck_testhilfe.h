#pragma once

#include "common/testsupport.h"
#include "platform/base/typedfile.h"
#include "players/logic/adressverwaltung.h"

#include <QList>
#include <QString>

// `anzahl` participants with short, distinct surnames ("Nachname001" ...) that fit their
// column, and the other fields filled.
inline QList<TAdressRec> teilnehmer(int anzahl)
{
    QList<TAdressRec> adressen;
    for (int i = 1; i <= anzahl; ++i) {
        AdressFelder f;
        f.name = QStringLiteral("N%1").arg(i, 4, 10, QLatin1Char('0'));
        f.vorname = QStringLiteral("Jörg");
        f.strasse = QStringLiteral("Weg %1").arg(i);
        f.plzOrt = QStringLiteral("12345 Dorf");
        f.telefon = QStringLiteral("0301234");
        f.fax = QStringLiteral("0305678");
        f.mobil = QStringLiteral("0170111");
        f.email = QStringLiteral("s%1@ex.de").arg(i);
        adressen.append(adresseAusFeldern(f));
    }
    return adressen;
}

inline bool teilnehmerdateiSchreiben(const QList<TAdressRec>& adressen)
{
    return writeFileBytes(adressdateiPfad(), platform::recordsToBytes(adressen));
}

#include "players/logic/auswahlpaar.h"

#include "draw/logic/auswahldatei.h"
#include "players/logic/adressverwaltung.h"
#include "players/logic/auswahlregeln.h"

#include <QHash>

namespace
{

QHash<QString, int> anzahlJeName(const QStringList& eintraege)
{
    QHash<QString, int> anzahl;
    for (const QString& eintrag : eintraege)
        ++anzahl[auswahlDateiform(eintrag)];
    return anzahl;
}

bool paarStimmt(const QStringList& links, const QStringList& rechts, const QStringList& teilnehmer)
{
    const QHash<QString, int> l = anzahlJeName(links);
    const QHash<QString, int> r = anzahlJeName(rechts);
    const QHash<QString, int> t = anzahlJeName(teilnehmer);
    for (auto it = t.cbegin(); it != t.cend(); ++it) {
        if (l.value(it.key()) + r.value(it.key()) < it.value())
            return false; // a participant in neither list
    }
    for (auto it = r.cbegin(); it != r.cend(); ++it) {
        const int linksAnzahl = l.value(it.key());
        if (linksAnzahl > 0 && linksAnzahl + it.value() > t.value(it.key()))
            return false; // a name in both lists
    }
    return true;
}

} // namespace

AuswahlPaar auswahlPaarAbgleichen(const QStringList& links, const QStringList& rechts,
                                  const QStringList& teilnehmer)
{
    if (paarStimmt(links, rechts, teilnehmer))
        return {links, rechts, false};
    return {auswahlOhneGewaehlte(teilnehmer, rechts), rechts, true};
}

AuswahlPaar auswahlPaarLaden()
{
    QStringList teilnehmer;
    for (const TAdressRec& adresse : adressenPruefendLesen().value)
        teilnehmer.append(auswahlTeilnehmertext(adresse.Vorname.str(), adresse.Name.str()));
    return auswahlPaarAbgleichen(auswahlNamenLesen(auswahldatei1()),
                                 auswahlNamenLesen(auswahldatei2()), teilnehmer);
}

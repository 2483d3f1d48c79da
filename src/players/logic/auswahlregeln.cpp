#include "players/logic/auswahlregeln.h"

#include "draw/logic/auswahldatei.h"
#include "platform/base/conventions.h"

#include <QCollator>
#include <QHash>
#include <QLocale>
#include <algorithm>

std::optional<AuswahlRegel> auswahlRegel(int tische, int modus)
{
    if (tische < 2 || tische > 6)
        return std::nullopt;
    if (modus != kEinzelspiele && modus != kDoppelspiele)
        return std::nullopt;
    const int grenze = tische * (modus == kEinzelspiele ? 2 : 4);
    return AuswahlRegel{tische, grenze,
                        QStringLiteral("Für %1 Tische können %2 Spieler ausgewählt werden.")
                            .arg(tische)
                            .arg(grenze)};
}

QString auswahlGrenzueberschrift(int grenze)
{
    return QStringLiteral("Sie können nur ") + QString::number(grenze) +
           QStringLiteral(" Spieler auswählen");
}

QString auswahlStandardueberschrift()
{
    return QStringLiteral("Gruppen zusammenstellen");
}

QString auswahlTastenhinweis()
{
    return QStringLiteral("Für 2 Tische können nur 4 Spieler ausgewählt werden.");
}

QString auswahlTrimmen(const QString& text)
{
    qsizetype anfang = 0;
    qsizetype ende = text.size();
    while (anfang < ende && text.at(anfang).unicode() <= 0x20)
        ++anfang;
    while (ende > anfang && text.at(ende - 1).unicode() <= 0x20)
        --ende;
    return text.mid(anfang, ende - anfang);
}

QString auswahlTeilnehmertext(const QString& vorname, const QString& name)
{
    return auswahlTrimmen(vorname + QLatin1Char(' ') + auswahlTrimmen(name));
}

QStringList auswahlOhneGewaehlte(const QStringList& teilnehmer, const QStringList& gewaehlt)
{
    QHash<QString, int> offen;
    for (const QString& eintrag : gewaehlt)
        ++offen[auswahlDateiform(eintrag)];
    QStringList uebrig;
    for (const QString& eintrag : teilnehmer) {
        const auto stelle = offen.find(auswahlDateiform(eintrag));
        if (stelle != offen.end() && stelle.value() > 0) {
            --stelle.value();
            continue;
        }
        uebrig.append(eintrag);
    }
    return uebrig;
}

// A German program: umlauts sort with their letters whatever the machine's locale.
bool auswahlVor(const QString& a, const QString& b)
{
    return platform::textCollator().compare(a, b) < 0;
}

AuswahlMischung auswahlEinsortieren(const QStringList& sortiert, const QStringList& neu)
{
    // Inserted one by one, each after its equals, new entries that are equal keep the order
    // they came in: a stable sort of them, merged behind the equal entries already there.
    QStringList hinzu = neu;
    std::stable_sort(hinzu.begin(), hinzu.end(), auswahlVor);
    AuswahlMischung mischung;
    mischung.eintraege.reserve(sortiert.size() + hinzu.size());
    mischung.stellen.reserve(sortiert.size());
    qsizetype j = 0;
    for (const QString& alt : sortiert) {
        while (j < hinzu.size() && auswahlVor(hinzu.at(j), alt))
            mischung.eintraege.append(hinzu.at(j++));
        mischung.stellen.append(mischung.eintraege.size());
        mischung.eintraege.append(alt);
    }
    while (j < hinzu.size())
        mischung.eintraege.append(hinzu.at(j++));
    return mischung;
}

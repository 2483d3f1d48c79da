#include "players/logic/adressdatei.h"

#include "platform/base/datafolder.h"
#include "platform/base/typedfile.h"

#include <QCollator>
#include <QLocale>
#include <algorithm>
#include <cstring>
#include <numeric>
#include <vector>

TAdressRec leere_adresse()
{
    TAdressRec adresse;
    std::memset(static_cast<void*>(&adresse), 0, sizeof adresse);
    return adresse;
}

QString adressdatei_pfad()
{
    return platform::dataFile(QStringLiteral("Adressen.adr"));
}

QList<TAdressRec> adressen_lesen()
{
    return platform::readRecords<TAdressRec>(adressdatei_pfad());
}

QString adresse_listentext(const TAdressRec& adresse)
{
    return adresse.Name.str() + QStringLiteral(", ") + adresse.Vorname.str();
}

QStringList adresse_listentexte(const QList<TAdressRec>& adressen)
{
    QStringList texte;
    texte.reserve(adressen.size());
    for (const TAdressRec& adresse : adressen)
        texte.append(adresse_listentext(adresse));
    return texte;
}

void adress_listentexte_sortieren(QStringList& texte)
{
    // German collation, case ignored, the way the sorted list boxes of Windows order names.
    // Sort keys are built once per entry: a list of ten thousand names sorts in a blink.
    QCollator collator{QLocale(QLocale::German, QLocale::Germany)};
    collator.setCaseSensitivity(Qt::CaseInsensitive);
    std::vector<QCollatorSortKey> schluessel;
    schluessel.reserve(size_t(texte.size()));
    for (const QString& text : texte)
        schluessel.push_back(collator.sortKey(text));
    std::vector<qsizetype> reihenfolge(size_t(texte.size()));
    std::iota(reihenfolge.begin(), reihenfolge.end(), qsizetype(0));
    std::stable_sort(reihenfolge.begin(), reihenfolge.end(),
                     [&schluessel](qsizetype a, qsizetype b) {
                         return schluessel[size_t(a)].compare(schluessel[size_t(b)]) < 0;
                     });
    QStringList sortiert;
    sortiert.reserve(texte.size());
    for (qsizetype i : reihenfolge)
        sortiert.append(texte.at(i));
    texte = std::move(sortiert);
}

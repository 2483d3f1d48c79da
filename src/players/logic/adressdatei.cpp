#include "players/logic/adressdatei.h"

#include "platform/base/datafolder.h"
#include "platform/base/typedfile.h"

#include <QCollator>
#include <QLocale>
#include <algorithm>
#include <cstring>
#include <numeric>
#include <vector>

TAdressRec leereAdresse()
{
    TAdressRec adresse;
    std::memset(static_cast<void*>(&adresse), 0, sizeof adresse);
    return adresse;
}

QString adressdateiPfad()
{
    return platform::dataFile(QStringLiteral("Adressen.adr"));
}

QList<TAdressRec> adressenLesen()
{
    return platform::readRecords<TAdressRec>(adressdateiPfad());
}

QString adresseListentext(const TAdressRec& adresse)
{
    return adresse.Name.str() + QStringLiteral(", ") + adresse.Vorname.str();
}

QStringList adresseListentexte(const QList<TAdressRec>& adressen)
{
    QStringList texte;
    texte.reserve(adressen.size());
    for (const TAdressRec& adresse : adressen)
        texte.append(adresseListentext(adresse));
    return texte;
}

void adressListentexteSortieren(QStringList& texte)
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

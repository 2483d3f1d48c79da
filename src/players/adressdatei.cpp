#include "adressdatei.h"

#include "platform/datafolder.h"
#include "platform/typedfile.h"

#include <QCollator>
#include <QLocale>
#include <algorithm>
#include <cstring>

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
    QCollator collator{QLocale(QLocale::German, QLocale::Germany)};
    collator.setCaseSensitivity(Qt::CaseInsensitive);
    std::stable_sort(texte.begin(), texte.end(), [&collator](const QString& a, const QString& b) {
        return collator.compare(a, b) < 0;
    });
}

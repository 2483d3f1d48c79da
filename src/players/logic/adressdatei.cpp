#include "players/logic/adressdatei.h"

#include "platform/base/conventions.h"
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

namespace
{

bool schluesselVor(const QCollatorSortKey& a, const QCollatorSortKey& b)
{
    return a.compare(b) < 0;
}

} // namespace

// The program's text order (German, case ignored), the way the sorted list boxes of Windows
// order names. Sort keys are built once per entry and dropped after sorting: a list of ten
// thousand names sorts in a blink, and the keys would take more memory than the names.
SortierteAdressliste::SortierteAdressliste(const QStringList& texte)
{
    std::vector<qsizetype> reihenfolge(size_t(texte.size()));
    std::iota(reihenfolge.begin(), reihenfolge.end(), qsizetype(0));
    {
        const QCollator& collator = platform::textCollator();
        std::vector<QCollatorSortKey> schluessel;
        schluessel.reserve(size_t(texte.size()));
        for (const QString& text : texte)
            schluessel.push_back(collator.sortKey(text));
        std::stable_sort(reihenfolge.begin(), reihenfolge.end(),
                         [&schluessel](qsizetype a, qsizetype b) {
                             return schluesselVor(schluessel[size_t(a)], schluessel[size_t(b)]);
                         });
    }
    m_texte.reserve(texte.size());
    for (qsizetype i : reihenfolge)
        m_texte.append(texte.at(i));
}

// One entry finds its place with a few comparisons; they order as the sort keys do.
qsizetype SortierteAdressliste::einfuegen(const QString& text)
{
    const QCollator collator = platform::textCollator();
    const auto stelle = std::upper_bound(
        m_texte.cbegin(), m_texte.cend(), text,
        [&collator](const QString& a, const QString& b) { return collator.compare(a, b) < 0; });
    const qsizetype zeile = stelle - m_texte.cbegin();
    m_texte.insert(zeile, text);
    return zeile;
}

qsizetype SortierteAdressliste::entfernen(const QString& text)
{
    const QCollator collator = platform::textCollator();
    const auto [von, bis] = std::equal_range(
        m_texte.cbegin(), m_texte.cend(), text,
        [&collator](const QString& a, const QString& b) { return collator.compare(a, b) < 0; });
    for (auto stelle = von; stelle != bis; ++stelle) {
        if (*stelle == text) {
            const qsizetype zeile = stelle - m_texte.cbegin();
            m_texte.removeAt(zeile);
            return zeile;
        }
    }
    return -1;
}

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
// order names.
void adressListentexteSortieren(QStringList& texte)
{
    texte = SortierteAdressliste(texte).texte();
}

// Sort keys are built once per entry: a list of ten thousand names sorts in a blink.
SortierteAdressliste::SortierteAdressliste(const QStringList& texte)
{
    const QCollator& collator = platform::textCollator();
    std::vector<QCollatorSortKey> schluessel;
    schluessel.reserve(size_t(texte.size()));
    for (const QString& text : texte)
        schluessel.push_back(collator.sortKey(text));
    std::vector<qsizetype> reihenfolge(size_t(texte.size()));
    std::iota(reihenfolge.begin(), reihenfolge.end(), qsizetype(0));
    std::stable_sort(reihenfolge.begin(), reihenfolge.end(),
                     [&schluessel](qsizetype a, qsizetype b) {
                         return schluesselVor(schluessel[size_t(a)], schluessel[size_t(b)]);
                     });
    m_texte.reserve(texte.size());
    m_schluessel.reserve(schluessel.size());
    for (qsizetype i : reihenfolge) {
        m_texte.append(texte.at(i));
        m_schluessel.push_back(schluessel[size_t(i)]);
    }
}

qsizetype SortierteAdressliste::einfuegen(const QString& text)
{
    const QCollatorSortKey schluessel = platform::textCollator().sortKey(text);
    const auto stelle =
        std::upper_bound(m_schluessel.begin(), m_schluessel.end(), schluessel, schluesselVor);
    const qsizetype zeile = stelle - m_schluessel.begin();
    m_schluessel.insert(stelle, schluessel);
    m_texte.insert(zeile, text);
    return zeile;
}

qsizetype SortierteAdressliste::entfernen(const QString& text)
{
    const QCollatorSortKey schluessel = platform::textCollator().sortKey(text);
    const auto [von, bis] =
        std::equal_range(m_schluessel.begin(), m_schluessel.end(), schluessel, schluesselVor);
    for (auto stelle = von; stelle != bis; ++stelle) {
        const qsizetype zeile = stelle - m_schluessel.begin();
        if (m_texte.at(zeile) == text) {
            m_schluessel.erase(stelle);
            m_texte.removeAt(zeile);
            return zeile;
        }
    }
    return -1;
}

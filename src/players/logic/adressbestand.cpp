#include "players/logic/adressbestand.h"

#include "platform/base/cp1252.h"

#include <utility>

namespace
{

// adresseVergleichsform of the record's list entry, "Name, Vorname" as stored.
QByteArray listentextform(const TAdressRec& adresse)
{
    return adresseVergleichsform(adresse.Name.bytes() + ", " + adresse.Vorname.bytes());
}

} // namespace

platform::FileResult Adressbestand::laden()
{
    // The stamp is taken first: a change during the read shows as a change at the next check.
    const platform::FileStampBeforeRead vorher = platform::fileStampBeforeRead(adressdateiPfad());
    m_stempel = vorher.stamp;
    m_stempelSicher = vorher.settled;
    platform::Read<QList<TAdressRec>> lesung = adressenPruefendLesen();
    m_gelesen = lesung.file.ok;
    m_adressen = std::move(lesung.value);
    indexAufbauen();
    return lesung.file;
}

platform::FileResult Adressbestand::aktualisieren(bool* neuGelesen)
{
    const bool veraltet =
        !m_gelesen || !m_stempelSicher || platform::fileStamp(adressdateiPfad()) != m_stempel;
    if (neuGelesen)
        *neuGelesen = veraltet;
    if (veraltet)
        return laden();
    return {};
}

QStringList Adressbestand::listentexte() const
{
    return adresseListentexte(m_adressen);
}

// Later records of the same entry take the place of earlier ones: the last one is kept.
void Adressbestand::indexAufbauen()
{
    m_letzteZumText.clear();
    m_letzteZumText.reserve(m_adressen.size());
    for (qsizetype i = 0; i < m_adressen.size(); ++i)
        m_letzteZumText.insert(listentextform(m_adressen.at(i)), i);
}

std::optional<TAdressRec> Adressbestand::zumListentext(const QString& listentext) const
{
    const auto treffer =
        m_letzteZumText.constFind(adresseVergleichsform(platform::toCp1252(listentext)));
    if (treffer == m_letzteZumText.cend())
        return std::nullopt;
    return m_adressen.at(treffer.value());
}

// The file now holds what memory holds.
void Adressbestand::geschrieben()
{
    m_stempel = platform::fileStamp(adressdateiPfad());
    m_stempelSicher = true;
    indexAufbauen();
}

Adressbestand::Erfassung Adressbestand::erfassen(const TAdressRec& neu, const QString& name,
                                                 const QString& vorname)
{
    Erfassung erfassung;
    if (adresseOhneNamen(neu))
        return erfassung;
    const platform::FileResult gelesen = aktualisieren(&erfassung.neuGelesen);
    if (!gelesen) {
        erfassung.datei = gelesen;
        return erfassung;
    }
    const AdressFund fund = adresse_pruefen(m_adressen, name, vorname);
    // The records are changed in place and written from memory; a failed write puts them back.
    std::optional<TAdressRec> ersetzt;
    if (fund.gefunden)
        ersetzt = m_adressen.takeAt(fund.position - 1);
    m_adressen.append(neu);
    erfassung.datei = adressenSchreiben(m_adressen);
    if (!erfassung.datei) {
        m_adressen.removeLast();
        if (ersetzt)
            m_adressen.insert(fund.position - 1, *ersetzt);
        return erfassung;
    }
    geschrieben();
    erfassung.geschrieben = true;
    if (ersetzt)
        erfassung.entfernt = adresseListentext(*ersetzt);
    erfassung.neu = adresseListentext(neu);
    return erfassung;
}

platform::WriteResult Adressbestand::loeschen(const AdressFund& fund)
{
    if (!fund.gefunden || fund.position < 1 || fund.position > m_adressen.size())
        return {};
    const TAdressRec entfernt = m_adressen.takeAt(fund.position - 1);
    const platform::WriteResult ergebnis = adressenSchreiben(m_adressen);
    if (!ergebnis) {
        m_adressen.insert(fund.position - 1, entfernt);
        return ergebnis;
    }
    geschrieben();
    return ergebnis;
}

#include "players/logic/adressbestand.h"

#include "platform/base/cp1252.h"
#include "platform/base/savefile.h"
#include "platform/base/typedfile.h"
#include "players/logic/adressverwaltung.h"

#include <cstring>

namespace
{

// adresseVergleichsform of "Name, Vorname", put together on the stack: it runs for every record
// after each read and save.
QByteArray listentextform(const TAdressRec& adresse)
{
    char text[2 * 255 + 2];
    const int name = adresse.Name.usedLength();
    const int vorname = adresse.Vorname.usedLength();
    std::memcpy(text, adresse.Name.text, size_t(name));
    std::memcpy(text + name, ", ", 2);
    std::memcpy(text + name + 2, adresse.Vorname.text, size_t(vorname));
    return adresseVergleichsform(QByteArrayView(text, name + 2 + vorname));
}

} // namespace

platform::ReadResult Adressbestand::laden()
{
    // The stamp is taken first: a change during the read shows as a change at the next check.
    const platform::FileStampBeforeRead vorher = platform::fileStampBeforeRead(adressdateiPfad());
    m_stempel = vorher.stamp;
    m_stempelSicher = vorher.settled;
    AdressLesung lesung = adressenPruefendLesen();
    m_gelesen = lesung.datei.ok;
    m_adressen = std::move(lesung.adressen);
    indexAufbauen();
    return lesung.datei;
}

platform::ReadResult Adressbestand::aktualisieren(bool* neuGelesen)
{
    const bool veraltet =
        !m_gelesen || !m_stempelSicher || platform::fileStamp(adressdateiPfad()) != m_stempel;
    if (neuGelesen)
        *neuGelesen = veraltet;
    if (veraltet)
        return laden();
    return {};
}

void Adressbestand::indexAufbauen()
{
    m_letzteZumText.clear();
    m_letzteZumText.reserve(m_adressen.size());
    for (qsizetype i = 0; i < m_adressen.size(); ++i)
        m_letzteZumText.insert(listentextform(m_adressen.at(i)), i);
}

const TAdressRec* Adressbestand::zumListentext(const QString& listentext) const
{
    const auto treffer =
        m_letzteZumText.constFind(adresseVergleichsform(platform::toCp1252(listentext)));
    return treffer == m_letzteZumText.cend() ? nullptr : &m_adressen.at(treffer.value());
}

Adressbestand::Erfassung Adressbestand::erfassen(const TAdressRec& neu, const QString& name,
                                                 const QString& vorname)
{
    Erfassung erfassung;
    if (adresseOhneNamen(neu))
        return erfassung;
    const platform::ReadResult gelesen = aktualisieren(&erfassung.neuGelesen);
    if (!gelesen) {
        erfassung.datei = gelesen;
        return erfassung;
    }
    const AdressFund fund = adresse_pruefen(m_adressen, name, vorname);
    std::optional<TAdressRec> ersetzt;
    if (fund.gefunden)
        ersetzt = m_adressen.takeAt(fund.position - 1);
    m_adressen.append(neu);
    // The records lie in memory exactly as in the file: they are written without a copy.
    const QByteArray bytes =
        QByteArray::fromRawData(reinterpret_cast<const char*>(m_adressen.constData()),
                                m_adressen.size() * qsizetype(sizeof(TAdressRec)));
    erfassung.datei = platform::writeFileAtomic(adressdateiPfad(), bytes);
    if (!erfassung.datei) {
        m_adressen.removeLast();
        if (ersetzt)
            m_adressen.insert(fund.position - 1, *ersetzt);
        return erfassung;
    }
    m_stempel = platform::fileStamp(adressdateiPfad());
    m_stempelSicher = true;
    indexAufbauen();
    erfassung.geschrieben = true;
    if (ersetzt)
        erfassung.entfernt = adresseListentext(*ersetzt);
    erfassung.neu = adresseListentext(neu);
    return erfassung;
}

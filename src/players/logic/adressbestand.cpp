#include "players/logic/adressbestand.h"

#include "platform/base/cp1252.h"
#include "players/logic/adressverwaltung.h"

#include <QHash>
#include <algorithm>
#include <cstring>

namespace
{

// "Name, Vorname" as stored, put together in `puffer`: it runs for every record after each
// read.
QByteArrayView listentextBytes(const KompakteAdressen::Namen& namen, char (&puffer)[2 * 255 + 2])
{
    const qsizetype name = namen.name.size();
    const qsizetype vorname = namen.vorname.size();
    std::memcpy(puffer, namen.name.data(), size_t(name));
    std::memcpy(puffer + name, ", ", 2);
    std::memcpy(puffer + name + 2, namen.vorname.data(), size_t(vorname));
    return QByteArrayView(puffer, name + 2 + vorname);
}

// adresseVergleichsform of the record's list entry.
QByteArray listentextform(const KompakteAdressen::Namen& namen)
{
    char puffer[2 * 255 + 2];
    return adresseVergleichsform(listentextBytes(namen, puffer));
}

quint32 streuwert(const QByteArray& form)
{
    const size_t h = qHash(QByteArrayView(form), 0);
    return quint32(h ^ (quint64(h) >> 32));
}

} // namespace

platform::ReadResult Adressbestand::laden()
{
    // The stamp is taken first: a change during the read shows as a change at the next check.
    const platform::FileStampBeforeRead vorher = platform::fileStampBeforeRead(adressdateiPfad());
    m_stempel = vorher.stamp;
    m_stempelSicher = vorher.settled;
    m_adressen = {};
    m_index = {};
    // Read in parts of whole records and packed part by part: the file's content (960 bytes
    // for each participant) is never held whole.
    constexpr qsizetype kSaetzeJeTeil = 256;
    platform::ReadResult gelesen = platform::readFileInParts(
        adressdateiPfad(), kSaetzeJeTeil * qsizetype(sizeof(TAdressRec)),
        [this](QByteArrayView teil) { m_adressen.saetzeAnhaengen(teil); });
    m_gelesen = gelesen.ok;
    if (!gelesen.ok)
        m_adressen = {};
    indexAufbauen();
    return gelesen;
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

QStringList Adressbestand::listentexte() const
{
    QStringList texte;
    texte.reserve(m_adressen.size());
    char puffer[2 * 255 + 2];
    for (qsizetype i = 0; i < m_adressen.size(); ++i) {
        const QByteArrayView text = listentextBytes(m_adressen.namen(i), puffer);
        texte.append(platform::fromCp1252(text.data(), text.size()));
    }
    return texte;
}

Adressbestand::Verweis Adressbestand::verweis(qsizetype index) const
{
    return {streuwert(listentextform(m_adressen.namen(index))), quint32(index)};
}

void Adressbestand::indexAufbauen()
{
    m_index.clear();
    m_index.reserve(size_t(m_adressen.size()));
    for (qsizetype i = 0; i < m_adressen.size(); ++i)
        m_index.push_back(verweis(i));
    std::stable_sort(m_index.begin(), m_index.end(), streuwertVor);
}

// After a save the record at `entfernt` is gone, those behind it moved up by one, and the
// stored one is the last.
void Adressbestand::indexNachErfassung(std::optional<qsizetype> entfernt)
{
    if (entfernt) {
        const quint32 weg = quint32(*entfernt);
        auto ziel = m_index.begin();
        for (const Verweis& v : m_index) {
            if (v.index != weg)
                *ziel++ = Verweis{v.streuwert, v.index > weg ? v.index - 1 : v.index};
        }
        m_index.erase(ziel, m_index.end());
    }
    const Verweis neu = verweis(m_adressen.size() - 1);
    const auto stelle = std::upper_bound(m_index.begin(), m_index.end(), neu, streuwertVor);
    m_index.insert(stelle, neu);
}

std::optional<TAdressRec> Adressbestand::zumListentext(const QString& listentext) const
{
    const QByteArray gesucht = adresseVergleichsform(platform::toCp1252(listentext));
    const auto [von, bis] = std::equal_range(m_index.begin(), m_index.end(),
                                             Verweis{streuwert(gesucht), 0}, streuwertVor);
    // Records of one hash stand in file order: the last that matches is the one.
    for (auto stelle = bis; stelle != von;) {
        --stelle;
        if (listentextform(m_adressen.namen(stelle->index)) == gesucht)
            return m_adressen.at(stelle->index);
    }
    return std::nullopt;
}

qsizetype Adressbestand::ersteMitNamen(const QString& name, const QString& vorname) const
{
    const AdressNamenssuche suche(name, vorname);
    for (qsizetype i = 0; i < m_adressen.size(); ++i) {
        const KompakteAdressen::Namen namen = m_adressen.namen(i);
        if (suche.passt(namen.name, namen.vorname))
            return i;
    }
    return -1;
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
    const qsizetype gefunden = ersteMitNamen(name, vorname);
    // Memory changes only once the file is written.
    erfassung.datei = m_adressen.schreiben(adressdateiPfad(), gefunden, &neu);
    if (!erfassung.datei)
        return erfassung;
    m_stempel = platform::fileStamp(adressdateiPfad());
    m_stempelSicher = true;
    std::optional<qsizetype> entfernt;
    if (gefunden >= 0) {
        erfassung.entfernt = adresseListentext(m_adressen.at(gefunden));
        m_adressen.entfernen(gefunden);
        entfernt = gefunden;
    }
    m_adressen.anhaengen(neu);
    indexNachErfassung(entfernt);
    erfassung.geschrieben = true;
    erfassung.neu = adresseListentext(neu);
    return erfassung;
}

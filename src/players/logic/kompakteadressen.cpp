#include "players/logic/kompakteadressen.h"

#include "platform/base/savefile.h"

#include <algorithm>
#include <cstddef>
#include <cstring>
#include <iterator>

namespace
{

// The ranges of a record in file order. A packed range keeps only its first bytes (a text
// field its length byte and text, a reserved range none); the rest is zero.
struct Bereich {
    int anfang;
    int groesse;
    bool textfeld;
};

constexpr Bereich kBereiche[] = {
    {offsetof(TAdressRec, Vorname), sizeof(TAdressRec::Vorname), true},
    {offsetof(TAdressRec, Name), sizeof(TAdressRec::Name), true},
    {offsetof(TAdressRec, Strasse), sizeof(TAdressRec::Strasse), true},
    {offsetof(TAdressRec, PlzOrt), sizeof(TAdressRec::PlzOrt), true},
    {offsetof(TAdressRec, Reserve1), sizeof(TAdressRec::Reserve1), false},
    {offsetof(TAdressRec, Email), sizeof(TAdressRec::Email), true},
    {offsetof(TAdressRec, Reserve2), sizeof(TAdressRec::Reserve2), false},
    {offsetof(TAdressRec, Telefon), sizeof(TAdressRec::Telefon), true},
    {offsetof(TAdressRec, Fax), sizeof(TAdressRec::Fax), true},
    {offsetof(TAdressRec, Reserve3), sizeof(TAdressRec::Reserve3), false},
    {offsetof(TAdressRec, Mobil), sizeof(TAdressRec::Mobil), true},
    {offsetof(TAdressRec, Reserve4), sizeof(TAdressRec::Reserve4), false},
};

constexpr bool bereicheLueckenlos()
{
    int ende = 0;
    for (const Bereich& b : kBereiche) {
        if (b.anfang != ende)
            return false;
        ende += b.groesse;
    }
    return ende == int(sizeof(TAdressRec));
}
static_assert(bereicheLueckenlos());
// Vorname and Name come first, so that they are found without unpacking the rest.
static_assert(kBereiche[0].anfang == offsetof(TAdressRec, Vorname));
static_assert(kBereiche[1].anfang == offsetof(TAdressRec, Name));

// A packed record: two bytes telling which ranges are kept whole (bit i for range i), then
// the kept bytes of each range.
constexpr int kKopf = 2;
constexpr int kGroessterSatz = kKopf + int(sizeof(TAdressRec));
static_assert(std::size(kBereiche) <= 16);

const unsigned char kNullen[sizeof(TAdressRec)] = {};

bool nurNullen(const unsigned char* bytes, int anzahl)
{
    return std::memcmp(bytes, kNullen, size_t(anzahl)) == 0;
}

// How many of the range's first bytes are kept when it is packed; -1 when it must be kept
// whole.
int gepackteLaenge(const Bereich& bereich, const unsigned char* satz)
{
    const unsigned char* bytes = satz + bereich.anfang;
    if (!bereich.textfeld)
        return nurNullen(bytes, bereich.groesse) ? 0 : -1;
    const int laenge = bytes[0];
    const int kapazitaet = bereich.groesse - 1;
    if (laenge > kapazitaet || !nurNullen(bytes + 1 + laenge, kapazitaet - laenge))
        return -1;
    return 1 + laenge;
}

int gepackteGroesse(const unsigned char* satz)
{
    int n = kKopf;
    for (const Bereich& bereich : kBereiche) {
        const int laenge = gepackteLaenge(bereich, satz);
        n += laenge < 0 ? bereich.groesse : laenge;
    }
    return n;
}

// Packs the 960 bytes of `satz` into `ziel` (room for gepackteGroesse bytes); returns the
// packed size.
int packen(const unsigned char* satz, unsigned char* ziel)
{
    unsigned ganz = 0;
    int n = kKopf;
    for (size_t i = 0; i < std::size(kBereiche); ++i) {
        const Bereich& bereich = kBereiche[i];
        int laenge = gepackteLaenge(bereich, satz);
        if (laenge < 0) {
            ganz |= 1u << i;
            laenge = bereich.groesse;
        }
        std::memcpy(ziel + n, satz + bereich.anfang, size_t(laenge));
        n += laenge;
    }
    ziel[0] = static_cast<unsigned char>(ganz & 0xFF);
    ziel[1] = static_cast<unsigned char>(ganz >> 8);
    return n;
}

// The kept bytes of range `i` of a packed record whose range starts at `bytes`.
int gehalteneLaenge(unsigned ganz, size_t i, const unsigned char* bytes)
{
    const Bereich& bereich = kBereiche[i];
    if (ganz & (1u << i))
        return bereich.groesse;
    return bereich.textfeld ? 1 + bytes[0] : 0;
}

unsigned ganzeBereiche(const unsigned char* gepackt)
{
    return unsigned(gepackt[0]) | unsigned(gepackt[1]) << 8;
}

void entpacken(const unsigned char* gepackt, unsigned char* satz)
{
    const unsigned ganz = ganzeBereiche(gepackt);
    const unsigned char* bytes = gepackt + kKopf;
    for (size_t i = 0; i < std::size(kBereiche); ++i) {
        const Bereich& bereich = kBereiche[i];
        const int laenge = gehalteneLaenge(ganz, i, bytes);
        std::memcpy(satz + bereich.anfang, bytes, size_t(laenge));
        std::memset(satz + bereich.anfang + laenge, 0, size_t(bereich.groesse - laenge));
        bytes += laenge;
    }
}

const unsigned char* alsBytes(const char* daten)
{
    return reinterpret_cast<const unsigned char*>(daten);
}

} // namespace

KompakteAdressen::KompakteAdressen(QByteArrayView dateiinhalt)
{
    saetzeAnhaengen(dateiinhalt);
}

void KompakteAdressen::saetzeAnhaengen(QByteArrayView dateiteil)
{
    const qsizetype anzahl = dateiteil.size() / qsizetype(sizeof(TAdressRec));
    const auto satz = [&dateiteil](qsizetype i) {
        return alsBytes(dateiteil.data()) + i * qsizetype(sizeof(TAdressRec));
    };
    // Sized first, so that the records take exactly their room; a file read in parts grows
    // the room by a quarter at least, so that it is not copied for every part.
    qsizetype groesse = 0;
    for (qsizetype i = 0; i < anzahl; ++i)
        groesse += gepackteGroesse(satz(i));
    qsizetype n = m_daten.size();
    if (n + groesse > m_daten.capacity())
        m_daten.reserve(n == 0 ? groesse : std::max(n + groesse, m_daten.capacity() * 5 / 4));
    m_daten.resize(n + groesse);
    unsigned char* ziel = reinterpret_cast<unsigned char*>(m_daten.data());
    for (qsizetype i = 0; i < anzahl; ++i) {
        m_anfang.push_back(n);
        n += packen(satz(i), ziel + n);
    }
}

QByteArrayView KompakteAdressen::gepackt(qsizetype index) const
{
    const qsizetype anfang = m_anfang[size_t(index)];
    const qsizetype ende =
        index + 1 < size() ? m_anfang[size_t(index) + 1] : qsizetype(m_daten.size());
    return QByteArrayView(m_daten).sliced(anfang, ende - anfang);
}

TAdressRec KompakteAdressen::at(qsizetype index) const
{
    TAdressRec adresse;
    entpacken(alsBytes(gepackt(index).data()), reinterpret_cast<unsigned char*>(&adresse));
    return adresse;
}

KompakteAdressen::Namen KompakteAdressen::namen(qsizetype index) const
{
    const unsigned char* gepacktBytes = alsBytes(gepackt(index).data());
    const unsigned ganz = ganzeBereiche(gepacktBytes);
    const unsigned char* vorname = gepacktBytes + kKopf;
    const unsigned char* name = vorname + gehalteneLaenge(ganz, 0, vorname);
    // A damaged length byte above the capacity is read as the capacity, as ShortString does.
    const auto benutzt = [](const unsigned char* feld, const Bereich& bereich) {
        return QByteArrayView(feld + 1, std::min<int>(feld[0], bereich.groesse - 1));
    };
    return {benutzt(name, kBereiche[1]), benutzt(vorname, kBereiche[0])};
}

std::function<QByteArrayView()> KompakteAdressen::teile(qsizetype ohne, const TAdressRec* neu,
                                                        qsizetype saetzeJeTeil) const
{
    const qsizetype anzahl = size() - (ohne >= 0 && ohne < size() ? 1 : 0) + (neu ? 1 : 0);
    const qsizetype teil = std::max<qsizetype>(1, std::min(saetzeJeTeil, anzahl));
    QByteArray puffer(teil * qsizetype(sizeof(TAdressRec)), Qt::Uninitialized);
    return [this, ohne, neu, puffer, naechster = qsizetype(0)]() mutable -> QByteArrayView {
        unsigned char* const anfang = reinterpret_cast<unsigned char*>(puffer.data());
        unsigned char* const ende = anfang + puffer.size();
        unsigned char* ziel = anfang;
        for (; naechster < size() && ziel != ende; ++naechster) {
            if (naechster == ohne)
                continue;
            entpacken(alsBytes(gepackt(naechster).data()), ziel);
            ziel += sizeof(TAdressRec);
        }
        if (neu && naechster == size() && ziel != ende) {
            std::memcpy(ziel, static_cast<const void*>(neu), sizeof(TAdressRec));
            ziel += sizeof(TAdressRec);
            neu = nullptr;
        }
        return QByteArrayView(anfang, ziel - anfang);
    };
}

// Parts of a quarter megabyte stay in the cache and need no fresh pages.
platform::WriteResult KompakteAdressen::schreiben(const QString& pfad, qsizetype ohne,
                                                  const TAdressRec* neu) const
{
    return platform::writeFileAtomic(pfad, teile(ohne, neu, 256));
}

void KompakteAdressen::entfernen(qsizetype index)
{
    const QByteArrayView satz = gepackt(index);
    const qsizetype laenge = satz.size();
    m_daten.remove(m_anfang[size_t(index)], laenge);
    m_anfang.erase(m_anfang.begin() + index);
    for (auto stelle = m_anfang.begin() + index; stelle != m_anfang.end(); ++stelle)
        *stelle -= laenge;
}

void KompakteAdressen::anhaengen(const TAdressRec& adresse)
{
    unsigned char gepacktBytes[kGroessterSatz];
    const int laenge = packen(reinterpret_cast<const unsigned char*>(&adresse), gepacktBytes);
    m_anfang.push_back(m_daten.size());
    m_daten.append(reinterpret_cast<const char*>(gepacktBytes), laenge);
}

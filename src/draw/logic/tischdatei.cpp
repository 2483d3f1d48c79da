#include "draw/logic/tischdatei.h"

#include "platform/base/datafolder.h"
#include "platform/base/fileresult.h"
#include "platform/base/savefile.h"
#include "platform/base/typedfile.h"

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <cerrno>
#include <cstring>
#include <sys/stat.h>
#include <unistd.h>

TTisch2Rec Tisch2{};
TTisch3Rec Tisch3{};
TTisch4Rec Tisch4{};
TTisch5Rec Tisch5{};
TTisch6Rec Tisch6{};

namespace
{

constexpr Platz TL = Platz::ObenLinks;
constexpr Platz TC = Platz::ObenMitte;
constexpr Platz TR = Platz::ObenRechts;
constexpr Platz BL = Platz::UntenLinks;
constexpr Platz BC = Platz::UntenMitte;
constexpr Platz BR = Platz::UntenRechts;

// The place of every slot of each table file, slot by slot. The files grew differently, so
// each table count keeps its own order.
constexpr Sitzplatz kKarte2[] = {
    {1, TL}, {1, TR}, {1, BL}, {1, BR}, {2, TL}, {2, TR}, {2, BL}, {2, BR}, // doubles
    {1, TC}, {1, BC}, {2, TC}, {2, BC},                                     // singles
};

constexpr Sitzplatz kKarte3[] = {
    {1, TC}, {1, BC}, {2, TC}, {2, BC}, {3, TC}, {3, BC},                   // singles
    {1, TL}, {1, TR}, {1, BL}, {1, BR}, {2, TL}, {2, TR}, {2, BL}, {2, BR}, // doubles
    {3, TL}, {3, TR}, {3, BL}, {3, BR},
};

constexpr Sitzplatz kKarte4[] = {
    {1, TC}, {1, BC}, {2, TC}, {2, BC}, {3, TC}, {3, BC}, {4, TC}, {4, BC},
    {1, BL}, {1, TL}, {1, TR}, {1, BR}, {2, TL}, {2, TR}, {2, BL}, {2, BR},
    {3, BR}, {3, TR}, {3, TL}, {3, BL}, {4, BR}, {4, BL}, {4, TR}, {4, TL},
};

// clang-format off
constexpr Sitzplatz kKarte5[] = {
    {1, TC}, {1, BC}, {2, TC}, {2, BC}, {3, TC}, {3, BC}, {4, TC}, {4, BC}, {5, TC}, {5, BC},
    {1, BL}, {1, TL}, {1, TR}, {1, BR},
    {2, TL}, {2, TR}, {2, BL}, {2, BR},
    {3, BR}, {3, TR}, {3, TL}, {3, BL},
    {4, BR}, {4, BL}, {4, TR}, {4, TL},
    {5, TL}, {5, TR}, {5, BL}, {5, BR},
};

constexpr Sitzplatz kKarte6[] = {
    {1, TC}, {1, BC}, {2, TC}, {2, BC}, {3, TC}, {3, BC}, {4, TC}, {4, BC}, {5, TC}, {5, BC},
    {6, TC}, {6, BC},
    {1, BL}, {1, TL}, {1, TR}, {1, BR},
    {2, TL}, {2, TR}, {2, BL}, {2, BR},
    {3, BR}, {3, TR}, {3, TL}, {3, BL},
    {4, BR}, {4, BL}, {4, TR}, {4, TL},
    {5, TL}, {5, TR}, {5, BL}, {5, BR},
    {6, TL}, {6, TR}, {6, BL}, {6, BR},
};
// clang-format on

static_assert(std::size(kKarte2) == 12 && std::size(kKarte3) == 18 && std::size(kKarte4) == 24 &&
              std::size(kKarte5) == 30 && std::size(kKarte6) == 36);

int platzIndex(int tisch, Platz platz)
{
    return (tisch - 1) * kPlaetzeJeTisch + static_cast<int>(platz);
}

// Where the table count stands among 2 ... 6.
std::size_t stelle(Tischanzahl tische)
{
    return std::size_t(tische.zahl() - kMinTische);
}

} // namespace

Tischbelegung::Tischbelegung(Tischanzahl tische) : m_tische(tische.zahl())
{
    m_namen.resize(m_tische * kPlaetzeJeTisch);
}

QString Tischbelegung::name(int tisch, Platz platz) const
{
    if (tisch < 1 || tisch > m_tische)
        return {};
    return m_namen.at(platzIndex(tisch, platz));
}

void Tischbelegung::setName(int tisch, Platz platz, const QString& name)
{
    if (tisch < 1 || tisch > m_tische)
        return;
    m_namen[platzIndex(tisch, platz)] = name;
}

bool Tischbelegung::istLeer() const
{
    for (const QString& name : m_namen)
        if (!name.isEmpty())
            return false;
    return true;
}

QString tischdateiName(Tischanzahl tische)
{
    static const char* const kNamen[] = {"Tisch2.ti2", "Tisch3.ti3", "Tisch4.ti4", "Tisch5.ti5",
                                         "Tisch5.ti6"};
    return QLatin1String(kNamen[stelle(tische)]);
}

QString tischdateiPfad(Tischanzahl tische)
{
    return platform::dataFile(tischdateiName(tische));
}

std::span<const Sitzplatz> tischSlotKarte(Tischanzahl tische)
{
    static constexpr std::span<const Sitzplatz> kKarten[] = {kKarte2, kKarte3, kKarte4, kKarte5,
                                                             kKarte6};
    return kKarten[stelle(tische)];
}

int tischSlot(Tischanzahl tische, int tisch, Platz platz)
{
    const std::span<const Sitzplatz> karte = tischSlotKarte(tische);
    for (std::size_t slot = 0; slot < karte.size(); ++slot)
        if (karte[slot] == Sitzplatz{tisch, platz})
            return static_cast<int>(slot);
    return -1;
}

std::span<TischSlot> tischRecord(Tischanzahl tische)
{
    static const std::span<TischSlot> kRecords[] = {Tisch2.Namen, Tisch3.Namen, Tisch4.Namen,
                                                    Tisch5.Namen, Tisch6.Namen};
    return kRecords[stelle(tische)];
}

void tischRecordLeeren(Tischanzahl tische)
{
    for (TischSlot& slot : tischRecord(tische))
        slot.clear();
}

Tischbelegung tischbelegungAusRecord(Tischanzahl tische)
{
    Tischbelegung belegung(tische);
    const std::span<const Sitzplatz> karte = tischSlotKarte(tische);
    const std::span<TischSlot> record = tischRecord(tische);
    for (std::size_t slot = 0; slot < karte.size(); ++slot)
        belegung.setName(karte[slot].tisch, karte[slot].platz, record[slot].str());
    return belegung;
}

namespace
{

QByteArray recordBytes(Tischanzahl tische)
{
    const std::span<TischSlot> record = tischRecord(tische);
    return QByteArray(reinterpret_cast<const char*>(record.data()), qsizetype(record.size_bytes()));
}

} // namespace

platform::WriteResult tischSpeichern(Tischanzahl tische)
{
    return platform::writeFileAtomic(tischdateiPfad(tische), recordBytes(tische));
}

QString tischSpeicherMeldung(const platform::WriteResult& geschrieben)
{
    return platform::fileErrorMessage(geschrieben,
                                      QStringLiteral("Die neue Tischbelegung wird nur angezeigt."));
}

platform::Read<Tischbelegung> tischLesen(Tischanzahl tische)
{
    platform::Read<Tischbelegung> lesung;
    const std::span<TischSlot> record = tischRecord(tische);
    const platform::Read<QByteArray> gelesen =
        platform::readFile(tischdateiPfad(tische), qsizetype(record.size_bytes()));
    lesung.file = gelesen.file;
    lesung.missing = gelesen.missing;
    if (gelesen.found()) {
        std::memcpy(static_cast<void*>(record.data()), gelesen.value.constData(),
                    size_t(gelesen.value.size()));
    } else if (!gelesen) {
        lesung.messages.append(platform::errorMessage(platform::fileErrorMessage(
            gelesen.file,
            QStringLiteral("Die gespeicherte Tischbelegung kann nicht angezeigt werden."))));
    }
    lesung.value = tischbelegungAusRecord(tische);
    return lesung;
}

platform::FileResult tischLoeschen(Tischanzahl tische)
{
    platform::FileResult geloescht;
    geloescht.action = platform::FileAction::Delete;
    const QString pfad = tischdateiPfad(tische);
    geloescht.path = pfad;
    const QByteArray name = QFile::encodeName(pfad);
    struct stat info {
    };
    if (::lstat(name.constData(), &info) != 0 && errno == ENOENT)
        return geloescht;
    const int fehler =
        S_ISDIR(info.st_mode) ? EISDIR : (::unlink(name.constData()) == 0 ? 0 : errno);
    if (fehler != 0)
        geloescht.fail(fehler);
    return geloescht;
}

QString tischLoeschMeldung(const platform::FileResult& geloescht)
{
    return platform::fileErrorMessage(
        geloescht, QStringLiteral("Die gespeicherte Tischbelegung bleibt erhalten."));
}

platform::WriteResult tisch2_speichern()
{
    return tischSpeichern(2);
}
platform::WriteResult tisch3_speichern()
{
    return tischSpeichern(3);
}
platform::WriteResult tisch4_speichern()
{
    return tischSpeichern(4);
}
platform::WriteResult tisch5_speichern()
{
    return tischSpeichern(5);
}
platform::WriteResult tisch6_speichern()
{
    return tischSpeichern(6);
}
platform::Read<Tischbelegung> tisch2_lesen()
{
    return tischLesen(2);
}
platform::Read<Tischbelegung> tisch3_lesen()
{
    return tischLesen(3);
}
platform::Read<Tischbelegung> tisch4_lesen()
{
    return tischLesen(4);
}
platform::Read<Tischbelegung> tisch5_lesen()
{
    return tischLesen(5);
}
platform::Read<Tischbelegung> tisch6_lesen()
{
    return tischLesen(6);
}

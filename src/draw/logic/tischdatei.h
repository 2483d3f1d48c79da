#pragma once

#include "platform/base/fileresult.h"
#include "platform/base/message.h"
#include "platform/base/shortstring.h"

#include <QList>
#include <QString>
#include <QStringList>
#include <array>
#include <cstdint>
#include <optional>
#include <span>

using platform::ShortString;

// The six name places of a table: three above it (the top side), three below it.
// Singles use the two centres, doubles the four corners.
enum class Platz : std::uint8_t {
    ObenLinks,
    ObenMitte,
    ObenRechts,
    UntenLinks,
    UntenMitte,
    UntenRechts
};
inline constexpr int kPlaetzeJeTisch = 6;

// A place at one table; tables count from 1.
struct Sitzplatz {
    int tisch = 0;
    Platz platz = Platz::ObenLinks;
    friend bool operator==(const Sitzplatz&, const Sitzplatz&) = default;
};

inline constexpr int kMinTische = 2;
inline constexpr int kMaxTische = 6;

// A table count from 2 to 6. A count is checked once, where it enters (a choice of the
// selection dialog, a number read from a file); whatever takes a Tischanzahl need not ask
// again. A constant is checked by the compiler (`tischLesen(2)`); a number known only at run
// time goes through `aus`, which gives nothing for any number outside 2 ... 6.
class Tischanzahl
{
public:
    consteval Tischanzahl(int tische) : m_tische(tische)
    {
        if (tische < kMinTische || tische > kMaxTische)
            throw "a table count runs from 2 to 6";
    }
    static constexpr std::optional<Tischanzahl> aus(int tische)
    {
        if (tische < kMinTische || tische > kMaxTische)
            return std::nullopt;
        return Tischanzahl(Geprueft{}, tische);
    }

    constexpr int zahl() const { return m_tische; }
    friend constexpr bool operator==(Tischanzahl, Tischanzahl) = default;

private:
    struct Geprueft {
    };
    constexpr Tischanzahl(Geprueft, int tische) : m_tische(tische) {}
    int m_tische;
};

// Every table count, from 2 to 6.
inline constexpr std::array<Tischanzahl, kMaxTische - kMinTische + 1> kTischanzahlen{2, 3, 4, 5, 6};

// One name slot of a table file.
using TischSlot = ShortString<50>;

#pragma pack(push, 1)
// The record of a table file: one slot per place of every table. Which slot belongs to
// which place is fixed per table count (tischSlotKarte).
template <int T> struct TischRec {
    TischSlot Namen[kPlaetzeJeTisch * T];
};
#pragma pack(pop)

using TTisch2Rec = TischRec<2>;
using TTisch3Rec = TischRec<3>;
using TTisch4Rec = TischRec<4>;
using TTisch5Rec = TischRec<5>;
using TTisch6Rec = TischRec<6>;
static_assert(sizeof(TTisch2Rec) == 612);
static_assert(sizeof(TTisch3Rec) == 918);
static_assert(sizeof(TTisch4Rec) == 1224);
static_assert(sizeof(TTisch5Rec) == 1530);
static_assert(sizeof(TTisch6Rec) == 1836);

// The in-memory record of each table count, alive for the whole run: the draw fills it,
// the writer stores it, the reader loads it.
extern TTisch2Rec Tisch2;
extern TTisch3Rec Tisch3;
extern TTisch4Rec Tisch4;
extern TTisch5Rec Tisch5;
extern TTisch6Rec Tisch6;

// The names of all places of `tische` tables, addressed by (table, place).
class Tischbelegung
{
public:
    Tischbelegung() = default; // no tables
    explicit Tischbelegung(Tischanzahl tische);

    int tische() const { return m_tische; }
    QString name(int tisch, Platz platz) const;
    QString name(Sitzplatz sitz) const { return name(sitz.tisch, sitz.platz); }
    void setName(int tisch, Platz platz, const QString& name);
    bool istLeer() const; // no place holds a name
    friend bool operator==(const Tischbelegung&, const Tischbelegung&) = default;

private:
    int m_tische = 0;
    QStringList m_namen; // (tisch - 1) * 6 + place
};

// "Tisch2.ti2", "Tisch3.ti3", "Tisch4.ti4", "Tisch5.ti5", and "Tisch5.ti6" for six tables.
QString tischdateiName(Tischanzahl tische);
// Datenordner + tischdateiName(tische).
QString tischdateiPfad(Tischanzahl tische);

// The place each slot of the table file of `tische` tables belongs to, slot by slot.
std::span<const Sitzplatz> tischSlotKarte(Tischanzahl tische);
// The slot index of a place in the table file of `tische` tables.
int tischSlot(Tischanzahl tische, int tisch, Platz platz);

// The slots of the in-memory record of `tische` tables (6 x tische of them).
std::span<TischSlot> tischRecord(Tischanzahl tische);
// Empties every slot of the in-memory record.
void tischRecordLeeren(Tischanzahl tische);
// The in-memory record of `tische` tables as names per place.
Tischbelegung tischbelegungAusRecord(Tischanzahl tische);

// Writes the in-memory record of `tische` tables to its file (atomic). On failure the
// earlier file stays and the result carries the cause.
platform::WriteResult tischSpeichern(Tischanzahl tische);
// The German message of a failed save of the table file.
QString tischSpeicherMeldung(const platform::WriteResult& geschrieben);
// Lays the file over the in-memory record (a short file replaces only its first bytes);
// `value` is the record as names per place. A missing or unreadable file changes nothing:
// `value` then holds the record as it was. An existing file that cannot be read gives its
// German message in `messages`.
platform::Read<Tischbelegung> tischLesen(Tischanzahl tische);
// Deletes the table file; a missing file is no failure. When an existing file cannot be
// deleted, the result carries the cause (the seating stays stored).
platform::FileResult tischLoeschen(Tischanzahl tische);
// The German message of a table file that could not be deleted.
QString tischLoeschMeldung(const platform::FileResult& geloescht);

// The named operations of each table count.
platform::WriteResult tisch2_speichern();
platform::WriteResult tisch3_speichern();
platform::WriteResult tisch4_speichern();
platform::WriteResult tisch5_speichern();
platform::WriteResult tisch6_speichern();
platform::Read<Tischbelegung> tisch2_lesen();
platform::Read<Tischbelegung> tisch3_lesen();
platform::Read<Tischbelegung> tisch4_lesen();
platform::Read<Tischbelegung> tisch5_lesen();
platform::Read<Tischbelegung> tisch6_lesen();

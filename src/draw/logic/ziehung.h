#pragma once

#include "draw/logic/pool.h"
#include "draw/logic/tischdatei.h"

#include <QList>
#include <QObject>
#include <QStringList>
#include <cstdint>

// The seating draw for 2 to 6 tables. It needs no window: it rebuilds the pool, draws pool
// lines without repetition with platform::random, seats the k-th drawn player on seat k,
// repairs a partly filled last table in doubles, writes the table file of its table count
// and, for 2 to 5 tables, saves the settings. Windows learn the result from the return value
// and from Ziehungsmelder; the window that started the draw shows its messages.

inline constexpr std::int32_t kEinzel = 0; // Spielmodus: singles
inline constexpr std::int32_t kDoppel = 1; // Spielmodus: doubles

// Seats of `tische` tables in the game mode: 2 per table in singles, 4 in doubles, 0 for any
// other mode.
int sitzanzahl(Tischanzahl tische, std::int32_t spielmodus);
// The place of seat k (k from 0): singles fill the centres table by table (top, bottom),
// doubles the corners (top left, top right, bottom left, bottom right).
Sitzplatz sitzplatz(int k, std::int32_t spielmodus);

struct Ziehungsergebnis {
    int tische = 0;
    // false when the pool could not be written or loaded, or when nobody is picked (see
    // `meldungen`): nothing was drawn, the table file is unchanged, the in-memory record and
    // `belegung` are empty.
    bool gezogen = false;
    // The seating as stored in the table file (names cut to 50 bytes of Windows-1252).
    Tischbelegung belegung;
    // Every pool index drawn, in drawing order: the set of drawn numbers of this draw.
    QList<std::int32_t> nummern;
    // false when the table file could not be written (see `meldungen`); the seating is then
    // in memory only.
    bool gespeichert = false;
    // What the window that started the draw shows afterwards: why a draw ended early, or which
    // file could not be written or read back.
    QList<platform::Message> meldungen;
    // Whether "Neue Partner" chose the seating (see faire_runden.h) and how many pairs of it
    // met before all the same: partners in doubles, opponents in singles.
    bool neuePartner = false;
    int wiederholtePaare = 0;
};

// The numbers of a draw from the generator state `seed`, before anyone is seated: every
// number drawn anew in drawing order, the pool line of each of the first `sitze` seats, and
// the generator state after the draw.
struct Nummernfolge {
    QList<std::int32_t> nummern;
    QList<std::int32_t> sitzNummern;
    std::uint32_t seedDanach = 0;
};
Nummernfolge nummernZiehen(std::uint32_t seed, std::int32_t spielmodus, std::int32_t sitze,
                           std::int32_t auswahlanzahl, std::int32_t poolanzahl);

// The drawing and seating alone, on the given pool: `auswahlanzahl` is the range of the
// random numbers, `poolanzahl` the number of passes. Fills `belegung` and `nummern`.
Ziehungsergebnis ziehungBerechnen(Tischanzahl tische, std::int32_t spielmodus,
                                  std::int32_t auswahlanzahl, std::int32_t poolanzahl,
                                  const Poolzeilen& pool);

// The whole draw for `tische` tables with Optionen.Spielmodus. While "Neue Partner" is on
// (Spielabend.txt), the drawn players are arranged anew by faireBelegung and the seating
// becomes a round of the evening; otherwise the evening file is not touched.
Ziehungsergebnis personen_zuweisen(Tischanzahl tische);
// The draw for a count not checked yet: after "Auswahl speichern" the selection dialog calls
// this (or the named operation below). Any number outside 2 ... 6 draws nothing, writes
// nothing and announces nothing.
Ziehungsergebnis personen_zuweisen(int tische);
Ziehungsergebnis personen_zuweisen2t();
Ziehungsergebnis personen_zuweisen3t();
Ziehungsergebnis personen_zuweisen4t();
Ziehungsergebnis personen_zuweisen5t();
Ziehungsergebnis personen_zuweisen6t();

// The set of drawn numbers of the last draw (the content of the main window's ListBox1),
// in drawing order; emptied at the start of every draw.
const QList<std::int32_t>& gezogeneNummern();

// Announces every finished draw (also one that ended early) to whoever listens: the result
// window of that table count and the main window's list of drawn numbers.
class Ziehungsmelder : public QObject
{
    Q_OBJECT
public:
    static Ziehungsmelder& instanz();

Q_SIGNALS:
    void ziehungBeendet(const Ziehungsergebnis& ergebnis);

private:
    Ziehungsmelder() = default;
};

#pragma once

#include "draw/logic/spielabend.h"
#include "draw/logic/tischdatei.h"

#include <QList>
#include <cstdint>

// The seating of "Neue Partner": the same players on the same places as a plain draw filled,
// arranged so that nobody gets a partner (the other player of one side of a table) again whom
// they had in an earlier round of the evening; as a second aim, as few opponents again as
// possible. In singles, where nobody has a partner, the first aim is new opponents.
//
// The choice stays random: it uses platform::random only, so a fixed seed gives the same
// seating, and places that are alike (tables of one shape, the two sides of a table, the two
// places of a side) are filled at random. For up to 12 players the search also looks ahead,
// preferring a seating after which the following rounds can still go without a repeat.
struct FaireRunde {
    Tischbelegung belegung;
    // Pairs of this seating that met before in the way the first aim avoids: as partners in
    // doubles, as opponents in singles.
    int wiederholtePaare = 0;
    // Doubles: opponent pairs of this seating that met before (as opponents).
    int wiederholteGegner = 0;
};

FaireRunde faireBelegung(const Tischbelegung& belegung, std::int32_t spielmodus,
                         const QList<Runde>& runden);

// The one German line after a seating that repeats pairs; empty when none repeat.
QString wiederholungsMeldung(const FaireRunde& runde, std::int32_t spielmodus);

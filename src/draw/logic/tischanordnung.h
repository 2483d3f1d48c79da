#pragma once

#include "draw/logic/tischdatei.h"

#include <QFont>
#include <QList>
#include <QRect>
#include <QStringList>

// The pieces of `name` (without its leading and trailing blanks) broken into lines no wider
// than `breite` in `schrift`: after a blank where possible, inside a word only where the word
// is longer than a line. Joined, the pieces give the name back; an empty name gives none.
QStringList namenszeilen(const QString& name, const QFont& schrift, int breite);

// Whether the seating is one of doubles (a corner place holds a name). An empty seating is
// what `ohneNamen` says.
bool istDoppelbelegung(const Tischbelegung& belegung, bool ohneNamen);

// "Einzelspiele" or "Doppelspiele".
QString spielartText(bool doppel);

// How many tables each row of the arrangement holds, top to bottom: as in the result windows,
// two rows from four tables on, the upper one with the odd table.
QList<int> tischreihen(int tische);

// What a surface asks of the arrangement of a seating.
struct Anordnungswunsch {
    QFont namensSchrift;   // family and weight of the names; the pixel size is chosen
    int groesstePixel = 0; // the names are set as large as they fit up to this ...
    int kleinstePixel = 0; // ... and not smaller than this while the surface has room
    QFont titelSchrift;    // "Tisch N" below a table (family and weight)
    bool titel = true;     // whether a row for "Tisch N" is left below each table
    int innenRand = 0;     // room left and right of a name's text inside its field
    int abstand = 0;       // between name fields, between a table and its names, between tables
    qreal seitenverhaeltnis = 5.0 / 3.0; // width : height of a table
};

// A name at its place: the field it takes and its lines.
struct NamensFeld {
    Sitzplatz sitz;
    QRect feld;
    QStringList zeilen;
    Qt::Alignment ausrichtung; // left places to the left, centres centred, right places right
};

struct TischFeld {
    int nummer = 0;
    QRect tisch;
    QRect titel; // empty when no caption row is asked for
};

// Where every table and every name of a seating goes. The names above a table share the
// width of its column, in the order left, centre, right, and so do those below it; each is
// broken into as many lines as it needs, so no name is cut. The names are as large as the
// surface allows between the two pixel sizes asked for; the tables take the height that is
// left. `passt` is false when even the smallest size leaves no room: the names are then set
// smaller still, down to what leaves the tables a minimal height.
struct Tischanordnung {
    int namensPixel = 0;
    int zeilenhoehe = 0;
    bool passt = false;
    QList<TischFeld> tische;
    QList<NamensFeld> namen; // the places that hold a name, table by table
};

Tischanordnung tischeAnordnen(const Tischbelegung& belegung, const QRect& flaeche,
                              const Anordnungswunsch& wunsch);

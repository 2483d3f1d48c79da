#pragma once

// The writer of Enhanced Metafiles. It holds the Windows drawing calls of the metafile
// library behind plain types, because that library's headers define names (min, max, BOOL,
// RGB ...) that clash with the rest of the program.

#include <string>
#include <variant>
#include <vector>

namespace emf
{

struct Farbe {
    unsigned char rot = 0;
    unsigned char gruen = 0;
    unsigned char blau = 0;
};

// A text with its base line starting at (x, y), in page units.
struct Text {
    int x = 0;
    int y = 0;
    std::u16string text;
    std::u16string schrift;
    int hoehe = 0; // em height in page units
    bool fett = false;
    bool kursiv = false;
    Farbe farbe;
};

// A rectangle from (links, oben) to (rechts, unten), right and bottom edges excluded.
struct Rechteck {
    int links = 0;
    int oben = 0;
    int rechts = 0;
    int unten = 0;
    bool gefuellt = false;
    Farbe fuellung;
    bool umrandet = false;
    Farbe stift;
    int stiftbreite = 1;
};

using Befehl = std::variant<Text, Rechteck>;

// Writes a page of `breite` x `hoehe` page units (96 per inch) with its drawing calls to
// `pfad`. Returns 0, or the system's error number (errno) when the file cannot be created or
// completed.
int schreiben(const std::string& pfad, int breite, int hoehe, const std::vector<Befehl>& befehle);

} // namespace emf

#pragma once

#include "platform/base/fileresult.h"
#include "platform/base/shortstring.h"

#include <QString>
#include <cstddef>
#include <cstdint>

using platform::ShortString;

#pragma pack(push, 1)
// The settings record, the only record of "Zorbeln.opt" (712 bytes, little-endian).
// Padding is kept as members so that it is written exactly as it is in memory.
struct TOptionenRec {
    std::int32_t HauptflaecheZeigen;
    std::int32_t Frei4;
    std::int32_t AutoSicherungRueck;
    ShortString<40> Frei12;
    ShortString<80> SicherungsPfad;
    unsigned char Pad134[2];
    std::int32_t DruckGroesse;
    std::int32_t Frei140;
    std::int32_t Frei144;
    std::int32_t Frei148;
    std::int32_t Frei152;
    std::int32_t Frei156;
    std::int32_t Frei160;
    unsigned char Pad164[4];
    unsigned char Frei168[8];
    unsigned char Frei176[8];
    unsigned char Frei184[8];
    unsigned char Frei192[8];
    ShortString<50> Frei200;
    ShortString<50> Frei251;
    ShortString<50> Frei302;
    ShortString<50> Frei353;
    ShortString<50> Frei404;
    ShortString<20> DruckSchrift;
    ShortString<20> Frei476;
    ShortString<20> Frei497;
    ShortString<20> Frei518;
    ShortString<20> Frei539;
    ShortString<5> Waehrung;
    ShortString<50> Frei566;
    ShortString<50> AuswahlKennung;
    std::int32_t Frei668;
    std::int32_t AutoSicherung;
    std::int32_t Auswahlquelle;
    std::int32_t Spielmodus;
    std::int32_t Frei684;
    std::int32_t Frei688;
    std::int32_t Frei692;
    std::int32_t Frei696;
    std::int32_t Farbe700;
    std::int32_t Farbe704;
    unsigned char Pad708[4];
};
#pragma pack(pop)

static_assert(sizeof(TOptionenRec) == 712);
static_assert(offsetof(TOptionenRec, SicherungsPfad) == 53);
static_assert(offsetof(TOptionenRec, DruckGroesse) == 136);
static_assert(offsetof(TOptionenRec, Frei160) == 160);
static_assert(offsetof(TOptionenRec, Frei168) == 168);
static_assert(offsetof(TOptionenRec, Frei200) == 200);
static_assert(offsetof(TOptionenRec, DruckSchrift) == 455);
static_assert(offsetof(TOptionenRec, Waehrung) == 560);
static_assert(offsetof(TOptionenRec, Frei566) == 566);
static_assert(offsetof(TOptionenRec, AuswahlKennung) == 617);
static_assert(offsetof(TOptionenRec, Frei668) == 668);
static_assert(offsetof(TOptionenRec, AutoSicherung) == 672);
static_assert(offsetof(TOptionenRec, Spielmodus) == 680);
static_assert(offsetof(TOptionenRec, Farbe704) == 704);

// The one settings record of the run, in memory from start to end.
extern TOptionenRec Optionen;

inline constexpr std::int32_t kStandardFarbe = 0x00B3B3FF;

// Datenordner + "Zorbeln.opt".
QString optionenDatei();

// Loads the settings; a missing file is created with the defaults (the result tells whether
// that write worked). A file shorter than the record is laid over the defaults. Frei160 and
// Frei668 above 30 are replaced.
platform::WriteResult optionen_lesen();

// Saves the whole record as it is in memory (Frei4 set to 0), creating the file when it is
// missing. When the file cannot be written the values stay in memory and the result carries
// the cause.
platform::WriteResult optionen_speichern();

// Sets the record to the defaults and writes it.
platform::WriteResult optionen_anlegen();

// The defaults without writing them (Frei566, AuswahlKennung and the padding keep their bytes).
void optionenStandardwerte(TOptionenRec& rec);

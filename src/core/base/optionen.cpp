#include "core/base/optionen.h"

#include "platform/base/datafolder.h"
#include "platform/base/typedfile.h"

#include <QFileInfo>
#include <cstring>

TOptionenRec Optionen{};

QString optionenDatei()
{
    return platform::dataFile(QStringLiteral("Zorbeln.opt"));
}

void optionenStandardwerte(TOptionenRec& rec)
{
    rec.HauptflaecheZeigen = 1;
    rec.Frei4 = 0;
    rec.AutoSicherungRueck = 0;
    rec.Frei12.clear();
    rec.SicherungsPfad.clear();
    rec.DruckGroesse = 0;
    rec.Frei140 = rec.Frei144 = rec.Frei148 = rec.Frei152 = rec.Frei156 = 0;
    rec.Frei160 = 22;
    std::memset(rec.Frei168, 0, sizeof rec.Frei168);
    std::memset(rec.Frei176, 0, sizeof rec.Frei176);
    std::memset(rec.Frei184, 0, sizeof rec.Frei184);
    std::memset(rec.Frei192, 0, sizeof rec.Frei192);
    for (auto* field : {&rec.Frei200, &rec.Frei251, &rec.Frei302, &rec.Frei353, &rec.Frei404})
        field->clear();
    for (auto* field : {&rec.DruckSchrift, &rec.Frei476, &rec.Frei497, &rec.Frei518, &rec.Frei539})
        field->clear();
    rec.Waehrung.setBytes(QByteArray(1, '\x80'));
    rec.Frei668 = 5;
    rec.AutoSicherung = 0;
    rec.Auswahlquelle = 0;
    rec.Spielmodus = 0;
    rec.Frei684 = rec.Frei688 = rec.Frei692 = rec.Frei696 = 0;
    rec.Farbe700 = kStandardFarbe;
    rec.Farbe704 = kStandardFarbe;
}

namespace
{

platform::WriteResult schreiben()
{
    return platform::writeFileAtomic(optionenDatei(), platform::recordsToBytes(QList{Optionen}));
}

} // namespace

platform::WriteResult optionen_anlegen()
{
    optionenStandardwerte(Optionen);
    return schreiben();
}

platform::WriteResult optionen_lesen()
{
    if (!QFileInfo::exists(optionenDatei()))
        return optionen_anlegen();
    // A short or damaged file must never leave the record with zeros where the program
    // expects its defaults, so the bytes present are laid over the defaults.
    TOptionenRec gelesen = Optionen;
    optionenStandardwerte(gelesen);
    if (!platform::readFirstRecordOver(optionenDatei(), gelesen)) {
        // Unreadable (a folder in its place, no permission): run with the defaults and leave
        // the file alone until the next save.
        optionenStandardwerte(Optionen);
        return {};
    }
    Optionen = gelesen;
    if (Optionen.Frei160 > 30)
        Optionen.Frei160 = 22;
    if (Optionen.Frei668 > 30)
        Optionen.Frei668 = 5;
    return {};
}

platform::WriteResult optionen_speichern()
{
    Optionen.Frei4 = 0;
    return schreiben();
}

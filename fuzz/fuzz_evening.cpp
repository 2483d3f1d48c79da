// The evening file "Spielabend.txt" of "Neue Partner".
#include "fuzzsupport.h"

#include "draw/logic/spielabend.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char*>(data), qsizetype(size));
    const Spielabendinhalt inhalt = spielabendAusBytes(bytes);
    fuzzPruefen(!inhalt.fremd || (inhalt.abend.runden.isEmpty() && !inhalt.abend.neuePartner),
                "foreign content is not used");
    for (const Runde& runde : inhalt.abend.runden) {
        fuzzPruefen(runde.zeit.isValid(), "every round has its time");
        fuzzPruefen(Tischanzahl::aus(runde.belegung.tische()).has_value(), "2 to 6 tables");
        fuzzPruefen(runde.spielmodus == 0 || runde.spielmodus == 1, "singles or doubles");
    }
    // What was read is written back the same way and reads as the same evening.
    const Spielabendinhalt wieder = spielabendAusBytes(spielabendBytes(inhalt.abend));
    fuzzPruefen(!wieder.fremd && wieder.verworfeneZeilen == 0, "written content reads cleanly");
    fuzzPruefen(wieder.abend.neuePartner == inhalt.abend.neuePartner, "option kept");
    fuzzPruefen(wieder.abend.runden.size() == inhalt.abend.runden.size(), "every round kept");
    for (qsizetype i = 0; i < inhalt.abend.runden.size(); ++i)
        fuzzPruefen(wieder.abend.runden[i].belegung == inhalt.abend.runden[i].belegung,
                    "names kept");
    return 0;
}

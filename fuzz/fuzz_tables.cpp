// The table files "Tisch2.ti2" ... "Tisch5.ti6"; the first byte picks the table count.
#include "fuzzsupport.h"

#include "draw/logic/tischdatei.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    fuzzDatenordner();
    if (size == 0)
        return 0;
    const Tischanzahl tische = kTischanzahlen[data[0] % kTischanzahlen.size()];
    fuzzDateiSchreiben(tischdateiName(tische), data + 1, size - 1);
    tischRecordLeeren(tische);
    const platform::Read<Tischbelegung> lesung = tischLesen(tische);
    fuzzPruefen(lesung.found(), "a readable table file is read");
    fuzzPruefen(lesung.messages.isEmpty(), "a readable file never produces a message");
    fuzzPruefen(lesung.value.tische() == tische.zahl(), "as many tables as asked for");
    const std::span<TischSlot> slots = tischRecord(tische);
    for (const TischSlot& slot : slots)
        feldPruefen(slot);
    for (std::size_t i = 0; i < slots.size(); ++i) {
        const Sitzplatz sitz = tischSlotKarte(tische)[i];
        fuzzPruefen(lesung.value.name(sitz) == slots[i].str(), "every slot at its place");
    }
    return 0;
}

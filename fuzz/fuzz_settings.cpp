// The settings file "Zorbeln.opt".
#include "fuzzsupport.h"

#include "core/base/optionen.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    fuzzDatenordner();
    fuzzDateiSchreiben(QStringLiteral("Zorbeln.opt"), data, size);
    const platform::WriteResult gelesen = optionen_lesen();
    fuzzPruefen(gelesen.ok, "a readable settings file gives no failure");
    fuzzPruefen(Optionen.Frei160 <= 30, "Frei160 replaced when above 30");
    fuzzPruefen(Optionen.Frei668 <= 30, "Frei668 replaced when above 30");
    feldPruefen(Optionen.SicherungsPfad);
    feldPruefen(Optionen.DruckSchrift);
    feldPruefen(Optionen.Waehrung);
    return 0;
}

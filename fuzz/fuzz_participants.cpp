// The participant file "Adressen.adr".
#include "fuzzsupport.h"

#include "players/logic/adressverwaltung.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    fuzzDatenordner();
    fuzzDateiSchreiben(QStringLiteral("Adressen.adr"), data, size);
    const AdressLesung lesung = adressenPruefendLesen();
    fuzzPruefen(lesung.datei.ok, "a readable participant file gives no failure");
    fuzzPruefen(lesung.adressen.size() == qsizetype(size / sizeof(TAdressRec)),
                "record count = size / record size");
    for (const TAdressRec& a : lesung.adressen) {
        feldPruefen(a.Vorname);
        feldPruefen(a.Name);
        feldPruefen(a.Strasse);
        feldPruefen(a.PlzOrt);
        feldPruefen(a.Email);
        feldPruefen(a.Telefon);
        feldPruefen(a.Fax);
        feldPruefen(a.Mobil);
    }
    const QStringList texte = adresseListentexte(lesung.adressen);
    fuzzPruefen(texte.size() == lesung.adressen.size(), "one list entry per record");
    return 0;
}

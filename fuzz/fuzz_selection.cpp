// The selection files "aktuelle_Liste1.akt" / "aktuelle_Liste2.akt" and the pair read back.
#include "fuzzsupport.h"

#include "draw/logic/auswahldatei.h"
#include "players/logic/auswahlpaar.h"

#include <QSet>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    fuzzDatenordner();
    // The first half of the records goes to the left file, the rest to the right one.
    const std::size_t satz = sizeof(TAuswahlRec);
    const std::size_t links = (size / satz / 2) * satz;
    fuzzDateiSchreiben(kAuswahlDateiNichtGewaehlt, data, links);
    fuzzDateiSchreiben(kAuswahlDateiGewaehlt, data + links, size - links);

    const QList<TAuswahlRec> rechts = auswahlLesen(auswahldatei2());
    fuzzPruefen(rechts.size() == qsizetype((size - links) / satz),
                "record count = size / record size");
    for (const TAuswahlRec& r : rechts) {
        feldPruefen(r.Nummer);
        feldPruefen(r.Name);
        feldPruefen(r.Vorname);
    }
    const QStringList namen = auswahlNamenLesen(auswahldatei2());
    fuzzPruefen(namen.size() == rechts.size(), "one name per record");
    // Written again, the names give the same Name fields.
    const QList<TAuswahlRec> wieder = auswahlLesen(QString());
    fuzzPruefen(wieder.isEmpty(), "no file, no records");
    for (qsizetype i = 0; i < namen.size(); ++i)
        fuzzPruefen(auswahlEintrag(namen[i]).Name.bytes() == rechts[i].Name.bytes(),
                    "name round-trips through the record");

    // Without participants the left side of a pair out of step is empty, and the right side
    // is always what the file holds.
    const AuswahlPaar paar = auswahlPaarLaden();
    fuzzPruefen(paar.rechts == namen, "the right list is the file");
    if (paar.neuAufgebaut)
        fuzzPruefen(paar.links.isEmpty(), "nothing invented on the left");
    return 0;
}

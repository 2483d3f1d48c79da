// The participant file "Adressen.adr".
#include "fuzzsupport.h"

#include "platform/base/datafolder.h"
#include "platform/base/fileresult.h"
#include "players/logic/adressbestand.h"
#include "players/logic/adressverwaltung.h"
#include "players/logic/kompakteadressen.h"

#include <cstring>

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

    // The participant window's packed copy gives back every byte of every record, and its
    // look-ups find what a search through the records finds.
    const KompakteAdressen gepackt(
        QByteArrayView(reinterpret_cast<const char*>(data), qsizetype(size)));
    fuzzPruefen(gepackt.size() == lesung.adressen.size(), "one packed record per record");
    for (qsizetype i = 0; i < gepackt.size(); ++i) {
        const TAdressRec zurueck = gepackt.at(i);
        fuzzPruefen(std::memcmp(&zurueck, data + i * qsizetype(sizeof(TAdressRec)),
                                sizeof(TAdressRec)) == 0,
                    "a packed record unpacks to its bytes");
    }
    Adressbestand bestand;
    fuzzPruefen(bestand.laden().ok, "the window reads a readable file");
    fuzzPruefen(bestand.listentexte() == texte, "the window lists the same entries");
    for (const qsizetype i : {qsizetype(0), texte.size() / 2, texte.size() - 1}) {
        if (i < 0 || i >= texte.size())
            continue;
        const TAdressRec* gesucht = adresseZumListentext(lesung.adressen, texte[i]);
        const std::optional<TAdressRec> gefunden = bestand.zumListentext(texte[i]);
        fuzzPruefen(gesucht && gefunden &&
                        std::memcmp(gesucht, &*gefunden, sizeof(TAdressRec)) == 0,
                    "a pick finds the record the search finds");
    }
    const QString kopie = platform::dataFile(QStringLiteral("Adressen.kopie"));
    fuzzPruefen(bool(gepackt.schreiben(kopie)), "the packed records can be written");
    fuzzPruefen(platform::readFile(kopie).bytes ==
                    QByteArray(reinterpret_cast<const char*>(data),
                               gepackt.size() * qsizetype(sizeof(TAdressRec))),
                "written back byte for byte");
    return 0;
}

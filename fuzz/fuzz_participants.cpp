// The participant file "Adressen.adr".
#include "fuzzsupport.h"

#include "platform/base/cp1252.h"
#include "platform/base/datafolder.h"
#include "platform/base/fileresult.h"
#include "platform/base/typedfile.h"
#include "players/logic/adressbestand.h"
#include "players/logic/adressverwaltung.h"

#include <cstring>

namespace
{

// The last record whose list entry matches `listentext`, found by going through every record.
const TAdressRec* letzterTreffer(const QList<TAdressRec>& adressen, const QString& listentext)
{
    const QByteArray gesucht = adresseVergleichsform(platform::toCp1252(listentext));
    const TAdressRec* treffer = nullptr;
    for (const TAdressRec& adresse : adressen) {
        if (adresseVergleichsform(adresse.Name.bytes() + ", " + adresse.Vorname.bytes()) == gesucht)
            treffer = &adresse;
    }
    return treffer;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    fuzzDatenordner();
    fuzzDateiSchreiben(QStringLiteral("Adressen.adr"), data, size);
    const platform::Read<QList<TAdressRec>> lesung = adressenPruefendLesen();
    fuzzPruefen(lesung.file.ok, "a readable participant file gives no failure");
    fuzzPruefen(lesung.value.size() == qsizetype(size / sizeof(TAdressRec)),
                "record count = size / record size");
    for (const TAdressRec& a : lesung.value) {
        feldPruefen(a.Vorname);
        feldPruefen(a.Name);
        feldPruefen(a.Strasse);
        feldPruefen(a.PlzOrt);
        feldPruefen(a.Email);
        feldPruefen(a.Telefon);
        feldPruefen(a.Fax);
        feldPruefen(a.Mobil);
    }
    const QStringList texte = adresseListentexte(lesung.value);
    fuzzPruefen(texte.size() == lesung.value.size(), "one list entry per record");

    // The participant window holds every byte of every record, and its look-ups find what a
    // search through the records finds.
    const QByteArray ganz(reinterpret_cast<const char*>(data),
                          lesung.value.size() * qsizetype(sizeof(TAdressRec)));
    Adressbestand bestand;
    fuzzPruefen(bestand.laden().ok, "the window reads a readable file");
    fuzzPruefen(platform::recordsToBytes(bestand.adressen()) == ganz,
                "the window holds every byte of every record");
    fuzzPruefen(bestand.listentexte() == texte, "the window lists the same entries");
    for (const qsizetype i : {qsizetype(0), texte.size() / 2, texte.size() - 1}) {
        if (i < 0 || i >= texte.size())
            continue;
        const TAdressRec* gesucht = letzterTreffer(lesung.value, texte[i]);
        const std::optional<TAdressRec> gefunden = bestand.zumListentext(texte[i]);
        fuzzPruefen(gesucht && gefunden &&
                        std::memcmp(gesucht, &*gefunden, sizeof(TAdressRec)) == 0,
                    "a pick finds the record the search finds");
    }
    const QString kopie = platform::dataFile(QStringLiteral("Adressen.kopie"));
    fuzzPruefen(bool(platform::saveRecords(kopie, bestand.adressen())),
                "the window's records can be written");
    fuzzPruefen(platform::readFile(kopie).value == ganz, "written back byte for byte");

    // "Speichern >>" of the first record's names writes every other record as it was read.
    if (!lesung.value.isEmpty()) {
        const TAdressRec neu = lesung.value.first();
        const QString name = neu.Name.str();
        const QString vorname = neu.Vorname.str();
        const AdressFund fund = adresse_pruefen(lesung.value, name, vorname);
        QByteArray erwartet = ganz;
        if (fund.gefunden)
            erwartet.remove((fund.position - 1) * qsizetype(sizeof(TAdressRec)),
                            qsizetype(sizeof(TAdressRec)));
        const Adressbestand::Erfassung erfassung = bestand.erfassen(neu, name, vorname);
        fuzzPruefen(erfassung.datei.ok, "a save of a readable file succeeds");
        if (erfassung.geschrieben) {
            erwartet += ganz.left(qsizetype(sizeof(TAdressRec)));
            fuzzPruefen(platform::readFile(adressdateiPfad()).value == erwartet,
                        "a save keeps every other record byte for byte");
        } else {
            fuzzPruefen(adresseOhneNamen(neu), "only a record without names is not stored");
        }
    }
    return 0;
}

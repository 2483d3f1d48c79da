// The participant list with 2 000, 5 000 and 10 000 participants: building all its pages and
// printing them into a PDF file, each beside reading the participant file alone.
#include "platform/base/datafolder.h"
#include "platform/base/savefile.h"
#include "platform/base/typedfile.h"
#include "players/logic/adressverwaltung.h"
#include "printing/logic/adressliste.h"
#include "printing/logic/seiten.h"

#include "medianzeit.h"

#include <QApplication>
#include <QPrinter>
#include <QTemporaryDir>
#include <cstdio>

namespace
{

constexpr int kDurchlaeufe = 5;

QList<TAdressRec> teilnehmer(int anzahl)
{
    const QStringList namen{"Meier", "Müller", "Schulz", "Özdemir", "Wagner-Hoffmann",
                            "Kurz",  "Zander", "Weiß",   "Becker",  "Hoffmann"};
    QList<TAdressRec> adressen;
    for (int i = 0; i < anzahl; ++i) {
        AdressFelder f;
        f.name = namen[i % namen.size()] + QString::number(i);
        f.vorname = QStringLiteral("Hans-Jürgen");
        f.strasse = QStringLiteral("Hauptstraße %1").arg(i);
        f.plzOrt = QStringLiteral("12345 Großstadt");
        f.telefon = QStringLiteral("0123 %1").arg(i);
        f.mobil = QStringLiteral("0170 %1").arg(i);
        f.email = QStringLiteral("spieler%1@example.org").arg(i);
        adressen.append(adresseAusFeldern(f));
    }
    return adressen;
}

} // namespace

int main(int argc, char* argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QTemporaryDir ordner;
    platform::setDataFolder(ordner.path());
    const Druckschrift schrift{QStringLiteral("DejaVu Sans"), 10};
    const QDate datum(2023, 2, 21);
    const QString pdf = ordner.filePath(QStringLiteral("liste.pdf"));

    std::printf("%-8s %6s %12s %12s %12s %10s %10s %12s\n", "Spieler", "Seiten", "lesen ms",
                "Seiten ms", "PDF ms", "Seiten/L", "PDF/L", "ms/200 S.");
    for (int anzahl : {2000, 5000, 10000}) {
        if (!platform::writeFileAtomic(adressdateiPfad(),
                                       platform::recordsToBytes(teilnehmer(anzahl)))
                 .ok)
            return 1;
        QList<TAdressRec> gelesen;
        const double lesen = medianMs(kDurchlaeufe, [&] { gelesen = adressenLesen(); });

        Seitenstapel seiten;
        const double bauen = medianMs(
            kDurchlaeufe, [&] { drucken_adressen(seiten, adressenLesen(), schrift, datum); });
        const double drucken = medianMs(kDurchlaeufe, [&] {
            QPrinter drucker(QPrinter::HighResolution);
            drucker.setOutputFormat(QPrinter::PdfFormat);
            drucker.setOutputFileName(pdf);
            if (seitenDrucken(drucker, seiten, 0, seiten.PageCount() - 1) != DruckUrsache::Gedruckt)
                std::printf("printing failed\n");
        });
        std::printf("%-8d %6d %12.2f %12.2f %12.2f %10.1f %10.1f %12.1f\n", anzahl,
                    seiten.PageCount(), lesen, bauen, drucken, bauen / lesen, drucken / lesen,
                    bauen / seiten.PageCount() * 200);
    }
    return 0;
}

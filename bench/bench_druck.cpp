// The participant list with 200, 2 000 and 20 000 participants: opening the print window
// ("Erfasste Spieler drucken": window made, pages built, preview painted) beside reading the
// participant file, and printing every page into a PDF file beside reading the participant
// file and writing the same PDF bytes, each floor measured in turn with its step.
#include "core/base/optionen.h"
#include "platform/base/datafolder.h"
#include "platform/base/fileresult.h"
#include "platform/base/savefile.h"
#include "platform/base/typedfile.h"
#include "platform/ui/messages.h"
#include "players/logic/adressverwaltung.h"
#include "printing/logic/seiten.h"
#include "printing/ui/druckfenster.h"
#include "printing/ui/nicepreview.h"

#include "medianzeit.h"

#include <QApplication>
#include <QFile>
#include <QPrinter>
#include <QTemporaryDir>
#include <cstdio>
#include <memory>

namespace
{

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

bool schreiben(const QString& pfad, const QByteArray& bytes)
{
    QFile datei(pfad);
    return datei.open(QIODevice::WriteOnly) && datei.write(bytes) == bytes.size();
}

} // namespace

int main(int argc, char* argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QTemporaryDir ordner;
    platform::setDataFolder(ordner.path());
    platform::setMessageHandler([](const platform::Message& m) {
        std::fprintf(stderr, "message: %s\n", qPrintable(m.text));
        return platform::Answer::Ok;
    });
    optionenStandardwerte(Optionen);
    const QString pdf = ordner.filePath(QStringLiteral("liste.pdf"));
    const QString pdfKopie = ordner.filePath(QStringLiteral("kopie.pdf"));
    bool ok = true;

    for (const int anzahl : {200, 2000, 20000}) {
        if (!platform::writeFileAtomic(adressdateiPfad(),
                                       platform::recordsToBytes(teilnehmer(anzahl)))
                 .ok)
            return 1;
        const int runs = anzahl >= 20000 ? 3 : 5;
        const auto lesen = [&] { ok = platform::readFile(adressdateiPfad()).file.ok && ok; };

        std::unique_ptr<TForm14> fenster;
        const Paarzeit oeffnen = abwechselndMs(
            runs,
            [&] {
                fenster.reset(druckfensterOeffnen(nullptr));
                QCoreApplication::processEvents();
            },
            lesen,
            [&] {
                fenster.reset();
                QCoreApplication::processEvents();
            });
        const int seiten = fenster->vorschau()->PageCount();

        const auto drucken = [&] {
            QPrinter drucker(QPrinter::HighResolution);
            drucker.setOutputFormat(QPrinter::PdfFormat);
            drucker.setOutputFileName(pdf);
            ok = fenster->vorschau()->PrintAll(drucker) == DruckUrsache::Gedruckt && ok;
        };
        drucken();
        const QByteArray pdfBytes = platform::readFile(pdf).value;
        const Paarzeit pdfZeit = abwechselndMs(runs, drucken, [&] {
            lesen();
            ok = schreiben(pdfKopie, pdfBytes) && ok;
        });

        tabellenzeile("bench_druck", QStringLiteral("open print window (%1 pages)").arg(seiten),
                      anzahl, oeffnen, QStringLiteral("read the file"));
        tabellenzeile("bench_druck", QStringLiteral("print every page into a PDF"), anzahl, pdfZeit,
                      QStringLiteral("read the file + write the same PDF"));
        ok = ok && seiten > 0 && !pdfBytes.isEmpty();
    }
    if (!ok)
        std::printf("opening or printing failed\n");
    return ok ? 0 : 1;
}

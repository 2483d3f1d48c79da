// Opens the print window with a list of 60 participants, saves a picture of the screen and,
// when asked, prints the list into a PDF file; used by tools/screenshots-print.sh under
// xvfb-run.
//   druckfenster_vorschau <eine|zwei> <picture.png> [list.pdf]
#include "core/base/optionen.h"
#include "platform/base/datafolder.h"
#include "platform/base/typedfile.h"
#include "players/logic/adressverwaltung.h"
#include "printing/ui/drucker.h"
#include "printing/ui/druckfenster.h"

#include <QApplication>
#include <QDir>
#include <QPrinter>
#include <QPushButton>
#include <QScreen>
#include <QTemporaryDir>
#include <QTimer>
#include <cstdio>

namespace
{

const char* const kVornamen[] = {"Anna",   "Bernd",       "Carla", "Dieter", "Elif",  "Frank",
                                 "Gisela", "Hans-Jürgen", "Ines",  "Jan",    "Karin", "Lutz"};
const char* const kNamen[] = {"Schulze",    "Meier",   "Wagner-Hoffmann", "Krause", "Yilmaz",
                              "Zimmermann", "Bäcker",  "Lehmann",         "Koç",    "Wojcik",
                              "Schmitt",    "Neumann", "Fuchs",           "Brandt", "Sommer"};

QList<TAdressRec> teilnehmer(int anzahl)
{
    QList<TAdressRec> adressen;
    for (int i = 0; i < anzahl; ++i) {
        AdressFelder f;
        f.name = QString::fromUtf8(kNamen[i % int(std::size(kNamen))]);
        f.vorname = QString::fromUtf8(kVornamen[i % int(std::size(kVornamen))]);
        f.strasse = QStringLiteral("Lindenstraße %1").arg(i + 1);
        f.plzOrt = QStringLiteral("%1 Kickerstadt").arg(10115 + i * 7);
        f.telefon = QStringLiteral("030 %1").arg(4711000 + i * 13);
        f.fax = i % 3 == 0 ? QStringLiteral("030 %1").arg(4712000 + i) : QString();
        f.mobil = QStringLiteral("0170 %1").arg(1234500 + i * 29);
        f.email = f.vorname.toLower() + QLatin1Char('.') + f.name.toLower() +
                  QStringLiteral("@beispiel-verein.de");
        adressen.append(adresseAusFeldern(f));
    }
    return adressen;
}

} // namespace

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    if (argc != 3 && argc != 4) {
        std::fprintf(stderr, "usage: %s <eine|zwei> <picture.png> [list.pdf]\n", argv[0]);
        return 2;
    }
    const bool zwei = QString::fromLocal8Bit(argv[1]) == QLatin1String("zwei");
    const QString bild = QDir::current().absoluteFilePath(QString::fromLocal8Bit(argv[2]));
    const QString pdf =
        argc == 4 ? QDir::current().absoluteFilePath(QString::fromLocal8Bit(argv[3])) : QString();

    QTemporaryDir ordner;
    platform::setDataFolder(ordner.path());
    optionen_lesen();
    Optionen.DruckSchrift.set(QStringLiteral("DejaVu Sans"));
    Optionen.DruckGroesse = 10;
    if (!platform::writeFileAtomic(adressdateiPfad(), platform::recordsToBytes(teilnehmer(60))).ok)
        return 1;

    TForm14* fenster = druckfensterOeffnen(nullptr);
    if (zwei)
        fenster->findChild<QPushButton*>(QStringLiteral("Button1"))->click();
    else
        fenster->findChild<QPushButton*>(QStringLiteral("Button4"))->click();
    int ergebnis = 1;
    QTimer::singleShot(1200, &app, [&] {
        const bool gespeichert = QGuiApplication::primaryScreen()->grabWindow(0).save(bild);
        std::printf("%s %s\n", gespeichert ? "saved" : "FAILED", qPrintable(bild));
        ergebnis = gespeichert ? 0 : 1;
        if (!pdf.isEmpty()) {
            QPrinter& drucker = druckerDesLaufs();
            drucker.setOutputFormat(QPrinter::PdfFormat);
            drucker.setOutputFileName(pdf);
            fenster->findChild<QPushButton*>(QStringLiteral("Button2"))->click();
            const bool geschrieben = QFileInfo(pdf).size() > 0;
            std::printf("%s %s\n", geschrieben ? "saved" : "FAILED", qPrintable(pdf));
            ergebnis = geschrieben ? ergebnis : 1;
        }
        fenster->close();
        app.exit();
    });
    app.exec();
    return ergebnis;
}

// Shows the seating of a 6-table doubles draw (24 names, one of them 50 characters long)
// either in the print window or on the large display, and saves a picture of the screen; in
// the print window it also saves the page as PDF. Used by tools/screenshots-seating.sh under
// xvfb-run.
//   tischbelegung_vorschau druck <picture.png> <file.pdf>
//   tischbelegung_vorschau gross <picture.png>
#include "core/base/optionen.h"
#include "draw/logic/auswahldatei.h"
#include "draw/logic/ziehung.h"
#include "draw/ui/ergebnisfenster.h"
#include "platform/base/datafolder.h"
#include "platform/base/random.h"
#include "platform/ui/modal.h"
#include "printing/ui/drucker.h"
#include "printing/ui/tischdruckfenster.h"

#include "beispielnamen.h"

#include <QApplication>
#include <QDir>
#include <QEventLoop>
#include <QPushButton>
#include <QScreen>
#include <QTemporaryDir>
#include <QTimer>
#include <cstdio>

namespace
{

bool bildSpeichern(const QString& bild)
{
    const bool gespeichert = QGuiApplication::primaryScreen()->grabWindow(0).save(bild);
    std::printf("%s %s\n", gespeichert ? "saved" : "FAILED", qPrintable(bild));
    return gespeichert;
}

} // namespace

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    const QString art = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QString();
    const bool druck = art == QLatin1String("druck");
    if ((druck && argc != 4) || (!druck && (art != QLatin1String("gross") || argc != 3))) {
        std::fprintf(stderr, "usage: %s druck <picture.png> <file.pdf> | gross <picture.png>\n",
                     argv[0]);
        return 2;
    }
    const QString bild = QDir::current().absoluteFilePath(QString::fromLocal8Bit(argv[2]));
    const QString pdf =
        druck ? QDir::current().absoluteFilePath(QString::fromLocal8Bit(argv[3])) : QString();

    QTemporaryDir ordner;
    platform::setDataFolder(ordner.path());
    QDir::setCurrent(ordner.path());
    optionen_lesen();
    Optionen.Spielmodus = kDoppel;
    platform::setRandSeed(20261210u);
    QStringList namen;
    // The longest name as a table file keeps it: 50 characters.
    for (const char* name : kBeispielnamen)
        namen << QString::fromUtf8(name).left(50);
    auswahlSchreiben(auswahldatei2(), namen);
    personen_zuweisen(6);
    setTischdruck(tischbelegungDrucken);
    ergebnisfensterAnlegen(nullptr);

    int ergebnis = 1;
    setPdfDateiFrage([&](QWidget*, const QString&) { return pdf; });
    platform::setModalRunner([&](QDialog& fenster) {
        fenster.show();
        if (auto* druckfenster = qobject_cast<Tischdruckfenster*>(&fenster)) {
            // The print window lives on the caller's stack: it is shown until the picture
            // and the PDF are saved.
            QEventLoop schleife;
            QTimer::singleShot(1500, &schleife, [&] {
                const bool gespeichert = bildSpeichern(bild);
                druckfenster->findChild<QPushButton*>(QStringLiteral("alsPdfSpeichern"))->click();
                const bool geschrieben = QFileInfo(pdf).size() > 0;
                std::printf("%s %s\n", geschrieben ? "written" : "FAILED", qPrintable(pdf));
                ergebnis = gespeichert && geschrieben ? 0 : 1;
                schleife.quit();
                app.exit();
            });
            schleife.exec();
            return 0;
        }
        auto& ergebnisfenster = static_cast<Ergebnisfenster&>(fenster);
        if (druck) {
            QTimer::singleShot(800, &app, [&] { ergebnisfenster.druckenKlick(); });
        } else {
            QTimer::singleShot(500, &app, [&] { ergebnisfenster.grossanzeigeSetzen(true); });
            QTimer::singleShot(2000, &app, [&] {
                ergebnis = bildSpeichern(bild) ? 0 : 1;
                app.exit();
            });
        }
        return app.exec();
    });
    tischeAnzeigen(6);
    return ergebnis;
}

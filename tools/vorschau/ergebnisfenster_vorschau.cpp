// Shows one result window with a fresh draw and saves a picture of the screen; used by
// tools/screenshots-results.sh under xvfb-run.
//   ergebnisfenster_vorschau <tables 2..6> <einzel|doppel> <players> <picture.png>
#include "core/base/optionen.h"
#include "draw/logic/auswahldatei.h"
#include "draw/logic/ziehung.h"
#include "draw/ui/ergebnisfenster.h"
#include "platform/base/datafolder.h"
#include "platform/base/random.h"
#include "platform/ui/modal.h"

#include "beispielnamen.h"

#include <QApplication>
#include <QDir>
#include <QScreen>
#include <QTemporaryDir>
#include <QTimer>
#include <cstdio>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    if (argc != 5) {
        std::fprintf(stderr, "usage: %s <tables> <einzel|doppel> <players> <picture.png>\n",
                     argv[0]);
        return 2;
    }
    const int tische = QString::fromLocal8Bit(argv[1]).toInt();
    const bool doppel = QString::fromLocal8Bit(argv[2]) == QLatin1String("doppel");
    const int spieler = QString::fromLocal8Bit(argv[3]).toInt();
    const QString bild = QDir::current().absoluteFilePath(QString::fromLocal8Bit(argv[4]));

    QTemporaryDir ordner;
    platform::setDataFolder(ordner.path());
    QDir::setCurrent(ordner.path());
    optionen_lesen();
    Optionen.Spielmodus = doppel ? kDoppel : kEinzel;
    platform::setRandSeed(20261210u);

    QStringList namen;
    for (int i = 0; i < spieler; ++i)
        namen << QString::fromUtf8(kBeispielnamen[i % int(std::size(kBeispielnamen))]);
    auswahlSchreiben(auswahldatei2(), namen);
    personen_zuweisen(tische);

    ergebnisfensterAnlegen(nullptr);
    int ergebnis = 1;
    platform::setModalRunner([&](QDialog& fenster) {
        fenster.show();
        QTimer::singleShot(1200, &app, [&] {
            const bool gespeichert = QGuiApplication::primaryScreen()->grabWindow(0).save(bild);
            std::printf("%s %s\n", gespeichert ? "saved" : "FAILED", qPrintable(bild));
            ergebnis = gespeichert ? 0 : 1;
            app.exit();
        });
        return app.exec();
    });
    tischeAnzeigen(tische);
    return ergebnis;
}

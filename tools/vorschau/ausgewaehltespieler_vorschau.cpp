// Shows the selected players view with a number of picked players, the given row current, in
// the given style, and saves a picture of the screen; used by
// tools/screenshots-ausgewaehlte-spieler.sh under xvfb-run.
//   ausgewaehltespieler_vorschau <style> <players> <current row> <picture.png>
#include "appearance/ui/stilverwaltung.h"
#include "draw/logic/auswahldatei.h"
#include "grid/ui/filtergrid.h"
#include "platform/base/datafolder.h"
#include "players/ui/ausgewaehltespieler.h"

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
        std::fprintf(stderr, "usage: %s <style> <players> <current row> <picture.png>\n", argv[0]);
        return 2;
    }
    const QString stil = QString::fromLocal8Bit(argv[1]);
    const int spieler = QString::fromLocal8Bit(argv[2]).toInt();
    const int zeile = QString::fromLocal8Bit(argv[3]).toInt();
    const QString bild = QDir::current().absoluteFilePath(QString::fromLocal8Bit(argv[4]));
    if (!appearance::StyleManager::setStyle(stil))
        return 2;

    QTemporaryDir ordner;
    platform::setDataFolder(ordner.path());
    QStringList namen;
    for (int i = 0; i < spieler; ++i)
        namen << QString::fromUtf8(kBeispielnamen[i % int(std::size(kBeispielnamen))]);
    auswahlSchreiben(auswahldatei2(), namen);

    TForm3 ansicht;
    ansicht.oeffnen();
    ansicht.FilterGrid1->Grid().SetRow(zeile);
    int ergebnis = 1;
    QTimer::singleShot(1200, &app, [&] {
        const bool gespeichert = QGuiApplication::primaryScreen()->grabWindow(0).save(bild);
        std::printf("%s %s\n", gespeichert ? "saved" : "FAILED", qPrintable(bild));
        ergebnis = gespeichert ? 0 : 1;
        app.exit();
    });
    app.exec();
    return ergebnis;
}

// The selected players view ("Anwesend") on selection files of 200, 2 000 and 20 000 records:
// opening it (read, filled, shown, widths fitted, painted), the first time and again, beside
// reading the file alone (bytes read and names decoded), the floor measured in turns with the
// opening.
#include "draw/logic/auswahldatei.h"
#include "grid/ui/filtergrid.h"
#include "platform/base/datafolder.h"
#include "players/ui/ausgewaehltespieler.h"

#include "medianzeit.h"

#include <QApplication>
#include <QTemporaryDir>
#include <cstdio>
#include <memory>

namespace
{

constexpr int kDurchlaeufe = 7;

QStringList namen(int anzahl)
{
    const QStringList stamm{"Meier", "Müller", "Schulz", "Özdemir",  "Weiß",
                            "Kurz",  "Zander", "Becker", "Hoffmann", "Jäger"};
    QStringList liste;
    liste.reserve(anzahl);
    for (int i = 0; i < anzahl; ++i)
        liste << QStringLiteral("%1 %2").arg(stamm[i % stamm.size()]).arg(i * 7919 % 100000);
    return liste;
}

} // namespace

int main(int argc, char* argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QTemporaryDir ordner;
    platform::setDataFolder(ordner.path());
    for (const int anzahl : {200, 2000, 20000}) {
        if (!auswahlSchreiben(auswahldatei2(), namen(anzahl)))
            return 1;
        qsizetype zeilen = 0;
        const auto lesen = [&] { zeilen += auswahlNamenLesen(auswahldatei2()).size(); };
        // The first opening of a view (created untimed, as the first "Anwesend" of a run
        // creates it) and opening it again, each in turns with reading the file.
        std::unique_ptr<TForm3> ansicht;
        const auto oeffnen = [&] {
            ansicht->oeffnen();
            QCoreApplication::processEvents();
        };
        const Paarzeit erstes = abwechselndMs(kDurchlaeufe, oeffnen, lesen, [&] {
            ansicht = std::make_unique<TForm3>();
            QCoreApplication::processEvents();
        });
        const Paarzeit wieder = abwechselndMs(kDurchlaeufe, oeffnen, lesen, [&] {
            ansicht->close();
            QCoreApplication::processEvents();
        });
        if (zeilen == 0 || ansicht->FilterGrid1->paintCount() == 0 ||
            ansicht->FilterGrid1->Grid().RowCount() != anzahl + 1)
            return 1;
        tabellenzeile("bench_ansicht", QStringLiteral("open \"Anwesend\" view, first time"), anzahl,
                      erstes, QStringLiteral("read the file"));
        tabellenzeile("bench_ansicht", QStringLiteral("open \"Anwesend\" view again"), anzahl,
                      wieder, QStringLiteral("read the file"));
    }
    return 0;
}

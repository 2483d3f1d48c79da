// The selected players view on selection files of 100, 1 000 and 10 000 records: opening it
// (read, filled, shown, widths fitted, painted) beside reading the file alone (bytes read and
// names decoded), the floor measured in the same run.
#include "draw/logic/auswahldatei.h"
#include "grid/ui/filtergrid.h"
#include "platform/base/datafolder.h"
#include "players/logic/spieleransicht.h"
#include "players/ui/ausgewaehltespieler.h"

#include "medianzeit.h"

#include <QApplication>
#include <QTemporaryDir>
#include <cstdio>

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
    TForm3 ansicht;

    std::printf("%8s %14s %14s %8s\n", "records", "read (ms)", "open (ms)", "ratio");
    for (const int anzahl : {100, 1000, 10000}) {
        if (!auswahlSchreiben(auswahldatei2(), namen(anzahl)))
            return 1;
        std::size_t zeilen = 0;
        const double lesen = medianMs(kDurchlaeufe, [&] {
            zeilen += std::size_t(ansichtLesen(auswahldatei2()).zeilen.size());
        });
        const double oeffnen = medianMs(
            kDurchlaeufe,
            [&] {
                ansicht.oeffnen();
                QCoreApplication::processEvents();
                ansicht.FilterGrid1->viewport()->repaint();
            },
            [&] {
                ansicht.close();
                QCoreApplication::processEvents();
            });
        if (zeilen == 0 || ansicht.FilterGrid1->Grid().RowCount() != anzahl + 1)
            return 1;
        std::printf("%8d %14.3f %14.3f %7.1fx\n", anzahl, lesen, oeffnen, oeffnen / lesen);
    }
    return 0;
}

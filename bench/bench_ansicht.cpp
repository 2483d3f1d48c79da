// The selected players view on selection files of 100, 1 000 and 10 000 records: opening it
// (read, filled, shown, widths fitted, painted), the first time and again, beside reading the
// file alone (bytes read and names decoded), the floor measured in turns with the opening.
#include "draw/logic/auswahldatei.h"
#include "grid/ui/filtergrid.h"
#include "platform/base/datafolder.h"
#include "players/logic/spieleransicht.h"
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
    std::printf("%8s %11s %13s %13s %11s %11s\n", "records", "read (ms)", "first (ms)",
                "again (ms)", "first/read", "again/read");
    for (const int anzahl : {100, 1000, 10000}) {
        if (!auswahlSchreiben(auswahldatei2(), namen(anzahl)))
            return 1;
        std::size_t zeilen = 0;
        const auto lesen = [&] {
            zeilen += std::size_t(ansichtLesen(auswahldatei2()).zeilen.size());
        };
        // The first opening of a view (created untimed, as at start) and opening it again,
        // each in turns with reading the file.
        std::unique_ptr<TForm3> ansicht;
        auto oeffnen = [&] {
            ansicht->oeffnen();
            QCoreApplication::processEvents();
            ansicht->FilterGrid1->viewport()->repaint();
        };
        const auto [erstes, lesenErstes] = medianPairMs(kDurchlaeufe, oeffnen, lesen, [&] {
            ansicht = std::make_unique<TForm3>();
            QCoreApplication::processEvents();
        });
        const auto [wieder, lesenWieder] = medianPairMs(kDurchlaeufe, oeffnen, lesen, [&] {
            ansicht->close();
            QCoreApplication::processEvents();
        });
        if (zeilen == 0 || ansicht->FilterGrid1->Grid().RowCount() != anzahl + 1)
            return 1;
        std::printf("%8d %11.3f %13.3f %13.3f %10.1fx %10.1fx\n", anzahl, lesenErstes, erstes,
                    wieder, erstes / lesenErstes, wieder / lesenWieder);
    }
    return 0;
}

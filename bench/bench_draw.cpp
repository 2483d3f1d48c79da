// "Spieler neu mischen." in the shown result window of 6 tables in doubles, until the window
// is painted with the new names: the whole draw (pool rebuilt from the selection file, pool
// loaded, numbers drawn, table file written and read back) at 200, 2 000 and 20 000 picked
// players, beside its floor: the same file reads and the same flushed atomic writes of the
// same bytes, without any decoding, encoding or painting.
#include "core/base/optionen.h"
#include "draw/logic/auswahldatei.h"
#include "draw/logic/pool.h"
#include "draw/logic/tischdatei.h"
#include "draw/logic/ziehung.h"
#include "draw/ui/ergebnisfenster.h"
#include "platform/base/datafolder.h"
#include "platform/base/fileresult.h"
#include "platform/base/random.h"
#include "platform/base/savefile.h"
#include "platform/ui/messages.h"

#include "medianzeit.h"

#include <QApplication>
#include <QDir>
#include <QTemporaryDir>
#include <cstdio>

namespace
{

constexpr int kTische = 6;

QStringList namen(int anzahl)
{
    QStringList liste;
    liste.reserve(anzahl);
    for (int i = 0; i < anzahl; ++i)
        liste << QStringLiteral("Spielerin Nummer %1 Weiß").arg(i);
    return liste;
}

bool lesen(const QString& pfad)
{
    return platform::readFile(pfad).file.ok;
}

// The generator calls of one draw: the generator is stepped from its state before the draw
// until it reaches the state after it.
unsigned long long zufallsaufrufe()
{
    const std::uint32_t vorher = platform::randSeed();
    personen_zuweisen6t();
    const std::uint32_t nachher = platform::randSeed();
    platform::setRandSeed(vorher);
    unsigned long long aufrufe = 0;
    while (platform::randSeed() != nachher) {
        platform::random(1);
        ++aufrufe;
    }
    return aufrufe;
}

} // namespace

int main(int argc, char* argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QTemporaryDir dir;
    platform::setDataFolder(dir.path());
    QDir::setCurrent(dir.path());
    platform::setMessageHandler([](const platform::Message& m) {
        std::fprintf(stderr, "message: %s\n", qPrintable(m.text));
        return platform::Answer::Ok;
    });
    optionenStandardwerte(Optionen);
    Optionen.Spielmodus = kDoppel;
    platform::setRandSeed(20240601u);

    const QString auswahlPfad = auswahldatei2();
    const QString poolPfad = QDir::current().absoluteFilePath(kPoolDatei);
    const QString tischPfad = tischdateiPfad(kTische);
    TForm66 fenster;
    fenster.showMaximized();
    QCoreApplication::processEvents();
    for (int n : {200, 2000, 20000}) {
        if (!auswahlSchreiben(auswahlPfad, namen(n)))
            return 1;
        const unsigned long long aufrufe = zufallsaufrufe();
        // The bytes the draw writes, as it wrote them.
        const QByteArray pool = platform::readFile(poolPfad).value;
        const QByteArray tisch = platform::readFile(tischPfad).value;
        bool ok = true;
        const Paarzeit zeit = abwechselndMs(
            n >= 20000 ? 7 : 15,
            [&] {
                fenster.Button2Click();
                QCoreApplication::processEvents();
                ok = !gezogeneNummern().isEmpty() && ok;
            },
            [&] {
                ok = lesen(auswahlPfad) && platform::writeFileAtomic(poolPfad, pool).ok &&
                     lesen(poolPfad) && platform::writeFileAtomic(tischPfad, tisch).ok &&
                     lesen(tischPfad) && ok;
            });
        // The floor wrote the table file last: one more click, and the window shows the file.
        fenster.Button2Click();
        QCoreApplication::processEvents();
        ok = fenster.angezeigteBelegung() == tischLesen(kTische).value && ok;
        tabellenzeile("bench_draw", QStringLiteral("\"Spieler neu mischen.\", 6 tables doubles"), n,
                      zeit, QStringLiteral("same reads + flushed writes"));
        std::printf("%-15s   %lld players: %llu generator calls per draw%s\n", "", (long long)n,
                    aufrufe, ok ? "" : " (A DRAW OR WRITE FAILED)");
        if (!ok)
            return 1;
    }
    return 0;
}

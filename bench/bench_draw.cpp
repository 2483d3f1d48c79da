// The whole draw for 6 tables in doubles (pool rebuilt from the selection file, pool loaded,
// numbers drawn, table file written) beside merely loading the same pool file.
#include "core/base/optionen.h"
#include "draw/logic/auswahldatei.h"
#include "draw/logic/pool.h"
#include "draw/logic/ziehung.h"
#include "platform/base/datafolder.h"
#include "platform/base/random.h"
#include "platform/ui/messages.h"

#include "medianzeit.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdio>
#include <vector>

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
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

    std::printf("%10s %14s %14s %8s %16s\n", "players", "draw ms", "read pool ms", "ratio",
                "random calls");
    for (int n : {24, 1000, 100000}) {
        QStringList namen;
        namen.reserve(n);
        for (int i = 0; i < n; ++i)
            namen << QStringLiteral("Spielerin Nummer %1").arg(i);
        auswahlSchreiben(auswahldatei2(), namen);
        const int runs = n >= 100000 ? 5 : 21;

        std::uint32_t vorher = platform::randSeed();
        const double ziehen = medianMs(runs, [] { personen_zuweisen6t(); });
        // Random calls of one draw: step the generator's state from before to after.
        std::uint64_t aufrufe = 0;
        {
            platform::setRandSeed(vorher);
            personen_zuweisen6t();
            const std::uint32_t nachher = platform::randSeed();
            platform::setRandSeed(vorher);
            while (platform::randSeed() != nachher) {
                platform::random(1);
                ++aufrufe;
            }
        }
        const double lesen = medianMs(runs, [] {
            QStringList zeilen;
            QList<platform::Message> meldungen;
            poolLaden(zeilen, meldungen);
        });
        std::printf("%10d %14.3f %14.3f %8.1f %16llu\n", n, ziehen, lesen, ziehen / lesen,
                    static_cast<unsigned long long>(aufrufe));
    }
    return 0;
}

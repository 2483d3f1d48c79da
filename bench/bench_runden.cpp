// "Neue Partner": arranging the drawn players after 10 earlier rounds of the evening, beside the
// plain draw of the same players (the floor), in doubles at three sizes.
#include "draw/logic/faire_runden.h"
#include "draw/logic/ziehung.h"
#include "platform/base/random.h"

#include "medianzeit.h"

#include <QCoreApplication>
#include <cstdio>

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    platform::setRandSeed(20240601u);
    std::printf("%8s %8s %14s %14s %14s %8s\n", "tables", "players", "plain draw ms",
                "new partners ms", "slowest ms", "ratio");
    for (const int tische : {2, 4, 6}) {
        const int spieler = 4 * tische;
        QStringList namen;
        for (int i = 0; i < spieler; ++i)
            namen << QStringLiteral("Spielerin Nummer %1").arg(i);
        const Poolzeilen pool(poolBytes(namen));
        // Ten earlier rounds, each arranged as the evening would have it.
        QList<Runde> runden;
        for (int r = 0; r < 10; ++r) {
            const Ziehungsergebnis z = ziehungBerechnen(tische, kDoppel, spieler, spieler, pool);
            runden << Runde{QDateTime(QDate(2025, 3, 14), QTime(19, r)), kDoppel,
                            faireBelegung(z.belegung, kDoppel, runden).belegung};
        }
        const Tischbelegung gezogen =
            ziehungBerechnen(tische, kDoppel, spieler, spieler, pool).belegung;
        const int runs = 31;
        const double plain =
            medianMs(runs, [&] { ziehungBerechnen(tische, kDoppel, spieler, spieler, pool); });
        double langsamste = 0;
        const double fair = medianMs(runs, [&] {
            QElapsedTimer uhr;
            uhr.start();
            faireBelegung(gezogen, kDoppel, runden);
            langsamste = std::max(langsamste, double(uhr.nsecsElapsed()) / 1e6);
        });
        std::printf("%8d %8d %14.3f %14.3f %14.3f %8.1f\n", tische, spieler, plain, fair,
                    langsamste, fair / plain);
    }
    return 0;
}

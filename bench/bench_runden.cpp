// "Spieler neu mischen." with "Neue Partner" on, after 10 earlier rounds of the evening, in the
// shown result window of 6 tables in doubles, until the window is painted with the new names,
// at 200, 2 000 and 20 000 picked players. Beside it, each measured in turn with it: the same
// file reads and flushed atomic writes of the same bytes (selection, pool, table file and
// evening file), and the same click with "Neue Partner" off on the same evening.
#include "core/base/optionen.h"
#include "draw/logic/auswahldatei.h"
#include "draw/logic/pool.h"
#include "draw/logic/spielabend.h"
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
constexpr int kFruehereRunden = 10;

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

// The evening file's bytes with the option set as given and the rounds kept.
QByteArray abendMitOption(const QByteArray& abend, bool neuePartner)
{
    Spielabend inhalt = spielabendAusBytes(abend).abend;
    inhalt.neuePartner = neuePartner;
    return spielabendBytes(inhalt);
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
    int meldungen = 0;
    platform::setMessageHandler([&](const platform::Message&) {
        ++meldungen;
        return platform::Answer::Ok;
    });
    optionenStandardwerte(Optionen);
    Optionen.Spielmodus = kDoppel;
    platform::setRandSeed(20240601u);

    const QString auswahlPfad = auswahldatei2();
    const QString poolPfad = QDir::current().absoluteFilePath(kPoolDatei);
    const QString tischPfad = tischdateiPfad(kTische);
    const QString abendPfad = spielabendPfad();
    TForm66 fenster;
    fenster.showMaximized();
    QCoreApplication::processEvents();
    const auto mischen = [&] {
        fenster.Button2Click();
        QCoreApplication::processEvents();
    };
    for (int n : {200, 2000, 20000}) {
        bool ok = auswahlSchreiben(auswahlPfad, namen(n)).ok && neuenAbendBeginnen().isEmpty() &&
                  neuePartnerSetzen(true).isEmpty();
        for (int r = 0; r < kFruehereRunden; ++r)
            mischen();
        const QByteArray frueher = platform::readFile(abendPfad).value;
        const QByteArray frueherAus = abendMitOption(frueher, false);
        const auto abendZurueck = [&](const QByteArray& bytes) {
            return [&, bytes] { ok = platform::writeFileAtomic(abendPfad, bytes).ok && ok; };
        };
        // The bytes the draw writes, as it wrote them.
        mischen();
        ok = spielabendAusBytes(platform::readFile(abendPfad).value).abend.runden.size() ==
                 kFruehereRunden + 1 &&
             ok;
        const QByteArray pool = platform::readFile(poolPfad).value;
        const QByteArray tisch = platform::readFile(tischPfad).value;
        const QByteArray abend = platform::readFile(abendPfad).value;

        const int runs = n >= 20000 ? 7 : 15;
        const Paarzeit zeit = abwechselndMs(
            runs, mischen,
            [&] {
                ok = lesen(auswahlPfad) && lesen(abendPfad) &&
                     platform::writeFileAtomic(poolPfad, pool).ok && lesen(poolPfad) &&
                     platform::writeFileAtomic(tischPfad, tisch).ok && lesen(tischPfad) &&
                     platform::writeFileAtomic(abendPfad, abend).ok && ok;
            },
            abendZurueck(frueher), abendZurueck(frueher));
        const Paarzeit ohne =
            abwechselndMs(runs, mischen, mischen, abendZurueck(frueher), abendZurueck(frueherAus));
        ok = fenster.angezeigteBelegung() == tischLesen(kTische).value && ok;
        const QString schritt = QStringLiteral("\"Neue Partner\" draw, 6 tables, 10 rounds");
        tabellenzeile("bench_runden", schritt, n, zeit,
                      QStringLiteral("same reads + flushed writes"));
        tabellenzeile("bench_runden", schritt, n, ohne,
                      QStringLiteral("same click with \"Neue Partner\" off"));
        if (!ok) {
            std::printf("a draw or write failed\n");
            return 1;
        }
    }
    std::printf("%-15s   %d messages shown during the draws\n", "", meldungen);
    return 0;
}

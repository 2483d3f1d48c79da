// The participant window with files of 200, 2 000 and 20 000 participants: opening it (list
// filled), picking one entry of the list and one "Speichern >>", each until the window is
// painted again, beside its floor measured in turn with it: reading the file; a bare list
// widget filled with the same sorted names; a hash look-up of the picked entry filling the
// same fields; reading the file and writing it once more with the same flushed atomic save.
// The memory of a process showing the window beside a minimal process showing the same sorted
// list in a bare list widget (both started as processes of this program, in turn).
#include "platform/base/datafolder.h"
#include "platform/base/fileresult.h"
#include "platform/base/savefile.h"
#include "platform/base/typedfile.h"
#include "players/ui/adressen.h"

#include "medianzeit.h"

#include <QApplication>
#include <QCollator>
#include <QFile>
#include <QHash>
#include <QListWidget>
#include <QLocale>
#include <QProcess>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdio>
#include <cstring>
#include <memory>
#include <numeric>

namespace
{

QList<TAdressRec> teilnehmer(int anzahl)
{
    const QStringList namen{"Meier", "Müller", "Schulz", "Özdemir", "adler",
                            "Kurz",  "Zander", "Weiß",   "Becker",  "Hoffmann"};
    QList<TAdressRec> adressen;
    adressen.reserve(anzahl);
    for (int i = 0; i < anzahl; ++i) {
        AdressFelder f;
        f.name = namen[i % namen.size()] + QString::number(i * 7919 % anzahl);
        f.vorname = QStringLiteral("Vorname%1").arg(i);
        f.strasse = QStringLiteral("Hauptstraße %1").arg(i);
        f.plzOrt = QStringLiteral("12345 Großstadt");
        f.telefon = QStringLiteral("0123 %1").arg(i);
        f.email = QStringLiteral("spieler%1@example.org").arg(i);
        adressen.append(adresseAusFeldern(f));
    }
    return adressen;
}

// What a minimal program does to show the same list: read, decode the two names, sort by
// collation keys, fill a list widget in one call.
void minimaleListe(QListWidget& liste, const QString& pfad)
{
    const QList<TAdressRec> adressen = platform::readRecords<TAdressRec>(pfad);
    QStringList texte;
    texte.reserve(adressen.size());
    for (const TAdressRec& a : adressen)
        texte.append(a.Name.str() + QStringLiteral(", ") + a.Vorname.str());
    QCollator collator{QLocale(QLocale::German, QLocale::Germany)};
    collator.setCaseSensitivity(Qt::CaseInsensitive);
    std::vector<QCollatorSortKey> schluessel;
    schluessel.reserve(size_t(texte.size()));
    for (const QString& t : texte)
        schluessel.push_back(collator.sortKey(t));
    std::vector<qsizetype> folge(size_t(texte.size()));
    std::iota(folge.begin(), folge.end(), qsizetype(0));
    std::stable_sort(folge.begin(), folge.end(), [&](qsizetype a, qsizetype b) {
        return schluessel[size_t(a)].compare(schluessel[size_t(b)]) < 0;
    });
    QStringList sortiert;
    sortiert.reserve(texte.size());
    for (qsizetype i : folge)
        sortiert.append(texte.at(i));
    liste.clear();
    liste.addItems(sortiert);
}

long long rssKb()
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return 0;
    for (const QByteArray& zeile : status.readAll().split('\n'))
        if (zeile.startsWith("VmRSS:"))
            return zeile.mid(6).trimmed().split(' ').value(0).toLongLong();
    return 0;
}

// Started as a process of its own: shows the participant window or a bare list widget on the
// participants of the data folder and prints its resident memory in kB.
int speicherZeigen(int argc, char* argv[], bool fenster)
{
    QApplication app(argc, argv);
    platform::setDataFolder(QString::fromLocal8Bit(argv[2]));
    std::unique_ptr<TAdressen> adressen;
    QListWidget liste;
    if (fenster) {
        adressen = std::make_unique<TAdressen>();
        adressen->oeffnen();
    } else {
        liste.setUniformItemSizes(true);
        liste.show();
        minimaleListe(liste, adressdateiPfad());
    }
    QCoreApplication::processEvents();
    std::printf("%lld\n", rssKb());
    return 0;
}

double speicherMb(const QString& art, const QString& ordner)
{
    QProcess prozess;
    prozess.start(QCoreApplication::applicationFilePath(), {art, ordner});
    if (!prozess.waitForFinished(120000) || prozess.exitCode() != 0)
        return 0;
    return prozess.readAllStandardOutput().trimmed().toDouble() / 1024.0;
}

// Medians of a few starts of each, in turn.
void speicherVergleichen(const QString& ordner, int anzahl)
{
    std::vector<double> fenster;
    std::vector<double> liste;
    for (int i = 0; i < 3; ++i) {
        fenster.push_back(speicherMb(QStringLiteral("--speicher-fenster"), ordner));
        liste.push_back(speicherMb(QStringLiteral("--speicher-liste"), ordner));
    }
    std::sort(fenster.begin(), fenster.end());
    std::sort(liste.begin(), liste.end());
    const double f = fenster[1];
    const double l = liste[1];
    std::printf("%-15s | %-44s | %7d | %10.1f MB | %-44s | %10.1f MB | %7.2fx\n", "bench_adressen",
                "memory, participant window open", anzahl, f, "minimal program, same sorted list",
                l, l > 0 ? f / l : 0.0);
}

} // namespace

int main(int argc, char* argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    if (argc >= 3 && std::strcmp(argv[1], "--speicher-fenster") == 0)
        return speicherZeigen(argc, argv, true);
    if (argc >= 3 && std::strcmp(argv[1], "--speicher-liste") == 0)
        return speicherZeigen(argc, argv, false);
    QApplication app(argc, argv);
    QTemporaryDir ordner;
    platform::setDataFolder(ordner.path());
    const QString pfad = adressdateiPfad();
    const QString kopie = ordner.filePath(QStringLiteral("Adressen.kopie"));
    TAdressen fenster;
    auto* liste = fenster.findChild<QListWidget*>(QStringLiteral("ListBox1"));
    QListWidget nackteListe;
    nackteListe.setUniformItemSizes(true);
    const auto gemalt = [] { QCoreApplication::processEvents(); };
    bool ok = liste != nullptr;

    for (const int anzahl : {200, 2000, 20000}) {
        const QList<TAdressRec> adressen = teilnehmer(anzahl);
        if (!platform::writeFileAtomic(pfad, platform::recordsToBytes(adressen)).ok)
            return 1;
        const int runs = anzahl >= 20000 ? 5 : 11;

        // Each opening starts from the closed window and ends with it painted.
        const auto oeffnenGemalt = [&] {
            fenster.oeffnen();
            gemalt();
        };
        const auto schliessen = [&] {
            fenster.close();
            gemalt();
        };
        const Paarzeit oeffnen = abwechselndMs(
            runs, oeffnenGemalt, [&] { ok = platform::readFile(pfad).file.ok && ok; }, schliessen);
        const Paarzeit oeffnenListe = abwechselndMs(
            runs, oeffnenGemalt,
            [&] {
                nackteListe.show();
                minimaleListe(nackteListe, pfad);
                gemalt();
            },
            schliessen,
            [&] {
                nackteListe.hide();
                gemalt();
            });
        const long long speicher = rssKb();

        // Each run picks another entry; the floor finds the same entry through a hash.
        QHash<QString, qsizetype> verzeichnis;
        for (qsizetype i = 0; i < adressen.size(); ++i)
            verzeichnis.insert(adresseListentext(adressen.at(i)), i);
        int lauf = 0;
        const auto zeile = [&] { return int((qint64(lauf) * 7919 + 13) % liste->count()); };
        const Paarzeit waehlen = abwechselndMs(
            runs * 3,
            [&] {
                liste->setCurrentRow(zeile());
                gemalt();
            },
            [&] {
                const qsizetype i = verzeichnis.value(liste->item(zeile())->text(), 0);
                fenster.felderSetzen(adresseFelder(adressen.at(i)));
                gemalt();
                ++lauf;
            });
        ok = ok && !fenster.felder().name.isEmpty();

        // Each save changes a participant from the middle of the file, who moves to the end.
        int geaendert = 0;
        const Paarzeit speichern = abwechselndMs(
            runs,
            [&] {
                fenster.Button1Click();
                gemalt();
            },
            [&] {
                // Written beside it: the same bytes, the same flushed atomic save, while the
                // participant file stays as the window last wrote it.
                const platform::Read<QByteArray> gelesen = platform::readFile(pfad);
                ok = gelesen.file.ok && platform::writeFileAtomic(kopie, gelesen.value).ok && ok;
            },
            [&] {
                AdressFelder f = adresseFelder(adressen.at(anzahl / 2 + geaendert++ % 40));
                f.strasse = QStringLiteral("Neue Straße %1").arg(geaendert);
                fenster.felderSetzen(f);
                gemalt();
            });

        tabellenzeile("bench_adressen", QStringLiteral("open participant window"), anzahl, oeffnen,
                      QStringLiteral("read the file"));
        tabellenzeile("bench_adressen", QStringLiteral("open participant window"), anzahl,
                      oeffnenListe, QStringLiteral("bare list widget, same sorted list"));
        tabellenzeile("bench_adressen", QStringLiteral("pick one list entry"), anzahl, waehlen,
                      QStringLiteral("hash look-up filling the same fields"));
        tabellenzeile("bench_adressen", QStringLiteral("one \"Speichern >>\""), anzahl, speichern,
                      QStringLiteral("read + one flushed atomic write"));
        const qsizetype danach = adressenLesen().size();
        std::printf("%-15s   %d participants: %.1f MB resident with the window open; file "
                    "afterwards %lld records%s\n",
                    "", anzahl, double(speicher) / 1024.0, static_cast<long long>(danach),
                    danach == anzahl && liste->count() == anzahl ? "" : " (WRONG)");
        ok = ok && danach == anzahl && liste->count() == anzahl;
        speicherVergleichen(ordner.path(), anzahl);
    }
    return ok ? 0 : 1;
}

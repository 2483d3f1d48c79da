// A backup of a data folder holding every data file (the participant file with 100, 10 000
// and 100 000 records) and 1 000 files of other kinds, once into an empty folder and once over
// an earlier backup, beside its floor: the same copy routine copying the same matched files in
// the same process, without listing the folder or testing a name.
#include "backup/logic/sicherung.h"
#include "platform/base/filecopy.h"

#include "medianzeit.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <cstdio>

namespace
{

constexpr int kAdressRecord = 960;
constexpr int kFremde = 1000;

bool schreiben(const QString& pfad, qsizetype groesse)
{
    QByteArray inhalt(groesse, '\0');
    for (qsizetype i = 0; i < groesse; ++i)
        inhalt[i] = char((i * 31 + i / 960) & 0xFF);
    QFile datei(pfad);
    return datei.open(QIODevice::WriteOnly) && datei.write(inhalt) == groesse;
}

// The data files a club with `teilnehmer` participants leaves; their names are returned.
QStringList datendateienAnlegen(const QString& ordner, int teilnehmer)
{
    const QList<std::pair<const char*, qsizetype>> dateien = {
        {"Zorbeln.opt", 712},
        {"Adressen.adr", qsizetype(teilnehmer) * kAdressRecord},
        {"aktuelle_Liste1.akt", 153 * 24},
        {"aktuelle_Liste2.akt", 153 * 24},
        {"Tisch2.ti2", 612},
        {"Tisch3.ti3", 918},
        {"Tisch4.ti4", 1224},
        {"Tisch5.ti5", 1530},
        {"Tisch5.ti6", 1836},
        {"Styledat.txt", 20},
        {"Str_list.txt", 200}};
    QStringList namen;
    for (const auto& [name, groesse] : dateien) {
        if (!schreiben(ordner + QLatin1Char('/') + QLatin1String(name), groesse))
            std::fprintf(stderr, "cannot write %s\n", name);
        namen << QLatin1String(name);
    }
    return namen;
}

// Files of other programs beside the data files; none matches a data-file mask.
void fremdeDateienAnlegen(const QString& ordner)
{
    const char* endungen[] = {"png", "pdf", "odt", "exe", "html", "log", "ini", "bak"};
    for (int i = 0; i < kFremde; ++i) {
        const QString name =
            QStringLiteral("Anhang %1.%2").arg(i).arg(QLatin1String(endungen[i % 8]));
        schreiben(ordner + QLatin1Char('/') + name, 64);
    }
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    for (const int teilnehmer : {100, 10000, 100000}) {
        QTemporaryDir arbeit;
        const QString daten = arbeit.filePath(QStringLiteral("daten"));
        const QString ziel = arbeit.filePath(QStringLiteral("ziel"));
        QDir().mkpath(daten);
        const QStringList namen = datendateienAnlegen(daten, teilnehmer);
        fremdeDateienAnlegen(daten);

        const auto leeren = [&] {
            QDir(ziel).removeRecursively();
            QDir().mkpath(ziel);
        };
        bool ok = true;
        const auto sichern = [&] { ok = Kopierlauf().verz_lesen(daten, ziel) && ok; };
        const auto kopieren = [&] {
            for (const QString& name : namen)
                ok = platform::copyFileReplacing(daten + QLatin1Char('/') + name,
                                                 ziel + QLatin1Char('/') + name)
                         .ok &&
                     ok;
        };
        const int runs = teilnehmer >= 100000 ? 5 : 9;
        const Paarzeit leer = abwechselndMs(runs, sichern, kopieren, leeren, leeren);
        const Paarzeit ueber = abwechselndMs(runs, sichern, kopieren);
        const QString fall = QStringLiteral("backup, %1 other files, ").arg(kFremde);
        tabellenzeile("bench_sicherung", fall + QStringLiteral("empty target"), teilnehmer, leer,
                      QStringLiteral("in-process copy of the data files"));
        tabellenzeile("bench_sicherung", fall + QStringLiteral("over earlier"), teilnehmer, ueber,
                      QStringLiteral("in-process copy of the data files"));
        const bool alle = QDir(ziel).entryList(QDir::Files).size() == namen.size();
        if (!ok || !alle) {
            std::printf("backup or copy failed, or the target holds other files\n");
            return 1;
        }
    }
    return 0;
}

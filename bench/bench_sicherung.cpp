// A backup of a data folder with a 10 000-participant file and every seating file, once into
// an empty folder and once over an earlier backup, beside `cp` of the same files.
#include "backup/logic/sicherung.h"

#include "medianzeit.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdio>
#include <functional>
#include <vector>

namespace
{

constexpr int kTeilnehmer = 10000;
constexpr int kAdressRecord = 960;
constexpr int kDurchlaeufe = 9;

void schreiben(const QString& pfad, qsizetype groesse)
{
    QByteArray inhalt(groesse, '\0');
    for (qsizetype i = 0; i < groesse; ++i)
        inhalt[i] = char((i * 31 + i / 960) & 0xFF);
    QFile datei(pfad);
    if (!datei.open(QIODevice::WriteOnly) || datei.write(inhalt) != groesse)
        std::fprintf(stderr, "cannot write %s\n", qPrintable(pfad));
}

// The data folder as a club with 10 000 participants leaves it.
QStringList datenordnerAnlegen(const QString& ordner)
{
    const QList<std::pair<const char*, qsizetype>> dateien = {
        {"Zorbeln.opt", 712},
        {"Adressen.adr", qsizetype(kTeilnehmer) * kAdressRecord},
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
        schreiben(ordner + QLatin1Char('/') + QLatin1String(name), groesse);
        namen << QLatin1String(name);
    }
    return namen;
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    QTemporaryDir arbeit;
    const QString daten = arbeit.filePath(QStringLiteral("daten"));
    const QString ziel = arbeit.filePath(QStringLiteral("ziel"));
    QDir().mkpath(daten);
    const QStringList namen = datenordnerAnlegen(daten);

    const auto leeren = [&] {
        QDir(ziel).removeRecursively();
        QDir().mkpath(ziel);
    };
    const auto behalten = [] {};
    const auto sichern = [&] {
        if (!TKopierlauf().verz_lesen(daten, ziel))
            std::fprintf(stderr, "backup failed\n");
    };
    QStringList cpArgumente{QStringLiteral("-f")};
    for (const QString& name : namen)
        cpArgumente << daten + QLatin1Char('/') + name;
    cpArgumente << ziel + QLatin1Char('/');
    const auto kopieren = [&] {
        if (QProcess::execute(QStringLiteral("cp"), cpArgumente) != 0)
            std::fprintf(stderr, "cp failed\n");
    };

    const double sicherungLeer = medianMs(kDurchlaeufe, sichern, leeren);
    const double cpLeer = medianMs(kDurchlaeufe, kopieren, leeren);
    const double sicherungUeber = medianMs(kDurchlaeufe, sichern, behalten);
    const double cpUeber = medianMs(kDurchlaeufe, kopieren, behalten);

    std::printf("Backup of %lld files (participant file %d records, %.1f MB), median of %d runs\n",
                static_cast<long long>(namen.size()), kTeilnehmer,
                double(kTeilnehmer) * kAdressRecord / 1e6, kDurchlaeufe);
    std::printf("into an empty folder:   backup %.2f ms, cp %.2f ms, ratio %.2f\n", sicherungLeer,
                cpLeer, sicherungLeer / cpLeer);
    std::printf("over an earlier backup: backup %.2f ms, cp %.2f ms, ratio %.2f\n", sicherungUeber,
                cpUeber, sicherungUeber / cpUeber);
    std::printf("(cp is started as a process each time; its start-up is part of its figure)\n");
    return 0;
}

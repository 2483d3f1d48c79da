// The automatic backup on "Beenden" of a data folder holding every data file (the participant
// file with 200, 2 000 and 20 000 records) and 1 000 files of other kinds, once into an empty
// backup folder and once over the earlier backup of the same day, beside its floor: a plain
// copy of the same data files (std::filesystem::copy_file, over an earlier backup overwriting
// the old copies in place), without listing the folder, testing a name, showing anything or
// the safe copy's write beside the target and rename. QFile::copy is no plain copy: it ends
// each file with fdatasync.
#include "backup/logic/sicherung.h"
#include "backup/ui/datensicherung.h"
#include "core/base/optionen.h"
#include "platform/base/clock.h"
#include "platform/base/datafolder.h"
#include "platform/ui/messages.h"

#include "medianzeit.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <cstdio>
#include <filesystem>
#include <system_error>

namespace
{

constexpr int kAdressRecord = 960;
constexpr int kFremde = 1000;

std::filesystem::path pfad(const QString& ordner, const QString& name)
{
    return std::filesystem::path(QFile::encodeName(ordner + QLatin1Char('/') + name).toStdString());
}

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
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    platform::setMessageHandler([](const platform::Message& m) {
        std::fprintf(stderr, "message: %s\n", qPrintable(m.text));
        return platform::Answer::Ok;
    });
    optionenStandardwerte(Optionen);
    Optionen.AutoSicherung = 1;
    TDatensicherung fenster;
    for (const int teilnehmer : {200, 2000, 20000}) {
        QTemporaryDir arbeit;
        const QString daten = arbeit.filePath(QStringLiteral("daten"));
        const QString sicherung = arbeit.filePath(QStringLiteral("sicherung"));
        // The backup goes into the folder of today's date below the stored backup folder.
        const QString ziel = QDir(sicherung).filePath(datumsanhang(platform::today()));
        QDir().mkpath(daten);
        platform::setDataFolder(daten);
        Optionen.SicherungsPfad.set(sicherung);
        const QStringList namen = datendateienAnlegen(daten, teilnehmer);
        fremdeDateienAnlegen(daten);

        const auto leeren = [&] { QDir(sicherung).removeRecursively(); };
        bool ok = true;
        const auto sichern = [&] { ok = fenster.ausfuehren() && ok; };
        const auto kopieren = [&] {
            QDir().mkpath(ziel);
            for (const QString& name : namen) {
                std::error_code fehler;
                std::filesystem::copy_file(pfad(daten, name), pfad(ziel, name),
                                           std::filesystem::copy_options::overwrite_existing,
                                           fehler);
                ok = !fehler && ok;
            }
        };
        // The backup alone copies exactly the data files.
        sichern();
        QStringList kopiert = QDir(ziel).entryList(QDir::Files);
        kopiert.sort();
        QStringList erwartet = namen;
        erwartet.sort();
        if (!ok || kopiert != erwartet) {
            std::printf("the backup did not copy exactly the data files\n");
            return 1;
        }
        const int runs = teilnehmer >= 20000 ? 5 : 9;
        const Paarzeit leer = abwechselndMs(runs, sichern, kopieren, leeren, leeren);
        const Paarzeit ueber = abwechselndMs(runs, sichern, kopieren);
        const QString fall = QStringLiteral("backup on \"Beenden\", ");
        tabellenzeile("bench_sicherung", fall + QStringLiteral("empty target"), teilnehmer, leer,
                      QStringLiteral("plain copy of the data files"));
        tabellenzeile("bench_sicherung", fall + QStringLiteral("over earlier"), teilnehmer, ueber,
                      QStringLiteral("plain copy over the earlier files"));
        const bool alle = QDir(ziel).entryList(QDir::Files).size() == namen.size();
        if (!ok || !alle) {
            std::printf("backup or copy failed, or the target holds other files\n");
            return 1;
        }
    }
    return 0;
}

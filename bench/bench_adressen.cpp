// The participant window with a file of 10 000 participants: opening it (list filled) and one
// "Speichern >>", each beside the time of just reading (and writing) the file's bytes.
#include "platform/base/datafolder.h"
#include "platform/base/savefile.h"
#include "platform/base/typedfile.h"
#include "players/ui/adressen.h"

#include "medianzeit.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdio>
#include <functional>
#include <vector>

namespace
{

constexpr int kAnzahl = 10000;
constexpr int kDurchlaeufe = 9;

QList<TAdressRec> teilnehmer()
{
    const QStringList namen{"Meier", "Müller", "Schulz", "Özdemir", "adler",
                            "Kurz",  "Zander", "Weiß",   "Becker",  "Hoffmann"};
    QList<TAdressRec> adressen;
    for (int i = 0; i < kAnzahl; ++i) {
        AdressFelder f;
        f.name = namen[i % namen.size()] + QString::number(i * 7919 % kAnzahl);
        f.vorname = QStringLiteral("Vorname%1").arg(i);
        f.strasse = QStringLiteral("Hauptstraße %1").arg(i);
        f.plzOrt = QStringLiteral("12345 Großstadt");
        f.telefon = QStringLiteral("0123 %1").arg(i);
        f.email = QStringLiteral("spieler%1@example.org").arg(i);
        adressen.append(adresseAusFeldern(f));
    }
    return adressen;
}

} // namespace

int main(int argc, char* argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QTemporaryDir ordner;
    platform::setDataFolder(ordner.path());
    const QString pfad = adressdateiPfad();
    const QList<TAdressRec> adressen = teilnehmer();
    const QByteArray bytes = platform::recordsToBytes(adressen);
    if (!platform::writeFileAtomic(pfad, bytes).ok)
        return 1;

    const double lesen = medianMs(kDurchlaeufe, [&] {
        QFile datei(pfad);
        datei.open(QIODevice::ReadOnly);
        volatile qsizetype n = datei.readAll().size();
        (void)n;
    });
    TAdressen fenster;
    auto* liste = fenster.findChild<QWidget*>(QStringLiteral("ListBox1"));
    const double oeffnen = medianMs(kDurchlaeufe, [&] { fenster.oeffnen(); });

    const double lesenSchreiben = medianMs(kDurchlaeufe, [&] {
        QFile datei(pfad);
        datei.open(QIODevice::ReadOnly);
        const QByteArray inhalt = datei.readAll();
        datei.close();
        platform::writeFileAtomic(pfad, inhalt);
    });
    // Each run changes a participant from the middle of the file, which moves to the end.
    int laufende = 0;
    const double speichern = medianMs(
        kDurchlaeufe, [&] { fenster.Button1Click(); },
        [&] {
            const TAdressRec& a = adressen.at(kAnzahl / 2 + laufende++);
            AdressFelder f = adresseFelder(a);
            f.strasse = QStringLiteral("Neue Straße 1");
            fenster.felderSetzen(f);
        });

    std::printf("Teilnehmerdatei: %d Datensätze, %lld Bytes; Median aus %d Läufen\n", kAnzahl,
                static_cast<long long>(bytes.size()), kDurchlaeufe);
    std::printf("Datei lesen:                   %8.2f ms\n", lesen);
    std::printf("Fenster öffnen (Liste gefüllt): %8.2f ms  = %6.1f x Lesen\n", oeffnen,
                oeffnen / lesen);
    std::printf("Datei lesen und schreiben:     %8.2f ms\n", lesenSchreiben);
    std::printf("Ein \"Speichern >>\":            %8.2f ms  = %6.1f x Lesen+Schreiben\n", speichern,
                speichern / lesenSchreiben);
    const bool listeVoll = liste != nullptr && adressenLesen().size() == kAnzahl;
    std::printf("Datei danach: %lld Datensätze%s\n", static_cast<long long>(adressenLesen().size()),
                listeVoll ? "" : " (FEHLER)");
    return listeVoll ? 0 : 1;
}

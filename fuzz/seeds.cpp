// Writes a seed corpus for every fuzz target with the program's own writers:
//   zorbel_fuzz_seeds <folder>   gives <folder>/<target>/<name> for each target.
#include "fuzzsupport.h"

#include "appearance/logic/stile.h"
#include "core/base/optionen.h"
#include "draw/logic/auswahldatei.h"
#include "draw/logic/pool.h"
#include "draw/logic/spielabend.h"
#include "draw/logic/tischdatei.h"
#include "grid/logic/filtergridmodel.h"
#include "platform/base/datafolder.h"
#include "platform/base/savefile.h"
#include "platform/base/typedfile.h"
#include "players/logic/adressverwaltung.h"

#include <QDir>
#include <QTemporaryDir>
#include <cstdio>

namespace
{

QString ziel;

void ablegen(const QString& target, const QString& name, const QByteArray& bytes)
{
    QDir().mkpath(ziel + QLatin1Char('/') + target);
    platform::writeFileAtomic(ziel + QLatin1Char('/') + target + QLatin1Char('/') + name, bytes);
}

QByteArray gelesen(const QString& name)
{
    return platform::readWholeFile(platform::dataFile(name));
}

const QStringList kNamen = {
    "Anna Alt", "Bert Bunt", "Jürgen Groß", "Zoë Ærø €uro", QString(60, QLatin1Char('x')), ""};

void einstellungen()
{
    optionen_anlegen();
    ablegen("settings", "standard", gelesen("Zorbeln.opt"));
    Optionen.SicherungsPfad.set(QStringLiteral("/home/verein/Sicherung ÄÖÜ"));
    Optionen.Frei160 = 31;
    optionen_speichern();
    ablegen("settings", "geaendert", gelesen("Zorbeln.opt"));
    ablegen("settings", "kurz", gelesen("Zorbeln.opt").left(100));
}

void teilnehmer()
{
    QList<TAdressRec> adressen;
    for (const QString& name : kNamen) {
        AdressFelder f;
        f.name = name;
        f.vorname = name.left(5);
        f.strasse = QStringLiteral("Hauptstraße 1");
        f.email = QStringLiteral("a@b.de");
        adressen.append(adresseAusFeldern(f));
    }
    adressenSchreiben(adressen);
    ablegen("participants", "sechs", gelesen("Adressen.adr"));
    ablegen("participants", "eine_halbe", gelesen("Adressen.adr").left(1500));
}

void auswahl()
{
    auswahlSchreiben(auswahldatei2(), kNamen);
    const QByteArray bytes = gelesen(kAuswahlDateiGewaehlt);
    ablegen("selection", "sechs", bytes);
    ablegen("pool", "auswahl", bytes);
    auswahlSchreiben(auswahldatei2(), {});
    ablegen("selection", "leer", gelesen(kAuswahlDateiGewaehlt));
    auswahlSchreiben(auswahldatei2(), kNamen);
    StrList();
    ablegen("pool", "pool", platform::readWholeFile(kPoolDatei));
    ablegen("pool", "lf", QByteArray("Anna Alt\nBert Bunt\n"));
}

void tische()
{
    for (const Tischanzahl t : kTischanzahlen) {
        tischRecordLeeren(t);
        int i = 0;
        for (TischSlot& slot : tischRecord(t))
            slot.set(kNamen[i++ % kNamen.size()]);
        tischSpeichern(t);
        // The first byte picks the table count.
        ablegen("tables", QStringLiteral("tische%1").arg(t.zahl()),
                QByteArray(1, char(t.zahl() - kMinTische)) + gelesen(tischdateiName(t)));
    }
}

void stil()
{
    platform::writeFileAtomic(platform::dataFile("Styledat.txt"),
                              QByteArray("Emerald Light Slate"));
    ablegen("style", "name", gelesen("Styledat.txt"));
    ablegen("style", "zeilen", QByteArray("Windows\r\nzweite Zeile\n"));
}

void abend()
{
    Spielabend abend;
    abend.neuePartner = true;
    for (const Tischanzahl anzahl : kTischanzahlen) {
        const int t = anzahl.zahl();
        Runde runde{QDateTime(QDate(2025, 3, 14), QTime(18 + t, 30)), t % 2, Tischbelegung(anzahl)};
        for (int i = 0; i < 4 * t; ++i)
            runde.belegung.setName(1 + i / 4, Platz(i % 6), kNamen[i % kNamen.size()]);
        abend.runden.append(runde);
    }
    ablegen("evening", "runden", spielabendBytes(abend));
}

void gitter()
{
    grid::FilterGridModel g;
    g.SetColCount(3);
    g.SetRowCount(4);
    const QStringList zeilen = {"Key|Name|Zeit", "K1|Anna|10", "K2|Jürgen|20", "K3||"};
    for (int r = 0; r < zeilen.size(); ++r) {
        const QStringList teile = zeilen[r].split(QLatin1Char('|'));
        for (int c = 0; c < teile.size(); ++c)
            g.SetCells(c, r, teile[c]);
    }
    g.SetFileName(platform::dataFile("g.grd"));
    g.SaveToFile(true, 0);
    // The first byte picks the reader: 0 load, 1 import, 2 merge.
    ablegen("grid", "laden", QByteArray(1, '\0') + gelesen("g.grd"));
    ablegen("grid", "zusammenfuehren", QByteArray(1, '\2') + gelesen("g.grd"));
    g.SaveToFile(false, 0);
    ablegen("grid", "laden_ohne_spalten", QByteArray(1, '\0') + gelesen("g.grd"));
    QStringList liste;
    g.ExportToList(liste, {}, 0, 0);
    ablegen("grid", "import", QByteArray(1, '\1') + liste.join(QLatin1Char('\n')).toLatin1());
}

} // namespace

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: zorbel_fuzz_seeds <folder>\n");
        return 2;
    }
    ziel = QDir(QString::fromLocal8Bit(argv[1])).absolutePath();
    fuzzGuiAnwendung();
    QTemporaryDir daten;
    platform::setDataFolder(daten.path());
    QDir::setCurrent(daten.path());
    einstellungen();
    teilnehmer();
    auswahl();
    tische();
    stil();
    abend();
    gitter();
    return 0;
}

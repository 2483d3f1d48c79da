#include "draw/logic/tischanordnung.h"

#include <QFontMetrics>
#include <QTextLayout>
#include <algorithm>
#include <cmath>

namespace
{

constexpr int kKleinsteNotgroesse = 6; // below this no name is readable at all

Qt::Alignment ausrichtungVon(Platz platz)
{
    switch (int(platz) % 3) {
    case 0:
        return Qt::AlignLeft;
    case 1:
        return Qt::AlignHCenter;
    default:
        return Qt::AlignRight;
    }
}

// The names of one side of a table, their fields relative to the left edge of the table's
// column (top 0), and the lines the longest of them needs.
struct Seite {
    QList<NamensFeld> felder;
    int zeilen = 0;
};

// Lines a name takes at a width, and how many of its words are broken inside.
struct Umbruch {
    int zeilen = 0;
    int geteilteWoerter = 0;
};

int geteilteWoerter(const QStringList& zeilen)
{
    int anzahl = 0;
    for (int i = 0; i + 1 < zeilen.size(); ++i) {
        const QChar letztes = zeilen.at(i).back();
        if (!letztes.isSpace() && letztes != QLatin1Char('-'))
            ++anzahl;
    }
    return anzahl;
}

int geteilteWoerter(const Tischanordnung& anordnung)
{
    int anzahl = 0;
    for (const NamensFeld& feld : anordnung.namen)
        anzahl += geteilteWoerter(feld.zeilen);
    return anzahl;
}

Umbruch umbruch(const QString& name, const QFont& schrift, int breite)
{
    const QStringList zeilen = namenszeilen(name, schrift, breite);
    return {int(zeilen.size()), geteilteWoerter(zeilen)};
}

// How two names of one side share the width `frei`: the share that needs the fewest lines
// for the longer of them (a long name beside a short one), then the one that breaks fewest
// words inside, then the one closest to half each. Neither gets less than a fifth.
QList<int> zweiBreiten(const QString& links, const QString& rechts, const QFont& schrift, int frei,
                       const Anordnungswunsch& wunsch)
{
    auto bewertung = [&](int breiteLinks) {
        const Umbruch l = umbruch(links, schrift, breiteLinks - 2 * wunsch.innenRand);
        const Umbruch r = umbruch(rechts, schrift, frei - breiteLinks - 2 * wunsch.innenRand);
        return std::pair{std::max(l.zeilen, r.zeilen), l.geteilteWoerter + r.geteilteWoerter};
    };
    const int haelfte = frei / 2;
    int beste = haelfte;
    auto besteBewertung = bewertung(haelfte);
    if (besteBewertung == std::pair{1, 0})
        return {haelfte, frei - haelfte};
    const int schritt = std::max(2, frei / 60);
    for (int abweichung = schritt; abweichung <= haelfte - frei / 5; abweichung += schritt) {
        for (const int breite : {haelfte - abweichung, haelfte + abweichung}) {
            const auto b = bewertung(breite);
            if (b < besteBewertung) {
                besteBewertung = b;
                beste = breite;
            }
        }
    }
    return {beste, frei - beste};
}

Seite seiteLegen(const Tischbelegung& belegung, int tisch, bool oben, const QFont& schrift,
                 int spaltenBreite, const Anordnungswunsch& wunsch)
{
    const int erster = oben ? 0 : 3;
    QList<Platz> belegt;
    for (int p = erster; p < erster + 3; ++p)
        if (!belegung.name(tisch, Platz(p)).trimmed().isEmpty())
            belegt.append(Platz(p));
    Seite seite;
    const int anzahl = int(belegt.size());
    if (anzahl == 0)
        return seite;
    const int frei = spaltenBreite - (anzahl - 1) * wunsch.abstand;
    QList<int> breiten(anzahl, std::max(1, frei / anzahl));
    if (anzahl == 2)
        breiten = zweiBreiten(belegung.name(tisch, belegt.at(0)),
                              belegung.name(tisch, belegt.at(1)), schrift, frei, wunsch);
    int x = 0;
    for (int i = 0; i < anzahl; ++i) {
        NamensFeld feld;
        feld.sitz = {tisch, belegt.at(i)};
        feld.zeilen = namenszeilen(belegung.name(tisch, belegt.at(i)), schrift,
                                   breiten.at(i) - 2 * wunsch.innenRand);
        feld.feld = QRect(x, 0, breiten.at(i), 0);
        feld.ausrichtung = ausrichtungVon(belegt.at(i));
        seite.zeilen = std::max(seite.zeilen, int(feld.zeilen.size()));
        seite.felder.append(feld);
        x += breiten.at(i) + wunsch.abstand;
    }
    return seite;
}

// The arrangement with names of `pixel` pixels; `passt` tells whether the tables keep at
// least their minimal height.
Tischanordnung anordnenMit(const Tischbelegung& belegung, const QRect& flaeche,
                           const Anordnungswunsch& wunsch, int pixel)
{
    QFont schrift = wunsch.namensSchrift;
    schrift.setPixelSize(pixel);
    QFont titel = wunsch.titelSchrift;
    titel.setPixelSize(pixel);
    const int zeile = QFontMetrics(schrift).lineSpacing();
    const int titelHoehe = wunsch.titel ? QFontMetrics(titel).height() : 0;
    const int abstand = wunsch.abstand;

    const QList<int> reihen = tischreihen(belegung.tische());
    const int spalten = reihen.isEmpty() ? 1 : *std::max_element(reihen.begin(), reihen.end());
    const int spaltenBreite = std::max(1, (flaeche.width() - (spalten - 1) * abstand) / spalten);

    QList<Seite> oben;
    QList<Seite> unten;
    for (int t = 1; t <= belegung.tische(); ++t) {
        oben.append(seiteLegen(belegung, t, true, schrift, spaltenBreite, wunsch));
        unten.append(seiteLegen(belegung, t, false, schrift, spaltenBreite, wunsch));
    }
    QList<int> obenZeilen;
    QList<int> untenZeilen;
    int baender = 0;
    for (int r = 0, t = 0; r < reihen.size(); ++r) {
        int o = 0;
        int u = 0;
        for (int k = 0; k < reihen.at(r); ++k, ++t) {
            o = std::max(o, oben.at(t).zeilen);
            u = std::max(u, unten.at(t).zeilen);
        }
        obenZeilen.append(o);
        untenZeilen.append(u);
        baender += (o + u) * zeile + 2 * abstand + titelHoehe;
    }
    const int anzahlReihen = std::max(1, int(reihen.size()));
    baender += (anzahlReihen - 1) * 2 * abstand;

    Tischanordnung anordnung;
    anordnung.namensPixel = pixel;
    anordnung.zeilenhoehe = zeile;
    const int mindestHoehe = 2 * zeile;
    int tischHoehe = std::min((flaeche.height() - baender) / anzahlReihen,
                              int(std::floor(spaltenBreite / wunsch.seitenverhaeltnis)));
    anordnung.passt = tischHoehe >= mindestHoehe;
    tischHoehe = std::max(tischHoehe, mindestHoehe);
    const int tischBreite =
        std::min(spaltenBreite, int(std::lround(tischHoehe * wunsch.seitenverhaeltnis)));

    const int gesamt = baender + anzahlReihen * tischHoehe;
    int y = flaeche.top() + std::max(0, (flaeche.height() - gesamt) / 2);
    for (int r = 0, t = 0; r < reihen.size(); ++r) {
        const int inReihe = reihen.at(r);
        const int reihenBreite = inReihe * spaltenBreite + (inReihe - 1) * abstand;
        const int links = flaeche.left() + (flaeche.width() - reihenBreite) / 2;
        const int tischOben = y + obenZeilen.at(r) * zeile + abstand;
        const int untenOben = tischOben + tischHoehe + abstand;
        for (int k = 0; k < inReihe; ++k, ++t) {
            const int spalteLinks = links + k * (spaltenBreite + abstand);
            TischFeld tisch;
            tisch.nummer = t + 1;
            tisch.tisch = QRect(spalteLinks + (spaltenBreite - tischBreite) / 2, tischOben,
                                tischBreite, tischHoehe);
            if (wunsch.titel)
                tisch.titel = QRect(spalteLinks, untenOben + untenZeilen.at(r) * zeile,
                                    spaltenBreite, titelHoehe);
            anordnung.tische.append(tisch);
            for (NamensFeld feld : oben.at(t).felder) {
                const int hoehe = int(feld.zeilen.size()) * zeile;
                feld.feld = QRect(spalteLinks + feld.feld.left(), tischOben - abstand - hoehe,
                                  feld.feld.width(), hoehe);
                anordnung.namen.append(feld);
            }
            for (NamensFeld feld : unten.at(t).felder) {
                feld.feld = QRect(spalteLinks + feld.feld.left(), untenOben, feld.feld.width(),
                                  int(feld.zeilen.size()) * zeile);
                anordnung.namen.append(feld);
            }
        }
        y = untenOben + untenZeilen.at(r) * zeile + titelHoehe + 2 * abstand;
    }
    return anordnung;
}

} // namespace

QStringList namenszeilen(const QString& name, const QFont& schrift, int breite)
{
    const QString text = name.trimmed();
    QStringList zeilen;
    if (text.isEmpty())
        return zeilen;
    QTextLayout layout(text, schrift);
    QTextOption option;
    option.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    layout.setTextOption(option);
    layout.beginLayout();
    for (QTextLine zeile = layout.createLine(); zeile.isValid(); zeile = layout.createLine()) {
        zeile.setLineWidth(std::max(1, breite));
        zeilen.append(text.mid(zeile.textStart(), zeile.textLength()));
    }
    layout.endLayout();
    return zeilen;
}

bool istDoppelbelegung(const Tischbelegung& belegung, bool ohneNamen)
{
    if (belegung.istLeer())
        return ohneNamen;
    for (int t = 1; t <= belegung.tische(); ++t)
        for (Platz p : {Platz::ObenLinks, Platz::ObenRechts, Platz::UntenLinks, Platz::UntenRechts})
            if (!belegung.name(t, p).trimmed().isEmpty())
                return true;
    return false;
}

QString spielartText(bool doppel)
{
    return doppel ? QStringLiteral("Doppelspiele") : QStringLiteral("Einzelspiele");
}

QList<int> tischreihen(int tische)
{
    if (tische <= 0)
        return {};
    if (tische <= 2)
        return {tische};
    if (tische == 3)
        return {2, 1};
    return {(tische + 1) / 2, tische / 2};
}

Tischanordnung tischeAnordnen(const Tischbelegung& belegung, const QRect& flaeche,
                              const Anordnungswunsch& wunsch)
{
    // Larger names need more room: the largest size that fits is looked for by halving.
    int passend = 0;
    int unten = kKleinsteNotgroesse;
    int oben = std::max({wunsch.groesstePixel, wunsch.kleinstePixel, kKleinsteNotgroesse});
    while (unten <= oben) {
        const int mitte = (unten + oben) / 2;
        if (anordnenMit(belegung, flaeche, wunsch, mitte).passt) {
            passend = mitte;
            unten = mitte + 1;
        } else {
            oben = mitte - 1;
        }
    }
    Tischanordnung anordnung =
        anordnenMit(belegung, flaeche, wunsch, std::max(passend, kKleinsteNotgroesse));
    // A little smaller reads better where it breaks fewer words inside.
    const int bisHoechstens = std::max(wunsch.kleinstePixel, anordnung.namensPixel * 4 / 5);
    for (int pixel = anordnung.namensPixel - 1;
         pixel >= bisHoechstens && geteilteWoerter(anordnung) > 0; --pixel) {
        Tischanordnung kleiner = anordnenMit(belegung, flaeche, wunsch, pixel);
        if (kleiner.passt && geteilteWoerter(kleiner) < geteilteWoerter(anordnung))
            anordnung = kleiner;
    }
    anordnung.passt = anordnung.passt && anordnung.namensPixel >= wunsch.kleinstePixel;
    return anordnung;
}

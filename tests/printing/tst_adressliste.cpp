#include "aufnahme.h"
#include "core/base/optionen.h"
#include "druck_testhilfe.h"
#include "printing/logic/adressliste.h"
#include "printing/logic/seiten.h"

#include <QtTest>

namespace
{

const QDate kDatum(2023, 2, 21);
const QString kSchrift = QStringLiteral("DejaVu Sans");

Druckschrift schrift(int punkte)
{
    return {kSchrift, punkte};
}

int titelhoehe(int punkte)
{
    return QFontMetrics(schrift(punkte).titel()).height();
}

// Builds the pages and returns them.
std::unique_ptr<Seitenstapel> seitenBauen(const QList<TAdressRec>& adressen, int punkte = 10)
{
    auto stapel = std::make_unique<Seitenstapel>();
    drucken_adressen(*stapel, adressen, schrift(punkte), kDatum);
    return stapel;
}

TAdressRec adresse(const AdressFelder& f)
{
    return adresseAusFeldern(f);
}

} // namespace

class TestAdressliste : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void headerAtSizeTen();
    void linesAtTheirColumnsSpacedByTheTitleHeight_data();
    void linesAtTheirColumnsSpacedByTheTitleHeight();
    void surnameWithoutSurroundingBlanks();
    void noParticipantsGiveTheHeaderAlone();
    void twoHundredParticipantsContinueOnNumberedPages();
    void storedSizeNotChosenGivesTen_data();
    void storedSizeNotChosenGivesTen();
    void fontsAreSetByPixelSize();
    void longFieldsAreCutWhereTheNextColumnStarts_data();
    void longFieldsAreCutWhereTheNextColumnStarts();
    void headerItemsDoNotOverlap_data();
    void headerItemsDoNotOverlap();
    void cutFontNamesFindTheirFont_data();
    void cutFontNamesFindTheirFont();
    void fullFontNameIsKeptForTheRun();
};

void TestAdressliste::headerAtSizeTen()
{
    const auto stapel = seitenBauen({});
    QCOMPARE(stapel->PageCount(), 1);
    const Aufnahme seite(stapel->page(0));
    const int H = titelhoehe(10);

    const AufgenommenerText* titel = seite.text(kAdresslistenTitel);
    QVERIFY(titel);
    QVERIFY(titel->schrift.bold());
    QCOMPARE(titel->oben(), 26);
    const int w = QFontMetrics(titel->schrift).horizontalAdvance(kAdresslistenTitel);
    QCOMPARE(titel->links(), (816 - w) / 2);

    const QList<std::pair<QString, QPoint>> kopf{{QStringLiteral("Erstellt am:"), {8, 55}},
                                                 {QStringLiteral("21.02.2023"), {90, 55}},
                                                 {QStringLiteral("Seite 1"), {720, 55}}};
    for (const auto& [text, punkt] : kopf) {
        const AufgenommenerText* t = seite.text(text);
        QVERIFY2(t, qPrintable(text));
        QCOMPARE(QPoint(t->links(), t->oben()), punkt);
        QVERIFY(!t->schrift.bold());
    }

    QCOMPARE(seite.rechtecke().size(), 1);
    const AufgenommenesRechteck& band = seite.rechtecke().first();
    QCOMPARE(band.pinsel.color(), QColor(233, 231, 224));
    QCOMPARE(band.rechteck.adjusted(-0.5, -0.5, 0.5, 0.5), QRectF(0, 75, 816, 30));

    const QStringList ueberschriften{"Name",    "Vorname", "Strasse", "Ort",
                                     "Telefon", "Fax",     "Mobil",   "E-Mail"};
    const QList<int> xs{16, 86, 176, 316, 426, 536, 606, 706};
    for (int i = 0; i < ueberschriften.size(); ++i) {
        const AufgenommenerText* t = seite.text(ueberschriften[i]);
        QVERIFY2(t, qPrintable(ueberschriften[i]));
        QCOMPARE(QPoint(t->links(), t->oben()), QPoint(xs[i], 26 + H + 40));
    }
    // Nothing else on a page without participants.
    QCOMPARE(seite.texte().size(), 4 + ueberschriften.size());
}

void TestAdressliste::linesAtTheirColumnsSpacedByTheTitleHeight_data()
{
    QTest::addColumn<int>("punkte");
    QTest::newRow("8 pt") << 8;
    QTest::newRow("10 pt") << 10;
    QTest::newRow("11 pt") << 11;
}

void TestAdressliste::linesAtTheirColumnsSpacedByTheTitleHeight()
{
    QFETCH(int, punkte);
    const auto stapel = seitenBauen(teilnehmer(3), punkte);
    const Aufnahme seite(stapel->page(0));
    const int H = titelhoehe(punkte);
    QVERIFY(H > QFontMetrics(schrift(punkte).normal()).height());
    const QList<int> xs{6, 86, 146, 276, 416, 506, 586, 666};
    for (int k = 0; k < 3; ++k) {
        const QStringList texte = adresszeileTexte(teilnehmer(3).at(k));
        for (int i = 0; i < texte.size(); ++i) {
            const AufgenommenerText* t = seite.text(texte[i]);
            if (i == 1 || i >= 3) // the same first name, town and phones on every line
                continue;
            QVERIFY2(t, qPrintable(texte[i]));
            QCOMPARE(QPoint(t->links(), t->oben()), QPoint(xs[i], 76 + (k + 2) * H));
        }
    }
}

void TestAdressliste::surnameWithoutSurroundingBlanks()
{
    AdressFelder f;
    f.name = QStringLiteral("   Meier  ");
    f.vorname = QStringLiteral("  Eva");
    const auto stapel = seitenBauen({adresse(f)});
    const Aufnahme seite(stapel->page(0));
    const AufgenommenerText* name = seite.text(QStringLiteral("Meier"));
    QVERIFY(name);
    QCOMPARE(name->links(), 6);
    // The other fields keep their blanks.
    QVERIFY(seite.text(QStringLiteral("  Eva")));
}

void TestAdressliste::noParticipantsGiveTheHeaderAlone()
{
    const auto leer = seitenBauen({});
    const auto ohne = seitenBauen(QList<TAdressRec>{});
    QCOMPARE(leer->PageCount(), 1);
    QCOMPARE(Aufnahme(leer->page(0)).alleTexte(), Aufnahme(ohne->page(0)).alleTexte());
    QVERIFY(Aufnahme(leer->page(0)).text(QStringLiteral("Seite 1")));
}

void TestAdressliste::twoHundredParticipantsContinueOnNumberedPages()
{
    const QList<TAdressRec> adressen = teilnehmer(200);
    const auto stapel = seitenBauen(adressen);
    const int proSeite = zeilenProSeite(*stapel, kopflayout(*stapel, schrift(10), kDatum, 1));
    const int H = titelhoehe(10);
    QVERIFY(proSeite > 30);
    QCOMPARE(stapel->PageCount(), (200 + proSeite - 1) / proSeite);

    QStringList namen;
    for (int s = 0; s < stapel->PageCount(); ++s) {
        const Aufnahme seite(stapel->page(s));
        QVERIFY(seite.text(kAdresslistenTitel));
        QVERIFY(seite.text(QStringLiteral("21.02.2023")));
        QVERIFY2(seite.text(QStringLiteral("Seite %1").arg(s + 1)), qPrintable(QString::number(s)));
        QVERIFY(seite.text(QStringLiteral("E-Mail")));
        QCOMPARE(seite.rechtecke().size(), 1);
        for (const AufgenommenerText& t : seite.texte()) {
            if (t.links() != 6)
                continue;
            namen.append(t.text);
            QVERIFY2(t.oben() + H <= 1056 - 96, qPrintable(t.text)); // above the bottom margin
        }
        if (s + 1 < stapel->PageCount())
            QCOMPARE(namen.size(), (s + 1) * proSeite);
    }
    QStringList erwartet;
    for (const TAdressRec& a : adressen)
        erwartet.append(a.Name.str());
    QCOMPARE(namen, erwartet);
}

void TestAdressliste::storedSizeNotChosenGivesTen_data()
{
    QTest::addColumn<int>("gespeichert");
    QTest::addColumn<int>("groesse");
    QTest::newRow("new settings file") << 0 << 10;
    QTest::newRow("negative") << -4 << 10;
    QTest::newRow("smallest") << 1 << 1;
    QTest::newRow("14") << 14 << 14;
    QTest::newRow("largest") << 72 << 72;
    QTest::newRow("above the field") << 300 << 72;
}

void TestAdressliste::storedSizeNotChosenGivesTen()
{
    QFETCH(int, gespeichert);
    QFETCH(int, groesse);
    Optionen.DruckGroesse = gespeichert;
    QCOMPARE(druckgroesse(), groesse);
    Optionen.DruckGroesse = 0;
}

void TestAdressliste::fontsAreSetByPixelSize()
{
    QCOMPARE(schrift(10).normal().pixelSize(), 13);
    QCOMPARE(schrift(10).titel().pixelSize(), 17);
    QCOMPARE(schrift(12).normal().pixelSize(), 16);
    QCOMPARE(schrift(10).normal().pointSize(), -1);
    const Aufnahme seite(seitenBauen(teilnehmer(1))->page(0));
    for (const AufgenommenerText& t : seite.texte())
        QVERIFY2(t.schrift.pixelSize() == 13 || t.schrift.pixelSize() == 17, qPrintable(t.text));
}

void TestAdressliste::longFieldsAreCutWhereTheNextColumnStarts_data()
{
    QTest::addColumn<int>("punkte");
    QTest::newRow("10 pt") << 10;
    QTest::newRow("14 pt") << 14;
    QTest::newRow("24 pt") << 24;
}

void TestAdressliste::longFieldsAreCutWhereTheNextColumnStarts()
{
    QFETCH(int, punkte);
    AdressFelder f;
    f.name = QStringLiteral("Müller-Lüdenscheidt");
    f.vorname = QStringLiteral("Hans-Jürgen");
    f.strasse = QStringLiteral("Hauptstraße 123, Hinterhaus");
    f.plzOrt = QStringLiteral("12345 Großstadt an der Elbe");
    f.telefon = QStringLiteral("+49 30 1234567890");
    f.fax = QStringLiteral("+49 30 1234567891");
    f.mobil = QStringLiteral("+49 170 1234567");
    f.email = QStringLiteral("hans-juergen.mueller-luedenscheidt@example.org");
    const Aufnahme seite(seitenBauen({adresse(f)}, punkte)->page(0));
    const QList<int> xs{6, 86, 146, 276, 416, 506, 586, 666, 810};
    const Kopflayout k = kopflayout(Seitenstapel(), schrift(punkte), kDatum, 1);
    int gefunden = 0;
    for (const AufgenommenerText& t : seite.texte()) {
        if (t.oben() != k.listeY + k.zeilenabstand)
            continue;
        const int spalte = int(xs.indexOf(t.links()));
        QVERIFY2(spalte >= 0, qPrintable(t.text));
        QVERIFY2(t.rechts() <= xs[spalte + 1], qPrintable(t.text));
        ++gefunden;
    }
    QCOMPARE(gefunden, 8);
    if (punkte == 10) {
        // At 10 pt the first name is cut, the e-mail address too.
        QVERIFY(!seite.text(f.vorname));
        QVERIFY(!seite.text(f.email));
        bool gekuerzt = false;
        for (const AufgenommenerText& t : seite.texte())
            gekuerzt = gekuerzt || (t.text.startsWith(QStringLiteral("Hans")) &&
                                    t.text.endsWith(QChar(0x2026)));
        QVERIFY(gekuerzt);
    }
}

void TestAdressliste::headerItemsDoNotOverlap_data()
{
    QTest::addColumn<int>("punkte");
    for (int p : {1, 10, 11, 12, 14, 18, 24, 36, 72})
        QTest::newRow(qPrintable(QStringLiteral("%1 pt").arg(p))) << p;
}

void TestAdressliste::headerItemsDoNotOverlap()
{
    QFETCH(int, punkte);
    const auto stapel = seitenBauen(teilnehmer(2), punkte);
    const Aufnahme seite(stapel->page(0));
    const int hoehe = QFontMetrics(schrift(punkte).normal()).height();
    auto flaeche = [](const AufgenommenerText* t) {
        return QRect(t->links(), t->oben(), t->rechts() - t->links(),
                     QFontMetrics(t->schrift).height());
    };
    QList<QRect> kopf;
    for (const QString& text : {kAdresslistenTitel, QStringLiteral("Erstellt am:"),
                                QStringLiteral("21.02.2023"), QStringLiteral("Seite 1")}) {
        const AufgenommenerText* t = seite.text(text);
        QVERIFY2(t, qPrintable(text)); // drawn whole, not cut
        kopf.append(flaeche(t));
        QVERIFY2(kopf.last().left() >= 0 && kopf.last().right() < 816, qPrintable(text));
    }
    for (int i = 0; i < kopf.size(); ++i)
        for (int j = i + 1; j < kopf.size(); ++j)
            QVERIFY2(!kopf[i].intersects(kopf[j]),
                     qPrintable(QStringLiteral("%1 %2").arg(i).arg(j)));

    const QRectF band = seite.rechtecke().first().rechteck.adjusted(-0.5, -0.5, 0.5, 0.5);
    for (const QRect& r : kopf)
        QVERIFY(r.bottom() < band.top());
    for (const QString& u : adresslisteUeberschriften()) {
        // A heading may be cut at large sizes; it starts as the heading does.
        const AufgenommenerText* t = nullptr;
        for (const AufgenommenerText& kandidat : seite.texte())
            if (kandidat.oben() > band.top() && kandidat.oben() < band.bottom() &&
                (kandidat.text == u ||
                 (kandidat.text.endsWith(QChar(0x2026)) && u.startsWith(kandidat.text.chopped(1)))))
                t = &kandidat;
        QVERIFY2(t, qPrintable(u));
        QVERIFY2(t->oben() >= band.top() && t->oben() + hoehe <= band.bottom(), qPrintable(u));
    }
    // The lines start below the band and do not overlap each other.
    QList<const AufgenommenerText*> namen;
    for (const AufgenommenerText& t : seite.texte())
        if (t.links() == 6)
            namen.append(&t);
    if (punkte <= 36) { // at 72 points not even "N…" fits the name column
        QCOMPARE(namen.size(), 2);
        QVERIFY(namen[0]->oben() >= band.bottom());
        QVERIFY(namen[1]->oben() >= namen[0]->oben() + hoehe);
    }
    int zeilentexte = 0;
    for (const AufgenommenerText& t : seite.texte()) {
        if (t.oben() < band.bottom())
            continue;
        ++zeilentexte;
        QVERIFY2(t.oben() + hoehe <= 1056 - 96 || punkte > 36, qPrintable(t.text));
    }
    QVERIFY(zeilentexte >= 2);
    if (punkte == 10)
        QCOMPARE(band, QRectF(0, 75, 816, 30));
}

void TestAdressliste::cutFontNamesFindTheirFont_data()
{
    QTest::addColumn<QString>("gespeichert");
    QTest::addColumn<QStringList>("installiert");
    QTest::addColumn<QString>("schrift");
    const QStringList liberation{"DejaVu Sans", "Liberation Sans", "Liberation Sans Narrow"};
    QTest::newRow("installed") << "Liberation Sans" << liberation << "Liberation Sans";
    QTest::newRow("installed, other case") << "dejavu sans" << liberation << "dejavu sans";
    QTest::newRow("cut to 20 bytes")
        << "Liberation Sans Narr" << liberation << "Liberation Sans Narrow";
    QTest::newRow("several start with it: the first alphabetically")
        << "Liberation Sans Narr"
        << QStringList{"Liberation Sans Narrow Condensed", "Liberation Sans Narrow"}
        << "Liberation Sans Narrow";
    QTest::newRow("19 bytes: not a cut name")
        << "Liberation Sans Nar" << liberation << "Liberation Sans Nar";
    QTest::newRow("20 bytes, nothing starts with it")
        << "Frutiger Next Condens" << liberation << "Frutiger Next Condens";
    QTest::newRow("20 bytes with an umlaut counted as one byte")
        << "Schöne Schrift Extra" << QStringList{"Schöne Schrift Extrabreit"}
        << "Schöne Schrift Extrabreit";
    QTest::newRow("empty") << "" << liberation << "";
}

void TestAdressliste::cutFontNamesFindTheirFont()
{
    QFETCH(QString, gespeichert);
    QFETCH(QStringList, installiert);
    QFETCH(QString, schrift);
    QCOMPARE(druckschriftAufloesen(gespeichert, installiert), schrift);
}

void TestAdressliste::fullFontNameIsKeptForTheRun()
{
    druckschriftMerken(QStringLiteral("Liberation Sans Narrow"));
    QCOMPARE(Optionen.DruckSchrift.str(), QStringLiteral("Liberation Sans Narr"));
    QCOMPARE(druckschriftName({}), QStringLiteral("Liberation Sans Narrow"));
    // Settings that name another font again (read anew) win over the name kept.
    Optionen.DruckSchrift.set(QStringLiteral("DejaVu Sans"));
    QCOMPARE(druckschriftName({QStringLiteral("DejaVu Sans")}), QStringLiteral("DejaVu Sans"));
}

QTEST_MAIN(TestAdressliste)
#include "tst_adressliste.moc"

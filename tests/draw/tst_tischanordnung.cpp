// Names broken into lines and the arrangement of tables and names on a surface, shared by the
// printed page and the large display.
#include "draw/logic/tischanordnung.h"

#include <QFontMetrics>
#include <QTest>

namespace
{

QFont fett(int pixel)
{
    QFont schrift(QStringLiteral("DejaVu Sans"));
    schrift.setPixelSize(pixel);
    schrift.setBold(true);
    return schrift;
}

Anordnungswunsch wunsch(int kleinste, int groesste)
{
    Anordnungswunsch w;
    w.namensSchrift = fett(kleinste);
    w.kleinstePixel = kleinste;
    w.groesstePixel = groesste;
    w.titelSchrift = fett(kleinste);
    w.innenRand = 4;
    w.abstand = 8;
    return w;
}

// Names at the corners (doubles) or the centres (singles), in table order.
Tischbelegung belegung(int tische, bool doppel, const QStringList& namen)
{
    Tischbelegung b(Tischanzahl::aus(tische).value());
    const QList<Platz> plaetze = doppel ? QList<Platz>{Platz::ObenLinks, Platz::ObenRechts,
                                                       Platz::UntenLinks, Platz::UntenRechts}
                                        : QList<Platz>{Platz::ObenMitte, Platz::UntenMitte};
    for (int i = 0; i < namen.size(); ++i)
        b.setName(i / plaetze.size() + 1, plaetze.at(i % plaetze.size()), namen.at(i));
    return b;
}

// Names as a club has them, the longest 21 characters.
const char* const kNamen[] = {
    "Anna Schulze",  "Bernd Meier",         "Carla Wagner-Hoffmann",
    "Dieter Krause", "Elif Yilmaz",         "Frank Zimmermann",
    "Gisela Bäcker", "Hans-Jürgen Lehmann", "Ines Koç",
    "Jan Wojcik",    "Karin Schmitt",       "Lutz Neumann",
    "Nadine Fuchs",  "Olaf Brandt",         "Petra Sommer",
    "Quirin Huber",  "Rita Vogel",          "Sven Hartmann",
    "Tanja Öztürk",  "Uwe Schröder",        "Vera Lange",
    "Willi Jäger",   "Zoe Krüger",          "Maria Lopez",
};

QStringList spieler(int n, const QString& langer = {})
{
    QStringList namen;
    for (int i = 0; i < n; ++i)
        namen << QString::fromUtf8(kNamen[i]);
    if (!langer.isEmpty())
        namen[n / 2] = langer;
    return namen;
}

const QString kFuenfzig = QStringLiteral("Maximilian Alexander Freiherr von Kickerhausen-Wei");
const QString kFuenfzigAmStueck = QString(50, QLatin1Char('W'));

} // namespace

class TestTischanordnung : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void linesGiveTheNameBackAndFitTheWidth_data();
    void linesGiveTheNameBackAndFitTheWidth();
    void seatingOfEveryKind_data();
    void seatingOfEveryKind();
    void largerSurfaceGivesLargerNames();
    void surfaceTooSmallIsReported();
    void doublesAreRecognisedByTheCorners();
};

void TestTischanordnung::linesGiveTheNameBackAndFitTheWidth_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("breite");
    QTest::addColumn<int>("zeilen"); // -1: more than one, any number
    QTest::newRow("fits") << "Anna Schulze" << 400 << 1;
    QTest::newRow("blanks around") << "   Anna Schulze  " << 400 << 1;
    QTest::newRow("empty") << "" << 400 << 0;
    QTest::newRow("only blanks") << "    " << 400 << 0;
    QTest::newRow("two words, narrow") << "Anna Schulze" << 110 << 2;
    QTest::newRow("50 characters with blanks") << kFuenfzig << 180 << -1;
    QTest::newRow("50 characters in one word") << kFuenfzigAmStueck << 180 << -1;
    QTest::newRow("narrower than one letter") << "Bernd" << 1 << 5;
}

void TestTischanordnung::linesGiveTheNameBackAndFitTheWidth()
{
    QFETCH(QString, name);
    QFETCH(int, breite);
    QFETCH(int, zeilen);
    const QFont schrift = fett(24);
    const QStringList teile = namenszeilen(name, schrift, breite);
    QCOMPARE(teile.join(QString()), name.trimmed());
    if (zeilen >= 0)
        QCOMPARE(teile.size(), zeilen);
    else
        QVERIFY(teile.size() > 1);
    const QFontMetrics fm(schrift);
    for (const QString& teil : teile) {
        QVERIFY(!teil.trimmed().isEmpty());
        if (teil.trimmed().size() > 1)
            QVERIFY2(fm.horizontalAdvance(teil.trimmed()) <= breite, qPrintable(teil));
    }
    // A word is split only where it does not fit a line of its own.
    if (name == kFuenfzig)
        QVERIFY(teile.first().endsWith(QLatin1Char(' ')));
}

void TestTischanordnung::seatingOfEveryKind_data()
{
    QTest::addColumn<int>("tische");
    QTest::addColumn<bool>("doppel");
    QTest::addColumn<QString>("langer");
    QTest::addColumn<QRect>("flaeche");
    QTest::addColumn<int>("kleinste");
    // The large display at 1024 x 768 (names of 1/25 of its height) and the printed page
    // (15 points).
    for (const auto& [f, kleinste] :
         {std::pair{QRect(12, 12, 1000, 744), 31}, std::pair{QRect(48, 110, 1027, 636), 20}}) {
        for (int t = kMinTische; t <= kMaxTische; ++t) {
            const QByteArray g =
                QByteArray::number(f.width()) + "x" + QByteArray::number(f.height());
            QTest::addRow("%d tables doubles %s", t, g.constData())
                << t << true << "" << f << kleinste;
            QTest::addRow("%d tables singles %s", t, g.constData())
                << t << false << "" << f << kleinste;
            QTest::addRow("%d tables doubles, a 50-character name %s", t, g.constData())
                << t << true << kFuenfzig << f << kleinste;
            QTest::addRow("%d tables singles, 50 letters in one %s", t, g.constData())
                << t << false << kFuenfzigAmStueck << f << kleinste;
        }
        QTest::addRow("empty") << 6 << true << "-" << f << kleinste;
    }
}

// Every name whole in its field, the fields and tables inside the surface and apart from each
// other; top names above their table, bottom names below it, left ones left of right ones.
void TestTischanordnung::seatingOfEveryKind()
{
    QFETCH(int, tische);
    QFETCH(bool, doppel);
    QFETCH(QString, langer);
    QFETCH(QRect, flaeche);
    QFETCH(int, kleinste);
    const bool leer = langer == QLatin1String("-");
    const QStringList namen = leer ? QStringList() : spieler(tische * (doppel ? 4 : 2), langer);
    const Tischbelegung b = belegung(tische, doppel, namen);
    const Anordnungswunsch w = wunsch(kleinste, 2 * kleinste);
    const Tischanordnung a = tischeAnordnen(b, flaeche, w);

    QVERIFY(a.passt);
    QVERIFY(a.namensPixel >= kleinste && a.namensPixel <= 2 * kleinste);
    QCOMPARE(a.tische.size(), tische);
    QCOMPARE(a.namen.size(), namen.size());
    QFont schrift = w.namensSchrift;
    schrift.setPixelSize(a.namensPixel);
    QList<QRect> alle;
    for (const TischFeld& t : a.tische) {
        QVERIFY(flaeche.contains(t.tisch));
        QVERIFY(t.tisch.height() >= 2 * a.zeilenhoehe);
        QVERIFY(std::abs(t.tisch.width() * 3 - t.tisch.height() * 5) <= 5);
        QVERIFY(flaeche.contains(t.titel));
        alle << t.tisch << t.titel;
    }
    for (const NamensFeld& n : a.namen) {
        const QString name = b.name(n.sitz);
        QCOMPARE(n.zeilen, namenszeilen(name, schrift, n.feld.width() - 2 * w.innenRand));
        QCOMPARE(n.zeilen.join(QString()), name);
        QCOMPARE(n.feld.height(), int(n.zeilen.size()) * a.zeilenhoehe);
        QVERIFY2(flaeche.contains(n.feld), qPrintable(name));
        const QRect tisch = a.tische.at(n.sitz.tisch - 1).tisch;
        const int spalte = int(n.sitz.platz) % 3;
        if (int(n.sitz.platz) < 3)
            QVERIFY(n.feld.bottom() < tisch.top());
        else
            QVERIFY(n.feld.top() > tisch.bottom());
        if (spalte == 0)
            QVERIFY(n.feld.left() <= tisch.center().x());
        if (spalte == 2)
            QVERIFY(n.feld.right() >= tisch.center().x());
        alle << n.feld;
    }
    for (int i = 0; i < alle.size(); ++i)
        for (int j = i + 1; j < alle.size(); ++j)
            QVERIFY2(!alle.at(i).intersects(alle.at(j)),
                     qPrintable(QStringLiteral("%1 %2").arg(i).arg(j)));
}

void TestTischanordnung::largerSurfaceGivesLargerNames()
{
    const Tischbelegung b = belegung(6, true, spieler(24));
    const Tischanordnung klein = tischeAnordnen(b, QRect(0, 0, 1000, 744), wunsch(20, 80));
    const Tischanordnung gross = tischeAnordnen(b, QRect(0, 0, 1896, 1056), wunsch(20, 80));
    QVERIFY(klein.passt && gross.passt);
    QVERIFY(gross.namensPixel > klein.namensPixel);
}

void TestTischanordnung::surfaceTooSmallIsReported()
{
    QStringList namen;
    for (int i = 0; i < 24; ++i)
        namen << kFuenfzig;
    const Tischanordnung a =
        tischeAnordnen(belegung(6, true, namen), QRect(0, 0, 1000, 744), wunsch(30, 48));
    QVERIFY(!a.passt);
    QVERIFY(a.namensPixel < 30); // smaller, but still whole
    for (const NamensFeld& n : a.namen)
        QCOMPARE(n.zeilen.join(QString()), kFuenfzig);
}

void TestTischanordnung::doublesAreRecognisedByTheCorners()
{
    QVERIFY(istDoppelbelegung(belegung(2, true, spieler(8)), false));
    QVERIFY(!istDoppelbelegung(belegung(2, false, spieler(4)), true));
    // Three players at a table in doubles: one corner of a side stays empty.
    QVERIFY(istDoppelbelegung(belegung(2, true, spieler(7)), false));
    QVERIFY(istDoppelbelegung(Tischbelegung(3), true));
    QVERIFY(!istDoppelbelegung(Tischbelegung(3), false));
}

QTEST_MAIN(TestTischanordnung)
#include "tst_tischanordnung.moc"

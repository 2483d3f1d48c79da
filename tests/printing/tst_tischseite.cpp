// The seating on paper: the page as recorded (texts, outlines and where they stand) and as a
// PDF file.
#include "aufnahme.h"
#include "common/testsupport.h"
#include "printing/logic/seiten.h"
#include "printing/logic/tischseite.h"

#include <QFile>
#include <QPalette>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>

namespace
{

const QDate kDatum(2026, 12, 10);

const char* const kNamen[] = {
    "Anna",   "Bernd", "Carla", "Dieter", "Elif",  "Frank",  "Gisela", "Hans",
    "Ines",   "Jan",   "Karin", "Lutz",   "Maria", "Nadine", "Olaf",   "Petra",
    "Quirin", "Rita",  "Sven",  "Tanja",  "Uwe",   "Vera",   "Willi",  "Zoe",
};

// 50 characters, and 50 without a blank.
const QString kLang = QStringLiteral("Maximilian Alexander Freiherr von Kickerhausen-Wei");
const QString kAmStueck = QStringLiteral("Kickerhausenweissenbachtalsperrenwaerterfamilienx");

const QList<Platz> kEcken{Platz::ObenLinks, Platz::ObenRechts, Platz::UntenLinks,
                          Platz::UntenRechts};
const QList<Platz> kMitten{Platz::ObenMitte, Platz::UntenMitte};

QStringList namen(int anzahl)
{
    QStringList liste;
    for (int i = 0; i < anzahl; ++i)
        liste << QString::fromUtf8(kNamen[i]);
    return liste;
}

Tischbelegung belegung(int tische, bool doppel, const QStringList& liste)
{
    Tischbelegung b(Tischanzahl::aus(tische).value());
    const QList<Platz>& plaetze = doppel ? kEcken : kMitten;
    for (int i = 0; i < liste.size(); ++i)
        b.setName(i / plaetze.size() + 1, plaetze.at(i % plaetze.size()), liste.at(i));
    return b;
}

struct Seite {
    Seitenstapel stapel;
    std::unique_ptr<SeitenAufnahme> aufnahme;
};

std::unique_ptr<Seite> seiteZeichnen(const Tischbelegung& b, bool doppel)
{
    auto seite = std::make_unique<Seite>();
    seite->stapel.setPageSize(kA4Quer);
    tischseiteZeichnen(seite->stapel, b, doppel, kDatum);
    if (seite->stapel.PageCount() == 1)
        seite->aufnahme = std::make_unique<SeitenAufnahme>(seite->stapel.page(0), kA4Quer);
    return seite;
}

// The table outlines of the page (drawn with a black pen), by their number: the "Tisch N"
// text that stands inside each.
QMap<int, QRectF> tischUmrisse(const SeitenAufnahme& a)
{
    QMap<int, QRectF> umrisse;
    for (const AufgenommenesRechteck& r : a.rechtecke()) {
        if (r.stift.style() == Qt::NoPen)
            continue;
        for (const AufgenommenerText& t : a.texte())
            if (t.text.startsWith(QStringLiteral("Tisch ")) && r.rechteck.contains(t.grundlinie))
                umrisse.insert(t.text.mid(6).toInt(), r.rechteck);
    }
    return umrisse;
}

QString ohneLeerraum(QString text)
{
    text.remove(QRegularExpression(QStringLiteral("\\s")));
    return text;
}

QByteArray pdfText(const QString& pdf)
{
    QProcess p;
    p.start(QStringLiteral("pdftotext"), {QStringLiteral("-raw"), pdf, QStringLiteral("-")});
    if (!p.waitForFinished(60000) || p.exitCode() != 0)
        return {};
    return p.readAllStandardOutput();
}

} // namespace

class TestTischseite : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void headerTablesAndNames_data();
    void headerTablesAndNames();
    void namesStandAtTheirPlaces();
    void longNamesAreWholeAndLarge_data();
    void longNamesAreWholeAndLarge();
    void blackOnWhiteWhateverThePalette();
    void pdfHoldsEveryName();
    void pdfThatCannotBeWrittenSaysWhy();
};

void TestTischseite::headerTablesAndNames_data()
{
    QTest::addColumn<int>("tische");
    QTest::addColumn<bool>("doppel");
    QTest::addColumn<int>("spieler");
    for (int t = kMinTische; t <= kMaxTische; ++t) {
        QTest::addRow("%d tables doubles", t) << t << true << 4 * t;
        QTest::addRow("%d tables singles", t) << t << false << 2 * t;
        QTest::addRow("%d tables empty", t) << t << (t % 2 == 0) << 0;
    }
    QTest::addRow("3 at the last table") << 2 << true << 7;
}

void TestTischseite::headerTablesAndNames()
{
    QFETCH(int, tische);
    QFETCH(bool, doppel);
    QFETCH(int, spieler);
    const auto seite = seiteZeichnen(belegung(tische, doppel, namen(spieler)), doppel);
    QCOMPARE(seite->stapel.PageCount(), 1);
    const SeitenAufnahme& a = *seite->aufnahme;

    QStringList erwartet{QStringLiteral("Tischbelegung"), QStringLiteral("10.12.2026"),
                         QStringLiteral("%1 Tische").arg(tische),
                         doppel ? QStringLiteral("Doppelspiele") : QStringLiteral("Einzelspiele")};
    for (int t = 1; t <= tische; ++t)
        erwartet << QStringLiteral("Tisch %1").arg(t);
    erwartet << namen(spieler);
    QStringList gezeichnet = a.alleTexte();
    gezeichnet.sort();
    erwartet.sort();
    QCOMPARE(gezeichnet, erwartet);
    QCOMPARE(tischUmrisse(a).size(), tische);
    for (const QRectF& umriss : tischUmrisse(a))
        QVERIFY(QRectF(0, 0, kA4Quer.width(), kA4Quer.height()).contains(umriss));
    QCOMPARE(tischbelegungDateiname(kDatum), QStringLiteral("Tischbelegung_10_12_2026.pdf"));
}

// Read from the drawing: each name above or below its own table, the corner names of one side
// left and right of its middle, never over another table's column.
void TestTischseite::namesStandAtTheirPlaces()
{
    const Tischbelegung b = belegung(6, true, namen(24));
    const auto seite = seiteZeichnen(b, true);
    const SeitenAufnahme& a = *seite->aufnahme;
    const QMap<int, QRectF> umrisse = tischUmrisse(a);
    QCOMPARE(umrisse.size(), 6);
    // Three tables above, three below, left to right.
    QVERIFY(umrisse[1].bottom() < umrisse[4].top());
    QVERIFY(umrisse[1].right() < umrisse[2].left() && umrisse[2].right() < umrisse[3].left());
    QCOMPARE(umrisse[1].top(), umrisse[3].top());

    for (int t = 1; t <= 6; ++t) {
        const QRectF tisch = umrisse[t];
        const qreal spalteLinks = t % 3 == 1 ? 0 : (umrisse[t - 1].right() + tisch.left()) / 2;
        const qreal spalteRechts =
            t % 3 == 0 ? kA4Quer.width() : (tisch.right() + umrisse[t + 1].left()) / 2;
        for (Platz p : kEcken) {
            const QString name = b.name(t, p);
            const AufgenommenerText* text = a.text(name);
            QVERIFY2(text, qPrintable(name));
            const bool oben = int(p) < 3;
            const bool links = int(p) % 3 == 0;
            if (oben)
                QVERIFY2(text->grundlinie.y() < tisch.top() &&
                             text->grundlinie.y() >
                                 tisch.top() - 3 * QFontMetrics(text->schrift).height(),
                         qPrintable(name));
            else
                QVERIFY2(text->oben() > tisch.bottom() &&
                             text->oben() <
                                 tisch.bottom() + 2 * QFontMetrics(text->schrift).height(),
                         qPrintable(name));
            if (links)
                QVERIFY2(text->rechts() < tisch.center().x(), qPrintable(name));
            else
                QVERIFY2(text->links() > tisch.center().x(), qPrintable(name));
            QVERIFY2(text->links() >= spalteLinks && text->rechts() <= spalteRechts,
                     qPrintable(name));
        }
    }
}

void TestTischseite::longNamesAreWholeAndLarge_data()
{
    QTest::addColumn<int>("tische");
    QTest::addColumn<bool>("doppel");
    QTest::addColumn<QString>("lang");
    for (int t = kMinTische; t <= kMaxTische; ++t) {
        QTest::addRow("%d tables doubles", t) << t << true << kLang;
        QTest::addRow("%d tables doubles, one word", t) << t << true << kAmStueck;
        QTest::addRow("%d tables singles", t) << t << false << kLang;
    }
}

// Every text on the page; the long name, its pieces joined, among them; no name smaller than
// 14 points (on a page of 96 units per inch) and none beyond the paper.
void TestTischseite::longNamesAreWholeAndLarge()
{
    QFETCH(int, tische);
    QFETCH(bool, doppel);
    QFETCH(QString, lang);
    QStringList liste = namen(tische * (doppel ? 4 : 2));
    liste[1] = lang;
    liste.last() = lang;
    const auto seite = seiteZeichnen(belegung(tische, doppel, liste), doppel);
    const SeitenAufnahme& a = *seite->aufnahme;
    QCOMPARE(ohneLeerraum(a.alleTexte().join(QString())).count(ohneLeerraum(lang)), 2);
    const QStringList kopf{QStringLiteral("Tischbelegung"), QStringLiteral("10.12.2026")};
    for (const AufgenommenerText& t : a.texte()) {
        if (t.text.startsWith(QStringLiteral("Tisch ")) || kopf.contains(t.text))
            continue;
        QVERIFY2(t.schrift.pixelSize() >= 14 * 96 / 72.0, qPrintable(t.text));
        QVERIFY2(t.links() >= 0 && t.rechts() <= kA4Quer.width(), qPrintable(t.text));
        QVERIFY2(t.oben() >= 0 && t.grundlinie.y() <= kA4Quer.height(), qPrintable(t.text));
    }
}

// The page never takes a colour from the style in force.
void TestTischseite::blackOnWhiteWhateverThePalette()
{
    const QPalette vorher = QGuiApplication::palette();
    QPalette dunkel;
    dunkel.setColor(QPalette::Window, Qt::black);
    dunkel.setColor(QPalette::WindowText, Qt::yellow);
    dunkel.setColor(QPalette::Text, Qt::yellow);
    dunkel.setColor(QPalette::Base, Qt::darkBlue);
    QGuiApplication::setPalette(dunkel);
    const auto seite = seiteZeichnen(belegung(6, true, namen(24)), true);
    QGuiApplication::setPalette(vorher);

    const SeitenAufnahme& a = *seite->aufnahme;
    QVERIFY(!a.texte().isEmpty());
    for (const AufgenommenerText& t : a.texte())
        QCOMPARE(t.stift.color(), QColor(Qt::black));
    for (const AufgenommenesRechteck& r : a.rechtecke()) {
        if (r.stift.style() != Qt::NoPen)
            QCOMPARE(r.stift.color(), QColor(Qt::black));
        if (r.pinsel.style() != Qt::NoBrush)
            QCOMPARE(r.pinsel.color(), QColor(Qt::white));
    }
}

void TestTischseite::pdfHoldsEveryName()
{
    if (QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty())
        QFAIL("pdftotext is not installed (tools/install-deps.sh installs it)");
    QTemporaryDir ordner;
    QStringList liste = namen(24);
    liste[5] = kLang;
    const auto seite = seiteZeichnen(belegung(6, true, liste), true);
    const QString pdf = ordner.filePath(tischbelegungDateiname(kDatum));
    const PdfSchreibung geschrieben = seitenAlsPdf(seite->stapel, pdf, kTischbelegungTitel);
    QVERIFY(geschrieben);
    QVERIFY(readFileBytes(pdf).startsWith("%PDF"));

    const QString text = QString::fromUtf8(pdfText(pdf));
    QVERIFY(text.contains(QStringLiteral("Tischbelegung")));
    QVERIFY(text.contains(QStringLiteral("6 Tische")));
    QVERIFY(text.contains(QStringLiteral("Doppelspiele")));
    QVERIFY(text.contains(QStringLiteral("10.12.2026")));
    const QString zusammen = ohneLeerraum(text);
    for (const QString& name : liste)
        QVERIFY2(zusammen.contains(ohneLeerraum(name)), qPrintable(name));
    QCOMPARE(text.count(QStringLiteral("\f")), 1); // one page

    // A second save replaces the file whole.
    const auto leer = seiteZeichnen(Tischbelegung(6), true);
    QVERIFY(seitenAlsPdf(leer->stapel, pdf, kTischbelegungTitel));
    QVERIFY(!QString::fromUtf8(pdfText(pdf)).contains(QStringLiteral("Anna")));
}

void TestTischseite::pdfThatCannotBeWrittenSaysWhy()
{
    QTemporaryDir ordner;
    const auto seite = seiteZeichnen(belegung(2, false, namen(4)), false);
    const QString pdf = ordner.filePath(QStringLiteral("fehlt/Tischbelegung.pdf"));
    const PdfSchreibung geschrieben = seitenAlsPdf(seite->stapel, pdf, kTischbelegungTitel);
    QVERIFY(!geschrieben);
    QCOMPARE(geschrieben.druck, DruckUrsache::Gedruckt);
    QVERIFY(!geschrieben.datei.ok);
    QVERIFY(!geschrieben.datei.reason.isEmpty());
    QVERIFY(!QFile::exists(pdf));

    Seitenstapel nichts;
    const PdfSchreibung ohneSeiten =
        seitenAlsPdf(nichts, ordner.filePath(QStringLiteral("leer.pdf")), kTischbelegungTitel);
    QCOMPARE(ohneSeiten.druck, DruckUrsache::KeineSeiten);
    QVERIFY(!QFile::exists(ordner.filePath(QStringLiteral("leer.pdf"))));
}

QTEST_MAIN(TestTischseite)
#include "tst_tischseite.moc"

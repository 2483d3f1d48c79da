#include "druck_testhilfe.h"
#include "printing/logic/adressliste.h"
#include "printing/logic/emfbruecke.h"
#include "printing/logic/seiten.h"
#include "printing/ui/drucker.h"
#include "printing/ui/nicepreview.h"

#include <QPdfWriter>
#include <QPrinter>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QtTest>

namespace
{

const QDate kDatum(2023, 2, 21);
const Druckschrift kSchrift{QStringLiteral("DejaVu Sans"), 10};

QString werkzeug(const QString& name)
{
    return QStandardPaths::findExecutable(name);
}

// Output of a command line tool; empty when it is missing or fails.
QByteArray ausgabe(const QString& programm, const QStringList& argumente)
{
    QProcess p;
    p.start(programm, argumente);
    if (!p.waitForFinished(60000) || p.exitCode() != 0)
        return {};
    return p.readAllStandardOutput();
}

#define WERKZEUG(name)                                                                             \
    if (werkzeug(QStringLiteral(name)).isEmpty())                                                  \
        QFAIL(name " is not installed (tools/install-deps.sh installs it)");

// Words of a PDF with their boxes, as pdftotext -bbox gives them.
struct Wort {
    QString text;
    double xMin, yMin, xMax, yMax;
};

QList<Wort> woerter(const QString& pdf)
{
    const QString html = QString::fromUtf8(
        ausgabe(QStringLiteral("pdftotext"), {QStringLiteral("-bbox"), pdf, QStringLiteral("-")}));
    static const QRegularExpression muster(
        QStringLiteral("<word xMin=\"([\\d.]+)\" yMin=\"([\\d.]+)\" xMax=\"([\\d.]+)\" "
                       "yMax=\"([\\d.]+)\">([^<]*)</word>"));
    QList<Wort> liste;
    for (const QRegularExpressionMatch& m : muster.globalMatch(html))
        liste.append({m.captured(5), m.captured(1).toDouble(), m.captured(2).toDouble(),
                      m.captured(3).toDouble(), m.captured(4).toDouble()});
    return liste;
}

const Wort* wort(const QList<Wort>& liste, const QString& text)
{
    for (const Wort& w : liste)
        if (w.text == text)
            return &w;
    return nullptr;
}

void pdfDrucker(QPrinter& drucker, const QString& datei,
                QPageLayout::Orientation lage = QPageLayout::Portrait)
{
    drucker.setOutputFormat(QPrinter::PdfFormat);
    drucker.setOutputFileName(datei);
    drucker.setPageSize(QPageSize(QPageSize::A4));
    drucker.setPageOrientation(lage);
}

// Refuses every new sheet.
class OhneNeueSeite : public QPdfWriter
{
public:
    using QPdfWriter::QPdfWriter;
    bool newPage() override { return false; }
};

} // namespace

class TestDruck : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void initTestCase();
    void printedPdfHoldsEveryParticipant();
    void printedTextIsAsWideRelativeToThePageAsInThePreview_data();
    void printedTextIsAsWideRelativeToThePageAsInThePreview();
    void pageKeepsItsShapeOnThePrintableArea_data();
    void pageKeepsItsShapeOnThePrintableArea();
    void failedPrintsAreReported();
    void printPageChecksTheIndexAndNamesTheJob();
    void metafileIsReadBack();
    void metafileFailuresAreReported();

private:
    QTemporaryDir m_ordner;
};

void TestDruck::initTestCase()
{
    QVERIFY(m_ordner.isValid());
}

void TestDruck::printedPdfHoldsEveryParticipant()
{
    WERKZEUG("pdftotext");
    Seitenstapel seiten;
    const QList<TAdressRec> adressen = teilnehmer(60);
    drucken_adressen(seiten, adressen, kSchrift, kDatum);
    QCOMPARE(seiten.PageCount(), 2);
    QPrinter drucker(QPrinter::HighResolution);
    const QString pdf = m_ordner.filePath(QStringLiteral("liste.pdf"));
    pdfDrucker(drucker, pdf);
    QCOMPARE(seitenDrucken(drucker, seiten, 0, 1), DruckUrsache::Gedruckt);

    const QString text =
        QString::fromUtf8(ausgabe(QStringLiteral("pdftotext"), {pdf, QStringLiteral("-")}));
    for (const TAdressRec& a : adressen)
        QVERIFY2(text.contains(a.Name.str()), qPrintable(a.Name.str()));
    QVERIFY(text.contains(QStringLiteral("Jörg")));
    QVERIFY(text.contains(QStringLiteral("Seite 1")));
    QVERIFY(text.contains(QStringLiteral("Seite 2")));
    QCOMPARE(text.count(QStringLiteral("Mitglieder Adressen")), 2);
    QCOMPARE(text.count(QChar(0x0c)), 2); // one form feed per sheet
}

void TestDruck::printedTextIsAsWideRelativeToThePageAsInThePreview_data()
{
    QTest::addColumn<int>("aufloesung");
    QTest::newRow("screen resolution") << int(QPrinter::ScreenResolution);
    QTest::newRow("printer resolution") << int(QPrinter::HighResolution);
}

void TestDruck::printedTextIsAsWideRelativeToThePageAsInThePreview()
{
    WERKZEUG("pdftotext");
    QFETCH(int, aufloesung);
    Seitenstapel seiten;
    drucken_adressen(seiten, teilnehmer(2), kSchrift, kDatum);
    QPrinter drucker{QPrinter::PrinterMode(aufloesung)};
    const QString pdf = m_ordner.filePath(QStringLiteral("breite.pdf"));
    pdfDrucker(drucker, pdf);
    QCOMPARE(seitenDrucken(drucker, seiten, 0, 0), DruckUrsache::Gedruckt);
    const QList<Wort> liste = woerter(pdf);
    const Wort* name = wort(liste, QStringLiteral("Name"));
    const Wort* email = wort(liste, QStringLiteral("E-Mail"));
    const Wort* mitglieder = wort(liste, QStringLiteral("Mitglieder"));
    QVERIFY(name && email && mitglieder);
    // On the page "Name" starts at 16 and "E-Mail" at 706: 690 units apart.
    const double gedruckt = (mitglieder->xMax - mitglieder->xMin) / (email->xMin - name->xMin);
    const double vorschau =
        QFontMetricsF(kSchrift.titel()).horizontalAdvance(QStringLiteral("Mitglieder")) / 690.0;
    QVERIFY2(qAbs(gedruckt / vorschau - 1.0) < 0.03,
             qPrintable(QStringLiteral("%1 / %2").arg(gedruckt).arg(vorschau)));
}

void TestDruck::pageKeepsItsShapeOnThePrintableArea_data()
{
    QTest::addColumn<int>("lage");
    QTest::newRow("portrait") << int(QPageLayout::Portrait);
    QTest::newRow("landscape") << int(QPageLayout::Landscape);
}

void TestDruck::pageKeepsItsShapeOnThePrintableArea()
{
    WERKZEUG("pdftotext");
    QFETCH(int, lage);
    // The rectangle: one factor, at the top left.
    const QRectF hoch = druckrechteck(QSize(816, 1056), QSizeF(4960, 7015));
    QCOMPARE(hoch.topLeft(), QPointF(0, 0));
    QCOMPARE(hoch.width(), 4960.0);
    QVERIFY(qAbs(hoch.height() / hoch.width() - 1056.0 / 816) < 1e-9);
    const QRectF quer = druckrechteck(QSize(816, 1056), QSizeF(7015, 4960));
    QCOMPARE(quer.height(), 4960.0);
    QVERIFY(qAbs(quer.height() / quer.width() - 1056.0 / 816) < 1e-9);

    // On paper: horizontal and vertical distances keep their proportion.
    Seitenstapel seiten;
    drucken_adressen(seiten, teilnehmer(2), kSchrift, kDatum);
    QPrinter drucker(QPrinter::HighResolution);
    const QString pdf = m_ordner.filePath(QStringLiteral("lage.pdf"));
    pdfDrucker(drucker, pdf, QPageLayout::Orientation(lage));
    QCOMPARE(seitenDrucken(drucker, seiten, 0, 0), DruckUrsache::Gedruckt);
    const QList<Wort> liste = woerter(pdf);
    const Wort* name = wort(liste, QStringLiteral("Name"));
    const Wort* email = wort(liste, QStringLiteral("E-Mail"));
    const Wort* erste = wort(liste, QStringLiteral("N0001"));
    const Wort* zweite = wort(liste, QStringLiteral("N0002"));
    QVERIFY(name && email && erste && zweite);
    const Kopflayout kopf = kopflayout(seiten, kSchrift, kDatum, 1);
    const double waagrecht = (email->xMin - name->xMin) / 690.0;
    const double senkrecht = (zweite->yMin - erste->yMin) / kopf.zeilenabstand;
    QVERIFY2(qAbs(senkrecht / waagrecht - 1.0) < 0.02,
             qPrintable(QStringLiteral("%1 / %2").arg(senkrecht).arg(waagrecht)));
}

void TestDruck::failedPrintsAreReported()
{
    Seitenstapel seiten;
    drucken_adressen(seiten, teilnehmer(60), kSchrift, kDatum);

    QPrinter drucker;
    const QString unmoeglich = m_ordner.filePath(QStringLiteral("fehlt/liste.pdf"));
    pdfDrucker(drucker, unmoeglich);
    QTest::ignoreMessage(QtWarningMsg, "QPainter::begin(): Returned false");
    QCOMPARE(seitenDrucken(drucker, seiten, 0, 1), DruckUrsache::StartFehlgeschlagen);
    const QString text = druckfehlerText(DruckUrsache::StartFehlgeschlagen, druckziel(drucker));
    QVERIFY(text.contains(QDir::toNativeSeparators(unmoeglich)));
    QVERIFY(text.contains(QStringLiteral("konnte nicht beginnen")));

    OhneNeueSeite schreiber(m_ordner.filePath(QStringLiteral("neu.pdf")));
    QCOMPARE(seitenDrucken(schreiber, seiten, 0, 1), DruckUrsache::NeueSeiteFehlgeschlagen);
    // With a single page no new sheet is needed.
    OhneNeueSeite einzeln(m_ordner.filePath(QStringLiteral("einzeln.pdf")));
    QCOMPARE(seitenDrucken(einzeln, seiten, 1, 1), DruckUrsache::Gedruckt);

    Seitenstapel leer;
    QCOMPARE(seitenDrucken(einzeln, leer, 0, 0), DruckUrsache::KeineSeiten);
    for (DruckUrsache u :
         {DruckUrsache::KeineSeiten, DruckUrsache::SeiteFehlt,
          DruckUrsache::NeueSeiteFehlgeschlagen, DruckUrsache::AbschlussFehlgeschlagen})
        QVERIFY(!druckfehlerText(u, QStringLiteral("X")).isEmpty());
}

void TestDruck::printPageChecksTheIndexAndNamesTheJob()
{
    WERKZEUG("pdfinfo");
    TNicePreview vorschau;
    drucken_adressen(vorschau, teilnehmer(60), kSchrift, kDatum);
    QCOMPARE(vorschau.PageCount(), 2);
    QPrinter drucker;
    const QString pdf = m_ordner.filePath(QStringLiteral("seite.pdf"));
    pdfDrucker(drucker, pdf);
    QCOMPARE(vorschau.PrintPage(drucker, 2), DruckUrsache::SeiteFehlt);
    QCOMPARE(vorschau.PrintPage(drucker, -1), DruckUrsache::SeiteFehlt);
    QVERIFY(!QFile::exists(pdf)); // no job was started
    QCOMPARE(vorschau.PrintPage(drucker, 0), DruckUrsache::Gedruckt);
    QCOMPARE(drucker.docName(), QStringLiteral("Printing ... - Page 1"));
    const QString info = QString::fromUtf8(ausgabe(QStringLiteral("pdfinfo"), {pdf}));
    QVERIFY2(info.contains(QRegularExpression(QStringLiteral("Pages:\\s+1\\n"))), qPrintable(info));
    QVERIFY(info.contains(QStringLiteral("Printing ... - Page 1")));

    QCOMPARE(vorschau.PrintAll(drucker), DruckUrsache::Gedruckt);
    QCOMPARE(drucker.docName(), QStringLiteral("Printing ..."));
    QVERIFY(QString::fromUtf8(ausgabe(QStringLiteral("pdfinfo"), {pdf}))
                .contains(QRegularExpression(QStringLiteral("Pages:\\s+2\\n"))));
    vorschau.Clear();
    QCOMPARE(vorschau.PrintAll(drucker), DruckUrsache::KeineSeiten);
}

void TestDruck::metafileIsReadBack()
{
    WERKZEUG("emf2svg-conv");
    TNicePreview vorschau;
    drucken_adressen(vorschau, teilnehmer(60), kSchrift, kDatum);
    const QString emf = m_ordner.filePath(QStringLiteral("seite2.emf"));
    const platform::WriteResult ergebnis = vorschau.SaveToMetafile(emf, 1);
    QVERIFY2(ergebnis.ok, qPrintable(ergebnis.reason));

    // The header record: type 1, the signature " EMF" at byte 40.
    const QByteArray bytes = readFileBytes(emf);
    QVERIFY(bytes.size() > 88);
    QCOMPARE(bytes.left(4), QByteArray("\x01\x00\x00\x00", 4));
    QCOMPARE(bytes.mid(40, 4), QByteArray(" EMF"));

    const QString svgDatei = m_ordner.filePath(QStringLiteral("seite2.svg"));
    QVERIFY(ausgabe(QStringLiteral("emf2svg-conv"),
                    {QStringLiteral("-i"), emf, QStringLiteral("-o"), svgDatei}) != "x");
    const QString svg = QString::fromUtf8(readFileBytes(svgDatei));
    QVERIFY2(svg.contains(QStringLiteral("Mitglieder Adressen")), qPrintable(svg.left(2000)));
    QVERIFY(svg.contains(QStringLiteral("Seite 2")));
    QVERIFY(svg.contains(QStringLiteral("N0060")));
    QVERIFY(!svg.contains(QStringLiteral("N0001"))); // page 2 only
    QVERIFY(svg.contains(QStringLiteral("Jörg")));
    QVERIFY(svg.contains(QStringLiteral("font-weight=\"700\"")));
    QVERIFY(svg.contains(QStringLiteral("fill=\"#E9E7E0\""), Qt::CaseInsensitive));
}

void TestDruck::metafileFailuresAreReported()
{
    TNicePreview vorschau;
    drucken_adressen(vorschau, teilnehmer(3), kSchrift, kDatum);
    const QString emf = m_ordner.filePath(QStringLiteral("keine.emf"));
    QVERIFY(!vorschau.SaveToMetafile(emf, 1).ok);
    QVERIFY(!vorschau.SaveToMetafile(emf, -1).ok);
    QVERIFY(!QFile::exists(emf));
    const platform::WriteResult ordnerFehlt =
        vorschau.SaveToMetafile(m_ordner.filePath(QStringLiteral("fehlt/x.emf")), 0);
    QVERIFY(!ordnerFehlt.ok);
    QVERIFY(!ordnerFehlt.reason.isEmpty());
}

QTEST_MAIN(TestDruck)
#include "tst_druck.moc"

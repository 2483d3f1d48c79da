#include "printing/logic/vorschaumodell.h"

#include <QtTest>

namespace
{

VorschauModell modell(int breite, int hoehe, int seiten, TZoomMode zoom)
{
    VorschauModell m;
    m.ClientWidth = breite;
    m.ClientHeight = hoehe;
    m.VScrollBarWidth = 17;
    m.HScrollBarHeight = 17;
    m.PageCount = seiten;
    m.LastZoom = zoom;
    if (seiten > 0)
        m.FPageIndex = 0;
    m.UpdateLayout();
    return m;
}

} // namespace

class TestVorschaumodell : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void roundsHalvesToEven();
    void zoomFactors_data();
    void zoomFactors();
    void noPagesHideTheBarsAndClearThePageIndex();
    void actualSizeOnA900PixelClient();
    void clickBetweenPagesHitsNothing_data();
    void clickBetweenPagesHitsNothing();
    void threePagesInTwoColumns();
    void clickOnAPageGivesThePagePoint();
    void magnificationBounds_data();
    void magnificationBounds();
    void clickZoomStopsInsideTheBounds();
    void anchorWithoutPageBecomesTopMiddleOfCurrentPage();
    void tinyClientsAndWildMagnificationsStillLayOut_data();
    void tinyClientsAndWildMagnificationsStillLayOut();
    void zoomKeepsTheAnchorInTheMiddle();
    void pageSizeFromThePrinter_data();
    void pageSizeFromThePrinter();
};

void TestVorschaumodell::roundsHalvesToEven()
{
    QCOMPARE(rnd(2.5), 2);
    QCOMPARE(rnd(3.5), 4);
    QCOMPARE(rnd(-2.5), -2);
    QCOMPARE(rnd(2.6), 3);
}

void TestVorschaumodell::zoomFactors_data()
{
    QTest::addColumn<int>("breite");
    QTest::addColumn<int>("hoehe");
    QTest::addColumn<int>("modus");
    QTest::addColumn<double>("faktor");
    QTest::newRow("four pages, 1400 wide")
        << 1400 << 800 << int(zmFourPages) << (1400.0 - 17 - 150) / 4 / 816;
    QTest::newRow("fit to width") << 1000 << 800 << int(zmFitToWidth) << (1000.0 - 17 - 60) / 816;
    QTest::newRow("two pages") << 1366 << 700 << int(zmTwoPages) << (1366.0 - 17 - 90) / 2 / 816;
    QTest::newRow("whole page limited by height")
        << 1366 << 700 << int(zmWholePage) << (700.0 - 17 - 60) / 1056;
    QTest::newRow("whole page limited by width")
        << 500 << 2000 << int(zmWholePage) << (500.0 - 17 - 60) / 816;
    QTest::newRow("actual size") << 1366 << 700 << int(zmActualSize) << 1.0;
    QTest::newRow("custom") << 1366 << 700 << int(zmCustom) << 1.0;
}

void TestVorschaumodell::zoomFactors()
{
    QFETCH(int, breite);
    QFETCH(int, hoehe);
    QFETCH(int, modus);
    QFETCH(double, faktor);
    VorschauModell m;
    m.ClientWidth = breite;
    m.ClientHeight = hoehe;
    QCOMPARE(m.GetZoomFactor(TZoomMode(modus)), float(faktor));
    if (modus == zmFourPages)
        QVERIFY(qAbs(m.GetZoomFactor(zmFourPages) - 0.3778f) < 0.0001f);
}

void TestVorschaumodell::noPagesHideTheBarsAndClearThePageIndex()
{
    VorschauModell m = modell(300, 200, 2, zmActualSize);
    QVERIFY(m.HorzBarVisible && m.VertBarVisible);
    m.HorzOffset = 40;
    m.PageCount = 0;
    m.UpdateLayout();
    QCOMPARE(m.FPageIndex, -1);
    QVERIFY(!m.HorzBarVisible);
    QVERIFY(!m.VertBarVisible);
    QCOMPARE(m.HorzOffset, 0);
    QCOMPARE(m.VertOffset, 0);
}

void TestVorschaumodell::actualSizeOnA900PixelClient()
{
    const VorschauModell m = modell(900, 1200, 1, zmActualSize);
    QCOMPARE(m.FMagnification, 1.0f);
    QCOMPARE(m.PageCol, 1);
    QCOMPARE(m.DeltaX, 12);
    QCOMPARE(m.MaxHScroll, 0);
    QVERIFY(!m.HorzBarVisible);
    QVERIFY(!m.VertBarVisible);
    QCOMPARE(m.GetPageRect(0), QRect(42, 30, 816, 1056));
}

void TestVorschaumodell::clickBetweenPagesHitsNothing_data()
{
    QTest::addColumn<int>("x");
    QTest::addColumn<int>("y");
    // Two columns at magnification 1 on an 1800-pixel client: DeltaX = (1800 - 1722) / 2 = 39.
    QTest::newRow("gap between the columns") << 39 + 846 + 10 << 100;
    QTest::newRow("left of the first page") << 39 + 10 << 100;
    QTest::newRow("above the pages") << 500 << 10;
    QTest::newRow("right of the last column") << 1790 << 100;
}

void TestVorschaumodell::clickBetweenPagesHitsNothing()
{
    QFETCH(int, x);
    QFETCH(int, y);
    VorschauModell m = modell(1800, 600, 2, zmActualSize);
    QCOMPARE(m.PageCol, 2);
    QCOMPARE(m.DeltaX, 39);
    m.FindPageAt(x, y);
    QCOMPARE(m.FPageAnchor, (TPageAnchor{-1, -1, -1}));
}

void TestVorschaumodell::threePagesInTwoColumns()
{
    VorschauModell m = modell(1800, 600, 3, zmActualSize);
    QCOMPARE(m.PageCol, 2);
    QCOMPARE(m.PageRow, 2);
    QCOMPARE(m.GetPageRect(2).topLeft(), QPoint(39 + 30, 1056 + 60 - m.VertOffset));
    // The empty slot right of the third page.
    m.VertOffset = 1000;
    m.FindPageAt(39 + 846 + 30 + 100, 1116 + 100 - 1000);
    QCOMPARE(m.FPageAnchor.Page, -1);
    m.FindPageAt(39 + 30 + 100, 1116 + 100 - 1000);
    QCOMPARE(m.FPageAnchor, (TPageAnchor{2, 100, 100}));
}

void TestVorschaumodell::clickOnAPageGivesThePagePoint()
{
    VorschauModell m = modell(900, 1200, 1, zmCustom);
    m.FMagnification = 0.5f;
    m.UpdateLayout();
    const QRect r = m.GetPageRect(0);
    m.FindPageAt(r.left() + 100, r.top() + 50);
    QCOMPARE(m.FPageAnchor, (TPageAnchor{0, 200, 100}));
    // The right and bottom edges belong to no page.
    m.FindPageAt(r.left() + r.width(), r.top() + 10);
    QCOMPARE(m.FPageAnchor.Page, -1);
}

void TestVorschaumodell::magnificationBounds_data()
{
    QTest::addColumn<float>("wert");
    QTest::addColumn<bool>("angenommen");
    QTest::newRow("5.0 excluded") << 5.0f << false;
    QTest::newRow("0.1 excluded") << 0.1f << false;
    QTest::newRow("above 5") << 7.0f << false;
    QTest::newRow("negative") << -1.0f << false;
    QTest::newRow("just below 5") << 4.99f << true;
    QTest::newRow("just above 0.1") << 0.11f << true;
    QTest::newRow("same value") << 1.0f << false;
}

void TestVorschaumodell::magnificationBounds()
{
    QFETCH(float, wert);
    QFETCH(bool, angenommen);
    VorschauModell m = modell(900, 700, 1, zmCustom);
    QCOMPARE(m.FMagnification, 1.0f);
    QCOMPARE(m.SetMagnification(wert), angenommen);
    QCOMPARE(m.FMagnification, angenommen ? wert : 1.0f);
}

void TestVorschaumodell::clickZoomStopsInsideTheBounds()
{
    VorschauModell m = modell(900, 700, 1, zmCustom);
    for (int i = 0; i < 100; ++i)
        m.SetMagnification(std::min(m.FMagnification + 0.1f, kMaxMagnification));
    QVERIFY(m.FMagnification < 5.0f);
    QVERIFY(m.FMagnification > 4.85f);
    for (int i = 0; i < 100; ++i)
        m.SetMagnification(std::max(m.FMagnification - 0.1f, kMinMagnification));
    QVERIFY(m.FMagnification > 0.1f);
    QVERIFY(m.FMagnification < 0.25f);
}

void TestVorschaumodell::anchorWithoutPageBecomesTopMiddleOfCurrentPage()
{
    VorschauModell m = modell(900, 700, 2, zmCustom);
    m.FPageIndex = 1;
    m.FindPageAt(5, 5); // the grey border: no page
    QCOMPARE(m.FPageAnchor.Page, -1);
    QVERIFY(m.SetMagnification(2.0f));
    QCOMPARE(m.FPageAnchor, (TPageAnchor{1, 408, 0}));
}

void TestVorschaumodell::tinyClientsAndWildMagnificationsStillLayOut_data()
{
    QTest::addColumn<int>("breite");
    QTest::addColumn<int>("modus");
    QTest::addColumn<float>("vergroesserung");
    QTest::newRow("40 pixels, fit to width") << 40 << int(zmFitToWidth) << 1.0f;
    QTest::newRow("46 pixels, four pages") << 46 << int(zmFourPages) << 1.0f;
    QTest::newRow("0 pixels, two pages") << 0 << int(zmTwoPages) << 1.0f;
    QTest::newRow("stored magnification -2") << 600 << int(zmCustom) << -2.0f;
    QTest::newRow("stored magnification 0") << 600 << int(zmCustom) << 0.0f;
    QTest::newRow("stored magnification 40") << 600 << int(zmCustom) << 40.0f;
    QTest::newRow("5000 pixels fit to width") << 5000 << int(zmFitToWidth) << 1.0f;
}

void TestVorschaumodell::tinyClientsAndWildMagnificationsStillLayOut()
{
    QFETCH(int, breite);
    QFETCH(int, modus);
    QFETCH(float, vergroesserung);
    VorschauModell m;
    m.ClientWidth = breite;
    m.ClientHeight = 40;
    m.PageCount = 3;
    m.LastZoom = TZoomMode(modus);
    m.FMagnification = vergroesserung;
    m.UpdateLayout(); // returns: the column loop ends
    QVERIFY(m.FMagnification >= kMinMagnification);
    QVERIFY(m.FMagnification <= kMaxMagnification);
    QVERIFY(m.PageCol >= 1);
    QVERIFY(m.PageCol <= std::max(1, breite / (m.ScaledPageWidth() + 30)));
    m.FindPageAt(breite / 2, 20); // no division by zero
    QVERIFY(m.FPageAnchor.Page >= -1);
    QVERIFY(m.FPageAnchor.Page < m.PageCount);
}

void TestVorschaumodell::zoomKeepsTheAnchorInTheMiddle()
{
    VorschauModell m = modell(800, 600, 1, zmCustom);
    const QRect r = m.GetPageRect(0);
    m.FindPageAt(r.left() + 600, r.top() + 500);
    const TPageAnchor anker = m.FPageAnchor;
    QCOMPARE(anker.Page, 0);
    QVERIFY(m.SetMagnification(2.0f));
    // The clicked point is now in the middle of the client.
    const QRect neu = m.GetPageRect(0);
    QVERIFY(qAbs(neu.left() + rnd(anker.X * 2.0) - 400) <= 1);
    QVERIFY(qAbs(neu.top() + rnd(anker.Y * 2.0) - 300) <= 1);
}

void TestVorschaumodell::pageSizeFromThePrinter_data()
{
    QTest::addColumn<int>("dpi");
    QTest::addColumn<int>("breite");
    QTest::addColumn<int>("hoehe");
    QTest::addColumn<QSize>("seite");
    QTest::newRow("A4 at 600 dpi") << 600 << 4961 << 7016 << QSize(794, 1123);
    QTest::newRow("letter at 300 dpi") << 300 << 2550 << 3300 << QSize(816, 1056);
    QTest::newRow("failed query") << 0 << 0 << 0 << QSize(816, 1056);
    QTest::newRow("negative size") << 600 << -1 << 7016 << QSize(816, 1056);
    QTest::newRow("zero resolution") << 0 << 4961 << 7016 << QSize(816, 1056);
}

void TestVorschaumodell::pageSizeFromThePrinter()
{
    QFETCH(int, dpi);
    QFETCH(int, breite);
    QFETCH(int, hoehe);
    QFETCH(QSize, seite);
    QCOMPARE(seitengroesseVomDrucker(dpi, dpi, breite, hoehe, 96, 96), seite);
}

QTEST_APPLESS_MAIN(TestVorschaumodell)
#include "tst_vorschaumodell.moc"

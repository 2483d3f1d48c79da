#include "printing/ui/nicepreview.h"

#include <QPainter>
#include <QScrollBar>
#include <QStyle>
#include <QWheelEvent>
#include <QtTest>

namespace
{

// A preview of `seiten` pages, each with its number written large, shown at the given size.
std::unique_ptr<TNicePreview> vorschau(int seiten, QSize groesse)
{
    auto v = std::make_unique<TNicePreview>();
    v->setFrameShape(QFrame::NoFrame);
    v->resize(groesse);
    v->show();
    for (int i = 0; i < seiten; ++i) {
        QPainter* p = v->BeginPage();
        p->setFont(QFont(QStringLiteral("DejaVu Sans"), 40));
        p->drawText(100, 200, QString::number(i + 1));
        v->EndPage();
    }
    return v;
}

QColor pixel(TNicePreview& v, QPoint p)
{
    return v.viewport()->grab().toImage().pixelColor(p);
}

} // namespace

class TestNicePreview : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void defaults();
    void noPagesHideTheBars();
    void actualSizeOnA900PixelClient();
    void pagesAreDrawnWithOutlineAndShadow();
    void clickZoomKeepsInsideTheBoundsAndIgnoresGaps();
    void dragMovesTheView();
    void wheelAndScrollBarsMoveTheView();
    void zoomModesFollowTheClient();
    void tinyPreviewStillLaysOut();
    void viewIsKeptAcrossARebuild();
};

void TestNicePreview::defaults()
{
    TNicePreview v;
    QCOMPARE(v.PageWidth(), 816);
    QCOMPARE(v.PageHeight(), 1056);
    QCOMPARE(v.MarginLeft(), 96);
    QCOMPARE(v.MarginBottom(), 96);
    QCOMPARE(v.Title(), QStringLiteral("Printing ..."));
    QCOMPARE(v.PageIndex(), -1);
    QCOMPARE(v.PageCount(), 0);
    QCOMPARE(v.Magnification(), 1.0f);
    QCOMPARE(v.PreviewMode(), pmNormal);
    QCOMPARE(v.modell().LastZoom, zmFitToWidth);
    QCOMPARE(v.modell().SmallChange, 5);
    QCOMPARE(v.modell().LargeChange, 20);
    QVERIFY(!vorschauCursor(TNicePreview::crHandDrag).pixmap().isNull());
    QVERIFY(vorschauCursor(TNicePreview::crZoomIn).pixmap().toImage() !=
            vorschauCursor(TNicePreview::crZoomOut).pixmap().toImage());
}

void TestNicePreview::noPagesHideTheBars()
{
    auto v = vorschau(3, QSize(300, 200));
    v->ViewActualSize();
    QVERIFY(v->verticalScrollBar()->isVisible());
    QVERIFY(v->horizontalScrollBar()->isVisible());
    v->setPageIndex(2);
    QSignalSpy geaendert(v.get(), &TNicePreview::OnChange);
    v->Clear();
    QCOMPARE(v->PageCount(), 0);
    QCOMPARE(v->PageIndex(), -1);
    QVERIFY(!v->verticalScrollBar()->isVisible());
    QVERIFY(!v->horizontalScrollBar()->isVisible());
    QVERIFY(geaendert.count() >= 1);
}

void TestNicePreview::actualSizeOnA900PixelClient()
{
    auto v = vorschau(1, QSize(900, 1200));
    v->ViewActualSize();
    QCOMPARE(v->viewport()->width(), 900);
    QCOMPARE(v->Magnification(), 1.0f);
    QCOMPARE(v->modell().PageCol, 1);
    QCOMPARE(v->modell().DeltaX, 12);
    QVERIFY(!v->horizontalScrollBar()->isVisible());
}

void TestNicePreview::pagesAreDrawnWithOutlineAndShadow()
{
    auto v = vorschau(2, QSize(900, 1200));
    v->ViewActualSize();
    const QRect r = v->modell().GetPageRect(0);
    QCOMPARE(pixel(*v, r.topLeft() + QPoint(400, 600)), QColor(Qt::white));
    QCOMPARE(pixel(*v, r.topLeft() + QPoint(400, 0)), QColor(Qt::black));
    QCOMPARE(pixel(*v, QPoint(r.left() + r.width() + 2, r.top() + 100)), QColor(Qt::black));
    QCOMPARE(pixel(*v, QPoint(r.left() + r.width() + 2, r.top() + 1)).rgb(),
             v->Color().rgb()); // shadow starts 4 lower
    QCOMPARE(pixel(*v, QPoint(5, 5)).rgb(), v->Color().rgb());
    // Clicking makes the page current: its outline turns red.
    QTest::mouseClick(v->viewport(), Qt::LeftButton, {}, r.topLeft() + QPoint(50, 50));
    QCOMPARE(v->PageIndex(), 0);
    QCOMPARE(pixel(*v, r.topLeft() + QPoint(400, 0)), QColor(Qt::red));
    // The page's own drawing is replayed into it: the big "1" darkens pixels near (100, 200).
    bool gezeichnet = false;
    const QImage bild = v->viewport()->grab().toImage();
    for (int y = 160; y < 205 && !gezeichnet; ++y)
        for (int x = 100; x < 140 && !gezeichnet; ++x)
            gezeichnet = bild.pixelColor(r.topLeft() + QPoint(x, y)).lightness() < 100;
    QVERIFY(gezeichnet);
}

void TestNicePreview::clickZoomKeepsInsideTheBoundsAndIgnoresGaps()
{
    auto v = vorschau(2, QSize(800, 600));
    v->ViewActualSize();
    v->setPreviewMode(pmZoomIn);
    QCOMPARE(v->modell().LastZoom, zmCustom);
    QCOMPARE(v->viewport()->cursor().shape(), Qt::BitmapCursor);
    QRect r = v->modell().GetPageRect(0);
    QTest::mouseClick(v->viewport(), Qt::LeftButton, {}, r.topLeft() + QPoint(100, 100));
    QCOMPARE(v->Magnification(), 1.1f);
    for (int i = 0; i < 60; ++i) {
        r = v->modell().GetPageRect(v->PageIndex());
        QTest::mouseClick(v->viewport(), Qt::LeftButton, {},
                          QPoint(std::max(r.left(), 0) + 5, std::max(r.top(), 0) + 5));
    }
    QVERIFY(v->Magnification() < 5.0f);
    QVERIFY(v->Magnification() > 4.8f);

    v->setPreviewMode(pmZoomOut);
    v->setMagnification(1.0f);
    r = v->modell().GetPageRect(0);
    // The grey margin left of the page: neither the page nor the magnification change.
    if (r.left() > 3) {
        QTest::mouseClick(v->viewport(), Qt::LeftButton, {}, QPoint(r.left() - 3, 300));
        QCOMPARE(v->Magnification(), 1.0f);
        QCOMPARE(v->modell().FPageAnchor.Page, -1);
    }
    QTest::mouseClick(v->viewport(), Qt::LeftButton, {}, r.topLeft() + QPoint(10, 10));
    QCOMPARE(v->Magnification(), 0.9f);
    v->setPreviewMode(pmNormal);
    QCOMPARE(v->viewport()->cursor().shape(), Qt::ArrowCursor);
}

void TestNicePreview::dragMovesTheView()
{
    auto v = vorschau(1, QSize(500, 400));
    v->ViewActualSize(); // both bars
    v->setPreviewMode(pmDrag);
    QVERIFY(v->horizontalScrollBar()->isVisible());
    const int h0 = v->modell().HorzOffset;
    const int v0 = v->modell().VertOffset;
    const QRect r = v->modell().GetPageRect(0);
    const QPoint start(std::max(r.left(), 0) + 200, std::max(r.top(), 0) + 200);
    QTest::mousePress(v->viewport(), Qt::LeftButton, {}, start);
    QTest::mouseMove(v->viewport(), start - QPoint(50, 40));
    QMouseEvent bewegung(QEvent::MouseMove, QPointF(start - QPoint(50, 40)),
                         QPointF(v->viewport()->mapToGlobal(start - QPoint(50, 40))),
                         Qt::LeftButton, Qt::LeftButton, {});
    QApplication::sendEvent(v->viewport(), &bewegung);
    QCOMPARE(v->modell().HorzOffset, std::min(h0 + 50, v->modell().MaxHScroll));
    QCOMPARE(v->modell().VertOffset, std::min(v0 + 40, v->modell().MaxVScroll));
    QCOMPARE(v->horizontalScrollBar()->value(), v->modell().HorzOffset);
    QTest::mouseRelease(v->viewport(), Qt::LeftButton, {}, start - QPoint(50, 40));
    // After the release moving does nothing.
    QMouseEvent weiter(QEvent::MouseMove, QPointF(10, 10), QPointF(10, 10), Qt::NoButton,
                       Qt::NoButton, {});
    QApplication::sendEvent(v->viewport(), &weiter);
    QCOMPARE(v->modell().VertOffset, std::min(v0 + 40, v->modell().MaxVScroll));
}

void TestNicePreview::wheelAndScrollBarsMoveTheView()
{
    auto v = vorschau(3, QSize(600, 500));
    QCOMPARE(v->modell().VertOffset, 0);
    QWheelEvent rad(QPointF(100, 100), QPointF(100, 100), QPoint(), QPoint(0, -120), Qt::NoButton,
                    {}, Qt::NoScrollPhase, false);
    QApplication::sendEvent(v->viewport(), &rad);
    QCOMPARE(v->modell().VertOffset, 120);
    QCOMPARE(v->verticalScrollBar()->value(), 120);
    QWheelEvent zurueck(QPointF(100, 100), QPointF(100, 100), QPoint(), QPoint(0, 480),
                        Qt::NoButton, {}, Qt::NoScrollPhase, false);
    QApplication::sendEvent(v->viewport(), &zurueck);
    QCOMPARE(v->modell().VertOffset, 0); // clamped
    v->verticalScrollBar()->triggerAction(QAbstractSlider::SliderPageStepAdd);
    QCOMPARE(v->modell().VertOffset, 20);
    v->verticalScrollBar()->triggerAction(QAbstractSlider::SliderSingleStepAdd);
    QCOMPARE(v->modell().VertOffset, 25);
    v->verticalScrollBar()->setValue(v->modell().MaxVScroll + 500);
    QCOMPARE(v->modell().VertOffset, v->modell().MaxVScroll);
}

void TestNicePreview::zoomModesFollowTheClient()
{
    auto v = vorschau(4, QSize(1000, 700));
    const int sv = v->style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, v.get());
    // Fit to width: the vertical bar is shown, so the client is narrower than the control.
    QCOMPARE(v->Magnification(), float((v->viewport()->width() - sv - 60) / 816.0));
    v->ViewTwoPage();
    QCOMPARE(v->modell().PageCol, 2);
    v->ViewFourPage();
    QCOMPARE(v->modell().PageCol, 4);
    v->ViewWholePage();
    QCOMPARE(v->modell().PageCol, 1);
    QVERIFY(v->modell().IsWholePage);
    v->ViewFitToWidth();
    QVERIFY(!v->modell().IsWholePage);
    v->resize(1400, 700);
    QCOMPARE(v->Magnification(), float((v->viewport()->width() - sv - 60) / 816.0));
}

void TestNicePreview::tinyPreviewStillLaysOut()
{
    auto v = vorschau(3, QSize(30, 30));
    v->ViewFitToWidth();
    v->resize(10, 10);
    QVERIFY(v->Magnification() >= kMinMagnification);
    QTest::mouseClick(v->viewport(), Qt::LeftButton, {}, QPoint(2, 2));
    v->viewport()->grab();
}

void TestNicePreview::viewIsKeptAcrossARebuild()
{
    auto v = vorschau(3, QSize(600, 500));
    v->ViewActualSize();
    v->verticalScrollBar()->setValue(700);
    v->setPageIndex(1);
    const TNicePreview::Ansicht vorher = v->ansicht();
    v->Clear();
    for (int i = 0; i < 3; ++i) {
        v->BeginPage();
        v->EndPage();
    }
    v->ansichtSetzen(vorher);
    QCOMPARE(v->modell().VertOffset, 700);
    QCOMPARE(v->verticalScrollBar()->value(), 700);
    QCOMPARE(v->Magnification(), 1.0f);
    QCOMPARE(v->modell().LastZoom, zmActualSize);
    QCOMPARE(v->PageIndex(), 1);
}

QTEST_MAIN(TestNicePreview)
#include "tst_nicepreview.moc"

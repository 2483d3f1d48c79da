// The grid's own drawing and its answers to mouse, keys, editor and moves of the current cell.
#include "grid/logic/wincolors.h"
#include "grid/ui/filtergrid.h"
#include "grid/ui/griddrawer.h"
#include "grid/ui/gridinteraction.h"
#include "gridtesthelp.h"

#include <QImage>
#include <QLineEdit>
#include <QPainter>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTest>

using namespace grid;

namespace
{

const QString kTwoColumns = QStringLiteral(
    "2¯Nr.«37««-16777201«0« «0«36««-16777211¯Name«37««-16777201«0« «0«36««-16777211¯");

// Paints one cell of the drawer's grid on a white image of the cell's size.
QImage paintCell(GridDrawer& drawer, const FilterGridModel& g, int col, int row,
                 GridDrawState state = 0)
{
    const QRect rect(0, 0, std::max(g.ColWidths(col), 1), std::max(g.RowHeights(row), 1));
    QImage image(rect.size(), QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    const QPalette palette;
    painter.setBrush(drawer.BaseBrushColor(col, row, state, palette));
    drawer.DrawCell(painter, palette, col, row, rect, state);
    return image;
}

// Rows of the image holding a pixel of the colour.
std::pair<int, int> rowsWith(const QImage& image, QRgb colour)
{
    int first = -1;
    int last = -1;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (image.pixel(x, y) == colour) {
                if (first < 0)
                    first = y;
                last = y;
            }
    return {first, last};
}

} // namespace

class TestGridDraw : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void drawText_data();
    void drawText();
    void sortedTitleWidensItsColumnAfterThePaint();
    void arrowHeightFollowsTheTitleRow_data();
    void arrowHeightFollowsTheTitleRow();
    void multiLineRowsGrowAndNeverShrink();
    void gradientRunsFromTheBrushByTheGridsStep();
    void pressNearATitleBorderDoesNotSort_data();
    void pressNearATitleBorderDoesNotSort();
    void titleClickInTheViewSorts();
    void releaseMovesToThePressedRow_data();
    void releaseMovesToThePressedRow();
    void cursorDownOnTheLastRowAppendsOneRow();
    void typingRaisesOnChangePerDifferingKeystroke();
    void enteringAnotherRowNoticesAChangedRow();
    void rowSelectDoesNotScrollSideways();
    void settersRepaintOnlyOnARealChange();
    void aColourHandlerThatSetsColoursDoesNotPaintForEver();

private:
    GermanConventions m_german;
};

void TestGridDraw::drawText_data()
{
    QTest::addColumn<QString>("cell");
    QTest::addColumn<int>("distance");
    QTest::addColumn<bool>("sorted");
    QTest::addColumn<QString>("drawn");
    QTest::newRow("marked cell") << "\t" << 1 << false << " ";
    QTest::newRow("control char first") << "\x01xyz" << 2 << false << " ";
    QTest::newRow("empty, distance 1") << "" << 1 << false << "  ";
    QTest::newRow("empty, distance 2") << "" << 2 << false << "    ";
    QTest::newRow("text") << "Meier" << 1 << false << " Meier ";
    QTest::newRow("sorted title, size M") << "Name" << 1 << true << " Name   ";
}

void TestGridDraw::drawText()
{
    QFETCH(QString, cell);
    QFETCH(int, distance);
    QFETCH(bool, sorted);
    QFETCH(QString, drawn);
    FilterGridModel g;
    g.SetColFeatures(kTwoColumns);
    g.SetDistance(distance);
    fillGrid(g, {"Nr.", "Name"}, {"1|a", "2|b"});
    const int row = sorted ? 0 : 1;
    g.SetCells(1, row, cell);
    if (sorted)
        g.Sortiere(QStringLiteral("1"), false, 0, true);
    QCOMPARE(GridDrawer(g).DrawText(1, row), drawn);
}

void TestGridDraw::sortedTitleWidensItsColumnAfterThePaint()
{
    FilterGridModel g;
    g.SetColFeatures(kTwoColumns);
    fillGrid(g, {"Nr.", "Name"}, {"1|b", "2|a"});
    g.Sortiere(QStringLiteral("1"), false, 0, true);
    g.SetColWidths(1, 10);
    QSignalSpy widths(&g, &TStringGrid::colWidthsChanged);
    GridDrawer drawer(g);

    paintCell(drawer, g, 1, 0, gdFixed);
    QCOMPARE(widths.count(), 0); // nothing resized while painting
    QVERIFY(drawer.HasPendingSizes());
    QVERIFY(drawer.ApplyPendingSizes());
    const int expected =
        QFontMetrics(g.Font().toQFont()).horizontalAdvance(QStringLiteral(" Name   "));
    QCOMPARE(g.ColWidths(1), expected);

    paintCell(drawer, g, 1, 0, gdFixed);
    QVERIFY(!drawer.HasPendingSizes());
    QVERIFY(!drawer.ApplyPendingSizes());
}

void TestGridDraw::arrowHeightFollowsTheTitleRow_data()
{
    QTest::addColumn<int>("size");
    QTest::addColumn<int>("height");
    QTest::newRow("S: 20 div 5") << int(TSortIconSize::siSize_S) << 4;
    QTest::newRow("M: 20 div 4") << int(TSortIconSize::siSize_M) << 5;
    QTest::newRow("L: 20 div 3") << int(TSortIconSize::siSize_L) << 6;
}

void TestGridDraw::arrowHeightFollowsTheTitleRow()
{
    QFETCH(int, size);
    QFETCH(int, height);
    FilterGridModel g;
    g.SetRowHeights(0, 20);
    g.ShowSortIcon().Size = TSortIconSize(size);
    for (const TSortDirection sd : {TSortDirection::sdAufsteigend, TSortDirection::sdAbsteigend}) {
        QImage image(40, 20, QImage::Format_RGB32);
        image.fill(Qt::white);
        QPainter painter(&image);
        painter.setPen(Qt::black);
        PaintIcon(g.ShowSortIcon(), g, painter, QRect(0, 0, 40, 20), sd);
        painter.end();
        const auto [top, bottom] = rowsWith(image, qRgb(0, 0, 0));
        QCOMPARE(top, 2);
        QCOMPARE(bottom - top, height);
    }
}

void TestGridDraw::multiLineRowsGrowAndNeverShrink()
{
    FilterGridModel g;
    fillGrid(g, {"Nr.", "Notiz"}, {"1|eins¯zwei¯drei"});
    g.ColInfo_Create(1)->DatAlign = 16;
    const int standard = g.RowHeights(1);
    GridDrawer drawer(g);
    paintCell(drawer, g, 1, 1);
    QVERIFY(drawer.ApplyPendingSizes());
    const int grown = g.RowHeights(1);
    QVERIFY2(grown >= 3 * QFontMetrics(g.Font().toQFont()).lineSpacing() - 1,
             qPrintable(QString::number(grown)));
    QVERIFY(grown > standard);
    g.SetCells(1, 1, QStringLiteral("eins"));
    paintCell(drawer, g, 1, 1);
    QVERIFY(!drawer.ApplyPendingSizes());
    QCOMPARE(g.RowHeights(1), grown);
}

void TestGridDraw::gradientRunsFromTheBrushByTheGridsStep()
{
    FilterGridModel g;
    fillGrid(g, {"Nr.", "Name"}, {"1|"});
    g.SetDrawingStyle(GridDrawingStyle::gdsGradient);
    g.SetGradientToAllCells(true);
    g.SetColor(0x646464); // 100, 100, 100; the step is DDDDDD - FFFFFF = -34 per channel
    const QPalette palette;
    QCOMPARE(g.GradientShift(QColor(100, 100, 100), palette), QColor(66, 66, 66));
    QCOMPARE(g.GradientShift(QColor(10, 200, 40), palette), QColor(0, 166, 6));
    g.SetRowHeights(1, 30);
    GridDrawer drawer(g);
    const QImage image = paintCell(drawer, g, 1, 1);
    QVERIFY(qAbs(QColor(image.pixel(1, 0)).red() - 100) <= 1);
    QVERIFY(qAbs(QColor(image.pixel(1, 29)).red() - 66) <= 2);

    g.SetDrawingStyle(GridDrawingStyle::gdsClassic);
    const QImage plain = paintCell(drawer, g, 1, 1);
    QCOMPARE(plain.pixel(1, 29), plain.pixel(1, 0));
}

void TestGridDraw::pressNearATitleBorderDoesNotSort_data()
{
    QTest::addColumn<int>("fromBorder");
    QTest::addColumn<bool>("sorts");
    QTest::newRow("2 pixels from the right border") << 2 << false;
    QTest::newRow("4 pixels from the right border") << 4 << true;
    QTest::newRow("middle") << 40 << true;
}

void TestGridDraw::pressNearATitleBorderDoesNotSort()
{
    QFETCH(int, fromBorder);
    QFETCH(bool, sorts);
    FilterGridModel g;
    fillGrid(g, {"Nr.", "Name"}, {"1|b", "2|a"});
    g.SetColWidths(0, 20);
    g.SetColWidths(1, 100);
    g.SetSortMouseEd(true);
    const QRect title = g.CellRect(1, 0);
    const int x = title.left() + title.width() - fromBorder;
    GridInteraction input(g);
    input.MouseDown(Qt::LeftButton, x, title.center().y());
    QCOMPARE(g.SortFieldFind(1) != nullptr, sorts);
    QCOMPARE(dataColumn(g, 1), sorts ? QStringList({"a", "b"}) : QStringList({"b", "a"}));
    g.SetSortMouseEd(false);
    g.SortFieldsClear();
    input.MouseDown(Qt::LeftButton, title.center().x(), title.center().y());
    QVERIFY(!g.SortFieldFind(1));
}

void TestGridDraw::titleClickInTheViewSorts()
{
    TFilterGrid view;
    FilterGridModel& g = view.Grid();
    fillGrid(g, {"Nr.", "Name"}, {"1|b", "2|c", "3|a"});
    g.SetColWidths(1, 120);
    g.SetSortMouseEd(true);
    view.resize(300, 200);
    view.show();
    QVERIFY(QTest::qWaitForWindowExposed(&view));
    QWidget* strip = view.titleStrip();
    QVERIFY(strip->isVisible());
    const QPoint middle(view.columnViewportPosition(1) + 60, strip->height() / 2);
    QTest::mouseClick(strip, Qt::LeftButton, {}, middle);
    QCOMPARE(dataColumn(g, 1), QStringList({"a", "b", "c"}));
    QTest::mouseClick(strip, Qt::LeftButton, {}, middle);
    QCOMPARE(dataColumn(g, 1), QStringList({"c", "b", "a"}));
    // The titles stay in sight while the rows scroll.
    QVERIFY(view.isRowHidden(0));
}

void TestGridDraw::releaseMovesToThePressedRow_data()
{
    QTest::addColumn<int>("pressedRow");
    QTest::addColumn<int>("selectionBottom");
    QTest::addColumn<int>("row");
    QTest::addColumn<int>("leftCol");
    QTest::newRow("data row: current, sideways scroll undone") << 3 << 1 << 3 << 1;
    QTest::newRow("title row: nothing") << 0 << 1 << 1 << 2;
    QTest::newRow("several rows selected: only the scroll undone") << 3 << 2 << 1 << 1;
}

void TestGridDraw::releaseMovesToThePressedRow()
{
    QFETCH(int, pressedRow);
    QFETCH(int, selectionBottom);
    QFETCH(int, row);
    QFETCH(int, leftCol);
    FilterGridModel g;
    fillGrid(g, {"Nr.", "Name", "Ort"}, {"1|a|x", "2|b|y", "3|c|z"});
    g.SetSelection({1, 1, 1, selectionBottom});
    GridInteraction input(g);
    const QPoint press = g.CellRect(1, pressedRow).center();
    input.MouseDown(Qt::LeftButton, press.x(), press.y());
    g.SetLeftCol(2); // the press scrolled sideways
    input.MouseUp(Qt::LeftButton, press.x(), press.y());
    QCOMPARE(g.Row(), row);
    QCOMPARE(g.LeftCol(), leftCol);
}

void TestGridDraw::cursorDownOnTheLastRowAppendsOneRow()
{
    TFilterGrid view;
    FilterGridModel& g = view.Grid();
    fillGrid(g, {"Nr.", "Name"}, {"1|a", "2|b"});
    g.SetRowAddAuto(true);
    int appended = 0;
    g.OnRowAddAuto = [&](QObject*) { ++appended; };
    view.show();
    QVERIFY(QTest::qWaitForWindowExposed(&view));
    view.setFocus();
    g.SetRow(1);
    QTest::keyClick(&view, Qt::Key_Down);
    QCOMPARE(g.RowCount(), 3);
    QCOMPARE(g.Row(), 2);
    QCOMPARE(appended, 0);
    QTest::keyClick(&view, Qt::Key_Down);
    QCOMPARE(g.RowCount(), 4);
    QCOMPARE(appended, 1);
    QCOMPARE(g.Row(), 3);
    QVERIFY(g.RowEmpty(3));
    g.SetRowAddAuto(false);
    QTest::keyClick(&view, Qt::Key_Down);
    QCOMPARE(g.RowCount(), 4);
}

void TestGridDraw::typingRaisesOnChangePerDifferingKeystroke()
{
    TFilterGrid view;
    FilterGridModel& g = view.Grid();
    fillGrid(g, {"Nr.", "Name"}, {"1|x"});
    g.SetOptions(g.Options() | goEditing);
    int changes = 0;
    g.OnChange = [&](QObject*) { ++changes; };
    view.show();
    QVERIFY(QTest::qWaitForWindowExposed(&view));
    const QModelIndex cell = g.index(1, 1);
    view.setCurrentIndex(cell);
    view.edit(cell);
    auto* editor = view.findChild<QLineEdit*>();
    QVERIFY(editor);
    QCOMPARE(editor->text(), QStringLiteral("x"));
    editor->selectAll();
    QTest::keyClicks(editor, QStringLiteral("ab")); // "a", "ab"
    QCOMPARE(changes, 2);
    QCOMPARE(g.Cells(1, 1), QStringLiteral("ab"));
    QTest::keyClick(editor, Qt::Key_Backspace);    // "a"
    QTest::keyClick(editor, Qt::Key_Backspace);    // ""
    QTest::keyClicks(editor, QStringLiteral("x")); // back to the text editing began with
    QCOMPARE(changes, 4);
    QVERIFY(g.ModifiedDaten());
    QTest::keyClick(editor, Qt::Key_Return);
    QCOMPARE(changes, 4);
    QCOMPARE(g.Cells(1, 1), QStringLiteral("x"));
}

void TestGridDraw::enteringAnotherRowNoticesAChangedRow()
{
    FilterGridModel g;
    fillGrid(g, {"Nr.", "Name"}, {"1|a", "2|b"});
    QObject target;
    QString shown;
    g.ColInfo_AddComp(
        1, &target, [](QObject*, QObject*) { return QString(); },
        [&](QObject*, QObject*, const QString& v) { shown = v; });
    QVERIFY(g.MoveTo(1, 2));
    QCOMPARE(shown, QStringLiteral("b"));
    QCOMPARE(g.OldRowText(), QStringLiteral("2\r\nb\r\n"));
    QVERIFY(!g.ModifiedDaten());
    g.SetCells(1, 2, QStringLiteral("B"));
    QVERIFY(g.MoveTo(1, 1));
    QVERIFY(g.ModifiedDaten());
    QCOMPARE(shown, QStringLiteral("a"));
    QVERIFY(!g.MoveTo(0, 1)); // a fixed cell never becomes current
    QVERIFY(!g.MoveTo(1, 0));
    QCOMPARE(g.Row(), 1);
    QCOMPARE(g.Col(), 1);
}

void TestGridDraw::rowSelectDoesNotScrollSideways()
{
    TFilterGrid view;
    FilterGridModel& g = view.Grid();
    fillGrid(g, {"Nr.", "Name"}, {"1|a", "2|b", "3|c"});
    g.SetOptions(g.Options() | goRowSelect);
    g.SetColWidths(0, 30);
    g.SetColWidths(1, 600); // wider than the view
    view.resize(200, 150);
    view.show();
    QVERIFY(QTest::qWaitForWindowExposed(&view));
    g.SetRow(3);
    QTest::keyClick(&view, Qt::Key_Up);
    QCOMPARE(g.Row(), 2);
    QCOMPARE(view.horizontalScrollBar()->value(), 0);
    QVERIFY(view.columnViewportPosition(0) >= 0);
}

void TestGridDraw::settersRepaintOnlyOnARealChange()
{
    FilterGridModel g;
    QSignalSpy repaint(&g, &TStringGrid::appearanceChanged);
    g.SetSelectRowColor(wincolor::clInactiveCaption);
    QCOMPARE(repaint.count(), 1);
    g.SetSelectRowColor(wincolor::clInactiveCaption);
    g.SetGradientToAllCells(false);
    g.SetColor(g.Color());
    g.SetFixedColor(g.FixedColor());
    g.SetFont(g.Font());
    g.SetDrawingStyle(g.DrawingStyle());
    g.SetGradientStartColor(g.GradientStartColor());
    g.SetGradientEndColor(g.GradientEndColor());
    g.SetTopRow(g.TopRow());
    g.SetLeftCol(g.LeftCol());
    QCOMPARE(repaint.count(), 1);
}

void TestGridDraw::aColourHandlerThatSetsColoursDoesNotPaintForEver()
{
    TFilterGrid view;
    FilterGridModel& g = view.Grid();
    g.SetColFeatures(kTwoColumns);
    g.SetDrawingStyle(GridDrawingStyle::gdsGradient);
    g.SetGradientToAllCells(true);
    g.SetOptions(g.Options() | goRowSelect);
    fillGrid(g, {"Nr.", "Name"}, {"1|a", "2|b", "3|c"});
    g.Sortiere(QStringLiteral("1"), false, 0, true);
    g.SetColWidths(1, 5); // the sorted title asks for more room while painting
    g.RowColorProc = [&g](QObject*, int&, QPainter* can, int, int aRow, GridDrawState) {
        g.SetSelectRowColor(wincolor::clInactiveCaption);
        if (aRow == g.Row())
            can->setPen(QColor(128, 0, 0));
    };
    view.resize(300, 200);
    view.show();
    QVERIFY(QTest::qWaitForWindowExposed(&view));
    QTest::qWait(150);
    const int settled = view.paintCount();
    QTest::qWait(300);
    QCOMPARE(view.paintCount(), settled);
    QVERIFY(g.ColWidths(1) > 5);
}

QTEST_MAIN(TestGridDraw)
#include "tst_griddraw.moc"

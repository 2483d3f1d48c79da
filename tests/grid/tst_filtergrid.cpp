#include "grid/ui/filtergrid.h"
#include "gridtesthelp.h"

#include <QHeaderView>
#include <QTest>

using namespace grid;

class TestFilterGrid : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void showsTheCellsWithFixedRowsInside();
    void followsWidthsAndCurrentCell();
    void tellsTheModelItsSize();

private:
    GermanConventions m_german;
};

void TestFilterGrid::showsTheCellsWithFixedRowsInside()
{
    TFilterGrid view;
    view.setObjectName(QStringLiteral("FilterGrid1"));
    FilterGridModel& g = view.Grid();
    g.SetColFeatures(QStringLiteral(
        "2¯Nr.«37««-16777201«0« «0«36««-16777211¯Name«37««-16777201«0« «0«36««-16777211¯1"));
    g.SetCells(1, 1, QStringLiteral("Meier"));
    QCOMPARE(view.model()->rowCount(), g.RowCount());
    QCOMPARE(view.model()->columnCount(), 2);
    QCOMPARE(view.model()->index(0, 1).data().toString(), QStringLiteral("Name"));
    QCOMPARE(view.model()->index(1, 1).data().toString(), QStringLiteral("Meier"));
    QVERIFY(view.horizontalHeader()->isHidden());
    QVERIFY(!view.accessibleName().isEmpty());
}

void TestFilterGrid::followsWidthsAndCurrentCell()
{
    TFilterGrid view;
    FilterGridModel& g = view.Grid();
    fillGrid(g, {"Nr.", "Name"}, {"1|a", "2|b", "3|c"});
    g.SetColWidths(1, 120);
    QCOMPARE(view.columnWidth(1), 120 + g.GridLineWidth());
    g.SetRow(3);
    QCOMPARE(view.currentIndex().row(), 3);
    view.setCurrentIndex(view.model()->index(2, 1));
    QCOMPARE(g.Row(), 2);
    g.RowAdd(1, QStringLiteral("0\r\nneu"));
    QCOMPARE(view.model()->rowCount(), 5);
    QCOMPARE(view.model()->index(1, 1).data().toString(), QStringLiteral("neu"));
}

void TestFilterGrid::tellsTheModelItsSize()
{
    TFilterGrid view;
    view.resize(294, 392);
    view.show();
    QVERIFY(QTest::qWaitForWindowExposed(&view));
    QCOMPARE(view.Grid().Width(), 294);
    QVERIFY(view.Grid().VisibleRowCount() > 0);
}

QTEST_MAIN(TestFilterGrid)
#include "tst_filtergrid.moc"

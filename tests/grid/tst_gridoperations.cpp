#include "common/testsupport.h"
#include "gridtesthelp.h"

#include <QTest>
#include <climits>

using namespace grid;

namespace
{

// A stand-in for an edit control: its text lives in a property.
TGetCompProperty readText()
{
    return [](QObject*, QObject* comp) { return comp->property("text").toString(); };
}

TSetCompProperty writeText(int* calls = nullptr)
{
    return [calls](QObject*, QObject* comp, const QString& v) {
        if (calls)
            ++*calls;
        comp->setProperty("text", v);
    };
}

// Title row and three data rows in columns Nr., Name, Ort.
void threeRows(FilterGridModel& g)
{
    fillGrid(g, {"Nr.", "Name", "Ort"}, {"1|Meier|Bonn", "2|Schulz|Köln", "3|Adler|Trier"});
}

} // namespace

class TestGridOperations : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void rowAddPositions_data();
    void rowAddPositions();
    void rowAddFillsEmptyFirstDataRow();
    void rowsMoveCellByCell();
    void rowDeleteEdges();
    void rowDeleteEmpty_data();
    void rowDeleteEmpty();
    void rowMarkDelete();
    void colAddPositions_data();
    void colAddPositions();
    void colAddTakesColumnInformation();
    void colDeleteOfOnlyDataColumnEmptiesIt();
    void colSwapAndBadIndices();
    void colClearKeepsTitle();
    void multiLineColumnsEncodeAndDecode();
    void typedCells();
    void modificationFlag();
    void boundControls();
    void destroyedControlIsLeftAlone();

private:
    GermanConventions m_german;
};

void TestGridOperations::rowAddPositions_data()
{
    QTest::addColumn<int>("pos");
    QTest::addColumn<int>("target");
    QTest::addColumn<QStringList>("names");
    QTest::newRow("-1 goes below the titles")
        << -1 << 1 << QStringList{"Neu", "Meier", "Schulz", "Adler"};
    QTest::newRow("title row goes below the titles")
        << 0 << 1 << QStringList{"Neu", "Meier", "Schulz", "Adler"};
    QTest::newRow("middle") << 2 << 2 << QStringList{"Meier", "Neu", "Schulz", "Adler"};
    QTest::newRow("RowCount appends") << 4 << 4 << QStringList{"Meier", "Schulz", "Adler", "Neu"};
    QTest::newRow("largest integer appends")
        << INT_MAX << 4 << QStringList{"Meier", "Schulz", "Adler", "Neu"};
}

void TestGridOperations::rowAddPositions()
{
    QFETCH(int, pos);
    QFETCH(int, target);
    QFETCH(QStringList, names);
    FilterGridModel g;
    threeRows(g);
    QCOMPARE(g.RowAdd(pos, QStringLiteral("9\r\nNeu\r\nUlm")), target);
    QCOMPARE(g.Cells(1, 0), QStringLiteral("Name"));
    QCOMPARE(dataColumn(g, 1), names);
    QCOMPARE(g.RowCount(), 5);
}

void TestGridOperations::rowAddFillsEmptyFirstDataRow()
{
    FilterGridModel g;
    fillGrid(g, {"Nr.", "Name"}, {"|", "2|Zweiter"});
    QCOMPARE(g.RowAdd(1, QStringLiteral("1\r\nErster")), 1);
    QCOMPARE(g.RowCount(), 3);
    QCOMPARE(dataColumn(g, 1), (QStringList{"Erster", "Zweiter"}));

    // Filled with nothing it inserts an empty row instead.
    g.SetRowText(1, QString());
    QCOMPARE(g.RowAdd(1, QString()), 1);
    QCOMPARE(g.RowCount(), 4);
    QCOMPARE(dataColumn(g, 1), (QStringList{"", "", "Zweiter"}));
}

void TestGridOperations::rowsMoveCellByCell()
{
    // A line break, the cell separator and empty cells travel unchanged with their row.
    const QStringList tricky{QStringLiteral("a\r\nb"), QString(), QStringLiteral("x¬y"), QString()};
    FilterGridModel g;
    g.SetColCount(4);
    g.SetRowCount(3);
    g.AssignRow(1, tricky);
    g.AssignRow(2, {QStringLiteral("z1"), QStringLiteral("z2"), QStringLiteral("z3"),
                    QStringLiteral("z4")});
    g.RowAdd(1, QStringLiteral("n"));
    QCOMPARE(g.Rows(2), tricky);
    QVERIFY(g.Cells(1, 2).isEmpty() && g.Cells(3, 2).isEmpty());

    g.RowSwap(2, 3);
    QCOMPARE(g.Rows(3), tricky);
    QCOMPARE(g.Cells(0, 2), QStringLiteral("z1"));

    g.RowDelete(1);
    QCOMPARE(g.Rows(2), tricky);

    // Bad indices do nothing.
    const QStringList before = g.Cols(0);
    g.RowSwap(-1, 2);
    g.RowSwap(2, 99);
    QCOMPARE(g.Cols(0), before);
}

void TestGridOperations::rowDeleteEdges()
{
    FilterGridModel g;
    fillGrid(g, {"Nr.", "Name"}, {"1|Meier"});
    QVERIFY(g.RowDelete(1));
    QCOMPARE(g.RowCount(), 2);
    QVERIFY(g.RowEmpty(1));
    QCOMPARE(g.Cells(0, 1), QString());

    threeRows(g);
    g.RowDelete(0); // the title row is not deleted: the first data row goes
    QCOMPARE(g.Cells(1, 0), QStringLiteral("Name"));
    QCOMPARE(dataColumn(g, 1), (QStringList{"Schulz", "Adler"}));
    g.SetRow(2);
    g.RowDelete(99);
    QCOMPARE(dataColumn(g, 1), (QStringList{"Schulz"}));
    QCOMPARE(g.Row(), 1);
}

void TestGridOperations::rowDeleteEmpty_data()
{
    QTest::addColumn<QList<int>>("cols");
    QTest::addColumn<int>("removed");
    QTest::addColumn<QStringList>("left"); // column 0 of the rows left
    QTest::newRow("{1, 5}: column 1 blank") << QList<int>{1, 5} << 3 << QStringList{"1", "5"};
    QTest::newRow("{5} alone: nothing")
        << QList<int>{5} << 0 << QStringList{"1", "2", "3", "", "5"};
    QTest::newRow("empty set: empty data columns")
        << QList<int>{} << 2 << QStringList{"1", "2", "5"};
    QTest::newRow("{0, 2}: fixed column counts")
        << QList<int>{0, 2} << 1 << QStringList{"1", "2", "3", "5"};
}

void TestGridOperations::rowDeleteEmpty()
{
    QFETCH(QList<int>, cols);
    QFETCH(int, removed);
    QFETCH(QStringList, left);
    FilterGridModel g;
    fillGrid(g, {"Nr.", "A", "B"}, {"1|a|x", "2| |b", "3||", "||", "5|c|"});
    QCOMPARE(g.RowDeleteEmpty(std::set<int>(cols.begin(), cols.end())), removed);
    QCOMPARE(dataColumn(g, 0), left);
    QCOMPARE(g.ModifiedDaten(), removed != 0);
}

void TestGridOperations::rowMarkDelete()
{
    FilterGridModel g;
    threeRows(g);
    g.CleanBlueCell();
    QCOMPARE(g.RowMarkDelete(), 0);
    QCOMPARE(dataColumn(g, 1), (QStringList{"Meier", "Schulz", "Adler"}));

    g.SelectRows(2, 3);
    QCOMPARE(g.RowMarkCount(), 2);
    QCOMPARE(g.RowMarkDelete(), 2);
    QCOMPARE(dataColumn(g, 1), (QStringList{"Meier"}));
}

void TestGridOperations::colAddPositions_data()
{
    QTest::addColumn<int>("pos");
    QTest::addColumn<int>("target");
    QTest::newRow("-1 goes after the fixed column") << -1 << 1;
    QTest::newRow("0 goes after the fixed column") << 0 << 1;
    QTest::newRow("middle") << 2 << 2;
    QTest::newRow("beyond appends") << 40 << 3;
}

void TestGridOperations::colAddPositions()
{
    QFETCH(int, pos);
    QFETCH(int, target);
    FilterGridModel g;
    threeRows(g);
    QCOMPARE(g.ColAdd(pos, QStringLiteral("Punkte\r\n10\r\n20\r\n30")), target);
    QCOMPARE(g.ColCount(), 4);
    QCOMPARE(g.Cells(0, 0), QStringLiteral("Nr.")); // the fixed column stays first
    QCOMPARE(g.Cols(target), (QStringList{"Punkte", "10", "20", "30"}));
    QCOMPARE(g.GetColInfo(target) ? g.GetColInfo(target)->Titel : QString(),
             target == 3 ? QString() : QStringLiteral("Punkte"));
}

void TestGridOperations::colAddTakesColumnInformation()
{
    FilterGridModel g;
    threeRows(g);
    TColInfo* ort = g.ColInfo_Create(2);
    ort->Typ = QLatin1Char('I');
    ort->Width = 50;
    QCOMPARE(g.ColAdd(3, QStringLiteral("PLZ")), 3);
    QCOMPARE(g.GetColInfo(3)->Typ, QLatin1Char('I'));
    QCOMPARE(g.GetColInfo(3)->Titel, QStringLiteral("PLZ"));
    QCOMPARE(g.ColWidths(3), 50);

    QCOMPARE(g.ColAdd(2, QStringLiteral("Vorname")), 2);
    QCOMPARE(g.GetColInfo(2)->Titel, QStringLiteral("Vorname"));
    QCOMPARE(g.GetColInfo(2)->Typ, QLatin1Char('I')); // from the column it pushed aside
    QCOMPARE(g.GetColInfo(3)->Titel, QString());      // Ort's own information moved along
    QCOMPARE(g.Cells(3, 0), QStringLiteral("Ort"));
}

void TestGridOperations::colDeleteOfOnlyDataColumnEmptiesIt()
{
    FilterGridModel g;
    fillGrid(g, {"Nr.", "Name"}, {"1|Meier"});
    QVERIFY(g.ColDelete(1));
    QCOMPARE(g.ColCount(), 2);
    QCOMPARE(g.Cols(1), (QStringList{"", ""}));
    QCOMPARE(g.Cells(0, 1), QStringLiteral("1"));

    threeRows(g);
    g.ColDelete(-5); // clamped to the first data column
    QCOMPARE(g.Rows(0), (QStringList{"Nr.", "Ort"}));
}

void TestGridOperations::colSwapAndBadIndices()
{
    FilterGridModel g;
    threeRows(g);
    g.ColInfo_Create(1)->Typ = QLatin1Char('D');
    g.ColSwap(1, 2);
    QCOMPARE(g.Rows(1), (QStringList{"1", "Bonn", "Meier"}));
    QVERIFY(!g.GetColInfo(1));
    QCOMPARE(g.GetColInfo(2)->Typ, QLatin1Char('D'));
    const QString before = g.ColFeatures() + g.RowText(1);
    g.ColSwap(-1, 2);
    g.ColSwap(1, 3);
    QCOMPARE(g.ColFeatures() + g.RowText(1), before);
    QVERIFY(!g.ModifiedDaten());
}

void TestGridOperations::colClearKeepsTitle()
{
    FilterGridModel g;
    threeRows(g);
    g.ColClear(1);
    QCOMPARE(g.Cols(1), (QStringList{"Name", "", "", ""}));
    g.ColClear(7); // nothing
    QCOMPARE(g.Cols(2).size(), 4);
}

void TestGridOperations::multiLineColumnsEncodeAndDecode()
{
    FilterGridModel g;
    fillGrid(g, {"Nr.", "Notiz", "Ort"}, {"1|a|x", "2||y"});
    g.SetCells(1, 1, QStringLiteral("eins\r\nzwei"));
    g.SetCells(2, 1, QStringLiteral("x\r\ny"));
    QVERIFY(!g.ColClearEt(-1));
    g.ColInfo_Create(1)->DatAlign = 16;
    QVERIFY(g.ColClearEt(-1));
    QCOMPARE(g.Cells(1, 1), QStringLiteral("eins¯zwei"));
    QCOMPARE(g.Cells(2, 1), QStringLiteral("x\r\ny")); // not a multi-line column
    QVERIFY(g.ColInsertEt(1));
    QCOMPARE(g.Cells(1, 1), QStringLiteral("eins\r\nzwei"));
}

void TestGridOperations::typedCells()
{
    FilterGridModel g;
    g.SetCells(1, 1, QStringLiteral("  ja "));
    QVERIFY(g.GetAsBoolean(1, 1));
    g.SetAsBoolean(1, 1, false);
    QCOMPARE(g.Cells(1, 1), QStringLiteral("N"));
    QVERIFY(!g.GetAsBoolean(1, 1));

    TColInfo* ci = g.ColInfo_Create(2);
    ci->Typ = QLatin1Char('F');
    ci->Dez = 2;
    g.SetAsFloat(2, 1, 2.5);
    QCOMPARE(g.Cells(2, 1), QStringLiteral("2,50"));

    // Numbers are written so they read back.
    g.SetAsFloat(3, 1, 0.000015);
    QCOMPARE(g.Cells(3, 1), QStringLiteral("0,000015"));
    QCOMPARE(g.GetAsFloat(3, 1), 0.000015);

    QCOMPARE(g.GetAsDate(4, 1), NoDateValue);
    QCOMPARE(g.GetAsTime(4, 1), 0.0);
    QCOMPARE(g.GetAsDateTime(4, 1), NoDateValue);

    const TDateTime xmas = DateTimeValue(QDateTime(QDate(2023, 12, 24), QTime(18, 30)));
    g.SetAsDateTime(4, 1, xmas);
    QCOMPARE(g.Cells(4, 1), QStringLiteral("24.12.2023 18:30:00"));
    QCOMPARE(g.GetAsDateTime(4, 1), xmas);
    g.SetAsDate(4, 2, xmas);
    QCOMPARE(g.Cells(4, 2), QStringLiteral("24.12.2023"));
    QCOMPARE(g.GetAsDate(4, 2), std::trunc(xmas));
    g.SetAsTime(4, 3, xmas);
    QCOMPARE(g.Cells(4, 3), QStringLiteral("18:30:00"));
    QCOMPARE(DateTimeOf(g.GetAsTime(4, 3)), QDateTime(QDate(1899, 12, 30), QTime(18, 30)));
    g.SetAsDate(4, 2, NoDateValue);
    QCOMPARE(g.Cells(4, 2), QString());

    g.SetAsInteger(1, 2, -17);
    QCOMPARE(g.GetAsInteger(1, 2), -17);
    g.SetAsCurr(1, 3, 1234.5);
    QCOMPARE(g.Cells(1, 3), QStringLiteral("1.234,50 €"));
    QCOMPARE(g.GetAsCurr(1, 3), 1234.5);

    // Outside the table: empty values, nothing written.
    QCOMPARE(g.GetAsInteger(9, 9), 0);
    QCOMPARE(g.GetAsDate(-1, 1), NoDateValue);
    g.SetAsInteger(9, 9, 5);
    QCOMPARE(g.ColCount(), 5);
}

void TestGridOperations::modificationFlag()
{
    FilterGridModel g;
    threeRows(g);
    QVERIFY(!g.ModifiedDaten());
    g.RowSwap(1, 2);
    g.ColSwap(1, 2);
    g.ColClear(1);
    g.ClearGrid(false);
    g.SetCells(1, 1, QStringLiteral("direkt"));
    QVERIFY(!g.ModifiedDaten());
    g.RowAdd(1, QString());
    QVERIFY(g.ModifiedDaten());
    g.ModiDaten_False();
    g.ColAdd(1, QString());
    QVERIFY(g.ModifiedDaten());
}

void TestGridOperations::boundControls()
{
    FilterGridModel g;
    threeRows(g);
    g.SetRow(2);
    QObject nameEdit;
    int writes = 0;
    g.ColInfo_AddComp(1, &nameEdit, readText(), writeText(&writes));
    QCOMPARE(nameEdit.property("text").toString(), QStringLiteral("Schulz"));

    nameEdit.setProperty("text", QStringLiteral("Schulze"));
    QVERIFY(g.CompToCells(&nameEdit));
    QCOMPARE(g.Cells(1, 2), QStringLiteral("Schulze"));
    QVERIFY(g.ModifiedDaten());
    QVERIFY(!g.CompToCells(&nameEdit)); // nothing new

    // While OnChange runs, a control's change event takes no effect.
    bool tookEffect = true;
    g.OnChange = [&](QObject*) {
        nameEdit.setProperty("text", QStringLiteral("Zwischendurch"));
        tookEffect = g.CompToCells(&nameEdit);
    };
    g.RowDelete(3);
    QVERIFY(!tookEffect);
    QCOMPARE(g.Cells(1, 2), QStringLiteral("Schulze"));

    g.ColInfo_ClearComp(-1);
    const int before = writes;
    g.CellsToComp(1);
    QCOMPARE(writes, before);
}

void TestGridOperations::destroyedControlIsLeftAlone()
{
    int writes = 0;
    {
        FilterGridModel g;
        threeRows(g);
        auto edit = std::make_unique<QObject>();
        g.ColInfo_AddComp(1, edit.get(), readText(), writeText(&writes));
        g.SetFilter(QStringLiteral("Name=Meier"));
        g.SetFilterEd(true);
        QCOMPARE(g.HiddenRowCount(), 2);
        edit.reset();
        writes = 0;
        g.CellsToComp(-1);
        QVERIFY(!g.CompToCells());
        QCOMPARE(writes, 0);
    } // the grid goes with rows still hidden
    QCOMPARE(writes, 0);
}

QTEST_MAIN(TestGridOperations)
#include "tst_gridoperations.moc"

#include "common/testsupport.h"
#include "gridtesthelp.h"

#include <QTest>
#include <functional>

using namespace grid;

namespace
{

// Nr. | Name (text) | Punkte (type "I")
void players(FilterGridModel& g)
{
    fillGrid(g, {"Nr.", "Name", "Punkte"},
             {"1|Meier|5", "2|meier|12", "3|Reimann|10", "4||20", "5|Knoth|19", "6|Schulz|25"});
    g.ColInfo_Create(2)->Typ = QLatin1Char('I');
}

// Records the progress messages posted to it; `onEvent` may act on each.
class WaitRecorder : public QObject
{
public:
    QList<QPair<int, int>> seen; // phase, value
    std::function<void()> onEvent;

    bool event(QEvent* e) override
    {
        if (e->type() != WaitEvent::eventType())
            return QObject::event(e);
        const auto* w = static_cast<WaitEvent*>(e);
        seen.append({w->phase, w->value});
        if (onEvent)
            onEvent();
        return true;
    }
};

class WaitReceiver
{
public:
    explicit WaitReceiver(QObject* r) : m_before(setWaitMessageReceiver(r)) {}
    ~WaitReceiver() { setWaitMessageReceiver(m_before); }
    WaitReceiver(const WaitReceiver&) = delete;
    WaitReceiver& operator=(const WaitReceiver&) = delete;

private:
    QObject* m_before;
};

QPoint titleCentre(const FilterGridModel& g, int col)
{
    return g.CellRect(col, 0).center();
}

} // namespace

class TestFilterSort : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void filterTable_data();
    void filterTable();
    void notOnlyAsFirstWord();
    void unreadableCellsAndValues();
    void switchingOffBringsRowsBackAfterTheVisible();
    void hiddenRowsFollowColumnOperations_data();
    void hiddenRowsFollowColumnOperations();
    void hiddenRowsDroppedByClear();
    void rowFind();
    void sortWholeNumbers_data();
    void sortWholeNumbers();
    void sortLargeAndTinyNumbers();
    void equalKeysKeepOrReverse();
    void textSortGermanIgnoringCase();
    void severalColumnsAndMultiLineCells();
    void threeTitleClicks();
    void sortNewFocus_data();
    void sortNewFocus();
    void editInBoundControlKeepsRecord();
    void automaticSortByTitles();
    void sortFieldsBeyondColCountSkipped();
    void progressMessagesFor25Rows();
    void waitStepZeroCountsAsOne();
    void noSortStartsInsideASort();

private:
    GermanConventions m_german;
};

void TestFilterSort::filterTable_data()
{
    QTest::addColumn<QString>("filter");
    QTest::addColumn<QStringList>("visible"); // column Nr. after filtering
    QTest::addColumn<QString>("message");
    const QStringList all{"1", "2", "3", "4", "5", "6"};
    const QString err = QStringLiteral("Fehler beim Auflösen von Filter: %1");
    QTest::newRow("Name=Meier") << "Name=Meier" << QStringList{"1"} << QString();
    QTest::newRow("not Name~ei") << "not Name~ei" << QStringList{"4", "5", "6"} << QString();
    QTest::newRow("range") << "Punkte>=10;Punkte<20" << QStringList{"2", "3", "5"} << QString();
    QTest::newRow("Name<>") << "Name<>" << QStringList{"1", "2", "3", "5", "6"} << QString();
    QTest::newRow("no operator") << "Name" << all << QString();
    QTest::newRow("unknown title") << "Alter>3" << all << err.arg("Alter>3");
    QTest::newRow("titles trimmed, upper-cased") << "NAME = Meier" << QStringList{"1"} << QString();
    QTest::newRow("= before <") << "Name=a<b" << QStringList{""} << QString();
    QTest::newRow("= decides Wert<5=x") << "Wert<5=x" << all << err.arg("Wert<5=x");
    QTest::newRow("Name~ empty value") << "Name~" << QStringList{""} << QString();
    QTest::newRow("numbers compare as numbers")
        << "Punkte>9" << QStringList{"2", "3", "4", "5", "6"} << QString();
    QTest::newRow("not inside a value") << "Name=Knoth" << QStringList{"5"} << QString();
    QTest::newRow("NOT in capitals") << "NOT Punkte<20" << QStringList{"4", "6"} << QString();
}

void TestFilterSort::filterTable()
{
    QFETCH(QString, filter);
    QFETCH(QStringList, visible);
    QFETCH(QString, message);
    MessageRecorder messages;
    FilterGridModel g;
    meldungenZeigen(g);
    players(g);
    g.SetFilter(filter);
    g.SetFilterEd(true);
    QCOMPARE(dataColumn(g, 0), visible);
    QCOMPARE(messages.lastText(), message);
    if (!message.isEmpty())
        QCOMPARE(messages.messages().last().icon, platform::Icon::Error);
}

void TestFilterSort::notOnlyAsFirstWord()
{
    MessageRecorder messages;
    FilterGridModel g;
    meldungenZeigen(g);
    fillGrid(g, {"Nr.", "Knotenpunkt"}, {"1|1", "2|2"});
    g.SetFilter(QStringLiteral("Knotenpunkt=1"));
    g.SetFilterEd(true);
    QVERIFY(messages.messages().isEmpty());
    QCOMPARE(dataColumn(g, 0), (QStringList{"1"}));
    QCOMPARE(g.FilterConditions().size(), size_t(1));
    QVERIFY(!g.FilterConditions().front().NotOp);

    g.SetFilter(QStringLiteral("nothing=1")); // "not" glued to a word is part of the title
    QCOMPARE(messages.lastText(), QStringLiteral("Fehler beim Auflösen von Filter: nothing=1"));
}

void TestFilterSort::unreadableCellsAndValues()
{
    MessageRecorder messages;
    FilterGridModel g;
    meldungenZeigen(g);
    fillGrid(g, {"Nr.", "Zeit"}, {"1|09:30", "2|kaputt", "3|11:15"});
    g.ColInfo_Create(1)->Typ = QLatin1Char('T');
    g.SetFilterEd(true);
    g.SetFilter(QStringLiteral("Zeit>10:00"));
    QCOMPARE(dataColumn(g, 0), (QStringList{"3"}));
    g.SetFilter(QStringLiteral("not Zeit>10:00")); // the rows come back in reverse first
    QCOMPARE(dataColumn(g, 0), (QStringList{"2", "1"}));
    QVERIFY(messages.messages().isEmpty());

    g.SetFilter(QStringLiteral("Zeit>spät"));
    QCOMPARE(messages.lastText(), QStringLiteral("Fehler beim Auflösen von Filter: Zeit>spät"));
    QCOMPARE(dataColumn(g, 0).size(), 3);
    QCOMPARE(g.HiddenRowCount(), 0);
}

void TestFilterSort::switchingOffBringsRowsBackAfterTheVisible()
{
    FilterGridModel g;
    players(g);
    g.SetRowCount(8); // one empty data row at the end
    g.SetFilter(QStringLiteral("Punkte<15"));
    g.SetFilterEd(true);
    QCOMPARE(dataColumn(g, 0), (QStringList{"1", "2", "3", ""}));
    QCOMPARE(g.HiddenRowCount(), 3);
    QVERIFY(g.ModifiedDaten());
    g.SetFilterEd(false);
    QCOMPARE(dataColumn(g, 0), (QStringList{"1", "2", "3", "6", "5", "4"}));
    QCOMPARE(g.HiddenRowCount(), 0);
}

void TestFilterSort::hiddenRowsFollowColumnOperations_data()
{
    QTest::addColumn<QString>("operation");
    QTest::addColumn<QStringList>("titles");
    QTest::addColumn<QStringList>("row4");
    QTest::newRow("insert") << "insert" << QStringList{"Nr.", "Neu", "Name", "Punkte"}
                            << QStringList{"4", "", "", "20"};
    QTest::newRow("delete") << "delete" << QStringList{"Nr.", "Punkte"} << QStringList{"4", "20"};
    QTest::newRow("swap") << "swap" << QStringList{"Nr.", "Punkte", "Name"}
                          << QStringList{"4", "20", ""};
}

void TestFilterSort::hiddenRowsFollowColumnOperations()
{
    QFETCH(QString, operation);
    QFETCH(QStringList, titles);
    QFETCH(QStringList, row4);
    FilterGridModel g;
    players(g);
    g.SetFilter(QStringLiteral("Punkte<15"));
    g.SetFilterEd(true);
    if (operation == QLatin1String("insert"))
        g.ColAdd(1, QStringLiteral("Neu"));
    else if (operation == QLatin1String("delete"))
        g.ColDelete(1);
    else
        g.ColSwap(1, 2);
    g.SetFilterEd(false);
    QCOMPARE(g.Rows(0), titles);
    int row = -1;
    for (int r = 1; r < g.RowCount(); ++r)
        if (g.Cells(0, r) == QLatin1String("4"))
            row = r;
    QVERIFY(row > 0);
    QCOMPARE(g.Rows(row), row4);
}

void TestFilterSort::hiddenRowsDroppedByClear()
{
    FilterGridModel g;
    players(g);
    g.SetFilter(QStringLiteral("Name=Meier"));
    g.SetFilterEd(true);
    g.ClearGrid(true);
    g.RowAdd(1, QStringLiteral("9\r\nNeu\r\n1"));
    g.SetFilterEd(false);
    QCOMPARE(dataColumn(g, 1), (QStringList{"Neu"}));
}

void TestFilterSort::rowFind()
{
    MessageRecorder messages;
    FilterGridModel g;
    meldungenZeigen(g);
    players(g);
    QCOMPARE(g.RowFind(QStringLiteral("Name=Knoth"), -1), 5);
    QCOMPARE(g.RowFind(QStringLiteral("Punkte>10"), 3), 4);
    QCOMPARE(g.RowFind(QStringLiteral("Name<>"), 0), 1); // never the title row
    QCOMPARE(g.RowFind(QStringLiteral("Name"), -1), -1);
    QCOMPARE(g.RowFind(QStringLiteral("Alter=3"), -1), -1);
    QCOMPARE(messages.messages().size(), 1);

    // The filter's own conditions survive a search.
    g.SetFilter(QStringLiteral("Punkte>20"));
    g.SetFilterEd(true);
    g.RowFind(QStringLiteral("Name=Meier"), -1);
    QCOMPARE(g.FilterConditions().size(), size_t(1));
    QCOMPARE(g.FilterConditions().front().c, 2);
}

void TestFilterSort::sortWholeNumbers_data()
{
    QTest::addColumn<bool>("ascending");
    QTest::addColumn<QStringList>("order");
    QTest::newRow("ascending") << true << QStringList{"-2", "", "5", "10"};
    QTest::newRow("descending") << false << QStringList{"10", "5", "", "-2"};
}

void TestFilterSort::sortWholeNumbers()
{
    QFETCH(bool, ascending);
    QFETCH(QStringList, order);
    FilterGridModel g;
    fillGrid(g, {"Nr.", "Wert"}, {"a|5", "b|-2", "c|", "d|10"});
    g.ColInfo_Create(1)->Typ = QLatin1Char('I');
    g.Sortiere(QStringLiteral("1"), false, 0, ascending);
    QCOMPARE(dataColumn(g, 1), order);
    QCOMPARE(g.SortFields().size(), size_t(1));
    QCOMPARE(g.SortFields().front().typ, QLatin1Char('I'));
    QCOMPARE(g.SortFields().front().ascending, ascending);
    QVERIFY(!g.ModifiedDaten());
}

void TestFilterSort::sortLargeAndTinyNumbers()
{
    FilterGridModel g;
    fillGrid(g, {"Nr.", "Betrag"},
             {"a|100000000000", "b|20000000000", "c|-1", "d|-0,00001", "e|0", "f|-5000000000"});
    g.ColInfo_Create(1)->Typ = QLatin1Char('F');
    g.Sortiere(QStringLiteral("1"), false, 0, true);
    QCOMPARE(dataColumn(g, 0), (QStringList{"f", "c", "d", "e", "b", "a"}));
}

void TestFilterSort::equalKeysKeepOrReverse()
{
    FilterGridModel g;
    fillGrid(g, {"Nr.", "Wert"}, {"a|7", "b|3", "c|7", "d|7"});
    g.ColInfo_Create(1)->Typ = QLatin1Char('I');
    g.Sortiere(QStringLiteral("1"), false, 0, true);
    QCOMPARE(dataColumn(g, 0), (QStringList{"b", "a", "c", "d"}));
    g.Sortiere(QStringLiteral("1"), false, 0, false);
    QCOMPARE(dataColumn(g, 0), (QStringList{"d", "c", "a", "b"}));
}

void TestFilterSort::textSortGermanIgnoringCase()
{
    FilterGridModel g;
    fillGrid(g, {"Nr.", "Name"}, {"1|zander", "2|Meier", "3|Ärger", "4|adler", "5|meier"});
    g.Sortiere(QStringLiteral("1"), false, 0, true);
    QCOMPARE(dataColumn(g, 1), (QStringList{"adler", "Ärger", "Meier", "meier", "zander"}));
    QCOMPARE(g.SortFields().front().typ, QLatin1Char(' '));
}

void TestFilterSort::severalColumnsAndMultiLineCells()
{
    FilterGridModel g;
    fillGrid(g, {"Nr.", "Ort", "Punkte"}, {"1|Bonn|5", "2|Aachen|9", "3|Bonn|2", "4|Aachen|1"});
    g.ColInfo_Create(2)->Typ = QLatin1Char('I');
    g.SetCells(0, 3, QStringLiteral("3\r\nmit¬Umbruch"));
    g.Sortiere(QStringLiteral("1;2;"), false, 0, true);
    QCOMPARE(dataColumn(g, 0), (QStringList{"4", "2", "3\r\nmit¬Umbruch", "1"}));
    QCOMPARE(dataColumn(g, 2), (QStringList{"1", "9", "2", "5"}));
}

void TestFilterSort::threeTitleClicks()
{
    FilterGridModel g;
    fillGrid(g, {"Nr.", "Wert"}, {"a|2", "b|3", "c|1"});
    g.ColInfo_Create(1)->Typ = QLatin1Char('I');
    int sorts = 0;
    g.OnSortEnd = [&](QObject*, QString& list) {
        ++sorts;
        QCOMPARE(list, QStringLiteral("1"));
    };
    const QPoint title = titleCentre(g, 1);
    QVERIFY(g.SortByMouse(title.x(), title.y()));
    QCOMPARE(dataColumn(g, 1), (QStringList{"1", "2", "3"}));
    QCOMPARE(g.MousSortCol(), 1);
    g.SortByMouse(title.x(), title.y());
    QCOMPARE(dataColumn(g, 1), (QStringList{"3", "2", "1"}));
    QCOMPARE(g.MousSortCol(), -1);
    g.SortByMouse(title.x(), title.y());
    QCOMPARE(dataColumn(g, 1), (QStringList{"1", "2", "3"}));
    QCOMPARE(sorts, 3);
    QVERIFY(!g.SortByMouse(-50, -50));
    QCOMPARE(g.SortierCols(), QString());
}

void TestFilterSort::sortNewFocus_data()
{
    QTest::addColumn<bool>("newFocus");
    QTest::addColumn<QString>("currentAfter");
    QTest::newRow("keeps the record") << true << "Meier";
    QTest::newRow("keeps the position") << false << "Adler";
}

void TestFilterSort::sortNewFocus()
{
    QFETCH(bool, newFocus);
    QFETCH(QString, currentAfter);
    FilterGridModel g;
    fillGrid(g, {"Nr.", "Name"}, {"1|Meier", "2|Zander", "3|Adler"});
    g.SetSortNewFocus(newFocus);
    g.SetRow(1);
    g.SetSortierCols(QStringLiteral("Name"));
    g.SetSortierenEd(true);
    QCOMPARE(dataColumn(g, 1), (QStringList{"Adler", "Meier", "Zander"}));
    QCOMPARE(g.Cells(1, g.Row()), currentAfter);
}

void TestFilterSort::editInBoundControlKeepsRecord()
{
    FilterGridModel g;
    fillGrid(g, {"Nr.", "Name"}, {"1|Bauer", "2|Meier", "3|Zander"});
    g.SetSortNewFocus(false);
    g.SetSortierCols(QStringLiteral("Name"));
    g.SetSortierenEd(true);
    g.SetRow(1);
    QObject edit;
    g.ColInfo_AddComp(
        1, &edit, [](QObject*, QObject* c) { return c->property("text").toString(); },
        [](QObject*, QObject* c, const QString& v) { c->setProperty("text", v); });
    edit.setProperty("text", QStringLiteral("Xaver"));
    QVERIFY(g.CompToCells(&edit));
    QCOMPARE(dataColumn(g, 1), (QStringList{"Meier", "Xaver", "Zander"}));
    QCOMPARE(g.Cells(1, g.Row()), QStringLiteral("Xaver"));
}

void TestFilterSort::automaticSortByTitles()
{
    FilterGridModel g;
    players(g);
    int onSort = 0;
    int changes = 0;
    g.OnChange = [&](QObject*) { ++changes; };
    g.OnSort = [&](QObject*, QString& list) {
        ++onSort;
        QCOMPARE(list, QStringLiteral("2;1;"));
    };
    g.SetSortDirection(TSortDirection::sdAbsteigend);
    g.SetSortierCols(QStringLiteral("punkte;Alter;NAME"));
    g.SetSortierenEd(true);
    QCOMPARE(onSort, 1);
    QCOMPARE(dataColumn(g, 2), (QStringList{"25", "20", "19", "12", "10", "5"}));

    // A list emptied by OnSort cancels the sort; no such title: no OnSort; DoChange both times.
    g.OnSort = [&](QObject*, QString& list) {
        ++onSort;
        list.clear();
    };
    changes = 0;
    g.SetSortDirection(TSortDirection::sdAufsteigend);
    g.SetSortierCols(QStringLiteral("Punkte"));
    QCOMPARE(dataColumn(g, 2).first(), QStringLiteral("25"));
    g.SetSortierCols(QStringLiteral("1"));
    QCOMPARE(onSort, 2);
    QCOMPARE(changes, 2);
}

void TestFilterSort::sortFieldsBeyondColCountSkipped()
{
    FilterGridModel g;
    fillGrid(g, {"Nr.", "Name"}, {"2|b", "1|a"});
    g.Sortiere(QStringLiteral("5;"), false, 0, true);
    QVERIFY(g.SortFields().empty());
    QCOMPARE(dataColumn(g, 1), (QStringList{"b", "a"}));
    g.Sortiere(QStringLiteral("7;1;-1"), false, 0, true);
    QCOMPARE(g.SortFields().size(), size_t(1));
    QCOMPARE(dataColumn(g, 1), (QStringList{"a", "b"}));
}

void TestFilterSort::progressMessagesFor25Rows()
{
    WaitRecorder recorder;
    WaitReceiver receiver(&recorder);
    FilterGridModel g;
    QStringList rows;
    for (int i = 0; i < 25; ++i)
        rows.append(QStringLiteral("%1|x").arg(25 - i));
    fillGrid(g, {"Nr.", "Name"}, rows);
    g.Sortiere(QStringLiteral("0"), false, 1024, true);
    QCoreApplication::processEvents();
    const QList<QPair<int, int>> expected{{0, 26}, {1, 10}, {1, 20}, {1, 30},
                                          {1, 40}, {1, 50}, {2, 0}};
    QCOMPARE(recorder.seen, expected);
}

void TestFilterSort::waitStepZeroCountsAsOne()
{
    WaitRecorder recorder;
    WaitReceiver receiver(&recorder);
    FilterGridModel g;
    fillGrid(g, {"Nr.", "Name"}, {"b|1", "a|2"});
    g.SetWaitStep(0);
    g.SetWM_USER_Wait(1024);
    g.SetSortierCols(QStringLiteral("Nr."));
    g.SetSortierenEd(true);
    QCoreApplication::processEvents();
    QCOMPARE(recorder.seen.size(), 6); // start, four steps, end
    QCOMPARE(dataColumn(g, 0), (QStringList{"a", "b"}));
}

void TestFilterSort::noSortStartsInsideASort()
{
    WaitRecorder recorder;
    WaitReceiver receiver(&recorder);
    FilterGridModel g;
    QStringList rows;
    for (int i = 0; i < 30; ++i)
        rows.append(QStringLiteral("%1|x").arg(i % 7));
    fillGrid(g, {"Nr.", "Name"}, rows);
    g.ColInfo_Create(0)->Typ = QLatin1Char('I');
    bool busySeen = false;
    recorder.onEvent = [&] {
        busySeen = busySeen || g.Busy();
        g.Sortiere(QStringLiteral("0"), false, 0, false);
        g.SetFilter(QStringLiteral("Nr.>3"));
        g.SetFilterEd(true);
    };
    g.SetWaitStep(1);
    g.Sortiere(QStringLiteral("0"), false, 1024, true);
    recorder.onEvent = nullptr;
    QVERIFY(busySeen);
    const QStringList order = dataColumn(g, 0);
    QStringList sorted = order;
    std::stable_sort(sorted.begin(), sorted.end(),
                     [](const QString& a, const QString& b) { return a.toInt() < b.toInt(); });
    QCOMPARE(order, sorted);
}

QTEST_MAIN(TestFilterSort)
#include "tst_filtersort.moc"

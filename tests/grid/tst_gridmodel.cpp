#include "common/testsupport.h"
#include "grid/logic/wincolors.h"
#include "gridtesthelp.h"

#include <QFontMetrics>
#include <QGuiApplication>
#include <QTest>

using namespace grid;

namespace
{
const QString kSelectedPlayersFeatures = QStringLiteral(
    "2¯Nr.«37««-16777201«0« «0«36««-16777211¯Name«37««-16777201«0« «0«36««-16777211¯1");
}

class TestGridModel : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void rowTextRules();
    void columnTextRules();
    void colFeaturesOfTheSelectedPlayersView();
    void colFeaturesIgnoredCount_data();
    void colFeaturesIgnoredCount();
    void colFeaturesPartialSegments();
    void colFeaturesBadNumberReported();
    void emptyParameterStringKeepsInformation();
    void colInfoCreateBeyondLastColumn();
    void colInfoCheckedIndices();
    void colorNumbersDecoded_data();
    void colorNumbersDecoded();
    void alignmentFlags_data();
    void alignmentFlags();
    void colSetMaxWidthsStretchesIntoTheGrid();
    void colSetMaxWidthsMeasuresWidestWordOfMultiLine();
    void fixedColsTextAndColNamen();
    void doChangeTurnsChangeModeOff();

private:
    GermanConventions m_german;
};

void TestGridModel::rowTextRules()
{
    FilterGridModel g;
    g.SetColCount(3);
    g.SetCells(0, 1, QStringLiteral("a"));
    g.SetCells(2, 1, QStringLiteral("c"));
    QCOMPARE(g.RowText(1), QStringLiteral("a\r\n\r\nc\r\n"));

    g.SetRowText(2, QStringLiteral("a\r\n\r\nc\r\nd"));
    QCOMPARE(g.Rows(2), (QStringList{"a", " ", "c"})); // empty line is a blank, d is lost

    g.SetRowText(2, QStringLiteral("x"));
    QCOMPARE(g.Rows(2), (QStringList{"x", "", ""})); // emptied first

    g.AssignRow(2, {QStringLiteral("p"), QString()});
    QCOMPARE(g.Rows(2), (QStringList{"p", "", ""}));
    g.SetCells(2, 2, QStringLiteral("keep"));
    g.AssignRow(2, {QStringLiteral("q")});
    QCOMPARE(g.Rows(2), (QStringList{"q", "", "keep"}));
}

void TestGridModel::columnTextRules()
{
    FilterGridModel g; // five rows
    for (int r = 0; r < 5; ++r)
        g.SetCells(1, r, QStringLiteral("old%1").arg(r));
    g.AssignCol(1, {QStringLiteral("n0"), QStringLiteral("n1")});
    QCOMPARE(g.Cols(1), (QStringList{"n0", "n1", "old2", "old3", "old4"}));
    g.SetColText(1, QStringLiteral("t\n\nu"));
    QCOMPARE(g.Cols(1), (QStringList{"t", " ", "u", "", ""}));
    QCOMPARE(g.ColText(1), QStringLiteral("t\r\n \r\nu\r\n\r\n\r\n"));
}

void TestGridModel::colFeaturesOfTheSelectedPlayersView()
{
    FilterGridModel g;
    g.SetColFeatures(kSelectedPlayersFeatures);
    QCOMPARE(g.ColCount(), 2);
    QCOMPARE(g.ColFeatures(), kSelectedPlayersFeatures);
    QCOMPARE(g.SortierCols(), QStringLiteral("1"));
    QCOMPARE(g.Cells(0, 0), QStringLiteral("Nr."));
    QCOMPARE(g.Cells(1, 0), QStringLiteral("Name"));
    const TColInfo* nr = g.GetColInfo(0);
    QVERIFY(nr);
    QCOMPARE(nr->TitAlign, 37);
    QCOMPARE(nr->TitColor, wincolor::clBtnFace);
    QCOMPARE(nr->DatColor, wincolor::clWindow);
    QCOMPARE(nr->Width, 0);
    QCOMPARE(nr->Typ, QLatin1Char(' '));
    QVERIFY(!nr->TitFont && !nr->DatFont);

    // Drawn in the style's colours, not as the raw numbers.
    const QPalette palette = QGuiApplication::palette();
    QCOMPARE(g.data(g.index(0, 1), Qt::BackgroundRole).value<QColor>(),
             palette.color(QPalette::Button));
    QCOMPARE(g.data(g.index(1, 1), Qt::BackgroundRole).value<QColor>(),
             palette.color(QPalette::Base));
    QCOMPARE(g.data(g.index(0, 0), Qt::TextAlignmentRole).toInt(),
             int(Qt::AlignHCenter | Qt::AlignVCenter));
}

void TestGridModel::colFeaturesIgnoredCount_data()
{
    QTest::addColumn<QString>("text");
    QTest::newRow("zero") << "0¯Nr.«37";
    QTest::newRow("negative") << "-2¯Nr.«37";
    QTest::newRow("not a number") << "zwei¯Nr.«37";
    QTest::newRow("empty") << "";
}

void TestGridModel::colFeaturesIgnoredCount()
{
    QFETCH(QString, text);
    FilterGridModel g;
    const QString before = g.ColFeatures();
    g.SetColFeatures(text);
    QCOMPARE(g.ColFeatures(), before);
    QCOMPARE(g.ColCount(), 5);
}

void TestGridModel::colFeaturesPartialSegments()
{
    FilterGridModel g;
    g.SetColFeatures(QStringLiteral("2¯¯Name«37"));
    QCOMPARE(g.ColCount(), 2);
    QVERIFY(!g.GetColInfo(0));
    const TColInfo* ci = g.GetColInfo(1);
    QVERIFY(ci);
    QCOMPARE(ci->Titel, QStringLiteral("Name"));
    QCOMPARE(ci->TitAlign, 37);
    QCOMPARE(ci->Width, g.DefaultColWidth());
    QCOMPARE(ci->DatAlign, 36);
    QCOMPARE(ci->DatColor, g.Color());
    QCOMPARE(g.ColWidths(1), g.DefaultColWidth()); // a fixed width survives ColInfo_Set
    QCOMPARE(g.SortierCols(), QString());
}

void TestGridModel::colFeaturesBadNumberReported()
{
    MessageRecorder messages;
    FilterGridModel g;
    meldungenZeigen(g);
    g.SetColFeatures(QStringLiteral("2¯Nr.«37««clRed«breit«I¯Name"));
    QCOMPARE(messages.messages().size(), 1);
    QVERIFY(messages.lastText().contains(QStringLiteral("'breit'")));
    const TColInfo* ci = g.GetColInfo(0);
    QVERIFY(ci); // stored and filled up to the bad field
    QCOMPARE(ci->TitColor, wincolor::clRed);
    QCOMPARE(ci->Typ, QLatin1Char(' '));
    QVERIFY(!g.GetColInfo(1));
}

void TestGridModel::emptyParameterStringKeepsInformation()
{
    FilterGridModel g;
    QCOMPARE(g.ColInfoToParamStr(1), QString());
    TColInfo* ci = g.ColInfo_Create(1);
    ci->Titel = QStringLiteral("Ort");
    QVERIFY(!g.ParamStrToColInfo(1, QString()));
    QCOMPARE(g.GetColInfo(1)->Titel, QStringLiteral("Ort"));
    QVERIFY(g.ParamStrToColInfo(1, QStringLiteral("Platz«38")));
    QCOMPARE(g.GetColInfo(1)->Titel, QStringLiteral("Platz"));
    QCOMPARE(g.GetColInfo(1)->TitAlign, 38);
}

void TestGridModel::colInfoCreateBeyondLastColumn()
{
    FilterGridModel g;
    g.SetColCount(2);
    QVERIFY(g.ColInfo_Create(2));
    QVERIFY(g.GetColInfo(2));
    QCOMPARE(g.ColCount(), 2);
}

void TestGridModel::colInfoCheckedIndices()
{
    FilterGridModel g;
    QVERIFY(!g.GetColInfoC(-1));
    QVERIFY(!g.GetColInfo(-1));
    QCOMPARE(g.ColInfoCount(), 0);
    g.SetColInfo(-3, std::make_unique<TColInfo>(g, 0));
    QCOMPARE(g.ColInfoCount(), 0);
}

void TestGridModel::colorNumbersDecoded_data()
{
    QTest::addColumn<int>("number");
    QTest::addColumn<QColor>("expected");
    const QPalette p = QGuiApplication::palette();
    QTest::newRow("red is 0x0000FF") << 255 << QColor(255, 0, 0);
    QTest::newRow("navy is 0x800000") << 0x800000 << QColor(0, 0, 128);
    QTest::newRow("maroon") << wincolor::clMaroon << QColor(128, 0, 0);
    QTest::newRow("clBtnFace") << -16777201 << p.color(QPalette::Button);
    QTest::newRow("clWindow") << -16777211 << p.color(QPalette::Base);
    QTest::newRow("clHighlight") << -16777203 << p.color(QPalette::Highlight);
    QTest::newRow("clWindowText") << -16777208 << p.color(QPalette::Text);
    QTest::newRow("clInactiveCaption")
        << -16777213 << p.color(QPalette::Inactive, QPalette::Highlight);
}

void TestGridModel::colorNumbersDecoded()
{
    QFETCH(int, number);
    QFETCH(QColor, expected);
    QCOMPARE(ColorFromNumber(number, QGuiApplication::palette()), expected);
    int named = 0;
    QVERIFY(ReadColorNumber(QString::number(number), named));
    QCOMPARE(named, number);
}

void TestGridModel::alignmentFlags_data()
{
    QTest::addColumn<int>("alignment");
    QTest::addColumn<int>("flags");
    QTest::newRow("36 left centred single")
        << 36 << int(Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine);
    QTest::newRow("37 centred") << 37
                                << int(Qt::AlignHCenter | Qt::AlignVCenter | Qt::TextSingleLine);
    QTest::newRow("38 right") << 38 << int(Qt::AlignRight | Qt::AlignVCenter | Qt::TextSingleLine);
    QTest::newRow("16 word break, top")
        << 16 << int(Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap);
    QTest::newRow("20 vcentre needs single line")
        << 20 << int(Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap);
    QTest::newRow("0 left top") << 0 << int(Qt::AlignLeft | Qt::AlignTop);
    QTest::newRow("41 bottom centred")
        << 41 << int(Qt::AlignHCenter | Qt::AlignBottom | Qt::TextSingleLine);
}

void TestGridModel::alignmentFlags()
{
    QFETCH(int, alignment);
    QFETCH(int, flags);
    QCOMPARE(TextFlagsFromAlignment(alignment), flags);
}

void TestGridModel::colSetMaxWidthsStretchesIntoTheGrid()
{
    FilterGridModel g;
    g.SetColCount(2);
    g.SetRowCount(3);
    g.SetViewGeometry(294, 392, false);
    g.SetColWidths(0, 18);
    g.SetCells(1, 0, QStringLiteral("Name"));
    g.SetCells(1, 1, QStringLiteral("Meier, Hans"));
    QCOMPARE(g.ColSetMaxWidths(false, false, true), 268);
    QCOMPARE(g.ColWidths(1), 268); // 294 - (8 + 18) after the measured width
    QCOMPARE(g.ColWidths(0), 18);

    // A shown scroll bar reserves 27 pixels.
    g.SetViewGeometry(294, 392, true);
    QCOMPARE(g.ColSetMaxWidths(false, false, true), 294 - 27 - 18);

    // Without stretching the column gets its widest text plus one blank.
    const QFontMetrics fm(g.Font().toQFont());
    QCOMPARE(g.ColSetMaxWidths(false, false, false),
             fm.horizontalAdvance(QStringLiteral("Meier, Hans ")));
}

void TestGridModel::colSetMaxWidthsMeasuresWidestWordOfMultiLine()
{
    FilterGridModel g;
    g.SetColCount(2);
    g.SetRowCount(2);
    TColInfo* ci = g.ColInfo_Create(1);
    ci->Width = 0;
    ci->DatAlign = 16;
    g.SetCells(1, 1, QStringLiteral("kurz¯Tischfussballabend und mehr"));
    g.ColSetMaxWidths(true, false, false);
    const QFontMetrics fm(g.Font().toQFont());
    const int word = fm.horizontalAdvance(QStringLiteral("Tischfussballabend"));
    QVERIFY2(g.ColWidths(1) >= word &&
                 g.ColWidths(1) < fm.horizontalAdvance(QStringLiteral("Tischfussballabend und")),
             qPrintable(QString::number(g.ColWidths(1))));
}

void TestGridModel::fixedColsTextAndColNamen()
{
    FilterGridModel g;
    g.SetColCount(2);
    g.SetRowCount(2);
    g.SetFixedColsText(QStringLiteral("Nr.;;"));
    QCOMPARE(g.Cols(0), (QStringList{"Nr.", " "}));
    QCOMPARE(g.FixedColsText(), QStringLiteral("Nr.; ;"));
    g.SetColNamen(QStringLiteral("Nr.;Name;"));
    QCOMPARE(g.ColNamen(), QStringLiteral("Nr.;Name;"));
    const QFontMetrics fm(g.Font().toQFont());
    QCOMPARE(g.ColWidths(1), fm.horizontalAdvance(QStringLiteral("Name ")));
}

void TestGridModel::doChangeTurnsChangeModeOff()
{
    FilterGridModel g;
    bool modeDuringChange = true;
    int changes = 0;
    QObject::connect(&g, &FilterGridModel::changed, [&] { ++changes; });
    g.OnChange = [&](QObject*) { modeDuringChange = g.ChangeMode(); };
    g.DoChange();
    QCOMPARE(changes, 1);
    QVERIFY(!modeDuringChange);
    QVERIFY(g.ChangeMode());
}

QTEST_MAIN(TestGridModel)
#include "tst_gridmodel.moc"

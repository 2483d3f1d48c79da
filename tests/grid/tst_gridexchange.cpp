#include "common/testsupport.h"
#include "gridtesthelp.h"

#include <QTest>

using namespace grid;

namespace
{

// "¬" and "«" written as | and # in the tables below.
QString tz(QString s)
{
    s.replace(QLatin1Char('|'), QChar(0x00AC));
    s.replace(QLatin1Char('#'), QChar(0x00AB));
    return s;
}

QStringList alleZeilen(const FilterGridModel& g)
{
    QStringList rows;
    for (int r = 0; r < g.RowCount(); ++r)
        rows << g.Rows(r).join(QLatin1Char('/'));
    return rows;
}

} // namespace

class TestGridExchange : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void importAusParameterStringUndExportZurueck()
    {
        FilterGridModel g;
        g.SetColCount(2);
        g.SetRowCount(1);
        g.ImportFromParamStr(tz(QStringLiteral("a|b|#c|")), 1, 0);
        QCOMPARE(g.RowCount(), 3);
        QCOMPARE(g.Cells(0, 1), QStringLiteral("a"));
        QCOMPARE(g.Cells(1, 1), QStringLiteral("b"));
        QCOMPARE(g.Cells(0, 2), QStringLiteral("c"));
        QCOMPARE(g.Cells(1, 2), QString());
        QCOMPARE(g.ExportToParamStr(1, 0), tz(QStringLiteral("a|b|#c||")));
        QVERIFY(!g.ModifiedDaten());
    }

    void importAusListe_data()
    {
        QTest::addColumn<QString>("eintrag");
        QTest::addColumn<int>("startCol");
        QTest::addColumn<QString>("zeile"); // row 1 afterwards, "/" between cells
        QTest::addColumn<int>("spalten");
        QTest::newRow("wie geschnitten") << " a | b" << 0 << " a / b/x/x" << 4;
        QTest::newRow("leere Zelle dazwischen") << "a||c" << 0 << "a//c/x" << 4;
        QTest::newRow("Trenner am Ende") << "a|" << 1 << "x/a/x/x" << 4;
        QTest::newRow("leere Zellen am Ende") << "a|  " << 0 << "a/x/x/x" << 4;
        QTest::newRow("Spaltenzahl waechst") << "1|2|3|4|5|6" << 1 << "x/1/2/3/4/5/6" << 7;
        QTest::newRow("leerer Eintrag") << "" << 0 << "x/x/x/x" << 4;
    }

    void importAusListe()
    {
        QFETCH(QString, eintrag);
        QFETCH(int, startCol);
        QFETCH(QString, zeile);
        QFETCH(int, spalten);
        FilterGridModel g;
        g.SetColCount(4);
        g.SetRowCount(2);
        for (int c = 0; c < 4; ++c)
            g.SetCells(c, 1, QStringLiteral("x"));
        g.ImportFromList({tz(eintrag)}, 1, startCol);
        QCOMPARE(g.ColCount(), spalten);
        QCOMPARE(g.Rows(1).join(QLatin1Char('/')), zeile);
    }

    void importOhneStartzeileHaengtAn()
    {
        FilterGridModel g;
        fillGrid(g, {"Nr.", "Name"}, {"1|Meier"});
        g.ImportFromList({tz("2|Schulz"), tz("3|Kurz|")}, -1, 0);
        QCOMPARE(dataColumn(g, 1), (QStringList{"Meier", "Schulz", "Kurz"}));
        g.ImportFromList({}, -1, 0);
        QCOMPARE(g.RowCount(), 4);
    }

    void exportInListe()
    {
        FilterGridModel g;
        fillGrid(g, {"Nr.", "Name"}, {"1|  Meier ", "2|Schulz"});
        QStringList lst{QStringLiteral("vorher")};
        g.ExportToList(lst, QString(), 1, 0);
        QCOMPARE(lst, (QStringList{"vorher", tz("1|Meier |"), tz("2|Schulz|")}));
        QStringList mitTz;
        g.ExportToList(mitTz, QStringLiteral(";"), 0, 1);
        QCOMPARE(mitTz, (QStringList{"Name;", "Meier ;", "Schulz;"}));
    }

    void exportMitFilterGibtDieSichtbarenZeilen()
    {
        FilterGridModel g;
        fillGrid(g, {"Nr.", "Name"}, {"1|Meier", "2|Schulz", "3|Meier"});
        g.SetFilter(QStringLiteral("Name=Meier"));
        g.SetFilterEd(true);
        QCOMPARE(g.ExportToParamStr(1, 0), tz("1|Meier|#3|Meier|"));
        QStringList lst;
        g.ExportToList(lst, QString(), 1, 1);
        QCOMPARE(lst, (QStringList{tz("Meier|"), tz("Meier|")}));
    }

    void spalteInListe()
    {
        FilterGridModel g;
        fillGrid(g, {"Nr.", "Name"}, {"1|Meier", "2|meier", "3|Kurz", "4|Meier"});
        QStringList alle;
        g.ColToLst(alle, 1, true, true);
        QCOMPARE(alle, (QStringList{"Name", "Meier", "meier", "Kurz", "Meier"}));
        QStringList ohneDoppelte{QStringLiteral("KURZ")};
        g.ColToLst(ohneDoppelte, 1, false, false);
        QCOMPARE(ohneDoppelte, (QStringList{"KURZ", "Meier"}));
        QCOMPARE(g.ColToParamStr(1, false), QStringLiteral("Meier¯meier¯Kurz¯Meier¯"));
        QCOMPARE(g.ColToParamStr(0, true), QStringLiteral("Nr.¯1¯2¯3¯4¯"));
    }

    void spalteAusListeOhneTitel()
    {
        FilterGridModel g;
        fillGrid(g, {"Nr.", "Name"}, {"1|alt"});
        QStringList lst{QStringLiteral("Meier"), QStringLiteral("Schulz"), QStringLiteral("Kurz")};
        g.ColFromLst(lst, 1, false);
        QCOMPARE(lst.size(), 4);
        QCOMPARE(lst.first(), QStringLiteral("Name"));
        QCOMPARE(g.RowCount(), 4);
        QCOMPARE(g.Cols(1), (QStringList{"Name", "Meier", "Schulz", "Kurz"}));
        QVERIFY(g.ModifiedDaten());
    }

    void spalteAusListeLaesstDieZellenDarunter()
    {
        FilterGridModel g;
        fillGrid(g, {"Nr.", "Name"}, {"1|a", "2|b", "3|c"});
        QStringList lst{QStringLiteral("Titel"), QStringLiteral("neu")};
        g.ColFromLst(lst, 1, true);
        QCOMPARE(g.Cols(1), (QStringList{"Titel", "neu", "b", "c"}));
    }

    void spalteAusParameterString()
    {
        FilterGridModel g;
        fillGrid(g, {"Nr.", "Name"}, {"1|a"});
        g.ColFromParamStr(QStringLiteral("x¯y¯z¯"), 1, false);
        QCOMPARE(g.Cols(1), (QStringList{"Name", "x", "y", "z"}));
        g.ColFromParamStr(g.ColToParamStr(1, true), 0, true);
        QCOMPARE(g.Cols(0), g.Cols(1));
    }

    // --- copying another grid's rows ---

    void kopieOhneFilterNimmtJedeZeile()
    {
        FilterGridModel quelle;
        fillGrid(quelle, {"Nr.", "Name", "Punkte"}, {"1|Meier|5", "2|Schulz|7", "3|Kurz|9"});
        FilterGridModel ziel;
        ziel.SetCells(1, 3, QStringLiteral("alt"));
        QCOMPARE(ziel.CopyFromGrid(&quelle, QString(), false, false), 4);
        QCOMPARE(ziel.RowCount(), 4);
        QCOMPARE(ziel.ColCount(), 3);
        QCOMPARE(dataColumn(ziel, 1), (QStringList{"Meier", "Schulz", "Kurz"}));
    }

    void kopieMitUnbekanntemTitelMeldetUndNimmtJedeZeile()
    {
        MessageRecorder messages;
        FilterGridModel quelle;
        fillGrid(quelle, {"Nr.", "Name"}, {"1|Meier", "2|Schulz"});
        meldungenZeigen(quelle);
        FilterGridModel ziel;
        QCOMPARE(ziel.CopyFromGrid(&quelle, QStringLiteral("Alter>3"), false, false), 3);
        QCOMPARE(messages.texts(),
                 (QStringList{QStringLiteral("Fehler beim Auflösen von Filter: Alter>3")}));
        QCOMPARE(dataColumn(ziel, 1), (QStringList{"Meier", "Schulz"}));
    }

    void kopieMitFilterNimmtDiePassendenZeilen()
    {
        FilterGridModel quelle;
        fillGrid(quelle, {"Nr.", "Name", "Punkte"},
                 {"1|Meier|5", "2|Schulz|17", "3|Kurz|9", "4|Adler|12"});
        quelle.ColInfo_Create(2)->Typ = QLatin1Char('I');
        quelle.SetFilter(QStringLiteral("Name~r"));
        quelle.SetFilterEd(true);
        const auto bedingungen = quelle.FilterConditions().size();
        FilterGridModel ziel;
        QCOMPARE(ziel.CopyFromGrid(&quelle, QStringLiteral("Punkte>=9"), false, false), 3);
        QCOMPARE(dataColumn(ziel, 1), (QStringList{"Kurz", "Adler"}));
        // The source's own filter is untouched.
        QCOMPARE(quelle.FilterConditions().size(), bedingungen);
        QCOMPARE(quelle.FilterConditions().front().op, TFiltOp::cOpPos);

        QCOMPARE(ziel.CopyFromGrid(&quelle, QStringLiteral("Punkte>100"), false, false), 1);
        QCOMPARE(ziel.RowCount(), 2);
        QCOMPARE(dataColumn(ziel, 1), (QStringList{QString()}));
    }

    void kopieMitFormatUebernimmtTitelBreitenUndSpalten()
    {
        FilterGridModel quelle;
        fillGrid(quelle, {"Nr.", "Name"}, {"1|Meier"});
        TColInfo* ci = quelle.ColInfo_Create(1);
        ci->Titel = QStringLiteral("Name");
        ci->Typ = QLatin1Char('I');
        ci->Width = 0; // the width follows the column, not the information
        quelle.SetColWidths(1, 33);
        quelle.SetFixedCols(0);
        FilterGridModel ziel;
        ziel.ColInfo_Create(0)->Titel = QStringLiteral("weg");
        QCOMPARE(ziel.CopyFromGrid(&quelle, QString(), true, true), 2);
        QCOMPARE(ziel.FixedCols(), 0);
        QCOMPARE(ziel.ColWidths(1), 33);
        QCOMPARE(ziel.Rows(0), (QStringList{"Nr.", "Name"}));
        QVERIFY(ziel.GetColInfo(0));
        QCOMPARE(ziel.GetColInfo(0)->Titel, QString());
        QCOMPARE(ziel.ColInfoToParamStr(1), quelle.ColInfoToParamStr(1));
    }

    // A source without title row fills one row more than it has: the grid grows.
    void kopieAusQuelleOhneTitelzeileWaechst()
    {
        FilterGridModel quelle;
        quelle.SetColCount(2);
        quelle.SetRowCount(3);
        quelle.SetFixedRows(0);
        for (int r = 0; r < 3; ++r)
            quelle.SetCells(1, r, QStringLiteral("Zeile %1").arg(r));
        FilterGridModel ziel;
        QCOMPARE(ziel.FixedRows(), 1);
        QCOMPARE(ziel.CopyFromGrid(&quelle, QString(), false, false), 4);
        QCOMPARE(ziel.RowCount(), 4);
        QCOMPARE(dataColumn(ziel, 1), (QStringList{"Zeile 0", "Zeile 1", "Zeile 2"}));
    }

    void kopieAusSichSelbst()
    {
        FilterGridModel g;
        fillGrid(g, {"Nr.", "Name"}, {"1|Meier", "2|Schulz", "3|Meier"});
        QCOMPARE(g.CopyFromGrid(&g, QStringLiteral("Name=Meier"), false, false), 3);
        QCOMPARE(alleZeilen(g), (QStringList{"Nr./Name", "1/Meier", "3/Meier"}));
        QCOMPARE(g.CopyFromGrid(nullptr, QString(), false, false), 0);
        QCOMPARE(g.RowCount(), 3);
    }
};

QTEST_MAIN(TestGridExchange)
#include "tst_gridexchange.moc"

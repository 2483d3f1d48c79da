#include "common/testsupport.h"
#include "gridtesthelp.h"

#include "platform/base/cp1252.h"

#include <QTemporaryDir>
#include <QTest>
#include <cerrno>

using namespace grid;

namespace
{

const QString kMark = QString(QChar(0x00AF)); // "¯"

// Everything a load may change, one entry per item, so a failed comparison shows what moved.
QStringList zustand(FilterGridModel& g)
{
    QStringList s;
    s << QStringLiteral("size %1x%2").arg(g.ColCount()).arg(g.RowCount());
    for (int r = 0; r < g.RowCount(); ++r)
        s << g.Rows(r).join(QLatin1Char('|'));
    s << QStringLiteral("param ") + g.FileParam().join(QLatin1Char('/'));
    s << QStringLiteral("sort ") + g.SortierCols();
    const GridRect sel = g.Selection();
    s << QStringLiteral("sel %1 %2 %3 %4 row %5")
             .arg(sel.Left)
             .arg(sel.Top)
             .arg(sel.Right)
             .arg(sel.Bottom)
             .arg(g.Row());
    for (int c = 0; c < g.ColCount(); ++c)
        s << QStringLiteral("col %1 width %2 info %3")
                 .arg(c)
                 .arg(g.ColWidths(c))
                 .arg(g.ColInfoToParamStr(c));
    s << QStringLiteral("modified %1").arg(g.ModifiedDaten());
    return s;
}

// The example: two columns, two rows, FileParam a=1 and b=2, no sort columns.
void beispiel(FilterGridModel& g)
{
    g.SetColCount(2);
    g.SetRowCount(2);
    g.SetCells(0, 0, QStringLiteral("Nr."));
    g.SetCells(1, 0, QStringLiteral("Name"));
    g.SetCells(0, 1, QStringLiteral("1"));
    g.SetCells(1, 1, QStringLiteral("Müller"));
    g.FileParam() = QStringList{QStringLiteral("a=1"), QStringLiteral("b=2")};
}

const QByteArray kBeispielBytes("1\n2\n2\na=1\xAF"
                                "b=2\xAF\n\nNr.\nName\n1\nM\xFCller\n");

QList<QByteArray> zeilen(const QByteArray& bytes)
{
    QList<QByteArray> lines = bytes.split('\n');
    if (!lines.isEmpty() && lines.last().isEmpty())
        lines.removeLast();
    return lines;
}

// A grid of "Key | Name | Zeit" records for the merge; Zeit is the edit time as a number.
void datensaetze(FilterGridModel& g, const QStringList& rows)
{
    fillGrid(g, {QStringLiteral("Key"), QStringLiteral("Name"), QStringLiteral("Zeit")}, rows);
}

// A record as "Key|Name|Zeit".
QString satz(const FilterGridModel& g, int r)
{
    return g.Rows(r).mid(0, 3).join(QLatin1Char('|'));
}

// The data rows of a grid file as "Key|Name|Zeit", sorted by key.
QStringList gespeicherteZeilen(const QString& path)
{
    FilterGridModel g;
    g.SetFileName(path);
    if (!g.LoadFromFile(false, false, -1, 0))
        return {QStringLiteral("<nicht lesbar>")};
    QStringList rows;
    for (int r = g.FixedRows(); r < g.RowCount(); ++r)
        rows << satz(g, r);
    rows.sort();
    return rows;
}

QStringList datenzeilen(const FilterGridModel& g)
{
    QStringList rows;
    for (int r = g.FixedRows(); r < g.RowCount(); ++r)
        rows << satz(g, r);
    rows.sort();
    return rows;
}

// Records the progress messages posted to it as "phase:value".
class WaitRecorder : public QObject
{
public:
    QStringList seen;

    bool event(QEvent* e) override
    {
        if (e->type() != WaitEvent::eventType())
            return QObject::event(e);
        const auto* w = static_cast<WaitEvent*>(e);
        seen << QStringLiteral("%1:%2").arg(w->phase).arg(w->value);
        return true;
    }
};

} // namespace

class TestGridFiles : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir m_dir;
    QString file(const QString& name) const { return m_dir.filePath(name); }

private Q_SLOTS:
    void initTestCase() { QVERIFY(m_dir.isValid()); }

    void speichernSchreibtDieBytesDesBeispiels()
    {
        FilterGridModel g;
        beispiel(g);
        g.SetFileName(file(QStringLiteral("beispiel.grd")));
        g.ModiDaten_True();
        const platform::FileResult saved = g.SaveToFile(false, 0);
        QVERIFY(saved);
        QCOMPARE(readFileBytes(g.FileName()), kBeispielBytes);
        QVERIFY(!g.ModifiedDaten());
    }

    void ladenUndSpeichernGibtDieZeilenEinsBisAchtWieder()
    {
        const QString quelle = file(QStringLiteral("quelle.grd"));
        QVERIFY(writeFileBytes(quelle, kBeispielBytes));
        FilterGridModel g;
        g.SetColCount(2);
        g.SetRowCount(2);
        g.SetFileName(quelle);
        g.ModiDaten_True();
        QVERIFY(g.LoadFromFile(true, true, -1, 0));
        QVERIFY(!g.ModifiedDaten());
        QCOMPARE(g.FileIstVersion(), 1);
        QCOMPARE(g.FileParam(), (QStringList{QStringLiteral("a=1"), QStringLiteral("b=2")}));
        QCOMPARE(g.Cells(1, 1), QStringLiteral("Müller"));

        g.SetFileName(file(QStringLiteral("kopie.grd")));
        QVERIFY(g.SaveToFile(true, 0));
        const QList<QByteArray> lines = zeilen(readFileBytes(g.FileName()));
        QCOMPARE(lines.mid(0, 9), zeilen(kBeispielBytes));
        // No column has information: n = 0, both widths, then the selection.
        QCOMPARE(lines.size(), 9 + 1 + 2 + 4);
        QCOMPARE(lines[9], QByteArray("0"));
        QCOMPARE(lines[10].toInt(), g.ColWidths(0));
        QCOMPARE(lines[11].toInt(), g.ColWidths(1));
        const GridRect sel = g.Selection();
        QCOMPARE(
            lines.mid(12),
            (QList<QByteArray>{QByteArray::number(sel.Top), QByteArray::number(sel.Left),
                               QByteArray::number(sel.Bottom), QByteArray::number(sel.Right)}));
    }

    void eineAndereVersionLaedtNichts()
    {
        const QString pfad = file(QStringLiteral("version2.grd"));
        QByteArray bytes = kBeispielBytes;
        bytes[0] = '2';
        QVERIFY(writeFileBytes(pfad, bytes));
        FilterGridModel g;
        g.SetFileName(pfad);
        g.SetCells(1, 1, QStringLiteral("bleibt"));
        g.ModiDaten_True();
        const platform::FileResult loaded = g.LoadFromFile(true, true, -1, 0);
        QVERIFY(!loaded);
        QVERIFY(loaded.contentFailed());
        QCOMPARE(loaded.errorCode, 0);
        QCOMPARE(loaded.reason,
                 QStringLiteral("Die Datei hat die Version 2; erwartet wird die Version 1."));
        QCOMPARE(g.FileIstVersion(), 2);
        QCOMPARE(g.Cells(1, 1), QStringLiteral("bleibt"));
        QCOMPARE(g.RowCount(), 5);
        QVERIFY(g.FileParam().isEmpty());
        // Unsaved edits must not look saved.
        QVERIFY(g.ModifiedDaten());
        QVERIFY(platform::fileErrorMessage(loaded).contains(QStringLiteral("Version 2")));

        // Asked for version 2 explicitly, the same file loads.
        QVERIFY(g.LoadFromFile(true, true, 2, 0));
        QCOMPARE(g.Cells(1, 1), QStringLiteral("Müller"));
    }

    void eineFehlendeDateiLaesstDieTabelleStehen()
    {
        FilterGridModel g;
        beispiel(g);
        g.ModiDaten_True();
        g.SetFileName(file(QStringLiteral("gibtsnicht.grd")));
        const QStringList vorher = zustand(g);
        const platform::FileResult loaded = g.LoadFromFile(true, true, -1, 0);
        QVERIFY(!loaded);
        QCOMPARE(loaded.errorCode, ENOENT);
        QVERIFY(!loaded.contentFailed());
        QCOMPARE(zustand(g), vorher);
        QCOMPARE(g.FileIstVersion(), -1);
        QVERIFY(platform::fileErrorMessage(loaded).contains(QStringLiteral("gibtsnicht.grd")));
    }

    void zeilenendenCrLfUndCrLesenSichWieLf_data()
    {
        QTest::addColumn<QByteArray>("ende");
        QTest::newRow("CR LF") << QByteArray("\r\n");
        QTest::newRow("CR") << QByteArray("\r");
    }

    void zeilenendenCrLfUndCrLesenSichWieLf()
    {
        QFETCH(QByteArray, ende);
        QByteArray bytes = kBeispielBytes;
        bytes.replace("\n", ende);
        const QString pfad = file(QStringLiteral("zeilenenden.grd"));
        QVERIFY(writeFileBytes(pfad, bytes));
        FilterGridModel g;
        g.SetColCount(2);
        g.SetRowCount(2);
        g.SetFileName(pfad);
        QVERIFY(g.LoadFromFile(false, false, -1, 0));
        QCOMPARE(g.Cells(0, 0), QStringLiteral("Nr."));
        QCOMPARE(g.Cells(1, 1), QStringLiteral("Müller"));
        QCOMPARE(g.FileParam(), (QStringList{QStringLiteral("a=1"), QStringLiteral("b=2")}));
        g.SetFileName(file(QStringLiteral("zeilenenden-neu.grd")));
        QVERIFY(g.SaveToFile(false, 0));
        QCOMPARE(readFileBytes(g.FileName()), kBeispielBytes);
    }

    void zeichenAusserhalbDerCodeseiteWerdenFragezeichen()
    {
        FilterGridModel g;
        beispiel(g);
        g.SetCells(1, 1, QStringLiteral("Łukasz € ß"));
        // A character outside the basic plane is one "?", also beside a line break.
        g.SetCells(0, 1, QString::fromUtf8("\xF0\x9F\x98\x80\r\n\xF0\x9F\x98\x80"));
        g.SetFileName(file(QStringLiteral("codeseite.grd")));
        QVERIFY(g.SaveToFile(false, 0));
        const QList<QByteArray> lines = zeilen(readFileBytes(g.FileName()));
        QCOMPARE(lines.last(), QByteArray("?ukasz \x80 \xDF"));
        QCOMPARE(lines.at(lines.size() - 2), QByteArray("?\xAF?"));
        FilterGridModel h;
        h.SetFileName(g.FileName());
        QVERIFY(h.LoadFromFile(false, false, -1, 0));
        QCOMPARE(h.Cells(1, 1), QStringLiteral("?ukasz € ß"));
    }

    // Line breaks in cells, titles and column strings would shift every later line.
    void zeilenumbruecheInZellenWerdenZuMakron()
    {
        FilterGridModel g;
        g.SetColCount(2);
        g.SetRowCount(3);
        g.SetCells(0, 1, QStringLiteral("a\r\nb"));
        g.SetCells(1, 1, QStringLiteral("c\nd"));
        g.SetCells(0, 2, QStringLiteral("e\rf"));
        g.SetCells(1, 2, QStringLiteral("letzte"));
        g.ColInfo_Create(1)->Titel = QStringLiteral("zwei\nZeilen");
        g.ColInfo_Set(-1);
        g.FileParam() = QStringList{QStringLiteral("x=1\r\n2"), QStringLiteral("y=3")};
        g.SetFileName(file(QStringLiteral("umbrueche.grd")));
        QVERIFY(g.SaveToFile(true, 0));

        FilterGridModel h;
        h.SetFileName(g.FileName());
        QVERIFY(h.LoadFromFile(true, true, -1, 0));
        QCOMPARE(h.Cells(0, 1), QStringLiteral("a") + kMark + QStringLiteral("b"));
        QCOMPARE(h.Cells(1, 1), QStringLiteral("c") + kMark + QStringLiteral("d"));
        QCOMPARE(h.Cells(0, 2), QStringLiteral("e") + kMark + QStringLiteral("f"));
        QCOMPARE(h.Cells(1, 2), QStringLiteral("letzte"));
        QCOMPARE(h.Cells(1, 0), QStringLiteral("zwei") + kMark + QStringLiteral("Zeilen"));
        QVERIFY(h.GetColInfo(1));
        QCOMPARE(h.GetColInfo(1)->Titel, h.Cells(1, 0));
        // FileParam keeps its own rule: every "¯" separates two entries.
        QCOMPARE(h.FileParam(),
                 (QStringList{QStringLiteral("x=1"), QStringLiteral("2"), QStringLiteral("y=3")}));
        QCOMPARE(h.Selection(), g.Selection());
    }

    void spalteninformationUndAuswahlKommenZurueck()
    {
        FilterGridModel g;
        fillGrid(g, {"Nr.", "Name", "Punkte"}, {"1|Meier|5", "2|Schulz|7", "3|Kurz|9"});
        TColInfo* name = g.ColInfo_Create(1);
        name->Titel = QStringLiteral("Name");
        name->Width = 120;
        TColInfo* punkte = g.ColInfo_Create(2);
        punkte->Titel = QStringLiteral("Punkte");
        punkte->Typ = QLatin1Char('I');
        punkte->DatAlign = 38;
        g.ColInfo_Set(-1);
        g.SetSortierCols(QStringLiteral("Name"));
        g.SetRow(3);
        g.SetSelection({1, 2, 2, 3});
        g.SetFileName(file(QStringLiteral("spalten.grd")));
        QVERIFY(g.SaveToFile(true, 0));

        FilterGridModel h;
        h.ColInfo_Create(0)->Titel = QStringLiteral("alt"); // replaced by the file's columns
        h.SetFileName(g.FileName());
        QVERIFY(h.LoadFromFile(true, true, -1, 0));
        QVERIFY(!h.GetColInfo(0));
        QCOMPARE(h.ColInfoToParamStr(1), g.ColInfoToParamStr(1));
        QCOMPARE(h.ColInfoToParamStr(2), g.ColInfoToParamStr(2));
        QCOMPARE(h.ColWidths(1), 120);
        QCOMPARE(h.SortierCols(), QStringLiteral("Name"));
        QCOMPARE(h.Row(), 2);
        QCOMPARE(h.Selection(), (GridRect{1, 2, 2, 3}));
        // Stored without sorting.
        QCOMPARE(dataColumn(h, 1), (QStringList{"Meier", "Schulz", "Kurz", QString()}));

        // Without aRowSelect the selection stays.
        FilterGridModel k;
        k.SetFileName(g.FileName());
        const GridRect vorher = k.Selection();
        QVERIFY(k.LoadFromFile(true, false, -1, 0));
        QCOMPARE(k.Selection(), vorher);
    }

    void ladenLeertDieTabelleNicht()
    {
        const QString pfad = file(QStringLiteral("klein.grd"));
        QVERIFY(writeFileBytes(pfad, kBeispielBytes));
        FilterGridModel g;
        g.SetCells(4, 4, QStringLiteral("draussen"));
        g.SetCells(1, 1, QStringLiteral("drinnen"));
        g.SetFileName(pfad);
        QVERIFY(g.LoadFromFile(false, false, -1, 0));
        QCOMPARE(g.ColCount(), 5);
        QCOMPARE(g.RowCount(), 5);
        QCOMPARE(g.Cells(4, 4), QStringLiteral("draussen"));
        QCOMPARE(g.Cells(1, 1), QStringLiteral("Müller"));
    }

    void eineBeschaedigteDateiAendertNichts_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<bool>("spalten");
        const QByteArray kopf("1\n2\n2\n\n\n");
        const QByteArray zellen("A\nB\nC\nD\n");
        const QByteArray gut = kopf + zellen;
        QTest::newRow("zwei Milliarden Zeilen")
            << QByteArray("1\n2\n2000000000\n\n\nA\nB\n") << false;
        QTest::newRow("Zeilenzahl 0") << QByteArray("1\n2\n0\n\n\n") << false;
        QTest::newRow("Spaltenzahl -3") << QByteArray("1\n-3\n2\n\n\nA\n") << false;
        QTest::newRow("Spaltenzahl keine Zahl") << QByteArray("1\nzwei\n2\n\n\nA\n") << false;
        QTest::newRow("Kopf abgeschnitten") << QByteArray("1\n2\n2\n") << false;
        QTest::newRow("Zellen abgeschnitten") << QByteArray(kopf + "A\nB\nC\n") << false;
        QTest::newRow("n weder 0 noch c") << QByteArray(gut + "3\na\nb\nc\n") << true;
        QTest::newRow("n keine Zahl") << QByteArray(gut + "x\n") << true;
        QTest::newRow("Breiten abgeschnitten") << QByteArray(gut + "0\n64\n") << true;
        QTest::newRow("Breite keine Zahl") << QByteArray(gut + "0\n64\nbreit\n") << true;
        QTest::newRow("Spaltentext falsch") << QByteArray(gut + "2\nNr.\xAB"
                                                                "abc\n\n")
                                            << true;
        QTest::newRow("Auswahl -1") << QByteArray(gut + "0\n64\n64\n-1\n0\n0\n0\n") << true;
        QTest::newRow("Auswahl ausserhalb") << QByteArray(gut + "0\n64\n64\n1\n0\n99\n1\n") << true;
        QTest::newRow("Auswahl verkehrt") << QByteArray(gut + "0\n64\n64\n1\n1\n0\n1\n") << true;
        QTest::newRow("Auswahl abgeschnitten") << QByteArray(gut + "0\n64\n64\n1\n1\n") << true;
    }

    void eineBeschaedigteDateiAendertNichts()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(bool, spalten);
        const QString pfad = file(QStringLiteral("kaputt.grd"));
        QVERIFY(writeFileBytes(pfad, bytes));
        FilterGridModel g;
        g.SetColCount(2);
        g.SetRowCount(2);
        g.SetCells(0, 0, QStringLiteral("alt0"));
        g.SetCells(1, 1, QStringLiteral("alt1"));
        g.ColInfo_Create(1)->Titel = QStringLiteral("Alt");
        g.FileParam() = QStringList{QStringLiteral("p=1")};
        g.ModiDaten_True();
        g.SetFileName(pfad);
        const QStringList vorher = zustand(g);
        const platform::FileResult loaded = g.LoadFromFile(spalten, spalten, -1, 0);
        QVERIFY(loaded.contentFailed());
        QCOMPARE(loaded.errorCode, 0);
        // The reason says the file is damaged and then where.
        const QString beschaedigt = QStringLiteral("Die Datei ist beschädigt. ");
        QVERIFY2(loaded.reason.startsWith(beschaedigt), qPrintable(loaded.reason));
        QVERIFY(loaded.reason.size() > beschaedigt.size());
        QCOMPARE(zustand(g), vorher);
        QVERIFY(platform::fileErrorMessage(loaded).contains(QStringLiteral("beschädigt")));
    }

    void eineGespeicherteLeereAuswahlLaedtSich()
    {
        FilterGridModel g;
        beispiel(g);
        g.CleanBlueCell();
        g.SetFileName(file(QStringLiteral("ohneauswahl.grd")));
        QVERIFY(g.SaveToFile(true, 0));
        FilterGridModel h;
        h.SetFileName(g.FileName());
        QVERIFY(h.LoadFromFile(true, true, -1, 0));
        QCOMPARE(h.Selection(), (GridRect{-1, -1, -1, -1}));
        QCOMPARE(h.Row(), 1);
    }

    // Information stored for the column after the last adds no column and is not written.
    void nurSpaltenUnterColCountZaehlen()
    {
        FilterGridModel g;
        beispiel(g);
        g.ColInfo_Create(2)->Titel = QStringLiteral("jenseits");
        QCOMPARE(g.ColCount(), 2);
        g.SetFileName(file(QStringLiteral("jenseits.grd")));
        QVERIFY(g.SaveToFile(true, 0));
        QCOMPARE(zeilen(readFileBytes(g.FileName())).value(9), QByteArray("0"));
        FilterGridModel h;
        h.SetFileName(g.FileName());
        QVERIFY(h.LoadFromFile(true, true, -1, 0));
    }

    void eineInformationMachtAlleSpaltenZuParameterzeilen()
    {
        FilterGridModel g;
        beispiel(g);
        g.ColInfo_Create(1)->Titel = QStringLiteral("Name");
        g.SetFileName(file(QStringLiteral("eineinfo.grd")));
        QVERIFY(g.SaveToFile(true, 0));
        const QList<QByteArray> lines = zeilen(readFileBytes(g.FileName()));
        QCOMPARE(lines.value(9), QByteArray("2"));
        QCOMPARE(lines.value(10), QByteArray());
        QVERIFY(lines.value(11).startsWith("Name\xAB"));
    }

    // With a filter showing 2 of 6 rows, a save writes all 6 and the grid still shows 2.
    void versteckteZeilenWerdenMitgespeichert()
    {
        FilterGridModel g;
        fillGrid(
            g, {"Nr.", "Name", "Punkte"},
            {"1|Meier|5", "2|Schulz|12", "3|Reimann|10", "4|Kurz|20", "5|Knoth|19", "6|Adler|25"});
        g.ColInfo_Create(2)->Typ = QLatin1Char('I');
        g.SetFilter(QStringLiteral("Punkte>=19;Punkte<21"));
        g.SetFilterEd(true);
        QCOMPARE(g.RowCount(), 3);
        QStringList sichtbar = zustand(g);
        g.SetFileName(file(QStringLiteral("filter.grd")));
        QVERIFY(g.SaveToFile(false, 0));
        sichtbar.removeLast(); // the modification flag
        QCOMPARE(zustand(g).mid(0, sichtbar.size()), sichtbar);
        QCOMPARE(g.HiddenRowCount(), 4);
        QCOMPARE(dataColumn(g, 1), (QStringList{"Kurz", "Knoth"}));

        FilterGridModel h;
        h.SetFileName(g.FileName());
        QVERIFY(h.LoadFromFile(false, false, -1, 0));
        QCOMPARE(h.RowCount(), 7);
        QStringList namen = dataColumn(h, 1);
        namen.sort();
        QCOMPARE(namen, (QStringList{"Adler", "Knoth", "Kurz", "Meier", "Reimann", "Schulz"}));
    }

    void eineVolleplatteLaesstDateiUndFlagStehen()
    {
        FilterGridModel alt;
        beispiel(alt);
        alt.SetFileName(file(QStringLiteral("voll.grd")));
        QVERIFY(alt.SaveToFile(false, 0));
        const QByteArray vorher = readFileBytes(alt.FileName());

        FilterGridModel g;
        g.SetColCount(5);
        g.SetRowCount(2000);
        for (int r = 0; r < g.RowCount(); ++r)
            g.SetCells(1, r, QStringLiteral("Zeile %1 mit etwas Text").arg(r));
        g.SetFileName(alt.FileName());
        g.ModiDaten_True();
        platform::FileResult saved;
        {
            FileSizeLimit limit(4096);
            saved = g.SaveToFile(true, 0);
        }
        QVERIFY(!saved);
        QCOMPARE(saved.action, platform::FileAction::Write);
        QVERIFY(!saved.reason.isEmpty());
        QCOMPARE(readFileBytes(g.FileName()), vorher);
        QVERIFY(g.ModifiedDaten());
        QVERIFY(platform::fileErrorMessage(saved).contains(QStringLiteral("voll.grd")));

        // A folder that does not exist.
        g.SetFileName(file(QStringLiteral("fehlt/x.grd")));
        const platform::FileResult ohneOrdner = g.SaveToFile(false, 0);
        QVERIFY(!ohneOrdner);
        QCOMPARE(ohneOrdner.action, platform::FileAction::Write);
        QVERIFY(g.ModifiedDaten());
    }

    void fortschrittsmeldungenBeimSpeichernUndLaden()
    {
        WaitRecorder recorder;
        QObject* before = setWaitMessageReceiver(&recorder);
        FilterGridModel g;
        beispiel(g);
        g.SetWaitStep(1);
        g.SetFileName(file(QStringLiteral("fortschritt.grd")));
        QVERIFY(g.SaveToFile(false, 7));
        QCoreApplication::processEvents();
        // A step per cell, with the row as value.
        QCOMPARE(recorder.seen, (QStringList{"0:2", "1:0", "1:0", "1:1", "1:1", "2:0"}));

        recorder.seen.clear();
        QVERIFY(g.LoadFromFile(false, false, -1, 7));
        QCoreApplication::processEvents();
        QCOMPARE(recorder.seen, (QStringList{"0:2", "1:0", "1:1", "2:0"}));

        recorder.seen.clear();
        QVERIFY(g.SaveToFile(false, 0));
        QVERIFY(g.LoadFromFile(false, false, -1, 0));
        QCoreApplication::processEvents();
        QVERIFY(recorder.seen.isEmpty());
        setWaitMessageReceiver(before);
    }

    // --- the merge with the shared file ---

    void zusammenfuehrenMitDerGemeinsamenDatei()
    {
        const QString pfad = file(QStringLiteral("gemeinsam.grd"));
        // Loaded by both at moment 100.
        FilterGridModel anfang;
        datensaetze(anfang, {"K1|Anna|10", "K2|Bert|10", "K3|Carl|10", "K4|Dora|10", "K6|Emil|10"});
        anfang.SetFileName(pfad);
        QVERIFY(anfang.SaveToFile(false, 0));

        FilterGridModel hier;
        hier.SetFileName(pfad);
        QVERIFY(hier.LoadFromFile(false, false, -1, 0));

        // Elsewhere: K2 changed, K3 and K4 deleted, K5 created.
        FilterGridModel dort;
        dort.SetFileName(pfad);
        QVERIFY(dort.LoadFromFile(false, false, -1, 0));
        dort.SetCells(1, 2, QStringLiteral("Bert dort"));
        dort.SetCells(2, 2, QStringLiteral("120"));
        dort.RowDelete(4);
        dort.RowDelete(3);
        dort.RowAdd(INT_MAX, QStringLiteral("K5\r\nFritz\r\n130\r\n"));
        QVERIFY(dort.SaveToFile(false, 0));

        // Here: K1 changed, K4 changed, K6 deleted, K7 created.
        hier.SetCells(1, 1, QStringLiteral("Anna hier"));
        hier.SetCells(2, 1, QStringLiteral("150"));
        hier.SetCells(1, 4, QStringLiteral("Dora hier"));
        hier.SetCells(2, 4, QStringLiteral("140"));
        hier.RowDelete(5);
        hier.RowAdd(INT_MAX, QStringLiteral("K7\r\nGert\r\n160\r\n"));
        QVERIFY(hier.ModifiedDaten());

        QVERIFY(hier.SaveToServerFile(0, 2, 100.0, false, 0));
        const QStringList erwartet{"K1|Anna hier|150", "K2|Bert dort|120", "K4|Dora hier|140",
                                   "K5|Fritz|130", "K7|Gert|160"};
        QCOMPARE(datenzeilen(hier), erwartet);
        QCOMPARE(gespeicherteZeilen(pfad), erwartet);
        QVERIFY(!hier.ModifiedDaten());
    }

    void keineZeileOhneSchluesselOderZeitWirdGeloescht()
    {
        const QString pfad = file(QStringLiteral("leer.grd"));
        FilterGridModel dort;
        datensaetze(dort, {" k1 |Anna|10"});
        dort.SetFileName(pfad);
        QVERIFY(dort.SaveToFile(false, 0));

        FilterGridModel hier;
        datensaetze(hier, {"K1|Anna|10", "|ohne Schlüssel|10", "K9|ohne Zeit|"});
        hier.SetFileName(pfad);
        QVERIFY(hier.SaveToServerFile(0, 2, 100.0, false, 0));
        // " k1 " and "K1" are one key: nothing added, nothing deleted.
        QCOMPARE(datenzeilen(hier),
                 (QStringList{"K1|Anna|10", "K9|ohne Zeit|", "|ohne Schlüssel|10"}));
    }

    // The temporary grid reads the file with this grid's fixed rows: a grid without title row
    // must not lose its first record.
    void ohneTitelzeileGehtDieErsteZeileNichtVerloren()
    {
        const QString pfad = file(QStringLiteral("ohnetitel.grd"));
        FilterGridModel g;
        g.SetColCount(3);
        g.SetRowCount(2);
        g.SetFixedRows(0);
        g.SetFixedCols(0);
        g.SetCells(0, 0, QStringLiteral("K1"));
        g.SetCells(2, 0, QStringLiteral("10"));
        g.SetCells(0, 1, QStringLiteral("K2"));
        g.SetCells(2, 1, QStringLiteral("10"));
        g.SetFileName(pfad);
        QVERIFY(g.SaveToFile(false, 0));
        QVERIFY(g.SaveToServerFile(0, 2, 100.0, false, 0));
        QCOMPARE(g.RowCount(), 2);
        QCOMPARE(g.Cols(0), (QStringList{"K1", "K2"}));
    }

    void eineUngeleseneGemeinsameDateiAendertNichts_data()
    {
        QTest::addColumn<QByteArray>("inhalt");
        QTest::addColumn<int>("errorCode");
        QTest::addColumn<QString>("grund"); // the start of the reason of a content failure
        QTest::newRow("andere Version")
            << QByteArray("2\n3\n2\n\n\nKey\nName\nZeit\nK1\nAnna\n10\n") << 0
            << QStringLiteral("Die Datei hat die Version 2;");
        QTest::newRow("abgeschnitten") << QByteArray("1\n3\n2\n\n\nKey\nName\nZeit\nK1\n") << 0
                                       << QStringLiteral("Die Datei ist beschädigt.");
        QTest::newRow("fehlt") << QByteArray() << ENOENT << QString();
    }

    void eineUngeleseneGemeinsameDateiAendertNichts()
    {
        QFETCH(QByteArray, inhalt);
        QFETCH(int, errorCode);
        QFETCH(QString, grund);
        const QString pfad = file(QStringLiteral("ungelesen.grd"));
        QFile::remove(pfad);
        if (!inhalt.isEmpty())
            QVERIFY(writeFileBytes(pfad, inhalt));
        FilterGridModel hier;
        datensaetze(hier, {"K1|Anna|10", "K2|Bert|10"});
        hier.SetFileName(pfad);
        hier.ModiDaten_True();
        const QStringList vorher = zustand(hier);
        const platform::FileResult saved = hier.SaveToServerFile(0, 2, 100.0, false, 0);
        QVERIFY(!saved);
        QCOMPARE(saved.action, platform::FileAction::Read);
        QCOMPARE(saved.errorCode, errorCode);
        QCOMPARE(saved.contentFailed(), errorCode == 0);
        if (!grund.isEmpty())
            QVERIFY2(saved.reason.startsWith(grund), qPrintable(saved.reason));
        QCOMPARE(zustand(hier), vorher);
        if (inhalt.isEmpty())
            QVERIFY(!QFile::exists(pfad));
        else
            QCOMPARE(readFileBytes(pfad), inhalt);
    }

    void mitFilterWerdenAlleZeilenZusammengefuehrt()
    {
        const QString pfad = file(QStringLiteral("gefiltert.grd"));
        FilterGridModel anfang;
        datensaetze(anfang, {"K1|Anna|10", "K2|Bert|10", "K3|Carl|10", "K4|Dora|10"});
        anfang.SetFileName(pfad);
        QVERIFY(anfang.SaveToFile(false, 0));

        FilterGridModel hier;
        hier.SetFileName(pfad);
        QVERIFY(hier.LoadFromFile(false, false, -1, 0));

        FilterGridModel dort;
        dort.SetFileName(pfad);
        QVERIFY(dort.LoadFromFile(false, false, -1, 0));
        dort.SetCells(1, 3, QStringLiteral("Carl dort"));
        dort.SetCells(2, 3, QStringLiteral("120"));
        dort.RowAdd(INT_MAX, QStringLiteral("K5\r\nAnton\r\n130\r\n"));
        QVERIFY(dort.SaveToFile(false, 0));

        hier.SetFilter(QStringLiteral("Name~A"));
        hier.SetFilterEd(true);
        QCOMPARE(dataColumn(hier, 1), (QStringList{"Anna"}));
        hier.SetCells(2, 1, QStringLiteral("150"));

        QVERIFY(hier.SaveToServerFile(0, 2, 100.0, false, 0));
        QCOMPARE(gespeicherteZeilen(pfad),
                 (QStringList{"K1|Anna|150", "K2|Bert|10", "K3|Carl dort|120", "K4|Dora|10",
                              "K5|Anton|130"}));
        // Filtered again afterwards.
        QStringList sichtbar = dataColumn(hier, 1);
        sichtbar.sort();
        QCOMPARE(sichtbar, (QStringList{"Anna", "Anton"}));
        QCOMPARE(hier.HiddenRowCount(), 3);
        QVERIFY(!hier.ModifiedDaten());
    }

    void dieNeuerenParameterGewinnen_data()
    {
        QTest::addColumn<QString>("hier");
        QTest::addColumn<QString>("dort");
        QTest::addColumn<QString>("ergebnis");
        QTest::newRow("dort neuer") << "Zeit=200"
                                    << "Zeit=300"
                                    << "Zeit=300";
        QTest::newRow("hier neuer") << "Zeit=300"
                                    << "Zeit=200"
                                    << "Zeit=300";
        QTest::newRow("dort ohne Zeit") << "Zeit=200"
                                        << "x=1"
                                        << "Zeit=200";
    }

    void dieNeuerenParameterGewinnen()
    {
        QFETCH(QString, hier);
        QFETCH(QString, dort);
        QFETCH(QString, ergebnis);
        const QString pfad = file(QStringLiteral("parameter.grd"));
        FilterGridModel d;
        datensaetze(d, {"K1|Anna|10"});
        d.FileParam() = QStringList{dort, QStringLiteral("Quelle=dort")};
        d.SetFileName(pfad);
        QVERIFY(d.SaveToFile(false, 0));

        FilterGridModel h;
        datensaetze(h, {"K1|Anna|10"});
        h.FileParam() = QStringList{hier, QStringLiteral("Quelle=hier")};
        h.SetFileName(pfad);
        QVERIFY(h.SaveToServerFile(0, 2, 100.0, false, 0));
        QCOMPARE(h.FileParam().first(), ergebnis);
        FilterGridModel gelesen;
        gelesen.SetFileName(pfad);
        QVERIFY(gelesen.LoadFromFile(false, false, -1, 0));
        QCOMPARE(gelesen.FileParam(), h.FileParam());
    }

    void einMisslungenesSpeichernLaesstDasFlagStehen()
    {
        const QString pfad = file(QStringLiteral("gemeinsam-voll.grd"));
        FilterGridModel dort;
        datensaetze(dort, {"K1|Anna|10"});
        dort.SetFileName(pfad);
        QVERIFY(dort.SaveToFile(false, 0));
        const QByteArray vorher = readFileBytes(pfad);

        FilterGridModel hier;
        QStringList viele;
        for (int i = 0; i < 500; ++i)
            viele << QStringLiteral("N%1|Name mit etwas mehr Text %1|150").arg(i);
        datensaetze(hier, viele);
        hier.SetFileName(pfad);
        hier.ModiDaten_True();
        platform::FileResult saved;
        {
            FileSizeLimit limit(4096);
            saved = hier.SaveToServerFile(0, 2, 100.0, false, 0);
        }
        QVERIFY(!saved);
        QCOMPARE(saved.action, platform::FileAction::Write);
        QVERIFY(saved.errorCode != 0);
        QVERIFY(hier.ModifiedDaten());
        QCOMPARE(readFileBytes(pfad), vorher);
    }
};

QTEST_MAIN(TestGridFiles)
#include "tst_gridfiles.moc"

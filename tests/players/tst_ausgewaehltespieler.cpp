// The selected players view "Ausgewählte Spieler".
#include "appearance/ui/stilverwaltung.h"
#include "auswahl_testhilfe.h"
#include "common/testsupport.h"
#include "draw/logic/auswahldatei.h"
#include "grid/logic/wincolors.h"
#include "grid/ui/filtergrid.h"
#include "platform/base/typedfile.h"
#include "players/logic/spieleransicht.h"
#include "players/ui/ausgewaehltespieler.h"

#include <QDir>
#include <QFile>
#include <QPushButton>
#include <QScrollBar>
#include <QTest>

using namespace grid;

namespace
{

QStringList spieler(int anzahl)
{
    QStringList namen;
    for (int i = 1; i <= anzahl; ++i)
        namen << QStringLiteral("Spieler %1").arg(i);
    return namen;
}

QStringList spalte(const FilterGridModel& g, int c)
{
    QStringList zellen;
    for (int r = 1; r < g.RowCount(); ++r)
        zellen << g.Cells(c, r);
    return zellen;
}

void rohSchreiben(const QString& pfad, const QByteArray& bytes)
{
    QFile datei(pfad);
    QVERIFY(datei.open(QIODevice::WriteOnly | QIODevice::Truncate));
    QVERIFY(datei.write(bytes) == bytes.size());
}

// The least contrast between the text of a cell and the background around it, as painted: the
// background is read at the cell's right end (the names are padded with blanks), line by
// line, the text colour is the pixel that stands out most.
double gemaleneKontrast(const QImage& bild, const QRect& zelle)
{
    const int leer = zelle.right() - 3;
    QColor schrift;
    double bester = 0;
    for (int y = zelle.top() + 1; y < zelle.bottom(); ++y) {
        const QColor grund = bild.pixelColor(leer, y);
        for (int x = zelle.left() + 1; x < leer; ++x) {
            const double k = ContrastRatio(bild.pixelColor(x, y), grund);
            if (k > bester) {
                bester = k;
                schrift = bild.pixelColor(x, y);
            }
        }
    }
    double geringster = 21;
    for (int y = zelle.top() + 1; y < zelle.bottom(); ++y)
        geringster = std::min(geringster, ContrastRatio(schrift, bild.pixelColor(leer, y)));
    return geringster;
}

} // namespace

class TestAusgewaehlteSpieler : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void cleanup() { hauptfensterDiensteSetzen({}); }
    void designAndTexts();
    void withoutRecordsTitlesAndOneEmptyRow_data();
    void withoutRecordsTitlesAndOneEmptyRow();
    void threeRecordsNumberedInFileOrder();
    void namesArePaddedByCharacters();
    void unreadableFileIsReported();
    void openViewFollowsANewSelection();
    void openViewFollowsARestoredSelection();
    void widthsFitOnceTheLayoutHasSettled();
    void widthsFitAgainAfterEachChange_data();
    void widthsFitAgainAfterEachChange();
    void currentRowIsReadableInEveryStyle();
    void openViewComesToRest();
    void beendenClosesAndShowsPanel5();
};

void TestAusgewaehlteSpieler::designAndTexts()
{
    TForm3 form;
    QCOMPARE(form.windowTitle(), QStringLiteral("Ausgewählte Spieler"));
    QVERIFY(!form.isModal());
    auto* knopf = requireChild<QPushButton>(&form, "Button2");
    QCOMPARE(knopf->text(), QStringLiteral("Beenden"));
    QVERIFY(!knopf->accessibleName().isEmpty());
    QVERIFY(!form.FilterGrid1->accessibleName().isEmpty());
    const FilterGridModel& g = form.FilterGrid1->Grid();
    QCOMPARE(g.SortierCols(), QStringLiteral("1"));
    QVERIFY(g.SortierenEd());
    QVERIFY(!g.SortMouseEd());
    QVERIFY(!(g.Options() & goEditing)); // read-only: no in-place editor
    QCOMPARE(g.SelectRowColor(), wincolor::clInactiveCaption);
    QVERIFY(g.GradientToAllCells());
    QCOMPARE(g.DrawingStyle(), GridDrawingStyle::gdsGradient);
}

void TestAusgewaehlteSpieler::withoutRecordsTitlesAndOneEmptyRow_data()
{
    QTest::addColumn<bool>("datei");
    QTest::newRow("no selection file") << false;
    QTest::newRow("empty selection file") << true;
}

void TestAusgewaehlteSpieler::withoutRecordsTitlesAndOneEmptyRow()
{
    QFETCH(bool, datei);
    TempDataFolder ordner;
    MessageRecorder meldungen;
    if (datei)
        rohSchreiben(auswahldatei2(), {});
    TForm3 form;
    form.daten_ansehen();
    const FilterGridModel& g = form.FilterGrid1->Grid();
    QCOMPARE(g.RowCount(), 2);
    QCOMPARE(g.ColCount(), 2);
    QCOMPARE(g.Cells(0, 0), QStringLiteral("Nr."));
    QCOMPARE(g.Cells(1, 0), QStringLiteral("Name"));
    QVERIFY(g.RowEmpty(1));
    QVERIFY(g.Cells(0, 1).trimmed().isEmpty());
    QVERIFY(meldungen.messages().isEmpty());
}

void TestAusgewaehlteSpieler::threeRecordsNumberedInFileOrder()
{
    TempDataFolder ordner;
    MessageRecorder meldungen;
    // Not alphabetical: the view keeps the file's order ("1" names no column to sort by).
    QVERIFY(auswahlSchreiben(auswahldatei2(), {"Zora", "Anton", "Mia"}));
    TForm3 form;
    form.daten_ansehen();
    const FilterGridModel& g = form.FilterGrid1->Grid();
    QCOMPARE(g.RowCount(), 4);
    QCOMPARE(spalte(g, 0), QStringList({"1  ", "2  ", "3  "}));
    QCOMPARE(spalte(g, 1).replaceInStrings(QRegularExpression(" +$"), QString()),
             QStringList({"Zora", "Anton", "Mia"}));
    QCOMPARE(g.GetColInfo(0)->Typ, QLatin1Char('I'));
    QCOMPARE(g.GetColInfo(0)->DatAlign, 38);
    QCOMPARE(g.GetColInfo(1)->Typ, QLatin1Char(' '));
    QCOMPARE(g.GetColInfo(1)->DatAlign, 36);
}

void TestAusgewaehlteSpieler::namesArePaddedByCharacters()
{
    TempDataFolder ordner;
    const QString vierzig(40, QLatin1Char('x'));
    QList<TAuswahlRec> records{auswahlEintrag(vierzig), auswahlEintrag(QStringLiteral("Meier")),
                               auswahlEintrag(QStringLiteral("Müller"))};
    // A damaged length byte: the name is read up to its capacity of 50, never past it.
    TAuswahlRec kaputt = auswahlEintrag(QString(50, QLatin1Char('k')));
    kaputt.Name.length = 200;
    records.append(kaputt);
    rohSchreiben(auswahldatei2(), platform::recordsToBytes(records));

    TForm3 form;
    form.daten_ansehen();
    const QStringList namen = spalte(form.FilterGrid1->Grid(), 1);
    QCOMPARE(namen.size(), 4);
    QCOMPARE(namen[0], vierzig);
    QCOMPARE(namen[1], QStringLiteral("Meier") + QString(25, QLatin1Char(' ')));
    QCOMPARE(namen[2], QStringLiteral("Müller") + QString(24, QLatin1Char(' ')));
    QCOMPARE(namen[3], QString(50, QLatin1Char('k')));
}

void TestAusgewaehlteSpieler::unreadableFileIsReported()
{
    TempDataFolder ordner;
    MessageRecorder meldungen;
    QVERIFY(QDir(ordner.path()).mkdir(kAuswahlDateiGewaehlt)); // a folder in its place
    TForm3 form;
    form.daten_ansehen();
    QCOMPARE(form.FilterGrid1->Grid().RowCount(), 2);
    QCOMPARE(meldungen.messages().size(), 1);
    QCOMPARE(meldungen.messages().first().icon, platform::Icon::Error);
    QVERIFY2(meldungen.lastText().contains(kAuswahlDateiGewaehlt),
             qPrintable(meldungen.lastText()));
}

void TestAusgewaehlteSpieler::openViewFollowsANewSelection()
{
    TempDataFolder ordner;
    MessageRecorder meldungen;
    Hauptflaeche haupt;
    QVERIFY(auswahlSchreiben(auswahldatei2(), {"Anna", "Bert"}));
    TForm3 form;
    form.oeffnen();
    const FilterGridModel& g = form.FilterGrid1->Grid();
    QCOMPARE(g.RowCount(), 3);

    // "Auswahl speichern" writes both files; the view follows the file of the picked players.
    QVERIFY(auswahlSchreiben(auswahldatei1(), {"Xaver"}));
    QCOMPARE(g.RowCount(), 3);
    QVERIFY(auswahlSchreiben(auswahldatei2(), {"Carl", "Dora", "Emil"}));
    QCOMPARE(g.RowCount(), 4);
    QCOMPARE(g.Cells(1, 3).trimmed(), QStringLiteral("Emil"));

    // A closed view is filled anew when it is opened.
    form.close();
    QVERIFY(auswahlSchreiben(auswahldatei2(), {"Fritz"}));
    QCOMPARE(g.RowCount(), 4);
    form.oeffnen();
    QCOMPARE(g.RowCount(), 2);
    QCOMPARE(g.Cells(1, 1).trimmed(), QStringLiteral("Fritz"));
}

void TestAusgewaehlteSpieler::openViewFollowsARestoredSelection()
{
    TempDataFolder ordner;
    MessageRecorder meldungen;
    Hauptflaeche haupt;
    QVERIFY(auswahlSchreiben(auswahldatei2(), {"Anna"}));
    TForm3 form;
    form.oeffnen();
    // What the backup window does after a restore: it announces every file it copied back.
    rohSchreiben(auswahldatei2(), auswahlBytes({"Gerd", "Hans"}));
    Auswahlmelder::instanz().dateienGeschrieben(
        {ordner.file(QStringLiteral("Adressen.adr")), auswahldatei2()});
    QCOMPARE(spalte(form.FilterGrid1->Grid(), 1).replaceInStrings(QRegularExpression(" +$"), {}),
             QStringList({"Gerd", "Hans"}));
}

void TestAusgewaehlteSpieler::widthsFitOnceTheLayoutHasSettled()
{
    TempDataFolder ordner;
    MessageRecorder meldungen;
    Hauptflaeche haupt;
    // Opened on a short list, then 24 players arrive: the vertical scroll bar comes only once
    // the grid is laid out anew, after the widths were fitted to the rebuilt grid.
    QVERIFY(auswahlSchreiben(auswahldatei2(), spieler(3)));
    TForm3 form;
    form.oeffnen();
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    TFilterGrid* grid = form.FilterGrid1;
    QTest::qWait(50);
    QVERIFY(!grid->verticalScrollBar()->isVisible());
    QVERIFY(auswahlSchreiben(auswahldatei2(), spieler(24)));
    QTRY_VERIFY(grid->verticalScrollBar()->isVisible());
    QTest::qWait(50);
    // No horizontal scroll bar covers the last row; the name column takes the rest.
    QVERIFY(!grid->horizontalScrollBar()->isVisible());
    const int genutzt = grid->columnWidth(0) + grid->columnWidth(1);
    QVERIFY2(genutzt <= grid->viewport()->width(),
             qPrintable(QStringLiteral("%1 > %2").arg(genutzt).arg(grid->viewport()->width())));
    QVERIFY(genutzt >= grid->viewport()->width() - 30);
    grid->scrollToBottom();
    const QRect letzte = grid->visualRect(grid->model()->index(24, 1));
    QVERIFY(letzte.bottom() <= grid->viewport()->height());
}

void TestAusgewaehlteSpieler::widthsFitAgainAfterEachChange_data()
{
    QTest::addColumn<QString>("aenderung");
    QTest::newRow("opened again on other players") << "wieder";
    QTest::newRow("new selection while open") << "auswahl";
    QTest::newRow("window made wider") << "breiter";
    QTest::newRow("window made narrower") << "schmaler";
}

// Whatever changed, the name column takes up the room the grid has, and no more.
void TestAusgewaehlteSpieler::widthsFitAgainAfterEachChange()
{
    QFETCH(QString, aenderung);
    TempDataFolder ordner;
    MessageRecorder meldungen;
    Hauptflaeche haupt;
    QVERIFY(auswahlSchreiben(auswahldatei2(), spieler(3)));
    TForm3 form;
    form.oeffnen();
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    QTest::qWait(50);
    TFilterGrid* grid = form.FilterGrid1;
    const auto genutzt = [grid] { return grid->columnWidth(0) + grid->columnWidth(1); };
    QVERIFY(genutzt() >= grid->viewport()->width() - 30);
    if (aenderung == "wieder") {
        form.close();
        QVERIFY(auswahlSchreiben(auswahldatei2(), {"Al", "Bo"}));
        form.oeffnen();
    } else if (aenderung == "auswahl") {
        QVERIFY(auswahlSchreiben(auswahldatei2(), {"Al", "Bo"}));
    } else {
        form.resize(form.width() + (aenderung == "breiter" ? 150 : -60), form.height());
    }
    QTest::qWait(50);
    QCOMPARE(grid->Grid().RowCount(), aenderung == "wieder" || aenderung == "auswahl" ? 3 : 4);
    QVERIFY(!grid->horizontalScrollBar()->isVisible());
    QVERIFY2(genutzt() <= grid->viewport()->width(),
             qPrintable(QStringLiteral("%1 > %2").arg(genutzt()).arg(grid->viewport()->width())));
    QVERIFY2(genutzt() >= grid->viewport()->width() - 30,
             qPrintable(QStringLiteral("%1 < %2").arg(genutzt()).arg(grid->viewport()->width())));
}

void TestAusgewaehlteSpieler::currentRowIsReadableInEveryStyle()
{
    TempDataFolder ordner;
    MessageRecorder meldungen;
    Hauptflaeche haupt;
    QVERIFY(auswahlSchreiben(auswahldatei2(), {"Müller", "Meier", "Schulz"}));
    TForm3 form;
    form.oeffnen();
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    TFilterGrid* grid = form.FilterGrid1;
    grid->Grid().SetRow(2);
    const QStringList stile = appearance::StyleManager::styleNames();
    QVERIFY(stile.size() >= 35);
    int maroonGemalt = 0;
    for (const QString& stil : stile) {
        QVERIFY(appearance::StyleManager::setStyle(stil));
        QTest::qWait(10);
        const QImage bild = grid->viewport()->grab().toImage();
        const qreal dpr = bild.devicePixelRatio();
        for (int spalteNr : {0, 1}) {
            QRect zelle = grid->visualRect(grid->model()->index(2, spalteNr));
            zelle = QRect(zelle.topLeft() * dpr, zelle.size() * dpr);
            const double kontrast = gemaleneKontrast(bild, zelle);
            QVERIFY2(kontrast >= 4.5, qPrintable(QStringLiteral("%1, column %2: %3:1")
                                                     .arg(stil)
                                                     .arg(spalteNr)
                                                     .arg(kontrast, 0, 'f', 2)));
        }
        // Maroon stays wherever it is readable (the number cell on a light base); its glyphs'
        // soft edges never show the pure colour.
        const QRect nr = grid->visualRect(grid->model()->index(2, 0));
        for (int y = nr.top(); y < nr.bottom() && y < bild.height(); ++y)
            for (int x = nr.left(); x < nr.right(); ++x)
                if (const QColor c = bild.pixelColor(x, y);
                    c.red() - std::max(c.green(), c.blue()) > 80) {
                    ++maroonGemalt;
                    y = nr.bottom();
                    break;
                }
    }
    QVERIFY(maroonGemalt > 0);
    appearance::StyleManager::setStyle(QStringLiteral("Emerald Light Slate"));
}

void TestAusgewaehlteSpieler::openViewComesToRest()
{
    TempDataFolder ordner;
    MessageRecorder meldungen;
    Hauptflaeche haupt;
    QVERIFY(auswahlSchreiben(auswahldatei2(), spieler(24)));
    TForm3 form;
    form.oeffnen();
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    QTest::qWait(200);
    const int nachOeffnen = form.FilterGrid1->paintCount();
    QTest::qWait(300);
    QCOMPARE(form.FilterGrid1->paintCount(), nachOeffnen);
}

void TestAusgewaehlteSpieler::beendenClosesAndShowsPanel5()
{
    TempDataFolder ordner;
    MessageRecorder meldungen;
    Hauptflaeche haupt;
    haupt.panel5->hide();
    TForm3 form;
    form.oeffnen();
    QTest::mouseClick(requireChild<QPushButton>(&form, "Button2"), Qt::LeftButton);
    QVERIFY(!form.isVisible());
    QVERIFY(haupt.sichtbar());
}

QTEST_MAIN(TestAusgewaehlteSpieler)
#include "tst_ausgewaehltespieler.moc"

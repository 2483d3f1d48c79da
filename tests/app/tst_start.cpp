#include "app/hauptfenster.h"
#include "app/start.h"
#include "appearance/logic/lesbarkeit.h"
#include "appearance/ui/farbe.h"
#include "appearance/ui/stilverwaltung.h"
#include "backup/ui/datensicherung.h"
#include "common/testsupport.h"
#include "core/base/optionen.h"
#include "draw/logic/auswahldatei.h"
#include "draw/logic/ziehung.h"
#include "draw/ui/ergebnisfenster.h"
#include "grid/ui/filtergrid.h"
#include "platform/base/random.h"
#include "platform/ui/help.h"
#include "players/ui/adressen.h"
#include "players/ui/ausgewaehltespieler.h"
#include "players/ui/auswahldialog.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QImage>
#include <QListWidget>
#include <QMenuBar>
#include <QPushButton>
#include <QRegularExpression>
#include <QTabWidget>
#include <QTest>
#include <QTextBlock>
#include <QTextBrowser>
#include <QTextDocument>
#include <QTextFrame>
#include <QToolButton>
#include <QUrl>
#include <algorithm>

namespace
{

QToolButton* knopf(TForm1& form, const char* name)
{
    return requireChild<QToolButton>(&form, name);
}

// Counts the style changes the widgets are told of while it lives.
class Stilwechselzaehler : public QObject
{
public:
    Stilwechselzaehler() { qApp->installEventFilter(this); }
    ~Stilwechselzaehler() override { qApp->removeEventFilter(this); }
    int anzahl = 0;

protected:
    bool eventFilter(QObject* objekt, QEvent* ereignis) override
    {
        if (ereignis->type() == QEvent::StyleChange && objekt->isWidgetType())
            ++anzahl;
        return false;
    }
};

bool panel5Sichtbar(TForm1& form)
{
    auto* panel = form.findChild<QWidget*>(QStringLiteral("Panel5"));
    return panel && !panel->isHidden();
}

} // namespace

// The program as the start-up puts it together: every window created once and wired to the
// main window's commands.
class TestStart : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void commandsWithAWindowAreEnabled_data();
    void commandsWithAWindowAreEnabled();
    void toolBarButtonsOpenTheirWindows();
    void anwesendOpensTheSelectedPlayersView();
    void tablesCommandShowsTheStoredSeating();
    void storedStyleIsAppliedAtStart_data();
    void storedStyleIsAppliedAtStart();
    void drawnNumbersAreMirroredInListBox1();
    void beendenMakesTheAutomaticBackup();
    void helpNamesTheControlsByTheirCaptions();
    void commandsTheHelpDescribesAreEnabled();
    void helpWindowShowsThePictures();
    void helpIsLegibleInEveryStyle();
};

void TestStart::commandsWithAWindowAreEnabled_data()
{
    QTest::addColumn<QString>("button");
    QTest::addColumn<bool>("enabled");
    for (const char* name : {"SpeedButton1", "SpeedButton3", "SpeedButton12", "SpeedButton4",
                             "SpeedButton5", "SpeedButton2", "SpeedButton8", "SpeedButton6",
                             "SpeedButton7", "SpeedButton10", "SpeedButton11"})
        QTest::newRow(name) << QString::fromLatin1(name) << true;
}

void TestStart::commandsWithAWindowAreEnabled()
{
    QFETCH(QString, button);
    QFETCH(bool, enabled);
    TempDataFolder folder;
    MessageRecorder messages;
    optionen_lesen();
    const auto form = programmAufbauen();
    QCOMPARE(knopf(*form, button.toLatin1().constData())->isEnabled(), enabled);
}

void TestStart::toolBarButtonsOpenTheirWindows()
{
    TempDataFolder folder;
    MessageRecorder messages;
    optionen_lesen();
    const auto form = programmAufbauen();
    form->show();

    knopf(*form, "SpeedButton1")->click(); // Erfassen
    auto* adressen = form->findChild<TAdressen*>();
    QVERIFY(adressen && adressen->isVisible());
    QVERIFY(!panel5Sichtbar(*form));

    knopf(*form, "SpeedButton10")->click(); // Farben
    auto* farbe = form->findChild<TFarbe*>();
    QVERIFY(farbe && farbe->isVisible());

    knopf(*form, "SpeedButton3")->click(); // Auswahl
    auto* auswahl = form->findChild<TDualListDlg*>();
    QVERIFY(auswahl && auswahl->isVisible());
}

void TestStart::anwesendOpensTheSelectedPlayersView()
{
    TempDataFolder folder;
    MessageRecorder messages;
    optionen_lesen();
    QVERIFY(auswahlSchreiben(auswahldatei2(), {QStringLiteral("Anna"), QStringLiteral("Bert")}));
    const auto form = programmAufbauen();
    form->show();
    // The view is made when it is first asked for, and kept.
    QVERIFY(!form->findChild<TForm3*>());

    knopf(*form, "SpeedButton12")->click(); // Anwesend
    auto* ansicht = form->findChild<TForm3*>();
    QVERIFY(ansicht && ansicht->isVisible());
    QCOMPARE(&fensterVon<TForm3>(*form), ansicht);
    QVERIFY(!panel5Sichtbar(*form));
    const grid::FilterGridModel& g = ansicht->FilterGrid1->Grid();
    QCOMPARE(g.RowCount(), 3);
    QCOMPARE(g.Cells(1, 2).trimmed(), QStringLiteral("Bert"));
    ansicht->close();

    auto* menuePunkt = form->findChild<QAction*>(QStringLiteral("Spieler1"));
    QVERIFY(menuePunkt && menuePunkt->isEnabled());
    QVERIFY(auswahlSchreiben(auswahldatei2(), {QStringLiteral("Carl")}));
    menuePunkt->trigger(); // "Ausgewählte Spieler anzeigen"
    QVERIFY(ansicht->isVisible());
    QCOMPARE(g.RowCount(), 2);
    QCOMPARE(g.Cells(1, 1).trimmed(), QStringLiteral("Carl"));
    QVERIFY(!messages.texts().join(QLatin1Char('\n')).contains(kAuswahlDateiGewaehlt));
}

void TestStart::tablesCommandShowsTheStoredSeating()
{
    TempDataFolder folder;
    MessageRecorder messages;
    optionen_lesen();
    Optionen.Spielmodus = kEinzel;
    QVERIFY(auswahlSchreiben(auswahldatei2(), {QStringLiteral("Anna"), QStringLiteral("Bert"),
                                               QStringLiteral("Carl"), QStringLiteral("Dora")}));
    const auto form = programmAufbauen();
    platform::setRandSeed(7);
    const Ziehungsergebnis gezogen = personen_zuweisen(2);
    QVERIFY(gezogen.gespeichert);

    QStringList gezeigt;
    NonBlockingModals modals([&gezeigt](QDialog& fenster) {
        auto* ergebnis = qobject_cast<Ergebnisfenster*>(&fenster);
        QVERIFY(ergebnis);
        for (int tisch = 1; tisch <= 2; ++tisch)
            for (Platz platz : {Platz::ObenMitte, Platz::UntenMitte})
                gezeigt << ergebnis->namensLabel(tisch, platz)->text().trimmed();
        fenster.close();
    });
    knopf(*form, "SpeedButton4")->click(); // 2 Tische
    QCOMPARE(modals.shownCount(), 1);
    gezeigt.sort();
    QCOMPARE(gezeigt, (QStringList{QStringLiteral("Anna"), QStringLiteral("Bert"),
                                   QStringLiteral("Carl"), QStringLiteral("Dora")}));
    QVERIFY(!panel5Sichtbar(*form)); // closed by the title bar: stays hidden
}

void TestStart::storedStyleIsAppliedAtStart_data()
{
    QTest::addColumn<QByteArray>("stored");
    QTest::addColumn<QString>("active");
    QTest::newRow("no style file") << QByteArray() << QStringLiteral("Windows");
    QTest::newRow("Carbon") << QByteArray("Carbon") << QStringLiteral("Carbon");
    QTest::newRow("unknown keeps the start style")
        << QByteArray("Purpur Nacht") << QStringLiteral("Emerald Light Slate");
}

void TestStart::storedStyleIsAppliedAtStart()
{
    QFETCH(QByteArray, stored);
    QFETCH(QString, active);
    TempDataFolder folder;
    MessageRecorder messages;
    if (!stored.isEmpty())
        QVERIFY(writeFileBytes(folder.file(QStringLiteral("Styledat.txt")), stored));
    optionen_lesen();
    Stilwechselzaehler stilwechsel;
    const auto form = programmAufbauen();
    QCOMPARE(appearance::StyleManager::activeStyleName(), active);
    const int reported =
        messages.texts().count(QStringLiteral("Stil '%1' nicht gefunden").arg(QString(stored)));
    QCOMPARE(reported, active == QStringLiteral("Emerald Light Slate") ? 1 : 0);
    // The style is in force before the windows are built: none of them is restyled.
    QCOMPARE(stilwechsel.anzahl, 0);
}

void TestStart::drawnNumbersAreMirroredInListBox1()
{
    TempDataFolder folder;
    MessageRecorder messages;
    optionen_lesen();
    Optionen.Spielmodus = kDoppel;
    QVERIFY(auswahlSchreiben(auswahldatei2(),
                             {QStringLiteral("A"), QStringLiteral("B"), QStringLiteral("C"),
                              QStringLiteral("D"), QStringLiteral("E")}));
    const auto form = programmAufbauen();
    const Ziehungsergebnis gezogen = personen_zuweisen(2);
    QCOMPARE(gezogen.nummern.size(), 5);
    QCOMPARE(form->ListBox1->count(), 5);
    for (int i = 0; i < 5; ++i)
        QCOMPARE(form->ListBox1->item(i)->text(), QString::number(gezogen.nummern[i]));
    QVERIFY(form->ListBox1->isHidden());
}

void TestStart::beendenMakesTheAutomaticBackup()
{
    TempDataFolder folder;
    MessageRecorder messages;
    QTemporaryDir ziel;
    optionen_lesen();
    Optionen.AutoSicherung = 1;
    Optionen.SicherungsPfad.set(ziel.path());
    QVERIFY(optionen_speichern());
    const auto form = programmAufbauen();
    form->show();
    knopf(*form, "SpeedButton11")->click(); // Beenden

    QStringList gesichert;
    QDirIterator it(ziel.path(), {QStringLiteral("Zorbeln.opt")}, QDir::Files,
                    QDirIterator::Subdirectories);
    while (it.hasNext())
        gesichert << it.next();
    QCOMPARE(gesichert.size(), 1);
    QCOMPARE(readFileBytes(gesichert.first()), readFileBytes(optionenDatei()));
    QVERIFY(!form->isVisible());
}

namespace
{

QString hilfeQuelle()
{
    QFile hilfe(QStringLiteral(ZORBEL_HILFE_QUELLE));
    if (!hilfe.open(QIODevice::ReadOnly))
        qFatal("help file missing: %s", ZORBEL_HILFE_QUELLE);
    return QString::fromUtf8(hilfe.readAll());
}

// Every caption a user can see on the buttons, radio buttons and menu items of the open windows.
QStringList sichtbareBeschriftungen()
{
    QStringList texte;
    for (QWidget* fenster : QApplication::topLevelWidgets()) {
        for (const QAbstractButton* b : fenster->findChildren<QAbstractButton*>())
            texte << b->text().remove(QLatin1Char('&')).trimmed();
        for (const QAction* a : fenster->findChildren<QAction*>())
            texte << a->text().remove(QLatin1Char('&')).trimmed();
    }
    return texte;
}

// The captions the help names in italics, as the windows show them.
QStringList kursivGenannt(const QString& html)
{
    QStringList namen;
    const QRegularExpression kursiv(QStringLiteral("<i>([^<]+)</i>"));
    for (auto treffer = kursiv.globalMatch(html); treffer.hasNext();) {
        QString name = treffer.next().captured(1);
        name.replace(QStringLiteral("&gt;"), QStringLiteral(">"))
            .replace(QStringLiteral("&lt;"), QStringLiteral("<"))
            .replace(QStringLiteral("&amp;"), QStringLiteral("&"));
        namen << name;
    }
    return namen;
}

} // namespace

// The help names buttons in italics; each must be a caption the windows really show (a caption
// may go on with " >>").
void TestStart::helpNamesTheControlsByTheirCaptions()
{
    const QString html = hilfeQuelle();
    for (int kontext : {150, 1050})
        QVERIFY(html.contains(QStringLiteral("<a name=\"kontext%1\">").arg(kontext)));

    TempDataFolder folder;
    MessageRecorder messages;
    optionen_lesen();
    const auto form = programmAufbauen();
    form->show();
    // Every window, also those made only when first needed.
    fensterVon<TAdressen>(*form);
    fensterVon<TDualListDlg>(*form);
    fensterVon<TForm3>(*form);
    fensterVon<TFarbe>(*form);
    fensterVon<TDatensicherung>(*form);
    ergebnisfensterAnlegen(form.get());
    QStringList beschriftungen = sichtbareBeschriftungen();
    NonBlockingModals modals([&beschriftungen](QDialog& fenster) {
        beschriftungen << sichtbareBeschriftungen();
        if (auto* ergebnis = qobject_cast<Ergebnisfenster*>(&fenster))
            requireChild<QPushButton>(ergebnis, "druckenButton")->click();
        if (auto* seiten = fenster.findChild<QTabWidget*>(QStringLiteral("PageControl1"))) {
            for (int seite = 0; seite < seiten->count(); ++seite) {
                seiten->setCurrentIndex(seite);
                beschriftungen << sichtbareBeschriftungen();
            }
        }
        fenster.close();
    });
    knopf(*form, "SpeedButton7")->click(); // Backup
    QCOMPARE(modals.shownCount(), 1);
    knopf(*form, "SpeedButton4")->click(); // 2 Tische, and from there its print window
    QCOMPARE(modals.shownCount(), 3);

    const QStringList genannt = kursivGenannt(html);
    for (const QString& name : genannt) {
        const bool gibtEs = std::any_of(
            beschriftungen.cbegin(), beschriftungen.cend(), [&name](const QString& text) {
                return text == name || text.startsWith(name + QStringLiteral(" >>"));
            });
        QVERIFY2(gibtEs, qPrintable(QStringLiteral("Die Hilfe nennt \"%1\"").arg(name)));
    }
    QVERIFY(genannt.size() > 10);
}

// No command of the main window that the help describes is left disabled: each tool-bar button
// and menu item carrying a caption the help names can be used right after the start.
void TestStart::commandsTheHelpDescribesAreEnabled()
{
    const QStringList genannt = kursivGenannt(hilfeQuelle());
    TempDataFolder folder;
    MessageRecorder messages;
    optionen_lesen();
    const auto form = programmAufbauen();
    form->show();

    QList<QPair<QString, bool>> befehle; // caption, enabled
    for (const QToolButton* b :
         requireChild<QWidget>(form.get(), "Panel1")->findChildren<QToolButton*>())
        befehle.append({b->text().trimmed(), b->isEnabled()});
    for (const QAction* a : form->menuBar()->findChildren<QAction*>())
        if (!a->isSeparator())
            befehle.append({a->text().remove(QLatin1Char('&')).trimmed(), a->isEnabled()});
    QVERIFY(befehle.size() > 25);

    QSet<QString> beschrieben;
    for (const auto& [text, frei] : befehle) {
        if (!genannt.contains(text))
            continue;
        beschrieben.insert(text);
        QVERIFY2(frei, qPrintable(QStringLiteral("Die Hilfe beschreibt \"%1\"").arg(text)));
    }
    // The menu's own commands are all among them.
    for (const char* befehl :
         {"Erfassen", "Auswahl", "2 Tische", "6 Tische", "Beenden", "Drucken",
          "Erfasste Spieler drucken", "Update", "Auf verfügbare Update prüfen", "Weitere Programme",
          "Website besuchen", "Hilfe", "Ausgewählte Spieler anzeigen"})
        QVERIFY2(beschrieben.contains(QString::fromUtf8(befehl)), befehl);
}

// The pictures lie beside the help file and the help window finds them by their relative names;
// they stay small enough for the window on a small screen.
void TestStart::helpWindowShowsThePictures()
{
    const QString html = hilfeQuelle();
    const QRegularExpression bildQuelle(QStringLiteral("<img src=\"([^\"]+)\""));
    QStringList bilder;
    for (auto treffer = bildQuelle.globalMatch(html); treffer.hasNext();)
        bilder << treffer.next().captured(1);
    QVERIFY(bilder.size() >= 3);

    QVERIFY(platform::showHelp(QStringLiteral(ZORBEL_HILFE_QUELLE), 1050));
    QTextBrowser* browser = nullptr;
    for (QWidget* fenster : QApplication::topLevelWidgets())
        if (auto* b = fenster->findChild<QTextBrowser*>(QStringLiteral("HilfeText")))
            browser = b;
    QVERIFY(browser);
    for (const QString& name : bilder) {
        QVERIFY2(!QDir::isAbsolutePath(name), qPrintable(name));
        const QVariant geladen = browser->loadResource(QTextDocument::ImageResource, QUrl(name));
        QImage bild = geladen.value<QImage>();
        if (bild.isNull())
            bild = QImage::fromData(geladen.toByteArray());
        QVERIFY2(!bild.isNull(), qPrintable(name));
        QVERIFY2(bild.width() <= 600, qPrintable(name));
    }
    platform::closeHelp();
}

// The help page brings its own background with its own text colours, so a dark style (whose
// text fields are dark) leaves every line of it readable.
void TestStart::helpIsLegibleInEveryStyle()
{
    QTextDocument seite;
    seite.setHtml(hilfeQuelle());
    const QBrush seitenfarbe = seite.rootFrame()->frameFormat().background();
    QCOMPARE(seitenfarbe.style(), Qt::SolidPattern);
    int stuecke = 0;
    for (QTextBlock block = seite.begin(); block.isValid(); block = block.next()) {
        for (auto it = block.begin(); !it.atEnd(); ++it, ++stuecke) {
            const QTextFragment stueck = it.fragment();
            const QTextCharFormat format = stueck.charFormat();
            if (stueck.text().trimmed().isEmpty() || format.isImageFormat())
                continue; // a blank between two marked words, a picture: no text colour
            QVERIFY2(format.foreground().style() != Qt::NoBrush, qPrintable(stueck.text()));
            QColor grund = seitenfarbe.color();
            if (block.blockFormat().background().style() != Qt::NoBrush)
                grund = block.blockFormat().background().color();
            if (format.background().style() != Qt::NoBrush)
                grund = format.background().color();
            QVERIFY2(appearance::contrastRatio(format.foreground().color(), grund) >=
                         appearance::kMinimumContrast,
                     qPrintable(stueck.text()));
        }
    }
    QVERIFY(stuecke > 50);
}

int main(int argc, char** argv)
{
    // The default backup folder lies in the home folder: never the real one in a test.
    QTemporaryDir home;
    qputenv("HOME", QFile::encodeName(home.path()));
    QApplication app(argc, argv);
    TestStart test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_start.moc"

// The five result windows, driven as a user would: opened from the main window's command,
// their buttons clicked, their labels read.
#include "common/testsupport.h"
#include "core/base/optionen.h"
#include "core/base/programm.h"
#include "core/ui/hauptfensterdienste.h"
#include "draw/logic/auswahldatei.h"
#include "draw/logic/pool.h"
#include "draw/logic/ziehung.h"
#include "draw/ui/ergebnisfenster.h"
#include "draw/ui/tischbild.h"
#include "platform/base/random.h"
#include "printing/logic/seitenaufnahme.h"
#include "printing/logic/tischseite.h"
#include "printing/ui/drucker.h"
#include "printing/ui/nicepreview.h"
#include "printing/ui/tischdruckfenster.h"

#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QFrame>
#include <QGuiApplication>
#include <QPrinter>
#include <QPushButton>
#include <QRegularExpression>
#include <QScreen>
#include <QStandardPaths>
#include <QTest>
#include <cmath>
#include <memory>

namespace
{

std::unique_ptr<Ergebnisfenster> fensterFuer(int tische)
{
    switch (tische) {
    case 2:
        return std::make_unique<TForm8>();
    case 3:
        return std::make_unique<TForm7>();
    case 4:
        return std::make_unique<TForm5>();
    case 5:
        return std::make_unique<TForm55>();
    default:
        return std::make_unique<TForm66>();
    }
}

void auswahlVon(const QStringList& namen)
{
    QVERIFY(auswahlSchreiben(auswahldatei2(), namen));
}

QStringList spieler(int n, int laenge = 0)
{
    QStringList namen;
    for (int i = 1; i <= n; ++i) {
        QString name = QStringLiteral("Spieler %1 ").arg(i);
        while (name.size() < laenge)
            name += QChar(QLatin1Char('a' + (name.size() % 26)));
        namen << name.trimmed();
    }
    return namen;
}

void vorbereiten(std::int32_t spielmodus)
{
    optionenStandardwerte(Optionen);
    Optionen.Spielmodus = spielmodus;
    Auswahlanzahl = Poolanzahl = 0;
    for (const Tischanzahl t : kTischanzahlen)
        tischRecordLeeren(t);
}

QPushButton* knopf(QWidget& fenster, const char* name)
{
    return fenster.findChild<QPushButton*>(QString::fromLatin1(name));
}

QString text(QWidget& fenster, const char* label)
{
    auto* l = fenster.findChild<QLabel*>(QString::fromLatin1(label));
    return l ? l->text() : QStringLiteral("<missing %1>").arg(QLatin1String(label));
}

// Records whether the main window's Panel5 is shown.
class Panel5Spion
{
public:
    Panel5Spion()
    {
        hauptfensterDiensteSetzen({[this](bool sichtbar) { zustand = sichtbar ? 1 : 0; }, {}, {}});
    }
    ~Panel5Spion() { hauptfensterDiensteSetzen({}); }
    int zustand = -1; // -1 untouched, 0 hidden, 1 shown
};

} // namespace

class TestErgebnisfenster : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void initTestCase() { setTischdruck(tischbelegungDrucken); }
    void everyControlOfTheDesign_data();
    void everyControlOfTheDesign();
    void fillsTheWorkAreaWithButtonsByTheFormula_data();
    void fillsTheWorkAreaWithButtonsByTheFormula();
    void doublesDrawShowsCornerNamesAndEnablesDelete();
    void singlesDrawShowsCentreNamesAndDisablesDelete();
    void deleteNamesFollowsTheTableCount_data();
    void deleteNamesFollowsTheTableCount();
    void deleteThatFailsKeepsTheNames();
    void reshuffleChangesLabelsAndFileTogether();
    void missingTableFileOpensWithEmptyPlaces();
    void otherTableCountsHaveNoWindow();
    void closeBoxLeavesPanel5HiddenWhileBeendenShowsIt();
    void drawFromTheSelectionDialogReachesTheWindow();
    void namesStayReadable_data();
    void namesStayReadable();
    void namesThatFitAreNeverCut();
    void picturesGrowWithTheWorkArea_data();
    void picturesGrowWithTheWorkArea();
    void escapeLeavesTheWindowOpen_data();
    void escapeLeavesTheWindowOpen();
    void redrawWithoutSelectionKeepsTheStoredSeating();
    void commandsStandRightOfTheButtons_data();
    void commandsStandRightOfTheButtons();
    void largeDisplayShowsWholeLargeNames_data();
    void largeDisplayShowsWholeLargeNames();
    void printCommandShowsThePageAndWritesIt_data();
    void printCommandShowsThePageAndWritesIt();
};

void TestErgebnisfenster::everyControlOfTheDesign_data()
{
    QTest::addColumn<int>("tische");
    QTest::addColumn<QString>("titel");
    QTest::addColumn<QString>("panels");   // panel:picture pairs
    QTest::addColumn<QString>("labels");   // name labels, table by table TL TC TR BL BC BR
    QTest::addColumn<QString>("captions"); // caption labels
    QTest::newRow("TForm8")
        << 2 << "Spieler für 2 Tische auswählen"
        << "Panel3:Image1 Panel4:Image2"
        << "Label1 Label11 Label2 Label3 Label12 Label4 Label5 Label13 Label6 Label7 Label14 Label8"
        << "Label9 Label10";
    QTest::newRow("TForm7")
        << 3 << "Spieler für 3 Tische auswählen"
        << "Panel8:Image4 Panel9:Image5 Panel12:Image9"
        << "Label19 Label1 Label18 Label20 Label2 Label17 Label16 Label3 Label15 Label14 Label4 "
           "Label13 Label31 Label5 Label32 Label33 Label6 Label34"
        << "Label11 Label12 Label35";
    QTest::newRow("TForm5")
        << 4 << "Spieler für 4 Tische auswählen"
        << "Panel11:Image7 Panel10:Image1 Panel13:Image10 Panel14:Image11"
        << "Label22 Label1 Label23 Label21 Label2 Label24 Label25 Label3 Label26 Label27 Label4 "
           "Label28 Label44 Label5 Label43 Label45 Label6 Label42 Label41 Label7 Label40 Label39 "
           "Label8 Label38"
        << "";
    const QString fuenf = QStringLiteral("Label22 Label1 Label23 Label21 Label2 Label24 Label25 "
                                         "Label3 Label26 Label27 Label4 Label28 Label44 "
                                         "Label5 Label43 Label45 Label6 Label42 Label41 Label7 "
                                         "Label40 Label39 Label8 Label38 Label12 Label14 "
                                         "Label11 Label13 Label15 Label10");
    QTest::newRow("TForm55")
        << 5 << "Spieler für 5 Tische auswählen"
        << "Panel11:Image7 Panel10:Image6 Panel13:Image10 Panel14:Image11 Panel2:Image1" << fuenf
        << "Label30 Label29 Label37 Label36 Label9";
    QTest::newRow("TForm66") << 6 << "Spieler für 6 Tische auswählen"
                             << "Panel11:Image7 Panel10:Image6 Panel13:Image10 Panel14:Image11 "
                                "Panel2:Image1 Panel3:Image2"
                             << fuenf + QStringLiteral(
                                            " Label20 Label31 Label19 Label18 Label32 Label17")
                             << "Label30 Label29 Label37 Label36 Label9 Label16";
}

void TestErgebnisfenster::everyControlOfTheDesign()
{
    QFETCH(int, tische);
    QFETCH(QString, titel);
    QFETCH(QString, panels);
    QFETCH(QString, labels);
    QFETCH(QString, captions);
    auto fenster = fensterFuer(tische);
    QCOMPARE(fenster->windowTitle(), titel);
    QCOMPARE(fenster->tische().zahl(), tische);
    fenster->show();
    fenster->resize(1100, 700); // the design's size: smaller work areas shrink the pictures

    const QStringList paare = panels.split(QLatin1Char(' '));
    QCOMPARE(paare.size(), tische);
    for (const QString& paar : paare) {
        auto* panel = fenster->findChild<QFrame*>(paar.section(QLatin1Char(':'), 0, 0));
        QVERIFY2(panel, qPrintable(paar));
        QCOMPARE(panel->size(), QSize(300, 180));
        auto* bild = panel->findChild<QWidget*>(paar.section(QLatin1Char(':'), 1, 1));
        QVERIFY2(bild, qPrintable(paar));
        QCOMPARE(bild->geometry(), QRect(0, 0, 300, 180));
        QVERIFY(!bild->accessibleName().isEmpty());
    }
    const QStringList namen = labels.split(QLatin1Char(' '));
    QCOMPARE(namen.size(), 6 * tische);
    for (int i = 0; i < namen.size(); ++i)
        QCOMPARE(fenster->namensLabel(i / 6 + 1, Platz(i % 6))->objectName(), namen.at(i));
    const QStringList titelLabels = captions.split(QLatin1Char(' '), Qt::SkipEmptyParts);
    for (int i = 0; i < titelLabels.size(); ++i)
        QCOMPARE(text(*fenster, qPrintable(titelLabels.at(i))),
                 QStringLiteral("Tisch %1").arg(i + 1));
    if (tische == 4)
        QVERIFY(fenster->findChild<QFrame*>(QStringLiteral("Panel2")));

    QCOMPARE(knopf(*fenster, "Button1")->text(), QStringLiteral("Beenden"));
    QCOMPARE(knopf(*fenster, "Button2")->text(), QStringLiteral("Spieler neu mischen."));
    QCOMPARE(knopf(*fenster, "Button3")->text(), QStringLiteral("Namen löschen"));
    for (QWidget* w : fenster->findChildren<QWidget*>())
        QVERIFY2(!w->accessibleName().isEmpty(), qPrintable(w->objectName()));
}

void TestErgebnisfenster::fillsTheWorkAreaWithButtonsByTheFormula_data()
{
    QTest::addColumn<int>("tische");
    QTest::addColumn<int>("leiste");
    QTest::newRow("2") << 2 << 45;
    QTest::newRow("3") << 3 << 45;
    QTest::newRow("4") << 4 << 50;
    QTest::newRow("5") << 5 << 45;
    QTest::newRow("6") << 6 << 45;
}

void TestErgebnisfenster::fillsTheWorkAreaWithButtonsByTheFormula()
{
    QFETCH(int, tische);
    QFETCH(int, leiste);
    auto fenster = fensterFuer(tische);
    QCOMPARE(fenster->geometry(), QGuiApplication::primaryScreen()->availableGeometry());
    fenster->show();
    for (const QSize groesse : {QSize(1366, 728), QSize(1920, 1040)}) {
        fenster->resize(groesse);
        QCOMPARE(fenster->size(), groesse);
        auto* b1 = knopf(*fenster, "Button1");
        auto* b2 = knopf(*fenster, "Button2");
        auto* b3 = knopf(*fenster, "Button3");
        const int w = b1->width();
        QVERIFY(w >= 110);
        QCOMPARE(b2->width(), w);
        QCOMPARE(b3->width(), w);
        const int c = groesse.width() / 2;
        QCOMPARE(b1->x(), c - int(std::trunc(1.5 * w)) - 15);
        QCOMPARE(b2->x(), c - w / 2 - 10);
        QCOMPARE(b3->x(), c + w / 2 - 5);
        QVERIFY(b1->geometry().right() < b2->x() && b2->geometry().right() < b3->x());
        QVERIFY(b1->fontMetrics().horizontalAdvance(b2->text()) < w); // the caption fits
        auto* bar = b1->parentWidget();
        QCOMPARE(bar->geometry(), QRect(0, groesse.height() - leiste, groesse.width(), leiste));
    }
}

void TestErgebnisfenster::doublesDrawShowsCornerNamesAndEnablesDelete()
{
    TempDataFolder folder;
    MessageRecorder messages;
    NonBlockingModals modals;
    vorbereiten(kDoppel);
    auswahlVon(spieler(8));
    personen_zuweisen2t();
    TForm8 fenster;
    knopf(fenster, "Button3")->setEnabled(false);

    fenster.zeigen();
    QCOMPARE(modals.shownCount(), 1);
    QStringList gezeigt;
    for (const char* l :
         {"Label1", "Label2", "Label3", "Label4", "Label5", "Label6", "Label7", "Label8"})
        gezeigt << text(fenster, l).trimmed();
    gezeigt.sort();
    QStringList erwartet = spieler(8);
    erwartet.sort();
    QCOMPARE(gezeigt, erwartet);
    for (const char* l : {"Label11", "Label12", "Label13", "Label14"})
        QCOMPARE(text(fenster, l), QString());
    QVERIFY(knopf(fenster, "Button3")->isEnabled());
}

void TestErgebnisfenster::singlesDrawShowsCentreNamesAndDisablesDelete()
{
    TempDataFolder folder;
    MessageRecorder messages;
    NonBlockingModals modals;
    vorbereiten(kEinzel);
    auswahlVon(spieler(4));
    TForm8 fenster;
    personen_zuweisen2t();
    QVERIFY(knopf(fenster, "Button3")->isEnabled()); // the draw enables it

    fenster.zeigen();
    QStringList gezeigt;
    for (const char* l : {"Label11", "Label12", "Label13", "Label14"})
        gezeigt << text(fenster, l).trimmed();
    gezeigt.sort();
    QCOMPARE(gezeigt, spieler(4));
    QCOMPARE(text(fenster, "Label1"), QString());
    QVERIFY(!knopf(fenster, "Button3")->isEnabled());
}

void TestErgebnisfenster::deleteNamesFollowsTheTableCount_data()
{
    QTest::addColumn<int>("tische");
    QTest::addColumn<bool>("bleibtAn");
    QTest::newRow("2 tables") << 2 << false;
    QTest::newRow("3 tables") << 3 << false;
    QTest::newRow("4 tables") << 4 << false;
    QTest::newRow("5 tables") << 5 << true;
    QTest::newRow("6 tables") << 6 << true;
}

void TestErgebnisfenster::deleteNamesFollowsTheTableCount()
{
    QFETCH(int, tische);
    QFETCH(bool, bleibtAn);
    TempDataFolder folder;
    MessageRecorder messages;
    NonBlockingModals modals;
    vorbereiten(kDoppel);
    auswahlVon(spieler(4 * tische));
    personen_zuweisen(tische);
    auto fenster = fensterFuer(tische);
    fenster->zeigen();
    QVERIFY(!fenster->angezeigteBelegung().istLeer());
    const QString datei = tischdateiPfad(Tischanzahl::aus(tische).value());
    QVERIFY(QFile::exists(datei));

    QTest::mouseClick(knopf(*fenster, "Button3"), Qt::LeftButton);
    QVERIFY(!QFile::exists(datei));
    QVERIFY(fenster->angezeigteBelegung().istLeer());
    QCOMPARE(knopf(*fenster, "Button3")->isEnabled(), bleibtAn);
    if (bleibtAn) { // pressing again deletes nothing and says nothing
        QTest::mouseClick(knopf(*fenster, "Button3"), Qt::LeftButton);
        QVERIFY(fenster->angezeigteBelegung().istLeer());
    }
    QVERIFY(messages.texts().isEmpty());
}

void TestErgebnisfenster::deleteThatFailsKeepsTheNames()
{
    TempDataFolder folder;
    MessageRecorder messages;
    NonBlockingModals modals;
    vorbereiten(kDoppel);
    auswahlVon(spieler(8));
    personen_zuweisen2t();
    auto fenster = fensterFuer(2);
    fenster->zeigen();
    const Tischbelegung gezeigt = fenster->angezeigteBelegung();
    QVERIFY(!gezeigt.istLeer());
    // The stored seating cannot be removed (a folder stands in the file's place).
    QVERIFY(QFile::remove(tischdateiPfad(2)));
    QVERIFY(QDir().mkpath(tischdateiPfad(2) + QStringLiteral("/inhalt")));

    QTest::mouseClick(knopf(*fenster, "Button3"), Qt::LeftButton);
    QCOMPARE(messages.texts().size(), 1);
    QVERIFY(messages.lastText().contains(QStringLiteral("konnte nicht gelöscht werden")));
    QCOMPARE(fenster->angezeigteBelegung(), gezeigt);
    QVERIFY(knopf(*fenster, "Button3")->isEnabled());
}

void TestErgebnisfenster::reshuffleChangesLabelsAndFileTogether()
{
    TempDataFolder folder;
    MessageRecorder messages;
    NonBlockingModals modals;
    vorbereiten(kDoppel);
    platform::setRandSeed(77);
    auswahlVon(spieler(24));
    personen_zuweisen6t();
    TForm66 fenster;
    fenster.zeigen();
    const Tischbelegung vorher = fenster.angezeigteBelegung();
    const QByteArray dateiVorher = readFileBytes(tischdateiPfad(6));

    QTest::mouseClick(knopf(fenster, "Button2"), Qt::LeftButton);
    const Tischbelegung nachher = fenster.angezeigteBelegung();
    QVERIFY(!(nachher == vorher));
    QVERIFY(readFileBytes(tischdateiPfad(6)) != dateiVorher);
    tischRecordLeeren(6);
    QCOMPARE(tischLesen(6).value, nachher);
    QVERIFY(fenster.isVisible()); // the window stays open
    QCOMPARE(fenster.result(), 0);
}

void TestErgebnisfenster::missingTableFileOpensWithEmptyPlaces()
{
    TempDataFolder folder;
    MessageRecorder messages;
    NonBlockingModals modals;
    vorbereiten(kDoppel);
    auswahlVon(spieler(12));
    TForm7 fenster;
    personen_zuweisen3t();
    QVERIFY(!fenster.angezeigteBelegung().istLeer());
    QVERIFY(QFile::remove(tischdateiPfad(3)));

    fenster.zeigen();
    QVERIFY(fenster.angezeigteBelegung().istLeer());
    QVERIFY(!knopf(fenster, "Button3")->isEnabled());
    QVERIFY(messages.texts().isEmpty());
}

// Only 2 ... 6 tables have a window: "N Tische" with any other number shows nothing.
void TestErgebnisfenster::otherTableCountsHaveNoWindow()
{
    TempDataFolder folder;
    MessageRecorder messages;
    NonBlockingModals modals;
    QWidget eltern;
    ergebnisfensterAnlegen(&eltern);
    for (int tische : {-1, 0, 1, 7, 8}) {
        QVERIFY(!ergebnisfenster(tische));
        tischeAnzeigen(tische);
    }
    QCOMPARE(modals.shownCount(), 0);
    for (const Tischanzahl t : kTischanzahlen)
        QCOMPARE(ergebnisfenster(t.zahl())->tische(), t);
    tischeAnzeigen(4);
    QCOMPARE(modals.shownCount(), 1);
    QVERIFY(ergebnisfenster(4)->isVisible());
}

void TestErgebnisfenster::closeBoxLeavesPanel5HiddenWhileBeendenShowsIt()
{
    TempDataFolder folder;
    NonBlockingModals modals;
    Panel5Spion panel5;
    TForm55 fenster;

    fenster.zeigen();
    QCOMPARE(panel5.zustand, 0);
    QVERIFY(fenster.isVisible());
    fenster.close(); // the title-bar close box
    QVERIFY(!fenster.isVisible());
    QCOMPARE(panel5.zustand, 0);

    fenster.zeigen();
    QTest::mouseClick(knopf(fenster, "Button1"), Qt::LeftButton);
    QVERIFY(!fenster.isVisible());
    QCOMPARE(panel5.zustand, 1);
}

void TestErgebnisfenster::drawFromTheSelectionDialogReachesTheWindow()
{
    TempDataFolder folder;
    MessageRecorder messages;
    vorbereiten(kEinzel);
    auswahlVon(spieler(10));
    TForm5 fenster;
    knopf(fenster, "Button3")->setEnabled(false);
    const Ziehungsergebnis ergebnis = personen_zuweisen4t();
    QCOMPARE(fenster.angezeigteBelegung(), ergebnis.belegung);
    QVERIFY(knopf(fenster, "Button3")->isEnabled());
    QVERIFY(!fenster.namensLabel(4, Platz::ObenMitte)->text().isEmpty());
    // The other windows keep what they show.
    TForm8 zwei;
    QVERIFY(zwei.angezeigteBelegung().istLeer());
}

void TestErgebnisfenster::namesStayReadable_data()
{
    QTest::addColumn<int>("tische");
    QTest::addColumn<int>("spielmodus");
    QTest::addColumn<QSize>("groesse");
    // 1024 x 560 and 1024 x 600: the work area of a 1024 x 600 screen with and without a panel.
    for (const QSize g : {QSize(1366, 728), QSize(1920, 1040), QSize(1100, 700), QSize(2560, 1400),
                          QSize(1024, 600), QSize(1024, 560)}) {
        const QByteArray s = QByteArray::number(g.width()) + "x" + QByteArray::number(g.height());
        for (int t = kMinTische; t <= kMaxTische; ++t) {
            QTest::addRow("%d tables doubles %s", t, s.constData()) << t << 1 << g;
            QTest::addRow("%d tables singles %s", t, s.constData()) << t << 0 << g;
        }
        QTest::addRow("2 tables, doubles, one against two %s", s.constData()) << 2 << 2 << g;
    }
}

void TestErgebnisfenster::namesStayReadable()
{
    QFETCH(int, tische);
    QFETCH(int, spielmodus);
    QFETCH(QSize, groesse);
    TempDataFolder folder;
    MessageRecorder messages;
    // Mode 2 in this table stands for doubles with 3 players at the last table.
    vorbereiten(spielmodus == 2 ? kDoppel : spielmodus);
    const int anzahl = spielmodus == 2 ? 7 : (spielmodus == kDoppel ? 4 : 2) * tische;
    auto fenster = fensterFuer(tische);
    fenster->show();
    fenster->resize(groesse);
    QCOMPARE(fenster->size(), groesse);
    auswahlVon(spieler(anzahl, 50)); // every name 50 characters long
    personen_zuweisen(tische);

    const QRect innen = fenster->rect();
    QList<QRect> belegt; // panels, name plates and caption labels in window coordinates
    QList<QString> wer;
    for (QFrame* panel :
         fenster->findChildren<QFrame*>(QRegularExpression(QStringLiteral("^Panel\\d+$")))) {
        if (panel->findChildren<QWidget*>().size() != 1) // the container and the bar
            continue;
        belegt << QRect(panel->mapTo(fenster.get(), QPoint(0, 0)), panel->size());
        wer << panel->objectName();
    }
    QCOMPARE(belegt.size(), tische);
    int gezeigteNamen = 0;
    for (int t = 1; t <= tische; ++t) {
        for (int p = 0; p < kPlaetzeJeTisch; ++p) {
            auto* label = static_cast<NamensLabel*>(fenster->namensLabel(t, Platz(p)));
            if (label->text().isEmpty()) {
                QVERIFY(label->isHidden());
                continue;
            }
            ++gezeigteNamen;
            const QString sichtbar = label->sichtbarerText();
            QVERIFY2(sichtbar == label->text().trimmed() ||
                         (sichtbar.endsWith(QChar(0x2026)) && sichtbar.size() > 8),
                     qPrintable(sichtbar));
            QVERIFY(label->height() >= label->fontMetrics().height());
            belegt << QRect(label->mapTo(fenster.get(), QPoint(0, 0)), label->size());
            wer << label->objectName();
        }
    }
    QCOMPARE(gezeigteNamen, spielmodus == 2 ? 7 : anzahl);
    for (QLabel* titel : fenster->findChildren<QLabel*>()) {
        if (titel->text().startsWith(QStringLiteral("Tisch "))) {
            belegt << QRect(titel->mapTo(fenster.get(), QPoint(0, 0)), titel->size());
            wer << titel->objectName();
        }
    }
    const int leiste = knopf(*fenster, "Button1")->parentWidget()->y();
    for (int i = 0; i < belegt.size(); ++i) {
        QVERIFY2(innen.contains(belegt.at(i)) && belegt.at(i).bottom() < leiste,
                 qPrintable(wer.at(i)));
        for (int j = i + 1; j < belegt.size(); ++j)
            QVERIFY2(!belegt.at(i).intersects(belegt.at(j)),
                     qPrintable(wer.at(i) + QStringLiteral(" overlaps ") + wer.at(j)));
    }
}

void TestErgebnisfenster::namesThatFitAreNeverCut()
{
    TempDataFolder folder;
    MessageRecorder messages;
    vorbereiten(kDoppel);
    TForm66 fenster;
    fenster.show();
    fenster.resize(1366, 728);
    auswahlVon({QStringLiteral("Uwe Schröder"), QStringLiteral("Jan Wojcik"),
                QStringLiteral("Anna Schulze"), QStringLiteral("Dieter Krause"),
                QStringLiteral("Hans-Jürgen Lehmann"), QStringLiteral("Ines Koç"),
                QStringLiteral("Carla Wagner-Hoffmann"), QStringLiteral("Sven Hartmann")});
    for (int runde = 0; runde < 5; ++runde) {
        personen_zuweisen6t();
        for (QLabel* l : fenster.findChildren<QLabel*>()) {
            auto* name = qobject_cast<NamensLabel*>(l);
            if (name && !name->text().isEmpty())
                QCOMPARE(name->sichtbarerText(), name->text().trimmed());
        }
    }
}

void TestErgebnisfenster::picturesGrowWithTheWorkArea_data()
{
    QTest::addColumn<int>("tische");
    QTest::addColumn<QSize>("groesse");
    QTest::addColumn<int>("mindestBreite"); // of every table picture
    QTest::addColumn<int>("hoechstBreite");
    QTest::newRow("2 tables, design size") << 2 << QSize(1100, 700) << 300 << 300;
    QTest::newRow("6 tables, design size") << 6 << QSize(1100, 700) << 300 << 300;
    QTest::newRow("2 tables, 1920 x 1040") << 2 << QSize(1920, 1040) << 420 << 480;
    QTest::newRow("4 tables, 1920 x 1040") << 4 << QSize(1920, 1040) << 420 << 480;
    QTest::newRow("6 tables, 1920 x 1040") << 6 << QSize(1920, 1040) << 420 << 480;
    QTest::newRow("6 tables, 2560 x 1400: growth ends") << 6 << QSize(2560, 1400) << 480 << 480;
    QTest::newRow("3 tables, 1024 x 560: shrinks") << 3 << QSize(1024, 560) << 230 << 260;
    QTest::newRow("6 tables, 1024 x 560: shrinks") << 6 << QSize(1024, 560) << 230 << 260;
}

void TestErgebnisfenster::picturesGrowWithTheWorkArea()
{
    QFETCH(int, tische);
    QFETCH(QSize, groesse);
    QFETCH(int, mindestBreite);
    QFETCH(int, hoechstBreite);
    TempDataFolder folder;
    MessageRecorder messages;
    vorbereiten(kDoppel);
    auto fenster = fensterFuer(tische);
    fenster->show();
    fenster->resize(groesse);
    auswahlVon(spieler(4 * tische));
    personen_zuweisen(tische);

    const QList<QFrame*> panels =
        fenster->findChildren<QFrame*>(QRegularExpression(QStringLiteral("^Panel\\d+$")));
    int tischPanels = 0;
    for (QFrame* panel : panels) {
        const QList<QWidget*> kinder = panel->findChildren<QWidget*>();
        if (kinder.size() != 1) // the container and the bar
            continue;
        ++tischPanels;
        QVERIFY2(panel->width() >= mindestBreite && panel->width() <= hoechstBreite,
                 qPrintable(QString::number(panel->width())));
        QVERIFY(std::abs(panel->height() * 5 - panel->width() * 3) <= 5); // 300 x 180 stays 5:3
        QCOMPARE(kinder.first()->geometry(), QRect(QPoint(0, 0), panel->size()));
    }
    QCOMPARE(tischPanels, tische);
    // The names grow with the pictures.
    const int schrift = fenster->namensLabel(1, Platz::ObenLinks)->font().pixelSize();
    const int entwurf = tische == 4 ? 19 : 12;
    if (mindestBreite == 300)
        QCOMPARE(schrift, entwurf);
    else if (hoechstBreite < 300)
        QVERIFY(schrift < entwurf && schrift >= 10);
    else
        QVERIFY(schrift > entwurf || schrift == 20);
}

void TestErgebnisfenster::escapeLeavesTheWindowOpen_data()
{
    QTest::addColumn<int>("tische");
    for (int tische = kMinTische; tische <= kMaxTische; ++tische)
        QTest::addRow("%d tables", tische) << tische;
}

void TestErgebnisfenster::escapeLeavesTheWindowOpen()
{
    QFETCH(int, tische);
    TempDataFolder folder;
    MessageRecorder messages;
    NonBlockingModals modals;
    Panel5Spion panel5;
    vorbereiten(kDoppel);
    auswahlVon(spieler(4 * tische));
    personen_zuweisen(tische);
    auto fenster = fensterFuer(tische);
    fenster->zeigen();
    const Tischbelegung gezeigt = fenster->angezeigteBelegung();
    QVERIFY(!gezeigt.istLeer());
    QCOMPARE(panel5.zustand, 0);
    for (QWidget* ziel : {static_cast<QWidget*>(knopf(*fenster, "Button2")),
                          static_cast<QWidget*>(fenster.get())}) {
        ziel->setFocus();
        QTest::keyClick(ziel, Qt::Key_Escape);
        QVERIFY(fenster->isVisible());
        QVERIFY(!fenster->grossanzeige());
        QCOMPARE(fenster->angezeigteBelegung(), gezeigt);
        QCOMPARE(panel5.zustand, 0);
    }
    QVERIFY(messages.texts().isEmpty());
}

// "Spieler neu mischen." after a restart without a selection file: the stored seating stays,
// in its file and on screen, and the user is told why nothing was drawn.
void TestErgebnisfenster::redrawWithoutSelectionKeepsTheStoredSeating()
{
    TempDataFolder folder;
    MessageRecorder messages;
    NonBlockingModals modals;
    vorbereiten(kEinzel);
    auswahlVon(spieler(6));
    QVERIFY(personen_zuweisen3t().gespeichert);
    const QByteArray gespeichert = readFileBytes(tischdateiPfad(3));
    vorbereiten(kEinzel);
    QVERIFY(QFile::remove(auswahldatei2()));
    QVERIFY(QFile::exists(kPoolDatei));

    auto fenster = fensterFuer(3);
    fenster->zeigen();
    const Tischbelegung gezeigt = fenster->angezeigteBelegung();
    QCOMPARE(gezeigt.tische(), 3);
    QVERIFY(!gezeigt.istLeer());
    QTest::mouseClick(knopf(*fenster, "Button2"), Qt::LeftButton);
    QCOMPARE(messages.texts().size(), 1);
    QVERIFY2(messages.lastText().contains(QStringLiteral("keine Spieler ausgewählt")),
             qPrintable(messages.lastText()));
    QCOMPARE(readFileBytes(tischdateiPfad(3)), gespeichert);
    QCOMPARE(fenster->angezeigteBelegung(), gezeigt);
    QVERIFY(fenster->isVisible());
}

void TestErgebnisfenster::commandsStandRightOfTheButtons_data()
{
    QTest::addColumn<int>("tische");
    QTest::addColumn<int>("breite");
    for (int t = kMinTische; t <= kMaxTische; ++t)
        for (int b : {800, 1024, 1366})
            QTest::addRow("%d tables, %d", t, b) << t << b;
}

// The design's three buttons keep their formula; "Drucken", "Großanzeige" and "Neue Partner"
// stand right of them, whole, apart from each other and inside the bar. On a bar
// narrower than the 1024 pixels of the smallest screen they may move left of the buttons.
void TestErgebnisfenster::commandsStandRightOfTheButtons()
{
    QFETCH(int, tische);
    QFETCH(int, breite);
    auto fenster = fensterFuer(tische);
    fenster->show();
    fenster->resize(breite, 738);
    auto* b1 = knopf(*fenster, "Button1");
    auto* b2 = knopf(*fenster, "Button2");
    auto* b3 = knopf(*fenster, "Button3");
    const int w = b1->width();
    const int c = breite / 2;
    QCOMPARE(b1->x(), c - int(std::trunc(1.5 * w)) - 15);
    QCOMPARE(b2->x(), c - w / 2 - 10);
    QCOMPARE(b3->x(), c + w / 2 - 5);

    QList<QWidget*> gruppe{knopf(*fenster, "druckenButton"), knopf(*fenster, "grossanzeigeButton")};
    QCOMPARE(knopf(*fenster, "druckenButton")->text(), QStringLiteral("Drucken"));
    QCOMPARE(knopf(*fenster, "grossanzeigeButton")->text(), QStringLiteral("Großanzeige"));
    gruppe << requireChild<QCheckBox>(fenster->leiste(), "CheckBox1");
    QCOMPARE(gruppe.last()->property("text").toString(), QStringLiteral("Neue Partner"));
    // Right of the buttons in order; on a bar too narrow for all of them the last ones may stand
    // left of "Beenden", never overlapping anything.
    const int leiste = fenster->leiste()->width();
    QWidget* vorher = nullptr;
    for (QWidget* w : gruppe) {
        QVERIFY(w->isVisible());
        QVERIFY(!w->accessibleName().isEmpty());
        const bool rechts = w->x() > b3->geometry().right();
        QVERIFY2(rechts || breite < 1024, qPrintable(w->accessibleName()));
        if (rechts) {
            QVERIFY2(w->geometry().right() < leiste, qPrintable(w->accessibleName()));
        } else {
            QVERIFY2(w->x() >= 0 && w->geometry().right() < b1->x(),
                     qPrintable(w->accessibleName()));
        }
        if (vorher && (vorher->x() > b3->geometry().right()) == rechts)
            QVERIFY2(w->x() > vorher->geometry().right(), qPrintable(w->accessibleName()));
        // The caption is not cut; on an 800-pixel bar three commands find no room for that.
        if (breite >= 1024)
            QVERIFY(w->width() >= wunschbreite(*w));
        QCOMPARE(w->y(), b3->y());
        vorher = w;
    }
}

void TestErgebnisfenster::largeDisplayShowsWholeLargeNames_data()
{
    QTest::addColumn<int>("tische");
    QTest::addColumn<int>("spielmodus");
    QTest::addColumn<QSize>("groesse");
    for (const QSize g : {QSize(1024, 768), QSize(1920, 1080)}) {
        const QByteArray s = QByteArray::number(g.width()) + "x" + QByteArray::number(g.height());
        for (int t = kMinTische; t <= kMaxTische; ++t) {
            QTest::addRow("%d tables doubles %s", t, s.constData()) << t << kDoppel << g;
            QTest::addRow("%d tables singles %s", t, s.constData()) << t << kEinzel << g;
        }
        QTest::addRow("empty %s", s.constData()) << 6 << -1 << g;
    }
}

// F11 fills the screen with the tables alone: every name at least 1/25 of the height, whole
// (the one of 50 characters too), nothing overlapping; F11 or Escape return.
void TestErgebnisfenster::largeDisplayShowsWholeLargeNames()
{
    QFETCH(int, tische);
    QFETCH(int, spielmodus);
    QFETCH(QSize, groesse);
    TempDataFolder folder;
    MessageRecorder messages;
    vorbereiten(spielmodus < 0 ? kDoppel : spielmodus);
    auto fenster = fensterFuer(tische);
    if (spielmodus >= 0) {
        QStringList namen{QStringLiteral("Anna Schulze"), QStringLiteral("Hans-Jürgen Lehmann"),
                          QStringLiteral("Carla Wagner-Hoffmann"), QStringLiteral("Ines Koç")};
        const int anzahl = (spielmodus == kDoppel ? 4 : 2) * tische;
        while (namen.size() < anzahl)
            namen << QStringLiteral("Spieler %1").arg(namen.size() + 1);
        namen[1] = QStringLiteral("Maximilian Alexander Freiherr von Kickerhausen-Wei");
        QCOMPARE(namen.at(1).size(), 50);
        auswahlVon(namen.mid(0, anzahl));
        personen_zuweisen(tische);
    }
    fenster->show();
    fenster->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(fenster.get()));
    const Tischbelegung gezeigt = fenster->angezeigteBelegung();

    QTest::keyClick(fenster.get(), Qt::Key_F11);
    QVERIFY(fenster->grossanzeige());
    QVERIFY(fenster->windowState() & Qt::WindowFullScreen);
    QVERIFY(!fenster->leiste()->isVisible());
    fenster->resize(groesse); // the screen of the projector or TV
    QCOMPARE(fenster->size(), groesse);

    const int kleinste = int(std::ceil(groesse.height() / 25.0));
    QList<QRect> belegt;
    QStringList wer;
    int namen = 0;
    for (int t = 1; t <= tische; ++t) {
        for (int p = 0; p < kPlaetzeJeTisch; ++p) {
            auto* label = static_cast<NamensLabel*>(fenster->namensLabel(t, Platz(p)));
            const QString name = label->text().trimmed();
            if (name.isEmpty())
                continue;
            ++namen;
            QVERIFY(label->isVisible());
            QVERIFY2(label->font().pixelSize() >= kleinste, qPrintable(name));
            QCOMPARE(label->sichtbarerText(), name);
            QVERIFY(label->height() >=
                    label->sichtbareZeilen().size() * label->fontMetrics().lineSpacing());
            for (const QString& zeile : label->sichtbareZeilen())
                QVERIFY(label->fontMetrics().horizontalAdvance(zeile.trimmed()) <= label->width());
            belegt << QRect(label->mapTo(fenster.get(), QPoint()), label->size());
            wer << name;
        }
    }
    QCOMPARE(namen, spielmodus < 0 ? 0 : (spielmodus == kDoppel ? 4 : 2) * tische);
    for (QWidget* w : fenster->findChildren<QWidget*>()) {
        const bool tischOderTitel = qobject_cast<Tischbild*>(w) ||
                                    (qobject_cast<QLabel*>(w) && !qobject_cast<NamensLabel*>(w));
        if (tischOderTitel && w->isVisible()) {
            belegt << QRect(w->mapTo(fenster.get(), QPoint()), w->size());
            wer << w->objectName();
        }
    }
    for (int i = 0; i < belegt.size(); ++i) {
        QVERIFY2(fenster->rect().contains(belegt.at(i)), qPrintable(wer.at(i)));
        for (int j = i + 1; j < belegt.size(); ++j)
            QVERIFY2(!belegt.at(i).intersects(belegt.at(j)),
                     qPrintable(wer.at(i) + QStringLiteral(" overlaps ") + wer.at(j)));
    }

    QTest::keyClick(fenster.get(), Qt::Key_F11);
    QVERIFY(!fenster->grossanzeige());
    QVERIFY(!(fenster->windowState() & Qt::WindowFullScreen));
    QVERIFY(fenster->leiste()->isVisible());
    QTest::mouseClick(knopf(*fenster, "grossanzeigeButton"), Qt::LeftButton);
    QVERIFY(fenster->grossanzeige());
    QTest::keyClick(fenster.get(), Qt::Key_Escape);
    QVERIFY(!fenster->grossanzeige());
    QVERIFY(fenster->isVisible());
    QVERIFY(fenster->leiste()->isVisible());
    QCOMPARE(fenster->angezeigteBelegung(), gezeigt);
    QVERIFY(messages.texts().isEmpty());
}

void TestErgebnisfenster::printCommandShowsThePageAndWritesIt_data()
{
    QTest::addColumn<int>("tische");
    QTest::addColumn<bool>("gezogen");
    for (int t = kMinTische; t <= kMaxTische; ++t)
        QTest::addRow("%d tables", t) << t << true;
    QTest::addRow("empty") << 4 << false;
}

// "Drucken" in every result window: the print window opens modally over it with the page of
// the seating shown; "Als PDF speichern" writes the page under the proposed name, and so does
// "Drucken" where there is no printer; the printer keeps its own page for the next job.
void TestErgebnisfenster::printCommandShowsThePageAndWritesIt()
{
    QFETCH(int, tische);
    QFETCH(bool, gezogen);
    TempDataFolder folder;
    MessageRecorder messages;
    FixedClock uhr(QDateTime(QDate(2026, 12, 10), QTime(20, 0)));
    vorbereiten(kDoppel);
    auswahlVon(spieler(4 * tische));
    auto fenster = fensterFuer(tische);
    if (gezogen)
        personen_zuweisen(tische);
    QCOMPARE(fenster->angezeigteBelegung().istLeer(), !gezogen);
    fenster->show();

    QStringList vorschlaege;
    int frage = 0;
    const PdfDateiFrage vorher = setPdfDateiFrage([&](QWidget*, const QString& vorschlag) {
        vorschlaege << vorschlag;
        return folder.file(QStringLiteral("seite%1.pdf").arg(++frage));
    });
    QPrinter& drucker = druckerDesLaufs();
    drucker.setPageOrientation(QPageLayout::Portrait);
    const bool keinDrucker = keinDruckerEingerichtet(drucker);
    QStringList seitentexte;
    int gezeigt = 0;
    NonBlockingModals modals([&](QDialog& dialog) {
        auto* druck = qobject_cast<Tischdruckfenster*>(&dialog);
        QVERIFY(druck);
        ++gezeigt;
        QCOMPARE(druck->parentWidget(), fenster.get());
        QCOMPARE(druck->vorschau()->PageCount(), 1);
        seitentexte = SeitenAufnahme(druck->vorschau()->seiten().page(0), kA4Quer).alleTexte();
        QTest::mouseClick(requireChild<QPushButton>(druck, "alsPdfSpeichern"), Qt::LeftButton);
        if (keinDrucker)
            QTest::mouseClick(requireChild<QPushButton>(druck, "drucken"), Qt::LeftButton);
        QTest::mouseClick(requireChild<QPushButton>(druck, "beenden"), Qt::LeftButton);
        QVERIFY(!druck->isVisible());
    });
    QTest::mouseClick(knopf(*fenster, "druckenButton"), Qt::LeftButton);
    setPdfDateiFrage(vorher);

    QCOMPARE(gezeigt, 1);
    QVERIFY(messages.texts().isEmpty());
    QVERIFY(seitentexte.contains(QStringLiteral("%1 Tische").arg(tische)));
    QVERIFY(seitentexte.contains(QStringLiteral("Doppelspiele")));
    QVERIFY(seitentexte.contains(QStringLiteral("10.12.2026")));
    for (int t = 1; t <= tische; ++t) {
        QVERIFY(seitentexte.contains(QStringLiteral("Tisch %1").arg(t)));
        for (int p = 0; p < kPlaetzeJeTisch; ++p) {
            const QString name = fenster->namensLabel(t, Platz(p))->text().trimmed();
            if (!name.isEmpty())
                QVERIFY2(seitentexte.contains(name), qPrintable(name));
        }
    }
    QCOMPARE(seitentexte.size(), 4 + tische + (gezogen ? 4 * tische : 0));
    QCOMPARE(frage, keinDrucker ? 2 : 1);
    const QString erwartet =
        QDir(QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation))
            .filePath(QStringLiteral("Tischbelegung_10_12_2026.pdf"));
    for (const QString& vorschlag : vorschlaege)
        QCOMPARE(vorschlag, erwartet);
    for (int i = 1; i <= frage; ++i)
        QVERIFY(
            readFileBytes(folder.file(QStringLiteral("seite%1.pdf").arg(i))).startsWith("%PDF"));
    QCOMPARE(drucker.pageLayout().orientation(), QPageLayout::Portrait);
    QVERIFY(drucker.outputFileName().isEmpty());
}

QTEST_MAIN(TestErgebnisfenster)
#include "tst_ergebnisfenster.moc"

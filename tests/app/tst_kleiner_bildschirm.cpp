// The program on a club laptop's 1024 x 600 screen: every window fits, nothing is drawn over
// anything else. The test runs on an offscreen screen of that size.
#include "app/hauptfenster.h"
#include "app/start.h"
#include "common/testsupport.h"
#include "core/base/optionen.h"
#include "platform/ui/help.h"

#include <QAction>
#include <QApplication>
#include <QDialog>
#include <QFile>
#include <QLabel>
#include <QScreen>
#include <QStatusBar>
#include <QTemporaryDir>
#include <QTest>
#include <QToolButton>

namespace
{

constexpr int kBreite = 1024;
constexpr int kHoehe = 600;
// What a window manager adds above a window: its title bar.
constexpr int kTitelleiste = 30;

QRect inFenster(const QWidget& widget, const QWidget& fenster)
{
    return QRect(widget.mapTo(&fenster, QPoint(0, 0)), widget.size());
}

// A window fits when it fills the work area (the window manager then fits its frame) or when
// it and its title bar lie inside the work area, and it cannot be made smaller than that.
QString passtNicht(const QWidget& fenster)
{
    const QRect arbeitsbereich = fenster.screen()->availableGeometry();
    const QRect g = fenster.geometry();
    if (fenster.minimumWidth() > arbeitsbereich.width() ||
        fenster.minimumHeight() + kTitelleiste > arbeitsbereich.height())
        return QStringLiteral("%1: minimum %2 x %3")
            .arg(fenster.objectName())
            .arg(fenster.minimumWidth())
            .arg(fenster.minimumHeight());
    if (g == arbeitsbereich || arbeitsbereich.contains(g.adjusted(0, -kTitelleiste, 0, 0)))
        return {};
    return QStringLiteral("%1: %2, %3 %4 x %5")
        .arg(fenster.objectName())
        .arg(g.x())
        .arg(g.y())
        .arg(g.width())
        .arg(g.height());
}

QStringList sichtbareFensterDieNichtPassen()
{
    QStringList fehler;
    for (QWidget* fenster : QApplication::topLevelWidgets())
        if (fenster->isVisible())
            if (const QString f = passtNicht(*fenster); !f.isEmpty())
                fehler << f;
    return fehler;
}

} // namespace

class TestKleinerBildschirm : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void theScreenIs1024x600();
    void mainWindowKeepsItsPartsApart();
    void everyWindowFits();
    void helpWindowFits();
};

void TestKleinerBildschirm::theScreenIs1024x600()
{
    QCOMPARE(QGuiApplication::primaryScreen()->geometry(), QRect(0, 0, kBreite, kHoehe));
}

void TestKleinerBildschirm::mainWindowKeepsItsPartsApart()
{
    TempDataFolder folder;
    MessageRecorder messages;
    optionen_lesen();
    const auto form = programmAufbauen();
    form->show();
    QVERIFY(QTest::qWaitForWindowExposed(form.get()));
    QCOMPARE(form->width(), kBreite);

    auto* status = requireChild<QLabel>(form.get(), "StatusBar1Panel");
    QVERIFY(status->text().contains(QStringLiteral("© ")));
    QVERIFY2(status->fontMetrics().horizontalAdvance(status->text()) <=
                 status->contentsRect().width(),
             qPrintable(QString::number(status->width())));
    QVERIFY(form->statusBar()->rect().contains(inFenster(*status, *form->statusBar())));

    auto* panel = requireChild<QWidget>(form.get(), "Panel5");
    const QRect bild = inFenster(*requireChild<QLabel>(form.get(), "Image1"), *panel);
    QVERIFY(panel->rect().contains(bild));
    QVERIFY(bild.width() >= 400); // shrunk, but still the picture
    for (const char* name : {"Label1", "Label2", "RxClock1"}) {
        const QRect teil = inFenster(*requireChild<QLabel>(form.get(), name), *panel);
        QVERIFY2(!teil.intersects(bild), name);
    }
}

void TestKleinerBildschirm::everyWindowFits()
{
    TempDataFolder folder;
    MessageRecorder messages;
    optionen_lesen();
    const auto form = programmAufbauen();
    form->show();

    QStringList fehler;
    NonBlockingModals modals([&fehler](QDialog& fenster) {
        fehler << sichtbareFensterDieNichtPassen();
        fenster.close();
    });
    for (const char* knopf :
         {"SpeedButton1", "SpeedButton3", "SpeedButton12", "SpeedButton4", "SpeedButton5",
          "SpeedButton2", "SpeedButton8", "SpeedButton6", "SpeedButton7", "SpeedButton10"})
        requireChild<QToolButton>(form.get(), knopf)->click();
    QCOMPARE(modals.shownCount(), 6); // five result windows and the backup window
    for (const char* punkt : {"Adressendrucken1", "WeitereProgramme1"})
        requireChild<QAction>(form.get(), punkt)->trigger();
    fehler << sichtbareFensterDieNichtPassen();
    QVERIFY2(fehler.isEmpty(), qPrintable(fehler.join(QStringLiteral("; "))));
    int offen = 0;
    for (QWidget* fenster : QApplication::topLevelWidgets())
        offen += fenster->isVisible() ? 1 : 0;
    QVERIFY(offen >= 6); // main window, players, selection, picked players, styles, print, ...
}

void TestKleinerBildschirm::helpWindowFits()
{
    QVERIFY(platform::showHelp(QStringLiteral(ZORBEL_HILFE_QUELLE), 150));
    QWidget* hilfe = nullptr;
    for (QWidget* fenster : QApplication::topLevelWidgets())
        if (fenster->objectName() == QStringLiteral("Hilfefenster"))
            hilfe = fenster;
    QVERIFY(hilfe && hilfe->isVisible());
    QVERIFY2(passtNicht(*hilfe).isEmpty(), qPrintable(passtNicht(*hilfe)));
    QVERIFY(hilfe->width() >= 600 && hilfe->height() >= 450);
    platform::closeHelp();
}

int main(int argc, char** argv)
{
    // The default backup folder lies in the home folder: never the real one in a test.
    QTemporaryDir home;
    qputenv("HOME", QFile::encodeName(home.path()));
    const QString bildschirm = home.filePath(QStringLiteral("bildschirm.json"));
    QFile datei(bildschirm);
    if (!datei.open(QIODevice::WriteOnly) ||
        datei.write(
            QStringLiteral(
                R"({"windowFrameMargins": false, "screens": [{"name": "klein", "x": 0, "y": 0,
            "width": %1, "height": %2, "logicalDpi": 96, "logicalBaseDpi": 96, "dpr": 1}]})")
                .arg(kBreite)
                .arg(kHoehe)
                .toUtf8()) < 0)
        return 1;
    datei.close();
    qputenv("QT_QPA_PLATFORM",
            QFile::encodeName(QStringLiteral("offscreen:configfile=") + bildschirm));
    QApplication app(argc, argv);
    TestKleinerBildschirm test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_kleiner_bildschirm.moc"

// The main window as it is built: tool bar, menu, set-up at start, picture, clock, the services
// it gives the other windows, accessible names.
#include "core/base/optionen.h"
#include "core/base/programm.h"
#include "core/ui/hauptfensterdienste.h"
#include "hauptfenster_testhilfe.h"
#include "platform/base/datafolder.h"
#include "platform/base/taskbar.h"

#include <QAccessible>
#include <QAction>
#include <QApplication>
#include <QFrame>
#include <QLabel>
#include <QListWidget>
#include <QScreen>
#include <QTest>
#include <QToolButton>
#include <algorithm>
#include <memory>

class TestHauptfenster : public QObject, private HauptfensterUmgebung
{
    Q_OBJECT

private Q_SLOTS:
    void init() { anlegen(); }
    void cleanup() { abbauen(); }

    void toolBarOrderCaptionsAndHints()
    {
        TForm1 form;
        form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&form));
        auto* panel1 = form.findChild<QFrame*>(QStringLiteral("Panel1"));
        QVERIFY(panel1);
        QCOMPARE(panel1->height(), 65);

        QList<QToolButton*> buttons = panel1->findChildren<QToolButton*>();
        std::sort(buttons.begin(), buttons.end(),
                  [](QToolButton* a, QToolButton* b) { return a->x() < b->x(); });
        const QList<QStringList> expected = {
            {"SpeedButton1", "Erfassen", "Daten eingeben"},
            {"SpeedButton3", "Auswahl ", "Daten suchen"},
            {"SpeedButton12", "Anwesend", ""},
            {"SpeedButton4", "2 Tische", ""},
            {"SpeedButton5", "3 Tische", ""},
            {"SpeedButton2", "4 Tische", ""},
            {"SpeedButton8", "5 Tische", ""},
            {"SpeedButton6", "6 Tische", ""},
            {"SpeedButton7", "Backup", ""},
            {"SpeedButton10", "Farben", "Bildschirmfarben einstellen"},
            {"SpeedButton11", "Beenden", "Programm beenden"},
        };
        QCOMPARE(buttons.size(), expected.size());
        for (int i = 0; i < expected.size(); ++i) {
            QToolButton* b = buttons[i];
            QCOMPARE(b->objectName(), expected[i][0]);
            QCOMPARE(b->text(), expected[i][1]);
            QCOMPARE(b->toolTip(), expected[i][2]);
            QCOMPARE(b->size(), QSize(70, 63));
            QVERIFY2(b->autoRaise(), qPrintable(b->objectName()));
            QCOMPARE(b->toolButtonStyle(), Qt::ToolButtonTextUnderIcon);
            QCOMPARE(b->iconSize(), QSize(32, 32));
            QVERIFY(!b->icon().pixmap(32, 32).isNull());
            QVERIFY(!b->accessibleName().isEmpty());
            if (i > 0)
                QVERIFY(b->x() >= buttons[i - 1]->x() + 70);
        }
    }
    void formCreateInAForeignLocale()
    {
        const QLocale before;
        QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedKingdom));
        helpFileAnlegen();
        int styleCalls = 0;
        TForm1 form;
        form.style_lesen = [&] { ++styleCalls; };
        form.FormCreate();
        form.show();
        QLocale::setDefault(before);

        QCOMPARE(form.windowTitle(),
                 QStringLiteral(
                     "Zorbel-Master V  1.06      -      Heute ist  Dienstag der  21.02.2023"));
        auto* status = form.findChild<QLabel*>(QStringLiteral("StatusBar1Panel"));
        QVERIFY(status);
        QVERIFY(status->text().contains(QStringLiteral("2023")));
        QCOMPARE(styleCalls, 1);
        QVERIFY(form.windowState() & Qt::WindowMaximized);
        QVERIFY(messages->messages().isEmpty());
        QCOMPARE(Hilfedatei, platform::dataFile(QStringLiteral("Zorbeln-Hilfe.html")));

        const QRect screen = form.screen()->geometry();
        QCOMPARE(TaskleistenHoehe, screen.height() - 1040);
        QCOMPARE(TaskleisteFest, 1);
        QVERIFY(status->width() >= screen.width() / 2);
        QVERIFY(status->fontMetrics().horizontalAdvance(status->text()) <=
                status->contentsRect().width());
        // The picture goes where the screen's size puts it, unless that is over the headline or
        // the bottom line; then it moves or shrinks between them.
        auto* image = form.findChild<QLabel*>(QStringLiteral("Image1"));
        const QRect entworfen(int(screen.width() / 2.0 - 296.5), int(screen.height() / 2.0 - 281.5),
                              593, 433);
        const QRect kopf = form.findChild<QLabel*>(QStringLiteral("Label1"))->geometry();
        const QRect fuss = form.findChild<QLabel*>(QStringLiteral("Label2"))->geometry();
        QVERIFY(!image->geometry().intersects(kopf) && !image->geometry().intersects(fuss));
        if (!entworfen.intersects(kopf) && !entworfen.intersects(fuss))
            QCOMPARE(image->geometry(), entworfen);
    }
    void formCreateWithAutoHidingTaskbar()
    {
        helpFileAnlegen();
        services->taskbar = {true, 0, 768, 1366, 768, true};
        TForm1 form;
        form.FormCreate();
        QVERIFY(form.IsTaskbarAutoHideOn());
        QCOMPARE(TaskleisteFest, 0);
        QCOMPARE(TaskleistenHoehe, form.screen()->geometry().height() - 768);
    }
    void formCreateWithoutTaskbarSkipsTheRest()
    {
        helpFileAnlegen();
        services->taskbar = {};
        TaskleistenHoehe = 12345;
        int styleCalls = 0;
        TForm1 form;
        form.style_lesen = [&] { ++styleCalls; };
        form.FormCreate();
        QVERIFY(form.windowTitle().isEmpty());
        QVERIFY(form.findChild<QLabel*>(QStringLiteral("StatusBar1Panel"))->text().isEmpty());
        QCOMPARE(styleCalls, 0);
        QCOMPARE(TaskleistenHoehe, 12345);
    }
    void missingHelpFileIsReportedWithItsPath()
    {
        TForm1 form;
        form.FormCreate();
        QCOMPARE(messages->texts(),
                 QStringList{QStringLiteral("Hilfe-Datei nicht gefunden\r\n") + Datenordner +
                             QStringLiteral("Zorbeln-Hilfe.html")});
        QCOMPARE(messages->messages().first().buttons, platform::Buttons::Ok);
        // As a message box shows it: the path on a line of its own, not glued to the text.
        QLabel gezeigt(messages->lastText());
        QLabel eineZeile(QStringLiteral("Hilfe-Datei nicht gefunden"));
        QCOMPARE(gezeigt.sizeHint().height(), 2 * eineZeile.sizeHint().height());
        QVERIFY(form.windowTitle().endsWith(QStringLiteral("21.02.2023"))); // the start goes on
    }
    // The picture is drawn beside building the window; the shown window has it, drawn.
    void mainPictureIsInPlaceWhenShown()
    {
        TForm1 form;
        form.show();
        auto* bild = form.findChild<QLabel*>(QStringLiteral("Image1"));
        QVERIFY(bild);
        const QPixmap pixmap = bild->pixmap();
        QCOMPARE(pixmap.deviceIndependentSize().toSize(), QSize(593, 433));
        const QImage image = pixmap.toImage();
        // The table's green pitch, left of the middle between two players' rods.
        const qreal faktor = image.width() / 593.0;
        const QColor feld = image.pixelColor(int(135 * faktor), int(130 * faktor));
        QVERIFY2(feld.green() > 2 * feld.red(), qPrintable(feld.name()));
        // A second showing keeps it.
        form.hide();
        form.show();
        QCOMPARE(bild->pixmap().cacheKey(), pixmap.cacheKey());
    }
    void clockShowsTheTimeOfDay()
    {
        TForm1 form;
        form.show();
        auto* uhr = form.findChild<QLabel*>(QStringLiteral("RxClock1"));
        QVERIFY(uhr);
        QTRY_COMPARE(uhr->text(), QStringLiteral("19:30:05"));
        clock.reset();
        clock = std::make_unique<FixedClock>(QDateTime(QDate(2023, 2, 21), QTime(19, 30, 6)));
        QTRY_COMPARE_WITH_TIMEOUT(uhr->text(), QStringLiteral("19:30:06"), 1500);
    }
    void servicesForTheOtherWindows()
    {
        QVERIFY(!hauptfenster());
        {
            TForm1 form;
            form.show();
            QCOMPARE(hauptfenster(), &form);
            QWidget* panel1 = form.findChild<QFrame*>(QStringLiteral("Panel1"));
            const QRect toolBar = panel1->geometry();
            hauptflaecheVerbergen();
            QVERIFY(panel5(form)->isHidden());
            QApplication::processEvents();
            QCOMPARE(panel1->geometry(), toolBar); // the tool bar stays at the top
            hauptflaecheZeigen();
            QVERIFY(!panel5(form)->isHidden());
            titel_zeigen();
            QVERIFY(form.windowTitle().endsWith(QStringLiteral("Dienstag der  21.02.2023")));
            QVERIFY(form.ListBox1);
            QCOMPARE(form.ListBox1->objectName(), QStringLiteral("ListBox1"));
            QVERIFY(!form.ListBox1->isVisible());
        }
        QVERIFY(!hauptfenster());
        hauptflaecheVerbergen(); // no main window: nothing happens
    }
    void everyNamedControlHasAnAccessibleName()
    {
        TForm1 form;
        form.show();
        for (QWidget* w : form.findChildren<QWidget*>()) {
            if (w->objectName().isEmpty() || w->objectName().startsWith(QLatin1String("qt_")))
                continue;
            // A label is heard by the text it shows; one that may show none yet says what it is.
            QAccessibleInterface* zugang = QAccessible::queryAccessibleInterface(w);
            QVERIFY2(zugang && (!zugang->text(QAccessible::Name).isEmpty() ||
                                (qobject_cast<QLabel*>(w) &&
                                 !zugang->text(QAccessible::Description).isEmpty())),
                     qPrintable(w->objectName()));
        }
    }
};

QTEST_MAIN(TestHauptfenster)
#include "tst_hauptfenster.moc"

#include "core/base/hauptfensterwerte.h"
#include "core/base/programm.h"
#include "platform/base/conventions.h"
#include "platform/base/taskbar.h"
#include "players/logic/auswahlregeln.h"

#include <QLocale>
#include <QRect>
#include <QTest>

class TestHauptfensterwerte : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void titleIsGermanWhateverTheLocale()
    {
        const QLocale before;
        QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
        const QString title = titelText(QDate(2023, 2, 21), QStringLiteral("1.06"));
        QLocale::setDefault(before);
        QCOMPARE(title,
                 QStringLiteral(
                     "Zorbel-Master V  1.06      -      Heute ist  Dienstag der  21.02.2023"));
        QVERIFY(title.endsWith(QStringLiteral("Dienstag der  21.02.2023")));
    }

    void weekdays_data()
    {
        QTest::addColumn<QDate>("date");
        QTest::addColumn<QString>("weekday");
        QTest::newRow("Monday") << QDate(2023, 2, 20) << QStringLiteral("Montag");
        QTest::newRow("Wednesday") << QDate(2023, 2, 22) << QStringLiteral("Mittwoch");
        QTest::newRow("Thursday") << QDate(2023, 2, 23) << QStringLiteral("Donnerstag");
        QTest::newRow("Friday") << QDate(2023, 2, 24) << QStringLiteral("Freitag");
        QTest::newRow("Saturday") << QDate(2023, 2, 25) << QStringLiteral("Samstag");
        QTest::newRow("Sunday, leap day year end")
            << QDate(2024, 12, 29) << QStringLiteral("Sonntag");
    }
    void weekdays()
    {
        QFETCH(QDate, date);
        QFETCH(QString, weekday);
        QCOMPARE(deutscherWochentag(date), weekday);
        QVERIFY(titelText(date, QStringLiteral("1.06"))
                    .endsWith(weekday + QStringLiteral(" der  ") +
                              date.toString(QStringLiteral("dd.MM.yyyy"))));
    }

    // The weekday, the grid's numbers and dates and the lists' order share one replaceable source.
    void weekdayAndOrderFollowTheProgramsConventions()
    {
        platform::LocaleConventions englisch;
        englisch.locale = QLocale(QLocale::English, QLocale::UnitedStates);
        const platform::LocaleConventions vorher = platform::setLocaleConventions(englisch);
        const QString tag = deutscherWochentag(QDate(2023, 2, 23));
        const bool umlautBeiA = auswahlVor(QStringLiteral("Ärger"), QStringLiteral("Bauer"));
        platform::setLocaleConventions(vorher);
        QCOMPARE(tag, QStringLiteral("Thursday"));
        QVERIFY(umlautBeiA);
        QCOMPARE(deutscherWochentag(QDate(2023, 2, 23)), QStringLiteral("Donnerstag"));
        // Swedish order puts "Ä" after "Z": the lists follow the conventions' locale.
        platform::LocaleConventions schwedisch;
        schwedisch.locale = QLocale(QLocale::Swedish, QLocale::Sweden);
        platform::setLocaleConventions(schwedisch);
        const bool schwedischVor = auswahlVor(QStringLiteral("Ärger"), QStringLiteral("Zander"));
        platform::setLocaleConventions(vorher);
        QVERIFY(!schwedischVor);
        QVERIFY(auswahlVor(QStringLiteral("Ärger"), QStringLiteral("Zander")));
    }

    void statusLineCarriesTheYear()
    {
        QVERIFY(statusText(QDate(2023, 2, 21), QStringLiteral("1.06"))
                    .contains(QStringLiteral("2023")));
        QVERIFY(
            statusText(QDate(2031, 1, 1), QStringLiteral("1.06")).contains(QStringLiteral("2031")));
        QVERIFY(!statusText(QDate(2031, 1, 1), QStringLiteral("1.06")).contains(QLatin1Char('\n')));
    }

    void taskbarHeight_data()
    {
        QTest::addColumn<int>("screenHeight");
        QTest::addColumn<QRect>("bar"); // left, top, right, bottom kept in x, y, width, height
        QTest::addColumn<int>("number");
        QTest::addColumn<int>("height");
        QTest::newRow("bottom of 1920x1080") << 1080 << QRect(0, 1040, 1920, 1080) << 1040 << 40;
        QTest::newRow("bottom of 1366x768") << 768 << QRect(0, 728, 1366, 768) << 728 << 40;
        QTest::newRow("right edge of 1920x1080") << 1080 << QRect(1860, 0, 1920, 1080) << 0 << 1080;
        QTest::newRow("top edge") << 1080 << QRect(0, 0, 1920, 40) << 0 << 1080;
        QTest::newRow("no reserved space, 768 high") << 768 << QRect(0, 768, 1366, 768) << 768 << 0;
        QTest::newRow("left edge -1 shifts the digits")
            << 1080 << QRect(-1, 1040, 1920, 1080) << 104 << 976;
    }
    void taskbarHeight()
    {
        QFETCH(int, screenHeight);
        QFETCH(QRect, bar);
        QFETCH(int, number);
        QFETCH(int, height);
        QCOMPARE(taskleisteZahl(bar.x(), bar.y(), bar.width(), bar.height()), number);
        QCOMPARE(taskleistenHoehe(screenHeight, bar.x(), bar.y(), bar.width(), bar.height()),
                 height);
    }

    void taskbarFromScreen_data()
    {
        QTest::addColumn<QRect>("geometry");
        QTest::addColumn<QRect>("available");
        QTest::addColumn<QRect>("bar"); // left, top, right, bottom
        QTest::addColumn<bool>("autoHide");
        QTest::newRow("bottom") << QRect(0, 0, 1920, 1080) << QRect(0, 0, 1920, 1040)
                                << QRect(0, 1040, 1920, 1080) << false;
        QTest::newRow("top") << QRect(0, 0, 1366, 768) << QRect(0, 28, 1366, 740)
                             << QRect(0, 0, 1366, 28) << false;
        QTest::newRow("left") << QRect(0, 0, 1920, 1080) << QRect(64, 0, 1856, 1080)
                              << QRect(0, 0, 64, 1080) << false;
        QTest::newRow("right") << QRect(0, 0, 1920, 1080) << QRect(0, 0, 1860, 1080)
                               << QRect(1860, 0, 1920, 1080) << false;
        QTest::newRow("second screen to the right")
            << QRect(1920, 0, 1280, 1024) << QRect(1920, 0, 1280, 984)
            << QRect(1920, 984, 3200, 1024) << false;
        QTest::newRow("nothing reserved")
            << QRect(0, 0, 1366, 768) << QRect(0, 0, 1366, 768) << QRect(0, 768, 1366, 768) << true;
    }
    void taskbarFromScreen()
    {
        QFETCH(QRect, geometry);
        QFETCH(QRect, available);
        QFETCH(QRect, bar);
        QFETCH(bool, autoHide);
        const platform::Taskbar t = platform::taskbarFromScreen(geometry, available);
        QVERIFY(t.known);
        QCOMPARE(QRect(t.left, t.top, t.right, t.bottom), bar);
        QCOMPARE(t.autoHide, autoHide);
    }

    void measuredFromScreenToHeight()
    {
        const platform::Taskbar t =
            platform::taskbarFromScreen(QRect(0, 0, 1920, 1080), QRect(0, 0, 1920, 1040));
        QCOMPARE(taskleistenHoehe(1080, t.left, t.top, t.right, t.bottom), 40);
    }

    void updateMessages_data()
    {
        QTest::addColumn<int>("result");
        QTest::addColumn<QString>("message");
        QTest::newRow("0")
            << 0
            << QStringLiteral("Zuwenig Speicher, ausführbare Datei war zerstört, Relokationswerte "
                              "waren ungültig");
        QTest::newRow("2") << 2 << QStringLiteral("Datei wurde nicht gefunden.");
        QTest::newRow("3") << 3 << QStringLiteral("Verzeichnis wurde nicht gefunden.");
        QTest::newRow("11")
            << 11
            << QStringLiteral("Ungültige ausführbare Datei. Entweder keine Windows-Anwendung oder "
                              "Fehler in der EXE-Datei.");
        QTest::newRow("19")
            << 19
            << QStringLiteral(
                   "Versuch, eine komprimierte ausführbare Datei zu laden. Die Datei muß "
                   "dekomprimiert werden, bevor sie geladen werden kann.");
        QTest::newRow("21") << 21
                            << QStringLiteral("Anwendung benötigt Windows-32-Bit-Erweiterungen.");
        QTest::newRow("1 not in the table") << 1 << QString();
        QTest::newRow("32 not in the table") << 32 << QString();
    }
    void updateMessages()
    {
        QFETCH(int, result);
        QFETCH(QString, message);
        QCOMPARE(updateMeldung(result), message);
    }

    // Panel heights between headline and bottom line: a 1080-pixel screen (room to spare), a
    // 768-pixel one, and 1024 x 600, where the picture of 593 x 433 has to shrink.
    void mainPicturePlace_data()
    {
        QTest::addColumn<QRect>("entwurf");
        QTest::addColumn<QRect>("frei");
        QTest::addColumn<QRect>("platz");
        QTest::newRow("1920 x 1080: where the screen puts it")
            << QRect(663, 258, 593, 433) << QRect(0, 48, 1920, 800) << QRect(663, 258, 593, 433);
        QTest::newRow("1366 x 768: over the headline, moved below it")
            << QRect(386, 102, 593, 433) << QRect(0, 120, 1366, 460) << QRect(386, 133, 593, 433);
        QTest::newRow("1024 x 600: shrunk, proportions kept")
            << QRect(215, 18, 593, 433) << QRect(0, 48, 1024, 360) << QRect(265, 48, 493, 360);
        QTest::newRow("narrow panel: shrunk to its width")
            << QRect(238, 60, 593, 433) << QRect(0, 48, 400, 800) << QRect(0, 302, 400, 292);
    }

    void mainPicturePlace()
    {
        QFETCH(QRect, entwurf);
        QFETCH(QRect, frei);
        QFETCH(QRect, platz);
        const QRect ergebnis = bildPlatz(entwurf, frei);
        QCOMPARE(ergebnis, platz);
        QVERIFY(frei.contains(ergebnis));
    }

    void helpMissingMessage()
    {
        QCOMPARE(hilfeFehltMeldung(QStringLiteral("/opt/zm/Zorbeln-Hilfe.html")),
                 QStringLiteral("Hilfe-Datei nicht gefunden\r\n/opt/zm/Zorbeln-Hilfe.html"));
    }
};

QTEST_GUILESS_MAIN(TestHauptfensterwerte)
#include "tst_hauptfensterwerte.moc"

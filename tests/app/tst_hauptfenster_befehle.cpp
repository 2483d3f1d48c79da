// The main window's commands: which button and menu item runs which, whether the panel hides,
// update, leaving, web site, further programs, new evening and help.
#include "core/base/hauptfensterwerte.h"
#include "core/base/optionen.h"
#include "core/base/programm.h"
#include "draw/logic/spielabend.h"
#include "hauptfenster_testhilfe.h"
#include "platform/base/datafolder.h"

#include <QAction>
#include <QFrame>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <QToolButton>
#include <algorithm>
#include <memory>

class TestHauptfensterBefehle : public QObject, private HauptfensterUmgebung
{
    Q_OBJECT

private Q_SLOTS:
    void init() { anlegen(); }
    void cleanup() { abbauen(); }

    void menuItems_data()
    {
        QTest::addColumn<QString>("menu"); // empty: an item of the menu bar itself
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("caption");
        QTest::newRow("Namenerfassen1") << "Spieler erfassen"
                                        << "Namenerfassen1"
                                        << "Spieler erfassen/ändern";
        QTest::newRow("Personenfestlegen1") << "Bearbeiten"
                                            << "Personenfestlegen1"
                                            << "Spieler auswählen";
        QTest::newRow("Spieler1") << "Bearbeiten"
                                  << "Spieler1"
                                  << "Ausgewählte Spieler anzeigen";
        QTest::newRow("Spielerfr2Tische1") << "Spieler zuordnen"
                                           << "Spielerfr2Tische1"
                                           << "Spieler für 2 Tische";
        QTest::newRow("Spielerfr3Tische1") << "Spieler zuordnen"
                                           << "Spielerfr3Tische1"
                                           << "Spieler für 3 Tische";
        QTest::newRow("Spielerfr4Tische1") << "Spieler zuordnen"
                                           << "Spielerfr4Tische1"
                                           << "Spieler für 4 Tische";
        QTest::newRow("Spielerfr5Tische") << "Spieler zuordnen"
                                          << "Spielerfr5Tische"
                                          << "Spieler für 5 Tische";
        QTest::newRow("Spielerfr6Tische1") << "Spieler zuordnen"
                                           << "Spielerfr6Tische1"
                                           << "Spieler für 6 Tische";
        QTest::newRow("Adressendrucken1") << "Drucken"
                                          << "Adressendrucken1"
                                          << "Erfasste Spieler drucken";
        QTest::newRow("DatensichernWiederherstellen1") << "Sonstiges"
                                                       << "DatensichernWiederherstellen1"
                                                       << "Daten sichern/Wiederherstellen";
        QTest::newRow("NeuerAbend1") << "Sonstiges"
                                     << "NeuerAbend1"
                                     << "Neuer Abend";
        QTest::newRow("AufverfgbareUpdateprfen1") << "Sonstiges"
                                                  << "AufverfgbareUpdateprfen1"
                                                  << "Auf verfügbare Update prüfen";
        QTest::newRow("WeitereProgramme1") << "Sonstiges"
                                           << "WeitereProgramme1"
                                           << "Weitere Programme";
        QTest::newRow("Websitebesuchen1") << "Sonstiges"
                                          << "Websitebesuchen1"
                                          << "Website besuchen";
        QTest::newRow("Update1") << ""
                                 << "Update1"
                                 << "Update";
        QTest::newRow("WeitereProgramme2") << ""
                                           << "WeitereProgramme2"
                                           << "Weitere Programme";
        QTest::newRow("Hilfe1") << ""
                                << "Hilfe1"
                                << "Hilfe";
    }
    void menuItems()
    {
        QFETCH(QString, menu);
        QFETCH(QString, name);
        QFETCH(QString, caption);
        TForm1 form;
        QAction* item = menuItem(form, name);
        QVERIFY(item);
        QCOMPARE(item->text(), caption);
        QMenuBar* bar = form.findChild<QMenuBar*>(QStringLiteral("MainMenu1"));
        QVERIFY(bar);
        if (menu.isEmpty()) {
            QVERIFY(bar->actions().contains(item));
        } else {
            const QList<QAction*> top = bar->actions();
            const auto owner = std::find_if(
                top.begin(), top.end(), [&](QAction* a) { return a->menu() && a->text() == menu; });
            QVERIFY2(owner != top.end(), qPrintable(menu));
            QVERIFY((*owner)->menu()->actions().contains(item));
        }
    }
    // Which command each button and menu item belongs to, and whether the main window hides
    // its panel first.
    void commands_data()
    {
        QTest::addColumn<int>("befehl");
        QTest::addColumn<QString>("button");
        QTest::addColumn<bool>("buttonHides");
        QTest::addColumn<QString>("item");
        QTest::addColumn<bool>("itemHides");
        QTest::newRow("Erfassen") << int(Befehl::Erfassen) << "SpeedButton1" << true
                                  << "Namenerfassen1" << true;
        QTest::newRow("Auswahl") << int(Befehl::Auswahl) << "SpeedButton3" << true
                                 << "Personenfestlegen1" << false;
        QTest::newRow("Anwesend") << int(Befehl::Anwesend) << "SpeedButton12" << true << "Spieler1"
                                  << true;
        QTest::newRow("2 Tische") << int(Befehl::Tische2) << "SpeedButton4" << false
                                  << "Spielerfr2Tische1" << false;
        QTest::newRow("3 Tische") << int(Befehl::Tische3) << "SpeedButton5" << false
                                  << "Spielerfr3Tische1" << false;
        QTest::newRow("4 Tische") << int(Befehl::Tische4) << "SpeedButton2" << false
                                  << "Spielerfr4Tische1" << false;
        QTest::newRow("5 Tische") << int(Befehl::Tische5) << "SpeedButton8" << false
                                  << "Spielerfr5Tische" << false;
        QTest::newRow("6 Tische") << int(Befehl::Tische6) << "SpeedButton6" << false
                                  << "Spielerfr6Tische1" << false;
        QTest::newRow("Backup") << int(Befehl::Sicherung) << "SpeedButton7" << false
                                << "DatensichernWiederherstellen1" << false;
        QTest::newRow("Farben") << int(Befehl::Farben) << "SpeedButton10" << false << "" << false;
        QTest::newRow("Drucken") << int(Befehl::Drucken) << "" << false << "Adressendrucken1"
                                 << false;
    }
    void commands()
    {
        QFETCH(int, befehl);
        QFETCH(QString, button);
        QFETCH(bool, buttonHides);
        QFETCH(QString, item);
        QFETCH(bool, itemHides);
        TForm1 form;
        form.show();
        QToolButton* knopf = button.isEmpty() ? nullptr : form.findChild<QToolButton*>(button);
        QAction* punkt = item.isEmpty() ? nullptr : menuItem(form, item);
        QVERIFY(button.isEmpty() || knopf);
        QVERIFY(item.isEmpty() || punkt);

        // Not wired yet: honest, disabled, and a click does nothing (the panel stays).
        QVERIFY(!form.befehlVerbunden(Befehl(befehl)));
        if (knopf) {
            QVERIFY(!knopf->isEnabled());
            QTest::mouseClick(knopf, Qt::LeftButton);
        }
        if (punkt) {
            QVERIFY(!punkt->isEnabled());
            punkt->trigger();
        }
        QVERIFY(!panel5(form)->isHidden());

        int calls = 0;
        bool panelHiddenDuringCall = false;
        form.befehlVerbinden(Befehl(befehl), [&] {
            ++calls;
            panelHiddenDuringCall = panel5(form)->isHidden();
        });
        QVERIFY(form.befehlVerbunden(Befehl(befehl)));
        if (knopf) {
            QVERIFY(knopf->isEnabled());
            QTest::mouseClick(knopf, Qt::LeftButton);
            QCOMPARE(calls, 1);
            QCOMPARE(panelHiddenDuringCall, buttonHides);
            QCOMPARE(panel5(form)->isHidden(), buttonHides);
            panel5(form)->show();
        }
        if (punkt) {
            QVERIFY(punkt->isEnabled());
            calls = 0;
            punkt->trigger();
            QCOMPARE(calls, 1);
            QCOMPARE(panelHiddenDuringCall, itemHides);
        }

        form.befehlVerbinden(Befehl(befehl), {});
        QVERIFY(!knopf || !knopf->isEnabled());
        QVERIFY(!punkt || !punkt->isEnabled());
    }
    // "Neuer Abend" asks first (No by default) and then forgets the rounds, not the option.
    void newEveningAsksAndForgetsTheRounds()
    {
        Spielabend abend;
        abend.neuePartner = true;
        abend.runden << Runde{QDateTime(QDate(2023, 2, 21), QTime(19, 0)), 1, Tischbelegung(2)};
        QVERIFY(spielabendSpeichern(abend));
        TForm1 form;
        menuItem(form, QStringLiteral("NeuerAbend1"))->trigger();
        QCOMPARE(messages->messages().size(), 1);
        QCOMPARE(messages->messages().first().defaultAnswer, platform::Answer::No);
        QCOMPARE(spielabendLesen().value.runden.size(), 1);
        messages->answerNext(platform::Answer::Yes);
        menuItem(form, QStringLiteral("NeuerAbend1"))->trigger();
        QCOMPARE(messages->messages().size(), 2);
        QVERIFY(spielabendLesen().value.runden.isEmpty());
        QVERIFY(spielabendLesen().value.neuePartner);
    }
    void ownCommandsAreEnabled()
    {
        TForm1 form;
        for (const char* name : {"SpeedButton11"})
            QVERIFY(form.findChild<QToolButton*>(QLatin1String(name))->isEnabled());
        for (const char* name : {"NeuerAbend1", "AufverfgbareUpdateprfen1", "WeitereProgramme1",
                                 "Websitebesuchen1", "Update1", "WeitereProgramme2", "Hilfe1"})
            QVERIFY2(menuItem(form, QLatin1String(name))->isEnabled(), name);
    }
    void helpOpensTheProgramSection()
    {
        helpFileAnlegen();
        TForm1 form;
        form.FormCreate();
        menuItem(form, QStringLiteral("Hilfe1"))->trigger();
        QCOMPARE(services->helpContexts, QList<int>{150});
        QCOMPARE(services->helpFile, platform::dataFile(QStringLiteral("Zorbeln-Hilfe.html")));
    }
    void helpViewerFailingShowsTheMessage()
    {
        TForm1 form;
        form.FormCreate();
        messages->clear();
        platform::setHelpViewer({[](const QString&, int) { return false; }, [] {}});
        menuItem(form, QStringLiteral("Hilfe1"))->trigger();
        QCOMPARE(messages->lastText(),
                 QStringLiteral("Hilfe-Datei nicht gefunden\r\n") + Hilfedatei);
    }
    void update_data()
    {
        QTest::addColumn<QString>("item");
        QTest::addColumn<int>("result");
        QTest::addColumn<QStringList>("shown");
        QTest::addColumn<bool>("ends");
        QTest::newRow("missing, top-level item")
            << "Update1" << 2 << QStringList{"Datei wurde nicht gefunden."} << false;
        QTest::newRow("missing, Sonstiges item")
            << "AufverfgbareUpdateprfen1" << 2 << QStringList{"Datei wurde nicht gefunden."}
            << false;
        QTest::newRow("folder missing")
            << "Update1" << 3 << QStringList{"Verzeichnis wurde nicht gefunden."} << false;
        QTest::newRow("code outside the table")
            << "Update1" << 7 << QStringList{QString()} << false;
        QTest::newRow("started") << "Update1" << 33 << QStringList{} << true;
    }
    void update()
    {
        QFETCH(QString, item);
        QFETCH(int, result);
        QFETCH(QStringList, shown);
        QFETCH(bool, ends);
        services->shellResult = result;
        TForm1 form;
        form.show();
        QSignalSpy ende(&form, &TForm1::programmEnde);
        menuItem(form, item)->trigger();
        QCOMPARE(services->startedProgram, Datenordner + QStringLiteral("Update.Exe"));
        QCOMPARE(services->startedFolder, Datenordner);
        QCOMPARE(messages->texts(), shown);
        // A failed start keeps the program, and with it what was typed but not yet saved.
        QCOMPARE(ende.count(), ends ? 1 : 0);
        QCOMPARE(form.isVisible(), !ends);
    }
    void updateWithTheRealShellWhenTheFileIsMissing()
    {
        platform::setShellExecutor({});
        TForm1 form;
        form.show();
        QSignalSpy ende(&form, &TForm1::programmEnde);
        menuItem(form, QStringLiteral("Update1"))->trigger();
        QCOMPARE(messages->texts(), QStringList{QStringLiteral("Datei wurde nicht gefunden.")});
        QCOMPARE(ende.count(), 0);
    }
    void updateThatMayNotBeExecutedIsNamed()
    {
        platform::setShellExecutor({});
        QVERIFY(writeFileBytes(Datenordner + QStringLiteral("Update.Exe"), "#!/bin/sh\n"));
        QFile::setPermissions(Datenordner + QStringLiteral("Update.Exe"),
                              QFile::ReadOwner | QFile::WriteOwner);
        TForm1 form;
        form.show();
        QSignalSpy ende(&form, &TForm1::programmEnde);
        menuItem(form, QStringLiteral("Update1"))->trigger();
        QCOMPARE(messages->texts(),
                 QStringList{QStringLiteral("Die Datei \"%1\" kann nicht gestartet werden: Sie "
                                            "ist nicht als ausführbares Programm gekennzeichnet.")
                                 .arg(Datenordner + QStringLiteral("Update.Exe"))});
        QCOMPARE(ende.count(), 0);
        QVERIFY(form.isVisible());
    }
    void beenden_data()
    {
        QTest::addColumn<int>("flag");
        QTest::addColumn<bool>("backupSucceeds");
        QTest::addColumn<int>("backups");
        QTest::addColumn<bool>("ends");
        QTest::newRow("automatic backup on") << 1 << true << 1 << true;
        QTest::newRow("automatic backup off") << 0 << true << 0 << true;
        QTest::newRow("other value") << 2 << true << 0 << true;
        QTest::newRow("backup failed: the program stays") << 1 << false << 1 << false;
    }
    void beenden()
    {
        QFETCH(int, flag);
        QFETCH(bool, backupSucceeds);
        QFETCH(int, backups);
        QFETCH(bool, ends);
        Optionen.AutoSicherung = flag;
        TForm1 form;
        int runs = 0;
        form.automatischeSicherung = [&] {
            ++runs;
            return backupSucceeds;
        };
        form.show();
        QSignalSpy ende(&form, &TForm1::programmEnde);
        QTest::mouseClick(form.findChild<QToolButton*>(QStringLiteral("SpeedButton11")),
                          Qt::LeftButton);
        QCOMPARE(services->helpClosed, 1);
        QCOMPARE(runs, backups);
        QCOMPARE(ende.count(), ends ? 1 : 0);
        QCOMPARE(form.isVisible(), !ends);
    }
    void titleBarCloseMakesNoBackup()
    {
        Optionen.AutoSicherung = 1;
        TForm1 form;
        int runs = 0;
        form.automatischeSicherung = [&] {
            ++runs;
            return true;
        };
        form.show();
        QSignalSpy ende(&form, &TForm1::programmEnde);
        QVERIFY(form.close());
        QCOMPARE(runs, 0);
        QCOMPARE(ende.count(), 1);
    }
    void website_data()
    {
        QTest::addColumn<int>("answer");
        QTest::addColumn<int>("opened");
        QTest::newRow("Yes") << int(platform::Answer::Yes) << 1;
        QTest::newRow("No") << int(platform::Answer::No) << 0;
    }
    void website()
    {
        QFETCH(int, answer);
        QFETCH(int, opened);
        TForm1 form;
        form.show();
        QString asked;
        platform::Buttons buttons = platform::Buttons::Ok;
        bool panelHiddenWhileAsking = false;
        const platform::MessageHandler previous =
            platform::setMessageHandler([&](const platform::Message& m) {
                asked = m.text;
                buttons = m.buttons;
                panelHiddenWhileAsking = panel5(form)->isHidden();
                return platform::Answer(answer);
            });
        menuItem(form, QStringLiteral("Websitebesuchen1"))->trigger();
        platform::setMessageHandler(previous);

        QCOMPARE(asked, QStringLiteral("  Im Internet finden Sie immer die neusten Versionen  \n"
                                       "  all unserer Programme zum sofortigen Download.       \n"
                                       "  Sie können von hier aus direkt ins Internet wechseln, \n"
                                       "  um nach neuen Updates zu schauen.                   \n"
                                       "\n"
                                       "  Möchten Sie jetzt unsere Website aufrufen?         \n"));
        QCOMPARE(buttons, platform::Buttons::YesNo);
        QVERIFY(panelHiddenWhileAsking);
        QVERIFY(!panel5(form)->isHidden());
        QCOMPARE(services->openedUrls.size(), opened);
        if (opened)
            QCOMPARE(services->openedUrls.first(), QUrl(websiteAdresse()));
    }
    void websiteWithoutBrowserSaysSo()
    {
        services->browserWorks = false;
        messages->answerNext(platform::Answer::Yes);
        TForm1 form;
        menuItem(form, QStringLiteral("Websitebesuchen1"))->trigger();
        QCOMPARE(messages->texts().size(), 2);
        QVERIFY(messages->lastText().contains(websiteAdresse()));
    }
    void weitereProgramme_data()
    {
        QTest::addColumn<QString>("item");
        QTest::addColumn<int>("panelZeigen");
        QTest::addColumn<bool>("byTitleBar");
        QTest::addColumn<bool>("panelShownAfter");
        QTest::newRow("Sonstiges, Schließen") << "WeitereProgramme1" << 1 << false << true;
        QTest::newRow("top level, title bar") << "WeitereProgramme2" << 1 << true << true;
        QTest::newRow("setting 0 keeps the panel hidden")
            << "WeitereProgramme2" << 0 << false << false;
    }
    void weitereProgramme()
    {
        QFETCH(QString, item);
        QFETCH(int, panelZeigen);
        QFETCH(bool, byTitleBar);
        QFETCH(bool, panelShownAfter);
        Optionen.HauptflaecheZeigen = panelZeigen;
        TForm1 form;
        form.show();
        menuItem(form, item)->trigger();
        QVERIFY(panel5(form)->isHidden());
        auto* window = form.findChild<QWidget*>(QStringLiteral("WeitereProgramme"));
        QVERIFY(window);
        QVERIFY(window->isVisible());
        QVERIFY(window->isWindow());

        auto* open = window->findChild<QPushButton*>(QStringLiteral("ProgrammButton1"));
        QVERIFY(open);
        QTest::mouseClick(open, Qt::LeftButton);
        QCOMPARE(services->openedUrls, QList<QUrl>{QUrl(websiteAdresse())});

        if (byTitleBar)
            window->close();
        else
            QTest::mouseClick(window->findChild<QPushButton*>(QStringLiteral("Button1")),
                              Qt::LeftButton);
        QVERIFY(!window->isVisible());
        QCOMPARE(!panel5(form)->isHidden(), panelShownAfter);
    }
};

QTEST_MAIN(TestHauptfensterBefehle)
#include "tst_hauptfenster_befehle.moc"

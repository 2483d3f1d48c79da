#include "app/hauptfenster.h"
#include "common/testsupport.h"
#include "core/base/hauptfensterwerte.h"
#include "core/base/optionen.h"
#include "core/base/programm.h"
#include "core/ui/hauptfensterdienste.h"
#include "draw/logic/spielabend.h"
#include "platform/base/datafolder.h"
#include "platform/base/shell.h"
#include "platform/base/taskbar.h"
#include "platform/ui/help.h"

#include <QAccessible>
#include <QAction>
#include <QApplication>
#include <QFrame>
#include <QLabel>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QScreen>
#include <QSignalSpy>
#include <QStatusBar>
#include <QTest>
#include <QToolButton>
#include <algorithm>
#include <memory>

namespace
{

// Replaces the shell, the browser, the help viewer and the taskbar while it lives, and
// records what the main window asked of them.
struct FakeServices {
    QString startedProgram;
    QString startedFolder;
    int shellResult = platform::kShellGestartet;
    QList<QUrl> openedUrls;
    bool browserWorks = true;
    QList<int> helpContexts;
    QString helpFile;
    int helpClosed = 0;
    platform::Taskbar taskbar{true, 0, 1040, 1920, 1080, false};

    FakeServices()
    {
        previousShell =
            platform::setShellExecutor([this](const QString& program, const QString& folder) {
                startedProgram = program;
                startedFolder = folder;
                return shellResult;
            });
        previousOpener = platform::setUrlOpener([this](const QUrl& url) {
            openedUrls.append(url);
            return browserWorks;
        });
        previousHelp = platform::setHelpViewer({[this](const QString& file, int context) {
                                                    helpFile = file;
                                                    helpContexts.append(context);
                                                    return true;
                                                },
                                                [this] { ++helpClosed; }});
        previousTaskbar = platform::setTaskbarProvider([this] { return taskbar; });
    }
    ~FakeServices()
    {
        platform::setShellExecutor(std::move(previousShell));
        platform::setUrlOpener(std::move(previousOpener));
        platform::setHelpViewer(std::move(previousHelp));
        platform::setTaskbarProvider(std::move(previousTaskbar));
    }
    FakeServices(const FakeServices&) = delete;
    FakeServices& operator=(const FakeServices&) = delete;

    platform::ShellExecutor previousShell;
    platform::UrlOpener previousOpener;
    platform::HelpViewer previousHelp;
    platform::TaskbarProvider previousTaskbar;
};

void helpFileAnlegen()
{
    QVERIFY(
        writeFileBytes(platform::dataFile(QStringLiteral("Zorbeln-Hilfe.html")), "<html></html>"));
}

QWidget* panel5(TForm1& form)
{
    return form.findChild<QFrame*>(QStringLiteral("Panel5"));
}

QAction* menuItem(TForm1& form, const QString& name)
{
    return form.findChild<QAction*>(name);
}

} // namespace

class TestHauptfenster : public QObject
{
    Q_OBJECT

    std::unique_ptr<TempDataFolder> folder;
    std::unique_ptr<MessageRecorder> messages;
    std::unique_ptr<FakeServices> services;
    std::unique_ptr<FixedClock> clock;

private Q_SLOTS:
    void init()
    {
        folder = std::make_unique<TempDataFolder>();
        messages = std::make_unique<MessageRecorder>();
        services = std::make_unique<FakeServices>();
        clock = std::make_unique<FixedClock>(QDateTime(QDate(2023, 2, 21), QTime(19, 30, 5)));
        Programmversion = QStringLiteral("1.06");
        optionenStandardwerte(Optionen);
    }
    void cleanup()
    {
        clock.reset();
        services.reset();
        messages.reset();
        folder.reset();
    }

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
        QCOMPARE(spielabendLesen().abend.runden.size(), 1);
        messages->answerNext(platform::Answer::Yes);
        menuItem(form, QStringLiteral("NeuerAbend1"))->trigger();
        QCOMPARE(messages->messages().size(), 2);
        QVERIFY(spielabendLesen().abend.runden.isEmpty());
        QVERIFY(spielabendLesen().abend.neuePartner);
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

// The start of the program until its main window has been painted once and the event loop is
// idle, as a user sees it, beside a minimal Qt Widgets program with the same menu and a tool
// bar of 11 buttons (style Fusion, maximised) that ends the same way. Both are started as
// processes of this program, in turn, with data folders holding 200, 2 000 and 20 000
// participants.
#include "app/bilder.h"
#include "app/hauptfenster.h"
#include "app/start.h"
#include "core/base/optionen.h"
#include "core/base/programm.h"
#include "platform/base/datafolder.h"
#include "platform/base/random.h"
#include "platform/base/savefile.h"
#include "platform/base/typedfile.h"
#include "platform/ui/messages.h"
#include "players/logic/adressverwaltung.h"

#include "medianzeit.h"

#include <QApplication>
#include <QFrame>
#include <QHBoxLayout>
#include <QMainWindow>
#include <QMenuBar>
#include <QProcess>
#include <QStyle>
#include <QTemporaryDir>
#include <QTimer>
#include <QToolButton>
#include <cstdio>
#include <cstring>

namespace
{

constexpr int kKeinBild = 2;

// Ends the event loop at its first idle after the window's first paint, which is when a user
// sees the window; a window that is never painted ends the process with kKeinBild.
class NachErstemBildBeenden : public QObject
{
public:
    explicit NachErstemBildBeenden(QWidget& fenster)
    {
        fenster.installEventFilter(this);
        QTimer::singleShot(60000, this, [] { QCoreApplication::exit(kKeinBild); });
    }

protected:
    bool eventFilter(QObject* ziel, QEvent* ereignis) override
    {
        if (ereignis->type() == QEvent::Paint && !m_gemalt) {
            m_gemalt = true;
            QTimer::singleShot(0, qApp, &QCoreApplication::quit);
        }
        return QObject::eventFilter(ziel, ereignis);
    }

private:
    bool m_gemalt = false;
};

// What the program's start does, on the given data folder instead of the program's folder.
int ganzesProgramm(int argc, char* argv[], const QString& ordner)
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Zorbel-Master"));
    platform::setDataFolder(ordner);
    platform::setMessageHandler([](const platform::Message&) { return platform::Answer::Ok; });
    if (!startFreigeben())
        return 1;
    optionen_lesen();
    platform::removeTemporarySaveFiles(Datenordner);
    platform::randomize();
    QApplication::setWindowIcon(bildIcon(QStringLiteral("zorbel-master")));
    const std::unique_ptr<TForm1> form1 = programmAufbauen();
    const NachErstemBildBeenden ende(*form1);
    form1->show();
    return QApplication::exec();
}

int minimalesProgramm(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QApplication::setStyle(QStringLiteral("Fusion"));
    QMainWindow fenster;
    const QList<QPair<QString, QStringList>> menues = {
        {"Spieler erfassen", {"Spieler erfassen/ändern"}},
        {"Bearbeiten", {"Spieler auswählen", "Ausgewählte Spieler anzeigen"}},
        {"Spieler zuordnen",
         {"Spieler für 2 Tische", "Spieler für 3 Tische", "Spieler für 4 Tische",
          "Spieler für 5 Tische", "Spieler für 6 Tische"}},
        {"Drucken", {"Erfasste Spieler drucken"}},
        {"Sonstiges",
         {"Daten sichern/Wiederherstellen", "Auf verfügbare Update prüfen", "Weitere Programme",
          "Website besuchen"}}};
    for (const auto& [titel, punkte] : menues) {
        QMenu* menue = fenster.menuBar()->addMenu(titel);
        for (const QString& punkt : punkte)
            menue->addAction(punkt);
    }
    for (const char* punkt : {"Update", "Weitere Programme", "Hilfe"})
        fenster.menuBar()->addAction(QString::fromUtf8(punkt));
    auto* mitte = new QWidget;
    auto* leiste = new QFrame(mitte);
    auto* reihe = new QHBoxLayout(leiste);
    const QStringList knoepfe{"Erfassen", "Auswahl",  "Anwesend", "2 Tische",
                              "3 Tische", "4 Tische", "5 Tische", "6 Tische",
                              "Backup",   "Farben",   "Beenden"};
    for (const QString& text : knoepfe) {
        auto* knopf = new QToolButton(leiste);
        knopf->setText(text);
        knopf->setIcon(app.style()->standardIcon(QStyle::SP_FileIcon));
        knopf->setIconSize(QSize(32, 32));
        knopf->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
        reihe->addWidget(knopf);
    }
    fenster.setCentralWidget(mitte);
    const NachErstemBildBeenden ende(fenster);
    fenster.showMaximized();
    return QApplication::exec();
}

QList<TAdressRec> teilnehmer(int anzahl)
{
    QList<TAdressRec> adressen;
    adressen.reserve(anzahl);
    for (int i = 0; i < anzahl; ++i) {
        AdressFelder f;
        f.name = QStringLiteral("Meier%1").arg(i);
        f.vorname = QStringLiteral("Vorname%1").arg(i);
        adressen.append(adresseAusFeldern(f));
    }
    return adressen;
}

} // namespace

int main(int argc, char* argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    if (argc >= 3 && std::strcmp(argv[1], "--programm") == 0)
        return ganzesProgramm(argc, argv, QString::fromLocal8Bit(argv[2]));
    if (argc >= 2 && std::strcmp(argv[1], "--minimal") == 0)
        return minimalesProgramm(argc, argv);

    QCoreApplication app(argc, argv);
    const QString selbst = QCoreApplication::applicationFilePath();
    bool ok = true;
    const auto starten = [&](const QStringList& argumente) {
        ok = QProcess::execute(selbst, argumente) == 0 && ok;
    };
    for (const int anzahl : {200, 2000, 20000}) {
        QTemporaryDir ordner;
        platform::setDataFolder(ordner.path());
        if (!platform::writeFileAtomic(adressdateiPfad(),
                                       platform::recordsToBytes(teilnehmer(anzahl)))
                 .ok)
            return 1;
        // The first start of each fills the system's caches; it is not counted.
        starten({QStringLiteral("--programm"), ordner.path()});
        starten({QStringLiteral("--minimal")});
        const Paarzeit zeit = abwechselndMs(
            9,
            [&] {
                starten({QStringLiteral("--programm"), ordner.path()});
            },
            [&] { starten({QStringLiteral("--minimal")}); });
        tabellenzeile("bench_start", QStringLiteral("start until the main window is painted"),
                      anzahl, zeit, QStringLiteral("minimal Qt program, menu, 11 buttons"));
    }
    if (!ok)
        std::printf("a start failed or never painted its main window\n");
    return ok ? 0 : 1;
}

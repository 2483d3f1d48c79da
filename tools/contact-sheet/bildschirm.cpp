#include "bildschirm.h"

#include "app/hauptfenster.h"
#include "app/start.h"
#include "appearance/ui/farbe.h"
#include "appearance/ui/stilverwaltung.h"
#include "core/base/optionen.h"
#include "core/base/programm.h"
#include "draw/logic/auswahldatei.h"
#include "draw/logic/ziehung.h"
#include "draw/ui/ergebnisfenster.h"
#include "platform/base/datafolder.h"
#include "platform/base/random.h"
#include "platform/ui/modal.h"
#include "players/logic/adressbestand.h"
#include "players/logic/adressverwaltung.h"
#include "players/ui/adressen.h"
#include "players/ui/auswahldialog.h"
#include "printing/ui/tischdruckfenster.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QDialog>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QImage>
#include <QListWidget>
#include <QScreen>
#include <QSet>
#include <QTextStream>
#include <QThread>
#include <QToolButton>

#include <functional>
#include <memory>

namespace
{

struct Spieler {
    const char* vorname;
    const char* name;
    const char* ort;
};

constexpr Spieler kSpieler[] = {
    {"Anna", "Schulze", "Kassel"},  {"Bernd", "Meier", "Baunatal"},
    {"Carla", "Wagner", "Kassel"},  {"Dieter", "Krause", "Vellmar"},
    {"Elif", "Yilmaz", "Kassel"},   {"Frank", "Zimmermann", "Lohfelden"},
    {"Gisela", "Bäcker", "Kassel"}, {"Hans-Jürgen", "Lehmann", "Fuldatal"},
    {"Ines", "Koç", "Kassel"},      {"Jan", "Wojcik", "Kaufungen"},
    {"Karin", "Schmitt", "Kassel"}, {"Lutz", "Neumann", "Ahnatal"},
    {"Nadine", "Fuchs", "Kassel"},  {"Olaf", "Brandt", "Niestetal"},
};

void warten(int millisekunden)
{
    QElapsedTimer uhr;
    uhr.start();
    while (uhr.elapsed() < millisekunden) {
        QApplication::processEvents(QEventLoop::AllEvents, 20);
        QThread::msleep(10);
    }
}

QStringList spielerNamen()
{
    QStringList namen;
    for (const Spieler& s : kSpieler)
        namen << QString::fromUtf8(s.vorname) + QLatin1Char(' ') + QString::fromUtf8(s.name);
    return namen;
}

int speichern(const QImage& bild, const QString& datei)
{
    if (bild.save(datei))
        return 0;
    QTextStream(stderr) << "konnte nicht speichern: " << datei << '\n';
    return 1;
}

int fensterSpeichern(QWidget& fenster, const QString& datei, int breite)
{
    QImage bild = fenster.grab().toImage();
    if (bild.width() > breite)
        bild = bild.scaledToWidth(breite, Qt::SmoothTransformation);
    return speichern(bild, datei);
}

template <class T> T* kind(const QObject& fenster, const char* name)
{
    return fenster.findChild<T*>(QString::fromLatin1(name));
}

QSet<QWidget*> sichtbareFenster()
{
    QSet<QWidget*> fenster;
    for (QWidget* w : QApplication::topLevelWidgets())
        if (w->isVisible())
            fenster.insert(w);
    return fenster;
}

bool hilfeKopieren(const QString& hilfeOrdner)
{
    const QDir quelle(hilfeOrdner);
    const QDir ziel(Datenordner);
    bool gut = QFile::copy(quelle.filePath(QStringLiteral("Zorbeln-Hilfe.html")),
                           ziel.filePath(QStringLiteral("Zorbeln-Hilfe.html")));
    ziel.mkpath(QStringLiteral("bilder"));
    for (const QString& bild : QDir(quelle.filePath(QStringLiteral("bilder")))
                                   .entryList({QStringLiteral("*.png")}, QDir::Files))
        gut = QFile::copy(quelle.filePath(QStringLiteral("bilder/") + bild),
                          ziel.filePath(QStringLiteral("bilder/") + bild)) &&
              gut;
    return gut;
}

} // namespace

void beispielDatenAnlegen()
{
    Adressbestand teilnehmer;
    for (const Spieler& s : kSpieler) {
        AdressFelder felder;
        felder.name = QString::fromUtf8(s.name);
        felder.vorname = QString::fromUtf8(s.vorname);
        felder.plzOrt = QString::fromUtf8(s.ort);
        teilnehmer.erfassen(adresseAusFeldern(felder), felder.name, felder.vorname);
    }
    auswahlSchreiben(auswahldatei2(), spielerNamen());
    Optionen.Spielmodus = kDoppel;
    platform::setRandSeed(20261210u);
    for (int tische = kMinTische; tische <= kMaxTische; ++tische)
        personen_zuweisen(tische);
}

int hilfebilderMachen(const QString& ordner, int breite)
{
    optionen_lesen();
    beispielDatenAnlegen();
    appearance::StyleManager::setStyle(QStringLiteral("Emerald Light Slate"));
    setTischdruck(tischbelegungDrucken); // as at start, so "Drucken" is shown enabled
    int fehler = 0;

    TAdressen teilnehmer;
    teilnehmer.oeffnen();
    auto* liste = kind<QListWidget>(teilnehmer, "ListBox1");
    liste->setCurrentRow(3);
    warten(300);
    fehler += fensterSpeichern(teilnehmer, ordner + QStringLiteral("/teilnehmer.png"), breite);
    teilnehmer.close();

    TDualListDlg auswahl;
    auswahl.oeffnen();
    kind<QAbstractButton>(auswahl, "RadioButton8")->click(); // Doppelspiele
    kind<QAbstractButton>(auswahl, "RadioButton4")->click(); // 3 Tische
    auto* links = kind<QListWidget>(auswahl, "SrcList");
    for (int zeile = 0; zeile < 6; ++zeile)
        links->item(zeile * 2)->setSelected(true);
    kind<QAbstractButton>(auswahl, "Button4")->click(); // ">"
    warten(300);
    fehler += fensterSpeichern(auswahl, ordner + QStringLiteral("/auswahl.png"), breite);
    auswahl.close();

    TForm7 tische;
    tische.zeigen();
    tische.setGeometry(QRect(0, 0, 1024, 560));
    warten(400);
    fehler += fensterSpeichern(tische, ordner + QStringLiteral("/ergebnis.png"), breite);
    tische.close();

    TFarbe farbwahl;
    farbwahl.anzeigen();
    warten(300);
    fehler += fensterSpeichern(farbwahl, ordner + QStringLiteral("/farbwahl.png"), breite);
    farbwahl.close();
    return fehler;
}

int bildschirmfotosMachen(const QString& ordner, const QString& hilfeOrdner)
{
    int fehler = hilfeKopieren(hilfeOrdner) ? 0 : 1;
    optionen_lesen();
    beispielDatenAnlegen();
    const std::unique_ptr<TForm1> hauptfenster = programmAufbauen();
    hauptfenster->show();
    warten(1000);

    auto knopf = [&](const char* name) {
        return [&, name] { kind<QToolButton>(*hauptfenster, name)->click(); };
    };
    auto menue = [&](const char* name) {
        return [&, name] { kind<QAction>(*hauptfenster, name)->trigger(); };
    };
    const std::vector<std::pair<const char*, std::function<void()>>> schritte = {
        {"hauptfenster", [] {}},
        {"erfassen", knopf("SpeedButton1")},
        {"auswahl", knopf("SpeedButton3")},
        {"anwesend", knopf("SpeedButton12")},
        {"2-tische", knopf("SpeedButton4")},
        {"3-tische", knopf("SpeedButton5")},
        {"4-tische", knopf("SpeedButton2")},
        {"5-tische", knopf("SpeedButton8")},
        {"6-tische", knopf("SpeedButton6")},
        {"sicherung", knopf("SpeedButton7")},
        {"farben", knopf("SpeedButton10")},
        {"drucken", menue("Adressendrucken1")},
        {"weitere-programme", menue("WeitereProgramme1")},
        {"hilfe", menue("Hilfe1")},
    };
    const QSize groesse = QGuiApplication::primaryScreen()->geometry().size();
    const QString vorsilbe =
        QStringLiteral("%1/%2x%3-").arg(ordner).arg(groesse.width()).arg(groesse.height());
    auto bildschirmSpeichern = [](const QString& datei) {
        return speichern(QGuiApplication::primaryScreen()->grabWindow(0).toImage(), datei);
    };
    // A window made anew for each opening (backup) is gone once its modal run returns: it is
    // taken while it is shown.
    QString datei;
    bool aufgenommen = false;
    const platform::ModalRunner vorher = platform::setModalRunner([&](QDialog& dialog) {
        dialog.show();
        dialog.raise();
        warten(800);
        fehler += bildschirmSpeichern(datei);
        aufgenommen = true;
        dialog.close();
        return int(QDialog::Rejected);
    });
    int nummer = 0;
    for (const auto& [name, oeffnen] : schritte) {
        datei = vorsilbe + QStringLiteral("%1-%2.png")
                               .arg(++nummer, 2, 10, QLatin1Char('0'))
                               .arg(QLatin1String(name));
        aufgenommen = false;
        const QSet<QWidget*> davor = sichtbareFenster();
        oeffnen();
        const QSet<QWidget*> neu = sichtbareFenster() - davor;
        for (QWidget* fenster : neu) {
            fenster->raise();
            fenster->activateWindow();
        }
        if (!aufgenommen) {
            warten(800);
            fehler += bildschirmSpeichern(datei);
        }
        for (QWidget* fenster : neu)
            fenster->close();
        warten(200);
    }
    platform::setModalRunner(vorher);
    return fehler;
}

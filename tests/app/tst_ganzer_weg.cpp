// The organiser's whole road, through the windows' own controls, starting from the main
// window as the program builds it: participants entered, the players present picked, the
// seating drawn and stored and shown by "2 Tische", the selection brought back.
#include "app/hauptfenster.h"
#include "app/start.h"
#include "common/testsupport.h"
#include "core/base/optionen.h"
#include "draw/logic/tischdatei.h"
#include "draw/ui/ergebnisfenster.h"
#include "platform/base/random.h"
#include "players/logic/adressdatei.h"
#include "players/ui/adressen.h"
#include "players/ui/auswahldialog.h"

#include <QApplication>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QSet>
#include <QTest>
#include <QToolButton>

namespace
{

struct Teilnehmer {
    const char* name;
    const char* vorname;
};

const Teilnehmer kNeun[] = {{"Meier", "Hans"},   {"Schulz", "Anna"}, {"Müller", "Jürgen"},
                            {"Becker", "Eva"},   {"Wagner", "Karl"}, {"Hoffmann", "Paula"},
                            {"Schäfer", "Rita"}, {"Koch", "Otto"},   {"Weiß", "Lena"}};

// Types the text key by key, as a keyboard with German keys does (umlauts and ß included).
void tippen(QWidget* feld, const QString& text)
{
    for (const QChar zeichen : text) {
        const auto taste = Qt::Key(zeichen.toUpper().unicode());
        QTest::sendKeyEvent(QTest::Press, feld, taste, QString(zeichen), Qt::NoModifier);
        QTest::sendKeyEvent(QTest::Release, feld, taste, QString(zeichen), Qt::NoModifier);
    }
}

// "Vorname Name", as the selection dialog and the seating show a participant.
QStringList erwarteteNamen()
{
    QStringList namen;
    for (const Teilnehmer& t : kNeun)
        namen.append(QString::fromUtf8(t.vorname) + QLatin1Char(' ') + QString::fromUtf8(t.name));
    return namen;
}

} // namespace

class TestGanzerWeg : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void vomTeilnehmerZurSitzordnung();
};

void TestGanzerWeg::vomTeilnehmerZurSitzordnung()
{
    TempDataFolder ordner;
    // The help file beside the program: the start shows no message about it.
    QVERIFY(writeFileBytes(ordner.file(QStringLiteral("Zorbeln-Hilfe.html")), "<html></html>"));
    MessageRecorder meldungen;
    optionen_lesen(); // a first start: the settings file is created with the defaults
    const auto haupt = programmAufbauen();
    haupt->show();
    platform::setRandSeed(20240611);
    auto panel5Sichtbar = [&haupt] {
        return !requireChild<QWidget>(haupt.get(), "Panel5")->isHidden();
    };

    // 1. Nine participants, typed into the participant window and saved one by one.
    QTest::mouseClick(requireChild<QToolButton>(haupt.get(), "SpeedButton1"), Qt::LeftButton);
    TAdressen& adressen = *haupt->findChild<TAdressen*>();
    QVERIFY(adressen.isVisible());
    for (const Teilnehmer& t : kNeun) {
        tippen(requireChild<QLineEdit>(&adressen, "Edit3"), QString::fromUtf8(t.name));
        tippen(requireChild<QLineEdit>(&adressen, "Edit4"), QString::fromUtf8(t.vorname));
        QTest::mouseClick(requireChild<QPushButton>(&adressen, "Button1"), Qt::LeftButton);
    }
    QCOMPARE(adressenLesen().size(), 9);
    QCOMPARE(requireChild<QListWidget>(&adressen, "ListBox1")->count(), 9);
    QTest::mouseClick(requireChild<QPushButton>(&adressen, "Button2"), Qt::LeftButton);

    // 2. The selection dialog lists all nine.
    QTest::mouseClick(requireChild<QToolButton>(haupt.get(), "SpeedButton3"), Qt::LeftButton);
    TDualListDlg& dialog = *haupt->findChild<TDualListDlg*>();
    QVERIFY(dialog.isVisible());
    QVERIFY(!panel5Sichtbar());
    QStringList alleSortiert = erwarteteNamen();
    const QStringList links = dialog.linkeEintraege();
    QCOMPARE(links.size(), 9);
    QCOMPARE(QSet<QString>(links.cbegin(), links.cend()),
             QSet<QString>(alleSortiert.cbegin(), alleSortiert.cend()));
    alleSortiert = links;

    // 3. "2 Tische", "Doppelspiele", ">>", "Auswahl speichern".
    QTest::mouseClick(requireChild<QRadioButton>(&dialog, "RadioButton1"), Qt::LeftButton);
    QTest::mouseClick(requireChild<QRadioButton>(&dialog, "RadioButton8"), Qt::LeftButton);
    QTest::mouseClick(requireChild<QPushButton>(&dialog, "Button5"), Qt::LeftButton);
    QCOMPARE(dialog.rechteEintraege(), alleSortiert);
    QTest::mouseClick(requireChild<QPushButton>(&dialog, "Button2"), Qt::LeftButton);
    QVERIFY(!dialog.isVisible());
    QVERIFY(panel5Sichtbar());

    // 4. "Tisch2.ti2" holds eight of the nine, each once, in the corner places of doubles.
    const Tischlesung gelesen = tischLesen(2);
    QVERIFY(gelesen.gelesen);
    QStringList gesetzt;
    for (int tisch = 1; tisch <= 2; ++tisch) {
        for (Platz ecke :
             {Platz::ObenLinks, Platz::ObenRechts, Platz::UntenLinks, Platz::UntenRechts})
            gesetzt.append(gelesen.belegung.name(tisch, ecke).trimmed());
        QVERIFY(gelesen.belegung.name(tisch, Platz::ObenMitte).isEmpty());
        QVERIFY(gelesen.belegung.name(tisch, Platz::UntenMitte).isEmpty());
    }
    const QSet<QString> gesetztMenge(gesetzt.cbegin(), gesetzt.cend());
    QCOMPARE(gesetztMenge.size(), 8);
    for (const QString& name : gesetztMenge)
        QVERIFY2(alleSortiert.contains(name), qPrintable(name));
    QCOMPARE(Optionen.Spielmodus, 1);

    // 5. "2 Tische" on the main window shows the same eight in the corner places.
    Tischbelegung angezeigt;
    QStringList eckenTexte;
    {
        NonBlockingModals modal([&](QDialog& fenster) {
            auto& ergebnis = static_cast<Ergebnisfenster&>(fenster);
            angezeigt = ergebnis.angezeigteBelegung();
            for (int tisch = 1; tisch <= 2; ++tisch)
                for (Platz ecke :
                     {Platz::ObenLinks, Platz::ObenRechts, Platz::UntenLinks, Platz::UntenRechts})
                    eckenTexte.append(ergebnis.namensLabel(tisch, ecke)->text().trimmed());
        });
        QTest::mouseClick(requireChild<QToolButton>(haupt.get(), "SpeedButton4"), Qt::LeftButton);
        QCOMPARE(modal.shownCount(), 1);
    }
    QCOMPARE(angezeigt, gelesen.belegung);
    QCOMPARE(eckenTexte, gesetzt);
    QVERIFY(!panel5Sichtbar());
    QTest::mouseClick(ergebnisfenster(2)->findChild<QPushButton*>(QStringLiteral("Button1")),
                      Qt::LeftButton);
    QVERIFY(!ergebnisfenster(2)->isVisible());
    QVERIFY(panel5Sichtbar());

    // 6. Opened again the dialog starts empty on the right; "Auswahl laden" brings back both
    //    lists of the save.
    QTest::mouseClick(requireChild<QToolButton>(haupt.get(), "SpeedButton3"), Qt::LeftButton);
    QCOMPARE(dialog.rechteEintraege().size(), 0);
    QTest::mouseClick(requireChild<QPushButton>(&dialog, "Button1"), Qt::LeftButton);
    QCOMPARE(dialog.linkeEintraege(), QStringList());
    QCOMPARE(dialog.rechteEintraege(), alleSortiert);
    QVERIFY(requireChild<QPushButton>(&dialog, "Button2")->isEnabled());

    QVERIFY2(meldungen.messages().isEmpty(), qPrintable(meldungen.texts().join(QLatin1Char('|'))));
}

int main(int argc, char** argv)
{
    QTemporaryDir home; // the program may look into the home folder: never the real one
    qputenv("HOME", QFile::encodeName(home.path()));
    QApplication app(argc, argv);
    TestGanzerWeg test;
    return QTest::qExec(&test, argc, argv);
}
#include "tst_ganzer_weg.moc"

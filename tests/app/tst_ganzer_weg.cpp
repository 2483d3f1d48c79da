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
#include "players/logic/adressbestand.h"
#include "players/logic/adressdatei.h"
#include "players/logic/adressverwaltung.h"
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
#include <QWindow>

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

TAdressRec testAdresse(const Teilnehmer& t)
{
    AdressFelder felder;
    felder.name = QString::fromUtf8(t.name);
    felder.vorname = QString::fromUtf8(t.vorname);
    return adresseAusFeldern(felder);
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
    void neuMischenImGezeigtenModus();
    void nichtModaleFensterBleibenUeberDemHauptfenster();
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
    const platform::Read<Tischbelegung> gelesen = tischLesen(2);
    QVERIFY(gelesen.found());
    QStringList gesetzt;
    for (int tisch = 1; tisch <= 2; ++tisch) {
        for (Platz ecke :
             {Platz::ObenLinks, Platz::ObenRechts, Platz::UntenLinks, Platz::UntenRechts})
            gesetzt.append(gelesen.value.name(tisch, ecke).trimmed());
        QVERIFY(gelesen.value.name(tisch, Platz::ObenMitte).isEmpty());
        QVERIFY(gelesen.value.name(tisch, Platz::UntenMitte).isEmpty());
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
    QCOMPARE(angezeigt, gelesen.value);
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

// After a doubles draw the dialog is opened and closed with "Beenden": "Spieler neu mischen."
// in the "2 Tische" window seats in the mode the dialog shows, doubles. Escape closes neither.
void TestGanzerWeg::neuMischenImGezeigtenModus()
{
    TempDataFolder ordner;
    QVERIFY(writeFileBytes(ordner.file(QStringLiteral("Zorbeln-Hilfe.html")), "<html></html>"));
    MessageRecorder meldungen;
    optionen_lesen();
    Adressbestand teilnehmer;
    for (const Teilnehmer& t : kNeun)
        QVERIFY(
            teilnehmer
                .erfassen(testAdresse(t), QString::fromUtf8(t.name), QString::fromUtf8(t.vorname))
                .geschrieben);
    const auto haupt = programmAufbauen();
    haupt->show();
    platform::setRandSeed(777);

    QTest::mouseClick(requireChild<QToolButton>(haupt.get(), "SpeedButton3"), Qt::LeftButton);
    TDualListDlg& dialog = *haupt->findChild<TDualListDlg*>();
    QTest::mouseClick(requireChild<QRadioButton>(&dialog, "RadioButton1"), Qt::LeftButton);
    QTest::mouseClick(requireChild<QRadioButton>(&dialog, "RadioButton8"), Qt::LeftButton);
    QTest::mouseClick(requireChild<QPushButton>(&dialog, "Button5"), Qt::LeftButton);
    // Escape in the dialog neither closes it nor loses a pick.
    QTest::keyClick(requireChild<QListWidget>(&dialog, "DstList"), Qt::Key_Escape);
    QVERIFY(dialog.isVisible());
    QCOMPARE(dialog.rechteEintraege().size(), 9);
    QTest::mouseClick(requireChild<QPushButton>(&dialog, "Button2"), Qt::LeftButton);
    QVERIFY(!dialog.isVisible());

    // Opened and closed again: the mode on screen is still doubles.
    QTest::mouseClick(requireChild<QToolButton>(haupt.get(), "SpeedButton3"), Qt::LeftButton);
    QVERIFY(requireChild<QRadioButton>(&dialog, "RadioButton8")->isChecked());
    QTest::mouseClick(requireChild<QPushButton>(&dialog, "Button3"), Qt::LeftButton);
    QCOMPARE(Optionen.Spielmodus, 1);

    NonBlockingModals modal;
    QTest::mouseClick(requireChild<QToolButton>(haupt.get(), "SpeedButton4"), Qt::LeftButton);
    Ergebnisfenster* fenster = ergebnisfenster(2);
    QVERIFY(fenster->isVisible());
    for (int runde = 0; runde < 5; ++runde) {
        QTest::mouseClick(requireChild<QPushButton>(fenster, "Button2"), Qt::LeftButton);
        const Tischbelegung gezeigt = fenster->angezeigteBelegung();
        QSet<QString> gesetzt;
        for (int tisch = 1; tisch <= 2; ++tisch) {
            for (Platz ecke :
                 {Platz::ObenLinks, Platz::ObenRechts, Platz::UntenLinks, Platz::UntenRechts})
                gesetzt.insert(gezeigt.name(tisch, ecke));
            QVERIFY(gezeigt.name(tisch, Platz::ObenMitte).isEmpty());
            QVERIFY(gezeigt.name(tisch, Platz::UntenMitte).isEmpty());
        }
        gesetzt.remove(QString());
        QCOMPARE(gesetzt.size(), 8);
        QCOMPARE(tischLesen(2).value, gezeigt);
    }
    QTest::keyClick(fenster, Qt::Key_Escape);
    QVERIFY(fenster->isVisible());
    QVERIFY(meldungen.messages().isEmpty());
}

// A window that does not block the main window stays above it: a click on the maximised main
// window must not bury it.
void TestGanzerWeg::nichtModaleFensterBleibenUeberDemHauptfenster()
{
    TempDataFolder ordner;
    QVERIFY(writeFileBytes(ordner.file(QStringLiteral("Zorbeln-Hilfe.html")), "<html></html>"));
    MessageRecorder meldungen;
    optionen_lesen();
    const auto haupt = programmAufbauen();
    haupt->show();
    haupt->Namenerfassen1Click();
    haupt->Personenfestlegen1Click();
    haupt->SpeedButton10Click();
    haupt->WeitereProgramme1Click();
    haupt->Adressendrucken1Click();
    QApplication::processEvents();

    int geprueft = 0;
    for (QWidget* fenster : QApplication::topLevelWidgets()) {
        if (fenster == haupt.get() || !fenster->isVisible())
            continue;
        ++geprueft;
        const QString name = QString::fromLatin1(fenster->metaObject()->className());
        QVERIFY2(!fenster->isModal(), qPrintable(name));
        QVERIFY2(fenster->windowType() == Qt::Dialog, qPrintable(name));
        QVERIFY2(fenster->windowHandle() &&
                     fenster->windowHandle()->transientParent() == haupt->windowHandle(),
                 qPrintable(name));
    }
    QCOMPARE(geprueft, 5);
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

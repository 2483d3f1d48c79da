#include "adress_testhilfe.h"
#include "core/base/programm.h"
#include "core/ui/hauptfensterdienste.h"
#include "platform/base/filecopy.h"
#include "platform/base/savefile.h"
#include "platform/ui/help.h"
#include "players/ui/adressen.h"

#include <QApplication>
#include <QClipboard>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QScreen>
#include <QTest>
#include <QWindow>

namespace
{

const QStringList kFelder{"Edit3", "Edit4", "Edit5", "Edit6", "Edit7", "Edit8", "Edit9", "Edit10"};

// Puts a short string at `offset` of a hand-laid record: length byte, then the bytes.
void feld(QByteArray& datei, int offset, const QByteArray& text)
{
    datei[offset] = char(text.size());
    datei.replace(offset + 1, text.size(), text);
}

// Records whether Panel5 was shown or hidden through the main window's services.
struct Hauptflaeche {
    QList<bool> aufrufe;
    Hauptflaeche()
    {
        HauptfensterDienste dienste;
        dienste.hauptflaecheSichtbar = [this](bool sichtbar) { aufrufe.append(sichtbar); };
        hauptfensterDiensteSetzen(dienste);
    }
    ~Hauptflaeche() { hauptfensterDiensteSetzen({}); }
    Hauptflaeche(const Hauptflaeche&) = delete;
    Hauptflaeche& operator=(const Hauptflaeche&) = delete;
};

} // namespace

class TestAdressen : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void init();
    void cleanup();

    void entryFieldsInOrderWithTheirLabels_data();
    void entryFieldsInOrderWithTheirLabels();
    void listAndButtons();
    void placement();
    void openingEmptiesFieldsFillsSortedListAndFocusesName();
    void writtenFileMatchesAHandLaidFixture();
    void saveEmptiesTheFieldsAndReloadsTheList();
    void pickAndSave_data();
    void pickAndSave();
    void pickingByKeyboardAndClickingAgain();
    void changesMadeElsewhereAreReadBeforeAPickAndASave_data();
    void changesMadeElsewhereAreReadBeforeAPickAndASave();
    void changesMadeElsewhereAreReadBeforeADelete_data();
    void changesMadeElsewhereAreReadBeforeADelete();
    void pickAndSaveAfterTheWindowWasHiddenAndShownAgain();
    void loeschen_data();
    void loeschen();
    void keysOnTheDeleteQuestion_data();
    void keysOnTheDeleteQuestion();
    void failureKeepsWhatWasTyped_data();
    void failureKeepsWhatWasTyped();
    void saveButtonFollowsFirstName();
    void enterMovesOnAndIsSwallowed_data();
    void enterMovesOnAndIsSwallowed();
    void arrowKeys_data();
    void arrowKeys();
    void tabOrderWrapsAtBothEnds();
    void beendenShowsTheMainPanelAndCloses();
    void hilfeOpensTopic1050();
    void pastedLineBreaksAndTabsBecomeBlanks_data();
    void pastedLineBreaksAndTabsBecomeBlanks();
    void doubleClickOnSaveStoresOneRecord();
    void recordWithoutAnyNameIsNotStored_data();
    void recordWithoutAnyNameIsNotStored();
    void lettersTheFileLacksAreReplacedAndNamed_data();
    void lettersTheFileLacksAreReplacedAndNamed();
    void staysAboveTheMainWindow();

private:
    QLineEdit* edit(const QString& name) const { return m_fenster->findChild<QLineEdit*>(name); }
    QPushButton* button(const QString& name) const
    {
        return m_fenster->findChild<QPushButton*>(name);
    }
    QListWidget* liste() const { return m_fenster->findChild<QListWidget*>("ListBox1"); }
    QStringList listeneintraege() const;
    void eintragKlicken(const QString& text, int welcher = 0);
    void tippen(const QString& feldname, const QString& text);
    bool alleFelderLeer() const;
    bool anderswoAendern(int wie, const QStringList& zeilen) const;
    void aktivieren();

    std::unique_ptr<TempDataFolder> m_ordner;
    std::unique_ptr<MessageRecorder> m_meldungen;
    std::unique_ptr<TAdressen> m_fenster;
};

void TestAdressen::init()
{
    m_ordner = std::make_unique<TempDataFolder>();
    m_meldungen = std::make_unique<MessageRecorder>();
    m_fenster = std::make_unique<TAdressen>();
}

void TestAdressen::cleanup()
{
    m_fenster.reset();
    m_meldungen.reset();
    m_ordner.reset();
}

QStringList TestAdressen::listeneintraege() const
{
    QStringList texte;
    for (int i = 0; i < liste()->count(); ++i)
        texte.append(liste()->item(i)->text());
    return texte;
}

void TestAdressen::eintragKlicken(const QString& text, int welcher)
{
    const QList<QListWidgetItem*> treffer = liste()->findItems(text, Qt::MatchExactly);
    QVERIFY2(treffer.size() > welcher, qPrintable(text));
    QListWidgetItem* eintrag = treffer.at(welcher);
    liste()->scrollToItem(eintrag);
    QTest::mouseClick(liste()->viewport(), Qt::LeftButton, {},
                      liste()->visualItemRect(eintrag).center());
}

void TestAdressen::tippen(const QString& feldname, const QString& text)
{
    QLineEdit* feld = edit(feldname);
    feld->selectAll();
    feld->insert(text); // as typed; QTest::keyClicks takes no umlauts
}

bool TestAdressen::alleFelderLeer() const
{
    for (const QString& name : kFelder)
        if (!edit(name)->text().isEmpty())
            return false;
    return true;
}

// Writes the participant file as another program or a restore does: 0 over the file in place,
// 1 by an atomic save, 2 by a copy that keeps the copied file's modification time.
bool TestAdressen::anderswoAendern(int wie, const QStringList& zeilen) const
{
    const QByteArray bytes = platform::recordsToBytes(ausZeilen(zeilen));
    if (wie == 0)
        return writeFileBytes(adressdateiPfad(), bytes);
    if (wie == 1)
        return platform::writeFileAtomic(adressdateiPfad(), bytes).ok;
    const QString kopie = m_ordner->file(QStringLiteral("Sicherung.adr"));
    return writeFileBytes(kopie, bytes) && platform::copyFileReplacing(kopie, adressdateiPfad()).ok;
}

void TestAdressen::aktivieren()
{
    m_fenster->oeffnen();
    QApplication::setActiveWindow(m_fenster.get());
    QVERIFY(QTest::qWaitForWindowActive(m_fenster.get()));
}

void TestAdressen::entryFieldsInOrderWithTheirLabels_data()
{
    QTest::addColumn<int>("stelle");
    QTest::addColumn<QString>("beschriftung");
    const QStringList beschriftungen{"Name",    "Vorname", "Strasse", "Plz/Ort",
                                     "Telefon", "Fax",     "Mobil",   "Email"};
    for (int i = 0; i < kFelder.size(); ++i)
        QTest::newRow(qPrintable(kFelder[i])) << i << beschriftungen[i];
}

void TestAdressen::entryFieldsInOrderWithTheirLabels()
{
    QFETCH(int, stelle);
    QFETCH(QString, beschriftung);
    m_fenster->show();
    QLineEdit* feld = edit(kFelder[stelle]);
    QVERIFY(feld != nullptr);
    QCOMPARE(feld->accessibleName(), beschriftung);
    auto* gruppe = m_fenster->findChild<QGroupBox*>("GroupBox1");
    QCOMPARE(gruppe->title(), QStringLiteral("Personendaten"));
    QVERIFY(gruppe->isAncestorOf(feld));
    QLabel* label = nullptr;
    for (QLabel* l : gruppe->findChildren<QLabel*>())
        if (l->buddy() == feld)
            label = l;
    QVERIFY(label != nullptr);
    QCOMPARE(label->text(), beschriftung);
    QVERIFY(label->isVisible());
    QCOMPARE(label->geometry().center().y(), feld->geometry().center().y());
    if (stelle > 0)
        QVERIFY(feld->y() > edit(kFelder[stelle - 1])->y());
}

void TestAdressen::listAndButtons()
{
    QCOMPARE(m_fenster->windowTitle(), QStringLiteral("Teilnehmer erfassen/ändern."));
    QCOMPARE(m_fenster->findChild<QGroupBox*>("GroupBox2")->title(),
             QStringLiteral("Bereits vorhandene Namen"));
    QCOMPARE(liste()->accessibleName(), QStringLiteral("Bereits vorhandene Namen"));
    const QStringList texte{"Speichern >>", "Beenden", "Löschen", "Hilfe"};
    for (int i = 0; i < texte.size(); ++i) {
        QPushButton* knopf = button(QStringLiteral("Button%1").arg(i + 1));
        QVERIFY(knopf != nullptr);
        QCOMPARE(knopf->text(), texte[i]);
        QVERIFY(!knopf->accessibleName().isEmpty());
    }
    QVERIFY(button("Button1")->isEnabled());
}

void TestAdressen::placement()
{
    const QRect schirm = QGuiApplication::primaryScreen()->geometry();
    QCOMPARE(m_fenster->x(), schirm.left() + (schirm.width() - m_fenster->width()) / 2);
    QCOMPARE(m_fenster->y(), schirm.top() + (schirm.height() - m_fenster->height()) / 2 + 50);
    const int m = m_fenster->width() / 2;
    QCOMPARE(button("Button1")->x(), m - 2 * button("Button1")->width() - 15);
    QCOMPARE(button("Button2")->x(), m - button("Button2")->width() - 10);
    QCOMPARE(button("Button3")->x(), m - 5);
    QCOMPARE(button("Button4")->x(), m + button("Button4")->width());
    m_fenster->show();
    const QRect innen = m_fenster->rect();
    for (QPushButton* knopf : m_fenster->findChildren<QPushButton*>())
        QVERIFY2(innen.contains(knopf->geometry()), qPrintable(knopf->objectName()));
}

void TestAdressen::openingEmptiesFieldsFillsSortedListAndFocusesName()
{
    QVERIFY(dateiAnlegen(
        {"schulz|Eva", "Adler|Xaver", "Meier|", "Schulz|Eva", "|Hans", "Özdemir|Ali"}));
    for (const QString& name : kFelder)
        edit(name)->setText(QStringLiteral("alt"));
    aktivieren();
    QVERIFY(alleFelderLeer());
    QCOMPARE(listeneintraege(), (QStringList{", Hans", "Adler, Xaver", "Meier, ", "Özdemir, Ali",
                                             "schulz, Eva", "Schulz, Eva"}));
    QVERIFY(m_fenster->isVisible());
    QVERIFY(!m_fenster->isModal());
    QCOMPARE(QApplication::focusWidget(), edit("Edit3"));
}

void TestAdressen::writtenFileMatchesAHandLaidFixture()
{
    m_fenster->oeffnen();
    const QStringList eingabe{
        "Müller",   "Jörg",     "Hauptstraße 5", "12345 Großstadt",
        "0123 456", "0123 457", "0170 1234567",  "joerg@example.org" + langerText(70, 'e')};
    for (int i = 0; i < kFelder.size(); ++i)
        tippen(kFelder[i], eingabe[i]);
    QTest::mouseClick(button("Button1"), Qt::LeftButton);
    tippen("Edit3", langerText(65, 'N'));
    tippen("Edit4", "Eva");
    QTest::mouseClick(button("Button1"), Qt::LeftButton);

    QByteArray erwartet(2 * 960, '\0');
    feld(erwartet, 0, "J\xf6rg");
    feld(erwartet, 61, "M\xfcller");
    feld(erwartet, 122,
         "Hauptstra\xdf"
         "e 5");
    feld(erwartet, 183, "12345 Gro\xdfstadt");
    feld(erwartet, 305, "joerg@example.org" + QByteArray(63, 'e'));
    feld(erwartet, 467, "0123 456");
    feld(erwartet, 498, "0123 457");
    feld(erwartet, 560, "0170 1234567");
    feld(erwartet, 960 + 0, "Eva");
    feld(erwartet, 960 + 61, QByteArray(60, 'N'));
    QCOMPARE(readFileBytes(adressdateiPfad()), erwartet);
    QVERIFY(m_meldungen->messages().isEmpty());
}

void TestAdressen::saveEmptiesTheFieldsAndReloadsTheList()
{
    QVERIFY(dateiAnlegen({"Schulz|Eva|B"}));
    m_fenster->oeffnen();
    tippen("Edit3", "Adler");
    tippen("Edit4", "Xaver");
    tippen("Edit10", "x@example.org");
    QTest::mouseClick(button("Button1"), Qt::LeftButton);
    QVERIFY(alleFelderLeer());
    QCOMPARE(listeneintraege(), (QStringList{"Adler, Xaver", "Schulz, Eva"}));
    QCOMPARE(dateiZeilen(), (QStringList{"Schulz|Eva|B", "Adler|Xaver|"}));
}

void TestAdressen::pickAndSave_data()
{
    QTest::addColumn<QStringList>("vorher");
    QTest::addColumn<QString>("eintrag");
    QTest::addColumn<int>("welcher"); // which of equal list entries is clicked
    QTest::addColumn<QString>("gezeigteStrasse");
    QTest::addColumn<QString>("neuerName"); // typed over "Name" after picking; empty: kept
    QTest::addColumn<QStringList>("nachher");

    QTest::newRow("two alike: picking shows the last, saving replaces the first")
        << QStringList{"Meier|Hans|erste", "Schulz|Eva|B", "Meier|Hans|letzte"} << "Meier, Hans"
        << 0 << "letzte"
        << "" << QStringList{"Schulz|Eva|B", "Meier|Hans|letzte", "Meier|Hans|letzte"};
    QTest::newRow("the other of two alike shows the last as well")
        << QStringList{"Meier|Hans|erste", "Meier|Hans|letzte"} << "Meier, Hans" << 1 << "letzte"
        << "" << QStringList{"Meier|Hans|letzte", "Meier|Hans|letzte"};
    QTest::newRow("entries differing in case pick the last of them")
        << QStringList{"meier|hans|klein", "MEIER|HANS|gross"} << "meier, hans" << 0 << "gross"
        << "" << QStringList{"MEIER|HANS|gross", "MEIER|HANS|gross"};
    QTest::newRow("picked and saved unchanged: moved to the end")
        << QStringList{"Meier|Hans|A", "Schulz|Eva|B"} << "Meier, Hans" << 0 << "A"
        << "" << QStringList{"Schulz|Eva|B", "Meier|Hans|A"};
    QTest::newRow("renamed: added, the old record stays")
        << QStringList{"Meier|Hans|A", "Schulz|Eva|B"} << "Meier, Hans" << 0 << "A"
        << "Maier" << QStringList{"Meier|Hans|A", "Schulz|Eva|B", "Maier|Hans|A"};
    QTest::newRow("upper case and blanks: replaced")
        << QStringList{"Meier|Hans|A", "Schulz|Eva|B"} << "Meier, Hans" << 0 << "A"
        << " MEIER " << QStringList{"Schulz|Eva|B", " MEIER |Hans|A"};
    QTest::newRow("umlaut in other case: a new participant")
        << QStringList{"Müller|Jörg|A"} << "Müller, Jörg" << 0 << "A"
        << "MÜLLER" << QStringList{"Müller|Jörg|A", "MÜLLER|Jörg|A"};
    QTest::newRow("long name saved again: replaced")
        << QStringList{langerText(60) + "|Hans|A"} << langerText(60) + ", Hans" << 0 << "A"
        << langerText(90) << QStringList{langerText(60) + "|Hans|A"};
}

void TestAdressen::pickAndSave()
{
    QFETCH(QStringList, vorher);
    QFETCH(QString, eintrag);
    QFETCH(int, welcher);
    QFETCH(QString, gezeigteStrasse);
    QFETCH(QString, neuerName);
    QFETCH(QStringList, nachher);
    QVERIFY(dateiAnlegen(vorher));
    // A file written within the file clock's last step is read anew at every pick and save;
    // once that step has passed, the window works from memory, as it does in use.
    QTest::qWait(30);
    m_fenster->oeffnen();
    eintragKlicken(eintrag, welcher);
    QCOMPARE(m_fenster->auswahltext(), eintrag);
    QCOMPARE(edit("Edit5")->text(), gezeigteStrasse);
    if (!neuerName.isEmpty())
        tippen("Edit3", neuerName);
    QTest::mouseClick(button("Button1"), Qt::LeftButton);
    QCOMPARE(dateiZeilen(), nachher);
    QVERIFY(alleFelderLeer());
    // The list shows what opening the window anew would show, nothing picked.
    QCOMPARE(listeneintraege(), SortierteAdressliste(adresseListentexte(adressenLesen())).texte());
    QCOMPARE(liste()->currentRow(), -1);
    QVERIFY(liste()->selectedItems().isEmpty());
}

void TestAdressen::pickingByKeyboardAndClickingAgain()
{
    QVERIFY(dateiAnlegen({"Meier|Hans|A", "Adler|Xaver|B"}));
    aktivieren();
    liste()->setFocus();
    QTest::keyClick(liste(), Qt::Key_Down);
    QTest::keyClick(liste(), Qt::Key_Down);
    QCOMPARE(m_fenster->auswahltext(), QStringLiteral("Meier, Hans"));
    QCOMPARE(edit("Edit5")->text(), QStringLiteral("A"));

    tippen("Edit5", "geändert");
    eintragKlicken("Meier, Hans");
    QCOMPARE(edit("Edit5")->text(), QStringLiteral("A"));
    QCOMPARE(dateiZeilen(), (QStringList{"Meier|Hans|A", "Adler|Xaver|B"}));
}

void TestAdressen::changesMadeElsewhereAreReadBeforeAPickAndASave_data()
{
    QTest::addColumn<int>("wie");
    QTest::newRow("written over in place, same size") << 0;
    QTest::newRow("replaced by an atomic save") << 1;
    QTest::newRow("copied over, keeping its modification time") << 2;
}

// A restore or another program changes the file while the window is open: a pick shows the
// changed record and a save keeps every change made elsewhere.
void TestAdressen::changesMadeElsewhereAreReadBeforeAPickAndASave()
{
    QFETCH(int, wie);
    const auto aendern = [wie, this](const QStringList& zeilen) {
        return anderswoAendern(wie, zeilen);
    };
    QVERIFY(dateiAnlegen({"Meier|Hans|A", "Schulz|Eva|B"}));
    m_fenster->oeffnen();
    QVERIFY(aendern({"Meier|Hans|X", "Schulz|Eva|B"}));
    eintragKlicken("Meier, Hans");
    QCOMPARE(edit("Edit5")->text(), QStringLiteral("X"));

    QVERIFY(aendern({"Meier|Hans|X", "Schulz|Eva|Y", "Adler|Udo|C"}));
    tippen("Edit5", "neu");
    QTest::mouseClick(button("Button1"), Qt::LeftButton);
    QCOMPARE(dateiZeilen(), (QStringList{"Schulz|Eva|Y", "Adler|Udo|C", "Meier|Hans|neu"}));
    QCOMPARE(listeneintraege(), (QStringList{"Adler, Udo", "Meier, Hans", "Schulz, Eva"}));
    eintragKlicken("Schulz, Eva");
    QCOMPARE(edit("Edit5")->text(), QStringLiteral("Y"));
}

void TestAdressen::changesMadeElsewhereAreReadBeforeADelete_data()
{
    changesMadeElsewhereAreReadBeforeAPickAndASave_data();
}

// "Löschen" works on the records the window holds, read again when the file changed since
// (here to another of the same size): the change made elsewhere stays, and the list shows it.
void TestAdressen::changesMadeElsewhereAreReadBeforeADelete()
{
    QFETCH(int, wie);
    QVERIFY(dateiAnlegen({"Meier|Hans|A", "Schulz|Eva|B"}));
    QTest::qWait(30);
    m_fenster->oeffnen();
    eintragKlicken("Meier, Hans");
    QVERIFY(anderswoAendern(wie, {"Adler|Udo|C", "Meier|Hans|X"}));
    m_meldungen->answerNext(platform::Answer::Yes);
    QTest::mouseClick(button("Button3"), Qt::LeftButton);
    QCOMPARE(dateiZeilen(), QStringList{"Adler|Udo|C"});
    QCOMPARE(listeneintraege(), QStringList{"Adler, Udo"});
    QVERIFY(alleFelderLeer());
}

// Hidden, the window lets go of its copy of the participants; shown again without being
// opened anew, it reads the file at the next pick and keeps its list right after a save.
void TestAdressen::pickAndSaveAfterTheWindowWasHiddenAndShownAgain()
{
    QVERIFY(dateiAnlegen({"Meier|Hans|A", "Schulz|Eva|B"}));
    QTest::qWait(30);
    m_fenster->oeffnen();
    m_fenster->hide();
    m_fenster->show();
    eintragKlicken("Schulz, Eva");
    QCOMPARE(edit("Edit5")->text(), QStringLiteral("B"));
    tippen("Edit3", "Adler");
    QTest::mouseClick(button("Button1"), Qt::LeftButton);
    QCOMPARE(dateiZeilen(), (QStringList{"Meier|Hans|A", "Schulz|Eva|B", "Adler|Eva|B"}));
    QCOMPARE(listeneintraege(), (QStringList{"Adler, Eva", "Meier, Hans", "Schulz, Eva"}));
}

void TestAdressen::loeschen_data()
{
    QTest::addColumn<QStringList>("vorher");
    QTest::addColumn<QString>("eintrag");   // clicked first; empty: no click in this run
    QTest::addColumn<QStringList>("namen"); // Name, Vorname typed before "Löschen"; empty: kept
    QTest::addColumn<bool>("ja");
    QTest::addColumn<bool>("gefragt");
    QTest::addColumn<bool>("geleert");
    QTest::addColumn<QStringList>("nachher");
    const QStringList drei{"Meier|Hans|A", "Schulz|Eva|B", "Kurz|Karl|C"};

    QTest::newRow("before any click: nothing")
        << drei << "" << QStringList{"Meier", "Hans"} << true << false << false << drei;
    QTest::newRow("Yes deletes the picked record")
        << drei << "Schulz, Eva" << QStringList{} << true << true << true
        << QStringList{"Meier|Hans|A", "Kurz|Karl|C"};
    QTest::newRow("No keeps the file and still empties the fields")
        << drei << "Schulz, Eva" << QStringList{} << false << true << true << drei;
    QTest::newRow("deletes by the names in the fields")
        << drei << "Schulz, Eva" << QStringList{"kurz", " KARL"} << true << true << true
        << QStringList{"Meier|Hans|A", "Schulz|Eva|B"};
    QTest::newRow("names not in the file: nothing, no question")
        << drei << "Schulz, Eva" << QStringList{"Niemand", "Nie"} << true << false << false << drei;
    QTest::newRow("the last record") << drei << "Kurz, Karl" << QStringList{} << true << true
                                     << true << QStringList{"Meier|Hans|A", "Schulz|Eva|B"};
    QTest::newRow("the only record") << QStringList{"Meier|Hans|A"} << "Meier, Hans"
                                     << QStringList{} << true << true << true << QStringList{};
    QTest::newRow("of two alike the first")
        << QStringList{"Meier|Hans|1", "Meier|Hans|2"} << "Meier, Hans" << QStringList{} << true
        << true << true << QStringList{"Meier|Hans|2"};
}

void TestAdressen::loeschen()
{
    QFETCH(QStringList, vorher);
    QFETCH(QString, eintrag);
    QFETCH(QStringList, namen);
    QFETCH(bool, ja);
    QFETCH(bool, gefragt);
    QFETCH(bool, geleert);
    QFETCH(QStringList, nachher);
    QVERIFY(dateiAnlegen(vorher));
    // A file written within the file clock's last step is read anew at every pick and save;
    // once that step has passed, the window works from memory, as it does in use.
    QTest::qWait(30);
    m_fenster->oeffnen();
    if (!eintrag.isEmpty())
        eintragKlicken(eintrag);
    if (!namen.isEmpty()) {
        tippen("Edit3", namen[0]);
        tippen("Edit4", namen[1]);
    }
    const AdressFelder vorLoeschen = m_fenster->felder();
    m_meldungen->answerNext(ja ? platform::Answer::Yes : platform::Answer::No);
    QTest::mouseClick(button("Button3"), Qt::LeftButton);

    if (gefragt) {
        QCOMPARE(m_meldungen->messages().size(), 1);
        const platform::Message& frage = m_meldungen->messages().first();
        QCOMPARE(frage.text, QStringLiteral("Wollen Sie diese Adresse wirklich löschen ??"));
        QCOMPARE(frage.buttons, platform::Buttons::YesNo);
        QCOMPARE(frage.icon, platform::Icon::Warning);
    } else {
        QVERIFY(m_meldungen->messages().isEmpty());
    }
    QCOMPARE(dateiZeilen(), nachher);
    QCOMPARE(QFileInfo(adressdateiPfad()).size(), qint64(nachher.size()) * 960);
    if (geleert)
        QVERIFY(alleFelderLeer());
    else
        QCOMPARE(m_fenster->felder(), vorLoeschen);
    QCOMPARE(liste()->count(), nachher.size());
}

// The question that destroys data defaults to "Nein": Enter, as Escape, keeps the participant.
void TestAdressen::keysOnTheDeleteQuestion_data()
{
    QTest::addColumn<Qt::Key>("taste");
    QTest::addColumn<QStringList>("nachher");
    const QStringList zwei{"Meier|Hans|A", "Schulz|Eva|B"};
    QTest::newRow("Enter keeps") << Qt::Key_Return << zwei;
    QTest::newRow("Escape keeps") << Qt::Key_Escape << zwei;
    QTest::newRow("J deletes") << Qt::Key_J << QStringList{"Meier|Hans|A"};
}

void TestAdressen::keysOnTheDeleteQuestion()
{
    QFETCH(Qt::Key, taste);
    QFETCH(QStringList, nachher);
    QVERIFY(dateiAnlegen({"Meier|Hans|A", "Schulz|Eva|B"}));
    aktivieren();
    eintragKlicken(QStringLiteral("Schulz, Eva"));
    {
        KeyOnMessageBoxes tastatur(taste);
        QTest::mouseClick(button("Button3"), Qt::LeftButton);
        QCOMPARE(tastatur.texts(),
                 QStringList{QStringLiteral("Wollen Sie diese Adresse wirklich löschen ??")});
    }
    QCOMPARE(dateiZeilen(), nachher);
}

void TestAdressen::failureKeepsWhatWasTyped_data()
{
    QTest::addColumn<bool>("loeschen");
    QTest::newRow("Speichern >>") << false;
    QTest::newRow("Löschen") << true;
}

void TestAdressen::failureKeepsWhatWasTyped()
{
    QFETCH(bool, loeschen);
    QVERIFY(dateiAnlegen({"Meier|Hans|A", "Schulz|Eva|B", "Kurz|Karl|C"}));
    const QByteArray vorher = readFileBytes(adressdateiPfad());
    m_fenster->oeffnen();
    eintragKlicken("Schulz, Eva");
    tippen("Edit5", "Neue Strasse 1");
    const AdressFelder getippt = m_fenster->felder();
    {
        FileSizeLimit grenze(1000);
        m_meldungen->answerNext(platform::Answer::Yes);
        QTest::mouseClick(button(loeschen ? "Button3" : "Button1"), Qt::LeftButton);
    }
    QCOMPARE(readFileBytes(adressdateiPfad()), vorher);
    QCOMPARE(m_fenster->felder(), getippt);
    QVERIFY(m_meldungen->lastText().contains(QStringLiteral("konnte nicht gespeichert werden")));
    QVERIFY(m_meldungen->lastText().contains(QStringLiteral("Adressen.adr")));
    QCOMPARE(liste()->count(), 3);
}

void TestAdressen::saveButtonFollowsFirstName()
{
    QVERIFY(button("Button1")->isEnabled());
    m_fenster->oeffnen();
    QVERIFY(button("Button1")->isEnabled());
    // A record without a first name can be saved before "Vorname" was ever touched.
    tippen("Edit3", "Meier");
    QTest::mouseClick(button("Button1"), Qt::LeftButton);
    QCOMPARE(dateiZeilen(), QStringList{"Meier||"});

    QTest::keyClicks(edit("Edit4"), "H");
    QVERIFY(button("Button1")->isEnabled());
    QTest::keyClick(edit("Edit4"), Qt::Key_Backspace);
    QVERIFY(!button("Button1")->isEnabled());
    QTest::keyClicks(edit("Edit4"), "Hans");
    QVERIFY(button("Button1")->isEnabled());
}

void TestAdressen::enterMovesOnAndIsSwallowed_data()
{
    QTest::addColumn<QString>("von");
    QTest::addColumn<QString>("nach");
    QTest::newRow("Name") << "Edit3"
                          << "Edit4";
    QTest::newRow("Mobil") << "Edit9"
                           << "Edit10";
    QTest::newRow("Email") << "Edit10"
                           << "ListBox1";
    QTest::newRow("list") << "ListBox1"
                          << "Button1";
    QTest::newRow("Speichern >> is not pressed") << "Button1"
                                                 << "Button2";
    QTest::newRow("Beenden is not pressed") << "Button2"
                                            << "Button4";
    QTest::newRow("Löschen wraps") << "Button3"
                                   << "Edit3";
}

void TestAdressen::enterMovesOnAndIsSwallowed()
{
    QFETCH(QString, von);
    QFETCH(QString, nach);
    QVERIFY(dateiAnlegen({"Meier|Hans|A"}));
    aktivieren();
    eintragKlicken("Meier, Hans");
    auto* start = m_fenster->findChild<QWidget*>(von);
    start->setFocus();
    QCOMPARE(QApplication::focusWidget(), start);
    QTest::keyClick(start, Qt::Key_Return);
    QCOMPARE(QApplication::focusWidget()->objectName(), nach);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Enter);
    QVERIFY(QApplication::focusWidget()->objectName() != nach);
    // Nothing was saved, deleted or closed, and no field took a line break.
    QCOMPARE(dateiZeilen(), QStringList{"Meier|Hans|A"});
    QVERIFY(m_meldungen->messages().isEmpty());
    QVERIFY(m_fenster->isVisible());
    QCOMPARE(edit("Edit3")->text(), QStringLiteral("Meier"));
}

void TestAdressen::arrowKeys_data()
{
    QTest::addColumn<QString>("von");
    QTest::addColumn<int>("taste");
    QTest::addColumn<QString>("nach");
    QTest::newRow("Down in Name") << "Edit3" << int(Qt::Key_Down) << "Edit4";
    QTest::newRow("Down in Mobil") << "Edit9" << int(Qt::Key_Down) << "Edit10";
    QTest::newRow("Down in Email stays") << "Edit10" << int(Qt::Key_Down) << "Edit10";
    QTest::newRow("Up in Email") << "Edit10" << int(Qt::Key_Up) << "Edit9";
    QTest::newRow("Up in Vorname") << "Edit4" << int(Qt::Key_Up) << "Edit3";
    QTest::newRow("Up in Name wraps") << "Edit3" << int(Qt::Key_Up) << "Button3";
}

void TestAdressen::arrowKeys()
{
    QFETCH(QString, von);
    QFETCH(int, taste);
    QFETCH(QString, nach);
    aktivieren();
    edit(von)->setFocus();
    QTest::keyClick(edit(von), Qt::Key(taste));
    QCOMPARE(QApplication::focusWidget()->objectName(), nach);
}

void TestAdressen::tabOrderWrapsAtBothEnds()
{
    const QStringList folge{"Edit3",   "Edit4",   "Edit5",  "Edit6",    "Edit7",
                            "Edit8",   "Edit9",   "Edit10", "ListBox1", "Button1",
                            "Button2", "Button4", "Button3"};
    aktivieren();
    QStringList vorwaerts{QApplication::focusWidget()->objectName()};
    for (qsizetype i = 0; i < folge.size(); ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        vorwaerts.append(QApplication::focusWidget()->objectName());
    }
    QCOMPARE(vorwaerts, folge + QStringList{"Edit3"});

    QStringList rueckwaerts{QApplication::focusWidget()->objectName()};
    for (qsizetype i = 0; i < folge.size(); ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab, Qt::ShiftModifier);
        rueckwaerts.append(QApplication::focusWidget()->objectName());
    }
    QStringList umgekehrt{"Edit3"};
    for (qsizetype i = folge.size() - 1; i >= 0; --i)
        umgekehrt.append(folge[i]);
    QCOMPARE(rueckwaerts, umgekehrt);
}

// Records what the window asks of the help viewer.
struct Hilfeaufrufe {
    QList<int> gezeigt;
    int geschlossen = 0;
    bool dateiDa = true;
    platform::HelpViewer vorher;
    Hilfeaufrufe()
    {
        vorher = platform::setHelpViewer({[this](const QString&, int kontext) {
                                              gezeigt.append(kontext);
                                              return dateiDa;
                                          },
                                          [this] { ++geschlossen; }});
    }
    ~Hilfeaufrufe() { platform::setHelpViewer(vorher); }
    Hilfeaufrufe(const Hilfeaufrufe&) = delete;
    Hilfeaufrufe& operator=(const Hilfeaufrufe&) = delete;
};

void TestAdressen::beendenShowsTheMainPanelAndCloses()
{
    Hauptflaeche panel5;
    Hilfeaufrufe hilfe;
    m_fenster->oeffnen();
    QTest::mouseClick(button("Button2"), Qt::LeftButton);
    QCOMPARE(panel5.aufrufe, QList<bool>{true});
    QCOMPARE(hilfe.geschlossen, 1);
    QVERIFY(!m_fenster->isVisible());

    // Closing by the title-bar box leaves Panel5 as it is.
    m_fenster->oeffnen();
    m_fenster->close();
    QCOMPARE(panel5.aufrufe, QList<bool>{true});
}

void TestAdressen::hilfeOpensTopic1050()
{
    Hilfeaufrufe hilfe;
    Hilfedatei = QStringLiteral("/nirgends/Zorbeln-Hilfe.html");
    m_fenster->oeffnen();
    QTest::mouseClick(button("Button4"), Qt::LeftButton);
    QCOMPARE(hilfe.gezeigt, QList<int>{1050});
    QVERIFY(m_meldungen->messages().isEmpty());

    hilfe.dateiDa = false;
    QTest::mouseClick(button("Button4"), Qt::LeftButton);
    QCOMPARE(m_meldungen->lastText(),
             QStringLiteral("Hilfe-Datei nicht gefunden\r\n/nirgends/Zorbeln-Hilfe.html"));
}

void TestAdressen::pastedLineBreaksAndTabsBecomeBlanks_data()
{
    QTest::addColumn<QString>("eingefuegt");
    QTest::addColumn<QString>("feld");
    QTest::newRow("LF") << QStringLiteral("Mann\nMeier") << QStringLiteral("Mann Meier");
    QTest::newRow("CR") << QStringLiteral("Mann\rMeier") << QStringLiteral("Mann Meier");
    QTest::newRow("CR LF") << QStringLiteral("Mann\r\nMeier") << QStringLiteral("Mann Meier");
    QTest::newRow("tab") << QStringLiteral("Mann\tMeier") << QStringLiteral("Mann Meier");
    QTest::newRow("line break at the end")
        << QStringLiteral("Meier\r\n") << QStringLiteral("Meier ");
}

void TestAdressen::pastedLineBreaksAndTabsBecomeBlanks()
{
    QFETCH(QString, eingefuegt);
    QFETCH(QString, feld);
    aktivieren();
    QApplication::clipboard()->setText(eingefuegt);
    QLineEdit* name = edit(QStringLiteral("Edit3"));
    name->setFocus();
    QTest::keyClick(name, Qt::Key_V, Qt::ControlModifier);
    QCOMPARE(name->text(), feld);
    QCOMPARE(name->cursorPosition(), feld.size());
    tippen(QStringLiteral("Edit4"), QStringLiteral("Eva"));
    QTest::mouseClick(button(QStringLiteral("Button1")), Qt::LeftButton);
    QCOMPARE(dateiZeilen(), QStringList{feld + QStringLiteral("|Eva|")});
    QVERIFY(m_meldungen->messages().isEmpty());
}

void TestAdressen::doubleClickOnSaveStoresOneRecord()
{
    aktivieren();
    tippen(QStringLiteral("Edit3"), QStringLiteral("Meier"));
    tippen(QStringLiteral("Edit4"), QStringLiteral("Hans"));
    QTest::mouseDClick(button(QStringLiteral("Button1")), Qt::LeftButton);
    QTest::mouseClick(button(QStringLiteral("Button1")), Qt::LeftButton);
    QCOMPARE(dateiZeilen(), QStringList{QStringLiteral("Meier|Hans|")});
    QCOMPARE(listeneintraege(), QStringList{QStringLiteral("Meier, Hans")});
    QVERIFY(alleFelderLeer());
}

void TestAdressen::recordWithoutAnyNameIsNotStored_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("vorname");
    QTest::addColumn<bool>("gespeichert");
    QTest::newRow("only a street") << QString() << QString() << false;
    QTest::newRow("blanks") << QStringLiteral("   ") << QStringLiteral(" ") << false;
    QTest::newRow("pasted line breaks") << QStringLiteral("\r\n") << QStringLiteral("\t") << false;
    QTest::newRow("surname only") << QStringLiteral("Meier") << QString() << true;
    QTest::newRow("first name only") << QString() << QStringLiteral("Hans") << true;
}

void TestAdressen::recordWithoutAnyNameIsNotStored()
{
    QFETCH(QString, name);
    QFETCH(QString, vorname);
    QFETCH(bool, gespeichert);
    QVERIFY(dateiAnlegen({QStringLiteral("Schulz|Eva|")}));
    aktivieren();
    tippen(QStringLiteral("Edit3"), name);
    tippen(QStringLiteral("Edit4"), vorname);
    tippen(QStringLiteral("Edit5"), QStringLiteral("Hauptstraße 1"));
    button(QStringLiteral("Button1"))->setEnabled(true);
    QTest::mouseClick(button(QStringLiteral("Button1")), Qt::LeftButton);
    QCOMPARE(adressenLesen().size(), gespeichert ? 2 : 1);
    QCOMPARE(listeneintraege().size(), gespeichert ? 2 : 1);
    QVERIFY(m_meldungen->messages().isEmpty());
}

void TestAdressen::lettersTheFileLacksAreReplacedAndNamed_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("vorname");
    QTest::addColumn<QString>("zeile");
    QTest::addColumn<QStringList>("gemeldet"); // lines of the message, none when nothing changes
    QTest::newRow("breve and stroke")
        << QStringLiteral("Ağaoğlu") << QStringLiteral("Łukasz")
        << QStringLiteral("Agaoglu|Lukasz|")
        << QStringList{QStringLiteral("Name: Agaoglu"), QStringLiteral("Vorname: Lukasz")};
    QTest::newRow("dotless i, caron, double acute")
        << QStringLiteral("Kırıkçı") << QStringLiteral("Ondřej Erdős")
        << QStringLiteral("Kirikçi|Ondrej Erdos|")
        << QStringList{QStringLiteral("Name: Kirikçi"), QStringLiteral("Vorname: Ondrej Erdos")};
    QTest::newRow("d with stroke")
        << QStringLiteral("Đoković") << QStringLiteral("Novak") << QStringLiteral("Dokovic|Novak|")
        << QStringList{QStringLiteral("Name: Dokovic")};
    QTest::newRow("no letter at all")
        << QStringLiteral("Meier ☺") << QStringLiteral("Eva") << QStringLiteral("Meier ?|Eva|")
        << QStringList{QStringLiteral("Name: Meier ?")};
    QTest::newRow("Windows-1252 holds them all")
        << QStringLiteral("Müller-Lüdenscheidt") << QStringLiteral("Zoë Œuvre")
        << QStringLiteral("Müller-Lüdenscheidt|Zoë Œuvre|") << QStringList();
}

void TestAdressen::lettersTheFileLacksAreReplacedAndNamed()
{
    QFETCH(QString, name);
    QFETCH(QString, vorname);
    QFETCH(QString, zeile);
    QFETCH(QStringList, gemeldet);
    aktivieren();
    tippen(QStringLiteral("Edit3"), name);
    tippen(QStringLiteral("Edit4"), vorname);
    QTest::mouseClick(button(QStringLiteral("Button1")), Qt::LeftButton);
    QCOMPARE(dateiZeilen(), QStringList{zeile});
    if (gemeldet.isEmpty()) {
        QVERIFY(m_meldungen->messages().isEmpty());
        return;
    }
    QCOMPARE(m_meldungen->messages().size(), 1);
    const QStringList zeilen = m_meldungen->lastText().split(QLatin1Char('\n'));
    for (const QString& erwartet : gemeldet)
        QVERIFY2(zeilen.contains(erwartet), qPrintable(m_meldungen->lastText()));

    // Saved again as typed, the participant is found and replaced, not added a second time.
    tippen(QStringLiteral("Edit3"), name);
    tippen(QStringLiteral("Edit4"), vorname);
    QTest::mouseClick(button(QStringLiteral("Button1")), Qt::LeftButton);
    QCOMPARE(dateiZeilen(), QStringList{zeile});
}

// Created as the program does, by the main window: a window of its own that stays above it.
void TestAdressen::staysAboveTheMainWindow()
{
    QWidget haupt;
    haupt.show();
    auto* fenster = new TAdressen(&haupt);
    fenster->oeffnen();
    QVERIFY(fenster->isWindow());
    QCOMPARE(fenster->windowType(), Qt::Dialog);
    QVERIFY(fenster->windowHandle());
    QCOMPARE(fenster->windowHandle()->transientParent(), haupt.windowHandle());
    QVERIFY(!fenster->isModal());
}

QTEST_MAIN(TestAdressen)
#include "tst_adressen.moc"

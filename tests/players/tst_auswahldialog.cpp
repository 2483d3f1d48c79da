#include "auswahl_testhilfe.h"
#include "common/testsupport.h"
#include "core/base/optionen.h"
#include "draw/logic/auswahldatei.h"
#include "draw/logic/tischdatei.h"
#include "platform/base/datafolder.h"
#include "platform/base/typedfile.h"
#include "players/logic/adressdatei.h"
#include "players/ui/auswahldialog.h"

#include <QAccessible>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QTest>
#include <cstring>
#include <memory>

using Namenspaare = QList<QPair<QString, QString>>; // first name, surname

namespace
{

void teilnehmerSchreiben(const QList<QPair<QString, QString>>& vornameName)
{
    QList<TAdressRec> adressen;
    for (const auto& [vorname, name] : vornameName) {
        TAdressRec rec = leereAdresse();
        rec.Vorname.set(vorname);
        rec.Name.set(name);
        adressen.append(rec);
    }
    QVERIFY(writeFileBytes(adressdateiPfad(), platform::recordsToBytes(adressen)));
}

// n participants "Spieler 01" ... with an empty first name, so the list shows "Spieler 01".
QStringList spielerNamen(int n)
{
    QStringList namen;
    for (int i = 1; i <= n; ++i)
        namen.append(QStringLiteral("Spieler %1").arg(i, 2, 10, QLatin1Char('0')));
    return namen;
}

void teilnehmerSchreiben(const QStringList& namen)
{
    QList<QPair<QString, QString>> paare;
    for (const QString& name : namen)
        paare.append({QString(), name});
    teilnehmerSchreiben(paare);
}

void auswahlDateienSchreiben(const QStringList& links, const QStringList& rechts)
{
    QVERIFY(writeFileBytes(auswahldatei1(), auswahlBytes(links)));
    QVERIFY(writeFileBytes(auswahldatei2(), auswahlBytes(rechts)));
}

qint32 gespeicherterSpielmodus()
{
    const QByteArray opt = readFileBytes(optionenDatei());
    if (opt.size() < 684)
        return -1;
    qint32 wert = 0;
    std::memcpy(&wert, opt.constData() + 680, 4);
    return wert;
}

} // namespace

class TestAuswahldialog : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void init();
    void cleanup();

    void everyControlWithItsNameAndAccessibleName();
    void moveButtonsInOneColumnBetweenTheLists();
    void twoIndependentRadioGroupsNoneChosenAtFirst();
    void placementCentredAndFiftyBelow();
    void openingFillsLeftListSortedAndHidesPanel();
    void openingKeepsTheStoredModeAndShowsIt();
    void escapeKeepsTheDialogAndItsPicks();
    void unreadableParticipantFileIsNamed();

    void moveRightWithinLimit_data();
    void moveRightWithinLimit();
    void clickInLeftListMovesWithinLimit_data();
    void clickInLeftListMovesWithinLimit();
    void moveAllRightIgnoresLimitAndCaption();
    void captionBackWhenBelowLimitAgain();
    void captionFollowsTheLimitInForce();
    void moveRightDisabledAtTheLimit();
    void moveLeftAndClickInRightList();
    void moveKeepsTheOtherListsSelectionAndOrder();
    void moveAllLeft();
    void nothingSelectedMovesNothingAndSelectsFirst_data();
    void nothingSelectedMovesNothingAndSelectsFirst();
    void lastEntryMovedLeavesNoSelectionAndDisablesButtons();

    void hintFollowsTableCountAndMode_data();
    void hintFollowsTableCountAndMode();
    void switchingModeRefillsLeftWithoutThePicked();
    void pickedPlayerIsNeverOnBothSides_data();
    void pickedPlayerIsNeverOnBothSides();
    void keyToTheWindowItselfWarnsForTwoTablesSingles_data();
    void keyToTheWindowItselfWarnsForTwoTablesSingles();

    void saveWritesBothFilesAndDraws_data();
    void saveWritesBothFilesAndDraws();
    void saveCutsNamesToFiftyBytes();
    void saveThatCannotWriteKeepsDialogAndDrawsNothing();
    void drawThatCannotBuildItsPoolKeepsDialogOpen();
    void loadBringsBackBothLists();
    void loadWithoutFilesPicksNobody();
    void closeBoxLeavesPanelHidden();
    void beendenShowsPanel();

private:
    template <class T> T* ctl(const char* name) const { return requireChild<T>(m_dlg.get(), name); }
    QListWidget* links() const { return ctl<QListWidget>("SrcList"); }
    QListWidget* rechts() const { return ctl<QListWidget>("DstList"); }
    QRadioButton* tischknopf(int tische) const;
    QRadioButton* modusknopf(int modus) const;
    void waehlen(int tische, int modus);
    void oeffnenMit(const QStringList& namen);
    void ladenMit(const QStringList& linksNamen, const QStringList& rechtsNamen);
    void waehleLinks(int anzahl);
    void klickeEintrag(QListWidget* liste, int zeile);
    void zaehlerPruefen();

    std::unique_ptr<TempDataFolder> m_ordner;
    std::unique_ptr<MessageRecorder> m_meldungen;
    std::unique_ptr<Hauptflaeche> m_haupt;
    std::unique_ptr<TDualListDlg> m_dlg;
};

void TestAuswahldialog::init()
{
    m_ordner = std::make_unique<TempDataFolder>();
    m_meldungen = std::make_unique<MessageRecorder>();
    m_haupt = std::make_unique<Hauptflaeche>();
    Optionen = TOptionenRec{};
    optionenStandardwerte(Optionen);
    m_dlg = std::make_unique<TDualListDlg>();
}

void TestAuswahldialog::cleanup()
{
    m_dlg.reset();
    m_haupt.reset();
    m_meldungen.reset();
    m_ordner.reset();
}

QRadioButton* TestAuswahldialog::tischknopf(int tische) const
{
    static const char* namen[] = {"RadioButton1", "RadioButton4", "RadioButton2", "RadioButton5",
                                  "RadioButton3"};
    return ctl<QRadioButton>(namen[tische - 2]);
}

QRadioButton* TestAuswahldialog::modusknopf(int modus) const
{
    return ctl<QRadioButton>(modus == 0 ? "RadioButton7" : "RadioButton8");
}

void TestAuswahldialog::waehlen(int tische, int modus)
{
    if (tische)
        QTest::mouseClick(tischknopf(tische), Qt::LeftButton);
    if (modus >= 0)
        QTest::mouseClick(modusknopf(modus), Qt::LeftButton);
}

void TestAuswahldialog::oeffnenMit(const QStringList& namen)
{
    teilnehmerSchreiben(namen);
    m_dlg->oeffnen();
}

void TestAuswahldialog::ladenMit(const QStringList& linksNamen, const QStringList& rechtsNamen)
{
    auswahlDateienSchreiben(linksNamen, rechtsNamen);
    QTest::mouseClick(ctl<QPushButton>("Button1"), Qt::LeftButton);
    QCOMPARE(links()->count(), linksNamen.size());
    QCOMPARE(rechts()->count(), rechtsNamen.size());
}

void TestAuswahldialog::waehleLinks(int anzahl)
{
    links()->clearSelection();
    for (int i = 0; i < anzahl; ++i)
        links()->item(i)->setSelected(true);
}

void TestAuswahldialog::klickeEintrag(QListWidget* liste, int zeile)
{
    const QRect ort = liste->visualItemRect(liste->item(zeile));
    QTest::mouseClick(liste->viewport(), Qt::LeftButton, {}, ort.center());
}

void TestAuswahldialog::zaehlerPruefen()
{
    QCOMPARE(ctl<QLabel>("Label3")->text(), QString::number(links()->count()));
    QCOMPARE(ctl<QLabel>("Label6")->text(), QString::number(rechts()->count()));
}

// --- layout -------------------------------------------------------------------------------

void TestAuswahldialog::everyControlWithItsNameAndAccessibleName()
{
    QCOMPARE(m_dlg->windowTitle(), QStringLiteral("Gruppen zusammenstellen"));
    const struct {
        const char* name;
        const char* text;
    } knoepfe[] = {{"Button1", "Auswahl laden"},
                   {"Button2", "Auswahl speichern"},
                   {"Button3", "Beenden"},
                   {"Button4", ">"},
                   {"Button5", ">>"},
                   {"Button6", "<"},
                   {"Button7", "<<"}};
    for (const auto& k : knoepfe) {
        auto* b = ctl<QPushButton>(k.name);
        QCOMPARE(b->text(), QString::fromUtf8(k.text));
        QVERIFY2(!b->accessibleName().isEmpty(), k.name);
        QVERIFY2(!b->autoDefault(), k.name);
    }
    const struct {
        const char* name;
        const char* text;
    } radios[] = {{"RadioButton7", "Einzelspiele"}, {"RadioButton8", "Doppelspiele"},
                  {"RadioButton1", "2 Tische"},     {"RadioButton4", "3 Tische"},
                  {"RadioButton2", "4 Tische"},     {"RadioButton5", "5 Tische"},
                  {"RadioButton3", "6 Tische"}};
    for (const auto& r : radios) {
        QCOMPARE(ctl<QRadioButton>(r.name)->text(), QString::fromUtf8(r.text));
        QCOMPARE(ctl<QRadioButton>(r.name)->accessibleName(), QString::fromUtf8(r.text));
    }
    QVERIFY(!m_dlg->findChild<QRadioButton*>(QStringLiteral("RadioButton6")));
    QCOMPARE(ctl<QLabel>("ScrLabel")->text(), QStringLiteral("Noch vorhandene Spieler"));
    QCOMPARE(ctl<QLabel>("DstLabel")->text(), QStringLiteral("Ausgewählte Spieler"));
    // The counts and the hint line are heard by what they show, with what they are as their
    // description.
    for (const char* name : {"Label1", "Label3", "Label6"}) {
        QAccessibleInterface* zugang = QAccessible::queryAccessibleInterface(ctl<QLabel>(name));
        QCOMPARE(zugang->text(QAccessible::Name), ctl<QLabel>(name)->text());
        QVERIFY2(!zugang->text(QAccessible::Description).isEmpty(), name);
    }
    for (QListWidget* liste : {links(), rechts()}) {
        QCOMPARE(liste->selectionMode(), QAbstractItemView::ExtendedSelection);
        QVERIFY(!liste->accessibleName().isEmpty());
        QVERIFY(liste->font().bold());
        QCOMPARE(liste->font().pixelSize(), 12);
    }
    // The hint line spans the whole width, its text centred.
    auto* hinweis = ctl<QLabel>("Label1");
    QCOMPARE(hinweis->x(), 0);
    QCOMPARE(hinweis->width(), m_dlg->width());
    QVERIFY(hinweis->alignment() & Qt::AlignHCenter);
    QVERIFY(hinweis->font().bold());
}

void TestAuswahldialog::moveButtonsInOneColumnBetweenTheLists()
{
    const char* vonObenNachUnten[] = {"Button6", "Button7", "Button4", "Button5"};
    int oben = -1;
    for (const char* name : vonObenNachUnten) {
        auto* b = ctl<QPushButton>(name);
        QCOMPARE(b->x(), ctl<QPushButton>("Button6")->x());
        QVERIFY2(b->y() > oben, name);
        QVERIFY2(b->geometry().left() > links()->geometry().right(), name);
        QVERIFY2(b->geometry().right() < rechts()->geometry().left(), name);
        oben = b->geometry().bottom();
    }
}

void TestAuswahldialog::twoIndependentRadioGroupsNoneChosenAtFirst()
{
    for (int tische = 2; tische <= 6; ++tische)
        QVERIFY(!tischknopf(tische)->isChecked());
    QVERIFY(!modusknopf(0)->isChecked());
    QVERIFY(!modusknopf(1)->isChecked());

    waehlen(4, 1);
    QVERIFY(tischknopf(4)->isChecked());
    QVERIFY(modusknopf(1)->isChecked());
    waehlen(2, 0);
    QVERIFY(tischknopf(2)->isChecked());
    QVERIFY(!tischknopf(4)->isChecked());
    QVERIFY(modusknopf(0)->isChecked());
    QVERIFY(!modusknopf(1)->isChecked());
}

void TestAuswahldialog::placementCentredAndFiftyBelow()
{
    const QRect schirm = QGuiApplication::primaryScreen()->geometry();
    QCOMPARE(m_dlg->x(), schirm.left() + (schirm.width() - m_dlg->width()) / 2);
    QCOMPARE(m_dlg->y(), schirm.top() + (schirm.height() - m_dlg->height()) / 2 + 50);
    const int m = m_dlg->width() / 2;
    auto* laden = ctl<QPushButton>("Button1");
    auto* speichern = ctl<QPushButton>("Button2");
    QCOMPARE(laden->x(), m - int(1.5 * laden->width()) - 15);
    QCOMPARE(speichern->x(), m - speichern->width() / 2 - 10);
    QCOMPARE(ctl<QPushButton>("Button3")->x(), m + speichern->width() / 2 - 5);
    // The buttons must not cover each other.
    QVERIFY(laden->geometry().right() < speichern->x());
    QVERIFY(speichern->geometry().right() < ctl<QPushButton>("Button3")->x());
}

// --- opening ------------------------------------------------------------------------------

void TestAuswahldialog::openingFillsLeftListSortedAndHidesPanel()
{
    teilnehmerSchreiben(QList<QPair<QString, QString>>{
        {"hans", "Meier"}, {"Anna", " Zorn "}, {"", "Becker"}, {"Anna", "Zorn"}, {"", ""}});
    Optionen.Auswahlquelle = 0;
    m_dlg->oeffnen();
    QVERIFY(m_dlg->isVisible());
    QVERIFY(!m_haupt->sichtbar());
    QVERIFY(m_haupt->label1->text().isEmpty());
    QCOMPARE(Optionen.Auswahlquelle, 1);
    QCOMPARE(m_dlg->linkeEintraege(),
             (QStringList{"", "Anna Zorn", "Anna Zorn", "Becker", "hans Meier"}));
    QVERIFY(m_dlg->rechteEintraege().isEmpty());
    QVERIFY(!ctl<QPushButton>("Button2")->isEnabled());
    for (const char* name : {"Button1", "Button4", "Button5", "Button6", "Button7"})
        QVERIFY2(ctl<QPushButton>(name)->isEnabled(), name);
    zaehlerPruefen();
    QVERIFY(QTest::qWaitForWindowActive(m_dlg.get()));
    QCOMPARE(QApplication::focusWidget(), links());
}

void TestAuswahldialog::openingKeepsTheStoredModeAndShowsIt()
{
    oeffnenMit(spielerNamen(3));
    waehlen(3, 1);
    QCOMPARE(Optionen.Spielmodus, 1);
    QTest::mouseClick(ctl<QPushButton>("Button5"), Qt::LeftButton);
    QCOMPARE(rechts()->count(), 3);

    m_dlg->oeffnen(); // a second opening: right list empty again, the mode as it was
    QCOMPARE(Optionen.Spielmodus, 1);
    QVERIFY(modusknopf(1)->isChecked());
    QVERIFY(tischknopf(3)->isChecked());
    QCOMPARE(links()->count(), 3);
    QCOMPARE(rechts()->count(), 0);
    zaehlerPruefen();

    // After a restart no button is checked yet: the stored mode checks its own, silently.
    for (const int gespeichert : {1, 0}) {
        Optionen.Spielmodus = gespeichert;
        QVERIFY(optionen_speichern());
        m_dlg = std::make_unique<TDualListDlg>();
        QVERIFY(!modusknopf(0)->isChecked() && !modusknopf(1)->isChecked());
        m_dlg->oeffnen();
        QCOMPARE(Optionen.Spielmodus, gespeichert);
        QVERIFY(modusknopf(gespeichert)->isChecked());
        QVERIFY(!modusknopf(1 - gespeichert)->isChecked());
        QCOMPARE(gespeicherterSpielmodus(), gespeichert);
        QCOMPARE(links()->count(), 3);
    }
    QVERIFY(m_meldungen->messages().isEmpty());
}

void TestAuswahldialog::escapeKeepsTheDialogAndItsPicks()
{
    oeffnenMit(spielerNamen(6));
    waehlen(2, 1);
    waehleLinks(3);
    QTest::mouseClick(ctl<QPushButton>("Button4"), Qt::LeftButton);
    QCOMPARE(rechts()->count(), 3);
    for (QWidget* ziel : {static_cast<QWidget*>(rechts()), static_cast<QWidget*>(links()),
                          static_cast<QWidget*>(m_dlg.get())}) {
        ziel->setFocus();
        QTest::keyClick(ziel, Qt::Key_Escape);
        QVERIFY(m_dlg->isVisible());
        QCOMPARE(rechts()->count(), 3);
        QCOMPARE(links()->count(), 3);
    }
    QVERIFY(!m_haupt->sichtbar());
}

void TestAuswahldialog::unreadableParticipantFileIsNamed()
{
    QVERIFY(QDir(m_ordner->path()).mkdir(QStringLiteral("Adressen.adr")));
    m_dlg->oeffnen();
    QVERIFY(m_dlg->isVisible());
    QCOMPARE(links()->count(), 0);
    zaehlerPruefen();
    QCOMPARE(m_meldungen->messages().size(), 1);
    QVERIFY(m_meldungen->lastText().contains(QStringLiteral("konnte nicht gelesen werden")));
    QVERIFY(m_meldungen->lastText().contains(QStringLiteral("Adressen.adr")));

    // Switching the mode reads the file again and says so again; a missing file says nothing.
    waehlen(2, 1);
    QCOMPARE(m_meldungen->messages().size(), 2);
    QVERIFY(QDir(m_ordner->path()).rmdir(QStringLiteral("Adressen.adr")));
    waehlen(0, 0);
    QCOMPARE(m_meldungen->messages().size(), 2);
    QCOMPARE(links()->count(), 0);
}

// --- moves to the right -------------------------------------------------------------------

void TestAuswahldialog::moveRightWithinLimit_data()
{
    QTest::addColumn<int>("tische");
    QTest::addColumn<int>("modus");
    QTest::addColumn<int>("rechtsVorher");
    QTest::addColumn<int>("markiert");
    QTest::addColumn<int>("rechtsNachher");
    QTest::addColumn<QString>("ueberschrift");
    QTest::addColumn<QString>("kennung");
    QTest::addColumn<bool>("weiter"); // ">" enabled afterwards
    const QString standard = QStringLiteral("Gruppen zusammenstellen");
    QTest::newRow("nothing chosen") << 0 << -1 << 0 << 2 << 0 << standard << "" << true;
    QTest::newRow("table count without mode") << 3 << -1 << 0 << 2 << 0 << standard << "" << true;
    QTest::newRow("mode without table count") << 0 << 1 << 0 << 2 << 0 << standard << "" << true;
    QTest::newRow("3 doubles, 11 right, 5 selected")
        << 3 << 1 << 11 << 5 << 16 << "Sie können nur 12 Spieler auswählen"
        << "" << false;
    // Already at the limit ">" is disabled: the click moves nothing and changes nothing.
    QTest::newRow("3 doubles, 12 right") << 3 << 1 << 12 << 5 << 12 << standard << "" << false;
    QTest::newRow("3 doubles, 10 right, 1 selected")
        << 3 << 1 << 10 << 1 << 11 << standard << "" << true;
    QTest::newRow("2 singles, 3 right, 2 selected")
        << 2 << 0 << 3 << 2 << 5 << "Sie können nur 4 Spieler auswählen"
        << "E2" << false;
    QTest::newRow("2 singles, 0 right, 1 selected")
        << 2 << 0 << 0 << 1 << 1 << standard << "E2" << true;
    QTest::newRow("2 singles, 4 right") << 2 << 0 << 4 << 1 << 4 << standard << "" << false;
    QTest::newRow("2 doubles, 7 right, 1 selected")
        << 2 << 1 << 7 << 1 << 8 << "Sie können nur 8 Spieler auswählen"
        << "" << false;
    QTest::newRow("6 singles, 11 right, 1 selected")
        << 6 << 0 << 11 << 1 << 12 << "Sie können nur 12 Spieler auswählen"
        << "" << false;
    QTest::newRow("6 doubles, 11 right, 1 selected")
        << 6 << 1 << 11 << 1 << 12 << standard << "" << true;
}

void TestAuswahldialog::moveRightWithinLimit()
{
    QFETCH(int, tische);
    QFETCH(int, modus);
    QFETCH(int, rechtsVorher);
    QFETCH(int, markiert);
    QFETCH(int, rechtsNachher);
    QFETCH(QString, ueberschrift);
    QFETCH(QString, kennung);
    QFETCH(bool, weiter);

    const QStringList alle = spielerNamen(30);
    if (modus < 0)
        Optionen.Spielmodus = -1; // settings without a known mode: no mode button is checked
    oeffnenMit(alle);
    waehlen(tische, modus);
    ladenMit(alle.mid(rechtsVorher), alle.mid(0, rechtsVorher));
    waehleLinks(markiert);

    QTest::mouseClick(ctl<QPushButton>("Button4"), Qt::LeftButton);

    QCOMPARE(rechts()->count(), rechtsNachher);
    QCOMPARE(links()->count(), 30 - rechtsNachher);
    if (rechtsNachher > rechtsVorher) {
        QCOMPARE(m_dlg->rechteEintraege(), alle.mid(0, rechtsNachher));
        // The entry after the moved ones now stands at the remembered index, selected.
        QCOMPARE(links()->selectedItems().size(), 1);
        QCOMPARE(links()->selectedItems().first()->text(), alle.at(rechtsNachher));
    } else {
        QCOMPARE(links()->selectedItems().size(), markiert);
    }
    QCOMPARE(m_dlg->windowTitle(), ueberschrift);
    QCOMPARE(Optionen.AuswahlKennung.str(), kennung);
    QCOMPARE(ctl<QPushButton>("Button2")->isEnabled(), rechtsNachher > 0);
    QCOMPARE(ctl<QPushButton>("Button4")->isEnabled(), weiter);
    zaehlerPruefen();
}

void TestAuswahldialog::clickInLeftListMovesWithinLimit_data()
{
    QTest::addColumn<int>("tische");
    QTest::addColumn<int>("modus");
    QTest::addColumn<int>("rechtsVorher");
    QTest::addColumn<bool>("bewegt");
    QTest::addColumn<bool>("weiter"); // ">" enabled afterwards
    QTest::newRow("nothing chosen") << 0 << -1 << 0 << false << true;
    QTest::newRow("table count without mode") << 2 << -1 << 0 << false << true;
    QTest::newRow("2 singles below the limit") << 2 << 0 << 2 << true << true;
    QTest::newRow("2 singles reaching the limit") << 2 << 0 << 3 << true << false;
    QTest::newRow("2 singles at the limit") << 2 << 0 << 4 << false << false;
    QTest::newRow("5 doubles below the limit") << 5 << 1 << 19 << true << false;
}

void TestAuswahldialog::clickInLeftListMovesWithinLimit()
{
    QFETCH(int, tische);
    QFETCH(int, modus);
    QFETCH(int, rechtsVorher);
    QFETCH(bool, bewegt);
    QFETCH(bool, weiter);

    const QStringList alle = spielerNamen(25);
    if (modus < 0)
        Optionen.Spielmodus = -1; // settings without a known mode: no mode button is checked
    oeffnenMit(alle);
    waehlen(tische, modus);
    ladenMit(alle.mid(rechtsVorher), alle.mid(0, rechtsVorher));
    ctl<QPushButton>("Button4")->setEnabled(false);

    klickeEintrag(links(), 2);

    const QString geklickt = alle.at(rechtsVorher + 2);
    QCOMPARE(m_dlg->rechteEintraege().contains(geklickt), bewegt);
    QCOMPARE(m_dlg->linkeEintraege().contains(geklickt), !bewegt);
    QCOMPARE(rechts()->count(), rechtsVorher + (bewegt ? 1 : 0));
    QCOMPARE(ctl<QPushButton>("Button4")->isEnabled(), weiter);
    zaehlerPruefen();
}

void TestAuswahldialog::moveAllRightIgnoresLimitAndCaption()
{
    const QStringList alle = spielerNamen(14);
    oeffnenMit(alle);
    waehlen(2, 0);
    QTest::mouseClick(ctl<QPushButton>("Button5"), Qt::LeftButton);
    QCOMPARE(m_dlg->rechteEintraege(), alle);
    QCOMPARE(links()->count(), 0);
    QCOMPARE(m_dlg->windowTitle(), QStringLiteral("Gruppen zusammenstellen"));
    QVERIFY(!ctl<QPushButton>("Button4")->isEnabled());
    QVERIFY(!ctl<QPushButton>("Button5")->isEnabled());
    QVERIFY(ctl<QPushButton>("Button6")->isEnabled());
    QVERIFY(ctl<QPushButton>("Button2")->isEnabled());
    zaehlerPruefen();

    // ">" after ">>" moves nothing but tells the limit.
    ctl<QPushButton>("Button4")->setEnabled(true);
    QTest::mouseClick(ctl<QPushButton>("Button4"), Qt::LeftButton);
    QCOMPARE(m_dlg->windowTitle(), QStringLiteral("Sie können nur 4 Spieler auswählen"));
}

void TestAuswahldialog::captionBackWhenBelowLimitAgain()
{
    const QStringList alle = spielerNamen(6);
    oeffnenMit(alle);
    waehlen(2, 0);
    waehleLinks(4);
    QTest::mouseClick(ctl<QPushButton>("Button4"), Qt::LeftButton);
    QCOMPARE(m_dlg->windowTitle(), QStringLiteral("Sie können nur 4 Spieler auswählen"));

    m_dlg->close();
    m_dlg->show();
    QCOMPARE(m_dlg->windowTitle(), QStringLiteral("Sie können nur 4 Spieler auswählen"));

    klickeEintrag(rechts(), 0);
    QCOMPARE(rechts()->count(), 3);
    QCOMPARE(m_dlg->windowTitle(), QStringLiteral("Gruppen zusammenstellen"));
}

void TestAuswahldialog::captionFollowsTheLimitInForce()
{
    const QStringList alle = spielerNamen(10);
    oeffnenMit(alle);
    waehlen(2, 1);
    waehleLinks(8);
    QTest::mouseClick(ctl<QPushButton>("Button4"), Qt::LeftButton);
    QCOMPARE(m_dlg->windowTitle(), QStringLiteral("Sie können nur 8 Spieler auswählen"));
    QTest::mouseClick(modusknopf(0), Qt::LeftButton); // singles: 8 are above the limit of 4
    QCOMPARE(m_dlg->windowTitle(), QStringLiteral("Sie können nur 4 Spieler auswählen"));
    QTest::mouseClick(tischknopf(5), Qt::LeftButton); // 5 tables singles: limit 10
    QCOMPARE(m_dlg->windowTitle(), QStringLiteral("Gruppen zusammenstellen"));
}

// ">" is disabled while the right list is at the limit in force, and enabled again as soon as
// it is below it: after a move back, or a table count or mode with a higher limit.
void TestAuswahldialog::moveRightDisabledAtTheLimit()
{
    const QStringList alle = spielerNamen(8);
    oeffnenMit(alle);
    auto* weiter = ctl<QPushButton>("Button4");
    waehlen(2, 0);
    QVERIFY(weiter->isEnabled());
    waehleLinks(4);
    QTest::mouseClick(weiter, Qt::LeftButton);
    QCOMPARE(rechts()->count(), 4);
    QVERIFY(!weiter->isEnabled());
    QCOMPARE(m_dlg->windowTitle(), QStringLiteral("Sie können nur 4 Spieler auswählen"));

    const struct {
        int tische;
        int modus;
        bool frei;
    } schritte[] = {{0, 1, true}, {0, 0, false}, {3, -1, true}, {2, -1, false}};
    for (const auto& s : schritte) {
        waehlen(s.tische, s.modus);
        QCOMPARE(weiter->isEnabled(), s.frei);
    }

    klickeEintrag(rechts(), 0); // one back: below the limit
    QCOMPARE(rechts()->count(), 3);
    QVERIFY(weiter->isEnabled());
    klickeEintrag(links(), 0); // a click in the left list reaches it again
    QCOMPARE(rechts()->count(), 4);
    QVERIFY(!weiter->isEnabled());

    ladenMit(alle.mid(3), alle.mid(0, 3));
    QVERIFY(weiter->isEnabled());
    ladenMit(alle.mid(4), alle.mid(0, 4));
    QVERIFY(!weiter->isEnabled());
}

// --- moves to the left --------------------------------------------------------------------

void TestAuswahldialog::moveLeftAndClickInRightList()
{
    const QStringList alle = spielerNamen(8);
    oeffnenMit(alle);
    QTest::mouseClick(ctl<QPushButton>("Button5"), Qt::LeftButton);

    rechts()->clearSelection();
    rechts()->item(1)->setSelected(true);
    rechts()->item(3)->setSelected(true);
    QTest::mouseClick(ctl<QPushButton>("Button6"), Qt::LeftButton);
    QCOMPARE(m_dlg->linkeEintraege(), (QStringList{alle[1], alle[3]}));
    QCOMPARE(rechts()->selectedItems().size(), 1);
    QCOMPARE(rechts()->selectedItems().first()->text(), alle[2]); // now at index 1
    QVERIFY(ctl<QPushButton>("Button1")->isEnabled());
    zaehlerPruefen();

    // No limit to the left, and a plain click moves the clicked entry at once.
    waehlen(2, -1);
    klickeEintrag(rechts(), 0);
    QCOMPARE(m_dlg->linkeEintraege(), (QStringList{alle[0], alle[1], alle[3]}));
    QCOMPARE(rechts()->count(), 5);
    zaehlerPruefen();
}

// The moved names join the other list in order, each once; what was selected there stays
// selected, and nothing moved is selected.
void TestAuswahldialog::moveKeepsTheOtherListsSelectionAndOrder()
{
    const QStringList alle = spielerNamen(8);
    oeffnenMit(alle);
    waehlen(6, 1);
    ladenMit({alle[0], alle[2], alle[4], alle[6]}, {alle[1], alle[3], alle[5], alle[7]});
    rechts()->clearSelection();
    rechts()->item(1)->setSelected(true);
    links()->clearSelection();
    links()->item(0)->setSelected(true);
    links()->item(2)->setSelected(true);

    QTest::mouseClick(ctl<QPushButton>("Button4"), Qt::LeftButton);
    QCOMPARE(m_dlg->rechteEintraege(),
             (QStringList{alle[0], alle[1], alle[3], alle[4], alle[5], alle[7]}));
    QCOMPARE(m_dlg->linkeEintraege(), (QStringList{alle[2], alle[6]}));
    QCOMPARE(rechts()->selectedItems().size(), 1);
    QCOMPARE(rechts()->selectedItems().first()->text(), alle[3]);
    zaehlerPruefen();

    // And back: the left list takes them in order, its own selection kept.
    rechts()->clearSelection();
    rechts()->item(0)->setSelected(true);
    rechts()->item(5)->setSelected(true);
    QTest::mouseClick(ctl<QPushButton>("Button6"), Qt::LeftButton);
    QCOMPARE(m_dlg->linkeEintraege(), (QStringList{alle[0], alle[2], alle[6], alle[7]}));
    QCOMPARE(m_dlg->rechteEintraege(), (QStringList{alle[1], alle[3], alle[4], alle[5]}));
    QCOMPARE(links()->selectedItems().size(), 1);
    QCOMPARE(links()->selectedItems().first()->text(), alle[2]);
    zaehlerPruefen();
}

void TestAuswahldialog::moveAllLeft()
{
    const QStringList alle = spielerNamen(5);
    oeffnenMit(alle);
    ladenMit(alle.mid(0, 2), alle.mid(2));
    QTest::mouseClick(ctl<QPushButton>("Button7"), Qt::LeftButton);
    QCOMPARE(m_dlg->linkeEintraege(), alle);
    QCOMPARE(rechts()->count(), 0);
    QVERIFY(!ctl<QPushButton>("Button2")->isEnabled());
    QVERIFY(!ctl<QPushButton>("Button6")->isEnabled());
    QVERIFY(!ctl<QPushButton>("Button7")->isEnabled());
    QVERIFY(ctl<QPushButton>("Button4")->isEnabled());
    zaehlerPruefen();
}

void TestAuswahldialog::nothingSelectedMovesNothingAndSelectsFirst_data()
{
    QTest::addColumn<QString>("knopf");
    QTest::addColumn<bool>("nachRechts");
    QTest::newRow(">") << "Button4" << true;
    QTest::newRow("<") << "Button6" << false;
}

void TestAuswahldialog::nothingSelectedMovesNothingAndSelectsFirst()
{
    QFETCH(QString, knopf);
    QFETCH(bool, nachRechts);
    const QStringList alle = spielerNamen(6);
    oeffnenMit(alle);
    waehlen(3, 1);
    ladenMit(alle.mid(0, 3), alle.mid(3));
    QListWidget* quelle = nachRechts ? links() : rechts();
    quelle->clearSelection();

    QTest::mouseClick(m_dlg->findChild<QPushButton*>(knopf), Qt::LeftButton);

    QCOMPARE(links()->count(), 3);
    QCOMPARE(rechts()->count(), 3);
    QCOMPARE(quelle->selectedItems().size(), 1);
    QCOMPARE(quelle->selectedItems().first(), quelle->item(0));
}

void TestAuswahldialog::lastEntryMovedLeavesNoSelectionAndDisablesButtons()
{
    oeffnenMit(spielerNamen(1));
    waehlen(2, 1);
    waehleLinks(1);
    QTest::mouseClick(ctl<QPushButton>("Button4"), Qt::LeftButton);
    QCOMPARE(links()->count(), 0);
    QVERIFY(links()->selectedItems().isEmpty());
    QVERIFY(!ctl<QPushButton>("Button4")->isEnabled());
    QVERIFY(!ctl<QPushButton>("Button5")->isEnabled());

    rechts()->item(0)->setSelected(true);
    QTest::mouseClick(ctl<QPushButton>("Button6"), Qt::LeftButton);
    QCOMPARE(rechts()->count(), 0);
    QVERIFY(rechts()->selectedItems().isEmpty());
    QVERIFY(!ctl<QPushButton>("Button6")->isEnabled());
    QVERIFY(!ctl<QPushButton>("Button7")->isEnabled());
    QVERIFY(!ctl<QPushButton>("Button2")->isEnabled());
}

// --- table count, mode, hint --------------------------------------------------------------

void TestAuswahldialog::hintFollowsTableCountAndMode_data()
{
    QTest::addColumn<QList<int>>("klicks"); // table counts as 2...6, modes as -10 (singles) / -11
    QTest::addColumn<QString>("hinweis");
    QTest::newRow("table count without mode") << QList<int>{4} << "";
    QTest::newRow("mode without table count") << QList<int>{-11} << "";
    QTest::newRow("table count, then mode")
        << QList<int>{4, -11} << "Für 4 Tische können 16 Spieler ausgewählt werden.";
    QTest::newRow("mode, then table count")
        << QList<int>{-10, 5} << "Für 5 Tische können 10 Spieler ausgewählt werden.";
    QTest::newRow("switch mode") << QList<int>{3, -10, -11}
                                 << "Für 3 Tische können 12 Spieler ausgewählt werden.";
    QTest::newRow("switch table count")
        << QList<int>{6, -10, 2} << "Für 2 Tische können 4 Spieler ausgewählt werden.";
}

void TestAuswahldialog::hintFollowsTableCountAndMode()
{
    QFETCH(QList<int>, klicks);
    QFETCH(QString, hinweis);
    Optionen.Spielmodus = -1; // no mode shown at first: only the clicks choose one
    oeffnenMit(spielerNamen(2));
    for (int klick : klicks)
        QTest::mouseClick(klick > 0 ? tischknopf(klick) : modusknopf(-klick - 10), Qt::LeftButton);
    QCOMPARE(ctl<QLabel>("Label1")->text(), hinweis);
}

void TestAuswahldialog::switchingModeRefillsLeftWithoutThePicked()
{
    const QStringList alle = spielerNamen(5);
    oeffnenMit(alle);
    waehlen(2, 1);
    QTest::mouseClick(ctl<QPushButton>("Button5"), Qt::LeftButton);
    QCOMPARE(links()->count(), 0);
    QVERIFY(!ctl<QPushButton>("Button4")->isEnabled());

    QTest::mouseClick(modusknopf(0), Qt::LeftButton);
    QCOMPARE(m_dlg->linkeEintraege(), QStringList());
    QCOMPARE(m_dlg->rechteEintraege(), alle);
    QCOMPARE(Optionen.Spielmodus, 0);
    QCOMPARE(gespeicherterSpielmodus(), 0);
    // Five picked are past the singles limit of 4: nothing more can be moved.
    QVERIFY(!ctl<QPushButton>("Button4")->isEnabled());
    zaehlerPruefen();

    // Taken back, the players are on the left once; a switch keeps it so.
    QTest::mouseClick(ctl<QPushButton>("Button7"), Qt::LeftButton);
    QTest::mouseClick(modusknopf(1), Qt::LeftButton);
    QCOMPARE(gespeicherterSpielmodus(), 1);
    QCOMPARE(m_dlg->linkeEintraege(), alle);
    QCOMPARE(rechts()->count(), 0);
    QVERIFY(ctl<QPushButton>("Button4")->isEnabled());
    QVERIFY(m_meldungen->messages().isEmpty());
}

void TestAuswahldialog::pickedPlayerIsNeverOnBothSides_data()
{
    QTest::addColumn<Namenspaare>("teilnehmer");
    QTest::addColumn<int>("gepickt");
    QTest::addColumn<bool>("geladen"); // the right list comes from "Auswahl laden"

    Namenspaare zwanzig;
    for (const QString& name : spielerNamen(20))
        zwanzig.append({QString(), name});
    QTest::newRow("4 of 20 in singles") << zwanzig << 4 << false;

    Namenspaare gleichnamig = {{QStringLiteral("Anna"), QStringLiteral("Meier")},
                               {QStringLiteral("Anna"), QStringLiteral("Meier")},
                               {QStringLiteral("Bernd"), QStringLiteral("Otto")}};
    QTest::newRow("one of two of the same name") << gleichnamig << 1 << false;

    const QString lang = QStringLiteral("Maximiliane-Friederike");
    Namenspaare langeNamen = {{lang, QStringLiteral("von Hohenzollern-Sigmaringen-Ostende")},
                              {QStringLiteral("Zora"), QStringLiteral("Zander")}};
    QTest::newRow("a name longer than 50 bytes, loaded") << langeNamen << 1 << true;
}

void TestAuswahldialog::pickedPlayerIsNeverOnBothSides()
{
    QFETCH(Namenspaare, teilnehmer);
    QFETCH(int, gepickt);
    QFETCH(bool, geladen);
    teilnehmerSchreiben(teilnehmer);
    m_dlg->oeffnen();
    const QStringList alle = m_dlg->linkeEintraege();
    waehlen(2, 0);
    waehleLinks(gepickt);
    QTest::mouseClick(ctl<QPushButton>("Button4"), Qt::LeftButton);
    QCOMPARE(rechts()->count(), gepickt);
    if (geladen) {
        QTest::mouseClick(ctl<QPushButton>("Button2"), Qt::LeftButton);
        m_dlg->oeffnen();
        QTest::mouseClick(ctl<QPushButton>("Button1"), Qt::LeftButton);
        QCOMPARE(rechts()->count(), gepickt);
    }

    QTest::mouseClick(modusknopf(1), Qt::LeftButton);
    QCOMPARE(links()->count() + rechts()->count(), alle.size());
    // Every participant once: on the left, or (in the form of the selection file) on the right.
    QStringList rest = alle;
    for (const QString& eintrag : m_dlg->linkeEintraege())
        QVERIFY2(rest.removeOne(eintrag), qPrintable(eintrag));
    QStringList rechtsGespeichert;
    for (const QString& eintrag : m_dlg->rechteEintraege())
        rechtsGespeichert.append(auswahlDateiform(eintrag));
    for (const QString& eintrag : rest)
        QVERIFY2(rechtsGespeichert.removeOne(auswahlDateiform(eintrag)), qPrintable(eintrag));
    QVERIFY(rechtsGespeichert.isEmpty());

    // Nothing on the left can be moved a second time.
    QTest::mouseClick(ctl<QPushButton>("Button5"), Qt::LeftButton);
    QCOMPARE(rechts()->count(), alle.size());
}

void TestAuswahldialog::keyToTheWindowItselfWarnsForTwoTablesSingles_data()
{
    QTest::addColumn<int>("tische");
    QTest::addColumn<int>("modus");
    QTest::addColumn<bool>("fensterFokus");
    QTest::addColumn<int>("meldungen");
    QTest::newRow("2 singles, window focused") << 2 << 0 << true << 2; // press and release
    QTest::newRow("2 singles, list focused") << 2 << 0 << false << 0;
    QTest::newRow("2 doubles, window focused") << 2 << 1 << true << 0;
    QTest::newRow("3 singles, window focused") << 3 << 0 << true << 0;
}

void TestAuswahldialog::keyToTheWindowItselfWarnsForTwoTablesSingles()
{
    QFETCH(int, tische);
    QFETCH(int, modus);
    QFETCH(bool, fensterFokus);
    QFETCH(int, meldungen);
    oeffnenMit(spielerNamen(2));
    waehlen(tische, modus);
    QVERIFY(QTest::qWaitForWindowActive(m_dlg.get()));
    QWidget* ziel = links();
    if (fensterFokus) {
        m_dlg->setFocus();
        ziel = m_dlg.get();
    } else {
        links()->setFocus();
    }
    QCOMPARE(QApplication::focusWidget(), ziel);
    QTest::keyClick(ziel, Qt::Key_X);
    QCOMPARE(m_meldungen->messages().size(), meldungen);
    for (const auto& m : m_meldungen->messages())
        QCOMPARE(m.text, QStringLiteral("Für 2 Tische können nur 4 Spieler ausgewählt werden."));
}

// --- save, load, close --------------------------------------------------------------------

void TestAuswahldialog::saveWritesBothFilesAndDraws_data()
{
    QTest::addColumn<int>("tische");
    QTest::addColumn<int>("modus");
    QTest::addColumn<int>("spielmodusGezogen"); // -1: no draw
    QTest::newRow("no table count: no draw") << 0 << 1 << -1;
    QTest::newRow("table count without mode: mode unchanged (singles)") << 2 << -1 << 0;
    QTest::newRow("2 tables doubles") << 2 << 1 << 1;
    QTest::newRow("3 tables singles") << 3 << 0 << 0;
}

void TestAuswahldialog::saveWritesBothFilesAndDraws()
{
    QFETCH(int, tische);
    QFETCH(int, modus);
    QFETCH(int, spielmodusGezogen);
    const QStringList alle = spielerNamen(10);
    oeffnenMit(alle);
    waehlen(tische, modus);
    // Pick the first four.
    ladenMit(alle.mid(4), alle.mid(0, 4));

    QTest::mouseClick(ctl<QPushButton>("Button2"), Qt::LeftButton);

    QCOMPARE(auswahlNamenLesen(auswahldatei1()), alle.mid(4));
    QCOMPARE(auswahlNamenLesen(auswahldatei2()), alle.mid(0, 4));
    for (const TAuswahlRec& rec : auswahlLesen(auswahldatei2())) {
        QVERIFY(rec.Nummer.isEmpty());
        QVERIFY(rec.Vorname.isEmpty());
    }
    QCOMPARE(gespeicherterSpielmodus(), modus >= 0 ? modus : 0);
    QVERIFY(!m_dlg->isVisible());
    QVERIFY(m_haupt->sichtbar());
    QVERIFY(m_meldungen->messages().isEmpty());

    for (const Tischanzahl t : kTischanzahlen)
        QCOMPARE(QFile::exists(tischdateiPfad(t)), t.zahl() == tische);
    if (spielmodusGezogen < 0)
        return;
    const Tischbelegung belegung = tischLesen(Tischanzahl::aus(tische).value()).value;
    QStringList gesetzt;
    const QList<Platz> plaetze = spielmodusGezogen == 0
                                     ? QList<Platz>{Platz::ObenMitte, Platz::UntenMitte}
                                     : QList<Platz>{Platz::ObenLinks, Platz::ObenRechts,
                                                    Platz::UntenLinks, Platz::UntenRechts};
    for (int t = 1; t <= 2; ++t)
        for (Platz p : plaetze)
            gesetzt.append(belegung.name(t, p).trimmed());
    gesetzt.sort();
    QCOMPARE(gesetzt.mid(gesetzt.size() - 4), alle.mid(0, 4));
}

void TestAuswahldialog::saveCutsNamesToFiftyBytes()
{
    const QString vorname = QStringLiteral("Maximiliane-Theodora");             // 20
    const QString name = QStringLiteral("Müller-Lüdenscheidt-Oberhausen-Ätna"); // 35
    teilnehmerSchreiben(QList<QPair<QString, QString>>{{vorname, name}, {"", "Kurz"}});
    m_dlg->oeffnen();
    const QString voll = vorname + QLatin1Char(' ') + name;
    QCOMPARE(m_dlg->linkeEintraege(), (QStringList{"Kurz", voll}));
    QTest::mouseClick(ctl<QPushButton>("Button5"), Qt::LeftButton);
    QTest::mouseClick(ctl<QPushButton>("Button2"), Qt::LeftButton);

    const QList<TAuswahlRec> recs = auswahlLesen(auswahldatei2());
    QCOMPARE(recs.size(), 2);
    QCOMPARE(recs[1].Name.bytes(), platform::toCp1252(voll).left(50));
    QCOMPARE(readFileBytes(auswahldatei2()).size(), 2 * 153);

    m_dlg->oeffnen();
    QTest::mouseClick(ctl<QPushButton>("Button1"), Qt::LeftButton);
    QCOMPARE(m_dlg->rechteEintraege(), (QStringList{"Kurz", voll.left(50)}));
}

void TestAuswahldialog::saveThatCannotWriteKeepsDialogAndDrawsNothing()
{
    const QStringList alle = spielerNamen(4);
    oeffnenMit(alle);
    waehlen(2, 1);
    QTest::mouseClick(ctl<QPushButton>("Button5"), Qt::LeftButton);
    QVERIFY(QDir(m_ordner->path()).mkdir(QStringLiteral("aktuelle_Liste2.akt")));

    QTest::mouseClick(ctl<QPushButton>("Button2"), Qt::LeftButton);

    QCOMPARE(m_meldungen->messages().size(), 1);
    QVERIFY(m_meldungen->lastText().contains(QStringLiteral("aktuelle_Liste2.akt")));
    QVERIFY(m_meldungen->lastText().contains(QStringLiteral("konnte nicht gespeichert werden")));
    QVERIFY(!QFile::exists(tischdateiPfad(2)));
    QVERIFY(m_dlg->isVisible());
    QVERIFY(!m_haupt->sichtbar());
    QCOMPARE(m_dlg->rechteEintraege(), alle);
}

void TestAuswahldialog::drawThatCannotBuildItsPoolKeepsDialogOpen()
{
    const QStringList alle = spielerNamen(4);
    oeffnenMit(alle);
    waehlen(2, 1);
    QTest::mouseClick(ctl<QPushButton>("Button5"), Qt::LeftButton);
    // The pool file lives in the working folder; a folder of its name cannot be written.
    QVERIFY(QDir(m_ordner->path()).mkdir(QStringLiteral("Str_list.txt")));

    QTest::mouseClick(ctl<QPushButton>("Button2"), Qt::LeftButton);

    QCOMPARE(auswahlNamenLesen(auswahldatei2()), alle); // the selection itself is stored
    QCOMPARE(m_meldungen->messages().size(), 1);
    QVERIFY(m_meldungen->lastText().contains(QStringLiteral("Str_list.txt")));
    QVERIFY(!QFile::exists(tischdateiPfad(2)));
    QVERIFY(m_dlg->isVisible());
    QVERIFY(!m_haupt->sichtbar());
}

void TestAuswahldialog::loadBringsBackBothLists()
{
    oeffnenMit({"zora", "Anton", "Anton", "Eva", "bert"});
    // A file written by hand, out of order and with duplicates: the lists sort it.
    auswahlDateienSchreiben({"zora", "Anton", "Anton"}, {"Eva", "bert"});
    QTest::mouseClick(ctl<QPushButton>("Button1"), Qt::LeftButton);
    QCOMPARE(m_dlg->linkeEintraege(), (QStringList{"Anton", "Anton", "zora"}));
    QCOMPARE(m_dlg->rechteEintraege(), (QStringList{"bert", "Eva"}));
    QVERIFY(ctl<QPushButton>("Button2")->isEnabled());
    zaehlerPruefen();
}

// Without files no participant is picked: all of them are back on the left, none is lost.
void TestAuswahldialog::loadWithoutFilesPicksNobody()
{
    oeffnenMit(spielerNamen(3));
    QTest::mouseClick(ctl<QPushButton>("Button5"), Qt::LeftButton);
    QVERIFY(ctl<QPushButton>("Button2")->isEnabled());
    QTest::mouseClick(ctl<QPushButton>("Button1"), Qt::LeftButton);
    QCOMPARE(m_dlg->linkeEintraege(), spielerNamen(3));
    QCOMPARE(rechts()->count(), 0);
    QVERIFY(!ctl<QPushButton>("Button2")->isEnabled());
    zaehlerPruefen();
    QVERIFY(m_meldungen->messages().isEmpty());
}

void TestAuswahldialog::closeBoxLeavesPanelHidden()
{
    const QStringList alle = spielerNamen(4);
    oeffnenMit(alle);
    waehlen(2, 1);
    waehleLinks(2);
    QTest::mouseClick(ctl<QPushButton>("Button4"), Qt::LeftButton);
    m_dlg->close(); // what the title-bar close box does
    QVERIFY(!m_dlg->isVisible());
    QVERIFY(!m_haupt->sichtbar());
    m_dlg->show();
    QCOMPARE(m_dlg->rechteEintraege(), alle.mid(0, 2));
    QCOMPARE(m_dlg->linkeEintraege(), alle.mid(2));
    QVERIFY(!QFile::exists(auswahldatei2()));
}

void TestAuswahldialog::beendenShowsPanel()
{
    oeffnenMit(spielerNamen(2));
    QTest::mouseClick(ctl<QPushButton>("Button5"), Qt::LeftButton);
    QTest::mouseClick(ctl<QPushButton>("Button3"), Qt::LeftButton);
    QVERIFY(!m_dlg->isVisible());
    QVERIFY(m_haupt->sichtbar());
    QCOMPARE(rechts()->count(), 2);
    QVERIFY(!QFile::exists(auswahldatei1()));
    QVERIFY(!QFile::exists(auswahldatei2()));
}

QTEST_MAIN(TestAuswahldialog)
#include "tst_auswahldialog.moc"

#include "app/hauptfenster.h"
#include "app/start.h"
#include "appearance/ui/farbe.h"
#include "appearance/ui/stilverwaltung.h"
#include "backup/ui/back5.h"
#include "common/testsupport.h"
#include "core/base/optionen.h"
#include "draw/ui/ergebnisfenster.h"
#include "platform/base/random.h"
#include "platform/base/typedfile.h"
#include "players/logic/adressdatei.h"
#include "players/ui/auswahldialog.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QAbstractSpinBox>
#include <QAccessible>
#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QTest>
#include <QTextDocument>
#include <QToolButton>

// Screen readers, and tests that work as a user does, find controls by their accessible name:
// every control a user can operate in any window of the program must have one.
class TestZugaenglichkeit : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void everyControlHasAName();
    void labelsAndWindowsAreHeardAsShown();
    void defaultButtonsTakeEnter();
    void escapeDoesWhatTheWindowSays();
};

namespace
{

bool bedienbar(const QWidget* w)
{
    return qobject_cast<const QAbstractButton*>(w) || qobject_cast<const QLineEdit*>(w) ||
           qobject_cast<const QAbstractItemView*>(w) || qobject_cast<const QComboBox*>(w) ||
           qobject_cast<const QAbstractSpinBox*>(w);
}

// Widgets that Qt builds inside a control (a combo box's line edit, a scroll bar's buttons)
// belong to that control's name.
bool innerPartOfAControl(const QWidget* w)
{
    for (const QWidget* p = w->parentWidget(); p; p = p->parentWidget())
        if (bedienbar(p))
            return true;
    return w->objectName().startsWith(QLatin1String("qt_"));
}

QStringList controlsWithoutName(const QWidget& fenster)
{
    QStringList ohne;
    for (const QWidget* w : fenster.findChildren<QWidget*>()) {
        if (!bedienbar(w) || innerPartOfAControl(w))
            continue;
        QAccessibleInterface* iface =
            QAccessible::queryAccessibleInterface(const_cast<QWidget*>(w));
        const QString name = iface ? iface->text(QAccessible::Name).trimmed() : QString();
        if (name.isEmpty())
            ohne << QStringLiteral("%1 %2 in %3")
                        .arg(QString::fromLatin1(w->metaObject()->className()), w->objectName(),
                             QString::fromLatin1(fenster.metaObject()->className()));
    }
    return ohne;
}

// What a label shows, as plain text: rich text without its markup, a mnemonic without its "&".
QString sichtbarerText(const QLabel& label)
{
    QString text = label.text();
    const bool reich = label.textFormat() == Qt::RichText ||
                       (label.textFormat() == Qt::AutoText && Qt::mightBeRichText(text));
    if (reich) {
        QTextDocument dokument;
        dokument.setHtml(text);
        text = dokument.toPlainText();
    } else if (label.buddy()) {
        text.replace(QRegularExpression(QStringLiteral("&(.)")), QStringLiteral("\\1"));
    }
    return text.simplified();
}

QString gehoerterName(const QWidget& w)
{
    QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(const_cast<QWidget*>(&w));
    return iface ? iface->text(QAccessible::Name).simplified() : QString();
}

QString beschreibung(const QWidget& w)
{
    return QStringLiteral("%1 %2").arg(QString::fromLatin1(w.metaObject()->className()),
                                       w.objectName());
}

// A window is heard by its caption; a label that shows text by that text, alone or after a
// context ("Tisch 1, oben links: Hans"); a label that shows nothing is heard as nothing. Only
// a picture may carry a name of its own.
QStringList falschGehoert(const QWidget& fenster)
{
    QStringList falsch;
    const QString titel = fenster.windowTitle().remove(QStringLiteral("[*]")).simplified();
    if (gehoerterName(fenster) != titel)
        falsch << QStringLiteral("%1: heard \"%2\", caption \"%3\"")
                      .arg(beschreibung(fenster), gehoerterName(fenster), titel);
    for (const QLabel* label : fenster.findChildren<QLabel*>()) {
        if (label->window() != &fenster || !label->isVisibleTo(&fenster) ||
            !label->pixmap().isNull() || label->objectName().startsWith(QLatin1String("qt_")))
            continue;
        const QString text = sichtbarerText(*label);
        const QString name = gehoerterName(*label);
        if (name == text || (!text.isEmpty() && name.endsWith(QStringLiteral(": ") + text)))
            continue;
        falsch << QStringLiteral("%1 in %2: heard \"%3\", shows \"%4\"")
                      .arg(beschreibung(*label), beschreibung(fenster), name, text);
    }
    return falsch;
}

// Every window of the program that exists at this moment: the main window, the windows it
// owns, and those created by a command.
QList<QWidget*> alleFenster()
{
    QList<QWidget*> fenster;
    for (QWidget* w : QApplication::topLevelWidgets()) {
        if (w->windowType() == Qt::Popup || w->windowType() == Qt::ToolTip ||
            qobject_cast<QMenu*>(w) || w->objectName().startsWith(QLatin1String("qt_")) ||
            w->inherits("QTipLabel"))
            continue;
        fenster << w;
    }
    return fenster;
}

QStringList falschGehoertUeberall(const QString& zustand)
{
    QStringList falsch;
    for (const QWidget* w : alleFenster())
        for (const QString& f : falschGehoert(*w))
            falsch << zustand + QStringLiteral(": ") + f;
    return falsch;
}

void teilnehmerAnlegen(int anzahl)
{
    QList<TAdressRec> adressen;
    for (int i = 1; i <= anzahl; ++i) {
        TAdressRec rec = leereAdresse();
        rec.Vorname.set(QStringLiteral("Vorname%1").arg(i));
        rec.Name.set(QStringLiteral("Spieler%1").arg(i));
        adressen.append(rec);
    }
    QVERIFY(writeFileBytes(adressdateiPfad(), platform::recordsToBytes(adressen)));
}

// A key as the user types it: to the control that has the focus in `fenster`.
void taste(QWidget& fenster, Qt::Key key)
{
    QWidget* ziel = fenster.focusWidget() ? fenster.focusWidget() : &fenster;
    QTest::keyClick(ziel, key);
}

} // namespace

void TestZugaenglichkeit::everyControlHasAName()
{
    TempDataFolder folder;
    MessageRecorder messages;
    optionen_lesen();
    const auto form = programmAufbauen();
    TBack5 back5; // created anew by its command each time

    QStringList ohne = controlsWithoutName(*form); // the main window and all it owns
    ohne += controlsWithoutName(back5);
    QVERIFY2(ohne.isEmpty(), qPrintable(ohne.join(QLatin1Char('\n'))));
}

// Screen readers hear what the screen shows: walked over every window after the start, with the
// selection dialog at its limit, after a draw shown in its result window, and after a style
// change.
void TestZugaenglichkeit::labelsAndWindowsAreHeardAsShown()
{
    TempDataFolder folder;
    MessageRecorder messages;
    FixedClock uhr(QDateTime(QDate(2023, 2, 21), QTime(19, 30, 5)));
    teilnehmerAnlegen(12);
    optionen_lesen();
    const auto form = programmAufbauen();
    form->show();
    platform::setRandSeed(4711);
    QStringList falsch = falschGehoertUeberall(QStringLiteral("start"));
    QVERIFY(form->windowTitle().contains(QStringLiteral("21.02.2023")));

    // The selection dialog at the limit of "2 Tische" singles; the headline is emptied.
    QTest::mouseClick(requireChild<QToolButton>(form.get(), "SpeedButton3"), Qt::LeftButton);
    auto& dialog = *form->findChild<TDualListDlg*>();
    QTest::mouseClick(requireChild<QRadioButton>(&dialog, "RadioButton1"), Qt::LeftButton);
    QTest::mouseClick(requireChild<QRadioButton>(&dialog, "RadioButton7"), Qt::LeftButton);
    auto* links = requireChild<QListWidget>(&dialog, "SrcList");
    links->clearSelection();
    for (int i = 0; i < 4; ++i)
        links->item(i)->setSelected(true);
    QTest::mouseClick(requireChild<QPushButton>(&dialog, "Button4"), Qt::LeftButton);
    QCOMPARE(dialog.windowTitle(), QStringLiteral("Sie können nur 4 Spieler auswählen"));
    QCOMPARE(requireChild<QLabel>(&dialog, "Label6")->text(), QStringLiteral("4"));
    falsch += falschGehoertUeberall(QStringLiteral("at the limit"));

    // A draw, then its seating in the result window.
    QTest::mouseClick(requireChild<QPushButton>(&dialog, "Button2"), Qt::LeftButton);
    QVERIFY(!dialog.isVisible());
    {
        NonBlockingModals modal([&falsch](QDialog&) {
            falsch += falschGehoertUeberall(QStringLiteral("after a draw"));
        });
        QTest::mouseClick(requireChild<QToolButton>(form.get(), "SpeedButton4"), Qt::LeftButton);
        QCOMPARE(modal.shownCount(), 1);
    }
    QVERIFY(!ergebnisfenster(2)->namensLabel(1, Platz::ObenMitte)->text().trimmed().isEmpty());
    QTest::mouseClick(requireChild<QPushButton>(ergebnisfenster(2), "Button1"), Qt::LeftButton);

    // A style change, with the windows a command creates open beside it.
    QTest::mouseClick(requireChild<QToolButton>(form.get(), "SpeedButton10"), Qt::LeftButton);
    auto& farbe = *form->findChild<TFarbe*>();
    auto* stile = requireChild<QListWidget>(&farbe, "ListBox1");
    const QList<QListWidgetItem*> carbon =
        stile->findItems(QStringLiteral("Carbon"), Qt::MatchExactly);
    QCOMPARE(carbon.size(), 1);
    stile->setCurrentItem(carbon.first());
    QTest::mouseClick(requireChild<QPushButton>(&farbe, "Style_Button"), Qt::LeftButton);
    QCOMPARE(requireChild<QLabel>(&farbe, "Panel1")->text(),
             QStringLiteral("Aktiver Style > Carbon"));
    form->WeitereProgramme1Click();
    form->Adressendrucken1Click();
    {
        NonBlockingModals modal([&falsch](QDialog&) {
            falsch += falschGehoertUeberall(QStringLiteral("after a style change"));
        });
        form->SpeedButton7Click(); // the backup window, modal
        QCOMPARE(modal.shownCount(), 1);
    }
    falsch.removeDuplicates();
    QVERIFY2(falsch.isEmpty(), qPrintable(falsch.join(QLatin1Char('\n'))));
}

// A button drawn as the default one is pressed by Enter: it lives in a dialog, and Enter on
// the control in focus presses it.
void TestZugaenglichkeit::defaultButtonsTakeEnter()
{
    TempDataFolder folder;
    MessageRecorder messages;
    optionen_lesen();
    const auto form = programmAufbauen();
    form->show();
    form->Adressendrucken1Click();
    QStringList falsch;
    for (const QWidget* fenster : alleFenster())
        for (const QPushButton* knopf : fenster->findChildren<QPushButton*>())
            if (knopf->isDefault() && knopf->window() == fenster &&
                !qobject_cast<const QDialog*>(fenster))
                falsch << beschreibung(*knopf) + QStringLiteral(" in ") + beschreibung(*fenster);
    QVERIFY2(falsch.isEmpty(), qPrintable(falsch.join(QLatin1Char('\n'))));

    // "Weitere Programme": Enter presses "Schließen", which shows the main-screen panel again.
    auto* panel5 = requireChild<QWidget>(form.get(), "Panel5");
    form->WeitereProgramme1Click();
    auto* weitere = requireChild<QWidget>(form.get(), "WeitereProgramme");
    QVERIFY(weitere->isVisible());
    QVERIFY(panel5->isHidden());
    taste(*weitere, Qt::Key_Return);
    QVERIFY(!weitere->isVisible());
    QVERIFY(!panel5->isHidden());

    // "Farbwahl": Enter in the list presses "Style aktivieren".
    form->SpeedButton10Click();
    auto& farbe = *form->findChild<TFarbe*>();
    auto* stile = requireChild<QListWidget>(&farbe, "ListBox1");
    stile->setCurrentItem(stile->findItems(QStringLiteral("Glow"), Qt::MatchExactly).value(0));
    stile->setFocus();
    taste(farbe, Qt::Key_Return);
    QCOMPARE(appearance::StyleManager::activeStyleName(), QStringLiteral("Glow"));
    QVERIFY(!farbe.isVisible());
}

// Escape does what a window's design gives it, or nothing: it closes "Weitere Programme" as
// "Schließen" does and "Farbwahl" as "Beenden" does; the selection dialog, the result windows
// and the backup window stay open with what they show.
void TestZugaenglichkeit::escapeDoesWhatTheWindowSays()
{
    TempDataFolder folder;
    MessageRecorder messages;
    teilnehmerAnlegen(8);
    optionen_lesen();
    const auto form = programmAufbauen();
    form->show();
    platform::setRandSeed(4711);
    auto* panel5 = requireChild<QWidget>(form.get(), "Panel5");

    form->WeitereProgramme1Click();
    auto* weitere = requireChild<QWidget>(form.get(), "WeitereProgramme");
    taste(*weitere, Qt::Key_Escape);
    QVERIFY(!weitere->isVisible());
    QVERIFY(!panel5->isHidden());

    const QString stilVorher = appearance::StyleManager::activeStyleName();
    form->SpeedButton10Click();
    auto& farbe = *form->findChild<TFarbe*>();
    auto* stile = requireChild<QListWidget>(&farbe, "ListBox1");
    stile->setCurrentItem(stile->findItems(QStringLiteral("Glow"), Qt::MatchExactly).value(0));
    stile->setFocus();
    taste(farbe, Qt::Key_Escape);
    QVERIFY(!farbe.isVisible());
    QCOMPARE(appearance::StyleManager::activeStyleName(), stilVorher);

    form->SpeedButton3Click();
    auto& dialog = *form->findChild<TDualListDlg*>();
    QTest::mouseClick(requireChild<QRadioButton>(&dialog, "RadioButton1"), Qt::LeftButton);
    QTest::mouseClick(requireChild<QRadioButton>(&dialog, "RadioButton8"), Qt::LeftButton);
    QTest::mouseClick(requireChild<QPushButton>(&dialog, "Button5"), Qt::LeftButton);
    requireChild<QListWidget>(&dialog, "DstList")->setFocus();
    taste(dialog, Qt::Key_Escape);
    QVERIFY(dialog.isVisible());
    QCOMPARE(dialog.rechteEintraege().size(), 8);
    QTest::mouseClick(requireChild<QPushButton>(&dialog, "Button2"), Qt::LeftButton);

    QStringList geschlossen;
    {
        NonBlockingModals modal([&geschlossen](QDialog& fenster) {
            taste(fenster, Qt::Key_Escape);
            if (!fenster.isVisible())
                geschlossen << beschreibung(fenster);
            fenster.done(QDialog::Rejected);
        });
        for (auto* knopf : {"SpeedButton4", "SpeedButton5", "SpeedButton2", "SpeedButton8",
                            "SpeedButton6", "SpeedButton7"})
            QTest::mouseClick(requireChild<QToolButton>(form.get(), knopf), Qt::LeftButton);
        QCOMPARE(modal.shownCount(), 6);
    }
    QVERIFY2(geschlossen.isEmpty(), qPrintable(geschlossen.join(QLatin1Char('\n'))));
}

int main(int argc, char** argv)
{
    QTemporaryDir home; // the backup window looks into the home folder
    qputenv("HOME", QFile::encodeName(home.path()));
    QApplication app(argc, argv);
    TestZugaenglichkeit test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_zugaenglichkeit.moc"

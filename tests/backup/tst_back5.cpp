#include "backup/logic/sicherung.h"
#include "backup/ui/back5.h"
#include "backup/ui/datensicherung.h"
#include "backup/ui/laufwerkslisten.h"
#include "common/testsupport.h"
#include "core/base/optionen.h"
#include "core/base/programm.h"
#include "core/ui/hauptfensterdienste.h"
#include "platform/base/datafolder.h"
#include "platform/base/typedfile.h"

#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QTabWidget>
#include <QTest>
#include <memory>

namespace
{

const QStringList kDataFiles = {"Zorbeln.opt", "Adressen.adr", "aktuelle_Liste1.akt",
                                "Tisch2.ti2",  "Tisch4.ti4",   "Tisch5.ti5",
                                "Tisch5.ti6",  "Styledat.txt", ".versteckt.txt"};

QString einzeln()
{
    return QStringLiteral(" Die Datei wurde wieder hergestellt.   \n") + QString(42, ' ');
}
QString mehrere()
{
    return QStringLiteral(" Die Dateien wurden wieder hergestellt.   \n") + QString(42, ' ');
}
const QString kMarkieren = QStringLiteral("  Markieren Sie bitte mit der Maus die Datei,     \n"
                                          "      die wieder hergestellt werden soll.         \n");

QStringList filesIn(const QString& folder)
{
    return QDir(folder).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot,
                                  QDir::Name);
}

// Every file of a folder with its content and time of last change.
QMap<QString, QPair<QByteArray, QDateTime>> contentsOf(const QString& folder)
{
    QMap<QString, QPair<QByteArray, QDateTime>> files;
    for (const QFileInfo& info : QDir(folder).entryInfoList(QDir::Files | QDir::Hidden))
        files.insert(info.fileName(),
                     {readFileBytes(info.filePath()), info.fileTime(QFile::FileModificationTime)});
    return files;
}

// A folder of `length` characters below /srv.
QString folderOfLength(int length,
                       const QString& end = QStringLiteral("/Zorbel-Master Datensicherung"))
{
    const QString start = QStringLiteral("/srv/Verein/");
    return start + QString(length - start.size() - end.size(), QLatin1Char('v')) + end;
}

// The settings as they are in the file, not in memory.
TOptionenRec storedSettings()
{
    TOptionenRec rec{};
    platform::readFirstRecordOver(optionenDatei(), rec);
    return rec;
}

} // namespace

// One program run: a fresh data folder with data files, the clock on 9 December 2023, the
// main window's services recorded.
class Run
{
public:
    Run() : clock(QDateTime(QDate(2023, 12, 9), QTime(20, 15)))
    {
        TBack5::zustandZuruecksetzen();
        Optionen = TOptionenRec{};
        QDir(standardSicherungsordner()).removeRecursively();
        optionen_lesen(); // creates the settings file with the defaults
        for (const QString& name : kDataFiles.mid(1))
            writeFileBytes(data.file(name), name.toLatin1() + QByteArray(300, char(name.size())));
        hauptfensterDiensteSetzen(
            {[this](bool on) { panel.append(on); }, [this] { ++titles; }, [] { return nullptr; }});
    }
    ~Run() { hauptfensterDiensteSetzen({}); }

    void storeBackupFolder(const QString& folder, int autoBackup = 0)
    {
        Optionen.SicherungsPfad.set(folder);
        Optionen.AutoSicherung = autoBackup;
        optionen_speichern();
    }

    TempDataFolder data;
    MessageRecorder messages;
    FixedClock clock;
    QList<bool> panel; // the main-screen panel shown (true) or hidden (false), in order
    int titles = 0;
};

// The window as the main window opens it, shown without blocking.
class Window
{
public:
    Window() : w(std::make_unique<TBack5>())
    {
        w->DatensichernWiederherstellen1Click();
        w->show();
        QVERIFY(QTest::qWaitForWindowExposed(w.get()));
    }
    template <class T> T* get(const char* name) const { return requireChild<T>(w.get(), name); }
    QLineEdit* edit(const char* name) const { return get<QLineEdit>(name); }
    void click(const char* name) const
    {
        // Check and radio boxes take clicks on their box and text only, not on the empty
        // room the layout gives them.
        auto* button = get<QAbstractButton>(name);
        const bool box = qobject_cast<QCheckBox*>(button) || qobject_cast<QRadioButton*>(button);
        const QPoint at = box ? QPoint(8, button->height() / 2) : button->rect().center();
        QTest::mouseClick(button, Qt::LeftButton, {}, at);
    }
    void restorePage() const { get<QTabWidget>("PageControl1")->setCurrentIndex(1); }
    void backupPage() const { get<QTabWidget>("PageControl1")->setCurrentIndex(0); }
    FileListBox* files() const { return get<FileListBox>("FileListBox1"); }
    void clickFile(const QString& name, Qt::KeyboardModifiers mods = {}) const
    {
        QListWidgetItem* item = files()->findItems(name, Qt::MatchExactly).value(0);
        QVERIFY2(item, qPrintable(name));
        QTest::mouseClick(files()->viewport(), Qt::LeftButton, mods,
                          files()->visualItemRect(item).center());
    }
    bool isOpen() const { return w->isVisible(); }

    std::unique_ptr<TBack5> w;
};

class TestBack5 : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void controlsAndCaptions();
    void openingFromTheMainWindow();
    void backupIntoEmptyTargetCopiesTheDataFilesAndStoresTheTarget_data();
    void backupIntoEmptyTargetCopiesTheDataFilesAndStoresTheTarget();
    void dateSuffix_data();
    void dateSuffix();
    void backingUpTwiceOverwritesAndKeepsTheDatedFolder();
    void targetThatCannotBeCreated();
    void failedCopyLeavesTheWindowUsable();
    void emptyTargetField();
    void backupIntoTheDataFolderItself_data();
    void backupIntoTheDataFolderItself();
    void restoreSingleFile_data();
    void restoreSingleFile();
    void restoreSingleFileAfterSelectingSeveral();
    void restoreAllFilesOfOneName();
    void restoreAllFilesOfOneNameNeedsAPickInTheShownFolder();
    void restoreSelection_data();
    void restoreSelection();
    void restoredSettingsBecomeTheSettingsInMemory();
    void keepTargetUnstoredAfterLeavingTheRestorePage_data();
    void keepTargetUnstoredAfterLeavingTheRestorePage();
    void whenFolderAndFlagAreStored();
    void closingByTheFrameOnlyRefreshesTheTitle();
    void folderTheSettingsCannotHoldIsRefused_data();
    void folderTheSettingsCannotHoldIsRefused();
    void manualBackupIntoAFolderTheSettingsCannotHold();
    void foldersThatMeanAnotherFolderLater_data();
    void foldersThatMeanAnotherFolderLater();
    void folderFromAWindowsSettingsFile();
    void restoreNeverReadsFromTheDataFolder_data();
    void restoreNeverReadsFromTheDataFolder();
    void restoreThatCopiedNothingSaysSoAndStaysOpen_data();
    void restoreThatCopiedNothingSaysSoAndStaysOpen();
    void tickIsKeptAfterClosingByTheFrame_data();
    void tickIsKeptAfterClosingByTheFrame();
    void automaticBackupAfterDateSuffixAndTick();
    void windowNeverWiderThanTheWorkArea();
};

// The next program run: the settings come from the file again, the window forgets its state.
void restart()
{
    Optionen = TOptionenRec{};
    TBack5::zustandZuruecksetzen();
    optionen_lesen();
}

void TestBack5::controlsAndCaptions()
{
    Run run;
    Window win;
    QCOMPARE(win.w->windowTitle(), QStringLiteral("Zorbel-Master Datensicherung"));
    QCOMPARE(win.w->modus(), 0);
    QCOMPARE(win.get<QPushButton>("Button1")->text(), QStringLiteral("Daten sichern >>"));
    QCOMPARE(win.get<QPushButton>("Button2")->text(), QStringLiteral("Beenden"));
    QCOMPARE(win.get<QPushButton>("Button4")->text(), QStringLiteral("Datum anfügen"));
    QCOMPARE(win.get<QCheckBox>("CheckBox1")->text(),
             QStringLiteral("Automatische Datensicherung nach Programmende."));
    QCOMPARE(win.get<QLabel>("Panel4")->text(),
             QStringLiteral("Wählen Sie bei Bedarf ein anderes Zielverzeichnis."));
    QCOMPARE(win.get<QLabel>("Label1")->text(),
             QStringLiteral("Kopiere Dateien von Quellverzeichnis:"));
    QCOMPARE(win.get<QLabel>("Label2")->text(),
             QStringLiteral("Kopiere Dateien nach Zielverzeichnis:"));
    auto* pages = win.get<QTabWidget>("PageControl1");
    QCOMPARE(pages->tabText(0), QStringLiteral("Datensicherung"));
    QCOMPARE(pages->tabText(1), QStringLiteral("Datenwiederherstellung"));
    QCOMPARE(pages->currentWidget()->objectName(), QStringLiteral("TabSheet1"));
    QCOMPARE(win.edit("Edit1")->text(), Datenordner);
    QVERIFY(win.edit("Edit1")->isReadOnly());
    QVERIFY(!win.edit("Edit2")->isReadOnly());
    QCOMPARE(win.edit("Edit2")->text(), standardSicherungsordner());
    QCOMPARE(win.get<DirectoryListBox>("DirectoryListBox1")->directory() + '/', Datenordner);
    // Enter in the target field neither appends a date nor starts the backup.
    QTest::keyClick(win.edit("Edit2"), Qt::Key_Return);
    QCOMPARE(win.edit("Edit2")->text(), standardSicherungsordner());
    QVERIFY(win.isOpen());
    QVERIFY(win.get<DriveComboBox>("DriveComboBox1")->count() > 0);

    win.restorePage();
    QCOMPARE(win.w->windowTitle(), QStringLiteral("Zorbel-Master Datenwiederherstellung"));
    QCOMPARE(win.w->modus(), 1);
    QCOMPARE(win.get<QPushButton>("Button1")->text(), QStringLiteral("Wiederherstellen"));
    QVERIFY(!win.get<QPushButton>("Button4")->isEnabled());
    QCOMPARE(win.get<QLabel>("Panel5")->text(),
             QStringLiteral("Wählen Sie bei Bedarf ein anderes Quellverzeichnis."));
    QCOMPARE(win.get<QLabel>("Label5")->text(),
             QStringLiteral("Kopiere Dateien von Backup Verzeichnis:"));
    QCOMPARE(win.get<QLabel>("Label6")->text(),
             QStringLiteral("Kopiere Dateien nach Zielverzeichnis:"));
    QCOMPARE(win.get<QRadioButton>("RadioButton1")->text(),
             QStringLiteral("Dateien einzeln wiederherstellen."));
    QCOMPARE(win.get<QRadioButton>("RadioButton2")->text(),
             QStringLiteral("Alle Dateien eines Namens gemeinsam wiederherstellen."));
    QCOMPARE(win.get<QRadioButton>("RadioButton3")->text(),
             QStringLiteral("Selektierte Dateien wiederherstellen"));
    QVERIFY(win.get<QRadioButton>("RadioButton1")->isChecked());
    QVERIFY(win.files()->isVisible());
    QCOMPARE(win.edit("Edit4")->text(), Datenordner);
    QVERIFY(win.edit("Edit3")->isReadOnly());
    QVERIFY(!win.edit("Edit4")->isReadOnly());

    // Single selection in modes 1 and 2, several entries in mode 3.
    QCOMPARE(win.files()->selectionMode(), QAbstractItemView::SingleSelection);
    win.click("RadioButton3");
    QCOMPARE(win.w->modus(), 3);
    QCOMPARE(win.files()->selectionMode(), QAbstractItemView::ExtendedSelection);
    win.click("RadioButton2");
    QCOMPARE(win.w->modus(), 2);
    QCOMPARE(win.files()->selectionMode(), QAbstractItemView::SingleSelection);

    win.backupPage();
    QCOMPARE(win.w->modus(), 0);
    QCOMPARE(win.get<QPushButton>("Button1")->text(), QStringLiteral("Daten sichern >>"));
    QVERIFY(!win.files()->isVisible());

    for (QWidget* control : win.w->findChildren<QWidget*>()) {
        if (qobject_cast<QAbstractButton*>(control) || qobject_cast<QLineEdit*>(control) ||
            qobject_cast<QAbstractItemView*>(control) || qobject_cast<QComboBox*>(control))
            if (!control->objectName().startsWith("qt_") &&
                !control->parentWidget()->objectName().startsWith("qt_"))
                QVERIFY2(!control->accessibleName().isEmpty(), qPrintable(control->objectName()));
    }
    QVERIFY(run.messages.texts().isEmpty());
}

void TestBack5::openingFromTheMainWindow()
{
    Run run;
    QList<TBack5*> seen;
    NonBlockingModals modals([&](QDialog& dialog) {
        auto* window = qobject_cast<TBack5*>(&dialog);
        QVERIFY(window);
        seen.append(window);
        QCOMPARE(run.panel.last(), false);
        QCOMPARE(window->windowTitle(), QStringLiteral("Zorbel-Master Datensicherung"));
        QTest::mouseClick(window->findChild<QPushButton*>("Button2"), Qt::LeftButton);
    });
    sicherungOeffnen();
    QCOMPARE(modals.shownCount(), 1);
    QCOMPARE(run.panel, (QList<bool>{false, true}));
    QCOMPARE(run.titles, 1);
    // "Beenden" on the backup page stores the target field.
    QCOMPARE(storedSettings().SicherungsPfad.str(), standardSicherungsordner());
    sicherungOeffnen();
    QCOMPARE(modals.shownCount(), 2);
    QCOMPARE(seen.size(), 2);
}

void TestBack5::backupIntoEmptyTargetCopiesTheDataFilesAndStoresTheTarget_data()
{
    QTest::addColumn<bool>("defaultFolder");
    QTest::newRow("a chosen folder, two levels new") << false;
    QTest::newRow("the default folder in the home folder") << true;
}

void TestBack5::backupIntoEmptyTargetCopiesTheDataFilesAndStoresTheTarget()
{
    QFETCH(bool, defaultFolder);
    Run run;
    QTemporaryDir elsewhere;
    const QString target =
        defaultFolder ? standardSicherungsordner() : elsewhere.filePath("Verein/Sicherung");
    Window win;
    win.edit("Edit2")->setText(target);
    win.click("Button1");

    QVERIFY(run.messages.texts().isEmpty());
    QVERIFY(!win.isOpen());
    QCOMPARE(run.panel, QList<bool>{true});
    QCOMPARE(run.titles, 1);
    QVERIFY(!QApplication::overrideCursor());
    QStringList expected = kDataFiles;
    expected.sort();
    QCOMPARE(filesIn(target), expected);
    for (const QString& name : kDataFiles)
        QCOMPARE(readFileBytes(target + '/' + name), readFileBytes(run.data.file(name)));
    QCOMPARE(storedSettings().SicherungsPfad.str(), target + '/');
    // The copy of the settings already names the new backup folder.
    QCOMPARE(readFileBytes(target + "/Zorbeln.opt"), readFileBytes(optionenDatei()));
}

void TestBack5::dateSuffix_data()
{
    QTest::addColumn<QString>("stored");
    QTest::addColumn<int>("clicks");
    QTest::addColumn<QString>("expected"); // "~" stands for the default folder
    QTest::addColumn<bool>("emptied");
    QTest::newRow("default, once") << "" << 1 << "~/09_12_2023" << false;
    QTest::newRow("default, twice") << "" << 2 << "~/09_12_2023/09_12_2023" << false;
    QTest::newRow("stored folder with separator")
        << "/srv/Sicherung/" << 1 << "/srv/Sicherung/09_12_2023" << false;
    QTest::newRow("stored dated folder gets the date below it")
        << "/srv/Sicherung/08_12_2023/" << 1 << "/srv/Sicherung/08_12_2023/09_12_2023" << false;
    QTest::newRow("emptied field: below the default folder")
        << "/srv/Sicherung" << 1 << "~/09_12_2023" << true;
}

void TestBack5::dateSuffix()
{
    QFETCH(QString, stored);
    QFETCH(int, clicks);
    QFETCH(QString, expected);
    QFETCH(bool, emptied);
    expected.replace('~', standardSicherungsordner());
    Run run;
    run.storeBackupFolder(stored);
    Window win;
    if (emptied)
        win.edit("Edit2")->clear();
    for (int i = 0; i < clicks; ++i)
        win.click("Button4");
    QCOMPARE(win.edit("Edit2")->text(), expected);
    // The folder as it was at opening is stored, and from now on closing stores nothing.
    QCOMPARE(storedSettings().SicherungsPfad.str(), stored);
    QVERIFY(TBack5::zielNichtSpeichern());
    win.click("Button2");
    QCOMPARE(storedSettings().SicherungsPfad.str(), stored);
}

void TestBack5::backingUpTwiceOverwritesAndKeepsTheDatedFolder()
{
    Run run;
    QTemporaryDir elsewhere;
    const QString base = elsewhere.filePath("Sicherung");
    run.storeBackupFolder(base);
    {
        Window win;
        win.click("Button4");
        win.click("Button1");
        QVERIFY(!win.isOpen());
    }
    const QString dated = base + "/09_12_2023";
    QCOMPARE(readFileBytes(dated + "/Adressen.adr"), readFileBytes(run.data.file("Adressen.adr")));
    QCOMPARE(storedSettings().SicherungsPfad.str(), dated);

    QVERIFY(writeFileBytes(run.data.file("Adressen.adr"), "new participants"));
    QVERIFY(writeFileBytes(run.data.file("Tisch2.ti2"), QByteArray()));
    Window win;
    QCOMPARE(win.edit("Edit2")->text(), dated);
    win.click("Button1");
    QVERIFY(run.messages.texts().isEmpty());
    QCOMPARE(readFileBytes(dated + "/Adressen.adr"), QByteArray("new participants"));
    QCOMPARE(readFileBytes(dated + "/Tisch2.ti2"), QByteArray());
    QCOMPARE(filesIn(dated).size(), kDataFiles.size());
}

void TestBack5::targetThatCannotBeCreated()
{
    Run run;
    QTemporaryDir elsewhere;
    QVERIFY(writeFileBytes(elsewhere.filePath("datei"), "a file, not a folder"));
    const QString target = elsewhere.filePath("datei/Sicherung");
    Window win;
    win.edit("Edit2")->setText(target);
    win.click("Button1");
    QCOMPARE(run.messages.texts(),
             QStringList{"Beim Anlegen von " + target + "/ ist ein Fehler aufgetreten!"});
    QVERIFY(!win.isOpen());
    QVERIFY(!QApplication::overrideCursor());
    QCOMPARE(filesIn(elsewhere.path()), QStringList{"datei"});
}

void TestBack5::failedCopyLeavesTheWindowUsable()
{
    Run run;
    QTemporaryDir elsewhere;
    const QString target = elsewhere.path() + '/';
    // A folder where the copy of the participant file must go: fails for root too.
    QVERIFY(QDir(target).mkdir("Adressen.adr"));
    Window win;
    win.edit("Edit2")->setText(elsewhere.path());
    win.click("Button1");

    QCOMPARE(run.messages.texts().size(), 1);
    const QString text = run.messages.lastText();
    QVERIFY2(text.startsWith("Systemfehler.  Code: 21.\nAn dieser Stelle steht ein Ordner."),
             qPrintable(text));
    QVERIFY2(text.contains(Datenordner + "Adressen.adr") && text.contains(target + "Adressen.adr"),
             qPrintable(text));
    QVERIFY(win.isOpen());
    QVERIFY(win.get<QPushButton>("Button1")->isEnabled());
    QVERIFY(!QApplication::overrideCursor());
    QCOMPARE(win.edit("Edit2")->text(), target);
    QCOMPARE(win.edit("Edit1")->text(), Datenordner);
    // The settings file comes first and stays copied.
    QCOMPARE(filesIn(target), (QStringList{"Adressen.adr", "Zorbeln.opt"}));
    QCOMPARE(run.panel, QList<bool>{});

    // Once the folder is out of the way, the same window finishes the backup.
    QVERIFY(QDir(target).rmdir("Adressen.adr"));
    run.messages.clear();
    win.click("Button1");
    QVERIFY(run.messages.texts().isEmpty());
    QVERIFY(!win.isOpen());
    QCOMPARE(filesIn(target).size(), kDataFiles.size());
    QCOMPARE(readFileBytes(target + "Adressen.adr"), readFileBytes(run.data.file("Adressen.adr")));
}

void TestBack5::emptyTargetField()
{
    Run run;
    run.storeBackupFolder("/srv/Sicherung");
    Window win;
    win.edit("Edit2")->clear();
    win.click("Button1");
    QCOMPARE(run.messages.texts().size(), 1);
    QVERIFY(run.messages.lastText().contains("Zielverzeichnis"));
    QVERIFY(win.isOpen());
    QCOMPARE(storedSettings().SicherungsPfad.str(), QStringLiteral("/srv/Sicherung"));
    QCOMPARE(filesIn(QDir::currentPath()).size(), kDataFiles.size());
}

void TestBack5::backupIntoTheDataFolderItself_data()
{
    QTest::addColumn<QString>("how"); // how the target field names the data folder
    QTest::newRow("as shown in the source field") << "same";
    QTest::newRow("without the separator at the end") << "chopped";
    QTest::newRow("through a link") << "link";
}

void TestBack5::backupIntoTheDataFolderItself()
{
    QFETCH(QString, how);
    Run run;
    run.storeBackupFolder("/srv/Sicherung");
    QTemporaryDir elsewhere;
    QString target = Datenordner;
    if (how == "chopped")
        target.chop(1);
    if (how == "link") {
        target = elsewhere.filePath("daten");
        QVERIFY(QFile::link(Datenordner, target));
    }
    const QStringList before = filesIn(Datenordner);
    Window win;
    win.edit("Edit2")->setText(target);
    win.click("Button1");

    // The copies would be the data files themselves: no backup, and the window says so.
    QCOMPARE(run.messages.texts().size(), 1);
    QVERIFY2(run.messages.lastText().contains("Datenverzeichnis"),
             qPrintable(run.messages.lastText()));
    QVERIFY(win.isOpen());
    QVERIFY(win.get<QPushButton>("Button1")->isEnabled());
    QVERIFY(!QApplication::overrideCursor());
    QCOMPARE(win.edit("Edit2")->text(), target);
    QCOMPARE(storedSettings().SicherungsPfad.str(), QStringLiteral("/srv/Sicherung"));
    QCOMPARE(filesIn(Datenordner), before);
    QCOMPARE(run.panel, QList<bool>{});
}

void TestBack5::restoreSingleFile_data()
{
    QTest::addColumn<QString>("pick"); // empty: no pick
    QTest::addColumn<QString>("editedTarget");
    QTest::newRow("without a pick") << ""
                                    << "";
    QTest::newRow("picked file") << "Adressen.adr"
                                 << "";
    QTest::newRow("picked file under another name") << "Adressen.adr"
                                                    << "Adressen_alt.adr";
}

void TestBack5::restoreSingleFile()
{
    QFETCH(QString, pick);
    QFETCH(QString, editedTarget);
    Run run;
    QTemporaryDir backup;
    for (const char* name : {"Adressen.adr", "Tisch2.ti2"}) {
        QVERIFY(writeFileBytes(backup.filePath(name), QByteArray("backup of ") + name));
        // As on a CD or a write-protected stick.
        QVERIFY(QFile::setPermissions(backup.filePath(name), QFile::ReadOwner | QFile::ReadUser));
    }
    run.storeBackupFolder(backup.path());
    const QByteArray current = readFileBytes(run.data.file("Adressen.adr"));
    Window win;
    win.restorePage();
    QCOMPARE(win.edit("Edit3")->text(), backup.path());
    QCOMPARE(win.files()->count(), 2);
    if (!pick.isEmpty()) {
        win.clickFile(pick);
        QCOMPARE(win.edit("Edit3")->text(), backup.filePath(pick));
        QCOMPARE(win.edit("Edit4")->text(), Datenordner + pick);
    }
    if (!editedTarget.isEmpty())
        win.edit("Edit4")->setText(Datenordner + editedTarget);
    win.click("Button1");
    // Without a pick nothing is copied: the window stays open for the pick.
    QCOMPARE(win.isOpen(), pick.isEmpty());

    if (pick.isEmpty()) {
        QCOMPARE(run.messages.texts(), QStringList{kMarkieren});
        QCOMPARE(readFileBytes(run.data.file("Adressen.adr")), current);
        return;
    }
    QCOMPARE(run.messages.texts(), QStringList{einzeln()});
    const QString written = editedTarget.isEmpty() ? pick : editedTarget;
    QCOMPARE(readFileBytes(run.data.file(written)), "backup of " + pick.toLatin1());
    // A file restored from read-only media can be saved again.
    QVERIFY(QFileInfo(run.data.file(written)).permissions().testFlag(QFile::WriteOwner));
    QCOMPARE(win.get<QLabel>("Label5")->text(), QStringLiteral("Kopiere Dateien von:"));
    QCOMPARE(win.get<QLabel>("Label6")->text(), QStringLiteral("Kopiere Dateien nach:"));
    QCOMPARE(storedSettings().SicherungsPfad.str(), backup.path());
    QCOMPARE(run.panel, QList<bool>{true});
}

void TestBack5::restoreSingleFileAfterSelectingSeveral()
{
    Run run;
    QTemporaryDir backup;
    for (const char* name : {"Adressen.adr", "Tisch2.ti2"})
        QVERIFY(writeFileBytes(backup.filePath(name), QByteArray("backup of ") + name));
    run.storeBackupFolder(backup.path());
    const QByteArray participants = readFileBytes(run.data.file("Adressen.adr"));
    Window win;
    win.restorePage();
    win.clickFile("Adressen.adr");
    win.click("RadioButton3");
    win.clickFile("Tisch2.ti2");
    win.click("RadioButton1");
    // The list marks only the seating file now; that is the file restored, not the earlier pick.
    QCOMPARE(win.files()->selectedNames(), QStringList{"Tisch2.ti2"});
    QCOMPARE(win.edit("Edit3")->text(), backup.filePath("Tisch2.ti2"));
    win.click("Button1");
    QCOMPARE(run.messages.texts(), QStringList{einzeln()});
    QCOMPARE(readFileBytes(run.data.file("Tisch2.ti2")), QByteArray("backup of Tisch2.ti2"));
    QCOMPARE(readFileBytes(run.data.file("Adressen.adr")), participants);
}

void TestBack5::restoreAllFilesOfOneName()
{
    Run run;
    QTemporaryDir backup;
    const QStringList sameName = {"Adressen.adr", "Adressen.bak", "Adressen"};
    for (const QString& name : sameName + QStringList{"Adressen2.adr", "Tisch2.ti2"})
        QVERIFY(writeFileBytes(backup.filePath(name), "backup of " + name.toLatin1()));
    run.storeBackupFolder(backup.path());
    const QByteArray table = readFileBytes(run.data.file("Tisch2.ti2"));
    {
        Window earlier;
        earlier.restorePage();
        earlier.click("RadioButton2");
        earlier.clickFile("Adressen.adr");
        earlier.click("Button2");
    }
    // Without a pick in this opening nothing is restored, whatever an earlier one picked.
    Window win;
    win.restorePage();
    win.click("RadioButton2");
    win.click("Button1");
    QCOMPARE(run.messages.texts(), QStringList{kMarkieren});
    QVERIFY(!QFileInfo::exists(run.data.file("Adressen.bak")));

    // A pick made in mode 1 before switching counts.
    run.messages.clear();
    Window again;
    again.restorePage();
    again.clickFile("Adressen.adr");
    again.click("RadioButton2");
    again.click("Button1");
    QCOMPARE(run.messages.texts(), QStringList{mehrere()});
    for (const QString& name : sameName)
        QCOMPARE(readFileBytes(run.data.file(name)), "backup of " + name.toLatin1());
    QVERIFY(!QFileInfo::exists(run.data.file("Adressen2.adr")));
    QCOMPARE(readFileBytes(run.data.file("Tisch2.ti2")), table);
    QVERIFY(!again.isOpen());
}

void TestBack5::restoreAllFilesOfOneNameNeedsAPickInTheShownFolder()
{
    Run run;
    QTemporaryDir backup;
    for (const char* name : {"Adressen.adr", "Adressen.bak"})
        QVERIFY(writeFileBytes(backup.filePath(name), QByteArray("backup of ") + name));
    QVERIFY(QDir(backup.path()).mkdir("anderer"));
    run.storeBackupFolder(backup.path());
    const QByteArray current = readFileBytes(run.data.file("Adressen.adr"));
    Window win;
    win.restorePage();
    win.click("RadioButton2");
    win.clickFile("Adressen.adr");
    QCOMPARE(win.edit("Edit3")->text(), backup.filePath("Adressen.adr"));

    // Another folder opened after the pick: the source field names that folder now, so the
    // name picked in the folder before must not be restored from there.
    auto* folders = win.get<DirectoryListBox>("DirectoryListBox2");
    QListWidgetItem* line = folders->findItems("anderer", Qt::MatchEndsWith).value(0);
    QVERIFY(line);
    QTest::mouseClick(folders->viewport(), Qt::LeftButton, {},
                      folders->visualItemRect(line).center());
    QCOMPARE(win.edit("Edit3")->text(), backup.filePath("anderer"));
    win.click("Button1");
    QCOMPARE(run.messages.texts(), QStringList{kMarkieren});
    QCOMPARE(readFileBytes(run.data.file("Adressen.adr")), current);
    QVERIFY(!QFileInfo::exists(run.data.file("Adressen.bak")));
}

void TestBack5::restoreSelection_data()
{
    QTest::addColumn<QStringList>("selected");
    QTest::newRow("two of three") << QStringList{"Tisch2.ti2", "Tisch5.ti6"};
    QTest::newRow("nothing selected") << QStringList{};
}

void TestBack5::restoreSelection()
{
    QFETCH(QStringList, selected);
    Run run;
    QTemporaryDir backup;
    const QStringList all = {"Tisch2.ti2", "Tisch4.ti4", "Tisch5.ti6"};
    for (const QString& name : all)
        QVERIFY(writeFileBytes(backup.filePath(name), "backup of " + name.toLatin1()));
    run.storeBackupFolder(backup.path());
    Window win;
    win.restorePage();
    win.click("RadioButton3");
    for (const QString& name : selected)
        win.clickFile(name, Qt::ControlModifier);
    QCOMPARE(win.files()->selectedNames(), selected);
    win.click("Button1");
    QCOMPARE(win.isOpen(), selected.isEmpty());
    QCOMPARE(run.messages.texts().size(), 1);
    if (selected.isEmpty())
        QVERIFY2(run.messages.lastText().contains("Es wurde keine Datei wieder hergestellt."),
                 qPrintable(run.messages.lastText()));
    else
        QCOMPARE(run.messages.lastText(), mehrere());
    for (const QString& name : all) {
        const bool restored = selected.contains(name);
        QCOMPARE(readFileBytes(run.data.file(name)) == "backup of " + name.toLatin1(), restored);
    }
}

void TestBack5::restoredSettingsBecomeTheSettingsInMemory()
{
    Run run;
    QTemporaryDir backup;
    TOptionenRec older = Optionen;
    older.Spielmodus = 1;
    older.AutoSicherung = 1;
    older.SicherungsPfad.set("/srv/alt");
    QVERIFY(platform::saveRecords(backup.filePath("Zorbeln.opt"), QList{older}));
    run.storeBackupFolder(backup.path());
    QCOMPARE(Optionen.Spielmodus, 0);
    Window win;
    win.restorePage();
    win.clickFile("Zorbeln.opt");
    win.click("Button1");
    QCOMPARE(run.messages.texts(), QStringList{einzeln()});
    QCOMPARE(Optionen.Spielmodus, 1);
    QCOMPARE(Optionen.SicherungsPfad.str(), QStringLiteral("/srv/alt"));
    QCOMPARE(readFileBytes(optionenDatei()), readFileBytes(backup.filePath("Zorbeln.opt")));
}

void TestBack5::keepTargetUnstoredAfterLeavingTheRestorePage_data()
{
    QTest::addColumn<bool>("leftFromRestorePage");
    QTest::newRow("left from the restore page before") << true;
    QTest::newRow("never on the restore page") << false;
}

void TestBack5::keepTargetUnstoredAfterLeavingTheRestorePage()
{
    QFETCH(bool, leftFromRestorePage);
    Run run;
    run.storeBackupFolder("/srv/erst");
    if (leftFromRestorePage) {
        Window win;
        win.restorePage();
        win.click("Button2");
        QVERIFY(!win.isOpen());
        QVERIFY(TBack5::zielNichtSpeichern());
        QCOMPARE(storedSettings().SicherungsPfad.str(), QStringLiteral("/srv/erst"));
    }
    Window win;
    QCOMPARE(win.edit("Edit2")->text(), QStringLiteral("/srv/erst"));
    win.edit("Edit2")->setText("/srv/neu");
    win.click("Button2");
    QCOMPARE(storedSettings().SicherungsPfad.str(),
             leftFromRestorePage ? QStringLiteral("/srv/erst") : QStringLiteral("/srv/neu"));
}

void TestBack5::whenFolderAndFlagAreStored()
{
    Run run;
    QTemporaryDir elsewhere;
    QVERIFY(QDir(elsewhere.path()).mkdir("Ziel"));
    Window win;
    win.edit("Edit2")->clear();

    // A tick is stored at once, with the default folder for the emptied field.
    win.click("CheckBox1");
    QCOMPARE(Optionen.AutoSicherung, 1);
    QCOMPARE(win.edit("Edit2")->text(), standardSicherungsordner());
    QCOMPARE(storedSettings().SicherungsPfad.str(), standardSicherungsordner());
    QCOMPARE(storedSettings().AutoSicherung, 1);

    // So is an untick, with or without a drive box change.
    win.click("CheckBox1");
    QCOMPARE(Optionen.AutoSicherung, 0);
    QCOMPARE(storedSettings().AutoSicherung, 0);
    win.w->DriveComboBox1Change(elsewhere.path());
    win.click("CheckBox1");
    QCOMPARE(storedSettings().AutoSicherung, 1);

    // A click in the folder list opens the folder and stores it as the target.
    auto* folders = win.get<DirectoryListBox>("DirectoryListBox1");
    QCOMPARE(folders->directory(), elsewhere.path());
    QListWidgetItem* line = folders->findItems("Ziel", Qt::MatchEndsWith).value(0);
    QVERIFY(line);
    QTest::mouseClick(folders->viewport(), Qt::LeftButton, {},
                      folders->visualItemRect(line).center());
    QCOMPARE(folders->directory(), elsewhere.filePath("Ziel"));
    QCOMPARE(win.edit("Edit2")->text(), elsewhere.filePath("Ziel"));
    QCOMPARE(storedSettings().SicherungsPfad.str(), elsewhere.filePath("Ziel"));

    // The next opening shows the flag ticked.
    win.click("Button2");
    Window again;
    QVERIFY(again.get<QCheckBox>("CheckBox1")->isChecked());
    QVERIFY(run.messages.texts().isEmpty());
}

void TestBack5::closingByTheFrameOnlyRefreshesTheTitle()
{
    Run run;
    run.storeBackupFolder("/srv/erst");
    Window win;
    win.edit("Edit2")->setText("/srv/neu");
    win.w->close();
    QVERIFY(!win.isOpen());
    QCOMPARE(run.titles, 1);
    QCOMPARE(run.panel, QList<bool>{});
    QCOMPARE(storedSettings().SicherungsPfad.str(), QStringLiteral("/srv/erst"));
}

void TestBack5::folderTheSettingsCannotHoldIsRefused_data()
{
    QTest::addColumn<QString>("how");
    QTest::addColumn<QString>("folder"); // for "picked": the name of a new folder
    QTest::addColumn<QString>("reason");
    const QString lang = folderOfLength(97);
    const QString lodz = QStringLiteral("/media/Łódź/Sicherung");
    const QString zuLang = QStringLiteral("zu lang");
    const QString zeichen = QStringLiteral("das Zeichen „Ł“");
    QTest::newRow("typed, too long, Beenden") << "typed" << lang << zuLang;
    QTest::newRow("typed, Polish letter, Beenden") << "typed" << lodz << zeichen;
    QTest::newRow("tick, too long") << "tick" << lang << zuLang;
    QTest::newRow("tick, Polish letter") << "tick" << lodz << zeichen;
    QTest::newRow("date appended makes it too long") << "date" << folderOfLength(75) << zuLang;
    QTest::newRow("date appended to a Polish letter") << "date" << lodz << zeichen;
    QTest::newRow("picked, too long") << "picked" << QString(90, QLatin1Char('d')) << zuLang;
    QTest::newRow("picked, Polish letter") << "picked" << QStringLiteral("Łódź") << zeichen;
}

// Stored cut to 80 bytes or with "?" for a letter, the folder would name another folder that
// the next automatic backup creates and fills without a word.
void TestBack5::folderTheSettingsCannotHoldIsRefused()
{
    QFETCH(QString, how);
    QFETCH(QString, folder);
    QFETCH(QString, reason);
    Run run;
    run.storeBackupFolder("/srv/erst");
    const QByteArray settings = readFileBytes(optionenDatei());
    QTemporaryDir elsewhere;
    Window win;
    if (how == "picked") {
        folder = elsewhere.filePath(folder);
        QVERIFY(QDir().mkpath(folder));
        auto* folders = win.get<DirectoryListBox>("DirectoryListBox1");
        QVERIFY(folders->setDirectory(folder));
        win.w->DirectoryListBox1Click();
        // The folder can still be used for a backup now.
        QCOMPARE(win.edit("Edit2")->text(), folder);
    } else {
        win.edit("Edit2")->setText(folder);
        if (how == "typed")
            win.click("Button2");
        if (how == "tick")
            win.click("CheckBox1");
        if (how == "date") {
            win.click("Button4");
            QCOMPARE(win.edit("Edit2")->text(), folder);
            QVERIFY(!TBack5::zielNichtSpeichern());
        }
    }
    QCOMPARE(run.messages.texts().size(), 1);
    const QString text = run.messages.lastText();
    QVERIFY2(text.contains(reason) && text.contains("/srv/erst"), qPrintable(text));
    QCOMPARE(Optionen.SicherungsPfad.str(), QStringLiteral("/srv/erst"));
    QCOMPARE(Optionen.AutoSicherung, 0);
    QCOMPARE(readFileBytes(optionenDatei()), settings);
    QVERIFY(!win.get<QCheckBox>("CheckBox1")->isChecked());
}

void TestBack5::manualBackupIntoAFolderTheSettingsCannotHold()
{
    Run run;
    run.storeBackupFolder("/srv/erst");
    QTemporaryDir elsewhere;
    const QString target = elsewhere.filePath("Łódź");
    Window win;
    win.edit("Edit2")->setText(target);
    win.click("Button1");
    QVERIFY(!win.isOpen());
    QCOMPARE(filesIn(target).size(), kDataFiles.size());
    QCOMPARE(run.messages.texts().size(), 1);
    QVERIFY2(run.messages.lastText().contains("nicht als Sicherungsordner gespeichert"),
             qPrintable(run.messages.lastText()));
    QCOMPARE(storedSettings().SicherungsPfad.str(), QStringLiteral("/srv/erst"));
}

void TestBack5::foldersThatMeanAnotherFolderLater_data()
{
    QTest::addColumn<QString>("how");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("meant"); // "=" stands for the home folder; empty: refused
    QTest::newRow("relative folder") << "backup"
                                     << "Sicherung"
                                     << "";
    QTest::newRow("Windows folder") << "backup"
                                    << "C:\\Zorbel_Master_Backup\\"
                                    << "";
    QTest::newRow("~ for the home folder") << "backup"
                                           << "~/Sicherung"
                                           << "=/Sicherung";
    QTest::newRow("relative folder, tick") << "tick"
                                           << "Sicherung"
                                           << "";
    QTest::newRow("~ for the home folder, tick") << "tick"
                                                 << "~/Sicherung"
                                                 << "=/Sicherung";
}

void TestBack5::foldersThatMeanAnotherFolderLater()
{
    QFETCH(QString, how);
    QFETCH(QString, typed);
    QFETCH(QString, meant);
    meant.replace('=', QDir::homePath());
    Run run;
    run.storeBackupFolder("/srv/erst");
    const QStringList dataFolder = filesIn(Datenordner);
    QCOMPARE(QDir::currentPath() + '/', Datenordner);
    Window win;
    win.edit("Edit2")->setText(typed);
    win.click(how == "backup" ? "Button1" : "CheckBox1");

    // Nothing appears below the working folder, whatever the answer.
    QCOMPARE(filesIn(Datenordner), dataFolder);
    if (meant.isEmpty()) {
        QCOMPARE(run.messages.texts().size(), 1);
        QVERIFY2(run.messages.lastText().contains("kein vollständiger Ordnerpfad"),
                 qPrintable(run.messages.lastText()));
        QVERIFY(win.isOpen());
        QCOMPARE(storedSettings().SicherungsPfad.str(), QStringLiteral("/srv/erst"));
        QCOMPARE(storedSettings().AutoSicherung, 0);
        return;
    }
    QVERIFY(run.messages.texts().isEmpty());
    if (how == "backup") {
        QCOMPARE(filesIn(meant).size(), kDataFiles.size());
        QCOMPARE(storedSettings().SicherungsPfad.str(), meant + '/');
    } else {
        QCOMPARE(win.edit("Edit2")->text(), meant);
        QCOMPARE(storedSettings().SicherungsPfad.str(), meant);
        QCOMPARE(storedSettings().AutoSicherung, 1);
    }
}

// A settings file carried over from Windows names a folder that is not chosen on this machine.
void TestBack5::folderFromAWindowsSettingsFile()
{
    Run run;
    run.storeBackupFolder("C:\\Zorbel_Master_Backup\\", 1);
    const QStringList dataFolder = filesIn(Datenordner);
    {
        Window win;
        QCOMPARE(win.edit("Edit2")->text(), standardSicherungsordner());
        win.restorePage();
        QCOMPARE(win.get<DirectoryListBox>("DirectoryListBox2")->directory(), QDir::homePath());
        win.backupPage();
        win.click("Button2");
    }
    QCOMPARE(storedSettings().SicherungsPfad.str(), standardSicherungsordner());

    // The automatic backup, too, goes into the default folder until then.
    run.storeBackupFolder("C:\\Zorbel_Master_Backup\\", 1);
    TDatensicherung sicherung;
    QVERIFY(sicherung.ausfuehren());
    QCOMPARE(sicherung.zielordner(), standardSicherungsordner() + "/09_12_2023/");
    QCOMPARE(filesIn(sicherung.zielordner()).size(), kDataFiles.size());
    QCOMPARE(filesIn(Datenordner), dataFolder);
    QVERIFY(run.messages.texts().isEmpty());
}

void TestBack5::restoreNeverReadsFromTheDataFolder_data()
{
    QTest::addColumn<QString>("mode");
    QTest::newRow("single file") << "RadioButton1";
    QTest::newRow("all files of one name") << "RadioButton2";
    QTest::newRow("selected files") << "RadioButton3";
}

void TestBack5::restoreNeverReadsFromTheDataFolder()
{
    QFETCH(QString, mode);
    Run run;
    QTemporaryDir elsewhere;
    // The USB stick that holds the backup folder is not plugged in.
    run.storeBackupFolder(elsewhere.filePath("USB-Stick/Sicherung"));
    Window win;
    win.restorePage();
    auto* folders = win.get<DirectoryListBox>("DirectoryListBox2");
    QCOMPARE(folders->directory(), QDir::homePath());
    QCOMPARE(win.edit("Edit3")->text(), QDir::homePath());

    // The user opens the data folder in the list and restores from it.
    const auto before = contentsOf(Datenordner);
    QVERIFY(folders->setDirectory(Datenordner));
    win.click(mode.toLatin1().constData());
    win.clickFile("Adressen.adr", mode == "RadioButton3" ? Qt::ControlModifier : Qt::NoModifier);
    win.click("Button1");
    QCOMPARE(run.messages.texts().size(), 1);
    QVERIFY2(run.messages.lastText().startsWith(
                 "Das Quellverzeichnis ist das Datenverzeichnis des Programms selbst."),
             qPrintable(run.messages.lastText()));
    QVERIFY(win.isOpen());
    QCOMPARE(contentsOf(Datenordner), before);
    QCOMPARE(run.panel, QList<bool>{});
}

void TestBack5::restoreThatCopiedNothingSaysSoAndStaysOpen_data()
{
    QTest::addColumn<QString>("mode");
    QTest::addColumn<QString>("pick");
    QTest::addColumn<QString>("message"); // a part of the message
    QTest::newRow("all files of a name with a four-letter extension") << "RadioButton2"
                                                                      << "Spielerliste.xlsx"
                                                                      << "„Spielerliste..*“";
    QTest::newRow("selected files, none selected") << "RadioButton3"
                                                   << ""
                                                   << "Markieren Sie";
    QTest::newRow("single file, none picked") << "RadioButton1"
                                              << ""
                                              << "Markieren Sie";
}

void TestBack5::restoreThatCopiedNothingSaysSoAndStaysOpen()
{
    QFETCH(QString, mode);
    QFETCH(QString, pick);
    QFETCH(QString, message);
    Run run;
    QTemporaryDir backup;
    for (const char* name : {"Spielerliste.xlsx", "Tisch2.ti2"})
        QVERIFY(writeFileBytes(backup.filePath(name), QByteArray("backup of ") + name));
    run.storeBackupFolder(backup.path());
    const auto before = contentsOf(Datenordner);
    Window win;
    win.restorePage();
    win.click(mode.toLatin1().constData());
    if (!pick.isEmpty())
        win.clickFile(pick);
    win.click("Button1");
    QCOMPARE(run.messages.texts().size(), 1);
    const QString text = run.messages.lastText();
    QVERIFY2(text.contains(message), qPrintable(text));
    if (mode != "RadioButton1")
        QVERIFY2(text.contains("Es wurde keine Datei wieder hergestellt."), qPrintable(text));
    QVERIFY(!text.contains("wurden wieder hergestellt"));
    QVERIFY(win.isOpen());
    QCOMPARE(contentsOf(Datenordner), before);
    QCOMPARE(run.panel, QList<bool>{});
}

void TestBack5::tickIsKeptAfterClosingByTheFrame_data()
{
    QTest::addColumn<int>("before");
    QTest::newRow("ticked") << 0;
    QTest::newRow("unticked") << 1;
}

void TestBack5::tickIsKeptAfterClosingByTheFrame()
{
    QFETCH(int, before);
    Run run;
    QTemporaryDir elsewhere;
    run.storeBackupFolder("/srv/erst", before);
    const QString chosen = elsewhere.filePath("Ziel");
    {
        Window win;
        win.edit("Edit2")->setText(chosen);
        win.click("CheckBox1");
        win.w->close();
        QVERIFY(!win.isOpen());
    }
    restart();
    QCOMPARE(Optionen.AutoSicherung, 1 - before);
    QCOMPARE(Optionen.SicherungsPfad.str(), before == 0 ? chosen : QStringLiteral("/srv/erst"));
    Window again;
    QCOMPARE(again.get<QCheckBox>("CheckBox1")->isChecked(), before == 0);
    QVERIFY(run.messages.texts().isEmpty());
}

void TestBack5::automaticBackupAfterDateSuffixAndTick()
{
    Run run;
    QTemporaryDir elsewhere;
    const QString base = elsewhere.filePath("Sicherung");
    run.storeBackupFolder(base);
    {
        Window win;
        win.click("Button4");
        win.click("CheckBox1");
        win.w->close();
    }
    restart();
    const QString dated = base + "/09_12_2023";
    QCOMPARE(Optionen.SicherungsPfad.str(), dated);
    QCOMPARE(Optionen.AutoSicherung, 1);
    TDatensicherung sicherung;
    QVERIFY(sicherung.ausfuehren());
    QCOMPARE(sicherung.zielordner(), dated + '/');
    QCOMPARE(filesIn(dated).size(), kDataFiles.size());
    QVERIFY(!QFileInfo::exists(dated + "/09_12_2023"));
    QVERIFY(run.messages.texts().isEmpty());
}

void TestBack5::windowNeverWiderThanTheWorkArea()
{
    Run run;
    TBack5 w;
    const QString home = QStringLiteral("/home/") + QString(161, QLatin1Char('h'));
    const QList<platform::Volume> volumes = {{home, home, {}}, {"/", "/", "ext4"}};
    for (const char* name : {"DriveComboBox1", "DriveComboBox2"})
        requireChild<DriveComboBox>(&w, name)->laufwerkeSetzen(volumes);
    w.DatensichernWiederherstellen1Click();
    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    const QRect area = w.screen()->availableGeometry();
    QVERIFY2(w.frameGeometry().width() <= area.width(), qPrintable(QString::number(w.width())));
    QVERIFY(area.contains(w.geometry().topLeft()));
    auto* drives = requireChild<DriveComboBox>(&w, "DriveComboBox1");
    QVERIFY(drives->width() < area.width() / 2);
    // The middle of a long entry is left out; the whole entry is its tool tip.
    const QString shown = drives->itemText(0);
    QVERIFY2(shown.startsWith("/home/hh") && shown.endsWith("hh") && shown.contains(QChar(0x2026)),
             qPrintable(shown));
    QCOMPARE(drives->itemData(0, Qt::ToolTipRole).toString(), home);
}

int main(int argc, char** argv)
{
    // The default backup folder lies in the home folder: never the real one in a test.
    QTemporaryDir home;
    qputenv("HOME", QFile::encodeName(home.path()));
    QApplication app(argc, argv);
    TestBack5 test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_back5.moc"

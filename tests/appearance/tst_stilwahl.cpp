#include "appearance/ui/farbe.h"
#include "appearance/ui/stilverwaltung.h"
#include "appearance/ui/stilwahl.h"
#include "common/testsupport.h"
#include "core/base/programm.h"
#include "core/ui/hauptfensterdienste.h"

#include <QAccessible>
#include <QApplication>
#include <QDir>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QScreen>
#include <QTest>

using appearance::StyleLook;
using appearance::StyleManager;

namespace
{

const QString kStyleFile = QStringLiteral("Styledat.txt");

// A main window stand-in that style_lesen can maximise.
class MainWindowHook
{
public:
    MainWindowHook()
    {
        HauptfensterDienste dienste;
        dienste.fenster = [this] { return &window; };
        hauptfensterDiensteSetzen(std::move(dienste));
    }
    ~MainWindowHook() { hauptfensterDiensteSetzen({}); }
    MainWindowHook(const MainWindowHook&) = delete;
    MainWindowHook& operator=(const MainWindowHook&) = delete;

    bool maximised() const { return window.windowState().testFlag(Qt::WindowMaximized); }

    QWidget window;
};

// The start-up order: the program's start-up style is in force while the main window is built.
void startUpStyle()
{
    QVERIFY(StyleManager::trySetStyle(QStringLiteral("Emerald Light Slate")));
    Stilname = QStringLiteral("Windows");
}

QListWidgetItem* itemNamed(QListWidget* list, const QString& name)
{
    const QList<QListWidgetItem*> found = list->findItems(name, Qt::MatchExactly);
    return found.isEmpty() ? nullptr : found.first();
}

QPoint centreOf(QListWidget* list, QListWidgetItem* item)
{
    list->scrollToItem(item);
    return list->visualItemRect(item).center();
}

// A user's double click: press and release, then the second press.
void doubleClick(QListWidget* list, QListWidgetItem* item)
{
    const QPoint at = centreOf(list, item);
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, at);
    QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, at);
}

struct ShownWindow {
    TFarbe farbe;
    QLabel* panel1 = nullptr;
    QListWidget* list = nullptr;
    QPushButton* activate = nullptr;
    QPushButton* quit = nullptr;

    ShownWindow()
    {
        panel1 = farbe.findChild<QLabel*>(QStringLiteral("Panel1"));
        list = farbe.findChild<QListWidget*>(QStringLiteral("ListBox1"));
        activate = farbe.findChild<QPushButton*>(QStringLiteral("Style_Button"));
        quit = farbe.findChild<QPushButton*>(QStringLiteral("Button22"));
        farbe.anzeigen();
    }
    bool complete() const { return panel1 && list && activate && quit; }
};

} // namespace

class TestStilwahl : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void init() { startUpStyle(); }
    void startUpReadsTheFirstLine_data();
    void startUpReadsTheFirstLine();
    void unknownStoredNameIsReportedAndTheStartGoesOn();
    void damagedStyleFileIsShownShort_data();
    void damagedStyleFileIsShownShort();
    void styleWindowNeverCoversAModalWindow();
    void startUpWithoutMainWindow();
    void windowShowsSortedUniqueNamesAndActiveStyle();
    void windowIsPlacedLikeEveryDialog();
    void clickPicksWithoutActivating();
    void doubleClickActivatesStoresAndStaysOpen();
    void windows10IsStoredAsSuchAndDiffersFromWindows();
    void activateButtonBeforeAnyClickStoresCurrentName();
    void listMarksTheStoredStyleReadAfterTheWindowWasBuilt();
    void beendenClosesWithoutActivating();
    void unwritableFileLeavesStyleActiveForTheRun();
};

void TestStilwahl::startUpReadsTheFirstLine_data()
{
    QTest::addColumn<bool>("fileExists");
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<QString>("active");
    QTest::newRow("no file") << false << QByteArray() << "Windows";
    QTest::newRow("empty file") << true << QByteArray() << "Windows";
    QTest::newRow("name alone") << true << QByteArray("Carbon") << "Carbon";
    QTest::newRow("name and CR LF") << true << QByteArray("Carbon\r\n") << "Carbon";
    QTest::newRow("name and LF") << true << QByteArray("Carbon\n") << "Carbon";
    QTest::newRow("only first line") << true << QByteArray("Carbon\r\nSky\r\n") << "Carbon";
    QTest::newRow("empty first line") << true << QByteArray("\r\nCarbon") << "Windows";
    QTest::newRow("blanks inside")
        << true << QByteArray("Metropolis UI Dark") << "Metropolis UI Dark";
    QTest::newRow("Windows10") << true << QByteArray("Windows10") << "Windows10";
}

void TestStilwahl::startUpReadsTheFirstLine()
{
    QFETCH(bool, fileExists);
    QFETCH(QByteArray, content);
    QFETCH(QString, active);
    TempDataFolder folder;
    MessageRecorder messages;
    MainWindowHook mainWindow;
    if (fileExists)
        QVERIFY(writeFileBytes(folder.file(kStyleFile), content));

    QVERIFY(style_lesen());
    QCOMPARE(StyleManager::activeStyleName(), active);
    QCOMPARE(Stilname, active);
    QVERIFY(mainWindow.maximised());
    QVERIFY(messages.messages().isEmpty());
    // Reading never rewrites the file.
    QCOMPARE(QFile::exists(folder.file(kStyleFile)), fileExists);
    if (fileExists)
        QCOMPARE(readFileBytes(folder.file(kStyleFile)), content);
}

void TestStilwahl::unknownStoredNameIsReportedAndTheStartGoesOn()
{
    TempDataFolder folder;
    MessageRecorder messages;
    MainWindowHook mainWindow;
    QVERIFY(writeFileBytes(folder.file(kStyleFile), "Purpur Nacht\r\n"));
    const QColor startColour = QApplication::palette().color(QPalette::Window);

    QVERIFY(!style_lesen());
    QCOMPARE(messages.texts(), QStringList{QStringLiteral("Stil 'Purpur Nacht' nicht gefunden")});
    QCOMPARE(StyleManager::activeStyleName(), QStringLiteral("Emerald Light Slate"));
    QCOMPARE(QApplication::palette().color(QPalette::Window), startColour);
    QVERIFY(!mainWindow.maximised());
    // The style window then names the style really in force.
    QCOMPARE(Stilname, QStringLiteral("Emerald Light Slate"));
    ShownWindow w;
    QVERIFY(w.complete());
    QCOMPARE(w.panel1->text(), QStringLiteral("Aktiver Style > Emerald Light Slate"));
}

void TestStilwahl::damagedStyleFileIsShownShort_data()
{
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<QString>("shown");
    QTest::newRow("NUL bytes after a power loss") << QByteArray(4096, '\0') << QString(40, '?');
    QTest::newRow("a name with control characters") << QByteArray("Car\x01"
                                                                  "bon\tX")
                                                    << QStringLiteral("Car?bon?X");
    QTest::newRow("a known name followed by NUL bytes")
        << QByteArray("Carbon") + QByteArray(100, '\0') << "Carbon" + QString(34, '?');
    QTest::newRow("longer than any style name")
        << QByteArray("Metropolis UI Black Metropolis UI Black")
        << QStringLiteral("Metropolis UI Black Metropolis UI Black");
    QTest::newRow("far too long") << QByteArray(300, 'x') << QString(40, 'x');
}

// A damaged file counts as an unknown name: the style in force stays, the message stays short.
void TestStilwahl::damagedStyleFileIsShownShort()
{
    QFETCH(QByteArray, content);
    QFETCH(QString, shown);
    TempDataFolder folder;
    MessageRecorder messages;
    MainWindowHook mainWindow;
    QVERIFY(writeFileBytes(folder.file(kStyleFile), content));
    QVERIFY(!style_lesen());
    QCOMPARE(messages.texts(), QStringList{"Stil '" + shown + "' nicht gefunden"});
    QCOMPARE(StyleManager::activeStyleName(), QStringLiteral("Emerald Light Slate"));
    QCOMPARE(Stilname, QStringLiteral("Emerald Light Slate"));
    QVERIFY(!mainWindow.maximised());
    QCOMPARE(readFileBytes(folder.file(kStyleFile)), content);
}

// The style window stays on top of the other windows, but never over a modal window of the
// program (the backup window, a message box): that one could then not be used.
void TestStilwahl::styleWindowNeverCoversAModalWindow()
{
    TempDataFolder folder;
    QWidget mainWindow;
    mainWindow.show();
    auto* farbe = new TFarbe(&mainWindow);
    farbe->anzeigen();
    QVERIFY(QTest::qWaitForWindowExposed(farbe));
    const auto onTop = [farbe] {
        return farbe->windowFlags().testFlag(Qt::WindowStaysOnTopHint) &&
               farbe->windowHandle()->flags().testFlag(Qt::WindowStaysOnTopHint);
    };
    QVERIFY(onTop());

    QDialog modal(&mainWindow);
    modal.setWindowModality(Qt::ApplicationModal);
    modal.show();
    QVERIFY(QTest::qWaitForWindowExposed(&modal));
    QVERIFY(!onTop());
    QVERIFY(!farbe->windowHandle()->flags().testFlag(Qt::WindowStaysOnTopHint));
    QVERIFY(farbe->isVisible());

    modal.hide();
    QTRY_VERIFY(onTop());
    QVERIFY(farbe->isVisible());
}

void TestStilwahl::startUpWithoutMainWindow()
{
    TempDataFolder folder;
    MessageRecorder messages;
    QVERIFY(writeFileBytes(folder.file(kStyleFile), "Sky"));
    QVERIFY(hauptfenster() == nullptr);
    QVERIFY(style_lesen());
    QCOMPARE(StyleManager::activeStyleName(), QStringLiteral("Sky"));
}

void TestStilwahl::windowShowsSortedUniqueNamesAndActiveStyle()
{
    TempDataFolder folder;
    QVERIFY(StyleManager::trySetStyle(QStringLiteral("Auric")));
    ShownWindow w;
    QVERIFY(w.complete());
    QCOMPARE(w.farbe.windowTitle(), QStringLiteral("Farbwahl"));
    QVERIFY(w.farbe.windowFlags().testFlag(Qt::WindowStaysOnTopHint));
    QVERIFY(!w.farbe.isModal());
    QVERIFY(w.farbe.isVisible());
    QCOMPARE(w.panel1->text(), QStringLiteral("Aktiver Style > Auric"));
    QCOMPARE(w.activate->text(), QStringLiteral("Style aktivieren"));
    QCOMPARE(w.quit->text(), QStringLiteral("Beenden"));

    QStringList shown;
    for (int row = 0; row < w.list->count(); ++row)
        shown << w.list->item(row)->text();
    QCOMPARE(shown.size(), 35);
    QCOMPARE(QSet<QString>(shown.cbegin(), shown.cend()).size(), 35);
    QStringList sorted = shown;
    std::sort(sorted.begin(), sorted.end(), [](const QString& a, const QString& b) {
        return QString::compare(a, b, Qt::CaseInsensitive) < 0;
    });
    QCOMPARE(shown, sorted);
    QCOMPARE(shown, StyleManager::styleNames());
    for (QWidget* control : {static_cast<QWidget*>(w.list), static_cast<QWidget*>(w.activate),
                             static_cast<QWidget*>(w.quit)})
        QVERIFY2(!control->accessibleName().isEmpty(), qPrintable(control->objectName()));
    // Panel1 is heard as it reads, the style's name included.
    QCOMPARE(QAccessible::queryAccessibleInterface(w.panel1)->text(QAccessible::Name),
             w.panel1->text());
}

void TestStilwahl::windowIsPlacedLikeEveryDialog()
{
    TempDataFolder folder;
    ShownWindow w;
    QVERIFY(w.complete());
    QCOMPARE(w.farbe.size(), QSize(220, 444));
    const QRect screen = QGuiApplication::primaryScreen()->geometry();
    QCOMPARE(w.farbe.pos(), QPoint(screen.left() + (screen.width() - 220) / 2,
                                   screen.top() + (screen.height() - 444) / 2 + 50));
}

void TestStilwahl::clickPicksWithoutActivating()
{
    TempDataFolder folder;
    MessageRecorder messages;
    ShownWindow w;
    QListWidgetItem* glow = itemNamed(w.list, QStringLiteral("Glow"));
    QVERIFY(glow);
    QTest::mouseClick(w.list->viewport(), Qt::LeftButton, {}, centreOf(w.list, glow));

    QCOMPARE(Stilname, QStringLiteral("Glow"));
    QVERIFY(w.activate->isEnabled());
    QCOMPARE(StyleManager::activeStyleName(), QStringLiteral("Emerald Light Slate"));
    QCOMPARE(w.panel1->text(), QStringLiteral("Aktiver Style > Emerald Light Slate"));
    QVERIFY(!QFile::exists(folder.file(kStyleFile)));
    QVERIFY(messages.messages().isEmpty());
}

void TestStilwahl::doubleClickActivatesStoresAndStaysOpen()
{
    TempDataFolder folder;
    MessageRecorder messages;
    ShownWindow w;
    QWidget otherWindow;
    QListWidgetItem* carbon = itemNamed(w.list, QStringLiteral("Carbon"));
    QVERIFY(carbon);
    doubleClick(w.list, carbon);

    QCOMPARE(StyleManager::activeStyleName(), QStringLiteral("Carbon"));
    QCOMPARE(w.panel1->text(), QStringLiteral("Aktiver Style > Carbon"));
    QCOMPARE(otherWindow.palette().color(QPalette::Window),
             StyleManager::look(QStringLiteral("Carbon")).palette.color(QPalette::Window));
    QCOMPARE(readFileBytes(folder.file(kStyleFile)), QByteArray("Carbon"));
    QVERIFY(w.farbe.isVisible());
    QVERIFY(messages.messages().isEmpty());

    // A second double click replaces the whole file.
    QListWidgetItem* sky = itemNamed(w.list, QStringLiteral("Sky"));
    doubleClick(w.list, sky);
    QCOMPARE(readFileBytes(folder.file(kStyleFile)), QByteArray("Sky"));
    QCOMPARE(w.panel1->text(), QStringLiteral("Aktiver Style > Sky"));
}

void TestStilwahl::windows10IsStoredAsSuchAndDiffersFromWindows()
{
    TempDataFolder folder;
    MessageRecorder messages;
    {
        ShownWindow w;
        QListWidgetItem* item = itemNamed(w.list, QStringLiteral("Windows10"));
        QTest::mouseClick(w.list->viewport(), Qt::LeftButton, {}, centreOf(w.list, item));
        QTest::mouseClick(w.activate, Qt::LeftButton);
        QVERIFY(!w.farbe.isVisible());
    }
    QCOMPARE(readFileBytes(folder.file(kStyleFile)), QByteArray("Windows10"));
    const QPalette windows10 = QApplication::palette();

    // The next start brings back Windows10, not Windows.
    startUpStyle();
    QVERIFY(style_lesen());
    QCOMPARE(StyleManager::activeStyleName(), QStringLiteral("Windows10"));
    QVERIFY(StyleManager::trySetStyle(QStringLiteral("Windows")));
    const StyleLook windows = StyleManager::look(QStringLiteral("Windows"));
    const StyleLook ten = StyleManager::look(QStringLiteral("Windows10"));
    QVERIFY(windows.palette.color(QPalette::Button) != ten.palette.color(QPalette::Button) ||
            windows.styleSheet != ten.styleSheet);
    QVERIFY(QApplication::palette().color(QPalette::Button) != windows10.color(QPalette::Button) ||
            qApp->styleSheet() != ten.styleSheet);
    QVERIFY(messages.messages().isEmpty());
}

void TestStilwahl::activateButtonBeforeAnyClickStoresCurrentName()
{
    TempDataFolder folder;
    MessageRecorder messages;
    QVERIFY(writeFileBytes(folder.file(kStyleFile), "Luna\r\n"));
    QVERIFY(style_lesen());
    ShownWindow w;
    QVERIFY(w.activate->isEnabled());
    QTest::mouseClick(w.activate, Qt::LeftButton);

    QCOMPARE(StyleManager::activeStyleName(), QStringLiteral("Luna"));
    QCOMPARE(readFileBytes(folder.file(kStyleFile)), QByteArray("Luna"));
    QVERIFY(!w.farbe.isVisible());
    QVERIFY(messages.messages().isEmpty());
}

void TestStilwahl::listMarksTheStoredStyleReadAfterTheWindowWasBuilt()
{
    // The start-up order: the style window exists before the stored style is read.
    TempDataFolder folder;
    MessageRecorder messages;
    MainWindowHook mainWindow;
    ShownWindow w;
    QVERIFY(w.complete());
    QCOMPARE(w.list->currentItem()->text(), QStringLiteral("Emerald Light Slate"));
    QVERIFY(writeFileBytes(folder.file(kStyleFile), "Luna\r\n"));
    QVERIFY(style_lesen());

    QCOMPARE(w.panel1->text(), QStringLiteral("Aktiver Style > Luna"));
    QVERIFY(w.list->currentItem());
    QCOMPARE(w.list->currentItem()->text(), QStringLiteral("Luna"));
    QCOMPARE(w.list->selectedItems().size(), 1);
    QCOMPARE(w.list->selectedItems().first()->text(), QStringLiteral("Luna"));
    // Marking the entry picks nothing new: the current name stays the one read.
    QCOMPARE(Stilname, QStringLiteral("Luna"));
    QTest::mouseClick(w.activate, Qt::LeftButton);
    QCOMPARE(StyleManager::activeStyleName(), QStringLiteral("Luna"));
    QCOMPARE(readFileBytes(folder.file(kStyleFile)), QByteArray("Luna"));
    QVERIFY(messages.messages().isEmpty());
}

void TestStilwahl::beendenClosesWithoutActivating()
{
    TempDataFolder folder;
    MessageRecorder messages;
    int panel5Shown = 0;
    HauptfensterDienste dienste;
    dienste.hauptflaecheSichtbar = [&panel5Shown](bool visible) { panel5Shown += visible ? 1 : 0; };
    hauptfensterDiensteSetzen(std::move(dienste));
    ShownWindow w;
    QListWidgetItem* ruby = itemNamed(w.list, QStringLiteral("Ruby Graphite"));
    QTest::mouseClick(w.list->viewport(), Qt::LeftButton, {}, centreOf(w.list, ruby));
    QTest::mouseClick(w.quit, Qt::LeftButton);
    hauptfensterDiensteSetzen({});

    QVERIFY(!w.farbe.isVisible());
    QCOMPARE(StyleManager::activeStyleName(), QStringLiteral("Emerald Light Slate"));
    QVERIFY(!QFile::exists(folder.file(kStyleFile)));
    // "Farben" leaves the main-screen panel as it is, so closing does not touch it either.
    QCOMPARE(panel5Shown, 0);

    // Shown again, the window still offers the list; the pick is kept for "Style aktivieren".
    w.farbe.anzeigen();
    QVERIFY(w.farbe.isVisible());
    QTest::mouseClick(w.activate, Qt::LeftButton);
    QCOMPARE(StyleManager::activeStyleName(), QStringLiteral("Ruby Graphite"));
    QVERIFY(messages.messages().isEmpty());
}

void TestStilwahl::unwritableFileLeavesStyleActiveForTheRun()
{
    TempDataFolder folder;
    MessageRecorder messages;
    // A folder in the file's place: no one, not even an administrator, can write the file.
    QVERIFY(QDir(folder.path()).mkdir(kStyleFile));
    ShownWindow w;
    QListWidgetItem* obsidian = itemNamed(w.list, QStringLiteral("Obsidian"));
    doubleClick(w.list, obsidian);

    QCOMPARE(StyleManager::activeStyleName(), QStringLiteral("Obsidian"));
    QCOMPARE(w.panel1->text(), QStringLiteral("Aktiver Style > Obsidian"));
    QCOMPARE(QApplication::palette().color(QPalette::Window),
             StyleManager::look(QStringLiteral("Obsidian")).palette.color(QPalette::Window));
    QCOMPARE(messages.messages().size(), 1);
    QVERIFY(messages.lastText().contains(QStringLiteral("Styledat.txt")));
    QVERIFY(messages.lastText().startsWith(QStringLiteral("Die Datei")));
    QVERIFY(QFileInfo(folder.file(kStyleFile)).isDir());
}

QTEST_MAIN(TestStilwahl)
#include "tst_stilwahl.moc"

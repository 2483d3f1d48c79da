#include "backup/logic/sicherung.h"
#include "backup/ui/datensicherung.h"
#include "common/testsupport.h"
#include "core/base/optionen.h"
#include "core/base/programm.h"
#include "platform/base/datafolder.h"

#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QTest>

namespace
{

const QStringList kDataFiles = {"Zorbeln.opt", "Adressen.adr", "aktuelle_Liste2.akt", "Tisch3.ti3",
                                "Tisch5.ti5",  "Tisch5.ti6",   "Styledat.txt"};

QStringList filesIn(const QString& folder)
{
    return QDir(folder).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot,
                                  QDir::Name);
}

QStringList sorted(QStringList list)
{
    list.sort();
    return list;
}

} // namespace

class Run
{
public:
    Run() : clock(QDateTime(QDate(2023, 12, 9), QTime(23, 59)))
    {
        Optionen = TOptionenRec{};
        QDir(standardSicherungsordner()).removeRecursively();
        optionen_lesen();
        for (const QString& name : kDataFiles.mid(1))
            writeFileBytes(data.file(name), name.toLatin1() + QByteArray(500, char(name.size())));
        writeFileBytes(data.file("notiz.doc"), "no data file");
    }
    TempDataFolder data;
    MessageRecorder messages;
    FixedClock clock;
};

class TestDatensicherung : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void backupOnLeaving_data();
    void backupOnLeaving();
    void secondRunTheSameDayOverwrites();
    void backupFolderThatCannotBeCreated();
    void datedFolderThatCannotBeCreated();
    void failedCopyKeepsTheProgramOpen();
    void folderFromAnotherSystemMeansTheDefaultFolder_data();
    void folderFromAnotherSystemMeansTheDefaultFolder();
    void window();
};

void TestDatensicherung::backupOnLeaving_data()
{
    QTest::addColumn<int>("flag");
    QTest::addColumn<QString>("stored"); // "~" stands for a temporary folder
    QTest::addColumn<QString>("dated");  // where the copies must be; empty: no backup
    QTest::newRow("flag on") << 1 << "~/Sicherung"
                             << "~/Sicherung/09_12_2023";
    QTest::newRow("stored folder ends in a separator") << 1 << "~/Sicherung/"
                                                       << "~/Sicherung/09_12_2023";
    QTest::newRow("folder not there yet, two levels") << 1 << "~/a/b"
                                                      << "~/a/b/09_12_2023";
    QTest::newRow("empty folder: the default folder") << 1 << ""
                                                      << "=/09_12_2023";
    QTest::newRow("stored folder already is today's date folder") << 1 << "~/Sicherung/09_12_2023"
                                                                  << "~/Sicherung/09_12_2023";
    QTest::newRow("stored folder is another day's date folder")
        << 1 << "~/Sicherung/08_12_2023/"
        << "~/Sicherung/08_12_2023/09_12_2023";
    QTest::newRow("flag off") << 0 << "~/Sicherung"
                              << "";
}

void TestDatensicherung::backupOnLeaving()
{
    QFETCH(int, flag);
    QFETCH(QString, stored);
    QFETCH(QString, dated);
    Run run;
    QTemporaryDir elsewhere;
    stored.replace('~', elsewhere.path());
    dated.replace('~', elsewhere.path()).replace('=', standardSicherungsordner());
    Optionen.SicherungsPfad.set(stored);
    Optionen.AutoSicherung = flag; // in memory only: the flag in memory counts
    const QByteArray settingsBefore = readFileBytes(optionenDatei());

    TDatensicherung sicherung;
    QVERIFY(sicherung.ausfuehren());
    QVERIFY(!sicherung.isVisible());
    QVERIFY(run.messages.texts().isEmpty());
    QCOMPARE(readFileBytes(optionenDatei()), settingsBefore);
    if (dated.isEmpty()) {
        QCOMPARE(filesIn(elsewhere.path()), QStringList{});
        QVERIFY(!QFileInfo::exists(standardSicherungsordner()));
        return;
    }
    QCOMPARE(sicherung.zielordner(), dated + '/');
    QCOMPARE(filesIn(dated), sorted(kDataFiles));
    for (const QString& name : kDataFiles)
        QCOMPARE(readFileBytes(dated + '/' + name), readFileBytes(run.data.file(name)));
    QCOMPARE(Optionen.SicherungsPfad.str(), stored);
}

void TestDatensicherung::secondRunTheSameDayOverwrites()
{
    Run run;
    QTemporaryDir elsewhere;
    Optionen.SicherungsPfad.set(elsewhere.path());
    Optionen.AutoSicherung = 1;
    TDatensicherung sicherung;
    QVERIFY(sicherung.ausfuehren());
    QVERIFY(writeFileBytes(run.data.file("Adressen.adr"), "changed"));
    QVERIFY(sicherung.ausfuehren());
    QCOMPARE(readFileBytes(elsewhere.filePath("09_12_2023/Adressen.adr")), QByteArray("changed"));
    QVERIFY(run.messages.texts().isEmpty());
}

void TestDatensicherung::backupFolderThatCannotBeCreated()
{
    Run run;
    QTemporaryDir elsewhere;
    QVERIFY(writeFileBytes(elsewhere.filePath("datei"), "x"));
    Optionen.SicherungsPfad.set(elsewhere.filePath("datei/Sicherung"));
    Optionen.AutoSicherung = 1;
    TDatensicherung sicherung;
    QVERIFY(sicherung.ausfuehren());
    QCOMPARE(run.messages.texts(),
             QStringList{"Beim Anlegen von " + elsewhere.filePath("datei/Sicherung") +
                         "/ ist ein Fehler aufgetreten!"});
    QVERIFY(!sicherung.isVisible());
}

void TestDatensicherung::datedFolderThatCannotBeCreated()
{
    Run run;
    QTemporaryDir elsewhere;
    // A file with the dated folder's name stands in the way.
    QVERIFY(writeFileBytes(elsewhere.filePath("09_12_2023"), "x"));
    Optionen.SicherungsPfad.set(elsewhere.path() + '/');
    Optionen.AutoSicherung = 1;
    TDatensicherung sicherung;
    QVERIFY(sicherung.ausfuehren());
    QCOMPARE(run.messages.texts(),
             QStringList{"Verzeichnis " + elsewhere.filePath("09_12_2023") +
                         "/ kann nicht erstellt werden. \n\nLesen Sie bitte die Hilfedatei über "
                         "Datensicherung.\n"});
    QCOMPARE(run.messages.messages().first().icon, platform::Icon::Information);
}

void TestDatensicherung::failedCopyKeepsTheProgramOpen()
{
    Run run;
    QTemporaryDir elsewhere;
    QVERIFY(QDir().mkpath(elsewhere.filePath("09_12_2023/Tisch3.ti3")));
    Optionen.SicherungsPfad.set(elsewhere.path());
    Optionen.AutoSicherung = 1;
    TDatensicherung sicherung;
    QVERIFY(!sicherung.ausfuehren());
    QVERIFY(!sicherung.isVisible());
    QCOMPARE(run.messages.texts().size(), 1);
    QVERIFY2(run.messages.lastText().startsWith("Systemfehler.  Code: 21.\n") &&
                 run.messages.lastText().contains(Datenordner + "Tisch3.ti3"),
             qPrintable(run.messages.lastText()));
    QCOMPARE(filesIn(elsewhere.filePath("09_12_2023")),
             (QStringList{"Adressen.adr", "Tisch3.ti3", "Zorbeln.opt", "aktuelle_Liste2.akt"}));

    // The next "Beenden" starts again from the first mask.
    QVERIFY(QDir().rmdir(elsewhere.filePath("09_12_2023/Tisch3.ti3")));
    QVERIFY(sicherung.ausfuehren());
    QCOMPARE(filesIn(elsewhere.filePath("09_12_2023")), sorted(kDataFiles));
}

void TestDatensicherung::folderFromAnotherSystemMeansTheDefaultFolder_data()
{
    QTest::addColumn<QString>("stored");
    QTest::newRow("Windows folder") << "C:\\Zorbel_Master_Backup\\";
    QTest::newRow("floppy drive A:") << "A:\\Sicherung";
    QTest::newRow("drive letter with slashes") << "a:/Sicherung";
    QTest::newRow("relative folder") << "Sicherung";
}

// Such a folder names no folder here: taken as it stands it would be created below the working
// folder (the data folder), under a name like "C:\Zorbel_Master_Backup\".
void TestDatensicherung::folderFromAnotherSystemMeansTheDefaultFolder()
{
    QFETCH(QString, stored);
    Run run;
    const QStringList dataFolder = filesIn(Datenordner);
    QCOMPARE(QDir::currentPath() + '/', Datenordner);
    Optionen.SicherungsPfad.set(stored);
    Optionen.AutoSicherung = 1;
    TDatensicherung sicherung;
    QVERIFY(sicherung.ausfuehren());
    QVERIFY(run.messages.texts().isEmpty());
    QCOMPARE(sicherung.zielordner(), standardSicherungsordner() + "/09_12_2023/");
    QCOMPARE(filesIn(sicherung.zielordner()), sorted(kDataFiles));
    QCOMPARE(filesIn(Datenordner), dataFolder);
    QCOMPARE(Optionen.SicherungsPfad.str(), stored);
}

void TestDatensicherung::window()
{
    Run run;
    TDatensicherung sicherung;
    QCOMPARE(sicherung.windowTitle(), QStringLiteral("Automatische Datensicherung"));
    const QList<std::pair<const char*, const char*>> labels = {
        {"Label1", "Die automatische Datensicherung wird ausgeführt."},
        {"Label2", "Quellverzeichnis"},
        {"Label4", "Zielverzeichnis"},
        {"Label3", "Bitte warten . . ."}};
    for (const auto& [name, text] : labels) {
        auto* label = sicherung.findChild<QLabel*>(name);
        QVERIFY2(label, name);
        QCOMPARE(label->text(), QString::fromUtf8(text));
    }
    QVERIFY(sicherung.findChild<QFrame*>("Panel1"));
    QCOMPARE(sicherung.findChild<QLineEdit*>("Edit1")->accessibleName(), "Quellverzeichnis");
    QCOMPARE(sicherung.findChild<QLineEdit*>("Edit2")->accessibleName(), "Zielverzeichnis");

    // While it runs, the window shows the file being copied and its copy.
    QTemporaryDir elsewhere;
    Optionen.SicherungsPfad.set(elsewhere.path());
    Optionen.AutoSicherung = 1;
    QVERIFY(sicherung.ausfuehren());
    QCOMPARE(sicherung.findChild<QLineEdit*>("Edit1")->text(), Datenordner + "Styledat.txt");
    QCOMPARE(sicherung.findChild<QLineEdit*>("Edit2")->text(),
             elsewhere.filePath("09_12_2023/Styledat.txt"));
}

int main(int argc, char** argv)
{
    // The default backup folder lies in the home folder: never the real one in a test.
    QTemporaryDir home;
    qputenv("HOME", QFile::encodeName(home.path()));
    QApplication app(argc, argv);
    TestDatensicherung test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_datensicherung.moc"

#include "backup/logic/sicherung.h"
#include "backup/ui/laufwerkslisten.h"
#include "common/testsupport.h"
#include "platform/base/cp1252.h"

#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QLocale>
#include <QTemporaryDir>
#include <QTest>
#include <sys/stat.h>

namespace
{

// A data folder as the program leaves it, with a few files a backup must leave alone.
struct DataFixture {
    QTemporaryDir dir;
    QMap<QString, QByteArray> dataFiles; // name -> content of every file a backup must copy

    DataFixture()
    {
        const QStringList names = {"Zorbeln.opt",         "Farben.frb",          "Adressen.adr",
                                   "aktuelle_Liste1.akt", "aktuelle_Liste2.akt", "alt.dat",
                                   "Tisch2.ti2",          "Tisch3.ti3",          "Tisch4.ti4",
                                   "Tisch5.ti5",          "Tisch5.ti6",          "Styledat.txt",
                                   "Str_list.txt",        ".versteckt.txt",      "GROSS.TXT"};
        int i = 0;
        for (const QString& name : names) {
            QByteArray content = name.toLatin1() + QByteArray(1, char(0x80 + i));
            content += QByteArray(i * 100, char(i));
            dataFiles.insert(name, content);
            writeFileBytes(dir.filePath(name), content);
            ++i;
        }
        ::chmod(QFile::encodeName(dir.filePath("Tisch5.ti6")).constData(), 0444);
        writeFileBytes(dir.filePath("notiz.doc"), "no data file");
        writeFileBytes(dir.filePath("Styledat.txt.bak"), "no data file");
        QDir(dir.path()).mkdir("ordner.txt");
        QDir(dir.path()).mkpath("unter/tiefer");
        writeFileBytes(dir.filePath("unter/Adressen.adr"), "in a subfolder");
    }
    QString path() const { return dir.path() + QLatin1Char('/'); }
};

QStringList filesIn(const QString& folder)
{
    return QDir(folder).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot,
                                  QDir::Name);
}

} // namespace

class TestSicherung : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void masksInOrder();
    void listingIsQDirsFilesByNameIgnoringCase();
    void dateSuffix_data();
    void dateSuffix();
    void folderCheck_data();
    void folderCheck();
    void storedFolder_data();
    void storedFolder();
    void dateFolderOfTheAutomaticBackup_data();
    void dateFolderOfTheAutomaticBackup();
    void maskMatching_data();
    void maskMatching();
    void defaultFolderIsInHome();
    void backupCopiesExactlyTheDataFiles();
    void backingUpTwiceOverwrites();
    void temporaryFilesAreNeitherCopiedNorLeft();
    void failedCopyStopsTheRunAndKeepsEarlierCopies();
    void creatingFolders_data();
    void creatingFolders();
    void driveProbe_data();
    void driveProbe();
    void driveMessages_data();
    void driveMessages();
    void whichFoldersAreProbed_data();
    void whichFoldersAreProbed();
    void folderListShowsPathAndSubfolders();
};

void TestSicherung::masksInOrder()
{
    QCOMPARE(datendateiMasken(), (QStringList{"*.opt", "*.frb", "*.adr", "*.akt", "*.dat", "*.ti2",
                                              "*.ti3", "*.ti4", "*.ti5", "*.ti6", "*.txt"}));
}

void TestSicherung::dateSuffix_data()
{
    QTest::addColumn<QDate>("date");
    QTest::addColumn<QString>("locale");
    QTest::addColumn<QString>("suffix");
    QTest::newRow("9 December 2023") << QDate(2023, 12, 9) << "de_DE"
                                     << "09_12_2023";
    QTest::newRow("first of January") << QDate(2024, 1, 1) << "de_DE"
                                      << "01_01_2024";
    QTest::newRow("US locale gives the same") << QDate(2023, 12, 9) << "en_US"
                                              << "09_12_2023";
    QTest::newRow("Japanese locale gives the same") << QDate(2023, 3, 31) << "ja_JP"
                                                    << "31_03_2023";
}

void TestSicherung::dateSuffix()
{
    QFETCH(QDate, date);
    QFETCH(QString, locale);
    QFETCH(QString, suffix);
    const QLocale before;
    QLocale::setDefault(QLocale(locale));
    const QString result = datumsanhang(date);
    QLocale::setDefault(before);
    QCOMPARE(result, suffix);
}

void TestSicherung::folderCheck_data()
{
    QTest::addColumn<QString>("input");
    QTest::addColumn<QString>("folder"); // "=" stands for the home folder
    QTest::addColumn<bool>("usable");
    QTest::addColumn<bool>("storable");
    QTest::addColumn<QString>("reason"); // a part of the reason; empty: none
    const QString e80 = "/srv/" + QString(75, 'e');
    QTest::newRow("full path") << "/srv/Sicherung"
                               << "/srv/Sicherung" << true << true << "";
    QTest::newRow("80 characters") << e80 << e80 << true << true << "";
    QTest::newRow("80 characters and a slash") << e80 + '/' << e80 + '/' << true << true << "";
    QTest::newRow("81 characters") << e80 + 'x' << e80 + 'x' << true << false << "81 Zeichen";
    QTest::newRow("Windows-1252 letters") << "/srv/Müller €"
                                          << "/srv/Müller €" << true << true << "";
    QTest::newRow("a letter Windows-1252 lacks")
        << "/media/Łódź"
        << "/media/Łódź" << true << false << "das Zeichen „Ł“";
    QTest::newRow("a character beyond 16 bits")
        << "/srv/\U0001F3C6"
        << "/srv/\U0001F3C6" << true << false << "„\U0001F3C6“";
    QTest::newRow("home folder") << "~"
                                 << "=" << true << true << "";
    QTest::newRow("below the home folder") << "~/Sicherung"
                                           << "=/Sicherung" << true << true << "";
    QTest::newRow("another user's home")
        << "~anna/x"
        << "~anna/x" << false << false << "kein vollständiger Ordnerpfad";
    QTest::newRow("relative") << "Sicherung"
                              << "Sicherung" << false << false << "kein vollständiger Ordnerpfad";
    QTest::newRow("Windows drive")
        << "C:\\Zorbel_Master_Backup\\"
        << "C:\\Zorbel_Master_Backup\\" << false << false << "kein vollständiger Ordnerpfad";
    QTest::newRow("backslashes") << "/srv\\Sicherung"
                                 << "/srv\\Sicherung" << false << false
                                 << "kein vollständiger Ordnerpfad";
}

void TestSicherung::folderCheck()
{
    QFETCH(QString, input);
    QFETCH(QString, folder);
    QFETCH(bool, usable);
    QFETCH(bool, storable);
    QFETCH(QString, reason);
    folder.replace('=', QDir::homePath());
    const Ordnerpruefung pruefung = ordnerPruefen(input);
    QCOMPARE(pruefung.ordner, folder);
    QCOMPARE(pruefung.brauchbar, usable);
    QCOMPARE(pruefung.speicherbar, storable);
    QCOMPARE(pruefung.grund.isEmpty(), reason.isEmpty());
    QVERIFY2(pruefung.grund.contains(reason), qPrintable(pruefung.grund));
    if (!storable)
        return;
    // What is stored comes back from the settings file as the same folder.
    const QString stored = speicherform(pruefung.ordner);
    QVERIFY(platform::toCp1252(stored).size() <= kOrdnerSpeicherBytes);
    QCOMPARE(platform::fromCp1252(platform::toCp1252(stored)), stored);
    QCOMPARE(QDir::cleanPath(stored), QDir::cleanPath(pruefung.ordner));
}

void TestSicherung::storedFolder_data()
{
    QTest::addColumn<QString>("stored");
    QTest::addColumn<QString>("used"); // "=" stands for the home folder; empty: the default
    QTest::newRow("empty") << ""
                           << "";
    QTest::newRow("full path") << "/srv/Sicherung/"
                               << "/srv/Sicherung/";
    QTest::newRow("~") << "~/Sicherung"
                       << "=/Sicherung";
    QTest::newRow("Windows folder") << "C:\\Zorbel_Master_Backup\\"
                                    << "";
    QTest::newRow("drive letter") << "a:/Sicherung"
                                  << "";
    QTest::newRow("relative") << "Sicherung"
                              << "";
}

void TestSicherung::storedFolder()
{
    QFETCH(QString, stored);
    QFETCH(QString, used);
    used.replace('=', QDir::homePath());
    QCOMPARE(gespeicherterSicherungsordner(stored), used);
}

void TestSicherung::dateFolderOfTheAutomaticBackup_data()
{
    QTest::addColumn<QString>("folder");
    QTest::addColumn<QString>("target");
    QTest::newRow("plain") << "/srv/S"
                           << "/srv/S/09_12_2023/";
    QTest::newRow("with slash") << "/srv/S/"
                                << "/srv/S/09_12_2023/";
    QTest::newRow("today's date folder") << "/srv/S/09_12_2023"
                                         << "/srv/S/09_12_2023/";
    QTest::newRow("today's date folder, slash") << "/srv/S/09_12_2023/"
                                                << "/srv/S/09_12_2023/";
    QTest::newRow("another day's") << "/srv/S/08_12_2023"
                                   << "/srv/S/08_12_2023/09_12_2023/";
    QTest::newRow("date in the middle") << "/srv/09_12_2023/S"
                                        << "/srv/09_12_2023/S/09_12_2023/";
}

void TestSicherung::dateFolderOfTheAutomaticBackup()
{
    QFETCH(QString, folder);
    QFETCH(QString, target);
    QCOMPARE(datumsordner(folder, QDate(2023, 12, 9)), target);
}

void TestSicherung::maskMatching_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("mask");
    QTest::addColumn<bool>("matches");
    QTest::newRow("extension") << "Zorbeln.opt"
                               << "*.opt" << true;
    QTest::newRow("case does not count") << "ADRESSEN.ADR"
                                         << "*.adr" << true;
    QTest::newRow("six-table file") << "Tisch5.ti6"
                                    << "*.ti6" << true;
    QTest::newRow("longer extension") << "Styledat.txt.bak"
                                      << "*.txt" << false;
    QTest::newRow("hidden file") << ".versteckt.txt"
                                 << "*.txt" << true;
    QTest::newRow("the extension alone") << ".adr"
                                         << "*.adr" << true;
    QTest::newRow("the letters without the dot") << "Xadr"
                                                 << "*.adr" << false;
    QTest::newRow("umlauts before the extension") << "Übersicht.TXT"
                                                  << "*.txt" << true;
    QTest::newRow("a star alone") << "README"
                                  << "*" << true;
    QTest::newRow("name mask") << "Tisch2.ti2"
                               << "Tisch2.*" << true;
    QTest::newRow("name mask, no extension") << "Tisch2"
                                             << "Tisch2.*" << true;
    QTest::newRow("name mask, longer name") << "Tisch20.ti2"
                                            << "Tisch2.*" << false;
    QTest::newRow("brackets are plain characters") << "x[1].txt"
                                                   << "x[1].*" << true;
    QTest::newRow("brackets are no class") << "x1.txt"
                                           << "x[1].*" << false;
    QTest::newRow("question mark") << "a.b"
                                   << "?.b" << true;
    QTest::newRow("all files") << "README"
                               << "*.*" << true;
}

void TestSicherung::maskMatching()
{
    QFETCH(QString, name);
    QFETCH(QString, mask);
    QFETCH(bool, matches);
    QCOMPARE(passtZurMaske(name, mask), matches);
}

void TestSicherung::defaultFolderIsInHome()
{
    QCOMPARE(standardSicherungsordner(),
             QString::fromLocal8Bit(qgetenv("HOME")) + QStringLiteral("/Zorbel_Master_Backup"));
}

void TestSicherung::backupCopiesExactlyTheDataFiles()
{
    DataFixture data;
    QTemporaryDir targetDir;
    const QString target = targetDir.path() + QStringLiteral("/neu/");
    QVERIFY(verz_anl(target));
    MessageRecorder messages;
    QStringList shown;
    Kopierlauf lauf([&shown](const QString& from, const QString& to) {
        shown << QFileInfo(from).fileName();
        QCOMPARE(QFileInfo(to).fileName(), QFileInfo(from).fileName());
    });
    QVERIFY(lauf.verz_lesen(data.path(), target));
    QVERIFY(lauf.kopiert());
    QVERIFY(messages.texts().isEmpty());

    QStringList expected = data.dataFiles.keys();
    expected.sort();
    QCOMPARE(filesIn(target), expected);
    for (auto it = data.dataFiles.cbegin(); it != data.dataFiles.cend(); ++it)
        QCOMPARE(readFileBytes(target + it.key()), it.value());
    // Mask by mask: the settings first, the seating files before the text files.
    QCOMPARE(shown.first(), QStringLiteral("Zorbeln.opt"));
    QVERIFY(shown.indexOf("Tisch4.ti4") < shown.indexOf("Tisch5.ti5"));
    QVERIFY(shown.indexOf("Tisch5.ti5") < shown.indexOf("Tisch5.ti6"));
    QVERIFY(shown.indexOf("Tisch5.ti6") < shown.indexOf("Styledat.txt"));
    QCOMPARE(lauf.kopien().size(), expected.size());
}

// The listing is what QDir lists as files (links to files too; no folders, broken links or
// pipes) without the program's temporary files, sorted as QDir sorts by name ignoring case.
void TestSicherung::listingIsQDirsFilesByNameIgnoringCase()
{
    QTemporaryDir dir;
    const QString ordner = dir.path() + QLatin1Char('/');
    for (const char* name : {"b.adr", "A.adr", "a.txt", ".versteckt.opt", "\xc3\x84pfel.akt", "zz",
                             "Zorbeln.opt", "Adressen.adr.XyZaBc", ".~Tisch2.ti2.aBcDeF"})
        QVERIFY(writeFileBytes(ordner + QString::fromUtf8(name), "x"));
    QVERIFY(QDir(ordner).mkdir(QStringLiteral("ordner.adr")));
    QVERIFY(QFile::link(ordner + QStringLiteral("b.adr"), ordner + QStringLiteral("link.adr")));
    QVERIFY(QFile::link(ordner + QStringLiteral("fehlt"), ordner + QStringLiteral("kaputt.adr")));
    QCOMPARE(::mkfifo(QFile::encodeName(ordner + QStringLiteral("rohr.adr")).constData(), 0600), 0);

    QStringList erwartet =
        QDir(ordner).entryList(QDir::Files | QDir::Hidden, QDir::Name | QDir::IgnoreCase);
    erwartet.removeAll(QStringLiteral("Adressen.adr.XyZaBc"));
    erwartet.removeAll(QStringLiteral(".~Tisch2.ti2.aBcDeF"));
    QCOMPARE(dateienDerMaske(ordner, QStringLiteral("*")), erwartet);
    QCOMPARE(dateienDerMaske(ordner, QStringLiteral("*.adr")),
             QStringList(
                 {QStringLiteral("A.adr"), QStringLiteral("b.adr"), QStringLiteral("link.adr")}));
}

void TestSicherung::temporaryFilesAreNeitherCopiedNorLeft()
{
    DataFixture data;
    QVERIFY(writeFileBytes(data.path() + QStringLiteral("/Zorbeln.opt.ErFiLC"), "halb"));
    QTemporaryDir targetDir;
    const QString target = targetDir.path() + QLatin1Char('/');
    QVERIFY(writeFileBytes(target + QStringLiteral(".~Adressen.adr.XyZaBc"), "halb"));
    QVERIFY(writeFileBytes(target + QStringLiteral("Adressen.adr.alt"), "eigene Kopie"));

    // Neither the restore's list of a name nor the backup's own masks offer them.
    QVERIFY(!dateienDerMaske(data.path(), QStringLiteral("Zorbeln.*"))
                 .contains(QStringLiteral("Zorbeln.opt.ErFiLC")));
    QVERIFY(dateienDerMaske(target, QStringLiteral("*")).contains("Adressen.adr.alt"));
    QVERIFY(!dateienDerMaske(target, QStringLiteral("*")).contains(".~Adressen.adr.XyZaBc"));

    Kopierlauf lauf;
    QVERIFY(lauf.verz_lesen(data.path(), target));
    QStringList expected = data.dataFiles.keys();
    expected << QStringLiteral("Adressen.adr.alt");
    expected.sort();
    QCOMPARE(filesIn(target), expected);
}

void TestSicherung::backingUpTwiceOverwrites()
{
    DataFixture data;
    QTemporaryDir targetDir;
    const QString target = targetDir.path() + QLatin1Char('/');
    QVERIFY(Kopierlauf().verz_lesen(data.path(), target));
    QVERIFY(writeFileBytes(data.dir.filePath("Adressen.adr"), "changed"));
    QVERIFY(writeFileBytes(data.dir.filePath("Tisch5.ti5"), QByteArray()));
    ::chmod(QFile::encodeName(target + "Tisch5.ti6").constData(), 0444);
    Kopierlauf lauf;
    QVERIFY(lauf.verz_lesen(data.path(), target));
    QVERIFY(lauf.meldungen().isEmpty());
    QCOMPARE(readFileBytes(target + "Adressen.adr"), QByteArray("changed"));
    QCOMPARE(readFileBytes(target + "Tisch5.ti5"), QByteArray());
    QCOMPARE(readFileBytes(target + "Tisch5.ti6"), data.dataFiles.value("Tisch5.ti6"));
}

void TestSicherung::failedCopyStopsTheRunAndKeepsEarlierCopies()
{
    DataFixture data;
    QTemporaryDir targetDir;
    const QString target = targetDir.path() + QLatin1Char('/');
    // A folder where the participant file's copy must go fails for root too.
    QVERIFY(QDir(target).mkdir("Adressen.adr"));
    Kopierlauf lauf;
    QVERIFY(!lauf.verz_lesen(data.path(), target));

    QCOMPARE(lauf.meldungen().size(), 1);
    QCOMPARE(lauf.meldungen().last().icon, platform::Icon::Error);
    const QString text = lauf.meldungen().last().text;
    QVERIFY2(text.startsWith(QStringLiteral("Systemfehler.  Code: 21.\n"
                                            "An dieser Stelle steht ein Ordner.")),
             qPrintable(text));
    QVERIFY2(text.contains(data.path() + "Adressen.adr") && text.contains(target + "Adressen.adr"),
             qPrintable(text));
    QCOMPARE(filesIn(target), (QStringList{"Adressen.adr", "Farben.frb", "Zorbeln.opt"}));
    QCOMPARE(readFileBytes(target + "Zorbeln.opt"), data.dataFiles.value("Zorbeln.opt"));
    QVERIFY(QFileInfo(target + "Adressen.adr").isDir());
    QVERIFY(lauf.kopiert());
}

void TestSicherung::creatingFolders_data()
{
    QTest::addColumn<QString>("relative");
    QTest::addColumn<bool>("created");
    QTest::newRow("one level") << "Sicherung" << true;
    QTest::newRow("several levels, trailing separator") << "a/b/09_12_2023/" << true;
    QTest::newRow("already there") << "." << true;
    QTest::newRow("a file stands in the path") << "datei.txt/unter" << false;
    QTest::newRow("the path is a file") << "datei.txt" << false;
}

void TestSicherung::creatingFolders()
{
    QFETCH(QString, relative);
    QFETCH(bool, created);
    QTemporaryDir dir;
    QVERIFY(writeFileBytes(dir.filePath("datei.txt"), "x"));
    QCOMPARE(verz_anl(dir.filePath(relative)), created);
    QCOMPARE(QFileInfo(dir.filePath(relative)).isDir(), created);
    QVERIFY(!verz_anl(QString()));
}

void TestSicherung::driveProbe_data()
{
    QTest::addColumn<QString>("situation");
    QTest::addColumn<int>("code");
    QTest::newRow("a file on the disk") << "file" << 0;
    QTest::newRow("only a folder on the disk") << "folder" << 0;
    QTest::newRow("empty disk") << "empty" << 18;
    QTest::newRow("no such drive") << "missing" << 3;
    QTest::newRow("a file instead of a drive") << "plainFile" << 3;
}

void TestSicherung::driveProbe()
{
    QFETCH(QString, situation);
    QFETCH(int, code);
    QTemporaryDir dir;
    QString root = dir.filePath("A:");
    if (situation == QLatin1String("plainFile"))
        QVERIFY(writeFileBytes(root, "x"));
    else if (situation != QLatin1String("missing"))
        QVERIFY(QDir().mkdir(root));
    if (situation == QLatin1String("file"))
        QVERIFY(writeFileBytes(root + "/.opt", "x"));
    if (situation == QLatin1String("folder"))
        QVERIFY(QDir().mkdir(root + "/backup"));
    QCOMPARE(laufwerkPruefen(root + "/"), code);
}

void TestSicherung::driveMessages_data()
{
    QTest::addColumn<int>("code");
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("usable");
    QTest::newRow("0: a file found") << 0 << "" << true;
    QTest::newRow("2: no file") << 2 << "Diskette im Laufwerk A ist leer !" << true;
    QTest::newRow("18: no more files") << 18 << "Diskette im Laufwerk A ist leer !" << true;
    QTest::newRow("3: path not found") << 3 << "Keine Diskette im Laufwerk A" << false;
    QTest::newRow("21: not ready") << 21 << "Keine Diskette im Laufwerk A" << false;
    QTest::newRow("5: other failure") << 5 << "Diskette nicht formatiert!5" << false;
    QTest::newRow("1005: other failure") << 1005 << "Diskette nicht formatiert!1005" << false;
}

void TestSicherung::driveMessages()
{
    QFETCH(int, code);
    QFETCH(QString, text);
    QFETCH(bool, usable);
    const Laufwerksmeldung m = laufwerksmeldung(QLatin1Char('A'), code);
    QCOMPARE(m.text, text);
    QCOMPARE(m.brauchbar, usable);
}

void TestSicherung::whichFoldersAreProbed_data()
{
    QTest::addColumn<QString>("folder");
    QTest::addColumn<bool>("probed");
    QTest::newRow("A:") << "A:\\Sicherung" << true;
    QTest::newRow("a: lower case") << "a:/Sicherung" << true;
    QTest::newRow("C:") << "C:\\Zorbel_Master_Backup" << false;
    QTest::newRow("a folder starting with A") << "Archiv/Sicherung" << false;
    QTest::newRow("absolute path") << "/media/A:/x" << false;
    QTest::newRow("empty") << "" << false;
}

void TestSicherung::whichFoldersAreProbed()
{
    QFETCH(QString, folder);
    QFETCH(bool, probed);
    QCOMPARE(brauchtLaufwerkspruefung(folder), probed);
}

void TestSicherung::folderListShowsPathAndSubfolders()
{
    QTemporaryDir dir;
    QDir base(dir.path());
    for (const char* sub : {"b", "A", "c/tiefer", ".versteckt"})
        QVERIFY(base.mkpath(sub));
    QVERIFY(writeFileBytes(dir.filePath("datei.txt"), "x"));
    const QList<Ordnereintrag> entries = ordnerlisteEintraege(dir.path());

    const QStringList parts = dir.path().split('/', Qt::SkipEmptyParts);
    QCOMPARE(entries.size(), 1 + parts.size() + 3);
    QCOMPARE(entries.first().pfad, QStringLiteral("/"));
    for (int i = 0; i <= parts.size(); ++i) {
        QVERIFY(entries[i].offen);
        QCOMPARE(entries[i].tiefe, i);
    }
    QCOMPARE(entries[parts.size()].pfad, dir.path());
    QStringList subfolders;
    for (qsizetype i = parts.size() + 1; i < entries.size(); ++i) {
        QVERIFY(!entries[i].offen);
        QCOMPARE(entries[i].tiefe, int(parts.size()) + 1);
        subfolders << entries[i].anzeige;
        QCOMPARE(entries[i].pfad, dir.path() + '/' + entries[i].anzeige);
    }
    QCOMPARE(subfolders, (QStringList{"A", "b", "c"}));
}

int main(int argc, char** argv)
{
    // The default backup folder lies in the home folder: never the real one in a test.
    QTemporaryDir home;
    qputenv("HOME", QFile::encodeName(home.path()));
    QApplication app(argc, argv);
    TestSicherung test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_sicherung.moc"

#include "common/testsupport.h"
#include "platform/base/folderlisting.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <cerrno>
#include <sys/stat.h>

class TestFolderListing : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void filesAreWhatQDirListsAsFiles();
    void unreadableFolderListsNothing();
    void probe_data();
    void probe();
};

// Hidden files, links to files, case variants and umlauts are listed; folders (also one named
// like a data file), broken links and pipes are not.
void TestFolderListing::filesAreWhatQDirListsAsFiles()
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

    QStringList gelistet = platform::filesInFolder(ordner);
    gelistet.sort();
    QStringList erwartet = QDir(ordner).entryList(QDir::Files | QDir::Hidden, QDir::Unsorted);
    erwartet.sort();
    QCOMPARE(gelistet, erwartet);
    QCOMPARE(gelistet.size(), 10);
    QVERIFY(gelistet.contains(QStringLiteral("link.adr")));
    QVERIFY(gelistet.contains(QString::fromUtf8("\xc3\x84pfel.akt")));
}

void TestFolderListing::unreadableFolderListsNothing()
{
    QTemporaryDir dir;
    QVERIFY(platform::filesInFolder(dir.filePath(QStringLiteral("fehlt"))).isEmpty());
    const QString datei = dir.filePath(QStringLiteral("datei"));
    QVERIFY(writeFileBytes(datei, "x"));
    QVERIFY(platform::filesInFolder(datei).isEmpty());
}

void TestFolderListing::probe_data()
{
    QTest::addColumn<QString>("situation");
    QTest::addColumn<bool>("geoeffnet");
    QTest::addColumn<bool>("eintraege");
    QTest::addColumn<int>("fehler");
    QTest::newRow("a file") << "file" << true << true << 0;
    QTest::newRow("only a folder") << "folder" << true << true << 0;
    QTest::newRow("empty") << "empty" << true << false << 0;
    QTest::newRow("missing") << "missing" << false << false << ENOENT;
    QTest::newRow("a file in its place") << "plainFile" << false << false << ENOTDIR;
}

void TestFolderListing::probe()
{
    QFETCH(QString, situation);
    QFETCH(bool, geoeffnet);
    QFETCH(bool, eintraege);
    QFETCH(int, fehler);
    QTemporaryDir dir;
    const QString ordner = dir.filePath(QStringLiteral("ordner"));
    if (situation == QLatin1String("plainFile"))
        QVERIFY(writeFileBytes(ordner, "x"));
    else if (situation != QLatin1String("missing"))
        QVERIFY(QDir().mkdir(ordner));
    if (situation == QLatin1String("file"))
        QVERIFY(writeFileBytes(ordner + QStringLiteral("/.opt"), "x"));
    if (situation == QLatin1String("folder"))
        QVERIFY(QDir().mkdir(ordner + QStringLiteral("/unter")));
    const platform::FolderProbe befund = platform::probeFolder(ordner + QLatin1Char('/'));
    QCOMPARE(befund.opened, geoeffnet);
    QCOMPARE(befund.hasEntries, eintraege);
    QCOMPARE(befund.errorCode, fehler);
}

QTEST_GUILESS_MAIN(TestFolderListing)
#include "tst_folderlisting.moc"

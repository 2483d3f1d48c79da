#include "common/testsupport.h"
#include "platform/base/filecopy.h"
#include "platform/base/savefile.h"
#include "platform/base/volumes.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTest>
#include <cerrno>
#include <sys/stat.h>

namespace
{

QByteArray allByteValues(int size)
{
    QByteArray bytes(size, '\0');
    for (int i = 0; i < size; ++i)
        bytes[i] = char((i * 7 + i / 256) & 0xFF);
    return bytes;
}

QStringList entriesOf(const QString& folder)
{
    return QDir(folder).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot,
                                  QDir::Name);
}

} // namespace

class TestDateikopie : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void copiesByteForByte_data();
    void copiesByteForByte();
    void readOnlySourceGivesAWritableCopyWithItsTime_data();
    void readOnlySourceGivesAWritableCopyWithItsTime();
    void failuresKeepTheTargetAndTellWhy_data();
    void failuresKeepTheTargetAndTellWhy();
    void reportNamesCodeReasonAndFile();
    void volumesForTheUser();
    void volumeHoldingAPath_data();
    void volumeHoldingAPath();
};

void TestDateikopie::copiesByteForByte_data()
{
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<QByteArray>("earlierTarget");
    QTest::newRow("empty file, no target") << QByteArray() << QByteArray();
    QTest::newRow("every byte value, no target") << allByteValues(256) << QByteArray();
    QTest::newRow("larger than one buffer") << allByteValues(200'001) << QByteArray();
    QTest::newRow("short copy over a longer target") << QByteArray("neu") << QByteArray(5000, 'x');
    QTest::newRow("long copy over a short target") << allByteValues(70'000) << QByteArray("alt");
}

void TestDateikopie::copiesByteForByte()
{
    QFETCH(QByteArray, content);
    QFETCH(QByteArray, earlierTarget);
    QTemporaryDir dir;
    const QString source = dir.filePath(QStringLiteral("Adressen.adr"));
    QVERIFY(QDir().mkdir(dir.filePath(QStringLiteral("ziel"))));
    const QString target = dir.filePath(QStringLiteral("ziel/Adressen.adr"));
    QVERIFY(writeFileBytes(source, content));
    if (!earlierTarget.isNull())
        QVERIFY(writeFileBytes(target, earlierTarget));

    const platform::FileResult result = platform::copyFileReplacing(source, target);
    QVERIFY2(result.ok, qPrintable(result.reason));
    QCOMPARE(readFileBytes(target), content);
    QCOMPARE(readFileBytes(source), content);
    QCOMPARE(entriesOf(dir.filePath(QStringLiteral("ziel"))),
             QStringList{QStringLiteral("Adressen.adr")});
}

void TestDateikopie::readOnlySourceGivesAWritableCopyWithItsTime_data()
{
    QTest::addColumn<int>("sourceMode");
    QTest::addColumn<int>("umask");
    QTest::newRow("read-only source, usual umask") << 0440 << 022;
    QTest::newRow("read-only for all, strict umask") << 0444 << 077;
    QTest::newRow("executable source") << 0755 << 022;
}

// A file restored from read-only media must not stay read-only, or every later save fails.
void TestDateikopie::readOnlySourceGivesAWritableCopyWithItsTime()
{
    QFETCH(int, sourceMode);
    QFETCH(int, umask);
    QTemporaryDir dir;
    const QString source = dir.filePath(QStringLiteral("Zorbeln.opt"));
    const QString target = dir.filePath(QStringLiteral("kopie.opt"));
    QVERIFY(writeFileBytes(source, "abc"));
    QVERIFY(writeFileBytes(target, "earlier, read-only"));
    QVERIFY(::chmod(QFile::encodeName(target).constData(), 0444) == 0);
    const QDateTime changed(QDate(2023, 12, 9), QTime(18, 30, 5));
    {
        QFile file(source);
        QVERIFY(file.open(QIODevice::ReadWrite));
        QVERIFY(file.setFileTime(changed, QFileDevice::FileModificationTime));
    }
    QVERIFY(::chmod(QFile::encodeName(source).constData(), mode_t(sourceMode)) == 0);

    const mode_t previous = ::umask(mode_t(umask));
    const bool ok = platform::copyFileReplacing(source, target).ok;
    ::umask(previous);
    QVERIFY(ok);
    QCOMPARE(readFileBytes(target), QByteArray("abc"));
    struct stat info {
    };
    QCOMPARE(::stat(QFile::encodeName(target).constData(), &info), 0);
    QCOMPARE(int(info.st_mode & 07777), 0666 & ~umask);
    QCOMPARE(QFileInfo(target).lastModified(), changed);
}

void TestDateikopie::failuresKeepTheTargetAndTellWhy_data()
{
    QTest::addColumn<QString>("situation");
    QTest::addColumn<int>("code");
    QTest::addColumn<bool>("sourceFailed"); // the read of the source, else the write of the target
    QTest::newRow("a folder stands where the copy must go") << "folderAtTarget" << EISDIR << false;
    QTest::newRow("source missing, earlier target kept") << "sourceMissing" << ENOENT << true;
    QTest::newRow("source is a folder") << "sourceIsFolder" << EISDIR << true;
    QTest::newRow("target folder missing") << "targetFolderMissing" << ENOENT << false;
    QTest::newRow("a file stands where the target folder must be")
        << "fileAsFolder" << ENOTDIR << false;
}

void TestDateikopie::failuresKeepTheTargetAndTellWhy()
{
    QFETCH(QString, situation);
    QFETCH(int, code);
    QFETCH(bool, sourceFailed);
    QTemporaryDir dir;
    QString source = dir.filePath(QStringLiteral("Tisch2.ti2"));
    QString target = dir.filePath(QStringLiteral("ziel/Tisch2.ti2"));
    QVERIFY(QDir().mkdir(dir.filePath(QStringLiteral("ziel"))));
    QVERIFY(writeFileBytes(source, "neu"));
    QByteArray earlier = "alt";
    if (situation == QLatin1String("folderAtTarget")) {
        QVERIFY(QDir().mkdir(target));
        earlier.clear();
    } else if (situation == QLatin1String("sourceMissing")) {
        source = dir.filePath(QStringLiteral("fehlt.ti2"));
    } else if (situation == QLatin1String("sourceIsFolder")) {
        source = dir.filePath(QStringLiteral("ziel"));
        target = dir.filePath(QStringLiteral("Kopie"));
        earlier.clear();
    } else if (situation == QLatin1String("targetFolderMissing")) {
        target = dir.filePath(QStringLiteral("fehlt/Tisch2.ti2"));
        earlier.clear();
    } else if (situation == QLatin1String("fileAsFolder")) {
        target = dir.filePath(QStringLiteral("Tisch2.ti2/Kopie.ti2"));
        earlier.clear();
    }
    if (!earlier.isEmpty())
        QVERIFY(writeFileBytes(target, earlier));
    const QStringList before = entriesOf(dir.filePath(QStringLiteral("ziel")));

    const platform::FileResult result = platform::copyFileReplacing(source, target);
    QVERIFY(!result.ok);
    QCOMPARE(result.errorCode, code);
    QCOMPARE(result.reason, platform::systemErrorText(code));
    QCOMPARE(result.action,
             sourceFailed ? platform::FileAction::Read : platform::FileAction::Write);
    QCOMPARE(result.path, sourceFailed ? source : target);
    if (!earlier.isEmpty())
        QCOMPARE(readFileBytes(target), earlier);
    // No half-written copy is left beside the target.
    QCOMPARE(entriesOf(dir.filePath(QStringLiteral("ziel"))), before);
}

void TestDateikopie::reportNamesCodeReasonAndFile()
{
    QTemporaryDir dir;
    const QString source = dir.filePath(QStringLiteral("Zorbeln.opt"));
    const QString target = dir.filePath(QStringLiteral("Kopie.opt"));
    QVERIFY(writeFileBytes(source, "x"));
    QVERIFY(QDir().mkdir(target));
    const platform::FileResult kopie = platform::copyFileReplacing(source, target);
    QVERIFY(!kopie.ok);
    QCOMPARE(platform::copyFailureReport(kopie, source, target),
             QStringLiteral("Systemfehler.  Code: 21.\n"
                            "An dieser Stelle steht ein Ordner.\n\n"
                            "Die Datei \"%1\" konnte nicht nach \"%2\" kopiert werden.")
                 .arg(source, target));

    QVERIFY(QDir().rmdir(target));
    QVERIFY(platform::copyFileReplacing(source, target).ok);
}

void TestDateikopie::volumesForTheUser()
{
    const QList<platform::Volume> mounts = {
        {QStringLiteral("/"), QString(), QStringLiteral("ext4")},
        {QStringLiteral("/proc"), QString(), QStringLiteral("proc")},
        {QStringLiteral("/sys/fs/cgroup"), QString(), QStringLiteral("cgroup2")},
        {QStringLiteral("/dev/shm"), QString(), QStringLiteral("tmpfs")},
        {QStringLiteral("/run/lock"), QString(), QStringLiteral("tmpfs")},
        {QStringLiteral("/tmp"), QString(), QStringLiteral("tmpfs")},
        {QStringLiteral("/snap/core/1"), QString(), QStringLiteral("squashfs")},
        {QStringLiteral("/media/verein/STICK"), QStringLiteral("STICK"), QStringLiteral("vfat")},
        {QStringLiteral("/run/media/verein/SICHERUNG"), QStringLiteral("SICHERUNG"),
         QStringLiteral("exfat")},
        {QStringLiteral("/home"), QString(), QStringLiteral("ext4")},
        {QStringLiteral("/home/verein"), QString(), QStringLiteral("ext4")},
    };
    const QList<platform::Volume> volumes =
        platform::volumesForUser(QStringLiteral("/home/verein/"), mounts);
    QStringList roots, labels;
    for (const platform::Volume& v : volumes) {
        roots << v.rootPath;
        labels << v.label;
    }
    QCOMPARE(roots, (QStringList{"/home/verein", "/", "/home", "/media/verein/STICK",
                                 "/run/media/verein/SICHERUNG"}));
    QCOMPARE(labels.first(), QStringLiteral("Persönlicher Ordner (/home/verein)"));
    QCOMPARE(labels.at(3), QStringLiteral("/media/verein/STICK (STICK)"));
    QCOMPARE(labels.at(1), QStringLiteral("/"));

    // The real list starts with the home folder and holds only existing folders.
    const QList<platform::Volume> real = platform::mountedVolumes();
    QVERIFY(!real.isEmpty());
    QCOMPARE(real.first().rootPath, QDir::cleanPath(QDir::homePath()));
    for (const platform::Volume& v : real)
        QVERIFY2(QFileInfo(v.rootPath).isDir(), qPrintable(v.rootPath));
}

void TestDateikopie::volumeHoldingAPath_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<int>("index");
    QTest::newRow("inside home") << "/home/verein/Zorbel_Master_Backup" << 0;
    QTest::newRow("home itself") << "/home/verein" << 0;
    QTest::newRow("name that only starts like home") << "/home/vereinsheim" << 2;
    QTest::newRow("on the stick") << "/media/STICK/a/b" << 3;
    QTest::newRow("elsewhere: the root") << "/tmp" << 1;
    QTest::newRow("relative path") << "backup" << -1;
}

void TestDateikopie::volumeHoldingAPath()
{
    QFETCH(QString, path);
    QFETCH(int, index);
    const QList<platform::Volume> volumes = {
        {QStringLiteral("/home/verein"), QString(), QString()},
        {QStringLiteral("/"), QString(), QStringLiteral("ext4")},
        {QStringLiteral("/home"), QString(), QStringLiteral("ext4")},
        {QStringLiteral("/media/STICK"), QString(), QStringLiteral("vfat")},
    };
    QCOMPARE(platform::volumeIndexOf(volumes, path), index);
}

QTEST_GUILESS_MAIN(TestDateikopie)
#include "tst_dateikopie.moc"

#include "common/testsupport.h"
#include "platform/base/datafolder.h"
#include "platform/base/shortstring.h"
#include "platform/base/typedfile.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTest>
#include <cerrno>
#include <sys/stat.h>

namespace
{
#pragma pack(push, 1)
struct Rec {
    std::int32_t number;
    platform::ShortString<5> name;
};
#pragma pack(pop)
static_assert(sizeof(Rec) == 10);

Rec makeRec(int number, const QString& name)
{
    Rec r{};
    r.number = number;
    r.name.set(name);
    return r;
}

// Records of one byte: every byte a file holds is one record.
struct Byte {
    char c;
};

QByteArray recordBytes(const QList<Rec>& records)
{
    return platform::recordsToBytes(records);
}

QByteArray byteRecords(const QList<Byte>& records)
{
    return platform::recordsToBytes(records);
}

// `count` records and then `tail` bytes of a record cut short.
QByteArray numberedRecords(int count, int tail)
{
    QList<Rec> records;
    for (int i = 0; i < count; ++i)
        records.append(makeRec(i * 7919 - 3, QStringLiteral("n%1").arg(i % 1000)));
    QByteArray bytes = platform::recordsToBytes(records);
    bytes.append(QByteArray(tail, '\x5A'));
    return bytes;
}
} // namespace

class TestTypedFile : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void writeThenReadRoundTrip();
    void trailingPartialRecordIsIgnored();
    void missingFileReadsEmpty();
    void shortFileIsLaidOverTheRecord();
    void failedWriteKeepsTheEarlierFile();
    void failedWriteNamesFileAndReason();
    void failedWriteMentionsTheEarlierFileOnlyWhenThereIsOne_data();
    void failedWriteMentionsTheEarlierFileOnlyWhenThereIsOne();
    void missingFolderIsNamed();
    void readFileGivesTheWholeFileOrItsHead_data();
    void readFileGivesTheWholeFileOrItsHead();
    void readFileTellsMissingAndUnreadable();
    void readRecordFileReadsWholeRecords_data();
    void readRecordFileReadsWholeRecords();
    void readRecordFileTellsMissingAndUnreadable();
    void readRecordFileReadsOnPastTheReportedSize();
    void readRecordFileStopsWhereAShorterFileEnds();
};

void TestTypedFile::writeThenReadRoundTrip()
{
    TempDataFolder folder;
    MessageRecorder messages;
    const QString path = platform::dataFile(QStringLiteral("a.rec"));
    QVERIFY(platform::saveRecords(path, QList{makeRec(1, QStringLiteral("Jörg")),
                                              makeRec(-2, QStringLiteral("Maximilian"))}));
    QCOMPARE(readFileBytes(path), QByteArray("\x01\x00\x00\x00\x04J\xF6rg\x00"
                                             "\xFE\xFF\xFF\xFF\x05Maxim",
                                             20));
    const auto back = platform::readRecords<Rec>(path);
    QCOMPARE(back.size(), 2);
    QCOMPARE(back[0].name.str(), QStringLiteral("Jörg"));
    QCOMPARE(back[1].number, -2);
    QCOMPARE(back[1].name.str(), QStringLiteral("Maxim"));
    QVERIFY(messages.messages().isEmpty());
}

void TestTypedFile::trailingPartialRecordIsIgnored()
{
    QByteArray bytes = platform::recordsToBytes(QList{makeRec(7, QStringLiteral("ab"))});
    bytes.append("\x09\x00\x00", 3);
    QBuffer buffer(&bytes);
    QVERIFY(buffer.open(QIODevice::ReadOnly));
    const auto records = platform::readRecords<Rec>(buffer);
    QCOMPARE(records.size(), 1);
    QCOMPARE(records[0].number, 7);
}

void TestTypedFile::missingFileReadsEmpty()
{
    TempDataFolder folder;
    QVERIFY(platform::readRecords<Rec>(folder.file(QStringLiteral("none.rec"))).isEmpty());
    Rec rec = makeRec(3, QStringLiteral("x"));
    QVERIFY(!platform::readFirstRecordOver(folder.file(QStringLiteral("none.rec")), rec));
    QCOMPARE(rec.number, 3);
}

void TestTypedFile::shortFileIsLaidOverTheRecord()
{
    TempDataFolder folder;
    const QString path = folder.file(QStringLiteral("short.rec"));
    QVERIFY(writeFileBytes(path, QByteArray("\x05\x00\x00", 3)));
    Rec rec = makeRec(0x7F7F7F7F, QStringLiteral("keep"));
    QVERIFY(platform::readFirstRecordOver(path, rec));
    QCOMPARE(rec.number, 0x7F000005);
    QCOMPARE(rec.name.str(), QStringLiteral("keep"));
}

// Tests run as root, for whom a read-only folder is writable: a folder standing where the
// file should be makes the write fail for everyone.
void TestTypedFile::failedWriteKeepsTheEarlierFile()
{
    TempDataFolder folder;
    MessageRecorder messages;
    const QString path = folder.file(QStringLiteral("data.rec"));
    QVERIFY(platform::saveRecords(path, QList{makeRec(1, QStringLiteral("alt"))}));
    const QByteArray before = readFileBytes(path);

    // A file can't be committed over a folder; the earlier content elsewhere stays.
    const QString blocked = folder.file(QStringLiteral("blocked.rec"));
    QVERIFY(QDir().mkdir(blocked));
    const platform::WriteResult geschrieben =
        platform::saveRecords(blocked, QList{makeRec(2, QStringLiteral("neu"))});
    QVERIFY(!geschrieben);
    QCOMPARE(geschrieben.path, blocked);
    QCOMPARE(geschrieben.errorCode, EISDIR);
    QVERIFY(QFileInfo(blocked).isDir());
    QCOMPARE(readFileBytes(path), before);
}

void TestTypedFile::failedWriteNamesFileAndReason()
{
    TempDataFolder folder;
    MessageRecorder messages;
    const QString blocked = folder.file(QStringLiteral("Zorbeln.opt"));
    QVERIFY(QDir().mkdir(blocked));
    QVERIFY(!platform::saveDataFile(blocked, "x"));
    QCOMPARE(messages.messages().size(), 1);
    const platform::Message m = messages.messages().first();
    QCOMPARE(m.icon, platform::Icon::Error);
    // A folder is no earlier version of the file: nothing is said about one.
    QCOMPARE(m.text, QStringLiteral("Die Datei \"%1\" konnte nicht gespeichert werden.\n"
                                    "Grund: An dieser Stelle steht ein Ordner.")
                         .arg(blocked));
}

void TestTypedFile::failedWriteMentionsTheEarlierFileOnlyWhenThereIsOne_data()
{
    QTest::addColumn<bool>("frueher");
    QTest::newRow("first file") << false;
    QTest::newRow("earlier file") << true;
}

void TestTypedFile::failedWriteMentionsTheEarlierFileOnlyWhenThereIsOne()
{
    QFETCH(bool, frueher);
    TempDataFolder folder;
    MessageRecorder messages;
    const QString path = folder.file(QStringLiteral("Str_list.txt"));
    if (frueher)
        QVERIFY(writeFileBytes(path, "alt"));
    {
        FileSizeLimit voll(16); // the disk fills up while the file is written
        QVERIFY(!platform::saveDataFile(path, QByteArray(64, 'x')));
    }
    QCOMPARE(messages.messages().size(), 1);
    const QString text = messages.lastText();
    QVERIFY2(text.startsWith(
                 QStringLiteral("Die Datei \"%1\" konnte nicht gespeichert werden.").arg(path)),
             qPrintable(text));
    QCOMPARE(text.contains(QStringLiteral("Die bisher gespeicherte Fassung der Datei bleibt "
                                          "unverändert.")),
             frueher);
    QCOMPARE(QFile::exists(path), frueher);
    if (frueher)
        QCOMPARE(readFileBytes(path), QByteArray("alt"));
}

void TestTypedFile::missingFolderIsNamed()
{
    TempDataFolder folder;
    MessageRecorder messages;
    const QString path = folder.file(QStringLiteral("gone/file.rec"));
    const platform::WriteResult result = platform::writeFileAtomic(path, "x");
    QVERIFY(!result.ok);
    QVERIFY2(result.reason.contains(QStringLiteral("nicht vorhanden")), qPrintable(result.reason));
    QVERIFY(messages.messages().isEmpty()); // the plain write shows nothing
}

void TestTypedFile::readFileGivesTheWholeFileOrItsHead_data()
{
    QTest::addColumn<int>("groesse");
    QTest::addColumn<int>("hoechstens"); // -1: the whole file
    for (int groesse : {0, 1, 1000, 200000}) {
        for (int hoechstens : {-1, 0, 10, groesse + 5})
            QTest::addRow("%d bytes, at most %d", groesse, hoechstens) << groesse << hoechstens;
    }
}

void TestTypedFile::readFileGivesTheWholeFileOrItsHead()
{
    QFETCH(int, groesse);
    QFETCH(int, hoechstens);
    TempDataFolder folder;
    const QString path = platform::dataFile(QStringLiteral("inhalt.bin"));
    QByteArray inhalt;
    for (int i = 0; i < groesse; ++i)
        inhalt.append(char(i * 7 + 3));
    QVERIFY(writeFileBytes(path, inhalt));
    const platform::Read<QByteArray> gelesen = platform::readFile(path, hoechstens);
    QVERIFY(gelesen.file.ok);
    QVERIFY(!gelesen.missing);
    QCOMPARE(gelesen.value, hoechstens < 0 ? inhalt : inhalt.left(hoechstens));
}

void TestTypedFile::readFileTellsMissingAndUnreadable()
{
    TempDataFolder folder;
    const platform::Read<QByteArray> fehlt =
        platform::readFile(platform::dataFile(QStringLiteral("fehlt.bin")));
    QVERIFY(fehlt.file.ok);
    QVERIFY(fehlt.missing);
    QVERIFY(fehlt.value.isEmpty());
    QVERIFY(QDir(folder.path()).mkdir(QStringLiteral("ordner")));
    const platform::Read<QByteArray> ordner =
        platform::readFile(platform::dataFile(QStringLiteral("ordner")));
    QVERIFY(!ordner.file.ok);
    QVERIFY(!ordner.missing);
    QCOMPARE(ordner.file.errorCode, EISDIR);
    QVERIFY(
        platform::fileErrorMessage(ordner.file).contains(QStringLiteral("konnte nicht gelesen")));
}

void TestTypedFile::readRecordFileReadsWholeRecords_data()
{
    QTest::addColumn<int>("count");
    QTest::addColumn<int>("tail"); // bytes of a partial record at the end
    QTest::newRow("empty file") << 0 << 0;
    QTest::newRow("a partial record only") << 0 << 9;
    QTest::newRow("one record") << 1 << 0;
    QTest::newRow("three records and a partial one") << 3 << 4;
    QTest::newRow("20000 records") << 20000 << 0;
    QTest::newRow("20000 records and a partial one") << 20000 << 1;
}

void TestTypedFile::readRecordFileReadsWholeRecords()
{
    QFETCH(int, count);
    QFETCH(int, tail);
    TempDataFolder folder;
    const QString path = folder.file(QStringLiteral("data.rec"));
    const QByteArray bytes = numberedRecords(count, tail);
    QVERIFY(writeFileBytes(path, bytes));
    const platform::Read<QList<Rec>> result = platform::readRecordFile<Rec>(path);
    QVERIFY(result.file.ok);
    QVERIFY(!result.missing);
    QCOMPARE(result.value.size(), qsizetype(count));
    QCOMPARE(recordBytes(result.value), bytes.left(count * qsizetype(sizeof(Rec))));
    QCOMPARE(platform::readRecords<Rec>(path).size(), qsizetype(count));
}

void TestTypedFile::readRecordFileTellsMissingAndUnreadable()
{
    TempDataFolder folder;
    const platform::Read<QList<Rec>> missing =
        platform::readRecordFile<Rec>(folder.file(QStringLiteral("none.rec")));
    QVERIFY(missing.file.ok);
    QVERIFY(missing.missing);
    QVERIFY(missing.value.isEmpty());

    const QString blocked = folder.file(QStringLiteral("ordner"));
    QVERIFY(QDir().mkdir(blocked));
    const platform::Read<QList<Rec>> unreadable = platform::readRecordFile<Rec>(blocked);
    QVERIFY(!unreadable.file.ok);
    QVERIFY(!unreadable.missing);
    QCOMPARE(unreadable.file.errorCode, EISDIR);
    QCOMPARE(unreadable.file.path, blocked);
    QVERIFY(platform::fileErrorMessage(unreadable.file)
                .contains(QStringLiteral("konnte nicht gelesen")));
    QVERIFY(unreadable.value.isEmpty());
}

// A file of the kernel's reports no size and holds bytes: every whole record of them comes
// in, a partial one at the end is left out.
void TestTypedFile::readRecordFileReadsOnPastTheReportedSize()
{
    const QString path = QStringLiteral("/proc/self/cmdline");
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        QSKIP("no /proc/self/cmdline");
    const QByteArray content = file.readAll();
    QVERIFY(!content.isEmpty());
    QCOMPARE(QFileInfo(path).size(), qint64(0));
    const platform::Read<QList<Rec>> records = platform::readRecordFile<Rec>(path);
    QVERIFY(records.file.ok);
    QCOMPARE(recordBytes(records.value), content.left(content.size() / 10 * 10));
    const platform::Read<QList<Byte>> bytes = platform::readRecordFile<Byte>(path);
    QVERIFY(bytes.file.ok);
    QCOMPARE(byteRecords(bytes.value), content);
}

// A file of the kernel's reports a page of bytes and holds a few, as a file that shrinks while
// it is read: the list ends with them.
void TestTypedFile::readRecordFileStopsWhereAShorterFileEnds()
{
    const QString path = QStringLiteral("/sys/devices/system/cpu/online");
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        QSKIP("no /sys/devices/system/cpu/online");
    const QByteArray content = file.readAll();
    struct stat info {
    };
    QCOMPARE(::stat(QFile::encodeName(path).constData(), &info), 0);
    if (info.st_size <= content.size())
        QSKIP("the file reports no more bytes than it holds");
    QVERIFY(!content.isEmpty());
    const platform::Read<QList<Byte>> records = platform::readRecordFile<Byte>(path);
    QVERIFY(records.file.ok);
    QCOMPARE(byteRecords(records.value), content);
}

QTEST_GUILESS_MAIN(TestTypedFile)
#include "tst_typedfile.moc"

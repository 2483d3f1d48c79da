#include "common/testsupport.h"
#include "platform/base/savefile.h"

#include <QDir>
#include <QTest>
#include <cerrno>

// A disk that fills up while the new content is written: the file size limit of the test
// process makes every write past it fail, as a full disk does (also for root).
class TestSaveFile : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void diskFullKeepsTheEarlierFile_data();
    void diskFullKeepsTheEarlierFile();
};

namespace
{
constexpr rlim_t kLimit = 1000;
}

void TestSaveFile::diskFullKeepsTheEarlierFile_data()
{
    QTest::addColumn<int>("size");
    QTest::addColumn<bool>("fits");
    // Writes shorter than the file's buffer fail only when the buffer is flushed; longer
    // ones already while writing.
    QTest::newRow("under the limit") << int(kLimit) - 1 << true;
    QTest::newRow("exactly the limit") << int(kLimit) << true;
    QTest::newRow("one byte past, fails on flush") << int(kLimit) + 1 << false;
    QTest::newRow("four times, fails on flush") << 4 * int(kLimit) << false;
    QTest::newRow("beyond the write buffer") << 64 * 1024 << false;
}

void TestSaveFile::diskFullKeepsTheEarlierFile()
{
    QFETCH(int, size);
    QFETCH(bool, fits);
    TempDataFolder folder;
    MessageRecorder messages;
    const QString path = folder.file(QStringLiteral("Adressen.adr"));
    const QByteArray before("earlier content\r\n\0\xff", 20);
    QVERIFY(writeFileBytes(path, before));
    const QByteArray content(size, 'n');

    platform::WriteResult result;
    {
        FileSizeLimit limit(kLimit);
        result = platform::writeFileAtomic(path, content);
    }

    QCOMPARE(result.ok, fits);
    QCOMPARE(readFileBytes(path), fits ? content : before);
    // Nothing half-written is left beside the file.
    QCOMPARE(QDir(folder.path()).entryList(QDir::Files | QDir::Hidden | QDir::System),
             QStringList{QStringLiteral("Adressen.adr")});
    if (!fits)
        QCOMPARE(result.reason, platform::systemErrorText(EFBIG));
    QVERIFY(messages.messages().isEmpty()); // the plain write shows nothing

    // Room again: the same content is saved.
    QVERIFY(platform::writeFileAtomic(path, content).ok);
    QCOMPARE(readFileBytes(path), content);
}

QTEST_GUILESS_MAIN(TestSaveFile)
#include "tst_savefile.moc"

#include "common/testsupport.h"
#include "platform/base/savefile.h"

#include <QDir>
#include <QFile>
#include <QTest>
#include <cerrno>
#include <clocale>
#include <cstring>

// A disk that fills up while the new content is written: the file size limit of the test
// process makes every write past it fail, as a full disk does (also for root).
class TestSaveFile : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void diskFullKeepsTheEarlierFile_data();
    void diskFullKeepsTheEarlierFile();
    void temporaryNames_data();
    void temporaryNames();
    void onlyOwnTemporaryFilesAreRemoved();
    void everyErrorNumberInGerman();
    void fileErrorMessageWordsEveryFailure_data();
    void fileErrorMessageWordsEveryFailure();
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

void TestSaveFile::temporaryNames_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<bool>("temporary");
    QTest::newRow("settings save") << "Zorbeln.opt.ErFiLC" << true;
    QTest::newRow("selection save") << "aktuelle_Liste2.akt.a1B2c3" << true;
    QTest::newRow("six-table file") << "Tisch5.ti6.QwErTy" << true;
    QTest::newRow("style file") << "Styledat.txt.AbCdEf" << true;
    QTest::newRow("copy beside target") << ".~Adressen.adr.XyZaBc" << true;
    QTest::newRow("data file itself") << "Zorbeln.opt" << false;
    QTest::newRow("five letters") << "Zorbeln.opt.ErFiL" << false;
    QTest::newRow("seven letters") << "Zorbeln.opt.ErFiLCx" << false;
    QTest::newRow("foreign extension") << "Bild.png.ErFiLC" << false;
    QTest::newRow("hidden but not a copy") << ".Adressen.adr.XyZaBc" << false;
    QTest::newRow("copy without suffix") << ".~Adressen.adr" << false;
    QTest::newRow("user's backup name") << "Adressen.adr.sicherung" << false;
}

void TestSaveFile::temporaryNames()
{
    QFETCH(QString, name);
    QFETCH(bool, temporary);
    QCOMPARE(platform::isTemporarySaveName(name), temporary);
}

void TestSaveFile::onlyOwnTemporaryFilesAreRemoved()
{
    TempDataFolder folder;
    const QStringList stray = {"Zorbeln.opt.ErFiLC", ".~Adressen.adr.XyZaBc",
                               "aktuelle_Liste1.akt.q1w2e3"};
    const QStringList kept = {"Zorbeln.opt", "Adressen.adr", "Adressen.adr.bak", "notiz.doc.ErFiLC",
                              ".versteckt"};
    for (const QString& name : stray + kept)
        QVERIFY(writeFileBytes(folder.file(name), name.toUtf8()));
    // A folder with a temporary-looking name is not a file of ours.
    QVERIFY(QDir(folder.path()).mkdir(QStringLiteral("Tisch2.ti2.AbCdEf")));

    QCOMPARE(platform::removeTemporarySaveFiles(folder.path()), int(stray.size()));

    QStringList expected = kept;
    expected << QStringLiteral("Tisch2.ti2.AbCdEf");
    expected.sort();
    QStringList left =
        QDir(folder.path())
            .entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot, QDir::Name);
    left.sort();
    QCOMPARE(left, expected);
    for (const QString& name : kept)
        QCOMPARE(readFileBytes(folder.file(name)), name.toUtf8());
}

// In a C locale the system's texts are English; no reason may fall back to them.
void TestSaveFile::everyErrorNumberInGerman()
{
    const QByteArray previous = std::setlocale(LC_MESSAGES, nullptr);
    std::setlocale(LC_MESSAGES, "C");
    for (int number = 1; number < 134; ++number) {
        const QString text = platform::systemErrorText(number);
        QVERIFY2(!text.isEmpty(), qPrintable(QString::number(number)));
        QVERIFY2(text != QString::fromLocal8Bit(std::strerror(number)),
                 qPrintable(QStringLiteral("%1: %2").arg(number).arg(text)));
    }
    QCOMPARE(platform::systemErrorText(EFBIG), QStringLiteral("Die Datei ist zu groß."));
    QCOMPARE(platform::systemErrorText(EXDEV),
             QStringLiteral("Die Datei kann nicht auf einen anderen Datenträger verschoben "
                            "werden."));
    QCOMPARE(platform::systemErrorText(EHWPOISON),
             QStringLiteral("Systemfehler Nummer %1.").arg(EHWPOISON));
    QCOMPARE(platform::systemErrorText(9999), QStringLiteral("Systemfehler Nummer 9999."));
    std::setlocale(LC_MESSAGES, previous.constData());
}

void TestSaveFile::fileErrorMessageWordsEveryFailure_data()
{
    QTest::addColumn<int>("action");
    QTest::addColumn<int>("errorCode"); // 0: the content failed
    QTest::addColumn<bool>("contentFailed");
    QTest::addColumn<QString>("message");
    const int read = int(platform::FileAction::Read);
    QTest::newRow("read refused") << read << EACCES << false
                                  << QStringLiteral(
                                         "Die Datei \"/daten/a.dat\" konnte nicht gelesen werden.\n"
                                         "Grund: Zugriff verweigert.\n\nEs geht ohne sie weiter.");
    QTest::newRow("content unusable")
        << read << 0 << true
        << QStringLiteral("Die Datei \"/daten/a.dat\" konnte nicht verwendet werden.\n"
                          "Grund: Die Datei hat die Version 7.\n\nEs geht ohne sie weiter.");
    QTest::newRow("delete busy")
        << int(platform::FileAction::Delete) << EBUSY << false
        << QStringLiteral("Die Datei \"/daten/a.dat\" konnte nicht gelöscht werden.\n"
                          "Grund: Die Datei wird gerade verwendet.\n\nEs geht ohne sie weiter.");
    QTest::newRow("write, disk full")
        << int(platform::FileAction::Write) << ENOSPC << false
        << QStringLiteral("Die Datei \"/daten/a.dat\" konnte nicht gespeichert werden.\n"
                          "Grund: Auf dem Datenträger ist kein Platz mehr frei.\n"
                          "Es geht ohne sie weiter.");
}

void TestSaveFile::fileErrorMessageWordsEveryFailure()
{
    QFETCH(int, action);
    QFETCH(int, errorCode);
    QFETCH(bool, contentFailed);
    QFETCH(QString, message);
    platform::FileResult result;
    result.action = platform::FileAction(action);
    result.path = QStringLiteral("/daten/a.dat");
    if (errorCode == 0)
        result.failContent(QStringLiteral("Die Datei hat die Version 7."));
    else
        result.fail(errorCode);
    QVERIFY(!result);
    QCOMPARE(result.errorCode, errorCode);
    QCOMPARE(result.contentFailed(), contentFailed);
    QCOMPARE(platform::fileErrorMessage(result, QStringLiteral("Es geht ohne sie weiter.")),
             message);
}

QTEST_GUILESS_MAIN(TestSaveFile)
#include "tst_savefile.moc"

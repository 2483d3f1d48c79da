#include "common/testsupport.h"
#include "core/base/optionen.h"

#include <QDir>
#include <QTest>
#include <QtEndian>

namespace
{

QByteArray firstStartFile()
{
    // Laid out by hand: every default at its offset, zeros elsewhere.
    QByteArray b(712, '\0');
    auto putInt = [&b](int offset, qint32 value) { qToLittleEndian(value, b.data() + offset); };
    putInt(0, 1);          // HauptflaecheZeigen
    putInt(160, 22);       // Frei160
    b[560] = 1;            // Waehrung: length 1 ...
    b[561] = char(0x80);   // ... the euro sign
    putInt(668, 5);        // Frei668
    putInt(700, 0xB3B3FF); // Farbe700
    putInt(704, 0xB3B3FF); // Farbe704
    return b;
}

qint32 intAt(const QByteArray& b, int offset)
{
    return qFromLittleEndian<qint32>(b.constData() + offset);
}

void resetMemory()
{
    Optionen = TOptionenRec{};
}

} // namespace

class TestOptionen : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void init() { resetMemory(); }
    void firstStartWritesTheDefaults();
    void clampsOnLoading_data();
    void clampsOnLoading();
    void saveWritesFrei4AsZero();
    void longTextsAreCut();
    void damagedLengthByteStaysInsideItsField();
    void shortFileIsLaidOverTheDefaults();
    void saveWhileFileIsMissingKeepsTheChange();
    void saveThatCannotBeWrittenKeepsValuesAndTellsWhy();
    void unreadableFileRunsWithDefaults();
    void textRoundTrip();
};

void TestOptionen::firstStartWritesTheDefaults()
{
    TempDataFolder folder;
    QVERIFY(optionen_lesen());
    QCOMPARE(readFileBytes(folder.file(QStringLiteral("Zorbeln.opt"))), firstStartFile());
    QCOMPARE(Optionen.HauptflaecheZeigen, 1);
    QCOMPARE(Optionen.Spielmodus, 0);
    QCOMPARE(Optionen.Waehrung.bytes(), QByteArray("\x80"));
}

void TestOptionen::clampsOnLoading_data()
{
    QTest::addColumn<int>("offset");
    QTest::addColumn<int>("stored");
    QTest::addColumn<int>("loaded");
    QTest::newRow("Frei160 31 -> 22") << 160 << 31 << 22;
    QTest::newRow("Frei160 30 stays") << 160 << 30 << 30;
    QTest::newRow("Frei160 -5 stays") << 160 << -5 << -5;
    QTest::newRow("Frei668 31 -> 5") << 668 << 31 << 5;
    QTest::newRow("Frei668 30 stays") << 668 << 30 << 30;
}

void TestOptionen::clampsOnLoading()
{
    QFETCH(int, offset);
    QFETCH(int, stored);
    QFETCH(int, loaded);
    TempDataFolder folder;
    QByteArray file = firstStartFile();
    qToLittleEndian<qint32>(stored, file.data() + offset);
    QVERIFY(writeFileBytes(folder.file(QStringLiteral("Zorbeln.opt")), file));
    optionen_lesen();
    QCOMPARE(offset == 160 ? Optionen.Frei160 : Optionen.Frei668, loaded);
}

void TestOptionen::saveWritesFrei4AsZero()
{
    TempDataFolder folder;
    QByteArray file = firstStartFile();
    qToLittleEndian<qint32>(77, file.data() + 4);
    qToLittleEndian<qint32>(1, file.data() + 680); // doubles
    QVERIFY(writeFileBytes(folder.file(QStringLiteral("Zorbeln.opt")), file));
    optionen_lesen();
    QCOMPARE(Optionen.Frei4, 77);
    QVERIFY(optionen_speichern());
    const QByteArray saved = readFileBytes(folder.file(QStringLiteral("Zorbeln.opt")));
    QCOMPARE(intAt(saved, 4), 0);
    QCOMPARE(intAt(saved, 680), 1);
}

void TestOptionen::longTextsAreCut()
{
    TempDataFolder folder;
    optionen_lesen();
    Optionen.DruckSchrift.set(QStringLiteral("Book Antiqua Extra Bold Condensed"));
    Optionen.SicherungsPfad.set(QStringLiteral("/home/verein/") + QString(100, QLatin1Char('x')));
    QVERIFY(optionen_speichern());
    const QByteArray saved = readFileBytes(folder.file(QStringLiteral("Zorbeln.opt")));
    QCOMPARE(saved.size(), 712);
    QCOMPARE(int(quint8(saved[455])), 20);
    QCOMPARE(saved.mid(456, 20), QByteArray("Book Antiqua Extra B"));
    QCOMPARE(int(quint8(saved[53])), 80);
    QCOMPARE(saved.mid(54, 80), QByteArray("/home/verein/") + QByteArray(67, 'x'));
    QCOMPARE(saved.mid(134, 2), QByteArray(2, '\0')); // padding after the folder untouched
}

void TestOptionen::damagedLengthByteStaysInsideItsField()
{
    TempDataFolder folder;
    QByteArray file = firstStartFile();
    file[455] = char(200);
    file.replace(456, 20, QByteArray(20, 'F'));
    file.replace(476, 5, QByteArray("\x04Next", 5));
    QVERIFY(writeFileBytes(folder.file(QStringLiteral("Zorbeln.opt")), file));
    optionen_lesen();
    QCOMPARE(Optionen.DruckSchrift.str(), QString(20, QLatin1Char('F')));
    QCOMPARE(Optionen.Frei476.str(), QStringLiteral("Next"));
}

void TestOptionen::shortFileIsLaidOverTheDefaults()
{
    TempDataFolder folder;
    QByteArray file = firstStartFile().left(100);
    qToLittleEndian<qint32>(1, file.data() + 8); // AutoSicherungRueck
    file[0] = 0;                                 // HauptflaecheZeigen 0 in the bytes present
    QVERIFY(writeFileBytes(folder.file(QStringLiteral("Zorbeln.opt")), file));
    optionen_lesen();
    QCOMPARE(Optionen.AutoSicherungRueck, 1);
    QCOMPARE(Optionen.HauptflaecheZeigen, 0);
    QCOMPARE(Optionen.Frei668, 5);                           // beyond the file: default
    QCOMPARE(Optionen.Waehrung.bytes(), QByteArray("\x80")); // not empty
    QCOMPARE(Optionen.Farbe704, kStandardFarbe);
    // not rewritten until the next save
    QCOMPARE(readFileBytes(folder.file(QStringLiteral("Zorbeln.opt"))).size(), 100);
}

void TestOptionen::saveWhileFileIsMissingKeepsTheChange()
{
    TempDataFolder folder;
    optionen_lesen();
    QVERIFY(QFile::remove(folder.file(QStringLiteral("Zorbeln.opt"))));
    Optionen.Spielmodus = 1;
    Optionen.AutoSicherung = 1;
    QVERIFY(optionen_speichern());
    const QByteArray saved = readFileBytes(folder.file(QStringLiteral("Zorbeln.opt")));
    QCOMPARE(saved.size(), 712);
    QCOMPARE(intAt(saved, 680), 1);
    QCOMPARE(intAt(saved, 672), 1);
    QCOMPARE(Optionen.Spielmodus, 1);
}

// Root may write into a read-only folder, so a folder standing where the file belongs
// provokes the failure.
void TestOptionen::saveThatCannotBeWrittenKeepsValuesAndTellsWhy()
{
    TempDataFolder folder;
    optionen_lesen();
    QVERIFY(QFile::remove(folder.file(QStringLiteral("Zorbeln.opt"))));
    QVERIFY(QDir().mkdir(folder.file(QStringLiteral("Zorbeln.opt"))));
    Optionen.Spielmodus = 1;
    const platform::WriteResult geschrieben = optionen_speichern();
    QVERIFY(!geschrieben);
    QCOMPARE(Optionen.Spielmodus, 1);
    const QString meldung = platform::fileErrorMessage(geschrieben);
    QVERIFY(meldung.contains(folder.file(QStringLiteral("Zorbeln.opt"))));
    QVERIFY(meldung.contains(QStringLiteral("konnte nicht gespeichert werden")));
    QVERIFY(meldung.contains(QStringLiteral("Ordner")));
}

void TestOptionen::unreadableFileRunsWithDefaults()
{
    TempDataFolder folder;
    MessageRecorder messages;
    QVERIFY(QDir().mkdir(folder.file(QStringLiteral("Zorbeln.opt"))));
    optionen_lesen();
    QCOMPARE(Optionen.HauptflaecheZeigen, 1);
    QCOMPARE(Optionen.Frei160, 22);
    QVERIFY(QFileInfo(folder.file(QStringLiteral("Zorbeln.opt"))).isDir());
}

void TestOptionen::textRoundTrip()
{
    TempDataFolder folder;
    optionen_lesen();
    Optionen.SicherungsPfad.set(QStringLiteral("/media/Übungsabende/Größe €"));
    QVERIFY(optionen_speichern());
    resetMemory();
    optionen_lesen();
    QCOMPARE(Optionen.SicherungsPfad.str(), QStringLiteral("/media/Übungsabende/Größe €"));
    const QByteArray saved = readFileBytes(folder.file(QStringLiteral("Zorbeln.opt")));
    QCOMPARE(saved.mid(54, 27), QByteArray("/media/\xDC"
                                           "bungsabende/Gr\xF6\xDF"
                                           "e \x80"));
}

QTEST_GUILESS_MAIN(TestOptionen)
#include "tst_optionen.moc"

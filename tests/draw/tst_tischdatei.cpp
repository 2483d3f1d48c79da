// The table files: record sizes, the slot of every place, reading and writing.
#include "common/testsupport.h"
#include "draw/logic/tischdatei.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTest>

namespace
{

const char* const kKuerzel[] = {"TL", "TC", "TR", "BL", "BC", "BR"};

QString platzName(int tisch, Platz platz)
{
    return QString::number(tisch) + QLatin1String(kKuerzel[int(platz)]);
}

// The file laid out by hand: each slot one length byte, the text, zeros up to 51 bytes.
QByteArray dateiAusSlots(const QStringList& slots)
{
    QByteArray bytes;
    for (const QString& text : slots) {
        QByteArray slot(51, '\0');
        slot[0] = char(text.size());
        for (int i = 0; i < text.size(); ++i)
            slot[1 + i] = text.at(i).toLatin1();
        bytes += slot;
    }
    return bytes;
}

void alleSlotsNachPlatzBenennen(Tischanzahl tische)
{
    const std::span<TischSlot> record = tischRecord(tische);
    for (int tisch = 1; tisch <= tische.zahl(); ++tisch)
        for (int p = 0; p < kPlaetzeJeTisch; ++p)
            record[size_t(tischSlot(tische, tisch, Platz(p)))].set(platzName(tisch, Platz(p)));
}

} // namespace

class TestTischdatei : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void init()
    {
        for (const Tischanzahl t : kTischanzahlen)
            tischRecordLeeren(t);
    }
    void tableCountsRunFromTwoToSix_data();
    void tableCountsRunFromTwoToSix();
    void slotOfEveryPlace_data();
    void slotOfEveryPlace();
    void shortFileReplacesOnlyItsBytes();
    void missingFileChangesNothing();
    void fileThatCannotBeReadTellsAndChangesNothing();
    void fileThatCannotBeWrittenTellsAndKeepsTheRecord();
    void deletingAMissingFileIsNoFailure();
    void fileThatCannotBeDeletedTells();
};

void TestTischdatei::tableCountsRunFromTwoToSix_data()
{
    QTest::addColumn<int>("zahl");
    QTest::addColumn<bool>("gueltig");
    for (int zahl : {-2, 0, 1, 2, 3, 4, 5, 6, 7, 36})
        QTest::addRow("%d", zahl) << zahl << (zahl >= 2 && zahl <= 6);
}

void TestTischdatei::tableCountsRunFromTwoToSix()
{
    QFETCH(int, zahl);
    QFETCH(bool, gueltig);
    const std::optional<Tischanzahl> anzahl = Tischanzahl::aus(zahl);
    QCOMPARE(anzahl.has_value(), gueltig);
    if (!anzahl)
        return;
    QCOMPARE(anzahl->zahl(), zahl);
    QCOMPARE(kTischanzahlen[size_t(zahl - 2)], *anzahl);
    QCOMPARE(Tischbelegung(*anzahl).tische(), zahl);
}

void TestTischdatei::slotOfEveryPlace_data()
{
    QTest::addColumn<int>("tische");
    QTest::addColumn<QString>("dateiname");
    QTest::addColumn<QStringList>("slots");
    const QString ecken14 =
        QStringLiteral("1BL 1TL 1TR 1BR 2TL 2TR 2BL 2BR 3BR 3TR 3TL 3BL 4BR 4BL 4TR 4TL");
    QTest::newRow("2 tables")
        << 2 << "Tisch2.ti2"
        << QStringLiteral("1TL 1TR 1BL 1BR 2TL 2TR 2BL 2BR 1TC 1BC 2TC 2BC").split(' ');
    QTest::newRow("3 tables")
        << 3 << "Tisch3.ti3"
        << QStringLiteral("1TC 1BC 2TC 2BC 3TC 3BC 1TL 1TR 1BL 1BR 2TL 2TR 2BL 2BR 3TL 3TR 3BL 3BR")
               .split(' ');
    QTest::newRow("4 tables")
        << 4 << "Tisch4.ti4"
        << (QStringLiteral("1TC 1BC 2TC 2BC 3TC 3BC 4TC 4BC ") + ecken14).split(' ');
    QTest::newRow("5 tables") << 5 << "Tisch5.ti5"
                              << (QStringLiteral("1TC 1BC 2TC 2BC 3TC 3BC 4TC 4BC 5TC 5BC ") +
                                  ecken14 + QStringLiteral(" 5TL 5TR 5BL 5BR"))
                                     .split(' ');
    QTest::newRow("6 tables") << 6 << "Tisch5.ti6"
                              << (QStringLiteral(
                                      "1TC 1BC 2TC 2BC 3TC 3BC 4TC 4BC 5TC 5BC 6TC 6BC ") +
                                  ecken14 + QStringLiteral(" 5TL 5TR 5BL 5BR 6TL 6TR 6BL 6BR"))
                                     .split(' ');
}

void TestTischdatei::slotOfEveryPlace()
{
    QFETCH(int, tische);
    QFETCH(QString, dateiname);
    QFETCH(QStringList, slots);
    const Tischanzahl anzahl = Tischanzahl::aus(tische).value();
    TempDataFolder folder;
    MessageRecorder messages;
    QCOMPARE(tischdateiName(anzahl), dateiname);

    alleSlotsNachPlatzBenennen(anzahl);
    QVERIFY(tischSpeichern(anzahl));
    const QByteArray bytes = readFileBytes(folder.file(dateiname));
    QCOMPARE(bytes.size(), 306 * tische);
    QCOMPARE(bytes, dateiAusSlots(slots));

    // And back: a file laid out by hand shows every slot at its place.
    tischRecordLeeren(anzahl);
    QVERIFY(writeFileBytes(folder.file(dateiname), dateiAusSlots(slots)));
    const platform::Read<Tischbelegung> lesung = tischLesen(anzahl);
    QVERIFY(lesung.found());
    for (int tisch = 1; tisch <= tische; ++tisch)
        for (int p = 0; p < kPlaetzeJeTisch; ++p)
            QCOMPARE(lesung.value.name(tisch, Platz(p)), platzName(tisch, Platz(p)));
    QVERIFY(lesung.messages.isEmpty());
}

void TestTischdatei::shortFileReplacesOnlyItsBytes()
{
    TempDataFolder folder;
    alleSlotsNachPlatzBenennen(2);
    QVERIFY(writeFileBytes(folder.file(QStringLiteral("Tisch2.ti2")),
                           dateiAusSlots({QStringLiteral("Neu")})));
    const platform::Read<Tischbelegung> lesung = tisch2_lesen();
    QVERIFY(lesung.found());
    QCOMPARE(lesung.value.name(1, Platz::ObenLinks), QStringLiteral("Neu"));
    QCOMPARE(lesung.value.name(1, Platz::ObenRechts), QStringLiteral("1TR"));
    QCOMPARE(lesung.value.name(2, Platz::UntenMitte), QStringLiteral("2BC"));
}

void TestTischdatei::missingFileChangesNothing()
{
    TempDataFolder folder;
    MessageRecorder messages;
    alleSlotsNachPlatzBenennen(6);
    const platform::Read<Tischbelegung> lesung = tisch6_lesen();
    QVERIFY(lesung.missing);
    QVERIFY(lesung.file.ok); // nothing stored yet is no failure
    QCOMPARE(lesung.value.name(6, Platz::UntenRechts), QStringLiteral("6BR"));
    QVERIFY(!QFile::exists(folder.file(QStringLiteral("Tisch5.ti6"))));
    QVERIFY(lesung.messages.isEmpty());
}

void TestTischdatei::fileThatCannotBeReadTellsAndChangesNothing()
{
    TempDataFolder folder;
    alleSlotsNachPlatzBenennen(5);
    QVERIFY(QDir(folder.path()).mkdir(QStringLiteral("Tisch5.ti5")));
    const platform::Read<Tischbelegung> lesung = tisch5_lesen();
    QVERIFY(!lesung.file.ok);
    QVERIFY(!lesung.missing);
    QCOMPARE(lesung.value.name(5, Platz::UntenRechts), QStringLiteral("5BR"));
    QCOMPARE(lesung.messages.size(), 1);
    QVERIFY(lesung.messages.last().text.contains(
        QStringLiteral("Tisch5.ti5\" konnte nicht gelesen werden.\nGrund: ")));
}

void TestTischdatei::fileThatCannotBeWrittenTellsAndKeepsTheRecord()
{
    TempDataFolder folder;
    QVERIFY(QDir(folder.path()).mkdir(QStringLiteral("Tisch3.ti3")));
    alleSlotsNachPlatzBenennen(3);
    const platform::WriteResult geschrieben = tisch3_speichern();
    QVERIFY(!geschrieben);
    QVERIFY(tischSpeicherMeldung(geschrieben)
                .contains(QStringLiteral("Tisch3.ti3\" konnte nicht gespeichert werden.")));
    QCOMPARE(tischbelegungAusRecord(3).name(3, Platz::ObenMitte), QStringLiteral("3TC"));
}

void TestTischdatei::deletingAMissingFileIsNoFailure()
{
    TempDataFolder folder;
    QVERIFY(tisch4_speichern());
    QVERIFY(QFile::exists(folder.file(QStringLiteral("Tisch4.ti4"))));
    QVERIFY(tischLoeschen(4));
    QVERIFY(!QFile::exists(folder.file(QStringLiteral("Tisch4.ti4"))));
    QVERIFY(tischLoeschen(4));
}

void TestTischdatei::fileThatCannotBeDeletedTells()
{
    TempDataFolder folder;
    // A folder in the file's place cannot be removed as a file.
    QVERIFY(QDir(folder.path()).mkpath(QStringLiteral("Tisch2.ti2/inhalt")));
    const platform::FileResult geloescht = tischLoeschen(2);
    QVERIFY(!geloescht);
    QVERIFY(QFileInfo(folder.file(QStringLiteral("Tisch2.ti2"))).isDir());
    QVERIFY(tischLoeschMeldung(geloescht).contains(
        QStringLiteral("Tisch2.ti2\" konnte nicht gelöscht werden.\nGrund: ")));
}

QTEST_GUILESS_MAIN(TestTischdatei)
#include "tst_tischdatei.moc"

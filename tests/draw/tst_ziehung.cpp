// The seating draw: who sits where, what is stored, what is announced.
#include "auswahlhilfe.h"
#include "common/testsupport.h"
#include "core/base/optionen.h"
#include "draw/logic/auswahldatei.h"
#include "draw/logic/pool.h"
#include "draw/logic/ziehung.h"
#include "platform/base/cp1252.h"
#include "platform/base/random.h"

#include <QDir>
#include <QFile>
#include <QSet>
#include <QTest>

namespace
{

// "1:TL TR BL BR|2:TC BC": the filled places of every table.
QString belegtePlaetze(const Tischbelegung& belegung)
{
    static const char* const kuerzel[] = {"TL", "TC", "TR", "BL", "BC", "BR"};
    QStringList tische;
    for (int t = 1; t <= belegung.tische(); ++t) {
        QStringList plaetze;
        for (int p = 0; p < kPlaetzeJeTisch; ++p)
            if (!belegung.name(t, Platz(p)).isEmpty())
                plaetze << QLatin1String(kuerzel[p]);
        tische << QString::number(t) + QLatin1Char(':') + plaetze.join(QLatin1Char(' '));
    }
    return tische.join(QLatin1Char('|'));
}

QStringList alleNamen(const Tischbelegung& belegung)
{
    QStringList namen;
    for (int t = 1; t <= belegung.tische(); ++t)
        for (int p = 0; p < kPlaetzeJeTisch; ++p)
            if (!belegung.name(t, Platz(p)).isEmpty())
                namen << belegung.name(t, Platz(p));
    return namen;
}

// The text of slot i of a table file.
QByteArray slotText(const QByteArray& datei, int i)
{
    return datei.mid(51 * i + 1, quint8(datei.at(51 * i)));
}

QByteArray poolZeile(int index)
{
    return " " + spielerName(index + 1).toLatin1();
}

void vorbereiten(std::int32_t spielmodus)
{
    Optionen = TOptionenRec{};
    optionenStandardwerte(Optionen);
    Optionen.Spielmodus = spielmodus;
    Auswahlanzahl = 0;
    Poolanzahl = 0;
    for (const Tischanzahl t : kTischanzahlen)
        tischRecordLeeren(t);
}

} // namespace

class TestZiehung : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void seatsFollowTheRules_data();
    void seatsFollowTheRules();
    void otherTableCountsDrawNothing_data();
    void otherTableCountsDrawNothing();
    void fixedSeedGivesTheSeatingWorkedOutByHand();
    void twoDrawsInARowAreIndependent();
    void tableFileLayoutAfterDraws_data();
    void tableFileLayoutAfterDraws();
    void longNameLosesItsLastCharacter();
    void settingsSavedAfterTwoToFiveTablesOnly_data();
    void settingsSavedAfterTwoToFiveTablesOnly();
    void missingSelectionDrawsFromTheOldPool();
    void noPoolAtAllTellsAndPlacesNobody();
    void poolThatCannotBeWrittenEndsTheDrawBeforeDrawing();
    void selectionThatCannotBeReadKeepsTheStoredSeating();
    void tableFileThatCannotBeWrittenTellsAndKeepsTheSeating();
    void everyDrawIsAnnounced();
    void namesWithLineBreaksAreSeatedOnceEach();
    void drawThatWouldSeatNobodyKeepsTheStoredSeating_data();
    void drawThatWouldSeatNobodyKeepsTheStoredSeating();
};

void TestZiehung::seatsFollowTheRules_data()
{
    QTest::addColumn<int>("tische");
    QTest::addColumn<int>("spielmodus");
    QTest::addColumn<int>("spieler");
    QTest::addColumn<QString>("plaetze");
    QTest::addColumn<int>("sitzend");
    const QString voll2 = QStringLiteral("1:TL TR BL BR|2:TL TR BL BR");
    QTest::newRow("doubles, 2 tables, 8 players") << 2 << 1 << 8 << voll2 << 8;
    QTest::newRow("doubles, 2 tables, 9 players: one sits out") << 2 << 1 << 9 << voll2 << 8;
    QTest::newRow("doubles, 2 tables, 7 players: one against two")
        << 2 << 1 << 7 << QStringLiteral("1:TL TR BL BR|2:TL BL BC") << 7;
    QTest::newRow("doubles, 2 tables, 6 players: last table plays singles")
        << 2 << 1 << 6 << QStringLiteral("1:TL TR BL BR|2:TC BC") << 6;
    QTest::newRow("doubles, 2 tables, 5 players: one alone in the top centre")
        << 2 << 1 << 5 << QStringLiteral("1:TL TR BL BR|2:TC") << 5;
    QTest::newRow("doubles, 3 tables, 6 players: no repair before the last table")
        << 3 << 1 << 6 << QStringLiteral("1:TL TR BL BR|2:TL TR|3:") << 6;
    QTest::newRow("singles, 2 tables, 3 players")
        << 2 << 0 << 3 << QStringLiteral("1:TC BC|2:TC") << 3;
    QTest::newRow("singles, 6 tables, 13 players")
        << 6 << 0 << 13 << QStringLiteral("1:TC BC|2:TC BC|3:TC BC|4:TC BC|5:TC BC|6:TC BC") << 12;
    QTest::newRow("doubles, 6 tables, 24 players")
        << 6 << 1 << 24
        << QStringLiteral("1:TL TR BL BR|2:TL TR BL BR|3:TL TR BL BR|4:TL TR BL BR|"
                          "5:TL TR BL BR|6:TL TR BL BR")
        << 24;
    QTest::newRow("doubles, 2 tables, 256 players") << 2 << 1 << 256 << voll2 << 8;
    QTest::newRow("doubles, 2 tables, 257 players: every seat filled")
        << 2 << 1 << 257 << voll2 << 8;
    QTest::newRow("unknown game mode places nobody")
        << 4 << 2 << 16 << QStringLiteral("1:|2:|3:|4:") << 0;
}

void TestZiehung::seatsFollowTheRules()
{
    QFETCH(int, tische);
    QFETCH(int, spielmodus);
    QFETCH(int, spieler);
    QFETCH(QString, plaetze);
    QFETCH(int, sitzend);
    TempDataFolder folder;
    MessageRecorder messages;
    vorbereiten(spielmodus);
    auswahlVon(spieler);
    platform::setRandSeed(0x5eed0000u + quint32(spieler));

    const Ziehungsergebnis ergebnis = personen_zuweisen(tische);

    QVERIFY(ergebnis.gezogen);
    QVERIFY(ergebnis.gespeichert);
    QCOMPARE(belegtePlaetze(ergebnis.belegung), plaetze);
    const QStringList namen = alleNamen(ergebnis.belegung);
    QCOMPARE(namen.size(), sitzend);
    QCOMPARE(QSet<QString>(namen.begin(), namen.end()).size(), sitzend); // nobody twice
    for (const QString& name : namen)
        QVERIFY2(name.startsWith(QStringLiteral(" Spieler ")), qPrintable(name));

    // Every pass seats the next number not drawn before: N passes draw N distinct numbers.
    const QList<std::int32_t> nummern = ergebnis.nummern;
    QCOMPARE(QSet<std::int32_t>(nummern.begin(), nummern.end()).size(), nummern.size());
    for (std::int32_t x : nummern)
        QVERIFY(x >= 0 && x < spieler);
    if (spielmodus == kEinzel || spielmodus == kDoppel)
        QCOMPARE(nummern.size(), spieler);
    QCOMPARE(gezogeneNummern(), nummern);

    // The file holds what the result shows; an empty draw writes empty slots.
    const Tischanzahl anzahl = Tischanzahl::aus(tische).value();
    const QByteArray datei = readFileBytes(tischdateiPfad(anzahl));
    QCOMPARE(datei.size(), 306 * tische);
    if (sitzend == 0)
        QCOMPARE(datei, QByteArray(306 * tische, '\0'));
    tischRecordLeeren(anzahl);
    QCOMPARE(tischLesen(anzahl).value, ergebnis.belegung);
    QVERIFY(ergebnis.meldungen.isEmpty());
}

void TestZiehung::otherTableCountsDrawNothing_data()
{
    QTest::addColumn<int>("tische");
    QTest::newRow("1 table") << 1;
    QTest::newRow("7 tables") << 7;
    QTest::newRow("0 tables") << 0;
}

// A number of tables outside 2 ... 6 leaves everything of the last draw as it was: the pool,
// the counts, the generator, the table files, the settings, the drawn numbers; nobody hears of
// it.
void TestZiehung::otherTableCountsDrawNothing()
{
    QFETCH(int, tische);
    TempDataFolder folder;
    MessageRecorder messages;
    vorbereiten(kDoppel);
    auswahlVon(8);
    QVERIFY(personen_zuweisen2t().gespeichert);
    const QByteArray pool = readFileBytes(QStringLiteral("Str_list.txt"));
    const QByteArray tischdatei = readFileBytes(tischdateiPfad(2));
    const QByteArray optionen = readFileBytes(optionenDatei());
    const QList<std::int32_t> nummern = gezogeneNummern();
    auswahlVon(5);
    platform::setRandSeed(5);
    QList<Ziehungsergebnis> gemeldet;
    const auto verbindung =
        QObject::connect(&Ziehungsmelder::instanz(), &Ziehungsmelder::ziehungBeendet,
                         [&gemeldet](const Ziehungsergebnis& e) { gemeldet.append(e); });
    Optionen.Spielmodus = kEinzel;

    const Ziehungsergebnis ergebnis = personen_zuweisen(tische);
    QObject::disconnect(verbindung);

    QVERIFY(!ergebnis.gezogen);
    QVERIFY(!ergebnis.gespeichert);
    QCOMPARE(ergebnis.tische, tische);
    QCOMPARE(ergebnis.belegung.tische(), 0);
    QVERIFY(ergebnis.nummern.isEmpty());
    QVERIFY(ergebnis.meldungen.isEmpty());
    QVERIFY(gemeldet.isEmpty());
    QCOMPARE(platform::randSeed(), 5u);
    QCOMPARE(readFileBytes(QStringLiteral("Str_list.txt")), pool);
    QCOMPARE(Auswahlanzahl, 8);
    QCOMPARE(readFileBytes(tischdateiPfad(2)), tischdatei);
    QCOMPARE(readFileBytes(optionenDatei()), optionen);
    QCOMPARE(gezogeneNummern(), nummern);
    for (const Tischanzahl t : kTischanzahlen)
        QCOMPARE(QFile::exists(tischdateiPfad(t)), t == Tischanzahl(2));
}

void TestZiehung::fixedSeedGivesTheSeatingWorkedOutByHand()
{
    TempDataFolder folder;
    MessageRecorder messages;
    vorbereiten(kDoppel);
    auswahlVon(8);
    // With s0 = 2024, s1 = 2024 * 134775813 + 1 mod 2^32 = 2203305865 and Random(8) =
    // (s1 * 8) >> 32 = 4. The first 22 calls of Random(8) give
    //   4 2 0 4 2 2 6 0 4 6 0 2 1 6 6 1 7 5 4 5 1 3,
    // whose first occurrences in order are 4 2 0 6 1 7 5 3 (22 calls in all).
    platform::setRandSeed(2024);
    const Ziehungsergebnis ergebnis = personen_zuweisen2t();

    QCOMPARE(ergebnis.nummern, QList<std::int32_t>({4, 2, 0, 6, 1, 7, 5, 3}));
    const Tischbelegung& b = ergebnis.belegung;
    QCOMPARE(b.name(1, Platz::ObenLinks), QStringLiteral(" Spieler 005"));
    QCOMPARE(b.name(1, Platz::ObenRechts), QStringLiteral(" Spieler 003"));
    QCOMPARE(b.name(1, Platz::UntenLinks), QStringLiteral(" Spieler 001"));
    QCOMPARE(b.name(1, Platz::UntenRechts), QStringLiteral(" Spieler 007"));
    QCOMPARE(b.name(2, Platz::ObenLinks), QStringLiteral(" Spieler 002"));
    QCOMPARE(b.name(2, Platz::ObenRechts), QStringLiteral(" Spieler 008"));
    QCOMPARE(b.name(2, Platz::UntenLinks), QStringLiteral(" Spieler 006"));
    QCOMPARE(b.name(2, Platz::UntenRechts), QStringLiteral(" Spieler 004"));
    // The generator stands after exactly those 22 calls, so the next draw continues from there.
    QCOMPARE(platform::randSeed(), 1887345626u);
}

void TestZiehung::twoDrawsInARowAreIndependent()
{
    TempDataFolder folder;
    MessageRecorder messages;
    vorbereiten(kDoppel);
    auswahlVon(24);
    platform::setRandSeed(99);
    const Ziehungsergebnis erste = personen_zuweisen6t();
    const Ziehungsergebnis zweite = personen_zuweisen6t();
    QVERIFY(erste.nummern != zweite.nummern);
    QVERIFY(!(erste.belegung == zweite.belegung));
    QCOMPARE(gezogeneNummern(), zweite.nummern);
    QCOMPARE(zweite.nummern.size(), 24);
}

void TestZiehung::tableFileLayoutAfterDraws_data()
{
    QTest::addColumn<int>("tische");
    QTest::addColumn<int>("spielmodus");
    QTest::addColumn<QList<int>>("slotsInSitzfolge"); // slot of seat 0, 1, 2, ...
    QTest::addColumn<int>("erwarteteGroesse");
    QTest::newRow("doubles, 2 tables, 8 players")
        << 2 << 1 << QList<int>({0, 1, 2, 3, 4, 5, 6, 7}) << 612;
    QTest::newRow("singles, 3 tables, 6 players")
        << 3 << 0 << QList<int>({0, 1, 2, 3, 4, 5}) << 918;
    QTest::newRow("doubles, 4 tables, 16 players")
        << 4 << 1 << QList<int>({9, 10, 8, 11, 12, 13, 14, 15, 18, 17, 19, 16, 23, 22, 21, 20})
        << 1224;
}

void TestZiehung::tableFileLayoutAfterDraws()
{
    QFETCH(int, tische);
    QFETCH(int, spielmodus);
    QFETCH(QList<int>, slotsInSitzfolge);
    QFETCH(int, erwarteteGroesse);
    TempDataFolder folder;
    MessageRecorder messages;
    vorbereiten(spielmodus);
    auswahlVon(int(slotsInSitzfolge.size()));
    platform::setRandSeed(4711);
    const Ziehungsergebnis ergebnis = personen_zuweisen(tische);

    const QByteArray datei = readFileBytes(tischdateiPfad(Tischanzahl::aus(tische).value()));
    QCOMPARE(datei.size(), erwarteteGroesse);
    QSet<int> belegt;
    for (int sitz = 0; sitz < slotsInSitzfolge.size(); ++sitz) {
        const int slot = slotsInSitzfolge.at(sitz);
        QCOMPARE(slotText(datei, slot), poolZeile(ergebnis.nummern.at(sitz)));
        belegt.insert(slot);
    }
    for (int slot = 0; slot < 6 * tische; ++slot)
        if (!belegt.contains(slot))
            QCOMPARE(datei.at(51 * slot), '\0');
}

void TestZiehung::longNameLosesItsLastCharacter()
{
    TempDataFolder folder;
    MessageRecorder messages;
    vorbereiten(kEinzel);
    const QString ohneLetztes = QStringLiteral("Maximilian-Alexander von und zu Kickerhausen-Weiß");
    QCOMPARE(ohneLetztes.size(), 49);
    const QString name = ohneLetztes + QLatin1Char('X'); // 50 characters
    QVERIFY(auswahlSchreiben(auswahldatei2(), {name}));
    const Ziehungsergebnis ergebnis = personen_zuweisen2t();
    QCOMPARE(ergebnis.belegung.name(1, Platz::ObenMitte), QLatin1Char(' ') + ohneLetztes);
    const QByteArray datei = readFileBytes(tischdateiPfad(2));
    QCOMPARE(slotText(datei, 8), QByteArray(" ") + platform::toCp1252(ohneLetztes));
}

void TestZiehung::settingsSavedAfterTwoToFiveTablesOnly_data()
{
    QTest::addColumn<int>("tische");
    QTest::addColumn<bool>("gespeichert");
    for (int t = kMinTische; t <= kMaxTische; ++t)
        QTest::addRow("%d tables", t) << t << (t <= 5);
}

void TestZiehung::settingsSavedAfterTwoToFiveTablesOnly()
{
    QFETCH(int, tische);
    QFETCH(bool, gespeichert);
    TempDataFolder folder;
    MessageRecorder messages;
    vorbereiten(kDoppel);
    auswahlVon(4);
    QVERIFY(!QFile::exists(optionenDatei()));
    personen_zuweisen(tische);
    QCOMPARE(QFile::exists(optionenDatei()), gespeichert);
    if (gespeichert)
        QCOMPARE(readFileBytes(optionenDatei()).at(680), char(kDoppel));
}

void TestZiehung::missingSelectionDrawsFromTheOldPool()
{
    TempDataFolder folder;
    MessageRecorder messages;
    vorbereiten(kEinzel);
    QVERIFY(auswahlSchreiben(auswahldatei2(), {QStringLiteral("Anna"), QStringLiteral("Berta")}));
    personen_zuweisen2t();
    QVERIFY(QFile::remove(auswahldatei2()));
    const QByteArray pool = readFileBytes(QStringLiteral("Str_list.txt"));

    const Ziehungsergebnis ergebnis = personen_zuweisen2t();
    QCOMPARE(readFileBytes(QStringLiteral("Str_list.txt")), pool);
    QStringList namen = alleNamen(ergebnis.belegung);
    namen.sort();
    QCOMPARE(namen, QStringList({QStringLiteral(" Anna"), QStringLiteral(" Berta")}));
    QVERIFY(ergebnis.meldungen.isEmpty());
}

void TestZiehung::noPoolAtAllTellsAndPlacesNobody()
{
    TempDataFolder folder;
    vorbereiten(kDoppel);
    const Ziehungsergebnis ergebnis = personen_zuweisen3t();
    QVERIFY(!ergebnis.gezogen);
    QVERIFY(ergebnis.belegung.istLeer());
    QCOMPARE(ergebnis.meldungen.size(), 1);
    QVERIFY(ergebnis.meldungen.last().text.contains(QStringLiteral("konnte nicht gelesen werden")));
    QVERIFY(!QFile::exists(tischdateiPfad(3)));
}

void TestZiehung::poolThatCannotBeWrittenEndsTheDrawBeforeDrawing()
{
    TempDataFolder folder;
    vorbereiten(kDoppel);
    auswahlVon(8);
    const QByteArray alteDatei(612, 'a');
    QVERIFY(writeFileBytes(tischdateiPfad(2), alteDatei));
    QVERIFY(QDir(folder.path()).mkdir(QStringLiteral("Str_list.txt")));
    platform::setRandSeed(1);

    const Ziehungsergebnis ergebnis = personen_zuweisen2t();
    QVERIFY(!ergebnis.gezogen);
    QVERIFY(ergebnis.belegung.istLeer());
    QVERIFY(ergebnis.nummern.isEmpty());
    QCOMPARE(platform::randSeed(), 1u); // nothing drawn
    QCOMPARE(readFileBytes(tischdateiPfad(2)), alteDatei);
    QVERIFY(tischbelegungAusRecord(2).istLeer());
    QCOMPARE(ergebnis.meldungen.size(), 1);
    QVERIFY(ergebnis.meldungen.last().text.contains(QStringLiteral("Str_list.txt")));
}

void TestZiehung::selectionThatCannotBeReadKeepsTheStoredSeating()
{
    TempDataFolder folder;
    vorbereiten(kDoppel);
    auswahlVon(8);
    QVERIFY(personen_zuweisen2t().gespeichert);
    const QByteArray gespeichert = readFileBytes(tischdateiPfad(2));
    QVERIFY(QFile::remove(auswahldatei2()));
    QVERIFY(QDir().mkpath(auswahldatei2() + QStringLiteral("/inhalt")));

    const Ziehungsergebnis ergebnis = personen_zuweisen2t();
    QVERIFY(!ergebnis.gezogen);
    QVERIFY(ergebnis.belegung.istLeer());
    QCOMPARE(readFileBytes(tischdateiPfad(2)), gespeichert);
    QCOMPARE(ergebnis.meldungen.size(), 1);
    QVERIFY(ergebnis.meldungen.last().text.contains(
        QStringLiteral("Es wurden keine Spieler ausgelost.")));
}

void TestZiehung::tableFileThatCannotBeWrittenTellsAndKeepsTheSeating()
{
    TempDataFolder folder;
    vorbereiten(kDoppel);
    auswahlVon(8);
    QVERIFY(QDir(folder.path()).mkdir(QStringLiteral("Tisch5.ti6")));
    const Ziehungsergebnis ergebnis = personen_zuweisen6t();
    QVERIFY(ergebnis.gezogen);
    QVERIFY(!ergebnis.gespeichert);
    QCOMPARE(alleNamen(ergebnis.belegung).size(), 8);
    QCOMPARE(tischbelegungAusRecord(6), ergebnis.belegung);
    QCOMPARE(ergebnis.meldungen.size(), 1);
    QVERIFY(ergebnis.meldungen.last().text.contains(
        QStringLiteral("Tisch5.ti6\" konnte nicht gespeichert werden.")));
    QVERIFY(ergebnis.meldungen.last().text.endsWith(
        QStringLiteral("\nDie neue Tischbelegung wird nur angezeigt.")));
}

void TestZiehung::everyDrawIsAnnounced()
{
    TempDataFolder folder;
    MessageRecorder messages;
    vorbereiten(kEinzel);
    auswahlVon(5);
    QList<Ziehungsergebnis> gemeldet;
    const auto verbindung =
        QObject::connect(&Ziehungsmelder::instanz(), &Ziehungsmelder::ziehungBeendet,
                         [&gemeldet](const Ziehungsergebnis& e) { gemeldet.append(e); });
    const Ziehungsergebnis ergebnis = personen_zuweisen5t();
    QVERIFY(QFile::remove(QStringLiteral("Str_list.txt")));
    QVERIFY(QFile::remove(auswahldatei2()));
    personen_zuweisen5t(); // ends early: no pool
    QObject::disconnect(verbindung);

    QCOMPARE(gemeldet.size(), 2);
    QCOMPARE(gemeldet.at(0).tische, 5);
    QVERIFY(gemeldet.at(0).gezogen);
    QCOMPARE(gemeldet.at(0).belegung, ergebnis.belegung);
    QCOMPARE(gemeldet.at(0).nummern, ergebnis.nummern);
    QVERIFY(!gemeldet.at(1).gezogen);
    QVERIFY(gemeldet.at(1).belegung.istLeer());
    QVERIFY(gezogeneNummern().isEmpty());
}

// One selection record is one pool line and one seat, whatever its name holds.
void TestZiehung::namesWithLineBreaksAreSeatedOnceEach()
{
    TempDataFolder folder;
    MessageRecorder messages;
    vorbereiten(kDoppel);
    const QStringList namen = {QStringLiteral("Anna\nMann"),   QStringLiteral("Bernd\rOtto"),
                               QStringLiteral("Carl\r\nYork"), QStringLiteral("Dora\n"),
                               QStringLiteral("\r\nEmil"),     QStringLiteral("Gerd\n\rHahn"),
                               QStringLiteral("Ida\tIrre"),    QStringLiteral("Zeno")};
    QVERIFY(auswahlSchreiben(auswahldatei2(), namen));
    QStringList erwartet;
    QByteArray pool;
    for (const QString& name : namen) {
        erwartet.append(QLatin1Char(' ') + platform::controlCharactersAsBlanks(name));
        pool += platform::toCp1252(erwartet.last()) + "\r\n";
    }
    erwartet.sort();
    QCOMPARE(erwartet.at(0), QStringLiteral("  Emil"));
    QVERIFY(erwartet.contains(QStringLiteral(" Gerd  Hahn")));

    platform::setRandSeed(30);
    for (int runde = 1; runde <= 40; ++runde) {
        const Ziehungsergebnis ergebnis = personen_zuweisen2t();
        QVERIFY(ergebnis.gezogen);
        QStringList gesetzt = alleNamen(ergebnis.belegung);
        gesetzt.sort();
        QVERIFY2(gesetzt == erwartet, qPrintable(QStringLiteral("draw %1: ").arg(runde) +
                                                 gesetzt.join(QLatin1Char('|'))));
    }
    QCOMPARE(readFileBytes(QStringLiteral("Str_list.txt")), pool);
    QCOMPARE(Auswahlanzahl, 8);
    QCOMPARE(Poolanzahl, 8);
    QVERIFY(messages.messages().isEmpty());
}

void TestZiehung::drawThatWouldSeatNobodyKeepsTheStoredSeating_data()
{
    QTest::addColumn<bool>("auswahlLeer"); // an empty selection file instead of none
    QTest::newRow("no selection file after a restart") << false;
    QTest::newRow("empty selection file") << true;
}

void TestZiehung::drawThatWouldSeatNobodyKeepsTheStoredSeating()
{
    QFETCH(bool, auswahlLeer);
    TempDataFolder folder;
    vorbereiten(kEinzel);
    auswahlVon(6);
    QVERIFY(personen_zuweisen3t().gespeichert);
    const QByteArray gespeichert = readFileBytes(tischdateiPfad(3));
    QVERIFY(!alleNamen(tischLesen(3).value).isEmpty());
    // The program starts again: the pool file of the last evening is still there.
    vorbereiten(kEinzel);
    if (auswahlLeer)
        QVERIFY(auswahlSchreiben(auswahldatei2(), {}));
    else
        QVERIFY(QFile::remove(auswahldatei2()));
    QVERIFY(QFile::exists(QStringLiteral("Str_list.txt")));

    const Ziehungsergebnis ergebnis = personen_zuweisen3t();
    QVERIFY(!ergebnis.gezogen);
    QVERIFY(!ergebnis.gespeichert);
    QCOMPARE(readFileBytes(tischdateiPfad(3)), gespeichert);
    QCOMPARE(ergebnis.meldungen.size(), 1);
    QCOMPARE(ergebnis.meldungen.first().icon, platform::Icon::Warning);
    QVERIFY2(ergebnis.meldungen.first().text.contains(
                 QStringLiteral("Die gespeicherte Tischbelegung bleibt unverändert.")),
             qPrintable(ergebnis.meldungen.first().text));
}

QTEST_GUILESS_MAIN(TestZiehung)
#include "tst_ziehung.moc"

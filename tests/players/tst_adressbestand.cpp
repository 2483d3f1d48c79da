#include "adress_testhilfe.h"
#include "players/logic/adressbestand.h"

#include <QDir>
#include <QFileInfo>
#include <QRandomGenerator>
#include <QTest>
#include <cstring>

namespace
{

constexpr int kSatz = int(sizeof(TAdressRec));

QByteArray satzBytes(const TAdressRec& adresse)
{
    return QByteArray(reinterpret_cast<const char*>(&adresse), kSatz);
}

TAdressRec ausBytes(const QByteArray& bytes)
{
    TAdressRec adresse;
    std::memcpy(static_cast<void*>(&adresse), bytes.constData(), sizeof adresse);
    return adresse;
}

QByteArray regulaer(const QString& name, const QString& vorname, const QString& strasse = {})
{
    return satzBytes(testadresse(name, vorname, strasse));
}

QByteArray mitBytes(QByteArray satz, int offset, const QByteArray& bytes)
{
    satz.replace(offset, bytes.size(), bytes);
    return satz;
}

// Records as another program may have written them: texts with leftovers behind them, length
// bytes above the capacity, filled reserved ranges, whole records of noise.
QByteArray zufaelligeDatei(int anzahl)
{
    QRandomGenerator zufall(20261211);
    const int textfelder[] = {0, 61, 122, 183, 305, 467, 498, 560};
    const int reserven[][2] = {{244, 61}, {386, 81}, {529, 31}, {591, 369}};
    QByteArray datei;
    for (int i = 0; i < anzahl; ++i) {
        QByteArray satz = regulaer(QStringLiteral("Name%1").arg(zufall.bounded(50)),
                                   QStringLiteral("Vorname%1").arg(i), QStringLiteral("Weg"));
        const int art = zufall.bounded(6);
        if (art == 0) {
            for (char& c : satz)
                c = char(zufall.bounded(256));
        } else if (art == 1) {
            satz[textfelder[zufall.bounded(8)] + 1 + 30 + zufall.bounded(30)] = 'x';
        } else if (art == 2) {
            satz[textfelder[zufall.bounded(8)]] = char(zufall.bounded(256));
        } else if (art == 3) {
            const auto& reserve = reserven[zufall.bounded(4)];
            satz[reserve[0] + zufall.bounded(reserve[1])] = char(1 + zufall.bounded(255));
        }
        datei.append(satz);
    }
    return datei;
}

} // namespace

class TestAdressbestand : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void changesKeepEveryByteOfTheOtherRecords_data();
    void changesKeepEveryByteOfTheOtherRecords();
    void lookUpsAndSavesMatchTheFile();
    void saveReplacesTheFirstOfTheNamesOrAppends_data();
    void saveReplacesTheFirstOfTheNamesOrAppends();
    void recordWithoutAnyNameIsNotStored_data();
    void recordWithoutAnyNameIsNotStored();
    void deleteMovesTheRecordsBehindUp_data();
    void deleteMovesTheRecordsBehindUp();
    void failedSaveKeepsMemoryAndFile();
    void failedDeleteKeepsMemoryAndFile();
    void unreadableFileIsNeverOverwritten();
};

void TestAdressbestand::changesKeepEveryByteOfTheOtherRecords_data()
{
    QTest::addColumn<QByteArray>("datei");
    const QByteArray meier = regulaer("Meier", "Hans", "Hauptstraße 1");
    const QByteArray schulz = regulaer("Schulz", "Eva");
    const auto mitMeier = [&](const QByteArray& satz) { return satz + meier + satz + schulz; };
    QTest::newRow("regular") << mitMeier(regulaer("Özdemir", "Ali", "Weg 2"));
    QTest::newRow("empty names") << mitMeier(regulaer("", ""));
    QTest::newRow("texts of full length")
        << mitMeier(regulaer(langerText(60), langerText(60, 'y'), langerText(60, 'z')));
    QTest::newRow("bytes behind the text")
        << mitMeier(mitBytes(meier, 61 + 1 + 5, "rest") + mitBytes(schulz, 960 - 1, "\x01"));
    QTest::newRow("length bytes above the capacity")
        << mitMeier(mitBytes(mitBytes(meier, 61, "\xFF"), 0, "\x3D"));
    QTest::newRow("filled reserved ranges")
        << mitMeier(mitBytes(mitBytes(meier, 244, "R1"), 591 + 368, "\x7F") +
                    mitBytes(schulz, 529, QByteArray(31, '\x01')));
    QTest::newRow("all zero") << mitMeier(QByteArray(kSatz, '\0'));
    QTest::newRow("all 0xFF") << mitMeier(QByteArray(kSatz, '\xFF'));
    QTest::newRow("partial record at the end") << meier + schulz + QByteArray(959, '\xAB');
    QTest::newRow("no records") << QByteArray();
    QTest::newRow("random mix, 600 records") << zufaelligeDatei(600);
}

QByteArray alleBytes(const QList<TAdressRec>& adressen)
{
    QByteArray bytes;
    for (const TAdressRec& adresse : adressen)
        bytes += satzBytes(adresse);
    return bytes;
}

// The records are held as read, whatever another program left in them; a save and a delete
// write every other record back byte for byte.
void TestAdressbestand::changesKeepEveryByteOfTheOtherRecords()
{
    QFETCH(QByteArray, datei);
    TempDataFolder folder;
    QVERIFY(writeFileBytes(adressdateiPfad(), datei));
    const qsizetype anzahl = datei.size() / kSatz;
    QByteArray erwartet = datei.left(anzahl * kSatz);
    Adressbestand bestand;
    QVERIFY(bestand.laden());
    QCOMPARE(bestand.adressen().size(), anzahl);
    QCOMPARE(alleBytes(bestand.adressen()), erwartet);

    // "Speichern >>": the first record of these names goes, the new one is appended.
    const TAdressRec neu = testadresse("Meier", "Hans", "neu");
    const AdressFund fund = adresse_pruefen(bestand.adressen(), "Meier", "Hans");
    if (fund.gefunden)
        erwartet.remove((fund.position - 1) * kSatz, kSatz);
    erwartet += satzBytes(neu);
    QVERIFY(bestand.erfassen(neu, "Meier", "Hans").geschrieben);
    QCOMPARE(readFileBytes(adressdateiPfad()), erwartet);
    QCOMPARE(alleBytes(bestand.adressen()), erwartet);

    // "Löschen" of the first record.
    QVERIFY(bestand.loeschen({true, 1}));
    erwartet.remove(0, kSatz);
    QCOMPARE(readFileBytes(adressdateiPfad()), erwartet);
    QCOMPARE(alleBytes(bestand.adressen()), erwartet);
}

// Every list entry finds the record the file's last record of that entry holds, before and
// after saves that replace, move and append records; the file keeps the bytes of the records
// no save touched.
void TestAdressbestand::lookUpsAndSavesMatchTheFile()
{
    TempDataFolder folder;
    QByteArray datei = regulaer("Meier", "Hans", "1") + regulaer("Schulz", "Eva", "2") +
                       regulaer("MEIER", "hans", "3") +
                       mitBytes(regulaer("Kurz", "Karl", "4"), 600, "fremd") +
                       regulaer(" meier ", "Hans", "5") + zufaelligeDatei(40);
    QVERIFY(writeFileBytes(adressdateiPfad(), datei));
    Adressbestand bestand;
    QVERIFY(bestand.laden());

    const auto vergleichen = [&bestand] {
        const QList<TAdressRec> inDatei = adressenLesen();
        QCOMPARE(bestand.listentexte(), adresseListentexte(inDatei));
        QStringList gesucht = adresseListentexte(inDatei);
        gesucht << "Niemand, Nie"
                << "meier, HANS"
                << "  Schulz, Eva ";
        for (const QString& text : gesucht) {
            const TAdressRec* erwartet = adresseZumListentext(inDatei, text);
            const std::optional<TAdressRec> gefunden = bestand.zumListentext(text);
            QCOMPARE(gefunden.has_value(), erwartet != nullptr);
            if (erwartet)
                QCOMPARE(satzBytes(*gefunden), satzBytes(*erwartet));
        }
    };
    vergleichen();

    struct Schritt {
        const char* name;
        const char* vorname;
        const char* strasse;
        int ersetzt; // the record of the file it replaces, -1 for none
    };
    const Schritt schritte[] = {{"MEIER", "HANS", "6", 0},
                                {"Kurz", "Karl", "7", 2},
                                {"Neu", "Nina", "8", -1},
                                {"meier", "hans", "9", 1},
                                {"Neu", "Nina", "10", 44}};
    for (const Schritt& s : schritte) {
        const TAdressRec neu = testadresse(s.name, s.vorname, s.strasse);
        const Adressbestand::Erfassung erfassung = bestand.erfassen(neu, s.name, s.vorname);
        QVERIFY(erfassung.datei);
        QVERIFY(erfassung.geschrieben);
        QCOMPARE(erfassung.entfernt.has_value(), s.ersetzt >= 0);
        if (s.ersetzt >= 0) {
            QCOMPARE(*erfassung.entfernt,
                     adresseListentext(ausBytes(datei.mid(s.ersetzt * kSatz, kSatz))));
            datei.remove(s.ersetzt * kSatz, kSatz);
        }
        datei.append(satzBytes(neu));
        QCOMPARE(readFileBytes(adressdateiPfad()), datei);
        vergleichen();
    }

    // A delete takes out the first record of the names, as "Löschen" finds it.
    const AdressFund fund = adresse_pruefen(bestand.adressen(), "MEIER", "Hans");
    QCOMPARE(fund.position, 2);
    QVERIFY(bestand.loeschen(fund));
    datei.remove(kSatz, kSatz);
    QCOMPARE(readFileBytes(adressdateiPfad()), datei);
    vergleichen();
}

void TestAdressbestand::saveReplacesTheFirstOfTheNamesOrAppends_data()
{
    QTest::addColumn<bool>("dateiDa");
    QTest::addColumn<QStringList>("vorher");
    QTest::addColumn<QString>("neu");
    QTest::addColumn<QStringList>("nachher");
    QTest::newRow("no file: created")
        << false << QStringList{} << "Meier|Hans|C" << QStringList{"Meier|Hans|C"};
    QTest::newRow("empty file: appended")
        << true << QStringList{} << "Meier|Hans|C" << QStringList{"Meier|Hans|C"};
    QTest::newRow("case and blanks: replaced, moved to the end")
        << true << QStringList{"Meier|Hans|A", "Schulz|Eva|B"} << " meier | HANS |C"
        << QStringList{"Schulz|Eva|B", " meier | HANS |C"};
    QTest::newRow("umlaut case: new participant")
        << true << QStringList{"Müller|Jörg|A"} << "MÜLLER|Jörg|C"
        << QStringList{"Müller|Jörg|A", "MÜLLER|Jörg|C"};
    QTest::newRow("renamed: added, old kept")
        << true << QStringList{"Meier|Hans|A"} << "Maier|Hans|A"
        << QStringList{"Meier|Hans|A", "Maier|Hans|A"};
    QTest::newRow("long name saved again: replaced")
        << true << QStringList{langerText(60) + "|Hans|A"} << langerText(70) + "|Hans|C"
        << QStringList{langerText(60) + "|Hans|C"};
    QTest::newRow("two alike: the first replaced")
        << true << QStringList{"Meier|Hans|1", "Schulz|Eva|2", "Meier|Hans|3"} << "Meier|Hans|4"
        << QStringList{"Schulz|Eva|2", "Meier|Hans|3", "Meier|Hans|4"};
}

// "Speichern >>" with the names as typed.
void TestAdressbestand::saveReplacesTheFirstOfTheNamesOrAppends()
{
    QFETCH(bool, dateiDa);
    QFETCH(QStringList, vorher);
    QFETCH(QString, neu);
    QFETCH(QStringList, nachher);
    TempDataFolder folder;
    MessageRecorder messages;
    if (dateiDa)
        QVERIFY(dateiAnlegen(vorher));
    const QStringList teil = neu.split(QLatin1Char('|'));
    Adressbestand bestand;
    const Adressbestand::Erfassung erfassung =
        bestand.erfassen(testadresse(teil[0], teil[1], teil[2]), teil[0], teil[1]);
    QVERIFY(erfassung.datei);
    QVERIFY(erfassung.geschrieben);
    QCOMPARE(erfassung.entfernt.has_value(), nachher.size() == vorher.size());
    QCOMPARE(dateiZeilen(), nachher);
    QCOMPARE(bestand.listentexte(), adresseListentexte(adressenLesen()));
    QVERIFY(messages.messages().isEmpty());
}

void TestAdressbestand::recordWithoutAnyNameIsNotStored_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("vorname");
    QTest::addColumn<bool>("gespeichert");
    QTest::newRow("both empty") << QString() << QString() << false;
    QTest::newRow("blanks") << QStringLiteral("   ") << QStringLiteral(" ") << false;
    QTest::newRow("control characters") << QStringLiteral("\r\n") << QStringLiteral("\t") << false;
    QTest::newRow("surname only") << QStringLiteral("Meier") << QString() << true;
    QTest::newRow("first name only") << QString() << QStringLiteral(" Hans") << true;
}

void TestAdressbestand::recordWithoutAnyNameIsNotStored()
{
    QFETCH(QString, name);
    QFETCH(QString, vorname);
    QFETCH(bool, gespeichert);
    TempDataFolder folder;
    QVERIFY(dateiAnlegen({"Schulz|Eva|A", " | |B"}));
    const QByteArray datei = readFileBytes(adressdateiPfad());
    Adressbestand bestand;
    QVERIFY(bestand.laden());
    const Adressbestand::Erfassung erfassung = bestand.erfassen(
        testadresse(name, vorname, QStringLiteral("Hauptstraße 1")), name, vorname);
    QVERIFY(erfassung.datei);
    QCOMPARE(erfassung.geschrieben, gespeichert);
    if (gespeichert) {
        QCOMPARE(dateiZeilen().size(), 3);
        QCOMPARE(dateiZeilen().last(), name + "|" + vorname + "|Hauptstraße 1");
    } else {
        // Not even the record of blank names that is there is replaced.
        QCOMPARE(readFileBytes(adressdateiPfad()), datei);
        QCOMPARE(alleBytes(bestand.adressen()), datei);
    }
}

void TestAdressbestand::deleteMovesTheRecordsBehindUp_data()
{
    QTest::addColumn<QStringList>("vorher");
    QTest::addColumn<int>("position");
    QTest::addColumn<QStringList>("nachher");
    const QStringList drei{"A|a|1", "B|b|2", "C|c|3"};
    QTest::newRow("first") << drei << 1 << QStringList{"B|b|2", "C|c|3"};
    QTest::newRow("middle") << drei << 2 << QStringList{"A|a|1", "C|c|3"};
    QTest::newRow("last") << drei << 3 << QStringList{"A|a|1", "B|b|2"};
    QTest::newRow("only: an empty file stays") << QStringList{"A|a|1"} << 1 << QStringList{};
}

void TestAdressbestand::deleteMovesTheRecordsBehindUp()
{
    QFETCH(QStringList, vorher);
    QFETCH(int, position);
    QFETCH(QStringList, nachher);
    TempDataFolder folder;
    QVERIFY(dateiAnlegen(vorher));
    Adressbestand bestand;
    QVERIFY(bestand.laden());
    QVERIFY(bestand.loeschen({true, position}));
    QCOMPARE(dateiZeilen(), nachher);
    QVERIFY(QFileInfo::exists(adressdateiPfad()));
    QCOMPARE(QFileInfo(adressdateiPfad()).size(), qint64(nachher.size()) * kSatz);
    QCOMPARE(bestand.listentexte(), adresseListentexte(adressenLesen()));
}

void TestAdressbestand::failedSaveKeepsMemoryAndFile()
{
    TempDataFolder folder;
    const QByteArray datei = regulaer("Meier", "Hans", "A") +
                             mitBytes(regulaer("Schulz", "Eva", "B"), 300, "fremd") +
                             regulaer("Kurz", "Karl", "C");
    QVERIFY(writeFileBytes(adressdateiPfad(), datei));
    Adressbestand bestand;
    QVERIFY(bestand.laden());
    const QStringList texte = bestand.listentexte();
    const TAdressRec neu = testadresse("Meier", "Hans", "neu");
    {
        FileSizeLimit grenze(1000);
        const Adressbestand::Erfassung erfassung = bestand.erfassen(neu, "Meier", "Hans");
        QVERIFY(!erfassung.datei);
        QVERIFY(!erfassung.geschrieben);
        const QString meldung = adressFehlermeldung(erfassung.datei);
        QVERIFY(meldung.contains(QStringLiteral("konnte nicht gespeichert werden")));
        QVERIFY(meldung.contains(QStringLiteral("Adressen.adr")));
    }
    QCOMPARE(readFileBytes(adressdateiPfad()), datei);
    QCOMPARE(bestand.listentexte(), texte);
    QCOMPARE(bestand.zumListentext("Meier, Hans")->Strasse.str(), QStringLiteral("A"));

    // The next save starts from the records as they were: Meier is replaced once.
    QVERIFY(bestand.erfassen(neu, "Meier", "Hans").geschrieben);
    QCOMPARE(readFileBytes(adressdateiPfad()), datei.mid(kSatz) + satzBytes(neu));
    QCOMPARE(bestand.zumListentext("Meier, Hans")->Strasse.str(), QStringLiteral("neu"));
}

void TestAdressbestand::failedDeleteKeepsMemoryAndFile()
{
    TempDataFolder folder;
    const QByteArray datei = regulaer("Meier", "Hans", "A") + regulaer("Schulz", "Eva", "B") +
                             regulaer("Kurz", "Karl", "C");
    QVERIFY(writeFileBytes(adressdateiPfad(), datei));
    Adressbestand bestand;
    QVERIFY(bestand.laden());
    {
        FileSizeLimit grenze(1000);
        const platform::WriteResult ergebnis = bestand.loeschen({true, 1});
        QVERIFY(!ergebnis);
        const QString meldung = adressFehlermeldung(ergebnis);
        QVERIFY(meldung.contains(QStringLiteral("konnte nicht gespeichert werden")));
        QVERIFY(meldung.contains(QStringLiteral("Adressen.adr")));
    }
    QCOMPARE(readFileBytes(adressdateiPfad()), datei);
    QCOMPARE(alleBytes(bestand.adressen()), datei);
    QCOMPARE(bestand.zumListentext("Meier, Hans")->Strasse.str(), QStringLiteral("A"));

    // No record at that place: nothing is written.
    QVERIFY(bestand.loeschen({true, 4}));
    QVERIFY(bestand.loeschen({false, 0}));
    QCOMPARE(readFileBytes(adressdateiPfad()), datei);

    QVERIFY(bestand.loeschen({true, 1}));
    QCOMPARE(readFileBytes(adressdateiPfad()), datei.mid(kSatz));
    QVERIFY(!bestand.zumListentext("Meier, Hans").has_value());
    QCOMPARE(bestand.zumListentext("Kurz, Karl")->Strasse.str(), QStringLiteral("C"));
}

// A participant file that cannot be read is never overwritten by a save.
void TestAdressbestand::unreadableFileIsNeverOverwritten()
{
    TempDataFolder folder;
    QVERIFY(QDir().mkdir(adressdateiPfad()));
    Adressbestand bestand;
    QVERIFY(!bestand.laden());
    const Adressbestand::Erfassung erfassung =
        bestand.erfassen(testadresse("Meier", "Hans"), "Meier", "Hans");
    QVERIFY(!erfassung.datei);
    QVERIFY(!erfassung.geschrieben);
    QVERIFY(adressFehlermeldung(erfassung.datei)
                .contains(QStringLiteral("konnte nicht gelesen werden")));
    QVERIFY(QFileInfo(adressdateiPfad()).isDir());
    QVERIFY(bestand.adressen().isEmpty());
}

QTEST_GUILESS_MAIN(TestAdressbestand)
#include "tst_adressbestand.moc"

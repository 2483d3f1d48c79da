#include "adress_testhilfe.h"
#include "players/logic/adressbestand.h"

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
    void failedSaveKeepsMemoryAndFile();
    void failedDeleteKeepsMemoryAndFile();
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
        QVERIFY(!bestand.loeschen({true, 1}));
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

QTEST_GUILESS_MAIN(TestAdressbestand)
#include "tst_adressbestand.moc"

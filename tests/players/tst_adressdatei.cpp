#include "adress_testhilfe.h"
#include "players/logic/adressbestand.h"

#include <QTest>

class TestAdressdatei : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void readsWholeRecordsAndIgnoresAPartialTail();
    void listentext_data();
    void listentext();
    void sortingIgnoresCaseAndKeepsDuplicates();
    void oneEntryGoesWhereSortingAnewPutsIt();
    void vergleichsform_data();
    void vergleichsform();
    void pruefen_data();
    void pruefen();
    void zumListentextTakesTheLastMatch();
};

void TestAdressdatei::readsWholeRecordsAndIgnoresAPartialTail()
{
    TempDataFolder folder;
    QVERIFY(adressenLesen().isEmpty());
    QByteArray bytes = platform::recordsToBytes(ausZeilen({"Meier|Hans|A", "Schulz|Eva|B"}));
    bytes.append(QByteArray(959, 'z'));
    QVERIFY(writeFileBytes(adressdateiPfad(), bytes));
    QCOMPARE(dateiZeilen(), (QStringList{"Meier|Hans|A", "Schulz|Eva|B"}));
}

void TestAdressdatei::listentext_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("vorname");
    QTest::addColumn<QString>("eintrag");
    QTest::newRow("both") << "Meier"
                          << "Hans"
                          << "Meier, Hans";
    QTest::newRow("no first name") << "Meier"
                                   << ""
                                   << "Meier, ";
    QTest::newRow("no surname") << ""
                                << "Hans"
                                << ", Hans";
    QTest::newRow("blanks kept") << " Meier "
                                 << " Hans "
                                 << " Meier ,  Hans ";
    QTest::newRow("umlauts") << "Jörg"
                             << "Müßig"
                             << "Jörg, Müßig";
}

void TestAdressdatei::listentext()
{
    QFETCH(QString, name);
    QFETCH(QString, vorname);
    QFETCH(QString, eintrag);
    QCOMPARE(adresseListentext(testadresse(name, vorname)), eintrag);
}

void TestAdressdatei::sortingIgnoresCaseAndKeepsDuplicates()
{
    const QStringList texte{"meier, b", "Zander, a", "Adler, x", "Özdemir, a",
                            "Meier, a", "adler, x",  "Adler, x", ", Hans"};
    QCOMPARE(SortierteAdressliste(texte).texte(),
             (QStringList{", Hans", "Adler, x", "adler, x", "Adler, x", "Meier, a", "meier, b",
                          "Özdemir, a", "Zander, a"}));
}

// One entry put in or taken out leaves the list as sorting the entries anew gives it; a new
// entry stands after those it sorts equal with, as a record appended to the file does.
void TestAdressdatei::oneEntryGoesWhereSortingAnewPutsIt()
{
    const QStringList texte{"meier, b",     "Zander, a",    "Adler, x",     "Özdemir, a",
                            "Meier, a",     "adler, x",     "Adler, x",     ", Hans",
                            "Ohm, a",       "Oz, a",        "Müller, Jörg", "Muller, Jorg",
                            "MÜLLER, jörg", "van Dyke, a",  "Äbel, a",      "Abel, a",
                            "Zz, ",         " Leer, a",     "Straße, s",    "Strasse, s",
                            "1 Nummer, x",  "Meier-Lenz, a"};
    for (qsizetype i = 0; i < texte.size(); ++i) {
        QStringList andere = texte;
        const QString text = andere.takeAt(i);
        SortierteAdressliste liste(andere);
        const qsizetype zeile = liste.einfuegen(text);
        QCOMPARE(liste.texte(), SortierteAdressliste(andere + QStringList{text}).texte());
        QCOMPARE(liste.texte().at(zeile), text);

        // Of equal texts the first goes.
        QStringList ohne = texte;
        ohne.removeAt(texte.indexOf(text));
        SortierteAdressliste alle(texte);
        QVERIFY(alle.entfernen(text) >= 0);
        QCOMPARE(alle.texte(), SortierteAdressliste(ohne).texte());
    }
    QCOMPARE(SortierteAdressliste(texte).entfernen("Niemand, x"), qsizetype(-1));
}

void TestAdressdatei::vergleichsform_data()
{
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<QByteArray>("form");
    QTest::newRow("a-z upper") << QByteArray("Meier") << QByteArray("MEIER");
    QTest::newRow("blanks and controls trimmed")
        << QByteArray(" \t Meier\r\n ") << QByteArray("MEIER");
    QTest::newRow("inner blanks stay") << QByteArray("van  Beek") << QByteArray("VAN  BEEK");
    QTest::newRow("umlaut stays") << QByteArray("m\xfcller") << QByteArray("M\xfcLLER");
    QTest::newRow("only blanks") << QByteArray("   ") << QByteArray("");
}

void TestAdressdatei::vergleichsform()
{
    QFETCH(QByteArray, text);
    QFETCH(QByteArray, form);
    QCOMPARE(adresseVergleichsform(text), form);
}

void TestAdressdatei::pruefen_data()
{
    QTest::addColumn<QStringList>("datei");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("vorname");
    QTest::addColumn<int>("position");
    const QStringList drei{"Meier|Hans", "Schulz|Eva", "Müller|Jörg"};
    QTest::newRow("exact") << drei << "Schulz"
                           << "Eva" << 2;
    QTest::newRow("case of a-z") << drei << "SCHULZ"
                                 << "eva" << 2;
    QTest::newRow("surrounding blanks") << drei << "  Schulz "
                                        << "\tEva" << 2;
    QTest::newRow("umlaut case differs") << drei << "MÜLLER"
                                         << "JÖRG" << 0;
    QTest::newRow("umlaut same, a-z case differs") << drei << "MüLLER"
                                                   << "JöRG" << 3;
    QTest::newRow("first name differs") << drei << "Meier"
                                        << "Hansi" << 0;
    QTest::newRow("two alike: the first")
        << QStringList{"A|B", "Meier|Hans", "meier|hans"} << "Meier"
        << "Hans" << 2;
    QTest::newRow("long name as stored") << QStringList{langerText(60) + "|" + langerText(60, 'y')}
                                         << langerText(75) << langerText(61, 'y') << 1;
    QTest::newRow("long name, other tail still found")
        << QStringList{langerText(60) + "|Hans"} << langerText(60) + "abc"
        << "Hans" << 1;
    QTest::newRow("empty file") << QStringList{} << "Meier"
                                << "Hans" << 0;
}

void TestAdressdatei::pruefen()
{
    QFETCH(QStringList, datei);
    QFETCH(QString, name);
    QFETCH(QString, vorname);
    QFETCH(int, position);
    const AdressFund fund = adresse_pruefen(ausZeilen(datei), name, vorname);
    QCOMPARE(fund.gefunden, position > 0);
    if (fund.gefunden)
        QCOMPARE(fund.position, position);
}

void TestAdressdatei::zumListentextTakesTheLastMatch()
{
    TempDataFolder folder;
    QVERIFY(
        dateiAnlegen({"Meier|Hans|erste", "Schulz|Eva|x", "MEIER|hans|letzte", "Meier|Hansi|y"}));
    Adressbestand bestand;
    QVERIFY(bestand.laden());
    const std::optional<TAdressRec> treffer = bestand.zumListentext(QStringLiteral("Meier, Hans"));
    QVERIFY(treffer.has_value());
    QCOMPARE(treffer->Strasse.str(), QStringLiteral("letzte"));
    QVERIFY(!bestand.zumListentext(QStringLiteral("Niemand, Nie")).has_value());
}

QTEST_GUILESS_MAIN(TestAdressdatei)
#include "tst_adressdatei.moc"

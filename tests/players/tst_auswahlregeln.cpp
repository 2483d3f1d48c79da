#include "players/logic/auswahlregeln.h"

#include <QTest>
#include <algorithm>

namespace
{

// `eintrag` put into the sorted list one at a time, after every entry that does not sort after
// it: what the merge must give for each entry in turn.
void einzelnEinfuegen(QStringList& sortiert, const QString& eintrag)
{
    sortiert.insert(std::upper_bound(sortiert.cbegin(), sortiert.cend(), eintrag, auswahlVor),
                    eintrag);
}

} // namespace

class TestAuswahlregeln : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void limitAndHintPerTableCountAndMode_data();
    void limitAndHintPerTableCountAndMode();
    void noRuleWithoutTableCountOrMode_data();
    void noRuleWithoutTableCountOrMode();
    void captionNamesTheLimit();
    void participantText_data();
    void participantText();
    void sortedInsertIgnoresCaseAndKeepsDuplicates_data();
    void sortedInsertIgnoresCaseAndKeepsDuplicates();
    void mergeEqualsInsertingOneByOne_data();
    void mergeEqualsInsertingOneByOne();
};

void TestAuswahlregeln::limitAndHintPerTableCountAndMode_data()
{
    QTest::addColumn<int>("tische");
    QTest::addColumn<int>("modus");
    QTest::addColumn<int>("grenze");
    QTest::addColumn<QString>("hinweis");
    const char* texte[] = {
        "Für 2 Tische können 4 Spieler ausgewählt werden.",
        "Für 2 Tische können 8 Spieler ausgewählt werden.",
        "Für 3 Tische können 6 Spieler ausgewählt werden.",
        "Für 3 Tische können 12 Spieler ausgewählt werden.",
        "Für 4 Tische können 8 Spieler ausgewählt werden.",
        "Für 4 Tische können 16 Spieler ausgewählt werden.",
        "Für 5 Tische können 10 Spieler ausgewählt werden.",
        "Für 5 Tische können 20 Spieler ausgewählt werden.",
        "Für 6 Tische können 12 Spieler ausgewählt werden.",
        "Für 6 Tische können 24 Spieler ausgewählt werden.",
    };
    int i = 0;
    for (int tische = 2; tische <= 6; ++tische) {
        QTest::addRow("%d Tische einzeln", tische)
            << tische << 0 << tische * 2 << QString::fromUtf8(texte[i++]);
        QTest::addRow("%d Tische doppelt", tische)
            << tische << 1 << tische * 4 << QString::fromUtf8(texte[i++]);
    }
}

void TestAuswahlregeln::limitAndHintPerTableCountAndMode()
{
    QFETCH(int, tische);
    QFETCH(int, modus);
    QFETCH(int, grenze);
    QFETCH(QString, hinweis);
    const auto regel = auswahlRegel(tische, modus);
    QVERIFY(regel.has_value());
    QCOMPARE(regel->tische, tische);
    QCOMPARE(regel->grenze, grenze);
    QCOMPARE(regel->hinweis, hinweis);
}

void TestAuswahlregeln::noRuleWithoutTableCountOrMode_data()
{
    QTest::addColumn<int>("tische");
    QTest::addColumn<int>("modus");
    QTest::newRow("nothing chosen") << 0 << -1;
    QTest::newRow("table count only") << 3 << -1;
    QTest::newRow("mode only") << 0 << 1;
    QTest::newRow("one table") << 1 << 0;
    QTest::newRow("seven tables") << 7 << 1;
    QTest::newRow("unknown mode") << 2 << 2;
}

void TestAuswahlregeln::noRuleWithoutTableCountOrMode()
{
    QFETCH(int, tische);
    QFETCH(int, modus);
    QVERIFY(!auswahlRegel(tische, modus).has_value());
}

void TestAuswahlregeln::captionNamesTheLimit()
{
    QCOMPARE(auswahlGrenzueberschrift(12), QStringLiteral("Sie können nur 12 Spieler auswählen"));
    QCOMPARE(auswahlGrenzueberschrift(4), QStringLiteral("Sie können nur 4 Spieler auswählen"));
    QCOMPARE(auswahlStandardueberschrift(), QStringLiteral("Gruppen zusammenstellen"));
}

void TestAuswahlregeln::participantText_data()
{
    QTest::addColumn<QString>("vorname");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("text");
    QTest::newRow("both names") << "Hans"
                                << "Meier"
                                << "Hans Meier";
    QTest::newRow("surname with blanks around") << "Hans"
                                                << "  Meier \t"
                                                << "Hans Meier";
    QTest::newRow("first name with blanks around") << "  Hans "
                                                   << "Meier"
                                                   << "Hans  Meier";
    QTest::newRow("empty first name") << ""
                                      << "Meier"
                                      << "Meier";
    QTest::newRow("empty surname") << "Hans"
                                   << ""
                                   << "Hans";
    QTest::newRow("both empty") << ""
                                << ""
                                << "";
    QTest::newRow("control characters") << QStringLiteral("\x01"
                                                          "Eva")
                                        << QStringLiteral("Ott\r\n") << "Eva Ott";
    QTest::newRow("no-break space stays")
        << QStringLiteral("Eva\u00A0") << "Ott" << QStringLiteral("Eva\u00A0 Ott");
}

void TestAuswahlregeln::participantText()
{
    QFETCH(QString, vorname);
    QFETCH(QString, name);
    QFETCH(QString, text);
    QCOMPARE(auswahlTeilnehmertext(vorname, name), text);
}

void TestAuswahlregeln::sortedInsertIgnoresCaseAndKeepsDuplicates_data()
{
    QTest::addColumn<QStringList>("eingang");
    QTest::addColumn<QStringList>("sortiert");
    QTest::newRow("case ignored") << QStringList{"bernd", "Anna", "Carl", "anton"}
                                  << QStringList{"Anna", "anton", "bernd", "Carl"};
    QTest::newRow("duplicates kept")
        << QStringList{"Eva", "Bob", "Eva", "Bob"} << QStringList{"Bob", "Bob", "Eva", "Eva"};
    QTest::newRow("same but case keeps arrival order")
        << QStringList{"eva", "Eva", "EVA"} << QStringList{"eva", "Eva", "EVA"};
    QTest::newRow("umlaut next to its letter")
        << QStringList{"Zorn", "Ärmel", "Axt"} << QStringList{"Ärmel", "Axt", "Zorn"};
    QTest::newRow("empty entry first") << QStringList{"Bob", ""} << QStringList{"", "Bob"};
}

void TestAuswahlregeln::sortedInsertIgnoresCaseAndKeepsDuplicates()
{
    QFETCH(QStringList, eingang);
    QFETCH(QStringList, sortiert);
    QCOMPARE(auswahlEinsortieren({}, eingang).eintraege, sortiert);
    QStringList liste;
    for (const QString& eintrag : eingang)
        liste = auswahlEinsortieren(liste, {eintrag}).eintraege;
    QCOMPARE(liste, sortiert);
}

void TestAuswahlregeln::mergeEqualsInsertingOneByOne_data()
{
    QTest::addColumn<QStringList>("liste");
    QTest::addColumn<QStringList>("neu");
    QTest::newRow("into an empty list") << QStringList{} << QStringList{"eva", "Bob", "EVA"};
    QTest::newRow("nothing new") << QStringList{"Anna", "Bob"} << QStringList{};
    QTest::newRow("equal but case, on both sides")
        << QStringList{"anna", "eva", "Eva"} << QStringList{"EVA", "Anna", "eVa"};
    QTest::newRow("the same name twice on both sides")
        << QStringList{"Bob", "Bob", "Eva"} << QStringList{"Eva", "Bob", "Bob"};
    QTest::newRow("all before, all after")
        << QStringList{"Karl", "Lena"} << QStringList{"Zorn", "Axt", "Ärmel", "Zander"};
    QTest::newRow("interleaved with umlauts")
        << QStringList{"Ärmel", "Bär", "Öl", "Zorn"} << QStringList{"Axt", "Oma", "baer", "Über"};
}

// Moving k names at once must give exactly the list that k single insertions gave: the same
// order (equal names too), every entry once, and each earlier entry where `stellen` says.
void TestAuswahlregeln::mergeEqualsInsertingOneByOne()
{
    QFETCH(QStringList, liste);
    QFETCH(QStringList, neu);
    QStringList einzeln = liste;
    for (const QString& eintrag : neu)
        einzelnEinfuegen(einzeln, eintrag);

    const AuswahlMischung mischung = auswahlEinsortieren(liste, neu);
    QCOMPARE(mischung.eintraege, einzeln);
    QCOMPARE(mischung.stellen.size(), liste.size());
    for (qsizetype i = 0; i < liste.size(); ++i) {
        QCOMPARE(mischung.eintraege.at(mischung.stellen.at(i)), liste.at(i));
        if (i > 0)
            QVERIFY(mischung.stellen.at(i) > mischung.stellen.at(i - 1));
    }
}

QTEST_GUILESS_MAIN(TestAuswahlregeln)
#include "tst_auswahlregeln.moc"

#include "adress_testhilfe.h"
#include "draw/logic/auswahldatei.h"
#include "players/logic/auswahlpaar.h"

#include <QTest>

// The pair of selection files read back by "Auswahl laden": out of step after a save cut off
// between the two files, it never shows a player twice or loses one.
class TestAuswahlpaar : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void abgleich_data();
    void abgleich();
    void ladenAusDenDateien();
};

namespace
{
const QString kLang = QStringLiteral("Maximilian-Alexander Wolfgang von Hohenzollern-Sigmaringen");
// The long name as the selection file stores it: its first 50 bytes.
const QString kLangGespeichert = kLang.left(50);
} // namespace

void TestAuswahlpaar::abgleich_data()
{
    QTest::addColumn<QStringList>("links");
    QTest::addColumn<QStringList>("rechts");
    QTest::addColumn<QStringList>("teilnehmer");
    QTest::addColumn<QStringList>("linksErwartet");
    QTest::addColumn<QStringList>("rechtsErwartet");
    QTest::addColumn<bool>("neu");

    const QStringList abc = {"Anna A", "Bert B", "Carl C"};
    QTest::newRow("in step") << QStringList{"Anna A"} << QStringList{"Bert B", "Carl C"} << abc
                             << QStringList{"Anna A"} << QStringList{"Bert B", "Carl C"} << false;
    QTest::newRow("name in both: left rebuilt")
        << QStringList{"Anna A", "Bert B"} << QStringList{"Bert B", "Carl C"} << abc
        << QStringList{"Anna A"} << QStringList{"Bert B", "Carl C"} << true;
    QTest::newRow("participant in neither: left rebuilt")
        << QStringList{"Anna A"} << QStringList{"Bert B"} << abc << QStringList{"Anna A", "Carl C"}
        << QStringList{"Bert B"} << true;
    QTest::newRow("old left of an earlier evening")
        << abc << QStringList{} << QStringList{"Anna A", "Dora D"}
        << QStringList{"Anna A", "Dora D"} << QStringList{} << true;
    // Two participants of the same name may be on both sides.
    QTest::newRow("namesakes on both sides")
        << QStringList{"Anna A"} << QStringList{"Anna A"} << QStringList{"Anna A", "Anna A"}
        << QStringList{"Anna A"} << QStringList{"Anna A"} << false;
    QTest::newRow("one namesake twice picked")
        << QStringList{"Anna A"} << QStringList{"Anna A", "Anna A"}
        << QStringList{"Anna A", "Anna A"} << QStringList{} << QStringList{"Anna A", "Anna A"}
        << true;
    // A player deleted since the save stays where he was, as before.
    QTest::newRow("deleted participant kept")
        << QStringList{"Zora Z"} << QStringList{"Anna A"} << QStringList{"Anna A"}
        << QStringList{"Zora Z"} << QStringList{"Anna A"} << false;
    // The files hold the long name cut; the participant list has it whole.
    QTest::newRow("cut name in step")
        << QStringList{} << QStringList{kLangGespeichert} << QStringList{kLang} << QStringList{}
        << QStringList{kLangGespeichert} << false;
    QTest::newRow("cut name in both")
        << QStringList{kLangGespeichert, "Anna A"} << QStringList{kLangGespeichert}
        << QStringList{kLang, "Anna A"} << QStringList{"Anna A"} << QStringList{kLangGespeichert}
        << true;
    QTest::newRow("cut name in neither")
        << QStringList{"Anna A"} << QStringList{} << QStringList{kLang, "Anna A"}
        << QStringList{kLang, "Anna A"} << QStringList{} << true;
}

void TestAuswahlpaar::abgleich()
{
    QFETCH(QStringList, links);
    QFETCH(QStringList, rechts);
    QFETCH(QStringList, teilnehmer);
    QFETCH(QStringList, linksErwartet);
    QFETCH(QStringList, rechtsErwartet);
    QFETCH(bool, neu);
    const AuswahlPaar paar = auswahlPaarAbgleichen(links, rechts, teilnehmer);
    QCOMPARE(paar.links, linksErwartet);
    QCOMPARE(paar.rechts, rechtsErwartet);
    QCOMPARE(paar.neuAufgebaut, neu);
}

// A save cut off after the first file: the left file already new, the right one still old.
void TestAuswahlpaar::ladenAusDenDateien()
{
    TempDataFolder ordner;
    QVERIFY(platform::saveRecords(adressdateiPfad(),
                                  ausZeilen({"Alt|Anna", "Bunt|Bert", "Cord|Carl"})));
    QVERIFY(auswahlSchreiben(auswahldatei1(), {"Anna Alt"}));
    QVERIFY(auswahlSchreiben(auswahldatei2(), {"Anna Alt", "Bert Bunt"}));

    const AuswahlPaar paar = auswahlPaarLaden();
    QVERIFY(paar.neuAufgebaut);
    QCOMPARE(paar.rechts, (QStringList{"Anna Alt", "Bert Bunt"}));
    QCOMPARE(paar.links, QStringList{"Carl Cord"});

    // In step again after a whole save: both as stored.
    QVERIFY(auswahlSchreiben(auswahldatei1(), {"Carl Cord"}));
    const AuswahlPaar wieder = auswahlPaarLaden();
    QVERIFY(!wieder.neuAufgebaut);
    QCOMPARE(wieder.links, QStringList{"Carl Cord"});
}

QTEST_GUILESS_MAIN(TestAuswahlpaar)
#include "tst_auswahlpaar.moc"

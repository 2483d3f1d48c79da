// The evening of "Neue Partner": its file, the draw that continues it, the check box.
#include "auswahlhilfe.h"
#include "common/testsupport.h"
#include "core/base/optionen.h"
#include "draw/logic/auswahldatei.h"
#include "draw/logic/pool.h"
#include "draw/logic/spielabend.h"
#include "draw/logic/ziehung.h"
#include "draw/ui/ergebnisfenster.h"
#include "platform/base/random.h"

#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QPushButton>
#include <QSet>
#include <QTest>

namespace
{

void vorbereiten()
{
    Optionen = TOptionenRec{};
    optionenStandardwerte(Optionen);
    Optionen.Spielmodus = kDoppel;
    Auswahlanzahl = 0;
    Poolanzahl = 0;
    for (const Tischanzahl t : kTischanzahlen)
        tischRecordLeeren(t);
}

QDateTime um(int tag, int stunde, int minute)
{
    return QDateTime(QDate(2025, 3, tag), QTime(stunde, minute));
}

Runde runde(const QDateTime& zeit, const QStringList& tisch1)
{
    Runde r{zeit, kDoppel, Tischbelegung(2)};
    const Platz plaetze[] = {Platz::ObenLinks, Platz::ObenRechts, Platz::UntenLinks,
                             Platz::UntenRechts};
    for (int i = 0; i < tisch1.size(); ++i)
        r.belegung.setName(1, plaetze[i], tisch1[i]);
    return r;
}

QSet<QString> partnerpaare(const Tischbelegung& b)
{
    QSet<QString> paare;
    for (int t = 1; t <= b.tische(); ++t)
        for (const auto& [a, c] : {std::pair{Platz::ObenLinks, Platz::ObenRechts},
                                   std::pair{Platz::UntenLinks, Platz::UntenRechts}}) {
            QStringList p{b.name(t, a), b.name(t, c)};
            p.sort();
            paare.insert(p.join(QLatin1Char('+')));
        }
    return paare;
}

QCheckBox* neuePartnerBox(QWidget& fenster)
{
    return requireChild<QCheckBox>(&fenster, "CheckBox1");
}

} // namespace

class TestSpielabend : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void fileHoldsOptionAndRoundsInWindows1252();
    void missingOrUnreadableFileIsAnEmptyEvening();
    void damagedOrForeignContentIsSkipped_data();
    void damagedOrForeignContentIsSkipped();
    void ignoredContentIsToldOnceAndThenReplaced();
    void optionOffDrawsAsBeforeAndLeavesTheFileAlone();
    void eveningGoesOnPastMidnightAndEndsAfterTwelveHours();
    void roundsOfAnEarlierRunCountAndRepeatsAreTold();
    void newEveningForgetsTheRoundsAndKeepsTheOption();
    void checkBoxStoresTheOptionForEveryWindow();
    void checkBoxThatCannotBeStoredFallsBack();
};

void TestSpielabend::fileHoldsOptionAndRoundsInWindows1252()
{
    TempDataFolder folder;
    Spielabend abend;
    abend.neuePartner = true;
    abend.runden << runde(um(14, 19, 5), {"Jürgen", QString(60, QLatin1Char('x')), "C", "D"});
    Runde einzel{um(14, 19, 30), kEinzel, Tischbelegung(3)};
    einzel.belegung.setName(3, Platz::UntenMitte, QStringLiteral("Zoë"));
    abend.runden << einzel;
    QVERIFY(spielabendSpeichern(abend));

    const QByteArray bytes = readFileBytes(folder.file(QStringLiteral("Spielabend.txt")));
    QVERIFY(bytes.startsWith("Neue Partner=1\r\n2025-03-14 19:05:00\t2\tDoppel\tJ\xfcrgen\t\t"));
    QCOMPARE(bytes.count("\r\n"), 3);
    QCOMPARE(bytes.split('\n').at(1).count('\t'), 3 + 12 - 1);

    const platform::Read<Spielabend> gelesen = spielabendLesen();
    QVERIFY(gelesen.messages.isEmpty());
    QVERIFY(gelesen.value.neuePartner);
    QCOMPARE(gelesen.value.runden.size(), 2);
    const Runde& erste = gelesen.value.runden.at(0);
    QCOMPARE(erste.zeit, um(14, 19, 5));
    QCOMPARE(erste.spielmodus, kDoppel);
    QCOMPARE(erste.belegung.name(1, Platz::ObenLinks), QStringLiteral("Jürgen"));
    QCOMPARE(erste.belegung.name(1, Platz::ObenRechts), QString(50, QLatin1Char('x')));
    QCOMPARE(gelesen.value.runden.at(1).spielmodus, kEinzel);
    QCOMPARE(gelesen.value.runden.at(1).belegung.name(3, Platz::UntenMitte), QStringLiteral("Zoë"));
}

void TestSpielabend::missingOrUnreadableFileIsAnEmptyEvening()
{
    TempDataFolder folder;
    const platform::Read<Spielabend> fehlt = spielabendLesen();
    QVERIFY(fehlt.missing);
    QVERIFY(fehlt.file.ok);
    QVERIFY(fehlt.messages.isEmpty());
    QVERIFY(!fehlt.value.neuePartner);
    QVERIFY(fehlt.value.runden.isEmpty());

    QVERIFY(QDir(folder.path()).mkdir(QStringLiteral("Spielabend.txt")));
    const platform::Read<Spielabend> ordner = spielabendLesen();
    QVERIFY(!ordner.file.ok);
    QVERIFY(!ordner.missing);
    QCOMPARE(ordner.file.path, spielabendPfad());
    QVERIFY(!ordner.value.neuePartner);
    QVERIFY(ordner.value.runden.isEmpty());
    QCOMPARE(ordner.messages.size(), 1);
    QCOMPARE(ordner.messages.first().icon, platform::Icon::Error);
    QVERIFY(ordner.messages.first().text.contains(
        QStringLiteral("Die Runden des Abends werden nicht berücksichtigt.")));
}

void TestSpielabend::damagedOrForeignContentIsSkipped_data()
{
    const QByteArray gut =
        "2025-03-14 19:00:00\t2\tDoppel\tA\tB\tC\tD\tE\tF" + QByteArray(6, '\t') + "\r\n";
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<bool>("fremd");
    QTest::addColumn<int>("verworfen");
    QTest::addColumn<int>("runden");
    QTest::newRow("empty") << QByteArray() << false << 0 << 0;
    QTest::newRow("good, LF only")
        << QByteArray("Neue Partner=0\n") + QByteArray(gut).replace("\r", "") << false << 0 << 1;
    QTest::newRow("foreign first line") << "Emerald Light Slate\r\n" + gut << true << 0 << 0;
    QTest::newRow("binary") << QByteArray("\x00\xff\x01\n\n\x7f", 6) << true << 0 << 0;
    QTest::newRow("bad date") << "Neue Partner=1\r\n2025-02-30 19:00:00" + gut.mid(19) + gut
                              << false << 1 << 1;
    QTest::newRow("seven tables") << "Neue Partner=1\r\n" +
                                         QByteArray(gut).replace("\t2\t", "\t7\t")
                                  << false << 1 << 0;
    QTest::newRow("a field short")
        << "Neue Partner=1\r\n" + gut.left(gut.size() - 3) + "\r\n" + gut << false << 1 << 1;
    QTest::newRow("unknown mode") << "Neue Partner=1\r\n" +
                                         QByteArray(gut).replace("Doppel", "Triple")
                                  << false << 1 << 0;
    QTest::newRow("control character in a name")
        << "Neue Partner=1\r\n" + QByteArray(gut).replace("\tB\t", "\tB\x01\t") << false << 1 << 0;
    QTest::newRow("name longer than a slot")
        << "Neue Partner=1\r\n" +
               QByteArray(gut).replace("\tB\t", "\t" + QByteArray(51, 'b') + "\t")
        << false << 1 << 0;
    QTest::newRow("empty lines") << "Neue Partner=1\r\n\r\n" + gut + "\r\n" << false << 2 << 1;
}

void TestSpielabend::damagedOrForeignContentIsSkipped()
{
    QFETCH(QByteArray, bytes);
    QFETCH(bool, fremd);
    QFETCH(int, verworfen);
    QFETCH(int, runden);
    const Spielabendinhalt inhalt = spielabendAusBytes(bytes);
    QCOMPARE(inhalt.fremd, fremd);
    QCOMPARE(inhalt.verworfeneZeilen, verworfen);
    QCOMPARE(inhalt.abend.runden.size(), runden);
    QCOMPARE(spielabendInhaltMeldung(inhalt).isEmpty(), !fremd && verworfen == 0);
    if (fremd)
        QVERIFY(!inhalt.abend.neuePartner);
}

void TestSpielabend::ignoredContentIsToldOnceAndThenReplaced()
{
    TempDataFolder folder;
    MessageRecorder messages;
    const QString pfad = folder.file(QStringLiteral("Spielabend.txt"));
    QVERIFY(writeFileBytes(pfad, "Neue Partner=0\r\nkaputt\r\n"));
    const QList<platform::Message> erste = neuePartnerSetzen(true);
    QCOMPARE(erste.size(), 1);
    QVERIFY(erste.first().text.contains(QStringLiteral("1 beschädigte Zeile.")));
    QCOMPARE(readFileBytes(pfad), QByteArray("Neue Partner=1\r\n"));
    QVERIFY(neuePartnerSetzen(false).isEmpty());
    QVERIFY(!neuePartnerGespeichert());
}

// With the option off the draw is today's draw: same seating, same use of the generator, and
// the evening file is neither read into the draw nor written.
void TestSpielabend::optionOffDrawsAsBeforeAndLeavesTheFileAlone()
{
    TempDataFolder folder;
    MessageRecorder messages;
    vorbereiten();
    auswahlVon(8);
    platform::setRandSeed(2024);
    const Ziehungsergebnis ohneDatei = personen_zuweisen2t();
    const std::uint32_t nachher = platform::randSeed();
    QVERIFY(!QFile::exists(folder.file(QStringLiteral("Spielabend.txt"))));

    const QByteArray aus =
        "Neue Partner=0\r\n2025-03-14 19:00:00\t2\tDoppel" + QByteArray(12, '\t') + "\r\n";
    QVERIFY(writeFileBytes(folder.file(QStringLiteral("Spielabend.txt")), aus));
    platform::setRandSeed(2024);
    const Ziehungsergebnis mitDatei = personen_zuweisen2t();
    QCOMPARE(mitDatei.belegung, ohneDatei.belegung);
    QCOMPARE(platform::randSeed(), nachher);
    QVERIFY(!mitDatei.neuePartner);
    QCOMPARE(readFileBytes(folder.file(QStringLiteral("Spielabend.txt"))), aus);
    QVERIFY(messages.messages().isEmpty());
}

void TestSpielabend::eveningGoesOnPastMidnightAndEndsAfterTwelveHours()
{
    TempDataFolder folder;
    MessageRecorder messages;
    vorbereiten();
    auswahlVon(8);
    QVERIFY(neuePartnerSetzen(true).isEmpty());
    platform::setRandSeed(5);
    QSet<QString> paare;
    int runden = 0;
    for (const QDateTime& zeit : {um(14, 23, 10), um(14, 23, 40), um(15, 0, 20), um(15, 11, 0)}) {
        FixedClock uhr(zeit);
        const Ziehungsergebnis ergebnis = personen_zuweisen2t();
        QVERIFY(ergebnis.neuePartner);
        QCOMPARE(ergebnis.wiederholtePaare, 0);
        const QSet<QString> neu = partnerpaare(ergebnis.belegung);
        QVERIFY(!paare.intersects(neu));
        paare.unite(neu);
        QCOMPARE(spielabendLesen().value.runden.size(), ++runden);
    }
    // 12 hours and 1 minute after the last round: a new evening with one round.
    FixedClock spaeter(um(15, 23, 1));
    QVERIFY(personen_zuweisen2t().neuePartner);
    const Spielabend abend = spielabendLesen().value;
    QCOMPARE(abend.runden.size(), 1);
    QCOMPARE(abend.runden.first().zeit, um(15, 23, 1));
    QVERIFY(messages.messages().isEmpty());
}

// Four players on one table: the rounds written by an earlier run have used up all three
// pairings, so the draw repeats both pairs and says so.
void TestSpielabend::roundsOfAnEarlierRunCountAndRepeatsAreTold()
{
    TempDataFolder folder;
    MessageRecorder messages;
    vorbereiten();
    auswahlVon(4);
    const QString a = " " + spielerName(1), b = " " + spielerName(2), c = " " + spielerName(3),
                  d = " " + spielerName(4);
    Spielabend frueher;
    frueher.neuePartner = true;
    frueher.runden << runde(um(14, 19, 0), {a, b, c, d}) << runde(um(14, 19, 20), {a, c, b, d})
                   << runde(um(14, 19, 40), {a, d, b, c});
    QVERIFY(spielabendSpeichern(frueher));

    FixedClock uhr(um(14, 20, 0));
    platform::setRandSeed(77);
    const Ziehungsergebnis ergebnis = personen_zuweisen2t();
    QVERIFY(ergebnis.neuePartner);
    QCOMPARE(ergebnis.wiederholtePaare, 2);
    QCOMPARE(ergebnis.meldungen.size(), 1);
    QCOMPARE(ergebnis.meldungen.first().text,
             QStringLiteral("Neue Partner: Ohne Wiederholung ging es nicht mehr; 2 Paare spielen "
                            "heute nicht zum ersten Mal zusammen."));
    QCOMPARE(spielabendLesen().value.runden.size(), 4);
}

void TestSpielabend::newEveningForgetsTheRoundsAndKeepsTheOption()
{
    TempDataFolder folder;
    Spielabend abend;
    abend.neuePartner = true;
    abend.runden << runde(um(14, 19, 0), {"A", "B", "C", "D"});
    QVERIFY(spielabendSpeichern(abend));
    QVERIFY(neuenAbendBeginnen().isEmpty());
    const Spielabend danach = spielabendLesen().value;
    QVERIFY(danach.neuePartner);
    QVERIFY(danach.runden.isEmpty());
}

void TestSpielabend::checkBoxStoresTheOptionForEveryWindow()
{
    TempDataFolder folder;
    MessageRecorder messages;
    NonBlockingModals modals;
    TForm8 zwei;
    TForm7 drei;
    zwei.show();
    zwei.resize(1024, 738);
    QCheckBox* box = neuePartnerBox(zwei);
    QCOMPARE(box->text(), QStringLiteral("Neue Partner"));
    QCOMPARE(box->accessibleName(), QStringLiteral("Neue Partner"));
    QVERIFY(!box->isChecked());
    // Right of the three centred buttons on the smallest screen, in the bar, inside the window.
    const QRect loeschen = requireChild<QPushButton>(&zwei, "Button3")->geometry();
    QCOMPARE(box->parentWidget(), requireChild<QPushButton>(&zwei, "Button3")->parentWidget());
    QVERIFY(box->x() > loeschen.right());
    QVERIFY(box->geometry().right() < zwei.width());
    QVERIFY(box->geometry().intersects(QRect(0, loeschen.top(), zwei.width(), loeschen.height())));

    QTest::mouseClick(box, Qt::LeftButton, {}, QPoint(8, box->height() / 2));
    QVERIFY(box->isChecked());
    QVERIFY(neuePartnerGespeichert());
    drei.zeigen();
    QVERIFY(neuePartnerBox(drei)->isChecked());
    QTest::mouseClick(neuePartnerBox(drei), Qt::LeftButton, {},
                      QPoint(8, neuePartnerBox(drei)->height() / 2));
    QVERIFY(!neuePartnerGespeichert());
    QVERIFY(messages.messages().isEmpty());
}

void TestSpielabend::checkBoxThatCannotBeStoredFallsBack()
{
    TempDataFolder folder;
    MessageRecorder messages;
    QVERIFY(QDir(folder.path()).mkdir(QStringLiteral("Spielabend.txt")));
    TForm8 fenster;
    fenster.show();
    QCheckBox* box = neuePartnerBox(fenster);
    QTest::mouseClick(box, Qt::LeftButton, {}, QPoint(8, box->height() / 2));
    QVERIFY(!box->isChecked());
    QCOMPARE(messages.messages().size(), 1);
    QVERIFY(messages.lastText().contains(QStringLiteral("Spielabend.txt")));
}

QTEST_MAIN(TestSpielabend)
#include "tst_spielabend.moc"

// Selection files and the draw pool.
#include "common/testsupport.h"
#include "draw/logic/auswahldatei.h"
#include "draw/logic/pool.h"
#include "platform/base/datafolder.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTest>
#include <cerrno>

namespace
{

// One 153-byte record laid out by hand.
QByteArray record(const QByteArray& nummer, const QByteArray& name, const QByteArray& vorname)
{
    QByteArray b(153, '\0');
    auto put = [&b](int offset, const QByteArray& text) {
        b[offset] = char(text.size());
        for (int i = 0; i < text.size(); ++i)
            b[offset + 1 + i] = text[i];
    };
    put(0, nummer);
    put(51, name);
    put(102, vorname);
    return b;
}

QByteArray poolDatei()
{
    return readFileBytes(QDir::current().filePath(QStringLiteral("Str_list.txt")));
}

QStringList alleZeilen(const Poolzeilen& zeilen)
{
    QStringList alle;
    for (qsizetype i = 0; i < zeilen.size(); ++i)
        alle << zeilen.value(i);
    return alle;
}

} // namespace

class TestAuswahlPool : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void init()
    {
        Auswahlanzahl = 0;
        Poolanzahl = 0;
    }
    void writerFillsOnlyNameAndZeroesTheRest_data();
    void writerFillsOnlyNameAndZeroesTheRest();
    void emptySelectionWritesAnEmptyFile();
    void readerIgnoresPartialRecordAndDamagedLength();
    void selectionWriteFailureKeepsTheOldFile();
    void poolFromDialogSelection();
    void poolJoinsFirstNameAndName();
    void poolLineIsTheStoredTextWithControlsAsBlanks_data();
    void poolLineIsTheStoredTextWithControlsAsBlanks();
    void emptySelectionGivesEmptyPool();
    void missingSelectionKeepsOldPoolAndCounts();
    void poolThatCannotBeWrittenTellsAndKeepsCounts();
    void selectionThatCannotBeReadTellsAndKeepsPoolAndCounts();
    void poolLoaderAcceptsAllLineEnds();
    void missingPoolTellsTheUser();
};

void TestAuswahlPool::writerFillsOnlyNameAndZeroesTheRest_data()
{
    QTest::addColumn<QString>("eintrag");
    QTest::addColumn<QByteArray>("gespeichert");
    QTest::newRow("plain") << QStringLiteral("Meier, Hans") << QByteArray("Meier, Hans");
    QTest::newRow("umlauts in Windows-1252")
        << QStringLiteral("Müller, Jürgen") << QByteArray("M\xfcller, J\xfcrgen");
    const QString fuenfzig(50, QLatin1Char('x'));
    QTest::newRow("50 bytes fit") << fuenfzig << fuenfzig.toLatin1();
    QTest::newRow("51 bytes are cut") << fuenfzig + QLatin1Char('Z') << fuenfzig.toLatin1();
    QTest::newRow("empty") << QString() << QByteArray();
}

void TestAuswahlPool::writerFillsOnlyNameAndZeroesTheRest()
{
    QFETCH(QString, eintrag);
    QFETCH(QByteArray, gespeichert);
    TempDataFolder folder;
    MessageRecorder messages;
    QVERIFY(auswahlSchreiben(auswahldatei2(), {eintrag, QStringLiteral("B")}));
    const QByteArray bytes = readFileBytes(folder.file(QStringLiteral("aktuelle_Liste2.akt")));
    QCOMPARE(bytes, record({}, gespeichert, {}) + record({}, "B", {}));
    QCOMPARE(auswahlNamenLesen(auswahldatei2()),
             QStringList({QString::fromLatin1(gespeichert), QStringLiteral("B")}));
    QVERIFY(messages.texts().isEmpty());
}

void TestAuswahlPool::emptySelectionWritesAnEmptyFile()
{
    TempDataFolder folder;
    QVERIFY(writeFileBytes(auswahldatei1(), record({}, "alt", {})));
    QVERIFY(auswahlSchreiben(auswahldatei1(), {}));
    QVERIFY(QFile::exists(folder.file(QStringLiteral("aktuelle_Liste1.akt"))));
    QCOMPARE(readFileBytes(auswahldatei1()).size(), 0);
}

void TestAuswahlPool::readerIgnoresPartialRecordAndDamagedLength()
{
    TempDataFolder folder;
    QByteArray damaged = record("7", "Lang", "Vor");
    damaged[51] = char(200); // length byte beyond the capacity of 50
    QVERIFY(writeFileBytes(auswahldatei2(),
                           record("1", "Erster", {}) + damaged + QByteArray(100, 'q')));
    const QList<TAuswahlRec> records = auswahlLesen(auswahldatei2());
    QCOMPARE(records.size(), 2);
    QCOMPARE(records[0].Nummer.str(), QStringLiteral("1"));
    QCOMPARE(records[1].Name.str().size(), 50);
    QVERIFY(records[1].Name.str().startsWith(QStringLiteral("Lang")));
    QCOMPARE(records[1].Vorname.str(), QStringLiteral("Vor"));
}

void TestAuswahlPool::selectionWriteFailureKeepsTheOldFile()
{
    TempDataFolder folder;
    platform::setDataFolder(folder.file(QStringLiteral("fehlt")));
    const platform::WriteResult geschrieben =
        auswahlSchreiben(auswahldatei2(), {QStringLiteral("A")});
    QVERIFY(!geschrieben);
    QVERIFY(platform::fileErrorMessage(geschrieben)
                .contains(QStringLiteral("konnte nicht gespeichert werden")));
}

void TestAuswahlPool::poolFromDialogSelection()
{
    TempDataFolder folder;
    QVERIFY(auswahlSchreiben(auswahldatei2(), {QStringLiteral("Zander"), QStringLiteral("Ägidius"),
                                               QStringLiteral("Bauer")}));
    const platform::Read<std::int32_t> neu = StrList();
    QVERIFY(neu.found());
    QCOMPARE(neu.value, 3);
    QVERIFY(neu.messages.isEmpty());
    QCOMPARE(poolDatei(), QByteArray(" Zander\r\n \xc4gidius\r\n Bauer\r\n"));
    QCOMPARE(Auswahlanzahl, 3);
    QCOMPARE(Poolanzahl, 3);
    const platform::Read<Poolzeilen> zeilen = poolLaden();
    QVERIFY(zeilen.found());
    QVERIFY(zeilen.messages.isEmpty());
    QCOMPARE(alleZeilen(zeilen.value),
             QStringList({QStringLiteral(" Zander"), QStringLiteral(" Ägidius"),
                          QStringLiteral(" Bauer")}));
}

void TestAuswahlPool::poolJoinsFirstNameAndName()
{
    TempDataFolder folder;
    QVERIFY(writeFileBytes(auswahldatei2(), record("12", "Kicker", "Karl") + QByteArray(152, 'x')));
    const platform::Read<std::int32_t> neu = StrList();
    QVERIFY(neu.found());
    QCOMPARE(neu.value, 1);
    QCOMPARE(poolDatei(), QByteArray("Karl Kicker\r\n"));
    QCOMPARE(Auswahlanzahl, 1);
    QCOMPARE(Poolanzahl, 1);
}

void TestAuswahlPool::poolLineIsTheStoredTextWithControlsAsBlanks_data()
{
    QTest::addColumn<QByteArray>("name");
    QTest::addColumn<QByteArray>("vorname");
    QTest::addColumn<QByteArray>("zeile");
    QTest::newRow("umlaut and euro sign") << QByteArray("M\xfcller \x80") << QByteArray("J\xf6rg")
                                          << QByteArray("J\xf6rg M\xfcller \x80");
    QTest::newRow("CR LF is one blank, a lone CR or LF one each")
        << QByteArray("a\r\nb\rc\nd\n\re") << QByteArray("x\r") << QByteArray("x  a b c d  e");
    QTest::newRow("NUL, tab and DEL")
        << QByteArray("a\0b\tc\x7f", 6) << QByteArray() << QByteArray(" a b c ");
    QTest::newRow("the five unassigned bytes are controls, their neighbours are not")
        << QByteArray("\x81\x8d\x8f\x90\x9d|\x80\x8c\x9c\x9f\xa0") << QByteArray("\x8e")
        << QByteArray("\x8e      |\x80\x8c\x9c\x9f\xa0");
}

// A pool line is the record's Vorname, a blank and its Name, every byte as stored except the
// controls, which become blanks; beside the row's record, three records hold every byte from 1
// to 255.
void TestAuswahlPool::poolLineIsTheStoredTextWithControlsAsBlanks()
{
    QFETCH(QByteArray, name);
    QFETCH(QByteArray, vorname);
    QFETCH(QByteArray, zeile);
    TempDataFolder folder;
    QByteArray alleBytes;
    for (int b = 1; b < 256; ++b)
        alleBytes.append(char(b));
    QVERIFY(writeFileBytes(auswahldatei2(),
                           record("1", name, vorname) +
                               record("2", alleBytes.left(50), alleBytes.mid(50, 50)) +
                               record("3", alleBytes.mid(100, 50), alleBytes.mid(150, 50)) +
                               record("4", alleBytes.mid(200, 50), alleBytes.mid(250))));
    QVERIFY(StrList().found());
    // No CR stands right before an LF in 1 ... 255, so each control byte is one blank.
    QByteArray sauber = alleBytes;
    for (char& b : sauber) {
        const auto u = static_cast<unsigned char>(b);
        if (u < 0x20 || u == 0x7f || u == 0x81 || u == 0x8d || u == 0x8f || u == 0x90 || u == 0x9d)
            b = ' ';
    }
    QCOMPARE(poolDatei(), zeile + "\r\n" + sauber.mid(50, 50) + ' ' + sauber.left(50) + "\r\n" +
                              sauber.mid(150, 50) + ' ' + sauber.mid(100, 50) + "\r\n" +
                              sauber.mid(250) + ' ' + sauber.mid(200, 50) + "\r\n");
}

void TestAuswahlPool::emptySelectionGivesEmptyPool()
{
    TempDataFolder folder;
    QVERIFY(writeFileBytes(QStringLiteral("Str_list.txt"), " alt\r\n"));
    Auswahlanzahl = Poolanzahl = 5;
    QVERIFY(writeFileBytes(auswahldatei2(), {}));
    const platform::Read<std::int32_t> neu = StrList();
    QVERIFY(neu.found());
    QCOMPARE(neu.value, 0);
    QVERIFY(QFile::exists(QStringLiteral("Str_list.txt")));
    QCOMPARE(poolDatei().size(), 0);
    QCOMPARE(Auswahlanzahl, 0);
    QCOMPARE(Poolanzahl, 0);
}

void TestAuswahlPool::missingSelectionKeepsOldPoolAndCounts()
{
    TempDataFolder folder;
    QVERIFY(auswahlSchreiben(auswahldatei2(), {QStringLiteral("A"), QStringLiteral("B")}));
    QVERIFY(StrList().found());
    const QByteArray vorher = poolDatei();
    QVERIFY(QFile::remove(auswahldatei2()));
    const platform::Read<std::int32_t> keine = StrList();
    QVERIFY(keine.missing);
    QVERIFY(keine.file.ok);
    QVERIFY(keine.messages.isEmpty());
    QCOMPARE(poolDatei(), vorher);
    QCOMPARE(Auswahlanzahl, 2);
    QCOMPARE(Poolanzahl, 2);
}

void TestAuswahlPool::poolThatCannotBeWrittenTellsAndKeepsCounts()
{
    TempDataFolder folder;
    QVERIFY(QDir(folder.path()).mkdir(QStringLiteral("Str_list.txt"))); // a folder in its way
    QVERIFY(auswahlSchreiben(auswahldatei2(), {QStringLiteral("A")}));
    const platform::Read<std::int32_t> neu = StrList();
    QVERIFY(!neu.file.ok);
    QVERIFY(!neu.missing);
    QCOMPARE(neu.file.action, platform::FileAction::Write);
    QCOMPARE(QFileInfo(neu.file.path).fileName(), QStringLiteral("Str_list.txt"));
    QCOMPARE(Auswahlanzahl, 0);
    QCOMPARE(Poolanzahl, 0);
    const QList<platform::Message>& meldungen = neu.messages;
    QCOMPARE(meldungen.size(), 1);
    QVERIFY(meldungen.last().text.contains(QStringLiteral("Str_list.txt")));
    QVERIFY(meldungen.last().text.contains(QStringLiteral("konnte nicht gespeichert werden")));
    QVERIFY(meldungen.last().text.endsWith(QStringLiteral("\nEs wurden keine Spieler ausgelost.")));
}

void TestAuswahlPool::selectionThatCannotBeReadTellsAndKeepsPoolAndCounts()
{
    TempDataFolder folder;
    QVERIFY(auswahlSchreiben(auswahldatei2(), {QStringLiteral("A"), QStringLiteral("B")}));
    QVERIFY(StrList().found());
    const QByteArray vorher = poolDatei();
    QVERIFY(QFile::remove(auswahldatei2()));
    QVERIFY(QDir().mkpath(auswahldatei2() + QStringLiteral("/inhalt"))); // a folder in its place
    const platform::Read<std::int32_t> neu = StrList();
    QVERIFY(!neu.file.ok);
    QVERIFY(!neu.missing);
    QCOMPARE(neu.file.action, platform::FileAction::Read);
    QCOMPARE(neu.file.path, auswahldatei2());
    QCOMPARE(poolDatei(), vorher);
    QCOMPARE(Auswahlanzahl, 2);
    QCOMPARE(Poolanzahl, 2);
    const QList<platform::Message>& meldungen = neu.messages;
    QCOMPARE(meldungen.size(), 1);
    QVERIFY(meldungen.last().text.contains(
        QStringLiteral("aktuelle_Liste2.akt\" konnte nicht gelesen werden.\nGrund: ")));
}

void TestAuswahlPool::poolLoaderAcceptsAllLineEnds()
{
    TempDataFolder folder;
    QVERIFY(writeFileBytes(QStringLiteral("Str_list.txt"), " A\r\n B\n C\r\r D"));
    const platform::Read<Poolzeilen> pool = poolLaden();
    QVERIFY(pool.found());
    const Poolzeilen& zeilen = pool.value;
    // Asking past the last line gives an empty text, as an empty seat needs.
    QCOMPARE(zeilen.value(5), QString());
    QCOMPARE(zeilen.value(-1), QString());
    QCOMPARE(alleZeilen(zeilen),
             QStringList({QStringLiteral(" A"), QStringLiteral(" B"), QStringLiteral(" C"),
                          QString(), QStringLiteral(" D")}));
}

void TestAuswahlPool::missingPoolTellsTheUser()
{
    TempDataFolder folder;
    const platform::Read<Poolzeilen> pool = poolLaden();
    QVERIFY(!pool.file.ok);
    QCOMPARE(pool.file.errorCode, ENOENT);
    QCOMPARE(pool.value.size(), 0);
    const QList<platform::Message>& meldungen = pool.messages;
    QCOMPARE(meldungen.size(), 1);
    QVERIFY(meldungen.last().text.startsWith(QStringLiteral("Die Datei \"")));
    QVERIFY(meldungen.last().text.contains(
        QStringLiteral("Str_list.txt\" konnte nicht gelesen werden.")));
    // The organiser learns what to do: no selection has been saved yet.
    QVERIFY(meldungen.last().text.endsWith(QStringLiteral(
        "Es wurden keine Spieler ausgelost.\n"
        "Bitte zuerst die Spieler auswählen und mit \"Auswahl speichern\" übernehmen.")));
}

QTEST_GUILESS_MAIN(TestAuswahlPool)
#include "tst_auswahl_pool.moc"

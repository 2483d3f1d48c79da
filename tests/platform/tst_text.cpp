#include "platform/base/cp1252.h"
#include "platform/base/shortstring.h"

#include <QTest>
#include <cstring>

using platform::fromCp1252;
using platform::ShortString;
using platform::toCp1252;

class TestText : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void encode_data();
    void encode();
    void roundTripOfEveryByte();
    void shortStringCutsAndZeroes();
    void shortStringDamagedLengthByte();
    void shortStringKeepsOnlySignificantBytes();
};

void TestText::encode_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QByteArray>("bytes");
    QTest::newRow("ascii") << QStringLiteral("Meier, Hans") << QByteArray("Meier, Hans");
    QTest::newRow("umlauts") << QStringLiteral("Jürgen Öztürk Ärger")
                             << QByteArray("J\xFCrgen \xD6zt\xFCrk \xC4rger");
    QTest::newRow("sharp s") << QStringLiteral("Straße")
                             << QByteArray("Stra\xDF"
                                           "e");
    QTest::newRow("euro sign") << QStringLiteral("5 €") << QByteArray("5 \x80");
    QTest::newRow("typographic quotes")
        << QStringLiteral("„Kicker“ – Œuvre") << QByteArray("\x84Kicker\x93 \x96 \x8Cuvre");
    QTest::newRow("not in code page") << QStringLiteral("Łukasz 漢") << QByteArray("?ukasz ?");
    QTest::newRow("outside the BMP is one ?") << QString::fromUtf8("a\xF0\x9F\x98\x80"
                                                                   "b")
                                              << QByteArray("a?b");
}

void TestText::encode()
{
    QFETCH(QString, text);
    QFETCH(QByteArray, bytes);
    QCOMPARE(toCp1252(text), bytes);
    if (!bytes.contains('?'))
        QCOMPARE(fromCp1252(bytes), text);
}

void TestText::roundTripOfEveryByte()
{
    QByteArray all;
    for (int b = 0; b < 256; ++b)
        all.append(static_cast<char>(b));
    QCOMPARE(toCp1252(fromCp1252(all)), all);
}

void TestText::shortStringCutsAndZeroes()
{
    ShortString<20> field;
    std::memset(static_cast<void*>(&field), 0x55, sizeof field); // stale bytes from earlier use
    field.set(QStringLiteral("Ein sehr langer Schriftname"));
    QCOMPARE(int(field.length), 20);
    QCOMPARE(field.str(), QStringLiteral("Ein sehr langer Schr"));

    field.set(QStringLiteral("Arial"));
    QCOMPARE(int(field.length), 5);
    QCOMPARE(field.str(), QStringLiteral("Arial"));
    for (int i = 5; i < 20; ++i)
        QCOMPARE(int(field.text[i]), 0);

    ShortString<5> euro;
    euro.set(QStringLiteral("€uro!x"));
    QCOMPARE(euro.bytes(), QByteArray("\x80uro!"));
}

void TestText::shortStringDamagedLengthByte()
{
    // Record bytes as a damaged file could hold them: a length of 200 in a 20-byte field,
    // followed by bytes that belong to the next field.
    struct {
        ShortString<20> field;
        char next[200];
    } rec;
    rec.field.length = 200;
    std::memset(rec.field.text, 'A', 20);
    std::memset(rec.next, 'B', sizeof rec.next);
    QCOMPARE(rec.field.usedLength(), 20);
    QCOMPARE(rec.field.str(), QString(20, QLatin1Char('A')));
}

void TestText::shortStringKeepsOnlySignificantBytes()
{
    ShortString<10> field;
    std::memcpy(field.text, "Hanswurst!", 10);
    field.length = 4;
    QCOMPARE(field.str(), QStringLiteral("Hans"));
    QVERIFY(!field.isEmpty());
    field.clear();
    QVERIFY(field.isEmpty());
    QCOMPARE(QByteArray(field.text, 10), QByteArray(10, '\0'));
}

QTEST_GUILESS_MAIN(TestText)
#include "tst_text.moc"

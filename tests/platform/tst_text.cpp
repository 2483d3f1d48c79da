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
    void oneLineAtEveryPlace_data();
    void oneLineAtEveryPlace();
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

void TestText::oneLineAtEveryPlace_data()
{
    QTest::addColumn<QString>("odd");
    QTest::newRow("LF") << QStringLiteral("\n");
    QTest::newRow("CR") << QStringLiteral("\r");
    QTest::newRow("CR LF") << QStringLiteral("\r\n");
    QTest::newRow("tab") << QStringLiteral("\t");
    QTest::newRow("NUL") << QString(QChar(0));
    QTest::newRow("DEL") << QString(QChar(0x7F));
    QTest::newRow("umlaut") << QStringLiteral("ü");
    QTest::newRow("euro sign") << QStringLiteral("€");
    QTest::newRow("not in code page") << QStringLiteral("Ł");
    QTest::newRow("outside the BMP") << QString::fromUtf8("\xF0\x9F\x98\x80");
}

// A character that needs a second look, at every place of a longer ASCII text, written as
// one line (also by the inline writer): the same bytes as writing each character on its own.
void TestText::oneLineAtEveryPlace()
{
    QFETCH(QString, odd);
    const QString ascii = QStringLiteral("Meier, Hans-Peter 12345 Ort");
    for (qsizetype at = 0; at <= ascii.size(); ++at) {
        const QString text = ascii.left(at) + odd + ascii.mid(at);
        QByteArray expected;
        for (qsizetype i = 0; i < text.size(); ++i) {
            const QChar ch = text.at(i);
            if (ch == QLatin1Char('\r') || ch == QLatin1Char('\n')) {
                expected += '\xAF';
                if (ch == QLatin1Char('\r') && text.mid(i + 1, 1) == QLatin1String("\n"))
                    ++i;
            } else if (ch.isHighSurrogate()) {
                expected += '?';
                ++i;
            } else {
                expected += toCp1252(QString(ch));
            }
        }
        QByteArray written(text.size(), '\0');
        const char* end = platform::writeCp1252Line(written.data(), text, '\xAF');
        written.truncate(end - written.constData());
        QCOMPARE(written, expected);
        QByteArray quick(text.size(), '\0');
        quick.truncate(platform::writeCp1252LineQuick(quick.data(), text, '\xAF') -
                       quick.constData());
        QCOMPARE(quick, expected);
        QCOMPARE(toCp1252(text),
                 toCp1252(ascii.left(at)) + toCp1252(odd) + toCp1252(ascii.mid(at)));
    }
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

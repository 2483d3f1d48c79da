#include "platform/base/textlines.h"

#include <QRandomGenerator>
#include <QTest>

using platform::cp1252Lines;

namespace
{

// The lines as the simplest reading sees them, letters only, so decoding changes nothing.
QStringList simpleLines(const QByteArray& bytes)
{
    QStringList lines;
    qsizetype start = 0;
    for (qsizetype i = 0; i < bytes.size(); ++i) {
        if (bytes[i] != '\n' && bytes[i] != '\r')
            continue;
        lines.append(QString::fromLatin1(bytes.mid(start, i - start)));
        if (bytes[i] == '\r' && i + 1 < bytes.size() && bytes[i + 1] == '\n')
            ++i;
        start = i + 1;
    }
    if (start < bytes.size())
        lines.append(QString::fromLatin1(bytes.mid(start)));
    return lines;
}

// Lines of 0 to 12 letters, with the line ends given.
QByteArray someText(quint32 seed, int lines, const QList<QByteArray>& ends)
{
    QRandomGenerator random(seed);
    QByteArray text;
    for (int k = 0; k < lines; ++k) {
        const int length = int(random.bounded(13));
        for (int i = 0; i < length; ++i)
            text += char('a' + random.bounded(26));
        text += ends[int(random.bounded(qsizetype(ends.size())))];
    }
    return text;
}

} // namespace

class TestTextLines : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void linesEndAtLfCrLfAndLoneCr_data();
    void linesEndAtLfCrLfAndLoneCr();
    void manyLinesFollowTheSimplestReading_data();
    void manyLinesFollowTheSimplestReading();
};

void TestTextLines::linesEndAtLfCrLfAndLoneCr_data()
{
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<QStringList>("lines");
    QTest::newRow("empty") << QByteArray() << QStringList();
    QTest::newRow("one line without end") << QByteArray("abc") << QStringList({"abc"});
    QTest::newRow("one line end only") << QByteArray("\r\n") << QStringList({""});
    QTest::newRow("empty lines") << QByteArray("\n\n\n") << QStringList({"", "", ""});
    QTest::newRow("LF, CR LF, lone CR")
        << QByteArray(" A\r\n B\n C\r\r D") << QStringList({" A", " B", " C", "", " D"});
    QTest::newRow("lone CR at the end") << QByteArray("a\nb\r") << QStringList({"a", "b"});
    QTest::newRow("CR LF at the end") << QByteArray("a\r\nb\r\n") << QStringList({"a", "b"});
    QTest::newRow("LF CR is two line ends") << QByteArray("a\n\rb") << QStringList({"a", "", "b"});
    QTest::newRow("CR CR LF") << QByteArray("a\r\r\nb") << QStringList({"a", "", "b"});
    QTest::newRow("Windows-1252 letters")
        << QByteArray("M\xfcller \x80\r\n\x8a\xe9") << QStringList({"Müller €", "Šé"});
    QTest::newRow("other control bytes stay") << QByteArray("a\tb\x0b\x0c"
                                                            "c\n")
                                              << QStringList({"a\tb\x0b\x0c"
                                                              "c"});
}

void TestTextLines::linesEndAtLfCrLfAndLoneCr()
{
    QFETCH(QByteArray, text);
    QFETCH(QStringList, lines);
    QCOMPARE(cp1252Lines(text), lines);
}

void TestTextLines::manyLinesFollowTheSimplestReading_data()
{
    QTest::addColumn<QByteArray>("text");
    QTest::newRow("LF only") << someText(1, 300, {"\n"});
    QTest::newRow("mixed ends") << someText(3, 300, {"\n", "\n", "\r\n", "\r"});
    QTest::newRow("no line end at the very end") << someText(5, 50, {"\n", "\r"}) + "tail";
}

void TestTextLines::manyLinesFollowTheSimplestReading()
{
    QFETCH(QByteArray, text);
    const QStringList lines = cp1252Lines(text);
    QCOMPARE(lines, simpleLines(text));
    QVERIFY(lines.size() >= 50);
}

QTEST_GUILESS_MAIN(TestTextLines)
#include "tst_textlines.moc"

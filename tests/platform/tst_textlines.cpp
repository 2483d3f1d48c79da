#include "platform/base/textlines.h"

#include <QRandomGenerator>
#include <QTest>
#include <vector>

using platform::lineAt;
using platform::walkLines;

namespace
{

// The lines as the simplest reading sees them: their starts, and where each ends.
struct Line {
    qsizetype start;
    qsizetype length;
    qsizetype next;
};

std::vector<Line> simpleLines(const QByteArray& bytes, qsizetype from)
{
    std::vector<Line> lines;
    qsizetype start = from;
    for (qsizetype i = from; i < bytes.size(); ++i) {
        if (bytes[i] != '\n' && bytes[i] != '\r')
            continue;
        qsizetype next = i + 1;
        if (bytes[i] == '\r' && next < bytes.size() && bytes[next] == '\n')
            ++next;
        lines.push_back({start, i - start, next});
        start = next;
        i = next - 1;
    }
    if (start < bytes.size())
        lines.push_back({start, bytes.size() - start, bytes.size()});
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
    void walkKeepsEveryNthStart_data();
    void walkKeepsEveryNthStart();
    void walkStopsAfterTheWantedLines();
    void lineAtGivesLengthAndNext();
};

void TestTextLines::walkKeepsEveryNthStart_data()
{
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<qsizetype>("from");
    QTest::addColumn<qsizetype>("every");

    const QList<QByteArray> lf{"\n"};
    const QList<QByteArray> mixed{"\n", "\n", "\r\n", "\r"};
    QTest::newRow("empty") << QByteArray() << qsizetype(0) << qsizetype(1);
    QTest::newRow("one line without end") << QByteArray("abc") << qsizetype(0) << qsizetype(1);
    QTest::newRow("empty lines") << QByteArray("\n\n\n") << qsizetype(0) << qsizetype(2);
    QTest::newRow("lone CR at the end") << QByteArray("a\nb\r") << qsizetype(0) << qsizetype(1);
    QTest::newRow("CR LF at the end") << QByteArray("a\r\nb\r\n") << qsizetype(0) << qsizetype(1);
    QTest::newRow("from inside") << QByteArray("abc\ndef\nghi") << qsizetype(2) << qsizetype(1);
    QTest::newRow("from the end") << QByteArray("abc\n") << qsizetype(4) << qsizetype(1);
    for (qsizetype every : {1, 5}) {
        QTest::addRow("LF only, every %lld", static_cast<long long>(every))
            << someText(1, 300, lf) << qsizetype(0) << every;
        QTest::addRow("mixed ends from byte 17, every %lld", static_cast<long long>(every))
            << someText(3, 300, mixed) << qsizetype(17) << every;
    }
    QTest::newRow("no line end at the very end")
        << someText(5, 50, lf) + "tail" << qsizetype(0) << qsizetype(5);
}

void TestTextLines::walkKeepsEveryNthStart()
{
    QFETCH(QByteArray, text);
    QFETCH(qsizetype, from);
    QFETCH(qsizetype, every);
    const std::vector<Line> lines = simpleLines(text, from);

    std::vector<quint32> starts{7}; // what was there before stays
    const platform::LineWalk walk = walkLines(text, from, 1 << 30, every, starts);
    QCOMPARE(walk.lines, qsizetype(lines.size()));
    QCOMPARE(walk.end, text.size() > from ? text.size() : from);
    std::vector<quint32> wanted{7};
    for (size_t k = 0; k < lines.size(); k += size_t(every))
        wanted.push_back(quint32(lines[k].start));
    QCOMPARE(starts, wanted);
}

void TestTextLines::walkStopsAfterTheWantedLines()
{
    const QByteArray text = someText(6, 200, {"\n", "\r\n"});
    const std::vector<Line> lines = simpleLines(text, 0);
    for (qsizetype wanted : {1, 2, 11, 199, 200}) {
        std::vector<quint32> starts;
        const platform::LineWalk walk = walkLines(text, 0, wanted, 10, starts);
        QCOMPARE(walk.lines, wanted);
        QCOMPARE(walk.end, lines[size_t(wanted - 1)].next);
        QCOMPARE(starts.size(), size_t((wanted + 9) / 10));
        QCOMPARE(qsizetype(starts.back()), lines[size_t((wanted - 1) / 10 * 10)].start);
    }
    std::vector<quint32> none;
    QCOMPARE(walkLines(text, 0, 0, 1, none).lines, qsizetype(0));
    QVERIFY(none.empty());
}

void TestTextLines::lineAtGivesLengthAndNext()
{
    const QByteArray text = someText(7, 300, {"\n", "\r\n", "\r"}) + "end";
    for (const Line& line : simpleLines(text, 0)) {
        const platform::LineSpan span = lineAt(text, line.start);
        QCOMPARE(span.length, line.length);
        QCOMPARE(span.next, line.next);
    }
    QCOMPARE(lineAt(text, text.size()).length, qsizetype(0));
    QCOMPARE(lineAt(text, text.size()).next, text.size());
}

QTEST_GUILESS_MAIN(TestTextLines)
#include "tst_textlines.moc"

#include "platform/base/random.h"

#include <QTest>

class TestRandom : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void firstValuesForAFixedSeed();
    void wrapsModulo2To32();
    void zeroRangeStillAdvances();
    void rangeIsRespected();
    void aRunContinuesTheSameSequence();
};

// s1 = 1 * 134775813 + 1 = 134775814;  134775814 * 100 / 2^32 = 3.13...  -> 3
// s2 = 134775814 * 134775813 + 1 mod 2^32 = 3698175007;  * 100 / 2^32 = 86.1... -> 86
// s3 = 3698175007 * 134775813 + 1 mod 2^32 = 870078620;  * 6 / 2^32 = 1.2... -> 1
void TestRandom::firstValuesForAFixedSeed()
{
    platform::setRandSeed(1);
    QCOMPARE(platform::random(100), 3);
    QCOMPARE(platform::randSeed(), 134775814u);
    QCOMPARE(platform::random(100), 86);
    QCOMPARE(platform::randSeed(), 3698175007u);
    QCOMPARE(platform::random(6), 1);
    QCOMPARE(platform::randSeed(), 870078620u);
}

// s = 0xFFFFFFFF: s * 134775813 + 1 = -134775812 mod 2^32 = 4160191484; * 10 / 2^32 -> 9
void TestRandom::wrapsModulo2To32()
{
    platform::setRandSeed(0xFFFFFFFFu);
    QCOMPARE(platform::random(10), 9);
    QCOMPARE(platform::randSeed(), 4160191484u);
}

void TestRandom::zeroRangeStillAdvances()
{
    platform::setRandSeed(0);
    QCOMPARE(platform::random(0), 0);
    QCOMPARE(platform::randSeed(), 1u);
}

void TestRandom::rangeIsRespected()
{
    platform::setRandSeed(12345);
    QList<int> seen(7, 0);
    for (int i = 0; i < 7000; ++i) {
        const int x = platform::random(7);
        QVERIFY(x >= 0 && x < 7);
        ++seen[x];
    }
    for (int count : seen)
        QVERIFY2(count > 800 && count < 1200, "every value comes up about equally often");
}

// A run draws the same numbers as random() (negative and zero ranges included) without
// touching the generator; its state handed over, the next random() continues the sequence.
void TestRandom::aRunContinuesTheSameSequence()
{
    const QList<int> bereiche{100, 100, 6, 0, -3, 1, 7, 100000};
    platform::setRandSeed(1);
    QList<int> einzeln;
    for (int n : bereiche)
        einzeln << platform::random(n);
    const int danach = platform::random(1000);

    platform::setRandSeed(77);
    platform::RandomRun lauf(1);
    QList<int> imLauf;
    for (int n : bereiche)
        imLauf << lauf.random(n);
    QCOMPARE(imLauf, einzeln);
    QCOMPARE(imLauf.mid(0, 3), QList<int>({3, 86, 1}));
    QCOMPARE(platform::randSeed(), 77u);
    platform::setRandSeed(lauf.seed());
    QCOMPARE(platform::random(1000), danach);
}

QTEST_GUILESS_MAIN(TestRandom)
#include "tst_random.moc"

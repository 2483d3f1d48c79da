#include "platform/ui/placement.h"

#include <QTest>

class TestPlacement : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void dialogPosition_data();
    void dialogPosition();
};

void TestPlacement::dialogPosition_data()
{
    QTest::addColumn<QRect>("screen");
    QTest::addColumn<QRect>("workArea");
    QTest::addColumn<QSize>("size");
    QTest::addColumn<QPoint>("expected");
    // (1366 - 680) / 2 = 343; (768 - 392) / 2 + 50 = 238
    QTest::newRow("laptop") << QRect(0, 0, 1366, 768) << QRect(0, 0, 1366, 728) << QSize(680, 392)
                            << QPoint(343, 238);
    // (1920 - 640) / 2 = 640; (1080 - 560) / 2 + 50 = 310
    QTest::newRow("full hd") << QRect(0, 0, 1920, 1080) << QRect(0, 0, 1920, 1040)
                             << QSize(640, 560) << QPoint(640, 310);
    // (600 - 500) / 2 + 50 = 100 would end at 600 below a work area ending at 560: lifted to 60
    QTest::newRow("low screen is lifted")
        << QRect(0, 0, 800, 600) << QRect(0, 0, 800, 560) << QSize(400, 500) << QPoint(200, 60);
    // taller than the work area: the top stays on the screen
    QTest::newRow("never above the screen")
        << QRect(0, 0, 800, 600) << QRect(0, 40, 800, 560) << QSize(400, 700) << QPoint(200, 0);
    // a second screen to the right of the first
    QTest::newRow("second screen") << QRect(1920, 0, 1280, 1024) << QRect(1920, 0, 1280, 1024)
                                   << QSize(480, 478) << QPoint(2320, 323);
}

void TestPlacement::dialogPosition()
{
    QFETCH(QRect, screen);
    QFETCH(QRect, workArea);
    QFETCH(QSize, size);
    QFETCH(QPoint, expected);
    QCOMPARE(platform::dialogPosition(screen, workArea, size), expected);
}

QTEST_GUILESS_MAIN(TestPlacement)
#include "tst_placement.moc"

#include "app/bilder.h"
#include "draw/ui/tischbild.h"

#include <QSvgRenderer>
#include <QTest>
#include <algorithm>
#include <cstdlib>

// The pictures travel inside the program file; each must be there and be a valid drawing.
class TestBilder : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void pictureIsBuiltIn_data();
    void pictureIsBuiltIn();
    void unknownPictureIsEmpty();
    void picturesDrawnAheadMatchTheirSvg_data();
    void picturesDrawnAheadMatchTheirSvg();
    void otherPixelRatiosAreDrawn();
    void tablePictureIsBuiltIn();
};

void TestBilder::pictureIsBuiltIn_data()
{
    QTest::addColumn<QString>("name");
    for (const char* name :
         {"erfassen", "auswahl", "anwesend", "tische2", "tische3", "tische4", "tische5", "tische6",
          "backup", "farben", "beenden", "tischfussball", "zorbel-master"})
        QTest::newRow(name) << QString::fromLatin1(name);
}

void TestBilder::pictureIsBuiltIn()
{
    QFETCH(QString, name);
    const QByteArray svg = bildSvg(name);
    QVERIFY(!svg.isEmpty());
    QSvgRenderer renderer(svg);
    QVERIFY(renderer.isValid());
    const QPixmap pixmap = bildPixmap(name, QSize(32, 32));
    QCOMPARE(pixmap.size(), QSize(32, 32));
    QVERIFY(!pixmap.toImage().allGray()); // drawn in colour, not an empty square
}

void TestBilder::unknownPictureIsEmpty()
{
    QVERIFY(bildSvg(QStringLiteral("gibt-es-nicht")).isEmpty());
}

// The stored pictures are what the SVG gives today (a changed SVG needs tools/pictures-ahead.sh);
// a little room for another Qt version's rounding of the edges.
void TestBilder::picturesDrawnAheadMatchTheirSvg_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QSize>("groesse");
    QTest::addColumn<qreal>("faktor");
    for (const Bildgroesse& bild : kVorgezeichneteBilder)
        for (const qreal faktor : kVorgezeichneteFaktoren)
            QTest::addRow("%s %dx%d @%g", bild.name, bild.groesse.width(), bild.groesse.height(),
                          faktor)
                << QString::fromLatin1(bild.name) << bild.groesse << faktor;
}

void TestBilder::picturesDrawnAheadMatchTheirSvg()
{
    QFETCH(QString, name);
    QFETCH(QSize, groesse);
    QFETCH(qreal, faktor);
    const QSize pixel = groesse * faktor;
    const QImage gespeichert =
        vorgezeichnetesBildLesen(name, pixel).convertToFormat(QImage::Format_ARGB32);
    QVERIFY2(!gespeichert.isNull(), "tools/pictures-ahead.sh makes it");
    const QImage gezeichnet =
        bildZeichnen(name, groesse, faktor).convertToFormat(QImage::Format_ARGB32);
    QCOMPARE(gespeichert.size(), pixel);
    int abweichung = 0;
    for (int y = 0; y < pixel.height(); ++y) {
        const auto* a = reinterpret_cast<const uchar*>(gespeichert.constScanLine(y));
        const auto* b = reinterpret_cast<const uchar*>(gezeichnet.constScanLine(y));
        for (int i = 0; i < pixel.width() * 4; ++i)
            abweichung = std::max(abweichung, std::abs(int(a[i]) - int(b[i])));
    }
    QVERIFY2(abweichung <= 3, qPrintable(QString::number(abweichung)));

    const QImage genommen = bildImage(name, groesse, faktor);
    QCOMPARE(genommen.devicePixelRatio(), faktor);
    QImage erwartet = gespeichert;
    erwartet.setDevicePixelRatio(faktor);
    QCOMPARE(genommen.convertToFormat(QImage::Format_ARGB32), erwartet);
}

void TestBilder::otherPixelRatiosAreDrawn()
{
    const QImage genommen = bildImage(kHauptbild, kHauptbildGroesse, 1.5);
    QCOMPARE(genommen.size(), QSize(890, 650));
    QCOMPARE(genommen.devicePixelRatio(), 1.5);
    QCOMPARE(genommen, bildZeichnen(kHauptbild, kHauptbildGroesse, 1.5));
    QVERIFY(!genommen.allGray());
}

void TestBilder::tablePictureIsBuiltIn()
{
    QSvgRenderer renderer(Tischbild::svg());
    QVERIFY(renderer.isValid());
    QCOMPARE(renderer.defaultSize(), QSize(300, 180));
}

QTEST_MAIN(TestBilder)
#include "tst_bilder.moc"

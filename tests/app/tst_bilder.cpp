#include "app/bilder.h"
#include "draw/ui/tischbild.h"

#include <QSvgRenderer>
#include <QTest>

// The pictures travel inside the program file; each must be there and be a valid drawing.
class TestBilder : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void pictureIsBuiltIn_data();
    void pictureIsBuiltIn();
    void unknownPictureIsEmpty();
    void pictureIsDrawnAtTheSizeUsed_data();
    void pictureIsDrawnAtTheSizeUsed();
    void toolBarIconIsDrawn();
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

// Each picture at the size the windows show it, for screens of pixel ratio 1, 1.5 and 2: as
// many pixels as the ratio asks for, known to be for that ratio, and drawn, not left empty.
void TestBilder::pictureIsDrawnAtTheSizeUsed_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QSize>("groesse");
    QTest::addColumn<qreal>("faktor");
    QTest::addColumn<QSize>("pixel");
    struct Fall {
        const char* zeile;
        const char* name;
        QSize groesse;
        qreal faktor;
        QSize pixel;
    };
    const Fall faelle[] = {
        {"main picture @1", "tischfussball", kHauptbildGroesse, 1.0, {593, 433}},
        {"main picture @1.5", "tischfussball", kHauptbildGroesse, 1.5, {890, 650}},
        {"main picture @2", "tischfussball", kHauptbildGroesse, 2.0, {1186, 866}},
        {"tool-bar icon @1", "tische4", kIconGroesse, 1.0, {32, 32}},
        {"tool-bar icon @1.5", "tische4", kIconGroesse, 1.5, {48, 48}},
        {"tool-bar icon @2", "tische4", kIconGroesse, 2.0, {64, 64}},
        {"further programs @1", "zorbel-master", {40, 40}, 1.0, {40, 40}},
        {"further programs @2", "zorbel-master", {40, 40}, 2.0, {80, 80}},
    };
    for (const Fall& fall : faelle)
        QTest::newRow(fall.zeile) << QString::fromLatin1(fall.name) << fall.groesse << fall.faktor
                                  << fall.pixel;
}

void TestBilder::pictureIsDrawnAtTheSizeUsed()
{
    QFETCH(QString, name);
    QFETCH(QSize, groesse);
    QFETCH(qreal, faktor);
    QFETCH(QSize, pixel);
    const QImage bild = bildImage(name, groesse, faktor);
    QCOMPARE(bild.size(), pixel);
    QCOMPARE(bild.devicePixelRatio(), faktor);
    QVERIFY(!bild.allGray());
    // Not blank in the middle: the drawing fills its square, not a corner of it.
    QVERIFY(qAlpha(bild.pixel(pixel.width() / 2, pixel.height() / 2)) > 0);
}

// The icon the tool bar and the window title show, at the tool bar's size.
void TestBilder::toolBarIconIsDrawn()
{
    const QIcon icon = bildIcon(QStringLiteral("beenden"));
    QVERIFY(!icon.isNull());
    const QImage bild = icon.pixmap(kIconGroesse).toImage();
    QCOMPARE(bild.size(), kIconGroesse * bildschirmfaktor());
    QVERIFY(!bild.allGray());
}

void TestBilder::tablePictureIsBuiltIn()
{
    QSvgRenderer renderer(Tischbild::svg());
    QVERIFY(renderer.isValid());
    QCOMPARE(renderer.defaultSize(), QSize(300, 180));
}

QTEST_MAIN(TestBilder)
#include "tst_bilder.moc"

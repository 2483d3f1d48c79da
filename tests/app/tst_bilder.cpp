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

void TestBilder::tablePictureIsBuiltIn()
{
    QSvgRenderer renderer(Tischbild::svg());
    QVERIFY(renderer.isValid());
    QCOMPARE(renderer.defaultSize(), QSize(300, 180));
}

QTEST_MAIN(TestBilder)
#include "tst_bilder.moc"

#include "printing/logic/tischseite.h"

#include "platform/base/savefile.h"
#include "printing/logic/adressliste.h"

#include <QBuffer>
#include <QFontMetrics>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <algorithm>

namespace
{

constexpr int kSeitenrand = 48;  // half an inch
constexpr int kKopfAbstand = 24; // between the parts of the header
constexpr int kUnterKopf = 18;   // between the header line and the tables

QFont seitenschrift(int pixel, bool fett)
{
    QFont schrift;
    schrift.setFamilies({QStringLiteral("DejaVu Sans"), QStringLiteral("Liberation Sans"),
                         QStringLiteral("Arial")});
    schrift.setPixelSize(pixel);
    schrift.setBold(fett);
    return schrift;
}

QFont titelschrift()
{
    return seitenschrift(pixelgroesse(26), true);
}

QFont kopfschrift()
{
    return seitenschrift(pixelgroesse(16), false);
}

int kopfUnten()
{
    return kSeitenrand + QFontMetrics(titelschrift()).height() + 6;
}

// Title on the left; the number of tables, the kind of games and the date on the right, all
// on one base line.
void kopfZeichnen(QPainter& painter, int seitenBreite, int tische, bool doppel, const QDate& datum)
{
    const QFontMetrics titel(titelschrift());
    const int grundlinie = kSeitenrand + titel.ascent();
    painter.setFont(titelschrift());
    painter.drawText(QPoint(kSeitenrand, grundlinie), kTischbelegungTitel);

    painter.setFont(kopfschrift());
    const QFontMetrics kopf(kopfschrift());
    int rechts = seitenBreite - kSeitenrand;
    for (const QString& text : {datum.toString(QStringLiteral("dd.MM.yyyy")), spielartText(doppel),
                                tischanzahlText(tische)}) {
        const int breite = kopf.horizontalAdvance(text);
        painter.drawText(QPoint(rechts - breite, grundlinie), text);
        rechts -= breite + kKopfAbstand;
    }
    painter.setPen(QPen(Qt::black, 2));
    painter.drawLine(kSeitenrand, kopfUnten(), seitenBreite - kSeitenrand, kopfUnten());
}

void tischZeichnen(QPainter& painter, const TischFeld& tisch)
{
    painter.setPen(QPen(Qt::black, 2));
    painter.setBrush(Qt::white);
    painter.drawRect(tisch.tisch);
    painter.setPen(QPen(Qt::black, 1, Qt::DashLine));
    const int mitte = tisch.tisch.center().x();
    painter.drawLine(mitte, tisch.tisch.top() + 4, mitte, tisch.tisch.bottom() - 4);

    const QString text = QStringLiteral("Tisch %1").arg(tisch.nummer);
    QFont schrift = seitenschrift(
        std::clamp(tisch.tisch.height() * 2 / 5, 8, pixelgroesse(kGroessteNamensPunkte)), true);
    const QFontMetrics fm(schrift);
    // A narrow table keeps its number inside the outline.
    if (fm.horizontalAdvance(text) > tisch.tisch.width() - 8)
        schrift.setPixelSize(std::max(6, schrift.pixelSize() * (tisch.tisch.width() - 8) /
                                             std::max(1, fm.horizontalAdvance(text))));
    const QFontMetrics passend(schrift);
    painter.setFont(schrift);
    painter.setPen(Qt::black);
    // On a white plate, so that the centre line does not run through the number.
    const QRect platte(tisch.tisch.center().x() - passend.horizontalAdvance(text) / 2 - 4,
                       tisch.tisch.center().y() - passend.height() / 2,
                       passend.horizontalAdvance(text) + 8, passend.height());
    painter.fillRect(platte, Qt::white);
    painter.drawText(QPoint(platte.left() + 4, platte.top() + passend.ascent()), text);
}

void namenZeichnen(QPainter& painter, const NamensFeld& feld, const QFont& schrift, int zeile,
                   int innenRand)
{
    const QFontMetrics fm(schrift);
    painter.setFont(schrift);
    painter.setPen(Qt::black);
    for (int i = 0; i < feld.zeilen.size(); ++i) {
        const QString text = feld.zeilen.at(i).trimmed();
        const int breite = fm.horizontalAdvance(text);
        int x = feld.feld.left() + innenRand;
        if (feld.ausrichtung & Qt::AlignRight)
            x = feld.feld.left() + feld.feld.width() - innenRand - breite;
        else if (feld.ausrichtung & Qt::AlignHCenter)
            x = feld.feld.left() + (feld.feld.width() - breite) / 2;
        painter.drawText(QPoint(x, feld.feld.top() + i * zeile + fm.ascent()), text);
    }
}

} // namespace

QString tischbelegungDateiname(const QDate& datum)
{
    return kTischbelegungTitel + QLatin1Char('_') + datum.toString(QStringLiteral("dd_MM_yyyy")) +
           QStringLiteral(".pdf");
}

QString tischanzahlText(int tische)
{
    return QStringLiteral("%1 Tische").arg(tische);
}

QRect tischflaeche(QSize seite)
{
    const int oben = kopfUnten() + kUnterKopf;
    return {kSeitenrand, oben, seite.width() - 2 * kSeitenrand,
            seite.height() - kSeitenrand - oben};
}

Anordnungswunsch tischseitenWunsch()
{
    Anordnungswunsch wunsch;
    wunsch.namensSchrift = seitenschrift(pixelgroesse(kGroessteNamensPunkte), true);
    wunsch.groesstePixel = pixelgroesse(kGroessteNamensPunkte);
    wunsch.kleinstePixel = pixelgroesse(kKleinsteNamensPunkte);
    wunsch.titelSchrift = wunsch.namensSchrift;
    wunsch.titel = false; // the number stands inside the outline
    wunsch.innenRand = 2;
    wunsch.abstand = 10;
    return wunsch;
}

Tischanordnung tischseiteZeichnen(Seitenziel& ziel, const Tischbelegung& belegung, bool doppel,
                                  const QDate& datum)
{
    ziel.Clear();
    const QSize seite(ziel.PageWidth(), ziel.PageHeight());
    const Anordnungswunsch wunsch = tischseitenWunsch();
    const Tischanordnung anordnung = tischeAnordnen(belegung, tischflaeche(seite), wunsch);

    QPainter& painter = *ziel.BeginPage();
    painter.fillRect(QRect(QPoint(0, 0), seite), Qt::white);
    painter.setPen(Qt::black);
    kopfZeichnen(painter, seite.width(), belegung.tische(), doppel, datum);
    for (const TischFeld& tisch : anordnung.tische)
        tischZeichnen(painter, tisch);
    QFont schrift = wunsch.namensSchrift;
    schrift.setPixelSize(anordnung.namensPixel);
    for (const NamensFeld& feld : anordnung.namen)
        namenZeichnen(painter, feld, schrift, anordnung.zeilenhoehe, wunsch.innenRand);
    ziel.EndPage();
    return anordnung;
}

PdfSchreibung seitenAlsPdf(const Seitenstapel& seiten, const QString& pfad, const QString& titel)
{
    PdfSchreibung ergebnis;
    QByteArray inhalt;
    {
        QBuffer puffer(&inhalt);
        puffer.open(QIODevice::WriteOnly);
        QPdfWriter schreiber(&puffer);
        schreiber.setTitle(titel);
        schreiber.setCreator(QStringLiteral("Zorbel-Master"));
        schreiber.setPageLayout(
            QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Landscape, QMarginsF(0, 0, 0, 0)));
        ergebnis.druck = seitenDrucken(schreiber, seiten, 0, seiten.PageCount() - 1);
    }
    if (ergebnis.druck != DruckUrsache::Gedruckt)
        return ergebnis;
    ergebnis.datei = platform::writeFileAtomic(pfad, inhalt);
    return ergebnis;
}

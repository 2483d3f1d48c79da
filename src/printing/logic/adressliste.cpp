#include "printing/logic/adressliste.h"

#include "core/base/optionen.h"
#include "printing/logic/seiten.h"

#include <QFontMetrics>
#include <QPainter>
#include <QPicture>
#include <algorithm>

namespace
{

// The full name of the font picked in this run; the settings hold it cut to 20 bytes.
QString& gewaehlteSchrift()
{
    static QString name;
    return name;
}

constexpr int kSpaltenabstand = 4; // free space before the next column
const QColor kBandfarbe(233, 231, 224);

QString erstelltText()
{
    return QStringLiteral("Erstellt am:");
}

QString seitenText(int seite)
{
    return QStringLiteral("Seite ") + QString::number(seite);
}

// Draws `text` with its top-left corner at (x, y), cut with "…" so that it ends before
// `rechts`.
void textZeichnen(QPainter& painter, const QFontMetrics& fm, int x, int y, int rechts,
                  const QString& text)
{
    const int platz = rechts - x;
    if (text.isEmpty() || platz <= 0)
        return;
    const QString gezeigt =
        fm.horizontalAdvance(text) <= platz ? text : fm.elidedText(text, Qt::ElideRight, platz);
    painter.drawText(QPoint(x, y + fm.ascent()), gezeigt);
}

// The right end of column i: where the next column starts, the last one ends where the first
// one begins, seen from the right edge of the page.
template <size_t N>
int spaltenende(const std::array<int, N>& spalten, size_t i, const Seitenziel& ziel)
{
    if (i + 1 < N)
        return ziel.MarginLeft() + spalten[i + 1] - kSpaltenabstand;
    return ziel.PageWidth() - (ziel.MarginLeft() + spalten[0]);
}

} // namespace

int druckgroesse()
{
    const int gespeichert = Optionen.DruckGroesse;
    if (gespeichert <= 0)
        return kStandardDruckgroesse;
    return std::min(gespeichert, kGroessteDruckgroesse);
}

int pixelgroesse(int punkte)
{
    return std::max(1, int(std::lround(punkte * 96.0 / 72.0)));
}

QString druckschriftAufloesen(const QString& gespeichert, const QStringList& installiert)
{
    if (gespeichert.isEmpty() || installiert.contains(gespeichert, Qt::CaseInsensitive))
        return gespeichert;
    platform::ShortString<20> feld;
    if (platform::toCp1252(gespeichert).size() != feld.capacity)
        return gespeichert;
    QStringList passend;
    for (const QString& name : installiert)
        if (name.startsWith(gespeichert, Qt::CaseInsensitive))
            passend.append(name);
    if (passend.isEmpty())
        return gespeichert;
    std::sort(passend.begin(), passend.end(), [](const QString& a, const QString& b) {
        return QString::compare(a, b, Qt::CaseInsensitive) < 0;
    });
    return passend.first();
}

QString druckschriftName(const QStringList& installiert)
{
    const QString& voll = gewaehlteSchrift();
    if (!voll.isEmpty()) {
        platform::ShortString<20> feld;
        feld.set(voll);
        if (feld.bytes() == Optionen.DruckSchrift.bytes())
            return voll;
    }
    return druckschriftAufloesen(Optionen.DruckSchrift.str(), installiert);
}

void druckschriftMerken(const QString& name)
{
    Optionen.DruckSchrift.set(name);
    gewaehlteSchrift() = name;
}

QFont Druckschrift::titel() const
{
    QFont schrift = Druckschrift{familie, punkte + 3}.normal();
    schrift.setBold(true);
    return schrift;
}

QFont Druckschrift::normal() const
{
    QFont schrift;
    if (!familie.isEmpty())
        schrift.setFamily(familie);
    schrift.setPixelSize(pixelgroesse(punkte));
    // Unhinted outlines measure alike on screen, in the recording and on paper.
    schrift.setHintingPreference(QFont::PreferNoHinting);
    return schrift;
}

QStringList adresslisteUeberschriften()
{
    return {QStringLiteral("Name"),  QStringLiteral("Vorname"), QStringLiteral("Strasse"),
            QStringLiteral("Ort"),   QStringLiteral("Telefon"), QStringLiteral("Fax"),
            QStringLiteral("Mobil"), QStringLiteral("E-Mail")};
}

Kopflayout kopflayout(const Seitenziel& ziel, const Druckschrift& schrift, const QDate& datum,
                      int seite)
{
    QPicture messflaeche; // measures as the recorded pages do
    const QFontMetrics normal(schrift.normal(), &messflaeche);
    const int links = ziel.MarginLeft();
    const int oben = ziel.MarginTop();
    const int breite = ziel.PageWidth();
    const int leer = normal.horizontalAdvance(QLatin1Char(' '));
    const int hoehe = normal.height();

    Kopflayout k;
    k.titelschrift = schrift.titel();
    // A title wider than the page is made smaller until it fits between the left positions.
    const int titelPlatz = breite - 2 * (links - 88);
    for (int w = QFontMetrics(k.titelschrift, &messflaeche).horizontalAdvance(kAdresslistenTitel);
         w > titelPlatz && k.titelschrift.pixelSize() > 1;
         w = QFontMetrics(k.titelschrift, &messflaeche).horizontalAdvance(kAdresslistenTitel))
        k.titelschrift.setPixelSize(
            std::max(1, std::min(k.titelschrift.pixelSize() - 1,
                                 k.titelschrift.pixelSize() * titelPlatz / w)));
    const QFontMetrics titel(k.titelschrift, &messflaeche);
    k.H = titel.height();
    k.zeilenabstand = std::max(k.H, hoehe);
    k.titelX = (breite - titel.horizontalAdvance(kAdresslistenTitel)) / 2;
    k.titelY = oben - 70;

    const int zeileY = std::max(oben - 41, k.titelY + k.H);
    k.erstelltX = links - 88;
    k.erstelltY = zeileY;
    const int datumBreite = normal.horizontalAdvance(datum.toString(QStringLiteral("dd.MM.yyyy")));
    k.datumX = std::max(links - 6, k.erstelltX + normal.horizontalAdvance(erstelltText()) + leer);
    k.datumY = zeileY;
    if (k.datumX + datumBreite > breite) {
        k.datumX = k.erstelltX;
        k.datumY += hoehe;
    }
    const int datumEnde = k.datumX + datumBreite + leer;
    const int seiteBreite = normal.horizontalAdvance(seitenText(seite));
    k.seiteX = std::max(links + 624, datumEnde);
    k.seiteY = k.datumY;
    if (k.seiteX + seiteBreite > breite) {
        k.seiteX = std::max(0, breite - seiteBreite);
        if (k.seiteX < datumEnde)
            k.seiteY += hoehe;
    }

    k.bandOben = std::max(oben - 21, std::max(k.datumY, k.seiteY) + hoehe + 1);
    k.ueberschriftY = std::max(k.titelY + k.H + 40, k.bandOben + 1);
    k.bandUnten = std::max(oben + 9, k.ueberschriftY + hoehe + 1);
    k.listeY = std::max(k.ueberschriftY + 10, k.bandUnten - k.zeilenabstand);
    return k;
}

QStringList adresszeileTexte(const TAdressRec& adresse)
{
    return {adresse.Name.str().trimmed(), adresse.Vorname.str(), adresse.Strasse.str(),
            adresse.PlzOrt.str(),         adresse.Telefon.str(), adresse.Fax.str(),
            adresse.Mobil.str(),          adresse.Email.str()};
}

int zeilenProSeite(const Seitenziel& ziel, const Kopflayout& kopf)
{
    const int unten = ziel.PageHeight() - ziel.MarginBottom();
    return std::max(1, (unten - kopf.listeY) / std::max(kopf.zeilenabstand, 1) - 1);
}

Kopflayout kopf_zeile_drucken_adressen(QPainter& painter, const Seitenziel& ziel,
                                       const Druckschrift& schrift, const QDate& datum, int seite)
{
    const Kopflayout k = kopflayout(ziel, schrift, datum, seite);
    const int breite = ziel.PageWidth();
    painter.setPen(Qt::black);

    painter.setFont(k.titelschrift);
    painter.drawText(QPoint(k.titelX, k.titelY + painter.fontMetrics().ascent()),
                     kAdresslistenTitel);

    painter.setFont(schrift.normal());
    const QFontMetrics fm = painter.fontMetrics();
    textZeichnen(painter, fm, k.erstelltX, k.erstelltY, breite, erstelltText());
    textZeichnen(painter, fm, k.datumX, k.datumY, breite,
                 datum.toString(QStringLiteral("dd.MM.yyyy")));
    textZeichnen(painter, fm, k.seiteX, k.seiteY, breite, seitenText(seite));

    painter.setBrush(kBandfarbe);
    painter.setPen(QPen(Qt::black, 1));
    painter.drawRect(QRectF(0.5, k.bandOben + 0.5, breite - 1, k.bandUnten - k.bandOben - 1));

    const QStringList ueberschriften = adresslisteUeberschriften();
    for (size_t i = 0; i < kUeberschriftspalten.size(); ++i)
        textZeichnen(painter, fm, ziel.MarginLeft() + kUeberschriftspalten[i], k.ueberschriftY,
                     spaltenende(kUeberschriftspalten, i, ziel), ueberschriften.at(qsizetype(i)));
    painter.setBrush(Qt::white);
    return k;
}

void drucken_adressen(Seitenziel& ziel, const QList<TAdressRec>& adressen,
                      const Druckschrift& schrift, const QDate& datum)
{
    ziel.Clear();
    std::array<int, 8> links{};
    std::array<int, 8> rechts{};
    for (size_t i = 0; i < links.size(); ++i) {
        links[i] = ziel.MarginLeft() + kZeilenspalten[i];
        rechts[i] = spaltenende(kZeilenspalten, i, ziel);
    }

    int seite = 1;
    QPainter* painter = ziel.BeginPage();
    Kopflayout kopf = kopf_zeile_drucken_adressen(*painter, ziel, schrift, datum, seite);
    int proSeite = zeilenProSeite(ziel, kopf);
    int y = kopf.listeY;
    QFontMetrics fm = painter->fontMetrics();
    int aufDerSeite = 0;
    for (const TAdressRec& adresse : adressen) {
        if (aufDerSeite == proSeite) {
            ziel.EndPage();
            painter = ziel.BeginPage();
            kopf = kopf_zeile_drucken_adressen(*painter, ziel, schrift, datum, ++seite);
            proSeite = zeilenProSeite(ziel, kopf);
            y = kopf.listeY;
            fm = painter->fontMetrics();
            aufDerSeite = 0;
        }
        y += kopf.zeilenabstand;
        const QStringList texte = adresszeileTexte(adresse);
        for (size_t i = 0; i < links.size(); ++i)
            textZeichnen(*painter, fm, links[i], y, rechts[i], texte.at(qsizetype(i)));
        ++aufDerSeite;
    }
    ziel.EndPage();
}

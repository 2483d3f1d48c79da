#include "draw/ui/ergebnisfenster.h"

#include "appearance/logic/lesbarkeit.h"
#include "core/base/optionen.h"
#include "core/base/programm.h"
#include "core/ui/hauptfensterdienste.h"
#include "draw/logic/spielabend.h"
#include "draw/logic/tischanordnung.h"
#include "draw/logic/ziehung.h"
#include "draw/ui/tischbild.h"
#include "platform/ui/messages.h"
#include "platform/ui/modal.h"
#include "platform/ui/placement.h"

#include <QCheckBox>
#include <QFrame>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QPainter>
#include <QPointer>
#include <QPushButton>
#include <QResizeEvent>
#include <QScreen>
#include <QShortcut>
#include <algorithm>
#include <cmath>

namespace
{

constexpr int kPanelBreite = 300;
constexpr int kPanelHoehe = 180;
constexpr int kButtonBreite = 110;
// The design positions are laid out for a client area of about this size.
constexpr int kEntwurfBreite = 1100;
constexpr int kEntwurfHoehe = 655;
// How far the pictures grow on a work area larger than the design.
constexpr qreal kGroesstesWachstum = 1.6;
constexpr int kRand = 12;
constexpr int kPlakettenRand = 6;   // inner margin of a name plate
constexpr int kGruppenAbstand = 10; // between the three buttons and the commands beside them
constexpr int kLeistenRand = 8;     // at either end of the bar

// Below this share of the design area the pictures shrink with the window (small screens such
// as 1024 x 600), so that the name rows of neighbouring tables keep clear of each other.
constexpr qreal kKnapp = 0.92;
constexpr int kKleinsteNamen = 10;

qreal bildFaktor(qreal platz)
{
    if (platz >= 1.0)
        return std::min(platz, kGroesstesWachstum);
    return platz >= kKnapp ? 1.0 : platz / kKnapp;
}

const char* const kOrte[] = {"oben links",  "oben Mitte",  "oben rechts",
                             "unten links", "unten Mitte", "unten rechts"};

// ---- the five window designs ------------------------------------------------------------

constexpr TischEntwurf kForm8[] = {
    {"Panel3",
     "Image1",
     {"Label1", "Label11", "Label2", "Label3", "Label12", "Label4"},
     "Label9",
     187,
     200},
    {"Panel4",
     "Image2",
     {"Label5", "Label13", "Label6", "Label7", "Label14", "Label8"},
     "Label10",
     563,
     200},
};

constexpr TischEntwurf kForm7[] = {
    {"Panel8",
     "Image4",
     {"Label19", "Label1", "Label18", "Label20", "Label2", "Label17"},
     "Label11",
     195,
     110},
    {"Panel9",
     "Image5",
     {"Label16", "Label3", "Label15", "Label14", "Label4", "Label13"},
     "Label12",
     525,
     110},
    {"Panel12",
     "Image9",
     {"Label31", "Label5", "Label32", "Label33", "Label6", "Label34"},
     "Label35",
     350,
     426},
};

constexpr TischEntwurf kForm5[] = {
    {"Panel11",
     "Image7",
     {"Label22", "Label1", "Label23", "Label21", "Label2", "Label24"},
     nullptr,
     206,
     78},
    {"Panel10",
     "Image1",
     {"Label25", "Label3", "Label26", "Label27", "Label4", "Label28"},
     nullptr,
     592,
     78},
    {"Panel13",
     "Image10",
     {"Label44", "Label5", "Label43", "Label45", "Label6", "Label42"},
     nullptr,
     203,
     388},
    {"Panel14",
     "Image11",
     {"Label41", "Label7", "Label40", "Label39", "Label8", "Label38"},
     nullptr,
     592,
     388},
};

constexpr TischEntwurf kForm55[] = {
    {"Panel11",
     "Image7",
     {"Label22", "Label1", "Label23", "Label21", "Label2", "Label24"},
     "Label30",
     30,
     78},
    {"Panel10",
     "Image6",
     {"Label25", "Label3", "Label26", "Label27", "Label4", "Label28"},
     "Label29",
     360,
     78},
    {"Panel13",
     "Image10",
     {"Label44", "Label5", "Label43", "Label45", "Label6", "Label42"},
     "Label37",
     678,
     76},
    {"Panel14",
     "Image11",
     {"Label41", "Label7", "Label40", "Label39", "Label8", "Label38"},
     "Label36",
     182,
     388},
    {"Panel2",
     "Image1",
     {"Label12", "Label14", "Label11", "Label13", "Label15", "Label10"},
     "Label9",
     542,
     388},
};

constexpr TischEntwurf kForm66[] = {
    {"Panel11",
     "Image7",
     {"Label22", "Label1", "Label23", "Label21", "Label2", "Label24"},
     "Label30",
     30,
     78},
    {"Panel10",
     "Image6",
     {"Label25", "Label3", "Label26", "Label27", "Label4", "Label28"},
     "Label29",
     358,
     78},
    {"Panel13",
     "Image10",
     {"Label44", "Label5", "Label43", "Label45", "Label6", "Label42"},
     "Label37",
     690,
     76},
    {"Panel14",
     "Image11",
     {"Label41", "Label7", "Label40", "Label39", "Label8", "Label38"},
     "Label36",
     30,
     388},
    {"Panel2",
     "Image1",
     {"Label12", "Label14", "Label11", "Label13", "Label15", "Label10"},
     "Label9",
     358,
     388},
    {"Panel3",
     "Image2",
     {"Label20", "Label31", "Label19", "Label18", "Label32", "Label17"},
     "Label16",
     690,
     388},
};

const FensterEntwurf kEntwurf8{"TForm8", 2,    "Spieler für 2 Tische auswählen", kForm8, 12,
                               45,       false};
const FensterEntwurf kEntwurf7{"TForm7", 3,    "Spieler für 3 Tische auswählen", kForm7, 12,
                               45,       false};
const FensterEntwurf kEntwurf5{"TForm5", 4, "Spieler für 4 Tische auswählen", kForm5, 19, 50, true};
const FensterEntwurf kEntwurf55{"TForm55", 5,    "Spieler für 5 Tische auswählen", kForm55, 12,
                                45,        false};
const FensterEntwurf kEntwurf66{"TForm66", 6,    "Spieler für 6 Tische auswählen", kForm66, 12,
                                45,        false};

QFont namensSchrift(int pixel)
{
    QFont schrift;
    schrift.setFamilies({QStringLiteral("Microsoft Sans Serif"), QStringLiteral("DejaVu Sans"),
                         QStringLiteral("Liberation Sans")});
    schrift.setPixelSize(pixel);
    schrift.setBold(true);
    return schrift;
}

QFont titelSchrift(int pixel)
{
    QFont schrift;
    schrift.setFamilies({QStringLiteral("Book Antiqua"), QStringLiteral("Palatino Linotype"),
                         QStringLiteral("DejaVu Serif"), QStringLiteral("Liberation Serif")});
    schrift.setPixelSize(pixel);
    schrift.setBold(true);
    return schrift;
}

Tischdruck& tischdruck()
{
    static Tischdruck druck;
    return druck;
}

std::array<QPointer<Ergebnisfenster>, kMaxTische + 1>& fensterListe()
{
    static std::array<QPointer<Ergebnisfenster>, kMaxTische + 1> liste;
    return liste;
}

QPointer<Ergebnisfenster>& fensterFuer(Tischanzahl tische)
{
    return fensterListe()[std::size_t(tische.zahl())];
}

} // namespace

// ---- NamensLabel -----------------------------------------------------------------------------

NamensLabel::NamensLabel(const QString& ort, QWidget* parent) : QLabel(parent), m_ort(ort)
{
    setName({});
}

void NamensLabel::setName(const QString& name)
{
    setText(name);
    const QString sichtbar = name.trimmed();
    setToolTip(sichtbar);
    setAccessibleName(m_ort + QStringLiteral(": ") +
                      (sichtbar.isEmpty() ? QStringLiteral("frei") : sichtbar));
    setVisible(!sichtbar.isEmpty());
    update();
}

void NamensLabel::setUmbruch(bool an)
{
    if (m_umbruch == an)
        return;
    m_umbruch = an;
    update();
}

int NamensLabel::volleBreite() const
{
    // A few pixels more than the text, so that rounding never cuts a name that fits.
    return fontMetrics().horizontalAdvance(text().trimmed()) + 2 * kPlakettenRand + 4;
}

QStringList NamensLabel::sichtbareZeilen() const
{
    const int breite = std::max(0, width() - 2 * kPlakettenRand);
    if (m_umbruch)
        return namenszeilen(text(), font(), breite);
    const QString zeile = fontMetrics().elidedText(text().trimmed(), Qt::ElideRight, breite);
    return zeile.isEmpty() ? QStringList() : QStringList{zeile};
}

QString NamensLabel::sichtbarerText() const
{
    return sichtbareZeilen().join(QString());
}

void NamensLabel::paintEvent(QPaintEvent*)
{
    const QStringList zeilen = sichtbareZeilen();
    if (zeilen.isEmpty())
        return;
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    int textBreite = 0;
    for (const QString& zeile : zeilen)
        textBreite = std::max(textBreite, fontMetrics().horizontalAdvance(zeile.trimmed()));
    const int breite = std::min(width(), textBreite + 2 * kPlakettenRand);
    int links = 0;
    if (alignment() & Qt::AlignRight)
        links = width() - breite;
    else if (alignment() & Qt::AlignHCenter)
        links = (width() - breite) / 2;
    const QRectF plakette(links + 0.5, 0.5, breite - 1.0, height() - 1.0);
    painter.setPen(QPen(QColor(0x9c, 0x8a, 0x6a), 1.0));
    painter.setBrush(QColor(0xff, 0xfd, 0xf4, 240));
    painter.drawRoundedRect(plakette, 5, 5);
    painter.setPen(Qt::black);
    const int zeilenhoehe = fontMetrics().lineSpacing();
    qreal y = (height() - zeilenhoehe * qreal(zeilen.size())) / 2;
    if (zeilen.size() == 1)
        y = plakette.top();
    const qreal hoehe = zeilen.size() == 1 ? plakette.height() : zeilenhoehe;
    for (const QString& zeile : zeilen) {
        painter.drawText(QRectF(plakette.left(), y, plakette.width(), hoehe), Qt::AlignCenter,
                         zeile.trimmed());
        y += zeilenhoehe;
    }
}

// ---- Ergebnisfenster -------------------------------------------------------------------------

Ergebnisfenster::Ergebnisfenster(const FensterEntwurf& entwurf, QWidget* parent)
    : QDialog(parent), m_entwurf(entwurf)
{
    setObjectName(QString::fromLatin1(entwurf.klasse));
    setWindowTitle(QString::fromUtf8(entwurf.caption));
    setAccessibleName(windowTitle());
    setSizeGripEnabled(false);
    platform::escapeDoesNothing(*this);

    QWidget* flaeche = this;
    if (entwurf.behaelter) {
        m_behaelter = new QFrame(this);
        m_behaelter->setObjectName(QStringLiteral("Panel2"));
        m_behaelter->setAccessibleName(QStringLiteral("Tische"));
        m_behaelter->resize(1073, 673);
        flaeche = m_behaelter;
    }
    for (int i = 0; i < int(entwurf.tischEntwurf.size()); ++i)
        tischAnlegen(flaeche, entwurf.tischEntwurf[size_t(i)], i + 1);

    m_leiste = new QFrame(this);
    m_leiste->setObjectName(QStringLiteral("Panel1"));
    m_leiste->setAccessibleName(QStringLiteral("Befehle"));
    m_leiste->setFrameShape(QFrame::StyledPanel);
    auto knopf = [this](const char* name, const QString& text) {
        auto* b = new QPushButton(text, m_leiste);
        b->setObjectName(QString::fromLatin1(name));
        b->setAccessibleName(text);
        b->setAutoDefault(false);
        return b;
    };
    m_beenden = knopf("Button1", QStringLiteral("Beenden"));
    m_mischen = knopf("Button2", QStringLiteral("Spieler neu mischen."));
    m_loeschen = knopf("Button3", QStringLiteral("Namen löschen"));
    m_beenden->setToolTip(QStringLiteral("Fenster schließen"));
    m_mischen->setToolTip(QStringLiteral("Die ausgewählten Spieler neu auf die Tische verteilen"));
    m_loeschen->setToolTip(QStringLiteral("Die gespeicherte Tischbelegung löschen"));
    connect(m_beenden, &QPushButton::clicked, this, &Ergebnisfenster::Button1Click);
    connect(m_mischen, &QPushButton::clicked, this, &Ergebnisfenster::Button2Click);
    connect(m_loeschen, &QPushButton::clicked, this, &Ergebnisfenster::Button3Click);

    m_neuePartner = new QCheckBox(QStringLiteral("Neue Partner"), m_leiste);
    m_neuePartner->setObjectName(QStringLiteral("CheckBox1"));
    m_neuePartner->setAccessibleName(m_neuePartner->text());
    m_neuePartner->setToolTip(QStringLiteral("Beim Mischen bekommt niemand einen Partner, mit dem "
                                             "er heute schon zusammen gespielt hat"));
    connect(m_neuePartner, &QCheckBox::clicked, this, &Ergebnisfenster::CheckBox1Click);

    m_drucken = knopf("druckenButton", QStringLiteral("Drucken"));
    m_gross = knopf("grossanzeigeButton", QStringLiteral("Großanzeige"));
    m_drucken->setToolTip(QStringLiteral("Die Tischbelegung drucken oder als PDF speichern"));
    m_gross->setToolTip(
        QStringLiteral("Die Tische bildschirmfüllend zeigen (F11, zurück mit F11 oder Esc)"));
    m_drucken->setEnabled(bool(tischdruck()));
    m_gruppe.hinzufuegen(m_drucken);
    m_gruppe.hinzufuegen(m_gross);
    m_gruppe.hinzufuegen(m_neuePartner);
    connect(m_drucken, &QPushButton::clicked, this, &Ergebnisfenster::druckenKlick);
    connect(m_gross, &QPushButton::clicked, this, &Ergebnisfenster::grossanzeigeUmschalten);
    auto* f11 = new QShortcut(QKeySequence(Qt::Key_F11), this);
    connect(f11, &QShortcut::activated, this, &Ergebnisfenster::grossanzeigeUmschalten);
    // Escape does nothing in the window, except that it ends the large display.
    m_grossEnde = new QShortcut(QKeySequence(Qt::Key_Escape), this);
    m_grossEnde->setEnabled(false);
    connect(m_grossEnde, &QShortcut::activated, this, [this] { grossanzeigeSetzen(false); });

    connect(&Ziehungsmelder::instanz(), &Ziehungsmelder::ziehungBeendet, this,
            &Ergebnisfenster::ziehungBeendet);
    FormCreate();
}

void Ergebnisfenster::tischAnlegen(QWidget* flaeche, const TischEntwurf& entwurf, int nummer)
{
    const QString tischName = QStringLiteral("Tisch %1").arg(nummer);
    Tisch tisch;
    tisch.panel = new QFrame(flaeche);
    tisch.panel->setObjectName(QString::fromLatin1(entwurf.panel));
    tisch.panel->setAccessibleName(tischName);
    tisch.panel->setGeometry(entwurf.x, entwurf.y, kPanelBreite, kPanelHoehe);
    tisch.bild = new Tischbild(tisch.panel);
    tisch.bild->setObjectName(QString::fromLatin1(entwurf.bild));
    tisch.bild->setAccessibleName(QStringLiteral("Tischkicker, ") + tischName);
    tisch.bild->setGeometry(0, 0, kPanelBreite, kPanelHoehe);
    if (m_entwurf.behaelter)
        tisch.bild->setTischnummer(nummer);

    for (int p = 0; p < kPlaetzeJeTisch; ++p) {
        auto* label =
            new NamensLabel(tischName + QStringLiteral(", ") + QLatin1String(kOrte[p]), flaeche);
        label->setObjectName(QString::fromLatin1(entwurf.labels[size_t(p)]));
        label->setFont(namensSchrift(m_entwurf.namensPixel));
        tisch.namen[size_t(p)] = label;
    }
    if (entwurf.titel) {
        tisch.titel = new QLabel(tischName, flaeche);
        tisch.titel->setObjectName(QString::fromLatin1(entwurf.titel));
        tisch.titel->setAccessibleName(tischName);
        tisch.titel->setFont(titelSchrift(19));
        tisch.titel->setAlignment(Qt::AlignCenter);
        titelFaerben(*tisch.titel);
    }
    m_tische.append(tisch);
}

void Ergebnisfenster::FormCreate()
{
    const QScreen* bildschirm = QGuiApplication::primaryScreen();
    const QRect arbeitsbereich =
        bildschirm ? bildschirm->availableGeometry() : QRect(0, 0, 1100, 700);
    setGeometry(arbeitsbereich);
    anordnen();
}

void Ergebnisfenster::resizeEvent(QResizeEvent* event)
{
    QDialog::resizeEvent(event);
    anordnen();
}

void Ergebnisfenster::buttonsPlatzieren()
{
    int breite = kButtonBreite;
    for (QPushButton* b : {m_beenden, m_mischen, m_loeschen})
        breite = std::max(breite, platform::captionWidth(*b));
    const int hoehe = std::max(28, m_beenden->sizeHint().height());
    const int y = (m_leiste->height() - hoehe) / 2;
    const int c = width() / 2;
    m_beenden->setGeometry(c - int(std::trunc(1.5 * breite)) - 15, y, breite, hoehe);
    m_mischen->setGeometry(c - breite / 2 - 10, y, breite, hoehe);
    m_loeschen->setGeometry(c + breite / 2 - 5, y, breite, hoehe);
    // Right of the three buttons; on a bar too narrow for that, left of them.
    m_gruppe.legen(
        {{m_loeschen->geometry().right() + 1 + kGruppenAbstand, m_leiste->width() - kLeistenRand},
         {kLeistenRand, m_beenden->x() - kGruppenAbstand}},
        y, hoehe);
}

// Places the tables by the proportions of the design: the tables' centres keep their relative
// positions, spread over the room the window has, and the whole arrangement is centred. On a
// work area larger than the design the pictures and the names grow with it, on a much smaller
// one they shrink with it; names get the room beside their table up to the neighbour.
void Ergebnisfenster::anordnen()
{
    if (!m_leiste)
        return;
    if (m_grossanzeige) {
        grossAnordnen();
        return;
    }
    const int leiste = m_entwurf.leistenHoehe;
    m_leiste->setGeometry(0, height() - leiste, width(), leiste);
    buttonsPlatzieren();

    QRect bereich(0, 0, width(), std::max(0, height() - leiste));
    if (m_behaelter) {
        m_behaelter->setGeometry(bereich);
        bereich = QRect(QPoint(0, 0), bereich.size());
    }
    bereich.adjust(kRand, kRand, -kRand, -kRand);

    const qreal faktor = bildFaktor(
        std::min(bereich.width() / qreal(kEntwurfBreite), bereich.height() / qreal(kEntwurfHoehe)));
    const QSize panelGroesse(int(std::lround(kPanelBreite * faktor)),
                             int(std::lround(kPanelHoehe * faktor)));
    // Names grow with the pictures, up to a size that still leaves room beside the tables.
    const QFont schrift = namensSchrift(
        std::clamp(int(std::lround(m_entwurf.namensPixel * faktor)), kKleinsteNamen, 20));
    const QFont titel = titelSchrift(std::min(26, int(std::lround(19 * faktor))));
    const int zeile = QFontMetrics(schrift).height() + 6;
    const int titelZeile = m_entwurf.behaelter ? 0 : QFontMetrics(titel).height() + 4;
    const int ueber = zeile + 3;
    const int unter = zeile + 3 + titelZeile;

    // Design centres of the panels and the span they cover.
    qreal minX = 1e9, maxX = -1e9, minY = 1e9, maxY = -1e9;
    for (const TischEntwurf& t : m_entwurf.tischEntwurf) {
        minX = std::min<qreal>(minX, t.x + kPanelBreite / 2.0);
        maxX = std::max<qreal>(maxX, t.x + kPanelBreite / 2.0);
        minY = std::min<qreal>(minY, t.y + kPanelHoehe / 2.0);
        maxY = std::max<qreal>(maxY, t.y + kPanelHoehe / 2.0);
    }
    const int gruppeBreite = panelGroesse.width() + 40;
    const int gruppeHoehe = ueber + panelGroesse.height() + unter;
    auto spreizung = [](qreal platz, qreal spanne, qreal hoechstens) {
        return spanne > 0 ? std::clamp(platz / spanne, 0.4, hoechstens) : 1.0;
    };
    const qreal sx = spreizung(bereich.width() - gruppeBreite, maxX - minX, 1.5 * faktor);
    const qreal sy = spreizung(bereich.height() - gruppeHoehe, maxY - minY, 1.25 * faktor);
    const QPointF mitte(bereich.center().x() + 0.5,
                        bereich.center().y() + 0.5 + (ueber - unter) / 2.0);

    QList<QRect> panels;
    for (const TischEntwurf& t : m_entwurf.tischEntwurf) {
        const qreal cx = mitte.x() + (t.x + kPanelBreite / 2.0 - (minX + maxX) / 2.0) * sx;
        const qreal cy = mitte.y() + (t.y + kPanelHoehe / 2.0 - (minY + maxY) / 2.0) * sy;
        panels.append(QRect(QPoint(int(std::lround(cx - panelGroesse.width() / 2.0)),
                                   int(std::lround(cy - panelGroesse.height() / 2.0))),
                            panelGroesse));
    }

    for (int i = 0; i < m_tische.size(); ++i) {
        const QRect p = panels.at(i);
        // Room for the names beside the table: half the gap to the nearest table in the same
        // row, or up to the window's edge.
        int links = p.left() - bereich.left();
        int rechts = bereich.right() - p.right();
        for (int j = 0; j < panels.size(); ++j) {
            const QRect q = panels.at(j);
            if (j == i || q.bottom() + unter < p.top() - ueber ||
                q.top() - ueber > p.bottom() + unter)
                continue;
            if (q.center().x() < p.center().x())
                links = std::min(links, (p.left() - q.right()) / 2 - 4);
            else
                rechts = std::min(rechts, (q.left() - p.right()) / 2 - 4);
        }
        const int hoechstens = int(std::lround(70 * faktor)) * m_entwurf.namensPixel / 12;
        const int ausLinks = std::clamp(links, 0, hoechstens);
        const int ausRechts = std::clamp(rechts, 0, hoechstens);

        const Tisch& tisch = m_tische.at(i);
        tisch.panel->setGeometry(p);
        tisch.bild->setGeometry(QRect(QPoint(0, 0), p.size()));
        for (NamensLabel* label : tisch.namen)
            label->setFont(schrift);
        const int zeilenLinks = p.left() - ausLinks;
        const int zeilenBreite = p.width() + ausLinks + ausRechts;
        namenszeileLegen(tisch, true, QRect(zeilenLinks, p.top() - 3 - zeile, zeilenBreite, zeile));
        namenszeileLegen(tisch, false, QRect(zeilenLinks, p.bottom() + 4, zeilenBreite, zeile));
        if (tisch.titel) {
            tisch.titel->setFont(titel);
            tisch.titel->setGeometry(p.left(), p.bottom() + 4 + zeile + 2, p.width(), titelZeile);
        }
    }
}

// The large display: the tables spread over the whole window, names as large as the room
// allows but at least 1/25 of the height, broken into lines rather than cut.
void Ergebnisfenster::grossAnordnen()
{
    QRect bereich = rect();
    if (m_behaelter)
        m_behaelter->setGeometry(bereich);
    bereich.adjust(kRand, kRand, -kRand, -kRand);
    const int hoehe = height();
    Anordnungswunsch wunsch;
    wunsch.namensSchrift = namensSchrift(m_entwurf.namensPixel);
    wunsch.kleinstePixel = (hoehe + 24) / 25;
    wunsch.groesstePixel = std::max(wunsch.kleinstePixel, hoehe / 16);
    wunsch.titelSchrift = titelSchrift(19);
    wunsch.titel = !m_entwurf.behaelter;
    wunsch.innenRand = kPlakettenRand;
    wunsch.abstand = std::max(6, hoehe / 120);
    Tischanordnung anordnung = tischeAnordnen(angezeigteBelegung(), bereich, wunsch);
    if (!anordnung.passt && wunsch.titel) {
        // Short of room the captions give way; the pictures then carry the numbers.
        wunsch.titel = false;
        anordnung = tischeAnordnen(angezeigteBelegung(), bereich, wunsch);
    }
    for (int t = 0; t < m_tische.size(); ++t) {
        const Tisch& tisch = m_tische.at(t);
        if (tisch.titel)
            tisch.titel->setVisible(wunsch.titel);
        tisch.bild->setTischnummer(wunsch.titel && !m_entwurf.behaelter ? 0 : t + 1);
    }

    const QFont schrift = namensSchrift(anordnung.namensPixel);
    for (const Tisch& tisch : std::as_const(m_tische))
        for (NamensLabel* label : tisch.namen)
            label->setFont(schrift);
    for (const TischFeld& feld : anordnung.tische) {
        const Tisch& tisch = m_tische.at(feld.nummer - 1);
        tisch.panel->setGeometry(feld.tisch);
        tisch.bild->setGeometry(QRect(QPoint(0, 0), feld.tisch.size()));
        if (tisch.titel && wunsch.titel) {
            tisch.titel->setFont(titelSchrift(anordnung.namensPixel));
            tisch.titel->setGeometry(feld.titel);
        }
    }
    for (const NamensFeld& feld : anordnung.namen) {
        NamensLabel* label = m_tische.at(feld.sitz.tisch - 1).namen[size_t(feld.sitz.platz)];
        label->setAlignment(feld.ausrichtung | Qt::AlignVCenter);
        label->setGeometry(feld.feld);
    }
}

void Ergebnisfenster::grossanzeigeSetzen(bool an)
{
    if (an == m_grossanzeige)
        return;
    m_grossanzeige = an;
    m_grossEnde->setEnabled(an);
    m_leiste->setVisible(!an);
    for (const Tisch& tisch : std::as_const(m_tische))
        for (NamensLabel* label : tisch.namen)
            label->setUmbruch(an);
    if (an) {
        m_vorGross = windowState();
        setWindowState(windowState() | Qt::WindowFullScreen);
    } else {
        setWindowState(m_vorGross);
        for (int t = 0; t < m_tische.size(); ++t) {
            const Tisch& tisch = m_tische.at(t);
            if (tisch.titel)
                tisch.titel->show();
            tisch.bild->setTischnummer(m_entwurf.behaelter ? t + 1 : 0);
        }
    }
    anordnen();
}

void Ergebnisfenster::grossanzeigeUmschalten()
{
    grossanzeigeSetzen(!m_grossanzeige);
}

// The names of one side share its row in the order left, centre, right. Each name gets the
// width it needs while the row has room; when it has not, the short names keep theirs and the
// long ones share the rest equally (and are cut with "…"). The centre name stays as close to
// the middle as its neighbours allow.
void Ergebnisfenster::namenszeileLegen(const Tisch& tisch, bool oben, QRect zeile)
{
    constexpr int kAbstand = 6;
    const int erster = oben ? 0 : 3;
    QList<NamensLabel*> belegt;
    for (int p = erster; p < erster + 3; ++p) {
        NamensLabel* label = tisch.namen[size_t(p)];
        if (label->text().trimmed().isEmpty())
            label->setGeometry(zeile.left(), zeile.top(), 0, zeile.height());
        else
            belegt.append(label);
    }
    const int anzahl = int(belegt.size());
    if (anzahl == 0)
        return;

    QList<int> breite(anzahl, 0);
    QList<int> offen;
    for (int i = 0; i < anzahl; ++i)
        offen.append(i);
    std::sort(offen.begin(), offen.end(), [&](int a, int b) {
        return belegt.at(a)->volleBreite() < belegt.at(b)->volleBreite();
    });
    int rest = zeile.width() - kAbstand * (anzahl - 1);
    for (int k = 0; k < anzahl; ++k) {
        const int i = offen.at(k);
        breite[i] = std::max(0, std::min(belegt.at(i)->volleBreite(), rest / (anzahl - k)));
        rest -= breite[i];
    }

    int frei = zeile.left(); // first x not yet taken
    for (int i = 0; i < anzahl; ++i) {
        NamensLabel* label = belegt.at(i);
        const int spalte =
            int(std::find(tisch.namen.begin(), tisch.namen.end(), label) - tisch.namen.begin()) -
            erster;
        int folgende = 0;
        for (int j = i + 1; j < anzahl; ++j)
            folgende += breite.at(j) + kAbstand;
        const int spaetestens = zeile.left() + zeile.width() - folgende - breite.at(i);
        int x = frei;
        if (spalte == 1)
            x = zeile.left() + (zeile.width() - breite.at(i)) / 2;
        else if (spalte == 2)
            x = spaetestens;
        x = std::clamp(x, frei, std::max(frei, spaetestens));
        label->setAlignment(Qt::AlignCenter);
        label->setGeometry(x, zeile.top(), breite.at(i), zeile.height());
        frei = x + breite.at(i) + kAbstand;
    }
}

QLabel* Ergebnisfenster::namensLabel(int tisch, Platz platz) const
{
    if (tisch < 1 || tisch > m_tische.size())
        return nullptr;
    return m_tische.at(tisch - 1).namen[size_t(platz)];
}

QWidget* Ergebnisfenster::leiste() const
{
    return m_leiste;
}

Tischbelegung Ergebnisfenster::angezeigteBelegung() const
{
    Tischbelegung belegung(tische());
    for (int t = 1; t <= m_tische.size(); ++t)
        for (int p = 0; p < kPlaetzeJeTisch; ++p)
            belegung.setName(t, Platz(p), m_tische.at(t - 1).namen[size_t(p)]->text());
    return belegung;
}

void Ergebnisfenster::namenLeeren()
{
    namenZeigen(Tischbelegung(tische()));
}

void Ergebnisfenster::namenZeigen(const Tischbelegung& belegung)
{
    for (int t = 1; t <= m_tische.size(); ++t)
        for (int p = 0; p < kPlaetzeJeTisch; ++p)
            m_tische.at(t - 1).namen[size_t(p)]->setName(belegung.name(t, Platz(p)));
    anordnen();
}

void Ergebnisfenster::ziehungBeendet(const Ziehungsergebnis& ergebnis)
{
    // A draw that did not happen leaves the stored seating on screen, as it stays in its file.
    if (ergebnis.tische != tische().zahl() || !ergebnis.gezogen)
        return;
    namenZeigen(ergebnis.belegung);
    m_loeschen->setEnabled(true);
}

void Ergebnisfenster::zeigen()
{
    grossanzeigeSetzen(false);
    hauptflaecheVerbergen();
    namenLeeren();
    const platform::Read<Tischbelegung> lesung = tischLesen(tische());
    platform::showMessages(lesung.messages);
    if (lesung.found())
        namenZeigen(lesung.value);
    if (tische().zahl() <= 3) {
        // Only a doubles seating fills table 1's top-left place.
        const QString obenLinks = namensLabel(1, Platz::ObenLinks)->text();
        m_loeschen->setEnabled(
            QString::compare(obenLinks, QStringLiteral("  "), Qt::CaseSensitive) >= 0);
    }
    // Another window may have changed the option since this one was shown.
    m_neuePartner->setChecked(neuePartnerGespeichert());
    setWindowState(windowState() | Qt::WindowMaximized);
    platform::runModal(*this);
}

// Maroon as designed, as far as the style's window colour leaves it legible; on a dark window
// it turns lighter until it reads.
void Ergebnisfenster::titelFaerben(QLabel& titel) const
{
    QPalette farben = titel.palette();
    farben.setColor(QPalette::WindowText,
                    appearance::withContrast(QColor(0x80, 0x00, 0x00),
                                             palette().color(QPalette::Window),
                                             appearance::kMinimumContrast));
    titel.setPalette(farben);
}

// Another style draws the button captions in another width and the window in another colour.
void Ergebnisfenster::changeEvent(QEvent* event)
{
    QDialog::changeEvent(event);
    const QEvent::Type art = event->type();
    if (art != QEvent::StyleChange && art != QEvent::FontChange && art != QEvent::PaletteChange)
        return;
    if (m_leiste)
        buttonsPlatzieren();
    for (const Tisch& tisch : std::as_const(m_tische))
        if (tisch.titel)
            titelFaerben(*tisch.titel);
}

// Escape does not close the window: only "Beenden" brings the main-screen panel back.
void Ergebnisfenster::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) {
        event->accept();
        return;
    }
    QDialog::keyPressEvent(event);
}

void Ergebnisfenster::Button1Click()
{
    accept();
    hauptflaecheZeigen();
}

void Ergebnisfenster::Button2Click()
{
    platform::showMessages(personen_zuweisen(tische()).meldungen);
}

void Ergebnisfenster::Button3Click()
{
    // A file that stays on disk would come back at the next opening: keep showing it.
    if (const platform::FileResult geloescht = tischLoeschen(tische()); !geloescht) {
        platform::showMessage(platform::errorMessage(tischLoeschMeldung(geloescht)));
        return;
    }
    namenLeeren();
    if (tische().zahl() <= 4)
        m_loeschen->setEnabled(false);
}

void Ergebnisfenster::CheckBox1Click()
{
    platform::showMessages(neuePartnerSetzen(m_neuePartner->isChecked()));
    // A state that could not be stored would not hold for the next draw.
    m_neuePartner->setChecked(neuePartnerGespeichert());
}

void Ergebnisfenster::druckenKlick()
{
    if (!tischdruck())
        return;
    const Tischbelegung belegung = angezeigteBelegung();
    tischdruck()(this, belegung, istDoppelbelegung(belegung, Optionen.Spielmodus == kDoppel));
}

void setTischdruck(Tischdruck druck)
{
    tischdruck() = std::move(druck);
    for (const QPointer<Ergebnisfenster>& fenster : fensterListe())
        if (QPushButton* knopf =
                fenster ? fenster->findChild<QPushButton*>(QStringLiteral("druckenButton"))
                        : nullptr)
            knopf->setEnabled(bool(tischdruck()));
}

TForm8::TForm8(QWidget* parent) : Ergebnisfenster(kEntwurf8, parent) {}
TForm7::TForm7(QWidget* parent) : Ergebnisfenster(kEntwurf7, parent) {}
TForm5::TForm5(QWidget* parent) : Ergebnisfenster(kEntwurf5, parent) {}
TForm55::TForm55(QWidget* parent) : Ergebnisfenster(kEntwurf55, parent) {}
TForm66::TForm66(QWidget* parent) : Ergebnisfenster(kEntwurf66, parent) {}

void ergebnisfensterAnlegen(QWidget* eltern)
{
    auto& liste = fensterListe();
    if (!liste[2])
        liste[2] = new TForm8(eltern);
    if (!liste[3])
        liste[3] = new TForm7(eltern);
    if (!liste[4])
        liste[4] = new TForm5(eltern);
    if (!liste[5])
        liste[5] = new TForm55(eltern);
    if (!liste[6])
        liste[6] = new TForm66(eltern);
}

Ergebnisfenster* ergebnisfenster(int tische)
{
    const std::optional<Tischanzahl> anzahl = Tischanzahl::aus(tische);
    return anzahl ? fensterFuer(*anzahl).data() : nullptr;
}

void tischeAnzeigen(int tische)
{
    const std::optional<Tischanzahl> anzahl = Tischanzahl::aus(tische);
    if (!anzahl)
        return;
    if (!fensterFuer(*anzahl))
        ergebnisfensterAnlegen(hauptfenster());
    fensterFuer(*anzahl)->zeigen();
}

#include "draw/ui/leistengruppe.h"

#include "platform/ui/placement.h"

#include <QCheckBox>
#include <QPushButton>
#include <QStyleOptionButton>
#include <algorithm>

namespace
{

QList<QWidget*> sichtbare(const QList<QWidget*>& elemente)
{
    QList<QWidget*> liste;
    for (QWidget* w : elemente)
        if (!w->isHidden())
            liste.append(w);
    return liste;
}

// Style sheets may put more room beside the box than its size hint counts.
int kaestchenBreite(const QCheckBox& kaestchen)
{
    QStyleOptionButton option;
    option.initFrom(&kaestchen);
    option.text = kaestchen.text();
    option.rect = QRect(0, 0, 1000, kaestchen.sizeHint().height());
    const QRect inhalt =
        kaestchen.style()->subElementRect(QStyle::SE_CheckBoxContents, &option, &kaestchen);
    const int text = kaestchen.fontMetrics().size(Qt::TextShowMnemonic, kaestchen.text()).width();
    return inhalt.left() + text + std::max(0, option.rect.right() - inhalt.right());
}

} // namespace

int wunschbreite(const QWidget& element)
{
    if (const auto* knopf = qobject_cast<const QPushButton*>(&element))
        return std::max(knopf->sizeHint().width(), platform::captionWidth(*knopf));
    if (const auto* kaestchen = qobject_cast<const QCheckBox*>(&element))
        return std::max(kaestchen->sizeHint().width(), kaestchenBreite(*kaestchen));
    return element.sizeHint().width();
}

void Leistengruppe::hinzufuegen(QWidget* element)
{
    if (element && !m_elemente.contains(element))
        m_elemente.append(element);
}

QList<QWidget*> Leistengruppe::elemente() const
{
    QList<QWidget*> liste;
    for (const QPointer<QWidget>& w : m_elemente)
        if (w)
            liste.append(w.data());
    return liste;
}

void Leistengruppe::legen(std::initializer_list<Strecke> strecken, int y, int hoehe) const
{
    const QList<QWidget*> liste = sichtbare(elemente());
    if (liste.isEmpty() || strecken.size() == 0)
        return;
    for (const Strecke& s : strecken) {
        if (s.rechts - s.links >= gesamtbreite(liste)) {
            inReihe(liste, s, y, hoehe);
            return;
        }
    }
    // No stretch holds them all: the first takes as many as fit whole, in order, the next the
    // following ones, and the last what is left, shrunk if need be.
    qsizetype naechstes = 0;
    for (auto s = strecken.begin(); s != strecken.end() && naechstes < liste.size(); ++s) {
        qsizetype anzahl = liste.size() - naechstes;
        if (std::next(s) != strecken.end()) {
            while (anzahl > 0 && gesamtbreite(liste.mid(naechstes, anzahl)) > s->rechts - s->links)
                --anzahl;
        }
        if (anzahl > 0)
            inReihe(liste.mid(naechstes, anzahl), *s, y, hoehe);
        naechstes += anzahl;
    }
}

int Leistengruppe::gesamtbreite(const QList<QWidget*>& liste)
{
    int breite = std::max(0, int(liste.size()) - 1) * kAbstand;
    for (const QWidget* w : liste)
        breite += wunschbreite(*w);
    return breite;
}

void Leistengruppe::inReihe(const QList<QWidget*>& liste, Strecke strecke, int y, int hoehe)
{
    const int links = strecke.links;
    const int rechts = strecke.rechts;
    const int luecken = (int(liste.size()) - 1) * kAbstand;
    const int wunsch = gesamtbreite(liste) - luecken;
    const int platz = std::max(0, rechts - links - luecken);
    const bool knapp = wunsch > platz;
    int x = knapp ? links : rechts - wunsch - luecken;
    int vergeben = 0;
    int gewollt = 0;
    for (QWidget* w : liste) {
        // Shares in proportion to the wish, summed up so that rounding loses no pixel.
        gewollt += wunschbreite(*w);
        const int bis = knapp && wunsch > 0 ? int(qint64(platz) * gewollt / wunsch) : gewollt;
        const int breite = bis - vergeben;
        vergeben = bis;
        w->setGeometry(x, y, breite, hoehe);
        x += breite + kAbstand;
    }
}

#include "draw/ui/leistengruppe.h"

#include "platform/ui/placement.h"

#include <QPushButton>
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

} // namespace

int wunschbreite(const QWidget& element)
{
    if (const auto* knopf = qobject_cast<const QPushButton*>(&element))
        return std::max(knopf->sizeHint().width(), platform::captionWidth(*knopf));
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

int Leistengruppe::gewuenschteBreite() const
{
    const QList<QWidget*> liste = sichtbare(elemente());
    int breite = std::max(0, int(liste.size()) - 1) * kAbstand;
    for (const QWidget* w : liste)
        breite += wunschbreite(*w);
    return breite;
}

void Leistengruppe::legen(std::initializer_list<Strecke> strecken, int y, int hoehe) const
{
    const QList<QWidget*> liste = sichtbare(elemente());
    if (liste.isEmpty() || strecken.size() == 0)
        return;
    Strecke gewaehlt = *strecken.begin();
    for (const Strecke& s : strecken) {
        if (s.rechts - s.links >= gewuenschteBreite()) {
            gewaehlt = s;
            break;
        }
    }
    const int links = gewaehlt.links;
    const int rechts = gewaehlt.rechts;
    const int luecken = (int(liste.size()) - 1) * kAbstand;
    const int wunsch = gewuenschteBreite() - luecken;
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

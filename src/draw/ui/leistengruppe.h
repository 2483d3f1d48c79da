#pragma once

#include <QList>
#include <QPointer>
#include <QWidget>

// Controls that stand side by side at the right end of a bottom bar, right of the bar's own
// buttons: buttons, check boxes, any widget. Each takes the width its text needs; where the
// room is short they share it in that proportion, so that they never overlap each other or
// what stands left of the room.
class Leistengruppe
{
public:
    static constexpr int kAbstand = 6; // between two controls

    void hinzufuegen(QWidget* element);
    QList<QWidget*> elemente() const;

    // The width the visible controls want together, gaps included.
    int gewuenschteBreite() const;

    // Lays the visible controls out right-aligned within [links, rechts) at `y`, `hoehe` high.
    void legen(int links, int rechts, int y, int hoehe) const;

private:
    QList<QPointer<QWidget>> m_elemente;
};

// The width a control asks for: a push button that of its caption in the style in force.
int wunschbreite(const QWidget& element);

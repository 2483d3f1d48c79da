#pragma once

#include <QList>
#include <QPointer>
#include <QWidget>
#include <initializer_list>

// Controls that stand side by side in a free stretch of a bottom bar, such as right of the
// bar's own buttons: buttons, check boxes, any widget. Each takes the width its text needs;
// they go into the first stretch offered where they fit whole, right-aligned in it. Where
// none is wide enough (large fonts of some styles on a small screen) they are split in order
// over the stretches; only controls that fit nowhere whole share the last stretch in
// proportion to their wishes, so that they never overlap each other or what stands beside.
class Leistengruppe
{
public:
    static constexpr int kAbstand = 6; // between two controls

    void hinzufuegen(QWidget* element);
    QList<QWidget*> elemente() const;

    // A stretch of the bar from `links` to before `rechts`.
    struct Strecke {
        int links = 0;
        int rechts = 0;
    };
    // Lays the visible controls out in the first of `strecken` that holds them whole (or,
    // split in order, over several) at `y`, `hoehe` high.
    void legen(std::initializer_list<Strecke> strecken, int y, int hoehe) const;

private:
    static int gesamtbreite(const QList<QWidget*>& liste);
    static void inReihe(const QList<QWidget*>& liste, Strecke strecke, int y, int hoehe);

    QList<QPointer<QWidget>> m_elemente;
};

// The width a control asks for: a push button that of its caption in the style in force.
int wunschbreite(const QWidget& element);

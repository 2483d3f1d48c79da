#pragma once

#include "core/base/programm.h"
#include "core/ui/hauptfensterdienste.h"

#include <QLabel>
#include <QWidget>

// Stands in for the main window while its own window is not part of a test: Panel5 with its
// headline Label1, and the services the other windows call to show and hide Panel5.
struct Hauptflaeche {
    QWidget fenster;
    QWidget* panel5 = new QWidget(&fenster);
    QLabel* label1 = new QLabel(QStringLiteral("Zufällig ausgewählte Spieler verschiedenen "
                                               "Tischen zuweisen."),
                                panel5);
    Hauptflaeche()
    {
        panel5->setObjectName(QStringLiteral("Panel5"));
        label1->setObjectName(QStringLiteral("Label1"));
        panel5->show();
        hauptfensterDiensteSetzen(
            {[this](bool an) { panel5->setVisible(an); }, {}, [this] { return &fenster; }});
    }
    ~Hauptflaeche() { hauptfensterDiensteSetzen({}); }
    Hauptflaeche(const Hauptflaeche&) = delete;
    Hauptflaeche& operator=(const Hauptflaeche&) = delete;
    bool sichtbar() const { return !panel5->isHidden(); }
};

#pragma once

#include <QWidget>
#include <functional>

// The main window's services that the other windows call. The main window installs them;
// without a main window (in tests of single windows) they do nothing.
struct HauptfensterDienste {
    std::function<void(bool)> hauptflaecheSichtbar; // show or hide Panel5
    std::function<void()> titelZeigen;              // recompose title and status line
    std::function<QWidget*()> fenster;              // the main window itself
};
void hauptfensterDiensteSetzen(HauptfensterDienste dienste);

// Opens the help file at a context number; a missing help file shows the message instead.
void hilfeZeigen(int kontext);

void hauptflaecheZeigen();
void hauptflaecheVerbergen();
void titel_zeigen();
QWidget* hauptfenster();

#pragma once

#include "app/hauptfenster.h"

#include <QString>
#include <memory>

// The program's start: settings before any window, the random generator seeded once, the
// start-up style, the main window set up and shown; then the message loop until the main window
// closes. Returns the program's exit code.
int programmStarten();

// Whether this copy of the program may run on the data folder. When another running copy
// holds it, shows the German message and returns false: nothing has been read or written.
// Where no lock file can be made (a read-only data folder) the program runs without the guard.
bool startFreigeben();

// Everything of the start after the settings are loaded: the start-up style, the main window
// wired to the other windows' commands, FormCreate. Not shown.
std::unique_ptr<TForm1> programmAufbauen();

// The main window's window of that kind, made when it is first needed and then kept until the
// end: building every window at start took longer than the rest of the start.
template <typename Fenster> Fenster& fensterVon(TForm1& haupt)
{
    if (auto* fenster = haupt.findChild<Fenster*>(QString(), Qt::FindDirectChildrenOnly))
        return *fenster;
    return *new Fenster(&haupt);
}

#pragma once

#include <QString>
#include <memory>

class TForm1;

// The program's start: settings before any window, the random generator seeded once, the
// start-up style, every window created once, the main window set up and shown; then the
// message loop until the main window closes. Returns the program's exit code.
int programmStarten();

// Whether this copy of the program may run on the data folder. When another running copy
// holds it, shows the German message and returns false: nothing has been read or written.
// Where no lock file can be made (a read-only data folder) the program runs without the guard.
bool startFreigeben();

// Everything of the start after the settings are loaded: the start-up style, the main window
// with every other window created once and wired to its commands, FormCreate. Not shown.
std::unique_ptr<TForm1> programmAufbauen();

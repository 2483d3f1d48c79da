#pragma once

#include <QString>
#include <functional>

// The program's start: settings before any window, the random generator seeded once, the
// start-up style, every window created once, the main window set up and shown; then the
// message loop until the main window closes. Returns the program's exit code.
int programm_starten();

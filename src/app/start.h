#pragma once

#include <QString>
#include <functional>

// Makes a named window style active for every window; the style layer installs it. Until
// then the program keeps its own look and nothing fails.
extern std::function<void(const QString& stilName)> stil_aktivieren;

// The program's start: settings before any window, the random generator seeded once, the
// start-up style, every window created once, the main window set up and shown; then the
// message loop until the main window closes. Returns the program's exit code.
int programm_starten();

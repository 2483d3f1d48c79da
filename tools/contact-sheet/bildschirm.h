#pragma once

#include <QString>

// A few players, a saved selection and a doubles draw for every table count in the program's
// data folder, so that the windows show what they show on a club evening.
void beispielDatenAnlegen();

// The pictures of the help (tools/help-pictures.sh): a few windows with the sample data, each
// saved as <folder>/<name>.png at most `breite` pixels wide. Returns the number of failures.
int hilfebilderMachen(const QString& ordner, int breite);

// One picture of the whole screen for every window of the program (tools/screenshots-screen.sh):
// the main window maximised, each command's window opened over it as the organiser opens it,
// saved as <folder>/<screen size>-<NN>-<window>.png. Returns the number of failures.
int bildschirmfotosMachen(const QString& ordner, const QString& hilfeOrdner);

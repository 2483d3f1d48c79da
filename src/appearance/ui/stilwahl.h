#pragma once

#include <QString>

// The style chosen by the user, kept in "Styledat.txt" in the data folder.

// The current style name: the one read at start-up, afterwards the one last picked in the
// style window's list.
extern QString Stilname;

// Start-up, while the main window is built: reads the first line of "Styledat.txt" ("Windows"
// when the file is missing, unreadable or the line empty), activates that style and maximises
// the main window. A name that is not registered goes to the general error report
// ("Stil '<name>' nicht gefunden"); the style in force stays, the main window is not maximised
// and false is returned -- the start goes on.
bool style_lesen();

// Before the windows are built: puts the stored style in force, so that the windows are
// polished once and style_lesen finds it in force. False (nothing changed, no message) when the
// stored name is damaged or unknown; style_lesen reports it.
bool gespeichertenStilVorabSetzen();

// Writes Stilname alone, without a line end, to "Styledat.txt". When the file cannot be written
// the German message is shown and false is returned; the style stays in force for this run.
bool style_speichern();

// Activates Stilname for all windows and stores it (the list's double click and
// "Style aktivieren"). Returns false when the name is unknown (nothing stored then).
bool stilAktivierenUndSpeichern();

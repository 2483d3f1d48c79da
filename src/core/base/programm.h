#pragma once

#include "platform/base/instancelock.h"

#include <QString>
#include <cstdint>

// Program-wide values fixed at start and read by several windows.
extern QString Programmversion;       // "1.06"
extern QString Hilfedatei;            // Datenordner + "Zorbeln-Hilfe.html"
extern std::int32_t TaskleistenHoehe; // height of the taskbar as measured at start
extern std::int32_t TaskleisteFest;   // 1 when the taskbar is always shown, 0 when it hides

// Datenordner + "Zorbeln.lock": while it is held, one running copy of the program uses the data
// folder. Its name matches none of the masks of the data-file set.
QString sperrdatei();

// Takes the data folder for this run; the lock is held until the program ends (or
// datenordnerFreigeben). Touches no other file.
platform::InstanceLockState datenordnerSperren();
void datenordnerFreigeben();

// What a second start on the same data folder says before it ends.
QString zweiterStartMeldung();

// The message when the help file is missing: the text, a line break (carriage return and line
// feed), the path on a line of its own.
QString hilfeFehltMeldung(const QString& hilfedatei);

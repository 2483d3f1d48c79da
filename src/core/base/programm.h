#pragma once

#include "platform/base/fileresult.h"

#include <QString>
#include <cstdint>

// Program-wide values fixed at start and read by several windows.
extern QString Programmversion;       // "1.06"
extern QString Hilfedatei;            // Datenordner + "Zorbeln-Hilfe.html"
extern std::int32_t TaskleistenHoehe; // height of the taskbar as measured at start
extern std::int32_t TaskleisteFest;   // 1 when the taskbar is always shown, 0 when it hides

// Start-up before any window exists: fixes the data folder and the version, loads the
// settings. The result tells whether a missing settings file could be created.
platform::WriteResult programmInitialisieren();

// The message when the help file is missing: the text, a line break (carriage return and line
// feed), the path on a line of its own.
QString hilfeFehltMeldung(const QString& hilfedatei);

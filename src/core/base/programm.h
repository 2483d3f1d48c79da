#pragma once

#include <QString>
#include <QWidget>
#include <cstdint>
#include <functional>

// Program-wide values fixed at start and read by several windows.
extern QString Programmversion;       // "1.06"
extern QString Hilfedatei;            // Datenordner + "Zorbeln-Hilfe.html"
extern std::int32_t TaskleistenHoehe; // height of the taskbar as measured at start
extern std::int32_t TaskleisteFest;   // 1 when the taskbar is always shown, 0 when it hides

// Start-up before any window exists: fixes the data folder and the version, loads the settings.
void programm_initialisieren();

// The main window's services that the other windows call. The main window installs them;
// without a main window (in logic tests) they do nothing.
struct HauptfensterDienste {
    std::function<void(bool)> hauptflaecheSichtbar; // show or hide Panel5
    std::function<void()> titelZeigen;              // recompose title and status line
    std::function<QWidget*()> fenster;              // the main window itself
};
void hauptfensterDiensteSetzen(HauptfensterDienste dienste);

// The message when the help file is missing: the text, a line break (carriage return and line
// feed), the path on a line of its own.
QString hilfe_fehlt_meldung(const QString& hilfedatei);

// Opens the help file at a context number; a missing help file shows the message instead.
void hilfe_zeigen(int kontext);

void hauptflaeche_zeigen();
void hauptflaeche_verbergen();
void titel_zeigen();
QWidget* hauptfenster();

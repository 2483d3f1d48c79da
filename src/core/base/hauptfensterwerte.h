#pragma once

#include <QDate>
#include <QRect>
#include <QString>

// What the main window shows and measures, without any window: tested on its own.

// The weekday written out in German, whatever language the system speaks.
QString deutscherWochentag(const QDate& datum);

// "Zorbel-Master V  1.06      -      Heute ist  Dienstag der  21.02.2023"
QString titelText(const QDate& heute, const QString& version);

// The status line's notice; it carries the year of `heute`.
QString statusText(const QDate& heute, const QString& version);

// The taskbar height as the start-up measures it from the taskbar rectangle (right and
// bottom exclusive): the rectangle is written as " (left, top);(right, bottom) ", the
// number is read from the four characters from the sixth on, and the height is the screen
// height less that number. Only a taskbar along the bottom edge gives a true height; one
// along the top or a side gives the screen height or near it.
int taskleisteZahl(int left, int top, int right, int bottom);
int taskleistenHoehe(int bildschirmHoehe, int left, int top, int right, int bottom);

// Where the main picture goes: at `entwurf` (its place by the screen's size) while that keeps
// clear of the headline and the bottom line, that is lies within `frei`; otherwise as large as
// fits into `frei`, never larger than `entwurf`, keeping its proportions, centred in `frei`.
QRect bildPlatz(const QRect& entwurf, const QRect& frei);

// The message for a program that could not be started (result 32 or less): empty for a
// result the table does not name.
QString updateMeldung(int ergebnis);
// The message of a failed start of the update program `programm`: the table above, except for a
// file that may not be executed, which on this system is named and said to be no runnable program.
QString updateMeldung(int ergebnis, const QString& programm);

// The confirmation of "Website besuchen".
QString websiteFrage();

// The web site that "Website besuchen" and the window of further programs open.
QString websiteAdresse();

// Shown when no browser could be started for `adresse`.
QString websiteFehler(const QString& adresse);

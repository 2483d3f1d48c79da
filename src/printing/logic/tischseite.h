#pragma once

#include "draw/logic/tischanordnung.h"
#include "platform/base/fileresult.h"
#include "printing/logic/seiten.h"

#include <QDate>
#include <QSize>
#include <QString>

class Seitenziel;

// The title of the printed seating and of its window.
inline const QString kTischbelegungTitel = QStringLiteral("Tischbelegung");

// An A4 sheet in landscape, in page units (96 per inch).
inline constexpr QSize kA4Quer(1123, 794);

// The smallest and the largest size of a name on the page, in points: large enough to be read
// from two metres, still at least 14 points where a printer shrinks the page onto its
// printable area.
inline constexpr int kKleinsteNamensPunkte = 15;
inline constexpr int kGroessteNamensPunkte = 20;

// "Tischbelegung_10_12_2026.pdf"
QString tischbelegungDateiname(const QDate& datum);

// "2 Tische" ... "6 Tische"
QString tischanzahlText(int tische);

// Where the tables of the page go: the page below its header.
QRect tischflaeche(QSize seite);

// What the page asks of the arrangement of the tables.
Anordnungswunsch tischseitenWunsch();

// Draws the seating on one page of `ziel` (cleared first; the page has the size `ziel` gives,
// meant for kA4Quer): the header with "Tischbelegung", the number of tables, "Einzelspiele"
// or "Doppelspiele" and the date, then every table as an outline with "Tisch N" and the names
// at their places, black on white. Returns the arrangement drawn.
Tischanordnung tischseiteZeichnen(Seitenziel& ziel, const Tischbelegung& belegung, bool doppel,
                                  const QDate& datum);

// What became of writing pages as a PDF file: the drawing and the file.
struct PdfSchreibung {
    DruckUrsache druck = DruckUrsache::Gedruckt;
    platform::WriteResult datei;
    explicit operator bool() const { return druck == DruckUrsache::Gedruckt && datei.ok; }
};

// Writes the pages as a PDF file of A4 landscape sheets, one page each, with `titel` as the
// document title. The file is replaced whole or not at all.
PdfSchreibung seitenAlsPdf(const Seitenstapel& seiten, const QString& pfad, const QString& titel);

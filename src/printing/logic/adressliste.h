#pragma once

#include "players/logic/adressdatei.h"

#include <QDate>
#include <QFont>
#include <QList>
#include <QString>
#include <QStringList>
#include <array>

class QPainter;
class Seitenziel;

// The title of the printed participant list and of its window.
inline const QString kAdresslistenTitel = QStringLiteral("Mitglieder Adressen");

inline constexpr int kStandardDruckgroesse = 10;
inline constexpr int kKleinsteDruckgroesse = 1;
inline constexpr int kGroessteDruckgroesse = 72;

// The print size in points from the settings. A stored size of 0 or less has never been chosen
// and gives 10; a size above 72 gives 72; any other size is used as stored.
int druckgroesse();

// The size in page units (96 per inch) of a font of `punkte` points. Fonts are set by this
// pixel size, so text keeps its size relative to the page on every device.
int pixelgroesse(int punkte);

// The installed font for a stored name: the name itself when installed (or empty); a name of
// exactly 20 bytes (the capacity of the settings field) that matches no installed font
// is a cut name, and the alphabetically first installed font that starts with it is used.
QString druckschriftAufloesen(const QString& gespeichert, const QStringList& installiert);

// The print font of this run: the full name picked earlier in the run when the stored name is
// its cut form; otherwise the stored name resolved among the installed fonts.
QString druckschriftName(const QStringList& installiert);

// Stores a picked font name in the settings (cut to 20 bytes) and keeps the full name for the
// rest of the run. Does not save the settings.
void druckschriftMerken(const QString& name);

// Font and size of a printout.
struct Druckschrift {
    QString familie; // empty: the default font
    int punkte = kStandardDruckgroesse;

    QFont titel() const; // bold, three points larger
    QFont normal() const;
};

// Where the header of a page puts its parts, measured for a font (page units, tops of texts).
struct Kopflayout {
    QFont titelschrift; // the bold title font, made smaller only when the title is wider than the
                        // page
    int titelX = 0;
    int titelY = 0;
    int H = 0;             // height of the title text
    int zeilenabstand = 0; // distance of the list lines: H, or the line height when that is more
    int erstelltX = 0;
    int erstelltY = 0;
    int datumX = 0;
    int datumY = 0;
    int seiteX = 0;
    int seiteY = 0;
    int bandOben = 0;
    int bandUnten = 0; // exclusive
    int ueberschriftY = 0;
    int listeY = 0; // y after the header; line k is drawn at listeY + (k + 1) * zeilenabstand
};

// The column positions relative to the left margin: the line texts and their headings.
inline constexpr std::array<int, 8> kZeilenspalten{-90, -10, 50, 180, 320, 410, 490, 570};
inline constexpr std::array<int, 8> kUeberschriftspalten{-80, -10, 80, 220, 330, 440, 510, 610};
QStringList adresslisteUeberschriften();

// The header layout of page `seite` of `ziel`: the positions of the design, an item moved (to
// the right, or onto a row of its own) or the band grown only where the measured text would
// overlap.
Kopflayout kopflayout(const Seitenziel& ziel, const Druckschrift& schrift, const QDate& datum,
                      int seite);

// The texts of one line, in column order: surname without leading and trailing blanks, then
// first name, street, town, phone, fax, mobile, e-mail.
QStringList adresszeileTexte(const TAdressRec& adresse);

// How many lines of the list fit below the header of `kopf` (at least one).
int zeilenProSeite(const Seitenziel& ziel, const Kopflayout& kopf);

// Draws the header of page `seite`: title, creation date, page number, grey band with the
// headings. Returns its layout.
Kopflayout kopf_zeile_drucken_adressen(QPainter& painter, const Seitenziel& ziel,
                                       const Druckschrift& schrift, const QDate& datum, int seite);

// Lays the participants out on as many pages of `ziel` as they need (at least one), each page
// with the full header. `ziel` is cleared first.
void drucken_adressen(Seitenziel& ziel, const QList<TAdressRec>& adressen,
                      const Druckschrift& schrift, const QDate& datum);

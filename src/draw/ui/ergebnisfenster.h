#pragma once

#include "draw/logic/tischdatei.h"
#include "draw/ui/leistengruppe.h"

#include <QDialog>
#include <QLabel>
#include <QList>
#include <array>
#include <functional>
#include <span>

class QCheckBox;
class QFrame;
class QPushButton;
class QShortcut;
class Tischbild;
struct Ziehungsergebnis;

// A player's name at one place of a table. The text stays the stored name; on screen it is
// drawn on a small name plate, cut with "…" where the room ends (the full name is the tool
// tip), or, broken into lines, whole. Empty places are hidden.
class NamensLabel : public QLabel
{
    Q_OBJECT
public:
    NamensLabel(const QString& ort, QWidget* parent);

    void setName(const QString& name);
    // Whether the name is broken into lines at the label's width instead of cut.
    void setUmbruch(bool an);
    bool umbruch() const { return m_umbruch; }
    // The lines as drawn: one, cut to the label's width, or the name broken into lines.
    QStringList sichtbareZeilen() const;
    // The text as drawn, its lines joined.
    QString sichtbarerText() const;
    // The width the plate takes for the whole name.
    int volleBreite() const;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QString m_ort; // "Tisch 1, oben links"
    bool m_umbruch = false;
};

// Where a table sits in the window design and the names of its controls.
struct TischEntwurf {
    const char* panel;
    const char* bild;
    std::array<const char*, kPlaetzeJeTisch> labels; // TL, TC, TR, BL, BC, BR
    const char* titel;                               // caption label, or nullptr
    int x;
    int y;
};

struct FensterEntwurf {
    const char* klasse;
    Tischanzahl tische;
    const char* caption;
    std::span<const TischEntwurf> tischEntwurf;
    int namensPixel;  // pixel height of the name font at design size
    int leistenHoehe; // the bottom bar
    bool behaelter;   // the tables sit in the container Panel2 and the pictures carry the numbers
};

// A result window: the seating of the last draw for its table count, one picture per table
// with the names around it, and the bar with "Beenden", "Spieler neu mischen." and
// "Namen löschen", right of them "Drucken", "Großanzeige" and the check box "Neue Partner".
// It fills the work area; the tables keep the proportions of the design on any size. The
// large display (F11) fills the screen with the tables and names alone, for a projector or a
// TV.
class Ergebnisfenster : public QDialog
{
    Q_OBJECT
public:
    Tischanzahl tische() const { return m_entwurf.tische; }

    // The main window's "N Tische" command: hides Panel5, empties the names, loads the table
    // file and shows the window modally.
    void zeigen();

    QLabel* namensLabel(int tisch, Platz platz) const;
    // What the labels show, as names per place.
    Tischbelegung angezeigteBelegung() const;

    // The bottom bar with the three buttons of the design and the commands right of them.
    QWidget* leiste() const;

    bool grossanzeige() const { return m_grossanzeige; }
    // Full screen without the bar, every name at least 1/25 of the window's height.
    void grossanzeigeSetzen(bool an);

public Q_SLOTS:
    void Button1Click();   // "Beenden"
    void Button2Click();   // "Spieler neu mischen."
    void Button3Click();   // "Namen löschen"
    void CheckBox1Click(); // "Neue Partner"
    void druckenKlick();
    void grossanzeigeUmschalten();

protected:
    Ergebnisfenster(const FensterEntwurf& entwurf, QWidget* parent);
    void resizeEvent(QResizeEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    struct Tisch {
        QFrame* panel = nullptr;
        Tischbild* bild = nullptr;
        std::array<NamensLabel*, kPlaetzeJeTisch> namen{};
        QLabel* titel = nullptr;
    };

    void FormCreate();
    void tischAnlegen(QWidget* flaeche, const TischEntwurf& entwurf, int nummer);
    void namenLeeren();
    void namenZeigen(const Tischbelegung& belegung);
    void ziehungBeendet(const Ziehungsergebnis& ergebnis);
    void anordnen();
    void grossAnordnen();
    void buttonsPlatzieren();
    void titelFaerben(QLabel& titel) const;
    void namenszeileLegen(const Tisch& tisch, bool oben, QRect zeile);

    FensterEntwurf m_entwurf;
    QList<Tisch> m_tische;
    QFrame* m_leiste = nullptr;
    QFrame* m_behaelter = nullptr;
    QPushButton* m_beenden = nullptr;
    QPushButton* m_mischen = nullptr;
    QPushButton* m_loeschen = nullptr;
    QCheckBox* m_neuePartner = nullptr;
    QPushButton* m_drucken = nullptr;
    QPushButton* m_gross = nullptr;
    Leistengruppe m_gruppe;           // the commands right of the three buttons
    QShortcut* m_grossEnde = nullptr; // Escape, only in the large display
    bool m_grossanzeige = false;
    Qt::WindowStates m_vorGross;
};

// 2 tables.
class TForm8 : public Ergebnisfenster
{
    Q_OBJECT
public:
    explicit TForm8(QWidget* parent = nullptr);
};

// 3 tables.
class TForm7 : public Ergebnisfenster
{
    Q_OBJECT
public:
    explicit TForm7(QWidget* parent = nullptr);
};

// 4 tables.
class TForm5 : public Ergebnisfenster
{
    Q_OBJECT
public:
    explicit TForm5(QWidget* parent = nullptr);
};

// 5 tables.
class TForm55 : public Ergebnisfenster
{
    Q_OBJECT
public:
    explicit TForm55(QWidget* parent = nullptr);
};

// 6 tables.
class TForm66 : public Ergebnisfenster
{
    Q_OBJECT
public:
    explicit TForm66(QWidget* parent = nullptr);
};

// What "Drucken" of the result windows does with the seating shown and whether it is one of
// doubles. The print window belongs to the printing subsystem, which builds on the draw
// itself, so the program hands it in at start; until then the button is disabled.
using Tischdruck =
    std::function<void(QWidget* fenster, const Tischbelegung& belegung, bool doppel)>;
void setTischdruck(Tischdruck druck);

// Creates the five result windows once at start, owned by `eltern` (the main window).
void ergebnisfensterAnlegen(QWidget* eltern);
// The result window of `tische` tables; nullptr before ergebnisfensterAnlegen and for a number
// outside 2 ... 6.
Ergebnisfenster* ergebnisfenster(int tische);
// The main window's commands "2 Tische" ... "6 Tische": shows the stored seating of that table
// count in its window (modal). Creates the windows first if start-up has not. Any number
// outside 2 ... 6 shows nothing.
void tischeAnzeigen(int tische);

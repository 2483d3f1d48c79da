#pragma once

#include "grid/logic/filtergridmodel.h"

#include <QDialog>

class QFrame;
class QPainter;
class QPushButton;

namespace grid
{
class TFilterGrid;
}

// TForm3, the selected players view "Ausgewählte Spieler": the players of the saved
// selection ("aktuelle_Liste2.akt"), numbered from 1, in the file's order, read-only. Created
// once, shown without blocking the main window. While it is visible it follows every new
// writing of the selection file ("Auswahl speichern", a restore).
class TForm3 : public QDialog
{
    Q_OBJECT
public:
    explicit TForm3(QWidget* parent = nullptr);

    // What the main window's "Anwesend" does after hiding Panel5: fill, show, and fit the
    // column widths once the window's layout and scroll bars have settled.
    void oeffnen();

    // Fills the grid from "aktuelle_Liste2.akt"; an unreadable file is reported, a missing
    // one leaves the titles and one empty row. The widths are fitted after it, once the grid
    // is laid out.
    void daten_ansehen();

    // Gives column acol of grd the value type typ and the data alignment ausr.
    static void NewColFeatures1(grid::FilterGridModel& grd, int acol, int ausr, QChar typ);

    // The grid's colour handler: the current row's text in maroon, or where maroon does not
    // stand out from the cell's background, in a colour of the style that does.
    void FilterGrid1RowColorProc(QObject* Sender, int& Ausr, QPainter* Can, int ACol, int ARow,
                                 grid::GridDrawState State);

    grid::TFilterGrid* FilterGrid1 = nullptr;

public Q_SLOTS:
    void Button2Click(); // "Beenden"

private:
    void FormCreate();
    void gridEinrichten();
    void breitenVormerken();
    void breitenAnpassen();
    // What the fitted widths depend on besides the cells: the grid's width and whether it
    // shows its vertical scroll bar.
    struct Breitengrundlage {
        int breite = -1;
        bool leiste = false;
        bool operator==(const Breitengrundlage&) const = default;
    };
    Breitengrundlage breitengrundlage() const;

    QFrame* Panel1 = nullptr;
    QPushButton* Button2 = nullptr;   // "Beenden"
    bool m_breitenVorgemerkt = false; // a fit waits for the event loop
    Breitengrundlage m_angepasstAn;   // the grid as the widths were last fitted to it
};

#pragma once

#include <QDialog>
#include <QStringList>

struct AuswahlMischung;
class QButtonGroup;
class QLabel;
class QListWidget;
class QPushButton;
class QRadioButton;

// The selection dialog "Gruppen zusammenstellen": the left list holds the participants not
// picked, the right list the players picked for the next draw. Created once at start and
// shown without blocking the main window.
class TDualListDlg : public QDialog
{
    Q_OBJECT
public:
    explicit TDualListDlg(QWidget* parent = nullptr);

    // What the main window's "Auswahl " / "Spieler auswählen" does: the dialog starts with
    // all participants on the left and nobody picked, and is shown (not modal).
    void oeffnen();

    // Fills the left list anew from the participant file, leaving out the players already on
    // the right; the right list stays. A file that exists but cannot be read shows a German
    // message and leaves the left list empty.
    void daten_ansehen();

    // The chosen table count (2 ... 6), 0 when none is chosen.
    int gewaehlteTische() const;
    // The chosen mode (0 singles, 1 doubles), -1 when none is chosen.
    int gewaehlterModus() const;

    QStringList linkeEintraege() const;
    QStringList rechteEintraege() const;

    // Event handlers, named after their controls.
    void Button1Click(); // "Auswahl laden"
    void Button2Click(); // "Auswahl speichern"
    void Button3Click(); // "Beenden"
    void Button4Click(); // ">"
    void Button5Click(); // ">>"
    void Button6Click(); // "<"
    void Button7Click(); // "<<"
    void SrcListClick();
    void DstListClick();
    void RadioButton1Click(); // "2 Tische"
    void RadioButton4Click(); // "3 Tische"
    void RadioButton2Click(); // "4 Tische"
    void RadioButton5Click(); // "5 Tische"
    void RadioButton3Click(); // "6 Tische"
    void RadioButton7Click(); // "Einzelspiele"
    void RadioButton8Click(); // "Doppelspiele"
    void FormKeyPress();
    void FormKeyUp();

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void FormCreate();
    void steuerelementeAnlegen();
    void platzieren();
    void knoepfeAnordnen();

    static void MoveSelected(QListWidget* List, QListWidget* Items);
    static int GetFirstSelection(const QListWidget* List);
    void SetItem(QListWidget* List, int Index);
    void SetButtons();
    bool grenzeErreicht() const;
    void weiterFolgtGrenze();

    static void neuBefuellen(QListWidget* list, const AuswahlMischung& mischung);
    static QStringList eintraege(const QListWidget* list);
    void alleAnhaengen(const QListWidget* von, QListWidget* nach);
    void listeFuellen(QListWidget* list, const QStringList& texte);
    void anzahlenZeigen();
    void speichernFolgtRechterListe();
    void hinweisSetzen();
    void tischanzahlGewaehlt();
    void modusGewaehlt(int modus);
    void ueberschriftAktualisieren(bool nachRechts);
    bool fensterHatSelbstDenFokus() const;
    void tastenhinweisZeigen();
    void hauptueberschriftLeeren();
    void modusknopfZeigen();

    QLabel* ScrLabel = nullptr;
    QLabel* Label3 = nullptr; // count of the players left to pick
    QListWidget* SrcList = nullptr;
    QLabel* DstLabel = nullptr;
    QLabel* Label6 = nullptr; // count of the players picked
    QListWidget* DstList = nullptr;
    QPushButton* Button6 = nullptr;       // "<": the marked picked players back
    QPushButton* Button7 = nullptr;       // "<<": every picked player back
    QPushButton* Button4 = nullptr;       // ">": the marked players picked
    QPushButton* Button5 = nullptr;       // ">>": every player picked
    QLabel* Label1 = nullptr;             // the hint line
    QRadioButton* RadioButton7 = nullptr; // "Einzelspiele"
    QRadioButton* RadioButton8 = nullptr; // "Doppelspiele"
    QRadioButton* RadioButton1 = nullptr; // "2 Tische"
    QRadioButton* RadioButton4 = nullptr; // "3 Tische"
    QRadioButton* RadioButton2 = nullptr; // "4 Tische"
    QRadioButton* RadioButton5 = nullptr; // "5 Tische"
    QRadioButton* RadioButton3 = nullptr; // "6 Tische"
    QPushButton* Button1 = nullptr;       // "Auswahl laden"
    QPushButton* Button2 = nullptr;       // "Auswahl speichern"
    QPushButton* Button3 = nullptr;       // "Beenden"
    QButtonGroup* m_tischGruppe = nullptr;
    QButtonGroup* m_modusGruppe = nullptr;
    bool m_grenzeGezeigt = false; // the caption names the limit
};

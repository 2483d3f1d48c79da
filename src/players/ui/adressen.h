#pragma once

#include "players/logic/adressbestand.h"
#include "players/logic/adressverwaltung.h"

#include <QList>
#include <QString>
#include <QWidget>

class QGroupBox;
class QKeyEvent;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;

// The participant window "Teilnehmer erfassen/ändern.": enter, change and delete the
// participants of "Adressen.adr". It is created once, shown without blocking the main window
// and keeps its contents between openings.
class TAdressen : public QWidget
{
    Q_OBJECT
public:
    // Help topic of this window.
    static constexpr int kHilfeKontext = 1050;

    explicit TAdressen(QWidget* parent = nullptr);

    // What the main window's "Erfassen" command does after hiding Panel5: empty the eight
    // entry fields, reload the list, show the window without blocking, focus "Name".
    void oeffnen();

    // Empties the list of names and fills it from the file, sorted without regard to case.
    void adresse_laden();
    // Fills the entry fields from the last record whose list entry is the selected entry text.
    void adresse_einfuegen();
    // Asks, removes the found record on Yes, then empties the fields and fills the list anew
    // from the records held. A removal that cannot be written keeps the fields as they are.
    void adresse_loeschen(const AdressFund& fund);

    AdressFelder felder() const;
    void felderSetzen(const AdressFelder& felder);
    void felderLeeren();

    // The text of the list entry picked last during this run (empty until the first pick).
    QString auswahltext() const { return m_auswahltext; }

public Q_SLOTS:
    void Button1Click();
    void Button2Click();
    void Button3Click();
    void Button4Click();
    void ListBox1Click();
    void Edit4Change(const QString& text);

    // Keys of the window and its entry fields; each returns true when it used the key.
    bool FormKeyPress(const QKeyEvent& taste);
    bool Edit3KeyUp(int taste);
    bool Edit4KeyUp(int taste);
    bool Edit5KeyUp(int taste);
    bool Edit6KeyUp(int taste);
    bool Edit7KeyUp(int taste);
    bool Edit8KeyUp(int taste);
    bool Edit9KeyUp(int taste);
    bool Edit10KeyUp(int taste);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void hideEvent(QHideEvent* event) override;

private:
    void FormCreate();
    void fensterAufbauen();
    void tabulatorfolgeSetzen();
    void knoepfePlatzieren();
    bool pfeiltasteLosgelassen(int taste, bool abwaertsWeiter);
    void listeAufbauen();
    void listeNachSpeichern(const Adressbestand::Erfassung& erfassung);

    QGroupBox* GroupBox1 = nullptr;  // "Personendaten"
    QGroupBox* GroupBox2 = nullptr;  // "Bereits vorhandene Namen"
    QLineEdit* Edit3 = nullptr;      // Name
    QLineEdit* Edit4 = nullptr;      // Vorname
    QLineEdit* Edit5 = nullptr;      // Strasse
    QLineEdit* Edit6 = nullptr;      // Plz/Ort
    QLineEdit* Edit7 = nullptr;      // Telefon
    QLineEdit* Edit8 = nullptr;      // Fax
    QLineEdit* Edit9 = nullptr;      // Mobil
    QLineEdit* Edit10 = nullptr;     // Email
    QListWidget* ListBox1 = nullptr; // the participants already stored, "Name, Vorname"
    QPushButton* Button1 = nullptr;  // "Speichern >>"
    QPushButton* Button2 = nullptr;  // "Beenden"
    QPushButton* Button3 = nullptr;  // "Löschen"
    QPushButton* Button4 = nullptr;  // "Hilfe"

    QString m_auswahltext;
    Adressbestand m_bestand;      // the participants, as the file holds them
    SortierteAdressliste m_liste; // the entries of ListBox1
    bool m_listeVeraltet = false; // the file was read anew since ListBox1 was filled
};

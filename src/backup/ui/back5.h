#pragma once

#include <QDialog>
#include <QString>

class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QTabWidget;
class QWidget;
class DirectoryListBox;
class DriveComboBox;
class FileListBox;
class Kopierlauf;

// Opens the backup and restore window from the main window ("Backup", "Daten
// sichern/Wiederherstellen"): hides the main-screen panel, creates the window anew and runs it
// modally on the backup page.
void sicherungOeffnen();

// The backup and restore window. Page "Datensicherung" copies the data files into a backup
// folder, page "Datenwiederherstellung" copies files of a backup folder back into the data
// folder. Every run closes the window.
class TBack5 : public QDialog
{
    Q_OBJECT
public:
    explicit TBack5(QWidget* parent = nullptr);
    ~TBack5() override;

    // Sets the window up for a backup (mode 0) with the stored settings, on the backup page.
    void DatensichernWiederherstellen1Click();
    // Sets the window up for a restore (mode 1) on the restore page.
    void Datenrcksicherung1Click();

    // 0 backup; 1 single files; 2 all files of one name; 3 the selected files.
    int modus() const;
    // Set by "Datum anfügen" and by leaving the restore page with "Beenden"; from then on
    // until the program ends, closing no longer stores the target field as backup folder.
    static bool zielNichtSpeichern();
    // Forgets what earlier openings left behind, as a new program run does.
    static void zustandZuruecksetzen();

    void Button1Click();
    void Button2Click();
    void Button4Click();
    void CheckBox1Click();
    void DirectoryListBox1Click();
    void DirectoryListBox2Change();
    void DirectoryListBox2Click();
    void FileListBox1Click();
    void RadioButton1Click();
    void RadioButton2Click();
    void RadioButton3Click();
    void DriveComboBox1Change(const QString& wurzel);
    void DriveComboBox2Change(const QString& wurzel);
    void PageControl1Change(int seite);

    void done(int result) override;

protected:
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* objekt, QEvent* ereignis) override;

private:
    void aufbauen();
    QWidget* sicherungsseite();
    QWidget* wiederherstellungsseite();
    QWidget* knopfleiste();
    void knoepfePlatzieren();
    void breiteBegrenzen();
    void seiteZeigen(int seite);
    void setzeKnopftext(QPushButton* knopf, const QString& text);
    void setzeBeschriftung(QLabel* label, QLineEdit* feld, const QString& text);
    void sanduhr(bool an);
    void zielfeldSpeichern();

    // What a restore did: copied, stopped at a failed copy, or copied nothing (said why).
    enum class Ausgang { Kopiert, Fehlgeschlagen, Nichts };
    void sichern();
    void wiederherstellen();
    bool quelleIstDatenordner(const QString& ordner);
    Ausgang einzelneDateiWiederherstellen(Kopierlauf& lauf);
    Ausgang namensgleicheDateienWiederherstellen(Kopierlauf& lauf);
    Ausgang selektierteDateienWiederherstellen(Kopierlauf& lauf);
    void einstellungenNachWiederherstellung(const Kopierlauf& lauf);
    void laufBeenden();

    QTabWidget* PageControl1 = nullptr;
    QWidget* TabSheet1 = nullptr; // the backup page
    QWidget* TabSheet2 = nullptr; // the restore page
    QLabel* Panel4 = nullptr;
    QLabel* Panel5 = nullptr;
    DriveComboBox* DriveComboBox1 = nullptr;
    DirectoryListBox* DirectoryListBox1 = nullptr;
    QCheckBox* CheckBox1 = nullptr; // "Automatische Datensicherung nach Programmende."
    QPushButton* Button4 = nullptr; // "Datum anfügen"
    QLabel* Label1 = nullptr;
    QLabel* Label2 = nullptr;
    QLineEdit* Edit1 = nullptr;
    QLineEdit* Edit2 = nullptr;
    DriveComboBox* DriveComboBox2 = nullptr;
    DirectoryListBox* DirectoryListBox2 = nullptr;
    FileListBox* FileListBox1 = nullptr;
    QRadioButton* RadioButton1 = nullptr; // restore mode 1: single files
    QRadioButton* RadioButton2 = nullptr; // restore mode 2: all files of one name
    QRadioButton* RadioButton3 = nullptr; // restore mode 3: the selected files
    QLabel* Label5 = nullptr;
    QLabel* Label6 = nullptr;
    QLineEdit* Edit3 = nullptr;
    QLineEdit* Edit4 = nullptr;
    QWidget* Knopfleiste = nullptr;
    QPushButton* Button1 = nullptr; // "Daten sichern" or "Wiederherstellen", by page
    QPushButton* Button2 = nullptr; // "Beenden"
    bool m_sanduhr = false;
};

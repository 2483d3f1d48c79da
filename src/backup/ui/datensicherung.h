#pragma once

#include <QChar>
#include <QDialog>
#include <memory>

class QLabel;
class QLineEdit;
class QFrame;
class Kopierlauf;

// The automatic backup on leaving the program with "Beenden": copies the data files into a
// folder named after today's date below the stored backup folder, and shows what it copies.
// The main window creates it once at start; it is visible only while a backup runs.
class TDatensicherung : public QDialog
{
    Q_OBJECT
public:
    explicit TDatensicherung(QWidget* parent = nullptr);
    ~TDatensicherung() override;

    // What "Beenden" runs: the backup when the automatic backup is switched on (the flag as
    // it is in memory). Returns whether the program may end now; false only when a copy
    // failed, which has been reported, so the user keeps the program open.
    bool ausfuehren();

    // Runs the automatic backup. Returns false when a copy failed (reported); every other
    // outcome, a message about the folder or the disk included, returns true.
    bool Lesen();

    // Copies the matches of one mask from the source into the target folder.
    bool Dir_lesen(const QString& maske);

    // Whether drive `lw` holds a usable disk; with `Statusanzeige` a finding is told.
    bool DiskInDrive(QChar lw, bool Statusanzeige);

    QString quellordner() const { return m_quellordner; }
    QString zielordner() const { return m_zielordner; }

private:
    void platzieren();
    std::unique_ptr<Kopierlauf> neuerKopierlauf();

    QFrame* Panel1 = nullptr;
    QLabel* Label1 = nullptr;
    QLabel* Label2 = nullptr; // caption of the source folder
    QLabel* Label3 = nullptr;
    QLabel* Label4 = nullptr;   // caption of the target folder
    QLineEdit* Edit1 = nullptr; // the file being copied
    QLineEdit* Edit2 = nullptr; // where it is copied to
    QString m_quellordner;
    QString m_zielordner;
    std::unique_ptr<Kopierlauf> m_lauf; // the copy run of the backup in progress
};

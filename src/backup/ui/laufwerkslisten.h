#pragma once

#include "platform/base/volumes.h"

#include <QComboBox>
#include <QList>
#include <QListWidget>
#include <QString>

// The drive, folder and file lists of the backup window.

// One line of the folder list: the folders of the open folder's path from the root down,
// then the open folder's subfolders one level deeper.
struct Ordnereintrag {
    QString pfad;
    QString anzeige;
    int tiefe = 0;
    bool offen = false; // on the path to the open folder (the open folder included)
};
QList<Ordnereintrag> ordnerlisteEintraege(const QString& offenerOrdner);

// The drive box: the home folder and this machine's mounted volumes. A long entry is shown
// with its middle left out; its whole text is its tool tip.
class DriveComboBox : public QComboBox
{
    Q_OBJECT
public:
    explicit DriveComboBox(QWidget* parent = nullptr);

    // Fills the box (tests pass their own volumes).
    void laufwerkeSetzen(const QList<platform::Volume>& laufwerke);
    QString laufwerk() const;
    // Shows the volume that holds `ordner`, without reporting a change.
    void zeigeLaufwerkVon(const QString& ordner);

Q_SIGNALS:
    // The user chose another volume; its root folder.
    void laufwerkGewechselt(const QString& wurzel);

private:
    QList<platform::Volume> m_laufwerke;
};

// The folder list: shows the open folder's path and its subfolders; a click (or Enter) on a
// line opens that folder.
class DirectoryListBox : public QListWidget
{
    Q_OBJECT
public:
    explicit DirectoryListBox(QWidget* parent = nullptr);

    QString directory() const { return m_ordner; }
    // Opens `ordner` and reports `changed` when it is another folder than before. A folder
    // that does not exist leaves the list where it is and returns false.
    bool setDirectory(const QString& ordner);

Q_SIGNALS:
    void changed();       // another folder is open
    void clicked();       // the user clicked a line (after the folder opened)
    void doubleClicked(); // the user double-clicked a line

protected:
    void mouseDoubleClickEvent(QMouseEvent* event) override;

private:
    void fuellen();
    void zeileGewaehlt(QListWidgetItem* zeile);

    QString m_ordner;
};

// The file list: the files of one folder that match a mask.
class FileListBox : public QListWidget
{
    Q_OBJECT
public:
    explicit FileListBox(QWidget* parent = nullptr);

    void setDirectory(const QString& ordner);
    QString directory() const { return m_ordner; }
    void setMask(const QString& maske);
    void aktualisieren(); // reads the folder again
    void setMultiSelect(bool mehrere);

    QString fileName() const; // full path of the current entry, empty when none
    // Full path of the first selected entry, else of the current one; empty when none.
    QString gewaehlteDatei() const;
    QStringList selectedNames() const; // selected names, top to bottom

private:
    QString m_ordner;
    QString m_maske = QStringLiteral("*.*");
};

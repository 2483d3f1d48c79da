#pragma once

#include "platform/base/message.h"

#include <QDate>
#include <QHash>
#include <QList>
#include <QSet>
#include <QString>
#include <QStringList>
#include <functional>

// The program's data files, how they are found and copied into a backup folder and back.
// No window is needed here; the backup window and the automatic backup show the progress
// through a callback.

// The masks of the data-file set, in the order they are copied.
const QStringList& datendateiMasken();

// "Zorbel_Master_Backup" in the user's home folder: the backup folder whenever none is stored.
QString standardSicherungsordner();

// The folder name a backup of `datum` gets: dd_mm_yyyy, whatever the system's date format.
QString datumsanhang(const QDate& datum);

// `ordner` with a trailing "/" (an empty text stays empty).
QString mitTrenner(const QString& ordner);

// The settings file keeps the backup folder in 80 bytes of Windows-1252.
inline constexpr int kOrdnerSpeicherBytes = 80;

// What a folder the user typed or picked is worth before it is used or stored.
struct Ordnerpruefung {
    QString ordner;           // with a leading "~" expanded to the home folder
    bool brauchbar = false;   // a full path on this machine
    bool speicherbar = false; // comes back unchanged from the settings file
    QString grund;            // German reason when it is not usable or not storable
};
Ordnerpruefung ordnerPruefen(const QString& eingabe);

// The form of a usable, storable folder that goes into the settings file: with its "/" at the
// end when that still fits, else without it (the same folder either way).
QString speicherform(const QString& ordner);

// Whether a stored folder was written on another system (drive letter or backslashes).
bool fremderOrdner(const QString& gespeichert);

// The stored backup folder as this machine uses it: "~" expanded; empty (so the default folder
// counts) when it names no folder here: written on another system, or not a full path.
QString gespeicherterSicherungsordner(const QString& gespeichert);

// The folder the automatic backup of `datum` copies into: the date folder below `ordner`, or
// `ordner` itself when its last part already is that date folder. Ends in "/".
QString datumsordner(const QString& ordner, const QDate& datum);

// Whether `a` and `b` name the same existing folder (links and "/" at the end do not count).
bool gleicherOrdner(const QString& a, const QString& b);

// Creates `ordner` with every missing parent folder; true when it exists afterwards.
bool verz_anl(const QString& ordner);

// Whether `name` matches `maske` the way the file system's wildcard search does: "*" and "?"
// are wildcards, letter case does not count, and "name.*" also matches "name" itself.
bool passtZurMaske(const QString& name, const QString& maske);

// The names of the files in `ordner` that match `maske`, hidden and read-only files included,
// sorted by name. Folders and the program's own temporary files are never listed.
QStringList dateienDerMaske(const QString& ordner, const QString& maske);

// A copy run: copies file after file and stops at the first failure, whose report (file, code
// and the system's reason) the run keeps for the window to show. Copies already made stay.
class Kopierlauf
{
public:
    // Called before each copy with the two full paths; the windows show them and repaint.
    using Fortschritt = std::function<void(const QString& quelle, const QString& ziel)>;

    explicit Kopierlauf(Fortschritt fortschritt = {}) : m_fortschritt(std::move(fortschritt)) {}

    // Copies one file, replacing the target. Sets the copied flag on success.
    bool KopiereDatei(const QString& quelle, const QString& ziel);
    // Copies every file of `quellordner` matching `maske` into `zielordner` under its own name.
    bool Dir_lesen(const QString& quellordner, const QString& zielordner, const QString& maske);
    // Copies the whole data-file set, mask by mask.
    bool verz_lesen(const QString& quellordner, const QString& zielordner);

    bool kopiert() const { return m_kopiert; }
    void kopiertZuruecksetzen() { m_kopiert = false; }
    // Full paths of the copies made, in order.
    const QStringList& kopien() const { return m_kopien; }
    // The reports of failed copies, for the window to show.
    const QList<platform::Message>& meldungen() const { return m_meldungen; }

private:
    Fortschritt m_fortschritt;
    bool m_kopiert = false;
    QStringList m_kopien;
    QList<platform::Message> m_meldungen;
    QSet<QString> m_bereinigteZiele; // target folders whose leftover temporary files are gone
    QHash<QString, QStringList> m_quelllisten; // source folder -> its copyable file names
};

// Probes the root folder `wurzel`: 0 a file is there, 18 no file, 3 no such folder; any other
// value is the system's error number.
int laufwerkPruefen(const QString& wurzel);

// The root a drive letter stands for on this platform ("A:/", which exists only where the
// program was started beside such a folder: there are no drive letters here).
QString laufwerkswurzel(QChar lw);

// The message for a probe result of drive `lw` (empty when none is due) and whether the
// drive can be used.
struct Laufwerksmeldung {
    QString text;
    bool brauchbar = false;
};
Laufwerksmeldung laufwerksmeldung(QChar lw, int befund);

// Whether a stored backup folder names drive A: (or a:), the only drive that gets probed.
bool brauchtLaufwerkspruefung(const QString& sicherungsordner);

#pragma once

#include "draw/logic/tischdatei.h"
#include "platform/base/fileresult.h"
#include "platform/base/message.h"

#include <QByteArray>
#include <QDateTime>
#include <QList>
#include <QString>
#include <cstdint>

// The evening of "Neue Partner": whether the option is on and every round drawn with it since
// the evening began. Stored in "Spielabend.txt" beside the other data files, Windows-1252 text,
// lines ended by CR LF:
//
//   Neue Partner=1                        (or =0: the state of the check box)
//   2025-03-14 19:30:05<TAB>2<TAB>Doppel<TAB>name<TAB>name ...
//
// One line per round: date and time, table count, game mode ("Einzel" or "Doppel"), then the
// names of every table in the order top left, top centre, top right, bottom left, bottom
// centre, bottom right (6 fields per table, empty where nobody sits), as the table file stores
// them (cut to 50 bytes of Windows-1252).

inline const QString kSpielabendDatei = QStringLiteral("Spielabend.txt");

// An evening ends when the next draw comes later than this after its last round.
inline constexpr qint64 kAbendPauseSekunden = 12 * 60 * 60;

struct Runde {
    QDateTime zeit;
    std::int32_t spielmodus = 0;
    Tischbelegung belegung; // names as stored in the table file
};

struct Spielabend {
    bool neuePartner = false;
    QList<Runde> runden;
};

// What the reader made of the bytes of the evening file.
struct Spielabendinhalt {
    Spielabend abend;
    bool fremd = false;       // the first line is not ours: nothing of the file was used
    int verworfeneZeilen = 0; // damaged round lines that were skipped
};

// The evening file's content as bytes, and the reader of such bytes. The reader never fails:
// what it cannot use it skips and counts.
QByteArray spielabendBytes(const Spielabend& abend);
Spielabendinhalt spielabendAusBytes(const QByteArray& bytes);

// The form in which a name identifies a player in the evening file: control characters as
// blanks, cut to the 50 bytes of a table file slot.
QString spielerName(const QString& name);

// Datenordner + "Spielabend.txt".
QString spielabendPfad();

// Reads the evening file. A missing file, and one that cannot be read, give an evening without
// rounds with the option off. `messages` carries a file that cannot be read and, worded by
// spielabendInhaltMeldung, content that was ignored; ignored content is no failed read.
platform::Read<Spielabend> spielabendLesen();
// The German line about ignored content; empty when nothing was ignored.
QString spielabendInhaltMeldung(const Spielabendinhalt& inhalt);

// Writes the evening file atomically.
platform::WriteResult spielabendSpeichern(const Spielabend& abend);
QString spielabendSpeicherMeldung(const platform::WriteResult& geschrieben);

// Whether a draw at `jetzt` begins a new evening: the last round lies more than 12 hours away
// (either way, so a clock set back does not keep an old evening alive).
bool neuerAbendFaellig(const Spielabend& abend, const QDateTime& jetzt);

// The state of the check box as stored; a file that cannot be used reads as off.
bool neuePartnerGespeichert();
// Stores the state of the check box and keeps the rounds. The messages are for the window to
// show: ignored content and a failed read or write.
QList<platform::Message> neuePartnerSetzen(bool an);
// The menu entry "Neuer Abend": forgets the rounds, keeps the option.
QList<platform::Message> neuenAbendBeginnen();

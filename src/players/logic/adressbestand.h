#pragma once

#include "platform/base/fileresult.h"
#include "platform/base/filestamp.h"
#include "players/logic/adressdatei.h"
#include "players/logic/adressverwaltung.h"

#include <QByteArray>
#include <QHash>
#include <QList>
#include <QString>
#include <QStringList>
#include <optional>

// The participants of "Adressen.adr" as the participant window holds them: one copy in
// memory, read once and written from memory. Before a look-up or a change the file is read
// again when it was changed since (a restore, another program), so nothing written elsewhere
// is lost or overwritten.
class Adressbestand
{
public:
    // Reads the file. A missing file gives no records; one that cannot be read gives none and
    // its failed read, and is read again at the next call of aktualisieren().
    platform::FileResult laden();

    // Reads the file again when it was changed (or could not be read) since it was last read
    // or written here. `neuGelesen` tells whether it was read.
    platform::FileResult aktualisieren(bool* neuGelesen = nullptr);

    // The records as the file holds them, in file order.
    const QList<TAdressRec>& adressen() const { return m_adressen; }

    // The list entries of all records (adresseListentext), in file order.
    QStringList listentexte() const;

    // The last record whose list entry matches `listentext` in their comparison form
    // (adresseVergleichsform); none when none does.
    std::optional<TAdressRec> zumListentext(const QString& listentext) const;

    // "Speichern >>" on the records in memory: the first participant with these names (as
    // typed, compared as adresse_pruefen compares them) is replaced by `neu`, which moves to
    // the end of the file; an unknown participant is appended. The file is written in one
    // atomic step. A record whose Name and Vorname are both empty or blank is not stored; a
    // file that cannot be read is left alone, and `datei` is that read's failure. On a failed
    // write memory and file keep their earlier records.
    struct Erfassung {
        platform::FileResult datei;
        bool neuGelesen = false;         // the file had been changed and was read again first
        bool geschrieben = false;        // the file was written
        std::optional<QString> entfernt; // the list entry of the record that was replaced
        QString neu;                     // the list entry of `neu`
    };
    Erfassung erfassen(const TAdressRec& neu, const QString& name, const QString& vorname);

    // "Löschen": removes the record `fund` found in adressen() and writes the file in one
    // atomic step; the records behind it move up by one. On failure memory and file keep
    // their records; a position outside the records changes nothing.
    platform::WriteResult loeschen(const AdressFund& fund);

private:
    void indexAufbauen();
    void geschrieben();

    QList<TAdressRec> m_adressen;
    QHash<QByteArray, qsizetype>
        m_letzteZumText; // comparison form of a list entry -> its last record
    platform::FileStamp m_stempel;
    bool m_stempelSicher = false; // a later change of the file surely changes m_stempel
    bool m_gelesen = false;       // m_adressen holds what the file held at m_stempel
};

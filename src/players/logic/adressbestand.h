#pragma once

#include "platform/base/fileresult.h"
#include "platform/base/filestamp.h"
#include "players/logic/adressdatei.h"

#include <QByteArray>
#include <QHash>
#include <QList>
#include <QString>
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
    platform::ReadResult laden();

    // Reads the file again when it was changed (or could not be read) since it was last read
    // or written here. `neuGelesen` tells whether it was read.
    platform::ReadResult aktualisieren(bool* neuGelesen = nullptr);

    const QList<TAdressRec>& adressen() const { return m_adressen; }

    // The last record whose list entry matches `listentext` (adresseZumListentext), found
    // through an index; nullptr when none does.
    const TAdressRec* zumListentext(const QString& listentext) const;

    // "Speichern >>" as adresseErfassen does it, on the records in memory: the participant
    // with these names is replaced by `neu` at the end of the file, which is written in one
    // atomic step. On failure memory and file keep their earlier records.
    struct Erfassung {
        platform::FileResult datei;
        bool neuGelesen = false;         // the file had been changed and was read again first
        bool geschrieben = false;        // the file was written
        std::optional<QString> entfernt; // the list entry of the record that was replaced
        QString neu;                     // the list entry of `neu`
    };
    Erfassung erfassen(const TAdressRec& neu, const QString& name, const QString& vorname);

private:
    void indexAufbauen();

    QList<TAdressRec> m_adressen;
    QHash<QByteArray, qsizetype>
        m_letzteZumText; // comparison form of a list entry -> its last record
    platform::FileStamp m_stempel;
    bool m_stempelSicher = false; // a later change of the file surely changes m_stempel
    bool m_gelesen = false;       // m_adressen holds what the file held at m_stempel
};

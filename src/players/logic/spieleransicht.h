#pragma once

#include "platform/base/fileresult.h"
#include "platform/base/message.h"

#include <QList>
#include <QString>

// What the selected players view shows of "aktuelle_Liste2.akt": one line per record, in the
// file's order, numbered from 1.
struct AnsichtZeile {
    QString nummer; // "%-3d": the number, blanks up to 3 characters
    QString name;   // "%-30s": the name, blanks up to 30 characters, longer names whole
};

// The running number as the view writes it: left-justified in 3 characters.
QString ansichtNummer(int nummer);
// The name as the view writes it: padded with blanks to 30 characters (characters, not bytes).
QString ansichtName(const QString& name);

// Reads the selection file at `pfad` for the view: one line per record. A missing file is no
// fault: no lines and no message, so the view shows its titles and one empty row. A file that
// exists but cannot be read gives no lines and its German read message in `messages`.
platform::Read<QList<AnsichtZeile>> ansichtLesen(const QString& pfad);

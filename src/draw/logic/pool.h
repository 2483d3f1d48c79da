#pragma once

#include "platform/base/message.h"

#include <QByteArrayView>
#include <QList>
#include <QString>
#include <QStringList>
#include <cstdint>

// The draw pool: "Str_list.txt", one line per picked player in the order of the selection
// file, opened by its bare name in the current working folder.
inline const QString kPoolDatei = QStringLiteral("Str_list.txt");

// The number of records of the selection file at the last rebuild of the pool (the range of
// the draw's random numbers) and the number of pool lines written. Both start at 0 and keep
// their values between draws.
extern std::int32_t Auswahlanzahl;
extern std::int32_t Poolanzahl;

enum class PoolStatus {
    Neu,           // rebuilt from "aktuelle_Liste2.akt"
    KeineAuswahl,  // no selection file: pool file and counts unchanged
    Schreibfehler, // the pool file could not be written; counts unchanged
    Lesefehler,    // the selection file could not be read; nothing changed
};

// Rebuilds the pool file from Datenordner + "aktuelle_Liste2.akt" and sets Auswahlanzahl and
// Poolanzahl. A failure appends its German message to `meldungen`.
PoolStatus StrList(QList<platform::Message>& meldungen);

// The lines of a pool file, decoded.
class Poolzeilen
{
public:
    Poolzeilen() = default;
    // Lines end at CR LF, LF or CR; text after the last line end is a line of its own.
    explicit Poolzeilen(QByteArrayView bytes);

    qsizetype size() const { return m_zeilen.size(); }
    // Line i; an empty text when there is no line i.
    QString value(qsizetype i) const { return m_zeilen.value(i); }

private:
    QStringList m_zeilen;
};

// Loads the lines of the pool file. When the file is missing or cannot be read, appends a
// German message to `meldungen` and returns false.
bool poolLaden(Poolzeilen& zeilen, QList<platform::Message>& meldungen);

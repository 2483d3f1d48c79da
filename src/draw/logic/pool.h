#pragma once

#include "platform/base/fileresult.h"

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

// Rebuilds the pool file from Datenordner + "aktuelle_Liste2.akt" and sets Auswahlanzahl and
// Poolanzahl; `value` is the number of pool lines written, `file` the write of the pool file.
// - No selection file: `missing`; the pool file and both counts stay as they were.
// - The selection file cannot be read: `file` is that read; nothing changes.
// - The pool file cannot be written: `file` is that write; the earlier pool file and both
//   counts stay.
// Each failure puts its German message into `messages`.
platform::Read<std::int32_t> StrList();

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

// Loads the lines of the pool file. A missing pool file is a failed read here (no selection was
// saved yet): it, like one that cannot be read, gives no lines and a German message in
// `messages` that tells the organiser no players were drawn.
platform::Read<Poolzeilen> poolLaden();

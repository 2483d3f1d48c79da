#pragma once

#include "platform/base/fileresult.h"
#include "platform/base/shortstring.h"

#include <QList>
#include <QObject>
#include <QString>
#include <QStringList>
#include <cstddef>

using platform::ShortString;

#pragma pack(push, 1)
// One entry of a selection file: three short strings of capacity 50 (153 bytes). The
// selection dialog fills only Name; the pool joins Vorname, a blank and Name.
struct TAuswahlRec {
    ShortString<50> Nummer;
    ShortString<50> Name;
    ShortString<50> Vorname;
};
#pragma pack(pop)

static_assert(sizeof(TAuswahlRec) == 153);
static_assert(offsetof(TAuswahlRec, Name) == 51);
static_assert(offsetof(TAuswahlRec, Vorname) == 102);

// "aktuelle_Liste1.akt" holds the players not picked, "aktuelle_Liste2.akt" the players picked.
inline const QString kAuswahlDateiNichtGewaehlt = QStringLiteral("aktuelle_Liste1.akt");
inline const QString kAuswahlDateiGewaehlt = QStringLiteral("aktuelle_Liste2.akt");

// Datenordner + "aktuelle_Liste1.akt" / "aktuelle_Liste2.akt".
QString auswahldatei1();
QString auswahldatei2();

// Every whole record of the file in file order; empty when the file is missing or unreadable.
QList<TAuswahlRec> auswahlLesen(const QString& pfad);

// The Name field of every record, in file order (what the selection dialog shows).
QStringList auswahlNamenLesen(const QString& pfad);

// The record the selection dialog writes for one list entry: the entry cut to its first
// 50 bytes of Windows-1252 in Name, Nummer and Vorname empty, every unused byte zero.
TAuswahlRec auswahlEintrag(const QString& eintrag);

// A list entry as the selection file gives it back (cut to 50 bytes of Windows-1252). Two
// entries name the same player exactly when these forms are equal.
QString auswahlDateiform(const QString& eintrag);

// The file content for the entries, one record per entry in the given order.
QByteArray auswahlBytes(const QStringList& eintraege);

// Replaces the file atomically with one record per entry. On failure the earlier file stays
// as it was and the result carries the cause.
platform::WriteResult auswahlSchreiben(const QString& pfad, const QStringList& eintraege);

// Announces that selection files were written anew: by auswahlSchreiben ("Auswahl speichern")
// or by a restore that copied them back. A window that shows the selection listens.
class Auswahlmelder : public QObject
{
    Q_OBJECT
public:
    static Auswahlmelder& instanz();

    // The files were written anew; announces each (the restore passes every file it copied).
    void dateienGeschrieben(const QStringList& pfade);

    // True when the path names the file of the picked players, "aktuelle_Liste2.akt".
    static bool istAuswahldatei2(const QString& pfad);

Q_SIGNALS:
    void auswahlGeschrieben(const QString& pfad);

private:
    Auswahlmelder() = default;
};

#pragma once

#include "platform/base/shortstring.h"

#include <QList>
#include <QString>
#include <QStringList>
#include <cstddef>

#pragma pack(push, 1)
// One participant of "Adressen.adr" (960 bytes). The reserved ranges are kept as they are
// read and written as zeros in records this program builds.
struct TAdressRec {
    platform::ShortString<60> Vorname;
    platform::ShortString<60> Name;
    platform::ShortString<60> Strasse;
    platform::ShortString<60> PlzOrt;
    unsigned char Reserve1[61];
    platform::ShortString<80> Email;
    unsigned char Reserve2[81];
    platform::ShortString<30> Telefon;
    platform::ShortString<30> Fax;
    unsigned char Reserve3[31];
    platform::ShortString<30> Mobil;
    unsigned char Reserve4[369];
};
#pragma pack(pop)

static_assert(sizeof(TAdressRec) == 960);
static_assert(offsetof(TAdressRec, Vorname) == 0);
static_assert(offsetof(TAdressRec, Name) == 61);
static_assert(offsetof(TAdressRec, Strasse) == 122);
static_assert(offsetof(TAdressRec, PlzOrt) == 183);
static_assert(offsetof(TAdressRec, Reserve1) == 244);
static_assert(offsetof(TAdressRec, Email) == 305);
static_assert(offsetof(TAdressRec, Reserve2) == 386);
static_assert(offsetof(TAdressRec, Telefon) == 467);
static_assert(offsetof(TAdressRec, Fax) == 498);
static_assert(offsetof(TAdressRec, Reserve3) == 529);
static_assert(offsetof(TAdressRec, Mobil) == 560);
static_assert(offsetof(TAdressRec, Reserve4) == 591);

// A record with every byte zero.
TAdressRec leereAdresse();

// Datenordner + "Adressen.adr".
QString adressdateiPfad();

// Every record of the participant file in file order. A missing or unreadable file gives no
// records; a trailing partial record is ignored.
QList<TAdressRec> adressenLesen();

// The entry of the list of names: Name, a comma and a blank, then Vorname, exactly as stored.
QString adresseListentext(const TAdressRec& adresse);

// The list entries of all records, in file order.
QStringList adresseListentexte(const QList<TAdressRec>& adressen);

// List entries sorted alphabetically without regard to case, equal entries in their order, so
// that one entry can be taken out, or put in where sorting anew would place it.
class SortierteAdressliste
{
public:
    SortierteAdressliste() = default;
    // `texte` in file order.
    explicit SortierteAdressliste(const QStringList& texte);

    const QStringList& texte() const { return m_texte; }

    // Puts in the entry of a record appended to the file, after every entry that does not
    // sort after it; returns its row.
    qsizetype einfuegen(const QString& text);
    // Takes out one entry of exactly this text; returns its row, -1 when there is none.
    qsizetype entfernen(const QString& text);

private:
    QStringList m_texte;
};

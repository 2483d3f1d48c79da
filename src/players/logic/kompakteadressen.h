#pragma once

#include "platform/base/fileresult.h"
#include "players/logic/adressdatei.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <functional>
#include <vector>

// The records of "Adressen.adr" held in a small fraction of their 960 bytes, every byte kept:
// a text field stands as its length byte and its used text when the bytes behind the text are
// zero, a reserved range takes no room when it is all zero; any other range is kept as read.
// A record is unpacked by value when asked for, the file content only when it is written.
class KompakteAdressen
{
public:
    KompakteAdressen() = default;
    // The whole records of a file's content, in file order; a trailing partial record is left
    // out.
    explicit KompakteAdressen(QByteArrayView dateiinhalt);
    // Appends the whole records of a part of a file's content (read in parts of whole records).
    void saetzeAnhaengen(QByteArrayView dateiteil);

    qsizetype size() const { return qsizetype(m_anfang.size()); }
    bool isEmpty() const { return m_anfang.empty(); }

    TAdressRec at(qsizetype index) const;

    // The used bytes of Name and Vorname of one record (as ShortString::bytes() gives them),
    // without unpacking it; valid until the records change.
    struct Namen {
        QByteArrayView name;
        QByteArrayView vorname;
    };
    Namen namen(qsizetype index) const;

    // Writes these records to `pfad` in one atomic step, the record at `ohne` left out (none
    // when -1) and `neu` appended (none when nullptr), unpacking a few records at a time.
    platform::WriteResult schreiben(const QString& pfad, qsizetype ohne = -1,
                                    const TAdressRec* neu = nullptr) const;

    void entfernen(qsizetype index);
    void anhaengen(const TAdressRec& adresse);

private:
    QByteArrayView gepackt(qsizetype index) const;
    // The content schreiben() writes, in parts of at most `saetzeJeTeil` records; an empty
    // part at the end.
    std::function<QByteArrayView()> teile(qsizetype ohne, const TAdressRec* neu,
                                          qsizetype saetzeJeTeil) const;

    QByteArray m_daten;              // the packed records, one after the other
    std::vector<qsizetype> m_anfang; // where each record starts in m_daten
};

#pragma once

#include "platform/base/fileresult.h"
#include "players/logic/adressdatei.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QList>
#include <QString>

// The texts of the eight entry fields of the participant window.
struct AdressFelder {
    QString name;
    QString vorname;
    QString strasse;
    QString plzOrt;
    QString telefon;
    QString fax;
    QString mobil;
    QString email;

    bool operator==(const AdressFelder&) const = default;
};

// A record built from the entry fields: every text in Windows-1252, cut to its field's
// capacity; reserved ranges and unused bytes are zero.
TAdressRec adresseAusFeldern(const AdressFelder& felder);
AdressFelder adresseFelder(const TAdressRec& adresse);

// The form in which names are compared: leading and trailing blanks and control characters
// removed, a to z turned into A to Z; every other byte (umlauts too) stays as it is.
QByteArray adresseVergleichsform(QByteArrayView text);

// Whether the record has neither a name nor a first name (in their comparison form): there is
// nothing to store.
bool adresseOhneNamen(const TAdressRec& adresse);

// True when "Name" or "Vorname" holds more than blanks and control characters: a record
// without either is never stored.
bool adresseHatNamen(const AdressFelder& felder);

// The fields as the participant file can hold them: control characters become blanks and a
// letter that Windows-1252 lacks becomes its nearest letter (platform::nearestCp1252Text).
AdressFelder adresseSpeicherbar(const AdressFelder& felder);

// The German message that tells how the entered fields will be stored when some of their
// letters had to be replaced; empty when every letter is stored as entered.
QString adresseErsatzMeldung(const AdressFelder& eingabe, const AdressFelder& gespeichert);

// Where a participant stands in the file: `position` counts from 1.
struct AdressFund {
    bool gefunden = false;
    int position = 0;
};

// The first record whose Name and Vorname match the given ones. The given names are compared
// as they will be stored, cut to the field's capacity, so a long name finds its own record.
AdressFund adresse_pruefen(const QList<TAdressRec>& adressen, const QString& name,
                           const QString& vorname);

// Reads the file for showing or changing it. A missing file gives no records; one that exists
// but cannot be read gives none and a failed `file`, so that no change overwrites it. Adds no
// messages: the window words them with adressFehlermeldung.
platform::Read<QList<TAdressRec>> adressenPruefendLesen();

// The German message of a participant file that could not be read or written.
QString adressFehlermeldung(const platform::FileResult& fehler);

// Rewrites the whole file in one atomic step; on failure the file keeps its earlier content.
platform::WriteResult adressenSchreiben(const QList<TAdressRec>& adressen);

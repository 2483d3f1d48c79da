#pragma once

#include <QByteArray>
#include <QString>
#include <cstddef>
#include <cstdint>

// Shared by the fuzz targets: one data folder for the whole run and the checks made after
// each read. A failed check aborts, so the fuzzer keeps the input as a finding.

// Makes the data folder once and points Datenordner and the working folder at it.
void fuzzDatenordner();

// The grid measures text: it needs a QGuiApplication (offscreen), made once.
void fuzzGuiAnwendung();

// Writes the input as the data file `name` (bare name in the data folder).
void fuzzDateiSchreiben(const QString& name, const std::uint8_t* data, std::size_t size);

// Aborts with `was` when `bedingung` is false.
void fuzzPruefen(bool bedingung, const char* was);

// Text read from a file must give its bytes back when written in Windows-1252 again.
bool cp1252Rundweg(const QByteArray& bytes);

// Every length byte read is clamped to the field's capacity and its text round-trips.
template <class Feld> void feldPruefen(const Feld& feld)
{
    fuzzPruefen(feld.usedLength() <= Feld::capacity, "length byte clamped");
    fuzzPruefen(feld.bytes().size() == feld.usedLength(), "text as long as its length byte");
    fuzzPruefen(cp1252Rundweg(feld.bytes()), "text round-trips through Windows-1252");
}

#pragma once

#include "printing/logic/seiten.h"

#include <QString>
#include <functional>

class QPrinter;
class QWidget;

// The one printer of the run: "Anderen Drucker wählen" sets it up, "Drucken" prints on it.
QPrinter& druckerDesLaufs();

// True when there is nothing to print on: no printer installed and no file chosen as output.
bool keinDruckerEingerichtet(const QPrinter& drucker);

// Asks for the PDF file to print into when no printer is installed. Replaceable, so tests
// give the answer; an empty name means the organiser cancelled.
using PdfDateiFrage = std::function<QString(QWidget* parent, const QString& vorschlag)>;
PdfDateiFrage setPdfDateiFrage(PdfDateiFrage frage);
QString pdfDateiErfragen(QWidget* parent, const QString& vorschlag);

// The German message for a print job that did not come through; `ziel` names the printer or
// the file.
QString druckfehlerText(DruckUrsache ursache, const QString& ziel);

// The printer's name, or the output file when it prints into one.
QString druckziel(const QPrinter& drucker);

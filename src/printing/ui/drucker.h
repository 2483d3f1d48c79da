#pragma once

#include "printing/logic/seiten.h"

#include <QString>
#include <functional>

class QPageLayout;
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
// `titel` is the question's window title; empty: the one for a print without a printer.
QString pdfDateiErfragen(QWidget* parent, const QString& vorschlag, const QString& titel = {});

// Prints with `drucken` on the run's printer with the page layout `seite` for this one job.
// Without a printer it asks for a PDF file (proposing `vorschlag`) and prints into it, again
// only for this job. A failure is shown. Returns whether it printed (false when cancelled).
bool druckenMitSeite(QWidget* parent, const QPageLayout& seite, const QString& vorschlag,
                     const std::function<DruckUrsache(QPrinter&)>& drucken);

// The German message for a print job that did not come through; `ziel` names the printer or
// the file.
QString druckfehlerText(DruckUrsache ursache, const QString& ziel);

// The printer's name, or the output file when it prints into one.
QString druckziel(const QPrinter& drucker);

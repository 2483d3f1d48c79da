#include "printing/ui/drucker.h"

#include "platform/ui/messages.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileDialog>
#include <QPageLayout>
#include <QPrinter>
#include <QPrinterInfo>
#include <memory>

namespace
{

std::unique_ptr<QPrinter>& druckerSpeicher()
{
    static std::unique_ptr<QPrinter> drucker;
    return drucker;
}

void druckerFreigeben()
{
    druckerSpeicher().reset();
}

PdfDateiFrage& pdfFrage()
{
    static PdfDateiFrage frage;
    return frage;
}

} // namespace

QPrinter& druckerDesLaufs()
{
    std::unique_ptr<QPrinter>& drucker = druckerSpeicher();
    if (!drucker) {
        drucker = std::make_unique<QPrinter>(QPrinter::HighResolution);
        // Freed with the application, before the printing system goes.
        qAddPostRoutine(druckerFreigeben);
    }
    return *drucker;
}

bool keinDruckerEingerichtet(const QPrinter& drucker)
{
    return drucker.outputFileName().isEmpty() && (drucker.outputFormat() == QPrinter::PdfFormat ||
                                                  QPrinterInfo::availablePrinterNames().isEmpty());
}

PdfDateiFrage setPdfDateiFrage(PdfDateiFrage frage)
{
    PdfDateiFrage vorher = std::move(pdfFrage());
    pdfFrage() = std::move(frage);
    return vorher;
}

QString pdfDateiErfragen(QWidget* parent, const QString& vorschlag, const QString& titel)
{
    if (pdfFrage())
        return pdfFrage()(parent, vorschlag);
    return QFileDialog::getSaveFileName(
        parent,
        titel.isEmpty() ? QStringLiteral("Kein Drucker eingerichtet – als PDF-Datei speichern")
                        : titel,
        vorschlag, QStringLiteral("PDF-Dateien (*.pdf)"));
}

bool druckenMitSeite(QWidget* parent, const QPageLayout& seite, const QString& vorschlag,
                     const std::function<DruckUrsache(QPrinter&)>& drucken)
{
    QPrinter& drucker = druckerDesLaufs();
    const QString vorherDatei = drucker.outputFileName();
    const QPrinter::OutputFormat vorherFormat = drucker.outputFormat();
    const QPageLayout vorherSeite = drucker.pageLayout();
    const bool inDatei = keinDruckerEingerichtet(drucker);
    if (inDatei) {
        const QString datei = pdfDateiErfragen(parent, vorschlag);
        if (datei.isEmpty())
            return false;
        drucker.setOutputFormat(QPrinter::PdfFormat);
        drucker.setOutputFileName(datei);
    }
    drucker.setPageLayout(seite);
    const DruckUrsache ursache = drucken(drucker);
    const QString ziel = druckziel(drucker);
    // The next job finds the printer as it was: its own page, and without a printer a new
    // question instead of this file overwritten.
    drucker.setPageLayout(vorherSeite);
    if (inDatei) {
        drucker.setOutputFileName(vorherDatei);
        drucker.setOutputFormat(vorherFormat);
    }
    if (ursache != DruckUrsache::Gedruckt)
        platform::showMessage(druckfehlerText(ursache, ziel), platform::Buttons::Ok,
                              platform::Icon::Error);
    return ursache == DruckUrsache::Gedruckt;
}

QString druckziel(const QPrinter& drucker)
{
    if (!drucker.outputFileName().isEmpty())
        return QDir::toNativeSeparators(drucker.outputFileName());
    return drucker.printerName();
}

QString druckfehlerText(DruckUrsache ursache, const QString& ziel)
{
    switch (ursache) {
    case DruckUrsache::Gedruckt:
        return {};
    case DruckUrsache::KeineSeiten:
        return QStringLiteral("Es gibt keine Seite zu drucken.");
    case DruckUrsache::SeiteFehlt:
        return QStringLiteral("Diese Seite gibt es nicht.");
    case DruckUrsache::StartFehlgeschlagen:
        return QStringLiteral("Der Druck auf \"%1\" konnte nicht beginnen.\n\n"
                              "Bitte prüfen Sie den Drucker oder wählen Sie mit "
                              "\"Anderen Drucker wählen\" einen anderen.")
            .arg(ziel);
    case DruckUrsache::NeueSeiteFehlgeschlagen:
        return QStringLiteral("Der Druck auf \"%1\" wurde abgebrochen: eine neue Seite konnte "
                              "nicht begonnen werden.\n\nDer Ausdruck ist unvollständig.")
            .arg(ziel);
    case DruckUrsache::AbschlussFehlgeschlagen:
        return QStringLiteral("Der Druck auf \"%1\" konnte nicht abgeschlossen werden.\n\n"
                              "Der Ausdruck ist möglicherweise unvollständig.")
            .arg(ziel);
    }
    return {};
}

#include "printing/ui/tischdruckfenster.h"

#include "platform/base/clock.h"
#include "platform/ui/messages.h"
#include "platform/ui/modal.h"
#include "printing/logic/tischseite.h"
#include "printing/ui/drucker.h"
#include "printing/ui/nicepreview.h"

#include <QDir>
#include <QHBoxLayout>
#include <QPageLayout>
#include <QPageSize>
#include <QPrinter>
#include <QPushButton>
#include <QScreen>
#include <QStandardPaths>
#include <QVBoxLayout>

namespace
{

QString dateivorschlag(const QDate& datum)
{
    const QString ordner = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    return QDir(ordner).filePath(tischbelegungDateiname(datum));
}

} // namespace

Tischdruckfenster::Tischdruckfenster(const Tischbelegung& belegung, bool doppel, const QDate& datum,
                                     QWidget* parent)
    : QDialog(parent), m_datum(datum)
{
    setObjectName(QStringLiteral("Tischdruckfenster"));
    setWindowTitle(QStringLiteral("Tischbelegung drucken"));
    setAccessibleName(windowTitle());

    m_vorschau = new TNicePreview(this);
    m_vorschau->setObjectName(QStringLiteral("vorschau"));
    m_vorschau->setAccessibleName(QStringLiteral("Vorschau der Tischbelegung"));
    m_vorschau->setTitle(kTischbelegungTitel);
    m_vorschau->setColor(palette().color(QPalette::Inactive, QPalette::Mid));
    m_vorschau->setPageSize(kA4Quer);
    tischseiteZeichnen(*m_vorschau, belegung, doppel, datum);

    m_drucken = knopf("drucken", QStringLiteral("Drucken"),
                      QStringLiteral("Die Seite auf dem Drucker ausgeben"));
    m_pdf = knopf("alsPdfSpeichern", QStringLiteral("Als PDF speichern"),
                  QStringLiteral("Die Seite als PDF-Datei speichern"));
    m_beenden = knopf("beenden", QStringLiteral("Beenden"), QStringLiteral("Fenster schließen"));
    connect(m_drucken, &QPushButton::clicked, this, &Tischdruckfenster::druckenKlick);
    connect(m_pdf, &QPushButton::clicked, this, &Tischdruckfenster::pdfKlick);
    connect(m_beenden, &QPushButton::clicked, this, &QDialog::accept);

    auto* leiste = new QHBoxLayout;
    leiste->addStretch(1);
    for (QPushButton* b : {m_drucken, m_pdf, m_beenden})
        leiste->addWidget(b);
    leiste->addStretch(1);
    auto* spalte = new QVBoxLayout(this);
    spalte->addWidget(m_vorschau, 1);
    spalte->addLayout(leiste);

    // Most of the screen, so that the page reads well in the preview.
    if (const QScreen* bildschirm = parent ? parent->screen() : screen()) {
        const QRect bereich = bildschirm->availableGeometry();
        resize(bereich.width() * 9 / 10, bereich.height() * 9 / 10);
    }
}

QPushButton* Tischdruckfenster::knopf(const char* name, const QString& text, const QString& tipp)
{
    auto* b = new QPushButton(text, this);
    b->setObjectName(QString::fromLatin1(name));
    b->setAccessibleName(text);
    b->setToolTip(tipp);
    b->setAutoDefault(false);
    b->setMinimumWidth(110);
    return b;
}

void Tischdruckfenster::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    m_vorschau->ViewWholePage();
}

void Tischdruckfenster::druckenKlick()
{
    const QPageLayout seite(QPageSize(QPageSize::A4), QPageLayout::Landscape,
                            QMarginsF(0, 0, 0, 0));
    druckenMitSeite(this, seite, dateivorschlag(m_datum),
                    [this](QPrinter& drucker) { return m_vorschau->PrintAll(drucker); });
}

void Tischdruckfenster::pdfKlick()
{
    const QString datei =
        pdfDateiErfragen(this, dateivorschlag(m_datum), QStringLiteral("Als PDF speichern"));
    if (datei.isEmpty())
        return;
    const PdfSchreibung geschrieben =
        seitenAlsPdf(m_vorschau->seiten(), datei, kTischbelegungTitel);
    if (geschrieben.druck != DruckUrsache::Gedruckt)
        platform::showMessage(druckfehlerText(geschrieben.druck, QDir::toNativeSeparators(datei)),
                              platform::Buttons::Ok, platform::Icon::Error);
    else
        platform::showFileError(geschrieben.datei);
}

void tischbelegungDrucken(QWidget* parent, const Tischbelegung& belegung, bool doppel)
{
    Tischdruckfenster fenster(belegung, doppel, platform::today(), parent);
    platform::runModal(fenster);
}

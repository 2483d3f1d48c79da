#pragma once

#include "draw/logic/tischdatei.h"

#include <QDate>
#include <QDialog>

class QPushButton;
class TNicePreview;

// The print window of a seating: the page in the preview and the buttons "Drucken",
// "Als PDF speichern" and "Beenden".
class Tischdruckfenster : public QDialog
{
    Q_OBJECT
public:
    Tischdruckfenster(const Tischbelegung& belegung, bool doppel, const QDate& datum,
                      QWidget* parent = nullptr);

    TNicePreview* vorschau() const { return m_vorschau; }

public Q_SLOTS:
    void druckenKlick();
    void pdfKlick();

protected:
    void showEvent(QShowEvent* event) override;

private:
    QPushButton* knopf(const char* name, const QString& text, const QString& tipp);

    QDate m_datum;
    TNicePreview* m_vorschau = nullptr;
    QPushButton* m_drucken = nullptr;
    QPushButton* m_pdf = nullptr;
    QPushButton* m_beenden = nullptr;
};

// Shows the print window of `belegung` modally over `parent`, with today's date.
void tischbelegungDrucken(QWidget* parent, const Tischbelegung& belegung, bool doppel);

#pragma once

#include <QDialog>

// The small window that lists the maker's further programs, each with a button that opens
// its web page. Created once at start; closing it in any way shows the main window's
// main-screen panel again when the settings ask for it (HauptflaecheZeigen = 1). Not modal;
// Enter presses "Schließen", and Escape closes it as "Schließen" does.
class WeitereProgramme : public QDialog
{
    Q_OBJECT
public:
    explicit WeitereProgramme(QWidget* parent = nullptr);

    void reject() override;

protected:
    void closeEvent(QCloseEvent* event) override;
};

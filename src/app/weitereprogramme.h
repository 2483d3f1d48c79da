#pragma once

#include <QWidget>

// The small window that lists the maker's further programs, each with a button that opens
// its web page. Created once at start; closing it in any way shows the main window's
// main-screen panel again when the settings ask for it (HauptflaecheZeigen = 1).
class TWeitereProgramme : public QWidget
{
    Q_OBJECT
public:
    explicit TWeitereProgramme(QWidget* parent = nullptr);

protected:
    void closeEvent(QCloseEvent* event) override;
};

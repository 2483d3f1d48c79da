#pragma once

#include <QDialog>

class QLabel;
class QListWidget;
class QListWidgetItem;
class QPushButton;
class QFrame;

// The style window "Farbwahl": lists every registered style; a double click or
// "Style aktivieren" puts the picked style in force for all windows and stores it.
// Created once at start-up, shown without blocking (not modal), stays on top -- except while a
// modal window of the program is open: that one must never be covered.
class TFarbe : public QDialog
{
    Q_OBJECT
public:
    explicit TFarbe(QWidget* parent = nullptr);

    // The main window's "Farben" command: shows the window (not modal) and brings it to the front.
    void anzeigen();

    // Handlers of the controls (public so tests and the main window can drive them).
    void ListBox1Click(QListWidgetItem* item);
    void ListBox1DblClick(QListWidgetItem* item);
    void Style_ButtonClick();
    void Button22Click();

protected:
    bool event(QEvent* event) override;

private:
    void FormCreate();
    void obenBleiben(bool oben);
    void buildControls();
    void platzieren();
    void panel1Aktualisieren(const QString& name);
    void aktivenStilZeigen(const QString& name);

    QLabel* Panel1 = nullptr;        // "Aktiver Style > " and the name in force
    QListWidget* ListBox1 = nullptr; // the style names
    QPushButton* Style_Button = nullptr;
    QFrame* Panel5 = nullptr;
    QPushButton* Button22 = nullptr; // "Beenden"
};

#pragma once

#include <QImage>
#include <QMainWindow>
#include <functional>
#include <future>
#include <map>

class QAction;
class QFrame;
class QLabel;
class QListWidget;
class QMenu;
class QTimer;
class QToolButton;
class WeitereProgramme;

// The commands of the main window that open another subsystem's window. Each is wired once
// at start with befehlVerbinden; until then its tool-bar button and menu item are disabled.
enum class Befehl {
    Erfassen, // participant records window
    Auswahl,  // selection dialog
    Anwesend, // selected players view
    Tische2,  // result windows: show the last draw for 2 ... 6 tables
    Tische3,
    Tische4,
    Tische5,
    Tische6,
    Sicherung, // backup and restore window
    Farben,    // style window
    Drucken,   // print window
};

// The main window: tool bar, menu, main-screen panel with picture, headline and clock, and
// the status line. It owns no data; every command opens another window.
class TForm1 : public QMainWindow
{
    Q_OBJECT
public:
    explicit TForm1(QWidget* parent = nullptr);
    ~TForm1() override;

    // Wires a command to the action that opens its window and enables its button and menu
    // item. The hiding of Panel5 that belongs to the command stays here.
    void befehlVerbinden(Befehl befehl, std::function<void()> aktion);
    bool befehlVerbunden(Befehl befehl) const;

    // Set before FormCreate runs.
    std::function<void()> style_lesen;           // applies the stored style (step 8)
    std::function<bool()> automatischeSicherung; // the automatic backup; false: the run failed

    // The set-up the start-up calls once every window exists and is wired.
    void FormCreate();

    // Recomposes title and status line (the program's titel_zeigen comes here).
    void titelZeigen();

    // True when the taskbar hides itself automatically.
    bool IsTaskbarAutoHideOn() const;

    // The draw's set of drawn numbers; never visible.
    QListWidget* ListBox1 = nullptr; // hidden: the numbers drawn in the last draw

public Q_SLOTS:
    void SpeedButton1Click();
    void Namenerfassen1Click();
    void SpeedButton3Click();
    void Personenfestlegen1Click();
    void SpeedButton12Click();
    void Spieler1Click();
    void Namenzuordnen1Click();
    void SpeedButton4Click();
    void Spielerfr2Tische1Click();
    void SpeedButton5Click();
    void Spielerfr3Tische1Click();
    void SpeedButton2Click();
    void Spielerfr4Tische1Click();
    void SpeedButton8Click();
    void Spielerfr5TischeClick();
    void SpeedButton6Click();
    void Spielerfr6Tische1Click();
    void SpeedButton7Click();
    void DatensichernWiederherstellen1Click();
    void SpeedButton10Click();
    void SpeedButton11Click();
    void Adressendrucken1Click();
    void AufverfgbareUpdateprfen1Click();
    void Update1Click();
    void WeitereProgramme1Click();
    void WeitereProgramme2Click();
    void Websitebesuchen1Click();
    void NeuerAbend1Click();
    void Hilfe1Click();

Q_SIGNALS:
    // The main window has closed: the program ends.
    void programmEnde();

protected:
    void closeEvent(QCloseEvent* event) override;
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void werkzeugleisteBauen();
    void menueBauen();
    void hauptflaecheBauen();
    QToolButton* speedButton(const char* name, const QString& caption, const QString& hint,
                             const QString& bild);
    QAction* menuePunkt(QMenu* menue, const char* name, const QString& text);
    void befehlZuordnen(Befehl befehl, QToolButton* knopf, QAction* punkt);
    void ausfuehren(Befehl befehl);
    void updateStarten();
    void weitereProgrammeZeigen();
    void uhrStellen();
    void hauptflaecheAnordnen();

    QFrame* Panel1 = nullptr;
    QFrame* Panel5 = nullptr;        // the main-screen panel
    QLabel* Image1 = nullptr;        // the main picture
    QRect m_bildEntwurf;             // the main picture's place before it is fitted to the panel
    std::future<QImage> m_hauptbild; // the main picture while it is drawn
    QLabel* Label1 = nullptr;        // the headline
    QLabel* Label2 = nullptr;        // the bottom line
    QLabel* RxClock1 = nullptr;      // the clock
    QLabel* StatusPanel = nullptr;
    QTimer* Uhrtakt = nullptr;
    WeitereProgramme* m_weitereProgramme = nullptr;

    struct Befehlsplatz {
        std::function<void()> aktion;
        QList<QToolButton*> knoepfe;
        QList<QAction*> punkte;
    };
    std::map<Befehl, Befehlsplatz> m_befehle;
};

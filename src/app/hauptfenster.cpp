#include "app/hauptfenster.h"

#include "app/bilder.h"
#include "app/weitereprogramme.h"
#include "core/base/hauptfensterwerte.h"
#include "core/base/programm.h"
#include "core/ui/hauptfensterdienste.h"
#include "platform/base/clock.h"
#include "platform/base/datafolder.h"
#include "platform/base/taskbar.h"
#include "platform/ui/messages.h"

#include <QAction>
#include <QCloseEvent>
#include <QFileInfo>
#include <QFontDatabase>
#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QLayout>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QScreen>
#include <QStatusBar>
#include <QTimer>
#include <QToolButton>
#include <QVBoxLayout>
#include <cmath>

namespace
{

constexpr int kWerkzeugleisteHoehe = 65;
constexpr int kUhrBreite = 150;
constexpr int kUhrHoehe = 28;

// The first of the families that is installed, so that no missing family is looked up again
// for every text drawn; all of them when none is.
QStringList vorhandeneSchrift(const QStringList& familien)
{
    for (const QString& familie : familien)
        if (QFontDatabase::hasFamily(familie))
            return {familie};
    return familien;
}

QFont ueberschriftSchrift()
{
    QFont schrift;
    schrift.setFamilies(
        vorhandeneSchrift({QStringLiteral("Book Antiqua"), QStringLiteral("P052"),
                           QStringLiteral("Palatino Linotype"), QStringLiteral("DejaVu Serif")}));
    schrift.setPixelSize(16);
    schrift.setBold(true);
    return schrift;
}

QFont uhrSchrift()
{
    QFont schrift;
    schrift.setFamilies(vorhandeneSchrift(
        {QStringLiteral("Locardo"), QStringLiteral("DejaVu Sans"), QStringLiteral("Nimbus Sans")}));
    schrift.setPixelSize(16);
    schrift.setBold(true);
    return schrift;
}

} // namespace

TForm1::TForm1(QWidget* parent) : QMainWindow(parent)
{
    // The main picture takes longest to draw: it is drawn beside building this and the other
    // windows, and put in place when the window is first shown.
    m_hauptbild =
        std::async(std::launch::async | std::launch::deferred, [faktor = bildschirmfaktor()] {
            return bildImage(kHauptbild, kHauptbildGroesse, faktor);
        });
    setObjectName(QStringLiteral("Form1"));
    // Heard by its caption, which carries the date; labels with changing text by their text.
    setWindowIcon(bildIcon(QStringLiteral("zorbel-master")));
    resize(1069, 729);

    auto* hauptbereich = new QWidget(this);
    hauptbereich->setObjectName(QStringLiteral("Hauptbereich"));
    hauptbereich->setAccessibleName(QStringLiteral("Zorbel-Master"));
    auto* spalte = new QVBoxLayout(hauptbereich);
    spalte->setContentsMargins(0, 0, 0, 0);
    spalte->setSpacing(0);
    setCentralWidget(hauptbereich);

    werkzeugleisteBauen();
    hauptflaecheBauen();
    spalte->addWidget(Panel1);
    spalte->addWidget(Panel5, 1);
    menueBauen();

    QStatusBar* statusZeile = statusBar();
    statusZeile->setObjectName(QStringLiteral("StatusBar1"));
    statusZeile->setAccessibleName(QStringLiteral("Statuszeile"));
    statusZeile->setFixedHeight(20);
    statusZeile->setSizeGripEnabled(false);
    StatusPanel = new QLabel(statusZeile);
    StatusPanel->setObjectName(QStringLiteral("StatusBar1Panel"));
    StatusPanel->setAccessibleDescription(QStringLiteral("Hinweis"));
    StatusPanel->setAlignment(Qt::AlignCenter);
    statusZeile->addWidget(StatusPanel);

    m_weitereProgramme = new WeitereProgramme(this);

    Uhrtakt = new QTimer(this);
    Uhrtakt->setObjectName(QStringLiteral("Uhrtakt"));
    // A short period keeps the shown second in step with the real one.
    Uhrtakt->setInterval(200);
    connect(Uhrtakt, &QTimer::timeout, this, &TForm1::uhrStellen);
    Uhrtakt->start();
    uhrStellen();

    HauptfensterDienste dienste;
    dienste.hauptflaecheSichtbar = [this](bool sichtbar) { Panel5->setVisible(sichtbar); };
    dienste.titelZeigen = [this] { titelZeigen(); };
    dienste.fenster = [this]() -> QWidget* { return this; };
    hauptfensterDiensteSetzen(std::move(dienste));
}

TForm1::~TForm1()
{
    hauptfensterDiensteSetzen({});
}

QToolButton* TForm1::speedButton(const char* name, const QString& caption, const QString& hint,
                                 const QString& bild)
{
    auto* knopf = new QToolButton(Panel1);
    knopf->setObjectName(QString::fromLatin1(name));
    knopf->setText(caption);
    knopf->setToolTip(hint);
    knopf->setAccessibleName(caption.trimmed());
    knopf->setAccessibleDescription(hint);
    knopf->setIcon(bildIcon(bild));
    knopf->setIconSize(QSize(32, 32));
    knopf->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
    knopf->setAutoRaise(true);
    knopf->setFixedSize(70, 63);
    knopf->setFocusPolicy(Qt::TabFocus);
    Panel1->layout()->addWidget(knopf);
    return knopf;
}

void TForm1::werkzeugleisteBauen()
{
    Panel1 = new QFrame(this);
    Panel1->setObjectName(QStringLiteral("Panel1"));
    Panel1->setAccessibleName(QStringLiteral("Werkzeugleiste"));
    Panel1->setFrameShape(QFrame::StyledPanel);
    Panel1->setFrameShadow(QFrame::Raised);
    Panel1->setFixedHeight(kWerkzeugleisteHoehe);
    auto* reihe = new QHBoxLayout(Panel1);
    reihe->setContentsMargins(1, 1, 1, 1);
    reihe->setSpacing(0);

    auto* b1 = speedButton("SpeedButton1", QStringLiteral("Erfassen"),
                           QStringLiteral("Daten eingeben"), QStringLiteral("erfassen"));
    auto* b3 = speedButton("SpeedButton3", QStringLiteral("Auswahl "),
                           QStringLiteral("Daten suchen"), QStringLiteral("auswahl"));
    auto* b12 =
        speedButton("SpeedButton12", QStringLiteral("Anwesend"), {}, QStringLiteral("anwesend"));
    auto* b4 =
        speedButton("SpeedButton4", QStringLiteral("2 Tische"), {}, QStringLiteral("tische2"));
    auto* b5 =
        speedButton("SpeedButton5", QStringLiteral("3 Tische"), {}, QStringLiteral("tische3"));
    auto* b2 =
        speedButton("SpeedButton2", QStringLiteral("4 Tische"), {}, QStringLiteral("tische4"));
    auto* b8 =
        speedButton("SpeedButton8", QStringLiteral("5 Tische"), {}, QStringLiteral("tische5"));
    auto* b6 =
        speedButton("SpeedButton6", QStringLiteral("6 Tische"), {}, QStringLiteral("tische6"));
    auto* b7 = speedButton("SpeedButton7", QStringLiteral("Backup"), {}, QStringLiteral("backup"));
    auto* b10 =
        speedButton("SpeedButton10", QStringLiteral("Farben"),
                    QStringLiteral("Bildschirmfarben einstellen"), QStringLiteral("farben"));
    auto* b11 = speedButton("SpeedButton11", QStringLiteral("Beenden"),
                            QStringLiteral("Programm beenden"), QStringLiteral("beenden"));
    reihe->addStretch(1);

    connect(b1, &QToolButton::clicked, this, &TForm1::SpeedButton1Click);
    connect(b3, &QToolButton::clicked, this, &TForm1::SpeedButton3Click);
    connect(b12, &QToolButton::clicked, this, &TForm1::SpeedButton12Click);
    connect(b4, &QToolButton::clicked, this, &TForm1::SpeedButton4Click);
    connect(b5, &QToolButton::clicked, this, &TForm1::SpeedButton5Click);
    connect(b2, &QToolButton::clicked, this, &TForm1::SpeedButton2Click);
    connect(b8, &QToolButton::clicked, this, &TForm1::SpeedButton8Click);
    connect(b6, &QToolButton::clicked, this, &TForm1::SpeedButton6Click);
    connect(b7, &QToolButton::clicked, this, &TForm1::SpeedButton7Click);
    connect(b10, &QToolButton::clicked, this, &TForm1::SpeedButton10Click);
    connect(b11, &QToolButton::clicked, this, &TForm1::SpeedButton11Click);

    befehlZuordnen(Befehl::Erfassen, b1, nullptr);
    befehlZuordnen(Befehl::Auswahl, b3, nullptr);
    befehlZuordnen(Befehl::Anwesend, b12, nullptr);
    befehlZuordnen(Befehl::Tische2, b4, nullptr);
    befehlZuordnen(Befehl::Tische3, b5, nullptr);
    befehlZuordnen(Befehl::Tische4, b2, nullptr);
    befehlZuordnen(Befehl::Tische5, b8, nullptr);
    befehlZuordnen(Befehl::Tische6, b6, nullptr);
    befehlZuordnen(Befehl::Sicherung, b7, nullptr);
    befehlZuordnen(Befehl::Farben, b10, nullptr);
}

QAction* TForm1::menuePunkt(QMenu* menue, const char* name, const QString& text)
{
    QAction* punkt = menue ? menue->addAction(text) : menuBar()->addAction(text);
    punkt->setObjectName(QString::fromLatin1(name));
    return punkt;
}

void TForm1::menueBauen()
{
    QMenuBar* leiste = menuBar();
    leiste->setObjectName(QStringLiteral("MainMenu1"));
    leiste->setAccessibleName(QStringLiteral("Menü"));

    auto untermenue = [leiste](const char* name, const QString& titel) {
        QMenu* menue = leiste->addMenu(titel);
        menue->setObjectName(QString::fromLatin1(name));
        menue->setAccessibleName(titel);
        menue->menuAction()->setObjectName(QString::fromLatin1(name) + QStringLiteral("Punkt"));
        return menue;
    };

    QMenu* erfassen = untermenue("Spielererfassen1", QStringLiteral("Spieler erfassen"));
    QAction* namenerfassen =
        menuePunkt(erfassen, "Namenerfassen1", QStringLiteral("Spieler erfassen/ändern"));

    QMenu* bearbeiten = untermenue("Bearbeiten1", QStringLiteral("Bearbeiten"));
    QAction* festlegen =
        menuePunkt(bearbeiten, "Personenfestlegen1", QStringLiteral("Spieler auswählen"));
    QAction* spieler =
        menuePunkt(bearbeiten, "Spieler1", QStringLiteral("Ausgewählte Spieler anzeigen"));

    QMenu* zuordnen = untermenue("Spielerzuordnen1", QStringLiteral("Spieler zuordnen"));
    QAction* t2 = menuePunkt(zuordnen, "Spielerfr2Tische1", QStringLiteral("Spieler für 2 Tische"));
    QAction* t3 = menuePunkt(zuordnen, "Spielerfr3Tische1", QStringLiteral("Spieler für 3 Tische"));
    QAction* t4 = menuePunkt(zuordnen, "Spielerfr4Tische1", QStringLiteral("Spieler für 4 Tische"));
    QAction* t5 = menuePunkt(zuordnen, "Spielerfr5Tische", QStringLiteral("Spieler für 5 Tische"));
    QAction* t6 = menuePunkt(zuordnen, "Spielerfr6Tische1", QStringLiteral("Spieler für 6 Tische"));

    QMenu* drucken = untermenue("Drucken1", QStringLiteral("Drucken"));
    QAction* adressen =
        menuePunkt(drucken, "Adressendrucken1", QStringLiteral("Erfasste Spieler drucken"));

    QMenu* sonstiges = untermenue("Sonstiges1", QStringLiteral("Sonstiges"));
    QAction* sichern = menuePunkt(sonstiges, "DatensichernWiederherstellen1",
                                  QStringLiteral("Daten sichern/Wiederherstellen"));
    QAction* neuerAbend = menuePunkt(sonstiges, "NeuerAbend1", QStringLiteral("Neuer Abend"));
    sonstiges->addSeparator();
    QAction* updatePruefen = menuePunkt(sonstiges, "AufverfgbareUpdateprfen1",
                                        QStringLiteral("Auf verfügbare Update prüfen"));
    QAction* weitere1 =
        menuePunkt(sonstiges, "WeitereProgramme1", QStringLiteral("Weitere Programme"));
    QAction* website =
        menuePunkt(sonstiges, "Websitebesuchen1", QStringLiteral("Website besuchen"));

    QAction* update = menuePunkt(nullptr, "Update1", QStringLiteral("Update"));
    QAction* weitere2 =
        menuePunkt(nullptr, "WeitereProgramme2", QStringLiteral("Weitere Programme"));
    QAction* hilfe = menuePunkt(nullptr, "Hilfe1", QStringLiteral("Hilfe"));

    connect(namenerfassen, &QAction::triggered, this, &TForm1::Namenerfassen1Click);
    connect(festlegen, &QAction::triggered, this, &TForm1::Personenfestlegen1Click);
    connect(spieler, &QAction::triggered, this, &TForm1::Spieler1Click);
    connect(t2, &QAction::triggered, this, &TForm1::Spielerfr2Tische1Click);
    connect(t3, &QAction::triggered, this, &TForm1::Spielerfr3Tische1Click);
    connect(t4, &QAction::triggered, this, &TForm1::Spielerfr4Tische1Click);
    connect(t5, &QAction::triggered, this, &TForm1::Spielerfr5TischeClick);
    connect(t6, &QAction::triggered, this, &TForm1::Spielerfr6Tische1Click);
    connect(adressen, &QAction::triggered, this, &TForm1::Adressendrucken1Click);
    connect(sichern, &QAction::triggered, this, &TForm1::DatensichernWiederherstellen1Click);
    connect(updatePruefen, &QAction::triggered, this, &TForm1::AufverfgbareUpdateprfen1Click);
    connect(weitere1, &QAction::triggered, this, &TForm1::WeitereProgramme1Click);
    connect(website, &QAction::triggered, this, &TForm1::Websitebesuchen1Click);
    connect(neuerAbend, &QAction::triggered, this, &TForm1::NeuerAbend1Click);
    connect(update, &QAction::triggered, this, &TForm1::Update1Click);
    connect(weitere2, &QAction::triggered, this, &TForm1::WeitereProgramme2Click);
    connect(hilfe, &QAction::triggered, this, &TForm1::Hilfe1Click);

    befehlZuordnen(Befehl::Erfassen, nullptr, namenerfassen);
    befehlZuordnen(Befehl::Auswahl, nullptr, festlegen);
    befehlZuordnen(Befehl::Anwesend, nullptr, spieler);
    befehlZuordnen(Befehl::Tische2, nullptr, t2);
    befehlZuordnen(Befehl::Tische3, nullptr, t3);
    befehlZuordnen(Befehl::Tische4, nullptr, t4);
    befehlZuordnen(Befehl::Tische5, nullptr, t5);
    befehlZuordnen(Befehl::Tische6, nullptr, t6);
    befehlZuordnen(Befehl::Sicherung, nullptr, sichern);
    befehlZuordnen(Befehl::Drucken, nullptr, adressen);
}

void TForm1::hauptflaecheBauen()
{
    Panel5 = new QFrame(this);
    Panel5->setObjectName(QStringLiteral("Panel5"));
    Panel5->setAccessibleName(QStringLiteral("Hauptfläche"));
    Panel5->setFrameShape(QFrame::NoFrame);
    Panel5->setAutoFillBackground(true);
    Panel5->setMinimumSize(200, 120);
    // A hidden main-screen panel leaves its place empty: the tool bar stays at the top.
    QSizePolicy platzHalten = Panel5->sizePolicy();
    platzHalten.setRetainSizeWhenHidden(true);
    Panel5->setSizePolicy(platzHalten);
    Panel5->installEventFilter(this);

    Image1 = new QLabel(Panel5);
    Image1->setObjectName(QStringLiteral("Image1"));
    Image1->setAccessibleName(QStringLiteral("Bild: Tischfußball-Tisch von oben"));
    m_bildEntwurf = QRect(QPoint(238, 60), kHauptbildGroesse);
    Image1->setGeometry(m_bildEntwurf);
    Image1->setScaledContents(true);

    Label1 = new QLabel(
        QStringLiteral("Zufällig ausgewählte Spieler verschiedenen Tischen zuweisen."), Panel5);
    Label1->setObjectName(QStringLiteral("Label1"));
    Label1->setFont(ueberschriftSchrift());
    Label1->setAlignment(Qt::AlignCenter);
    Label1->setGeometry(0, 18, 1069, 26);

    Label2 = new QLabel(QStringLiteral("Hier könnte Ihre Werbung stehen."), Panel5);
    Label2->setObjectName(QStringLiteral("Label2"));
    Label2->setFont(ueberschriftSchrift());
    Label2->setAlignment(Qt::AlignCenter);
    Label2->setGeometry(134, 600, 800, 21);

    RxClock1 = new QLabel(Panel5);
    RxClock1->setObjectName(QStringLiteral("RxClock1"));
    RxClock1->setAccessibleDescription(QStringLiteral("Uhrzeit"));
    RxClock1->setFont(uhrSchrift());
    RxClock1->setFrameShape(QFrame::NoFrame);
    // The clock reaches 10 pixels past the panel's right edge; its text keeps clear of it.
    RxClock1->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    RxClock1->setContentsMargins(0, 0, 20, 0);
    RxClock1->setGeometry(929, 640, kUhrBreite, kUhrHoehe);

    ListBox1 = new QListWidget(Panel5);
    ListBox1->setObjectName(QStringLiteral("ListBox1"));
    ListBox1->setAccessibleName(QStringLiteral("Gezogene Nummern"));
    ListBox1->hide();
}

// --- Set-up, title, clock ------------------------------------------------------------------

bool TForm1::IsTaskbarAutoHideOn() const
{
    return platform::taskbar(screen()).autoHide;
}

void TForm1::showEvent(QShowEvent* event)
{
    if (m_hauptbild.valid())
        Image1->setPixmap(QPixmap::fromImage(m_hauptbild.get()));
    QMainWindow::showEvent(event);
}

void TForm1::FormCreate()
{
    QScreen* bildschirm = screen();
    if (bildschirm)
        setGeometry(bildschirm->availableGeometry());
    layout()->activate();
    centralWidget()->layout()->activate();

    Hilfedatei = Datenordner + QStringLiteral("Zorbeln-Hilfe.html");
    if (!QFileInfo(Hilfedatei).isFile())
        platform::showMessage(hilfeFehltMeldung(Hilfedatei), platform::Buttons::Ok,
                              platform::Icon::Warning);

    const platform::Taskbar leiste = platform::taskbar(bildschirm);
    if (!leiste.known || !bildschirm)
        return;

    const int breite = bildschirm->geometry().width();
    const int hoehe = bildschirm->geometry().height();
    m_bildEntwurf.moveTo(static_cast<int>(std::trunc(breite / 2.0 - m_bildEntwurf.width() / 2.0)),
                         static_cast<int>(std::trunc(
                             hoehe / 2.0 - (m_bildEntwurf.height() / 2.0 + kWerkzeugleisteHoehe))));
    Image1->setGeometry(m_bildEntwurf);

    TaskleistenHoehe =
        taskleistenHoehe(hoehe, leiste.left, leiste.top, leiste.right, leiste.bottom);
    TaskleisteFest = IsTaskbarAutoHideOn() ? 0 : 1;

    // Half the screen, or more where the notice needs it (a 1024-pixel screen).
    StatusPanel->setMinimumWidth(breite / 2);

    titel_zeigen();
    if (style_lesen)
        style_lesen();
    setWindowState(windowState() | Qt::WindowMaximized);

    Panel5->show();
    hauptflaecheAnordnen();
}

void TForm1::hauptflaecheAnordnen()
{
    const int breite = Panel5->width();
    const int hoehe = Panel5->height();
    Label1->setGeometry(0, Label1->y(), breite, Label1->height());
    Label2->setGeometry(0, hoehe - Label2->height() - 16, breite, Label2->height());
    RxClock1->move(breite - RxClock1->width() + 10, hoehe - RxClock1->height() - 10);
    // On a low screen (1024 x 600) the picture shrinks between headline and bottom line.
    constexpr int kAbstand = 4;
    const int oben = Label1->geometry().bottom() + 1 + kAbstand;
    const QRect frei(0, oben, breite, Label2->y() - kAbstand - oben);
    Image1->setGeometry(bildPlatz(m_bildEntwurf, frei));
}

bool TForm1::eventFilter(QObject* watched, QEvent* event)
{
    // Headline, bottom line and clock keep their places when the panel changes size.
    if (watched == Panel5 && event->type() == QEvent::Resize)
        hauptflaecheAnordnen();
    return QMainWindow::eventFilter(watched, event);
}

void TForm1::titelZeigen()
{
    const QDate heute = platform::today();
    setWindowTitle(titelText(heute, Programmversion));
    StatusPanel->setText(statusText(heute, Programmversion));
}

void TForm1::uhrStellen()
{
    const QString zeit = platform::now().time().toString(QStringLiteral("HH:mm:ss"));
    if (RxClock1->text() != zeit)
        RxClock1->setText(zeit);
}

void TForm1::closeEvent(QCloseEvent* event)
{
    event->accept();
    Q_EMIT programmEnde();
}

#include "backup/ui/back5.h"

#include "backup/logic/sicherung.h"
#include "backup/ui/laufwerkslisten.h"
#include "core/base/optionen.h"
#include "core/base/programm.h"
#include "core/ui/hauptfensterdienste.h"
#include "draw/logic/auswahldatei.h"
#include "platform/base/clock.h"
#include "platform/base/datafolder.h"
#include "platform/ui/messages.h"
#include "platform/ui/modal.h"
#include "platform/ui/placement.h"

#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QFileInfo>
#include <QGridLayout>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QResizeEvent>
#include <QScreen>
#include <QTabWidget>
#include <QVBoxLayout>

namespace
{

const QString kMarkieren = QStringLiteral("  Markieren Sie bitte mit der Maus die Datei,     \n"
                                          "      die wieder hergestellt werden soll.         \n");
const QString kDateiHergestellt =
    QStringLiteral(" Die Datei wurde wieder hergestellt.   \n") + QString(42, QLatin1Char(' '));
const QString kDateienHergestellt =
    QStringLiteral(" Die Dateien wurden wieder hergestellt.   \n") + QString(42, QLatin1Char(' '));
const QString kEinAusgabeFehler =
    QStringLiteral("    Datei-Ein/Ausgabe-Fehler \n Legen Sie bitte eine Diskette ein.\n");
const QString kZielFehlt =
    QStringLiteral("Bitte geben Sie das Zielverzeichnis an, in das die Daten gesichert "
                   "werden sollen.");
const QString kZielIstDatenordner =
    QStringLiteral("Das Zielverzeichnis ist das Datenverzeichnis des Programms selbst.\n"
                   "Bitte wählen Sie ein anderes Zielverzeichnis für die Datensicherung.");
const QString kQuelleIstDatenordner =
    QStringLiteral("Das Quellverzeichnis ist das Datenverzeichnis des Programms selbst.\n"
                   "Bitte wählen Sie das Verzeichnis der Datensicherung, aus dem die Dateien "
                   "wieder hergestellt werden sollen.\nEs wurde keine Datei wieder hergestellt.");
const QString kKeineDateiPasst =
    QStringLiteral("Im Verzeichnis „%1“ gibt es keine Datei, die zu „%2“ passt.\n"
                   "Es wurde keine Datei wieder hergestellt.");
const QString kNichtsMarkiert =
    QStringLiteral("Markieren Sie bitte die Dateien, die wieder hergestellt werden sollen.\n"
                   "Es wurde keine Datei wieder hergestellt.");
const QString kBisherigerOrdner =
    QStringLiteral("\n\nGespeichert bleibt der bisherige Sicherungsordner „%1“.");
const QString kGewaehlterOrdnerNichtGemerkt =
    QStringLiteral("\n\nEine Datensicherung in diesen Ordner ist trotzdem möglich; gespeichert "
                   "bleibt der bisherige Sicherungsordner „%1“.");
const QString kGesichertNichtGemerkt =
    QStringLiteral("\n\nDie Daten wurden in diesen Ordner gesichert, er wird aber nicht als "
                   "Sicherungsordner gespeichert. Gespeichert bleibt „%1“.");

// What the window remembers for the whole program run, across its openings.
struct Zustand {
    int modus = 0;
    QString quellordner;
    QString zielordner;
    QString zielBeimOeffnen;
    QString namensmaske;
    QString quelldatei;
    QString zieldatei;
    bool dateiGewaehlt = false;
    bool kopiert = false;
    bool zielNichtSpeichern = false;
};

Zustand& zustand()
{
    static Zustand z;
    return z;
}

QString sicherungsordner()
{
    return Optionen.SicherungsPfad.str();
}

// The stored backup folder as this machine uses it; empty when none is chosen here.
QString gespeicherterOrdner()
{
    return gespeicherterSicherungsordner(sicherungsordner());
}

// The folder the settings hold for the user: the stored one or the default folder.
QString bisherigerOrdner()
{
    const QString ordner = gespeicherterOrdner();
    return ordner.isEmpty() ? standardSicherungsordner() : ordner;
}

void sicherungsordnerMerken(const QString& ordner)
{
    Optionen.SicherungsPfad.set(ordner);
}

// A folder about to be stored: the usable, storable form, or empty after telling the user
// why it cannot be stored and that the earlier folder stays.
QString ordnerZumSpeichern(const QString& eingabe)
{
    const Ordnerpruefung pruefung = ordnerPruefen(eingabe);
    if (pruefung.brauchbar && pruefung.speicherbar)
        return pruefung.ordner;
    platform::showMessage(pruefung.grund + kBisherigerOrdner.arg(bisherigerOrdner()),
                          platform::Buttons::Ok, platform::Icon::Warning);
    return {};
}

// The folder of the restore page's list is stored with the next save only when the settings
// file can hold it; otherwise the earlier folder stays.
void quellordnerMerken(const QString& ordner)
{
    if (ordnerPruefen(ordner).speicherbar)
        sicherungsordnerMerken(ordner);
}

bool istDatenordner(const QString& ordner)
{
    return gleicherOrdner(ordner, Datenordner);
}

QLineEdit* neuesFeld(const QString& name, QWidget* parent)
{
    auto* feld = new QLineEdit(parent);
    feld->setObjectName(name);
    return feld;
}

QLabel* neueBeschriftung(const QString& name, const QString& text, QWidget* parent)
{
    auto* label = new QLabel(text, parent);
    label->setObjectName(name);
    return label;
}

QLabel* neueKopfzeile(const QString& name, QWidget* parent)
{
    auto* zeile = new QLabel(parent);
    zeile->setObjectName(name);
    zeile->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    zeile->setAlignment(Qt::AlignCenter);
    zeile->setMinimumHeight(28);
    QFont schrift = zeile->font();
    schrift.setBold(true);
    zeile->setFont(schrift);
    return zeile;
}

} // namespace

void sicherungOeffnen()
{
    hauptflaecheVerbergen();
    TBack5 fenster(hauptfenster());
    fenster.DatensichernWiederherstellen1Click();
    platform::runModal(fenster);
}

TBack5::TBack5(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("Back5"));
    setWindowTitle(QStringLiteral("Daten sichern/wiederherstellen"));
    platform::escapeDoesNothing(*this);
    aufbauen();
}

TBack5::~TBack5()
{
    sanduhr(false);
}

int TBack5::modus() const
{
    return zustand().modus;
}

bool TBack5::zielNichtSpeichern()
{
    return zustand().zielNichtSpeichern;
}

void TBack5::zustandZuruecksetzen()
{
    zustand() = Zustand{};
}

// ---------------------------------------------------------------- building the window

void TBack5::aufbauen()
{
    PageControl1 = new QTabWidget(this);
    PageControl1->setObjectName(QStringLiteral("PageControl1"));
    PageControl1->setAccessibleName(QStringLiteral("Datensicherung und Datenwiederherstellung"));
    PageControl1->addTab(sicherungsseite(), QStringLiteral("Datensicherung"));
    PageControl1->addTab(wiederherstellungsseite(), QStringLiteral("Datenwiederherstellung"));

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(PageControl1, 1);
    layout->addWidget(knopfleiste());
    resize(640, 560);

    connect(PageControl1, &QTabWidget::currentChanged, this, &TBack5::PageControl1Change);
    connect(Button1, &QPushButton::clicked, this, &TBack5::Button1Click);
    connect(Button2, &QPushButton::clicked, this, &TBack5::Button2Click);
    connect(Button4, &QPushButton::clicked, this, &TBack5::Button4Click);
    connect(CheckBox1, &QCheckBox::clicked, this, &TBack5::CheckBox1Click);
    connect(DirectoryListBox1, &DirectoryListBox::clicked, this, &TBack5::DirectoryListBox1Click);
    connect(DirectoryListBox2, &DirectoryListBox::changed, this, &TBack5::DirectoryListBox2Change);
    connect(DirectoryListBox2, &DirectoryListBox::clicked, this, &TBack5::DirectoryListBox2Click);
    connect(DirectoryListBox2, &DirectoryListBox::doubleClicked, this,
            &TBack5::DirectoryListBox2Click);
    connect(FileListBox1, &QListWidget::itemClicked, this, &TBack5::FileListBox1Click);
    // Keyboard users pick with the arrow keys; the file list is refilled with its signals off.
    connect(FileListBox1, &QListWidget::itemSelectionChanged, this, &TBack5::FileListBox1Click);
    connect(RadioButton1, &QRadioButton::clicked, this, &TBack5::RadioButton1Click);
    connect(RadioButton2, &QRadioButton::clicked, this, &TBack5::RadioButton2Click);
    connect(RadioButton3, &QRadioButton::clicked, this, &TBack5::RadioButton3Click);
    connect(DriveComboBox1, &DriveComboBox::laufwerkGewechselt, this,
            &TBack5::DriveComboBox1Change);
    connect(DriveComboBox2, &DriveComboBox::laufwerkGewechselt, this,
            &TBack5::DriveComboBox2Change);
    connect(DirectoryListBox1, &DirectoryListBox::changed, this,
            [this] { DriveComboBox1->zeigeLaufwerkVon(DirectoryListBox1->directory()); });
    connect(DirectoryListBox2, &DirectoryListBox::changed, this,
            [this] { DriveComboBox2->zeigeLaufwerkVon(DirectoryListBox2->directory()); });

    DirectoryListBox1->setDirectory(Datenordner);
    // Restoring from the data folder would copy the files onto themselves.
    DirectoryListBox2->setDirectory(QDir::homePath());
}

QWidget* TBack5::sicherungsseite()
{
    TabSheet1 = new QWidget;
    TabSheet1->setObjectName(QStringLiteral("TabSheet1"));
    Panel4 = neueKopfzeile(QStringLiteral("Panel4"), TabSheet1);
    Panel4->setText(QStringLiteral("Bitte wählen Sie bei Bedarf ein anderes Zielverzeichnis."));

    DriveComboBox1 = new DriveComboBox(TabSheet1);
    DriveComboBox1->setObjectName(QStringLiteral("DriveComboBox1"));
    DirectoryListBox1 = new DirectoryListBox(TabSheet1);
    DirectoryListBox1->setObjectName(QStringLiteral("DirectoryListBox1"));
    DirectoryListBox1->setAccessibleName(QStringLiteral("Zielverzeichnis wählen"));
    CheckBox1 =
        new QCheckBox(QStringLiteral("Automatische Datensicherung nach Programmende."), TabSheet1);
    CheckBox1->setObjectName(QStringLiteral("CheckBox1"));
    CheckBox1->setAccessibleName(CheckBox1->text());
    Button4 = new QPushButton(TabSheet1);
    Button4->setObjectName(QStringLiteral("Button4"));
    setzeKnopftext(Button4, QStringLiteral("Datum anfügen"));
    // Enter in a path field must neither append a date nor start a copy.
    Button4->setAutoDefault(false);

    Label1 = neueBeschriftung(QStringLiteral("Label1"),
                              QStringLiteral("Kopiere Dateien von Quellverzeichnis:"), TabSheet1);
    Edit1 = neuesFeld(QStringLiteral("Edit1"), TabSheet1);
    Label2 = neueBeschriftung(QStringLiteral("Label2"),
                              QStringLiteral("Kopiere Dateien nach Zielverzeichnis:"), TabSheet1);
    Edit2 = neuesFeld(QStringLiteral("Edit2"), TabSheet1);
    setzeBeschriftung(Label1, Edit1, Label1->text());
    setzeBeschriftung(Label2, Edit2, Label2->text());

    auto* rechts = new QVBoxLayout;
    rechts->addWidget(CheckBox1);
    rechts->addSpacing(12);
    rechts->addWidget(Button4, 0, Qt::AlignLeft);
    rechts->addStretch(1);

    auto* ordner = new QVBoxLayout;
    ordner->addWidget(DriveComboBox1);
    ordner->addWidget(DirectoryListBox1, 1);

    auto* mitte = new QHBoxLayout;
    mitte->addLayout(ordner, 3);
    mitte->addSpacing(12);
    mitte->addLayout(rechts, 2);

    auto* layout = new QVBoxLayout(TabSheet1);
    layout->addWidget(Panel4);
    layout->addLayout(mitte, 1);
    layout->addSpacing(6);
    layout->addWidget(Label1);
    layout->addWidget(Edit1);
    layout->addWidget(Label2);
    layout->addWidget(Edit2);
    return TabSheet1;
}

QWidget* TBack5::wiederherstellungsseite()
{
    TabSheet2 = new QWidget;
    TabSheet2->setObjectName(QStringLiteral("TabSheet2"));
    Panel5 = neueKopfzeile(QStringLiteral("Panel5"), TabSheet2);
    Panel5->setText(QStringLiteral("Bitte wählen Sie bei Bedarf ein neues Zielverzeichnis:"));

    DriveComboBox2 = new DriveComboBox(TabSheet2);
    DriveComboBox2->setObjectName(QStringLiteral("DriveComboBox2"));
    DirectoryListBox2 = new DirectoryListBox(TabSheet2);
    DirectoryListBox2->setObjectName(QStringLiteral("DirectoryListBox2"));
    DirectoryListBox2->setAccessibleName(QStringLiteral("Backup Verzeichnis wählen"));
    FileListBox1 = new FileListBox(TabSheet2);
    FileListBox1->setObjectName(QStringLiteral("FileListBox1"));
    FileListBox1->setAccessibleName(QStringLiteral("Dateien im Backup Verzeichnis"));

    RadioButton1 = new QRadioButton(QStringLiteral("Dateien einzeln wiederherstellen."), TabSheet2);
    RadioButton1->setObjectName(QStringLiteral("RadioButton1"));
    RadioButton2 = new QRadioButton(
        QStringLiteral("Alle Dateien eines Namens gemeinsam wiederherstellen."), TabSheet2);
    RadioButton2->setObjectName(QStringLiteral("RadioButton2"));
    RadioButton3 =
        new QRadioButton(QStringLiteral("Selektierte Dateien wiederherstellen"), TabSheet2);
    RadioButton3->setObjectName(QStringLiteral("RadioButton3"));
    for (QRadioButton* knopf : {RadioButton1, RadioButton2, RadioButton3})
        knopf->setAccessibleName(knopf->text());

    Label5 = neueBeschriftung(QStringLiteral("Label5"), QString(), TabSheet2);
    Edit3 = neuesFeld(QStringLiteral("Edit3"), TabSheet2);
    Edit3->setReadOnly(true);
    Label6 = neueBeschriftung(QStringLiteral("Label6"), QString(), TabSheet2);
    Edit4 = neuesFeld(QStringLiteral("Edit4"), TabSheet2);
    setzeBeschriftung(Label5, Edit3, QStringLiteral("Kopiere Dateien von Backup Verzeichnis:"));
    setzeBeschriftung(Label6, Edit4, QStringLiteral("Kopiere Dateien nach Zielverzeichnis:"));

    auto* ordner = new QVBoxLayout;
    ordner->addWidget(DriveComboBox2);
    ordner->addWidget(DirectoryListBox2, 1);

    auto* listen = new QHBoxLayout;
    listen->addLayout(ordner, 1);
    listen->addSpacing(8);
    listen->addWidget(FileListBox1, 1);

    auto* layout = new QVBoxLayout(TabSheet2);
    layout->addWidget(Panel5);
    layout->addLayout(listen, 1);
    layout->addWidget(RadioButton1);
    layout->addWidget(RadioButton2);
    layout->addWidget(RadioButton3);
    layout->addSpacing(6);
    layout->addWidget(Label5);
    layout->addWidget(Edit3);
    layout->addWidget(Label6);
    layout->addWidget(Edit4);
    return TabSheet2;
}

// Button1 ends 10 pixels left of the window's centre, Button2 starts 5 pixels left of it.
QWidget* TBack5::knopfleiste()
{
    Knopfleiste = new QWidget(this);
    Knopfleiste->setObjectName(QStringLiteral("Knopfleiste"));
    Button1 = new QPushButton(Knopfleiste);
    Button1->setObjectName(QStringLiteral("Button1"));
    setzeKnopftext(Button1, QStringLiteral("Daten sichern"));
    Button2 = new QPushButton(Knopfleiste);
    Button2->setObjectName(QStringLiteral("Button2"));
    setzeKnopftext(Button2, QStringLiteral("Beenden"));
    Button1->setAutoDefault(false);
    Button2->setAutoDefault(false);
    const int hoehe = std::max(Button1->sizeHint().height(), 30);
    Knopfleiste->setFixedHeight(hoehe + 8);
    Button1->resize(150, hoehe);
    Button2->resize(150, hoehe);
    Knopfleiste->installEventFilter(this);
    return Knopfleiste;
}

bool TBack5::eventFilter(QObject* objekt, QEvent* ereignis)
{
    if (objekt == Knopfleiste && ereignis->type() == QEvent::Resize)
        knoepfePlatzieren();
    return QDialog::eventFilter(objekt, ereignis);
}

void TBack5::knoepfePlatzieren()
{
    const int mitte = width() / 2 - Knopfleiste->x();
    const int oben = (Knopfleiste->height() - Button1->height()) / 2;
    Button1->move(mitte - 10 - Button1->width(), oben);
    Button2->move(mitte - 5, oben);
}

void TBack5::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    breiteBegrenzen();
    platform::placeDialog(*this);
    knoepfePlatzieren();
}

// Never wider than the work area, whatever the entries of the lists are.
void TBack5::breiteBegrenzen()
{
    const QScreen* bildschirm = screen() ? screen() : QGuiApplication::primaryScreen();
    if (!bildschirm)
        return;
    const int breite = bildschirm->availableGeometry().width();
    setMaximumWidth(breite);
    if (width() > breite)
        resize(breite, height());
}

void TBack5::setzeKnopftext(QPushButton* knopf, const QString& text)
{
    knopf->setText(text);
    knopf->setAccessibleName(text);
}

void TBack5::setzeBeschriftung(QLabel* label, QLineEdit* feld, const QString& text)
{
    label->setText(text);
    label->setBuddy(feld);
    feld->setAccessibleName(text);
}

void TBack5::sanduhr(bool an)
{
    if (an == m_sanduhr)
        return;
    m_sanduhr = an;
    if (an)
        QApplication::setOverrideCursor(Qt::WaitCursor);
    else
        QApplication::restoreOverrideCursor();
}

void TBack5::seiteZeigen(int seite)
{
    const QSignalBlocker blocker(PageControl1);
    PageControl1->setCurrentIndex(seite);
}

// ---------------------------------------------------------------- setting up the two pages

void TBack5::DatensichernWiederherstellen1Click()
{
    Zustand& z = zustand();
    z.modus = 0;
    platform::showFileError(optionen_lesen());
    z.quellordner = Datenordner;
    z.zielordner = gespeicherterOrdner();
    z.zielBeimOeffnen = z.zielordner;

    setWindowTitle(QStringLiteral("Zorbel-Master Datensicherung"));
    Edit1->setText(z.quellordner);
    Edit2->setText(z.zielordner.isEmpty() ? standardSicherungsordner() : z.zielordner);
    Panel4->setText(QStringLiteral("Wählen Sie bei Bedarf ein anderes Zielverzeichnis."));

    FileListBox1->clear();
    FileListBox1->setEnabled(false);
    FileListBox1->setVisible(false);
    Edit1->setReadOnly(true);
    Edit2->setReadOnly(false);
    Button4->setEnabled(true);
    setzeKnopftext(Button1, QStringLiteral("Daten sichern >>"));
    Button1->setEnabled(true);
    z.dateiGewaehlt = false;
    z.namensmaske.clear(); // a name to restore comes only from a pick in this opening

    DirectoryListBox1->setDirectory(Datenordner);

    {
        const QSignalBlocker blocker(CheckBox1);
        CheckBox1->setChecked(Optionen.AutoSicherung == 1);
    }
    // The flag shown ticked works like a tick, but in memory only: nothing changed yet.
    if (CheckBox1->isChecked()) {
        if (Edit2->text().isEmpty())
            Edit2->setText(standardSicherungsordner());
        const Ordnerpruefung pruefung = ordnerPruefen(Edit2->text());
        if (pruefung.brauchbar && pruefung.speicherbar)
            sicherungsordnerMerken(pruefung.ordner);
        Button1->setEnabled(true);
    }

    seiteZeigen(0);
}

void TBack5::Datenrcksicherung1Click()
{
    Zustand& z = zustand();
    z.kopiert = false;
    z.modus = 1;
    {
        const QSignalBlocker blocker(RadioButton1);
        RadioButton1->setChecked(true);
    }
    FileListBox1->setMultiSelect(false);

    z.quellordner = gespeicherterOrdner();
    z.zielordner = Datenordner;
    Edit2->setText(Datenordner);
    Edit4->setText(Datenordner);

    setWindowTitle(QStringLiteral("Zorbel-Master Datenwiederherstellung"));
    setzeKnopftext(Button1, QStringLiteral("Wiederherstellen"));
    Button1->setEnabled(true);
    Panel5->setText(QStringLiteral("Wählen Sie bei Bedarf ein anderes Quellverzeichnis."));

    const QFileInfo quelle(z.quellordner);
    if (!z.quellordner.isEmpty() && quelle.isDir()) {
        if (quelle.isReadable() && QDir(z.quellordner).isReadable())
            DirectoryListBox2->setDirectory(z.quellordner);
        else
            platform::showMessage(kEinAusgabeFehler, platform::Buttons::Ok, platform::Icon::Error);
    } else {
        // The backup folder is missing (a USB stick not plugged in): the list stays where it
        // is, but never on the data folder.
        if (istDatenordner(DirectoryListBox2->directory()))
            DirectoryListBox2->setDirectory(QDir::homePath());
        z.quellordner = DirectoryListBox2->directory();
    }
    Edit3->setText(z.quellordner);

    Button4->setEnabled(false);
    Edit1->setReadOnly(true);
    Edit2->setReadOnly(true);
    FileListBox1->setVisible(true);
    FileListBox1->setEnabled(true);
    FileListBox1->setMask(QStringLiteral("*.*"));
    FileListBox1->setDirectory(DirectoryListBox2->directory());

    seiteZeigen(1);
}

void TBack5::PageControl1Change(int seite)
{
    if (seite == 0)
        DatensichernWiederherstellen1Click();
    else
        Datenrcksicherung1Click();
}

// ---------------------------------------------------------------- backup page

void TBack5::Button4Click()
{
    Zustand& z = zustand();
    // An emptied field stands for the default folder, never for a folder relative to wherever
    // the program was started.
    const QString basis = Edit2->text().isEmpty() ? standardSicherungsordner() : Edit2->text();
    // The dated folder is stored by the next backup run, so it must survive the settings file.
    const QString datiert = ordnerZumSpeichern(mitTrenner(basis) + datumsanhang(platform::today()));
    if (datiert.isEmpty())
        return;
    sicherungsordnerMerken(z.zielBeimOeffnen);
    platform::showFileError(optionen_speichern());
    z.zielNichtSpeichern = true;
    Edit2->setText(datiert);
}

// A tick or untick is stored at once: closing the window by its frame must not lose it.
void TBack5::CheckBox1Click()
{
    if (CheckBox1->isChecked()) {
        const QString ordner = ordnerZumSpeichern(
            Edit2->text().isEmpty() ? standardSicherungsordner() : Edit2->text());
        if (ordner.isEmpty()) {
            const QSignalBlocker blocker(CheckBox1);
            CheckBox1->setChecked(false);
            return;
        }
        Edit2->setText(ordner);
        sicherungsordnerMerken(ordner);
        Optionen.AutoSicherung = 1;
        Button1->setEnabled(true);
    } else {
        Optionen.AutoSicherung = 0;
    }
    platform::showFileError(optionen_speichern());
}

void TBack5::DirectoryListBox1Click()
{
    const QString ordner = DirectoryListBox1->directory();
    zustand().zielordner = ordner;
    Edit2->setText(ordner);
    const Ordnerpruefung pruefung = ordnerPruefen(ordner);
    if (!pruefung.speicherbar) {
        platform::showMessage(pruefung.grund +
                                  kGewaehlterOrdnerNichtGemerkt.arg(bisherigerOrdner()),
                              platform::Buttons::Ok, platform::Icon::Warning);
        return;
    }
    sicherungsordnerMerken(ordner);
    platform::showFileError(optionen_speichern());
}

void TBack5::DriveComboBox1Change(const QString& wurzel)
{
    DirectoryListBox1->setDirectory(wurzel);
}

void TBack5::DriveComboBox2Change(const QString& wurzel)
{
    DirectoryListBox2->setDirectory(wurzel);
}

// ---------------------------------------------------------------- restore page

void TBack5::DirectoryListBox2Change()
{
    if (zustand().modus == 0)
        return;
    // A name picked in the folder shown before is no pick in this one: restoring it would
    // copy from a folder the window no longer shows.
    zustand().namensmaske.clear();
    FileListBox1->setDirectory(DirectoryListBox2->directory());
    Edit3->setText(DirectoryListBox2->directory());
    Edit4->setText(Datenordner);
}

void TBack5::DirectoryListBox2Click()
{
    FileListBox1->setDirectory(DirectoryListBox2->directory());
    if (zustand().modus == 1)
        quellordnerMerken(DirectoryListBox2->directory());
}

void TBack5::FileListBox1Click()
{
    Zustand& z = zustand();
    if (z.modus != 1 && z.modus != 2)
        return;
    const QString datei = FileListBox1->gewaehlteDatei();
    if (datei.isEmpty())
        return;
    const QString name = QFileInfo(datei).fileName();
    z.dateiGewaehlt = true;
    z.quelldatei = datei;
    z.zieldatei = mitTrenner(z.zielordner) + name;
    Edit3->setText(z.quelldatei);
    Edit4->setText(z.zieldatei);
    if (z.modus == 2) {
        z.quellordner = mitTrenner(DirectoryListBox2->directory());
        z.namensmaske = name.chopped(std::min<qsizetype>(4, name.size())) + QStringLiteral(".*");
    }
}

void TBack5::RadioButton1Click()
{
    zustand().modus = 1;
    FileListBox1->setMultiSelect(false);
    // The entry left marked after several were selected is the file restored, as shown.
    if (!FileListBox1->selectedItems().isEmpty())
        FileListBox1Click();
}

void TBack5::RadioButton2Click()
{
    zustand().modus = 2;
    FileListBox1->setMultiSelect(false);
    // A file picked before the switch counts as picked for this mode too.
    if (!FileListBox1->selectedItems().isEmpty())
        FileListBox1Click();
}

void TBack5::RadioButton3Click()
{
    zustand().modus = 3;
    FileListBox1->setMultiSelect(true);
}

// ---------------------------------------------------------------- runs

void TBack5::Button1Click()
{
    if (zustand().modus == 0)
        sichern();
    else
        wiederherstellen();
}

void TBack5::sichern()
{
    Zustand& z = zustand();
    if (Edit2->text().trimmed().isEmpty()) {
        platform::showMessage(kZielFehlt, platform::Buttons::Ok, platform::Icon::Information);
        Edit2->setFocus();
        return;
    }
    // A relative path would mean a folder below wherever the program was started.
    const Ordnerpruefung pruefung = ordnerPruefen(Edit2->text());
    if (!pruefung.brauchbar) {
        platform::showMessage(pruefung.grund, platform::Buttons::Ok, platform::Icon::Information);
        Edit2->setFocus();
        return;
    }
    // Copying the data files onto themselves would close the window as if a backup existed.
    if (istDatenordner(pruefung.ordner)) {
        platform::showMessage(kZielIstDatenordner, platform::Buttons::Ok,
                              platform::Icon::Information);
        Edit2->setFocus();
        return;
    }
    // A folder the settings file cannot hold is used for this backup but not stored: stored
    // cut or with "?" in it, it would name another folder.
    const bool merken = pruefung.speicherbar;
    z.zielordner = pruefung.ordner;
    if (merken) {
        sicherungsordnerMerken(z.zielordner);
        platform::showFileError(optionen_speichern());
    }

    sanduhr(true);
    z.zielordner = mitTrenner(pruefung.ordner);
    if (!verz_anl(z.zielordner)) {
        sanduhr(false);
        platform::showMessage(QStringLiteral("Beim Anlegen von ") + z.zielordner +
                              QStringLiteral(" ist ein Fehler aufgetreten!"));
        laufBeenden();
        return;
    }
    z.quellordner = mitTrenner(z.quellordner);
    if (!z.zielNichtSpeichern && merken) {
        sicherungsordnerMerken(speicherform(z.zielordner));
        platform::showFileError(optionen_speichern());
    }

    Button1->setEnabled(false);
    Kopierlauf lauf([this](const QString& quelle, const QString& ziel) {
        Edit1->setText(quelle);
        Edit2->setText(ziel);
        QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
    });
    const bool fertig = lauf.verz_lesen(z.quellordner, z.zielordner);
    sanduhr(false);
    Button1->setEnabled(true);
    if (!fertig) {
        platform::showMessages(lauf.meldungen());
        // The window stays open for another try; the fields show the folders again, not the
        // file that failed, so that nothing stores a file's path as the backup folder.
        Edit1->setText(z.quellordner);
        Edit2->setText(z.zielordner);
        return;
    }
    if (!merken)
        platform::showMessage(pruefung.grund + kGesichertNichtGemerkt.arg(bisherigerOrdner()),
                              platform::Buttons::Ok, platform::Icon::Warning);
    laufBeenden();
}

void TBack5::wiederherstellen()
{
    Kopierlauf lauf([this](const QString& quelle, const QString& ziel) {
        Edit3->setText(quelle);
        Edit4->setText(ziel);
        QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
    });
    Ausgang ausgang = Ausgang::Nichts;
    switch (zustand().modus) {
    case 1:
        ausgang = einzelneDateiWiederherstellen(lauf);
        break;
    case 2:
        ausgang = namensgleicheDateienWiederherstellen(lauf);
        break;
    case 3:
        ausgang = selektierteDateienWiederherstellen(lauf);
        break;
    default:
        break;
    }
    if (ausgang == Ausgang::Fehlgeschlagen)
        platform::showMessages(lauf.meldungen());
    einstellungenNachWiederherstellung(lauf);
    Auswahlmelder::instanz().dateienGeschrieben(lauf.kopien());
    FileListBox1->aktualisieren();
    // A restore that copied nothing has said so; the window stays open for another choice.
    if (ausgang == Ausgang::Kopiert)
        laufBeenden();
}

bool TBack5::quelleIstDatenordner(const QString& ordner)
{
    if (!istDatenordner(ordner))
        return false;
    platform::showMessage(kQuelleIstDatenordner, platform::Buttons::Ok,
                          platform::Icon::Information);
    return true;
}

TBack5::Ausgang TBack5::einzelneDateiWiederherstellen(Kopierlauf& lauf)
{
    Zustand& z = zustand();
    // After another folder was opened the source field names that folder, not a file.
    if (!z.dateiGewaehlt || QFileInfo(Edit3->text()).isDir()) {
        platform::showMessage(kMarkieren, platform::Buttons::Ok, platform::Icon::Information);
        return Ausgang::Nichts;
    }
    if (quelleIstDatenordner(QFileInfo(Edit3->text()).absolutePath()))
        return Ausgang::Nichts;
    setzeBeschriftung(Label5, Edit3, QStringLiteral("Kopiere Dateien von:"));
    setzeBeschriftung(Label6, Edit4, QStringLiteral("Kopiere Dateien nach:"));
    quellordnerMerken(DirectoryListBox2->directory());
    platform::showFileError(optionen_speichern());
    z.quelldatei = Edit3->text();
    z.zieldatei = Edit4->text();
    if (!lauf.KopiereDatei(z.quelldatei, z.zieldatei))
        return Ausgang::Fehlgeschlagen;
    z.kopiert = true;
    platform::showMessage(kDateiHergestellt, platform::Buttons::Ok, platform::Icon::Information);
    return Ausgang::Kopiert;
}

TBack5::Ausgang TBack5::namensgleicheDateienWiederherstellen(Kopierlauf& lauf)
{
    Zustand& z = zustand();
    // The name to restore must come from a pick in this opening, never from an earlier one.
    if (!z.dateiGewaehlt || z.namensmaske.isEmpty()) {
        platform::showMessage(kMarkieren, platform::Buttons::Ok, platform::Icon::Information);
        return Ausgang::Nichts;
    }
    if (quelleIstDatenordner(z.quellordner))
        return Ausgang::Nichts;
    setzeBeschriftung(Label5, Edit3, QStringLiteral("Kopiere Dateien von:"));
    setzeBeschriftung(Label6, Edit4, QStringLiteral("Kopiere Dateien nach:"));
    if (!lauf.Dir_lesen(z.quellordner, z.zielordner, z.namensmaske))
        return Ausgang::Fehlgeschlagen;
    // Only what this run copied counts, not a copy made earlier on the page.
    if (!lauf.kopiert()) {
        platform::showMessage(
            kKeineDateiPasst.arg(QDir::toNativeSeparators(z.quellordner), z.namensmaske),
            platform::Buttons::Ok, platform::Icon::Information);
        return Ausgang::Nichts;
    }
    z.kopiert = true;
    platform::showMessage(kDateienHergestellt, platform::Buttons::Ok, platform::Icon::Information);
    return Ausgang::Kopiert;
}

TBack5::Ausgang TBack5::selektierteDateienWiederherstellen(Kopierlauf& lauf)
{
    Zustand& z = zustand();
    const QStringList namen = FileListBox1->selectedNames();
    if (namen.isEmpty()) {
        platform::showMessage(kNichtsMarkiert, platform::Buttons::Ok, platform::Icon::Information);
        return Ausgang::Nichts;
    }
    z.quellordner = mitTrenner(DirectoryListBox2->directory());
    if (quelleIstDatenordner(z.quellordner))
        return Ausgang::Nichts;
    setzeBeschriftung(Label5, Edit3, QStringLiteral("Kopiere Dateien von:"));
    setzeBeschriftung(Label6, Edit4, QStringLiteral("Kopiere Dateien nach:"));
    const QString ziel = mitTrenner(z.zielordner);
    for (const QString& name : namen) {
        Edit3->setText(z.quellordner + name);
        Edit4->setText(ziel + name);
        QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
        if (!lauf.KopiereDatei(z.quellordner + name, ziel + name))
            return Ausgang::Fehlgeschlagen;
        z.kopiert = true;
    }
    platform::showMessage(kDateienHergestellt, platform::Buttons::Ok, platform::Icon::Information);
    return Ausgang::Kopiert;
}

// A restored settings file must become the settings in memory, or the next save of any
// window would write the old ones over it.
void TBack5::einstellungenNachWiederherstellung(const Kopierlauf& lauf)
{
    const QString einstellungen = QFileInfo(optionenDatei()).absoluteFilePath();
    for (const QString& kopie : lauf.kopien()) {
        if (QFileInfo(kopie).absoluteFilePath() == einstellungen) {
            platform::showFileError(optionen_lesen());
            return;
        }
    }
}

// ---------------------------------------------------------------- closing

void TBack5::laufBeenden()
{
    sanduhr(false);
    accept();
    hauptflaecheZeigen();
}

void TBack5::Button2Click()
{
    Zustand& z = zustand();
    if (z.modus != 0)
        z.zielNichtSpeichern = true;
    sanduhr(false);
    if (!z.zielNichtSpeichern)
        zielfeldSpeichern();
    accept();
    hauptflaecheZeigen();
}

// "Beenden" on the backup page stores the target field. An emptied field stands for the
// default folder, as before; a folder the settings file cannot hold is refused with a message.
void TBack5::zielfeldSpeichern()
{
    QString ordner;
    if (!Edit2->text().isEmpty()) {
        ordner = ordnerZumSpeichern(Edit2->text());
        if (ordner.isEmpty())
            return;
    }
    sicherungsordnerMerken(ordner);
    platform::showFileError(optionen_speichern());
}

void TBack5::done(int result)
{
    sanduhr(false);
    titel_zeigen();
    QDialog::done(result);
}

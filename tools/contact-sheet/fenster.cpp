#include "fenster.h"

#include "app/hauptfenster.h"
#include "app/start.h"
#include "app/weitereprogramme.h"
#include "appearance/ui/farbe.h"
#include "backup/ui/back5.h"
#include "core/base/hauptfensterwerte.h"
#include "core/base/optionen.h"
#include "core/base/programm.h"
#include "players/ui/adressen.h"
#include "players/ui/auswahldialog.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTabWidget>
#include <QVBoxLayout>

namespace
{

// A message box as the program shows it (one OK button).
std::unique_ptr<QWidget> messageBox()
{
    auto box = std::make_unique<QMessageBox>(
        QMessageBox::Warning, QStringLiteral("Zorbel-Master"),
        hilfeFehltMeldung(QStringLiteral("/opt/zorbel/Zorbeln-Hilfe.html")), QMessageBox::NoButton);
    box->addButton(QStringLiteral("OK"), QMessageBox::AcceptRole);
    return box;
}

// The kinds of controls the program's dialogs are made of, enabled and disabled, selected and
// not, so one picture shows whether a style keeps all of them legible.
std::unique_ptr<QWidget> controlGallery()
{
    auto dialog = std::make_unique<QDialog>();
    dialog->setWindowTitle(QStringLiteral("Steuerelemente"));
    auto* tabs = new QTabWidget(dialog.get());
    auto* page = new QWidget;
    tabs->addTab(page, QStringLiteral("Spieler"));
    tabs->addTab(new QWidget, QStringLiteral("Sicherung"));

    auto* form = new QFormLayout;
    auto* vorname = new QLineEdit(QStringLiteral("Anna"));
    form->addRow(QStringLiteral("Vorname"), vorname);
    auto* ort = new QLineEdit;
    ort->setPlaceholderText(QStringLiteral("Ort eingeben"));
    form->addRow(QStringLiteral("Ort"), ort);
    auto* gesperrt = new QLineEdit(QStringLiteral("gesperrt"));
    gesperrt->setEnabled(false);
    form->addRow(QStringLiteral("Gesperrt"), gesperrt);
    auto* tische = new QSpinBox;
    tische->setRange(2, 6);
    tische->setValue(4);
    form->addRow(QStringLiteral("Tische"), tische);
    auto* laufwerk = new QComboBox;
    laufwerk->addItems({QStringLiteral("C:"), QStringLiteral("D:")});
    form->addRow(QStringLiteral("Laufwerk"), laufwerk);

    auto* modus = new QGroupBox(QStringLiteral("Spielmodus"));
    auto* einzel = new QRadioButton(QStringLiteral("Einzel"));
    einzel->setChecked(true);
    auto* doppel = new QRadioButton(QStringLiteral("Doppel"));
    auto* modusLayout = new QVBoxLayout(modus);
    modusLayout->addWidget(einzel);
    modusLayout->addWidget(doppel);

    auto* sichern = new QCheckBox(QStringLiteral("Automatisch sichern"));
    sichern->setChecked(true);
    auto* aus = new QCheckBox(QStringLiteral("Nicht verfügbar"));
    aus->setEnabled(false);

    auto* liste = new QListWidget;
    liste->addItems({QStringLiteral("Bauer, Anna"), QStringLiteral("Schmidt, Jörg"),
                     QStringLiteral("Weiß, Lena"), QStringLiteral("Özdemir, Can")});
    liste->setCurrentRow(1);
    liste->setMaximumHeight(90);

    auto* fortschritt = new QProgressBar;
    fortschritt->setValue(60);

    auto* pageLayout = new QVBoxLayout(page);
    pageLayout->addLayout(form);
    pageLayout->addWidget(modus);
    pageLayout->addWidget(sichern);
    pageLayout->addWidget(aus);
    pageLayout->addWidget(liste);
    pageLayout->addWidget(fortschritt);

    auto* buttons = new QDialogButtonBox;
    buttons->addButton(QStringLiteral("Auswahl speichern"), QDialogButtonBox::AcceptRole)
        ->setDefault(true);
    buttons->addButton(QStringLiteral("Beenden"), QDialogButtonBox::RejectRole);
    buttons->addButton(QStringLiteral("Löschen"), QDialogButtonBox::ActionRole)->setEnabled(false);

    auto* layout = new QVBoxLayout(dialog.get());
    layout->addWidget(tabs);
    layout->addWidget(buttons);
    dialog->resize(380, 520);
    return dialog;
}

// The main window as the start-up builds it.
std::unique_ptr<QWidget> mainWindow()
{
    // As the program builds it: every command wired to its window.
    optionen_lesen();
    return programmAufbauen();
}

} // namespace

std::vector<SheetWindow> sheetWindows()
{
    return {
        {QStringLiteral("hauptfenster"), mainWindow},
        {QStringLiteral("farbwahl"), [] { return std::make_unique<TFarbe>(); }},
        {QStringLiteral("weitere-programme"), [] { return std::make_unique<WeitereProgramme>(); }},
        {QStringLiteral("teilnehmer"), [] { return std::make_unique<TAdressen>(); }},
        {QStringLiteral("auswahl"), [] { return std::make_unique<TDualListDlg>(); }},
        {QStringLiteral("sicherung"), [] { return std::make_unique<TBack5>(); }},
        {QStringLiteral("meldung"), messageBox},
        {QStringLiteral("steuerelemente"), controlGallery},
    };
}

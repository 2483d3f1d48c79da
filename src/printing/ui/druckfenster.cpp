#include "printing/ui/druckfenster.h"

#include "core/base/optionen.h"
#include "platform/base/clock.h"
#include "platform/ui/help.h"
#include "platform/ui/messages.h"
#include "platform/ui/modal.h"
#include "platform/ui/placement.h"
#include "players/logic/adressverwaltung.h"
#include "printing/logic/adressliste.h"
#include "printing/ui/drucker.h"
#include "printing/ui/nicepreview.h"

#include <QComboBox>
#include <QDir>
#include <QEvent>
#include <QFileInfo>
#include <QFontDatabase>
#include <QFontInfo>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>
#include <QScreen>
#include <QSignalBlocker>
#include <QSpinBox>
#include <QStandardPaths>
#include <QVBoxLayout>
#include <algorithm>

namespace
{

constexpr int kLeistenhoehe = 41;
constexpr int kKnopfY = 8;
constexpr int kKnopfhoehe = 25;

QPushButton* knopf(QWidget* eltern, const char* name, const QString& text)
{
    auto* b = new QPushButton(text, eltern);
    b->setObjectName(QString::fromLatin1(name));
    b->setAccessibleName(text);
    b->resize(std::max(75, b->sizeHint().width()), kKnopfhoehe);
    return b;
}

QLabel* beschriftung(QWidget* eltern, const char* name, const QString& text)
{
    auto* l = new QLabel(text, eltern);
    l->setObjectName(QString::fromLatin1(name));
    l->setAccessibleName(text);
    l->resize(l->sizeHint().width(), kKnopfhoehe);
    return l;
}

QStringList installierteSchriften()
{
    QStringList namen;
    for (const QString& name : QFontDatabase::families())
        if (!QFontDatabase::isPrivateFamily(name))
            namen.append(name);
    std::sort(namen.begin(), namen.end(), [](const QString& a, const QString& b) {
        return QString::compare(a, b, Qt::CaseInsensitive) < 0;
    });
    return namen;
}

} // namespace

// A window of the main window that stays above it; it fills the work area, so it keeps the
// buttons to minimise and maximise it.
TForm14::TForm14(QWidget* parent)
    : QWidget(parent, Qt::Dialog | Qt::WindowMinMaxButtonsHint | Qt::WindowCloseButtonHint)
{
    setObjectName(QStringLiteral("Form14"));
    setWindowTitle(QStringLiteral("Drucken"));
    fensterAufbauen();
}

TForm14::~TForm14() = default;

void TForm14::fensterAufbauen()
{
    NicePreview1 = new TNicePreview(this);
    NicePreview1->setObjectName(QStringLiteral("NicePreview1"));
    NicePreview1->setAccessibleName(QStringLiteral("Vorschau der Mitgliederliste"));
    NicePreview1->setFrameShape(QFrame::NoFrame);
    NicePreview1->setColor(palette().color(QPalette::Inactive, QPalette::Mid));

    Panel1 = new QFrame(this);
    Panel1->setObjectName(QStringLiteral("Panel1"));
    Panel1->setAccessibleName(QStringLiteral("Druckeinstellungen"));
    Panel1->setFixedHeight(kLeistenhoehe);

    auto* spalte = new QVBoxLayout(this);
    spalte->setContentsMargins(0, 0, 0, 0);
    spalte->setSpacing(0);
    spalte->addWidget(NicePreview1, 1);
    spalte->addWidget(Panel1);

    Label1 = beschriftung(Panel1, "Label1", QStringLiteral("Schriftgrösse"));
    RxSpinEdit1 = new QSpinBox(Panel1);
    RxSpinEdit1->setObjectName(QStringLiteral("RxSpinEdit1"));
    RxSpinEdit1->setAccessibleName(QStringLiteral("Schriftgrösse"));
    RxSpinEdit1->setRange(kKleinsteDruckgroesse, kGroessteDruckgroesse);
    // A size counts when Enter is pressed or the field is left, not at every typed digit.
    RxSpinEdit1->setKeyboardTracking(false);
    RxSpinEdit1->resize(60, kKnopfhoehe);
    Label1->setBuddy(RxSpinEdit1);

    Label2 = beschriftung(Panel1, "Label2", QStringLiteral("Schriftart"));
    ComboBox1 = new QComboBox(Panel1);
    ComboBox1->setObjectName(QStringLiteral("ComboBox1"));
    ComboBox1->setAccessibleName(QStringLiteral("Schriftart"));
    ComboBox1->setEditable(true);
    ComboBox1->setInsertPolicy(QComboBox::NoInsert);
    ComboBox1->setMaxVisibleItems(20);
    ComboBox1->resize(190, kKnopfhoehe);
    Label2->setBuddy(ComboBox1);

    int x = 8;
    for (QWidget* w : {static_cast<QWidget*>(Label1), static_cast<QWidget*>(RxSpinEdit1),
                       static_cast<QWidget*>(Label2), static_cast<QWidget*>(ComboBox1)}) {
        w->move(x, kKnopfY);
        x += w->width() + (qobject_cast<QLabel*>(w) ? 6 : 16);
    }

    Button4 = knopf(Panel1, "Button4", QStringLiteral("Eine Seite"));
    Button1 = knopf(Panel1, "Button1", QStringLiteral("Zwei Seiten"));
    Button2 = knopf(Panel1, "Button2", QStringLiteral("Drucken"));
    Button3 = knopf(Panel1, "Button3", QStringLiteral("Beenden"));
    Button6 = knopf(Panel1, "Button6", QStringLiteral("Anderen Drucker wählen"));
    Button4->hide();

    setTabOrder(RxSpinEdit1, ComboBox1);
    setTabOrder(ComboBox1, Button1);
    setTabOrder(Button1, Button4);
    setTabOrder(Button4, Button2);
    setTabOrder(Button2, Button3);
    setTabOrder(Button3, Button6);

    connect(RxSpinEdit1, &QSpinBox::valueChanged, this, &TForm14::RxSpinEdit1Change);
    connect(ComboBox1, &QComboBox::textActivated, this, &TForm14::ComboBox1Change);
    connect(ComboBox1->lineEdit(), &QLineEdit::editingFinished, this,
            [this] { ComboBox1Change(ComboBox1->currentText()); });
    connect(Button1, &QPushButton::clicked, this, &TForm14::Button1Click);
    connect(Button4, &QPushButton::clicked, this, &TForm14::Button4Click);
    connect(Button2, &QPushButton::clicked, this, &TForm14::Button2Click);
    connect(Button3, &QPushButton::clicked, this, &TForm14::Button3Click);
    connect(Button6, &QPushButton::clicked, this, &TForm14::Button6Click);
}

void TForm14::oeffnen()
{
    schriftenFuellen();
    // Fills the work area also where no window manager maximises it.
    if (const QScreen* bildschirm = screen())
        setGeometry(bildschirm->availableGeometry());
    drucken_adressen();
    showMaximized();
}

void TForm14::schriftenFuellen()
{
    const QSignalBlocker sperre(ComboBox1);
    ComboBox1->clear();
    ComboBox1->addItems(installierteSchriften());
}

// The program fills the controls: that is no choice of the user, so no signal reaches the
// handlers that store and save.
void TForm14::bedienelementeFuellen()
{
    QStringList schriften;
    for (int i = 0; i < ComboBox1->count(); ++i)
        schriften.append(ComboBox1->itemText(i));
    if (schriften.isEmpty())
        schriften = installierteSchriften();
    m_schrift = druckschriftName(schriften);

    const QSignalBlocker spin(RxSpinEdit1);
    const QSignalBlocker box(ComboBox1);
    const QSignalBlocker zeile(ComboBox1->lineEdit());
    RxSpinEdit1->setValue(druckgroesse());
    ComboBox1->setEditText(m_schrift.isEmpty() ? QFontInfo(QFont()).family() : m_schrift);
}

TForm14::Dateistand TForm14::dateistand()
{
    const QFileInfo info(adressdateiPfad());
    if (!info.exists())
        return {};
    return {true, info.size(), info.lastModified()};
}

void TForm14::drucken_adressen()
{
    bedienelementeFuellen();
    setWindowTitle(kAdresslistenTitel);
    m_stand = dateistand();
    // A file that exists but cannot be read is reported; the pages then show the header alone.
    const platform::Read<QList<TAdressRec>> lesung = adressenPruefendLesen();
    if (!lesung)
        platform::showMessage(platform::errorMessage(adressFehlermeldung(lesung.file)));
    ::drucken_adressen(*NicePreview1, lesung.value, Druckschrift{m_schrift, druckgroesse()},
                       platform::today());
    knoepfePlatzieren();
}

void TForm14::neuAufbauenWennGeaendert()
{
    if (dateistand() == m_stand)
        return;
    const TNicePreview::Ansicht ansicht = NicePreview1->ansicht();
    drucken_adressen();
    NicePreview1->ansichtSetzen(ansicht);
}

void TForm14::knoepfePlatzieren()
{
    const int mitte = Panel1->width() / 2;
    Button1->move(mitte - int(1.5 * Button1->width()) - 15, kKnopfY);
    Button4->move(mitte - int(1.5 * Button4->width()) - 15, kKnopfY);
    Button2->move(mitte - Button2->width() / 2 - 10, kKnopfY);
    Button3->move(mitte + Button3->width() / 2 - 5, kKnopfY);

    // On a narrow screen the font box gives way to the buttons.
    const int linksFrei = std::min(Button1->x(), Button4->x()) - 10 - ComboBox1->x();
    ComboBox1->resize(std::clamp(linksFrei, 100, 190), kKnopfhoehe);

    const QRect eigener(QPoint(kButton6Links, kKnopfY), Button6->size());
    int rechtsAussen = 0;
    bool ueberlappt = false;
    for (const QPushButton* b : {Button1, Button4, Button2, Button3}) {
        rechtsAussen = std::max(rechtsAussen, b->x() + b->width());
        ueberlappt = ueberlappt || eigener.intersects(b->geometry());
    }
    Button6->move(ueberlappt ? rechtsAussen + 10 : kButton6Links, kKnopfY);
}

void TForm14::ComboBox1Change(const QString& name)
{
    const QString gewaehlt = name.trimmed();
    if (gewaehlt.isEmpty() || gewaehlt == m_schrift)
        return;
    druckschriftMerken(gewaehlt);
    platform::showFileError(optionen_speichern());
    drucken_adressen();
}

void TForm14::RxSpinEdit1Change(int groesse)
{
    Optionen.DruckGroesse = groesse;
    platform::showFileError(optionen_speichern());
    drucken_adressen();
}

void TForm14::Button1Click()
{
    Button1->hide();
    Button4->show();
    NicePreview1->ViewTwoPage();
}

void TForm14::Button4Click()
{
    Button1->show();
    Button4->hide();
    NicePreview1->ViewActualSize();
}

void TForm14::Button2Click()
{
    QPrinter& drucker = druckerDesLaufs();
    const QString vorherDatei = drucker.outputFileName();
    const QPrinter::OutputFormat vorherFormat = drucker.outputFormat();
    const bool inDatei = keinDruckerEingerichtet(drucker);
    if (inDatei) {
        const QString ordner = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
        const QString datei = pdfDateiErfragen(
            this, QDir(ordner).filePath(kAdresslistenTitel + QStringLiteral(".pdf")));
        if (datei.isEmpty())
            return;
        drucker.setOutputFormat(QPrinter::PdfFormat);
        drucker.setOutputFileName(datei);
    }
    const DruckUrsache ursache = NicePreview1->PrintAll(drucker);
    const QString ziel = druckziel(drucker);
    if (inDatei) {
        // The next print without a printer asks again instead of overwriting this file.
        drucker.setOutputFileName(vorherDatei);
        drucker.setOutputFormat(vorherFormat);
    }
    if (ursache != DruckUrsache::Gedruckt)
        platform::showMessage(druckfehlerText(ursache, ziel), platform::Buttons::Ok,
                              platform::Icon::Error);
}

void TForm14::Button6Click()
{
    QPrintDialog dialog(&druckerDesLaufs(), this);
    dialog.setObjectName(QStringLiteral("PrinterSetupDialog1"));
    platform::runModal(dialog);
}

void TForm14::Button3Click()
{
    platform::closeHelp();
    close();
}

bool TForm14::event(QEvent* e)
{
    if (e->type() == QEvent::WindowActivate)
        neuAufbauenWennGeaendert();
    return QWidget::event(e);
}

// Another style draws the button captions in another width.
void TForm14::changeEvent(QEvent* e)
{
    QWidget::changeEvent(e);
    if ((e->type() != QEvent::StyleChange && e->type() != QEvent::FontChange) || !Button6)
        return;
    for (QPushButton* b : {Button4, Button1, Button2, Button3, Button6})
        b->resize(std::max(75, platform::captionWidth(*b)), kKnopfhoehe);
    knoepfePlatzieren();
}

void TForm14::resizeEvent(QResizeEvent* e)
{
    QWidget::resizeEvent(e);
    knoepfePlatzieren();
}

TForm14* druckfensterOeffnen(QWidget* parent)
{
    auto* fenster = new TForm14(parent);
    fenster->setAttribute(Qt::WA_DeleteOnClose);
    fenster->oeffnen();
    return fenster;
}

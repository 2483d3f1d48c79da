#include "players/ui/adressen.h"

#include "core/base/programm.h"
#include "core/ui/hauptfensterdienste.h"
#include "platform/base/cp1252.h"
#include "platform/ui/help.h"
#include "platform/ui/messages.h"
#include "platform/ui/placement.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QScreen>
#include <QStyledItemDelegate>
#include <QVBoxLayout>
#include <QValidator>
#include <algorithm>
#include <optional>
#include <utility>

namespace
{

// Shows the German message of a participant file that could not be read or written.
bool dateifehlerZeigen(const platform::FileResult& ergebnis)
{
    if (!ergebnis)
        platform::showMessage(platform::errorMessage(adressFehlermeldung(ergebnis)));
    return ergebnis.ok;
}

constexpr int kFensterBreite = 680;
constexpr int kFensterHoehe = 392;
constexpr int kKnopfBreite = 120;
constexpr int kKnopfHoehe = 32;
constexpr int kKnopfAbstandUnten = 16;

// Capital umlauts reach above the plain line height of a list entry; a little more room keeps
// their dots visible.
class Zeilenabstand : public QStyledItemDelegate
{
public:
    using QStyledItemDelegate::QStyledItemDelegate;
    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override
    {
        return QStyledItemDelegate::sizeHint(option, index) + QSize(0, 4);
    }
};

// The entry fields take no control characters: a pasted line break or tab becomes one blank,
// so a stored name never spans two lines.
class OhneSteuerzeichen : public QValidator
{
public:
    using QValidator::QValidator;
    State validate(QString& text, int& stelle) const override
    {
        const QString sauber = platform::controlCharactersAsBlanks(text);
        if (sauber != text) {
            stelle = int(platform::controlCharactersAsBlanks(text.left(stelle)).size());
            text = sauber;
        }
        return Acceptable;
    }
};

const QString kLoeschFrage = QStringLiteral("Wollen Sie diese Adresse wirklich löschen ??");

QPushButton* knopf(QWidget* parent, const char* name, const QString& text,
                   const QString& zugriffsname, const QString& beschreibung)
{
    auto* button = new QPushButton(text, parent);
    button->setObjectName(QString::fromLatin1(name));
    button->setAccessibleName(zugriffsname);
    button->setAccessibleDescription(beschreibung);
    button->setAutoDefault(false);
    // Wider than designed only where a large font needs it.
    button->setFixedSize(std::max(kKnopfBreite, button->sizeHint().width() + 16),
                         std::max(kKnopfHoehe, button->sizeHint().height()));
    return button;
}

} // namespace

// A dialog window of the main window: it stays above it, also when the main window is clicked.
TAdressen::TAdressen(QWidget* parent) : QWidget(parent, Qt::Dialog)
{
    FormCreate();
}

void TAdressen::FormCreate()
{
    setObjectName(QStringLiteral("Adressen"));
    setWindowTitle(QStringLiteral("Teilnehmer erfassen/ändern."));
    setAccessibleName(QStringLiteral("Teilnehmer erfassen/ändern."));
    fensterAufbauen();
    tabulatorfolgeSetzen();
    const QSize noetig = layout()->minimumSize();
    const int knopfreihe = 2 * (2 * Button1->width() + 15) + 24;
    setFixedSize(std::max({kFensterBreite, noetig.width(), knopfreihe}),
                 std::max(kFensterHoehe, noetig.height()));
    knoepfePlatzieren();

    platform::placeDialog(*this);
}

void TAdressen::fensterAufbauen()
{
    GroupBox1 = new QGroupBox(QStringLiteral("Personendaten"), this);
    GroupBox1->setObjectName(QStringLiteral("GroupBox1"));
    auto* raster = new QGridLayout(GroupBox1);
    raster->setHorizontalSpacing(12);
    raster->setVerticalSpacing(8);

    struct Feld {
        QLineEdit** edit;
        const char* name;
        const char* label;
        const char* beschriftung;
    };
    const Feld felder[] = {
        {&Edit3, "Edit3", "Label3", "Name"},    {&Edit4, "Edit4", "Label4", "Vorname"},
        {&Edit5, "Edit5", "Label5", "Strasse"}, {&Edit6, "Edit6", "Label6", "Plz/Ort"},
        {&Edit7, "Edit7", "Label7", "Telefon"}, {&Edit8, "Edit8", "Label8", "Fax"},
        {&Edit9, "Edit9", "Label9", "Mobil"},   {&Edit10, "Edit10", "Label10", "Email"},
    };
    int zeile = 0;
    for (const Feld& feld : felder) {
        const QString beschriftung = QString::fromUtf8(feld.beschriftung);
        auto* label = new QLabel(beschriftung, GroupBox1);
        label->setObjectName(QString::fromLatin1(feld.label));
        auto* edit = new QLineEdit(GroupBox1);
        edit->setObjectName(QString::fromLatin1(feld.name));
        edit->setAccessibleName(beschriftung);
        edit->setValidator(new OhneSteuerzeichen(edit));
        label->setBuddy(edit);
        edit->installEventFilter(this);
        raster->addWidget(label, zeile, 0);
        raster->addWidget(edit, zeile, 1);
        *feld.edit = edit;
        ++zeile;
    }

    GroupBox2 = new QGroupBox(QStringLiteral("Bereits vorhandene Namen"), this);
    GroupBox2->setObjectName(QStringLiteral("GroupBox2"));
    auto* listenRahmen = new QVBoxLayout(GroupBox2);
    ListBox1 = new QListWidget(GroupBox2);
    ListBox1->setObjectName(QStringLiteral("ListBox1"));
    ListBox1->setAccessibleName(QStringLiteral("Bereits vorhandene Namen"));
    ListBox1->setSelectionMode(QAbstractItemView::SingleSelection);
    ListBox1->setUniformItemSizes(true);
    ListBox1->setItemDelegate(new Zeilenabstand(ListBox1));
    ListBox1->installEventFilter(this);
    listenRahmen->addWidget(ListBox1);

    Button1 = knopf(this, "Button1", QStringLiteral("Speichern >>"), QStringLiteral("Speichern"),
                    QStringLiteral("Speichert die Personendaten und leert die Felder."));
    Button2 = knopf(this, "Button2", QStringLiteral("Beenden"), QStringLiteral("Beenden"),
                    QStringLiteral("Schließt das Fenster."));
    Button3 = knopf(this, "Button3", QStringLiteral("Löschen"), QStringLiteral("Löschen"),
                    QStringLiteral("Löscht den gewählten Teilnehmer nach einer Rückfrage."));
    Button4 = knopf(this, "Button4", QStringLiteral("Hilfe"), QStringLiteral("Hilfe"),
                    QStringLiteral("Öffnet die Hilfe zu diesem Fenster."));
    for (QPushButton* button : {Button1, Button2, Button3, Button4})
        button->installEventFilter(this);

    // The buttons are placed by hand below the two groups (knoepfePlatzieren).
    auto* gruppen = new QHBoxLayout;
    gruppen->setSpacing(12);
    gruppen->addWidget(GroupBox1, 3);
    gruppen->addWidget(GroupBox2, 2);
    auto* fenster = new QVBoxLayout(this);
    fenster->setContentsMargins(12, 12, 12, Button1->height() + 2 * kKnopfAbstandUnten);
    fenster->addLayout(gruppen);

    connect(Button1, &QPushButton::clicked, this, &TAdressen::Button1Click);
    connect(Button2, &QPushButton::clicked, this, &TAdressen::Button2Click);
    connect(Button3, &QPushButton::clicked, this, &TAdressen::Button3Click);
    connect(Button4, &QPushButton::clicked, this, &TAdressen::Button4Click);
    connect(Edit4, &QLineEdit::textChanged, this, &TAdressen::Edit4Change);
    // An entry counts as picked when it becomes the current one, by mouse or by keyboard, and
    // again when it is clicked once more, which brings back its stored data.
    connect(ListBox1, &QListWidget::currentRowChanged, this, [this](int zeile) {
        if (zeile >= 0)
            ListBox1Click();
    });
    connect(ListBox1, &QListWidget::itemClicked, this, &TAdressen::ListBox1Click);
}

void TAdressen::tabulatorfolgeSetzen()
{
    const QList<QWidget*> folge = {Edit3,  Edit4,    Edit5,   Edit6,   Edit7,   Edit8,  Edit9,
                                   Edit10, ListBox1, Button1, Button2, Button4, Button3};
    for (qsizetype i = 1; i < folge.size(); ++i)
        setTabOrder(folge.at(i - 1), folge.at(i));
}

void TAdressen::knoepfePlatzieren()
{
    const int m = width() / 2;
    const int oben = height() - kKnopfAbstandUnten - Button1->height();
    Button1->move(m - 2 * Button1->width() - 15, oben);
    Button2->move(m - Button2->width() - 10, oben);
    Button3->move(m - 5, oben);
    Button4->move(m + Button4->width(), oben);
}

void TAdressen::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    knoepfePlatzieren();
}

// A closed window keeps no copy of the participants; a pick or save after it reads the file.
void TAdressen::hideEvent(QHideEvent* event)
{
    QWidget::hideEvent(event);
    m_bestand = Adressbestand();
    m_liste = {};
    m_listeVeraltet = true;
}

void TAdressen::oeffnen()
{
    felderLeeren();
    adresse_laden();
    show();
    raise();
    activateWindow();
    Edit3->setFocus(Qt::OtherFocusReason);
}

AdressFelder TAdressen::felder() const
{
    return {Edit3->text(), Edit4->text(), Edit5->text(), Edit6->text(),
            Edit7->text(), Edit8->text(), Edit9->text(), Edit10->text()};
}

void TAdressen::felderSetzen(const AdressFelder& f)
{
    Edit3->setText(f.name);
    Edit4->setText(f.vorname);
    Edit5->setText(f.strasse);
    Edit6->setText(f.plzOrt);
    Edit7->setText(f.telefon);
    Edit8->setText(f.fax);
    Edit9->setText(f.mobil);
    Edit10->setText(f.email);
}

void TAdressen::felderLeeren()
{
    felderSetzen({});
}

void TAdressen::adresse_laden()
{
    ListBox1->clear();
    if (!dateifehlerZeigen(m_bestand.laden())) {
        m_liste = {};
        return;
    }
    listeAufbauen();
}

void TAdressen::listeAufbauen()
{
    m_liste = SortierteAdressliste(m_bestand.listentexte());
    m_listeVeraltet = false;
    ListBox1->clear();
    ListBox1->addItems(m_liste.texte());
}

// The list after a save shows what filling it anew would show: the replaced entry goes, the
// stored one stands where sorting puts it, and nothing is picked.
void TAdressen::listeNachSpeichern(const Adressbestand::Erfassung& erfassung)
{
    if (!erfassung.geschrieben || erfassung.neuGelesen || m_listeVeraltet) {
        listeAufbauen();
        return;
    }
    // Without a current entry, taking out a row makes no other row current, which would pick
    // it and fill the fields just emptied.
    ListBox1->setCurrentItem(nullptr);
    ListBox1->clearSelection();
    if (erfassung.entfernt) {
        if (const qsizetype zeile = m_liste.entfernen(*erfassung.entfernt); zeile >= 0)
            delete ListBox1->takeItem(int(zeile));
    }
    ListBox1->insertItem(int(m_liste.einfuegen(erfassung.neu)), erfassung.neu);
    ListBox1->scrollToTop();
}

void TAdressen::adresse_einfuegen()
{
    // A file that cannot be read fills nothing in.
    bool neuGelesen = false;
    if (!m_bestand.aktualisieren(&neuGelesen))
        return;
    m_listeVeraltet = m_listeVeraltet || neuGelesen;
    if (const std::optional<TAdressRec> adresse = m_bestand.zumListentext(m_auswahltext))
        felderSetzen(adresseFelder(*adresse));
}

void TAdressen::adresse_loeschen(const AdressFund& fund)
{
    // Enter keeps the participant: only a deliberate "Ja" deletes.
    const platform::Answer antwort = platform::showMessage({.text = kLoeschFrage,
                                                            .buttons = platform::Buttons::YesNo,
                                                            .icon = platform::Icon::Warning,
                                                            .title = {},
                                                            .defaultAnswer = platform::Answer::No});
    if (antwort == platform::Answer::Yes && !dateifehlerZeigen(m_bestand.loeschen(fund)))
        return;
    felderLeeren();
    listeAufbauen();
}

void TAdressen::Button1Click()
{
    const AdressFelder eingabe = felder();
    // A second click right after a save finds the fields empty: nothing to store.
    if (!adresseHatNamen(eingabe)) {
        Edit3->setFocus(Qt::OtherFocusReason);
        return;
    }
    const AdressFelder gespeichert = adresseSpeicherbar(eingabe);
    if (const QString ersatz = adresseErsatzMeldung(eingabe, gespeichert); !ersatz.isEmpty())
        platform::showMessage(ersatz, platform::Buttons::Ok, platform::Icon::Information);
    const Adressbestand::Erfassung erfassung =
        m_bestand.erfassen(adresseAusFeldern(gespeichert), gespeichert.name, gespeichert.vorname);
    m_listeVeraltet = m_listeVeraltet || erfassung.neuGelesen;
    if (!dateifehlerZeigen(erfassung.datei))
        return;
    felderLeeren();
    listeNachSpeichern(erfassung);
}

void TAdressen::Button2Click()
{
    hauptflaecheZeigen();
    platform::closeHelp();
    close();
}

void TAdressen::Button3Click()
{
    if (m_auswahltext.isEmpty())
        return;
    bool neuGelesen = false;
    if (!dateifehlerZeigen(m_bestand.aktualisieren(&neuGelesen)))
        return;
    m_listeVeraltet = m_listeVeraltet || neuGelesen;
    const AdressFund fund = adresse_pruefen(m_bestand.adressen(), Edit3->text(), Edit4->text());
    if (fund.gefunden)
        adresse_loeschen(fund);
}

void TAdressen::Button4Click()
{
    hilfeZeigen(kHilfeKontext);
}

void TAdressen::ListBox1Click()
{
    const QListWidgetItem* eintrag = ListBox1->currentItem();
    if (eintrag == nullptr || !eintrag->isSelected())
        return;
    m_auswahltext = eintrag->text();
    adresse_einfuegen();
}

void TAdressen::Edit4Change(const QString& text)
{
    Button1->setEnabled(!text.isEmpty());
}

// Down moves on from "Name" to "Mobil", Up moves back from every entry field.
bool TAdressen::pfeiltasteLosgelassen(int taste, bool abwaertsWeiter)
{
    if (taste == Qt::Key_Down && abwaertsWeiter) {
        focusNextChild();
        return true;
    }
    if (taste == Qt::Key_Up) {
        focusPreviousChild();
        return true;
    }
    return false;
}

bool TAdressen::Edit3KeyUp(int taste)
{
    return pfeiltasteLosgelassen(taste, true);
}

bool TAdressen::Edit4KeyUp(int taste)
{
    return pfeiltasteLosgelassen(taste, true);
}

bool TAdressen::Edit5KeyUp(int taste)
{
    return pfeiltasteLosgelassen(taste, true);
}

bool TAdressen::Edit6KeyUp(int taste)
{
    return pfeiltasteLosgelassen(taste, true);
}

bool TAdressen::Edit7KeyUp(int taste)
{
    return pfeiltasteLosgelassen(taste, true);
}

bool TAdressen::Edit8KeyUp(int taste)
{
    return pfeiltasteLosgelassen(taste, true);
}

bool TAdressen::Edit9KeyUp(int taste)
{
    return pfeiltasteLosgelassen(taste, true);
}

// "Email" is the last entry field: Down stays in it.
bool TAdressen::Edit10KeyUp(int taste)
{
    return pfeiltasteLosgelassen(taste, false);
}

// Enter moves to the next control and goes no further, so it never presses a button.
bool TAdressen::FormKeyPress(const QKeyEvent& taste)
{
    if (taste.key() != Qt::Key_Return && taste.key() != Qt::Key_Enter)
        return false;
    focusNextChild();
    return true;
}

// The window sees the keys of its controls before they do.
bool TAdressen::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::KeyPress) {
        if (FormKeyPress(*static_cast<QKeyEvent*>(event)))
            return true;
    } else if (event->type() == QEvent::KeyRelease) {
        const auto* taste = static_cast<QKeyEvent*>(event);
        using KeyUp = bool (TAdressen::*)(int);
        const std::pair<const QObject*, KeyUp> felder[] = {
            {Edit3, &TAdressen::Edit3KeyUp}, {Edit4, &TAdressen::Edit4KeyUp},
            {Edit5, &TAdressen::Edit5KeyUp}, {Edit6, &TAdressen::Edit6KeyUp},
            {Edit7, &TAdressen::Edit7KeyUp}, {Edit8, &TAdressen::Edit8KeyUp},
            {Edit9, &TAdressen::Edit9KeyUp}, {Edit10, &TAdressen::Edit10KeyUp}};
        for (const auto& [feld, handler] : felder)
            if (watched == feld && !taste->isAutoRepeat())
                return (this->*handler)(taste->key());
    }
    return QWidget::eventFilter(watched, event);
}

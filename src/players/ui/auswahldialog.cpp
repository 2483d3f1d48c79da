#include "players/ui/auswahldialog.h"

#include "core/base/optionen.h"
#include "core/base/programm.h"
#include "core/ui/hauptfensterdienste.h"
#include "draw/logic/auswahldatei.h"
#include "draw/logic/ziehung.h"
#include "platform/ui/messages.h"
#include "platform/ui/placement.h"
#include "players/logic/adressverwaltung.h"
#include "players/logic/auswahlpaar.h"
#include "players/logic/auswahlregeln.h"

#include <QApplication>
#include <QButtonGroup>
#include <QFrame>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QScrollBar>
#include <QSignalBlocker>
#include <QStyledItemDelegate>
#include <algorithm>
#include <cmath>

namespace
{

constexpr int kBreite = 488;
constexpr int kHoehe = 478;

// Table-count buttons carry the number of tables as their id in the group.
constexpr int kModusEinzel = kEinzelspiele;
constexpr int kModusDoppel = kDoppelspiele;

QLabel* neuesLabel(QWidget* parent, const char* name, const QString& text, const QRect& ort)
{
    auto* label = new QLabel(text, parent);
    label->setObjectName(QLatin1String(name));
    label->setGeometry(ort);
    return label;
}

QPushButton* neuerKnopf(QWidget* parent, const char* name, const QString& text,
                        const QString& zugang, const QRect& ort)
{
    auto* knopf = new QPushButton(text, parent);
    knopf->setObjectName(QLatin1String(name));
    knopf->setAccessibleName(zugang);
    knopf->setToolTip(zugang);
    // Enter in a list must never press a button of its own accord.
    knopf->setAutoDefault(false);
    knopf->setDefault(false);
    knopf->setGeometry(ort);
    return knopf;
}

QRadioButton* neuerRadioknopf(QWidget* parent, const char* name, const QString& text,
                              const QRect& ort)
{
    auto* knopf = new QRadioButton(text, parent);
    knopf->setObjectName(QLatin1String(name));
    knopf->setAccessibleName(text);
    knopf->setGeometry(ort);
    return knopf;
}

// Capital umlauts of the bold list font reach above the line height; two more pixels per line
// keep their dots whole.
class Zeilenabstand : public QStyledItemDelegate
{
public:
    using QStyledItemDelegate::QStyledItemDelegate;
    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override
    {
        return QStyledItemDelegate::sizeHint(option, index) + QSize(0, 2);
    }
};

QListWidget* neueListe(QWidget* parent, const char* name, const QString& zugang, const QRect& ort)
{
    auto* liste = new QListWidget(parent);
    liste->setObjectName(QLatin1String(name));
    liste->setAccessibleName(zugang);
    liste->setSelectionMode(QAbstractItemView::ExtendedSelection);
    liste->setSortingEnabled(false); // kept in order by MoveSelected and listeFuellen
    liste->setUniformItemSizes(true);
    liste->setGeometry(ort);
    QFont schrift(QStringLiteral("Microsoft Sans Serif"));
    schrift.setPixelSize(12);
    schrift.setBold(true);
    liste->setFont(schrift);
    liste->setItemDelegate(new Zeilenabstand(liste));
    return liste;
}

QFrame* neueLeiste(QWidget* parent, const char* name, const QString& zugang, const QRect& ort)
{
    auto* leiste = new QFrame(parent);
    leiste->setObjectName(QLatin1String(name));
    leiste->setAccessibleName(zugang);
    leiste->setFrameShape(QFrame::StyledPanel);
    leiste->setGeometry(ort);
    return leiste;
}

} // namespace

TDualListDlg::TDualListDlg(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("DualListDlg"));
    // No fixed accessible name: the window is heard by its caption, which changes.
    setWindowTitle(auswahlStandardueberschrift());
    setFixedSize(kBreite, kHoehe);
    steuerelementeAnlegen();
    FormCreate();
}

void TDualListDlg::steuerelementeAnlegen()
{
    ScrLabel = neuesLabel(this, "ScrLabel", QStringLiteral("Noch vorhandene Spieler"),
                          QRect(8, 8, 160, 18));
    Label3 = neuesLabel(this, "Label3", QStringLiteral("0"), QRect(168, 8, 36, 18));
    Label3->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    // The counts and the hint line are heard by their text; the description says what it is.
    Label3->setAccessibleDescription(QStringLiteral("Anzahl noch vorhandener Spieler"));
    SrcList = neueListe(this, "SrcList", QStringLiteral("Noch vorhandene Spieler"),
                        QRect(8, 28, 196, 300));
    ScrLabel->setBuddy(SrcList);

    DstLabel =
        neuesLabel(this, "DstLabel", QStringLiteral("Ausgewählte Spieler"), QRect(284, 8, 160, 18));
    Label6 = neuesLabel(this, "Label6", QStringLiteral("0"), QRect(444, 8, 36, 18));
    Label6->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    Label6->setAccessibleDescription(QStringLiteral("Anzahl ausgewählter Spieler"));
    DstList =
        neueListe(this, "DstList", QStringLiteral("Ausgewählte Spieler"), QRect(284, 28, 196, 300));
    DstLabel->setBuddy(DstList);

    // One column between the lists, from top to bottom "<", "<<", ">", ">>".
    Button6 = neuerKnopf(this, "Button6", QStringLiteral("<"),
                         QStringLiteral("Markierte Spieler zurücknehmen"), QRect(216, 96, 56, 28));
    Button7 = neuerKnopf(this, "Button7", QStringLiteral("<<"),
                         QStringLiteral("Alle Spieler zurücknehmen"), QRect(216, 132, 56, 28));
    Button4 = neuerKnopf(this, "Button4", QStringLiteral(">"),
                         QStringLiteral("Markierte Spieler auswählen"), QRect(216, 168, 56, 28));
    Button5 = neuerKnopf(this, "Button5", QStringLiteral(">>"),
                         QStringLiteral("Alle Spieler auswählen"), QRect(216, 204, 56, 28));

    Label1 = neuesLabel(this, "Label1", QString(), QRect(0, 334, kBreite, 22));
    Label1->setAlignment(Qt::AlignCenter);
    Label1->setAccessibleDescription(QStringLiteral("Hinweis"));
    QFont fett = Label1->font();
    fett.setBold(true);
    Label1->setFont(fett);

    // Mode and table count are two groups of their own, so one of each can be chosen.
    QFrame* modusleiste =
        neueLeiste(this, "Modusleiste", QStringLiteral("Spielart"), QRect(104, 360, 280, 30));
    RadioButton7 = neuerRadioknopf(modusleiste, "RadioButton7", QStringLiteral("Einzelspiele"),
                                   QRect(16, 4, 120, 22));
    RadioButton8 = neuerRadioknopf(modusleiste, "RadioButton8", QStringLiteral("Doppelspiele"),
                                   QRect(148, 4, 124, 22));
    m_modusGruppe = new QButtonGroup(this);
    m_modusGruppe->addButton(RadioButton7, kModusEinzel);
    m_modusGruppe->addButton(RadioButton8, kModusDoppel);

    QFrame* tischleiste = neueLeiste(this, "Tischleiste", QStringLiteral("Anzahl der Tische"),
                                     QRect(8, 396, 472, 30));
    const struct {
        QRadioButton** knopf;
        const char* name;
        int tische;
    } tischknoepfe[] = {{&RadioButton1, "RadioButton1", 2},
                        {&RadioButton4, "RadioButton4", 3},
                        {&RadioButton2, "RadioButton2", 4},
                        {&RadioButton5, "RadioButton5", 5},
                        {&RadioButton3, "RadioButton3", 6}};
    m_tischGruppe = new QButtonGroup(this);
    int links = 10;
    for (const auto& k : tischknoepfe) {
        *k.knopf = neuerRadioknopf(tischleiste, k.name, QStringLiteral("%1 Tische").arg(k.tische),
                                   QRect(links, 4, 88, 22));
        m_tischGruppe->addButton(*k.knopf, k.tische);
        links += 92;
    }

    Button1 = neuerKnopf(this, "Button1", QStringLiteral("Auswahl laden"),
                         QStringLiteral("Auswahl laden"), QRect(0, 438, 110, 28));
    Button2 = neuerKnopf(this, "Button2", QStringLiteral("Auswahl speichern"),
                         QStringLiteral("Auswahl speichern"), QRect(0, 438, 110, 28));
    Button3 = neuerKnopf(this, "Button3", QStringLiteral("Beenden"), QStringLiteral("Beenden"),
                         QRect(0, 438, 110, 28));

    setTabOrder(SrcList, Button6);
    setTabOrder(Button6, Button7);
    setTabOrder(Button7, Button4);
    setTabOrder(Button4, Button5);
    setTabOrder(Button5, DstList);
    setTabOrder(DstList, RadioButton7);
    setTabOrder(RadioButton7, RadioButton8);
    setTabOrder(RadioButton8, RadioButton1);
    setTabOrder(RadioButton3, Button1);
    setTabOrder(Button1, Button2);
    setTabOrder(Button2, Button3);

    connect(Button1, &QPushButton::clicked, this, &TDualListDlg::Button1Click);
    connect(Button2, &QPushButton::clicked, this, &TDualListDlg::Button2Click);
    connect(Button3, &QPushButton::clicked, this, &TDualListDlg::Button3Click);
    connect(Button4, &QPushButton::clicked, this, &TDualListDlg::Button4Click);
    connect(Button5, &QPushButton::clicked, this, &TDualListDlg::Button5Click);
    connect(Button6, &QPushButton::clicked, this, &TDualListDlg::Button6Click);
    connect(Button7, &QPushButton::clicked, this, &TDualListDlg::Button7Click);
    connect(SrcList, &QListWidget::itemClicked, this, &TDualListDlg::SrcListClick);
    connect(DstList, &QListWidget::itemClicked, this, &TDualListDlg::DstListClick);
    // A button that is already chosen does nothing when clicked again.
    const auto beiWahl = [this](QRadioButton* knopf, void (TDualListDlg::*handler)()) {
        connect(knopf, &QRadioButton::toggled, this, [this, handler](bool an) {
            if (an)
                (this->*handler)();
        });
    };
    beiWahl(RadioButton1, &TDualListDlg::RadioButton1Click);
    beiWahl(RadioButton4, &TDualListDlg::RadioButton4Click);
    beiWahl(RadioButton2, &TDualListDlg::RadioButton2Click);
    beiWahl(RadioButton5, &TDualListDlg::RadioButton5Click);
    beiWahl(RadioButton3, &TDualListDlg::RadioButton3Click);
    beiWahl(RadioButton7, &TDualListDlg::RadioButton7Click);
    beiWahl(RadioButton8, &TDualListDlg::RadioButton8Click);
}

void TDualListDlg::FormCreate()
{
    platzieren();
}

void TDualListDlg::platzieren()
{
    platform::placeDialog(*this);
    knoepfeAnordnen();
}

// Another style draws the captions in another width: the bottom buttons follow it.
void TDualListDlg::changeEvent(QEvent* event)
{
    QDialog::changeEvent(event);
    if (event->type() == QEvent::StyleChange || event->type() == QEvent::FontChange)
        knoepfeAnordnen();
}

void TDualListDlg::knoepfeAnordnen()
{
    // The three bottom buttons share one width, wide enough for the longest caption, so the
    // placement below keeps them apart.
    if (!Button1 || !Button2 || !Button3)
        return;
    int knopfbreite = 110;
    for (const QPushButton* knopf : {Button1, Button2, Button3})
        knopfbreite = std::max(knopfbreite, platform::captionWidth(*knopf) + 8);
    for (QPushButton* knopf : {Button1, Button2, Button3})
        knopf->resize(knopfbreite, knopf->height());
    const int m = width() / 2;
    const int laden = Button1->width();
    const int speichern = Button2->width();
    Button1->move(m - static_cast<int>(std::trunc(1.5 * laden)) - 15, Button1->y());
    Button2->move(m - speichern / 2 - 10, Button2->y());
    Button3->move(m + speichern / 2 - 5, Button3->y());
}

// --- opening ------------------------------------------------------------------------------

void TDualListDlg::oeffnen()
{
    Optionen.Auswahlquelle = 1;
    hauptflaecheVerbergen();
    SrcList->clear();
    DstList->clear();
    Button2->setEnabled(false);
    Button4->setEnabled(true);
    Button5->setEnabled(true);
    Button6->setEnabled(true);
    Button7->setEnabled(true);
    modusknopfZeigen();
    daten_ansehen();
    show();
    raise();
    activateWindow();
    SrcList->setFocus();
    Button1->setEnabled(true);
    anzahlenZeigen();
    hauptueberschriftLeeren();
    ueberschriftAktualisieren(false);
}

// The stored game mode stays and its button shows it, so a redraw from a result window uses
// the mode on screen. Checking the button here is no choice of the user: nothing is refilled
// or saved.
void TDualListDlg::modusknopfZeigen()
{
    QAbstractButton* knopf = m_modusGruppe->button(Optionen.Spielmodus);
    const QSignalBlocker sperreEinzel(RadioButton7);
    const QSignalBlocker sperreDoppel(RadioButton8);
    if (knopf) {
        knopf->setChecked(true);
    } else if (QAbstractButton* gewaehlt = m_modusGruppe->checkedButton()) {
        m_modusGruppe->setExclusive(false);
        gewaehlt->setChecked(false);
        m_modusGruppe->setExclusive(true);
    }
    hinweisSetzen();
}

void TDualListDlg::hauptueberschriftLeeren()
{
    QWidget* fenster = hauptfenster();
    if (!fenster)
        return;
    if (auto* panel = fenster->findChild<QWidget*>(QStringLiteral("Panel5")))
        if (auto* zeile = panel->findChild<QLabel*>(QStringLiteral("Label1")))
            zeile->clear();
}

void TDualListDlg::daten_ansehen()
{
    // A participant file that exists but cannot be read is named in a message rather than
    // shown as an evening without players.
    QStringList texte;
    const platform::Read<QList<TAdressRec>> lesung = adressenPruefendLesen();
    if (!lesung)
        platform::showMessage(platform::errorMessage(adressFehlermeldung(lesung.file)));
    for (const TAdressRec& adresse : lesung.value)
        texte.append(auswahlTeilnehmertext(adresse.Vorname.str(), adresse.Name.str()));
    // A player already picked must not be picked a second time from the refilled list.
    listeFuellen(SrcList, auswahlOhneGewaehlte(texte, rechteEintraege()));
    Label3->setText(QString::number(SrcList->count()));
}

// --- list helpers -------------------------------------------------------------------------

// Adds every entry of `von`, in its order, to the sorted list `nach`. A stable sort of the
// joined lists puts each entry where inserting them one by one would, in one step.
void TDualListDlg::alleAnhaengen(const QListWidget* von, QListWidget* nach)
{
    listeFuellen(nach, eintraege(nach) + eintraege(von));
}

QStringList TDualListDlg::eintraege(const QListWidget* list)
{
    QStringList texte;
    texte.reserve(list->count());
    for (int i = 0; i < list->count(); ++i)
        texte.append(list->item(i)->text());
    return texte;
}

void TDualListDlg::listeFuellen(QListWidget* list, const QStringList& texte)
{
    QStringList sortiert = texte;
    std::stable_sort(sortiert.begin(), sortiert.end(), auswahlVor);
    list->clear();
    list->addItems(sortiert);
}

QStringList TDualListDlg::linkeEintraege() const
{
    return eintraege(SrcList);
}

QStringList TDualListDlg::rechteEintraege() const
{
    return eintraege(DstList);
}

void TDualListDlg::MoveSelected(QListWidget* List, QListWidget* Items)
{
    // Taken last first, as the entries were always moved; one merge places them all.
    QStringList bleiben;
    QStringList wandern;
    for (int i = List->count() - 1; i >= 0; --i)
        (List->item(i)->isSelected() ? wandern : bleiben).append(List->item(i)->text());
    if (wandern.isEmpty())
        return;
    std::reverse(bleiben.begin(), bleiben.end());
    const AuswahlMischung mischung = auswahlEinsortieren(eintraege(Items), wandern);
    List->clear();
    List->addItems(bleiben);
    neuBefuellen(Items, mischung);
}

// Refills a list with the merged entries; the entries it held keep their selection, the
// current one stays current and the list stays scrolled where it was.
void TDualListDlg::neuBefuellen(QListWidget* list, const AuswahlMischung& mischung)
{
    QList<qsizetype> markiert;
    for (int i = 0; i < list->count(); ++i)
        if (list->item(i)->isSelected())
            markiert.append(mischung.stellen.at(i));
    const int aktuell = list->currentRow();
    const int rollstand = list->verticalScrollBar()->value();
    list->clear();
    list->addItems(mischung.eintraege);
    if (aktuell >= 0)
        list->selectionModel()->setCurrentIndex(
            list->model()->index(int(mischung.stellen.at(aktuell)), 0),
            QItemSelectionModel::NoUpdate);
    QItemSelection auswahl;
    for (qsizetype k = 0; k < markiert.size();) {
        qsizetype ende = k + 1;
        while (ende < markiert.size() && markiert.at(ende) == markiert.at(ende - 1) + 1)
            ++ende;
        auswahl.select(list->model()->index(int(markiert.at(k)), 0),
                       list->model()->index(int(markiert.at(ende - 1)), 0));
        k = ende;
    }
    if (!auswahl.isEmpty())
        list->selectionModel()->select(auswahl, QItemSelectionModel::Select);
    list->verticalScrollBar()->setValue(rollstand);
}

int TDualListDlg::GetFirstSelection(const QListWidget* List)
{
    for (int i = 0; i < List->count(); ++i)
        if (List->item(i)->isSelected())
            return i;
    return -1;
}

void TDualListDlg::SetItem(QListWidget* List, int Index)
{
    List->setFocus();
    const int letzter = List->count() - 1;
    if (Index == -1)
        Index = 0;
    else if (Index > letzter)
        Index = letzter;
    if (Index >= 0 && Index <= letzter)
        List->setCurrentRow(Index, QItemSelectionModel::Select);
    SetButtons();
}

void TDualListDlg::SetButtons()
{
    const bool linksVoll = SrcList->count() > 0;
    const bool rechtsVoll = DstList->count() > 0;
    weiterFolgtGrenze();
    Button5->setEnabled(linksVoll);
    Button6->setEnabled(rechtsVoll);
    Button7->setEnabled(rechtsVoll);
}

bool TDualListDlg::grenzeErreicht() const
{
    const auto regel = auswahlRegel(gewaehlteTische(), gewaehlterModus());
    return regel && DstList->count() >= regel->grenze;
}

// At the limit ">" would move nothing; disabled, it shows so where the user acts.
void TDualListDlg::weiterFolgtGrenze()
{
    Button4->setEnabled(SrcList->count() > 0 && !grenzeErreicht());
}

void TDualListDlg::anzahlenZeigen()
{
    Label3->setText(QString::number(SrcList->count()));
    Label6->setText(QString::number(DstList->count()));
}

void TDualListDlg::speichernFolgtRechterListe()
{
    Button2->setEnabled(DstList->count() > 0);
}

int TDualListDlg::gewaehlteTische() const
{
    const int id = m_tischGruppe->checkedId();
    return id < 0 ? 0 : id;
}

int TDualListDlg::gewaehlterModus() const
{
    return m_modusGruppe->checkedId();
}

// The caption names the limit once a move to the right has reached it, and reads
// "Gruppen zusammenstellen" again as soon as the right list is below the limit in force.
void TDualListDlg::ueberschriftAktualisieren(bool nachRechts)
{
    const auto regel = auswahlRegel(gewaehlteTische(), gewaehlterModus());
    const bool erreicht = regel && DstList->count() >= regel->grenze;
    if (!erreicht)
        m_grenzeGezeigt = false;
    else if (nachRechts)
        m_grenzeGezeigt = true;
    setWindowTitle(m_grenzeGezeigt ? auswahlGrenzueberschrift(regel->grenze)
                                   : auswahlStandardueberschrift());
}

void TDualListDlg::hinweisSetzen()
{
    if (const auto regel = auswahlRegel(gewaehlteTische(), gewaehlterModus()))
        Label1->setText(regel->hinweis);
}

// --- moves --------------------------------------------------------------------------------

void TDualListDlg::Button4Click()
{
    const int erster = GetFirstSelection(SrcList);
    const auto regel = auswahlRegel(gewaehlteTische(), gewaehlterModus());
    const int vorher = DstList->count();
    if (regel && vorher < regel->grenze) {
        MoveSelected(SrcList, DstList);
        if (regel->tische == 2 && gewaehlterModus() == kEinzelspiele)
            Optionen.AuswahlKennung.set(QStringLiteral("E2"));
    }
    SetItem(SrcList, erster);
    ueberschriftAktualisieren(true);
    anzahlenZeigen();
    speichernFolgtRechterListe();
}

void TDualListDlg::SrcListClick()
{
    Button4->setEnabled(true);
    Button5->setEnabled(true);
    Label3->setText(QString::number(SrcList->count()));
    Button4Click();
    Label6->setText(QString::number(DstList->count()));
}

void TDualListDlg::Button5Click()
{
    alleAnhaengen(SrcList, DstList);
    SrcList->clear();
    SetItem(SrcList, 0);
    ueberschriftAktualisieren(false);
    anzahlenZeigen();
    speichernFolgtRechterListe();
}

void TDualListDlg::Button6Click()
{
    const int erster = GetFirstSelection(DstList);
    MoveSelected(DstList, SrcList);
    SetItem(DstList, erster);
    Button1->setEnabled(SrcList->count() > 0);
    ueberschriftAktualisieren(false);
    anzahlenZeigen();
    speichernFolgtRechterListe();
}

void TDualListDlg::DstListClick()
{
    Button6Click();
    Button6->setEnabled(true);
    Button7->setEnabled(true);
    Button1->setEnabled(true);
    Label6->setText(QString::number(DstList->count()));
}

void TDualListDlg::Button7Click()
{
    alleAnhaengen(DstList, SrcList);
    DstList->clear();
    SetItem(DstList, 0);
    ueberschriftAktualisieren(false);
    anzahlenZeigen();
    speichernFolgtRechterListe();
}

// --- table count and mode -----------------------------------------------------------------

void TDualListDlg::RadioButton1Click()
{
    tischanzahlGewaehlt();
}

void TDualListDlg::RadioButton2Click()
{
    tischanzahlGewaehlt();
}

void TDualListDlg::RadioButton3Click()
{
    tischanzahlGewaehlt();
}

void TDualListDlg::RadioButton4Click()
{
    tischanzahlGewaehlt();
}

void TDualListDlg::RadioButton5Click()
{
    tischanzahlGewaehlt();
}

void TDualListDlg::RadioButton7Click()
{
    modusGewaehlt(kEinzelspiele);
}

void TDualListDlg::RadioButton8Click()
{
    modusGewaehlt(kDoppelspiele);
}

void TDualListDlg::tischanzahlGewaehlt()
{
    hinweisSetzen();
    weiterFolgtGrenze();
    ueberschriftAktualisieren(false);
}

void TDualListDlg::modusGewaehlt(int modus)
{
    Optionen.Spielmodus = modus;
    daten_ansehen();
    // The refilled left list must be movable even after ">>" had emptied it.
    SetButtons();
    hinweisSetzen();
    ueberschriftAktualisieren(false);
    platform::showFileError(optionen_speichern());
}

// --- keys ---------------------------------------------------------------------------------

bool TDualListDlg::fensterHatSelbstDenFokus() const
{
    const QWidget* fokus = QApplication::focusWidget();
    return fokus == nullptr || fokus == this;
}

void TDualListDlg::tastenhinweisZeigen()
{
    if (gewaehlteTische() == 2 && gewaehlterModus() == kEinzelspiele)
        platform::showMessage(auswahlTastenhinweis());
}

void TDualListDlg::FormKeyPress()
{
    tastenhinweisZeigen();
}

void TDualListDlg::FormKeyUp()
{
    tastenhinweisZeigen();
}

// Only keys that reach the window itself count; a control's own keys do not.
void TDualListDlg::keyPressEvent(QKeyEvent* event)
{
    if (fensterHatSelbstDenFokus() && !event->text().isEmpty())
        FormKeyPress();
    // Escape does not close the dialog: the picks stay until "Beenden" or "Auswahl speichern".
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) {
        event->accept();
        return;
    }
    QDialog::keyPressEvent(event);
}

void TDualListDlg::keyReleaseEvent(QKeyEvent* event)
{
    if (fensterHatSelbstDenFokus() && !event->isAutoRepeat())
        FormKeyUp();
    QDialog::keyReleaseEvent(event);
}

// --- load, save, close --------------------------------------------------------------------

void TDualListDlg::Button1Click()
{
    const AuswahlPaar paar = auswahlPaarLaden();
    listeFuellen(SrcList, paar.links);
    listeFuellen(DstList, paar.rechts);
    // Both lists are new, so the move buttons follow them as after every other change.
    SetButtons();
    ueberschriftAktualisieren(false);
    anzahlenZeigen();
    speichernFolgtRechterListe();
}

void TDualListDlg::Button2Click()
{
    if (gewaehlterModus() == kEinzelspiele || gewaehlterModus() == kDoppelspiele)
        Optionen.Spielmodus = gewaehlterModus();
    // A selection that could not be stored must not be drawn from the files of an earlier
    // evening: the message names the file, the dialog stays open with both lists intact.
    if (!platform::showFileError(auswahlSchreiben(auswahldatei1(), linkeEintraege())))
        return;
    if (!platform::showFileError(auswahlSchreiben(auswahldatei2(), rechteEintraege())))
        return;
    platform::showFileError(optionen_speichern());
    // A draw that could not build its pool has told why; the dialog stays open, as it was.
    if (const int tische = gewaehlteTische(); tische != 0) {
        const Ziehungsergebnis ergebnis = personen_zuweisen(tische);
        platform::showMessages(ergebnis.meldungen);
        if (!ergebnis.gezogen)
            return;
    }
    close();
    hauptflaecheZeigen();
}

void TDualListDlg::Button3Click()
{
    close();
    hauptflaecheZeigen();
}

#include "players/ui/ausgewaehltespieler.h"

#include "core/ui/hauptfensterdienste.h"
#include "draw/logic/auswahldatei.h"
#include "grid/logic/wincolors.h"
#include "grid/ui/filtergrid.h"
#include "platform/ui/messages.h"
#include "platform/ui/placement.h"
#include "players/logic/spieleransicht.h"

#include <QFrame>
#include <QHBoxLayout>
#include <QPainter>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>

using namespace grid;

namespace
{

constexpr int kClientBreite = 294;
constexpr int kClientHoehe = 433;
constexpr int kKnopfleiste = 41; // 433 - 392, the grid's design height

// The current row's text must reach 4.5:1 as painted; the soft edges of small glyphs never
// reach the full text colour, so the colours are chosen with a little to spare.
constexpr double kLesbar = 5.0;

const QString kColFeatures = QStringLiteral(
    "2¯Nr.«37««-16777201«0« «0«36««-16777211¯Name«37««-16777201«0« «0«36««-16777211¯1");

} // namespace

TForm3::TForm3(QWidget* parent) : QDialog(parent)
{
    FormCreate();
}

void TForm3::FormCreate()
{
    setObjectName(QStringLiteral("Form3"));
    setWindowTitle(QStringLiteral("Ausgewählte Spieler"));
    setAccessibleName(QStringLiteral("Ausgewählte Spieler"));
    setModal(false);

    FilterGrid1 = new TFilterGrid(this);
    FilterGrid1->setObjectName(QStringLiteral("FilterGrid1"));
    FilterGrid1->setAccessibleName(QStringLiteral("Ausgewählte Spieler"));

    Panel1 = new QFrame(this);
    Panel1->setObjectName(QStringLiteral("Panel1"));
    Panel1->setAccessibleName(QStringLiteral("Knopfleiste"));
    Panel1->setFixedHeight(kKnopfleiste);
    Button2 = new QPushButton(QStringLiteral("Beenden"), Panel1);
    Button2->setObjectName(QStringLiteral("Button2"));
    Button2->setAccessibleName(QStringLiteral("Beenden"));
    auto* leiste = new QHBoxLayout(Panel1);
    leiste->setContentsMargins(8, 4, 8, 4);
    leiste->addStretch();
    leiste->addWidget(Button2);
    leiste->addStretch();
    connect(Button2, &QPushButton::clicked, this, &TForm3::Button2Click);

    auto* spalte = new QVBoxLayout(this);
    spalte->setContentsMargins(0, 0, 0, 0);
    spalte->setSpacing(0);
    spalte->addWidget(FilterGrid1, 1);
    spalte->addWidget(Panel1);
    resize(kClientBreite, kClientHoehe);

    gridEinrichten();

    // A new selection while the view is open: the view shows it, not last round's players.
    connect(&Auswahlmelder::instanz(), &Auswahlmelder::auswahlGeschrieben, this,
            [this](const QString& pfad) {
                if (!isVisible() || !Auswahlmelder::istAuswahldatei2(pfad))
                    return;
                daten_ansehen();
                breitenVormerken();
            });
    // Widths are fitted to the grid as laid out; a change of its height alone (a horizontal
    // scroll bar coming or going) leaves them as they are.
    connect(FilterGrid1, &TFilterGrid::geometrieGeaendert, this, [this] {
        if (isVisible() && breitengrundlage() != m_angepasstAn)
            breitenVormerken();
    });

    platform::placeDialog(*this);
}

void TForm3::gridEinrichten()
{
    FilterGridModel& g = FilterGrid1->Grid();
    g.SetColCount(2);
    g.SetRowCount(2);
    g.SetDefaultDrawing(false);
    g.SetDrawingStyle(GridDrawingStyle::gdsGradient);
    g.SetOptions(goFixedVertLine | goFixedHorzLine | goVertLine | goHorzLine | goRowSelect);
    g.SetColWidths(0, 18);
    g.SetColWidths(1, 162);
    g.SetDistance(1);
    g.SetColFeatures(kColFeatures);
    g.SetFileSollVersion(1);
    g.SetFilterEd(false);
    g.SetFixedColsText(QStringLiteral("Nr.; ;"));
    g.RowColorProc = [this](QObject* sender, int& ausr, QPainter* can, int aCol, int aRow,
                            GridDrawState state) {
        FilterGrid1RowColorProc(sender, ausr, can, aCol, aRow, state);
    };
    g.SetRowAddAuto(false);
    // The design asks for the highlight; the handler's inactive-caption colour is set here
    // once instead of for every cell painted.
    g.SetSelectRowColor(wincolor::clInactiveCaption);
    g.ShowSortIcon() = TSortIcon{};
    g.SetSortDirection(TSortDirection::sdAufsteigend);
    g.SetSortNewFocus(true);
    // "1" names no column title, so the rows keep the file's order.
    g.SetSortierCols(QStringLiteral("1"));
    g.SetSortierenEd(true);
    g.SetSortMouseEd(false);
    g.SetGradientToAllCells(true);
}

void TForm3::oeffnen()
{
    daten_ansehen();
    show();
    raise();
    activateWindow();
    breitenVormerken();
}

TForm3::Breitengrundlage TForm3::breitengrundlage() const
{
    const FilterGridModel& g = FilterGrid1->Grid();
    return {g.Width(), g.ShowsVerticalScrollBar()};
}

// Right after show() or a new filling neither the layout nor the scroll bars have settled;
// they do before the event loop gets to the fit. Any number of reasons before it give one fit.
void TForm3::breitenVormerken()
{
    if (m_breitenVorgemerkt)
        return;
    m_breitenVorgemerkt = true;
    QTimer::singleShot(0, this, [this] {
        m_breitenVorgemerkt = false;
        if (isVisible())
            breitenAnpassen();
    });
}

void TForm3::breitenAnpassen()
{
    FilterGrid1->Grid().ColSetMaxWidths(false, false, true);
    m_angepasstAn = breitengrundlage();
}

void TForm3::daten_ansehen()
{
    FilterGridModel& g = FilterGrid1->Grid();
    const platform::Read<QList<AnsichtZeile>> lesung = ansichtLesen(auswahldatei2());

    g.BeginUpdate();
    // The title row and one row per record (the first record takes the empty row that is
    // there); the rows of the last opening are emptied and reused.
    constexpr int kErsteZeilen = 2;
    g.SetRowCount(kErsteZeilen);
    g.SetRowCount(1 + std::max<int>(1, int(lesung.value.size())));
    g.SetDefaultRowHeight(22);
    for (int r = 0; r < kErsteZeilen; ++r)
        for (int c = 0; c < g.ColCount(); ++c)
            g.SetCells(c, r, QString());
    g.SetColCount(2);
    g.SetCells(0, 0, QStringLiteral("Nr."));
    g.SetCells(1, 0, QStringLiteral("Name"));
    g.SetColWidths(0, 0);
    g.SetColWidths(1, 0);
    for (int i = 0; i < lesung.value.size(); ++i) {
        g.SetCells(0, i + 1, lesung.value[i].nummer);
        g.SetCells(1, i + 1, lesung.value[i].name);
    }
    g.EndUpdate();

    NewColFeatures1(g, 0, 38, QLatin1Char('I'));
    NewColFeatures1(g, 1, 36, QLatin1Char(' '));
    g.ColInfo_Set(-1);
    platform::showMessages(lesung.messages);
}

void TForm3::NewColFeatures1(FilterGridModel& grd, int acol, int ausr, QChar typ)
{
    TColInfo* ci = grd.GetColInfo(acol);
    if (!ci)
        ci = grd.ColInfo_Create(acol);
    ci->Typ = typ;
    ci->DatAlign = ausr;
}

void TForm3::FilterGrid1RowColorProc(QObject*, int&, QPainter* Can, int, int ARow,
                                     GridDrawState State)
{
    const FilterGridModel& g = FilterGrid1->Grid();
    if (!(((g.Options() & goRowSelect) && ARow == g.Row()) || (State & gdFocused)))
        return;
    // The cell is painted from its brush down by the grid's gradient step: the text must
    // stand out from both ends. Maroon where it does, else a text colour of the style; where
    // even that falls short at the gradient's far end, the row's colour gives way.
    const QPalette pal = FilterGrid1->palette();
    const QColor grund = Can->brush().color();
    const auto verlauf = [&g, &pal](const QColor& c) { return g.GradientShift(c, pal); };
    const QColor schrift =
        ReadableTextColor({ColorFromNumber(wincolor::clMaroon, pal),
                           pal.color(QPalette::HighlightedText), pal.color(QPalette::Text)},
                          {grund, verlauf(grund)}, kLesbar);
    Can->setPen(schrift);
    if (LeastContrast(schrift, {grund, verlauf(grund)}) < kLesbar)
        Can->setBrush(BackgroundForText(schrift, grund, verlauf, kLesbar));
}

void TForm3::Button2Click()
{
    close();
    hauptflaecheZeigen();
}

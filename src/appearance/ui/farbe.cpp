#include "appearance/ui/farbe.h"

#include "appearance/ui/stilverwaltung.h"
#include "appearance/ui/stilwahl.h"
#include "platform/ui/placement.h"

#include <QFrame>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QScreen>
#include <QVBoxLayout>
#include <QWindow>

#include <algorithm>

namespace
{

const QString kPanel1Prefix = QStringLiteral("Aktiver Style > ");

QStringList sortedIgnoringCase(QStringList names)
{
    std::stable_sort(names.begin(), names.end(), [](const QString& a, const QString& b) {
        return QString::compare(a, b, Qt::CaseInsensitive) < 0;
    });
    return names;
}

} // namespace

TFarbe::TFarbe(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::WindowStaysOnTopHint | Qt::CustomizeWindowHint |
                          Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                          Qt::WindowCloseButtonHint)
{
    setObjectName(QStringLiteral("Farbe"));
    setWindowTitle(QStringLiteral("Farbwahl"));
    setModal(false);
    buildControls();
    FormCreate();
}

void TFarbe::buildControls()
{
    Panel1 = new QLabel(this);
    Panel1->setObjectName(QStringLiteral("Panel1"));
    // Heard by its text, which names the style in force.
    Panel1->setAccessibleDescription(QStringLiteral("Aktiver Style"));
    Panel1->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    Panel1->setMinimumHeight(33);
    Panel1->setMargin(4);
    Panel1->setAlignment(Qt::AlignCenter);
    // A long style name wraps instead of widening the window.
    Panel1->setWordWrap(true);
    Panel1->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);

    ListBox1 = new QListWidget(this);
    ListBox1->setObjectName(QStringLiteral("ListBox1"));
    ListBox1->setAccessibleName(QStringLiteral("Verfügbare Styles"));
    ListBox1->setSelectionMode(QAbstractItemView::SingleSelection);

    Style_Button = new QPushButton(QStringLiteral("Style aktivieren"), this);
    Style_Button->setObjectName(QStringLiteral("Style_Button"));
    Style_Button->setAccessibleName(QStringLiteral("Style aktivieren"));
    Style_Button->setDefault(true);

    Panel5 = new QFrame(this);
    Panel5->setObjectName(QStringLiteral("Panel5"));
    Panel5->setAccessibleName(QStringLiteral("Schaltflächenleiste"));
    Panel5->setFrameStyle(QFrame::Panel | QFrame::Raised);
    Button22 = new QPushButton(QStringLiteral("Beenden"), Panel5);
    Button22->setObjectName(QStringLiteral("Button22"));
    Button22->setAccessibleName(QStringLiteral("Beenden"));
    Button22->setAutoDefault(false);
    auto* bottomBar = new QHBoxLayout(Panel5);
    bottomBar->setContentsMargins(6, 6, 6, 6);
    bottomBar->addStretch();
    bottomBar->addWidget(Button22);
    bottomBar->addStretch();

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(6);
    layout->addWidget(Panel1);
    auto* middle = new QVBoxLayout;
    middle->setContentsMargins(8, 0, 8, 0);
    middle->setSpacing(6);
    middle->addWidget(ListBox1, 1);
    middle->addWidget(Style_Button);
    layout->addLayout(middle, 1);
    layout->addWidget(Panel5);
    resize(220, 444);

    connect(ListBox1, &QListWidget::currentItemChanged, this,
            [this](QListWidgetItem* current) { ListBox1Click(current); });
    connect(ListBox1, &QListWidget::itemClicked, this, &TFarbe::ListBox1Click);
    connect(ListBox1, &QListWidget::itemDoubleClicked, this, &TFarbe::ListBox1DblClick);
    connect(Style_Button, &QPushButton::clicked, this, &TFarbe::Style_ButtonClick);
    connect(Button22, &QPushButton::clicked, this, &TFarbe::Button22Click);
    connect(appearance::StyleManager::instance(), &appearance::StyleManager::styleActivated, this,
            &TFarbe::aktivenStilZeigen);
}

void TFarbe::FormCreate()
{
    const QSignalBlocker quiet(ListBox1); // filling the list picks nothing
    for (const QString& name : sortedIgnoringCase(appearance::StyleManager::styleNames())) {
        if (ListBox1->findItems(name, Qt::MatchExactly).isEmpty())
            ListBox1->addItem(name);
    }
    aktivenStilZeigen(appearance::StyleManager::activeStyleName());
    platzieren();
}

void TFarbe::platzieren()
{
    platform::placeDialog(*this);
}

bool TFarbe::event(QEvent* event)
{
    // Qt tells a window when a modal window blocks it and when that one has closed.
    if (event->type() == QEvent::WindowBlocked)
        obenBleiben(false);
    else if (event->type() == QEvent::WindowUnblocked)
        obenBleiben(true);
    return QDialog::event(event);
}

// The flag goes to the native window directly: setWindowFlags() would hide the window.
void TFarbe::obenBleiben(bool oben)
{
    Qt::WindowFlags flags = windowFlags();
    flags.setFlag(Qt::WindowStaysOnTopHint, oben);
    if (flags == windowFlags())
        return;
    overrideWindowFlags(flags);
    if (QWindow* fenster = windowHandle())
        fenster->setFlags(flags);
}

void TFarbe::anzeigen()
{
    show();
    raise();
    activateWindow();
}

void TFarbe::ListBox1Click(QListWidgetItem* item)
{
    if (item == nullptr)
        return;
    Stilname = item->text();
    Style_Button->setEnabled(true);
}

void TFarbe::ListBox1DblClick(QListWidgetItem* item)
{
    ListBox1Click(item);
    stilAktivierenUndSpeichern();
}

void TFarbe::Style_ButtonClick()
{
    stilAktivierenUndSpeichern();
    close();
}

void TFarbe::Button22Click()
{
    close();
}

void TFarbe::panel1Aktualisieren(const QString& name)
{
    Panel1->setText(kPanel1Prefix + name);
}

// Panel1 names the style in force and the list marks it, so the marked entry is the one
// "Style aktivieren" puts in force -- also after the stored style replaced the start-up one.
void TFarbe::aktivenStilZeigen(const QString& name)
{
    panel1Aktualisieren(name);
    const QSignalBlocker quiet(ListBox1);
    const QList<QListWidgetItem*> found = ListBox1->findItems(name, Qt::MatchExactly);
    if (!found.isEmpty())
        ListBox1->setCurrentItem(found.first());
}

#include "app/weitereprogramme.h"

#include "app/bilder.h"
#include "core/base/hauptfensterwerte.h"
#include "core/base/optionen.h"
#include "core/base/programm.h"
#include "core/ui/hauptfensterdienste.h"
#include "platform/base/shell.h"
#include "platform/ui/messages.h"

#include <QCloseEvent>
#include <QFrame>
#include <QGridLayout>
#include <QLabel>
#include <QPushButton>
#include <QUrl>
#include <QVBoxLayout>

namespace
{

struct Programm {
    const char* name;
    const char* beschreibung;
};

// Everything we offer lives on our web site; each entry opens it.
const Programm programme[] = {
    {"Zorbel-Master",
     "Die neueste Fassung dieses Programms zum Herunterladen,\nmit Hinweisen zu allen Änderungen."},
    {"Programme für Vereinsabende",
     "Unsere weiteren Programme rund um Tischfußball und Verein,\nmit Beschreibung und Download."},
};

void adresseOeffnen()
{
    const QString adresse = websiteAdresse();
    if (!platform::openUrl(QUrl(adresse)))
        platform::showMessage(websiteFehler(adresse), platform::Buttons::Ok,
                              platform::Icon::Warning);
}

} // namespace

WeitereProgramme::WeitereProgramme(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("WeitereProgramme"));
    setWindowTitle(QStringLiteral("Weitere Programme"));
    setModal(false);
    setSizeGripEnabled(false);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(18, 16, 18, 14);
    layout->setSpacing(12);

    auto* kopf = new QLabel(QStringLiteral("Weitere Programme von uns"), this);
    kopf->setObjectName(QStringLiteral("Label1"));
    QFont kopfSchrift = kopf->font();
    kopfSchrift.setPointSizeF(kopfSchrift.pointSizeF() * 1.3);
    kopfSchrift.setBold(true);
    kopf->setFont(kopfSchrift);
    layout->addWidget(kopf);

    auto* liste = new QGridLayout;
    liste->setHorizontalSpacing(14);
    liste->setVerticalSpacing(10);
    int zeile = 0;
    for (const Programm& programm : programme) {
        auto* bild = new QLabel(this);
        bild->setPixmap(
            bildPixmap(QStringLiteral("zorbel-master"), QSize(40, 40), devicePixelRatioF()));
        bild->setAccessibleName(QString::fromUtf8(programm.name));
        auto* text = new QLabel(QStringLiteral("<b>%1</b><br>%2")
                                    .arg(QString::fromUtf8(programm.name).toHtmlEscaped(),
                                         QString::fromUtf8(programm.beschreibung)
                                             .toHtmlEscaped()
                                             .replace(QLatin1Char('\n'), QStringLiteral("<br>"))),
                                this);
        text->setObjectName(QStringLiteral("ProgrammText%1").arg(zeile + 1));
        auto* knopf = new QPushButton(QStringLiteral("Webseite öffnen"), this);
        knopf->setObjectName(QStringLiteral("ProgrammButton%1").arg(zeile + 1));
        knopf->setAccessibleName(QStringLiteral("Webseite öffnen: ") +
                                 QString::fromUtf8(programm.name));
        connect(knopf, &QPushButton::clicked, this, [] { adresseOeffnen(); });
        liste->addWidget(bild, zeile, 0, Qt::AlignTop);
        liste->addWidget(text, zeile, 1);
        liste->addWidget(knopf, zeile, 2, Qt::AlignVCenter);
        ++zeile;
    }
    layout->addLayout(liste);

    auto* linie = new QFrame(this);
    linie->setFrameShape(QFrame::HLine);
    linie->setFrameShadow(QFrame::Sunken);
    layout->addWidget(linie);

    auto* schliessen = new QPushButton(QStringLiteral("Schließen"), this);
    schliessen->setObjectName(QStringLiteral("Button1"));
    schliessen->setAccessibleName(QStringLiteral("Schließen"));
    schliessen->setDefault(true);
    // Enter on a freshly opened window closes it; on a focused program button it opens that.
    schliessen->setFocus();
    connect(schliessen, &QPushButton::clicked, this, &QWidget::close);
    layout->addWidget(schliessen, 0, Qt::AlignRight);
}

// Escape leaves as "Schließen" does, through closeEvent, so the main-screen panel follows.
void WeitereProgramme::reject()
{
    close();
}

void WeitereProgramme::closeEvent(QCloseEvent* event)
{
    if (Optionen.HauptflaecheZeigen == 1)
        hauptflaecheZeigen();
    event->accept();
}

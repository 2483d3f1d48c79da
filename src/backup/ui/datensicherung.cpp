#include "backup/ui/datensicherung.h"

#include "backup/logic/sicherung.h"
#include "core/base/optionen.h"
#include "core/base/programm.h"
#include "platform/base/clock.h"
#include "platform/base/datafolder.h"
#include "platform/ui/messages.h"

#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QScreen>
#include <QVBoxLayout>

namespace
{

QLineEdit* nurLesefeld(const QString& name, const QString& beschriftung, QWidget* parent)
{
    auto* feld = new QLineEdit(parent);
    feld->setObjectName(name);
    feld->setReadOnly(true);
    feld->setAccessibleName(beschriftung);
    feld->setMinimumWidth(440);
    return feld;
}

void neuZeichnen()
{
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}

} // namespace

TDatensicherung::TDatensicherung(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("Datensicherung"));
    setWindowTitle(QStringLiteral("Automatische Datensicherung"));

    Panel1 = new QFrame(this);
    Panel1->setObjectName(QStringLiteral("Panel1"));
    Panel1->setFrameStyle(QFrame::Panel | QFrame::Raised);
    Panel1->setLineWidth(2);

    Label1 = new QLabel(QStringLiteral("Die automatische Datensicherung wird ausgeführt."), Panel1);
    Label1->setObjectName(QStringLiteral("Label1"));
    Label1->setAlignment(Qt::AlignCenter);
    QFont schrift = Label1->font();
    schrift.setBold(true);
    Label1->setFont(schrift);
    Label2 = new QLabel(QStringLiteral("Quellverzeichnis"), Panel1);
    Label2->setObjectName(QStringLiteral("Label2"));
    Edit1 = nurLesefeld(QStringLiteral("Edit1"), Label2->text(), Panel1);
    Label2->setBuddy(Edit1);
    Label4 = new QLabel(QStringLiteral("Zielverzeichnis"), Panel1);
    Label4->setObjectName(QStringLiteral("Label4"));
    Edit2 = nurLesefeld(QStringLiteral("Edit2"), Label4->text(), Panel1);
    Label4->setBuddy(Edit2);
    Label3 = new QLabel(QStringLiteral("Bitte warten . . ."), Panel1);
    Label3->setObjectName(QStringLiteral("Label3"));
    Label3->setAlignment(Qt::AlignCenter);

    auto* innen = new QVBoxLayout(Panel1);
    innen->setContentsMargins(16, 12, 16, 12);
    innen->addWidget(Label1);
    innen->addSpacing(10);
    innen->addWidget(Label2);
    innen->addWidget(Edit1);
    innen->addWidget(Label4);
    innen->addWidget(Edit2);
    innen->addSpacing(10);
    innen->addWidget(Label3);

    auto* aussen = new QVBoxLayout(this);
    aussen->setContentsMargins(6, 6, 6, 6);
    aussen->addWidget(Panel1);
    adjustSize();
}

TDatensicherung::~TDatensicherung() = default;

bool TDatensicherung::ausfuehren()
{
    if (Optionen.AutoSicherung != 1)
        return true;
    return Lesen();
}

// The window sits centred; with a taskbar that is always shown it sits higher by the
// taskbar's height, so that it never hides behind the taskbar.
void TDatensicherung::platzieren()
{
    const QScreen* bildschirm = screen();
    if (!bildschirm)
        return;
    const QRect flaeche = bildschirm->geometry();
    const int oben = flaeche.y() + (flaeche.height() - height()) / 2;
    const bool hoeheSinnvoll = TaskleistenHoehe > 0 && TaskleistenHoehe < flaeche.height() / 2;
    const int versatz = (TaskleisteFest != 0 && hoeheSinnvoll) ? 80 - TaskleistenHoehe : 50;
    move(flaeche.x() + (flaeche.width() - width()) / 2, oben + versatz);
}

bool TDatensicherung::Lesen()
{
    // A folder carried over from another system (a drive letter, backslashes) or a relative
    // one names no folder here: the backup goes where the backup window would put it, as it
    // does without a stored folder. Such a folder never names a floppy drive to probe either.
    const QString gespeichert = gespeicherterSicherungsordner(Optionen.SicherungsPfad.str());

    platzieren();
    show();
    neuZeichnen();

    m_quellordner = Datenordner;
    m_zielordner = mitTrenner(gespeichert.isEmpty() ? standardSicherungsordner() : gespeichert);
    bool fertig = true;
    if (!verz_anl(m_zielordner)) {
        platform::showMessage(QStringLiteral("Beim Anlegen von ") + m_zielordner +
                              QStringLiteral(" ist ein Fehler aufgetreten!"));
    } else {
        // A stored folder that already is today's date folder gets no second one below it.
        m_zielordner = datumsordner(m_zielordner, platform::today());
        if (!QFileInfo(m_zielordner).isDir())
            QDir().mkdir(m_zielordner);
        if (!QFileInfo(m_zielordner).isDir()) {
            QApplication::beep();
            platform::showMessage(QStringLiteral("Verzeichnis ") + m_zielordner +
                                      QStringLiteral(" kann nicht erstellt werden. ") +
                                      QStringLiteral("\n\nLesen Sie bitte die Hilfedatei über "
                                                     "Datensicherung.\n"),
                                  platform::Buttons::Ok, platform::Icon::Information);
        } else {
            m_lauf = neuerKopierlauf();
            for (const QString& maske : datendateiMasken()) {
                if (!Dir_lesen(maske)) {
                    fertig = false;
                    break;
                }
            }
            m_lauf.reset();
        }
    }
    hide();
    return fertig;
}

std::unique_ptr<Kopierlauf> TDatensicherung::neuerKopierlauf()
{
    return std::make_unique<Kopierlauf>([this](const QString& quelle, const QString& ziel) {
        Edit1->setText(quelle);
        Edit2->setText(ziel);
        neuZeichnen();
    });
}

bool TDatensicherung::Dir_lesen(const QString& maske)
{
    // Within a backup every mask belongs to the one run; called alone it is a run of its own.
    std::unique_ptr<Kopierlauf> eigenerLauf = m_lauf ? nullptr : neuerKopierlauf();
    Kopierlauf& lauf = m_lauf ? *m_lauf : *eigenerLauf;
    const bool fertig = lauf.Dir_lesen(m_quellordner, m_zielordner, maske);
    if (!fertig)
        platform::showMessages(lauf.meldungen());
    return fertig;
}

bool TDatensicherung::DiskInDrive(QChar lw, bool Statusanzeige)
{
    const Laufwerksmeldung befund = laufwerksmeldung(lw, laufwerkPruefen(laufwerkswurzel(lw)));
    if (Statusanzeige && !befund.text.isEmpty())
        platform::showMessage(befund.text);
    return befund.brauchbar;
}

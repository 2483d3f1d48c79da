#include "core/base/programm.h"

#include "core/base/optionen.h"
#include "platform/base/datafolder.h"
#include "platform/ui/help.h"
#include "platform/ui/messages.h"

QString Programmversion = QStringLiteral("1.06");
QString Hilfedatei;
std::int32_t TaskleistenHoehe = 0;
std::int32_t TaskleisteFest = 1;

namespace
{
HauptfensterDienste& dienste()
{
    static HauptfensterDienste d;
    return d;
}
} // namespace

void programm_initialisieren()
{
    platform::setDataFolderFromProgram();
    optionen_lesen();
}

QString hilfe_fehlt_meldung(const QString& hilfedatei)
{
    // A message box on this platform breaks a line only at a line feed: the carriage return
    // alone would glue the path to the text.
    return QStringLiteral("Hilfe-Datei nicht gefunden\r\n") + hilfedatei;
}

void hilfe_zeigen(int kontext)
{
    if (!platform::showHelp(Hilfedatei, kontext))
        platform::showMessage(hilfe_fehlt_meldung(Hilfedatei), platform::Buttons::Ok,
                              platform::Icon::Warning);
}

void hauptfensterDiensteSetzen(HauptfensterDienste d)
{
    dienste() = std::move(d);
}

void hauptflaeche_zeigen()
{
    if (dienste().hauptflaecheSichtbar)
        dienste().hauptflaecheSichtbar(true);
}

void hauptflaeche_verbergen()
{
    if (dienste().hauptflaecheSichtbar)
        dienste().hauptflaecheSichtbar(false);
}

void titel_zeigen()
{
    if (dienste().titelZeigen)
        dienste().titelZeigen();
}

QWidget* hauptfenster()
{
    return dienste().fenster ? dienste().fenster() : nullptr;
}

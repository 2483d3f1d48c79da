#include "programm.h"

#include "optionen.h"
#include "platform/datafolder.h"

QString Programmversion = QStringLiteral("1.06");
QString Hilfedatei;
std::int32_t TaskleistenHoehe = 0;
std::int32_t TaskleisteFest = 1;

namespace {
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

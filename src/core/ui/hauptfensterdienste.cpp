#include "core/ui/hauptfensterdienste.h"

#include "core/base/programm.h"
#include "platform/ui/help.h"
#include "platform/ui/messages.h"

namespace
{
HauptfensterDienste& dienste()
{
    static HauptfensterDienste d;
    return d;
}
} // namespace

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

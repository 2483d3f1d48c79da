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

void hilfeZeigen(int kontext)
{
    if (!platform::showHelp(Hilfedatei, kontext))
        platform::showMessage(hilfeFehltMeldung(Hilfedatei), platform::Buttons::Ok,
                              platform::Icon::Warning);
}

void hauptfensterDiensteSetzen(HauptfensterDienste d)
{
    dienste() = std::move(d);
}

void hauptflaecheZeigen()
{
    if (dienste().hauptflaecheSichtbar)
        dienste().hauptflaecheSichtbar(true);
}

void hauptflaecheVerbergen()
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

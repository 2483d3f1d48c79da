#include "appearance/ui/stilwahl.h"

#include "appearance/logic/stile.h"
#include "appearance/ui/stilverwaltung.h"
#include "core/base/programm.h"
#include "core/ui/hauptfensterdienste.h"
#include "platform/base/cp1252.h"
#include "platform/base/datafolder.h"
#include "platform/base/savefile.h"
#include "platform/ui/messages.h"

#include <QWidget>

QString Stilname = appearance::kPlatformStyleName;

namespace
{

const QString kStyleFile = QStringLiteral("Styledat.txt");

// The first line of the style file; empty when the file is missing or unreadable.
QString firstLineOfStyleFile()
{
    return appearance::styleNameOfFile(platform::dataFile(kStyleFile));
}

void maximiseMainWindow()
{
    if (QWidget* window = hauptfenster())
        window->setWindowState(window->windowState() | Qt::WindowMaximized);
}

// The stored style's name: "Windows" when the file is missing, unreadable or its line empty.
QString storedStyleName()
{
    const QString name = firstLineOfStyleFile();
    return name.isEmpty() ? appearance::kPlatformStyleName : name;
}

} // namespace

bool gespeichertenStilVorabSetzen()
{
    const QString name = storedStyleName();
    return !appearance::isDamagedStyleName(name, appearance::StyleManager::styleNames()) &&
           appearance::StyleManager::trySetStyle(name);
}

bool style_lesen()
{
    const QString name = storedStyleName();
    const bool damaged =
        appearance::isDamagedStyleName(name, appearance::StyleManager::styleNames());
    if (damaged)
        platform::reportError(appearance::StyleManager::notFoundMessage(name));
    if (damaged || !appearance::StyleManager::setStyle(name)) {
        // The list and Panel1 go on with the style actually in force.
        Stilname = appearance::StyleManager::activeStyleName();
        return false;
    }
    Stilname = name;
    maximiseMainWindow();
    return true;
}

bool style_speichern()
{
    return platform::saveDataFile(platform::dataFile(kStyleFile), platform::toCp1252(Stilname));
}

bool stilAktivierenUndSpeichern()
{
    if (!appearance::StyleManager::setStyle(Stilname))
        return false;
    return style_speichern();
}

#include "appearance/ui/stilverwaltung.h"

#include "appearance/logic/stile.h"
#include "platform/ui/messages.h"

#include <QApplication>
#include <QEvent>
#include <QStyle>
#include <QStyleFactory>
#include <QWidget>

#include <algorithm>

namespace appearance
{

namespace
{

struct Registry {
    QList<StyleLook> looks;
    QString active = kPlatformStyleName;
    bool applied = false; // `active` has been put in force
    bool filled = false;
};

Registry& registry()
{
    static Registry instance;
    return instance;
}

// The first use records the platform's own look -- the style the application started with --
// before any look of the program replaces it, then adds the program's looks in list order.
Registry& filledRegistry()
{
    Registry& r = registry();
    if (r.filled)
        return r;
    r.filled = true;
    QStyle* startStyle = QApplication::style();
    const QString startKey = startStyle ? startStyle->name() : QStringLiteral("Fusion");
    const QPalette startPalette = startStyle ? startStyle->standardPalette() : QPalette();
    QList<StyleLook> own = programLooks();
    for (const QString& name : programStyleNames()) {
        if (name == kPlatformStyleName) {
            r.looks.append(platformLook(startKey, startPalette));
            continue;
        }
        const auto it = std::find_if(own.cbegin(), own.cend(),
                                     [&name](const StyleLook& l) { return l.name == name; });
        r.looks.append(*it);
    }
    return r;
}

qsizetype indexOf(const QString& name)
{
    const QList<StyleLook>& looks = filledRegistry().looks;
    for (qsizetype i = 0; i < looks.size(); ++i) {
        if (looks.at(i).name == name)
            return i;
    }
    return -1;
}

QStyle* createStyle(const QString& key)
{
    if (QStyle* style = QStyleFactory::create(key))
        return style;
    return QStyleFactory::create(QStringLiteral("Fusion"));
}

void apply(const StyleLook& look)
{
    // The sheet goes first and comes back last, so the new style is not wrapped in the old sheet.
    qApp->setStyleSheet(QString());
    if (QStyle* style = createStyle(look.styleKey))
        QApplication::setStyle(style);
    QApplication::setPalette(look.palette);
    if (!look.styleSheet.isEmpty())
        qApp->setStyleSheet(look.styleSheet);
    // Until the event loop runs Qt leaves the windows that exist alone (the stored style is put
    // in force while the main window is being built), so they are told here; windows that were
    // told already just keep the new colours.
    QEvent paletteChange(QEvent::ApplicationPaletteChange);
    for (QWidget* window : QApplication::topLevelWidgets())
        QCoreApplication::sendEvent(window, &paletteChange);
}

} // namespace

StyleManager* StyleManager::instance()
{
    static StyleManager manager;
    return &manager;
}

void StyleManager::registerStyle(const StyleLook& look)
{
    Registry& r = filledRegistry();
    const qsizetype i = indexOf(look.name);
    if (i >= 0)
        r.looks[i] = look;
    else
        r.looks.append(look);
}

QStringList StyleManager::styleNames()
{
    QStringList names;
    for (const StyleLook& look : filledRegistry().looks)
        names.append(look.name);
    return names;
}

bool StyleManager::isRegistered(const QString& name)
{
    return indexOf(name) >= 0;
}

StyleLook StyleManager::look(const QString& name)
{
    const qsizetype i = indexOf(name);
    return i >= 0 ? filledRegistry().looks.at(i) : StyleLook{};
}

bool StyleManager::trySetStyle(const QString& name)
{
    const qsizetype i = indexOf(name);
    if (i < 0)
        return false;
    Registry& r = filledRegistry();
    // A style in force already is not put in force again: that would polish every widget anew.
    if (!r.applied || r.active != name) {
        apply(r.looks.at(i));
        r.active = name;
        r.applied = true;
    }
    Q_EMIT instance()->styleActivated(name);
    return true;
}

bool StyleManager::setStyle(const QString& name)
{
    if (trySetStyle(name))
        return true;
    platform::reportError(notFoundMessage(name));
    return false;
}

QString StyleManager::activeStyleName()
{
    return filledRegistry().active;
}

QString StyleManager::notFoundMessage(const QString& name)
{
    return QStringLiteral("Stil '%1' nicht gefunden").arg(styleNameForMessage(name));
}

} // namespace appearance

#pragma once

#include "appearance/logic/stilart.h"

#include <QObject>
#include <QPalette>
#include <QString>
#include <QStringList>

namespace appearance
{

// The program's style manager: a list of named looks, one of them in force for all windows.
// "Windows" is the look the platform starts the application with (its own style and standard
// palette); every other name is a look of its own. Every function needs a QApplication.
class StyleManager : public QObject
{
    Q_OBJECT
public:
    // The object that announces activations (for windows that show the active name).
    static StyleManager* instance();

    // Adds a look, or replaces the look of the same name.
    static void registerStyle(const StyleLook& look);
    // The registered names, in the order they were registered (the program's 35 looks first).
    static QStringList styleNames();
    static bool isRegistered(const QString& name);
    // The look registered under `name`; a look with an empty name when unknown.
    static StyleLook look(const QString& name);

    // Puts the named look in force for every window at once. Returns false, and changes nothing,
    // when no look of that name is registered.
    static bool trySetStyle(const QString& name);
    // As trySetStyle, but an unknown name goes to the general error report as
    // "Stil '<name>' nicht gefunden".
    static bool setStyle(const QString& name);
    // The name of the look in force ("Windows" before any activation).
    static QString activeStyleName();

    // "Stil '<name>' nicht gefunden", the name as styleNameForMessage shows it
    static QString notFoundMessage(const QString& name);

Q_SIGNALS:
    void styleActivated(const QString& name);

private:
    StyleManager() = default;
};

} // namespace appearance

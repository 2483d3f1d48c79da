#include "platform/base/taskbar.h"

#include <QGuiApplication>
#include <QScreen>

namespace platform
{

namespace
{

TaskbarProvider& providerSlot()
{
    static TaskbarProvider provider;
    return provider;
}

} // namespace

Taskbar taskbarFromScreen(const QRect& geometry, const QRect& available)
{
    // Exclusive right and bottom edges, as the shell writes them.
    const int left = geometry.x();
    const int top = geometry.y();
    const int right = geometry.x() + geometry.width();
    const int bottom = geometry.y() + geometry.height();
    const int freeLeft = available.x();
    const int freeTop = available.y();
    const int freeRight = available.x() + available.width();
    const int freeBottom = available.y() + available.height();

    Taskbar bar;
    bar.known = true;
    if (freeBottom < bottom)
        bar = {true, left, freeBottom, right, bottom, false};
    else if (freeTop > top)
        bar = {true, left, top, right, freeTop, false};
    else if (freeLeft > left)
        bar = {true, left, top, freeLeft, bottom, false};
    else if (freeRight < right)
        bar = {true, freeRight, top, right, bottom, false};
    else
        bar = {true, left, bottom, right, bottom, true};
    return bar;
}

Taskbar taskbar(QScreen* screen)
{
    if (providerSlot())
        return providerSlot()();
    if (!screen)
        screen = QGuiApplication::primaryScreen();
    if (!screen)
        return {};
    return taskbarFromScreen(screen->geometry(), screen->availableGeometry());
}

TaskbarProvider setTaskbarProvider(TaskbarProvider provider)
{
    TaskbarProvider previous = std::move(providerSlot());
    providerSlot() = std::move(provider);
    return previous;
}

} // namespace platform

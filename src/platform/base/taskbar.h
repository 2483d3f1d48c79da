#pragma once

#include <QRect>
#include <functional>

class QScreen;

namespace platform
{

// What the program learns about the taskbar at start. The rectangle is given as the Windows
// shell gives it: right and bottom are the first pixel outside.
struct Taskbar {
    bool known = false; // false: the position could not be asked for (no screen)
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;
    bool autoHide = false;
};

// Derives the taskbar from a screen's full geometry and the part left free for windows.
// The side on which space is reserved is the taskbar's side. The desktop does not tell us
// whether a panel hides itself automatically, nor where a panel that reserves no space sits:
// a screen without reserved space is taken as having a hiding (or no) taskbar, given as an
// empty strip along the bottom edge.
Taskbar taskbarFromScreen(const QRect& geometry, const QRect& available);

// The taskbar of the given screen (the primary screen when null).
Taskbar taskbar(QScreen* screen = nullptr);

using TaskbarProvider = std::function<Taskbar()>;
// Installs a replacement (tests) and returns the one before; empty restores the real one.
TaskbarProvider setTaskbarProvider(TaskbarProvider provider);

} // namespace platform

#pragma once

#include <QPoint>
#include <QRect>
#include <QSize>

class QPushButton;
class QWidget;

namespace platform
{

// Where a dialog goes: centred across the screen, its top edge 50 pixels below the vertically
// centred position. On a screen too low for that it is lifted so that its bottom stays within
// the work area (its buttons reachable), but never above the top of the screen.
QPoint dialogPosition(const QRect& screen, const QRect& workArea, const QSize& size);

// Moves the window there, on the screen it is on (the primary screen before it is shown).
void placeDialog(QWidget& window);

// The width a push button needs for its caption in the style in force. Asked of the style
// itself: while a new style is announced window by window, a button's own size hint may still
// be that of the earlier style.
int captionWidth(const QPushButton& button);

} // namespace platform

#include "platform/ui/placement.h"

#include <QGuiApplication>
#include <QPushButton>
#include <QScreen>
#include <QStyle>
#include <QStyleOptionButton>
#include <QWidget>
#include <algorithm>

namespace platform
{

QPoint dialogPosition(const QRect& screen, const QRect& workArea, const QSize& size)
{
    const int left = screen.left() + (screen.width() - size.width()) / 2;
    const int top = screen.top() + (screen.height() - size.height()) / 2 + 50;
    const int lowestTop = workArea.bottom() + 1 - size.height();
    return {left, std::max(screen.top(), std::min(top, lowestTop))};
}

void placeDialog(QWidget& window)
{
    const QScreen* screen = window.screen();
    if (!screen)
        screen = QGuiApplication::primaryScreen();
    if (!screen)
        return;
    window.move(dialogPosition(screen->geometry(), screen->availableGeometry(), window.size()));
}

int captionWidth(const QPushButton& button)
{
    QStyleOptionButton option;
    option.initFrom(&button);
    option.text = button.text();
    const QSize text = button.fontMetrics().size(Qt::TextShowMnemonic, button.text());
    return button.style()->sizeFromContents(QStyle::CT_PushButton, &option, text, &button).width();
}

} // namespace platform

#include "controls/ScreenFit.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

#include <algorithm>

namespace quillon {

namespace {

// The window frame around the client area; before the first show a generous guess, so the
// title bar cannot end up above the screen.
QMargins frameOf(const QWidget *window) {
    const QRect outer = window->frameGeometry();
    const QRect inner = window->geometry();
    if (window->isVisible() && outer != inner)
        return {inner.left() - outer.left(), inner.top() - outer.top(),
                outer.right() - inner.right(), outer.bottom() - inner.bottom()};
    return {8, 32, 8, 8};
}

} // namespace

void placeOnScreen(QWidget *window, QSize wanted, const QWidget *anchor) {
    QScreen *screen =
        anchor && anchor->screen() ? anchor->screen() : QGuiApplication::primaryScreen();
    if (!screen) {
        window->resize(wanted);
        return;
    }
    const QMargins frame = frameOf(window);
    const QRect room = screen->availableGeometry().marginsRemoved(frame);
    const QSize size = wanted.boundedTo(room.size());
    QPoint at = anchor ? anchor->window()->frameGeometry().topRight() +
                             QPoint(frame.left() + 1, frame.top())
                       : room.center() - QPoint(size.width() / 2, size.height() / 2);
    at.setX(std::max(room.left(), std::min(at.x(), room.right() + 1 - size.width())));
    at.setY(std::max(room.top(), std::min(at.y(), room.bottom() + 1 - size.height())));
    window->setGeometry(QRect(at, size));
}

} // namespace quillon

#include "shell/Placement.h"

#include <QWidget>

#include <algorithm>

namespace quillon::shell {

QPoint centredPlacement(QSize space, QSize own, int divisor) {
    const int left = (space.width() - own.width()) / 2;
    const int top = (space.height() - own.height()) / divisor;
    return {std::max(0, left), std::max(0, top)};
}

void placeOnWindow(QWidget &window, const QWidget &mainWindow, int divisor) {
    const QRect frame = mainWindow.frameGeometry();
    const QPoint offset = centredPlacement(frame.size(), window.frameGeometry().size(), divisor);
    window.move(frame.topLeft() + offset);
}

} // namespace quillon::shell

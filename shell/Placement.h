#pragma once

#include <QPoint>
#include <QSize>

class QWidget;

namespace quillon::shell {

// Where a secondary window goes: horizontally centred in the space it opens in, and
// 1/`divisor` of the free height down (a quarter for the about window and the disclaimer, a
// third for the update notice). Never above or left of that space.
QPoint centredPlacement(QSize space, QSize own, int divisor);

inline constexpr int kQuarterDown = 4;
inline constexpr int kThirdDown = 3;

// Places a top-level window (the disclaimer) on the main window's frame.
void placeOnWindow(QWidget &window, const QWidget &mainWindow, int divisor);

} // namespace quillon::shell

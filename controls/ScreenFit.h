#pragma once

#include <QSize>

class QWidget;

namespace quillon {

// Places a top-level window of the wanted size (smaller where the screen is smaller) wholly
// inside the available area of the screen `anchor` stands on, title bar included: just right
// of `anchor` where there is room, else as far right as fits. Without an anchor it is centred.
void placeOnScreen(QWidget *window, QSize wanted, const QWidget *anchor);

} // namespace quillon

#pragma once

#include <QWidget>

#include <cmath>

namespace quillon {

// Positions and sizes fixed in twips (1/1440 inch), turned into device-independent pixels for
// the screen a widget is on, so a window keeps its proportions at 96 DPI and on HiDPI screens.
inline int twipsToPixels(int twips, const QWidget *widget = nullptr) {
    const int dpi = widget ? widget->logicalDpiY() : 96;
    return static_cast<int>(std::lround(static_cast<double>(twips) * dpi / 1440.0));
}

} // namespace quillon

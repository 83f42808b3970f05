#pragma once

#include <QApplication>
#include <QCursor>

namespace quillon {

// The busy (hourglass) pointer for the length of a scope; the default pointer comes back
// however the scope is left.
class BusyCursor {
public:
    BusyCursor() { QApplication::setOverrideCursor(QCursor(Qt::WaitCursor)); }
    ~BusyCursor() { QApplication::restoreOverrideCursor(); }
    BusyCursor(const BusyCursor &) = delete;
    BusyCursor &operator=(const BusyCursor &) = delete;
};

} // namespace quillon

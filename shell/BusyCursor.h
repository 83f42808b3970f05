#pragma once

#include <QApplication>
#include <QCursor>

namespace quillon::shell {

// The hourglass for as long as the object lives; the default pointer comes back on every way
// out of the busy work.
class BusyCursor {
public:
    BusyCursor() { QApplication::setOverrideCursor(QCursor(Qt::WaitCursor)); }
    ~BusyCursor() { QApplication::restoreOverrideCursor(); }
    BusyCursor(const BusyCursor &) = delete;
    BusyCursor &operator=(const BusyCursor &) = delete;
};

} // namespace quillon::shell

#pragma once

#include <QMdiSubWindow>
#include <QWidget>

namespace quillon {

// Closes a window's frame: the child window frame it sits in, or the window itself.
inline void closeHostWindow(QWidget *window) {
    if (auto *sub = qobject_cast<QMdiSubWindow *>(window->parentWidget()))
        sub->close();
    else
        window->close();
}

// The frame a window shows in: its child window frame, or the window itself.
inline QWidget *hostWindow(QWidget *window) {
    if (auto *sub = qobject_cast<QMdiSubWindow *>(window->parentWidget()))
        return sub;
    return window;
}

} // namespace quillon

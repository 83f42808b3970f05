#pragma once

#include "shell/WindowCatalogue.h"

#include <QPointer>

class QMainWindow;
class QMdiArea;
class QMdiSubWindow;
class QWidget;

namespace quillon::shell {

// The one way a window is opened inside the main window. Each window exists at most once: its
// objectName is its window name, and opening it again brings the same window to the front with
// its figures.
class WindowOpener {
public:
    WindowOpener(QMainWindow &mainWindow, QMdiArea &area, const AppContext &context);

    // Opens a calculator of the catalogue: busy pointer; make the window if it is not open and
    // show it as a non-modal child, or bring the open one to the front; cascade or apply the
    // company-car width as the entry says; default pointer. Null when the entry has no factory.
    QWidget *open(const WindowEntry &entry);

    // Shows a window the shell made itself (about, update notice) as a child window; an open
    // window of the same name is brought to the front instead and `widget` is deleted.
    QMdiSubWindow *showChild(QWidget *widget);

    // The open child window of that name, or null.
    QMdiSubWindow *subWindow(const QString &windowName) const;
    QWidget *window(const QString &windowName) const;
    // Closes (unloads) the child window of that name; false when it was not open.
    bool close(const QString &windowName);

    // The company car's width rule, in twips: applied only in the normal window state.
    static constexpr int kCompanyCarWidthTwips = 13405;

private:
    void bringToFront(QMdiSubWindow *sub);
    void applyAfterOpening(AfterOpening after);

    QMainWindow &m_main;
    QMdiArea &m_area;
    const AppContext &m_context;
};

} // namespace quillon::shell

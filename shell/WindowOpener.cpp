#include "shell/WindowOpener.h"

#include "controls/BusyCursor.h"
#include "controls/Twips.h"
#include "forms/AppContext.h"

#include <QMainWindow>
#include <QMdiArea>
#include <QMdiSubWindow>

namespace quillon::shell {

WindowOpener::WindowOpener(QMainWindow &mainWindow, QMdiArea &area, const AppContext &context)
    : m_main(mainWindow), m_area(area), m_context(context) {}

QMdiSubWindow *WindowOpener::subWindow(const QString &windowName) const {
    for (QMdiSubWindow *sub : m_area.subWindowList())
        if (sub->widget() && sub->widget()->objectName() == windowName)
            return sub;
    return nullptr;
}

QWidget *WindowOpener::window(const QString &windowName) const {
    QMdiSubWindow *sub = subWindow(windowName);
    return sub ? sub->widget() : nullptr;
}

bool WindowOpener::close(const QString &windowName) {
    QMdiSubWindow *sub = subWindow(windowName);
    if (!sub)
        return false;
    sub->close();
    return true;
}

void WindowOpener::bringToFront(QMdiSubWindow *sub) {
    if (sub->isMinimized())
        sub->showNormal();
    sub->show();
    sub->raise();
    m_area.setActiveSubWindow(sub);
}

QMdiSubWindow *WindowOpener::showChild(QWidget *widget) {
    if (QMdiSubWindow *open = subWindow(widget->objectName())) {
        delete widget;
        bringToFront(open);
        return open;
    }
    QMdiSubWindow *sub = m_area.addSubWindow(widget);
    // Closing a child unloads it; reopening starts it afresh.
    sub->setAttribute(Qt::WA_DeleteOnClose);
    sub->setObjectName(widget->objectName() + QStringLiteral("Frame"));
    sub->adjustSize();
    sub->show();
    bringToFront(sub);
    return sub;
}

QWidget *WindowOpener::open(const WindowEntry &entry) {
    if (!entry.factory)
        return nullptr;
    const BusyCursor busy;
    QMdiSubWindow *sub = subWindow(entry.windowName);
    if (sub) {
        bringToFront(sub);
    } else {
        QWidget *widget = entry.factory(m_context, nullptr);
        if (!widget)
            return nullptr;
        widget->setObjectName(entry.windowName);
        sub = showChild(widget);
    }
    applyAfterOpening(entry.after);
    return sub->widget();
}

void WindowOpener::applyAfterOpening(AfterOpening after) {
    switch (after) {
    case AfterOpening::Nothing:
        return;
    case AfterOpening::Cascade:
        m_area.cascadeSubWindows();
        return;
    case AfterOpening::CompanyCarWidth: {
        constexpr Qt::WindowStates notNormal =
            Qt::WindowMinimized | Qt::WindowMaximized | Qt::WindowFullScreen;
        if (m_main.windowState() & notNormal)
            return;
        m_main.resize(twipsToPixels(kCompanyCarWidthTwips, &m_main), m_main.height());
        m_area.cascadeSubWindows();
        return;
    }
    }
}

} // namespace quillon::shell

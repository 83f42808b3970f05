#pragma once

#include <QHash>
#include <QString>

class QAction;
class QMenuBar;

namespace quillon::shell {

// The menu tree of the main window, in display order. Each sub-menu and item carries its name
// as objectName (the sub-menu's QMenu and its QAction both); "QuickTax" and "&MS-Calculator"
// are commands on the menu bar itself.
class MainMenu {
public:
    // Fills `bar` and remembers every item by name.
    explicit MainMenu(QMenuBar &bar);

    // The item of that name (sub-menus too), or null.
    QAction *item(const QString &name) const { return m_items.value(name, nullptr); }
    const QHash<QString, QAction *> &items() const { return m_items; }

private:
    QHash<QString, QAction *> m_items;
};

} // namespace quillon::shell

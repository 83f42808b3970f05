#pragma once

#include <QString>

#include <functional>
#include <vector>

class QWidget;

namespace quillon {
struct AppContext;
}

namespace quillon::shell {

// Makes a calculator window; the opening protocol shows it inside the main window.
using WindowFactory = std::function<QWidget *(const AppContext &context, QWidget *parent)>;

// How a window is opened from the menu.
enum class AfterOpening {
    Nothing,
    Cascade,
    CompanyCarWidth, // widen the main window (normal state only), then cascade
};

// One calculator window of the menu.
struct WindowEntry {
    QString windowName; // objectName of the window, e.g. "frmAnnual"
    QString menuItem;   // objectName of its menu item, e.g. "mnuAnnual"
    AfterOpening after = AfterOpening::Nothing;
    int closeRank = 0;     // place in the Initialise All close list; 0: stays open
    WindowFactory factory; // null: the menu item is present but disabled
};

// Every calculator window the menus open, with how to make it.
class WindowCatalogue {
public:
    WindowCatalogue() = default;
    explicit WindowCatalogue(std::vector<WindowEntry> entries) : m_entries(std::move(entries)) {}

    // The program's own table; windows are wired in with setFactory.
    static WindowCatalogue standard();

    const std::vector<WindowEntry> &entries() const { return m_entries; }
    const WindowEntry *find(const QString &windowName) const;
    const WindowEntry *findByMenuItem(const QString &menuItem) const;
    // False when no such window is listed.
    bool setFactory(const QString &windowName, WindowFactory factory);

    // Window names in the order Initialise All closes them. The help window is not a
    // calculator but is closed in its own place of the list.
    std::vector<QString> closeOrder() const;

private:
    std::vector<WindowEntry> m_entries;
};

// The free-standing help window's name and its place among the windows Initialise All closes.
inline const QString kHelpWindowName = QStringLiteral("frmHelpBrowser");
inline constexpr int kHelpWindowCloseRank = 7;

} // namespace quillon::shell

#pragma once

#include "shell/ShellValues.h"
#include "shell/WindowCatalogue.h"
#include "shell/WindowOpener.h"

#include <QMainWindow>
#include <QPointer>
#include <QStringList>
#include <QUrl>

#include <functional>
#include <memory>

namespace quillon {
struct AppContext;
}

namespace quillon::shell {

class BackgroundArea;
class MainMenu;

// The program's frame: the menus, the child windows on the background picture, and the
// commands of the menus that are not calculators. Closing it closes every window it opened.
class MDIForm1 : public QMainWindow {
    Q_OBJECT
public:
    MDIForm1(const AppContext &context, WindowCatalogue catalogue, QWidget *parent = nullptr);
    ~MDIForm1() override;

    const AppContext &context() const { return m_context; }
    ShellValues &values() { return m_values; }
    WindowOpener &opener() { return *m_opener; }
    BackgroundArea &area() { return *m_area; }
    const WindowCatalogue &catalogue() const { return m_catalogue; }
    QAction *menuItem(const QString &name) const;

    bool setBackgroundPicture(const QString &path);

    // The menu commands.
    QWidget *openCalculator(const QString &windowName);
    void initialiseAll();
    void printerSetup();
    void startCalculator();
    void openVideoLectures();
    void showAbout();
    void showUpdateNotice();
    void showHelp();

    QWidget *helpWindow() const { return m_help; }

    // Where the operating system's calculator is looked for, and how a web address is opened;
    // tests put in their own.
    void setCalculatorSearchPath(QStringList path) { m_calculatorPath = std::move(path); }
    void setUrlOpener(std::function<bool(const QUrl &)> opener) { m_openUrl = std::move(opener); }

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    void connectMenus();
    void placeChild(QWidget *child, int divisor);

    const AppContext &m_context;
    WindowCatalogue m_catalogue;
    ShellValues m_values;
    BackgroundArea *m_area = nullptr;
    std::unique_ptr<MainMenu> m_menu;
    std::unique_ptr<WindowOpener> m_opener;
    QPointer<QWidget> m_help;
    QStringList m_calculatorPath;
    std::function<bool(const QUrl &)> m_openUrl;
};

} // namespace quillon::shell

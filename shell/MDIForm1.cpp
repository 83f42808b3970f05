#include "shell/MDIForm1.h"

#include "controls/BusyCursor.h"
#include "controls/MessageService.h"
#include "controls/ScreenFit.h"
#include "forms/AppContext.h"
#include "forms/LazyModule.h"
#include "report/ReportComponent.h"
#include "shell/BackgroundArea.h"
#include "shell/MainMenu.h"
#include "shell/Placement.h"
#include "shell/SystemCalculator.h"
#include "shell/Version.h"
#include "shell/frmAbout.h"
#include "shell/frmWebExpiry.h"

#include <QAction>
#include <QCloseEvent>
#include <QDesktopServices>
#include <QDialogButtonBox>
#include <QGuiApplication>
#include <QMdiSubWindow>
#include <QMenuBar>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>
#include <QScreen>

#include <algorithm>

namespace quillon::shell {

MDIForm1::MDIForm1(const AppContext &context, WindowCatalogue catalogue, QWidget *parent)
    : QMainWindow(parent), m_context(context), m_catalogue(std::move(catalogue)),
      m_calculatorPath(systemSearchPath()),
      m_openUrl([](const QUrl &url) { return QDesktopServices::openUrl(url); }) {
    setObjectName(QStringLiteral("MDIForm1"));
    setWindowTitle(mainWindowCaption());
    m_area = new BackgroundArea(this);
    setCentralWidget(m_area);
    m_opener = std::make_unique<WindowOpener>(*this, *m_area, m_context);
    m_menu = std::make_unique<MainMenu>(*menuBar());
    connectMenus();
    resize(1000, 720);
}

MDIForm1::~MDIForm1() {
    // The help window is free-standing: it does not go with its parent by itself.
    delete m_help;
}

QAction *MDIForm1::menuItem(const QString &name) const {
    return m_menu->item(name);
}

bool MDIForm1::setBackgroundPicture(const QString &path) {
    return m_area->loadPicture(path);
}

void MDIForm1::connectMenus() {
    for (const WindowEntry &entry : m_catalogue.entries()) {
        QAction *action = m_menu->item(entry.menuItem);
        if (!action)
            continue;
        // A calculator not yet part of the program keeps its place in the menu, greyed.
        action->setEnabled(static_cast<bool>(entry.factory));
        const QString name = entry.windowName;
        connect(action, &QAction::triggered, this, [this, name] { openCalculator(name); });
    }
    const auto on = [this](const char16_t *name, auto command) {
        connect(m_menu->item(QString::fromUtf16(name)), &QAction::triggered, this, command);
    };
    on(u"mnuNew", [this] { initialiseAll(); });
    on(u"mnuPrinterSet", [this] { printerSetup(); });
    on(u"mnuExit", [this] { close(); });
    on(u"mnuMSCalculator", [this] { startCalculator(); });
    on(u"mnuContents", [this] { showHelp(); });
    on(u"VideoLectures1", [this] { openVideoLectures(); });
    on(u"mnuAbout", [this] { showAbout(); });
}

QWidget *MDIForm1::openCalculator(const QString &windowName) {
    const WindowEntry *entry = m_catalogue.find(windowName);
    return entry ? m_opener->open(*entry) : nullptr;
}

void MDIForm1::initialiseAll() {
    {
        const BusyCursor busy;
        m_context.state.resetAll();
    }
    for (const QString &name : m_catalogue.closeOrder()) {
        if (name == kHelpWindowName) {
            if (m_help)
                m_help->close();
        } else {
            m_opener->close(name);
        }
    }
}

void MDIForm1::printerSetup() {
    // Cancel and any failure leave the printer as it was.
    // A setup dialog: it chooses the printer and its options and writes nothing, so it offers
    // no print-to-file destination and its button says OK.
    QPrintDialog dialog(&m_context.reports.printer(), this);
    dialog.setObjectName(QStringLiteral("CommonDialog1"));
    dialog.setWindowTitle(QStringLiteral("Printer Setup"));
    dialog.setOption(QAbstractPrintDialog::PrintToFile, false);
    dialog.setOption(QAbstractPrintDialog::PrintPageRange, false);
    for (QDialogButtonBox *buttons : dialog.findChildren<QDialogButtonBox *>())
        if (QPushButton *ok = buttons->button(QDialogButtonBox::Ok))
            ok->setText(QStringLiteral("OK"));
    dialog.exec();
}

void MDIForm1::startCalculator() {
    startSystemCalculator(m_context.messages, this, m_calculatorPath);
}

void MDIForm1::openVideoLectures() {
    const QUrl url(m_values.record.videoAddress);
    if (!url.isValid() || url.isEmpty())
        return;
    // Without a web browser the desktop opens nothing and says nothing: tell the user where to go.
    if (!m_openUrl(url))
        m_context.messages.inform(
            this,
            QStringLiteral("No web browser could be started to show the video lectures.\n\n"
                           "Open %1 in a web browser, or install one (for example the package "
                           "firefox-esr).")
                .arg(url.toString()),
            {}, MessageService::Icon::None);
}

void MDIForm1::placeChild(QWidget *child, int divisor) {
    QWidget *frame = child->parentWidget();
    if (!frame)
        return;
    frame->move(centredPlacement(m_area->viewport()->size(), frame->size(), divisor));
}

void MDIForm1::showAbout() {
    const bool wasOpen = m_opener->subWindow(QStringLiteral("frmAbout")) != nullptr;
    QMdiSubWindow *sub = m_opener->showChild(new frmAbout(m_context, m_values));
    if (!wasOpen)
        placeChild(sub->widget(), kQuarterDown);
}

void MDIForm1::showUpdateNotice() {
    const bool wasOpen = m_opener->subWindow(QStringLiteral("frmWebExpiry")) != nullptr;
    QMdiSubWindow *sub = m_opener->showChild(new frmWebExpiry(m_values.webNumber, programNumber()));
    if (!wasOpen)
        placeChild(sub->widget(), kThirdDown);
}

void MDIForm1::showHelp() {
    if (!m_help) {
        // The manual's PDF viewer is a module of its own, loaded the first time help is asked for.
        using MakeBrowser = QWidget *(const QString &documentPath);
        QString error;
        auto *make = moduleFunction<MakeBrowser>(QStringLiteral("quillon_help"),
                                                 "quillonMakeHelpBrowser", &error);
        if (!make) {
            m_context.messages.inform(
                this, QStringLiteral("The help window cannot be shown: %1").arg(error), {},
                MessageService::Icon::Warning);
            return;
        }
        m_help = make(m_context.paths.file(QStringLiteral("QL2017Help.pdf")));
        // Beside the main window where the screen allows, and always wholly on the screen.
        placeOnScreen(m_help, QSize(960, 900), this); // room for the outline
    }
    m_help->show();
    m_help->raise();
    m_help->activateWindow();
}

void MDIForm1::closeEvent(QCloseEvent *event) {
    m_area->closeAllSubWindows();
    if (!m_area->subWindowList().isEmpty()) {
        // A child window refused to close: the program goes on.
        event->ignore();
        return;
    }
    if (m_help)
        m_help->close();
    event->accept();
}

} // namespace quillon::shell

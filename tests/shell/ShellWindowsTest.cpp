#include "ShellFixture.h"

#include "controls/Twips.h"
#include "shell/BackgroundArea.h"
#include "shell/MDIForm1.h"
#include "shell/SystemCalculator.h"
#include "shell/frmDisclaimerYesNo.h"
#include "shell/frmHelpBrowser.h"
#include "shell/frmWebExpiry.h"

#include <QAction>
#include <QCheckBox>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QMdiSubWindow>
#include <QMenuBar>
#include <QPainter>
#include <QPdfBookmarkModel>
#include <QPdfDocument>
#include <QPdfPageNavigator>
#include <QPdfSearchModel>
#include <QPdfView>
#include <QPdfWriter>
#include <QPushButton>
#include <QScreen>
#include <QTest>
#include <QTreeView>

using namespace quillon;
using namespace quillon::shell;

namespace {

// A calculator window for tests: one figure field.
QWidget *standIn(const AppContext &, QWidget *parent) {
    auto *w = new QWidget(parent);
    auto *field = new QLineEdit(w);
    field->setObjectName(QStringLiteral("numFigure"));
    w->resize(300, 200);
    return w;
}

WindowCatalogue standInCatalogue() {
    WindowCatalogue catalogue = WindowCatalogue::standard();
    const std::vector<WindowEntry> entries = catalogue.entries();
    for (const WindowEntry &e : entries)
        catalogue.setFactory(e.windowName, standIn);
    return catalogue;
}

class ShellWindowsTest : public test::ShellFixture {
protected:
    void SetUp() override {
        prepare();
        m_main = std::make_unique<MDIForm1>(context(), standInCatalogue());
        m_main->show();
    }

    QWidget *open(const char *window) {
        return m_main->openCalculator(QString::fromLatin1(window));
    }
    bool isOpen(const char *window) const {
        return m_main->opener().window(QString::fromLatin1(window)) != nullptr;
    }

    std::unique_ptr<MDIForm1> m_main;
};

TEST_F(ShellWindowsTest, OpeningTwiceGivesOneWindowWithItsFigures) {
    QWidget *first = open("frmAnnual");
    ASSERT_NE(first, nullptr);
    first->findChild<QLineEdit *>(QStringLiteral("numFigure"))->setText(QStringLiteral("1234.56"));
    QWidget *second = open("frmAnnual");
    EXPECT_EQ(first, second);
    EXPECT_EQ(m_main->area().subWindowList().size(), 1);
    EXPECT_EQ(second->findChild<QLineEdit *>(QStringLiteral("numFigure"))->text(),
              QLatin1String("1234.56"));

    // Closed and opened again, it starts afresh.
    m_main->opener().close(QStringLiteral("frmAnnual"));
    EXPECT_FALSE(isOpen("frmAnnual"));
    QWidget *third = open("frmAnnual");
    ASSERT_NE(third, nullptr);
    EXPECT_TRUE(third->findChild<QLineEdit *>(QStringLiteral("numFigure"))->text().isEmpty());
    EXPECT_EQ(m_main->area().subWindowList().size(), 1);
}

TEST_F(ShellWindowsTest, InitialiseAllKeepsTheFortnightlyAndQuickTaxWindows) {
    int resets = 0;
    m_state.remembered.add("counter", [&resets] { ++resets; });
    for (const WindowEntry &e : m_main->catalogue().entries())
        ASSERT_NE(m_main->openCalculator(e.windowName), nullptr) << e.windowName.toStdString();
    m_main->showHelp();
    ASSERT_TRUE(m_main->helpWindow());

    m_main->menuItem(QStringLiteral("mnuNew"))->trigger();
    EXPECT_EQ(resets, 1);
    QStringList left;
    for (QMdiSubWindow *sub : m_main->area().subWindowList())
        left << sub->widget()->objectName();
    left.sort();
    EXPECT_EQ(left, QStringList({QStringLiteral("frmFortNight"), QStringLiteral("frmKwikTax")}));
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_FALSE(m_main->helpWindow());
}

TEST_F(ShellWindowsTest, CompanyCarWidensTheNormalWindowOnly) {
    m_main->showNormal();
    m_main->resize(700, 600);
    open("frmCompCar");
    EXPECT_EQ(m_main->width(), twipsToPixels(WindowOpener::kCompanyCarWidthTwips, m_main.get()));
    m_main->opener().close(QStringLiteral("frmCompCar"));

    m_main->showMaximized();
    open("frmLoans");
    QMdiSubWindow *loans = m_main->opener().subWindow(QStringLiteral("frmLoans"));
    loans->move(40, 30);
    const QSize before = m_main->size();
    open("frmCompCar");
    EXPECT_EQ(m_main->size(), before);
    // No cascade either: the loans window stays where it was put.
    EXPECT_EQ(loans->pos(), QPoint(40, 30));
}

TEST_F(ShellWindowsTest, MenuItemsOfMissingCalculatorsAreGreyed) {
    MDIForm1 bare(context(), WindowCatalogue::standard());
    EXPECT_FALSE(bare.menuItem(QStringLiteral("mnuAnnual"))->isEnabled());
    EXPECT_FALSE(bare.menuItem(QStringLiteral("QuickTax"))->isEnabled());
    EXPECT_TRUE(bare.menuItem(QStringLiteral("mnuNew"))->isEnabled());
    EXPECT_TRUE(m_main->menuItem(QStringLiteral("mnuAnnual"))->isEnabled());
    QAction *search = bare.menuItem(QStringLiteral("mnuHelpSearchForHelpOn"));
    EXPECT_FALSE(search->isEnabled() && search->isVisible());

    QStringList bar;
    for (QAction *a : bare.menuBar()->actions())
        bar << a->objectName();
    EXPECT_EQ(bar, QStringList({QStringLiteral("mnuFile"), QStringLiteral("mnuQuillon"),
                                QStringLiteral("mnuBrisvane"), QStringLiteral("mnuTaxCalc"),
                                QStringLiteral("QuickTax"), QStringLiteral("mnuCarCalcs"),
                                QStringLiteral("mnuBusinessCalcs"),
                                QStringLiteral("mnuMSCalculator"), QStringLiteral("mnuHelp")}));
}

TEST_F(ShellWindowsTest, ClosingTheMainWindowClosesEveryWindow) {
    open("frmAnnual");
    m_main->showAbout();
    m_main->showHelp();
    EXPECT_TRUE(m_main->close());
    EXPECT_TRUE(m_main->area().subWindowList().isEmpty());
    EXPECT_FALSE(m_main->helpWindow() && m_main->helpWindow()->isVisible());
}

// The address goes to the desktop; only a desktop that opens nothing (no browser) is told of.
TEST_F(ShellWindowsTest, VideoLecturesOpensTheConfiguredAddress) {
    for (const bool browser : {true, false}) {
        SCOPED_TRACE(browser ? "browser" : "no browser");
        m_messages.clear();
        QUrl opened;
        m_main->setUrlOpener([&opened, browser](const QUrl &url) {
            opened = url;
            return browser;
        });
        m_main->values().record.videoAddress =
            QStringLiteral("https://quillon2017.example/videos/");
        m_main->menuItem(QStringLiteral("VideoLectures1"))->trigger();
        EXPECT_EQ(opened, QUrl(QStringLiteral("https://quillon2017.example/videos/")));
        if (browser) {
            EXPECT_TRUE(m_messages.messages().empty());
        } else {
            ASSERT_EQ(m_messages.messages().size(), 1u);
            EXPECT_TRUE(m_messages.last().text.startsWith(
                QLatin1String("No web browser could be started to show the video lectures.")));
            EXPECT_TRUE(m_messages.last().text.contains(
                QLatin1String("https://quillon2017.example/videos/")));
        }
    }
}

// With no calculator installed the user is told which package suits the desktop.
TEST_F(ShellWindowsTest, NoSystemCalculatorSaysWhichPackageToInstall) {
    QTemporaryDir empty;
    m_main->setCalculatorSearchPath({empty.path()});
    m_main->menuItem(QStringLiteral("mnuMSCalculator"))->trigger();
    ASSERT_EQ(m_messages.messages().size(), 1u);
    EXPECT_TRUE(m_messages.last().text.startsWith(
        QLatin1String("No calculator program is installed on this computer")));
    EXPECT_TRUE(m_messages.last().title.isEmpty());
    EXPECT_EQ(m_messages.last().icon, MessageService::Icon::None);

    const struct {
        const char *desktop;
        const char *package;
    } rows[] = {
        {"", "gnome-calculator"},
        {"GNOME", "gnome-calculator"},
        {"ubuntu:GNOME", "gnome-calculator"},
        {"KDE", "kcalc"},
        {"MATE", "mate-calc"},
        {"XFCE", "galculator"},
        {"X-Cinnamon", "gnome-calculator"},
        {"Unknown", "gnome-calculator"},
    };
    for (const auto &r : rows) {
        SCOPED_TRACE(r.desktop);
        m_messages.clear();
        EXPECT_FALSE(startSystemCalculator(m_messages, nullptr, {empty.path()},
                                           QString::fromLatin1(r.desktop)));
        ASSERT_EQ(m_messages.messages().size(), 1u);
        EXPECT_TRUE(m_messages.last().text.endsWith(QStringLiteral("sudo apt install ") +
                                                    QLatin1String(r.package)))
            << m_messages.last().text.toStdString();
    }
}

TEST(SystemCalculator, TheFirstCandidateFoundWins) {
    struct Row {
        const char *name;
        QStringList installed;
        const char *expected;
    };
    const Row rows[] = {
        {"none", {}, ""},
        {"only the last", {QStringLiteral("xcalc")}, "xcalc"},
        {"preference order", {QStringLiteral("xcalc"), QStringLiteral("kcalc")}, "kcalc"},
        {"not executable is skipped",
         {QStringLiteral("-gnome-calculator"), QStringLiteral("galculator")},
         "galculator"},
    };
    for (const auto &r : rows) {
        SCOPED_TRACE(r.name);
        QTemporaryDir dir;
        for (QString name : r.installed) {
            const bool executable = !name.startsWith(u'-');
            name.remove(u'-');
            QFile f(dir.filePath(name));
            ASSERT_TRUE(f.open(QIODevice::WriteOnly));
            f.write("#!/bin/sh\n");
            f.setPermissions(executable ? QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner
                                        : QFile::ReadOwner | QFile::WriteOwner);
        }
        const QString found = findSystemCalculator({dir.path()});
        EXPECT_EQ(QFileInfo(found).fileName(), QLatin1String(r.expected));
    }
    EXPECT_TRUE(findSystemCalculator({}).isEmpty());
}

TEST_F(ShellWindowsTest, DisclaimerOkFollowsTheCheckBoxAndStoresTheRelease) {
    setRecord(0, 170);
    frmDisclaimerYesNo dialog(context(), m_main->values(), m_main.get());
    auto *check = dialog.findChild<QCheckBox *>(QStringLiteral("chkDisclaimerYesNo"));
    auto *ok = dialog.findChild<QPushButton *>(QStringLiteral("cmdOk"));
    EXPECT_FALSE(check->isChecked());
    for (bool ticked : {true, false, true, false}) {
        check->setChecked(ticked);
        EXPECT_EQ(ok->isEnabled(), ticked);
    }
    ok->click(); // disabled: nothing happens
    EXPECT_FALSE(m_main->values().disclaimerAccepted.has_value());
    check->setChecked(true);
    ok->click();
    EXPECT_EQ(m_main->values().disclaimerAccepted, std::optional<bool>(true));
    EXPECT_EQ(stored(QStringLiteral("VAR1")).toInt(), 180);
    EXPECT_EQ(dialog.windowTitle(), QLatin1String("Quillon Software Disclaimer"));
}

// The about window and the update notice take the keyboard as they open: Enter and Escape
// close them without a click first.
TEST_F(ShellWindowsTest, NoticesAnswerEnterAndEscapeAsTheyOpen) {
    ASSERT_TRUE(QTest::qWaitForWindowActive(m_main.get()));
    const std::function<void()> openers[] = {[&] { m_main->showAbout(); },
                                             [&] { m_main->showUpdateNotice(); }};
    for (const auto &openNotice : openers) {
        for (const Qt::Key key : {Qt::Key_Return, Qt::Key_Escape}) {
            openNotice();
            ASSERT_EQ(m_main->area().subWindowList().size(), 1);
            QWidget *focused = QApplication::focusWidget();
            ASSERT_NE(focused, nullptr);
            QTest::keyClick(focused, key);
            EXPECT_TRUE(QTest::qWaitFor([&] { return m_main->area().subWindowList().isEmpty(); }));
        }
    }
}

// However late the desktop puts the main window in its place, the disclaimer stands centred
// across it, a quarter of the free height down.
TEST_F(ShellWindowsTest, TheDisclaimerFollowsTheMainWindowToItsPlace) {
    frmDisclaimerYesNo dialog(context(), m_main->values(), m_main.get());
    m_main->resize(800, 600);
    dialog.show();
    m_main->move(200, 150);
    const QRect main = m_main->frameGeometry();
    const QRect own = dialog.frameGeometry();
    EXPECT_EQ(own.left() - main.left(), (main.width() - own.width()) / 2);
    EXPECT_EQ(own.top() - main.top(), (main.height() - own.height()) / 4);
}

TEST_F(ShellWindowsTest, UpdateNoticeShowsBothNumbersAndGrowsOnF6OrU) {
    m_main->values().webNumber = 1.9;
    m_main->showUpdateNotice();
    QMdiSubWindow *sub = m_main->opener().subWindow(QStringLiteral("frmWebExpiry"));
    ASSERT_NE(sub, nullptr);
    QWidget *notice = sub->widget();
    EXPECT_EQ(notice->findChild<QLabel *>(QStringLiteral("Label7_1"))->text(),
              QLatin1String("1.9"));
    EXPECT_EQ(notice->findChild<QLabel *>(QStringLiteral("Label7_3"))->text(),
              QLatin1String("1.8"));
    const int full = twipsToPixels(frmWebExpiry::kFullHeightTwips, notice);
    EXPECT_LT(sub->height(), full);

    QTest::keyClick(notice->findChild<QPushButton *>(QStringLiteral("cmdOK")), Qt::Key_F6);
    EXPECT_EQ(sub->height(), full);

    sub->resize(sub->width(), full / 2);
    QTest::keyClick(notice->findChild<QLineEdit *>(QStringLiteral("Text1")), Qt::Key_U);
    EXPECT_EQ(sub->height(), full);
}

TEST_F(ShellWindowsTest, HelpWindowWithoutItsManualOpensWithoutAMessageBox) {
    m_main->menuItem(QStringLiteral("mnuContents"))->trigger();
    auto *help = qobject_cast<frmHelpBrowser *>(m_main->helpWindow());
    ASSERT_NE(help, nullptr);
    EXPECT_TRUE(help->isVisible());
    // Wholly on the screen, title bar included, however small the screen is.
    const QRect screen = help->screen()->availableGeometry();
    EXPECT_TRUE(screen.contains(help->geometry().adjusted(0, -24, 0, 0)))
        << help->geometry().x() << "," << help->geometry().y() << " " << help->width() << "x"
        << help->height() << " on " << screen.width() << "x" << screen.height();
    EXPECT_EQ(help->document()->pageCount(), 0);
    EXPECT_TRUE(m_messages.messages().empty());
    help->nextPage(); // nothing to page through
    help->resize(800, 600);
    const int inset = twipsToPixels(frmHelpBrowser::kBrowserInsetTwips, help);
    EXPECT_EQ(help->browser()->size(), QSize(800 - inset, 600 - inset));
}

TEST_F(ShellWindowsTest, MissingEmptyOrDamagedManualIsToldInTheHelpWindow) {
    const struct {
        const char *content; // null: no file
        const char *told;
    } rows[] = {
        {nullptr, "was not found"},
        {"", "is empty"},
        {"%PDF-1.4\nnot really a manual", "is damaged"},
    };
    for (const auto &r : rows) {
        SCOPED_TRACE(r.told);
        const QString manual = m_paths.file(QStringLiteral("QL2017Help.pdf"));
        QFile::remove(manual);
        if (r.content) {
            QFile file(manual);
            ASSERT_TRUE(file.open(QIODevice::WriteOnly));
            file.write(r.content);
        }
        frmHelpBrowser help(manual);
        help.show();
        EXPECT_TRUE(help.problemLabel()->isVisible());
        EXPECT_FALSE(help.view()->isVisible());
        EXPECT_TRUE(help.problemLabel()->text().contains(QLatin1String(r.told)))
            << help.problemLabel()->text().toStdString();
    }
}

TEST_F(ShellWindowsTest, HelpWindowPagesThroughTheManual) {
    const QString manual = m_paths.file(QStringLiteral("QL2017Help.pdf"));
    {
        QPdfWriter writer(manual);
        QPainter p(&writer);
        for (int page = 0; page < 3; ++page) {
            if (page > 0)
                writer.newPage();
            p.drawText(100, 100, QStringLiteral("Page %1").arg(page + 1));
        }
    }
    frmHelpBrowser help(manual);
    help.show();
    ASSERT_EQ(help.document()->pageCount(), 3);
    EXPECT_FALSE(help.problemLabel()->isVisible());
    help.nextPage();
    help.nextPage();
    help.nextPage(); // stays on the last page
    EXPECT_EQ(help.view()->pageNavigator()->currentPage(), 2);
    help.previousPage();
    EXPECT_EQ(help.view()->pageNavigator()->currentPage(), 1);
    help.zoomIn();
    EXPECT_EQ(help.view()->zoomMode(), QPdfView::ZoomMode::Custom);
    EXPECT_EQ(help.view()->pageNavigator()->currentPage(), 1) << "zooming keeps the page";
    help.fitWidth();
    EXPECT_EQ(help.view()->zoomMode(), QPdfView::ZoomMode::FitToWidth);
}

// The delivered manual: its outline beside the pages jumps to each chapter, and a search typed
// after Ctrl+F steps through its finds with Enter, F3 and Shift+F3.
TEST_F(ShellWindowsTest, HelpOutlineAndSearchFindTheChapters) {
    frmHelpBrowser help(test::binPath(QStringLiteral("QL2017Help.pdf")));
    help.show();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&help));
    QPdfDocument *doc = help.document();
    ASSERT_GT(doc->pageCount(), 20);
    const QAbstractItemModel *outline = help.outline()->model();
    ASSERT_TRUE(help.outline()->isVisible());
    const auto textOf = [doc](int page) { return doc->getAllText(page).text(); };
    const struct {
        int row;
        const char *title;
    } chapters[] = {
        {0, "Contents"}, {1, "Introduction"}, {3, "The main window and its menus"}, {15, "Loans"}};
    for (const auto &c : chapters) {
        SCOPED_TRACE(c.title);
        const QModelIndex entry = outline->index(c.row, 0);
        ASSERT_EQ(entry.data().toString(), QLatin1String(c.title));
        help.outline()->setCurrentIndex(entry);
        QTest::keyClick(help.outline(), Qt::Key_Return);
        const int page = help.view()->pageNavigator()->currentPage();
        EXPECT_TRUE(textOf(page).trimmed().startsWith(QLatin1String(c.title)))
            << "page " << page + 1 << ": " << textOf(page).left(80).toStdString();
    }
    // The chapters have their sections under them.
    EXPECT_GT(outline->rowCount(outline->index(1, 0)), 2);

    QTest::keyClick(&help, Qt::Key_F, Qt::ControlModifier);
    EXPECT_TRUE(help.searchField()->hasFocus());
    QTest::keyClicks(help.searchField(), QStringLiteral("beneficiaries"));
    EXPECT_TRUE(QTest::qWaitFor([&] { return help.searchResults()->rowCount({}) > 3; }));
    QTest::keyClick(help.searchField(), Qt::Key_Return);
    EXPECT_EQ(help.currentFind(), 0);
    const int first = help.view()->pageNavigator()->currentPage();
    EXPECT_TRUE(textOf(first).contains(QLatin1String("beneficiaries")));
    QTest::keyClick(&help, Qt::Key_F3);
    EXPECT_EQ(help.currentFind(), 1);
    QTest::keyClick(&help, Qt::Key_F3, Qt::ShiftModifier);
    EXPECT_EQ(help.currentFind(), 0);
    EXPECT_EQ(help.view()->pageNavigator()->currentPage(), first);
}

} // namespace

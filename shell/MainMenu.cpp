#include "shell/MainMenu.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>

namespace quillon::shell {

namespace {

enum class Kind { SubMenu, Item, Separator, BarCommand };

struct Row {
    Kind kind;
    const char16_t *name;
    const char16_t *caption;
};

// Items follow the sub-menu they belong to.
constexpr Row kMenuTree[] = {
    {Kind::SubMenu, u"mnuFile", u"&File"},
    {Kind::Item, u"mnuNew", u"&Initialise All"},
    {Kind::Separator, u"Space1", u"-"},
    {Kind::Item, u"mnuPrinterSet", u"&Printer Setup"},
    {Kind::Separator, u"Space2", u"-"},
    {Kind::Item, u"mnuExit", u"E&xit"},
    {Kind::SubMenu, u"mnuQuillon", u"&Quillon"},
    {Kind::Item, u"mnuQuillonMon", u"&Monthly"},
    {Kind::Item, u"mnuQuillonAnn", u"&Annual"},
    {Kind::SubMenu, u"mnuBrisvane", u"&Brisvane"},
    {Kind::Item, u"mnuBrisvaneMon", u"&Monthly"},
    {Kind::Item, u"mnuBrisvaneAnn", u"&Annual"},
    {Kind::SubMenu, u"mnuTaxCalc", u"&TaxCalcs"},
    {Kind::Item, u"mnuAnnual", u"&Annual"},
    {Kind::Item, u"mnuMonthly", u"&Monthly"},
    {Kind::Item, u"mnuFortNight", u"&FortNightly"},
    {Kind::Item, u"mnuWeekly", u"&Weekly"},
    {Kind::Item, u"mnuDaily", u"&Daily"},
    {Kind::BarCommand, u"QuickTax", u"QuickTax"},
    {Kind::SubMenu, u"mnuCarCalcs", u"&Car Calculations"},
    {Kind::Item, u"mnuCompCar", u"&Company car"},
    {Kind::Item, u"mnuCarAll1", u"Car Allowance"},
    {Kind::SubMenu, u"mnuBusinessCalcs", u"Bu&siness Calculations"},
    {Kind::Item, u"mnuInflationProject", u"Inflation Projections"},
    {Kind::Item, u"mnuLoans", u"Loans"},
    {Kind::Item, u"mnuLoansBuster", u"Loan buster"},
    {Kind::Item, u"mnuLoansComparison", u"Loan comparison"},
    {Kind::Item, u"mnuDailyBalance", u"Daily balance"},
    {Kind::BarCommand, u"mnuMSCalculator", u"&MS-Calculator"},
    {Kind::SubMenu, u"mnuHelp", u"&Help/Videos"},
    {Kind::Item, u"mnuContents", u"Quillon 2017 Help"},
    {Kind::Item, u"VideoLectures1", u"Video Lectures"},
    {Kind::Item, u"mnuHelpSearchForHelpOn", u"&Search For Help On..."},
    {Kind::Separator, u"Space3", u"-"},
    {Kind::Item, u"mnuAbout", u"&About Quillon2017..."},
};

} // namespace

MainMenu::MainMenu(QMenuBar &bar) {
    QMenu *current = nullptr;
    for (const Row &row : kMenuTree) {
        const QString name = QString::fromUtf16(row.name);
        const QString caption = QString::fromUtf16(row.caption);
        QAction *action = nullptr;
        switch (row.kind) {
        case Kind::SubMenu:
            current = bar.addMenu(caption);
            current->setObjectName(name);
            action = current->menuAction();
            break;
        case Kind::BarCommand:
            current = nullptr;
            action = bar.addAction(caption);
            break;
        case Kind::Item:
            action = current->addAction(caption);
            break;
        case Kind::Separator:
            action = current->addSeparator();
            break;
        }
        action->setObjectName(name);
        m_items.insert(name, action);
    }
    // Kept from the original design with no command behind it: present but neither shown nor
    // enabled.
    QAction *search = m_items.value(QStringLiteral("mnuHelpSearchForHelpOn"));
    search->setEnabled(false);
    search->setVisible(false);
}

} // namespace quillon::shell

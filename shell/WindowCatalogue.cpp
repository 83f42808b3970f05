#include "shell/WindowCatalogue.h"

#include <algorithm>

namespace quillon::shell {

WindowCatalogue WindowCatalogue::standard() {
    using A = AfterOpening;
    // In menu order. The close ranks give the order in which Initialise All closes windows;
    // the fortnightly window and QuickTax stay open.
    return WindowCatalogue({
        {QStringLiteral("frmQuillonMon"), QStringLiteral("mnuQuillonMon"), A::Cascade, 13, {}},
        {QStringLiteral("frmQuillonAnn"), QStringLiteral("mnuQuillonAnn"), A::Cascade, 14, {}},
        {QStringLiteral("frmBrisvaneMon"), QStringLiteral("mnuBrisvaneMon"), A::Cascade, 15, {}},
        {QStringLiteral("frmBrisvaneAnn"), QStringLiteral("mnuBrisvaneAnn"), A::Cascade, 16, {}},
        // frmAnnual (paye/frmAnnual.h) is wired by main.cpp through setFactory.
        {QStringLiteral("frmAnnual"), QStringLiteral("mnuAnnual"), A::Nothing, 1, {}},
        {QStringLiteral("frmMonthly"), QStringLiteral("mnuMonthly"), A::Nothing, 2, {}},
        {QStringLiteral("frmFortNight"), QStringLiteral("mnuFortNight"), A::Nothing, 0, {}},
        {QStringLiteral("frmWeekly"), QStringLiteral("mnuWeekly"), A::Nothing, 3, {}},
        {QStringLiteral("frmDaily"), QStringLiteral("mnuDaily"), A::Nothing, 4, {}},
        {QStringLiteral("frmKwikTax"), QStringLiteral("QuickTax"), A::Nothing, 0, {}},
        {QStringLiteral("frmCompCar"), QStringLiteral("mnuCompCar"), A::CompanyCarWidth, 5, {}},
        {QStringLiteral("frmCarAll1"), QStringLiteral("mnuCarAll1"), A::Cascade, 6, {}},
        {QStringLiteral("frmInflation"), QStringLiteral("mnuInflationProject"), A::Nothing, 8, {}},
        {QStringLiteral("frmLoans"), QStringLiteral("mnuLoans"), A::Nothing, 9, {}},
        {QStringLiteral("frmLoanBuster"), QStringLiteral("mnuLoansBuster"), A::Nothing, 10, {}},
        {QStringLiteral("frmLoanComp"), QStringLiteral("mnuLoansComparison"), A::Nothing, 11, {}},
        {QStringLiteral("frmDayBal"), QStringLiteral("mnuDailyBalance"), A::Nothing, 12, {}},
    });
}

const WindowEntry *WindowCatalogue::find(const QString &windowName) const {
    const auto it = std::find_if(m_entries.begin(), m_entries.end(),
                                 [&](const WindowEntry &e) { return e.windowName == windowName; });
    return it == m_entries.end() ? nullptr : &*it;
}

const WindowEntry *WindowCatalogue::findByMenuItem(const QString &menuItem) const {
    const auto it = std::find_if(m_entries.begin(), m_entries.end(),
                                 [&](const WindowEntry &e) { return e.menuItem == menuItem; });
    return it == m_entries.end() ? nullptr : &*it;
}

bool WindowCatalogue::setFactory(const QString &windowName, WindowFactory factory) {
    for (WindowEntry &e : m_entries) {
        if (e.windowName == windowName) {
            e.factory = std::move(factory);
            return true;
        }
    }
    return false;
}

std::vector<QString> WindowCatalogue::closeOrder() const {
    std::vector<std::pair<int, QString>> ranked;
    for (const WindowEntry &e : m_entries)
        if (e.closeRank > 0)
            ranked.emplace_back(e.closeRank, e.windowName);
    ranked.emplace_back(kHelpWindowCloseRank, kHelpWindowName);
    std::stable_sort(ranked.begin(), ranked.end(),
                     [](const auto &a, const auto &b) { return a.first < b.first; });
    std::vector<QString> names;
    for (auto &r : ranked)
        names.push_back(std::move(r.second));
    return names;
}

} // namespace quillon::shell

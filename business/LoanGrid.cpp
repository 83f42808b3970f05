#include "business/LoanGrid.h"

#include "taxengine/NumberText.h"

namespace quillon::business {

namespace {

GridTexts fill(QStringList headings, const std::vector<ScheduleRow> &rows) {
    GridTexts g;
    g.headings = std::move(headings);
    for (const ScheduleRow &r : rows)
        g.rows.push_back({formatPattern(r.number, kGridNumberPattern),
                          formatPattern(r.capital, kGridAmountPattern),
                          formatPattern(r.interest, kGridAmountPattern),
                          formatPattern(r.balance, kGridAmountPattern)});
    return g;
}

} // namespace

GridTexts monthlyGrid(const std::vector<ScheduleRow> &rows) {
    GridTexts g = fill({QStringLiteral(" Month   "), QStringLiteral("Capital payment "),
                        QStringLiteral("Interest payment"), QStringLiteral("    Balance    ")},
                       rows);
    g.verticalScrollBar = rows.size() > 10;
    return g;
}

GridTexts annualGrid(const std::vector<ScheduleRow> &rows) {
    return fill({QStringLiteral(" Year "), QStringLiteral("Capital payments"),
                 QStringLiteral("Interest payment"), QStringLiteral("    Balance      ")},
                rows);
}

} // namespace quillon::business

#include "paye/frmMonthly.h"

#include "controls/Form.h"
#include "paye/MonthlyReport.h"

#include <algorithm>

namespace quillon::paye {

frmMonthly::frmMonthly(const AppContext &context, QWidget *parent)
    : PayWindow(context, QStringLiteral("frmMonthly"), QStringLiteral("Monthly"), parent) {
    buildWindow(fieldTable());
    // Both dates lie in the tax year; the range does not narrow on focus.
    guardDates(QStringLiteral("dtMStartDate"), QStringLiteral("dtMEndDate"));
}

FieldTable frmMonthly::fieldTable() {
    PayFieldNames names;
    names.age = QStringLiteral("silgEdit9");
    names.bonus = QStringLiteral("silgEdit12");
    names.travel = QStringLiteral("silgEdit13");
    names.travelCaption = QStringLiteral("Travel Allowance R");
    names.bonusAndTravel = tax::kWholeRand;
    FieldTable table = payInputRows(m_inputs, names);
    // The travel allowance is the only money row captioned with its own "R".
    auto travel = std::find_if(table.begin(), table.end(),
                               [](const FieldRow &f) { return f.name == u"silgEdit13"; });
    travel->rand = false;
    const auto taxable = std::next(travel);
    table.insert(taxable, spoken(beside(inColumn(result(QStringLiteral("numMTAAns"), {},
                                                        m_results.taxableTravelShown, u"0"),
                                                 0)),
                                 QStringLiteral("Taxable travel allowance")));
    table.push_back(
        date(QStringLiteral("dtMStartDate"), QStringLiteral("Start date"), m_inputs.startDate));
    table.push_back(
        date(QStringLiteral("dtMEndDate"), QStringLiteral("End date"), m_inputs.endDate));
    const FieldTable results = payResultRows(m_results);
    table.insert(table.end(), results.begin(), results.end());
    return table;
}

bool frmMonthly::calculate() {
    return runCalculation(m_inputs, m_results, calculateMonthly);
}

std::optional<report::PrintJob>
frmMonthly::printJob(std::optional<report::PrintLanguage> language) {
    return recalculatedJob(
        kMonthlyTable,
        [&] {
            return monthlyReportRecord(m_inputs, m_results, printPanel()->employeeName(),
                                       *language);
        },
        kMonthlyLayout, kMonthlyPreviewTitle);
}

} // namespace quillon::paye

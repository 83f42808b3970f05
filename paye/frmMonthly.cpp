#include "paye/frmMonthly.h"

#include "controls/DescribedRows.h"
#include "paye/MonthlyReport.h"
#include "paye/PayFields.h"

namespace quillon::paye {

frmMonthly::frmMonthly(const AppContext &context, QWidget *parent)
    : PayWindow(context, QStringLiteral("frmMonthly"), QStringLiteral("Monthly"), parent) {
    buildWindow(fieldTable());
    // Both dates lie in the tax year; the range does not narrow on focus.
    guardDates(QStringLiteral("dtMStartDate"), QStringLiteral("dtMEndDate"));
}

FieldTable frmMonthly::fieldTable() {
    FieldTable table = describedRows(monthlyDescription(), m_inputs, m_results);
    // The travel allowance is the only money row captioned with its own "R".
    rowNamed(table, QStringLiteral("silgEdit13")).rand = false;
    placeBeside(table, QStringLiteral("numMTAAns"), QStringLiteral("silgEdit13"));
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

#include "paye/frmDaily.h"

#include "controls/DescribedRows.h"
#include "paye/DailyReport.h"
#include "paye/PayFields.h"

namespace quillon::paye {

frmDaily::frmDaily(const AppContext &context, QWidget *parent)
    : PayWindow(context, QStringLiteral("frmDaily"), QStringLiteral("Daily"), parent) {
    buildWindow(describedRows(dailyDescription(), m_inputs, m_results));
}

bool frmDaily::calculate() {
    return runCalculation(m_inputs, m_results, calculateDaily);
}

std::optional<report::PrintJob> frmDaily::printJob(std::optional<report::PrintLanguage> language) {
    return recalculatedJob(
        kDailyTable,
        [&] {
            return dailyReportRecord(m_inputs, m_results, printPanel()->employeeName(), *language);
        },
        kDailyLayout, kDailyPreviewTitle);
}

} // namespace quillon::paye

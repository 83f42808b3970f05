#include "paye/frmDaily.h"

#include "controls/Form.h"
#include "paye/DailyReport.h"

namespace quillon::paye {

frmDaily::frmDaily(const AppContext &context, QWidget *parent)
    : PayWindow(context, QStringLiteral("frmDaily"), QStringLiteral("Daily"), parent) {
    PayFieldNames names;
    names.age = QStringLiteral("silgEdit23");
    names.bonus = QStringLiteral("sidbEdit4");
    names.travel = QStringLiteral("sidbEdit6");
    // The daily credit's 16-bit arithmetic holds up to 16 beneficiaries.
    names.beneficiaries = tax::kDailyBeneficiaries;
    FieldTable table = payInputRows(m_inputs, names);
    const FieldTable results = payResultRows(m_results);
    table.insert(table.end(), results.begin(), results.end());
    buildWindow(std::move(table));
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

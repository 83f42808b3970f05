#include "cli/PayeCommandSupport.h"
#include "paye/MonthlyReport.h"

namespace quillon::cli {

Command monthlyCommand() {
    return periodCommand<paye::MonthlyInputs, paye::MonthlyResults>(
        {paye::monthlyDescription(), [] { return paye::MonthlyInputs{}; }, paye::calculateMonthly,
         [](const paye::MonthlyInputs &in, const paye::MonthlyResults &out, const QString &name,
            report::PrintLanguage language) {
             return periodPrint(paye::kMonthlyTable,
                                paye::monthlyReportRecord(in, out, name, language),
                                paye::kMonthlyLayout, paye::kMonthlyPreviewTitle);
         }});
}

} // namespace quillon::cli

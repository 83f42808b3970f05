#include "cli/PayeCommandSupport.h"
#include "paye/DailyReport.h"

namespace quillon::cli {

Command dailyCommand() {
    return periodCommand<paye::DailyInputs, paye::DailyResults>(
        {paye::dailyDescription(), [] { return paye::DailyInputs{}; }, paye::calculateDaily,
         [](const paye::DailyInputs &in, const paye::DailyResults &out, const QString &name,
            report::PrintLanguage language) {
             return periodPrint(paye::kDailyTable, paye::dailyReportRecord(in, out, name, language),
                                paye::kDailyLayout, paye::kDailyPreviewTitle);
         }});
}

} // namespace quillon::cli

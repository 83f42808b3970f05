#include "cli/PayeCommandSupport.h"
#include "paye/WeeklyReport.h"

namespace quillon::cli {

namespace {

Command weekCommand(paye::WeekPeriod period) {
    return periodCommand<paye::WeeklyInputs, paye::WeeklyResults>(
        {paye::weeklyDescription(period), [period] { return paye::openingWeeklyInputs(period); },
         paye::calculateWeekly,
         [period](const paye::WeeklyInputs &in, const paye::WeeklyResults &out, const QString &name,
                  report::PrintLanguage language) {
             return periodPrint(paye::kWeeklyTable,
                                paye::weeklyReportRecord(in, out, name, language),
                                paye::weeklyLayout(period), paye::weeklyPreviewTitle(period));
         }});
}

} // namespace

Command weeklyCommand() {
    return weekCommand(paye::WeekPeriod::Week);
}

Command fortnightlyCommand() {
    return weekCommand(paye::WeekPeriod::Fortnight);
}

} // namespace quillon::cli

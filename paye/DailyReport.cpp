#include "paye/DailyReport.h"

#include "paye/PayReportFields.h"

namespace quillon::paye {

report::ReportRecord dailyReportRecord(const DailyInputs &in, const DailyResults &out,
                                       const QString &employeeName,
                                       report::PrintLanguage language) {
    report::RecordWriter w(language);
    w.caption("TypeAM", u"Daily Check", u"Daaglikse Inkomste");
    w.employee(employeeName);
    writeAgeAndEarnings(w, in);
    w.caption("TravAll", u"Travel allowance ", u"Reistoelae ");
    w.value("RecBefNum", in.travelAllowance);
    writeBonusAndFunds(w, in);
    writeUifAndCredits(w, in, out);
    return w.take();
}

} // namespace quillon::paye

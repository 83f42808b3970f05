#include "paye/DailyReport.h"

#include "paye/ReportWriter.h"

namespace quillon::paye {

report::ReportRecord dailyReportRecord(const DailyInputs &in, const DailyResults &out,
                                       const QString &employeeName,
                                       report::PrintLanguage language) {
    ReportWriter w(language);
    w.caption("TypeAM", u"Daily Check", u"Daaglikse Inkomste");
    w.employee(employeeName);
    writePayAmounts(w, in, u"Reistoelae ");
    writeUifAndCredits(w, in, out);
    return w.take();
}

} // namespace quillon::paye

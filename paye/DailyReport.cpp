#include "paye/DailyReport.h"

#include "paye/PayReportFields.h"

namespace quillon::paye {

report::ReportRecord dailyReportRecord(const DailyInputs &in, const DailyResults &out,
                                       const QString &employeeName,
                                       report::PrintLanguage language) {
    report::RecordWriter w(language);
    w.caption("TypeAM", u"Daily Check", u"Daaglikse Inkomste");
    w.employee(employeeName);
    writePayAmounts(w, in, u"Reistoelae ");
    writeUifAndCredits(w, in, out);
    return w.take();
}

} // namespace quillon::paye

#include "paye/MonthlyReport.h"

#include "paye/PayReportFields.h"
#include "taxengine/TaxYear.h"

namespace quillon::paye {

report::ReportRecord monthlyReportRecord(const MonthlyInputs &in, const MonthlyResults &out,
                                         const QString &employeeName,
                                         report::PrintLanguage language) {
    report::RecordWriter w(language);
    w.caption("TypeAM", u"Monthly Check", u"Maandelikse Inkomste");
    w.employee(employeeName);
    writeAgeAndEarnings(w, in);
    w.caption("TravAll", u"Travel allowance ", u"Reistoelae ");
    w.value("TravOne", in.travelAllowance);
    w.value("TravTwo", out.taxableTravel);
    writeBonusAndFunds(w, in);
    w.caption("SDate", u"Start date", u"Begin datum");
    w.value("SDateNum", tax::dateText(in.startDate));
    w.caption("EDate", u"End date", u"Eind datum");
    w.value("EDateNum", tax::dateText(in.endDate));
    writeUifAndCredits(w, in, out);
    return w.take();
}

} // namespace quillon::paye

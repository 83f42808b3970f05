#include "paye/WeeklyReport.h"

#include "paye/PayReportFields.h"

namespace quillon::paye {

QString weeklyLayout(WeekPeriod period) {
    return period == WeekPeriod::Week ? QStringLiteral("Weekly.rpt")
                                      : QStringLiteral("FortNightly.rpt");
}

QString weeklyPreviewTitle(WeekPeriod period) {
    return period == WeekPeriod::Week
               ? QStringLiteral("Weekly - To export printout click on the suitcase button or "
                                "goto Help")
               : QStringLiteral("FortNightly - To export printout click on the suitcase button "
                                "or goto Help");
}

report::ReportRecord weeklyReportRecord(const WeeklyInputs &in, const WeeklyResults &out,
                                        const QString &employeeName,
                                        report::PrintLanguage language) {
    const bool week = in.period == WeekPeriod::Week;
    report::RecordWriter w(language);
    if (week)
        w.caption("TypeAM", u"Weekly Check", u"Weeklikse Inkomste");
    else
        w.caption("TypeAM", u"Fortnightly Check", u"Twee Weeklikse Inkomste");
    w.employee(employeeName);
    writeAgeAndEarnings(w, in);
    w.caption("TravAll", u"Travel allowance ", u"Reistoelae ontvang");
    w.value("RecBefNum", in.travelAllowance);
    writeBonusAndFunds(w, in);
    if (week) {
        w.caption("SDate", u"Normal work week", u"Normale werk week");
        w.value("SDateNum", QString::number(in.normalDays));
        w.caption("EDate", u"This work week", u"Hierdie werk week");
    } else {
        w.caption("SDate", u"Normal fortnight", u"Normale twee weke");
        w.value("SDateNum", QString::number(in.normalDays));
        w.caption("EDate", u"This fortnight", u"Hierdie twee weke");
    }
    w.value("EDateNum", QString::number(in.thisDays));
    writeUifAndCredits(w, in, out);
    return w.take();
}

} // namespace quillon::paye

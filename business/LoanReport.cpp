#include "business/LoanReport.h"

#include "business/LoanCalc.h"

namespace quillon::business {

namespace {

const QString kExportHint =
    QStringLiteral(" - To export printout click on the suitcase button or goto Help");

struct LayoutRow {
    const char16_t *plain;
    const char16_t *withSchedule;
    const char16_t *annualTitle;
    const char16_t *monthlyTitle;
    const char16_t *plainTitle; // the printouts without a schedule have none of their own
};

// By mode, in the order of the option buttons.
constexpr LayoutRow kLayouts[4] = {
    {u"Lonrepa.rpt", u"LonrepaA.rpt", u"Annual repayment of Loan with Amortisation",
     u"Annual repayment of Loan with Monthly Amortisation", u"Repayment of Loan"},
    {u"LonPrAm.rpt", u"LonPrAmA.rpt", u"Principal calculation of Loan with Annual Amortisation",
     u"Principal calculation of Loan with Monthly Amortisation", u"Principal calculation of Loan"},
    {u"LonRPer.rpt", u"LonRPerA.rpt",
     u"Repayment period calculation of Loan with Annual Amortisation",
     u"Repayment period calculation of Loan with Monthly Amortisation",
     u"Repayment period calculation of Loan"},
    {u"LonInRt.rpt", u"LonInRtA.rpt", u"Interest rate calculation of Loan with Annual Amortisation",
     u"Interest rate calculation of Loan with Monthly Amortisation",
     u"Interest rate calculation of Loan"},
};

} // namespace

LoanLayout loanLayout(LoanMode mode, Amortisation amortisation) {
    const LayoutRow &row = kLayouts[static_cast<std::size_t>(mode)];
    switch (amortisation) {
    case Amortisation::None:
        return {QString::fromUtf16(row.plain), QString::fromUtf16(row.plainTitle) + kExportHint};
    case Amortisation::Annual:
        return {QString::fromUtf16(row.withSchedule),
                QString::fromUtf16(row.annualTitle) + kExportHint};
    case Amortisation::Monthly:
        return {QString::fromUtf16(row.withSchedule),
                QString::fromUtf16(row.monthlyTitle) + kExportHint};
    }
    return {};
}

report::ReportRecord loansRecord(const LoanPrint &p) {
    const bool fin = p.financeChargesShown;
    const LoanTotals totals = loanTotals(p.principal, p.period, p.repayment);
    report::ReportRecord r{
        {QStringLiteral("Heading"), loanModeText(p.mode)},
        {QStringLiteral("Num1"), p.principal},
        {QStringLiteral("Num2"), p.period},
        {QStringLiteral("Num3"), p.rate},
        {QStringLiteral("Num4"), p.repayment},
        {QStringLiteral("FinText1"), fin ? QStringLiteral("Total Interest") : QString()},
        {QStringLiteral("FinText1A"), fin ? QStringLiteral(": R") : QString()},
        {QStringLiteral("FinNum1"), fin ? totals.interest : 0.0},
        {QStringLiteral("FinText2"), fin ? QStringLiteral("Total Repayments") : QString()},
        {QStringLiteral("FinNum2"), fin ? totals.repayments : 0.0},
    };
    if (p.amortisation == Amortisation::Annual)
        r.push_back({QStringLiteral("YearMon"), QStringLiteral("Year")});
    else if (p.amortisation == Amortisation::Monthly)
        r.push_back({QStringLiteral("YearMon"), QStringLiteral("Month")});
    return r;
}

std::vector<report::ReportRecord> amortRecords(const std::vector<ScheduleRow> &rows) {
    std::vector<report::ReportRecord> out;
    out.reserve(rows.size());
    for (const ScheduleRow &row : rows)
        out.push_back({{QStringLiteral("Year"), row.number},
                       {QStringLiteral("Capital"), row.capital},
                       {QStringLiteral("Interest"), row.interest},
                       {QStringLiteral("Required"), row.balance}});
    return out;
}

LoanReportData loanReportData(const LoanPrint &print, LoanSchedules &schedules) {
    LoanReportData d;
    d.layout = loanLayout(print.mode, print.amortisation);
    d.loans.table = kLoansTable;
    d.loans.record = loansRecord(print);
    if (print.amortisation == Amortisation::None)
        return d;
    std::vector<ScheduleRow> rows;
    if (print.amortisation == Amortisation::Annual) {
        buildAnnualSchedule(print.principal, print.period, print.rate, schedules);
        rows = annualRows(schedules);
    } else {
        const int months =
            buildMonthlySchedule(print.principal, print.period, print.rate, schedules);
        rows = monthlyRows(schedules, months);
    }
    d.amort.table = kAmortTable;
    d.amort.isRowTable = true;
    d.amort.rows = amortRecords(rows);
    return d;
}

report::PrintJob loanPrintJob(const LoanPrint &print, LoanSchedules &schedules) {
    LoanReportData data = loanReportData(print, schedules);
    report::PrintJob job;
    job.tables.push_back(std::move(data.loans));
    if (!data.amort.table.isEmpty())
        job.tables.push_back(std::move(data.amort));
    job.layoutName = data.layout.layout;
    job.previewTitle = data.layout.title;
    return job;
}

} // namespace quillon::business

#pragma once

#include "business/LoanMode.h"
#include "business/LoanSchedule.h"
#include "report/PrintJob.h"
#include "report/ReportRecord.h"

#include <QString>

#include <vector>

namespace quillon::business {

// What the print panel asks for besides the figures.
enum class Amortisation { None = 0, Monthly = 1, Annual = 2 };

inline const QString kLoansTable = QStringLiteral("Loans");
inline const QString kAmortTable = QStringLiteral("Amort");

struct LoanLayout {
    QString layout;
    QString title;
};

// The layout and preview title for a mode and schedule choice.
LoanLayout loanLayout(LoanMode mode, Amortisation amortisation);

// The figures of a loan print.
struct LoanPrint {
    LoanMode mode = LoanMode::Repayment;
    double principal = 0;
    double period = 0;
    double rate = 0;
    double repayment = 0;
    bool financeChargesShown = false;
    Amortisation amortisation = Amortisation::None;
};

// The single Loans record; YearMon is written only with a schedule.
report::ReportRecord loansRecord(const LoanPrint &print);

// The Amort rows: Year (month or year number), Capital, Interest, Required (the balance).
std::vector<report::ReportRecord> amortRecords(const std::vector<ScheduleRow> &rows);

// Both tables of a print, the schedule built into `schedules` when one is asked for.
struct LoanReportData {
    report::ReportData loans;
    report::ReportData amort; // empty table name without a schedule
    LoanLayout layout;
};
LoanReportData loanReportData(const LoanPrint &print, LoanSchedules &schedules);

// The print job of a loan: the Loans record, then the Amort rows when a schedule is asked for,
// with the layout and preview title the mode and schedule choose.
report::PrintJob loanPrintJob(const LoanPrint &print, LoanSchedules &schedules);

} // namespace quillon::business

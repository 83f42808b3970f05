#pragma once

#include "business/LoanMemory.h"

#include <QString>

#include <vector>

namespace quillon::business {

// One row of a schedule: the month (or year) number, its capital and interest and the balance
// outstanding after it.
struct ScheduleRow {
    int number = 0;
    double capital = 0;
    double interest = 0;
    double balance = 0;
};

// The schedules hold at most this many months.
inline constexpr double kMaxScheduleMonths = 1000;

// Fills the monthly columns for months 1 to n with the repayment worked out from P, n and r:
// capital of month k = R x v^-(n + 1 - k), interest = R - capital, balance = |before - capital|.
// Returns the months built (0 when n is below 1 or beyond the columns).
int buildMonthlySchedule(double principal, double period, double rate, LoanSchedules &s);

// Builds the monthly schedule, then the years: every twelfth month closes a year; a term that is
// not whole years ends with a part year whose capital completes the principal and whose balance
// is 0. Returns the number of years, the part year included.
int buildAnnualSchedule(double principal, double period, double rate, LoanSchedules &s);

// The rows as built, for the grid, the printout and the command line.
std::vector<ScheduleRow> monthlyRows(const LoanSchedules &s, int months);
std::vector<ScheduleRow> annualRows(const LoanSchedules &s);

// The grids are offered only for complete figures; the annual grid and graph also need more
// than a year (printing with the annual schedule does not).
bool monthlyGridAllowed(double principal, double period, double rate, double repayment);
bool annualGridAllowed(double principal, double period, double rate, double repayment);

// "&Annual Amort." and "Annual &Graph" on a complete loan of 12 months or less.
inline const QString kAnnualNeedsAYearMessage =
    QStringLiteral("The annual schedule and graph need a period of more than 12 months; "
                   "Monthly Amort. shows this loan month by month.");

} // namespace quillon::business

#include "business/LoanSchedule.h"

#include "business/LoanCalc.h"
#include "business/LoanFormulas.h"

#include <cmath>

namespace quillon::business {

int buildMonthlySchedule(double principal, double period, double rate, LoanSchedules &s) {
    if (!(period >= 1) || period > kMaxScheduleMonths)
        return 0;
    const double repayment = loanRepayment(principal, period, rate);
    const double v = 1 + rate / 12 / 100;
    s.balance[0] = principal;
    int k = 1;
    for (; k <= period; ++k) {
        const auto i = static_cast<std::size_t>(k);
        s.capital[i] = repayment * std::pow(v, -(period + 1 - k));
        s.interest[i] = repayment - s.capital[i];
        s.balance[i] = std::fabs(s.balance[i - 1] - s.capital[i]);
    }
    return k - 1;
}

int buildAnnualSchedule(double principal, double period, double rate, LoanSchedules &s) {
    const int months = buildMonthlySchedule(principal, period, rate, s);
    if (months == 0)
        return 0;
    const double repayment = loanRepayment(principal, period, rate);
    int years = 0;
    for (int k = 12; k <= months; k += 12) {
        const int y = k / 12;
        double capital = 0;
        double interest = 0;
        for (int m = k - 11; m <= k; ++m) {
            capital += s.capital[static_cast<std::size_t>(m)];
            interest += s.interest[static_cast<std::size_t>(m)];
        }
        const auto yi = static_cast<std::size_t>(y);
        s.yearCapital[yi] = capital;
        s.yearInterest[yi] = interest;
        // Index y is below k, so the months still to be read are not overwritten.
        s.balance[yi] = s.balance[static_cast<std::size_t>(k)];
        s.kind = 1;
        s.wholeYears = static_cast<std::int16_t>(y);
        years = y;
    }
    if (std::fmod(period, 12) != 0) {
        const int whole = static_cast<int>(std::floor(period / 12));
        double capitalSum = 0;
        double interestSum = 0;
        for (int y = 1; y <= whole; ++y) {
            capitalSum += s.yearCapital[static_cast<std::size_t>(y)];
            interestSum += s.yearInterest[static_cast<std::size_t>(y)];
        }
        const auto last = static_cast<std::size_t>(whole + 1);
        s.yearCapital[last] = principal - capitalSum;
        s.yearInterest[last] = (repayment * period - principal) - interestSum;
        s.balance[last] = 0;
        s.kind = 2;
        s.wholeYears = static_cast<std::int16_t>(whole);
        s.yearsWithPart = static_cast<std::int16_t>(whole + 1);
        years = whole + 1;
    } else {
        s.yearsWithPart = s.wholeYears;
    }
    s.yearCounter = static_cast<std::int16_t>(years);
    return years;
}

std::vector<ScheduleRow> monthlyRows(const LoanSchedules &s, int months) {
    std::vector<ScheduleRow> rows;
    for (int k = 1; k <= months && k < static_cast<int>(kScheduleSize); ++k) {
        const auto i = static_cast<std::size_t>(k);
        rows.push_back({k, s.capital[i], s.interest[i], s.balance[i]});
    }
    return rows;
}

std::vector<ScheduleRow> annualRows(const LoanSchedules &s) {
    const int years = s.kind == 2 ? s.yearsWithPart : s.kind == 1 ? s.wholeYears : 0;
    std::vector<ScheduleRow> rows;
    for (int y = 1; y <= years && y < static_cast<int>(kScheduleSize); ++y) {
        const auto i = static_cast<std::size_t>(y);
        rows.push_back({y, s.yearCapital[i], s.yearInterest[i], s.balance[i]});
    }
    return rows;
}

bool monthlyGridAllowed(double principal, double period, double rate, double repayment) {
    return loanComplete(principal, period, rate, repayment);
}

bool annualGridAllowed(double principal, double period, double rate, double repayment) {
    return principal != 0 && period >= 13 && rate != 0 && repayment != 0;
}

} // namespace quillon::business

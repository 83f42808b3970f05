#pragma once

#include <cstdint>

namespace quillon::business {

// The annuity formulas and the two step searches the loan calculator and the loan buster share.
// A value counts as set when it is non-zero; rates are percent per annum, compounded monthly.

// R = (j x P) / (1 - v^-n), with j = r / 12 / 100 and v = 1 + j; 0 unless P, n and r are set.
double loanRepayment(double principal, double months, double rate);

// P = (1 - v^-n) x R / j; 0 unless n, r and R are set.
double loanPrincipal(double months, double rate, double repayment);

// The longest whole number of months up to 600 whose repayments are worth no more than the
// principal, with the repayment then raised in steps of 0.01 until those months repay it.
struct PeriodSearch {
    double months = 0;     // 0: not set, or no period up to 600 months
    double repayment = 0;  // the repayment after the search
    bool searched = false; // principal, rate and repayment were all set (the principal was saved)
    // A single repayment already clears the principal with a month's interest: the period is one
    // month and the repayment is what repays the principal in that month.
    bool oneMonth = false;
};

// The most months the search looks at.
inline constexpr double kMaxLoanMonths = 600;

// Runs the search from the repayment as given (the caller lowers it first where it should).
PeriodSearch searchPeriod(double principal, double rate, double repayment);

// The largest rate on the 0.01 grid whose repayment does not exceed the target, reached by
// adding 5, 1, 0.1 and 0.01 in turn. Rates from 1000% up are not searched: the target is then
// out of reach and `found` is false with a rate of 0.
struct RateSearch {
    double rate = 0;
    bool found = true;
};

inline constexpr double kRateSearchCeiling = 1000;

RateSearch searchRate(double principal, double months, double targetRepayment);

} // namespace quillon::business

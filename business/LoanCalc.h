#pragma once

#include "business/LoanMemory.h"
#include "business/LoanMode.h"

#include <QString>

namespace quillon::business {

struct LoanResults {
    double principal = 0;
    double period = 0;
    double rate = 0;
    double repayment = 0;
    bool periodSearched = false; // the search saved the principal
    bool oneMonth = false;       // the period search settled on a single month
    bool errorMarker = false;    // Text1 "   Error": a solved rate above 50
    bool rateFound = true;       // false: no rate below 1000% reaches the repayment
    bool periodFound = true;     // false: the repayment repays the loan in no period up to 600
    double totalInterest = 0;    // numAns1; never below 0
    double totalRepayments = 0;  // numAns2; never below 0
};

// The finance charges of a loan: R x n - P and R x n, neither below 0 (a loan not worked out,
// a figure missing, has no negative interest).
struct LoanTotals {
    double interest = 0;
    double repayments = 0;
};
LoanTotals loanTotals(double principal, double period, double repayment);

inline const QString kLoanErrorMarker = QStringLiteral("   Error");
inline const QString kRateNotFoundMessage =
    QStringLiteral("No interest rate below 1000% gives this repayment.");
inline const QString kLoanRateNotFoundTitle = QStringLiteral("Interest Rate Not Found!");

// "Repayment period" mode when no period up to 600 months repays the loan: the repayment does
// not cover the first month's interest, or is too small to repay within 600 months.
QString periodNotFoundMessage(double principal, double rate, double repayment);
inline const QString kPeriodNotFoundTitle = QStringLiteral("Repayment Too Small!");

inline constexpr double kMaxLoanRate = 50;
inline constexpr double kMaxLoanPrincipal = 99999999.99;
inline constexpr double kMaxLoanRepayment = 9999999.99;
inline const QString kLoanPeriodMessage =
    QStringLiteral("The maximum period  allowed is 600 months");
inline const QString kLoanPeriodTitle = QStringLiteral("Incorrect Period!");
inline const QString kLoanRateMessage = QStringLiteral("The maximum interest rate allowed is 50%");
inline const QString kLoanRateTitle = QStringLiteral("Incorrect Interest Rate!");

// Calculate: solves the mode's figure; in "Repayment period" mode the search starts from the
// entered repayment less 0.01, and a search without a period leaves the entered repayment as it
// was. The finance charges are those of the figures after solving.
LoanResults calculateLoan(const LoanInputs &in);

// The window's figures taken from, and stored back into, the remembered loan state.
LoanInputs loanInputs(const LoanMemory &memory);
void storeLoanResults(LoanMemory &memory, const LoanResults &results);

// Whether all four figures are set (the schedules, the graph and printing need them).
bool loanComplete(double principal, double period, double rate, double repayment);

} // namespace quillon::business

#include "business/LoanCalc.h"

#include "business/LoanFormulas.h"

#include <algorithm>

namespace quillon::business {

LoanResults calculateLoan(const LoanInputs &in) {
    LoanResults out;
    out.principal = in.principal;
    out.period = in.period;
    out.rate = in.rate;
    out.repayment = in.repayment;
    switch (in.mode) {
    case LoanMode::Repayment:
        out.repayment = loanRepayment(in.principal, in.period, in.rate);
        break;
    case LoanMode::Principal:
        out.principal = loanPrincipal(in.period, in.rate, in.repayment);
        break;
    case LoanMode::Rate: {
        const RateSearch s = searchRate(in.principal, in.period, in.repayment);
        out.rate = s.rate;
        out.rateFound = s.found;
        out.errorMarker = !s.found || s.rate > kMaxLoanRate;
        break;
    }
    case LoanMode::Period: {
        const PeriodSearch s = searchPeriod(in.principal, in.rate, in.repayment - 0.01);
        out.period = s.months;
        out.periodSearched = s.searched;
        out.oneMonth = s.oneMonth;
        out.periodFound = !s.searched || s.months > 0;
        // The cent taken off is the search's own working: without a period the typed repayment
        // stays, or every recalculation would lower it by another cent.
        if (out.periodFound)
            out.repayment = s.repayment;
        break;
    }
    }
    const LoanTotals totals = loanTotals(out.principal, out.period, out.repayment);
    out.totalInterest = totals.interest;
    out.totalRepayments = totals.repayments;
    return out;
}

LoanTotals loanTotals(double principal, double period, double repayment) {
    return {std::max(0.0, repayment * period - principal), std::max(0.0, repayment * period)};
}

QString periodNotFoundMessage(double principal, double rate, double repayment) {
    const double interest = principal * rate / 12 / 100;
    if (repayment <= interest)
        return QStringLiteral("The monthly repayment does not cover the interest of %1 a month: "
                              "the loan is never repaid.")
            .arg(interest, 0, 'f', 2);
    return QStringLiteral("The monthly repayment does not repay the loan within 600 months.");
}

LoanInputs loanInputs(const LoanMemory &memory) {
    return memory;
}

void storeLoanResults(LoanMemory &memory, const LoanResults &results) {
    memory.principal = results.principal;
    memory.period = results.period;
    memory.rate = results.rate;
    memory.repayment = results.repayment;
    if (results.periodSearched)
        memory.savedPrincipal = results.principal;
}

bool loanComplete(double principal, double period, double rate, double repayment) {
    return principal != 0 && period != 0 && rate != 0 && repayment != 0;
}

} // namespace quillon::business

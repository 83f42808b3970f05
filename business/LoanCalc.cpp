#include "business/LoanCalc.h"

#include "business/LoanFormulas.h"

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
        out.repayment = s.repayment;
        out.periodSearched = s.searched;
        out.oneMonth = s.oneMonth;
        break;
    }
    }
    if (in.financeChargesShown) {
        out.totalInterest = out.repayment * out.period - out.principal;
        out.totalRepayments = out.repayment * out.period;
    }
    return out;
}

LoanInputs loanInputs(const LoanMemory &memory) {
    return {memory.mode, memory.principal, memory.period,
            memory.rate, memory.repayment, memory.financeChargesShown()};
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

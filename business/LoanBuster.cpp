#include "business/LoanBuster.h"

#include "business/LoanCalc.h"
#include "business/LoanFormulas.h"

namespace quillon::business {

namespace {

double notNegative(double value) {
    return value < 0 ? 0 : value;
}

} // namespace

BusterResults calculateBuster(const BusterInputs &in, const BusterResults &previous,
                              LoanMemory &loan) {
    BusterResults out = previous;
    const double r = in.rate;
    double x = in.extraPayment;
    const double n = in.period;

    double m = n;
    const double base = loanRepayment(in.principal, m, r);
    out.principal = in.principal;
    out.rate = static_cast<double>(in.rate);
    out.repayment = base;
    const LoanTotals totals = loanTotals(in.principal, n, base);
    out.totalInterest = totals.interest;
    out.totalRepayments = totals.repayments;
    out.extraApplied = false;
    out.oneMonth = false;

    if (10 * base >= x) {
        x = x - 0.01;
        const PeriodSearch s = searchPeriod(in.principal, r, base + x);
        // Only a loan worked out to a period reaches the loan calculator: a window opened on an
        // incomplete loan (no period yet) must leave that window's figures as they were.
        if (s.searched && s.months > 0) {
            loan.repayment = s.repayment;
            loan.savedPrincipal = in.principal;
        }
        m = s.months;
        x = in.extraPayment != 0 ? s.repayment - base : 0;

        out.extraApplied = true;
        out.oneMonth = s.oneMonth;
        out.newRepayment = notNegative(s.repayment);
        out.newPeriod = static_cast<std::int16_t>(m);
        const LoanTotals newTotals = loanTotals(in.principal, m, s.repayment);
        out.newTotalInterest = newTotals.interest;
        out.newTotalRepayments = newTotals.repayments;
        out.totalSaving = n * base - m * s.repayment;
        if (x == 0) {
            out.newTotalInterest = out.totalInterest;
            out.newTotalRepayments = out.totalRepayments;
            out.totalSaving = 0;
        }
    } else {
        // Figures of an earlier case would read as this one's.
        out.newPeriod = 0;
        out.newRepayment = 0;
        out.newTotalInterest = 0;
        out.newTotalRepayments = 0;
        out.totalSaving = 0;
    }
    out.extraPayment = x;
    return out;
}

report::ReportRecord busterRecord(const BusterInputs &in, const BusterResults &out) {
    return {
        {QStringLiteral("PAmt"), in.principal},
        {QStringLiteral("Period"), QVariant::fromValue<int>(in.period)},
        {QStringLiteral("IntRate"), QVariant::fromValue<float>(in.rate)},
        {QStringLiteral("MonRep"), out.repayment},
        {QStringLiteral("TotIntPaid"), out.totalInterest},
        {QStringLiteral("TotRep"), out.totalRepayments},
        {QStringLiteral("XtraPay"), out.extraPayment},
        {QStringLiteral("Xper"), QVariant::fromValue<int>(out.newPeriod)},
        {QStringLiteral("XMonRep"), out.newRepayment},
        {QStringLiteral("XTotIntPaid"), out.newTotalInterest},
        {QStringLiteral("XTotRep"), out.newTotalRepayments},
        {QStringLiteral("XTotSavings"), out.totalSaving},
    };
}

} // namespace quillon::business

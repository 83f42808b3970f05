#include "business/LoanBuster.h"

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
    loan.repayment = loanRepayment(in.principal, m, r);
    const double base = loan.repayment;
    out.repayment = base;
    out.totalInterest = notNegative(loan.repayment * n - in.principal);
    out.totalRepayments = notNegative(n * loan.repayment);
    out.extraApplied = false;
    out.oneMonth = false;

    if (10 * base >= x) {
        x = x - 0.01;
        loan.repayment = base + x;
        const PeriodSearch s = searchPeriod(in.principal, r, loan.repayment);
        if (s.searched)
            loan.savedPrincipal = in.principal;
        m = s.months;
        loan.repayment = s.repayment;
        x = in.extraPayment != 0 ? loan.repayment - base : 0;

        out.extraApplied = true;
        out.oneMonth = s.oneMonth;
        out.newRepayment = loan.repayment;
        out.newPeriod = static_cast<std::int16_t>(m);
        out.newTotalInterest = notNegative(loan.repayment * m - in.principal);
        out.newTotalRepayments = notNegative(m * loan.repayment);
        out.totalSaving = n * base - m * loan.repayment;
        if (x == 0) {
            // An empty loan has no repayment: the cent taken off before the search would
            // otherwise show as a new repayment of -0.01.
            if (base == 0)
                out.newRepayment = 0;
            out.newTotalInterest = out.totalInterest;
            out.newTotalRepayments = out.totalRepayments;
            out.totalSaving = 0;
        }
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

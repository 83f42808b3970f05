#include "business/LoanFormulas.h"

#include <cmath>
#include <initializer_list>

namespace quillon::business {

namespace {

double monthlyRate(double rate) {
    return rate / 12 / 100;
}

} // namespace

double loanRepayment(double principal, double months, double rate) {
    if (principal == 0 || months == 0 || rate == 0)
        return 0;
    const double j = monthlyRate(rate);
    const double v = 1 + j;
    return (j * principal) / (1 - std::pow(v, -months));
}

double loanPrincipal(double months, double rate, double repayment) {
    if (months == 0 || rate == 0 || repayment == 0)
        return 0;
    const double j = monthlyRate(rate);
    const double v = 1 + j;
    return (1 - std::pow(v, -months)) * repayment / j;
}

PeriodSearch searchPeriod(double principal, double rate, double repayment) {
    PeriodSearch out;
    out.repayment = repayment;
    if (principal == 0 || rate == 0 || repayment == 0)
        return out;
    out.searched = true;
    const double saved = principal;
    // The walk below stops at the first month count whose repayments are worth at least the
    // principal. With a positive rate and repayment that worth never falls from one month to
    // the next, so halving finds the same month in ten steps instead of up to 600.
    double n = 1;
    if (rate > 0 && repayment > 0 && std::isfinite(rate) && std::isfinite(repayment) &&
        std::isfinite(saved)) {
        if (loanPrincipal(kMaxLoanMonths, rate, out.repayment) < saved)
            return out; // no period up to 600 months
        double low = 1;
        double high = kMaxLoanMonths;
        while (low < high) {
            const double middle = std::floor((low + high) / 2);
            if (loanPrincipal(middle, rate, out.repayment) < saved)
                low = middle + 1;
            else
                high = middle;
        }
        n = low;
    }
    for (;;) {
        const double p = loanPrincipal(n, rate, out.repayment);
        if (n > kMaxLoanMonths) {
            out.months = 0;
            return out;
        }
        if (p > saved) {
            n = n - 1;
            if (n < 1) {
                // One repayment is worth more than the whole loan: as stated, the search would
                // raise the repayment on zero months for ever. The loan is repaid in one month.
                out.months = 1;
                out.repayment = loanRepayment(saved, 1, rate);
                out.oneMonth = true;
                return out;
            }
            // The present-value factor of n months does not change while the repayment rises;
            // (factor x R) / j is the principal formula evaluated in its own order.
            const double j = monthlyRate(rate);
            const double factor = 1 - std::pow(1 + j, -n);
            double q = 0;
            do {
                const double next = out.repayment + 0.01;
                if (next == out.repayment)
                    break; // too large a repayment for a cent to count
                out.repayment = next;
                q = out.repayment == 0 ? 0 : factor * out.repayment / j;
            } while (q < saved);
            out.months = n;
            return out;
        }
        if (p < saved) {
            n = n + 1;
            continue;
        }
        out.months = n; // worth exactly the principal
        return out;
    }
}

RateSearch searchRate(double principal, double months, double targetRepayment) {
    if (principal == 0 || months == 0 || targetRepayment == 0)
        return {0, true};
    // A repayment still within reach at the ceiling would need a rate beyond any sane loan (or
    // a principal that cannot produce a positive repayment): report it instead of searching on.
    if (!(loanRepayment(principal, months, kRateSearchCeiling) > targetRepayment))
        return {0, false};
    // Guards against a repayment that fails to grow with the rate (rounding at extremes).
    constexpr int kMaxStepsPerStage = 100000;
    double r = 0;
    for (const double step : {5.0, 1.0, 0.1, 0.01}) {
        int steps = 0;
        double repayment = 0;
        do {
            r += step;
            repayment = loanRepayment(principal, months, r);
            if (++steps > kMaxStepsPerStage)
                return {0, false};
        } while (!(repayment > targetRepayment));
        r -= step;
    }
    return {r, true};
}

} // namespace quillon::business

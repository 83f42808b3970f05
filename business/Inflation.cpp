#include "business/Inflation.h"

#include <algorithm>

namespace quillon::business {

InflationResults calculateInflation(const InflationInputs &in) {
    InflationResults out;
    double f = in.presentCost;
    double b = in.presentCost;
    const double q = in.rate;
    // The period field holds at most 40 years; the count is bounded so a stray figure cannot
    // loop for ever.
    const double years = std::min(in.period, 1000.0);
    for (int year = 1; year <= years; ++year) {
        f = f + f * q / 100;
        b = b - b * q / (q + 100);
    }
    out.futureValue = f;
    out.buyingPower = b;
    out.tooLarge = f > kMaxDisplayAmount;
    return out;
}

SpinStep stepInflationRate(double rate, int direction) {
    SpinStep s{rate, false};
    if (direction > 0) {
        s.value = rate + 0.25;
        if (s.value == 0)
            s.beep = true;
        if (s.value > 30)
            s.value = kMinInflationRate;
    } else if (direction < 0) {
        s.value = rate - 0.25;
        if (s.value < kMinInflationRate)
            s.value = 30;
    }
    return s;
}

SpinStep stepInflationPeriod(double period, int direction) {
    SpinStep s{period, false};
    if (period == 0)
        return s;
    if (direction > 0) {
        s.value = period + 1;
        if (s.value > kMaxInflationPeriod)
            s.value = 1;
    } else if (direction < 0) {
        s.value = period - 1;
        if (s.value == 0) {
            s.beep = true;
            s.value = kMaxInflationPeriod;
        }
    }
    return s;
}

report::ReportRecord inflationRecord(const InflationInputs &in, const InflationResults &out) {
    return {{QStringLiteral("PresCost"), in.presentCost},
            {QStringLiteral("Period"), in.period},
            {QStringLiteral("InflaRate"), in.rate},
            {QStringLiteral("Ans1"), out.futureValue},
            {QStringLiteral("ANS2"), out.buyingPower}};
}

} // namespace quillon::business

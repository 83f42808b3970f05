#include "taxengine/TaxRules.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <limits>

namespace quillon::tax {

namespace {

constexpr std::int32_t kInt16Max = std::numeric_limits<std::int16_t>::max();

// A product the tables compute as a 16-bit whole number.
std::optional<std::int32_t> product16(std::int32_t a, std::int32_t b) {
    const std::int32_t p = a * b;
    if (p > kInt16Max || p < std::numeric_limits<std::int16_t>::min())
        return std::nullopt;
    return p;
}

} // namespace

double rebateForAge(std::int16_t age) {
    if (age >= 75)
        return PrimaryRebate + SecondaryPlusTertiaryRebate;
    if (age >= 65)
        return PrimaryRebate + SecondaryRebate;
    return PrimaryRebate;
}

std::optional<double> medicalSchemeCredit(std::int16_t n, PayPeriod period) {
    if (n < 0)
        return std::nullopt;
    if (n <= 2) {
        const auto first = product16(n, MedicalCreditFirstTwo);
        switch (period) {
        case PayPeriod::Year:
        case PayPeriod::Month:
            return static_cast<double>(*first);
        case PayPeriod::Fortnight:
            return static_cast<double>(*first) / 2;
        case PayPeriod::Week:
            return static_cast<double>(*first) / 4;
        case PayPeriod::Day:
            return static_cast<double>(*first * 12) / 260;
        }
        return std::nullopt;
    }
    const auto further = product16(n - 2, MedicalCreditFurther);
    if (!further)
        return std::nullopt;
    switch (period) {
    case PayPeriod::Year:
    case PayPeriod::Month: {
        const std::int32_t sum = 572 + *further;
        if (sum > kInt16Max)
            return std::nullopt;
        return static_cast<double>(sum);
    }
    case PayPeriod::Fortnight:
        return static_cast<double>(*further) / 2 + 286;
    case PayPeriod::Week:
        return static_cast<double>(*further) / 4 + 143;
    case PayPeriod::Day: {
        const auto times12 = product16(*further, 12);
        if (!times12)
            return std::nullopt;
        return (static_cast<double>(*times12) + 6864) / 260;
    }
    }
    return std::nullopt;
}

namespace {

std::int16_t searchMaxBeneficiaries(PayPeriod period) {
    std::int16_t n = 2;
    while (n < std::numeric_limits<std::int16_t>::max() &&
           medicalSchemeCredit(static_cast<std::int16_t>(n + 1), period))
        ++n;
    return n;
}

} // namespace

// A constant of each period: the search (some 170 credits) runs once, not on every calculation.
std::int16_t maxBeneficiaries(PayPeriod period) {
    static const std::array<std::int16_t, 5> most = [] {
        std::array<std::int16_t, 5> found{};
        for (PayPeriod p : {PayPeriod::Year, PayPeriod::Month, PayPeriod::Fortnight,
                            PayPeriod::Week, PayPeriod::Day})
            found[static_cast<std::size_t>(p)] = searchMaxBeneficiaries(p);
        return found;
    }();
    return most[static_cast<std::size_t>(period)];
}

double additionalMedicalCredit(double employerMedAid, double employeeMedAid, double credit,
                               std::int16_t age) {
    if (!(credit > 0) || !(employerMedAid > 0 || employeeMedAid > 0) || age < 65)
        return 0;
    const double extra =
        (employerMedAid + employeeMedAid - 3 * credit) * AdditionalMedicalCreditRate;
    return extra < 0 ? 0 : extra;
}

double retirementDeductionCap(PayPeriod period) {
    switch (period) {
    case PayPeriod::Year:
        return RetirementDeductionCap;
    case PayPeriod::Month:
        return RetirementDeductionCap / 12;
    case PayPeriod::Fortnight:
        return RetirementDeductionCap / 26;
    case PayPeriod::Week:
        return RetirementDeductionCap / 52;
    case PayPeriod::Day:
        return RetirementDeductionCap / 260;
    }
    return RetirementDeductionCap;
}

double deductionRemuneration(double salary, double employerMedAid, double commission, double bonus,
                             double travelAllowance, double inclusionRate, double employerFund) {
    return salary + employerMedAid + commission + bonus + travelAllowance * inclusionRate +
           employerFund;
}

double retirementFundDeduction(double employerFund, double employeeFund, double remuneration,
                               PayPeriod period) {
    const double contributions = employerFund + employeeFund;
    const double limit = RetirementDeductionRate * remuneration;
    double deduction = limit >= contributions ? contributions : limit;
    const double cap = retirementDeductionCap(period);
    if (deduction > cap)
        deduction = cap;
    return deduction;
}

double uifRemuneration(double salary, double employerMedAid, double bonus, double travelAllowance,
                       double inclusionRate, double employerFund) {
    return salary + employerMedAid + bonus + travelAllowance * inclusionRate + employerFund;
}

double uifCeiling(double uifLimitPerMonth, PayPeriod period) {
    switch (period) {
    case PayPeriod::Year:
        return uifLimitPerMonth * 12;
    case PayPeriod::Month:
        return uifLimitPerMonth;
    case PayPeriod::Fortnight:
        return uifLimitPerMonth * 12 / 26;
    case PayPeriod::Week:
        return uifLimitPerMonth * 12 / 52;
    case PayPeriod::Day:
        return uifLimitPerMonth * 12 / 260;
    }
    return uifLimitPerMonth;
}

double uifContribution(double remuneration, double ceiling, double percent) {
    const double base = ceiling >= remuneration ? remuneration : ceiling;
    return base * percent / 100;
}

double skillsLevy(double uifRemuneration, double deduction, double commission, double percent) {
    return (uifRemuneration - deduction + commission) * percent / 100;
}

double taxAfterCredits(double periodTax, double credit, double additionalCredit) {
    const double rest = periodTax - (credit + additionalCredit);
    return rest > 0 ? rest : 0;
}

double roundHalfEven(double value) {
    // nearbyint follows the current rounding mode, which is round-to-nearest-even.
    return std::nearbyint(value);
}

std::int16_t toInt16(double value) {
    if (std::isnan(value))
        return 0;
    const double r = std::nearbyint(value);
    return static_cast<std::int16_t>(std::clamp(r, -32768.0, 32767.0));
}

} // namespace quillon::tax

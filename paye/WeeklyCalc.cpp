#include "paye/WeeklyCalc.h"

#include "taxengine/TaxRules.h"

namespace quillon::paye {

using namespace quillon::tax;

std::int16_t openingDays(WeekPeriod period) {
    return period == WeekPeriod::Week ? 7 : 14;
}

PayPeriod payPeriod(WeekPeriod period) {
    return period == WeekPeriod::Week ? PayPeriod::Week : PayPeriod::Fortnight;
}

WeeklyInputs openingWeeklyInputs(WeekPeriod period) {
    WeeklyInputs in;
    in.period = period;
    in.normalDays = openingDays(period);
    in.thisDays = openingDays(period);
    return in;
}

InputCheck weeklyInputCheck(const WeeklyInputs &in) {
    const QString daysTitle = QStringLiteral("Incorrect Number of Days");
    if (in.thisDays > in.normalDays)
        return {CheckCode::ThisPeriodMoreThanNormal,
                in.period == WeekPeriod::Week
                    ? QStringLiteral("The number of 'Normal work-week' days must be = to or "
                                     "larger than 'This work-week'.")
                    : QStringLiteral("The number of 'Normal fortnight' days must be = to or "
                                     "larger than 'This fortnight'."),
                daysTitle, QStringLiteral("cmdCalculate")};
    // Both counts divide: a count below 1 would give an infinite or meaningless tax.
    if (in.thisDays < 1 || in.normalDays < 1)
        return {CheckCode::DaysBelowOne,
                QStringLiteral("The number of work days must be at least 1."), daysTitle,
                in.thisDays < 1 ? QStringLiteral("silgEdit22") : QStringLiteral("silgEdit21")};
    return beneficiaryCheck(in.medAidBeneficiaries, payPeriod(in.period));
}

WeeklyResults calculateWeekly(const WeeklyInputs &in, TaxLookup &lookup) {
    WeeklyResults out;
    out.check = weeklyInputCheck(in);
    if (!out.check.ok())
        return out;
    const PayPeriod period = payPeriod(in.period);
    const double perYear = in.period == WeekPeriod::Week ? 52 : 26;
    const double rate = in.settings.inclusionRate;
    const double normal = in.normalDays;
    const double thisPeriod = in.thisDays;

    // 2. Medical scheme fees credit for the period.
    out.medicalCredit = periodMedicalCredit(in, period);

    // 3. Tax for the period, gross method.
    const double remuneration =
        deductionRemuneration(in.salary, in.employerMedAid, in.commission, in.bonus,
                              in.travelAllowance, rate, in.employerFund);
    out.deduction = retirementFundDeduction(in.employerFund, in.employeeFund, remuneration, period);
    out.taxableAmount = in.salary + in.commission + in.travelAllowance * rate - out.deduction +
                        in.employerMedAid + in.employerFund;
    out.annualEquivalent = out.taxableAmount * perYear * (normal / thisPeriod);
    const double g1 = totalTaxFor(lookup, out.annualEquivalent + in.bonus);
    const double g0 = totalTaxFor(lookup, out.annualEquivalent);
    out.rebate = rebateForAge(in.age);
    // The rebate the income without the bonus leaves unused reduces the tax on the bonus.
    double tax = (g0 - out.rebate) / perYear * thisPeriod / normal + (g1 - g0);
    if (tax < 0)
        tax = 0;
    out.periodTax = tax;

    // 4. to 8.
    completePayResults(in, period, out);
    return out;
}

} // namespace quillon::paye

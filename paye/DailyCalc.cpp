#include "paye/DailyCalc.h"

#include "taxengine/TaxRules.h"

namespace quillon::paye {

using namespace quillon::tax;

InputCheck dailyInputCheck(const DailyInputs &in) {
    return beneficiaryCheck(in.medAidBeneficiaries, PayPeriod::Day);
}

DailyResults calculateDaily(const DailyInputs &in, TaxLookup &lookup) {
    DailyResults out;
    out.check = dailyInputCheck(in);
    if (!out.check.ok())
        return out;
    const double rate = in.settings.inclusionRate;

    // 1. Medical scheme fees credit for the day.
    out.medicalCredit = periodMedicalCredit(in, PayPeriod::Day);

    // 2. Tax for the day, gross method.
    const double remuneration =
        deductionRemuneration(in.salary, in.employerMedAid, in.commission, in.bonus,
                              in.travelAllowance, rate, in.employerFund);
    out.deduction =
        retirementFundDeduction(in.employerFund, in.employeeFund, remuneration, PayPeriod::Day);
    out.taxableAmount = in.salary + in.commission + in.travelAllowance * rate - out.deduction +
                        in.employerMedAid + in.employerFund;
    out.annualEquivalent = out.taxableAmount * 260;
    const double g1 = totalTaxFor(lookup, out.annualEquivalent + in.bonus);
    const double g0 = totalTaxFor(lookup, out.annualEquivalent);
    out.rebate = rebateForAge(in.age);
    double tax = (g0 - out.rebate) / 260 + (g1 - g0);
    if (tax < 0)
        tax = 0;
    out.periodTax = tax;

    // 3. to 7.
    completePayResults(in, PayPeriod::Day, out);
    return out;
}

} // namespace quillon::paye

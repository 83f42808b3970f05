#include "package/PackageRules.h"

#include "taxengine/TaxRules.h"

namespace quillon::package {

double carBenefit(double carValue, const tax::SetupRecord &setup, bool annual) {
    const double rate = setup.CompCarMPYesNo ? 0.0325 : 0.035;
    const double monthly = carValue * rate * setup.CompCarFBRate8020;
    return annual ? monthly * 12 : monthly;
}

double annualMedicalCredit(std::int16_t beneficiaryMonths) {
    const std::int32_t n = beneficiaryMonths;
    if (n <= 24)
        return static_cast<double>(n * tax::MedicalCreditFirstTwo);
    return 6864 + static_cast<double>((n - 24) * tax::MedicalCreditFurther);
}

double monthlyMedicalCredit(std::int16_t beneficiaries) {
    const std::int32_t n = beneficiaries;
    if (n <= 2)
        return static_cast<double>(n * tax::MedicalCreditFirstTwo);
    return 572 + static_cast<double>((n - 2) * tax::MedicalCreditFurther);
}

double fundDeduction(double contributions, double base, bool annual) {
    const double limit = base * tax::RetirementDeductionRate;
    double deduction = limit >= contributions ? contributions : limit;
    const double cap = annual ? tax::RetirementDeductionCap : tax::RetirementDeductionCap / 12;
    if (deduction >= cap)
        deduction = cap;
    return deduction;
}

void applyWarning(PackageResults &out, bool exceeds) {
    out.warning = exceeds;
    out.printEnabled = !exceeds;
}

PackageResults initialResults(PackageWindow, const PackageInputs &inputs) {
    PackageResults r;
    applyWarning(r, false);
    r.EmployeeFund = inputs.EmployeeFund;
    r.EmployerFund = inputs.EmployerFund;
    r.Beneficiaries = inputs.Beneficiaries;
    r.MedicalDeductions = inputs.MedicalDeductions;
    return r;
}

void applyOnceOff(PackageResults &out, const PackageInputs &in) {
    out.onceOffShown = in.CarValue > 0 && in.CarCost == 0 && !out.CalcSkipped;
    out.OnceOff = out.onceOffShown ? in.CarValue : 0;
}

PackageResults carriedOver(const PackageResults &previous, const PackageInputs &in,
                           Outcome outcome) {
    PackageResults out = previous;
    out.outcome = outcome;
    out.CalcSkipped = true;
    // Nothing was computed, so the fields keep what the user typed.
    out.EmployeeFund = in.EmployeeFund;
    out.EmployerFund = in.EmployerFund;
    out.Beneficiaries = in.Beneficiaries;
    out.MedicalDeductions = in.MedicalDeductions;
    applyOnceOff(out, in);
    return out;
}

} // namespace quillon::package

#include "package/GrossToNet.h"

#include "package/PackageRules.h"
#include "taxengine/TaxRules.h"

namespace quillon::package {

namespace {

PackageResults calculate(const PackageInputs &in, const tax::SetupRecord &s,
                         const PackageResults &previous, tax::TaxLookup &lookup, bool annual) {
    if (in.Amount == 0) {
        PackageResults out = carriedOver(previous, in, Outcome::Skipped);
        out.warning = false; // hidden before the zero test; the rest of the layout stays
        return out;
    }

    PackageResults out;
    out.EmployeeFund = in.EmployeeFund;
    out.EmployerFund = in.EmployerFund;
    out.Beneficiaries = in.Beneficiaries;
    out.MedicalDeductions = in.MedicalDeductions;
    const double package = in.Amount;

    out.CarBenefit = carBenefit(in.CarValue, s, annual);
    out.Rebate = tax::rebateForAge(in.Age);
    if (in.MedAidEmployer <= 0 && in.MedAidEmployee <= 0) {
        out.Beneficiaries = 0;
        out.MedicalCredit = 0;
    } else {
        out.MedicalCredit =
            annual ? annualMedicalCredit(in.Beneficiaries) : monthlyMedicalCredit(in.Beneficiaries);
    }
    out.AdditionalMedicalCredit = tax::additionalMedicalCredit(in.MedAidEmployer, in.MedAidEmployee,
                                                               out.MedicalCredit, in.Age);

    // A percentage above 0 replaces the typed amount.
    if (s.PensionCont > 0) {
        out.EmployeeFund = 0;
        out.EmployeeContribution = package * s.PensionCont / 100;
    } else {
        out.EmployeeContribution = out.EmployeeFund;
    }
    if (s.EmployerPenCont > 0) {
        out.EmployerFund = 0;
        out.EmployerContribution = package * s.EmployerPenCont / 100;
    } else {
        out.EmployerContribution = out.EmployerFund;
    }

    const double contributions = out.EmployeeContribution + out.EmployerContribution;
    out.FundDeduction =
        fundDeduction(contributions,
                      package + in.MedAidEmployer + in.TravelAllowance * s.TAIncRate8020 +
                          out.EmployerContribution,
                      annual);

    // The other benefits and the employer's medical aid are already inside the package.
    double taxable = package - in.TravelAllowance + in.TravelAllowance * s.TAIncRate8020 +
                     out.CarBenefit - out.FundDeduction;
    if (annual) {
        if (taxable < 0)
            taxable = 0;
    } else {
        taxable = taxable * 12;
        if (taxable < 0)
            taxable = 0;
    }
    out.TaxableIncome = taxable;
    double taxDue = tax::totalTaxFor(lookup, taxable) - out.Rebate;
    if (taxDue < 0)
        taxDue = 0;
    out.TaxDue = annual ? taxDue : taxDue / 12;

    out.Remuneration =
        package - in.TravelAllowance + in.TravelAllowance * s.TAIncRate8020 + out.CarBenefit;
    if (s.PensionCont > 0)
        out.EmployeeFund = out.EmployeeContribution;
    if (s.EmployerPenCont > 0)
        out.EmployerFund = out.EmployerContribution;

    const double ceiling = annual ? s.UIFLimit * 12 : s.UIFLimit;
    const double uifBase = ceiling < out.Remuneration ? ceiling : out.Remuneration;
    out.EmpUIF = uifBase * s.EmployeeUIF / 100;
    out.ErUIF = uifBase * s.EmployerUIF / 100;
    out.SDL = (out.Remuneration - out.FundDeduction) * s.SkillLevy / 100;
    applyWarning(out, contributions > out.FundDeduction);

    // The Calculate steps after the computation, reading the result fields back as they hold.
    out.TaxCredits = out.MedicalCredit + out.AdditionalMedicalCredit;
    const double deduction = out.TaxDue - out.TaxCredits;
    out.TaxDeduction = deduction > 0 ? deduction : 0;
    out.NetPay = package - in.MedAidEmployee - in.OtherBenefits - out.EmployeeFund - out.EmpUIF -
                 out.TaxDeduction - in.MedAidEmployer - out.EmployerFund;
    applyOnceOff(out, in);
    out.TotalCost = package + out.EmployerFund + out.ErUIF + out.SDL + in.CarCost;
    return out;
}

} // namespace

PackageResults calculateGrossAnnual(const PackageInputs &in, const tax::SetupRecord &setup,
                                    const PackageResults &previous, tax::TaxLookup &lookup) {
    return calculate(in, setup, previous, lookup, true);
}

PackageResults calculateGrossMonthly(const PackageInputs &in, const tax::SetupRecord &setup,
                                     const PackageResults &previous, tax::TaxLookup &lookup) {
    return calculate(in, setup, previous, lookup, false);
}

} // namespace quillon::package

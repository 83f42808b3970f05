#include "package/NetToGross.h"

#include "package/PackageRules.h"
#include "taxengine/TaxRules.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace quillon::package {

namespace {

// A walk of one rand a round takes minutes past these grosses; it is only needed where the net
// pay may fall as the gross rises, which no sane setting does.
constexpr double kAnnualWalkCap = 1000000000;
constexpr double kMonthlyWalkCap = 100000000;

// Everything a round reads that does not change from round to round.
struct SearchConstants {
    double carBenefit;
    double travelAllowance;
    double travelIncluded; // TravelAllowance x TAIncRate8020
    double otherBenefits;
    double expenses;
    double medicalDeductions;
    double medAidEmployee;
    double medAidEmployer;
    double taxCredits;
    double rebate;
    double employeeFund;
    double employerFund;
    double pensionCont;
    double employerPenCont;
    double ceiling; // UIF ceiling of the window's period
    double employeeUIF;
    double employerUIF;
    double skillLevy;
};

// One round for the candidate gross; plain arithmetic and one bracket lookup.
template <bool Annual>
inline void runRound(const SearchConstants &c, double gross, PackageResults &r,
                     tax::TaxLookup &lookup) {
    const double p = gross + c.medAidEmployee + c.medAidEmployer - c.taxCredits;
    if (c.pensionCont > 0) {
        r.EmployeeFund = 0;
        r.EmployeeContribution = p * c.pensionCont / 100;
    } else {
        r.EmployeeContribution = c.employeeFund;
    }
    if (c.employerPenCont > 0) {
        r.EmployerFund = 0;
        r.EmployerContribution = p * c.employerPenCont / 100;
    } else {
        r.EmployerContribution = c.employerFund;
    }

    double taxable = c.carBenefit + gross + c.travelIncluded + c.otherBenefits + c.expenses -
                     r.EmployeeContribution - c.medicalDeductions + c.medAidEmployee -
                     c.taxCredits + c.medAidEmployer;
    if constexpr (!Annual)
        taxable = taxable * 12;
    if (taxable < 0)
        taxable = 0;
    r.TaxableIncome = taxable;
    lookup.AnnualTaxableIncome = taxable;
    tax::LookUpAnnualTax(lookup);
    double taxDue = lookup.TotalTax - c.rebate;
    if (taxDue < 0)
        taxDue = 0;
    if constexpr (!Annual)
        taxDue = taxDue / 12;
    r.TaxDue = taxDue;

    r.Remuneration = c.carBenefit + gross + c.travelIncluded + c.otherBenefits + c.expenses +
                     c.medAidEmployer + r.EmployerContribution - c.taxCredits;
    const double uifBase = c.ceiling >= r.Remuneration ? r.Remuneration : c.ceiling;
    r.EmpUIF = uifBase * c.employeeUIF / 100;
    r.ErUIF = uifBase * c.employerUIF / 100;
    r.SDL =
        (r.Remuneration - (r.EmployeeContribution + r.EmployerContribution)) * c.skillLevy / 100;
    const double paid = c.taxCredits < r.TaxDue ? r.TaxDue : c.taxCredits;
    r.NetFound =
        gross + c.travelAllowance - r.EmployeeContribution - c.medicalDeductions - r.EmpUIF - paid;
}

template <bool Annual>
std::int64_t search(const SearchConstants &c, double netRequired, double limit, PackageResults &r,
                    tax::TaxLookup &lookup) {
    double gross = 0;
    std::int64_t rounds = 0;
    while (gross < limit) {
        gross = gross + 1;
        ++rounds;
        runRound<Annual>(c, gross, r, lookup);
        if (r.NetFound > netRequired) {
            r.Gross = gross;
            return rounds;
        }
    }
    r.Gross = gross;
    return 0;
}

// The net pay of a round rises with the gross when every rand added keeps more than it costs:
// the employee's fund percentage takes pc of it, the tax at most the top marginal rate of what
// is left (kept above the table's 41% here), and the UIF eu of the remuneration, which grows by
// 1 + the employer's percentage. `Slope` is that least gain per rand.
constexpr double kMarginalRateBound = 0.45;
constexpr double kLeastGain = 0.05;

// How the net pay goes as the gross rises.
enum class Rise {
    // By at least kLeastGain a rand, with a margin that the rounding of the round's arithmetic
    // (a few dozen operations on figures of at most `magnitude`; the target is only compared
    // with) cannot eat: the test "net pay > target" then flips once, from false to true, and a
    // search that keeps an interval holding the flip finds the same first gross as a walk from 1.
    Surely,
    // So too, but with figures so large (hundreds of billions) that rounding could move the
    // flip by a rand; a walk there would take hours, so that search still serves.
    BeyondRounding,
    // It may fall: only a walk finds the first gross that exceeds.
    MayFall,
};

Rise netRisesWithGross(const SearchConstants &c, double netRequired, double limit) {
    if (!std::isfinite(netRequired))
        return Rise::MayFall;
    const double values[] = {c.carBenefit,
                             c.travelAllowance,
                             c.travelIncluded,
                             c.otherBenefits,
                             c.expenses,
                             c.medicalDeductions,
                             c.medAidEmployee,
                             c.medAidEmployer,
                             c.taxCredits,
                             c.rebate,
                             c.employeeFund,
                             c.employerFund,
                             c.pensionCont,
                             c.employerPenCont,
                             c.ceiling,
                             c.employeeUIF,
                             c.employerUIF,
                             c.skillLevy,
                             limit};
    double magnitude = 0;
    for (double v : values) {
        if (!std::isfinite(v))
            return Rise::MayFall;
        magnitude += std::fabs(v);
    }
    const double pc = c.pensionCont > 0 ? c.pensionCont : 0;
    const double employerPc = c.employerPenCont > 0 ? c.employerPenCont : 0;
    const double uif = c.employeeUIF > 0 ? c.employeeUIF : 0;
    if (pc > 100)
        return Rise::MayFall;
    const double kept = 1 - pc / 100;
    const double slope = kept * (1 - kMarginalRateBound) - uif / 100 * (1 + employerPc / 100);
    const double rounding = 64 * std::numeric_limits<double>::epsilon() * magnitude *
                            (1 + pc / 100 + employerPc / 100 + uif / 100);
    if (slope < kLeastGain)
        return Rise::MayFall;
    return rounding < kLeastGain / 4 ? Rise::Surely : Rise::BeyondRounding;
}

// The same stop as the walk, found within the whole-rand interval (0, limit]: the first gross
// whose net pay exceeds the target. The net pay runs straight between the tax brackets and the
// UIF ceiling, so a secant through the last two rounds lands on the stop once both sit on its
// stretch, in a handful of rounds where halving takes some twenty; the interval that holds the
// stop is kept throughout, and a step that fails to halve it twice running hands the next to
// halving. The last round run is the one at the gross returned (or at the limit when none
// exceeds), so `r` and the lookup hold what the walk leaves.
template <bool Annual>
std::int64_t findStop(const SearchConstants &c, double netRequired, double limit, PackageResults &r,
                      tax::TaxLookup &lookup) {
    const auto netAt = [&](std::int64_t gross) {
        runRound<Annual>(c, static_cast<double>(gross), r, lookup);
        return r.NetFound;
    };
    const auto top = static_cast<std::int64_t>(limit);
    if (top < 1) {
        r.Gross = 0;
        return 0;
    }
    double last = netAt(top);
    if (!(last > netRequired)) {
        r.Gross = limit;
        return 0;
    }
    std::int64_t below = 0; // net pay not above the target (0: below every gross looked at)
    std::int64_t above = top;
    // The secant's two points; the round at 0 only gives the first line to aim along.
    std::int64_t lastGross = top;
    std::int64_t earlierGross = 0;
    double earlier = netAt(0);
    int poorSteps = 0;
    while (above - below > 1) {
        const std::int64_t width = above - below;
        std::int64_t next = below + width / 2;
        const double aim =
            static_cast<double>(lastGross) +
            (netRequired - last) * static_cast<double>(lastGross - earlierGross) / (last - earlier);
        if (poorSteps < 2 && std::isfinite(aim))
            next = std::clamp(static_cast<std::int64_t>(std::ceil(std::clamp(
                                  aim, static_cast<double>(below), static_cast<double>(above)))),
                              below + 1, above - 1);
        else
            poorSteps = 0;
        earlierGross = lastGross;
        earlier = last;
        lastGross = next;
        last = netAt(next);
        if (last > netRequired)
            above = next;
        else
            below = next;
        poorSteps = above - below > (width + 1) / 2 ? poorSteps + 1 : 0;
    }
    runRound<Annual>(c, static_cast<double>(above), r, lookup);
    r.Gross = static_cast<double>(above);
    return above;
}

SearchConstants constantsFor(const PackageInputs &in, const tax::SetupRecord &s,
                             const PackageResults &r, bool annual) {
    return {r.CarBenefit,      in.TravelAllowance, in.TravelAllowance * s.TAIncRate8020,
            in.OtherBenefits,  in.expensesTotal(), r.MedicalDeductions,
            in.MedAidEmployee, in.MedAidEmployer,  r.TaxCredits,
            r.Rebate,          in.EmployeeFund,    in.EmployerFund,
            s.PensionCont,     s.EmployerPenCont,  annual ? s.UIFLimit * 12 : s.UIFLimit,
            s.EmployeeUIF,     s.EmployerUIF,      s.SkillLevy};
}

// The figures worked out once before the search: car benefit, rebate, credits, and the medical
// deductions cleared under 65.
void prepare(const PackageInputs &in, const tax::SetupRecord &s, bool annual, PackageResults &r) {
    r.EmployeeFund = in.EmployeeFund;
    r.EmployerFund = in.EmployerFund;
    r.Beneficiaries = in.Beneficiaries;
    r.MedicalDeductions = in.MedicalDeductions;
    r.CarBenefit = carBenefit(in.CarValue, s, annual);
    r.Rebate = tax::rebateForAge(in.Age);
    if (in.Age < 65)
        r.MedicalDeductions = 0;
    if (in.MedAidEmployer <= 0 && in.MedAidEmployee <= 0) {
        r.Beneficiaries = 0;
        r.MedicalCredit = 0;
    } else {
        r.MedicalCredit =
            annual ? annualMedicalCredit(in.Beneficiaries) : monthlyMedicalCredit(in.Beneficiaries);
    }
    r.AdditionalMedicalCredit =
        tax::additionalMedicalCredit(in.MedAidEmployer, in.MedAidEmployee, r.MedicalCredit, in.Age);
    r.TaxCredits = r.MedicalCredit + r.AdditionalMedicalCredit;
}

bool exceedsDeduction(const PackageResults &r) {
    return r.EmployeeContribution + r.EmployerContribution > r.FundDeduction;
}

PackageResults calculate(const PackageInputs &in, const tax::SetupRecord &s,
                         const PackageResults &previous, tax::TaxLookup &lookup, bool annual) {
    auto stopped = [&](Outcome outcome) {
        PackageResults out = carriedOver(previous, in, outcome);
        applyWarning(out, exceedsDeduction(out));
        return out;
    };
    if (in.Amount == 0)
        return stopped(Outcome::Skipped);
    // The annual window counts the R/Fund amounts as they stand; the monthly one leaves them out.
    const double fringe = annual ? in.TravelAllowance + in.OtherBenefits + in.expensesTotal() -
                                       in.EmployerFund + in.EmployeeFund
                                 : in.TravelAllowance + in.OtherBenefits + in.expensesTotal();
    if (fringe > in.Amount)
        return stopped(Outcome::FringeBenefitsExceed);

    PackageResults out;
    std::int64_t rounds = searchGross(in, s, annual, out, lookup);
    if (rounds == 0)
        return stopped(out.Gross >= kLargestGross ? Outcome::NetBeyondLargestGross
                                                  : Outcome::NoGrossFound);

    // The deduction only serves the warning; the search deducted the employee's contribution.
    const double contributions = out.EmployeeContribution + out.EmployerContribution;
    out.FundDeduction =
        fundDeduction(contributions,
                      out.Gross + in.MedAidEmployer + in.MedAidEmployee +
                          in.TravelAllowance * s.TAIncRate8020 + out.EmployerContribution,
                      annual);
    if (s.PensionCont > 0)
        out.EmployeeFund = out.EmployeeContribution;
    if (s.EmployerPenCont > 0)
        out.EmployerFund = out.EmployerContribution;

    // The Calculate steps after the computation, reading the result fields back as they hold.
    const double deduction = out.TaxDue - out.TaxCredits;
    out.TaxDeduction = deduction > 0 ? deduction : 0;
    out.GrossSalary = in.Amount + out.MedicalDeductions + out.EmpUIF + out.TaxDeduction +
                      in.expensesTotal() + out.EmployeeFund + in.MedAidEmployee;
    applyOnceOff(out, in);
    out.TotalCost =
        out.GrossSalary + in.MedAidEmployer + out.ErUIF + out.SDL + in.CarCost + out.EmployerFund;
    applyWarning(out, exceedsDeduction(out));
    return out;
}

} // namespace

double searchLimit(const PackageInputs &in, const tax::SetupRecord &s, bool annual) {
    const double ceiling = annual ? s.UIFLimit * 12 : s.UIFLimit;
    const double k = std::fabs(in.TravelAllowance) * (1 + std::fabs(s.TAIncRate8020)) +
                     std::fabs(in.OtherBenefits) + std::fabs(in.expensesTotal()) +
                     std::fabs(in.MedicalDeductions) + std::fabs(in.EmployeeFund) +
                     std::fabs(in.EmployerFund) + std::fabs(in.MedAidEmployee) +
                     std::fabs(in.MedAidEmployer) + std::fabs(carBenefit(in.CarValue, s, annual)) +
                     std::fabs(annual ? annualMedicalCredit(in.Beneficiaries)
                                      : monthlyMedicalCredit(in.Beneficiaries)) *
                         2 +
                     std::fabs(in.MedAidEmployee + in.MedAidEmployer) * 0.333 +
                     std::fabs(ceiling * s.EmployeeUIF / 100);
    const double limit = 3 * std::fabs(in.Amount) + 6 * k + 1000;
    return std::isfinite(limit) && limit < kLargestGross ? std::floor(limit) : kLargestGross;
}

std::int64_t searchGross(const PackageInputs &in, const tax::SetupRecord &setup, bool annual,
                         PackageResults &out, tax::TaxLookup &lookup) {
    prepare(in, setup, annual, out);
    const SearchConstants c = constantsFor(in, setup, out, annual);
    const double limit = searchLimit(in, setup, annual);
    // Settings under which the net pay could fall as the gross rises keep the walk.
    if (netRisesWithGross(c, in.Amount, limit) == Rise::MayFall) {
        const double walked = std::min(limit, annual ? kAnnualWalkCap : kMonthlyWalkCap);
        return annual ? search<true>(c, in.Amount, walked, out, lookup)
                      : search<false>(c, in.Amount, walked, out, lookup);
    }
    return annual ? findStop<true>(c, in.Amount, limit, out, lookup)
                  : findStop<false>(c, in.Amount, limit, out, lookup);
}

std::int64_t walkGross(const PackageInputs &in, const tax::SetupRecord &setup, bool annual,
                       PackageResults &out, tax::TaxLookup &lookup) {
    prepare(in, setup, annual, out);
    const SearchConstants c = constantsFor(in, setup, out, annual);
    const double limit = searchLimit(in, setup, annual);
    return annual ? search<true>(c, in.Amount, limit, out, lookup)
                  : search<false>(c, in.Amount, limit, out, lookup);
}

PackageResults roundAt(const PackageInputs &in, const tax::SetupRecord &setup, bool annual,
                       double gross, tax::TaxLookup &lookup) {
    PackageResults out;
    prepare(in, setup, annual, out);
    const SearchConstants c = constantsFor(in, setup, out, annual);
    if (annual)
        runRound<true>(c, gross, out, lookup);
    else
        runRound<false>(c, gross, out, lookup);
    out.Gross = gross;
    return out;
}

PackageResults calculateNetAnnual(const PackageInputs &in, const tax::SetupRecord &setup,
                                  const PackageResults &previous, tax::TaxLookup &lookup) {
    return calculate(in, setup, previous, lookup, true);
}

PackageResults calculateNetMonthly(const PackageInputs &in, const tax::SetupRecord &setup,
                                   const PackageResults &previous, tax::TaxLookup &lookup) {
    return calculate(in, setup, previous, lookup, false);
}

} // namespace quillon::package

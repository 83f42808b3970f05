#include "paye/QuickTaxCalc.h"

#include "taxengine/TaxRules.h"

#include <cmath>

namespace quillon::paye {

using namespace quillon::tax;

double quickTaxRebates(std::int16_t age) {
    double rebates = PrimaryRebate;
    if (age > 74)
        rebates += SecondaryPlusTertiaryRebate;
    else if (age > 64)
        rebates += SecondaryRebate;
    return std::floor(rebates);
}

QuickTaxResults calculateQuickTax(QuickTaxMemory &memory, TaxLookup &lookup) {
    QuickTaxResults out;
    memory.lastIncome = lookup.AnnualTaxableIncome;
    out.income = memory.lastIncome;
    out.age = memory.age;
    out.rebates = quickTaxRebates(memory.age);
    LookUpAnnualTax(lookup);

    // A total tax above 0 means an income above 0, so the divisions are safe.
    const bool taxed = lookup.TotalTax > 0;
    out.averageRateBefore = taxed ? lookup.TotalTax / out.income * 100 : lookup.MarginalRate;
    out.totalTax = lookup.TotalTax;
    out.taxCommitment = out.totalTax - out.rebates;
    if (out.taxCommitment < 0)
        out.taxCommitment = 0;
    out.averageRateAfter = taxed ? (lookup.TotalTax - out.rebates) / out.income * 100 : 0;
    if (out.averageRateAfter < 0)
        out.averageRateAfter = 0;

    out.baseTax = lookup.BaseTax;
    out.marginalRate = lookup.MarginalRate;
    out.taxOnExcess = lookup.TaxOnExcess;
    out.monthlyCommitment = out.taxCommitment / 12;
    return out;
}

} // namespace quillon::paye

#pragma once

#include "paye/QuickTaxMemory.h"
#include "taxengine/TaxLookup.h"

namespace quillon::paye {

// The breakdown QuickTax shows for one annual taxable income, fields 0 to 9 of its window.
struct QuickTaxResults {
    double income = 0;            // 0: the shared lookup's AnnualTaxableIncome
    std::int16_t age = 0;         // 1
    double baseTax = 0;           // 2: tax on taxable income
    double marginalRate = 0;      // 3: percent
    double taxOnExcess = 0;       // 4: portion at the marginal rate
    double totalTax = 0;          // 5
    double rebates = 0;           // 6
    double taxCommitment = 0;     // 7: never below 0
    double averageRateBefore = 0; // 8: percent
    double averageRateAfter = 0;  // 9: percent, never below 0
    double monthlyCommitment = 0; // printed only: tax commitment / 12
};

// Rebates by QuickTax's own rule: 13500, plus 9873 above 74 or 7407 above 64, cut to whole rand.
double quickTaxRebates(std::int16_t age);

// Works on the shared lookup as it stands: takes its income (the last one any window looked
// up, or one typed into QuickTax), remembers it in `memory` and runs the lookup again.
QuickTaxResults calculateQuickTax(QuickTaxMemory &memory, tax::TaxLookup &lookup);

} // namespace quillon::paye

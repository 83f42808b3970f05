#pragma once

#include <cstdint>

namespace quillon::paye {

// What QuickTax keeps for the whole run, across openings of its window. "Initialise All" does
// not reset it, so no reset is registered for it; the income is taken again from the shared
// tax lookup on every calculation.
struct QuickTaxMemory {
    static constexpr bool kKeptOnInitialiseAll = true;
    std::int16_t age = 0;
    double lastIncome = 0; // the income last calculated, printed as the taxable income
};

} // namespace quillon::paye

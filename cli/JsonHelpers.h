#pragma once

#include "taxengine/TaxLookup.h"

#include "cli/JsonOutput.h"

namespace quillon::cli {

// The shared tax lookup record as the sub-commands print it.
inline JsonObject lookupJson(const tax::TaxLookup &l) {
    return JsonObject{{"annualTaxableIncome", l.AnnualTaxableIncome},
                      {"marginalRate", l.MarginalRate},
                      {"bracketFloor", l.BracketFloor},
                      {"bracketCeiling", l.BracketCeiling},
                      {"baseTax", l.BaseTax},
                      {"taxOnExcess", l.TaxOnExcess},
                      {"totalTax", l.TotalTax}};
}

inline constexpr const char *kLookupKey = "lookup";

} // namespace quillon::cli

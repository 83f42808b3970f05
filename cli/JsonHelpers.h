#pragma once

#include "taxengine/TaxLookup.h"

#include "cli/JsonOutput.h"

namespace quillon::cli {

// The shared tax lookup record as the sub-commands print it.
inline JsonObject lookupJson(const tax::TaxLookup &l) {
    JsonObject o;
    o.addNumber("annualTaxableIncome", l.AnnualTaxableIncome)
        .addNumber("marginalRate", l.MarginalRate)
        .addNumber("bracketFloor", l.BracketFloor)
        .addNumber("bracketCeiling", l.BracketCeiling)
        .addNumber("baseTax", l.BaseTax)
        .addNumber("taxOnExcess", l.TaxOnExcess)
        .addNumber("totalTax", l.TotalTax);
    return o;
}

inline constexpr const char *kLookupKey = "lookup";

} // namespace quillon::cli

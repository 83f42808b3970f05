#pragma once

namespace quillon::tax {

// The one bracket-lookup record the whole program shares. Every tax calculator stores an
// annual taxable income here and reads back the tax of its bracket; QuickTax shows whatever
// the last lookup left behind, so the record is owned by the program and passed around.
struct TaxLookup {
    double AnnualTaxableIncome = 0;
    double MarginalRate = 0;
    double BracketFloor = 0;
    double BracketCeiling = 0;
    double BaseTax = 0;
    double TaxOnExcess = 0;
    double TotalTax = 0;
};

// Fills every field of the record from its AnnualTaxableIncome with the 2017 income-tax table.
// Rounds nothing; a negative income gives a negative tax (18% of it).
void LookUpAnnualTax(TaxLookup &lookup);

// Stores the income, runs the lookup and returns TotalTax.
double totalTaxFor(TaxLookup &lookup, double annualTaxableIncome);

} // namespace quillon::tax

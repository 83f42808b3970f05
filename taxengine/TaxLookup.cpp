#include "taxengine/TaxLookup.h"

#include <array>

namespace quillon::tax {

namespace {

struct Bracket {
    double floor;
    double ceiling;
    double baseTax;
    double rate;
};

// 2017 tax year (1 March 2016 to 28 February 2017), annual rand.
constexpr std::array<Bracket, 6> kBrackets{{
    {0, 188000, 0, 18},
    {188000, 293600, 33840, 26},
    {293600, 406400, 61296, 31},
    {406400, 550100, 96264, 36},
    {550100, 701300, 147996, 39},
    {701300, 9999999999.0, 206964, 41},
}};

} // namespace

void LookUpAnnualTax(TaxLookup &lookup) {
    const double income = lookup.AnnualTaxableIncome;
    const Bracket *row = &kBrackets.front();
    if (income > row->ceiling) {
        // Incomes beyond the last stored bound stay in the top bracket rather than
        // leaving the record with the previous lookup's figures.
        row = &kBrackets.back();
        for (const Bracket &b : kBrackets) {
            if (b.ceiling >= income) {
                row = &b;
                break;
            }
        }
    }
    lookup.MarginalRate = row->rate;
    lookup.BracketFloor = row->floor;
    lookup.BracketCeiling = row->ceiling;
    lookup.BaseTax = row->baseTax;
    if (row == &kBrackets.front())
        lookup.TaxOnExcess = income * 18 / 100;
    else
        lookup.TaxOnExcess = (income - row->floor) * row->rate / 100;
    lookup.TotalTax = lookup.BaseTax + lookup.TaxOnExcess;
}

double totalTaxFor(TaxLookup &lookup, double annualTaxableIncome) {
    lookup.AnnualTaxableIncome = annualTaxableIncome;
    LookUpAnnualTax(lookup);
    return lookup.TotalTax;
}

} // namespace quillon::tax

#pragma once

#include "paye/PayFigures.h"
#include "taxengine/TaxLookup.h"

namespace quillon::paye {

// The weekly and the fortnightly windows are one calculator with a different period.
enum class WeekPeriod { Week, Fortnight };

// The work days a period counts when its window opens: 7 for a week, 14 for a fortnight.
std::int16_t openingDays(WeekPeriod period);

tax::PayPeriod payPeriod(WeekPeriod period);

// What the weekly or fortnightly window types in: amounts for the period and its day counts.
struct WeeklyInputs : PayInputs {
    WeekPeriod period = WeekPeriod::Week;
    std::int16_t normalDays = 7; // silgEdit21: work days of a normal period
    std::int16_t thisDays = 7;   // silgEdit22: work days of this period
};

// A fresh set of inputs with the period's opening day counts.
WeeklyInputs openingWeeklyInputs(WeekPeriod period);

struct WeeklyResults : PayResults {};

// This period's days not more than the normal days, both counts at least 1 (they are
// divisors), and a beneficiary count the credit can be computed for.
InputCheck weeklyInputCheck(const WeeklyInputs &in);

// The weekly or fortnightly PAYE (gross method), UIF and skills levy. Refused inputs leave the
// lookup untouched. Two lookups, the one without the bonus last.
WeeklyResults calculateWeekly(const WeeklyInputs &in, tax::TaxLookup &lookup);

} // namespace quillon::paye

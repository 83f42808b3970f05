#pragma once

#include "paye/PayFigures.h"
#include "taxengine/TaxLookup.h"

namespace quillon::paye {

// What the daily window types in: one day's amounts. A day is 1/260 of a year.
struct DailyInputs : PayInputs {};

struct DailyResults : PayResults {};

// Only the beneficiary count can be refused: the daily credit's 16-bit products hold up to 16.
InputCheck dailyInputCheck(const DailyInputs &in);

// The daily PAYE (gross method), UIF and skills levy. Refused inputs leave the lookup untouched.
// Two lookups, the one without the bonus last.
DailyResults calculateDaily(const DailyInputs &in, tax::TaxLookup &lookup);

} // namespace quillon::paye

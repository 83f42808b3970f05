#pragma once

#include "paye/PayFigures.h"
#include "taxengine/TaxLookup.h"

#include <QDate>

namespace quillon::paye {

// What the monthly window types in: amounts for one month, and a period within one month.
struct MonthlyInputs : PayInputs {
    QDate startDate{2016, 3, 1};
    QDate endDate{2016, 3, 31};
};

struct MonthlyResults : PayResults {
    qint64 days = 0;               // end - start + 1
    int daysInMonth = 0;           // of the start date's month
    double taxableTravel = 0;      // allowance x inclusion rate, printed unrounded
    double taxableTravelShown = 0; // numMTAAns: the same, whole rand, halves to even
};

// 31, 30, or 28 for February (the tax year's February has 28 days).
int daysInMonth(int month);

// The date checks of the monthly window, in the order it makes them: each date within the tax
// year, both dates in one month, the start not after the end; then the beneficiary count.
InputCheck monthlyInputCheck(const MonthlyInputs &in);

// The monthly PAYE, UIF and skills levy. Refused inputs leave the lookup untouched and return
// only the check. Two lookups, the one without the bonus last.
MonthlyResults calculateMonthly(const MonthlyInputs &in, tax::TaxLookup &lookup);

} // namespace quillon::paye

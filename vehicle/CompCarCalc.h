#pragma once

#include "vehicle/CompCarList.h"

namespace quillon::vehicle {

// The figures the window shows for the vehicle on screen after a screen pass. The three inputs
// a pass may change (total and business distance, the code 3802 share) come back too.
struct CompCarShown {
    std::int16_t CCMonths = 0;
    double TotalDistance = 0;
    double BusDistance = 0;
    double FB3802ThisCar = 0;
    double PrivateDistance = 0; // TotalDistance - BusDistance
    double TrueInclusion = 0;
    double FuelComponent = 0;
    double Arr_FuelClaim = 0;
    double TotAddExpense = 0;
    double FuelExp = 0;
    double AdjustTaxableInc = 0;
    double SARSDeductionClaim = 0;
    double IRP53802 = 0;
    double MonFB80 = 0;
    double MonFB20 = 0;
    double FortFB80 = 0;
    double FortFB20 = 0;
    double WeekFB80 = 0;
    double WeekFB20 = 0;
};

struct CompCarScreen {
    CompCarShown current;
    double TotAdjustTaxableInc = 0;     // "Total Adjustment to taxable income"
    double TotAdjustTaxableIncSARS = 0; // its "(SARS's claim awarded against taxable income)"
    // The vehicle on screen has neither a distance nor a price: nothing was computed.
    bool blank = false;
};

// The figures a vehicle's record gives the screen.
CompCarShown shownOf(const CompCarRecord &car);

// The screen pass over the whole list: every vehicle's results, then the figures of the vehicle
// on screen and the two list totals. Each step is guarded on its own: a division by a total
// distance of 0, or a result that is not a finite number or does not fit its field, skips that
// step and leaves its target as it was. The pass never fails.
CompCarScreen CompCarCalc(CompCarList &list);

// The print pass: the same per-vehicle rules, a blank vehicle skipped on its own, the code 3802
// and periodic amounts of the last screen pass left in place.
void PrintCalc(CompCarList &list);

} // namespace quillon::vehicle

#pragma once

#include "vehicle/CarAllData.h"

namespace quillon::vehicle {

struct DistanceSplit {
    double BusinessKm = 0;
    double PrivateKm = 0;
};

// Splits the distance of a period into business and private kilometres. An entered business
// distance always wins; otherwise 18 000 km a year are deemed private and at most 14 000 km a
// year business, in proportion to the days of the period.
DistanceSplit CarAllSplitDistance(double periodDays, double totalKm, double businessKmEntered);

// The deemed-cost method: scale costs turned into cents per km and applied to the business
// distance. Fills TotalKm, BusinessKm, PrivateKm, FixedCost, the four rates and DeductionClaim.
void CarAllDeemedCalc(CarAllData &data);

// The actual-cost method: recorded costs apportioned by business over total distance, or less a
// private-use value when no distance is given at all. Fills TotalCosts, TotalKm, BusinessKm,
// PrivateKm, PrivateUse and DeductionClaim.
void CarAllActualCalc(CarAllData &data);

// The ceiling of a claim when no allowance was entered.
inline constexpr double kNoAllowanceClaimCap = 9999999.97;

} // namespace quillon::vehicle

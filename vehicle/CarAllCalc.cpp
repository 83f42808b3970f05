#include "vehicle/CarAllCalc.h"

#include "taxengine/TaxRules.h"
#include "vehicle/DeemedCostScale.h"

#include <cmath>

namespace quillon::vehicle {

namespace {

// Int(x x 100) / 100: cut to two decimals towards minus infinity.
double truncateCents(double value) {
    return std::floor(value * 100) / 100;
}

// Private distance deemed at 18 000 km a year, business the rest (never below 0).
DistanceSplit deemedPrivateSplit(double d, double t) {
    const double p = truncateCents(18000 * d / 365);
    if (p > t)
        return {0, t};
    return {t - p, p};
}

// The allowance caps the claim; with no allowance a ceiling of 9 999 999.97 applies.
double capClaim(double claim, double allowance) {
    const double cap = allowance == 0 ? kNoAllowanceClaimCap : allowance;
    return claim > cap ? cap : claim;
}

void splitInto(CarAllData &data) {
    data.TotalKm = data.CloseKm - data.OpenKm;
    const DistanceSplit split =
        CarAllSplitDistance(data.PeriodDays, data.TotalKm, data.BusinessKmEntered);
    data.BusinessKm = split.BusinessKm;
    data.PrivateKm = split.PrivateKm;
}

} // namespace

DistanceSplit CarAllSplitDistance(double periodDays, double totalKm, double businessKmEntered) {
    const double d = periodDays;
    const double t = totalKm;
    if (businessKmEntered > 0)
        return {businessKmEntered, t - businessKmEntered};
    if (d < 365 && t < 32001) {
        // Part of a year: the business figure is the one cut to cents.
        const double x = 32000 * d / 365;
        if (t > x) {
            const double business = truncateCents(x - 18000 * d / 365);
            return {business, t - business};
        }
        return deemedPrivateSplit(d, t);
    }
    if (t > 32000) {
        const double business = 14000 * d / 365;
        return {business, truncateCents(t - business)};
    }
    return deemedPrivateSplit(d, t);
}

void CarAllDeemedCalc(CarAllData &data) {
    splitInto(data);
    const DeemedCostRow &row = CarAllScale(data.VehicleValue);
    data.FixedCost = row.fixedCost;
    const double fuel = data.FuelIncluded == 0 ? 0 : row.fuel;
    const double maintenance = data.MaintenanceIncluded == 0 ? 0 : row.maintenance;

    double perKm = data.TotalKm >= 1 ? data.FixedCost / data.TotalKm : 0;
    if (data.PeriodDays > 0 && data.PeriodDays < 365)
        perKm = perKm * data.PeriodDays / 365;
    perKm = std::floor(perKm * 1000000) / 1000000; // six decimals of a rand; fuel and
                                                   // maintenance are not cut
    data.FixedCentsPerKm = perKm * 100;
    data.FuelCentsPerKm = fuel * 100;
    data.MaintenanceCentsPerKm = maintenance * 100;

    const double rate = data.FixedCentsPerKm + data.FuelCentsPerKm + data.MaintenanceCentsPerKm;
    const double claim = data.BusinessKm * rate / 100; // the unrounded rate
    data.TotalCentsPerKm = tax::roundHalfEven(rate * 10) / 10;
    data.DeductionClaim = capClaim(claim, data.AllowanceReceived);
}

void CarAllActualCalc(CarAllData &data) {
    data.TotalCosts = data.FuelOil + data.RepairsMaintenance + data.InsuranceLicence +
                      data.OtherExpenses + data.WearAndTear + data.LeasePayments;
    splitInto(data);

    if (data.CloseKm == 0 && data.OpenKm == 0 && data.BusinessKmEntered == 0) {
        // No distance at all: 2.5 % of the value a month is private use, less the fuel and
        // maintenance parts when those are included.
        const double value = data.VehicleValue;
        const double d = data.PeriodDays;
        double p = value * 0.025 * 12 * d / 365;
        if (value > 0) {
            if (data.FuelIncluded != 0)
                p = p - 0.0022 * value * d / 365 * 12;
            if (data.MaintenanceIncluded != 0)
                p = p - 0.0018 * value * d / 365 * 12;
        }
        data.PrivateUse = p > data.TotalCosts ? 0 : p;
        double claim = data.TotalCosts - p;
        if (claim < 0)
            claim = 0;
        if (data.AllowanceReceived != 0 && claim > data.AllowanceReceived)
            claim = data.AllowanceReceived;
        data.DeductionClaim = claim;
        return;
    }

    const double claim =
        data.CloseKm - data.OpenKm > 1 ? data.TotalCosts * data.BusinessKm / data.TotalKm : 0;
    data.PrivateUse = data.TotalCosts - claim; // before the cap
    data.DeductionClaim = capClaim(claim, data.AllowanceReceived);
}

} // namespace quillon::vehicle

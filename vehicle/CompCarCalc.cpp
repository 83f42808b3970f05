#include "vehicle/CompCarCalc.h"

#include "taxengine/TaxRules.h"
#include "vehicle/DeemedCostScale.h"

#include <cmath>
#include <limits>
#include <optional>

namespace quillon::vehicle {

namespace {

enum class Pass { Screen, Print };

using tax::roundHalfEven;

// A step's result goes into its target only when it is a finite number.
void set(double &target, double value) {
    if (std::isfinite(value))
        target = value;
}

double daysOfUse(const CompCarRecord &car) {
    return static_cast<double>(car.CCEndDate) - static_cast<double>(car.CCStartDate) + 1;
}

void clearResults(CompCarRecord &car, Pass pass) {
    car.CCMonths = 0;
    car.PrivateDistance = 0;
    car.TrueInclusion = 0;
    car.Arr_FuelClaim = 0;
    car.TotAddExpense = 0;
    car.FuelExp = 0;
    if (pass == Pass::Print)
        return; // the print pass keeps the code 3802 and periodic amounts of the screen
    car.SARSDeductionClaim = 0;
    car.IRP53802 = 0;
    car.MonFB80 = 0;
    car.MonFB20 = 0;
    car.FortFB80 = 0;
    car.FortFB20 = 0;
    car.WeekFB80 = 0;
    car.WeekFB20 = 0;
}

// Steps 1 and 2: days of use and the distance from the odometer.
void daysAndDistance(CompCarRecord &car) {
    const double days = roundHalfEven(daysOfUse(car));
    if (std::isfinite(days) && days >= std::numeric_limits<std::int16_t>::min() &&
        days <= std::numeric_limits<std::int16_t>::max())
        car.CCMonths = static_cast<std::int16_t>(days);
    if (car.EndMileage > 0)
        set(car.TotalDistance, car.EndMileage - car.StartMileage);
}

bool isBlank(const CompCarRecord &car) {
    return car.TotalDistance == 0 && car.CCPrice == 0;
}

// The rules of one vehicle after the blank test.
void computeVehicle(CompCarRecord &car, const CompCarList &list, double totalDays, Pass pass) {
    if (car.BusDistance > car.TotalDistance)
        car.BusDistance = car.TotalDistance;
    set(car.PrivateDistance, car.TotalDistance - car.BusDistance);

    if (list.AutoCalc3802 == 1) {
        if (car.TotalDistance != 0 || car.CCPrice != 0) {
            if (totalDays != 0)
                set(car.FB3802ThisCar, car.CCMonths / totalDays * list.Actual3802);
        } else {
            car.FB3802ThisCar = 0;
        }
    }

    // The private share divides by the total distance: every step that needs it is skipped
    // when that is 0.
    std::optional<double> share;
    if (car.TotalDistance != 0)
        share = car.PrivateDistance / car.TotalDistance;

    const double r = car.MaintIncluded == 0 ? 0.035 : 0.0325;
    const double inclusion = car.CCPrice * r * 12 / 365 * car.CCMonths;
    if (car.BussMilage != 0) {
        if (share)
            set(car.TrueInclusion, roundHalfEven(inclusion * *share));
    } else {
        set(car.TrueInclusion, roundHalfEven(inclusion));
    }

    if (car.SARSTable != 0) {
        const double f = pass == Pass::Screen ? FUEL_COMPONENT_TABLE(car.CCPrice)
                                              : PRINT_FUEL_COMPONENT_TABLE(car.CCPrice);
        set(car.FuelComponent, roundHalfEven(car.TotalDistance * f));
        if (share)
            set(car.Arr_FuelClaim,
                roundHalfEven((car.FuelComponent - car.FuelReimbEmployer) * *share));
    } else {
        car.FuelComponent = 0;
        if (share)
            set(car.Arr_FuelClaim,
                roundHalfEven((car.ActualExpEmployee - car.FuelReimbEmployer) * *share));
    }

    if (share)
        set(car.TotAddExpense,
            roundHalfEven((car.EmpPaidInsurance + car.EmpPaidLicence + car.EmpPaidMaintenance) *
                          *share));

    if (car.BusDistance > 0)
        set(car.FuelExp, roundHalfEven(car.Arr_FuelClaim + car.TotAddExpense));
    else
        car.FuelExp = 0;

    // The floor at -Actual3802 belongs to the step: an adjustment that overflowed is skipped,
    // not floored.
    double adjust = roundHalfEven(car.TrueInclusion - car.FuelExp - car.FB3802ThisCar);
    if (std::isfinite(adjust)) {
        if (adjust < -list.Actual3802)
            adjust = -list.Actual3802;
        set(car.AdjustTaxableInc, adjust);
    }

    if (car.BusDistance > 0 && car.TotalDistance > 0 && car.BussMilage != 0)
        set(car.SARSDeductionClaim,
            -(car.BusDistance / car.TotalDistance * car.FB3802ThisCar + car.FuelExp));
    else
        car.SARSDeductionClaim = 0;

    if (pass == Pass::Print)
        return;
    set(car.IRP53802, roundHalfEven(car.CCPrice * r * 12 * (car.CCMonths / 365.0)));
    set(car.MonFB80, roundHalfEven(car.CCPrice * r * 0.8));
    set(car.MonFB20, roundHalfEven(car.CCPrice * r * 0.2));
    // Fortnightly and weekly: rounded first, then split, so they may carry decimals.
    set(car.FortFB80, roundHalfEven(car.CCPrice * r * 12 / 26) * 0.8);
    set(car.FortFB20, roundHalfEven(car.CCPrice * r * 12 / 26) * 0.2);
    set(car.WeekFB80, roundHalfEven(car.CCPrice * r * 12 / 52) * 0.8);
    set(car.WeekFB20, roundHalfEven(car.CCPrice * r * 12 / 52) * 0.2);
}

double totalDaysOfUse(const CompCarList &list) {
    double sum = 0;
    for (int j = 1; j <= list.CMVMaxNum; ++j)
        sum += daysOfUse(list.car(j));
    return sum;
}

void formTotals(const CompCarList &list, CompCarScreen &screen) {
    for (int i = 1; i <= list.CMVMaxNum; ++i) {
        screen.TotAdjustTaxableInc += list.car(i).AdjustTaxableInc;
        screen.TotAdjustTaxableIncSARS += list.car(i).SARSDeductionClaim;
    }
}

} // namespace

CompCarShown shownOf(const CompCarRecord &car) {
    CompCarShown s;
    s.CCMonths = car.CCMonths;
    s.TotalDistance = car.TotalDistance;
    s.BusDistance = car.BusDistance;
    s.FB3802ThisCar = car.FB3802ThisCar;
    s.PrivateDistance = car.TotalDistance - car.BusDistance;
    s.TrueInclusion = car.TrueInclusion;
    s.FuelComponent = car.FuelComponent;
    s.Arr_FuelClaim = car.Arr_FuelClaim;
    s.TotAddExpense = car.TotAddExpense;
    s.FuelExp = car.FuelExp;
    s.AdjustTaxableInc = car.AdjustTaxableInc;
    s.SARSDeductionClaim = car.SARSDeductionClaim;
    s.IRP53802 = car.IRP53802;
    s.MonFB80 = car.MonFB80;
    s.MonFB20 = car.MonFB20;
    s.FortFB80 = car.FortFB80;
    s.FortFB20 = car.FortFB20;
    s.WeekFB80 = car.WeekFB80;
    s.WeekFB20 = car.WeekFB20;
    return s;
}

CompCarScreen CompCarCalc(CompCarList &list) {
    list.normalise();
    CompCarScreen screen;
    for (int i = 1; i <= list.CMVMaxNum; ++i)
        clearResults(list.car(i), Pass::Screen);
    const double totalDays = totalDaysOfUse(list);

    for (int i = 1; i <= list.CMVMaxNum; ++i) {
        CompCarRecord &car = list.car(i);
        daysAndDistance(car);
        // The test looks at the vehicle on screen, so it decides at the first vehicle.
        if (isBlank(list.current())) {
            CompCarRecord &cur = list.current();
            cur.TotalDistance = 0;
            cur.BusDistance = 0;
            cur.FB3802ThisCar = 0;
            formTotals(list, screen);
            screen.blank = true; // every figure on screen is 0
            return screen;
        }
        computeVehicle(car, list, totalDays, Pass::Screen);
    }

    CompCarRecord &cur = list.current();
    if (cur.CCPrice == 0)
        cur.AdjustTaxableInc = cur.SARSDeductionClaim;
    formTotals(list, screen);
    screen.current = shownOf(cur);
    return screen;
}

void PrintCalc(CompCarList &list) {
    list.normalise();
    for (int i = 1; i <= list.CMVMaxNum; ++i)
        clearResults(list.car(i), Pass::Print);
    const double totalDays = totalDaysOfUse(list);

    for (int i = 1; i <= list.CMVMaxNum; ++i) {
        CompCarRecord &car = list.car(i);
        daysAndDistance(car);
        if (isBlank(car))
            continue;
        computeVehicle(car, list, totalDays, Pass::Print);
    }
}

} // namespace quillon::vehicle

#include "vehicle/CompCarCalc.h"
#include "vehicle/CompCarListOps.h"

#include <gtest/gtest.h>

#include <QDate>

#include <limits>

using namespace quillon::vehicle;

namespace {

DayNumber day(int y, int m, int d) {
    return QDate(y, m, d).toJulianDay();
}

// Price 300 000, no plan, the whole year, 30 000 km of which 12 000 business, log book kept.
CompCarRecord firstWorkedCar() {
    CompCarRecord c;
    c.CCRegNumber = QStringLiteral("CA 1");
    c.CCPrice = 300000;
    c.StartMileage = 10000;
    c.EndMileage = 40000;
    c.BusDistance = 12000;
    c.BussMilage = 1;
    c.ActualExpEmployee = 20000;
    c.FuelReimbEmployer = 5000;
    c.EmpPaidInsurance = 6000;
    c.EmpPaidLicence = 1000;
    return c;
}

// Price 250 000 with a plan, 01/06/2016 to 28/02/2017, 20 000 km of which 8 000 business,
// log book kept, the fuel table.
CompCarRecord secondWorkedCar() {
    CompCarRecord c;
    c.CCRegNumber = QStringLiteral("CA 2");
    c.CCPrice = 250000;
    c.MaintIncluded = 1;
    c.CCStartDate = day(2016, 6, 1);
    c.StartMileage = 5000;
    c.EndMileage = 25000;
    c.BusDistance = 8000;
    c.BussMilage = 1;
    c.SARSTable = 1;
    return c;
}

CompCarList listOf(std::vector<CompCarRecord> cars, double actual3802 = 0) {
    CompCarList list;
    for (auto &c : cars)
        list.Cars.push_back(std::move(c));
    list.CMVMaxNum = static_cast<std::int16_t>(list.Cars.size() - 1);
    list.CurrentCar = 1;
    list.Actual3802 = actual3802;
    return list;
}

struct Expected {
    double privateDistance, trueInclusion, fuelComponent, fuelClaim, addExpense, fuelExp, adjust,
        sars, irp5, mon80, mon20, fort80, fort20, week80, week20;
};

void expectShown(const CompCarShown &s, const Expected &e) {
    EXPECT_EQ(s.PrivateDistance, e.privateDistance);
    EXPECT_EQ(s.TrueInclusion, e.trueInclusion);
    EXPECT_EQ(s.FuelComponent, e.fuelComponent);
    EXPECT_EQ(s.Arr_FuelClaim, e.fuelClaim);
    EXPECT_EQ(s.TotAddExpense, e.addExpense);
    EXPECT_EQ(s.FuelExp, e.fuelExp);
    EXPECT_EQ(s.AdjustTaxableInc, e.adjust);
    EXPECT_NEAR(s.SARSDeductionClaim, e.sars, 1e-9);
    EXPECT_EQ(s.IRP53802, e.irp5);
    EXPECT_EQ(s.MonFB80, e.mon80);
    EXPECT_EQ(s.MonFB20, e.mon20);
    EXPECT_NEAR(s.FortFB80, e.fort80, 1e-9);
    EXPECT_NEAR(s.FortFB20, e.fort20, 1e-9);
    EXPECT_NEAR(s.WeekFB80, e.week80, 1e-9);
    EXPECT_NEAR(s.WeekFB20, e.week20, 1e-9);
}

TEST(CompCarCalc, WorkedVehicles) {
    struct Row {
        const char *name;
        CompCarRecord car;
        double actual3802;
        std::int16_t days;
        Expected e;
    };
    CompCarRecord noLogBook = secondWorkedCar();
    noLogBook.BussMilage = 0;
    const Row rows[] = {
        {"whole year, log book, actual fuel",
         firstWorkedCar(),
         126000,
         365,
         {18000, 75600, 0, 9000, 4200, 13200, -63600, -63600, 126000, 8400, 2100, 3876.8, 969.2,
          1938.4, 484.6}},
        {"part year, plan, fuel table, no code 3802",
         secondWorkedCar(),
         0,
         273,
         {12000, 43755, 21500, 12900, 0, 12900, 30855, -12900, 72925, 6500, 1625, 3000, 750, 1500,
          375}},
        {"the same without a log book",
         noLogBook,
         60000,
         273,
         {12000, 72925, 21500, 12900, 0, 12900, 25, 0, 72925, 6500, 1625, 3000, 750, 1500, 375}},
    };
    for (const Row &r : rows) {
        SCOPED_TRACE(r.name);
        CompCarList list = listOf({r.car}, r.actual3802);
        // One vehicle: Calculate gives it the whole code 3802 total.
        const CompCarScreen s = calculateCompanyCars(list);
        EXPECT_EQ(list.car(1).FB3802ThisCar, r.actual3802);
        EXPECT_EQ(s.current.CCMonths, r.days);
        EXPECT_FALSE(s.blank);
        expectShown(s.current, r.e);
        EXPECT_EQ(s.TotAdjustTaxableInc, r.e.adjust);
        EXPECT_NEAR(s.TotAdjustTaxableIncSARS, r.e.sars, 1e-9);
    }
}

TEST(CompCarCalc, DistanceRules) {
    struct Row {
        const char *name;
        double business;
        double fb3802, actual3802;
        double expectBusiness, trueInclusion, fuelExp, adjust, sars;
    };
    const Row rows[] = {
        {"business above total is cut back", 45000, 0, 0, 30000, 0, 0, 0, 0},
        {"no business distance: no fuel and expenses", 0, 0, 0, 0, 126000, 0, 126000, 0},
        {"adjustment held at minus the code 3802 total", 30000, 500000, 100000, 30000, 0, 0,
         -100000, -500000},
    };
    for (const Row &r : rows) {
        SCOPED_TRACE(r.name);
        CompCarRecord c = firstWorkedCar();
        c.BusDistance = r.business;
        c.FB3802ThisCar = r.fb3802;
        CompCarList list = listOf({c}, r.actual3802);
        const CompCarScreen s = CompCarCalc(list);
        EXPECT_EQ(list.car(1).BusDistance, r.expectBusiness);
        EXPECT_EQ(s.current.TrueInclusion, r.trueInclusion);
        EXPECT_EQ(s.current.FuelExp, r.fuelExp);
        EXPECT_EQ(s.current.AdjustTaxableInc, r.adjust);
        EXPECT_EQ(s.current.SARSDeductionClaim, r.sars);
    }
}

TEST(CompCarCalc, AutomaticSplitByDaysOfUse) {
    CompCarRecord half = firstWorkedCar();
    half.CCStartDate = day(2016, 9, 1);
    CompCarList list = listOf({firstWorkedCar(), half}, 100000);
    list.AutoCalc3802 = 1;
    CompCarCalc(list);
    EXPECT_EQ(list.car(1).FB3802ThisCar, 365.0 / 546 * 100000);
    EXPECT_EQ(list.car(2).FB3802ThisCar, 181.0 / 546 * 100000);
    EXPECT_NEAR(list.car(1).FB3802ThisCar, 66849.8168, 1e-4);
    EXPECT_NEAR(list.car(2).FB3802ThisCar, 33150.1832, 1e-4);
}

TEST(CompCarCalc, BlankVehicleOnScreenStopsThePass) {
    CompCarRecord blank;
    blank.BusDistance = 700;
    blank.FB3802ThisCar = 900;
    blank.AdjustTaxableInc = 40; // kept from an earlier pass
    CompCarRecord first = firstWorkedCar();
    first.AdjustTaxableInc = 500;
    first.SARSDeductionClaim = -77;
    CompCarList list = listOf({first, blank}, 126000);
    list.CurrentCar = 2;
    const CompCarScreen s = CompCarCalc(list);
    EXPECT_TRUE(s.blank);
    expectShown(s.current, {});
    EXPECT_EQ(s.TotAdjustTaxableInc, 540);
    EXPECT_EQ(s.TotAdjustTaxableIncSARS, 0);
    EXPECT_EQ(list.car(1).TrueInclusion, 0); // nothing else computed
    EXPECT_EQ(list.car(2).BusDistance, 0);
    EXPECT_EQ(list.car(2).FB3802ThisCar, 0);
}

TEST(CompCarCalc, FailedStepKeepsItsTarget) {
    constexpr double huge = std::numeric_limits<double>::max();
    struct Row {
        const char *name;
        void (*setup)(CompCarRecord &);
        void (*check)(const CompCarRecord &);
    };
    const Row rows[] = {
        {"no distance with a log book",
         [](CompCarRecord &c) {
             c.EndMileage = 0;
             c.TotalDistance = 0;
         },
         [](const CompCarRecord &c) {
             EXPECT_EQ(c.TrueInclusion, 0);
             EXPECT_EQ(c.Arr_FuelClaim, 0);
             EXPECT_EQ(c.TotAddExpense, 0);
             EXPECT_EQ(c.FuelExp, 0);
             EXPECT_EQ(c.IRP53802, 126000); // unguarded steps still run
         }},
        {"overflowing fuel keeps the last fuel component",
         [](CompCarRecord &c) {
             c.SARSTable = 1;
             c.EndMileage = 0;
             c.TotalDistance = huge;
             c.BusDistance = 0;
             c.FuelReimbEmployer = 0;
             c.FuelComponent = 123;
         },
         [](const CompCarRecord &c) {
             EXPECT_EQ(c.FuelComponent, 123);
             EXPECT_EQ(c.Arr_FuelClaim, 123);
         }},
        {"overflowing adjustment keeps the last adjustment",
         [](CompCarRecord &c) {
             c.FB3802ThisCar = huge;
             c.EmpPaidInsurance = huge; // half of it is private: the expenses near the limit
             c.BusDistance = 15000;
             c.AdjustTaxableInc = 321;
         },
         [](const CompCarRecord &c) { EXPECT_EQ(c.AdjustTaxableInc, 321); }},
        {"days beyond 16 bits leave 0",
         [](CompCarRecord &c) {
             c.CCStartDate = 0;
             c.CCEndDate = 40000;
         },
         [](const CompCarRecord &c) {
             EXPECT_EQ(c.CCMonths, 0);
             EXPECT_EQ(c.IRP53802, 0);
         }},
    };
    for (const Row &r : rows) {
        SCOPED_TRACE(r.name);
        CompCarRecord c = firstWorkedCar();
        r.setup(c);
        CompCarList list = listOf({c}, huge);
        CompCarCalc(list);
        r.check(list.car(1));
    }
}

TEST(PrintCalc, KeepsTheScreenAmountsAndSkipsBlankVehicles) {
    CompCarList list = listOf({firstWorkedCar(), CompCarRecord{}}, 126000);
    list.car(1).FB3802ThisCar = 126000;
    CompCarCalc(list);
    list.car(1).CCPrice = 150000;
    list.car(2).SARSDeductionClaim = -5; // left by an earlier screen pass
    PrintCalc(list);
    EXPECT_EQ(list.car(1).IRP53802, 126000);
    EXPECT_EQ(list.car(1).TrueInclusion, 37800);
    EXPECT_EQ(list.car(2).TrueInclusion, 0);
    EXPECT_EQ(list.car(2).SARSDeductionClaim, -5);
}

} // namespace

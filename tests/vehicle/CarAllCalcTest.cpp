#include "vehicle/CarAllCalc.h"
#include "vehicle/CarAllReport.h"
#include "vehicle/CarAllRules.h"
#include "vehicle/DeemedCostScale.h"

#include <gtest/gtest.h>

#include <QDate>

using namespace quillon::vehicle;

namespace {

constexpr double kCent = 0.005;

TEST(DeemedCostScale, BandsByVehicleValue) {
    struct Row {
        const char *name;
        double value, fixed, fuel, maintenance;
    };
    const Row rows[] = {
        {"exactly 80 000", 80000, 26675, 0.824, 0.308},
        {"80 000.01", 80000.01, 47644, 0.920, 0.386},
        {"zero", 0, 26675, 0.824, 0.308},
        {"negative", -5000, 26675, 0.824, 0.308},
        {"exactly 560 000", 560000, 144784, 1.365, 0.795},
        {"1 000 000", 1000000, 144784, 1.365, 0.795},
        {"inside the fifth band", 350000, 105822, 1.150, 0.545},
    };
    for (const Row &r : rows) {
        SCOPED_TRACE(r.name);
        const DeemedCostRow &row = CarAllScale(r.value);
        EXPECT_EQ(row.fixedCost, r.fixed);
        EXPECT_EQ(row.fuel, r.fuel);
        EXPECT_EQ(row.maintenance, r.maintenance);
        EXPECT_EQ(FUEL_COMPONENT_TABLE(r.value), r.fuel);
        EXPECT_EQ(PRINT_FUEL_COMPONENT_TABLE(r.value), r.fuel);
    }
}

TEST(CarAllSplitDistance, WorkedFigures) {
    struct Row {
        const char *name;
        double days, total, entered, business, privateKm;
    };
    const Row rows[] = {
        {"full year, long distance", 365, 40000, 0, 14000, 26000},
        {"full year, middle distance", 365, 25000, 0, 7000, 18000},
        {"full year, short distance", 365, 15000, 0, 0, 15000},
        {"181 days, below the part-year limit", 181, 15000, 0, 6073.98, 8926.02},
        {"181 days, above the part-year limit", 181, 20000, 0, 6942.46, 13057.54},
        {"entered business wins, part year", 181, 30000, 20000, 20000, 10000},
        {"entered business wins, full year", 365, 30000, 20000, 20000, 10000},
        {"closing below opening", 365, -500, 0, 0, -500},
    };
    for (const Row &r : rows) {
        SCOPED_TRACE(r.name);
        const DistanceSplit s = CarAllSplitDistance(r.days, r.total, r.entered);
        EXPECT_NEAR(s.BusinessKm, r.business, 1e-6);
        EXPECT_NEAR(s.PrivateKm, r.privateKm, 1e-6);
    }
}

TEST(CarAllDeemedCalc, WorkedFigures) {
    struct Row {
        const char *name;
        double value, days, close, open, business;
        std::int16_t fuel, maintenance;
        double allowance;
        double fixedCents, fuelCents, maintenanceCents, rate, shownRate, claim;
    };
    const Row rows[] = {
        {"value 200 000, full year", 200000, 365, 30000, 0, 20000, 1, 1, 0, 228.9466, 100, 42.5,
         371.4466, 371.4, 74289.32},
        {"value 100 000, fuel and maintenance excluded", 100000, 365, 30000, 0, 20000, 0, 0, 0,
         158.8133, 0, 0, 158.8133, 158.8, 31762.66},
        {"value 350 000, 181 days", 350000, 181, 15000, 0, 9000, 1, 0, 0, 349.8407, 115, 0,
         464.8407, 464.8, 41835.663},
        {"value 350 000, 181 days, allowance 30 000", 350000, 181, 15000, 0, 9000, 1, 0, 30000,
         349.8407, 115, 0, 464.8407, 464.8, 30000},
        {"no distance travelled", 200000, 365, 5000, 5000, 1000, 1, 1, 0, 0, 100, 42.5, 142.5,
         142.5, 1425},
    };
    for (const Row &r : rows) {
        SCOPED_TRACE(r.name);
        CarAllData d;
        d.VehicleValue = r.value;
        d.PeriodDays = r.days;
        d.CloseKm = r.close;
        d.OpenKm = r.open;
        d.BusinessKmEntered = r.business;
        d.FuelIncluded = r.fuel;
        d.MaintenanceIncluded = r.maintenance;
        d.AllowanceReceived = r.allowance;
        CarAllDeemedCalc(d);
        EXPECT_NEAR(d.FixedCentsPerKm, r.fixedCents, 1e-9);
        EXPECT_NEAR(d.FuelCentsPerKm, r.fuelCents, 1e-9);
        EXPECT_NEAR(d.MaintenanceCentsPerKm, r.maintenanceCents, 1e-9);
        EXPECT_NEAR(d.FixedCentsPerKm + d.FuelCentsPerKm + d.MaintenanceCentsPerKm, r.rate, 1e-9);
        EXPECT_NEAR(d.TotalCentsPerKm, r.shownRate, 1e-9);
        EXPECT_NEAR(d.DeductionClaim, r.claim, 1e-6);
        EXPECT_EQ(d.TotalKm, r.close - r.open);
    }
}

TEST(CarAllActualCalc, WorkedFigures) {
    struct Row {
        const char *name;
        double value, close, open, business, costs, allowance;
        double privateUse, claim;
    };
    const Row rows[] = {
        {"no distance, costs above private use", 300000, 0, 0, 0, 100000, 0, 75600, 24400},
        {"no distance, capped by the allowance", 300000, 0, 0, 0, 100000, 20000, 75600, 20000},
        {"no distance, costs below private use", 300000, 0, 0, 0, 60000, 0, 0, 0},
        {"apportioned by distance", 0, 30000, 0, 12000, 90000, 0, 54000, 36000},
        {"apportioned, cap leaves private use", 0, 30000, 0, 12000, 90000, 30000, 54000, 30000},
        {"readings one km apart", 0, 101, 100, 0, 5000, 0, 5000, 0},
    };
    for (const Row &r : rows) {
        SCOPED_TRACE(r.name);
        CarAllData d;
        d.VehicleValue = r.value;
        d.PeriodDays = 365;
        d.CloseKm = r.close;
        d.OpenKm = r.open;
        d.BusinessKmEntered = r.business;
        d.OtherExpenses = r.costs;
        d.AllowanceReceived = r.allowance;
        CarAllActualCalc(d);
        EXPECT_NEAR(d.TotalCosts, r.costs, kCent);
        EXPECT_NEAR(d.PrivateUse, r.privateUse, 1e-6);
        EXPECT_NEAR(d.DeductionClaim, r.claim, 1e-6);
    }
}

TEST(CarAllCalculate, WhichPanelsAreRefreshed) {
    struct Row {
        const char *name;
        double value, business;
        std::int16_t accurate;
        bool deemedRefreshed, deemedComputed, actualRefreshed;
    };
    const Row rows[] = {
        {"deemed when value, period and distance are given", 200000, 20000, 0, true, true, false},
        {"no business distance zeroes the deemed panel", 200000, 0, 0, true, false, false},
        {"no value zeroes the deemed panel", 0, 20000, 0, true, false, false},
        {"accurate record: actual only", 200000, 20000, 1, false, false, true},
        {"accurate record without distance: both", 200000, 0, 1, true, false, true},
    };
    for (const Row &r : rows) {
        SCOPED_TRACE(r.name);
        CarAllData d;
        d.VehicleValue = r.value;
        d.CloseKm = 30000;
        d.BusinessKmEntered = r.business;
        d.AccurateRecordKept = r.accurate;
        d.FuelOil = 9000;
        const CarAllRefresh out = calculateCarAllowance(d, QDate(2016, 3, 1), QDate(2017, 2, 28));
        EXPECT_EQ(out.PeriodDays, 365);
        EXPECT_EQ(d.PeriodDays, 365);
        EXPECT_EQ(out.deemedRefreshed, r.deemedRefreshed);
        EXPECT_EQ(out.deemedComputed, r.deemedComputed);
        EXPECT_EQ(out.actualRefreshed, r.actualRefreshed);
        if (r.deemedRefreshed && !r.deemedComputed) {
            EXPECT_EQ(out.deemed.DeductionClaim, 0);
        }
    }
}

TEST(CarAllCalculate, ZeroedPanelDoesNotLeaveOldFiguresForThePrint) {
    CarAllData d;
    d.VehicleValue = 200000;
    d.CloseKm = 30000;
    d.BusinessKmEntered = 20000;
    calculateCarAllowance(d, 365);
    ASSERT_GT(d.DeductionClaim, 0);
    d.BusinessKmEntered = 0;
    calculateCarAllowance(d, 365);
    EXPECT_EQ(d.DeductionClaim, 0);
    EXPECT_EQ(d.FixedCentsPerKm, 0);
    EXPECT_EQ(d.TotalKm, 0);
}

TEST(SinglePayment, WearAndTearOrLeaseNotBoth) {
    struct Row {
        const char *name;
        double wear, lease;
        SinglePaymentField field;
        double value;
        SinglePaymentOutcome outcome;
        double wearAfter, leaseAfter;
    };
    using F = SinglePaymentField;
    using O = SinglePaymentOutcome;
    const Row rows[] = {
        {"lease while wear and tear is held", 1000, 0, F::LeasePayments, 500, O::Refused, 1000, 0},
        {"wear and tear while lease is held", 0, 800, F::WearAndTear, 200, O::Refused, 0, 800},
        {"first amount", 0, 0, F::LeasePayments, 500, O::Stored, 0, 500},
        {"zero is always stored", 1000, 0, F::LeasePayments, 0, O::Stored, 1000, 0},
        {"clearing the held amount", 1000, 0, F::WearAndTear, 0, O::Stored, 0, 0},
        {"negative keeps the amount", 1000, 0, F::WearAndTear, -5, O::Ignored, 1000, 0},
    };
    for (const Row &r : rows) {
        SCOPED_TRACE(r.name);
        CarAllData d;
        d.WearAndTear = r.wear;
        d.LeasePayments = r.lease;
        EXPECT_EQ(applySinglePayment(d, r.field, r.value), r.outcome);
        EXPECT_EQ(d.WearAndTear, r.wearAfter);
        EXPECT_EQ(d.LeasePayments, r.leaseAfter);
    }
}

QVariant field(const quillon::report::ReportRecord &record, const char *name) {
    for (const auto &f : record)
        if (f.name == QLatin1String(name))
            return f.value;
    return {};
}

TEST(TravelDeductionRecord, WritesOnlyTheFieldsOfTheMethodChosen) {
    CarAllData d;
    d.VehicleValue = 200000;
    d.CloseKm = 30000;
    d.BusinessKmEntered = 20000;
    d.FuelIncluded = 0;
    calculateCarAllowance(d, 365);
    const auto r = travelDeductionRecord(d, QStringLiteral("Sedan"), QString(51, u'x'),
                                         QDate(2016, 3, 1), QDate(2017, 2, 28));
    EXPECT_EQ(field(r, "FCDet").toString(), QStringLiteral("Fuel costs not included"));
    EXPECT_EQ(field(r, "MCDet").toString(), QStringLiteral("Maintenance costs"));
    EXPECT_EQ(field(r, "fc").toDouble(), 0);
    EXPECT_EQ(field(r, "DateStart").toString(), QStringLiteral("01/03/2016"));
    EXPECT_EQ(field(r, "TPName").toString().size(), 50);
    EXPECT_EQ(field(r, "mta01").toString(), QStringLiteral("Sedan"));
    EXPECT_FALSE(field(r, "totcost").isValid()); // the other method's fields are left alone
    EXPECT_EQ(carAllLayout(d), kCarAllDeemedLayout);

    d.AccurateRecordKept = 1;
    const auto actual = travelDeductionRecord(d, {}, {}, QDate(), QDate());
    EXPECT_FALSE(field(actual, "mta03").isValid());
    EXPECT_TRUE(field(actual, "totcost").isValid());
}

} // namespace

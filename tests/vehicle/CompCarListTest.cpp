#include "vehicle/CompCarList.h"
#include "forms/ProgramState.h"
#include "vehicle/CarAllData.h"
#include "vehicle/CompCarListOps.h"
#include "vehicle/CompCarReport.h"

#include <gtest/gtest.h>

#include <QDate>

using namespace quillon::vehicle;

namespace {

CompCarRecord typedCar(const QString &registration, double price = 200000) {
    CompCarRecord c;
    c.CCRegNumber = registration;
    c.CCMake = QStringLiteral("Make");
    c.CCModel = QStringLiteral("Model");
    c.YearOfManfact = QStringLiteral("2014");
    c.CCPrice = price;
    c.MaintIncluded = 1;
    c.StartMileage = 1000;
    c.EndMileage = 21000;
    c.BusDistance = 5000;
    c.BussMilage = 1;
    c.SARSTable = 1;
    c.CCStartDate = QDate(2016, 7, 1).toJulianDay();
    return c;
}

// A list built the way the window builds it: each vehicle typed into the scratch entry, added,
// then given its own registration.
CompCarList listOfThree() {
    CompCarList list;
    list.car(0) = typedCar(QStringLiteral("A"));
    for (const char *reg : {"A", "B", "C"}) {
        EXPECT_TRUE(addCompanyCar(list));
        list.current().CCRegNumber = QString::fromLatin1(reg);
    }
    return list;
}

TEST(CompCarList, AddingTheFirstVehicleFromTheScratchEntry) {
    CompCarList list;
    EXPECT_FALSE(openCompanyCars(list).has_value());
    EXPECT_EQ(compCarCaption(list),
              QStringLiteral("Full use of Company Car :  Vehicle number 0 of 0"));
    list.car(0) = typedCar(QStringLiteral("ND 123"));
    list.Actual3802 = 5000.4;
    ASSERT_TRUE(addCompanyCar(list));

    const CompCarRecord &car = list.car(1);
    EXPECT_EQ(list.CMVMaxNum, 1);
    EXPECT_EQ(list.CurrentCar, 1);
    EXPECT_EQ(car.CCRegNumber, QStringLiteral("ND 123"));
    EXPECT_EQ(car.CCModel, QStringLiteral("Model"));
    EXPECT_EQ(car.CCPrice, 200000);
    EXPECT_EQ(car.MaintIncluded, 1);
    EXPECT_EQ(car.BusDistance, 5000);
    EXPECT_EQ(car.YearOfManfact, QString()); // the year is not carried over
    EXPECT_EQ(car.BussMilage, 0);
    EXPECT_EQ(car.SARSTable, 0);
    EXPECT_EQ(list.car(0).SARSTable, 0);
    EXPECT_EQ(car.CCStartDate, QDate(2016, 3, 1).toJulianDay());
    EXPECT_EQ(car.CCEndDate, QDate(2017, 2, 28).toJulianDay());
    EXPECT_EQ(car.FB3802ThisCar, 5000); // a single vehicle carries the whole total
    EXPECT_EQ(list.AutoCalc3802, 0);
    EXPECT_EQ(compCarCaption(list),
              QStringLiteral("Full use of Company Car :  Vehicle number 1 of 1"));

    ASSERT_TRUE(addCompanyCar(list)); // a second vehicle switches the split on
    EXPECT_EQ(list.AutoCalc3802, 1);
}

TEST(CompCarList, AddNeedsARegistrationUnlessTheListIsEmpty) {
    CompCarList list;
    ASSERT_TRUE(addCompanyCar(list)); // empty scratch entry, empty list
    EXPECT_FALSE(addCompanyCar(list));
    EXPECT_EQ(list.CMVMaxNum, 1);
}

TEST(CompCarList, DeletingMovesLaterVehiclesDown) {
    CompCarList list = listOfThree();
    list.CurrentCar = 2;
    ASSERT_TRUE(deleteCompanyCar(list));
    EXPECT_EQ(list.CMVMaxNum, 2);
    EXPECT_EQ(list.CurrentCar, 1);
    EXPECT_EQ(list.car(2).CCRegNumber, QStringLiteral("C"));
    EXPECT_EQ(list.car(0).CCRegNumber, QString()); // the scratch entry is cleared

    list.Actual3802 = 9000;
    ASSERT_TRUE(deleteCompanyCar(list));
    ASSERT_TRUE(deleteCompanyCar(list));
    EXPECT_EQ(list.CurrentCar, 0);
    EXPECT_EQ(list.Actual3802, 0); // an emptied list drops its code 3802 total
    EXPECT_FALSE(deleteCompanyCar(list));
}

TEST(CompCarList, MovingWrapsRound) {
    struct Row {
        const char *name;
        std::int16_t from;
        int step;
        std::int16_t to;
    };
    const Row rows[] = {
        {"forward from the last", 3, 1, 1},
        {"back from the first", 1, -1, 3},
        {"forward in the middle", 2, 1, 3},
        {"back in the middle", 2, -1, 1},
    };
    for (const Row &r : rows) {
        SCOPED_TRACE(r.name);
        CompCarList list = listOfThree();
        list.CurrentCar = r.from;
        moveCompanyCar(list, r.step);
        EXPECT_EQ(list.CurrentCar, r.to);
    }
}

TEST(CompCarList, RegistrationGate) {
    using C = CompCarControl;
    const CompCarControls moving = C::Back | C::Forward;
    struct Row {
        const char *name;
        const char *registration;
        int count;
        CompCarControls enabled;
        bool focus;
    };
    const Row rows[] = {
        {"registration, one vehicle", "X", 1, kAllCompCarControls & ~moving, false},
        {"registration, none", "X", 0, kAllCompCarControls & ~moving, false},
        {"registration, several", "X", 3, kAllCompCarControls, false},
        {"no registration, one vehicle", "", 1, C::Registration | C::Ok | C::Add, true},
        {"no registration, several", "", 2, C::Registration | C::Delete, false},
    };
    for (const Row &r : rows) {
        SCOPED_TRACE(r.name);
        const CompCarGate g = registrationGate(QString::fromLatin1(r.registration), r.count);
        EXPECT_EQ(g.enabled, r.enabled);
        EXPECT_EQ(g.focusRegistration, r.focus);
    }
}

TEST(CompCarList, InitialiseAllKeepsTheScratchEntryButAddsFreshVehicles) {
    quillon::ProgramState state;
    CompCarList &list = state.memory<quillon::vehicle::CompCarList>();
    list.car(0) = typedCar(QStringLiteral("A"));
    addCompanyCar(list);
    addCompanyCar(list);
    list.car(2).YearOfManfact = QStringLiteral("2010");
    list.Actual3802 = 1000;
    state.memory<quillon::vehicle::CarAllMemory>().figures.VehicleValue = 1;
    state.memory<quillon::vehicle::CarAllMemory>().figures.FuelIncluded = 0;
    state.memory<quillon::vehicle::CarAllMemory>().figures.AccurateRecordKept = 1;
    state.memory<quillon::vehicle::CarAllMemory>().description = QStringLiteral("Bakkie");

    state.resetAll();
    EXPECT_EQ(list.CMVMaxNum, 0);
    EXPECT_EQ(list.CurrentCar, 0);
    EXPECT_EQ(list.AutoCalc3802, 0);
    EXPECT_EQ(list.Actual3802, 0);
    EXPECT_EQ(list.car(0).CCRegNumber, QStringLiteral("A"));
    EXPECT_EQ(state.memory<quillon::vehicle::CarAllMemory>().figures.VehicleValue, 0);
    EXPECT_EQ(state.memory<quillon::vehicle::CarAllMemory>().figures.AccurateRecordKept, 0);
    EXPECT_EQ(state.memory<quillon::vehicle::CarAllMemory>().figures.FuelIncluded, 1);
    EXPECT_EQ(state.memory<quillon::vehicle::CarAllMemory>().figures.MaintenanceIncluded, 1);
    EXPECT_EQ(state.memory<quillon::vehicle::CarAllMemory>().description, QString());

    addCompanyCar(list);
    addCompanyCar(list);
    EXPECT_EQ(list.car(2).YearOfManfact, QString());
}

TEST(CompCarReport, OneRowPerVehicle) {
    CompCarList list;
    list.car(0) = typedCar(QStringLiteral("A"));
    addCompanyCar(list);
    addCompanyCar(list);
    list.car(2).CCPrice = 0;
    list.car(2).SARSTable = 1;
    const CompCarScreen screen = calculateCompanyCars(list);
    const quillon::report::ReportData data = compCarPrintData(list);
    EXPECT_EQ(data.table, QStringLiteral("compcar"));
    EXPECT_TRUE(data.isRowTable);
    ASSERT_EQ(data.rows.size(), 2u);
    auto value = [&data](std::size_t row, const char *name) {
        for (const auto &f : data.rows[row])
            if (f.name == QLatin1String(name))
                return f.value;
        return QVariant();
    };
    for (std::size_t i = 0; i < 2; ++i) {
        EXPECT_EQ(value(i, "CarNum").toInt(), static_cast<int>(i + 1));
        EXPECT_EQ(value(i, "CMVMaxNum").toInt(), 2);
        EXPECT_EQ(value(i, "CCStartDate").toString(), QStringLiteral("01/03/2016"));
        EXPECT_EQ(value(i, "CCMonths").toDouble(), 365);
        EXPECT_EQ(value(i, "MaintIncluded").toString(), QStringLiteral("Yes"));
        EXPECT_EQ(value(i, "BussMilage").toString(), QStringLiteral("No"));
    }
    EXPECT_EQ(value(0, "SARSTable").toString(), QStringLiteral("No"));
    EXPECT_EQ(value(1, "SARSTable").toString(), QStringLiteral("Yes"));
    // Without a price the adjustment printed is the SARS figure and the inclusion 0.
    EXPECT_EQ(value(1, "AdjustTaxableInc").toDouble(), list.car(2).SARSDeductionClaim);
    EXPECT_EQ(value(1, "TrueInclusion").toDouble(), 0);
    // Only the last vehicle carries the list totals, the ones the window shows.
    EXPECT_TRUE(value(0, "ListTotals").toString().isEmpty());
    EXPECT_FALSE(value(1, "ListTotals").toString().isEmpty());
    EXPECT_EQ(value(1, "TotAdjustTaxableInc").toDouble(), screen.TotAdjustTaxableInc);
    EXPECT_EQ(value(1, "TotAdjustTaxableIncSARS").toDouble(), screen.TotAdjustTaxableIncSARS);
    EXPECT_NE(screen.TotAdjustTaxableInc, 0);
}

} // namespace

#include "cli/CliRun.h"
#include "cli/Command.h"
#include "cli/Runner.h"

#include <QJsonDocument>
#include <QJsonObject>

#include <gtest/gtest.h>

using namespace quillon::cli;

namespace {

using quillon::test::CliRun;

CliRun run(const char *command, const QString &input) {
    return quillon::test::runCli(&registerVehicleCommands, QString::fromLatin1(command), input);
}

TEST(VehicleCommands, WorkedFiguresThroughTheCommandLine) {
    struct Case {
        const char *name;
        const char *command;
        const char *input;
        const char *key;
        double value;
    };
    const Case cases[] = {
        {"deemed claim", "car-allowance",
         R"({"vehicleValue":200000,"closeKm":30000,"businessKm":20000})", "deemedDeductionClaim",
         74289.32},
        {"part-year period from the dates", "car-allowance",
         R"({"vehicleValue":350000,"closeKm":15000,"businessKm":9000,"maintenanceIncluded":false,
             "startDate":"01/09/2016"})",
         "fixedCentsPerKm", 349.8407},
        {"period typed in", "car-allowance",
         R"({"vehicleValue":350000,"closeKm":15000,"businessKm":9000,"periodDays":181})",
         "periodDays", 181},
        {"actual costs without distances", "car-allowance",
         R"({"accurateRecordKept":true,"vehicleValue":300000,"fuelOil":100000})",
         "actualDeductionClaim", 24400},
        {"one company car", "company-car",
         R"({"actual3802":126000,"vehicles":[{"price":300000,"startMileage":10000,
             "endMileage":40000,"businessDistance":12000,"logBook":true,
             "fuelPaidByEmployee":20000,"fuelReimbursed":5000,"insurancePaid":6000,
             "licencePaid":1000}]})",
         "totalAdjustTaxableIncome", -63600},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        const CliRun r = run(c.command, QString::fromLatin1(c.input).simplified());
        ASSERT_EQ(r.code, 0) << r.err.toStdString();
        EXPECT_NEAR(r.json().value(QLatin1String(c.key)).toDouble(), c.value, 1e-6);
    }
}

TEST(VehicleCommands, RefusesBadInput) {
    struct Case {
        const char *name;
        const char *command;
        const char *input;
        const char *message;
    };
    const Case cases[] = {
        {"unknown key", "car-allowance", R"({"vehicleVal":1})", "unknown key"},
        {"bad date", "car-allowance", R"({"startDate":"31/02/2016"})", "must be a date"},
        {"date outside the tax year", "car-allowance", R"({"endDate":"01/03/2017"})",
         "must lie between"},
        {"wear and tear with lease", "car-allowance", R"({"wearAndTear":1000,"leasePayments":5})",
         "Only one amount for either Wear & Tear or Lease payments will be accepted"},
        {"vehicle key unknown", "company-car", R"({"vehicles":[{"prize":1}]})",
         "vehicle 1: unknown key"},
        {"vehicle start after end", "company-car",
         R"({"vehicles":[{"startDate":"01/12/2016","endDate":"01/11/2016"}]})",
         "vehicle 1: \"startDate\" must not be after"},
        {"current vehicle outside the list", "company-car",
         R"({"currentVehicle":3,"vehicles":[{},{}]})", "must be from 1 to 2"},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        const CliRun r = run(c.command, QString::fromLatin1(c.input));
        EXPECT_NE(r.code, 0);
        EXPECT_TRUE(r.err.contains(QString::fromLatin1(c.message))) << r.err.toStdString();
    }
}

} // namespace

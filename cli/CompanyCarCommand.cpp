#include "cli/VehicleCommandSupport.h"
#include "taxengine/TaxYear.h"
#include "vehicle/CompCarListOps.h"
#include "vehicle/CompCarReport.h"

#include <limits>

namespace quillon::cli {

namespace {

using vehicle::CompCarList;
using vehicle::CompCarRecord;

JsonKey key(const char *name, KeyKind kind, const char *help) {
    return {QString::fromLatin1(name), kind, QString::fromLatin1(help)};
}

const std::vector<JsonKey> kListInputs = {
    key("vehicles", KeyKind::List, "the vehicles in list order, objects with the keys below"),
    key("actual3802", KeyKind::Number, "Total code 3802 f/benefits on IRP5's"),
    key("autoCalc3802", KeyKind::Flag,
        "Auto-calculate f/benefit splits (default: on from two vehicles)"),
    key("currentVehicle", KeyKind::Integer, "the vehicle on screen, 1 (default) to the count"),
};

const std::vector<JsonKey> kVehicleInputs = {
    key("registration", KeyKind::Text, "Vehicle registration number"),
    key("make", KeyKind::Text, "Car Make"),
    key("model", KeyKind::Text, "Car Model"),
    key("yearOfManufacture", KeyKind::Text, "Year of manufacture"),
    key("price", KeyKind::Number, "Price of vehicle (incl VAT)"),
    key("maintenancePlan", KeyKind::Flag, "Maint. plan included?"),
    key("startDate", KeyKind::Date, "Start date, from 01/03/2016 (default)"),
    key("endDate", KeyKind::Date, "End date, up to 28/02/2017 (default)"),
    key("endMileage", KeyKind::Number, "End mileage; above 0 the total distance is worked out"),
    key("startMileage", KeyKind::Number, "Start mileage"),
    key("totalDistance", KeyKind::Number, "Total distance, when no end mileage is given"),
    key("businessDistance", KeyKind::Number, "Business distance"),
    key("logBook", KeyKind::Flag, "Did you keep a log book detailing business mileage?"),
    key("fuelPaidByEmployee", KeyKind::Number, "Actual fuel expenses paid by the employee"),
    key("useFuelTable", KeyKind::Flag, "Or use SARS's cents/km fuel table?"),
    key("fuelReimbursed", KeyKind::Number, "Fuel expenses reimbursement by employer"),
    key("insurancePaid", KeyKind::Number, "Employee paid ALL insurance costs"),
    key("licencePaid", KeyKind::Number, "Employee paid ALL licensing fees"),
    key("maintenancePaid", KeyKind::Number, "Employee paid ALL maintenance costs"),
    key("fb3802ThisCar", KeyKind::Number,
        "Code 3802 f/benefit for this car (worked out with one vehicle or the automatic split)"),
};

const std::vector<JsonKey> kOutputs = {
    key("vehicles", KeyKind::List, "per vehicle, in list order, the keys below"),
    key("totalAdjustTaxableIncome", KeyKind::Number, "Total Adjustment to taxable income"),
    key("totalSarsDeductionClaim", KeyKind::Number,
        "its (SARS's claim awarded against taxable income)"),
    key("currentVehicle", KeyKind::Integer, "the vehicle on screen"),
    key("blank", KeyKind::Flag, "the vehicle on screen has no distance and no price"),
    key("caption", KeyKind::Text, "the window caption"),
    key("vehicles[].number", KeyKind::Integer, "the vehicle's number"),
    key("vehicles[].days", KeyKind::Integer, "No of days"),
    key("vehicles[].totalDistance", KeyKind::Number, "Total distance after the calculation"),
    key("vehicles[].businessDistance", KeyKind::Number, "Business distance, at most the total"),
    key("vehicles[].privateDistance", KeyKind::Number, "Private distance"),
    key("vehicles[].fb3802ThisCar", KeyKind::Number, "Code 3802 f/benefit for this car"),
    key("vehicles[].trueInclusion", KeyKind::Number, "True inclusion amount"),
    key("vehicles[].fuelComponent", KeyKind::Number, "Fuel component"),
    key("vehicles[].fuelClaim", KeyKind::Number, "Fuel claim (adjusted for mileage)"),
    key("vehicles[].additionalExpenses", KeyKind::Number,
        "Total additional expenses (adjusted for mileage)"),
    key("vehicles[].fuelAndExpenses", KeyKind::Number, "Less fuel & expenses"),
    key("vehicles[].adjustTaxableIncome", KeyKind::Number, "Adjustment to taxable income"),
    key("vehicles[].sarsDeductionClaim", KeyKind::Number,
        "(SARS's claim awarded against taxable income), unrounded"),
    key("vehicles[].irp5Code3802", KeyKind::Number, "IRP5 code 3802 amount for this car"),
    key("vehicles[].monthly80", KeyKind::Number, "Monthly f/benefit amount, 80%"),
    key("vehicles[].monthly20", KeyKind::Number, "Monthly f/benefit amount, 20%"),
    key("vehicles[].fortnightly80", KeyKind::Number, "Fortnightly f/benefit amount, 80%"),
    key("vehicles[].fortnightly20", KeyKind::Number, "Fortnightly f/benefit amount, 20%"),
    key("vehicles[].weekly80", KeyKind::Number, "Weekly f/benefit amount, 80%"),
    key("vehicles[].weekly20", KeyKind::Number, "Weekly f/benefit amount, 20%"),
};

std::vector<JsonKey> helpInputs() {
    std::vector<JsonKey> keys = kListInputs;
    for (JsonKey k : kVehicleInputs) {
        k.name = QStringLiteral("vehicles[].") + k.name;
        keys.push_back(k);
    }
    return keys;
}

std::int16_t flag16(InputReader &r, const char *name) {
    return r.flag(QString::fromLatin1(name)) ? 1 : 0;
}

// The vehicle on screen: its number in the list.
constexpr tax::FieldRange kVehicleNumber{u"0", 1, 32767};

// One vehicle object; an empty text when it is sound.
QString readVehicle(const JsonInputValue &object, CompCarRecord &c) {
    InputReader r(object, kVehicleInputs);
    // The window takes amounts and distances as whole numbers.
    auto num = [&r](const char *name) {
        return r.number(QString::fromLatin1(name), tax::kWholeRand);
    };
    auto km = [&r](const char *name) { return r.number(QString::fromLatin1(name), tax::kWholeKm); };
    c.CCRegNumber = r.text(QStringLiteral("registration"));
    c.CCMake = r.text(QStringLiteral("make"));
    c.CCModel = r.text(QStringLiteral("model"));
    c.YearOfManfact = r.text(QStringLiteral("yearOfManufacture"));
    c.CCPrice = num("price");
    c.MaintIncluded = flag16(r, "maintenancePlan");
    const QDate start = r.date(QStringLiteral("startDate"), tax::taxYearStart());
    const QDate end = r.date(QStringLiteral("endDate"), tax::taxYearEnd());
    c.EndMileage = km("endMileage");
    c.StartMileage = km("startMileage");
    c.TotalDistance = km("totalDistance");
    c.BusDistance = km("businessDistance");
    c.BussMilage = flag16(r, "logBook");
    c.ActualExpEmployee = num("fuelPaidByEmployee");
    c.SARSTable = flag16(r, "useFuelTable");
    c.FuelReimbEmployer = num("fuelReimbursed");
    c.EmpPaidInsurance = num("insurancePaid");
    c.EmpPaidLicence = num("licencePaid");
    c.EmpPaidMaintenance = num("maintenancePaid");
    c.FB3802ThisCar = num("fb3802ThisCar");
    if (start < tax::taxYearStart() || end > tax::taxYearEnd() || start > tax::taxYearEnd() ||
        end < tax::taxYearStart())
        r.fail(QStringLiteral("the dates must lie between 01/03/2016 and 28/02/2017"));
    if (start > end)
        r.fail(QStringLiteral("\"startDate\" must not be after \"endDate\""));
    c.CCStartDate = start.toJulianDay();
    c.CCEndDate = end.toJulianDay();
    return r.error();
}

JsonObject vehicleJson(int n, const CompCarRecord &c) {
    return JsonObject{
        {"number", n},
        {"days", c.CCMonths},
        {"totalDistance", c.TotalDistance},
        {"businessDistance", c.BusDistance},
        {"privateDistance", c.TotalDistance - c.BusDistance},
        {"fb3802ThisCar", c.FB3802ThisCar},
        {"trueInclusion", c.TrueInclusion},
        {"fuelComponent", c.FuelComponent},
        {"fuelClaim", c.Arr_FuelClaim},
        {"additionalExpenses", c.TotAddExpense},
        {"fuelAndExpenses", c.FuelExp},
        {"adjustTaxableIncome", c.AdjustTaxableInc},
        {"sarsDeductionClaim", c.SARSDeductionClaim},
        {"irp5Code3802", c.IRP53802},
        {"monthly80", c.MonFB80},
        {"monthly20", c.MonFB20},
        {"fortnightly80", c.FortFB80},
        {"fortnightly20", c.FortFB20},
        {"weekly80", c.WeekFB80},
        {"weekly20", c.WeekFB20},
    };
}

CommandResult run(const JsonInputValue &json, const RunOptions &options) {
    InputReader r(json, kListInputs);
    const std::span<const JsonInputValue> vehicles = r.list(QStringLiteral("vehicles"));
    CompCarList list;
    list.Actual3802 = r.number(QStringLiteral("actual3802"), tax::kWholeRand);
    const bool autoSplit = r.flag(QStringLiteral("autoCalc3802"), vehicles.size() >= 2);
    const std::int16_t current = r.int16(QStringLiteral("currentVehicle"), kVehicleNumber, 1);
    if (!r.ok())
        return CommandResult::failure(r.error());
    if (vehicles.size() > static_cast<std::size_t>(std::numeric_limits<std::int16_t>::max()))
        return CommandResult::failure(QStringLiteral("too many vehicles"));

    for (std::size_t i = 0; i < vehicles.size(); ++i) {
        CompCarRecord car;
        const QString problem = vehicles[i].IsObject() ? readVehicle(vehicles[i], car)
                                                       : QStringLiteral("must be an object");
        if (!problem.isEmpty())
            return CommandResult::failure(QStringLiteral("vehicle %1: %2").arg(i + 1).arg(problem));
        list.Cars.push_back(car);
    }
    list.CMVMaxNum = static_cast<std::int16_t>(vehicles.size());
    list.AutoCalc3802 = autoSplit ? 1 : 0;
    if (list.CMVMaxNum > 0 && (current < 1 || current > list.CMVMaxNum))
        return CommandResult::failure(
            QStringLiteral("\"currentVehicle\" must be from 1 to %1").arg(list.CMVMaxNum));
    list.CurrentCar = list.CMVMaxNum > 0 ? current : 0;

    const vehicle::CompCarScreen screen = vehicle::calculateCompanyCars(list);
    JsonList out;
    for (int n = 1; n <= list.CMVMaxNum; ++n)
        out.append(vehicleJson(n, list.car(n)));
    JsonObject o{
        {"vehicles", out},
        {"totalAdjustTaxableIncome", screen.TotAdjustTaxableInc},
        {"totalSarsDeductionClaim", screen.TotAdjustTaxableIncSARS},
        {"currentVehicle", list.CurrentCar},
        {"blank", screen.blank},
        {"caption", vehicle::compCarCaption(list)},
    };
    // The print pass runs after the figures above were taken, as the window's print does.
    return {std::move(o), {}, printWhenAsked(options, [list]() mutable {
                return report::PrintJob{{vehicle::compCarPrintData(list)},
                                        vehicle::kCompCarLayout,
                                        vehicle::kCompCarPreviewTitle};
            })};
}

} // namespace

Command companyCarCommand() {
    return {QStringLiteral("company-car"),
            QStringLiteral("fringe benefit of the full use of a list of company cars"),
            helpInputs(),
            kOutputs,
            run,
            true};
}

} // namespace quillon::cli

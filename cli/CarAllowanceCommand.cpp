#include "cli/VehicleCommandSupport.h"
#include "taxengine/TaxYear.h"
#include "vehicle/CarAllReport.h"
#include "vehicle/CarAllRules.h"

namespace quillon::cli {

namespace {

using vehicle::CarAllData;

JsonKey key(const char *name, KeyKind kind, const char *help) {
    return {QString::fromLatin1(name), kind, QString::fromLatin1(help)};
}

const std::vector<JsonKey> kInputs = {
    key("carDescription", KeyKind::Text, "Car : (printed only)"),
    key("accurateRecordKept", KeyKind::Flag,
        "Accurate record kept: true for actual costs, false (default) for the deemed scale"),
    key("vehicleValue", KeyKind::Number, "Original value of vehicle"),
    key("allowanceReceived", KeyKind::Number, "Allowance received; 0 means no cap"),
    key("closeKm", KeyKind::Number, "Close km reading"),
    key("openKm", KeyKind::Number, "Open km reading"),
    key("businessKm", KeyKind::Number, "Business km (if kept); 0 means not given"),
    key("fuelOil", KeyKind::Number, "Fuel/Oil (actual costs)"),
    key("repairsMaintenance", KeyKind::Number, "Repairs/Maintenance (actual costs)"),
    key("insuranceLicence", KeyKind::Number, "Insurance/Licence (actual costs)"),
    key("otherExpenses", KeyKind::Number, "Other expenses (actual costs)"),
    key("wearAndTear", KeyKind::Number, "Wear and tear, not with lease payments, not negative"),
    key("leasePayments", KeyKind::Number, "Lease payments, not with wear and tear, not negative"),
    key("startDate", KeyKind::Date, "Start Date, from 01/03/2016 (default)"),
    key("endDate", KeyKind::Date, "End Date, up to 28/02/2017 (default)"),
    key("periodDays", KeyKind::Integer, "Period (number of days) 1 to 365, instead of the dates"),
    key("fuelIncluded", KeyKind::Flag, "Include Fuel Costs (default true)"),
    key("maintenanceIncluded", KeyKind::Flag, "Include Maintenance Costs (default true)"),
    key("employeeName", KeyKind::Text, "Employee name for --pdf, at most 50 characters"),
};

const std::vector<JsonKey> kOutputs = {
    key("periodDays", KeyKind::Integer, "Period (number of days)"),
    key("method", KeyKind::Text,
        "\"deemed\", \"actual\", or \"none\" when neither ran (deemed panel zeroed)"),
    key("deemedBusinessKm", KeyKind::Number, "deemed panel: Business distance"),
    key("deemedPrivateKm", KeyKind::Number, "deemed panel: Private distance"),
    key("deemedTotalKm", KeyKind::Number, "deemed panel: Total distance"),
    key("fixedCost", KeyKind::Number, "deemed panel: Fixed cost, rand a year"),
    key("fixedCentsPerKm", KeyKind::Number, "deemed panel: Fixed cost, cents/km"),
    key("fuelCentsPerKm", KeyKind::Number, "deemed panel: Fuel costs, cents/km"),
    key("maintenanceCentsPerKm", KeyKind::Number, "deemed panel: Maintenance costs, cents/km"),
    key("totalCentsPerKm", KeyKind::Number, "deemed panel: Total costs, cents/km, one decimal"),
    key("deemedDeductionClaim", KeyKind::Number, "deemed panel: Deduction claim, unrounded"),
    key("actualBusinessKm", KeyKind::Number, "actual panel: Business Km's"),
    key("actualPrivateKm", KeyKind::Number, "actual panel: Private Km's"),
    key("actualTotalKm", KeyKind::Number, "actual panel: Total Km's"),
    key("totalCosts", KeyKind::Number, "actual panel: Total costs"),
    key("privateUse", KeyKind::Number, "actual panel: Less private use"),
    key("actualDeductionClaim", KeyKind::Number,
        "actual panel: Travel expenses and Deduction claim"),
};

// A period typed as a number of days instead of the dates: one day to a whole year.
constexpr tax::FieldRange kPeriodDays{u"0", 1, 365};

CommandResult run(const JsonInputValue &json, const RunOptions &options) {
    InputReader r(json, kInputs);
    CarAllData d; // the reset values
    // The window's fields take whole rand and whole kilometres.
    const tax::FieldRange &rand = tax::kWholeRand;
    const tax::FieldRange &km = tax::kWholeKm;
    const QString description = r.text(QStringLiteral("carDescription"));
    d.AccurateRecordKept = r.flag(QStringLiteral("accurateRecordKept")) ? 1 : 0;
    d.VehicleValue = r.number(QStringLiteral("vehicleValue"), rand);
    d.AllowanceReceived = r.number(QStringLiteral("allowanceReceived"), rand);
    d.CloseKm = r.number(QStringLiteral("closeKm"), km);
    d.OpenKm = r.number(QStringLiteral("openKm"), km);
    d.BusinessKmEntered = r.number(QStringLiteral("businessKm"), km);
    d.FuelOil = r.number(QStringLiteral("fuelOil"), rand);
    d.RepairsMaintenance = r.number(QStringLiteral("repairsMaintenance"), rand);
    d.InsuranceLicence = r.number(QStringLiteral("insuranceLicence"), rand);
    d.OtherExpenses = r.number(QStringLiteral("otherExpenses"), rand);
    const double wear = r.number(QStringLiteral("wearAndTear"), rand);
    const double lease = r.number(QStringLiteral("leasePayments"), rand);
    const QDate start = r.date(QStringLiteral("startDate"), tax::taxYearStart());
    const QDate end = r.date(QStringLiteral("endDate"), tax::taxYearEnd());
    const std::int16_t days = r.int16(QStringLiteral("periodDays"), kPeriodDays, 1);
    d.FuelIncluded = r.flag(QStringLiteral("fuelIncluded"), true) ? 1 : 0;
    d.MaintenanceIncluded = r.flag(QStringLiteral("maintenanceIncluded"), true) ? 1 : 0;
    const QString name = r.printedName(QStringLiteral("employeeName"));

    const bool givenDays = r.has(QStringLiteral("periodDays"));
    if (givenDays && (r.has(QStringLiteral("startDate")) || r.has(QStringLiteral("endDate"))))
        r.fail(QStringLiteral("give either \"periodDays\" or the dates, not both"));
    if (start < tax::taxYearStart() || start > tax::taxYearEnd() || end < tax::taxYearStart() ||
        end > tax::taxYearEnd())
        r.fail(QStringLiteral("the dates must lie between 01/03/2016 and 28/02/2017"));
    if (start > end)
        r.fail(QStringLiteral("\"startDate\" must not be after \"endDate\""));
    using vehicle::SinglePaymentField;
    vehicle::applySinglePayment(d, SinglePaymentField::WearAndTear, wear);
    if (vehicle::applySinglePayment(d, SinglePaymentField::LeasePayments, lease) ==
        vehicle::SinglePaymentOutcome::Refused)
        r.fail(vehicle::kSinglePaymentMessage);
    if (!r.ok())
        return CommandResult::failure(r.error());

    const vehicle::CarAllRefresh out = givenDays ? vehicle::calculateCarAllowance(d, days)
                                                 : vehicle::calculateCarAllowance(d, start, end);
    const auto &dp = out.deemed;
    const auto &ap = out.actual;
    const QString method = out.deemedComputed    ? QStringLiteral("deemed")
                           : out.actualRefreshed ? QStringLiteral("actual")
                                                 : QStringLiteral("none");
    JsonObject o{
        {"periodDays", out.PeriodDays},
        {"method", method},
        {"deemedBusinessKm", dp.BusinessKm},
        {"deemedPrivateKm", dp.PrivateKm},
        {"deemedTotalKm", dp.TotalKm},
        {"fixedCost", dp.FixedCost},
        {"fixedCentsPerKm", dp.FixedCentsPerKm},
        {"fuelCentsPerKm", dp.FuelCentsPerKm},
        {"maintenanceCentsPerKm", dp.MaintenanceCentsPerKm},
        {"totalCentsPerKm", dp.TotalCentsPerKm},
        {"deemedDeductionClaim", dp.DeductionClaim},
        {"actualBusinessKm", ap.BusinessKm},
        {"actualPrivateKm", ap.PrivateKm},
        {"actualTotalKm", ap.TotalKm},
        {"totalCosts", ap.TotalCosts},
        {"privateUse", ap.PrivateUse},
        {"actualDeductionClaim", ap.DeductionClaim},
    };
    return {std::move(o), {}, printWhenAsked(options, [d, description, name, start, end] {
                return report::PrintJob{
                    {report::ReportData::singleRecord(
                        vehicle::kTravelDeductionTable,
                        vehicle::travelDeductionRecord(d, description, name, start, end))},
                    vehicle::carAllLayout(d),
                    vehicle::kCarAllPreviewTitle};
            })};
}

} // namespace

Command carAllowanceCommand() {
    return {QStringLiteral("car-allowance"),
            QStringLiteral("deduction against a travel allowance, by the deemed-cost scale or by "
                           "actual costs"),
            kInputs,
            kOutputs,
            run,
            true};
}

} // namespace quillon::cli

#include "cli/VehicleCommandSupport.h"
#include "taxengine/TaxYear.h"
#include "vehicle/CarAllReport.h"
#include "vehicle/CarAllRules.h"

namespace quillon::cli {

namespace {

using vehicle::CarAllData;

KeySpec key(const char *name, KeyKind kind, const char *help) {
    return {QString::fromLatin1(name), kind, QString::fromLatin1(help)};
}

const std::vector<KeySpec> kInputs = {
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

const std::vector<KeySpec> kOutputs = {
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

CommandResult run(const QJsonObject &json, const RunOptions &) {
    InputReader r(json, kInputs);
    CarAllData d; // the reset values
    const QString description = r.text(QStringLiteral("carDescription"));
    d.AccurateRecordKept = r.flag(QStringLiteral("accurateRecordKept")) ? 1 : 0;
    d.VehicleValue = r.number(QStringLiteral("vehicleValue"));
    d.AllowanceReceived = r.number(QStringLiteral("allowanceReceived"));
    d.CloseKm = r.number(QStringLiteral("closeKm"));
    d.OpenKm = r.number(QStringLiteral("openKm"));
    d.BusinessKmEntered = r.number(QStringLiteral("businessKm"));
    d.FuelOil = r.number(QStringLiteral("fuelOil"));
    d.RepairsMaintenance = r.number(QStringLiteral("repairsMaintenance"));
    d.InsuranceLicence = r.number(QStringLiteral("insuranceLicence"));
    d.OtherExpenses = r.number(QStringLiteral("otherExpenses"));
    const double wear = r.number(QStringLiteral("wearAndTear"));
    const double lease = r.number(QStringLiteral("leasePayments"));
    const QDate start = r.date(QStringLiteral("startDate"), tax::taxYearStart());
    const QDate end = r.date(QStringLiteral("endDate"), tax::taxYearEnd());
    const std::int16_t days = r.int16(QStringLiteral("periodDays"));
    d.FuelIncluded = r.flag(QStringLiteral("fuelIncluded"), true) ? 1 : 0;
    d.MaintenanceIncluded = r.flag(QStringLiteral("maintenanceIncluded"), true) ? 1 : 0;
    const QString name = r.text(QStringLiteral("employeeName"));

    const bool givenDays = r.has(QStringLiteral("periodDays"));
    if (givenDays && (r.has(QStringLiteral("startDate")) || r.has(QStringLiteral("endDate"))))
        r.fail(QStringLiteral("give either \"periodDays\" or the dates, not both"));
    if (givenDays && (days < 1 || days > 365))
        r.fail(QStringLiteral("\"periodDays\" must be from 1 to 365"));
    if (start < tax::taxYearStart() || start > tax::taxYearEnd() || end < tax::taxYearStart() ||
        end > tax::taxYearEnd())
        r.fail(QStringLiteral("the dates must lie between 01/03/2016 and 28/02/2017"));
    if (start > end)
        r.fail(QStringLiteral("\"startDate\" must not be after \"endDate\""));
    if (wear < 0 || lease < 0)
        r.fail(QStringLiteral("\"wearAndTear\" and \"leasePayments\" must not be negative"));
    using vehicle::SinglePaymentField;
    vehicle::applySinglePayment(d, SinglePaymentField::WearAndTear, wear);
    if (vehicle::applySinglePayment(d, SinglePaymentField::LeasePayments, lease) ==
        vehicle::SinglePaymentOutcome::Refused)
        r.fail(vehicle::kSinglePaymentMessage);
    if (name.size() > vehicle::kEmployeeNameMaxLength)
        r.fail(QStringLiteral("\"employeeName\" may hold at most 50 characters"));
    if (!r.ok())
        return CommandResult::failure(r.error());

    const vehicle::CarAllRefresh out = givenDays ? vehicle::calculateCarAllowance(d, days)
                                                 : vehicle::calculateCarAllowance(d, start, end);
    const auto &dp = out.deemed;
    const auto &ap = out.actual;
    const QString method = out.deemedComputed    ? QStringLiteral("deemed")
                           : out.actualRefreshed ? QStringLiteral("actual")
                                                 : QStringLiteral("none");
    QJsonObject o{
        {QStringLiteral("periodDays"), out.PeriodDays},
        {QStringLiteral("method"), method},
        {QStringLiteral("deemedBusinessKm"), dp.BusinessKm},
        {QStringLiteral("deemedPrivateKm"), dp.PrivateKm},
        {QStringLiteral("deemedTotalKm"), dp.TotalKm},
        {QStringLiteral("fixedCost"), dp.FixedCost},
        {QStringLiteral("fixedCentsPerKm"), dp.FixedCentsPerKm},
        {QStringLiteral("fuelCentsPerKm"), dp.FuelCentsPerKm},
        {QStringLiteral("maintenanceCentsPerKm"), dp.MaintenanceCentsPerKm},
        {QStringLiteral("totalCentsPerKm"), dp.TotalCentsPerKm},
        {QStringLiteral("deemedDeductionClaim"), dp.DeductionClaim},
        {QStringLiteral("actualBusinessKm"), ap.BusinessKm},
        {QStringLiteral("actualPrivateKm"), ap.PrivateKm},
        {QStringLiteral("actualTotalKm"), ap.TotalKm},
        {QStringLiteral("totalCosts"), ap.TotalCosts},
        {QStringLiteral("privateUse"), ap.PrivateUse},
        {QStringLiteral("actualDeductionClaim"), ap.DeductionClaim},
    };

    report::PrintJob job{{report::ReportData::singleRecord(
                             vehicle::kTravelDeductionTable,
                             vehicle::travelDeductionRecord(d, description, name, start, end))},
                         vehicle::carAllLayout(d),
                         vehicle::kCarAllPreviewTitle};
    return {o, {}, std::move(job)};
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

#include "cli/Described.h"
#include "cli/VehicleCommandSupport.h"
#include "vehicle/CarAllReport.h"
#include "vehicle/VehicleFields.h"

namespace quillon::cli {

namespace {

using vehicle::CarAllData;

CommandResult run(const JsonInputValue &json, const RunOptions &options) {
    const vehicle::CarAllDescription &described = vehicle::carAllDescription();
    static const std::vector<JsonKey> keys = describedKeys(described.inputs);
    static const AnswerWriter<vehicle::CarAllRefresh> writer(described.outputs);
    InputReader r(json, keys);
    CarAllData d; // the reset values
    QString description;
    vehicle::CarAllInputs in{d, description};
    readDescribed(r, described.inputs, in);
    const QString name = r.printedName(vehicle::employeeNameKey());

    const QString daysKey = vehicle::periodDaysKey();
    const QString startKey = vehicle::startDateKey();
    const QString endKey = vehicle::endDateKey();
    const bool givenDays = r.has(daysKey);
    if (givenDays && (r.has(startKey) || r.has(endKey)))
        r.fail(QStringLiteral("give either \"%1\" or the dates, not both").arg(daysKey));
    const QDate &start = in.start;
    const QDate &end = in.end;
    if (start < tax::taxYearStart() || start > tax::taxYearEnd() || end < tax::taxYearStart() ||
        end > tax::taxYearEnd())
        r.fail(QStringLiteral("the dates must lie between 01/03/2016 and 28/02/2017"));
    if (start > end)
        r.fail(QStringLiteral("\"%1\" must not be after \"%2\"").arg(startKey, endKey));
    // Both amounts were read as typed; the rule refuses the second while the first is held.
    if (vehicle::applySinglePayment(d, vehicle::SinglePaymentField::LeasePayments,
                                    d.LeasePayments) == vehicle::SinglePaymentOutcome::Refused)
        r.fail(vehicle::kSinglePaymentMessage);
    if (!r.ok())
        return CommandResult::failure(r.error());

    const vehicle::CarAllRefresh out = givenDays ? vehicle::calculateCarAllowance(d, in.periodDays)
                                                 : vehicle::calculateCarAllowance(d, start, end);
    const QString method = out.deemedComputed    ? QStringLiteral("deemed")
                           : out.actualRefreshed ? QStringLiteral("actual")
                                                 : QStringLiteral("none");
    return {writer.answer(out, {{vehicle::methodKey(), method}}),
            {},
            printWhenAsked(options, [d, description, name, start = in.start, end = in.end] {
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
    const vehicle::CarAllDescription &d = vehicle::carAllDescription();
    return {d.command, d.summary, describedKeys(d.inputs), describedKeys(d.outputs), run, true};
}

} // namespace quillon::cli

#include "cli/JsonHelpers.h"
#include "cli/PayeCommandSupport.h"
#include "paye/MonthlyCalc.h"
#include "paye/MonthlyReport.h"

namespace quillon::cli {

namespace {

std::vector<JsonKey> monthlyInputs() {
    std::vector<JsonKey> keys = payInputKeys(QStringLiteral("month"));
    appendKeys(keys, {
                         {QStringLiteral("startDate"), KeyKind::Date,
                          QStringLiteral("first day, default 01/03/2016")},
                         {QStringLiteral("endDate"), KeyKind::Date,
                          QStringLiteral("last day in the same month, default 31/03/2016")},
                     });
    return keys;
}

std::vector<JsonKey> monthlyOutputs() {
    std::vector<JsonKey> keys = payOutputKeys();
    appendKeys(keys,
               {
                   {QStringLiteral("taxableTravelAllowance"), KeyKind::Number,
                    QStringLiteral("travel allowance x inclusion rate, whole rand")},
                   {QStringLiteral("travelAllowanceIncluded"), KeyKind::Number,
                    QStringLiteral("the same, unrounded")},
                   {QStringLiteral("days"), KeyKind::Integer, QStringLiteral("days in the period")},
                   {QStringLiteral("daysInMonth"), KeyKind::Integer,
                    QStringLiteral("days in the start date's month")},
               });
    return keys;
}

CommandResult runMonthly(const JsonInputValue &json, const RunOptions &options) {
    static const std::vector<JsonKey> keys = monthlyInputs();
    InputReader r(json, keys);
    paye::MonthlyInputs in;
    PayRanges ranges;
    ranges.bonusAndTravel = tax::kWholeRand;
    readPayInputs(r, in, ranges);
    in.startDate = r.date(QStringLiteral("startDate"), in.startDate);
    in.endDate = r.date(QStringLiteral("endDate"), in.endDate);
    const QString name = r.printedName(QStringLiteral("employeeName"));
    if (!r.ok())
        return CommandResult::failure(r.error());

    tax::TaxLookup lookup;
    const paye::MonthlyResults out = paye::calculateMonthly(in, lookup);
    if (!out.check.ok())
        return CommandResult::failure(out.check.text);
    JsonObject o = payResultsJson(out);
    o.add("taxableTravelAllowance", out.taxableTravelShown);
    o.add("travelAllowanceIncluded", out.taxableTravel);
    o.add("days", static_cast<double>(out.days));
    o.add("daysInMonth", out.daysInMonth);
    o.add(kLookupKey, lookupJson(lookup));
    const report::PrintLanguage language = options.language;
    return {std::move(o), {}, printWhenAsked(options, [in, out, name, language] {
                return periodPrint(paye::kMonthlyTable,
                                   paye::monthlyReportRecord(in, out, name, language),
                                   paye::kMonthlyLayout, paye::kMonthlyPreviewTitle);
            })};
}

} // namespace

Command monthlyCommand() {
    return {QStringLiteral("monthly"),
            QStringLiteral("PAYE, UIF and skills levy for a month or part of one month"),
            monthlyInputs(),
            monthlyOutputs(),
            runMonthly,
            true};
}

} // namespace quillon::cli

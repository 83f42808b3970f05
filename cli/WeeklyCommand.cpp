#include "cli/JsonHelpers.h"
#include "cli/PayeCommandSupport.h"
#include "paye/WeeklyCalc.h"
#include "paye/WeeklyReport.h"

namespace quillon::cli {

namespace {

using paye::WeekPeriod;

std::vector<JsonKey> weeklyInputs(WeekPeriod period) {
    const bool week = period == WeekPeriod::Week;
    const int days = paye::openingDays(period);
    std::vector<JsonKey> keys =
        payInputKeys(week ? QStringLiteral("week") : QStringLiteral("fortnight"));
    appendKeys(keys, {
                         {QStringLiteral("normalDays"), KeyKind::Integer,
                          QStringLiteral("work days in a normal %1, at least 1 (default %2)")
                              .arg(week ? QStringLiteral("week") : QStringLiteral("fortnight"))
                              .arg(days)},
                         {QStringLiteral("thisDays"), KeyKind::Integer,
                          QStringLiteral("work days in this %1, 1 to normalDays (default %2)")
                              .arg(week ? QStringLiteral("week") : QStringLiteral("fortnight"))
                              .arg(days)},
                     });
    return keys;
}

CommandResult runPeriod(WeekPeriod period, const JsonInputValue &json, const RunOptions &options) {
    static const std::vector<JsonKey> weekKeys = weeklyInputs(WeekPeriod::Week);
    static const std::vector<JsonKey> fortnightKeys = weeklyInputs(WeekPeriod::Fortnight);
    InputReader r(json, period == WeekPeriod::Week ? weekKeys : fortnightKeys);
    paye::WeeklyInputs in = paye::openingWeeklyInputs(period);
    readPayInputs(r, in, PayRanges{});
    in.normalDays = r.int16(QStringLiteral("normalDays"), tax::kCount, in.normalDays);
    in.thisDays = r.int16(QStringLiteral("thisDays"), tax::kCount, in.thisDays);
    const QString name = r.printedName(QStringLiteral("employeeName"));
    if (!r.ok())
        return CommandResult::failure(r.error());

    tax::TaxLookup lookup;
    const paye::WeeklyResults out = paye::calculateWeekly(in, lookup);
    if (!out.check.ok())
        return CommandResult::failure(out.check.text);
    JsonObject o = payResultsJson(out);
    o.add(kLookupKey, lookupJson(lookup));
    const report::PrintLanguage language = options.language;
    return {std::move(o), {}, printWhenAsked(options, [in, out, name, language, period] {
                return periodPrint(paye::kWeeklyTable,
                                   paye::weeklyReportRecord(in, out, name, language),
                                   paye::weeklyLayout(period), paye::weeklyPreviewTitle(period));
            })};
}

} // namespace

Command weeklyCommand() {
    return {QStringLiteral("weekly"),
            QStringLiteral("PAYE, UIF and skills levy for one week's pay"),
            weeklyInputs(WeekPeriod::Week),
            payOutputKeys(),
            [](const JsonInputValue &json, const RunOptions &options) {
                return runPeriod(WeekPeriod::Week, json, options);
            },
            true};
}

Command fortnightlyCommand() {
    return {QStringLiteral("fortnightly"),
            QStringLiteral("PAYE, UIF and skills levy for one fortnight's pay"),
            weeklyInputs(WeekPeriod::Fortnight),
            payOutputKeys(),
            [](const JsonInputValue &json, const RunOptions &options) {
                return runPeriod(WeekPeriod::Fortnight, json, options);
            },
            true};
}

} // namespace quillon::cli

#include "cli/JsonHelpers.h"
#include "cli/PayeCommandSupport.h"
#include "paye/DailyCalc.h"
#include "paye/DailyReport.h"

namespace quillon::cli {

namespace {

CommandResult runDaily(const JsonInputValue &json, const RunOptions &options) {
    static const std::vector<JsonKey> keys = payInputKeys(QStringLiteral("day"));
    InputReader r(json, keys);
    paye::DailyInputs in;
    PayRanges ranges;
    ranges.beneficiaries = tax::kDailyBeneficiaries;
    readPayInputs(r, in, ranges);
    const QString name = r.printedName(QStringLiteral("employeeName"));
    if (!r.ok())
        return CommandResult::failure(r.error());

    tax::TaxLookup lookup;
    const paye::DailyResults out = paye::calculateDaily(in, lookup);
    if (!out.check.ok())
        return CommandResult::failure(out.check.text);
    JsonObject o = payResultsJson(out);
    o.add(kLookupKey, lookupJson(lookup));
    const report::PrintLanguage language = options.language;
    return {std::move(o), {}, printWhenAsked(options, [in, out, name, language] {
                return periodPrint(paye::kDailyTable,
                                   paye::dailyReportRecord(in, out, name, language),
                                   paye::kDailyLayout, paye::kDailyPreviewTitle);
            })};
}

} // namespace

Command dailyCommand() {
    return {QStringLiteral("daily"),
            QStringLiteral("PAYE, UIF and skills levy for one day's pay (1/260 of a year)"),
            payInputKeys(QStringLiteral("day")),
            payOutputKeys(),
            runDaily,
            true};
}

} // namespace quillon::cli

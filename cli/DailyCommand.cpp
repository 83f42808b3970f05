#include "cli/JsonHelpers.h"
#include "cli/PayeCommandSupport.h"
#include "paye/DailyCalc.h"
#include "paye/DailyReport.h"

namespace quillon::cli {

namespace {

CommandResult runDaily(const QJsonObject &json, const RunOptions &options) {
    static const std::vector<KeySpec> keys = payInputKeys(QStringLiteral("day"));
    InputReader r(json, keys);
    paye::DailyInputs in;
    readPayInputs(r, in);
    const QString name = r.text(QStringLiteral("employeeName"));
    if (!r.ok())
        return CommandResult::failure(r.error());

    tax::TaxLookup lookup;
    const paye::DailyResults out = paye::calculateDaily(in, lookup);
    if (!out.check.ok())
        return CommandResult::failure(out.check.text);
    QJsonObject o = payResultsJson(out);
    o.insert(kLookupKey, lookupJson(lookup));
    return {o,
            {},
            periodPrint(paye::kDailyTable, paye::dailyReportRecord(in, out, name, options.language),
                        paye::kDailyLayout, paye::kDailyPreviewTitle)};
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

#include "cli/JsonHelpers.h"
#include "cli/PayeCommandSupport.h"
#include "paye/MonthlyCalc.h"
#include "paye/MonthlyReport.h"

namespace quillon::cli {

namespace {

std::vector<KeySpec> monthlyInputs() {
    std::vector<KeySpec> keys = payInputKeys(QStringLiteral("month"));
    appendKeys(keys, {
                         {QStringLiteral("startDate"), KeyKind::Date,
                          QStringLiteral("first day, default 01/03/2016")},
                         {QStringLiteral("endDate"), KeyKind::Date,
                          QStringLiteral("last day in the same month, default 31/03/2016")},
                     });
    return keys;
}

std::vector<KeySpec> monthlyOutputs() {
    std::vector<KeySpec> keys = payOutputKeys();
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

CommandResult runMonthly(const QJsonObject &json, const RunOptions &options) {
    static const std::vector<KeySpec> keys = monthlyInputs();
    InputReader r(json, keys);
    paye::MonthlyInputs in;
    readPayInputs(r, in);
    in.startDate = r.date(QStringLiteral("startDate"), in.startDate);
    in.endDate = r.date(QStringLiteral("endDate"), in.endDate);
    const QString name = r.text(QStringLiteral("employeeName"));
    if (!r.ok())
        return CommandResult::failure(r.error());

    tax::TaxLookup lookup;
    const paye::MonthlyResults out = paye::calculateMonthly(in, lookup);
    if (!out.check.ok())
        return CommandResult::failure(out.check.text);
    QJsonObject o = payResultsJson(out);
    o.insert(QStringLiteral("taxableTravelAllowance"), out.taxableTravelShown);
    o.insert(QStringLiteral("travelAllowanceIncluded"), out.taxableTravel);
    o.insert(QStringLiteral("days"), static_cast<double>(out.days));
    o.insert(QStringLiteral("daysInMonth"), out.daysInMonth);
    o.insert(kLookupKey, lookupJson(lookup));
    return {o,
            {},
            periodPrint(paye::kMonthlyTable,
                        paye::monthlyReportRecord(in, out, name, options.language),
                        paye::kMonthlyLayout, paye::kMonthlyPreviewTitle)};
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

#include "cli/PayeCommandSupport.h"
#include "paye/AnnualCalc.h"
#include "paye/AnnualReport.h"
#include "taxengine/TaxRules.h"

namespace quillon::cli {

namespace {

using paye::AnnualInputs;

CommandResult runAnnual(const JsonInputValue &json, const RunOptions &options) {
    const paye::AnnualDescription &d = paye::annualDescription();
    static const std::vector<JsonKey> keys = describedKeys(d.inputs);
    static const AnswerWriter<paye::AnnualResults> writer(d.outputs);
    InputReader r(json, keys);
    AnnualInputs in;
    in.settings.inclusionRate = 0.8;
    readDescribed(r, d.inputs, in);
    const QString name = r.printedName(paye::employeeNameKey());

    const QString monthsKey = paye::monthBeneficiariesKey();
    const QString allMonthsKey = paye::allMonthsBeneficiariesKey();
    if (r.has(allMonthsKey)) {
        if (r.has(monthsKey))
            r.fail(QStringLiteral("give either \"%1\" or \"%2\"").arg(monthsKey, allMonthsKey));
        const auto n = r.int16(allMonthsKey, tax::kMonthBeneficiaries);
        for (int m = 1; m <= 12; ++m)
            in.monthBeneficiaries[static_cast<std::size_t>(m)] = n;
    }
    const std::span<const JsonInputValue> months = r.list(monthsKey);
    if (r.has(monthsKey) && r.ok()) {
        if (months.size() != 12)
            r.fail(QStringLiteral("\"%1\" must list 12 counts, March first").arg(monthsKey));
        for (std::size_t i = 0; i < months.size() && i < 12 && r.ok(); ++i) {
            const QString key = QStringLiteral("%1[%2]").arg(monthsKey).arg(i + 1);
            if (!months[i].IsNumber())
                r.fail(QStringLiteral("\"%1\" must be a number").arg(key));
            else if (const QString problem =
                         rangeProblem(key, months[i].GetDouble(), tax::kMonthBeneficiaries);
                     !problem.isEmpty())
                r.fail(problem);
            else
                in.monthBeneficiaries[static_cast<std::size_t>(paye::kTaxYearMonths[i])] =
                    tax::toInt16(months[i].GetDouble());
        }
    }
    if (r.ok())
        if (const paye::InputCheck check = paye::annualInputCheck(in); !check.ok())
            r.fail(check.text);
    if (!r.ok())
        return CommandResult::failure(r.error());

    tax::TaxLookup lookup;
    const paye::AnnualResults out = paye::calculateAnnual(in, lookup);

    JsonList monthsOut;
    for (int m : paye::kTaxYearMonths)
        monthsOut.append(out.monthBeneficiaries[static_cast<std::size_t>(m)]);
    JsonObject o = writer.answer(out);
    static const std::string monthsOutKey = monthsKey.toStdString();
    o.add(monthsOutKey, monthsOut);
    o.add(kLookupKey, lookupJson(lookup));
    const report::PrintLanguage language = options.language;
    return {std::move(o), {}, printWhenAsked(options, [in, out, name, language] {
                return report::PrintJob{
                    {report::ReportData::singleRecord(
                        paye::kAnnualTable, paye::annualReportRecord(in, out, name, language))},
                    paye::kAnnualLayout,
                    paye::kAnnualPreviewTitle};
            })};
}

} // namespace

void registerPayeCommands(CommandRegistry &registry) {
    const paye::AnnualDescription &annual = paye::annualDescription();
    registry.add({annual.command, annual.summary, describedKeys(annual.inputs),
                  describedKeys(annual.outputs), runAnnual, true});
    registry.add(monthlyCommand());
    registry.add(fortnightlyCommand());
    registry.add(weeklyCommand());
    registry.add(dailyCommand());
    registry.add(quickTaxCommand());
}

} // namespace quillon::cli

#include "cli/JsonHelpers.h"
#include "cli/PayeCommandSupport.h"
#include "paye/QuickTaxCalc.h"
#include "paye/QuickTaxReport.h"

namespace quillon::cli {

namespace {

const std::vector<JsonKey> kQuickTaxInputs = {
    {QStringLiteral("taxableIncome"), KeyKind::Number, QStringLiteral("annual taxable income")},
    {QStringLiteral("age"), KeyKind::Integer, QStringLiteral("age in years")},
};

const std::vector<JsonKey> kQuickTaxOutputs = {
    {QStringLiteral("taxableIncome"), KeyKind::Number, QStringLiteral("Taxable Income")},
    {QStringLiteral("age"), KeyKind::Integer, QStringLiteral("Age")},
    {QStringLiteral("taxOnTaxableIncome"), KeyKind::Number,
     QStringLiteral("Tax on taxable income: the bracket's base tax")},
    {QStringLiteral("marginalRate"), KeyKind::Number, QStringLiteral("M/Rate, percent")},
    {QStringLiteral("portionAtMarginalRate"), KeyKind::Number,
     QStringLiteral("+ Portion @ M/Rate")},
    {QStringLiteral("totalTax"), KeyKind::Number, QStringLiteral("Total tax")},
    {QStringLiteral("lessRebates"), KeyKind::Number, QStringLiteral("Less rebates")},
    {QStringLiteral("taxCommitment"), KeyKind::Number, QStringLiteral("Tax commitment")},
    {QStringLiteral("averageRateBefore"), KeyKind::Number,
     QStringLiteral("Average rate before rebates, percent")},
    {QStringLiteral("averageRateAfter"), KeyKind::Number,
     QStringLiteral("Average rate after rebates, percent")},
    {QStringLiteral("monthlyTaxCommitment"), KeyKind::Number,
     QStringLiteral("tax commitment / 12 (printed)")},
    {QStringLiteral("lookup"), KeyKind::Object, QStringLiteral("the tax lookup record")},
};

CommandResult runQuickTax(const JsonInputValue &json, const RunOptions &options) {
    InputReader r(json, kQuickTaxInputs);
    // The window takes its income from the shared lookup; here it is typed.
    tax::TaxLookup lookup;
    lookup.AnnualTaxableIncome = r.number(QStringLiteral("taxableIncome"), tax::kWholeRand);
    paye::QuickTaxMemory memory;
    memory.age = r.int16(QStringLiteral("age"), tax::kCount);
    if (!r.ok())
        return CommandResult::failure(r.error());

    const paye::QuickTaxResults out = paye::calculateQuickTax(memory, lookup);
    return {JsonObject{
                {"taxableIncome", out.income},
                {"age", out.age},
                {"taxOnTaxableIncome", out.baseTax},
                {"marginalRate", out.marginalRate},
                {"portionAtMarginalRate", out.taxOnExcess},
                {"totalTax", out.totalTax},
                {"lessRebates", out.rebates},
                {"taxCommitment", out.taxCommitment},
                {"averageRateBefore", out.averageRateBefore},
                {"averageRateAfter", out.averageRateAfter},
                {"monthlyTaxCommitment", out.monthlyCommitment},
                {kLookupKey, lookupJson(lookup)},
            },
            {},
            // English only, as the window prints it.
            printWhenAsked(options, [out] {
                return periodPrint(paye::kQuickTaxTable, paye::quickTaxReportRecord(out),
                                   paye::kQuickTaxLayout, paye::kQuickTaxPreviewTitle);
            })};
}

} // namespace

Command quickTaxCommand() {
    return {QStringLiteral("quicktax"),
            QStringLiteral("how the tax on an annual taxable income is built up"),
            kQuickTaxInputs,
            kQuickTaxOutputs,
            runQuickTax,
            true};
}

} // namespace quillon::cli

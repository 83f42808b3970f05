#include "cli/JsonHelpers.h"
#include "cli/PayeCommandSupport.h"
#include "paye/QuickTaxCalc.h"
#include "paye/QuickTaxReport.h"

namespace quillon::cli {

namespace {

const std::vector<KeySpec> kQuickTaxInputs = {
    {QStringLiteral("taxableIncome"), KeyKind::Number, QStringLiteral("annual taxable income")},
    {QStringLiteral("age"), KeyKind::Integer, QStringLiteral("age in years")},
};

const std::vector<KeySpec> kQuickTaxOutputs = {
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

CommandResult runQuickTax(const QJsonObject &json, const RunOptions &) {
    InputReader r(json, kQuickTaxInputs);
    // The window takes its income from the shared lookup; here it is typed.
    tax::TaxLookup lookup;
    lookup.AnnualTaxableIncome = r.number(QStringLiteral("taxableIncome"));
    paye::QuickTaxMemory memory;
    memory.age = r.int16(QStringLiteral("age"));
    if (!r.ok())
        return CommandResult::failure(r.error());

    const paye::QuickTaxResults out = paye::calculateQuickTax(memory, lookup);
    return {QJsonObject{
                {QStringLiteral("taxableIncome"), out.income},
                {QStringLiteral("age"), out.age},
                {QStringLiteral("taxOnTaxableIncome"), out.baseTax},
                {QStringLiteral("marginalRate"), out.marginalRate},
                {QStringLiteral("portionAtMarginalRate"), out.taxOnExcess},
                {QStringLiteral("totalTax"), out.totalTax},
                {QStringLiteral("lessRebates"), out.rebates},
                {QStringLiteral("taxCommitment"), out.taxCommitment},
                {QStringLiteral("averageRateBefore"), out.averageRateBefore},
                {QStringLiteral("averageRateAfter"), out.averageRateAfter},
                {QStringLiteral("monthlyTaxCommitment"), out.monthlyCommitment},
                {kLookupKey, lookupJson(lookup)},
            },
            {},
            // English only, as the window prints it.
            periodPrint(paye::kQuickTaxTable, paye::quickTaxReportRecord(out),
                        paye::kQuickTaxLayout, paye::kQuickTaxPreviewTitle)};
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

#include "cli/Command.h"
#include "cli/JsonHelpers.h"
#include "cli/PayeCommandSupport.h"
#include "paye/AnnualCalc.h"
#include "paye/AnnualReport.h"
#include "taxengine/TaxRules.h"

namespace quillon::cli {

namespace {

using paye::AnnualInputs;

const std::vector<JsonKey> kAnnualInputs = {
    {QStringLiteral("age"), KeyKind::Integer, QStringLiteral("age in years")},
    {QStringLiteral("salary"), KeyKind::Number,
     QStringLiteral("annual salary/remuneration incl. fringe benefits, excl. travel allowance")},
    {QStringLiteral("employerMedAid"), KeyKind::Number,
     QStringLiteral("employer's medical aid contribution")},
    {QStringLiteral("employeeMedAid"), KeyKind::Number,
     QStringLiteral("employee's medical aid contribution")},
    {QStringLiteral("employerFund"), KeyKind::Number,
     QStringLiteral("employer's R/Fund contributions")},
    {QStringLiteral("employeeFund"), KeyKind::Number,
     QStringLiteral("employee's R/Fund contributions")},
    {QStringLiteral("commission"), KeyKind::Number, QStringLiteral("commissions")},
    {QStringLiteral("bonus"), KeyKind::Number, QStringLiteral("bonus")},
    {QStringLiteral("travelAllowance"), KeyKind::Number,
     QStringLiteral("travel allowance received")},
    {QStringLiteral("medAidBeneficiaries"), KeyKind::Integer,
     QStringLiteral("medical aid fund beneficiaries (shown only)")},
    {QStringLiteral("beneficiaries"), KeyKind::List,
     QStringLiteral("12 monthly beneficiary counts, March first, each 0 to 24")},
    {QStringLiteral("allMonthsBeneficiaries"), KeyKind::Integer,
     QStringLiteral("one count for all 12 months (instead of beneficiaries)")},
    {QStringLiteral("medAidContributionDeduction"), KeyKind::Number,
     QStringLiteral("med aid contribution deduction (printed only)")},
    {QStringLiteral("startDate"), KeyKind::Date, QStringLiteral("first day, from 01/03/2016")},
    {QStringLiteral("endDate"), KeyKind::Date, QStringLiteral("last day, up to 28/02/2017")},
    {QStringLiteral("inclusionRate"), KeyKind::Number,
     QStringLiteral("travel allowance inclusion rate, 0.8 (default) or 0.2")},
    {QStringLiteral("employeeName"), KeyKind::Text, QStringLiteral("name printed on the report")},
};

const std::vector<JsonKey> kAnnualOutputs = {
    {QStringLiteral("allowableRFundDeduction"), KeyKind::Number,
     QStringLiteral("Allowable R/Fund deduction, whole rand")},
    {QStringLiteral("rFundDeduction"), KeyKind::Number,
     QStringLiteral("the same deduction, unrounded")},
    {QStringLiteral("taxLiability"), KeyKind::Number,
     QStringLiteral("Tax liability: tax for the period before credits")},
    {QStringLiteral("taxCreditBeneficiaries"), KeyKind::Number,
     QStringLiteral("Tax credits for beneficiaries")},
    {QStringLiteral("taxCreditContributions"), KeyKind::Number,
     QStringLiteral("Tax credits for contributions")},
    {QStringLiteral("totalTaxDeduction"), KeyKind::Number, QStringLiteral("Total tax deduction")},
    {QStringLiteral("paye"), KeyKind::Number, QStringLiteral("PAYE (the same figure)")},
    {QStringLiteral("rebate"), KeyKind::Number, QStringLiteral("rebate for the age")},
    {QStringLiteral("days"), KeyKind::Integer, QStringLiteral("days in the period")},
    {QStringLiteral("annualTaxableAmount"), KeyKind::Number,
     QStringLiteral("taxable amount after part-year scaling, before the bonus")},
    {QStringLiteral("beneficiaries"), KeyKind::List,
     QStringLiteral("the month counts after the calculation, March first")},
    {QStringLiteral("lookup"), KeyKind::Object,
     QStringLiteral("the tax lookup record as the last lookup left it")},
};

CommandResult runAnnual(const JsonInputValue &json, const RunOptions &options) {
    InputReader r(json, kAnnualInputs);
    AnnualInputs in;
    // Every amount of the annual window is whole rand.
    const tax::FieldRange &amount = tax::kWholeRand;
    in.age = r.int16(QStringLiteral("age"), tax::kCount);
    in.salary = r.number(QStringLiteral("salary"), amount);
    in.employerMedAid = r.number(QStringLiteral("employerMedAid"), amount);
    in.employeeMedAid = r.number(QStringLiteral("employeeMedAid"), amount);
    in.employerFund = r.number(QStringLiteral("employerFund"), amount);
    in.employeeFund = r.number(QStringLiteral("employeeFund"), amount);
    in.commission = r.number(QStringLiteral("commission"), amount);
    in.bonus = r.number(QStringLiteral("bonus"), amount);
    in.travelAllowance = r.number(QStringLiteral("travelAllowance"), amount);
    in.medAidBeneficiaries = r.int16(QStringLiteral("medAidBeneficiaries"), tax::kCount);
    in.medAidContributionDeduction =
        r.number(QStringLiteral("medAidContributionDeduction"), tax::kInt32Rand);
    in.startDate = r.date(QStringLiteral("startDate"), in.startDate);
    in.endDate = r.date(QStringLiteral("endDate"), in.endDate);
    in.settings.inclusionRate = r.choice(QStringLiteral("inclusionRate"), {0.8, 0.2}, 0.8);
    const QString name = r.printedName(QStringLiteral("employeeName"));

    if (r.has(QStringLiteral("allMonthsBeneficiaries"))) {
        if (r.has(QStringLiteral("beneficiaries")))
            r.fail(QStringLiteral("give either \"beneficiaries\" or \"allMonthsBeneficiaries\""));
        const auto n = r.int16(QStringLiteral("allMonthsBeneficiaries"), tax::kMonthBeneficiaries);
        for (int m = 1; m <= 12; ++m)
            in.monthBeneficiaries[static_cast<std::size_t>(m)] = n;
    }
    const std::span<const JsonInputValue> months = r.list(QStringLiteral("beneficiaries"));
    if (r.has(QStringLiteral("beneficiaries")) && r.ok()) {
        if (months.size() != 12)
            r.fail(QStringLiteral("\"beneficiaries\" must list 12 counts, March first"));
        for (std::size_t i = 0; i < months.size() && i < 12 && r.ok(); ++i) {
            const QString key = QStringLiteral("beneficiaries[%1]").arg(i + 1);
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
    JsonObject o{
        {"allowableRFundDeduction", out.allowableDeduction},
        {"rFundDeduction", out.deduction},
        {"taxLiability", out.periodTax},
        {"taxCreditBeneficiaries", out.medicalCredit},
        {"taxCreditContributions", out.additionalCredit},
        {"totalTaxDeduction", out.taxLiability},
        {"paye", out.taxLiability},
        {"rebate", out.rebate},
        {"days", static_cast<double>(out.days)},
        {"annualTaxableAmount", out.taxableAmount},
        {"beneficiaries", monthsOut},
        {kLookupKey, lookupJson(lookup)},
    };
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
    registry.add({QStringLiteral("annual"),
                  QStringLiteral("annual PAYE with rebates, medical credits and the R/Fund "
                                 "deduction"),
                  kAnnualInputs, kAnnualOutputs, runAnnual, true});
    registry.add(monthlyCommand());
    registry.add(fortnightlyCommand());
    registry.add(weeklyCommand());
    registry.add(dailyCommand());
    registry.add(quickTaxCommand());
}

} // namespace quillon::cli

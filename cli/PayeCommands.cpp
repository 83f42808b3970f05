#include "cli/Command.h"
#include "cli/JsonHelpers.h"
#include "cli/PayeCommandSupport.h"
#include "paye/AnnualCalc.h"
#include "paye/AnnualReport.h"
#include "taxengine/TaxRules.h"

namespace quillon::cli {

namespace {

using paye::AnnualInputs;

const std::vector<KeySpec> kAnnualInputs = {
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

const std::vector<KeySpec> kAnnualOutputs = {
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

CommandResult runAnnual(const QJsonObject &json, const RunOptions &options) {
    InputReader r(json, kAnnualInputs);
    AnnualInputs in;
    in.age = r.int16(QStringLiteral("age"));
    in.salary = r.number(QStringLiteral("salary"));
    in.employerMedAid = r.number(QStringLiteral("employerMedAid"));
    in.employeeMedAid = r.number(QStringLiteral("employeeMedAid"));
    in.employerFund = r.number(QStringLiteral("employerFund"));
    in.employeeFund = r.number(QStringLiteral("employeeFund"));
    in.commission = r.number(QStringLiteral("commission"));
    in.bonus = r.number(QStringLiteral("bonus"));
    in.travelAllowance = r.number(QStringLiteral("travelAllowance"));
    in.medAidBeneficiaries = r.int16(QStringLiteral("medAidBeneficiaries"));
    in.medAidContributionDeduction = r.number(QStringLiteral("medAidContributionDeduction"));
    in.startDate = r.date(QStringLiteral("startDate"), in.startDate);
    in.endDate = r.date(QStringLiteral("endDate"), in.endDate);
    in.settings.inclusionRate = r.number(QStringLiteral("inclusionRate"), 0.8);
    const QString name = r.text(QStringLiteral("employeeName"));

    if (r.has(QStringLiteral("allMonthsBeneficiaries"))) {
        if (r.has(QStringLiteral("beneficiaries")))
            r.fail(QStringLiteral("give either \"beneficiaries\" or \"allMonthsBeneficiaries\""));
        const auto n = r.int16(QStringLiteral("allMonthsBeneficiaries"));
        for (int m = 1; m <= 12; ++m)
            in.monthBeneficiaries[static_cast<std::size_t>(m)] = n;
    }
    const QJsonArray months = r.list(QStringLiteral("beneficiaries"));
    if (r.has(QStringLiteral("beneficiaries")) && r.ok()) {
        if (months.size() != 12)
            r.fail(QStringLiteral("\"beneficiaries\" must list 12 counts, March first"));
        for (qsizetype i = 0; i < months.size() && i < 12 && r.ok(); ++i) {
            const double v = months[i].toDouble(-1);
            if (!months[i].isDouble() || v != static_cast<int>(v))
                r.fail(QStringLiteral("\"beneficiaries\" must hold whole numbers"));
            else
                in.monthBeneficiaries[static_cast<std::size_t>(
                    paye::kTaxYearMonths[static_cast<std::size_t>(i)])] = tax::toInt16(v);
        }
    }
    if (r.ok())
        if (const paye::InputCheck check = paye::annualInputCheck(in); !check.ok())
            r.fail(check.text);
    if (!r.ok())
        return CommandResult::failure(r.error());

    tax::TaxLookup lookup;
    const paye::AnnualResults out = paye::calculateAnnual(in, lookup);

    QJsonArray monthsOut;
    for (int m : paye::kTaxYearMonths)
        monthsOut.append(out.monthBeneficiaries[static_cast<std::size_t>(m)]);
    QJsonObject o{
        {QStringLiteral("allowableRFundDeduction"), out.allowableDeduction},
        {QStringLiteral("rFundDeduction"), out.deduction},
        {QStringLiteral("taxLiability"), out.periodTax},
        {QStringLiteral("taxCreditBeneficiaries"), out.medicalCredit},
        {QStringLiteral("taxCreditContributions"), out.additionalCredit},
        {QStringLiteral("totalTaxDeduction"), out.taxLiability},
        {QStringLiteral("paye"), out.taxLiability},
        {QStringLiteral("rebate"), out.rebate},
        {QStringLiteral("days"), static_cast<double>(out.days)},
        {QStringLiteral("annualTaxableAmount"), out.taxableAmount},
        {QStringLiteral("beneficiaries"), monthsOut},
        {kLookupKey, lookupJson(lookup)},
    };
    report::PrintJob job{
        {report::ReportData::singleRecord(
            paye::kAnnualTable, paye::annualReportRecord(in, out, name, options.language))},
        paye::kAnnualLayout,
        paye::kAnnualPreviewTitle};
    return {o, {}, std::move(job)};
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

#include "cli/PayeCommandSupport.h"

#include "taxengine/SetupRecord.h"

namespace quillon::cli {

using paye::PayInputs;
using paye::PayResults;

report::PrintJob periodPrint(const QString &table, report::ReportRecord record,
                             const QString &layout, const QString &title) {
    return {{report::ReportData::singleRecord(table, std::move(record))}, layout, title};
}

void appendKeys(std::vector<JsonKey> &to, const std::vector<JsonKey> &more) {
    to.insert(to.end(), more.begin(), more.end());
}

std::vector<JsonKey> payInputKeys(const QString &period) {
    const tax::SetupRecord d = tax::deliveredSetup();
    return {
        {QStringLiteral("age"), KeyKind::Integer, QStringLiteral("age in years")},
        {QStringLiteral("salary"), KeyKind::Number,
         QStringLiteral("salary/remuneration for the %1 incl. fringe benefits, excl. travel "
                        "allowance")
             .arg(period)},
        {QStringLiteral("employerMedAid"), KeyKind::Number,
         QStringLiteral("employer's medical aid contribution")},
        {QStringLiteral("employeeMedAid"), KeyKind::Number,
         QStringLiteral("employee's medical aid contribution")},
        {QStringLiteral("employerFund"), KeyKind::Number,
         QStringLiteral("employer's R/Fund contributions")},
        {QStringLiteral("employeeFund"), KeyKind::Number,
         QStringLiteral("employee's R/Fund contributions")},
        {QStringLiteral("commission"), KeyKind::Number, QStringLiteral("commissions")},
        {QStringLiteral("bonus"), KeyKind::Number,
         QStringLiteral("bonus paid in the %1").arg(period)},
        {QStringLiteral("travelAllowance"), KeyKind::Number,
         QStringLiteral("travel allowance received")},
        {QStringLiteral("medAidBeneficiaries"), KeyKind::Integer,
         QStringLiteral("medical aid fund beneficiaries")},
        {QStringLiteral("employeeUIF"), KeyKind::Number,
         QStringLiteral("employee UIF portion, percent (default %1)").arg(d.EmployeeUIF)},
        {QStringLiteral("employerUIF"), KeyKind::Number,
         QStringLiteral("employer UIF portion, percent (default %1)").arg(d.EmployerUIF)},
        {QStringLiteral("skillLevy"), KeyKind::Number,
         QStringLiteral("skills levy, percent (default %1)").arg(d.SkillLevy)},
        {QStringLiteral("uifLimit"), KeyKind::Number,
         QStringLiteral("UIF monthly limit, rand (default %1)").arg(d.UIFLimit)},
        {QStringLiteral("inclusionRate"), KeyKind::Number,
         QStringLiteral("travel allowance inclusion rate, 0.8 or 0.2 (default %1)")
             .arg(d.TAIncRate8020)},
        {QStringLiteral("employeeName"), KeyKind::Text,
         QStringLiteral("name printed on the report")},
    };
}

std::vector<JsonKey> payOutputKeys() {
    return {
        {QStringLiteral("allowableRFundDeduction"), KeyKind::Number,
         QStringLiteral("Allowable R/Fund deduction, whole rand")},
        {QStringLiteral("rFundDeduction"), KeyKind::Number,
         QStringLiteral("the same deduction, unrounded")},
        {QStringLiteral("uifEmployee"), KeyKind::Number,
         QStringLiteral("UIF contribution Employee, unrounded")},
        {QStringLiteral("uifEmployer"), KeyKind::Number,
         QStringLiteral("UIF contribution Employer, unrounded")},
        {QStringLiteral("skillsLevy"), KeyKind::Number, QStringLiteral("S.D.L., unrounded")},
        {QStringLiteral("uifEmployeeShown"), KeyKind::Number,
         QStringLiteral("UIF contribution Employee as shown and printed (two decimals)")},
        {QStringLiteral("uifEmployerShown"), KeyKind::Number,
         QStringLiteral("UIF contribution Employer as shown and printed")},
        {QStringLiteral("skillsLevyShown"), KeyKind::Number,
         QStringLiteral("S.D.L. as shown and printed")},
        {QStringLiteral("taxLiability"), KeyKind::Number,
         QStringLiteral("Tax liability: tax for the period before credits")},
        {QStringLiteral("taxCreditBeneficiaries"), KeyKind::Number,
         QStringLiteral("Tax credits for beneficiaries")},
        {QStringLiteral("taxCreditContributions"), KeyKind::Number,
         QStringLiteral("Tax credits for contributions")},
        {QStringLiteral("totalTaxDeduction"), KeyKind::Number,
         QStringLiteral("Total tax deduction")},
        {QStringLiteral("rebate"), KeyKind::Number, QStringLiteral("rebate for the age")},
        {QStringLiteral("taxableAmount"), KeyKind::Number,
         QStringLiteral("taxable amount for the period, before the bonus")},
        {QStringLiteral("annualEquivalent"), KeyKind::Number,
         QStringLiteral("that amount brought to a year")},
        {QStringLiteral("uifRemuneration"), KeyKind::Number,
         QStringLiteral("remuneration UIF is measured on")},
        {QStringLiteral("lookup"), KeyKind::Object,
         QStringLiteral("the tax lookup record as the last lookup left it")},
    };
}

void readPayInputs(InputReader &r, PayInputs &in, const PayRanges &ranges) {
    // The R/Fund contributions are whole rand on every period window.
    const tax::FieldRange &fund = tax::kWholeRand;
    in.age = r.int16(QStringLiteral("age"), tax::kCount);
    in.salary = r.number(QStringLiteral("salary"), ranges.amounts);
    in.employerMedAid = r.number(QStringLiteral("employerMedAid"), ranges.amounts);
    in.employeeMedAid = r.number(QStringLiteral("employeeMedAid"), ranges.amounts);
    in.employerFund = r.number(QStringLiteral("employerFund"), fund);
    in.employeeFund = r.number(QStringLiteral("employeeFund"), fund);
    in.commission = r.number(QStringLiteral("commission"), ranges.amounts);
    in.bonus = r.number(QStringLiteral("bonus"), ranges.bonusAndTravel);
    in.travelAllowance = r.number(QStringLiteral("travelAllowance"), ranges.bonusAndTravel);
    in.medAidBeneficiaries = r.int16(QStringLiteral("medAidBeneficiaries"), ranges.beneficiaries);
    readPaySettings(r, in.settings);
}

void readPaySettings(InputReader &r, paye::PaySettings &s) {
    s.employeeUIF = r.number(QStringLiteral("employeeUIF"), tax::kPercent, s.employeeUIF);
    s.employerUIF = r.number(QStringLiteral("employerUIF"), tax::kPercent, s.employerUIF);
    s.skillLevy = r.number(QStringLiteral("skillLevy"), tax::kPercent, s.skillLevy);
    s.uifLimit = r.number(QStringLiteral("uifLimit"), tax::kWholeRand, s.uifLimit);
    // The settings panel offers only the two options.
    s.inclusionRate = r.choice(QStringLiteral("inclusionRate"), {0.8, 0.2}, s.inclusionRate);
}

JsonObject payResultsJson(const PayResults &out) {
    return JsonObject{
        {"allowableRFundDeduction", out.allowableDeduction},
        {"rFundDeduction", out.deduction},
        {"uifEmployee", out.employeeUif},
        {"uifEmployer", out.employerUif},
        {"skillsLevy", out.skillsLevy},
        {"uifEmployeeShown", out.employeeUifShown},
        {"uifEmployerShown", out.employerUifShown},
        {"skillsLevyShown", out.skillsLevyShown},
        {"taxLiability", out.periodTax},
        {"taxCreditBeneficiaries", out.medicalCredit},
        {"taxCreditContributions", out.additionalCredit},
        {"totalTaxDeduction", out.taxLiability},
        {"rebate", out.rebate},
        {"taxableAmount", out.taxableAmount},
        {"annualEquivalent", out.annualEquivalent},
        {"uifRemuneration", out.uifRemuneration},
    };
}

} // namespace quillon::cli

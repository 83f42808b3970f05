#include "cli/PayeCommandSupport.h"

#include "taxengine/SetupRecord.h"

namespace quillon::cli {

using paye::PayInputs;
using paye::PayResults;

report::PrintJob periodPrint(const QString &table, report::ReportRecord record,
                             const QString &layout, const QString &title) {
    return {{report::ReportData::singleRecord(table, std::move(record))}, layout, title};
}

void appendKeys(std::vector<KeySpec> &to, const std::vector<KeySpec> &more) {
    to.insert(to.end(), more.begin(), more.end());
}

std::vector<KeySpec> payInputKeys(const QString &period) {
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

std::vector<KeySpec> payOutputKeys() {
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

void readPayInputs(InputReader &r, PayInputs &in) {
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
    paye::PaySettings &s = in.settings;
    s.employeeUIF = r.number(QStringLiteral("employeeUIF"), s.employeeUIF);
    s.employerUIF = r.number(QStringLiteral("employerUIF"), s.employerUIF);
    s.skillLevy = r.number(QStringLiteral("skillLevy"), s.skillLevy);
    s.uifLimit = r.number(QStringLiteral("uifLimit"), s.uifLimit);
    s.inclusionRate = r.number(QStringLiteral("inclusionRate"), s.inclusionRate);
}

QJsonObject payResultsJson(const PayResults &out) {
    return QJsonObject{
        {QStringLiteral("allowableRFundDeduction"), out.allowableDeduction},
        {QStringLiteral("rFundDeduction"), out.deduction},
        {QStringLiteral("uifEmployee"), out.employeeUif},
        {QStringLiteral("uifEmployer"), out.employerUif},
        {QStringLiteral("skillsLevy"), out.skillsLevy},
        {QStringLiteral("uifEmployeeShown"), out.employeeUifShown},
        {QStringLiteral("uifEmployerShown"), out.employerUifShown},
        {QStringLiteral("skillsLevyShown"), out.skillsLevyShown},
        {QStringLiteral("taxLiability"), out.periodTax},
        {QStringLiteral("taxCreditBeneficiaries"), out.medicalCredit},
        {QStringLiteral("taxCreditContributions"), out.additionalCredit},
        {QStringLiteral("totalTaxDeduction"), out.taxLiability},
        {QStringLiteral("rebate"), out.rebate},
        {QStringLiteral("taxableAmount"), out.taxableAmount},
        {QStringLiteral("annualEquivalent"), out.annualEquivalent},
        {QStringLiteral("uifRemuneration"), out.uifRemuneration},
    };
}

} // namespace quillon::cli

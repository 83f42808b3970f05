#pragma once

#include "taxengine/SetupRecord.h"
#include "taxengine/TaxRules.h"

#include <QString>

#include <cstdint>

namespace quillon::paye {

// The five settings a period calculator reads from the Setup row when its window opens.
struct PaySettings {
    double employeeUIF = 0;   // percent
    double employerUIF = 0;   // percent
    double skillLevy = 0;     // percent
    double uifLimit = 0;      // rand per month
    double inclusionRate = 0; // travel allowance inclusion rate, 0.8 or 0.2

    static PaySettings fromSetup(const tax::SetupRecord &setup) {
        return {setup.EmployeeUIF, setup.EmployerUIF, setup.SkillLevy, setup.UIFLimit,
                setup.TAIncRate8020};
    }
};

// The amounts every period window types in, all for its own pay period.
struct PayInputs {
    std::int16_t age = 0;
    double salary = 0;
    double employerMedAid = 0;
    double employeeMedAid = 0;
    double employerFund = 0;
    double employeeFund = 0;
    double commission = 0;
    double bonus = 0;
    double travelAllowance = 0;
    std::int16_t medAidBeneficiaries = 0;
    PaySettings settings = PaySettings::fromSetup(tax::deliveredSetup());
};

// Why a calculation was refused. The window shows `text` with `title` and the error icon and
// moves the focus to the control named `focus`.
enum class CheckCode {
    Ok,
    StartDateOutsideYear,
    EndDateOutsideYear,
    DifferentMonths,
    StartAfterEnd,
    ThisPeriodMoreThanNormal,
    DaysBelowOne,
    BeneficiariesOutOfRange,
};

struct InputCheck {
    CheckCode code = CheckCode::Ok;
    QString text;
    QString title;
    QString focus;

    bool ok() const { return code == CheckCode::Ok; }
};

// The figures every period window shows, unrounded, plus the numbers the result fields show
// with their "0.00" pattern (printing reads those back).
struct PayResults {
    InputCheck check; // when not ok, nothing below was calculated
    double rebate = 0;
    double deduction = 0;          // retirement-fund deduction, unrounded
    double allowableDeduction = 0; // numAllowableRFundDed: whole rand, halves to even
    double taxableAmount = 0;      // P: the period's taxable amount before the bonus
    double annualEquivalent = 0;   // A: P brought to a year
    double periodTax = 0;          // numMAns: tax for the period before credits
    double medicalCredit = 0;      // numTaxCredit
    double additionalCredit = 0;   // numMTCForContri
    double taxLiability = 0;       // numTaxLiability
    double uifRemuneration = 0;
    double employeeUif = 0;
    double employerUif = 0;
    double skillsLevy = 0;
    double employeeUifShown = 0; // numMAns1
    double employerUifShown = 0; // numMAns2
    double skillsLevyShown = 0;  // numMAns3
};

// The number a "0.00" result field shows for a value, read back as the field's leading number.
double shownFigure(double value);

// A beneficiary count the period's 16-bit credit arithmetic can compute, or why not.
InputCheck beneficiaryCheck(std::int16_t beneficiaries, tax::PayPeriod period);

// The medical scheme fees credit of the period: 0 without a medical aid contribution.
double periodMedicalCredit(const PayInputs &in, tax::PayPeriod period);

// UIF, the skills levy, the additional medical credit, the tax after credits and the shown
// figures, once `out.deduction`, `out.periodTax` and `out.medicalCredit` are known.
void completePayResults(const PayInputs &in, tax::PayPeriod period, PayResults &out);

} // namespace quillon::paye

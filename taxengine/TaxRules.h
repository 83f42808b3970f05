#pragma once

#include <cstdint>
#include <optional>

namespace quillon::tax {

// 2017 tax-year constants (rand unless stated).
inline constexpr double PrimaryRebate = 13500;
inline constexpr double SecondaryRebate = 7407;
inline constexpr double SecondaryPlusTertiaryRebate = 9873;
inline constexpr std::int16_t MedicalCreditFirstTwo = 286;
inline constexpr std::int16_t MedicalCreditFurther = 192;
inline constexpr double AdditionalMedicalCreditRate = 0.333;
inline constexpr double RetirementDeductionRate = 0.275;
inline constexpr double RetirementDeductionCap = 350000;

// The pay periods the calculators work in; each has its own deduction cap, medical-credit
// conversion and UIF ceiling.
enum class PayPeriod { Year, Month, Fortnight, Week, Day };

// Rebate by age: 13500, 20907 from 65, 23373 from 75.
double rebateForAge(std::int16_t age);

// Medical scheme fees tax credit for n beneficiaries, converted to the period the way each
// window does it. Year and Month both give the credit for one month: the annual window adds
// up its months, the annual packages count beneficiary-months themselves. The products n x 286 and
// (n - 2) x 192 (and, for a day, those times 12) are 16-bit whole numbers as the tables were built;
// a count whose product would not fit gives no value instead of a wrong figure. Counts below 0 also
// give no value.
std::optional<double> medicalSchemeCredit(std::int16_t beneficiaries, PayPeriod period);

// The largest beneficiary count medicalSchemeCredit accepts for a period.
std::int16_t maxBeneficiaries(PayPeriod period);

// Additional medical credit from age 65: (employer + employee - 3 x credit) x 0.333, never
// below 0; 0 when there is no credit, no contribution or the taxpayer is younger.
double additionalMedicalCredit(double employerMedAid, double employeeMedAid, double credit,
                               std::int16_t age);

// The retirement-fund deduction cap for one period (350000 a year, / 12, / 26, / 52, / 260).
double retirementDeductionCap(PayPeriod period);

// Remuneration on which the retirement-fund deduction is measured, summed in this order:
// salary + employer's medical aid + commission + bonus + travel allowance x inclusion rate +
// employer's R/Fund contributions.
double deductionRemuneration(double salary, double employerMedAid, double commission, double bonus,
                             double travelAllowance, double inclusionRate, double employerFund);

// Contributions up to 27.5% of the remuneration, then the period's cap.
double retirementFundDeduction(double employerFund, double employeeFund, double remuneration,
                               PayPeriod period);

// UIF remuneration: salary + employer's medical aid + bonus + travel allowance x inclusion rate
// + employer's R/Fund contributions (commission is not part of it).
double uifRemuneration(double salary, double employerMedAid, double bonus, double travelAllowance,
                       double inclusionRate, double employerFund);

// The UIF ceiling of one period from the monthly UIFLimit setting.
double uifCeiling(double uifLimitPerMonth, PayPeriod period);

// min(remuneration, ceiling) x percent / 100.
double uifContribution(double remuneration, double ceiling, double percent);

// (remuneration - deduction + commission) x percent / 100, with no ceiling.
double skillsLevy(double uifRemuneration, double deduction, double commission, double percent);

// Tax for the period less both credits; 0 when that is not above 0.
double taxAfterCredits(double periodTax, double credit, double additionalCredit);

// Whole-rand figure with halves to the even rand, as the result fields show them.
double roundHalfEven(double value);

// Age or count held as a signed 16-bit integer: rounded half to even, clamped into range.
std::int16_t toInt16(double value);

} // namespace quillon::tax

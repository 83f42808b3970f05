#pragma once

namespace quillon::tax {

// The display pattern and the limits of an input field. The windows build their fields from
// these and quillon-calc checks its keys against the same ones, so both accept the same figures.
struct FieldRange {
    const char16_t *pattern;
    double minimum;
    double maximum;
};

// Amounts in whole rand, and in rand and cents: at most 12 digits before the decimal point.
inline constexpr FieldRange kWholeRand{u"0", 0, 999999999999.0};
inline constexpr FieldRange kRandAndCents{u"0.00", 0, 999999999999.99};
// Ages, beneficiaries and day counts are held as signed 16-bit whole numbers.
inline constexpr FieldRange kCount{u"0", 0, 32767};
// The daily credit's 16-bit products hold up to 16 beneficiaries.
inline constexpr FieldRange kDailyBeneficiaries{u"0", 0, 16};
// Beneficiaries of one month on the annual window: principal member and dependants.
inline constexpr FieldRange kMonthBeneficiaries{u"0", 0, 24};
inline constexpr FieldRange kPercent{u"0.000", 0, 100};
// The annual medical aid contribution deduction is printed from a 32-bit whole number.
inline constexpr FieldRange kInt32Rand{u"0", 0, 2147483647.0};

// Kilometre readings and distances, typed as whole kilometres.
inline constexpr FieldRange kWholeKm{u"0", 0, 999999999999.0};
// Loans and bonds: principal, bond amount and extra payments; the monthly repayment; the period
// in months and the interest rate.
inline constexpr FieldRange kLoanAmount{u"0.00", 0, 99999999.99};
inline constexpr FieldRange kLoanRepayment{u"0.00", 0, 9999999.99};
inline constexpr FieldRange kLoanMonths{u"0", 0, 600};
inline constexpr FieldRange kLoanRate{u"0.000", 0, 50};
// Daily balance: the rate field tops out below the loan rate.
inline constexpr FieldRange kDailyBalanceRate{u"0.000", 0, 40};
// Inflation: whole years, and a rate that may be negative (deflation).
inline constexpr FieldRange kInflationYears{u"0", 0, 40};
inline constexpr FieldRange kInflationRate{u"0.000", -5, 40};

// Salary package windows: every amount in rand and cents; the age and the beneficiary count (or
// beneficiary-months) are 16-bit whole numbers; the expense descriptions are short texts.
inline constexpr FieldRange kPackageAmount{u"0.00", 0, 999999999999.99};
inline constexpr FieldRange kPackageCount{u"0", 0, 32767};
inline constexpr int kPackageExpenseTextLength = 30;

} // namespace quillon::tax

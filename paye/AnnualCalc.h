#pragma once

#include "paye/PayFigures.h"
#include "taxengine/TaxLookup.h"

#include <QDate>
#include <QString>

#include <array>
#include <cstdint>

namespace quillon::paye {

// Everything the annual window types in, as annual rand: the pay fields of every period
// window (the beneficiary count is kept and shown, not used), and the counts of each month.
// Only the inclusion rate of the settings takes part.
struct AnnualInputs : PayInputs {
    // Beneficiaries per calendar month: index 1 is January, 12 is December (0 unused).
    std::array<std::int16_t, 13> monthBeneficiaries{};
    double medAidContributionDeduction = 0; // only printed
    QDate startDate{2016, 3, 1};
    QDate endDate{2017, 2, 28};
};

struct AnnualResults {
    double deduction = 0;          // retirement-fund deduction, unrounded
    double allowableDeduction = 0; // numAllowableRFundDed: whole rand, halves to even
    double periodTax = 0;          // numMAns: tax for the period before credits
    double medicalCredit = 0;      // numTaxCredit
    double additionalCredit = 0;   // numMTCForContri
    double taxLiability = 0;       // numTaxLiability and numAns(1): PAYE
    double rebate = 0;
    qint64 days = 0;
    double taxableAmount = 0; // P after any part-year scaling
    // The month fields after the calculation: months outside the period are set to 0 when a
    // medical aid contribution is present.
    std::array<std::int16_t, 13> monthBeneficiaries{};
};

// The most beneficiaries a month may hold (principal member and first dependant counted).
inline constexpr std::int16_t kMaxMonthBeneficiaries = 24;

// Months of the tax year, in the order the window shows them: March first.
inline constexpr std::array<int, 12> kTaxYearMonths{3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 1, 2};

// Whether a calendar month counts towards the medical credit for a period; only the month
// numbers of the two dates are looked at.
bool monthCounts(int month, int startMonth, int endMonth);

// Dates outside the tax year, a start after the end, a month count below 0 or above 24.
InputCheck annualInputCheck(const AnnualInputs &in);

// The annual PAYE calculation. Two bracket lookups, the first with the bonus and the last
// without, so `lookup` is left holding the income without the bonus.
AnnualResults calculateAnnual(const AnnualInputs &in, tax::TaxLookup &lookup);

} // namespace quillon::paye

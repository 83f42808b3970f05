#pragma once

#include "taxengine/TaxLookup.h"

#include <QDate>
#include <QString>

#include <array>
#include <cstdint>

namespace quillon::paye {

// Everything the annual window types in, as annual rand.
struct AnnualInputs {
    std::int16_t age = 0;
    double salary = 0;
    double employerMedAid = 0;
    double employeeMedAid = 0;
    double employerFund = 0;
    double employeeFund = 0;
    double commission = 0;
    double bonus = 0;
    double travelAllowance = 0;
    std::int16_t medAidBeneficiaries = 0; // kept and shown, not used by the calculation
    // Beneficiaries per calendar month: index 1 is January, 12 is December (0 unused).
    std::array<std::int16_t, 13> monthBeneficiaries{};
    double medAidContributionDeduction = 0; // only printed
    QDate startDate{2016, 3, 1};
    QDate endDate{2017, 2, 28};
    double inclusionRate = 0.8; // TAIncRate8020
};

struct AnnualResults {
    double deduction = 0;           // retirement-fund deduction, unrounded
    double allowableDeduction = 0;  // numAllowableRFundDed: whole rand, halves to even
    double periodTax = 0;           // numMAns: tax for the period before credits
    double medicalCredit = 0;       // numTaxCredit
    double additionalCredit = 0;    // numMTCForContri
    double taxLiability = 0;        // numTaxLiability and numAns(1): PAYE
    double rebate = 0;
    qint64 days = 0;
    double taxableAmount = 0;       // P after any part-year scaling
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

// What is wrong with the inputs, or an empty text: dates outside the tax year, a start after the
// end, a month count below 0 or above 24.
QString annualInputError(const AnnualInputs &in);

// The annual PAYE calculation. Two bracket lookups, the first with the bonus and the last
// without, so `lookup` is left holding the income without the bonus.
AnnualResults calculateAnnual(const AnnualInputs &in, tax::TaxLookup &lookup);

} // namespace quillon::paye

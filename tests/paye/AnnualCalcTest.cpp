#include "paye/AnnualCalc.h"

#include <gtest/gtest.h>

#include <cmath>

using namespace quillon::paye;
using quillon::tax::TaxLookup;

namespace {

AnnualInputs withSalary(double salary, std::int16_t age = 40) {
    AnnualInputs in;
    in.salary = salary;
    in.age = age;
    return in;
}

void setAllMonths(AnnualInputs &in, std::int16_t n) {
    for (int m = 1; m <= 12; ++m)
        in.monthBeneficiaries[static_cast<std::size_t>(m)] = n;
}

TEST(AnnualCalc, FullYearSalaryOnly) {
    TaxLookup lookup;
    const AnnualResults r = calculateAnnual(withSalary(300000), lookup);
    EXPECT_EQ(r.days, 365);
    EXPECT_EQ(r.periodTax, 63280 - 13500);
    EXPECT_EQ(r.taxLiability, 49780);
    EXPECT_EQ(r.medicalCredit, 0);
    // The last lookup is the one without the bonus: QuickTax shows this income.
    EXPECT_EQ(lookup.AnnualTaxableIncome, 300000);
}

TEST(AnnualCalc, PartYearScalesUpAndBackButTaxesTheBonusInFull) {
    AnnualInputs in = withSalary(150000);
    in.bonus = 20000;
    in.startDate = QDate(2016, 9, 1);
    TaxLookup lookup;
    const AnnualResults r = calculateAnnual(in, lookup);
    ASSERT_EQ(r.days, 181);
    const double p = 150000.0 * 365 / 181;
    TaxLookup ref;
    const double t1 = quillon::tax::totalTaxFor(ref, p + 20000) - 13500;
    const double t0 = quillon::tax::totalTaxFor(ref, p) - 13500;
    EXPECT_EQ(r.taxableAmount, p);
    EXPECT_EQ(r.periodTax, t0 * 181 / 365 + (t1 - t0));
}

TEST(AnnualCalc, TravelAllowanceOrCommissionFloorsTheTaxToWholeRand) {
    AnnualInputs with = withSalary(250000.37);
    with.commission = 1000;
    TaxLookup lookup;
    const AnnualResults r = calculateAnnual(with, lookup);
    EXPECT_EQ(r.periodTax, std::floor(r.periodTax));

    const AnnualResults cents = calculateAnnual(withSalary(250000.37), lookup);
    EXPECT_NE(cents.periodTax, std::floor(cents.periodTax));
}

TEST(AnnualCalc, TravelAllowanceCountsAtTheInclusionRate) {
    AnnualInputs in = withSalary(200000);
    in.travelAllowance = 50000;
    in.settings.inclusionRate = 0.2;
    TaxLookup lookup;
    calculateAnnual(in, lookup);
    EXPECT_EQ(lookup.AnnualTaxableIncome, 210000);
}

TEST(AnnualCalc, PensionerCreditsForTwelveMonthsOfTwo) {
    AnnualInputs in = withSalary(400000, 65);
    in.employeeMedAid = 30000;
    setAllMonths(in, 2);
    TaxLookup lookup;
    const AnnualResults r = calculateAnnual(in, lookup);
    EXPECT_EQ(r.medicalCredit, 6864);
    EXPECT_NEAR(r.additionalCredit, (30000 - 20592) * 0.333, 1e-9);
    EXPECT_DOUBLE_EQ(r.taxLiability, r.periodTax - (6864 + r.additionalCredit));
}

TEST(AnnualCalc, NoContributionLeavesTheMonthsAndGivesNoCredit) {
    AnnualInputs in = withSalary(200000);
    in.startDate = QDate(2016, 6, 1);
    setAllMonths(in, 3);
    TaxLookup lookup;
    const AnnualResults r = calculateAnnual(in, lookup);
    EXPECT_EQ(r.medicalCredit, 0);
    EXPECT_EQ(r.monthBeneficiaries, in.monthBeneficiaries);
}

TEST(AnnualCalc, MonthsOutsideThePeriodAreClearedWhenCredited) {
    AnnualInputs in = withSalary(200000);
    in.employerMedAid = 12000;
    in.startDate = QDate(2016, 6, 1);
    setAllMonths(in, 1);
    TaxLookup lookup;
    const AnnualResults r = calculateAnnual(in, lookup);
    for (int m : {3, 4, 5})
        EXPECT_EQ(r.monthBeneficiaries[static_cast<std::size_t>(m)], 0) << m;
    for (int m : {6, 7, 12, 1, 2})
        EXPECT_EQ(r.monthBeneficiaries[static_cast<std::size_t>(m)], 1) << m;
    EXPECT_EQ(r.medicalCredit, 9 * 286);
}

TEST(AnnualCalc, MonthTable) {
    struct Case {
        int month, start, end;
        bool counts;
    };
    const Case cases[] = {{3, 3, 2, true},  {6, 3, 5, false},  {6, 6, 6, true},   {12, 3, 1, true},
                          {1, 2, 2, true},  {1, 3, 12, false}, {2, 3, 1, false},  {2, 2, 2, true},
                          {5, 6, 2, false}, {9, 3, 9, true},   {10, 3, 9, false}, {3, 1, 2, false}};
    for (const Case &c : cases)
        EXPECT_EQ(monthCounts(c.month, c.start, c.end), c.counts)
            << c.month << " in " << c.start << ".." << c.end;
}

TEST(AnnualCalc, DeductionIsRoundedHalfToEvenForDisplay) {
    AnnualInputs in = withSalary(0);
    in.employeeFund = 2.5;
    in.salary = 100;
    TaxLookup lookup;
    const AnnualResults r = calculateAnnual(in, lookup);
    EXPECT_EQ(r.deduction, 2.5);
    EXPECT_EQ(r.allowableDeduction, 2);
}

TEST(AnnualInputs, ErrorsForDatesAndCounts) {
    AnnualInputs ok;
    EXPECT_TRUE(annualInputCheck(ok).ok());
    AnnualInputs early = ok;
    early.startDate = QDate(2016, 2, 29);
    EXPECT_EQ(annualInputCheck(early).code, CheckCode::StartDateOutsideYear);
    AnnualInputs late = ok;
    late.endDate = QDate(2017, 3, 1);
    EXPECT_EQ(annualInputCheck(late).code, CheckCode::EndDateOutsideYear);
    AnnualInputs backwards = ok;
    backwards.startDate = QDate(2016, 10, 1);
    backwards.endDate = QDate(2016, 9, 30);
    EXPECT_EQ(annualInputCheck(backwards).code, CheckCode::StartAfterEnd);
    AnnualInputs crowded = ok;
    crowded.monthBeneficiaries[4] = 25;
    EXPECT_EQ(annualInputCheck(crowded).focus, QStringLiteral("numAnnCalcBens4"));
}

} // namespace

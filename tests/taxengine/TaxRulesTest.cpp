#include "taxengine/TaxRules.h"

#include <gtest/gtest.h>

using namespace quillon::tax;

namespace {

TEST(Rebate, ByAge) {
    const std::pair<std::int16_t, double> cases[] = {
        {0, 13500}, {40, 13500}, {64, 13500}, {65, 20907}, {74, 20907}, {75, 23373}, {120, 23373}};
    for (auto [age, rebate] : cases)
        EXPECT_EQ(rebateForAge(age), rebate) << "age " << age;
}

struct CreditCase {
    std::int16_t n;
    PayPeriod period;
    double credit;
};

TEST(MedicalSchemeCredit, PerPeriodConversion) {
    const CreditCase cases[] = {
        {0, PayPeriod::Month, 0},          {1, PayPeriod::Month, 286},
        {2, PayPeriod::Month, 572},        {3, PayPeriod::Month, 764},
        {24, PayPeriod::Month, 4796},      {1, PayPeriod::Fortnight, 143},
        {3, PayPeriod::Fortnight, 382},    {1, PayPeriod::Week, 71.5},
        {3, PayPeriod::Week, 191},         {1, PayPeriod::Day, 3432.0 / 260},
        {3, PayPeriod::Day, 9168.0 / 260}, {16, PayPeriod::Day, (14 * 2304 + 6864.0) / 260},
    };
    for (const auto &c : cases) {
        const auto credit = medicalSchemeCredit(c.n, c.period);
        ASSERT_TRUE(credit.has_value()) << c.n;
        EXPECT_DOUBLE_EQ(*credit, c.credit) << c.n << " period " << static_cast<int>(c.period);
    }
}

TEST(MedicalSchemeCredit, RefusesCountsWhose16BitProductsOverflow) {
    EXPECT_EQ(maxBeneficiaries(PayPeriod::Day), 16);
    EXPECT_FALSE(medicalSchemeCredit(17, PayPeriod::Day).has_value());
    EXPECT_FALSE(medicalSchemeCredit(-1, PayPeriod::Month).has_value());
    const std::int16_t monthMax = maxBeneficiaries(PayPeriod::Month);
    EXPECT_TRUE(medicalSchemeCredit(monthMax, PayPeriod::Month).has_value());
    EXPECT_FALSE(
        medicalSchemeCredit(static_cast<std::int16_t>(monthMax + 1), PayPeriod::Month).has_value());
    EXPECT_LE(572 + (monthMax - 2) * 192, 32767);
}

TEST(AdditionalMedicalCredit, FromAge65Only) {
    EXPECT_NEAR(additionalMedicalCredit(0, 30000, 6864, 65), 3132.864, 1e-9);
    EXPECT_EQ(additionalMedicalCredit(0, 30000, 6864, 64), 0);
    EXPECT_EQ(additionalMedicalCredit(0, 30000, 0, 70), 0);
    EXPECT_EQ(additionalMedicalCredit(0, 0, 6864, 70), 0);
    EXPECT_EQ(additionalMedicalCredit(1000, 1000, 6864, 70), 0) << "never negative";
}

TEST(RetirementFundDeduction, LesserOfContributionsAnd27Point5PercentThenCap) {
    // Exactly 27.5% is deducted in full.
    EXPECT_EQ(retirementFundDeduction(0, 27500, 100000, PayPeriod::Year), 27500);
    EXPECT_DOUBLE_EQ(retirementFundDeduction(0, 27500.01, 100000, PayPeriod::Year), 0.275 * 100000);
    EXPECT_EQ(retirementFundDeduction(200000, 200000, 2000000, PayPeriod::Year), 350000);
    EXPECT_EQ(retirementFundDeduction(350000, 0, 2000000, PayPeriod::Year), 350000);
    const std::pair<PayPeriod, double> caps[] = {{PayPeriod::Month, 350000.0 / 12},
                                                 {PayPeriod::Fortnight, 350000.0 / 26},
                                                 {PayPeriod::Week, 350000.0 / 52},
                                                 {PayPeriod::Day, 350000.0 / 260}};
    for (auto [period, cap] : caps)
        EXPECT_EQ(retirementFundDeduction(1e6, 0, 1e9, period), cap);
}

TEST(Uif, CeilingPerPeriodAndCharge) {
    EXPECT_EQ(uifCeiling(14872, PayPeriod::Month), 14872);
    EXPECT_EQ(uifCeiling(14872, PayPeriod::Year), 178464);
    EXPECT_NEAR(uifCeiling(14000, PayPeriod::Day), 646.15, 0.005);
    EXPECT_DOUBLE_EQ(uifCeiling(14872, PayPeriod::Week), 14872.0 * 12 / 52);
    EXPECT_EQ(uifContribution(20000, 10000, 1), 100);
    EXPECT_EQ(uifContribution(8000, 10000, 1), 80);
    EXPECT_EQ(uifContribution(10000, 10000, 1), 100);
}

TEST(SkillsLevy, NoCeilingAndCommissionAddedBack) {
    EXPECT_EQ(skillsLevy(20000, 1000, 500, 1), 195);
}

TEST(Rounding, HalvesToEven) {
    const std::pair<double, double> cases[] = {{2.5, 2}, {3.5, 4}, {-2.5, -2}, {0.4, 0}, {7.6, 8}};
    for (auto [v, r] : cases)
        EXPECT_EQ(roundHalfEven(v), r) << v;
    EXPECT_EQ(toInt16(64.5), 64);
    EXPECT_EQ(toInt16(65.5), 66);
    EXPECT_EQ(toInt16(1e9), 32767);
}

TEST(TaxAfterCredits, NeverBelowZero) {
    EXPECT_EQ(taxAfterCredits(1000, 300, 200), 500);
    EXPECT_EQ(taxAfterCredits(500, 300, 200), 0);
    EXPECT_EQ(taxAfterCredits(100, 300, 200), 0);
}

} // namespace

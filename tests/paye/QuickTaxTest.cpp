#include "forms/ProgramState.h"
#include "paye/AnnualCalc.h"
#include "paye/QuickTaxCalc.h"
#include "paye/QuickTaxMemory.h"

#include <gtest/gtest.h>

using namespace quillon::paye;
using quillon::tax::TaxLookup;

namespace {

QuickTaxResults quickTaxFor(double income, std::int16_t age) {
    TaxLookup lookup;
    lookup.AnnualTaxableIncome = income;
    QuickTaxMemory memory;
    memory.age = age;
    return calculateQuickTax(memory, lookup);
}

TEST(QuickTaxCalc, WorkedFigures) {
    struct Case {
        const char *name;
        double income;
        std::int16_t age;
        double baseTax, rate, portion, total, rebates, commitment, before, after;
    };
    const Case cases[] = {
        {"no income", 0, 30, 0, 18, 0, 0, 13500, 0, 18.0, 0.0},
        {"top of the first bracket", 188000, 30, 0, 18, 33840, 33840, 13500, 20340, 18.0,
         20340.0 / 188000 * 100},
        {"pensioner", 500000, 70, 96264, 36, 33696, 129960, 20907, 109053, 129960.0 / 500000 * 100,
         109053.0 / 500000 * 100},
        {"negative income", -1000, 30, 0, 18, -180, -180, 13500, 0, 18.0, 0.0},
        {"taxed but under the rebate", 50000, 80, 0, 18, 9000, 9000, 23373, 0, 18.0, 0.0},
    };
    for (const Case &c : cases) {
        const QuickTaxResults r = quickTaxFor(c.income, c.age);
        EXPECT_EQ(r.income, c.income) << c.name;
        EXPECT_EQ(r.age, c.age) << c.name;
        EXPECT_DOUBLE_EQ(r.baseTax, c.baseTax) << c.name;
        EXPECT_DOUBLE_EQ(r.marginalRate, c.rate) << c.name;
        EXPECT_DOUBLE_EQ(r.taxOnExcess, c.portion) << c.name;
        EXPECT_DOUBLE_EQ(r.totalTax, c.total) << c.name;
        EXPECT_DOUBLE_EQ(r.rebates, c.rebates) << c.name;
        EXPECT_DOUBLE_EQ(r.taxCommitment, c.commitment) << c.name;
        EXPECT_DOUBLE_EQ(r.averageRateBefore, c.before) << c.name;
        EXPECT_DOUBLE_EQ(r.averageRateAfter, c.after) << c.name;
        EXPECT_DOUBLE_EQ(r.monthlyCommitment, c.commitment / 12) << c.name;
    }
    EXPECT_NEAR(quickTaxFor(188000, 30).averageRateAfter, 10.8, 0.05);
}

TEST(QuickTaxCalc, RebateAges) {
    const std::pair<std::int16_t, double> cases[] = {
        {-1, 13500}, {64, 13500}, {65, 20907}, {74, 20907}, {75, 23373}};
    for (const auto &[age, rebates] : cases)
        EXPECT_EQ(quickTaxRebates(age), rebates) << age;
}

TEST(QuickTaxCalc, ShowsTheLastLookupOfAnotherCalculatorAndKeepsTheAge) {
    quillon::ProgramState state;
    state.memory<quillon::paye::QuickTaxMemory>().age = 70;
    AnnualInputs annual;
    annual.salary = 300000;
    annual.bonus = 50000; // looked up first; the income without it is left behind
    calculateAnnual(annual, state.taxLookup);

    const QuickTaxResults r =
        calculateQuickTax(state.memory<quillon::paye::QuickTaxMemory>(), state.taxLookup);
    EXPECT_EQ(r.income, 300000);
    EXPECT_EQ(state.memory<quillon::paye::QuickTaxMemory>().lastIncome, 300000);

    // Initialise All clears the last tax but neither the income nor QuickTax's age.
    state.resetAll();
    EXPECT_EQ(state.memory<quillon::paye::QuickTaxMemory>().age, 70);
    EXPECT_EQ(
        calculateQuickTax(state.memory<quillon::paye::QuickTaxMemory>(), state.taxLookup).rebates,
        20907);
    EXPECT_EQ(state.taxLookup.TotalTax, 63280);
}

} // namespace

#include "taxengine/TaxLookup.h"

#include <gtest/gtest.h>

using quillon::tax::LookUpAnnualTax;
using quillon::tax::TaxLookup;

namespace {

struct BracketCase {
    const char *name;
    double income;
    double rate;
    double floor;
    double ceiling;
    double base;
    double excess;
    double total;
};

class BracketTest : public ::testing::TestWithParam<BracketCase> {};

TEST_P(BracketTest, FillsEveryField) {
    const BracketCase &c = GetParam();
    TaxLookup l;
    l.AnnualTaxableIncome = c.income;
    LookUpAnnualTax(l);
    EXPECT_EQ(l.AnnualTaxableIncome, c.income);
    EXPECT_EQ(l.MarginalRate, c.rate);
    EXPECT_EQ(l.BracketFloor, c.floor);
    EXPECT_EQ(l.BracketCeiling, c.ceiling);
    EXPECT_EQ(l.BaseTax, c.base);
    EXPECT_NEAR(l.TaxOnExcess, c.excess, 1e-9);
    EXPECT_NEAR(l.TotalTax, c.total, 1e-9);
}

INSTANTIATE_TEST_SUITE_P(
    Table2017, BracketTest,
    ::testing::Values(
        BracketCase{"zero", 0, 18, 0, 188000, 0, 0, 0},
        BracketCase{"negative", -1000, 18, 0, 188000, 0, -180, -180},
        BracketCase{"row1_top", 188000, 18, 0, 188000, 0, 33840, 33840},
        BracketCase{"row2_bottom", 188001, 26, 188000, 293600, 33840, 0.26, 33840.26},
        BracketCase{"row2_top", 293600, 26, 188000, 293600, 33840, 27456, 61296},
        BracketCase{"row3", 300000, 31, 293600, 406400, 61296, 1984, 63280},
        BracketCase{"row3_top", 406400, 31, 293600, 406400, 61296, 34968, 96264},
        BracketCase{"row4", 500000, 36, 406400, 550100, 96264, 33696, 129960},
        BracketCase{"row5_bottom", 550100.01, 39, 550100, 701300, 147996, 0.0039, 147996.0039},
        BracketCase{"row6", 1000000, 41, 701300, 9999999999.0, 206964, 122467, 329431},
        BracketCase{"beyond_table", 2e10, 41, 701300, 9999999999.0, 206964,
                    (2e10 - 701300) * 41 / 100, 206964 + (2e10 - 701300) * 41 / 100}),
    [](const auto &row) { return std::string(row.param.name); });

TEST(TaxLookup, KeepsNoStateFromThePreviousLookup) {
    TaxLookup l;
    l.AnnualTaxableIncome = 1000000;
    LookUpAnnualTax(l);
    l.AnnualTaxableIncome = 100000;
    LookUpAnnualTax(l);
    EXPECT_EQ(l.MarginalRate, 18);
    EXPECT_EQ(l.BaseTax, 0);
    EXPECT_EQ(l.TotalTax, 18000);
}

} // namespace

#include "package/GrossToNet.h"
#include "package/NetToGross.h"
#include "package/PackageRules.h"

#include <gtest/gtest.h>

#include <cmath>
#include <functional>

using namespace quillon::package;
using quillon::tax::SetupRecord;
using quillon::tax::TaxLookup;

namespace {

// The figure a two-decimal field shows, in cents.
long long cents(double v) {
    return std::llround(v * 100);
}

SetupRecord firstExampleSetup() {
    return quillon::tax::deliveredSetup();
}

using Calc = PackageResults (*)(const PackageInputs &, const SetupRecord &, const PackageResults &,
                                TaxLookup &);

PackageResults run(Calc calc, PackageWindow w, const PackageInputs &in,
                   const SetupRecord &s = firstExampleSetup()) {
    TaxLookup lookup;
    return calc(in, s, initialResults(w, in), lookup);
}

PackageInputs typed(std::int16_t age, double amount) {
    PackageInputs in;
    in.Age = age;
    in.Amount = amount;
    return in;
}

// Worked figures of the four windows: one row per example, every figure the window shows.
struct Worked {
    const char *name;
    Calc calc;
    PackageWindow window;
    std::function<void(PackageInputs &, SetupRecord &)> setUp;
    double taxable, taxDue, credit, deduction, uif, sdl, salary, totalCost, onceOff;
};

class WorkedFigures : public ::testing::TestWithParam<Worked> {};

TEST_P(WorkedFigures, ShowsEveryFigureToTheCent) {
    const Worked &w = GetParam();
    PackageInputs in;
    SetupRecord s = firstExampleSetup();
    w.setUp(in, s);
    TaxLookup lookup;
    const PackageResults r = w.calc(in, s, initialResults(w.window, in), lookup);
    ASSERT_EQ(r.outcome, Outcome::Calculated);
    EXPECT_EQ(cents(r.TaxableIncome), cents(w.taxable));
    EXPECT_EQ(lookup.AnnualTaxableIncome, r.TaxableIncome);
    EXPECT_EQ(cents(r.TaxDue), cents(w.taxDue));
    EXPECT_EQ(cents(r.TaxCredits), cents(w.credit));
    EXPECT_EQ(cents(r.TaxDeduction), cents(w.deduction));
    EXPECT_EQ(cents(r.EmpUIF), cents(w.uif));
    EXPECT_EQ(cents(r.ErUIF), cents(w.uif));
    EXPECT_EQ(cents(r.SDL), cents(w.sdl));
    EXPECT_EQ(cents(isNetToGross(w.window) ? r.GrossSalary : r.NetPay), cents(w.salary));
    EXPECT_EQ(cents(r.TotalCost), cents(w.totalCost));
    EXPECT_EQ(r.onceOffShown, w.onceOff > 0);
    EXPECT_EQ(r.OnceOff, w.onceOff);
    EXPECT_FALSE(r.warning);
    EXPECT_TRUE(r.printEnabled);
}

INSTANTIATE_TEST_SUITE_P(
    Package, WorkedFigures,
    ::testing::Values(
        Worked{"GrossAnnualPackageOnly", calculateGrossAnnual, PackageWindow::GrossAnnual,
               [](PackageInputs &in, SetupRecord &) { in = typed(40, 300000); }, 300000, 49780, 0,
               49780, 1784.64, 3000, 248435.36, 304784.64, 0},
        Worked{"GrossAnnualCarFundsAndPensioner", calculateGrossAnnual, PackageWindow::GrossAnnual,
               [](PackageInputs &in, SetupRecord &s) {
                   s.PensionCont = 7.5;
                   s.EmployerPenCont = 10;
                   in = typed(70, 600000);
                   in.CarValue = 250000;
                   in.TravelAllowance = 60000;
                   in.MedAidEmployee = 30000;
                   in.Beneficiaries = 24;
               },
               567000, 133680, 6864 + 3132.864, 123683.136, 1784.64, 5670, 339532.224, 667454.64,
               250000},
        Worked{"GrossMonthly15000", calculateGrossMonthly, PackageWindow::GrossMonthly,
               [](PackageInputs &in, SetupRecord &) { in = typed(40, 15000); }, 180000, 1575, 0,
               1575, 148.72, 150, 13276.28, 15298.72, 0},
        Worked{"NetAnnual200000", calculateNetAnnual, PackageWindow::NetAnnual,
               [](PackageInputs &in, SetupRecord &) { in = typed(40, 200000); }, 234115, 32329.90,
               0, 32329.90, 1784.64, 2341.15, 234114.54, 238240.33, 0},
        Worked{"NetMonthly10000", calculateNetMonthly, PackageWindow::NetMonthly,
               [](PackageInputs &in, SetupRecord &) { in = typed(40, 10000); }, 131484, 847.26, 0,
               847.26, 109.57, 109.57, 10956.83, 11175.97, 0}),
    [](const auto &row) { return std::string(row.param.name); });

TEST(GrossAnnual, SecondWorkedFigureKeepsFullPrecisionAndWritesTheContributionsBack) {
    SetupRecord s = firstExampleSetup();
    s.PensionCont = 7.5;
    s.EmployerPenCont = 10;
    PackageInputs in = typed(70, 600000);
    in.CarValue = 250000;
    in.TravelAllowance = 60000;
    in.MedAidEmployee = 30000;
    in.Beneficiaries = 24;
    in.EmployeeFund = 1234; // overwritten by the percentage
    const PackageResults r = run(calculateGrossAnnual, PackageWindow::GrossAnnual, in, s);
    EXPECT_EQ(r.CarBenefit, 84000);
    EXPECT_EQ(r.EmployeeFund, 45000);
    EXPECT_EQ(r.EmployerFund, 60000);
    EXPECT_EQ(r.FundDeduction, 105000);
    EXPECT_NEAR(r.AdditionalMedicalCredit, 3132.864, 1e-9);
    // Read back unrounded from the fields: not 339532.22.
    EXPECT_NEAR(r.NetPay, 339532.224, 1e-6);
}

TEST(PackageMedicalCredit, BeneficiaryCountsAndTheFieldReset) {
    struct Row {
        const char *name;
        bool monthly;
        std::int16_t count;
        double medAid;
        double credit;
        std::int16_t fieldAfter;
    };
    const Row rows[] = {
        {"24 months", false, 24, 1000, 6864, 24}, {"25 months", false, 25, 1000, 7056, 25},
        {"36 months", false, 36, 1000, 9168, 36}, {"no med aid", false, 36, 0, 0, 0},
        {"one person", true, 1, 100, 286, 1},     {"two people", true, 2, 100, 572, 2},
        {"three people", true, 3, 100, 764, 3},   {"monthly no med aid", true, 3, 0, 0, 0},
    };
    for (const Row &row : rows) {
        PackageInputs in = typed(40, 300000);
        in.MedAidEmployer = row.medAid;
        in.Beneficiaries = row.count;
        const PackageResults r = row.monthly
                                     ? run(calculateGrossMonthly, PackageWindow::GrossMonthly, in)
                                     : run(calculateGrossAnnual, PackageWindow::GrossAnnual, in);
        EXPECT_EQ(r.MedicalCredit, row.credit) << row.name;
        EXPECT_EQ(r.Beneficiaries, row.fieldAfter) << row.name;
        EXPECT_EQ(r.AdditionalMedicalCredit, 0) << row.name; // under 65
    }
}

TEST(PackageFundDeduction, LimitCapAndWarning) {
    struct Row {
        const char *name;
        Calc calc;
        PackageWindow window;
        double package, employeeFund;
        double deduction;
        bool warning;
    };
    const double monthCap = 350000.0 / 12;
    const Row rows[] = {
        {"exactly 27.5%", calculateGrossAnnual, PackageWindow::GrossAnnual, 200000, 55000, 55000,
         false},
        {"one cent more", calculateGrossAnnual, PackageWindow::GrossAnnual, 200000, 55000.01,
         200000 * 0.275, true},
        {"annual cap", calculateGrossAnnual, PackageWindow::GrossAnnual, 2000000, 400000, 350000,
         true},
        {"month cap kept", calculateGrossMonthly, PackageWindow::GrossMonthly, 200000, monthCap,
         monthCap, false},
        {"month cap cut", calculateGrossMonthly, PackageWindow::GrossMonthly, 200000, monthCap + 1,
         monthCap, true},
    };
    for (const Row &row : rows) {
        PackageInputs in = typed(40, row.package);
        in.EmployeeFund = row.employeeFund;
        const PackageResults r = run(row.calc, row.window, in);
        EXPECT_EQ(r.FundDeduction, row.deduction) << row.name;
        EXPECT_EQ(r.warning, row.warning) << row.name;
        EXPECT_EQ(r.printEnabled, !row.warning) << row.name;
    }
}

TEST(GrossAnnual, ZeroPackageKeepsThePreviousFigures) {
    TaxLookup lookup;
    const SetupRecord s = firstExampleSetup();
    PackageInputs in = typed(40, 0);
    in.CarValue = 250000;
    const PackageResults first =
        calculateGrossAnnual(in, s, initialResults(PackageWindow::GrossAnnual, in), lookup);
    EXPECT_EQ(first.outcome, Outcome::Skipped);
    EXPECT_TRUE(first.CalcSkipped);
    EXPECT_EQ(first.NetPay, 0);
    EXPECT_FALSE(first.onceOffShown);

    in.Amount = 300000;
    const PackageResults second = calculateGrossAnnual(in, s, first, lookup);
    EXPECT_FALSE(second.CalcSkipped);
    EXPECT_TRUE(second.onceOffShown);
    in.Amount = 0;
    const PackageResults third = calculateGrossAnnual(in, s, second, lookup);
    EXPECT_EQ(third.NetPay, second.NetPay);
    EXPECT_EQ(third.TaxDue, second.TaxDue);
    EXPECT_EQ(third.TotalCost, second.TotalCost);
    EXPECT_FALSE(third.onceOffShown);
    EXPECT_EQ(third.OnceOff, 0);
}

TEST(GrossAnnual, LowIncomeAndLargeCreditsNeverGoNegative) {
    PackageInputs in = typed(70, 50000);
    in.MedAidEmployee = 1000;
    in.Beneficiaries = 36;
    const PackageResults r = run(calculateGrossAnnual, PackageWindow::GrossAnnual, in);
    EXPECT_EQ(r.TaxDue, 0);
    EXPECT_EQ(r.AdditionalMedicalCredit, 0); // 3 x credit exceeds the contributions
    EXPECT_EQ(r.TaxDeduction, 0);
}

} // namespace

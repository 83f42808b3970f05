#include "package/NetToGross.h"
#include "package/PackageRules.h"

#include <gtest/gtest.h>

#include <cmath>
#include <tuple>

using namespace quillon::package;
using quillon::tax::SetupRecord;
using quillon::tax::TaxLookup;

namespace {

PackageInputs typed(std::int16_t age, double net) {
    PackageInputs in;
    in.Age = age;
    in.Amount = net;
    return in;
}

PackageResults runNet(const PackageInputs &in, bool annual,
                      const SetupRecord &s = quillon::tax::deliveredSetup()) {
    TaxLookup lookup;
    const PackageWindow w = annual ? PackageWindow::NetAnnual : PackageWindow::NetMonthly;
    return annual ? calculateNetAnnual(in, s, initialResults(w, in), lookup)
                  : calculateNetMonthly(in, s, initialResults(w, in), lookup);
}

TEST(NetSearch, WhereTheSearchStops) {
    struct Row {
        const char *name;
        bool annual;
        double net;
        double gross;
        double netFound;
    };
    const Row rows[] = {
        {"annual 200000", true, 200000, 234115, 200000.46},
        // The net pay at 300000 equals the target; equality does not stop the search.
        {"annual equality", true, 248435.36, 300001, 248436.05},
        {"first round", true, 0.5, 1, 0.99},
        {"monthly 10000", false, 10000, 10957, 10000.17},
    };
    for (const Row &row : rows) {
        const PackageResults r = runNet(typed(40, row.net), row.annual);
        ASSERT_EQ(r.outcome, Outcome::Calculated) << row.name;
        EXPECT_EQ(r.Gross, row.gross) << row.name;
        EXPECT_EQ(std::llround(r.NetFound * 100), std::llround(row.netFound * 100)) << row.name;
    }
}

// For a spread of targets and packages, the gross found is the first whose net pay exceeds the
// target: Gross - 1 does not.
TEST(NetSearch, FoundGrossIsTheFirstThatExceeds) {
    struct Shape {
        const char *name;
        bool annual;
        double pension, employerPension;
        double travel, medAid, carValue;
        std::int16_t age, beneficiaries;
    };
    const Shape shapes[] = {
        {"plain annual", true, 0, 0, 0, 0, 0, 40, 0},
        {"funds annual", true, 7.5, 10, 30000, 24000, 200000, 45, 24},
        {"pensioner annual", true, 0, 15, 0, 36000, 0, 70, 36},
        {"plain monthly", false, 0, 0, 0, 0, 0, 30, 0},
        {"funds monthly", false, 5, 7.5, 2000, 1500, 150000, 66, 3},
    };
    const double targets[] = {1, 999.99, 50000, 187654.32, 412345.67, 750000, 1234567.89};
    for (const Shape &sh : shapes) {
        SetupRecord s = quillon::tax::deliveredSetup();
        s.PensionCont = sh.pension;
        s.EmployerPenCont = sh.employerPension;
        for (double t : targets) {
            PackageInputs in = typed(sh.age, sh.annual ? t : t / 12);
            in.TravelAllowance = sh.annual ? sh.travel : sh.travel / 12;
            in.MedAidEmployer = sh.annual ? sh.medAid : sh.medAid / 12;
            in.CarValue = sh.carValue;
            in.CarCost = 1;
            in.Beneficiaries = sh.beneficiaries;
            PackageResults found;
            TaxLookup lookup;
            if (searchGross(in, s, sh.annual, found, lookup) == 0) {
                ADD_FAILURE() << sh.name << " " << t;
                continue;
            }
            EXPECT_GT(found.NetFound, in.Amount) << sh.name << " " << t;
            if (found.Gross > 1) {
                const PackageResults before = roundAt(in, s, sh.annual, found.Gross - 1, lookup);
                EXPECT_LE(before.NetFound, in.Amount) << sh.name << " " << t;
            }
        }
    }
}

TEST(NetSearch, FringeBenefitsAboveTheTargetStopWithTheMessage) {
    struct Row {
        const char *name;
        bool annual;
        double net, travel, other, employeeFund, employerFund;
    };
    const Row rows[] = {
        {"annual travel", true, 90000, 100000, 0, 0, 0},
        {"annual employee fund counts", true, 90000, 50000, 0, 40001, 0},
        {"monthly travel and benefits", false, 10000, 8000, 3000, 0, 0},
        {"monthly ignores the funds", false, 10000, 8000, 3000, 0, 50000},
    };
    for (const Row &row : rows) {
        PackageInputs in = typed(40, row.net);
        in.TravelAllowance = row.travel;
        in.OtherBenefits = row.other;
        in.EmployeeFund = row.employeeFund;
        in.EmployerFund = row.employerFund;
        const PackageResults r = runNet(in, row.annual);
        EXPECT_EQ(r.outcome, Outcome::FringeBenefitsExceed) << row.name;
        EXPECT_EQ(r.message(), QStringLiteral("Fringe benefits more than salary required!"));
        EXPECT_TRUE(r.CalcSkipped) << row.name;
        EXPECT_EQ(r.GrossSalary, 0) << row.name; // no figures before the first calculation
    }
}

TEST(NetSearch, StoppedCalculationKeepsThePreviousFiguresAndWarning) {
    SetupRecord s = quillon::tax::deliveredSetup();
    TaxLookup lookup;
    PackageInputs in = typed(40, 200000);
    in.EmployeeFund = 150000; // far above 27.5%: warning
    const PackageResults first =
        calculateNetAnnual(in, s, initialResults(PackageWindow::NetAnnual, in), lookup);
    ASSERT_EQ(first.outcome, Outcome::Calculated);
    ASSERT_TRUE(first.warning);

    in.Amount = 0;
    const PackageResults skipped = calculateNetAnnual(in, s, first, lookup);
    EXPECT_EQ(skipped.outcome, Outcome::Skipped);
    EXPECT_EQ(skipped.GrossSalary, first.GrossSalary);
    EXPECT_EQ(skipped.TotalCost, first.TotalCost);
    EXPECT_TRUE(skipped.warning);
    EXPECT_FALSE(skipped.printEnabled);
}

TEST(NetSearch, MedicalDeductionsCountFrom65) {
    struct Row {
        std::int16_t age;
        double kept;
    };
    for (const Row row : {Row{64, 0}, Row{65, 12000}}) {
        PackageInputs in = typed(row.age, 200000);
        in.MedicalDeductions = 12000;
        const PackageResults r = runNet(in, true);
        EXPECT_EQ(r.MedicalDeductions, row.kept) << row.age;
        // The deductions reduce both the taxable income and the net pay of every round.
        const double netPart = r.Gross - r.MedicalDeductions - r.EmpUIF - r.TaxDue;
        EXPECT_DOUBLE_EQ(r.NetFound, netPart) << row.age;
        EXPECT_DOUBLE_EQ(r.TaxableIncome, r.Gross - r.MedicalDeductions) << row.age;
    }
}

TEST(NetSearch, CreditsAboveTheTaxReduceTheNetPayInstead) {
    PackageInputs in = typed(70, 60000);
    in.MedAidEmployee = 30000;
    in.Beneficiaries = 36;
    const PackageResults r = runNet(in, true);
    ASSERT_EQ(r.outcome, Outcome::Calculated);
    ASSERT_GE(r.TaxCredits, r.TaxDue);
    EXPECT_EQ(r.TaxDeduction, 0);
    EXPECT_DOUBLE_EQ(r.NetFound, r.Gross - r.EmpUIF - r.TaxCredits);
}

// Searches that would never end stop with "no gross salary found"; searches that merely dip
// (a UIF of 100% below its ceiling) still end with the first gross that exceeds.
TEST(NetSearch, EndlessSearchesAreStopped) {
    struct Row {
        const char *name;
        bool annual;
        double pension, employerPension, employeeUIF;
        Outcome outcome;
    };
    const Row rows[] = {
        {"employee fund swallows the gross", true, 100, -80, 1, Outcome::NoGrossFound},
        {"monthly fund above the gross", false, 120, -100, 1, Outcome::NoGrossFound},
        {"UIF of 100% up to its ceiling", true, 0, 0, 100, Outcome::Calculated},
        {"monthly UIF of 150%", false, 0, 0, 150, Outcome::Calculated},
    };
    for (const Row &row : rows) {
        SetupRecord s = quillon::tax::deliveredSetup();
        s.PensionCont = row.pension;
        s.EmployerPenCont = row.employerPension;
        s.EmployeeUIF = row.employeeUIF;
        const PackageInputs in = typed(40, row.annual ? 200000 : 20000);
        const PackageResults r = runNet(in, row.annual, s);
        EXPECT_EQ(r.outcome, row.outcome) << row.name;
        if (row.outcome == Outcome::NoGrossFound) {
            EXPECT_EQ(r.message(), QStringLiteral("no gross salary found"));
            EXPECT_EQ(r.GrossSalary, 0) << row.name;
        } else {
            EXPECT_GT(r.NetFound, in.Amount) << row.name;
        }
    }
}

// Targets past the old caps (R 1 000 000 000 a year, R 100 000 000 a month) are found; a net
// that not even the largest gross the field holds leaves is refused as such.
TEST(NetSearch, LargeTargetsAreSearchedOverTheWholeField) {
    const std::tuple<bool, double, Outcome> rows[] = {
        {true, 1000000000, Outcome::Calculated},
        {false, 100000000, Outcome::Calculated},
        {true, 999999999999, Outcome::NetBeyondLargestGross},
    };
    for (const auto &[annual, net, outcome] : rows) {
        const PackageResults r = runNet(typed(40, net), annual);
        ASSERT_EQ(r.outcome, outcome) << net;
        if (outcome == Outcome::Calculated)
            EXPECT_GT(r.NetFound, net);
        else
            EXPECT_TRUE(r.message().startsWith(u"Not even the largest gross salary"));
    }
}

} // namespace

#include "package/NetToGross.h"

#include <gtest/gtest.h>

#include <bit>
#include <cstdint>
#include <random>

using namespace quillon::package;
using quillon::tax::SetupRecord;
using quillon::tax::TaxLookup;

namespace {

// Every figure of a search's final round and of the lookup it leaves, bit for bit.
std::vector<std::uint64_t> bitsOf(std::int64_t stop, const PackageResults &r, const TaxLookup &l) {
    std::vector<std::uint64_t> bits{static_cast<std::uint64_t>(stop),
                                    static_cast<std::uint64_t>(r.Beneficiaries)};
    for (double v : {r.CarBenefit,
                     r.Rebate,
                     r.MedicalCredit,
                     r.AdditionalMedicalCredit,
                     r.EmployeeContribution,
                     r.EmployerContribution,
                     r.FundDeduction,
                     r.TaxableIncome,
                     r.TaxDue,
                     r.Remuneration,
                     r.EmpUIF,
                     r.ErUIF,
                     r.SDL,
                     r.TaxCredits,
                     r.TaxDeduction,
                     r.NetPay,
                     r.GrossSalary,
                     r.TotalCost,
                     r.Gross,
                     r.NetFound,
                     r.OnceOff,
                     r.EmployeeFund,
                     r.EmployerFund,
                     r.MedicalDeductions,
                     l.AnnualTaxableIncome,
                     l.MarginalRate,
                     l.BracketFloor,
                     l.BracketCeiling,
                     l.BaseTax,
                     l.TaxOnExcess,
                     l.TotalTax})
        bits.push_back(std::bit_cast<std::uint64_t>(v));
    return bits;
}

// Random packages and settings, the settings panel's extremes among them (fund percentages and
// UIF up to 100%, where the net pay stops rising and the walk is kept; a UIF ceiling of 0): the
// fast search stops where the walk stops and leaves the same figures, or gives up where the walk
// gives up. Targets stay small so that the walk is quick.
TEST(FastSearch, AgreesWithTheWalkOnEveryBit) {
    std::mt19937_64 random(20170301);
    const auto pick = [&random](std::initializer_list<double> values) {
        std::uniform_int_distribution<std::size_t> at(0, values.size() - 1);
        return *(values.begin() + at(random));
    };
    const auto upTo = [&random](double top) {
        return std::floor(std::uniform_real_distribution<double>(0, top)(random) * 100) / 100;
    };
    for (int i = 0; i < 120; ++i) {
        const bool annual = i % 2 == 0;
        const double scale = annual ? 1 : 1.0 / 12;
        SetupRecord s = quillon::tax::deliveredSetup();
        s.PensionCont = pick({0, 0, 5, 7.5, 13.75, 27.5, 100});
        s.EmployerPenCont = pick({0, 0, 10, 27.5, 100});
        s.EmployeeUIF = pick({1, 0, 2.5, 10, 100});
        s.EmployerUIF = pick({1, 0, 100});
        s.UIFLimit = pick({14872, 0, 1000});
        s.SkillLevy = pick({1, 0, 100});
        s.TAIncRate8020 = pick({0.8, 0.2});
        s.CompCarFBRate8020 = pick({0.8, 0.2});
        s.CompCarMPYesNo = pick({0, 1}) != 0;
        PackageInputs in;
        in.Age = static_cast<std::int16_t>(pick({25, 64, 65, 74, 75, 90}));
        in.Amount = pick({0.5, 1, upTo(20000 * scale), upTo(20000 * scale)});
        in.CarValue = pick({0, upTo(20000)});
        in.TravelAllowance = pick({0, upTo(5000 * scale)});
        in.MedAidEmployee = pick({0, upTo(5000 * scale)});
        in.MedAidEmployer = pick({0, upTo(5000 * scale)});
        in.Beneficiaries = static_cast<std::int16_t>(pick({0, 1, 3, 24}));
        in.OtherBenefits = pick({0, upTo(2000 * scale)});
        in.EmployeeFund = pick({0, upTo(2000 * scale)});
        in.EmployerFund = pick({0, upTo(2000 * scale)});
        in.MedicalDeductions = pick({0, upTo(2000 * scale)});

        PackageResults walked, found;
        TaxLookup walkLookup, fastLookup;
        const std::int64_t walkStop = walkGross(in, s, annual, walked, walkLookup);
        const std::int64_t fastStop = searchGross(in, s, annual, found, fastLookup);
        ASSERT_EQ(bitsOf(fastStop, found, fastLookup), bitsOf(walkStop, walked, walkLookup))
            << "case " << i << (annual ? " annual" : " monthly") << ", target " << in.Amount
            << ", funds " << s.PensionCont << "/" << s.EmployerPenCont << ", UIF " << s.EmployeeUIF;
    }
}

// Far beyond the largest gross the fast search gives up as the walk would, at once.
TEST(FastSearch, GivesUpOnATargetNoGrossReaches) {
    PackageInputs in;
    in.Age = 40;
    in.Amount = 1e12;
    PackageResults out;
    TaxLookup lookup;
    EXPECT_EQ(searchGross(in, quillon::tax::deliveredSetup(), true, out, lookup), 0);
    EXPECT_EQ(out.Gross, kLargestGross);
}

} // namespace

#include "business/LoanCalc.h"
#include "business/DailyBalance.h"
#include "business/Inflation.h"
#include "business/LoanBuster.h"
#include "business/LoanComparison.h"
#include "business/LoanFormulas.h"
#include "business/LoanMemory.h"
#include "forms/ProgramState.h"
#include "taxengine/NumberText.h"

#include <gtest/gtest.h>

#include <cmath>
#include <utility>

using namespace quillon::business;
using quillon::formatPattern;

namespace {

QString cents(double v) {
    return formatPattern(v, u"0.00");
}

LoanResults solve(LoanMode mode, double p, double n, double r, double rep) {
    return calculateLoan({mode, p, n, r, rep});
}

TEST(LoanCalc, WorkedFiguresByMode) {
    struct Row {
        const char *name;
        LoanMode mode;
        double p, n, r, rep;
        // The expected solved figures, to the cent (rate to 3 decimals).
        const char *principal, *period, *rate, *repayment;
    };
    const Row rows[] = {
        {"repayment", LoanMode::Repayment, 100000, 240, 12, 0, "100000.00", "240", "12.000",
         "1101.09"},
        {"principal back", LoanMode::Principal, 0, 240, 12, 1101.0861335696, "100000.00", "240",
         "12.000", "1101.09"},
        {"rate back to the grid", LoanMode::Rate, 100000, 240, 0, 1101.09, "100000.00", "240",
         "12.000", "1101.09"},
        {"period of the exact repayment", LoanMode::Period, 100000, 0, 12, 1101.09, "100000.00",
         "240", "12.000", "1101.09"},
        {"period with a larger repayment", LoanMode::Period, 100000, 0, 12, 1200, "100000.00",
         "180", "12.000", "1200.17"},
        {"rate 0 counts as missing", LoanMode::Repayment, 100000, 240, 0, 55, "100000.00", "240",
         "0.000", "0.00"},
        {"period 0 gives no principal", LoanMode::Principal, 5000, 0, 12, 1101.09, "0.00", "0",
         "12.000", "1101.09"},
        {"no period within 600 months", LoanMode::Period, 100000, 7, 12, 900, "100000.00", "0",
         "12.000", "900.00"},
        {"rate target below a 0.01% rate", LoanMode::Rate, 100000, 240, 3, 400, "100000.00", "240",
         "0.000", "400.00"},
    };
    for (const Row &row : rows) {
        const LoanResults out = solve(row.mode, row.p, row.n, row.r, row.rep);
        EXPECT_EQ(cents(out.principal), QString::fromLatin1(row.principal)) << row.name;
        EXPECT_EQ(formatPattern(out.period, u"0"), QString::fromLatin1(row.period)) << row.name;
        EXPECT_EQ(formatPattern(out.rate, u"0.000"), QString::fromLatin1(row.rate)) << row.name;
        EXPECT_EQ(cents(out.repayment), QString::fromLatin1(row.repayment)) << row.name;
    }
}

TEST(LoanCalc, SolvedRateNeverExceedsTheTrueRate) {
    for (const double rate : {7.25, 12.0, 18.5, 33.33, 49.99}) {
        const double target = loanRepayment(250000, 180, rate);
        const LoanResults out = solve(LoanMode::Rate, 250000, 180, 0, target);
        EXPECT_LE(loanRepayment(250000, 180, out.rate), target) << rate;
        EXPECT_GT(loanRepayment(250000, 180, out.rate + 0.01), target) << rate;
        EXPECT_FALSE(out.errorMarker) << rate;
    }
}

TEST(LoanCalc, RateAboveFiftyShowsTheErrorMarkerButKeepsTheRate) {
    const LoanResults out = solve(LoanMode::Rate, 10000, 12, 0, loanRepayment(10000, 12, 80));
    EXPECT_TRUE(out.rateFound);
    EXPECT_TRUE(out.errorMarker);
    EXPECT_NEAR(out.rate, 80, 0.011);
}

TEST(LoanCalc, SearchesThatCouldNotEndStop) {
    // A target no rate below the ceiling reaches, and a principal whose repayment never grows
    // above a positive target: both report "not found" at once instead of stepping for ever.
    struct Row {
        const char *name;
        double p, n, target;
    };
    const Row rows[] = {
        {"repayment of a hundred times the loan", 1000, 600, 100000},
        {"negative principal", -1000, 12, 100},
    };
    for (const Row &row : rows) {
        const LoanResults out = solve(LoanMode::Rate, row.p, row.n, 0, row.target);
        EXPECT_FALSE(out.rateFound) << row.name;
        EXPECT_TRUE(out.errorMarker) << row.name;
        EXPECT_EQ(out.rate, 0) << row.name;
        EXPECT_EQ(out.repayment, row.target) << row.name;
    }
}

TEST(LoanCalc, OneRepaymentAboveTheLoanAndAMonthsInterestTakesOneMonth) {
    const LoanResults out = solve(LoanMode::Period, 100000, 0, 12, 200000);
    EXPECT_TRUE(out.oneMonth);
    EXPECT_EQ(out.period, 1);
    EXPECT_EQ(cents(out.repayment), QStringLiteral("101000.00"));
    EXPECT_EQ(out.repayment, loanRepayment(100000, 1, 12));
    // Below that figure the ordinary search settles on one month, raising the repayment.
    const LoanResults two = solve(LoanMode::Period, 100000, 0, 12, 100000);
    EXPECT_FALSE(two.oneMonth);
    EXPECT_EQ(two.period, 1);
    EXPECT_GE(loanPrincipal(1, 12, two.repayment), 100000);
}

TEST(LoanCalc, PeriodSearchRepaysThePrincipalAndNeverLowersTheRepayment) {
    for (const double entered : {1100.0, 1101.09, 1500.5, 2345.67, 9000.0, 60000.0}) {
        const LoanResults out = solve(LoanMode::Period, 100000, 0, 11.5, entered);
        ASSERT_GT(out.period, 0) << entered;
        EXPECT_GE(out.repayment, entered - 1e-9) << entered;
        EXPECT_GE(loanPrincipal(out.period, 11.5, out.repayment), 100000) << entered;
        EXPECT_LT(loanPrincipal(out.period, 11.5, out.repayment - 0.01), 100000) << entered;
    }
}

// A repayment that repays the loan in no period keeps the figure typed (each recalculation took
// a cent off), says why, and shows no negative interest.
TEST(LoanCalc, APeriodSearchWithoutResultKeepsTheTypedRepayment) {
    const std::pair<double, const char *> rows[] = {
        {900, "does not cover the interest of 1000.00 a month: the loan is never repaid."},
        {1000.5, "does not repay the loan within 600 months."}, // 765 months
    };
    for (const auto &[repayment, message] : rows) {
        const LoanResults out = solve(LoanMode::Period, 100000, 0, 12, repayment);
        EXPECT_FALSE(out.periodFound);
        EXPECT_EQ(out.repayment, repayment);
        EXPECT_EQ(out.totalInterest, 0);
        EXPECT_TRUE(periodNotFoundMessage(100000, 12, repayment).endsWith(QLatin1String(message)));
    }
}

TEST(LoanCalc, FinanceChargesFollowTheSolvedFigures) {
    const LoanResults out = solve(LoanMode::Repayment, 100000, 240, 12, 0);
    EXPECT_EQ(out.totalInterest, out.repayment * 240 - 100000);
    EXPECT_EQ(out.totalRepayments, out.repayment * 240);
}

TEST(LoanMemory, PeriodSearchSavesThePrincipal) {
    LoanMemory m;
    m.mode = LoanMode::Period;
    m.principal = 80000;
    m.rate = 10;
    m.repayment = 1000;
    storeLoanResults(m, calculateLoan(loanInputs(m)));
    EXPECT_EQ(m.savedPrincipal, 80000);
    EXPECT_GT(m.period, 0);
}

TEST(LoanMemory, SharedResetKeepsOnlyThePrincipal) {
    quillon::ProgramState state;
    state.memory<quillon::business::LoanMemory>() = {};
    state.memory<quillon::business::LoanMemory>().mode = LoanMode::Rate;
    state.memory<quillon::business::LoanMemory>().principal = 123456;
    state.memory<quillon::business::LoanMemory>().period = 120;
    state.memory<quillon::business::LoanMemory>().rate = 9;
    state.memory<quillon::business::LoanMemory>().repayment = 1500;
    state.memory<quillon::business::LoanMemory>().savedPrincipal = 5;
    state.memory<quillon::business::LoanMemory>().financeCharges = QStringLiteral("DOWN");
    state.memory<quillon::business::LoanMemory>().schedules.kind = 2;
    state.memory<quillon::business::BusterMemory>() = {1000, 12.5f, 20};
    state.memory<quillon::business::ComparisonMemory>() = {5000, 10.0f};
    state.memory<quillon::business::DailyBalanceMemory>().capital = 5;
    state.memory<quillon::business::DailyBalanceMemory>().startDay = 2457449;
    state.memory<quillon::business::DailyBalanceMemory>().rateStep = 1;
    state.memory<quillon::business::InflationMemory>() = {1, 2, 3, 4, 5};
    state.resetAll();

    EXPECT_EQ(state.memory<quillon::business::LoanMemory>().mode, LoanMode::Repayment);
    EXPECT_EQ(loanModeText(state.memory<quillon::business::LoanMemory>().mode),
              QStringLiteral("Monthly repayment"));
    EXPECT_EQ(state.memory<quillon::business::LoanMemory>().principal, 123456);
    EXPECT_EQ(state.memory<quillon::business::LoanMemory>().period, 0);
    EXPECT_EQ(state.memory<quillon::business::LoanMemory>().rate, 0);
    EXPECT_EQ(state.memory<quillon::business::LoanMemory>().repayment, 0);
    EXPECT_EQ(state.memory<quillon::business::LoanMemory>().savedPrincipal, 0);
    EXPECT_EQ(state.memory<quillon::business::LoanMemory>().financeCharges, QStringLiteral("UP"));
    EXPECT_EQ(state.memory<quillon::business::LoanMemory>().schedules.kind, 0);
    EXPECT_EQ(state.memory<quillon::business::BusterMemory>().principal, 0);
    EXPECT_EQ(state.memory<quillon::business::BusterMemory>().rate, 0);
    EXPECT_EQ(state.memory<quillon::business::BusterMemory>().extraPayment, 0);
    EXPECT_EQ(state.memory<quillon::business::ComparisonMemory>().bondAmount, 0);
    EXPECT_EQ(state.memory<quillon::business::DailyBalanceMemory>().capital, 0);
    EXPECT_EQ(state.memory<quillon::business::DailyBalanceMemory>().startDay, kUnsetDay);
    EXPECT_EQ(state.memory<quillon::business::DailyBalanceMemory>().endDay, kUnsetDay);
    EXPECT_EQ(state.memory<quillon::business::DailyBalanceMemory>().rateStep, 0.25);
    EXPECT_EQ(state.memory<quillon::business::InflationMemory>().futureValue, 0);
    EXPECT_EQ(state.memory<quillon::business::InflationMemory>().presentCost, 0);
}

} // namespace

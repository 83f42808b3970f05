#include "business/DailyBalance.h"
#include "business/Inflation.h"
#include "business/LoanBuster.h"
#include "business/LoanComparison.h"
#include "business/LoanFormulas.h"
#include "taxengine/NumberText.h"

#include <gtest/gtest.h>

#include <memory>
#include <utility>

using namespace quillon::business;
using quillon::formatPattern;

namespace {

QString cents(double v) {
    return formatPattern(v, u"0.00");
}

struct Buster {
    std::unique_ptr<LoanMemory> loan = std::make_unique<LoanMemory>();
    BusterResults last;
    BusterResults run(BusterInputs in) { return last = calculateBuster(in, last, *loan); }
};

TEST(LoanBuster, WorkedFigures) {
    struct Row {
        const char *name;
        double extra;
        const char *shownExtra, *newRepayment, *saving;
        int newPeriod;
    };
    const Row rows[] = {
        {"no extra payment", 0, "0.00", "1101.09", "0.00", 240},
        {"200 extra", 200, "200.34", "1301.43", "72951.03", 147},
    };
    for (const Row &row : rows) {
        Buster b;
        const BusterResults out = b.run({100000, 240, 12.0f, row.extra});
        EXPECT_EQ(cents(out.repayment), QStringLiteral("1101.09")) << row.name;
        EXPECT_EQ(cents(out.extraPayment), QString::fromLatin1(row.shownExtra)) << row.name;
        EXPECT_EQ(out.newPeriod, row.newPeriod) << row.name;
        EXPECT_EQ(cents(out.newRepayment), QString::fromLatin1(row.newRepayment)) << row.name;
        EXPECT_EQ(cents(out.totalSaving), QString::fromLatin1(row.saving)) << row.name;
        // The shared repayment holds the buster's last working repayment.
        EXPECT_EQ(b.loan->repayment, out.newRepayment) << row.name;
        EXPECT_EQ(b.loan->savedPrincipal, 100000) << row.name;
        if (row.extra == 0) {
            EXPECT_EQ(out.newTotalInterest, out.totalInterest);
            EXPECT_EQ(out.newTotalRepayments, out.totalRepayments);
        }
    }
}

TEST(LoanBuster, CalculatingAgainWithTheShownExtraGivesTheSameFigures) {
    Buster b;
    const BusterResults first = b.run({100000, 240, 12.0f, 200});
    const BusterResults second = b.run({100000, 240, 12.0f, first.extraPayment});
    EXPECT_EQ(cents(second.extraPayment), cents(first.extraPayment));
    EXPECT_EQ(second.newPeriod, first.newPeriod);
    EXPECT_EQ(cents(second.newRepayment), cents(first.newRepayment));
    EXPECT_EQ(cents(second.totalSaving), cents(first.totalSaving));
}

// An earlier case's figures would read as this one's: the right column is cleared.
TEST(LoanBuster, ExtraAboveTenRepaymentsClearsTheRightColumn) {
    Buster b;
    b.run({100000, 240, 12.0f, 200});
    const BusterResults out = b.run({100000, 240, 12.0f, 20000});
    EXPECT_FALSE(out.extraApplied);
    EXPECT_TRUE(busterExtraTooLarge(out));
    EXPECT_EQ(out.extraPayment, 20000);
    EXPECT_EQ(out.newPeriod, 0);
    EXPECT_EQ(out.newRepayment, 0);
    EXPECT_EQ(out.newTotalRepayments, 0);
    EXPECT_EQ(out.totalSaving, 0);
}

// The loan calculator's shared figures change only when the buster works a loan out: opening it
// on an incomplete loan (its period is forgotten on close) must leave them alone.
TEST(LoanBuster, OnlyAWorkedOutLoanReachesTheLoanCalculator) {
    const std::pair<BusterInputs, bool> rows[] = {
        {{0, 0, 0.0f, 0}, false},          // opened after a restart
        {{100000, 0, 12.0f, 200}, false},  // reopened: no period
        {{100000, 240, 12.0f, 200}, true}, // worked out
    };
    for (const auto &[in, shared] : rows) {
        Buster b;
        b.loan->repayment = 2008.93;
        const BusterResults out = b.run(in);
        EXPECT_EQ(b.loan->repayment, shared ? out.newRepayment : 2008.93) << in.principal;
    }
}

TEST(LoanBuster, NoPeriodGivesZeroTotalsNotNegativeOnes) {
    Buster b;
    const BusterResults out = b.run({100000, 0, 12.0f, 0});
    EXPECT_EQ(out.repayment, 0);
    EXPECT_EQ(out.totalInterest, 0);
    EXPECT_EQ(out.newTotalInterest, 0);
    EXPECT_EQ(out.newPeriod, 0);
}

TEST(LoanBuster, ExtraThatClearsTheLoanInOneMonthEnds) {
    // Six months: ten repayments are more than the loan with a month's interest.
    Buster b;
    const BusterResults out = b.run({100000, 6, 12.0f, 150000});
    ASSERT_TRUE(out.extraApplied);
    EXPECT_TRUE(out.oneMonth);
    EXPECT_EQ(out.newPeriod, 1);
    EXPECT_EQ(cents(out.newRepayment), QStringLiteral("101000.00"));
    EXPECT_EQ(out.extraPayment, out.newRepayment - out.repayment);
}

TEST(LoanComparison, RowsByRate) {
    struct Row {
        const char *name;
        double bond;
        float rate;
        const char *twentyYears;
    };
    const Row rows[] = {
        {"12%", 100000, 12.0f, "1101.09"},
        {"rate 0", 100000, 0.0f, "0.00"},
        {"bond 0", 0, 12.0f, "0.00"},
    };
    for (const Row &row : rows) {
        const ComparisonResults out = calculateComparison({row.bond, row.rate});
        EXPECT_EQ(cents(out.rows[3].repayment), QString::fromLatin1(row.twentyYears)) << row.name;
        for (const ComparisonRow &r : out.rows) {
            EXPECT_EQ(r.totalPaid, r.months * r.repayment) << row.name;
            EXPECT_EQ(r.totalInterest, r.totalPaid - row.bond) << row.name;
        }
    }
    const auto grid = comparisonGrid(calculateComparison({100000, 0.0f}));
    EXPECT_EQ(grid[0], QStringList({QStringLiteral("5 yrs."), QStringLiteral("0.00 "),
                                    QStringLiteral("-100 000.00 "), QStringLiteral("0.00 ")}));
    EXPECT_EQ(grid[5][0], QStringLiteral("30 yrs."));
    EXPECT_EQ(comparisonGrid(calculateComparison({100000, 12.0f}))[3][1],
              QStringLiteral("1 101.09 "));
    EXPECT_FALSE(comparisonPrintable({100000, 0.0f}));
}

std::int32_t day(int y, int m, int d) {
    return dayNumber(QDate(y, m, d));
}

TEST(DailyBalance, InterestOverDays) {
    struct Row {
        const char *name;
        double capital, rate;
        std::int32_t start, end;
        std::int32_t days;
        const char *interest;
        bool printable;
    };
    const Row rows[] = {
        {"a year", 10000, 10, day(2016, 3, 1), day(2017, 3, 1), 365, "1000.00", true},
        {"same day", 10000, 10, day(2016, 3, 1), day(2016, 3, 1), 0, "0.00", false},
        {"no dates after the reset", 10000, 10, kUnsetDay, kUnsetDay, 0, "0.00", false},
        {"ten days", 2500.5, 7.75, day(2016, 12, 25), day(2017, 1, 4), 10, "5.31", true},
        {"three years, no drift", 500000, 12.5, day(2014, 3, 1), day(2017, 2, 28), 1095,
         "187500.00", true},
        // Single precision would make the capital 12345679 and the interest 1234567.90.
        {"ten digits of capital", 12345678.90, 10, day(2016, 3, 1), day(2017, 3, 1), 365,
         "1234567.89", true},
    };
    for (const Row &row : rows) {
        const DailyBalanceResults out =
            calculateDailyBalance({row.capital, row.rate, row.start, row.end});
        EXPECT_EQ(out.days, row.days) << row.name;
        EXPECT_EQ(cents(out.interest), QString::fromLatin1(row.interest)) << row.name;
        EXPECT_EQ(dailyBalancePrintable(out), row.printable) << row.name;
    }
}

TEST(DailyBalance, DateChecks) {
    const std::int32_t s = day(2016, 3, 1);
    struct Row {
        const char *name;
        bool endField;
        const char *text;
        std::int32_t other;
        bool ok;
        const char *message;
    };
    const Row rows[] = {
        {"empty end date", true, "__/__/____", s, true, ""},
        {"unreadable end date", true, "31/02/2017", s, false,
         "The date entered is invalid please enter a valid date."},
        {"end on the start", true, "01/03/2016", s, true, ""},
        {"end 10960 days on", true, "04/03/2046", s, true, ""},
        {"end past 10960 days", true, "05/03/2046", s, false,
         "The date entered is more than 30 years(360 months) after 01/03/2016."},
        {"end before the start", true, "29/02/2016", s, false,
         "The end date cannot be before the start date 01/03/2016."},
        {"any end without a start", true, "01/01/2100", kUnsetDay, true, ""},
        {"start the day before the end", false, "29/02/2016", s, true, ""},
        {"start on the end", false, "01/03/2016", s, false,
         "The start date must be before the end date 01/03/2016."},
        {"start past 10960 days before", false, "26/02/1986", s, false,
         "The date entered is more than 30 years(360 months) before 01/03/2016."},
        {"unreadable start", false, "1.3.2016", s, false,
         "The date entered is invalid please enter a valid date."},
    };
    for (const Row &row : rows) {
        const QString text = QString::fromLatin1(row.text);
        const DateCheck c =
            row.endField ? checkEndDate(text, row.other) : checkStartDate(text, row.other);
        EXPECT_EQ(c.ok, row.ok) << row.name;
        EXPECT_EQ(c.message, QString::fromLatin1(row.message)) << row.name;
    }
    EXPECT_EQ(checkEndDate(QStringLiteral("02/01/1800"), s).day, kUnsetDay);
}

TEST(DailyBalance, Spinners) {
    const std::int32_t s = day(2016, 3, 1);
    EXPECT_EQ(stepEndDay(s, s, -1), s);
    EXPECT_EQ(stepEndDay(s, s + 5, -1), s + 4);
    EXPECT_EQ(stepEndDay(s, s + 5, +1), s + 6);
    EXPECT_EQ(stepEndDay(s, kUnsetDay, +1), s + 1);
    EXPECT_EQ(stepEndDay(kUnsetDay, s, +1), s);

    struct Row {
        const char *name;
        double rate;
        int direction;
        double result;
        bool beep;
    };
    const Row rows[] = {
        {"up from 40 wraps", 40, +1, 0.25, false},
        {"down from 0.25 wraps with a beep", 0.25, -1, 40, true},
        {"up", 10, +1, 10.25, false},
        {"up past 40 from 39.9", 39.9, +1, 0.25, false},
        {"down", 10, -1, 9.75, false},
        {"zero rate does not move", 0, +1, 0, false},
    };
    for (const Row &row : rows) {
        const DailyRateStep st = stepDailyRate(row.rate, 0.25, row.direction);
        EXPECT_EQ(st.rate, row.result) << row.name;
        EXPECT_EQ(st.beep, row.beep) << row.name;
    }
}

TEST(Inflation, Projections) {
    struct Row {
        const char *name;
        double cost, years, rate;
        const char *future, *buying;
    };
    const Row rows[] = {
        {"10% for 2 years", 1000, 2, 10, "1210.00", "826.45"},
        {"no inflation", 1000, 5, 0, "1000.00", "1000.00"},
        {"no years", 1000, 0, 10, "1000.00", "1000.00"},
        {"deflation", 1000, 1, -5, "950.00", "1052.63"},
    };
    for (const Row &row : rows) {
        const InflationResults out = calculateInflation({row.cost, row.years, row.rate});
        EXPECT_EQ(cents(out.futureValue), QString::fromLatin1(row.future)) << row.name;
        EXPECT_EQ(cents(out.buyingPower), QString::fromLatin1(row.buying)) << row.name;
        EXPECT_FALSE(out.tooLarge) << row.name;
        EXPECT_TRUE(inflationPrintable(out)) << row.name;
    }
    const InflationResults huge = calculateInflation({9000000000.0, 2, 10});
    EXPECT_TRUE(huge.tooLarge);
    EXPECT_FALSE(inflationPrintable(huge));
    EXPECT_FALSE(inflationPrintable(calculateInflation({0, 2, 10})));
}

TEST(Inflation, Spinners) {
    struct Row {
        const char *name;
        bool rate;
        double value;
        int direction;
        double result;
        bool beep;
    };
    const Row rows[] = {
        {"rate up from 30 wraps", true, 30, +1, -5, false},
        {"rate down from -5 wraps", true, -5, -1, 30, false},
        {"typed rate in the thirties jumps", true, 35, +1, -5, false},
        {"rate up to exactly 0 beeps", true, -0.25, +1, 0, true},
        {"rate down", true, 10, -1, 9.75, false},
        {"period up from 40 wraps", false, 40, +1, 1, false},
        {"period down from 1 wraps with a beep", false, 1, -1, 40, true},
        {"period 0 does not move", false, 0, +1, 0, false},
    };
    for (const Row &row : rows) {
        const SpinStep s = row.rate ? stepInflationRate(row.value, row.direction)
                                    : stepInflationPeriod(row.value, row.direction);
        EXPECT_EQ(s.value, row.result) << row.name;
        EXPECT_EQ(s.beep, row.beep) << row.name;
    }
}

} // namespace

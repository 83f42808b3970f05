#include "paye/DailyCalc.h"
#include "paye/MonthlyCalc.h"
#include "paye/WeeklyCalc.h"
#include "taxengine/TaxRules.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>

using namespace quillon::paye;
using quillon::tax::PayPeriod;
using quillon::tax::TaxLookup;

namespace {

// Results are compared to the cent, the way the windows show them.
constexpr double kCent = 0.005;

// A lookup left with an income no calculation makes, to see whether a refusal touched it.
TaxLookup untouchedLookup() {
    TaxLookup l;
    l.AnnualTaxableIncome = -4242;
    return l;
}

MonthlyInputs monthly(double salary, QDate start = {2016, 3, 1}, QDate end = {2016, 3, 31}) {
    MonthlyInputs in;
    in.age = 40;
    in.salary = salary;
    in.startDate = start;
    in.endDate = end;
    return in;
}

TEST(MonthlyCalc, WorkedFigures) {
    struct Case {
        const char *name;
        MonthlyInputs in;
        qint64 days;
        int daysInMonth;
        double annual;
        double periodTax;
    };
    MonthlyInputs withBonus = monthly(20000);
    withBonus.bonus = 10000;
    const Case cases[] = {
        {"whole March", monthly(20000), 31, 31, 240000, 2821.67},
        {"second half of March", monthly(20000, {2016, 3, 16}), 16, 31, 465000, 4467.10},
        {"whole February", monthly(20000, {2017, 2, 1}, {2017, 2, 28}), 28, 28, 240000, 2821.67},
        {"half of February", monthly(20000, {2017, 2, 15}, {2017, 2, 28}), 14, 28, 480000, 4552.50},
        {"one day of April", monthly(1000, {2016, 4, 10}, {2016, 4, 10}), 1, 30, 360000, 189.94},
        {"bonus taxed in full", withBonus, 31, 31, 240000, 2821.67 + 2600},
        {"below the rebate", monthly(5000), 31, 31, 60000, 0},
    };
    for (const Case &c : cases) {
        TaxLookup lookup;
        const MonthlyResults r = calculateMonthly(c.in, lookup);
        ASSERT_TRUE(r.check.ok()) << c.name;
        EXPECT_EQ(r.days, c.days) << c.name;
        EXPECT_EQ(r.daysInMonth, c.daysInMonth) << c.name;
        EXPECT_NEAR(r.annualEquivalent, c.annual, 1e-6) << c.name;
        EXPECT_NEAR(r.periodTax, c.periodTax, kCent) << c.name;
        // The last lookup is the one without the bonus.
        EXPECT_NEAR(lookup.AnnualTaxableIncome, c.annual, 1e-6) << c.name;
    }
}

TEST(MonthlyCalc, DateChecksRefuseWithTheWindowsMessages) {
    struct Case {
        const char *name;
        QDate start, end;
        CheckCode code;
        const char *text;
        const char *focus;
    };
    const Case cases[] = {
        {"different months",
         {2016, 4, 1},
         {2016, 5, 31},
         CheckCode::DifferentMonths,
         "The Start and End dates entered must be for the same Month",
         "dtMEndDate"},
        {"start after end",
         {2016, 4, 20},
         {2016, 4, 10},
         CheckCode::StartAfterEnd,
         "The Start date entered must be before the End date",
         "dtMStartDate"},
        {"start before the year",
         {2016, 2, 29},
         {2016, 3, 31},
         CheckCode::StartDateOutsideYear,
         "The date entered is not correct please enter a date between 01/03/2016 and 28/02/2017",
         "dtMStartDate"},
        {"end after the year",
         {2017, 2, 1},
         {2017, 3, 1},
         CheckCode::EndDateOutsideYear,
         "The date entered is not correct please enter a date between 01/02/2017 and 28/02/2017",
         "dtMEndDate"},
        {"no date",
         {},
         {2016, 3, 31},
         CheckCode::StartDateOutsideYear,
         "The date entered is not correct please enter a date between 01/03/2016 and 28/02/2017",
         "dtMStartDate"},
    };
    for (const Case &c : cases) {
        TaxLookup lookup = untouchedLookup();
        const MonthlyResults r = calculateMonthly(monthly(20000, c.start, c.end), lookup);
        EXPECT_EQ(r.check.code, c.code) << c.name;
        EXPECT_EQ(r.check.text, QString::fromLatin1(c.text)) << c.name;
        EXPECT_EQ(r.check.title, QStringLiteral("Incorrect Date")) << c.name;
        EXPECT_EQ(r.check.focus, QString::fromLatin1(c.focus)) << c.name;
        EXPECT_EQ(lookup.AnnualTaxableIncome, -4242) << c.name;
        EXPECT_EQ(r.periodTax, 0) << c.name;
    }
}

TEST(MonthlyCalc, UifLevyTravelAndCredits) {
    MonthlyInputs capped = monthly(20000);
    capped.settings.uifLimit = 10000;
    MonthlyInputs under = monthly(8000);
    under.settings.uifLimit = 10000;
    TaxLookup lookup;
    const MonthlyResults a = calculateMonthly(capped, lookup);
    EXPECT_DOUBLE_EQ(a.employeeUifShown, 100.00);
    EXPECT_DOUBLE_EQ(a.employerUifShown, 100.00);
    EXPECT_DOUBLE_EQ(a.skillsLevyShown, 200.00); // the levy has no ceiling
    const MonthlyResults b = calculateMonthly(under, lookup);
    EXPECT_DOUBLE_EQ(b.employeeUifShown, 80.00);
    EXPECT_DOUBLE_EQ(b.employerUifShown, 80.00);

    MonthlyInputs travel = monthly(10000);
    travel.travelAllowance = 2502.5;
    travel.settings.inclusionRate = 0.2;
    const MonthlyResults t = calculateMonthly(travel, lookup);
    EXPECT_DOUBLE_EQ(t.taxableTravel, 500.5);
    EXPECT_EQ(t.taxableTravelShown, 500); // half to even
    EXPECT_DOUBLE_EQ(t.taxableAmount, 10500.5);

    MonthlyInputs medical = monthly(30000);
    medical.employeeMedAid = 1000;
    medical.medAidBeneficiaries = 3;
    const MonthlyResults m = calculateMonthly(medical, lookup);
    EXPECT_EQ(m.medicalCredit, 764);
    EXPECT_EQ(m.additionalCredit, 0);
    EXPECT_DOUBLE_EQ(m.taxLiability, m.periodTax - 764);

    MonthlyInputs pensioner = medical;
    pensioner.age = 65;
    pensioner.employeeMedAid = 3000;
    pensioner.medAidBeneficiaries = 2;
    const MonthlyResults p = calculateMonthly(pensioner, lookup);
    EXPECT_EQ(p.medicalCredit, 572);
    EXPECT_NEAR(p.additionalCredit, (3000 - 1716) * 0.333, 1e-9);
}

WeeklyInputs weekly(WeekPeriod period, double salary, std::int16_t normal, std::int16_t thisDays) {
    WeeklyInputs in = openingWeeklyInputs(period);
    in.age = 40;
    in.salary = salary;
    in.normalDays = normal;
    in.thisDays = thisDays;
    return in;
}

TEST(WeeklyCalc, WorkedFigures) {
    struct Case {
        const char *name;
        WeeklyInputs in;
        double bonus;
        double annual;
        double periodTax;
    };
    const WeekPeriod W = WeekPeriod::Week;
    const WeekPeriod F = WeekPeriod::Fortnight;
    const Case cases[] = {
        {"week below the rebate", weekly(W, 1000, 5, 5), 0, 52000, 0},
        {"week with a bonus", weekly(W, 1000, 5, 5), 10000, 52000, 1720.38},
        {"short week", weekly(W, 1000, 5, 3), 0, 1000.0 * 52 * 5 / 3, 24.23},
        {"fortnight below the rebate", weekly(F, 2000, 14, 14), 0, 52000, 0},
        {"fortnight with a bonus", weekly(F, 2000, 14, 14), 10000, 52000, 1640.77},
        {"short fortnight", weekly(F, 2000, 10, 6), 0, 2000.0 * 26 * 10 / 6, 48.46},
    };
    for (const Case &c : cases) {
        WeeklyInputs in = c.in;
        in.bonus = c.bonus;
        TaxLookup lookup;
        const WeeklyResults r = calculateWeekly(in, lookup);
        ASSERT_TRUE(r.check.ok()) << c.name;
        EXPECT_NEAR(r.annualEquivalent, c.annual, 1e-6) << c.name;
        EXPECT_NEAR(r.periodTax, c.periodTax, kCent) << c.name;
        EXPECT_NEAR(lookup.AnnualTaxableIncome, c.annual, 1e-6) << c.name;
    }
}

TEST(WeeklyCalc, DayCountsAreRefusedBeforeAnyLookup) {
    struct Case {
        const char *name;
        WeekPeriod period;
        std::int16_t normal, thisDays;
        CheckCode code;
        const char *focus;
    };
    const Case cases[] = {
        {"week longer than normal", WeekPeriod::Week, 5, 6, CheckCode::ThisPeriodMoreThanNormal,
         "cmdCalculate"},
        {"fortnight longer than normal", WeekPeriod::Fortnight, 10, 11,
         CheckCode::ThisPeriodMoreThanNormal, "cmdCalculate"},
        {"no days this week", WeekPeriod::Week, 5, 0, CheckCode::DaysBelowOne, "silgEdit22"},
        {"no days at all", WeekPeriod::Fortnight, 0, 0, CheckCode::DaysBelowOne, "silgEdit22"},
        {"negative normal days", WeekPeriod::Week, -2, -3, CheckCode::DaysBelowOne, "silgEdit22"},
        {"no normal days", WeekPeriod::Week, 0, 3, CheckCode::ThisPeriodMoreThanNormal,
         "cmdCalculate"},
    };
    for (const Case &c : cases) {
        TaxLookup lookup = untouchedLookup();
        const WeeklyResults r =
            calculateWeekly(weekly(c.period, 1000, c.normal, c.thisDays), lookup);
        EXPECT_EQ(r.check.code, c.code) << c.name;
        EXPECT_EQ(r.check.title, QStringLiteral("Incorrect Number of Days")) << c.name;
        EXPECT_EQ(r.check.focus, QString::fromLatin1(c.focus)) << c.name;
        EXPECT_EQ(lookup.AnnualTaxableIncome, -4242) << c.name;
    }
    TaxLookup lookup;
    EXPECT_EQ(calculateWeekly(weekly(WeekPeriod::Week, 1000, 5, 6), lookup).check.text,
              QStringLiteral("The number of 'Normal work-week' days must be = to or larger than "
                             "'This work-week'."));
    EXPECT_EQ(calculateWeekly(weekly(WeekPeriod::Fortnight, 1000, 5, 6), lookup).check.text,
              QStringLiteral("The number of 'Normal fortnight' days must be = to or larger than "
                             "'This fortnight'."));
    EXPECT_TRUE(calculateWeekly(weekly(WeekPeriod::Week, 1000, 1, 1), lookup).check.ok());
}

TEST(WeeklyCalc, CreditsCapAndUifCeiling) {
    struct Case {
        const char *name;
        WeekPeriod period;
        std::int16_t beneficiaries;
        double credit;
    };
    const Case cases[] = {
        {"week, one", WeekPeriod::Week, 1, 71.50},
        {"week, three", WeekPeriod::Week, 3, 191},
        {"fortnight, one", WeekPeriod::Fortnight, 1, 143},
        {"fortnight, three", WeekPeriod::Fortnight, 3, 382},
    };
    for (const Case &c : cases) {
        WeeklyInputs in = weekly(c.period, 5000, 5, 5);
        in.employerMedAid = 100;
        in.medAidBeneficiaries = c.beneficiaries;
        TaxLookup lookup;
        EXPECT_DOUBLE_EQ(calculateWeekly(in, lookup).medicalCredit, c.credit) << c.name;
    }

    WeeklyInputs big = weekly(WeekPeriod::Week, 100000, 5, 5);
    big.employeeFund = 10000;
    TaxLookup lookup;
    const WeeklyResults r = calculateWeekly(big, lookup);
    EXPECT_DOUBLE_EQ(r.deduction, 350000.0 / 52);
    EXPECT_EQ(r.allowableDeduction, 6731);
    // 14872 a month is 3432 a week.
    EXPECT_DOUBLE_EQ(r.employeeUifShown, 34.32);
    EXPECT_DOUBLE_EQ(r.skillsLevy, (100000 - 350000.0 / 52) / 100);
}

DailyInputs daily(double salary) {
    DailyInputs in;
    in.age = 40;
    in.salary = salary;
    return in;
}

TEST(DailyCalc, WorkedFigures) {
    TaxLookup lookup;
    const DailyResults plain = calculateDaily(daily(200), lookup);
    EXPECT_EQ(plain.annualEquivalent, 52000);
    EXPECT_EQ(plain.periodTax, 0);
    DailyInputs bonus = daily(200);
    bonus.bonus = 5000;
    EXPECT_NEAR(calculateDaily(bonus, lookup).periodTax, 884.08, kCent);
    EXPECT_EQ(lookup.AnnualTaxableIncome, 52000);

    DailyInputs uif = daily(1000);
    uif.settings.uifLimit = 14000;
    uif.settings.employeeUIF = 100; // the whole ceiling
    EXPECT_DOUBLE_EQ(calculateDaily(uif, lookup).employeeUifShown, 646.15);
}

TEST(DailyCalc, CreditsUpToSixteenBeneficiaries) {
    struct Case {
        std::int16_t n;
        double credit;
    };
    const Case cases[] = {{1, 13.20}, {3, 35.26}, {16, 150.46}};
    for (const Case &c : cases) {
        DailyInputs in = daily(500);
        in.employeeMedAid = 50;
        in.medAidBeneficiaries = c.n;
        TaxLookup lookup;
        const DailyResults r = calculateDaily(in, lookup);
        ASSERT_TRUE(r.check.ok()) << c.n;
        EXPECT_NEAR(r.medicalCredit, c.credit, kCent) << c.n;
    }
}

// Every period refuses a count its 16-bit credit cannot hold, and a negative one, before any
// lookup; the largest computable count is accepted.
TEST(PeriodCalc, BeneficiaryCountsOutsideTheCreditsRange) {
    using Calc = std::function<InputCheck(std::int16_t, TaxLookup &)>;
    struct Case {
        const char *name;
        PayPeriod period;
        Calc calc;
    };
    const Case cases[] = {
        {"month", PayPeriod::Month,
         [](std::int16_t n, TaxLookup &l) {
             MonthlyInputs in = monthly(1000);
             in.medAidBeneficiaries = n;
             return calculateMonthly(in, l).check;
         }},
        {"week", PayPeriod::Week,
         [](std::int16_t n, TaxLookup &l) {
             WeeklyInputs in = weekly(WeekPeriod::Week, 1000, 5, 5);
             in.medAidBeneficiaries = n;
             return calculateWeekly(in, l).check;
         }},
        {"fortnight", PayPeriod::Fortnight,
         [](std::int16_t n, TaxLookup &l) {
             WeeklyInputs in = weekly(WeekPeriod::Fortnight, 1000, 5, 5);
             in.medAidBeneficiaries = n;
             return calculateWeekly(in, l).check;
         }},
        {"day", PayPeriod::Day,
         [](std::int16_t n, TaxLookup &l) {
             DailyInputs in = daily(100);
             in.medAidBeneficiaries = n;
             return calculateDaily(in, l).check;
         }},
    };
    for (const Case &c : cases) {
        const auto most = quillon::tax::maxBeneficiaries(c.period);
        for (const int n : {-1, most + 1}) {
            TaxLookup lookup = untouchedLookup();
            const InputCheck check = c.calc(static_cast<std::int16_t>(n), lookup);
            EXPECT_EQ(check.code, CheckCode::BeneficiariesOutOfRange) << c.name << " " << n;
            EXPECT_EQ(check.focus, QStringLiteral("numMedAidBens")) << c.name;
            EXPECT_TRUE(check.text.contains(QString::number(most))) << c.name;
            EXPECT_EQ(lookup.AnnualTaxableIncome, -4242) << c.name;
        }
        TaxLookup lookup;
        EXPECT_TRUE(c.calc(most, lookup).ok()) << c.name;
    }
    EXPECT_EQ(dailyInputCheck(DailyInputs{}).code, CheckCode::Ok);
}

} // namespace

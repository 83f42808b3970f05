#include "business/LoanSchedule.h"
#include "business/LoanFormulas.h"
#include "business/LoanGrid.h"
#include "business/LoanReport.h"

#include <gtest/gtest.h>

#include <cmath>
#include <memory>

using namespace quillon::business;

namespace {

double sumCapital(const std::vector<ScheduleRow> &rows) {
    double s = 0;
    for (const ScheduleRow &r : rows)
        s += r.capital;
    return s;
}

TEST(LoanSchedule, AnnualRowsByTerm) {
    struct Row {
        const char *name;
        double months;
        int years;
        std::int16_t kind, whole;
        int lastNumber;
    };
    const Row rows[] = {
        {"two years and a part year", 30, 3, 2, 2, 3},
        {"whole years", 36, 3, 1, 3, 3},
        {"under a year prints one part-year row", 7, 1, 2, 0, 1},
        {"a year and a month", 13, 2, 2, 1, 2},
    };
    for (const Row &row : rows) {
        auto s = std::make_unique<LoanSchedules>();
        EXPECT_EQ(buildAnnualSchedule(50000, row.months, 10.5, *s), row.years) << row.name;
        const std::vector<ScheduleRow> years = annualRows(*s);
        ASSERT_EQ(static_cast<int>(years.size()), row.years) << row.name;
        EXPECT_EQ(s->kind, row.kind) << row.name;
        EXPECT_EQ(s->wholeYears, row.whole) << row.name;
        EXPECT_EQ(years.back().number, row.lastNumber) << row.name;
        EXPECT_NEAR(years.back().balance, 0, 1e-6) << row.name;
        EXPECT_NEAR(sumCapital(years), 50000, 1e-6) << row.name;
        const double repayment = loanRepayment(50000, row.months, 10.5);
        double interest = 0;
        for (const ScheduleRow &y : years)
            interest += y.interest;
        EXPECT_NEAR(interest, repayment * row.months - 50000, 1e-6) << row.name;
    }
}

TEST(LoanSchedule, ThirtyMonthsYearByYear) {
    auto s = std::make_unique<LoanSchedules>();
    buildMonthlySchedule(100000, 30, 12, *s);
    const std::vector<ScheduleRow> months = monthlyRows(*s, 30);
    double firstYear = 0;
    for (int k = 0; k < 12; ++k)
        firstYear += months[static_cast<std::size_t>(k)].capital;
    const double balanceAfter24 = months[23].balance;

    buildAnnualSchedule(100000, 30, 12, *s);
    const std::vector<ScheduleRow> years = annualRows(*s);
    ASSERT_EQ(years.size(), 3u);
    EXPECT_EQ(years[0].capital, firstYear);
    EXPECT_EQ(years[1].balance, balanceAfter24);
    EXPECT_EQ(years[2].capital, 100000 - (years[0].capital + years[1].capital));
    EXPECT_EQ(years[2].balance, 0);
    EXPECT_EQ(s->yearsWithPart, 3);
}

TEST(LoanSchedule, MonthlyColumnsFollowTheAnnuity) {
    auto s = std::make_unique<LoanSchedules>();
    ASSERT_EQ(buildMonthlySchedule(100000, 240, 12, *s), 240);
    const std::vector<ScheduleRow> rows = monthlyRows(*s, 240);
    const double repayment = loanRepayment(100000, 240, 12);
    // The first month's interest is a month's interest on the whole loan.
    EXPECT_NEAR(rows[0].interest, 1000, 1e-6);
    EXPECT_NEAR(rows[239].balance, 0, 1e-6);
    for (const ScheduleRow &r : rows)
        EXPECT_DOUBLE_EQ(r.capital + r.interest, repayment) << r.number;
    EXPECT_EQ(buildMonthlySchedule(100000, 0, 12, *s), 0);
    EXPECT_EQ(buildMonthlySchedule(100000, 1001, 12, *s), 0);
}

TEST(LoanSchedule, GridsAreOfferedOnlyForCompleteFigures) {
    struct Row {
        const char *name;
        double p, n, r, rep;
        bool monthly, annual;
    };
    const Row rows[] = {
        {"complete", 1000, 24, 10, 46, true, true},
        {"one year is too short for the annual grid", 1000, 12, 10, 88, true, false},
        {"thirteen months", 1000, 13, 10, 81, true, true},
        {"no rate", 1000, 24, 0, 46, false, false},
        {"no repayment", 1000, 24, 10, 0, false, false},
    };
    for (const Row &row : rows) {
        EXPECT_EQ(monthlyGridAllowed(row.p, row.n, row.r, row.rep), row.monthly) << row.name;
        EXPECT_EQ(annualGridAllowed(row.p, row.n, row.r, row.rep), row.annual) << row.name;
    }
}

TEST(LoanGrid, TextsUseTheGridPatterns) {
    const std::vector<ScheduleRow> rows = {{7, 1234567.891, 0.5, 12.004}};
    const GridTexts m = monthlyGrid(rows);
    EXPECT_EQ(m.headings.at(0), QStringLiteral(" Month   "));
    EXPECT_EQ(m.rows.at(0), QStringList({QStringLiteral("7"), QStringLiteral("1 234 567.89"),
                                         QStringLiteral("0.50"), QStringLiteral("12.00")}));
    EXPECT_FALSE(m.verticalScrollBar);
    EXPECT_EQ(annualGrid(rows).headings.at(3), QStringLiteral("    Balance      "));
    EXPECT_TRUE(monthlyGrid(std::vector<ScheduleRow>(11)).verticalScrollBar);
}

TEST(LoanReport, LayoutsAndTitlesByModeAndSchedule) {
    struct Row {
        LoanMode mode;
        Amortisation amort;
        const char *layout;
        const char *titleStart;
    };
    const Row rows[] = {
        {LoanMode::Repayment, Amortisation::None, "Lonrepa.rpt", "Repayment of Loan - "},
        {LoanMode::Repayment, Amortisation::Annual, "LonrepaA.rpt",
         "Annual repayment of Loan with Amortisation - To export"},
        {LoanMode::Repayment, Amortisation::Monthly, "LonrepaA.rpt",
         "Annual repayment of Loan with Monthly Amortisation - "},
        {LoanMode::Principal, Amortisation::Annual, "LonPrAmA.rpt",
         "Principal calculation of Loan with Annual Amortisation - "},
        {LoanMode::Period, Amortisation::None, "LonRPer.rpt", "Repayment period calculation"},
        {LoanMode::Period, Amortisation::Monthly, "LonRPerA.rpt",
         "Repayment period calculation of Loan with Monthly Amortisation - "},
        {LoanMode::Rate, Amortisation::Annual, "LonInRtA.rpt",
         "Interest rate calculation of Loan with Annual Amortisation - "},
    };
    for (const Row &row : rows) {
        const LoanLayout l = loanLayout(row.mode, row.amort);
        EXPECT_EQ(l.layout, QString::fromLatin1(row.layout));
        EXPECT_TRUE(l.title.startsWith(QString::fromLatin1(row.titleStart)))
            << l.title.toStdString();
        EXPECT_TRUE(l.title.endsWith(QStringLiteral("click on the suitcase button or goto Help")));
    }
}

TEST(LoanReport, RecordWithFinanceChargesAndAnnualSchedule) {
    LoanPrint p{LoanMode::Repayment, 100000, 30, 12, loanRepayment(100000, 30, 12), true,
                Amortisation::Annual};
    auto s = std::make_unique<LoanSchedules>();
    const LoanReportData d = loanReportData(p, *s);
    const auto &rec = d.loans.record;
    ASSERT_EQ(rec.size(), 11u);
    const char *names[] = {"Heading",   "Num1",    "Num2",     "Num3",    "Num4",   "FinText1",
                           "FinText1A", "FinNum1", "FinText2", "FinNum2", "YearMon"};
    for (std::size_t i = 0; i < rec.size(); ++i)
        EXPECT_EQ(rec[i].name, QString::fromLatin1(names[i]));
    EXPECT_EQ(rec[0].value.toString(), QStringLiteral("Monthly repayment"));
    EXPECT_EQ(rec[7].value.toDouble(), p.repayment * 30 - 100000);
    EXPECT_EQ(rec[10].value.toString(), QStringLiteral("Year"));
    EXPECT_EQ(d.amort.table, QStringLiteral("Amort"));
    ASSERT_EQ(d.amort.rows.size(), 3u);
    EXPECT_EQ(d.amort.rows[2][0].value.toInt(), 3);
    EXPECT_EQ(d.amort.rows[2][3].name, QStringLiteral("Required"));
    EXPECT_EQ(d.amort.rows[2][3].value.toDouble(), 0);

    p.financeChargesShown = false;
    p.amortisation = Amortisation::None;
    const LoanReportData plain = loanReportData(p, *s);
    EXPECT_EQ(plain.loans.record.size(), 10u);
    EXPECT_EQ(plain.loans.record[5].value.toString(), QString());
    EXPECT_EQ(plain.loans.record[9].value.toDouble(), 0);
    EXPECT_TRUE(plain.amort.table.isEmpty());

    p.amortisation = Amortisation::Monthly;
    EXPECT_EQ(loanReportData(p, *s).amort.rows.size(), 30u);
}

} // namespace

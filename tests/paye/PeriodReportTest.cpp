#include "paye/DailyReport.h"
#include "paye/MonthlyReport.h"
#include "paye/QuickTaxReport.h"
#include "paye/WeeklyReport.h"

#include <gtest/gtest.h>

using namespace quillon::paye;
using quillon::report::PrintLanguage;
using quillon::report::ReportRecord;
using quillon::tax::TaxLookup;

namespace {

QVariant field(const ReportRecord &r, const char *name) {
    for (const auto &f : r)
        if (f.name == QLatin1String(name))
            return f.value;
    ADD_FAILURE() << "no field " << name;
    return {};
}

int position(const ReportRecord &r, const char *name) {
    for (std::size_t i = 0; i < r.size(); ++i)
        if (r[i].name == QLatin1String(name))
            return static_cast<int>(i);
    return -1;
}

int count(const ReportRecord &r, const char *name) {
    int n = 0;
    for (const auto &f : r)
        n += f.name == QLatin1String(name) ? 1 : 0;
    return n;
}

// Captions that differ between the languages and between the period records.
TEST(PeriodReport, CaptionsInBothLanguages) {
    struct Case {
        const char *name;
        std::function<ReportRecord(PrintLanguage)> build;
        const char *field;
        const char *english;
        const char *afrikaans;
    };
    const MonthlyInputs month;
    const WeeklyInputs week = openingWeeklyInputs(WeekPeriod::Week);
    const WeeklyInputs fortnight = openingWeeklyInputs(WeekPeriod::Fortnight);
    const DailyInputs day;
    auto monthly = [&](PrintLanguage l) { return monthlyReportRecord(month, {}, {}, l); };
    auto weekly = [&](PrintLanguage l) { return weeklyReportRecord(week, {}, {}, l); };
    auto fortnightly = [&](PrintLanguage l) { return weeklyReportRecord(fortnight, {}, {}, l); };
    auto daily = [&](PrintLanguage l) { return dailyReportRecord(day, {}, {}, l); };
    const Case cases[] = {
        {"monthly type", monthly, "TypeAM", "Monthly Check", "Maandelikse Inkomste"},
        {"monthly travel", monthly, "TravAll", "Travel allowance ", "Reistoelae "},
        {"monthly total", monthly, "TOTAL", "Total tax deduction", "Totaal belasting"},
        {"weekly type", weekly, "TypeAM", "Weekly Check", "Weeklikse Inkomste"},
        {"weekly travel", weekly, "TravAll", "Travel allowance ", "Reistoelae ontvang"},
        {"weekly normal days", weekly, "SDate", "Normal work week", "Normale werk week"},
        {"fortnightly type", fortnightly, "TypeAM", "Fortnightly Check", "Twee Weeklikse Inkomste"},
        {"fortnightly this period", fortnightly, "EDate", "This fortnight", "Hierdie twee weke"},
        {"daily type", daily, "TypeAM", "Daily Check", "Daaglikse Inkomste"},
        {"daily travel", daily, "TravAll", "Travel allowance ", "Reistoelae "},
        {"daily pension", daily, "PenCont", "Employer's R/Fund contributions ",
         "Toelaatbare pension bydrae"},
    };
    for (const Case &c : cases) {
        EXPECT_EQ(field(c.build(PrintLanguage::English), c.field).toString(),
                  QString::fromLatin1(c.english))
            << c.name;
        EXPECT_EQ(field(c.build(PrintLanguage::Afrikaans), c.field).toString(),
                  QString::fromLatin1(c.afrikaans))
            << c.name;
    }
}

TEST(PeriodReport, MonthlyFiguresAndOrder) {
    MonthlyInputs in;
    in.salary = 20000;
    in.travelAllowance = 1000.5;
    in.employeeMedAid = 100;
    in.medAidBeneficiaries = 3;
    in.startDate = QDate(2016, 3, 16);
    TaxLookup lookup;
    const MonthlyResults out = calculateMonthly(in, lookup);
    const ReportRecord r =
        monthlyReportRecord(in, out, QStringLiteral("Thandi"), PrintLanguage::Afrikaans);
    EXPECT_EQ(field(r, "Employee").toString(), QStringLiteral("Vir : Thandi"));
    EXPECT_EQ(field(r, "TravTwo").toDouble(), 1000.5 * 0.8); // unrounded, unlike numMTAAns
    EXPECT_EQ(field(r, "SDateNum").toString(), QStringLiteral("16/03/2016"));
    EXPECT_EQ(field(r, "UIFEMPENum").toDouble(), 148.72);
    EXPECT_EQ(field(r, "AnnCalcBens3num").toInt(), 3);
    EXPECT_EQ(field(r, "TotalNum").toDouble(), out.taxLiability);
    // The layout reads the figures after their captions, EOE before the tax figures.
    EXPECT_LT(position(r, "SDL"), position(r, "EOE"));
    EXPECT_LT(position(r, "EOE"), position(r, "Taxliability"));
    EXPECT_EQ(r.front().name, QStringLiteral("TypeAM"));
    EXPECT_EQ(r.back().name, QStringLiteral("TotalNum"));
}

TEST(PeriodReport, WeeklyAndDailyShareTheirTail) {
    WeeklyInputs in = openingWeeklyInputs(WeekPeriod::Week);
    in.salary = 500;
    in.normalDays = 5;
    in.thisDays = 3;
    TaxLookup lookup;
    const WeeklyResults out = calculateWeekly(in, lookup);
    ASSERT_EQ(out.taxLiability, 0);
    const ReportRecord r =
        weeklyReportRecord(in, out, QStringLiteral("Sipho"), PrintLanguage::English);
    EXPECT_EQ(field(r, "Employee").toString(), QStringLiteral(" For : Sipho"));
    EXPECT_EQ(field(r, "SDateNum").toString(), QStringLiteral("5"));
    EXPECT_EQ(field(r, "EDateNum").toString(), QStringLiteral("3"));
    // No tax left: the integer 0, written once.
    EXPECT_EQ(field(r, "TotalNum").typeId(), QMetaType::Int);
    EXPECT_EQ(count(r, "TOTAL"), 1);
    EXPECT_GT(position(r, "TaxCredit"), position(r, "MedAidBens"));

    const ReportRecord d =
        dailyReportRecord(DailyInputs{}, DailyResults{}, {}, PrintLanguage::English);
    EXPECT_EQ(position(d, "SDate"), -1);
    EXPECT_EQ(d.size() + 4, r.size()); // the two day counts and their captions
}

TEST(PeriodReport, QuickTaxRecord) {
    TaxLookup lookup;
    lookup.AnnualTaxableIncome = 500000;
    QuickTaxMemory memory;
    memory.age = 70;
    const ReportRecord r =
        quickTaxReportRecord(calculateQuickTax(memory, lookup), QStringLiteral("  J. Smith "));
    ASSERT_EQ(r.size(), 12u);
    EXPECT_EQ(r.front().name, QStringLiteral("Employee"));
    EXPECT_EQ(r.front().value.toString(), QStringLiteral("For : J. Smith"));
    EXPECT_EQ(field(r, "AGE").toInt(), 70);
    EXPECT_EQ(quickTaxReportRecord(calculateQuickTax(memory, lookup)).front().value.toString(),
              QString());
    EXPECT_EQ(field(r, "TAXCOM4").toDouble(), 109053);
    EXPECT_EQ(r.back().name, QStringLiteral("TAXCOM4/2"));
    EXPECT_EQ(r.back().value.toDouble(), 109053.0 / 12);
}

} // namespace

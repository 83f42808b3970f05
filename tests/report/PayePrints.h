#pragma once

#include "business/DailyBalance.h"
#include "business/Inflation.h"
#include "business/LoanBuster.h"
#include "business/LoanComparison.h"
#include "package/GrossToNet.h"
#include "package/NetToGross.h"
#include "package/SalPackageRecord.h"
#include "paye/AnnualReport.h"
#include "paye/DailyReport.h"
#include "paye/MonthlyReport.h"
#include "paye/QuickTaxReport.h"
#include "paye/WeeklyReport.h"

#include <QString>

#include <functional>
#include <vector>

namespace quillon::test {

// One print of a PAYE layout as its calculator makes it: the layout, and the data for a
// language (QuickTax ignores the language).
struct PayePrint {
    const char *layout;
    std::function<report::ReportData(report::PrintLanguage)> data;
};

inline report::ReportData printOf(const QString &table, report::ReportRecord record) {
    report::ReportData data;
    data.table = table;
    data.record = std::move(record);
    return data;
}

inline const QString kSampleEmployee = QStringLiteral("Thandi Mokoena");

// A full-year worked figure: salary 300000, bonus 25000, both medical aid contributions and
// two beneficiaries in every month.
inline report::ReportData annualPrint(report::PrintLanguage language) {
    paye::AnnualInputs in;
    in.age = 40;
    in.salary = 300000;
    in.bonus = 25000;
    in.employerMedAid = 12000;
    in.employeeMedAid = 6000;
    in.employeeFund = 20000;
    in.monthBeneficiaries.fill(2);
    tax::TaxLookup lookup;
    const paye::AnnualResults out = paye::calculateAnnual(in, lookup);
    return printOf(paye::kAnnualTable,
                   paye::annualReportRecord(in, out, kSampleEmployee, language));
}

// Monthly: three beneficiaries with contributions give a credit of 764 (572 + 192).
inline report::ReportData monthlyPrint(report::PrintLanguage language) {
    paye::MonthlyInputs in;
    in.age = 67;
    in.salary = 30000;
    in.commission = 2500;
    in.travelAllowance = 4000;
    in.bonus = 10000;
    in.employerMedAid = 1500;
    in.employeeMedAid = 800;
    in.employerFund = 1200;
    in.employeeFund = 1500;
    in.medAidBeneficiaries = 3;
    tax::TaxLookup lookup;
    const auto out = paye::calculateMonthly(in, lookup);
    return printOf(paye::kMonthlyTable,
                   paye::monthlyReportRecord(in, out, kSampleEmployee, language));
}

// Weekly, 3 of 5 days, one beneficiary: credit 71.50. Fortnightly, full, three: 382.
inline report::ReportData weeklyPrint(paye::WeekPeriod period, report::PrintLanguage language) {
    paye::WeeklyInputs in = paye::openingWeeklyInputs(period);
    const bool week = period == paye::WeekPeriod::Week;
    in.age = 35;
    in.salary = week ? 5000 : 10000;
    in.employeeMedAid = 400;
    in.medAidBeneficiaries = week ? 1 : 3;
    in.normalDays = week ? 5 : 10;
    in.thisDays = week ? 3 : 10;
    tax::TaxLookup lookup;
    const auto out = paye::calculateWeekly(in, lookup);
    return printOf(paye::kWeeklyTable,
                   paye::weeklyReportRecord(in, out, kSampleEmployee, language));
}

// Daily pay of 200 with a bonus of 5000 at age 40: 884.08 tax for the day.
inline report::ReportData dailyPrint(report::PrintLanguage language) {
    paye::DailyInputs in;
    in.age = 40;
    in.salary = 200;
    in.bonus = 5000;
    tax::TaxLookup lookup;
    const auto out = paye::calculateDaily(in, lookup);
    return printOf(paye::kDailyTable, paye::dailyReportRecord(in, out, kSampleEmployee, language));
}

// Income 500000 at age 70: base tax 96264, 36%, portion 33696, total 129960, rebates 20907.
inline report::ReportData quickTaxPrint(report::PrintLanguage) {
    tax::TaxLookup lookup;
    lookup.AnnualTaxableIncome = 500000;
    paye::QuickTaxMemory memory;
    memory.age = 70;
    return printOf(paye::kQuickTaxTable,
                   paye::quickTaxReportRecord(paye::calculateQuickTax(memory, lookup),
                                              QStringLiteral("Thandi Mokoena")));
}

// R 500 000 at 12.5 % from 01/03/2014 to 28/02/2017: 1 095 days, R 187 500.00.
inline report::ReportData dayBalancePrint(report::PrintLanguage) {
    const business::DailyBalanceInputs in{500000, 12.5f, 2456718, 2457813};
    return printOf(business::kDailyBalanceTable,
                   business::dailyBalanceRecord(in, business::calculateDailyBalance(in)));
}

// R 1 000 at 10 % for 2 years: R 1 210 then, R 826.45 of buying power.
inline report::ReportData inflationPrint(report::PrintLanguage) {
    const business::InflationInputs in{1000, 2, 10};
    return printOf(business::kInflationTable,
                   business::inflationRecord(in, business::calculateInflation(in)));
}

// R 100 000 over 240 months at 12 % with R 200 more a month: paid off in 147 months.
inline report::ReportData loanBusterPrint(report::PrintLanguage) {
    const business::BusterInputs in{100000, 240, 12.0f, 200};
    business::LoanMemory loan;
    return printOf(business::kBusterTable,
                   business::busterRecord(in, business::calculateBuster(in, {}, loan)));
}

// R 100 000 at 12 % over 5 to 30 years.
inline report::ReportData loanComparisonPrint(report::PrintLanguage) {
    const business::ComparisonInputs in{100000, 12.0f};
    return printOf(business::kComparisonTable,
                   business::comparisonRecord(in, business::calculateComparison(in)));
}

// A salary package print with the delivered settings, age 40, the first amount and one other
// expense typed; the language plays no part.
inline report::ReportData packagePrint(package::PackageWindow window, double amount) {
    package::PackageInputs in;
    in.Age = 40;
    in.Amount = amount;
    in.CarValue = 250000;
    in.Expenses[1] = {QStringLiteral("Cellphone"), 500};
    const tax::SetupRecord setup = tax::deliveredSetup();
    const package::PackageResults previous = package::initialResults(window, in);
    tax::TaxLookup lookup;
    using package::PackageWindow;
    const package::PackageResults out =
        window == PackageWindow::GrossAnnual
            ? package::calculateGrossAnnual(in, setup, previous, lookup)
        : window == PackageWindow::GrossMonthly
            ? package::calculateGrossMonthly(in, setup, previous, lookup)
        : window == PackageWindow::NetAnnual
            ? package::calculateNetAnnual(in, setup, previous, lookup)
            : package::calculateNetMonthly(in, setup, previous, lookup);
    return printOf(package::kSalPackageTable,
                   package::salPackageRecord(window, in, out, kSampleEmployee));
}

// The layouts drawn with the row cursor besides Annual.rpt.
inline const std::vector<PayePrint> &payePrints() {
    static const std::vector<PayePrint> prints = {
        {"Monthly.rpt", monthlyPrint},
        {"Weekly.rpt", [](auto l) { return weeklyPrint(paye::WeekPeriod::Week, l); }},
        {"FortNightly.rpt", [](auto l) { return weeklyPrint(paye::WeekPeriod::Fortnight, l); }},
        {"Daily.rpt", dailyPrint},
        {"kwiktep.rpt", quickTaxPrint},
        {"DayBal.rpt", dayBalancePrint},
        {"Inflatin.rpt", inflationPrint},
        {"loanbuster.rpt", loanBusterPrint},
        {"LoanComparison.rpt", loanComparisonPrint},
        {"Brisvane.rpt",
         [](auto) { return packagePrint(package::PackageWindow::GrossAnnual, 300000); }},
        {"Quillon.rpt",
         [](auto) { return packagePrint(package::PackageWindow::NetAnnual, 200000); }},
        {"Brisvane.rpt",
         [](auto) { return packagePrint(package::PackageWindow::GrossMonthly, 15000); }},
        {"Quillon.rpt",
         [](auto) { return packagePrint(package::PackageWindow::NetMonthly, 10000); }},
    };
    return prints;
}

} // namespace quillon::test

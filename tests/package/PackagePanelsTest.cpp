#include "package/GrossToNet.h"
#include "package/NetToGross.h"
#include "package/PackageRules.h"
#include "package/PackageSettings.h"
#include "package/RaPanel.h"
#include "package/SalPackageRecord.h"

#include <gtest/gtest.h>

#include <algorithm>

using namespace quillon::package;
using quillon::report::ReportRecord;
using quillon::tax::SetupRecord;
using quillon::tax::TaxLookup;

namespace {

TEST(PackageSettings, FundPercentagesAreHeldTo27Point5Together) {
    struct Row {
        double employee, employer;
        bool reset;
    };
    for (const Row row : {Row{20, 7.5, false}, Row{20, 10, true}, Row{27.5, 0, false},
                          Row{27.6, 0, true}, Row{100, -80, false}}) {
        SetupRecord s;
        s.PensionCont = row.employee;
        s.EmployerPenCont = row.employer;
        EXPECT_EQ(applyFundCeiling(s), row.reset) << row.employee << " + " << row.employer;
        EXPECT_EQ(s.PensionCont, row.reset ? 0 : row.employee);
        EXPECT_EQ(s.EmployerPenCont, row.reset ? 0 : row.employer);
    }
}

TEST(RaPanel, LinesFromTheLastContribution) {
    struct Row {
        const char *name;
        PackageWindow window;
        double pension;
        double contribution;
        double amount;
        double grossSalary;
        const char *lineA;
        const char *lineC;
    };
    const Row rows[] = {
        {"annual below 3500", PackageWindow::GrossAnnual, 0, 1500, 300000, 0,
         "ie: R 3 500 - R1 500.00 = R2 000.00", "ie: R 300 000.00 X 15% = R45 000.00"},
        {"annual above 3500", PackageWindow::GrossAnnual, 0, 45000, 300000, 0,
         "ie: R 3 500 - R45 000.00 = - R41 500.00", "ie: R 300 000.00 X 15% = R45 000.00"},
        {"monthly package for a year", PackageWindow::GrossMonthly, 0, 100, 10000, 0,
         "ie: R 3 500 - R100.00 = R3 400.00", "ie: R 120 000.00 X 15% = R18 000.00"},
        {"net annual shown gross", PackageWindow::NetAnnual, 0, 0, 200000, 234114.544,
         "ie: R 3 500 - R0.00 = R3 500.00", "ie: R 234 114.54 X 15% = R35 117.18"},
        {"net monthly a year's contribution", PackageWindow::NetMonthly, 0, 500, 10000, 0,
         "ie: R 3 500 - R6 000.00 = - R2 500.00", "ie: R 42 000.00 X 15% = R6 300.00"},
        {"percentage uses the income formula", PackageWindow::GrossAnnual, 5, 0, 300000, 0,
         "ie: R 3 500 - R0.00 = R3 500.00", "ie: R 42 000.00 X 15% = R6 300.00"},
    };
    for (const Row &row : rows) {
        SetupRecord s = quillon::tax::deliveredSetup();
        s.PensionCont = row.pension;
        PackageInputs in;
        in.Amount = row.amount;
        if (row.window == PackageWindow::NetMonthly || row.pension > 0)
            in.CarValue = 100000; // x 0.035 x 0.8 x 12 = 33600
        in.OtherBenefits = 8400;
        PackageResults last;
        last.EmployeeContribution = row.contribution;
        last.GrossSalary = row.grossSalary;
        const RaLines lines = raLines(row.window, in, s, last);
        EXPECT_EQ(lines.lineA, row.lineA) << row.name;
        EXPECT_EQ(lines.lineC, row.lineC) << row.name;
    }
}

QStringList names(const ReportRecord &r) {
    QStringList out;
    for (const auto &f : r)
        out << f.name;
    return out;
}

QVariant valueOf(const ReportRecord &r, const QString &name) {
    const auto it = std::find_if(r.begin(), r.end(), [&](const auto &f) { return f.name == name; });
    return it == r.end() ? QVariant() : it->value;
}

TEST(SalPackageRecord, FieldOrderAndWhatEachWindowLeavesOut) {
    const QStringList head = {QStringLiteral("MonAnn"), QStringLiteral("TPName"),
                              QStringLiteral("TPAge"), QStringLiteral("MonAnnSal"),
                              QStringLiteral("NetMonSal")};
    struct Row {
        PackageWindow window;
        const char *heading;
        const char *caption;
        bool costToComp, provident;
    };
    const Row rows[] = {
        {PackageWindow::GrossAnnual, "Brisvane Salary Package Calculation : Annual",
         "Net annual salary required", true, true},
        {PackageWindow::GrossMonthly, "Brisvane Salary Package Calculation : Monthly",
         "Net monthly salary required", true, true},
        {PackageWindow::NetAnnual, "Quillon Salary Package Calculation : Annual",
         "Net annual salary required", false, true},
        {PackageWindow::NetMonthly, "Quillon Salary Package Calculation : Monthly",
         "Net monthly salary required", false, false},
    };
    for (const Row &row : rows) {
        const ReportRecord r = salPackageRecord(row.window, {}, {}, QString(60, u'x'));
        const QStringList n = names(r);
        EXPECT_EQ(n.mid(0, 5), head);
        EXPECT_EQ(n.contains(QStringLiteral("CostToComp")), row.costToComp);
        EXPECT_EQ(n.contains(QStringLiteral("ProvDeduct")), row.provident);
        EXPECT_EQ(n.contains(QStringLiteral("ProvDeductCC")), row.provident);
        EXPECT_EQ(n.contains(QStringLiteral("RADeduct")), row.provident);
        EXPECT_EQ(n.last(), QStringLiteral("PlusCompCar2"));
        EXPECT_EQ(n.size(), 53 - (row.costToComp ? 0 : 1) - (row.provident ? 0 : 3));
        EXPECT_EQ(valueOf(r, QStringLiteral("MonAnn")).toString(),
                  QString::fromLatin1(row.heading));
        EXPECT_EQ(valueOf(r, QStringLiteral("MonAnnSal")).toString(),
                  QString::fromLatin1(row.caption));
        EXPECT_EQ(valueOf(r, QStringLiteral("TPName")).toString().size(), 50);
        EXPECT_EQ(n.indexOf(QStringLiteral("ODedTxt1")) + 1, n.indexOf(QStringLiteral("ODedR1")));
    }
    EXPECT_EQ(layoutFile(PackageWindow::GrossMonthly), QStringLiteral("Brisvane.rpt"));
    EXPECT_EQ(layoutFile(PackageWindow::NetAnnual), QStringLiteral("Quillon.rpt"));
    EXPECT_EQ(previewTitle(PackageWindow::NetMonthly),
              QStringLiteral("Quillon2017 Monthly - To export printout click on the suitcase "
                             "button or goto Help"));
}

TEST(SalPackageRecord, OtherExpenseLines) {
    struct Row {
        const char *name;
        double amounts[4];
        const char *heading;
        bool filled[4];
    };
    const Row rows[] = {
        {"mixed", {100, 0, -50, 200}, "Other Expenses :", {true, false, false, true}},
        {"adding to 0", {100, -100, 0, 0}, "", {false, false, false, false}},
    };
    for (const Row &row : rows) {
        PackageInputs in;
        for (int i = 0; i < 4; ++i)
            in.Expenses[static_cast<std::size_t>(i)] = {QStringLiteral("line %1").arg(i),
                                                        row.amounts[i]};
        const ReportRecord r = grossAnnualRecord(in, {}, {});
        EXPECT_EQ(valueOf(r, QStringLiteral("OEXPTXT")).toString(),
                  QString::fromLatin1(row.heading));
        for (int i = 0; i < 4; ++i) {
            const QString n = QString::number(i);
            const bool f = row.filled[i];
            EXPECT_EQ(valueOf(r, QStringLiteral("ODedTxt") + n).toString(),
                      f ? QStringLiteral("line %1").arg(i) : QString())
                << row.name << i;
            EXPECT_EQ(valueOf(r, QStringLiteral("ODedR") + n).toString(),
                      f ? QStringLiteral("R") : QString());
            EXPECT_EQ(valueOf(r, QStringLiteral("ODedNum") + n).toDouble(), f ? row.amounts[i] : 0);
            EXPECT_EQ(valueOf(r, QStringLiteral("ODedNumCC") + n).toDouble(),
                      f ? row.amounts[i] : 0);
        }
    }
}

TEST(SalPackageRecord, OnceOffCarLineAsAPlainNumber) {
    struct Row {
        double onceOff;
        const char *line1;
    };
    for (const Row row : {Row{250000, "(plus a 'once-off' cost of R 250000"},
                          Row{123456.5, "(plus a 'once-off' cost of R 123456.5"}, Row{0, ""}}) {
        PackageResults out;
        out.OnceOff = row.onceOff;
        const ReportRecord r = netMonthlyRecord({}, out, {});
        EXPECT_EQ(valueOf(r, QStringLiteral("PlusCompCar1")).toString(),
                  QString::fromLatin1(row.line1));
        EXPECT_EQ(valueOf(r, QStringLiteral("PlusCompCar2")).toString().isEmpty(),
                  row.onceOff == 0);
    }
}

TEST(SalPackageRecord, FiguresOfAGrossToNetPrint) {
    SetupRecord s = quillon::tax::deliveredSetup();
    s.PensionCont = 7.5;
    s.EmployerPenCont = 10;
    PackageInputs in;
    in.Age = 70;
    in.Amount = 600000;
    in.CarValue = 250000;
    in.TravelAllowance = 60000;
    in.MedAidEmployee = 30000;
    in.Beneficiaries = 24;
    TaxLookup lookup;
    const PackageResults out =
        calculateGrossAnnual(in, s, initialResults(PackageWindow::GrossAnnual, in), lookup);
    const ReportRecord r = grossAnnualRecord(in, out, QStringLiteral("A Taxpayer"));
    EXPECT_EQ(valueOf(r, QStringLiteral("CostToComp")).toDouble(), 600000);
    EXPECT_EQ(valueOf(r, QStringLiteral("PenDeduct")).toDouble(), 45000);
    EXPECT_EQ(valueOf(r, QStringLiteral("PenDeductCC")).toDouble(), 60000);
    EXPECT_EQ(valueOf(r, QStringLiteral("MedDeduct")).toDouble(), 0);
    EXPECT_EQ(valueOf(r, QStringLiteral("GSal")).toDouble(), 339532.22); // as the field shows
    EXPECT_EQ(valueOf(r, QStringLiteral("TaxDeduct")).toDouble(), 123683.14);
    EXPECT_EQ(valueOf(r, QStringLiteral("PlusCompCar1")).toString(),
              QStringLiteral("(plus a 'once-off' cost of R 250000"));
    EXPECT_EQ(valueOf(r, QStringLiteral("RADirective")).toString(),
              QStringLiteral("Medical beneficiaries months"));
}

} // namespace

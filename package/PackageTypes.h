#pragma once

#include <QString>

#include <array>
#include <cstdint>

namespace quillon::package {

// The four salary package windows: gross-to-net (Brisvane) and net-to-gross (Quillon), each
// annual and monthly.
enum class PackageWindow { GrossAnnual, GrossMonthly, NetAnnual, NetMonthly };

inline bool isMonthly(PackageWindow w) {
    return w == PackageWindow::GrossMonthly || w == PackageWindow::NetMonthly;
}
inline bool isNetToGross(PackageWindow w) {
    return w == PackageWindow::NetAnnual || w == PackageWindow::NetMonthly;
}

// One of the four "Other Expenses" lines.
struct ExpenseLine {
    QString description;
    double amount = 0;
};

// The working values a package window's fields feed, in the window's own period (annual or
// monthly rand). `Amount` is the total package (gross-to-net) or the net salary required
// (net-to-gross). `Beneficiaries` is beneficiary-months in the annual windows and people on the
// scheme in the monthly ones.
struct PackageInputs {
    std::int16_t Age = 0;
    double Amount = 0;
    double CarValue = 0;
    double CarCost = 0;
    double TravelAllowance = 0;
    double MedAidEmployee = 0;
    double MedAidEmployer = 0;
    std::int16_t Beneficiaries = 0;
    double OtherBenefits = 0;
    double EmployeeFund = 0;
    double EmployerFund = 0;
    double MedicalDeductions = 0; // net-to-gross windows only
    std::array<ExpenseLine, 4> Expenses{};

    // ExpensesTotal: the four amounts added in line order.
    double expensesTotal() const {
        return Expenses[0].amount + Expenses[1].amount + Expenses[2].amount + Expenses[3].amount;
    }
};

// How a calculation ended.
enum class Outcome {
    Calculated,
    Skipped,               // a zero package or net salary required: nothing recomputed
    FringeBenefitsExceed,  // net-to-gross: the fringe benefits alone exceed the net required
    NoGrossFound,          // net-to-gross: no gross salary can give the net required
    NetBeyondLargestGross, // net-to-gross: not even the largest gross the field holds gives it
};

inline const QString kFringeBenefitsMessage =
    QStringLiteral("Fringe benefits more than salary required!");
inline const QString kNoGrossFoundMessage = QStringLiteral("no gross salary found");
inline const QString kNetBeyondLargestGrossMessage =
    QStringLiteral("Not even the largest gross salary (999 999 999 999) leaves the net salary "
                   "required");

// Everything one Calculate leaves for the window to show, plus the working values the
// calculation writes back into input fields (`EmployeeFund`, `EmployerFund`, `Beneficiaries`,
// `MedicalDeductions`). After a calculation that stops early the figures are those of the
// previous calculation (0 before the first).
struct PackageResults {
    Outcome outcome = Outcome::Calculated;
    bool CalcSkipped = false;

    // Computed working values.
    double CarBenefit = 0;
    double Rebate = 0;
    double MedicalCredit = 0;
    double AdditionalMedicalCredit = 0;
    double EmployeeContribution = 0;
    double EmployerContribution = 0;
    double FundDeduction = 0;
    double TaxableIncome = 0; // annual, as stored in the lookup
    double TaxDue = 0;        // numMAns
    double Remuneration = 0;
    double EmpUIF = 0;       // numUIFCont
    double ErUIF = 0;        // numCCUIFCont
    double SDL = 0;          // numCCSkillLev
    double TaxCredits = 0;   // numTaxCredit
    double TaxDeduction = 0; // numTaxDeduct
    double NetPay = 0;       // numGrossSal of the gross-to-net windows
    double GrossSalary = 0;  // numGrossSal of the net-to-gross windows
    double TotalCost = 0;    // numTotCostComp
    double Gross = 0;        // the search's last candidate (net-to-gross)
    double NetFound = 0;     // its net pay

    // The once-off car line.
    bool onceOffShown = false;
    double OnceOff = 0; // numOnceOff

    // The red warning, and Print.
    bool warning = false;
    bool printEnabled = true;

    // Working values written back into their fields.
    double EmployeeFund = 0;
    double EmployerFund = 0;
    std::int16_t Beneficiaries = 0;
    double MedicalDeductions = 0;

    // The text a message box shows for this outcome, or an empty text.
    QString message() const {
        if (outcome == Outcome::FringeBenefitsExceed)
            return kFringeBenefitsMessage;
        if (outcome == Outcome::NoGrossFound)
            return kNoGrossFoundMessage;
        if (outcome == Outcome::NetBeyondLargestGross)
            return kNetBeyondLargestGrossMessage;
        return {};
    }
};

// The results a window shows before its first calculation: all 0, no warning, Print enabled.
PackageResults initialResults(PackageWindow window, const PackageInputs &inputs = {});

} // namespace quillon::package

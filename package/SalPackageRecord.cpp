#include "package/SalPackageRecord.h"

#include "taxengine/NumberText.h"

#include <array>
#include <string_view>

namespace quillon::package {

using report::ReportRecord;

namespace {

// The fields of the four other-expense lines.
constexpr std::array<std::string_view, 4> kExpenseTextFields = {"ODedTxt0", "ODedTxt1", "ODedTxt2",
                                                                "ODedTxt3"};
constexpr std::array<std::string_view, 4> kExpenseRandFields = {"ODedR0", "ODedR1", "ODedR2",
                                                                "ODedR3"};
constexpr std::array<std::string_view, 4> kExpenseFigureFields = {"ODedNum0", "ODedNum1",
                                                                  "ODedNum2", "ODedNum3"};
constexpr std::array<std::string_view, 4> kExpenseFigureCCFields = {"ODedNumCC0", "ODedNumCC1",
                                                                    "ODedNumCC2", "ODedNumCC3"};

// The number a two-decimal field shows.
double shown(double v) {
    return shownNumber(v, 2);
}

} // namespace

QString layoutFile(PackageWindow window) {
    return isNetToGross(window) ? kQuillonLayout : kBrisvaneLayout;
}

QString previewTitle(PackageWindow window) {
    switch (window) {
    case PackageWindow::GrossAnnual:
        return QStringLiteral(
            "Brisvane2017 Annual - To export printout click on the suitcase button or goto Help");
    case PackageWindow::GrossMonthly:
        return QStringLiteral(
            "Brisvane2017 Monthly - To export printout click on the suitcase button or goto Help");
    case PackageWindow::NetAnnual:
        return QStringLiteral(
            "Quillon2017 Annual - To export printout click on the suitcase button or goto Help");
    case PackageWindow::NetMonthly:
        return QStringLiteral(
            "Quillon2017 Monthly - To export printout click on the suitcase button or goto Help");
    }
    return {};
}

void writeSalPackage(report::FieldSink &w, PackageWindow window, const PackageInputs &in,
                     const PackageResults &out, const QString &taxpayerName) {
    const bool monthly = isMonthly(window);
    const bool netToGross = isNetToGross(window);
    // Amounts typed into the window go in as the two-decimal figures it shows.
    auto amount = [&w](std::string_view field, double v) { w.number(field, shown(v)); };

    switch (window) {
    case PackageWindow::GrossAnnual:
        w.text("MonAnn", "Brisvane Salary Package Calculation : Annual");
        break;
    case PackageWindow::GrossMonthly:
        w.text("MonAnn", "Brisvane Salary Package Calculation : Monthly");
        break;
    case PackageWindow::NetAnnual:
        w.text("MonAnn", "Quillon Salary Package Calculation : Annual");
        break;
    case PackageWindow::NetMonthly:
        w.text("MonAnn", "Quillon Salary Package Calculation : Monthly");
        break;
    }
    w.string("TPName", taxpayerName.left(50));
    w.number("TPAge", static_cast<double>(in.Age));
    w.text("MonAnnSal", monthly ? "Net monthly salary required" : "Net annual salary required");
    amount("NetMonSal", in.Amount);
    if (!netToGross)
        amount("CostToComp", in.Amount);
    amount("CompCar", in.CarValue);
    amount("CompCarCC", in.CarCost);
    amount("TravAll", in.TravelAllowance);
    amount("TravAllCC", in.TravelAllowance);
    amount("MedAidCont", in.MedAidEmployee);
    amount("MedAidContCC", in.MedAidEmployer);
    w.number("PMems", static_cast<double>(out.Beneficiaries));
    w.number("AddBens", 0.0);
    w.number("TaxFreeMedPrint", 0.0);
    amount("OtherTaxFB", in.OtherBenefits);
    amount("OtherTaxFBCC", in.OtherBenefits);
    w.number("PenDeduct", out.EmployeeFund);
    w.number("PenDeductCC", out.EmployerFund);
    const bool writesProvident = window != PackageWindow::NetMonthly;
    if (writesProvident) {
        w.number("ProvDeduct", 0.0);
        w.number("ProvDeductCC", 0.0);
    }
    w.text("RADirective", monthly ? "Med. aid fund beneficiaries" : "Medical beneficiaries months");
    if (writesProvident)
        w.number("RADeduct", 0.0);
    amount("MedDeduct", netToGross ? out.MedicalDeductions : 0.0);
    amount("UIFCont", out.EmpUIF);
    amount("UIFContCC", out.ErUIF);
    amount("SkillLevy", out.SDL);
    amount("TaxDue", out.TaxDue);
    amount("TaxCredit", out.TaxCredits);
    amount("TaxDeduct", out.TaxDeduction);
    w.text("PrinMembers", "(R 720pm each)");
    w.text("BenMembers", "(R 440pm each)");

    const bool anyExpenses = in.expensesTotal() > 0;
    w.text("OEXPTXT", anyExpenses ? "Other Expenses :" : "");
    for (std::size_t i = 0; i < kExpenseTextFields.size(); ++i) {
        const ExpenseLine &line = in.Expenses[i];
        const bool filled = anyExpenses && line.amount > 0;
        if (filled)
            w.string(kExpenseTextFields[i], line.description);
        else
            w.text(kExpenseTextFields[i], "");
        w.text(kExpenseRandFields[i], filled ? "R" : "");
        w.number(kExpenseFigureFields[i], filled ? shown(line.amount) : 0.0);
        w.number(kExpenseFigureCCFields[i], filled ? shown(line.amount) : 0.0);
    }

    amount("GSal", netToGross ? out.GrossSalary : out.NetPay);
    amount("TotCostComp", out.TotalCost);
    const double onceOff = shown(out.OnceOff);
    if (onceOff > 0)
        w.string("PlusCompCar1",
                 QStringLiteral("(plus a 'once-off' cost of R ") + plainNumber(onceOff));
    else
        w.text("PlusCompCar1", "");
    w.text("PlusCompCar2",
           onceOff > 0 ? "for the company car and this does not include fuel, maintenance etc)."
                       : "");
}

ReportRecord salPackageRecord(PackageWindow window, const PackageInputs &in,
                              const PackageResults &out, const QString &taxpayerName) {
    report::RecordSink record;
    writeSalPackage(record, window, in, out, taxpayerName);
    return record.take();
}

ReportRecord grossAnnualRecord(const PackageInputs &in, const PackageResults &out,
                               const QString &taxpayerName) {
    return salPackageRecord(PackageWindow::GrossAnnual, in, out, taxpayerName);
}

ReportRecord grossMonthlyRecord(const PackageInputs &in, const PackageResults &out,
                                const QString &taxpayerName) {
    return salPackageRecord(PackageWindow::GrossMonthly, in, out, taxpayerName);
}

ReportRecord netAnnualRecord(const PackageInputs &in, const PackageResults &out,
                             const QString &taxpayerName) {
    return salPackageRecord(PackageWindow::NetAnnual, in, out, taxpayerName);
}

ReportRecord netMonthlyRecord(const PackageInputs &in, const PackageResults &out,
                              const QString &taxpayerName) {
    return salPackageRecord(PackageWindow::NetMonthly, in, out, taxpayerName);
}

} // namespace quillon::package

#include "package/RaPanel.h"

#include "taxengine/NumberText.h"

namespace quillon::package {

namespace {

// Appends an amount as the panel shows it: "### ### ##0.00".
void amount(std::string &line, double v) {
    static const NumberPattern kPattern = readNumberPattern(u"### ### ##0.00");
    appendPatternText(line, v, kPattern);
}

// Room for either line with amounts in the billions, made once.
constexpr std::size_t kLineRoom = 64;

// The number a two-decimal result field shows.
double shown(double v) {
    return shownNumber(v, 2);
}

} // namespace

RaLines raLines(PackageWindow window, const PackageInputs &in, const tax::SetupRecord &s,
                const PackageResults &last) {
    RaLines lines;
    const double e = window == PackageWindow::NetMonthly ? 12 * last.EmployeeContribution
                                                         : last.EmployeeContribution;
    const double d = 3500 - e;
    lines.lineA.reserve(kLineRoom);
    lines.lineA = "ie: R 3 500 - R";
    amount(lines.lineA, e);
    lines.lineA += d >= 0 ? " = R" : " = - R";
    amount(lines.lineA, d >= 0 ? d : -d);

    const bool anyPercentage =
        s.PensionCont > 0 || s.EmployerPenCont > 0 || s.ProvCont > 0 || s.EmployerProvCont > 0;
    const double r = s.CompCarMPYesNo ? 0.0325 : 0.035;
    // The car part takes the travel-allowance inclusion rate, as the panel always has.
    const double formula = in.expensesTotal() + in.OtherBenefits + in.TravelAllowance +
                           in.CarValue * r * s.TAIncRate8020 * 12;
    double b = formula;
    if (!anyPercentage) {
        switch (window) {
        case PackageWindow::GrossAnnual:
            b = in.Amount;
            break;
        case PackageWindow::GrossMonthly:
            b = 12 * in.Amount;
            break;
        case PackageWindow::NetAnnual:
            b = shown(last.GrossSalary);
            break;
        case PackageWindow::NetMonthly:
            break;
        }
    }
    lines.lineC.reserve(kLineRoom);
    lines.lineC = "ie: R ";
    amount(lines.lineC, b);
    lines.lineC += " X 15% = R";
    amount(lines.lineC, 0.15 * b);
    return lines;
}

} // namespace quillon::package

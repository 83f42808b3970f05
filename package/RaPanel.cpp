#include "package/RaPanel.h"

#include "taxengine/NumberText.h"

#include <bit>
#include <cstdint>
#include <optional>

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

// Line A for the employee's contribution `e`. A batch mostly asks for the same one line after
// line (none at all without a fund percentage), so the last line made is kept for it.
std::string lineA(double e) {
    thread_local std::optional<std::uint64_t> lastBits;
    thread_local std::string last;
    const auto bits = std::bit_cast<std::uint64_t>(e);
    if (lastBits != bits) {
        const double d = 3500 - e;
        last.reserve(kLineRoom);
        last = "ie: R 3 500 - R";
        amount(last, e);
        last += d >= 0 ? " = R" : " = - R";
        amount(last, d >= 0 ? d : -d);
        lastBits = bits;
    }
    return last;
}

} // namespace

RaLines raLines(PackageWindow window, const PackageInputs &in, const tax::SetupRecord &s,
                const PackageResults &last) {
    RaLines lines;
    const double e = window == PackageWindow::NetMonthly ? 12 * last.EmployeeContribution
                                                         : last.EmployeeContribution;
    lines.lineA = lineA(e);

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

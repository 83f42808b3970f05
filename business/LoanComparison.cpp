#include "business/LoanComparison.h"

#include "taxengine/NumberText.h"

#include <array>
#include <cmath>

namespace quillon::business {

namespace {

// The pattern's trailing blank is part of the cell text.
QString amountText(double value) {
    QString text = formatPattern(value, kComparisonAmountPattern);
    if (kComparisonAmountPattern.endsWith(u' ') && !text.endsWith(u' '))
        text += u' ';
    return text;
}

// "5 yrs." to "30 yrs.", made once: a batch asks for them on every line.
const QString &termLabel(std::size_t i) {
    static const std::array<QString, kComparisonTerms.size()> labels = [] {
        std::array<QString, kComparisonTerms.size()> texts;
        for (std::size_t k = 0; k < texts.size(); ++k)
            texts[k] = QString::number(kComparisonTerms[k] / 12) + QStringLiteral(" yrs.");
        return texts;
    }();
    return labels[i];
}

} // namespace

ComparisonResults calculateComparison(const ComparisonInputs &in) {
    ComparisonResults out;
    const double r = in.rate;
    const double j = r / 12 / 100;
    for (std::size_t i = 0; i < kComparisonTerms.size(); ++i) {
        const int t = kComparisonTerms[i];
        double repayment = 0;
        if (in.bondAmount != 0 && r != 0)
            repayment = (j * in.bondAmount) / (1 - std::pow(1 + j, -t));
        ComparisonRow &row = out.rows[i];
        row.months = t;
        row.repayment = repayment;
        row.totalInterest = t * repayment - in.bondAmount;
        row.totalPaid = t * repayment;
        row.label = termLabel(i);
    }
    return out;
}

QStringList comparisonHeadings() {
    return {QStringLiteral(" Period "), QStringLiteral("Monthly repayment"),
            QStringLiteral("   Total Interest   "), QStringLiteral("  Total Paid    ")};
}

std::array<QStringList, 6> comparisonGrid(const ComparisonResults &out) {
    std::array<QStringList, 6> grid;
    for (std::size_t i = 0; i < grid.size(); ++i) {
        const ComparisonRow &row = out.rows[i];
        grid[i] = {row.label, amountText(row.repayment), amountText(row.totalInterest),
                   amountText(row.totalPaid)};
    }
    return grid;
}

report::ReportRecord comparisonRecord(const ComparisonInputs &in, const ComparisonResults &out) {
    report::ReportRecord r{{QStringLiteral("PAmt"), in.bondAmount},
                           {QStringLiteral("IntRate"), QVariant::fromValue<float>(in.rate)}};
    for (std::size_t i = 0; i < out.rows.size(); ++i) {
        const QString n = QString::number(i + 1);
        r.push_back({QStringLiteral("MonRep") + n, out.rows[i].repayment});
        r.push_back({QStringLiteral("IntPaid") + n, out.rows[i].totalInterest});
        r.push_back({QStringLiteral("Total") + n, out.rows[i].totalPaid});
    }
    return r;
}

} // namespace quillon::business

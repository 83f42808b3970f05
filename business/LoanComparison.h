#pragma once

#include "report/ReportRecord.h"

#include <QString>
#include <QStringList>

#include <array>

namespace quillon::business {

struct ComparisonInputs {
    double bondAmount = 0;
    float rate = 0;
};

// The loan comparison's remembered figures.
struct ComparisonMemory : ComparisonInputs {
    void reset() { *this = ComparisonMemory{}; }
};

// One term of the comparison.
struct ComparisonRow {
    int months = 0;
    double repayment = 0;
    double totalInterest = 0; // not limited to 0
    double totalPaid = 0;
    QString label; // "5 yrs." to "30 yrs."
};

inline constexpr std::array<int, 6> kComparisonTerms{60, 120, 180, 240, 300, 360};

struct ComparisonResults {
    std::array<ComparisonRow, 6> rows;
};

ComparisonResults calculateComparison(const ComparisonInputs &in);

inline const QString kComparisonAmountPattern = QStringLiteral("# ### ### ##0.00 ");

// The grid: the header row and six rows of a label and three amounts.
QStringList comparisonHeadings();
std::array<QStringList, 6> comparisonGrid(const ComparisonResults &out);

inline const QString kComparisonTable = QStringLiteral("BondComp");
inline const QString kComparisonLayout = QStringLiteral("LoanComparison.rpt");
inline const QString kComparisonPreviewTitle = QStringLiteral("Loan Comparison");

// Printing needs a bond amount and a rate above 0.
inline bool comparisonPrintable(const ComparisonInputs &in) {
    return in.bondAmount > 0 && in.rate > 0;
}

report::ReportRecord comparisonRecord(const ComparisonInputs &in, const ComparisonResults &out);

} // namespace quillon::business

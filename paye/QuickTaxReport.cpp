#include "paye/QuickTaxReport.h"

namespace quillon::paye {

report::ReportRecord quickTaxReportRecord(const QuickTaxResults &out, const QString &name) {
    const QString typed = name.trimmed();
    return {
        {QStringLiteral("Employee"),
         typed.isEmpty() ? QString() : QStringLiteral("For : ") + typed},
        {QStringLiteral("AGE"), QVariant::fromValue<int>(out.age)},
        {QStringLiteral("TAXINCOME"), out.income},
        {QStringLiteral("TAXTOPAY"), out.baseTax},
        {QStringLiteral("MARGRATE"), out.marginalRate},
        {QStringLiteral("PORTION"), out.taxOnExcess},
        {QStringLiteral("TOTTAX"), out.totalTax},
        {QStringLiteral("REBATE"), out.rebates},
        {QStringLiteral("TAXCOM4"), out.taxCommitment},
        {QStringLiteral("AVRATE"), out.averageRateBefore},
        {QStringLiteral("AVRATEAFT"), out.averageRateAfter},
        {QStringLiteral("TAXCOM4/2"), out.monthlyCommitment},
    };
}

} // namespace quillon::paye

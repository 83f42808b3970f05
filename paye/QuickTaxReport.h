#pragma once

#include "paye/QuickTaxCalc.h"
#include "report/ReportRecord.h"

namespace quillon::paye {

inline const QString kQuickTaxTable = QStringLiteral("kwiktax");
inline const QString kQuickTaxLayout = QStringLiteral("kwiktep.rpt");
inline const QString kQuickTaxPreviewTitle =
    QStringLiteral("QuickTax - To export printout click on the suitcase button or goto Help");

// The kwiktax record of a QuickTax print (English only), with the name typed on the print panel.
report::ReportRecord quickTaxReportRecord(const QuickTaxResults &out, const QString &name = {});

} // namespace quillon::paye

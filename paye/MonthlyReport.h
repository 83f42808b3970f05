#pragma once

#include "paye/MonthlyCalc.h"
#include "report/ReportRecord.h"

namespace quillon::paye {

inline const QString kMonthlyTable = QStringLiteral("IRP5Mon");
inline const QString kMonthlyLayout = QStringLiteral("Monthly.rpt");
inline const QString kMonthlyPreviewTitle =
    QStringLiteral("Monthly - To export printout click on the suitcase button or goto Help");

// The IRP5Mon record of a monthly print, in the layout's field order, in the chosen language.
report::ReportRecord monthlyReportRecord(const MonthlyInputs &in, const MonthlyResults &out,
                                         const QString &employeeName,
                                         report::PrintLanguage language);

} // namespace quillon::paye

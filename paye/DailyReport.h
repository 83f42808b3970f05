#pragma once

#include "paye/DailyCalc.h"
#include "report/ReportRecord.h"

namespace quillon::paye {

inline const QString kDailyTable = QStringLiteral("IRP5Day");
inline const QString kDailyLayout = QStringLiteral("Daily.rpt");
inline const QString kDailyPreviewTitle =
    QStringLiteral("Daily - To export printout click on the suitcase button or goto Help");

// The IRP5Day record of a daily print, in the layout's field order, in the chosen language.
report::ReportRecord dailyReportRecord(const DailyInputs &in, const DailyResults &out,
                                       const QString &employeeName, report::PrintLanguage language);

} // namespace quillon::paye

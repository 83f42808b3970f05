#pragma once

#include "paye/WeeklyCalc.h"
#include "report/ReportRecord.h"

namespace quillon::paye {

// The weekly and the fortnightly print share one table but not their layout or preview title.
inline const QString kWeeklyTable = QStringLiteral("IRP5Week");
QString weeklyLayout(WeekPeriod period);
QString weeklyPreviewTitle(WeekPeriod period);

// The IRP5Week record of a weekly or fortnightly print, in the layout's field order, in the
// chosen language.
report::ReportRecord weeklyReportRecord(const WeeklyInputs &in, const WeeklyResults &out,
                                        const QString &employeeName,
                                        report::PrintLanguage language);

} // namespace quillon::paye

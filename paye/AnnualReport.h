#pragma once

#include "paye/AnnualCalc.h"
#include "report/ReportRecord.h"

namespace quillon::paye {

inline const QString kAnnualTable = QStringLiteral("IRP5Ann");
inline const QString kAnnualLayout = QStringLiteral("Annual.rpt");
inline const QString kAnnualPreviewTitle =
    QStringLiteral("Annual - To export printout click on the suitcase button or goto Help");

// The IRP5Ann record of an annual print, in the order the layout expects its fields, with the
// captions of the chosen language.
report::ReportRecord annualReportRecord(const AnnualInputs &in, const AnnualResults &out,
                                        const QString &employeeName,
                                        report::PrintLanguage language);

} // namespace quillon::paye

#pragma once

#include "report/ReportRecord.h"
#include "vehicle/CompCarList.h"

#include <QString>

#include <vector>

namespace quillon::vehicle {

inline const QString kCompCarTable = QStringLiteral("compcar");
inline const QString kCompCarLayout = QStringLiteral("compcar.rpt");
inline const QString kCompCarPreviewTitle = QStringLiteral(
    "Full use of Company Car - To export printout click on the suitcase button or goto Help");

// One compcar row per vehicle, in list order, from the figures the list now holds.
std::vector<report::ReportRecord> compCarReportRows(const CompCarList &list);

// A company-car print: the print pass, then the rows that replace every row of compcar.
report::ReportData compCarPrintData(CompCarList &list);

} // namespace quillon::vehicle

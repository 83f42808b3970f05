#pragma once

#include "report/ReportRecord.h"
#include "vehicle/CarAllData.h"

#include <QDate>
#include <QString>

namespace quillon::vehicle {

inline const QString kTravelDeductionTable = QStringLiteral("traveldeduction");
// Layouts: without an accurate record (deemed cost) and with one (actual cost).
inline const QString kCarAllDeemedLayout = QStringLiteral("caepnrk.rpt");
inline const QString kCarAllActualLayout = QStringLiteral("caeprk.rpt");
inline const QString kCarAllPreviewTitle =
    QStringLiteral("Car Allowance - To export printout click on the suitcase button or goto Help");
inline constexpr int kEmployeeNameMaxLength = 50;

// The layout a car allowance print uses for the method chosen.
inline const QString &carAllLayout(const CarAllData &data) {
    return data.AccurateRecordKept == 1 ? kCarAllActualLayout : kCarAllDeemedLayout;
}

// The fields a car allowance print overwrites in the single traveldeduction record, in the
// order they are written: the common fields, then those of the method chosen. Fields of the
// other method are not listed and so keep what they held. Numbers go in unrounded.
report::ReportRecord travelDeductionRecord(const CarAllData &data, const QString &carDescription,
                                           const QString &employeeName, const QDate &start,
                                           const QDate &end);

} // namespace quillon::vehicle

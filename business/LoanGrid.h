#pragma once

#include "business/LoanSchedule.h"

#include <QString>
#include <QStringList>

#include <vector>

namespace quillon::business {

// The texts of the schedule grid: four headings and one line of four cells per row.
struct GridTexts {
    QStringList headings;
    std::vector<QStringList> rows;
    bool verticalScrollBar = false; // more than 10 months
};

inline const QString kGridNumberPattern = QStringLiteral("##");
inline const QString kGridAmountPattern = QStringLiteral("# ### ### ##0.00");

GridTexts monthlyGrid(const std::vector<ScheduleRow> &rows);
GridTexts annualGrid(const std::vector<ScheduleRow> &rows);

} // namespace quillon::business

#pragma once

#include <QString>

namespace quillon::vehicle {

// Texts of the date checks both vehicle windows make, word for word.
inline const QString kIncorrectDateTitle = QStringLiteral("Incorrect Date");
inline const QString kStartDateMessage = QStringLiteral(
    "The date entered is not correct please enter a date between 01/03/2016 and 28/02/2017");

// The end date may not lie before the start date as it is shown.
inline QString endDateMessage(const QString &shownStartDate) {
    return QStringLiteral("The date entered is not correct please enter a date between ") +
           shownStartDate + QStringLiteral(" and 28/02/2017");
}

// The company-car window refuses to close while an end-date error is pending.
inline const QString kPendingDatesMessage = QStringLiteral(
    "The dates entered are not correct please enter a dates between 01/03/2016 and 28/02/2017");

// Calculate on the company-car window while its list holds no vehicle.
inline const QString kAddBeforeCalculateMessage =
    QStringLiteral("There is no vehicle in the list to calculate: type the vehicle and press "
                   "Add first.");

// The company-car "No of days" field, should a typed entry ever reach its range check.
inline const QString kPeriodOfUseMessage =
    QStringLiteral("The period of use may only be between 1 and 12 months");
inline const QString kPeriodOfUseTitle = QStringLiteral("Incorrect period of use!");

} // namespace quillon::vehicle

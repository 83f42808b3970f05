#pragma once

#include "taxengine/DateText.h"

#include <QDate>
#include <QString>

namespace quillon::tax {

// The 2017 tax year: every date a tax calculator accepts lies in it.
inline QDate taxYearStart() {
    return QDate(2016, 3, 1);
}
inline QDate taxYearEnd() {
    return QDate(2017, 2, 28);
}

// Days from start to end with both ends counted.
inline qint64 inclusiveDays(const QDate &start, const QDate &end) {
    return start.daysTo(end) + 1;
}

} // namespace quillon::tax

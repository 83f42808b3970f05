#pragma once

#include "report/ReportRecord.h"

#include <QDate>
#include <QString>

#include <cstdint>

namespace quillon::business {

// Dates are held as Julian day numbers (QDate::toJulianDay), 32 bits wide. 1 January 1800 stands
// for "no date"; anything before 3 January 1800 counts as not set.
inline constexpr std::int32_t kUnsetDay = 2378497;    // 01/01/1800
inline constexpr std::int32_t kFirstSetDay = 2378499; // 03/01/1800
inline constexpr std::int32_t kThirtyYears = 10960;   // days

inline bool daySet(std::int32_t day) {
    return day >= kFirstSetDay;
}
std::int32_t dayNumber(const QDate &date);
QDate dateOfDay(std::int32_t day);
QString dayText(std::int32_t day); // dd/mm/yyyy, empty when not set

struct DailyBalanceInputs {
    double capital = 0;
    double rate = 0;
    std::int32_t startDay = kUnsetDay;
    std::int32_t endDay = kUnsetDay;
};

// The daily balance calculator's remembered figures, in double precision: a typed capital of
// more than seven digits must stay as typed, and the interest be that of the figure shown.
struct DailyBalanceMemory : DailyBalanceInputs {
    double rateStep = 0.25;

    void reset() { *this = DailyBalanceMemory{}; }
};

struct DailyBalanceResults {
    std::int32_t days = 0; // E - S
    double interest = 0;   // r x C / 100 x D / 365
};

DailyBalanceResults calculateDailyBalance(const DailyBalanceInputs &in);

inline constexpr double kMaxDailyRate = 40;
inline const QString kDailyRateMessage = QStringLiteral("The maximum Interest Rate allowed is 40%");
inline const QString kDailyRateTitle = QStringLiteral("Incorrect Interest Rate!");
inline const QString kInvalidDateMessage =
    QStringLiteral("The date entered is invalid please enter a valid date.");
inline const QString kInvalidDateTitle = QStringLiteral("INVALID DATE");
inline const QString kDateRangeTitle = QStringLiteral("DATE OUT OF RANGE");

// A typed date checked against its field's range. An empty field is accepted as no date.
struct DateCheck {
    bool ok = true;
    std::int32_t day = kUnsetDay;
    QString message;
    QString title;
};

// The end date lies from S to S + 30 years when a start date is set; one before S is told so.
DateCheck checkEndDate(const QString &text, std::int32_t startDay);
// The start date lies from E - 30 years to E - 1 when an end date is set; one on or after E is
// told so.
DateCheck checkStartDate(const QString &text, std::int32_t endDay);

// One click of the date spinner (up: +1, down: -1), offered only when a start date is set. Down
// never goes before the start date; an end date not yet set steps from the start date.
std::int32_t stepEndDay(std::int32_t startDay, std::int32_t endDay, int direction);

// One click of the rate spinner, offered only for a non-zero rate: up by the rate step, past 40
// back to 0.25; down by 0.25, and exactly 0 becomes 40 with a beep.
struct DailyRateStep {
    double rate = 0;
    bool beep = false;
};
DailyRateStep stepDailyRate(double rate, double rateStep, int direction);

inline const QString kDailyBalanceTable = QStringLiteral("DailyBal");
inline const QString kDailyBalanceLayout = QStringLiteral("DayBal.rpt");
inline const QString kDailyBalancePreviewTitle = QStringLiteral("Daily Balance Calculation");

inline bool dailyBalancePrintable(const DailyBalanceResults &out) {
    return out.interest > 0 && out.days > 0;
}

report::ReportRecord dailyBalanceRecord(const DailyBalanceInputs &in,
                                        const DailyBalanceResults &out);

} // namespace quillon::business

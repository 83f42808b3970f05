#include "business/DailyBalance.h"

#include "taxengine/DateText.h"

#include <limits>

namespace quillon::business {

namespace {

const QString kDateFormat = QStringLiteral("dd/MM/yyyy");

bool blankDate(const QString &text) {
    for (QChar c : text)
        if (c != u' ' && c != u'_' && c != u'/')
            return false;
    return true;
}

// Reads the text; an unreadable date (or one outside the day numbers) is refused.
DateCheck readDate(const QString &text) {
    DateCheck c;
    if (blankDate(text))
        return c;
    const QString typed = text.trimmed();
    QDate date = tax::typedDate(typed);
    if (!date.isValid())
        date = QDate::fromString(typed, kDateFormat);
    if (!date.isValid() || date.toJulianDay() > std::numeric_limits<std::int32_t>::max()) {
        c.ok = false;
        c.message = kInvalidDateMessage;
        c.title = kInvalidDateTitle;
        return c;
    }
    // Days before 3 January 1800 stand for no date.
    c.day = date.toJulianDay() < kFirstSetDay ? kUnsetDay : dayNumber(date);
    return c;
}

} // namespace

std::int32_t dayNumber(const QDate &date) {
    return date.isValid() ? static_cast<std::int32_t>(date.toJulianDay()) : kUnsetDay;
}

QDate dateOfDay(std::int32_t day) {
    return QDate::fromJulianDay(day);
}

QString dayText(std::int32_t day) {
    return daySet(day) ? tax::dateText(dateOfDay(day)) : QString();
}

DailyBalanceResults calculateDailyBalance(const DailyBalanceInputs &in) {
    DailyBalanceResults out;
    out.days = in.endDay - in.startDay;
    out.interest = in.rate * in.capital / 100.0 * static_cast<double>(out.days) / 365.0;
    return out;
}

DateCheck checkEndDate(const QString &text, std::int32_t startDay) {
    DateCheck c = readDate(text);
    if (c.ok && daySet(c.day) && daySet(startDay) &&
        (c.day < startDay || c.day > startDay + kThirtyYears)) {
        c.ok = false;
        c.message =
            (c.day < startDay ? QStringLiteral("The end date cannot be before the start date ")
                              : QStringLiteral("The date entered is more than 30 years(360 "
                                               "months) after ")) +
            dayText(startDay) + QStringLiteral(".");
        c.title = kDateRangeTitle;
    }
    return c;
}

DateCheck checkStartDate(const QString &text, std::int32_t endDay) {
    DateCheck c = readDate(text);
    if (c.ok && daySet(c.day) && daySet(endDay) &&
        (c.day < endDay - kThirtyYears || c.day > endDay - 1)) {
        c.ok = false;
        c.message = (c.day >= endDay ? QStringLiteral("The start date must be before the end date ")
                                     : QStringLiteral("The date entered is more than 30 years(360 "
                                                      "months) before ")) +
                    dayText(endDay) + QStringLiteral(".");
        c.title = kDateRangeTitle;
    }
    return c;
}

std::int32_t stepEndDay(std::int32_t startDay, std::int32_t endDay, int direction) {
    if (!daySet(startDay) || direction == 0)
        return endDay;
    // Stepping from the placeholder day would show an 1800 date and a negative day count.
    std::int32_t e = daySet(endDay) ? endDay : startDay;
    if (direction > 0)
        return e + 1;
    e = e - 1;
    return e < startDay ? startDay : e;
}

DailyRateStep stepDailyRate(double rate, double rateStep, int direction) {
    DailyRateStep s;
    s.rate = rate;
    if (rate == 0 || direction == 0)
        return s;
    if (direction > 0) {
        double next = rate + rateStep;
        if (next > kMaxDailyRate)
            next = 0.25;
        s.rate = next;
    } else {
        double next = rate - 0.25;
        if (next == 0) {
            s.beep = true;
            next = kMaxDailyRate;
        }
        s.rate = next;
    }
    return s;
}

report::ReportRecord dailyBalanceRecord(const DailyBalanceInputs &in,
                                        const DailyBalanceResults &out) {
    return {{QStringLiteral("CapAmount"), in.capital},
            {QStringLiteral("StartDate"), QVariant::fromValue<qint32>(in.startDay)},
            {QStringLiteral("EndDate"), QVariant::fromValue<qint32>(in.endDay)},
            {QStringLiteral("IntRate"), in.rate},
            {QStringLiteral("ANS1"), out.interest},
            {QStringLiteral("ANS2"), QVariant::fromValue<qint32>(out.days)}};
}

} // namespace quillon::business

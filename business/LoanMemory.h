#pragma once

#include "business/LoanMode.h"

#include <QString>

#include <array>
#include <cstdint>

namespace quillon::business {

// The schedules are held the way the graph and the printout read them: month (or year) k at
// index k, index 0 unused.
inline constexpr std::size_t kScheduleSize = 1001;
using ScheduleColumn = std::array<double, kScheduleSize>;

struct LoanSchedules {
    ScheduleColumn capital{};  // per month
    ScheduleColumn interest{}; // per month
    ScheduleColumn balance{};  // per month; the annual schedule overwrites it with year ends
    ScheduleColumn yearCapital{};
    ScheduleColumn yearInterest{};
    std::int16_t kind = 0; // 1: whole years only, 2: whole years and a final part year
    std::int16_t wholeYears = 0;
    std::int16_t yearsWithPart = 0; // whole years + 1 when there is a part year
    std::int16_t yearCounter = 0;
};

// The mode and the four figures as the window holds them.
struct LoanInputs {
    LoanMode mode = LoanMode::Repayment;
    double principal = 0;
    double period = 0;
    double rate = 0;
    double repayment = 0;
};

// The loan calculator's figures, kept for the whole run, and how the window shows them. The loan
// buster works on the same repayment and saved principal.
struct LoanMemory : LoanInputs {
    double savedPrincipal = 0;
    QString financeCharges = QStringLiteral("UP"); // "UP": hidden, "DOWN": shown
    LoanSchedules schedules;
    bool monthlyGridShown = false;
    bool annualGridShown = false;

    bool financeChargesShown() const { return financeCharges == QLatin1String("DOWN"); }
    // "&Fin. charges" shows the totals in state "UP" and hides them in state "DOWN".
    void toggleFinanceCharges() {
        financeCharges = financeChargesShown() ? QStringLiteral("UP") : QStringLiteral("DOWN");
    }

    // The principal (which survives the shared reset) and the schedules stay as they are.
    void reset() {
        mode = LoanMode::Repayment;
        period = 0;
        rate = 0;
        repayment = 0;
        savedPrincipal = 0;
        financeCharges = QStringLiteral("UP");
        schedules.kind = 0;
        schedules.wholeYears = 0;
        schedules.yearsWithPart = 0;
        schedules.yearCounter = 0;
        monthlyGridShown = false;
        annualGridShown = false;
    }
};

} // namespace quillon::business

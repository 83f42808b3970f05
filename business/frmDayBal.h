#pragma once

#include "business/BusinessWindow.h"
#include "business/DailyBalance.h"

namespace quillon::business {

// Daily balance: simple interest on a capital between two dates, actual days over a 365-day
// year. Capital, rate and dates are remembered for the whole run; days and interest are worked
// out again whenever the window becomes active.
class frmDayBal : public BusinessWindow {
    Q_OBJECT
public:
    explicit frmDayBal(const AppContext &context, QWidget *parent = nullptr);

    const DailyBalanceResults &results() const { return m_results; }

    // "&Calculate": only with both dates set.
    bool calculate() override;
    void stepDate(int direction);
    void stepRate(int direction);

protected:
    std::optional<report::PrintJob>
    printJob(std::optional<report::PrintLanguage> language) override;

private:
    FieldTable fieldTable();
    void recalculate() override;
    DailyBalanceInputs inputs() const;
    void watchDates();

    DailyBalanceMemory &m_memory;
    DailyBalanceResults m_results;
};

} // namespace quillon::business

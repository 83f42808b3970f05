#pragma once

#include "paye/PayWindow.h"
#include "paye/WeeklyCalc.h"

namespace quillon::paye {

// The weekly and the fortnightly calculators: one window with a different period. Instead of
// dates they take the work days of a normal period and of this one.
class WeekWindow : public PayWindow {
    Q_OBJECT
public:
    WeekWindow(const AppContext &context, WeekPeriod period, QWidget *parent = nullptr);

    const WeeklyInputs &inputs() const { return m_inputs; }
    const WeeklyResults &results() const { return m_results; }

    bool calculate() override;

protected:
    std::optional<report::PrintJob>
    printJob(std::optional<report::PrintLanguage> language) override;

private:
    FieldTable fieldTable();

    WeeklyInputs m_inputs;
    WeeklyResults m_results;
};

// "Weekly".
class frmWeekly : public WeekWindow {
    Q_OBJECT
public:
    explicit frmWeekly(const AppContext &context, QWidget *parent = nullptr)
        : WeekWindow(context, WeekPeriod::Week, parent) {}
};

// "Fortnightly".
class frmFortNight : public WeekWindow {
    Q_OBJECT
public:
    explicit frmFortNight(const AppContext &context, QWidget *parent = nullptr)
        : WeekWindow(context, WeekPeriod::Fortnight, parent) {}
};

} // namespace quillon::paye

#pragma once

#include "paye/MonthlyCalc.h"
#include "paye/PayWindow.h"

namespace quillon::paye {

// The monthly calculator "Monthly": PAYE, UIF and the skills levy for one month's pay or for
// part of one calendar month.
class frmMonthly : public PayWindow {
    Q_OBJECT
public:
    explicit frmMonthly(const AppContext &context, QWidget *parent = nullptr);

    const MonthlyInputs &inputs() const { return m_inputs; }
    const MonthlyResults &results() const { return m_results; }

    bool calculate() override;

protected:
    std::optional<report::PrintJob>
    printJob(std::optional<report::PrintLanguage> language) override;

private:
    FieldTable fieldTable();

    MonthlyInputs m_inputs;
    MonthlyResults m_results;
};

} // namespace quillon::paye

#pragma once

#include "paye/AnnualCalc.h"
#include "paye/PayWindow.h"

#include <array>

class QPushButton;

namespace quillon {
class NumericEdit;
}

namespace quillon::paye {

// The annual calculator "Annual": an employee's income tax for the 2017 tax year or part of it,
// from annual amounts and the medical aid beneficiaries of each month.
class frmAnnual : public PayWindow {
    Q_OBJECT
public:
    explicit frmAnnual(const AppContext &context, QWidget *parent = nullptr);

    const AnnualInputs &inputs() const { return m_inputs; }
    const AnnualResults &results() const { return m_results; }

    bool calculate() override;
    // "Duplicate March to all 12 months ".
    void duplicateMarch();

protected:
    std::optional<report::PrintJob>
    printJob(std::optional<report::PrintLanguage> language) override;

private:
    FieldTable fieldTable();
    QWidget *buildMonths();
    void holdMonth(int month);

    AnnualInputs m_inputs;
    AnnualResults m_results;
    std::array<NumericEdit *, 13> m_months{}; // calendar month index, 0 unused
};

} // namespace quillon::paye

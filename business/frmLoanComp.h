#pragma once

#include "business/BusinessWindow.h"
#include "business/LoanComparison.h"

namespace quillon::business {

class LoanCompGrid;

// Loan comparison: one bond amount and rate over six standard terms, 5 to 30 years, in a grid.
// The amount and rate are remembered for the whole run.
class frmLoanComp : public BusinessWindow {
    Q_OBJECT
public:
    explicit frmLoanComp(const AppContext &context, QWidget *parent = nullptr);

    const ComparisonResults &results() const { return m_results; }

    // "&Calculate".
    bool calculate() override;

protected:
    std::optional<report::PrintJob>
    printJob(std::optional<report::PrintLanguage> language) override;

private:
    FieldTable fieldTable();
    void recalculate() override;
    ComparisonInputs inputs() const;

    ComparisonMemory &m_memory;
    ComparisonResults m_results;
    LoanCompGrid *m_grid = nullptr;
};

} // namespace quillon::business

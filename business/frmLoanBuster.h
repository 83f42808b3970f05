#pragma once

#include "business/BusinessWindow.h"
#include "business/LoanBuster.h"

namespace quillon::business {

// Loan buster: what an extra payment on every monthly instalment does to a loan. Principal,
// rate and extra payment are remembered for the whole run; the period only while the window is
// open. The working repayment is the loan calculator's.
class frmLoanBuster : public BusinessWindow {
    Q_OBJECT
public:
    explicit frmLoanBuster(const AppContext &context, QWidget *parent = nullptr);

    const BusterResults &results() const { return m_results; }

    // "&Calculate".
    bool calculate() override;

protected:
    std::optional<report::PrintJob>
    printJob(std::optional<report::PrintLanguage> language) override;

private:
    FieldTable fieldTable();
    void recalculate() override;
    BusterInputs inputs() const;

    BusterMemory &m_memory;
    BusterResults m_results;
};

} // namespace quillon::business

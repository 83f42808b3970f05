#pragma once

#include "forms/CalculatorWindow.h"
#include "paye/PayFields.h"

namespace quillon::paye {

// QuickTax: how the 2017 tax on one annual taxable income is built up. Its income field is the
// shared tax lookup's income, so it shows the last income any calculator looked up, and the
// window calculates again each time it becomes the active window. The age is kept for the
// whole run.
class frmKwikTax : public CalculatorWindow {
    Q_OBJECT
public:
    explicit frmKwikTax(const AppContext &context, QWidget *parent = nullptr);

    const QuickTaxResults &results() const { return m_results; }

    // "&Calculate".
    bool calculate() override;

protected:
    std::optional<report::PrintJob>
    printJob(std::optional<report::PrintLanguage> language) override;
    // Each activation calculates again from the shared lookup.
    void activated() override;

private:
    FieldTable fieldTable();
    void recalculate();

    QuickTaxInputs m_inputs;
    QuickTaxResults m_results;
};

} // namespace quillon::paye

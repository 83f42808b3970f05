#pragma once

#include "paye/DailyCalc.h"
#include "paye/PayWindow.h"

namespace quillon::paye {

// The daily calculator "Daily": PAYE, UIF and the skills levy for one day's pay, a day being
// one 260th of a year.
class frmDaily : public PayWindow {
    Q_OBJECT
public:
    explicit frmDaily(const AppContext &context, QWidget *parent = nullptr);

    const DailyInputs &inputs() const { return m_inputs; }
    const DailyResults &results() const { return m_results; }

    bool calculate() override;

protected:
    std::optional<report::PrintJob>
    printJob(std::optional<report::PrintLanguage> language) override;

private:
    DailyInputs m_inputs;
    DailyResults m_results;
};

} // namespace quillon::paye

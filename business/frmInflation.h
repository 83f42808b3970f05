#pragma once

#include "business/BusinessWindow.h"
#include "business/Inflation.h"

class QLabel;

namespace quillon::business {

// Inflation projection: what today's cost becomes after some years of constant inflation, and
// what today's amount will then buy. Inputs and results are remembered for the whole run.
class frmInflation : public BusinessWindow {
    Q_OBJECT
public:
    explicit frmInflation(const AppContext &context, QWidget *parent = nullptr);

    // "&Calculate".
    bool calculate() override;
    void stepRate(int direction);
    void stepPeriod(int direction);

protected:
    std::optional<report::PrintJob>
    printJob(std::optional<report::PrintLanguage> language) override;

private:
    FieldTable fieldTable();
    void recalculate() override;
    InflationInputs inputs() const;

    InflationMemory &m_memory;
    InflationResults m_results;
    QLabel *m_tooLarge = nullptr;
};

} // namespace quillon::business

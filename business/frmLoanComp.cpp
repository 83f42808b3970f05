#include "business/frmLoanComp.h"

#include "business/LoanCalc.h"
#include "business/LoanCompGrid.h"
#include "business/LoanComparison.h"
#include "controls/Form.h"
#include "controls/NumericEdit.h"

namespace quillon::business {

namespace {

const QString kRate = QStringLiteral("numIntRate");

} // namespace

frmLoanComp::frmLoanComp(const AppContext &context, QWidget *parent)
    : BusinessWindow(context, QStringLiteral("frmLoanComp"), QStringLiteral("Loan Comparison"),
                     parent),
      m_memory(context.state.memory<business::ComparisonMemory>()) {
    setFields(fieldTable());
    m_grid = new LoanCompGrid(this);
    addBelowColumns(m_grid);
    addCalculatePrintOk(QStringLiteral("cmdOK"));
    finishLayout();

    refuseOutOfRange(kRate, kLoanRateMessage, kLoanRateTitle);
    activated();
}

FieldTable frmLoanComp::fieldTable() {
    FieldRow rate = number(kRate, QStringLiteral("Interest rate"), m_unbound, tax::kLoanRate);
    rate.binding.setNumber = [this](double v) { m_memory.rate = static_cast<float>(v); };
    rate.binding.number = [this] { return static_cast<double>(m_memory.rate); };
    return {
        money(QStringLiteral("numBAmt"), QStringLiteral("Bond amount"), m_memory.bondAmount,
              tax::kLoanAmount),
        withSuffix(rate, QStringLiteral("%p.a.")),
    };
}

ComparisonInputs frmLoanComp::inputs() const {
    return {m_memory.bondAmount, m_memory.rate};
}

void frmLoanComp::recalculate() {
    m_results = calculateComparison(inputs());
    m_grid->setResults(m_results);
}

bool frmLoanComp::calculate() {
    commitFocusedField();
    recalculate();
    return true;
}

std::optional<report::PrintJob> frmLoanComp::printJob(std::optional<report::PrintLanguage>) {
    if (!comparisonPrintable(inputs()))
        return std::nullopt;
    return report::singleRecordJob(kComparisonTable, comparisonRecord(inputs(), m_results),
                                   kComparisonLayout, kComparisonPreviewTitle);
}

} // namespace quillon::business

#include "business/frmLoanComp.h"

#include "business/BusinessFields.h"
#include "business/LoanCalc.h"
#include "business/LoanCompGrid.h"
#include "business/LoanComparison.h"
#include "controls/DescribedRows.h"
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
    FieldTable table = describedRows(comparisonDescription(),
                                     static_cast<ComparisonInputs &>(m_memory), m_results);
    rowNamed(table, kRate).suffix = QStringLiteral("%p.a.");
    return table;
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

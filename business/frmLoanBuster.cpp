#include "business/frmLoanBuster.h"

#include "business/BusinessFields.h"
#include "business/LoanBuster.h"
#include "business/LoanCalc.h"
#include "business/LoanMemory.h"
#include "controls/BusyCursor.h"
#include "controls/DescribedRows.h"
#include "controls/Form.h"
#include "controls/NumericEdit.h"

#include <algorithm>

namespace quillon::business {

namespace {

const QString kPeriod = QStringLiteral("numPeriod");
const QString kRate = QStringLiteral("numIntRate");
const QString kExtra = QStringLiteral("numXtraPay");

// Members of the control array numAns1.
QString answer(int index) {
    return QStringLiteral("numAns1%1").arg(index);
}

} // namespace

frmLoanBuster::frmLoanBuster(const AppContext &context, QWidget *parent)
    : BusinessWindow(context, QStringLiteral("frmLoanBuster"), QStringLiteral("Loan Buster"),
                     parent),
      m_memory(context.state.memory<business::BusterMemory>()) {
    m_memory.period = 0; // the period is not kept from an earlier opening
    setFields(fieldTable());
    addCalculatePrintOk(QStringLiteral("cmdOK"));
    finishLayout();

    refuseOutOfRange(kRate, kLoanRateMessage, kLoanRateTitle);
    refuseOutOfRange(kPeriod, kLoanPeriodMessage, kLoanPeriodTitle);
    activated();
}

FieldTable frmLoanBuster::fieldTable() {
    FieldTable table =
        describedRows(busterDescription(), static_cast<BusterInputs &>(m_memory), m_results);
    rowNamed(table, kPeriod).suffix = QStringLiteral("months");
    rowNamed(table, kRate).suffix = QStringLiteral("% p.a.");
    rowNamed(table, QStringLiteral("numAns2")).suffix = QStringLiteral("months");
    rowNamed(table, answer(3)).suffix = QStringLiteral("% p.a.");
    // The loan without the extra payment stands under the inputs.
    placeInColumn(table, {QStringLiteral("numMonRePay"), answer(0), answer(1)}, 0);
    // Headed as the printout heads its two columns.
    table.front().heading = QStringLiteral("The loan");
    const auto extra =
        std::find_if(table.begin(), table.end(), [](const FieldRow &f) { return f.column == 1; });
    extra->heading = QStringLiteral("With the extra payment");
    return table;
}

BusterInputs frmLoanBuster::inputs() const {
    return m_memory;
}

// The extra payment comes back adjusted so the shortened period is whole months.
void frmLoanBuster::recalculate() {
    BusyCursor busy;
    m_results =
        calculateBuster(inputs(), m_results, m_context.state.memory<business::LoanMemory>());
    m_memory.extraPayment = m_results.extraPayment;
    form().numeric(kExtra)->setValue(m_results.extraPayment);
    form().showResults();
}

bool frmLoanBuster::calculate() {
    commitFocusedField();
    recalculate();
    if (!busterExtraTooLarge(m_results))
        return true;
    refuse(kBusterExtraTooLargeMessage, kBusterExtraTooLargeTitle, kExtra);
    return false;
}

std::optional<report::PrintJob> frmLoanBuster::printJob(std::optional<report::PrintLanguage>) {
    if (!busterPrintable(inputs()))
        return std::nullopt;
    return report::singleRecordJob(kBusterTable, busterRecord(inputs(), m_results), kBusterLayout,
                                   kBusterPreviewTitle);
}

} // namespace quillon::business

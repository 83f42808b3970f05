#include "business/frmLoanBuster.h"

#include "business/LoanBuster.h"
#include "business/LoanCalc.h"
#include "business/LoanMemory.h"
#include "controls/BusyCursor.h"
#include "controls/Form.h"
#include "controls/NumericEdit.h"

namespace quillon::business {

namespace {

const QString kPrincipal = QStringLiteral("numPrinAmount");
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
    setFields(fieldTable());
    addCalculatePrintOk(QStringLiteral("cmdOK"));
    finishLayout();

    refuseOutOfRange(kRate, kLoanRateMessage, kLoanRateTitle);
    refuseOutOfRange(kPeriod, kLoanPeriodMessage, kLoanPeriodTitle);
    activated();
}

FieldTable frmLoanBuster::fieldTable() {
    FieldRow rate = number(kRate, QStringLiteral("Interest rate"), m_shownRate, tax::kLoanRate);
    rate.binding.setNumber = [this](double v) { m_memory.rate = static_cast<float>(v); };
    rate.binding.number = [this] { return static_cast<double>(m_memory.rate); };
    const auto left = [](FieldRow fieldRow) { return inColumn(std::move(fieldRow), 0); };
    FieldRow newPeriod =
        result(QStringLiteral("numAns2"), QStringLiteral("Period"), m_shownRate, u"0", false);
    newPeriod.binding = FieldBinding::from(m_results.newPeriod);
    return {
        money(kPrincipal, QStringLiteral("Principal amount"), m_memory.principal, tax::kLoanAmount),
        withSuffix(number(kPeriod, QStringLiteral("Period"), m_period, tax::kLoanMonths),
                   QStringLiteral("months")),
        withSuffix(rate, QStringLiteral("% p.a.")),
        money(kExtra, QStringLiteral("Extra voluntary payments"), m_memory.extraPayment,
              tax::kLoanAmount),
        left(result(QStringLiteral("numMonRePay"), QStringLiteral("Monthly repayment"),
                    m_results.repayment)),
        left(result(answer(0), QStringLiteral("Total interest"), m_results.totalInterest)),
        left(result(answer(1), QStringLiteral("Total repayments"), m_results.totalRepayments)),
        result(answer(2), QStringLiteral("Principal amount"), m_shownPrincipal),
        withSuffix(newPeriod, QStringLiteral("months")),
        withSuffix(result(answer(3), QStringLiteral("Interest rate"), m_shownRate, u"0.000", false),
                   QStringLiteral("% p.a.")),
        result(answer(4), QStringLiteral("Monthly repayment"), m_results.newRepayment),
        result(answer(5), QStringLiteral("Total interest"), m_results.newTotalInterest),
        result(answer(6), QStringLiteral("Total repayments"), m_results.newTotalRepayments),
        result(answer(7), QStringLiteral("Total saving"), m_results.totalSaving),
    };
}

BusterInputs frmLoanBuster::inputs() const {
    return {m_memory.principal, m_period, m_memory.rate, m_memory.extraPayment};
}

// The extra payment comes back adjusted so the shortened period is whole months.
void frmLoanBuster::recalculate() {
    BusyCursor busy;
    m_results =
        calculateBuster(inputs(), m_results, m_context.state.memory<business::LoanMemory>());
    m_memory.extraPayment = m_results.extraPayment;
    form().numeric(kExtra)->setValue(m_results.extraPayment);
    m_shownPrincipal = m_memory.principal;
    m_shownRate = static_cast<double>(m_memory.rate);
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

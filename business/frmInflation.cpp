#include "business/frmInflation.h"

#include "business/BusinessFields.h"
#include "business/Inflation.h"

#include "controls/BusyCursor.h"
#include "controls/DescribedRows.h"
#include "controls/Form.h"
#include "controls/MessageService.h"
#include "controls/NumericEdit.h"
#include "controls/ResultField.h"
#include "controls/Spinner.h"

#include <QLabel>

namespace quillon::business {

namespace {

const QString kPeriod = QStringLiteral("numPeriod");
const QString kRate = QStringLiteral("numInflaRate");
const QString kFuture = QStringLiteral("numAns1");

} // namespace

frmInflation::frmInflation(const AppContext &context, QWidget *parent)
    : BusinessWindow(context, QStringLiteral("frmInflation"), QStringLiteral("Inflation"), parent),
      m_memory(context.state.memory<business::InflationMemory>()) {
    setFields(fieldTable());
    addCalculatePrintOk(QStringLiteral("cmdOK"));

    auto *spPeriod = new Spinner(this);
    spPeriod->setObjectName(QStringLiteral("spPeriod"));
    form().placeAtRowEnd(kPeriod, spPeriod);
    connect(spPeriod, &Spinner::steppedUp, this, [this] { stepPeriod(1); });
    connect(spPeriod, &Spinner::steppedDown, this, [this] { stepPeriod(-1); });
    auto *spInflation = new Spinner(this);
    spInflation->setObjectName(QStringLiteral("spInflation"));
    form().placeAtRowEnd(kRate, spInflation);
    connect(spInflation, &Spinner::steppedUp, this, [this] { stepRate(1); });
    connect(spInflation, &Spinner::steppedDown, this, [this] { stepRate(-1); });
    m_tooLarge = new QLabel(kTooLargeText, this);
    m_tooLarge->setObjectName(QStringLiteral("Label212")); // member 12 of the array Label2
    m_tooLarge->hide();
    form().placeAtRowEnd(kFuture, m_tooLarge);
    finishLayout();

    refuseOutOfRange(kRate, kInflationRateMessage, kInflationRateTitle);
    refuseOutOfRange(kPeriod, kInflationPeriodMessage, kInflationPeriodTitle);
    activated();
}

FieldTable frmInflation::fieldTable() {
    FieldTable table =
        describedRows(inflationDescription(), static_cast<InflationInputs &>(m_memory), m_results);
    rowNamed(table, kPeriod).suffix = QStringLiteral("year/s.");
    rowNamed(table, kRate).suffix = QStringLiteral("% p.a.");
    // The whole-rand results stand under the inputs.
    placeInColumn(table, {kFuture, QStringLiteral("numAns2")}, 0);
    return table;
}

InflationInputs frmInflation::inputs() const {
    return {m_memory.presentCost, m_memory.period, m_memory.rate};
}

void frmInflation::recalculate() {
    BusyCursor busy;
    m_results = calculateInflation(inputs());
    m_memory.futureValue = m_results.futureValue;
    m_memory.buyingPower = m_results.buyingPower;
    form().showResults();
    form().widget(kFuture)->setVisible(!m_results.tooLarge);
    m_tooLarge->setVisible(m_results.tooLarge);
}

bool frmInflation::calculate() {
    commitFocusedField();
    recalculate();
    return true;
}

void frmInflation::stepRate(int direction) {
    const SpinStep step = stepInflationRate(form().numeric(kRate)->value(), direction);
    if (step.beep)
        m_context.messages.beep();
    m_memory.rate = step.value;
    form().numeric(kRate)->setValue(step.value);
    recalculate();
    focusClose();
}

void frmInflation::stepPeriod(int direction) {
    if (form().numeric(kPeriod)->value() != 0) {
        const SpinStep step = stepInflationPeriod(m_memory.period, direction);
        if (step.beep)
            m_context.messages.beep();
        m_memory.period = step.value;
        form().numeric(kPeriod)->setValue(step.value);
        recalculate();
    }
    focusClose();
}

std::optional<report::PrintJob> frmInflation::printJob(std::optional<report::PrintLanguage>) {
    if (!inflationPrintable(m_results))
        return std::nullopt;
    return report::singleRecordJob(kInflationTable, inflationRecord(inputs(), m_results),
                                   kInflationLayout, kInflationPreviewTitle);
}

} // namespace quillon::business

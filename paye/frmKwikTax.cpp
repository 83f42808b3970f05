#include "paye/frmKwikTax.h"

#include "controls/DescribedRows.h"
#include "controls/Form.h"
#include "paye/QuickTaxMemory.h"
#include "paye/QuickTaxReport.h"

namespace quillon::paye {

frmKwikTax::frmKwikTax(const AppContext &context, QWidget *parent)
    : CalculatorWindow(context, QStringLiteral("frmKwikTax"), QStringLiteral("QuickTax"), parent),
      m_inputs{m_context.state.taxLookup, m_context.state.memory<paye::QuickTaxMemory>()} {
    setFields(fieldTable());
    addButton(QStringLiteral("cmdCalculate"), QStringLiteral("&Calculate"),
              [this] { calculate(); });
    report::PrintPanel::Options options;
    options.objectName = QStringLiteral("Frame1");
    options.nameField = true;
    options.nameCaption = QStringLiteral("Name");
    setPrinting(PrintPattern::PanelThenWrite, options, {}, QStringLiteral("cmPrint"));
    addCloseButton(QStringLiteral("cmdOk"), QStringLiteral("&OK"));
    finishLayout();
    calculate();
}

FieldTable frmKwikTax::fieldTable() {
    FieldTable table = describedRows(quickTaxDescription(), m_inputs, m_results);
    for (int index = 2; index <= 9; ++index)
        rowNamed(table, quickTaxField(index)).column = 0;
    rowNamed(table, quickTaxField(3)).suffix = QStringLiteral("%) R");
    placeBeside(table, quickTaxField(4), quickTaxField(3));
    rowNamed(table, quickTaxField(8)).suffix = QStringLiteral("%");
    rowNamed(table, quickTaxField(9)).suffix = QStringLiteral("%");
    return table;
}

bool frmKwikTax::calculate() {
    commitFocusedField();
    recalculate();
    return true;
}

// Another calculator's lookup since the last activation wins over what the income field shows.
void frmKwikTax::recalculate() {
    m_results = calculateQuickTax(m_context.state.memory<paye::QuickTaxMemory>(),
                                  m_context.state.taxLookup);
    form().showInputs();
    form().showResults();
}

std::optional<report::PrintJob> frmKwikTax::printJob(std::optional<report::PrintLanguage>) {
    return report::singleRecordJob(kQuickTaxTable,
                                   quickTaxReportRecord(m_results, printPanel()->employeeName()),
                                   kQuickTaxLayout, kQuickTaxPreviewTitle);
}

void frmKwikTax::activated() {
    recalculate();
}

} // namespace quillon::paye

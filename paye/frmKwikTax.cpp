#include "paye/frmKwikTax.h"

#include "controls/Form.h"
#include "paye/QuickTaxReport.h"

namespace quillon::paye {

namespace {

// Fields 0 to 9 of the control array sidbEdit1.
QString field(int index) {
    return QStringLiteral("sidbEdit1%1").arg(index);
}

} // namespace

frmKwikTax::frmKwikTax(const AppContext &context, QWidget *parent)
    : CalculatorWindow(context, QStringLiteral("frmKwikTax"), QStringLiteral("QuickTax"), parent) {
    setFields(fieldTable());
    addButton(QStringLiteral("cmdCalculate"), QStringLiteral("&Calculate"),
              [this] { calculate(); });
    report::PrintPanel::Options options;
    options.objectName = QStringLiteral("Frame1");
    options.nameField = true;
    options.nameCaption = QStringLiteral("Name");
    setPrinting(PrintPattern::B, options, {}, QStringLiteral("cmPrint"));
    addCloseButton(QStringLiteral("cmdOk"), QStringLiteral("&OK"));
    finishLayout();
    calculate();
}

FieldTable frmKwikTax::fieldTable() {
    ProgramState &state = m_context.state;
    const auto whole = [](FieldRow fieldRow) { return inColumn(std::move(fieldRow), 0); };
    return {
        // Typing an income sets the shared lookup's income for every calculator.
        money(field(0), QStringLiteral("Taxable Income"), state.taxLookup.AnnualTaxableIncome,
              tax::kWholeRand),
        number(field(1), QStringLiteral("Age"), state.quickTax.age),
        whole(result(field(2), QStringLiteral("Tax on taxable income"), m_results.baseTax, u"0")),
        withSuffix(whole(result(field(3), QStringLiteral("+ Portion @ M/Rate ("),
                                m_results.marginalRate, u"0", false)),
                   QStringLiteral("%) R")),
        spoken(beside(whole(result(field(4), {}, m_results.taxOnExcess, u"0"))),
               QStringLiteral("Portion at the marginal rate")),
        whole(result(field(5), QStringLiteral("Total tax"), m_results.totalTax, u"0")),
        whole(result(field(6), QStringLiteral("Less rebates"), m_results.rebates, u"0")),
        whole(result(field(7), QStringLiteral("Tax commitment"), m_results.taxCommitment, u"0")),
        withSuffix(whole(result(field(8), QStringLiteral("Average rate before rebates    "),
                                m_results.averageRateBefore, u"0.0", false)),
                   QStringLiteral("%")),
        withSuffix(whole(result(field(9), QStringLiteral("Average rate after rebates       "),
                                m_results.averageRateAfter, u"0.0", false)),
                   QStringLiteral("%")),
    };
}

void frmKwikTax::calculate() {
    commitFocusedField();
    recalculate();
}

// Another calculator's lookup since the last activation wins over what the income field shows.
void frmKwikTax::recalculate() {
    m_results = calculateQuickTax(m_context.state.quickTax, m_context.state.taxLookup);
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

#include "paye/frmAnnual.h"

#include "controls/DateRange.h"
#include "controls/DescribedRows.h"
#include "controls/Form.h"
#include "controls/MessageService.h"
#include "controls/NumericEdit.h"
#include "paye/AnnualReport.h"
#include "paye/PayFields.h"
#include "paye/PayMessages.h"
#include "taxengine/TaxRules.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>

namespace quillon::paye {

namespace {

// Month captions of the beneficiary grid, in tax-year order from March.
const std::array<const char16_t *, 12> kMonthCaptions{
    u"Mar", u"Apr", u"May", u"Jun", u"Jul", u"Aug", u"Sep", u"Oct", u"Nov", u"Dec", u"Jan", u"Feb"};

std::size_t at(int month) {
    return static_cast<std::size_t>(month);
}

} // namespace

frmAnnual::frmAnnual(const AppContext &context, QWidget *parent)
    : PayWindow(context, QStringLiteral("frmAnnual"), QStringLiteral("Annual"), parent) {
    addBelowColumns(buildMonths());
    buildWindow(fieldTable());

    // The months follow the beneficiary count in the Tab order.
    QWidget *previous = form().widget(QStringLiteral("numMedAidBens"));
    for (int month : kTaxYearMonths) {
        setTabOrder(previous, m_months[at(month)]);
        previous = m_months[at(month)];
    }
    auto *duplicate = findChild<QPushButton *>(QStringLiteral("cmdDuplicate"));
    setTabOrder(previous, duplicate);
    setTabOrder(duplicate, form().widget(QStringLiteral("silgEdit15")));

    guardDates(QStringLiteral("dtStartDate"), QStringLiteral("dtEndDate"))->narrowOnFocus();
}

FieldTable frmAnnual::fieldTable() {
    FieldTable table = describedRows(annualDescription(), m_inputs, m_results);
    placeInColumn(
        table,
        {QStringLiteral("silgEdit15"), QStringLiteral("dtStartDate"), QStringLiteral("dtEndDate")},
        1);
    return table;
}

QWidget *frmAnnual::buildMonths() {
    auto *frame = new QGroupBox(QStringLiteral("Number of Medical Aid Beneficiaries "), this);
    frame->setObjectName(QStringLiteral("Frame1"));
    auto *grid = new QGridLayout(frame);
    for (std::size_t k = 0; k < kTaxYearMonths.size(); ++k) {
        const int month = kTaxYearMonths[k];
        const tax::FieldRange range = tax::kMonthBeneficiaries;
        auto *edit =
            new NumericEdit(QString::fromUtf16(range.pattern), range.minimum, range.maximum, frame);
        edit->setObjectName(QStringLiteral("numAnnCalcBens%1").arg(month));
        edit->setDisplayWidth(3);
        edit->setMessages(&m_context.messages, QStringLiteral("Beneficiaries in ") +
                                                   QString::fromUtf16(kMonthCaptions[k]));
        m_months[at(month)] = edit;
        connect(edit, &NumericEdit::valueChanged, this, [this, month](double v) {
            m_inputs.monthBeneficiaries[at(month)] = tax::toInt16(v);
        });
        connect(edit, &NumericEdit::rangeError, this, [this, month] { holdMonth(month); });
        auto *caption = new QLabel(QString::fromUtf16(kMonthCaptions[k]), frame);
        caption->setAlignment(Qt::AlignCenter);
        caption->setBuddy(edit);
        grid->addWidget(caption, 0, static_cast<int>(k));
        grid->addWidget(edit, 1, static_cast<int>(k));
    }
    auto *duplicate = new QPushButton(QStringLiteral("Duplicate March to all 12 months "), frame);
    duplicate->setObjectName(QStringLiteral("cmdDuplicate"));
    duplicate->setAutoDefault(false);
    connect(duplicate, &QPushButton::clicked, this, &frmAnnual::duplicateMarch);
    grid->addWidget(duplicate, 2, 0, 1, 12, Qt::AlignRight);
    return frame;
}

// A count above 24 is held to 24 first, then the user is told.
void frmAnnual::holdMonth(int month) {
    m_months[at(month)]->setValue(kMaxMonthBeneficiaries);
    informAfterClick(m_context.messages, this, beneficiaryMessage(), {},
                     MessageService::Icon::None);
}

bool frmAnnual::calculate() {
    commitFocusedField();
    m_inputs.settings = settings();
    if (!accept(annualInputCheck(m_inputs)))
        return false;
    m_results = calculateAnnual(m_inputs, m_context.state.taxLookup);
    form().showResults();
    // Months outside the period were set to 0; the fields (and through them the inputs) follow.
    for (int month = 1; month <= 12; ++month)
        if (m_results.monthBeneficiaries[at(month)] != m_inputs.monthBeneficiaries[at(month)])
            m_months[at(month)]->setValue(m_results.monthBeneficiaries[at(month)]);
    return true;
}

void frmAnnual::duplicateMarch() {
    if (!Form::takeTypedFigures(this))
        return;
    for (int month = 1; month <= 12; ++month)
        if (m_months[at(month)]->value() > kMaxMonthBeneficiaries)
            holdMonth(month);
    const std::int16_t march = m_inputs.monthBeneficiaries[at(3)];
    for (int month : kTaxYearMonths)
        m_months[at(month)]->setValue(march);
}

std::optional<report::PrintJob> frmAnnual::printJob(std::optional<report::PrintLanguage> language) {
    return recalculatedJob(
        kAnnualTable,
        [&] {
            return annualReportRecord(m_inputs, m_results, printPanel()->employeeName(), *language);
        },
        kAnnualLayout, kAnnualPreviewTitle);
}

} // namespace quillon::paye

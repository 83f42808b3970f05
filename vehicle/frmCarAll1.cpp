#include "vehicle/frmCarAll1.h"

#include "controls/DateEdit.h"
#include "controls/DateRange.h"
#include "controls/DescribedRows.h"
#include "controls/Form.h"
#include "controls/MessageService.h"
#include "controls/NumericEdit.h"
#include "controls/ResultField.h"
#include "report/PrintPanel.h"
#include "taxengine/TaxYear.h"
#include "vehicle/CarAllData.h"
#include "vehicle/CarAllReport.h"
#include "vehicle/VehicleMessages.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QCloseEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

#include <algorithm>

namespace quillon::vehicle {

namespace {

// The fields only the actual-cost method reads, and those only the deemed-cost method reads.
const QStringList kCostFields{QStringLiteral("silgEdit6"),  QStringLiteral("silgEdit7"),
                              QStringLiteral("silgEdit8"),  QStringLiteral("silgEdit9"),
                              QStringLiteral("silgEdit10"), QStringLiteral("silgEdit11")};
const QStringList kPeriodFields{QStringLiteral("dtCarAlStartDate"),
                                QStringLiteral("dtCarAlEndDate"), QStringLiteral("silgEdit12")};

// The two result panels are alternatives and share one place: the actual-cost rows follow the
// deemed-cost rows, and only the rows of the method chosen show.
const QStringList kDeemedPanel{
    QStringLiteral("sidbEdit30"),  QStringLiteral("sidbEdit31"),  QStringLiteral("sidbEdit32"),
    QStringLiteral("sidbEdit33"),  QStringLiteral("silgEdit134"), QStringLiteral("sidbEdit34"),
    QStringLiteral("silgEdit136"), QStringLiteral("sidbEdit10"),  QStringLiteral("sidbEdit11"),
    QStringLiteral("sidbEdit12"),  QStringLiteral("sidbEdit13"),  QStringLiteral("sidbEdit14")};
const QStringList kActualPanel{QStringLiteral("sidbEdit20"), QStringLiteral("sidbEdit21"),
                               QStringLiteral("sidbEdit22"), QStringLiteral("sidbEdit23"),
                               QStringLiteral("sidbEdit24"), QStringLiteral("sidbEdit25"),
                               QStringLiteral("sidbEdit26")};

// The units after the deemed-cost figures.
const std::pair<const char16_t *, const char16_t *> kUnits[] = {
    {u"sidbEdit30", u"Kms."},     {u"sidbEdit31", u"Kms."},     {u"sidbEdit32", u"Kms."},
    {u"sidbEdit33", u"X"},        {u"silgEdit134", u"days"},    {u"sidbEdit34", u"Kms. X"},
    {u"silgEdit136", u"days"},    {u"sidbEdit10", u"cents/km"}, {u"sidbEdit11", u"cents/km"},
    {u"sidbEdit12", u"cents/km"}, {u"sidbEdit13", u"cents/km"},
};

QCheckBox *checkBox(const tax::InputField<CarAllInputs> &f, QWidget *parent) {
    auto *box = new QCheckBox(f.caption, parent);
    box->setObjectName(f.name);
    box->setToolTip(f.help);
    box->setAccessibleDescription(f.help);
    return box;
}

} // namespace

frmCarAll1::frmCarAll1(const AppContext &context, QWidget *parent)
    : CalculatorWindow(context, QStringLiteral("frmCarAll1"), QStringLiteral("Travel Allowance"),
                       parent),
      m_data(context.state.memory<vehicle::CarAllMemory>().figures),
      m_inputs{m_data, context.state.memory<vehicle::CarAllMemory>().description,
               context.state.memory<vehicle::CarAllMemory>().start,
               context.state.memory<vehicle::CarAllMemory>().end} {
    setFields(fieldTable());
    addBelowColumns(buildChoices());
    addButton(QStringLiteral("cmdCalculate"), QStringLiteral("&Calculate"),
              [this] { calculate(); });
    report::PrintPanel::Options options;
    options.objectName = QStringLiteral("Frame1");
    options.nameField = true;
    options.nameCaption = QStringLiteral("Employee name :");
    options.nameFieldName = QStringLiteral("Text3");
    setPrinting(PrintPattern::PanelThenWrite, options, [this] {
        calculate();
        return true;
    });
    printPanel()->setFocusTarget(printPanel()->printerButton());
    addCloseButton(QStringLiteral("cmdOk"), QStringLiteral("&OK"));
    finishLayout();

    DateEdit *start = form().dateEdit(QStringLiteral("dtCarAlStartDate"));
    DateRange::Messages messages{[] { return kStartDateMessage; },
                                 [start] { return endDateMessage(start->text()); },
                                 kIncorrectDateTitle};
    (new DateRange(start, form().dateEdit(QStringLiteral("dtCarAlEndDate")), tax::taxYearStart(),
                   tax::taxYearEnd(), std::move(messages), m_context.messages, this))
        ->narrowOnFocus();

    form().showInputs();
    qobject_cast<QLineEdit *>(form().widget(QStringLiteral("Text1")))
        ->setText(m_context.state.memory<vehicle::CarAllMemory>().description);
    QStringList undoable{QStringLiteral("Text1"), QStringLiteral("dtCarAlStartDate"),
                         QStringLiteral("dtCarAlEndDate")};
    for (int i = 1; i <= 11; ++i)
        undoable << QStringLiteral("silgEdit%1").arg(i);
    form().undoOnEscape(undoable);
    QStringList tabs{QStringLiteral("Text1"), QStringLiteral("Option3"), QStringLiteral("Option4")};
    for (int i = 1; i <= 11; ++i)
        tabs << QStringLiteral("silgEdit%1").arg(i);
    orderTabs(tabs << QStringLiteral("dtCarAlStartDate") << QStringLiteral("dtCarAlEndDate")
                   << QStringLiteral("Check1") << QStringLiteral("Check2"));
    applyMethod();
    calculate();
}

FieldTable frmCarAll1::fieldTable() {
    FieldTable table = describedRows(carAllDescription(), m_inputs, m_results);
    // The period stands under the dates; the fixed cost is shown as the fraction cost x days over
    // total distance x 365 days.
    placeBelow(table, QStringLiteral("silgEdit12"), QStringLiteral("dtCarAlEndDate"));
    placeBeside(table, QStringLiteral("silgEdit134"), QStringLiteral("sidbEdit33"));
    placeBeside(table, QStringLiteral("silgEdit136"), QStringLiteral("sidbEdit34"));
    rowNamed(table, QStringLiteral("silgEdit5")).suffix = QStringLiteral(" (if kept)");
    for (const auto &[name, unit] : kUnits)
        rowNamed(table, QString::fromUtf16(name)).suffix = QString::fromUtf16(unit);
    rowNamed(table, QStringLiteral("silgEdit10")).binding.setNumber =
        singlePayment(QStringLiteral("silgEdit10"), SinglePaymentField::WearAndTear);
    rowNamed(table, QStringLiteral("silgEdit11")).binding.setNumber =
        singlePayment(QStringLiteral("silgEdit11"), SinglePaymentField::LeasePayments);
    return table;
}

// Wear and tear and lease payments exclude each other: a refused amount is told and cleared.
std::function<void(double)> frmCarAll1::singlePayment(const QString &name,
                                                      SinglePaymentField field) {
    return [this, name, field](double value) {
        if (applySinglePayment(m_data, field, value) != SinglePaymentOutcome::Refused)
            return;
        m_context.messages.inform(this, kSinglePaymentMessage, kSinglePaymentTitle,
                                  MessageService::Icon::Critical);
        form().numeric(name)->setValue(0);
        form().focus(name);
    };
}

QWidget *frmCarAll1::buildChoices() {
    const auto &fields = carAllDescription().inputs;
    const auto &accurate = fieldNamed(fields, QStringLiteral("Option4"));
    const auto &fuel = fieldNamed(fields, QStringLiteral("Check1"));
    const auto &maintenance = fieldNamed(fields, QStringLiteral("Check2"));
    auto *strip = new QWidget(this);
    auto *line = new QHBoxLayout(strip);
    line->setContentsMargins(0, 0, 0, 0);
    auto *box = new QGroupBox(accurate.caption, strip);
    box->setToolTip(accurate.help);
    box->setAccessibleDescription(accurate.help);
    auto *row = new QHBoxLayout(box);
    line->addWidget(box);
    m_no = new QRadioButton(QStringLiteral("&No"), box);
    m_no->setObjectName(QStringLiteral("Option3"));
    m_yes = new QRadioButton(QStringLiteral("&Yes"), box);
    m_yes->setObjectName(accurate.name);
    auto *group = new QButtonGroup(box);
    group->addButton(m_no);
    group->addButton(m_yes);
    (flagIn(accurate, m_inputs) == 1 ? m_yes : m_no)->setChecked(true);
    m_fuel = checkBox(fuel, strip);
    m_fuel->setChecked(flagIn(fuel, m_inputs) != 0);
    m_maintenance = checkBox(maintenance, strip);
    m_maintenance->setChecked(flagIn(maintenance, m_inputs) != 0);
    row->addWidget(m_no);
    row->addWidget(m_yes);
    line->addSpacing(12);
    line->addWidget(m_fuel);
    line->addWidget(m_maintenance);
    line->addStretch();

    // Switching the method does not recalculate: the panel shown keeps its last figures.
    connect(m_yes, &QRadioButton::toggled, this, [this, flag = &accurate](bool yes) {
        flagIn(*flag, m_inputs) = yes ? 1 : 0;
        applyMethod();
    });
    for (const auto &[check, f] :
         {std::pair{m_fuel, &fuel}, std::pair{m_maintenance, &maintenance}})
        connect(check, &QCheckBox::toggled, this, [this, f = f](bool on) {
            flagIn(*f, m_inputs) = on ? 1 : 0;
            calculate();
        });
    return strip;
}

void frmCarAll1::applyMethod() {
    const bool actual = m_data.AccurateRecordKept == 1;
    for (const QString &name : kCostFields)
        form().widget(name)->setEnabled(actual);
    form().suffix(QStringLiteral("silgEdit5"))->setVisible(!actual);
    // Both methods split the distance over the period, so its dates and days stay in view.
    form().resultField(QStringLiteral("silgEdit12"))->setValue(m_data.PeriodDays);
    showResultPanel(actual);
}

void frmCarAll1::showResultPanel(bool actual) {
    for (const QString &name : kDeemedPanel)
        showRow(name, !actual);
    for (const QString &name : kActualPanel)
        showRow(name, actual);
    // Captions follow the enabled state of the fields they caption.
    for (const QString &name : kCostFields + kPeriodFields) {
        QWidget *field = form().widget(name);
        if (QLabel *caption = captionOf(field))
            caption->setEnabled(field->isEnabled());
    }
}

// The rows of a panel carry their captions and units with their fields.
void frmCarAll1::showRow(const QString &name, bool visible) {
    QWidget *field = form().widget(name);
    field->setVisible(visible);
    if (QLabel *caption = captionOf(field))
        caption->setVisible(visible);
    const FieldTable &rows = form().fields();
    if (std::any_of(rows.begin(), rows.end(),
                    [&](const FieldRow &f) { return f.name == name && !f.suffix.isEmpty(); }))
        form().suffix(name)->setVisible(visible);
}

QLabel *frmCarAll1::captionOf(const QWidget *field) const {
    for (QLabel *label : findChildren<QLabel *>())
        if (label->buddy() == field)
            return label;
    return nullptr;
}

bool frmCarAll1::calculate() {
    commitFocusedField();
    const CarAllRefresh refresh = calculateCarAllowance(m_data, m_inputs.start, m_inputs.end);
    rememberPeriod();
    m_results.PeriodDays = refresh.PeriodDays;
    if (refresh.deemedRefreshed)
        m_results.deemed = refresh.deemed;
    if (refresh.actualRefreshed)
        m_results.actual = refresh.actual;
    form().showResults();
    applyMethod();
    return true;
}

std::optional<report::PrintJob> frmCarAll1::printJob(std::optional<report::PrintLanguage>) {
    return report::singleRecordJob(
        kTravelDeductionTable,
        travelDeductionRecord(m_data, m_context.state.memory<vehicle::CarAllMemory>().description,
                              printPanel()->employeeName(), m_inputs.start, m_inputs.end),
        carAllLayout(m_data), kCarAllPreviewTitle);
}

// Enter calculates and hands the focus to OK.
void frmCarAll1::keyPressEvent(QKeyEvent *event) {
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        calculate();
        if (QWidget *ok = findChild<QPushButton *>(QStringLiteral("cmdOk")))
            ok->setFocus();
        return;
    }
    CalculatorWindow::keyPressEvent(event);
}

// However the window goes, the remembered figures are those of a last calculation.
void frmCarAll1::rememberPeriod() {
    auto &memory = m_context.state.memory<vehicle::CarAllMemory>();
    memory.start = m_inputs.start;
    memory.end = m_inputs.end;
}

void frmCarAll1::closeEvent(QCloseEvent *event) {
    if (!m_closing) {
        m_closing = true;
        calculate();
    }
    CalculatorWindow::closeEvent(event);
}

} // namespace quillon::vehicle

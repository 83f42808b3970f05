#include "vehicle/frmCarAll1.h"

#include "controls/DateEdit.h"
#include "controls/DateRange.h"
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

namespace quillon::vehicle {

namespace {

// Members of the control arrays sidbEdit1, sidbEdit2, sidbEdit3 and silgEdit13.
QString member(const char *array, int index) {
    return QString::fromLatin1(array) + QString::number(index);
}

constexpr int kInputColumn = 0;
// The two result panels are alternatives and share one place: the actual-cost rows follow the
// deemed-cost rows in one column, and only the rows of the method chosen show.
constexpr int kResultColumn = 1;

// The fields only the actual-cost method reads, and those only the deemed-cost method reads.
const QStringList kCostFields{QStringLiteral("silgEdit6"),  QStringLiteral("silgEdit7"),
                              QStringLiteral("silgEdit8"),  QStringLiteral("silgEdit9"),
                              QStringLiteral("silgEdit10"), QStringLiteral("silgEdit11")};
const QStringList kPeriodFields{QStringLiteral("dtCarAlStartDate"),
                                QStringLiteral("dtCarAlEndDate"), QStringLiteral("silgEdit12")};

} // namespace

frmCarAll1::frmCarAll1(const AppContext &context, QWidget *parent)
    : CalculatorWindow(context, QStringLiteral("frmCarAll1"), QStringLiteral("Travel Allowance"),
                       parent),
      m_data(context.state.memory<vehicle::CarAllMemory>().figures), m_start(tax::taxYearStart()),
      m_end(tax::taxYearEnd()) {
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
    const auto rand = [](const char *name, const char *caption, double &target) {
        return money(QString::fromLatin1(name), QString::fromLatin1(caption), target,
                     tax::kWholeRand);
    };
    const auto km = [](const char *name, const char *caption, double &target) {
        return number(QString::fromLatin1(name), QString::fromLatin1(caption), target,
                      tax::kWholeKm);
    };
    const auto shown = [](const QString &name, const char *caption, const double &source,
                          const char16_t *pattern, int column) {
        return inColumn(result(name, QString::fromUtf8(caption), source, pattern, false), column);
    };
    const auto deemed = [&](const QString &name, const char *caption, const double &source,
                            const char16_t *pattern, const char *unit) {
        return withSuffix(shown(name, caption, source, pattern, kResultColumn),
                          QString::fromLatin1(unit));
    };
    const auto actual = [&](int index, const char *caption, const double &source) {
        return shown(member("sidbEdit2", index), caption, source, u"0", kResultColumn);
    };
    return {
        text(QStringLiteral("Text1"), QStringLiteral("Car :"),
             m_context.state.memory<vehicle::CarAllMemory>().description, 50),
        rand("silgEdit1", "Original value of vehicle", m_data.VehicleValue),
        rand("silgEdit2", "Allowance received", m_data.AllowanceReceived),
        km("silgEdit3", "Close km reading", m_data.CloseKm),
        km("silgEdit4", "Open km reading", m_data.OpenKm),
        withSuffix(km("silgEdit5", "Business km", m_data.BusinessKmEntered),
                   QStringLiteral(" (if kept)")),
        rand("silgEdit6", "Fuel/Oil", m_data.FuelOil),
        rand("silgEdit7", "Repairs/Miantenance", m_data.RepairsMaintenance),
        rand("silgEdit8", "Insurance/Licence", m_data.InsuranceLicence),
        rand("silgEdit9", "Other expenses", m_data.OtherExpenses),
        singlePayment(QStringLiteral("silgEdit10"), QStringLiteral("Wear and tear"),
                      m_data.WearAndTear, SinglePaymentField::WearAndTear),
        singlePayment(QStringLiteral("silgEdit11"), QStringLiteral("Lease payments"),
                      m_data.LeasePayments, SinglePaymentField::LeasePayments),
        date(QStringLiteral("dtCarAlStartDate"), QStringLiteral("Start Date"), m_start),
        date(QStringLiteral("dtCarAlEndDate"), QStringLiteral("End Date"), m_end),
        shown(QStringLiteral("silgEdit12"), "Period (number of days)", m_data.PeriodDays, u"0",
              kInputColumn),

        deemed(member("sidbEdit3", 0), "Business distance", m_deemed.BusinessKm, u"0", "Kms."),
        deemed(member("sidbEdit3", 1), "Private distance", m_deemed.PrivateKm, u"0", "Kms."),
        deemed(member("sidbEdit3", 2), "Total distance", m_deemed.TotalKm, u"0", "Kms."),
        // The fixed cost as the fraction: cost x days over total distance x 365 days.
        deemed(member("sidbEdit3", 3), "Fixed cost          R", m_deemed.FixedCost, u"0", "X"),
        spoken(beside(deemed(member("silgEdit13", 4), "", m_deemed.PeriodDays, u"0", "days")),
               QStringLiteral("Days of the period")),
        deemed(member("sidbEdit3", 4), "                   ÷", m_deemed.TotalKm, u"0", "Kms. X"),
        spoken(beside(deemed(member("silgEdit13", 6), "", m_yearDays, u"0", "days")),
               QStringLiteral("Days of the year")),
        deemed(member("sidbEdit1", 0), "Fixed cost", m_deemed.FixedCentsPerKm, u"0.0", "cents/km"),
        deemed(member("sidbEdit1", 1), "Fuel costs", m_deemed.FuelCentsPerKm, u"0.0", "cents/km"),
        deemed(member("sidbEdit1", 2), "Maintenance costs", m_deemed.MaintenanceCentsPerKm, u"0.0",
               "cents/km"),
        deemed(member("sidbEdit1", 3), "Total costs", m_deemed.TotalCentsPerKm, u"0.0", "cents/km"),
        deemed(member("sidbEdit1", 4), "Deduction claim          R", m_deemed.DeductionClaim, u"0",
               ""),

        actual(0, "Business Km's", m_actual.BusinessKm),
        actual(1, "Private Km's", m_actual.PrivateKm),
        actual(2, "Total Km's", m_actual.TotalKm),
        actual(3, "Total costs", m_actual.TotalCosts),
        actual(4, "Less private use", m_actual.PrivateUse),
        actual(5, "Travel expenses", m_actual.DeductionClaim),
        actual(6, "Deduction claim", m_actual.DeductionClaim),
    };
}

// Wear and tear and lease payments exclude each other: a refused amount is told and cleared.
FieldRow frmCarAll1::singlePayment(const QString &name, const QString &caption, double &target,
                                   SinglePaymentField field) {
    FieldRow fieldRow = money(name, caption, target, tax::kWholeRand);
    fieldRow.binding.setNumber = [this, name, field](double value) {
        if (applySinglePayment(m_data, field, value) != SinglePaymentOutcome::Refused)
            return;
        m_context.messages.inform(this, kSinglePaymentMessage, kSinglePaymentTitle,
                                  MessageService::Icon::Critical);
        form().numeric(name)->setValue(0);
        form().focus(name);
    };
    return fieldRow;
}

QWidget *frmCarAll1::buildChoices() {
    auto *strip = new QWidget(this);
    auto *line = new QHBoxLayout(strip);
    line->setContentsMargins(0, 0, 0, 0);
    auto *box = new QGroupBox(QStringLiteral("Accurate record kept"), strip);
    auto *row = new QHBoxLayout(box);
    line->addWidget(box);
    m_no = new QRadioButton(QStringLiteral("&No"), box);
    m_no->setObjectName(QStringLiteral("Option3"));
    m_yes = new QRadioButton(QStringLiteral("&Yes"), box);
    m_yes->setObjectName(QStringLiteral("Option4"));
    auto *group = new QButtonGroup(box);
    group->addButton(m_no);
    group->addButton(m_yes);
    (m_data.AccurateRecordKept == 1 ? m_yes : m_no)->setChecked(true);
    m_fuel = new QCheckBox(QStringLiteral("Include Fuel Costs"), strip);
    m_fuel->setObjectName(QStringLiteral("Check1"));
    m_fuel->setChecked(m_data.FuelIncluded != 0);
    m_maintenance = new QCheckBox(QStringLiteral("Include Maintenance Costs"), strip);
    m_maintenance->setObjectName(QStringLiteral("Check2"));
    m_maintenance->setChecked(m_data.MaintenanceIncluded != 0);
    row->addWidget(m_no);
    row->addWidget(m_yes);
    line->addSpacing(12);
    line->addWidget(m_fuel);
    line->addWidget(m_maintenance);
    line->addStretch();

    // Switching the method does not recalculate: the panel shown keeps its last figures.
    connect(m_yes, &QRadioButton::toggled, this, [this](bool yes) {
        m_data.AccurateRecordKept = yes ? 1 : 0;
        applyMethod();
    });
    connect(m_fuel, &QCheckBox::toggled, this, [this](bool on) {
        m_data.FuelIncluded = on ? 1 : 0;
        calculate();
    });
    connect(m_maintenance, &QCheckBox::toggled, this, [this](bool on) {
        m_data.MaintenanceIncluded = on ? 1 : 0;
        calculate();
    });
    return strip;
}

void frmCarAll1::applyMethod() {
    const bool actual = m_data.AccurateRecordKept == 1;
    for (const QString &name : kCostFields)
        form().widget(name)->setEnabled(actual);
    for (const QString &name : kPeriodFields)
        form().widget(name)->setEnabled(!actual);
    form().suffix(QStringLiteral("silgEdit5"))->setVisible(!actual);
    // With recorded costs the period plays no part, so its field shows nothing.
    auto *period = form().resultField(QStringLiteral("silgEdit12"));
    if (actual)
        period->clear();
    else
        period->setValue(m_data.PeriodDays);
    showResultPanel(actual);
}

// The rows of a panel carry its captions and units with its fields.
void frmCarAll1::showResultPanel(bool actual) {
    QGridLayout *grid = form().column(kResultColumn);
    int firstActualRow = 0, column = 0, span = 0;
    grid->getItemPosition(grid->indexOf(form().widget(member("sidbEdit2", 0))), &firstActualRow,
                          &column, &span, &span);
    for (int i = 0; i < grid->count(); ++i) {
        int row = 0;
        grid->getItemPosition(i, &row, &column, &span, &span);
        if (QWidget *w = grid->itemAt(i)->widget())
            w->setVisible((row >= firstActualRow) == actual);
    }
    // Labels follow the enabled state of the fields they caption.
    QGridLayout *inputs = form().column(kInputColumn);
    for (int i = 0; i < inputs->count(); ++i)
        if (auto *label = qobject_cast<QLabel *>(inputs->itemAt(i)->widget()))
            if (label->buddy())
                label->setEnabled(label->buddy()->isEnabled());
}

bool frmCarAll1::calculate() {
    commitFocusedField();
    const CarAllRefresh refresh = calculateCarAllowance(m_data, m_start, m_end);
    if (refresh.deemedRefreshed)
        m_deemed = refresh.deemed;
    if (refresh.actualRefreshed)
        m_actual = refresh.actual;
    form().showResults();
    applyMethod();
    return true;
}

std::optional<report::PrintJob> frmCarAll1::printJob(std::optional<report::PrintLanguage>) {
    return report::singleRecordJob(
        kTravelDeductionTable,
        travelDeductionRecord(m_data, m_context.state.memory<vehicle::CarAllMemory>().description,
                              printPanel()->employeeName(), m_start, m_end),
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
void frmCarAll1::closeEvent(QCloseEvent *event) {
    if (!m_closing) {
        m_closing = true;
        calculate();
    }
    CalculatorWindow::closeEvent(event);
}

} // namespace quillon::vehicle

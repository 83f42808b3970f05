#include "paye/frmAnnual.h"

#include "controls/BusyCursor.h"
#include "controls/DateEdit.h"
#include "controls/FieldBinder.h"
#include "controls/MessageService.h"
#include "controls/NumericEdit.h"
#include "controls/Overlay.h"
#include "controls/ResultField.h"
#include "controls/WholeNumberEdit.h"
#include "paye/AnnualReport.h"
#include "paye/InfoPanel.h"
#include "paye/PeriodSettingsPanel.h"
#include "report/PrintPanel.h"
#include "taxengine/SettingsStore.h"
#include "taxengine/TaxYear.h"

#include <QApplication>
#include <QFrame>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QMdiSubWindow>
#include <QPointer>
#include <QPushButton>
#include <QStyle>
#include <QTimer>
#include <QToolButton>
#include <QVBoxLayout>

#include <algorithm>

namespace quillon::paye {

namespace {

const QString kDateTitle = QStringLiteral("Incorrect Date");

const QString kGeneralInformation = QStringLiteral(
    "The amount entered in the Salary/remuneration field should contain the "
    "fringe benefit amounts such as the code 3802 fringe benefit amount for "
    "the use of a company car but must not include any travel allowance in this "
    "Salary/remuneration amount.  Note that both employer’s and employee’s R/Fund "
    "contributions qualify as a tax deduction off taxable income.  Employer’s "
    "contributions paid to R/Funds i.r.o. the employee are taxable in the hands "
    "of the employee as a fringe benefit.  Quillon will include the employer’s "
    "R/Fund contributions, that you enter here, in with Salary/Remuneration "
    "to determine total income so enter Salary/Remuneration as being without "
    "the employer’s R/Fund contribution fringe benefit.  A portion of contributions "
    "paid by both the employer and the employee to Pension, R/A and Provident "
    "funds may qualify as a deduction from taxable income.  The deduction is "
    "limited to the lessor of contributions paid or 27.5% of remuneration/salary/income. "
    " The deduction is capped at R350,00 per year. ");

// Month captions of the beneficiary grid, in tax-year order from March.
const std::array<QString, 12> kMonthCaptions{
    QStringLiteral("Mar"), QStringLiteral("Apr"), QStringLiteral("May"), QStringLiteral("Jun"),
    QStringLiteral("Jul"), QStringLiteral("Aug"), QStringLiteral("Sep"), QStringLiteral("Oct"),
    QStringLiteral("Nov"), QStringLiteral("Dec"), QStringLiteral("Jan"), QStringLiteral("Feb")};

std::size_t at(int month) {
    return static_cast<std::size_t>(month);
}

// A row of a two-column form: caption, an "R" before money, the field.
void addRow(QGridLayout *grid, QWidget *field, const QString &caption, bool money) {
    const int row = grid->rowCount();
    auto *label = new QLabel(caption, field->parentWidget());
    label->setBuddy(field);
    grid->addWidget(label, row, 0);
    if (money)
        grid->addWidget(new QLabel(QStringLiteral("R"), field->parentWidget()), row, 1,
                        Qt::AlignRight);
    grid->addWidget(field, row, 2);
}

template <class Control> Control *named(Control *control, const QString &name) {
    control->setObjectName(name);
    return control;
}

// The focus goes back to a refused field once the message has been answered and the focus
// change that refused it is over.
void returnFocus(QLineEdit *field) {
    QPointer<QLineEdit> guard(field);
    QTimer::singleShot(0, field, [guard] {
        if (!guard)
            return;
        guard->setFocus(Qt::OtherFocusReason);
        guard->selectAll();
    });
}

} // namespace

frmAnnual::frmAnnual(const AppContext &context, QWidget *parent)
    : QWidget(parent), m_context(context) {
    setObjectName(QStringLiteral("frmAnnual"));
    setWindowTitle(QStringLiteral("Annual"));
    buildForm();
    bindFields();
    connectDates();
    loadSettings();
    // Opening figures: the whole tax year, every amount and the age 0 (the fields start so).
    m_startDate->setDate(tax::taxYearStart());
    m_endDate->setDate(tax::taxYearEnd());
    m_inputs.startDate = tax::taxYearStart();
    m_inputs.endDate = tax::taxYearEnd();
    calculate();
}

frmAnnual::~frmAnnual() = default;

QString frmAnnual::beneficiaryMessage() {
    return QStringLiteral(
        "Only a maximum of 24 are allowed i.e. Principal member & first beneficiary!");
}

void frmAnnual::buildForm() {
    // Created in the order the Tab key visits them.
    auto money = [this](const QString &name) {
        auto *edit = named(new WholeNumberEdit(this), name);
        edit->setDisplayWidth(11);
        return edit;
    };
    auto *age = named(new WholeNumberEdit(this), QStringLiteral("silgEdit1"));
    age->setDisplayWidth(4);
    auto *salary = money(QStringLiteral("silgEdit2"));
    auto *erMedAid = money(QStringLiteral("numEmpERMedAidCont"));
    auto *eeMedAid = money(QStringLiteral("numEmpEEMedAidCont"));
    auto *erFund = money(QStringLiteral("numEmpRRFundCont"));
    auto *eeFund = money(QStringLiteral("numEmpERFundCont"));
    auto *commission = money(QStringLiteral("numDirFees"));
    auto *bonus = money(QStringLiteral("silgEdit4"));
    auto *travel = money(QStringLiteral("silgEdit8"));
    auto *beneficiaries = named(new WholeNumberEdit(this), QStringLiteral("numMedAidBens"));
    beneficiaries->setDisplayWidth(4);

    auto *monthFrame =
        named(new QGroupBox(QStringLiteral("Number of Medical Aid Beneficiaries "), this),
              QStringLiteral("Frame1"));
    auto *monthGrid = new QGridLayout(monthFrame);
    for (std::size_t k = 0; k < kTaxYearMonths.size(); ++k) {
        const int month = kTaxYearMonths[k];
        auto *edit = new WholeNumberEdit(0, kMaxMonthBeneficiaries, monthFrame);
        edit->setObjectName(QStringLiteral("numAnnCalcBens%1").arg(month));
        edit->setDisplayWidth(3);
        m_months[at(month)] = edit;
        auto *caption = new QLabel(kMonthCaptions[k], monthFrame);
        caption->setAlignment(Qt::AlignCenter);
        caption->setBuddy(edit);
        monthGrid->addWidget(caption, 0, static_cast<int>(k));
        monthGrid->addWidget(edit, 1, static_cast<int>(k));
    }
    m_duplicate =
        named(new QPushButton(QStringLiteral("Duplicate March to all 12 months "), monthFrame),
              QStringLiteral("cmdDuplicate"));
    monthGrid->addWidget(m_duplicate, 2, 0, 1, 12, Qt::AlignRight);

    auto *deduction = money(QStringLiteral("silgEdit15"));
    m_startDate = named(new DateEdit(this), QStringLiteral("dtStartDate"));
    m_endDate = named(new DateEdit(this), QStringLiteral("dtEndDate"));

    auto result = [this](const QString &name, const QString &pattern) {
        auto *field = named(new ResultField(pattern, this), name);
        field->setDisplayWidth(11);
        return field;
    };
    m_allowableDeduction = result(QStringLiteral("numAllowableRFundDed"), QStringLiteral("0"));
    m_periodTax = result(QStringLiteral("numMAns"), QStringLiteral("0.00"));
    m_medicalCredit = result(QStringLiteral("numTaxCredit"), QStringLiteral("0.00"));
    m_additionalCredit = result(QStringLiteral("numMTCForContri"), QStringLiteral("0.00"));
    m_taxLiability = result(QStringLiteral("numTaxLiability"), QStringLiteral("0.00"));
    m_paye = result(QStringLiteral("numAns1"), QStringLiteral("0.00"));

    m_calculate =
        named(new QPushButton(QStringLiteral("&Calculate"), this), QStringLiteral("cmdCalculate"));
    m_settingsButton =
        named(new QPushButton(QStringLiteral("&Settings"), this), QStringLiteral("cmdSettings"));
    m_printButton =
        named(new QPushButton(QStringLiteral("&Print"), this), QStringLiteral("cmdPrint"));
    m_infoButton = named(new QToolButton(this), QStringLiteral("cmdInfo"));
    m_infoButton->setIcon(style()->standardIcon(QStyle::SP_MessageBoxInformation));
    m_infoButton->setAccessibleName(QStringLiteral("General Information"));
    m_infoButton->setToolTip(QStringLiteral("General Information"));
    m_infoButton->setFocusPolicy(Qt::StrongFocus);
    m_infoButton->setAutoRaise(false);
    m_ok = named(new QPushButton(QStringLiteral("&OK"), this), QStringLiteral("cmdOk"));

    auto *inputs = new QGridLayout;
    inputs->setColumnStretch(0, 1);
    addRow(inputs, age, QStringLiteral("Age"), false);
    addRow(inputs, salary, QStringLiteral("Salary/remuneration"), true);
    addRow(inputs, erMedAid, QStringLiteral("Employer's med aid contrib."), true);
    addRow(inputs, eeMedAid, QStringLiteral("Employee's med aid contrib."), true);
    addRow(inputs, erFund, QStringLiteral("Employer's R/Fund contributions "), true);
    addRow(inputs, eeFund, QStringLiteral("Employee's R/Fund contributions"), true);
    addRow(inputs, commission, QStringLiteral("Commissions"), true);
    addRow(inputs, bonus, QStringLiteral("Bonus"), true);
    addRow(inputs, travel, QStringLiteral("Travel allowance received"), true);
    addRow(inputs, beneficiaries, QStringLiteral("Medical aid fund beneficiaries"), false);
    for (QWidget *w : {static_cast<QWidget *>(age), static_cast<QWidget *>(beneficiaries)})
        inputs->setAlignment(w, Qt::AlignRight);

    auto *side = new QGridLayout;
    side->setColumnStretch(0, 1);
    addRow(side, deduction, QStringLiteral("Med Aid contribution deduction"), true);
    addRow(side, m_startDate, QStringLiteral("Start date"), false);
    addRow(side, m_endDate, QStringLiteral("End date"), false);
    for (QWidget *w : {static_cast<QWidget *>(m_startDate), static_cast<QWidget *>(m_endDate)})
        side->setAlignment(w, Qt::AlignRight);
    auto *rule = new QFrame(this);
    rule->setFrameShape(QFrame::HLine);
    rule->setFrameShadow(QFrame::Sunken);
    side->addWidget(rule, side->rowCount(), 0, 1, 3);
    addRow(side, m_allowableDeduction, QStringLiteral("Allowable R/Fund deduction"), true);
    addRow(side, m_periodTax, QStringLiteral("Tax liability"), true);
    addRow(side, m_medicalCredit, QStringLiteral("Tax credits for beneficiaries"), true);
    addRow(side, m_additionalCredit, QStringLiteral("Tax credits for contributions"), true);
    addRow(side, m_taxLiability, QStringLiteral("Total tax deduction"), true);
    addRow(side, m_paye, QStringLiteral("PAYE"), true);
    side->setRowStretch(side->rowCount(), 1);

    auto *columns = new QHBoxLayout;
    columns->addLayout(inputs, 1);
    columns->addSpacing(24);
    columns->addLayout(side, 1);

    auto *buttons = new QHBoxLayout;
    buttons->addWidget(m_calculate);
    buttons->addWidget(m_settingsButton);
    buttons->addWidget(m_printButton);
    buttons->addWidget(m_infoButton);
    buttons->addStretch();
    buttons->addWidget(m_ok);

    auto *page = new QVBoxLayout(this);
    page->addLayout(columns);
    page->addWidget(monthFrame);
    page->addLayout(buttons);
    page->setSizeConstraint(QLayout::SetMinimumSize);

    // The panels lie in front of the form when shown.
    m_settings =
        new PeriodSettingsPanel(m_context.paths.settingsDatabase, m_context.messages, this);
    m_settings->setGuardedButtons({m_ok, m_calculate, m_settingsButton, m_printButton});

    report::PrintPanel::Options options;
    options.languageChoice = true;
    options.nameField = true;
    options.nameCaption = QStringLiteral("(max.50 chrs.)");
    m_printPanel = new report::PrintPanel(options, this);
    makeOverlay(m_printPanel);
    m_printPanel->setFrameShape(QFrame::StyledPanel);

    m_info = new InfoPanel(
        QStringLiteral("General Information"), kGeneralInformation,
        {QStringLiteral("fraInfo_One"), QStringLiteral("lblABC"), QStringLiteral("cmdOK_Info_One")},
        this);

    connect(m_calculate, &QPushButton::clicked, this, [this] { calculate(); });
    connect(m_settingsButton, &QPushButton::clicked, m_settings, &PeriodSettingsPanel::open);
    connect(m_settings, &PeriodSettingsPanel::closed, this, [this] { calculate(); });
    connect(m_printButton, &QPushButton::clicked, this, [this] {
        m_printPanel->adjustSize();
        // A fixed place over the results column, in front of everything else.
        m_printPanel->move(std::max(0, width() - m_printPanel->width() - 16), 16);
        m_printPanel->raise();
        m_printPanel->show();
        m_printPanel->viewButton()->setFocus(Qt::OtherFocusReason);
    });
    connect(m_printPanel, &report::PrintPanel::outputChosen, this, &frmAnnual::print);
    connect(m_printPanel, &report::PrintPanel::cancelled, m_printPanel, &QWidget::hide);
    connect(m_infoButton, &QToolButton::clicked, m_info, &InfoPanel::open);
    connect(m_duplicate, &QPushButton::clicked, this, &frmAnnual::duplicateMarch);
    connect(m_ok, &QPushButton::clicked, this, &frmAnnual::closeWindow);
}

void frmAnnual::bindFields() {
    FieldBinder binder(this);
    binder.bind(QStringLiteral("silgEdit1"), m_inputs, &AnnualInputs::age);
    binder.bind(QStringLiteral("silgEdit2"), m_inputs, &AnnualInputs::salary);
    binder.bind(QStringLiteral("numEmpERMedAidCont"), m_inputs, &AnnualInputs::employerMedAid);
    binder.bind(QStringLiteral("numEmpEEMedAidCont"), m_inputs, &AnnualInputs::employeeMedAid);
    binder.bind(QStringLiteral("numEmpRRFundCont"), m_inputs, &AnnualInputs::employerFund);
    binder.bind(QStringLiteral("numEmpERFundCont"), m_inputs, &AnnualInputs::employeeFund);
    binder.bind(QStringLiteral("numDirFees"), m_inputs, &AnnualInputs::commission);
    binder.bind(QStringLiteral("silgEdit4"), m_inputs, &AnnualInputs::bonus);
    binder.bind(QStringLiteral("silgEdit8"), m_inputs, &AnnualInputs::travelAllowance);
    binder.bind(QStringLiteral("numMedAidBens"), m_inputs, &AnnualInputs::medAidBeneficiaries);
    binder.bind(QStringLiteral("silgEdit15"), m_inputs, &AnnualInputs::medAidContributionDeduction);
    binder.bind(QStringLiteral("dtStartDate"), m_inputs, &AnnualInputs::startDate);
    binder.bind(QStringLiteral("dtEndDate"), m_inputs, &AnnualInputs::endDate);
    for (int month = 1; month <= 12; ++month) {
        binder.bindNumber(QStringLiteral("numAnnCalcBens%1").arg(month), [this, month](double v) {
            m_inputs.monthBeneficiaries[at(month)] = tax::toInt16(v);
        });
        // A count above 24 is held to 24 first, then the user is told.
        connect(m_months[at(month)], &NumericEdit::rangeError, this, [this, month] {
            m_months[at(month)]->setValue(kMaxMonthBeneficiaries);
            m_context.messages.inform(this, beneficiaryMessage(), {}, MessageService::Icon::None);
        });
    }
    Q_ASSERT(binder.missing().isEmpty());
}

void frmAnnual::connectDates() {
    for (DateEdit *d : {m_startDate, m_endDate}) {
        d->setMinimumDate(tax::taxYearStart());
        d->setMaximumDate(tax::taxYearEnd());
    }
    // A start may not pass the end, nor an end come before the start.
    connect(m_startDate, &DateEdit::focusEntered, this,
            [this] { m_startDate->setMaximumDate(m_endDate->date()); });
    connect(m_endDate, &DateEdit::focusEntered, this,
            [this] { m_endDate->setMinimumDate(m_startDate->date()); });
    connect(m_startDate, &DateEdit::dateRejected, this, [this] {
        m_context.messages.inform(this,
                                  QStringLiteral("The date entered is not correct please enter a "
                                                 "date between 01/03/2016 and 28/02/2017"),
                                  kDateTitle, MessageService::Icon::Critical);
        returnFocus(m_startDate);
    });
    connect(m_endDate, &DateEdit::dateRejected, this, [this] {
        m_context.messages.inform(
            this,
            QStringLiteral("The date entered is not correct please enter a date between ") +
                m_startDate->text() + QStringLiteral(" and 28/02/2017"),
            kDateTitle, MessageService::Icon::Critical);
        returnFocus(m_endDate);
    });
}

void frmAnnual::loadSettings() {
    tax::SettingsStore store(m_context.paths.settingsDatabase);
    std::optional<tax::SetupRecord> stored = store.read();
    if (!stored) {
        m_context.messages.inform(this,
                                  QStringLiteral("The saved settings could not be read, so the "
                                                 "delivered settings are used.\n\n") +
                                      store.lastError(),
                                  QStringLiteral("Setup"), MessageService::Icon::Warning);
        stored = tax::deliveredSetup();
    }
    m_settings->setSettings(*stored);
}

void frmAnnual::commitFocusedField() {
    // An accelerator key leaves the focus in the field being typed into: take its value now.
    QWidget *focused = QApplication::focusWidget();
    if (!focused || focused->window() != window())
        return;
    if (auto *number = qobject_cast<NumericEdit *>(focused))
        number->commit();
    else if (auto *date = qobject_cast<DateEdit *>(focused))
        date->commit();
}

bool frmAnnual::calculate() {
    commitFocusedField();
    m_inputs.inclusionRate = m_settings->settings().TAIncRate8020;
    const QString error = annualInputError(m_inputs);
    if (!error.isEmpty()) {
        m_context.messages.inform(this, error, {}, MessageService::Icon::Critical);
        return false;
    }
    m_results = calculateAnnual(m_inputs, m_context.state.taxLookup);
    showResults();
    return true;
}

void frmAnnual::showResults() {
    m_allowableDeduction->setValue(m_results.allowableDeduction);
    m_periodTax->setValue(m_results.periodTax);
    m_medicalCredit->setValue(m_results.medicalCredit);
    m_additionalCredit->setValue(m_results.additionalCredit);
    m_taxLiability->setValue(m_results.taxLiability);
    m_paye->setValue(m_results.taxLiability);
    // Months outside the period were set to 0; the fields (and through them the inputs) follow.
    for (int month = 1; month <= 12; ++month)
        if (m_results.monthBeneficiaries[at(month)] != m_inputs.monthBeneficiaries[at(month)])
            m_months[at(month)]->setValue(m_results.monthBeneficiaries[at(month)]);
}

void frmAnnual::duplicateMarch() {
    for (int month = 1; month <= 12; ++month) {
        if (m_months[at(month)]->value() > kMaxMonthBeneficiaries) {
            m_months[at(month)]->setValue(kMaxMonthBeneficiaries);
            m_context.messages.inform(this, beneficiaryMessage(), {}, MessageService::Icon::None);
        }
    }
    const std::int16_t march = m_inputs.monthBeneficiaries[at(3)];
    for (int month : kTaxYearMonths)
        m_months[at(month)]->setValue(march);
}

void frmAnnual::print(report::Destination destination) {
    const std::optional<report::PrintLanguage> language = m_printPanel->language();
    if (language) {
        BusyCursor busy;
        // The printout shows the figures on the screen, worked out from the inputs it prints.
        if (calculate()) {
            report::PrintJob job;
            job.tables = {report::ReportData::singleRecord(
                kAnnualTable,
                annualReportRecord(m_inputs, m_results, m_printPanel->employeeName(), *language))};
            job.layoutName = kAnnualLayout;
            if (destination == report::Destination::Preview)
                job.previewTitle = kAnnualPreviewTitle;
            job.destination = destination;
            // A failure has been told to the user by the report component; the figures stay.
            m_context.reports.print(job, this);
        }
    }
    m_printPanel->hide();
}

void frmAnnual::closeWindow() {
    if (auto *frame = qobject_cast<QMdiSubWindow *>(parentWidget()))
        frame->close();
    else
        close();
}

} // namespace quillon::paye

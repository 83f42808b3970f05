#include "business/frmLoans.h"

#include "business/BusinessFields.h"
#include "business/LoanGraph.h"
#include "business/LoanGridPanel.h"
#include "business/LoanMemory.h"
#include "controls/BusyCursor.h"
#include "controls/DescribedRows.h"
#include "controls/FocusSelect.h"
#include "controls/Form.h"
#include "controls/MessageService.h"
#include "controls/NumericEdit.h"
#include "controls/ResultField.h"
#include "forms/HostWindow.h"
#include "forms/LazyModule.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include <algorithm>
#include <memory>

namespace quillon::business {

namespace {

const QString kResultBackground = QStringLiteral("background-color: #ffff80;");

} // namespace

frmLoans::frmLoans(const AppContext &context, QWidget *parent)
    : CalculatorWindow(context, QStringLiteral("frmLoans"), QStringLiteral("Loans"), parent),
      m_loan(context.state.memory<business::LoanMemory>()) {
    setFields(fieldTable());
    addBelowColumns(buildModeChoice());
    addButton(QStringLiteral("cmdCalculate"), QStringLiteral("&Calculate"), [this] {
        calculate();
        if (!m_results.rateFound)
            refuse(kRateNotFoundMessage, kLoanRateNotFoundTitle, QStringLiteral("numMonRePay"));
        else if (!m_results.periodFound)
            refuse(periodNotFoundMessage(m_loan.principal, m_loan.rate, m_loan.repayment),
                   kPeriodNotFoundTitle, QStringLiteral("numMonRePay"));
    });
    addButton(QStringLiteral("cmdFinCharge"), QStringLiteral("&Fin. charges"),
              [this] { toggleFinanceCharges(); });
    addButton(QStringLiteral("cmdMonAmort"), QStringLiteral("Mo&nthly Amort."),
              [this] { showMonthlyGrid(); });
    addButton(QStringLiteral("cmdAnnAmort"), QStringLiteral("&Annual Amort."),
              [this] { showAnnualGrid(); });
    addButton(QStringLiteral("cmdLoanGraph"), QStringLiteral("Annual &Graph"),
              [this] { showGraph(); });
    report::PrintPanel::Options options;
    options.cancelName = QStringLiteral("cmdPrintCancel");
    options.cancelCaption = QStringLiteral("C&ancel");
    setPrinting(PrintPattern::CheckOnOutput, options);
    buildPrintChoice();
    addCloseButton(QStringLiteral("cmdOk"), QStringLiteral("&OK"));
    m_grid = new LoanGridPanel(this);
    adoptPanel(m_grid);
    connect(m_grid, &OverlayPanel::closed, this, [this] {
        giveBackGridRoom();
        focusLater(findChild<QPushButton *>(QStringLiteral("cmdOk")));
    });
    finishLayout();

    addRangeMessage(QStringLiteral("numPeriod"), kLoanPeriodMessage, kLoanPeriodTitle);
    addRangeMessage(QStringLiteral("numIntRate"), kLoanRateMessage, kLoanRateTitle);
    activated();
}

FieldTable frmLoans::fieldTable() {
    FieldTable table =
        describedRows(loanDescription(), static_cast<LoanInputs &>(m_loan), m_results);
    rowNamed(table, QStringLiteral("numPeriod")).suffix = QStringLiteral("months.");
    rowNamed(table, QStringLiteral("numIntRate")).suffix = QStringLiteral("% p.a.");
    return table;
}

QWidget *frmLoans::buildModeChoice() {
    auto *row = new QWidget(this);
    auto *layout = new QHBoxLayout(row);
    layout->setContentsMargins(0, 0, 0, 0);
    auto *box = new QGroupBox(QStringLiteral("Calculate Mode"), row);
    auto *options = new QGridLayout(box);
    auto *group = new QButtonGroup(box);
    for (const LoanModeRule &rule : kLoanModeRules) {
        const int index = static_cast<int>(rule.mode);
        auto *option = new QRadioButton(QString::fromUtf16(rule.text), box);
        option->setObjectName(QStringLiteral("optLoanCalc%1").arg(index));
        group->addButton(option, index);
        options->addWidget(option, index / 2, index % 2);
        m_modes[static_cast<std::size_t>(index)] = option;
    }
    connect(group, &QButtonGroup::idClicked, this,
            [this](int index) { chooseMode(static_cast<LoanMode>(index)); });
    // A screen reader's "toggle" action checks an option without a click.
    connect(group, &QButtonGroup::idToggled, this, [this](int index, bool checked) {
        if (checked && static_cast<LoanMode>(index) != m_loan.mode)
            chooseMode(static_cast<LoanMode>(index));
    });
    layout->addWidget(box);

    auto *status = new QVBoxLayout;
    m_modeText = new QLabel(row);
    m_modeText->setObjectName(QStringLiteral("Label121"));
    QFont bold = m_modeText->font();
    bold.setBold(true);
    m_modeText->setFont(bold);
    m_errorMarker = new QLabel(kLoanErrorMarker, row);
    m_errorMarker->setObjectName(QStringLiteral("Text1"));
    m_errorMarker->setStyleSheet(QStringLiteral("color: #c00000; font-weight: bold;"));
    m_errorMarker->hide();
    // The marker stands beside the rate it warns of.
    form().placeAtRowEnd(QStringLiteral("numIntRate"), m_errorMarker);
    status->addWidget(m_modeText);
    status->addStretch(1);
    layout->addLayout(status);
    layout->addStretch(1);
    return row;
}

// "Include Amortization" and its choice of schedule, above the panel's buttons.
void frmLoans::buildPrintChoice() {
    report::PrintPanel *panel = printPanel();
    auto *box = new QWidget(panel);
    auto *layout = new QHBoxLayout(box);
    layout->setContentsMargins(0, 0, 0, 0);
    m_includeAmort = new QCheckBox(QStringLiteral("Include Amortization"), box);
    m_includeAmort->setObjectName(QStringLiteral("Check1"));
    m_amortKinds = new QGroupBox(box);
    m_amortKinds->setObjectName(QStringLiteral("fraIncAmort"));
    m_amortKinds->setEnabled(false);
    auto *kinds = new QHBoxLayout(m_amortKinds);
    m_annual = new QRadioButton(QStringLiteral("Annual"), m_amortKinds);
    m_annual->setObjectName(QStringLiteral("Option10"));
    m_monthly = new QRadioButton(QStringLiteral("Monthly "), m_amortKinds);
    m_monthly->setObjectName(QStringLiteral("Option11"));
    kinds->addWidget(m_annual);
    kinds->addWidget(m_monthly);
    layout->addWidget(m_includeAmort);
    layout->addWidget(m_amortKinds, 1);
    static_cast<QVBoxLayout *>(panel->layout())->insertWidget(0, box);

    connect(m_includeAmort, &QCheckBox::toggled, this, [this](bool on) {
        m_amortKinds->setEnabled(on);
        if (on)
            m_annual->setChecked(true);
        m_amortisation = on ? Amortisation::Annual : Amortisation::None;
    });
    connect(m_annual, &QRadioButton::toggled, this, [this](bool on) {
        if (on)
            m_amortisation = Amortisation::Annual;
    });
    connect(m_monthly, &QRadioButton::toggled, this, [this](bool on) {
        if (on)
            m_amortisation = Amortisation::Monthly;
    });
}

// The period and the rate have their own messages; the field keeps the focus.
void frmLoans::addRangeMessage(const QString &name, const QString &text, const QString &title) {
    form().handleRangeItself(name);
    NumericEdit *edit = form().numeric(name);
    connect(edit, &NumericEdit::rangeError, this, [this, edit, name, text, title] {
        edit->setValue(edit->maximum());
        informAfterClick(m_context.messages, this, text, title, MessageService::Icon::Critical);
        form().focus(name);
    });
}

void frmLoans::chooseMode(LoanMode mode) {
    m_loan.mode = mode;
    markMode(mode);
    form().focus(QString::fromLatin1(loanModeRule(mode).focusField));
}

void frmLoans::markMode(LoanMode mode) {
    const LoanModeRule &rule = loanModeRule(mode);
    m_modes[static_cast<std::size_t>(mode)]->setChecked(true);
    m_modeText->setText(loanModeText(mode));
    for (const LoanModeRule &other : kLoanModeRules) {
        NumericEdit *edit = form().numeric(QString::fromLatin1(other.resultField));
        const bool solved = &other == &rule;
        edit->setReadOnly(solved);
        edit->setFocusPolicy(solved ? Qt::ClickFocus : Qt::StrongFocus);
        edit->setStyleSheet(solved ? kResultBackground : QString());
    }
}

bool frmLoans::calculate() {
    commitFocusedField();
    BusyCursor busy;
    m_errorMarker->hide();
    m_results = calculateLoan(loanInputs(m_loan));
    storeLoanResults(m_loan, m_results);
    form().showInputs();
    if (m_results.errorMarker) {
        m_errorMarker->show();
        m_errorMarker->raise();
    }
    if (m_loan.financeChargesShown())
        showFinanceCharges();
    return true;
}

void frmLoans::showFinanceCharges() {
    const bool shown = m_loan.financeChargesShown();
    // The totals of the figures as they stand, typed since the last calculation or not.
    const LoanTotals totals = loanTotals(m_loan.principal, m_loan.period, m_loan.repayment);
    m_results.totalInterest = totals.interest;
    m_results.totalRepayments = totals.repayments;
    form().showResults();
    // The finance charges stand in a column of their own, hidden with their captions.
    QWidget *interest = form().widget(QStringLiteral("numAns1"));
    for (int c = 0; c < form().columnCount(); ++c) {
        QGridLayout *grid = form().column(c);
        if (grid->indexOf(interest) < 0)
            continue;
        for (int i = 0; i < grid->count(); ++i)
            if (QWidget *w = grid->itemAt(i)->widget())
                w->setVisible(shown);
    }
}

void frmLoans::toggleFinanceCharges() {
    m_loan.toggleFinanceCharges();
    showFinanceCharges();
}

// The remembered mode and figures come back, and the window works them out again.
void frmLoans::activated() {
    markMode(m_loan.mode);
    form().showInputs();
    calculate();
    showFinanceCharges();
}

void frmLoans::showMonthlyGrid() {
    if (!monthlyGridAllowed(m_loan.principal, m_loan.period, m_loan.rate, m_loan.repayment)) {
        m_loan.monthlyGridShown = false;
        form().focus(QStringLiteral("numPrinAmount"));
        return;
    }
    const int months =
        buildMonthlySchedule(m_loan.principal, m_loan.period, m_loan.rate, m_loan.schedules);
    m_loan.monthlyGridShown = true;
    openGrid(monthlyGrid(monthlyRows(m_loan.schedules, months)));
}

void frmLoans::showAnnualGrid() {
    if (!annualGridAllowed(m_loan.principal, m_loan.period, m_loan.rate, m_loan.repayment)) {
        m_loan.annualGridShown = false;
        tellAnnualNeedsAYear();
        form().focus(QStringLiteral("numPrinAmount"));
        return;
    }
    buildAnnualSchedule(m_loan.principal, m_loan.period, m_loan.rate, m_loan.schedules);
    m_loan.annualGridShown = true;
    openGrid(annualGrid(annualRows(m_loan.schedules)));
}

// A complete loan refused only for its short period is told why; a missing figure stays silent.
void frmLoans::tellAnnualNeedsAYear() {
    if (loanComplete(m_loan.principal, m_loan.period, m_loan.rate, m_loan.repayment))
        m_context.messages.inform(this, kAnnualNeedsAYearMessage, {},
                                  MessageService::Icon::Information);
}

// The window grows, when it must, to hold the grid in front of it.
void frmLoans::openGrid(GridTexts texts) {
    m_grid->setSchedule(std::move(texts));
    const QSize needed = m_grid->sizeHint() + QSize(24, 24);
    QWidget *host = hostWindow(this);
    const QSize grow(std::max(0, needed.width() - width()),
                     std::max(0, needed.height() - height()));
    if (!grow.isNull()) {
        m_sizeBeforeGrid = host->size();
        host->resize(host->size() + grow);
        m_sizeWithGrid = host->size();
    }
    m_grid->open();
}

// The room the grid took goes back with it, unless the user has sized the window since.
void frmLoans::giveBackGridRoom() {
    QWidget *host = hostWindow(this);
    if (m_sizeWithGrid.isValid() && host->size() == m_sizeWithGrid)
        host->resize(m_sizeBeforeGrid);
    m_sizeWithGrid = {};
}

void frmLoans::showGraph() {
    if (!annualGridAllowed(m_loan.principal, m_loan.period, m_loan.rate, m_loan.repayment)) {
        tellAnnualNeedsAYear();
        focusLater(findChild<QPushButton *>(QStringLiteral("cmdOk")));
        return;
    }
    const LoanSchedules &s = m_loan.schedules;
    buildAnnualSchedule(m_loan.principal, m_loan.period, m_loan.rate, m_loan.schedules);
    using Show = void(QWidget *, const LoanGraphFigures &);
    QString error;
    if (Show *showGraphOf = moduleFunction<Show>(QStringLiteral("quillon_loan_graph"),
                                                 "quillonShowLoanGraph", &error))
        showGraphOf(this, {s.yearsWithPart, s.wholeYears, s.kind, &s.balance, &s.yearInterest,
                           &s.yearCapital});
    else
        m_context.messages.inform(this, QStringLiteral("The graph cannot be shown: %1").arg(error),
                                  {}, MessageService::Icon::Warning);
}

std::optional<report::PrintJob> frmLoans::printJob(std::optional<report::PrintLanguage>) {
    calculate();
    if (!loanComplete(m_loan.principal, m_loan.period, m_loan.rate, m_loan.repayment))
        return std::nullopt;
    const LoanPrint print{m_loan.mode,   m_loan.principal, m_loan.period,
                          m_loan.rate,   m_loan.repayment, m_loan.financeChargesShown(),
                          m_amortisation};
    return loanPrintJob(print, m_loan.schedules);
}

} // namespace quillon::business

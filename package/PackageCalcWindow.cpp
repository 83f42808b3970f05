#include "package/PackageCalcWindow.h"

#include "controls/BusyCursor.h"
#include "controls/Form.h"
#include "controls/MessageService.h"
#include "controls/NumericEdit.h"
#include "controls/ResultField.h"
#include "forms/ProgramState.h"
#include "package/GrossToNet.h"
#include "package/NetToGross.h"
#include "package/PackagePlaces.h"
#include "package/PackageSettingsPanel.h"
#include "package/RaPanel.h"
#include "package/SalPackageRecord.h"
#include "taxengine/FieldRanges.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace quillon::package {

namespace {

QString member(const char *array, int index) {
    return QString::fromLatin1(array) + QString::number(index);
}

constexpr int kCostColumn = 1;
// Where the cost-to-company copies stand in the left grid: after the fields and the amounts
// placed beside the expense texts.
constexpr int kCostGridColumn = 5;

QLabel *label(const QString &name, const QString &text, QWidget *parent) {
    auto *l = new QLabel(text, parent);
    l->setObjectName(name);
    return l;
}

} // namespace

PackageCalcWindow::PackageCalcWindow(const AppContext &context, PackageWindow kind,
                                     const QString &name, const QString &caption, QWidget *parent)
    : CalculatorWindow(context, name, caption, parent), m_kind(kind) {
    setFields(fieldTable());
    placeCostColumn();
    addBelowColumns(buildFooter());

    const PackagePlaces places = placesOf(kind);
    addButton(QStringLiteral("cmdCalculate"), QStringLiteral("&Calculate"),
              [this] { calculate(); });
    const QString travelCaption = isMonthly(kind) && isNetToGross(kind)
                                      ? QStringLiteral("Travel allowance inclusion rate")
                                      : QStringLiteral("Travel allowance inclusion rate :");
    m_settings = new PackageSettingsPanel(m_context.paths.settingsDatabase, m_context.messages,
                                          isNetToGross(kind), travelCaption, this);
    m_settings->placeAtTwips(240, places.settingsTop);
    const tax::SetupRecord setup = loadSettings();
    m_settings->setSettings(setup, settingsWereRead());
    adoptPanel(m_settings);
    addButton(QStringLiteral("cmdSettings"), QStringLiteral("&Settings"),
              [this] { m_settings->open(); });
    connect(m_settings, &OverlayPanel::closed, this, [this] { calculate(); });

    report::PrintPanel::Options options;
    options.objectName = QStringLiteral("Frame1");
    options.nameField = true;
    options.nameCaption = QStringLiteral("Taxpayer's name :(max50Chrs.");
    setPrinting(PrintPattern::PanelThenWrite, options, [this] {
        calculate();
        return true;
    });
    printPanel()->placeAtTwips(240, places.printTop);

    buildRaPanel();
    m_raPanel->placeAtTwips(240, places.raTop);
    QPushButton *ra = addButton(QStringLiteral("cmdRAExpl"), QStringLiteral("&R/A Explained"),
                                [this] { openRaPanel(); });
    // The monthly gross-to-net window keeps the button out of reach, beyond its right edge.
    ra->setVisible(kind != PackageWindow::GrossMonthly);
    addCloseButton(QStringLiteral("cmdOk"), QStringLiteral("&OK"));
    finishLayout();

    m_results = initialResults(kind, m_inputs);
    form().showInputs();
    form().showResults();
}

const tax::SetupRecord &PackageCalcWindow::settings() const {
    return m_settings->settings();
}

FieldTable PackageCalcWindow::fieldTable() {
    const bool net = isNetToGross(m_kind);
    const bool monthly = isMonthly(m_kind);
    const tax::FieldRange amount = tax::kPackageAmount;
    const auto cash = [&](const char *name, const char *caption, double &target) {
        return money(QString::fromLatin1(name), QString::fromLatin1(caption), target, amount);
    };
    const auto shown = [](const QString &name, const char *caption, const double &source) {
        return inColumn(result(name, QString::fromLatin1(caption), source), 0);
    };
    const auto cost = [](FieldRow fieldRow) {
        fieldRow.caption.clear();
        return inColumn(std::move(fieldRow), kCostColumn);
    };
    const auto copy = [&](const QString &name, const double &source) {
        return cost(result(name, {}, source));
    };
    const char *first =
        net ? (monthly ? "Net monthly salary required" : "Net annual salary required")
            : "Total package amount";
    const char *members = monthly ? "Med. aid fund beneficiaries" : "Medical beneficiaries months";
    const char *levy =
        m_kind == PackageWindow::GrossMonthly ? "Skills Development Levy" : "Skills levy";

    FieldTable t{
        number(QStringLiteral("numAge"), QStringLiteral("Taxpayer's age"), m_inputs.Age,
               tax::kPackageCount),
        cash("numNetMonSalReq", first, m_inputs.Amount),
        cash("numCompCar", "Company car value", m_inputs.CarValue),
        cash("numTravAll", "Travel allowance", m_inputs.TravelAllowance),
        cash("numMedAidCont", "Med. aid fund contributions", m_inputs.MedAidEmployee),
        number(QStringLiteral("numPMems"), QString::fromLatin1(members), m_inputs.Beneficiaries,
               tax::kPackageCount),
        cash("numOTaxFB", "Other taxable f/benefits", m_inputs.OtherBenefits),
        cash("numRFundCont", "R/Fund (Pension, Prov, R/A) ", m_inputs.EmployeeFund),
    };
    if (net)
        t.push_back(cash("numMedDeduct", "Medical deductions", m_inputs.MedicalDeductions));
    t.push_back(shown(QStringLiteral("numUIFCont"), "UIF contribution", m_results.EmpUIF));
    // The levy is the company's: its row caption stands left, its figure in the cost column.
    t.push_back(shown(QStringLiteral("numCCSkillLev"), levy, m_results.SDL));
    t.push_back(shown(QStringLiteral("numMAns"), "Tax due", m_results.TaxDue));
    t.push_back(shown(QStringLiteral("numTaxCredit"), "Tax credit", m_results.TaxCredits));
    t.push_back(shown(QStringLiteral("numTaxDeduct"), "Tax deduction", m_results.TaxDeduction));
    for (int i = 0; i < 4; ++i) {
        ExpenseLine &line = m_inputs.Expenses[static_cast<std::size_t>(i)];
        const QString expense = QStringLiteral("Other expense %1").arg(i + 1);
        t.push_back(spoken(text(member("txtOtherDet", i),
                                i == 0 ? QStringLiteral("Other Expenses :") : QString(),
                                line.description, tax::kPackageExpenseTextLength),
                           expense));
        FieldRow amountRow = money(member("numOtherDet", i), {}, line.amount, amount);
        t.push_back(spoken(beside(std::move(amountRow)), expense + QStringLiteral(" amount")));
    }
    t.push_back(
        net ? shown(QStringLiteral("numGrossSal"), "Gross salary", m_results.GrossSalary)
            : shown(QStringLiteral("numGrossSal"), "Net salary(take-home)", m_results.NetPay));
    t.push_back(
        shown(QStringLiteral("numTotCostComp"), "Total cost to company R", m_results.TotalCost));

    // The "Cost to company" column: inputs of the company's side and live copies.
    if (!net)
        t.push_back(copy(QStringLiteral("numCCNetMonSalReq"), m_inputs.Amount));
    t.push_back(cost(cash("numCCCompCar", "", m_inputs.CarCost)));
    t.push_back(copy(QStringLiteral("numCCTravAll"), m_inputs.TravelAllowance));
    t.push_back(cost(cash("numCCMedAidCont", "", m_inputs.MedAidEmployer)));
    t.push_back(copy(QStringLiteral("numCCOTaxFB"), m_inputs.OtherBenefits));
    t.push_back(cost(cash("numCCRFundCont", "", m_inputs.EmployerFund)));
    t.push_back(copy(QStringLiteral("numCCUIFCont"), m_results.ErUIF));
    for (int i = 0; i < 4; ++i)
        t.push_back(copy(member("numOtherDetCC", i),
                         m_inputs.Expenses[static_cast<std::size_t>(i)].amount));
    return t;
}

// Each field of the company's column moves onto the row of the left field it belongs to, so
// the two columns read across; the copies follow their field as it is typed.
void PackageCalcWindow::placeCostColumn() {
    QGridLayout *left = form().column(0);
    QGridLayout *right = form().column(kCostColumn);
    const auto rowOf = [left](QWidget *w) {
        int row = 0, column = 0, rows = 0, columns = 0;
        left->getItemPosition(left->indexOf(w), &row, &column, &rows, &columns);
        return row;
    };
    const auto move = [&](const QString &name, const QString &anchor) {
        QWidget *w = form().widget(name);
        const int row = rowOf(form().widget(anchor));
        right->removeWidget(w);
        left->removeWidget(w);
        left->addWidget(w, row, kCostGridColumn, Qt::AlignRight);
        // Its row's caption stands left of the employee's figure: the company's is named after it.
        if (name != anchor)
            w->setAccessibleName(QStringLiteral("Cost to company: ") + form().spokenName(anchor));
        // A row whose only figure moved keeps no "R" on the left.
        if (name == anchor)
            if (QLayoutItem *r = left->itemAtPosition(row, 1); r && r->widget())
                r->widget()->hide();
    };
    // The R before each company amount stays with its field.
    for (int i = right->count() - 1; i >= 0; --i)
        if (auto *r = qobject_cast<QLabel *>(right->itemAt(i)->widget()))
            r->hide();
    const bool net = isNetToGross(m_kind);
    const auto name = [](const char *n) { return QString::fromLatin1(n); };
    if (!net)
        move(name("numCCNetMonSalReq"), name("numNetMonSalReq"));
    move(name("numCCCompCar"), name("numCompCar"));
    move(name("numCCTravAll"), name("numTravAll"));
    move(name("numCCMedAidCont"), name("numMedAidCont"));
    move(name("numCCOTaxFB"), name("numOTaxFB"));
    move(name("numCCRFundCont"), name("numRFundCont"));
    move(name("numCCUIFCont"), name("numUIFCont"));
    move(name("numCCSkillLev"), name("numCCSkillLev"));
    move(name("numTotCostComp"), name("numTotCostComp"));
    for (int i = 0; i < 4; ++i)
        move(member("numOtherDetCC", i), member("numOtherDet", i));

    auto *frame = new QGroupBox(QStringLiteral("Cost to company"), this);
    frame->setObjectName(QStringLiteral("fraCostToCompany"));
    left->addWidget(frame, 0, kCostGridColumn, rowOf(form().widget(name("numTotCostComp"))), 1);
    frame->lower();

    if (!net)
        linkCopy(name("numNetMonSalReq"), name("numCCNetMonSalReq"));
    linkCopy(name("numTravAll"), name("numCCTravAll"));
    linkCopy(name("numOTaxFB"), name("numCCOTaxFB"));
    for (int i = 0; i < 4; ++i)
        linkCopy(member("numOtherDet", i), member("numOtherDetCC", i));
}

void PackageCalcWindow::linkCopy(const QString &input, const QString &copy) {
    ResultField *target = form().resultField(copy);
    connect(form().numeric(input), &NumericEdit::valueChanged, target, &ResultField::setValue);
}

QWidget *PackageCalcWindow::buildFooter() {
    auto *footer = new QWidget(this);
    auto *rows = new QVBoxLayout(footer);
    rows->setContentsMargins(0, 0, 0, 0);
    m_onceOff = new QWidget(footer);
    auto *onceOff = new QVBoxLayout(m_onceOff);
    onceOff->setContentsMargins(0, 0, 0, 0);
    auto *first = new QHBoxLayout;
    first->addWidget(label(QStringLiteral("sivbLB1_11"),
                           QStringLiteral("(plus a \"once-off\" cost of R"), m_onceOff));
    auto *figure = new ResultField(QStringLiteral("0.00"), m_onceOff);
    figure->setObjectName(QStringLiteral("numOnceOff"));
    figure->setDisplayWidth(14);
    figure->setAccessibleName(QStringLiteral("Once-off cost of the company car"));
    first->addWidget(figure);
    first->addStretch();
    onceOff->addLayout(first);
    onceOff->addWidget(label(QStringLiteral("sivbLB1_5"),
                             QStringLiteral("for the company car and this does not include "
                                            "fuel, maintenance etc)."),
                             m_onceOff));
    rows->addWidget(m_onceOff);
    m_warning =
        label(isNetToGross(m_kind) ? QStringLiteral("Label1_31") : QStringLiteral("Label1_32"),
              QStringLiteral("R/Fund contributions exceed allowable limits!"), footer);
    m_warning->setStyleSheet(QStringLiteral("color: red; font-weight: bold;"));
    rows->addWidget(m_warning);
    m_onceOff->hide();
    m_warning->hide();
    return footer;
}

void PackageCalcWindow::buildRaPanel() {
    m_raPanel = new OverlayPanel(QStringLiteral("R/A Explained(Annual Figures Shown)"), this);
    m_raPanel->setObjectName(QStringLiteral("Frame4"));
    auto *rows = new QVBoxLayout(m_raPanel);
    const auto fixed = [&](const char *text) {
        rows->addWidget(new QLabel(QString::fromLatin1(text), m_raPanel));
    };
    fixed("The maximum R/A contribution allowed is the greater between A, B or C.");
    fixed("A:  R 3 500 less employee pension contributions ");
    m_raLineA = label(QStringLiteral("Label2_4"), {}, m_raPanel);
    rows->addWidget(m_raLineA);
    fixed("B: R 1 750");
    fixed("C: 15% of non-retirement funding income. ");
    m_raLineC = label(QStringLiteral("Label2_5"), {}, m_raPanel);
    rows->addWidget(m_raLineC);
    auto *ok = new QPushButton(QStringLiteral("&OK"), m_raPanel);
    ok->setObjectName(QStringLiteral("cmdRAOK"));
    rows->addWidget(ok, 0, Qt::AlignRight);
    m_raPanel->setDefaultButton(ok);
    m_raPanel->setFocusTarget(ok);
    connect(ok, &QPushButton::clicked, m_raPanel, &OverlayPanel::dismiss);
    m_raPanel->hide();
}

void PackageCalcWindow::openRaPanel() {
    commitFocusedField();
    const RaLines lines = raLines(m_kind, m_inputs, settings(), m_results);
    m_raLineA->setText(lines.lineA);
    m_raLineC->setText(lines.lineC);
    m_raPanel->open();
}

bool PackageCalcWindow::calculate() {
    commitFocusedField();
    BusyCursor busy;
    tax::TaxLookup &lookup = m_context.state.taxLookup;
    switch (m_kind) {
    case PackageWindow::GrossAnnual:
        m_results = calculateGrossAnnual(m_inputs, settings(), m_results, lookup);
        break;
    case PackageWindow::GrossMonthly:
        m_results = calculateGrossMonthly(m_inputs, settings(), m_results, lookup);
        break;
    case PackageWindow::NetAnnual:
        m_results = calculateNetAnnual(m_inputs, settings(), m_results, lookup);
        break;
    case PackageWindow::NetMonthly:
        m_results = calculateNetMonthly(m_inputs, settings(), m_results, lookup);
        break;
    }
    showOutcome();
    const QString message = m_results.message();
    if (!message.isEmpty())
        m_context.messages.inform(this, message, {}, MessageService::Icon::None);
    return true;
}

void PackageCalcWindow::showOutcome() {
    // The calculation writes some of its working values back into their input fields.
    const auto writeBack = [this](const char *name, double value, double current) {
        if (value != current)
            form().numeric(QString::fromLatin1(name))->setValue(value);
    };
    writeBack("numRFundCont", m_results.EmployeeFund, m_inputs.EmployeeFund);
    writeBack("numCCRFundCont", m_results.EmployerFund, m_inputs.EmployerFund);
    writeBack("numPMems", m_results.Beneficiaries, m_inputs.Beneficiaries);
    if (isNetToGross(m_kind))
        writeBack("numMedDeduct", m_results.MedicalDeductions, m_inputs.MedicalDeductions);
    form().showResults();
    m_onceOff->setVisible(m_results.onceOffShown);
    findChild<ResultField *>(QStringLiteral("numOnceOff"))->setValue(m_results.OnceOff);
    m_warning->setVisible(m_results.warning);
    findChild<QPushButton *>(QStringLiteral("cmdPrint"))->setEnabled(m_results.printEnabled);
}

std::optional<report::PrintJob> PackageCalcWindow::printJob(std::optional<report::PrintLanguage>) {
    return report::singleRecordJob(
        kSalPackageTable,
        salPackageRecord(m_kind, m_inputs, m_results, printPanel()->employeeName()),
        layoutFile(m_kind), previewTitle(m_kind));
}

} // namespace quillon::package

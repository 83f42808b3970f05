#include "package/PackageCalcWindow.h"

#include "controls/BusyCursor.h"
#include "controls/DescribedRows.h"
#include "controls/Form.h"
#include "controls/MessageService.h"
#include "controls/NumericEdit.h"
#include "controls/ResultField.h"
#include "forms/ProgramState.h"
#include "package/GrossToNet.h"
#include "package/NetToGross.h"
#include "package/PackageFields.h"
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

QLabel *label(const QString &name, const QString &text, QWidget *parent) {
    auto *l = new QLabel(text, parent);
    l->setObjectName(name);
    return l;
}

// A read-only copy of an input, showing what the input's field holds.
FieldRow copyOf(const FieldRow &input, const QString &name) {
    FieldRow copy;
    copy.name = name;
    copy.kind = FieldKind::Result;
    copy.range = {u"0.00", 0, 0};
    copy.rand = true;
    copy.width = 14;
    copy.binding.number = input.binding.number;
    return copy;
}

} // namespace

PackageCalcWindow::PackageCalcWindow(const AppContext &context, PackageWindow kind,
                                     const QString &name, const QString &caption, QWidget *parent)
    : CalculatorWindow(context, name, caption, parent), m_kind(kind) {
    setFields(fieldTable());
    frameCostColumn();
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

    m_results = initialResults(kind, m_entry.fields);
    form().showInputs();
    form().showResults();
}

const tax::SetupRecord &PackageCalcWindow::settings() const {
    return m_settings->settings();
}

FieldTable PackageCalcWindow::fieldTable() {
    FieldTable t = describedRows(packageDescription(m_kind), m_entry, m_results);
    const bool net = isNetToGross(m_kind);
    const auto n = [](const char *name) { return QString::fromLatin1(name); };
    const auto line = [](const char *name, int i) -> QString {
        return QString::fromLatin1(name) + QString::number(i);
    };

    // The results stand in the left column among the fields; the company's figures across.
    placeInColumn(t,
                  {n("numUIFCont"), n("numCCUIFCont"), n("numCCSkillLev"), n("numMAns"),
                   n("numTaxCredit"), n("numTaxDeduct"), n("numGrossSal"), n("numTotCostComp")},
                  0);
    QString previous = net ? n("numMedDeduct") : n("numRFundCont");
    for (const char *name :
         {"numUIFCont", "numCCSkillLev", "numMAns", "numTaxCredit", "numTaxDeduct"}) {
        placeAfter(t, n(name), previous);
        previous = n(name);
    }
    for (int i = 0; i < 4; ++i) {
        rowNamed(t, line("txtOtherDet", i)).spokenName =
            QStringLiteral("Other expense %1").arg(i + 1);
        placeBeside(t, line("numOtherDet", i), line("txtOtherDet", i));
    }
    // The company's own amounts are typed after every field of the employee.
    previous = n("numTotCostComp");
    for (const char *name : {"numCCCompCar", "numCCMedAidCont", "numCCRFundCont"}) {
        placeAfter(t, n(name), previous);
        previous = n(name);
    }

    // The "Cost to company" column: the company's inputs and results, and live copies.
    m_copies.clear();
    if (!net)
        m_copies.push_back({n("numNetMonSalReq"), n("numCCNetMonSalReq")});
    m_copies.push_back({n("numTravAll"), n("numCCTravAll")});
    m_copies.push_back({n("numOTaxFB"), n("numCCOTaxFB")});
    for (int i = 0; i < 4; ++i)
        m_copies.push_back({line("numOtherDet", i), line("numOtherDetCC", i)});
    for (const auto &[input, copy] : m_copies) {
        t.push_back(copyOf(rowNamed(t, input), copy));
        placeAcross(t, copy, input);
    }
    placeAcross(t, n("numCCCompCar"), n("numCompCar"));
    placeAcross(t, n("numCCMedAidCont"), n("numMedAidCont"));
    placeAcross(t, n("numCCRFundCont"), n("numRFundCont"));
    placeAcross(t, n("numCCUIFCont"), n("numUIFCont"));
    placeAcross(t, n("numCCSkillLev"), n("numCCSkillLev"));
    placeAcross(t, n("numTotCostComp"), n("numTotCostComp"));
    return t;
}

// The company's column reads across from the employee's: each figure is named after its row,
// copies follow their field as it is typed, and a frame stands around the column.
void PackageCalcWindow::frameCostColumn() {
    for (const FieldRow &fieldRow : form().fields())
        if (!fieldRow.across.isEmpty() && fieldRow.across != fieldRow.name)
            form()
                .widget(fieldRow.name)
                ->setAccessibleName(QStringLiteral("Cost to company: ") +
                                    form().spokenName(fieldRow.across));
    for (const auto &[input, copy] : m_copies)
        connect(form().numeric(input), &NumericEdit::valueChanged, form().resultField(copy),
                &ResultField::setValue);

    auto *frame = new QGroupBox(QStringLiteral("Cost to company"), this);
    frame->setObjectName(QStringLiteral("fraCostToCompany"));
    const auto [totalRow, column] = form().gridCell(QStringLiteral("numTotCostComp"));
    form().column(0)->addWidget(frame, 0, column, totalRow, 1);
    frame->lower();
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
    const RaLines lines = raLines(m_kind, m_entry.fields, settings(), m_results);
    m_raLineA->setText(QString::fromLatin1(lines.lineA));
    m_raLineC->setText(QString::fromLatin1(lines.lineC));
    m_raPanel->open();
}

bool PackageCalcWindow::calculate() {
    commitFocusedField();
    BusyCursor busy;
    tax::TaxLookup &lookup = m_context.state.taxLookup;
    switch (m_kind) {
    case PackageWindow::GrossAnnual:
        m_results = calculateGrossAnnual(m_entry.fields, settings(), m_results, lookup);
        break;
    case PackageWindow::GrossMonthly:
        m_results = calculateGrossMonthly(m_entry.fields, settings(), m_results, lookup);
        break;
    case PackageWindow::NetAnnual:
        m_results = calculateNetAnnual(m_entry.fields, settings(), m_results, lookup);
        break;
    case PackageWindow::NetMonthly:
        m_results = calculateNetMonthly(m_entry.fields, settings(), m_results, lookup);
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
    writeBack("numRFundCont", m_results.EmployeeFund, m_entry.fields.EmployeeFund);
    writeBack("numCCRFundCont", m_results.EmployerFund, m_entry.fields.EmployerFund);
    writeBack("numPMems", m_results.Beneficiaries, m_entry.fields.Beneficiaries);
    if (isNetToGross(m_kind))
        writeBack("numMedDeduct", m_results.MedicalDeductions, m_entry.fields.MedicalDeductions);
    form().showResults();
    m_onceOff->setVisible(m_results.onceOffShown);
    findChild<ResultField *>(QStringLiteral("numOnceOff"))->setValue(m_results.OnceOff);
    m_warning->setVisible(m_results.warning);
    findChild<QPushButton *>(QStringLiteral("cmdPrint"))->setEnabled(m_results.printEnabled);
}

std::optional<report::PrintJob> PackageCalcWindow::printJob(std::optional<report::PrintLanguage>) {
    return report::singleRecordJob(
        kSalPackageTable,
        salPackageRecord(m_kind, m_entry.fields, m_results, printPanel()->employeeName()),
        layoutFile(m_kind), previewTitle(m_kind));
}

} // namespace quillon::package

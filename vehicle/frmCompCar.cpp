#include "vehicle/frmCompCar.h"

#include "controls/DateEdit.h"
#include "controls/DateRange.h"
#include "controls/Form.h"
#include "controls/MessageService.h"
#include "controls/NumericEdit.h"
#include "report/PrintPanel.h"
#include "taxengine/TaxYear.h"
#include "vehicle/CompCarList.h"
#include "vehicle/CompCarReport.h"
#include "vehicle/VehicleMessages.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalBlocker>

namespace quillon::vehicle {

namespace {

const std::pair<CompCarControl, const char *> kButtons[] = {
    {CompCarControl::Ok, "cmdOk"},           {CompCarControl::Add, "cmdAdd"},
    {CompCarControl::Delete, "cmdDelete"},   {CompCarControl::Back, "cmdBack"},
    {CompCarControl::Forward, "cmdForward"}, {CompCarControl::Calculate, "cmdCalculate"},
    {CompCarControl::Print, "cmdPrint"},
};

} // namespace

frmCompCar::frmCompCar(const AppContext &context, QWidget *parent)
    : CalculatorWindow(context, QStringLiteral("frmCompCar"), kCompCarWindowCaption, parent),
      m_list(context.state.memory<vehicle::CompCarList>()) {
    setFields(fieldTable());
    addBelowColumns(buildChecks());
    addButton(QStringLiteral("cmdBack"), QStringLiteral("&Back"), [this] { move(-1); });
    addButton(QStringLiteral("cmdAdd"), QStringLiteral("&Add"), [this] { add(); });
    addButton(QStringLiteral("cmdDelete"), QStringLiteral("&Delete"), [this] { remove(); });
    addButton(QStringLiteral("cmdForward"), QStringLiteral("&Forward"), [this] { move(1); });
    addButton(QStringLiteral("cmdCalculate"), QStringLiteral("&Calculate"),
              [this] { calculate(); });
    report::PrintPanel::Options options;
    options.objectName = QStringLiteral("Frame1");
    setPrinting(PrintPattern::PanelThenWrite, options, [this] {
        calculate();
        return true;
    });
    addCloseButton(QStringLiteral("cmdOk"), QStringLiteral("&Ok"));
    finishLayout();
    // A closed print panel gives the buttons back; the gate decides which.
    connect(printPanel(), &OverlayPanel::closed, this, [this] {
        if (m_list.CMVMaxNum == 0)
            applyGate(gateAfterDeletingLast());
        else
            applyRegistrationGate();
    });

    // The registration number typed decides which controls are usable.
    connect(qobject_cast<QLineEdit *>(form().widget(QStringLiteral("txtCCRegNumber"))),
            &QLineEdit::textEdited, this, [this](const QString &registration) {
                applyGate(registrationGate(registration, m_list.CMVMaxNum));
            });

    DateEdit *start = form().dateEdit(QStringLiteral("dtCCStartDate"));
    DateRange::Messages messages{[] { return kStartDateMessage; },
                                 [start] { return endDateMessage(start->text()); },
                                 kIncorrectDateTitle};
    m_dates =
        new DateRange(start, form().dateEdit(QStringLiteral("dtCCEndDate")), tax::taxYearStart(),
                      tax::taxYearEnd(), std::move(messages), m_context.messages, this);
    m_dates->narrowOnFocus();

    orderTabs({QStringLiteral("txtCCRegNumber"),
               QStringLiteral("chkBussMilage"),
               QStringLiteral("txtCCMake"),
               QStringLiteral("txtCCModel"),
               QStringLiteral("txtYearOfManfact"),
               QStringLiteral("numCCPrice"),
               QStringLiteral("chkMaintIncluded"),
               QStringLiteral("dtCCStartDate"),
               QStringLiteral("dtCCEndDate"),
               QStringLiteral("numEndMileage"),
               QStringLiteral("numStartMileage"),
               QStringLiteral("numTotalDistance"),
               QStringLiteral("numBusDistance"),
               QStringLiteral("numActual3802"),
               QStringLiteral("numFB3802ThisCar"),
               QStringLiteral("chkAutoCalc3802"),
               QStringLiteral("numActualExpEmployee"),
               QStringLiteral("chkSARSTable"),
               QStringLiteral("numFuelReimbEmployer"),
               QStringLiteral("numEmpPaidInsurance"),
               QStringLiteral("numEmpPaidLicence"),
               QStringLiteral("numEmpPaidMaintenance")});

    const std::optional<CompCarScreen> opened = openCompanyCars(m_list);
    if (opened)
        showScreen(*opened);
    showVehicle();
    applyRegistrationGate();
}

void frmCompCar::showScreen(const CompCarScreen &screen) {
    m_screen = screen;
}

void frmCompCar::showVehicle() {
    CompCarRecord &car = m_list.current();
    const auto tick = [this](const QString &name, bool on) {
        const QSignalBlocker quiet(m_checks.value(name));
        m_checks.value(name)->setChecked(on);
    };
    for (const auto &f : compCarVehicleDescription().inputs) {
        if (f.name.isEmpty())
            continue;
        if (f.kind == tax::ValueKind::Text)
            qobject_cast<QLineEdit *>(form().widget(f.name))
                ->setText(*std::get<QString *>(f.slot(car)));
        else if (f.kind == tax::ValueKind::Flag)
            tick(f.name, flagIn(f, car) == 1);
    }
    const auto &autoSplit =
        fieldNamed(compCarListDescription().inputs, QStringLiteral("chkAutoCalc3802"));
    tick(autoSplit.name, flagIn(autoSplit, m_list) == 1);
    m_checks.value(QStringLiteral("chkAutoCalc3802"))->setVisible(m_list.CMVMaxNum > 1);
    form().showInputs();
    form().showResults();
    setWindowTitle(compCarCaption(m_list));
}

void frmCompCar::applyGate(const CompCarGate &gate) {
    QWidget *registration = form().widget(QStringLiteral("txtCCRegNumber"));
    const bool others = gate.enabled.testFlag(CompCarControl::Others);
    for (int c = 0; c < form().columnCount(); ++c) {
        QGridLayout *grid = form().column(c);
        for (int i = 0; i < grid->count(); ++i) {
            QWidget *w = grid->itemAt(i)->widget();
            if (!w)
                continue;
            auto *label = qobject_cast<QLabel *>(w);
            const bool isRegistration =
                w == registration || (label && label->buddy() == registration);
            w->setEnabled(isRegistration ? gate.enabled.testFlag(CompCarControl::Registration)
                                         : others);
        }
    }
    for (QCheckBox *box : std::as_const(m_checks))
        box->setEnabled(others);
    if (others)
        form().widget(QStringLiteral("numFB3802ThisCar"))->setEnabled(m_list.AutoCalc3802 == 0);
    for (const auto &[flag, name] : kButtons)
        findChild<QPushButton *>(QString::fromLatin1(name))
            ->setEnabled(gate.enabled.testFlag(flag));
    if (gate.focusRegistration)
        form().focus(QStringLiteral("txtCCRegNumber"));
}

void frmCompCar::applyRegistrationGate() {
    applyGate(registrationGate(m_list.current().CCRegNumber, m_list.CMVMaxNum));
}

bool frmCompCar::calculate() {
    commitFocusedField();
    // The typed vehicle becomes one of the list only on Add; until then there is nothing to work
    // out (its figures would show a negative private distance).
    if (m_list.CMVMaxNum == 0) {
        if (!m_closing)
            m_context.messages.inform(this, kAddBeforeCalculateMessage, {},
                                      MessageService::Icon::Information);
        return false;
    }
    showScreen(calculateCompanyCars(m_list));
    form().showInputs();
    form().showResults();
    return true;
}

void frmCompCar::add() {
    commitFocusedField();
    if (!addCompanyCar(m_list))
        return;
    showScreen(calculateCompanyCars(m_list));
    showVehicle();
    applyGate(gateAfterAdd());
}

void frmCompCar::remove() {
    if (!deleteCompanyCar(m_list))
        return;
    if (m_list.CMVMaxNum > 0)
        showScreen(calculateCompanyCars(m_list));
    else
        showScreen({});
    showVehicle();
    if (m_list.CMVMaxNum == 0)
        applyGate(gateAfterDeletingLast());
    else
        applyRegistrationGate();
}

void frmCompCar::move(int step) {
    commitFocusedField();
    showScreen(moveCompanyCar(m_list, step));
    showVehicle();
    applyRegistrationGate();
}

std::optional<report::PrintJob> frmCompCar::printJob(std::optional<report::PrintLanguage>) {
    report::PrintJob job;
    job.tables = {compCarPrintData(m_list)};
    job.layoutName = kCompCarLayout;
    job.previewTitle = kCompCarPreviewTitle;
    return job;
}

// However the window goes, the list keeps the figures of a last calculation; a refused end
// date keeps it open until the period is put right.
void frmCompCar::closeEvent(QCloseEvent *event) {
    if (!m_closing) {
        m_closing = true;
        calculate();
        if (m_dates->endRefusalPending()) {
            m_closing = false;
            event->ignore();
            m_context.messages.inform(this, kPendingDatesMessage, kIncorrectDateTitle,
                                      MessageService::Icon::Critical);
            form().focus(QStringLiteral("dtCCStartDate"));
            return;
        }
    }
    CalculatorWindow::closeEvent(event);
}

} // namespace quillon::vehicle

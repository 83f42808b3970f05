#include "vehicle/frmCompCar.h"

#include "controls/DescribedRows.h"
#include "controls/Form.h"
#include "controls/NumericEdit.h"

#include <QCheckBox>
#include <QGridLayout>

// The field table and the check boxes of the company car window.
namespace quillon::vehicle {

namespace {

QString at80(const QString &caption) {
    return caption + QStringLiteral(" at 80%");
}

} // namespace

// The vehicle on screen changes as the user moves through the list: its fields find their place
// in whichever vehicle is current each time they are read or written.
FieldBinding frmCompCar::onCurrentVehicle(const tax::SlotOf<CompCarRecord> &place) {
    const auto now = [this, place] { return bindingTo(place(m_list.current())); };
    const FieldBinding kind = now();
    FieldBinding b;
    if (kind.setNumber)
        b.setNumber = [now](double v) { now().setNumber(v); };
    if (kind.number)
        b.number = [now] { return now().number(); };
    if (kind.setDate)
        b.setDate = [now](const QDate &d) { now().setDate(d); };
    if (kind.date)
        b.date = [now] { return now().date(); };
    if (kind.setText)
        b.setText = [now](const QString &t) { now().setText(t); };
    return b;
}

FieldTable frmCompCar::fieldTable() {
    const CompCarVehicleDescription &vehicle = compCarVehicleDescription();
    FieldTable table = describedRows(vehicle, m_list.current(), m_screen.current);
    for (const auto &f : vehicle.inputs) {
        if (f.name.isEmpty() || f.kind == tax::ValueKind::Flag)
            continue;
        FieldRow &fieldRow = rowNamed(table, f.name);
        fieldRow.binding = onCurrentVehicle(f.slot);
        // The vehicle's figures stand in narrower fields than the list's total.
        if (fieldRow.kind == FieldKind::Number)
            fieldRow.width = 8;
    }
    FieldTable list = describedRows(compCarListDescription(), m_list, m_screen);
    table.insert(table.end(), list.begin(), list.end());
    // Results are sized for a car's figures; a larger figure widens its field.
    for (FieldRow &fieldRow : table)
        if (fieldRow.kind == FieldKind::Result && fieldRow.rand)
            fieldRow.width = 11;

    // The vehicle and its distances; the code 3802 figures and the expenses, with the results
    // worked from them; the adjustment and the periodic fringe benefits.
    placeBelow(table, QStringLiteral("numCCMonths"), QStringLiteral("dtCCEndDate"));
    placeBelow(table, QStringLiteral("numPrivateDistance"), QStringLiteral("numBusDistance"));
    placeAfter(table, QStringLiteral("numActual3802"), QStringLiteral("numPrivateDistance"));
    placeAfter(table, QStringLiteral("numFB3802ThisCar"), QStringLiteral("numActual3802"));
    placeInColumn(table,
                  {QStringLiteral("numActual3802"), QStringLiteral("numFB3802ThisCar"),
                   QStringLiteral("numActualExpEmployee"), QStringLiteral("numFuelReimbEmployer"),
                   QStringLiteral("numEmpPaidInsurance"), QStringLiteral("numEmpPaidLicence"),
                   QStringLiteral("numEmpPaidMaintenance")},
                  1);
    // Two columns keep the window within 1000 pixels: the figures worked from the vehicle's own
    // entries stand under them, the fringe benefits and the list's totals under the expenses.
    placeInColumn(table,
                  {QStringLiteral("numTrueInclusion"), QStringLiteral("numFuelComponent"),
                   QStringLiteral("numFuelClaim"), QStringLiteral("numTotAddExpense")},
                  0);
    placeInColumn(table,
                  {QStringLiteral("numAdjustTaxableInc"), QStringLiteral("numAdjustTaxableIncSARS"),
                   QStringLiteral("numIRP53802"), QStringLiteral("numMonFB80"),
                   QStringLiteral("numFortFB80"), QStringLiteral("numWeekFB80"),
                   QStringLiteral("numTotAdjustTaxableInc"),
                   QStringLiteral("numTotAdjustTaxableIncSARS")},
                  1);
    // Each fringe benefit's two figures share one caption; each is spoken with its rate.
    for (const auto &[share80, share20] :
         {std::pair{u"numMonFB80", u"numMonFB20"}, std::pair{u"numFortFB80", u"numFortFB20"},
          std::pair{u"numWeekFB80", u"numWeekFB20"}}) {
        FieldRow &first = rowNamed(table, QString::fromUtf16(share80));
        first.spokenName = at80(first.caption);
        placeBeside(table, QString::fromUtf16(share20), QString::fromUtf16(share80));
    }
    rowNamed(table, QStringLiteral("numMonFB80")).columnHeads = {QStringLiteral("80%"),
                                                                 QStringLiteral("20%")};
    rowNamed(table, QStringLiteral("numActualExpEmployee")).heading =
        QStringLiteral("Fuel expenses paid by employee");
    rowNamed(table, QStringLiteral("numEmpPaidInsurance")).heading =
        QStringLiteral("Additional expenses paid by taxpayer");
    for (const char16_t *km : {u"numEndMileage", u"numStartMileage", u"numTotalDistance",
                               u"numBusDistance", u"numPrivateDistance"})
        rowNamed(table, QString::fromUtf16(km)).suffix = QStringLiteral("kms");
    return table;
}

QCheckBox *frmCompCar::addCheck(QWidget *parent, const QString &caption, const QString &name,
                                const QString &help) {
    auto *box = new QCheckBox(caption, parent);
    box->setObjectName(name);
    box->setToolTip(help);
    box->setAccessibleDescription(help);
    m_checks.insert(box->objectName(), box);
    return box;
}

QWidget *frmCompCar::buildChecks() {
    auto *strip = new QWidget(this);
    auto *grid = new QGridLayout(strip);
    grid->setContentsMargins(0, 0, 0, 0);
    // The vehicle's flags follow the vehicle on screen.
    const auto vehicleCheck = [this, strip](const QString &name) {
        const auto &f = fieldNamed(compCarVehicleDescription().inputs, name);
        QCheckBox *box = addCheck(strip, f.caption, f.name, f.help);
        connect(box, &QCheckBox::toggled, this,
                [this, flag = &f](bool on) { flagIn(*flag, m_list.current()) = on ? 1 : 0; });
        return box;
    };
    grid->addWidget(vehicleCheck(QStringLiteral("chkBussMilage")), 0, 0);
    grid->addWidget(vehicleCheck(QStringLiteral("chkMaintIncluded")), 1, 0);
    QCheckBox *table = vehicleCheck(QStringLiteral("chkSARSTable"));
    grid->addWidget(table, 0, 1);
    const auto &autoSplit =
        fieldNamed(compCarListDescription().inputs, QStringLiteral("chkAutoCalc3802"));
    QCheckBox *split = addCheck(strip, autoSplit.caption, autoSplit.name, autoSplit.help);
    grid->addWidget(split, 1, 1);

    // The fuel table replaces the employee's own fuel figure; leaving it drops its component.
    connect(table, &QCheckBox::toggled, this, [this](bool on) {
        if (on)
            form().numeric(QStringLiteral("numActualExpEmployee"))->setValue(0);
        else
            m_screen.current.FuelComponent = m_list.current().FuelComponent = 0;
        form().showResults();
    });
    connect(split, &QCheckBox::toggled, this, [this, flag = &autoSplit](bool on) {
        flagIn(*flag, m_list) = on ? 1 : 0;
        form().widget(QStringLiteral("numFB3802ThisCar"))->setEnabled(!on);
    });
    return strip;
}

} // namespace quillon::vehicle

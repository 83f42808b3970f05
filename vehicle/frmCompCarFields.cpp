#include "vehicle/frmCompCar.h"

#include "controls/Form.h"
#include "controls/NumericEdit.h"

#include <QCheckBox>
#include <QGridLayout>

// The field table and the check boxes of the company car window.
namespace quillon::vehicle {

FieldTable frmCompCar::fieldTable() {
    static double unbound = 0;
    const auto amount = [this](const char *name, const char *caption, double CompCarRecord::*member,
                               tax::FieldRange range, const char *unit, int column) {
        FieldRow fieldRow = inColumn(
            number(QString::fromLatin1(name), QString::fromLatin1(caption), unbound, range),
            column);
        fieldRow.binding.setNumber = [this, member](double v) { m_list.current().*member = v; };
        fieldRow.binding.number = [this, member] { return m_list.current().*member; };
        return withSuffix(fieldRow, QString::fromLatin1(unit));
    };
    const auto rand = [&](const char *name, const char *caption, double CompCarRecord::*member,
                          int column) {
        FieldRow fieldRow = amount(name, caption, member, tax::kWholeRand, "", column);
        fieldRow.rand = true;
        return fieldRow;
    };
    const auto km = [&](const char *name, const char *caption, double CompCarRecord::*member) {
        return amount(name, caption, member, tax::kWholeKm, "kms", 0);
    };
    const auto text = [](const char *name, const char *caption, int length) {
        static QString unused;
        return quillon::text(QString::fromLatin1(name), QString::fromLatin1(caption), unused,
                             length);
    };
    const auto day = [this](const char *name, const char *caption, DayNumber CompCarRecord::*m) {
        static QDate unused;
        FieldRow fieldRow = date(QString::fromLatin1(name), QString::fromLatin1(caption), unused);
        fieldRow.binding.setDate = [this, m](const QDate &d) {
            m_list.current().*m = d.toJulianDay();
        };
        fieldRow.binding.date = [this, m] { return QDate::fromJulianDay(m_list.current().*m); };
        return fieldRow;
    };
    const auto shown = [](const char *name, const char *caption, const double &source, int column,
                          bool money = true) {
        return inColumn(result(QString::fromLatin1(name), QString::fromLatin1(caption), source,
                               money ? u"0.00" : u"0", money),
                        column);
    };
    const auto pair = [&](const char *name80, const char *name20, const char *caption,
                          const double &share80, const double &share20) {
        // The two figures share one caption; each is spoken with its rate.
        const QString benefit = QString::fromLatin1(caption);
        return FieldTable{
            spoken(shown(name80, caption, share80, 2), benefit + QStringLiteral(" at 80%")),
            spoken(beside(shown(name20, "", share20, 2)), benefit + QStringLiteral(" at 20%"))};
    };
    FieldRow actual3802 = inColumn(money(QStringLiteral("numActual3802"),
                                         QStringLiteral("Total code 3802 f/benefits on IRP5's"),
                                         m_list.Actual3802, tax::kWholeRand),
                                   1);
    FieldTable table{
        text("txtCCRegNumber", "Vehicle registration number", 20),
        text("txtCCMake", "Car Make", 30),
        text("txtCCModel", "Car Model", 30),
        text("txtYearOfManfact", "Year of manufacture", 4),
        rand("numCCPrice", "Price of vehicle (incl VAT)", &CompCarRecord::CCPrice, 0),
        day("dtCCStartDate", "Start date", &CompCarRecord::CCStartDate),
        day("dtCCEndDate", "End date", &CompCarRecord::CCEndDate),
        shown("numCCMonths", "No of days", m_days, 0, false),
        km("numEndMileage", "End mileage", &CompCarRecord::EndMileage),
        km("numStartMileage", "Start mileage", &CompCarRecord::StartMileage),
        km("numTotalDistance", "Total distance", &CompCarRecord::TotalDistance),
        km("numBusDistance", "Business distance", &CompCarRecord::BusDistance),
        withSuffix(
            shown("numPrivateDistance", "Private distance", m_shown.PrivateDistance, 0, false),
            QStringLiteral("kms")),

        actual3802,
        rand("numFB3802ThisCar", "Code 3802 f/benefit for this car", &CompCarRecord::FB3802ThisCar,
             1),
        underHeading(rand("numActualExpEmployee", "Actual fuel expenses paid by the employee",
                          &CompCarRecord::ActualExpEmployee, 1),
                     QStringLiteral("Fuel expenses paid by employee")),
        rand("numFuelReimbEmployer", "Fuel expenses reimbursement by employer",
             &CompCarRecord::FuelReimbEmployer, 1),
        underHeading(rand("numEmpPaidInsurance", "Employee paid ALL insurance costs",
                          &CompCarRecord::EmpPaidInsurance, 1),
                     QStringLiteral("Additional expenses paid by taxpayer")),
        rand("numEmpPaidLicence", "Employee paid ALL licensing fees",
             &CompCarRecord::EmpPaidLicence, 1),
        rand("numEmpPaidMaintenance", "Employee paid ALL maintenance costs",
             &CompCarRecord::EmpPaidMaintenance, 1),
        shown("numTrueInclusion", "True inclusion amount\n(adjusted for private mileage)",
              m_shown.TrueInclusion, 1),
        shown("numFuelComponent", "Fuel component", m_shown.FuelComponent, 1),
        shown("numFuelClaim", "Fuel claim (adjusted for mileage)", m_shown.Arr_FuelClaim, 1),
        shown("numTotAddExpense", "Total additional expenses\n(adjusted for mileage)",
              m_shown.TotAddExpense, 1),

        shown("numTrueInclusion_1", "True inclusion amount", m_shown.TrueInclusion, 2),
        shown("numFuelExp", "Less fuel && expenses", m_shown.FuelExp, 2),
        shown("numAdjustTaxableInc", "Adjustment to taxable income", m_shown.AdjustTaxableInc, 2),
        shown("numAdjustTaxableIncSARS", "(SARS's claim awarded against taxable income)",
              m_shown.SARSDeductionClaim, 2),
        shown("numIRP53802", "IRP5 code 3802 amount for this car", m_shown.IRP53802, 2),
    };
    FieldTable monthly = pair("numMonFB80", "numMonFB20", "Monthly f/benefit amount for this car",
                              m_shown.MonFB80, m_shown.MonFB20);
    monthly.front() =
        underColumnHeads(monthly.front(), {QStringLiteral("80%"), QStringLiteral("20%")});
    for (FieldTable rows :
         {monthly,
          pair("numFortFB80", "numFortFB20", "Fortnightly f/benefit amount for this car",
               m_shown.FortFB80, m_shown.FortFB20),
          pair("numWeekFB80", "numWeekFB20", "Weekly f/benefit amount for this car",
               m_shown.WeekFB80, m_shown.WeekFB20)})
        table.insert(table.end(), rows.begin(), rows.end());
    table.push_back(
        shown("numTotAdjustTaxableInc", "Total Adjustment to taxable income", m_total, 2));
    table.push_back(shown("numTotAdjustTaxableIncSARS",
                          "(SARS's claim awarded against taxable income)", m_totalSars, 2));
    return table;
}

QCheckBox *frmCompCar::addCheck(QWidget *parent, const char *name, const char *caption,
                                std::int16_t CompCarRecord::*flag) {
    auto *box = new QCheckBox(QString::fromLatin1(caption), parent);
    box->setObjectName(QString::fromLatin1(name));
    m_checks.insert(box->objectName(), box);
    if (flag)
        connect(box, &QCheckBox::toggled, this,
                [this, flag](bool on) { m_list.current().*flag = on ? 1 : 0; });
    return box;
}

QWidget *frmCompCar::buildChecks() {
    auto *strip = new QWidget(this);
    auto *grid = new QGridLayout(strip);
    grid->setContentsMargins(0, 0, 0, 0);
    grid->addWidget(addCheck(strip, "chkBussMilage",
                             "Did you keep a log book detailing business mileage?",
                             &CompCarRecord::BussMilage),
                    0, 0);
    grid->addWidget(
        addCheck(strip, "chkMaintIncluded", "Maint. plan included?", &CompCarRecord::MaintIncluded),
        1, 0);
    QCheckBox *table = addCheck(strip, "chkSARSTable", "Or use SARS's cents/km fuel table?",
                                &CompCarRecord::SARSTable);
    grid->addWidget(table, 0, 1);
    QCheckBox *split = addCheck(strip, "chkAutoCalc3802", "Auto-calculate f/benefit splits", {});
    grid->addWidget(split, 1, 1);

    // The fuel table replaces the employee's own fuel figure; leaving it drops its component.
    connect(table, &QCheckBox::toggled, this, [this](bool on) {
        if (on)
            form().numeric(QStringLiteral("numActualExpEmployee"))->setValue(0);
        else
            m_shown.FuelComponent = m_list.current().FuelComponent = 0;
        form().showResults();
    });
    connect(split, &QCheckBox::toggled, this, [this](bool on) {
        m_list.AutoCalc3802 = on ? 1 : 0;
        form().widget(QStringLiteral("numFB3802ThisCar"))->setEnabled(!on);
    });
    return strip;
}

} // namespace quillon::vehicle

#include "package/PackageSettingsPanel.h"

#include "controls/Form.h"
#include "controls/MessageService.h"
#include "controls/NumericEdit.h"
#include "controls/SettingsGrid.h"
#include "controls/WholeNumberEdit.h"
#include "forms/SettingsSave.h"
#include "package/PackageSettings.h"
#include "taxengine/FieldRanges.h"
#include "taxengine/SettingsStore.h"

#include <QCoreApplication>
#include <QPushButton>
#include <QRadioButton>

namespace quillon::package {

namespace {

QRadioButton *option(const char *name, const char *caption, QWidget *parent) {
    auto *b = new QRadioButton(QString::fromLatin1(caption), parent);
    b->setObjectName(QString::fromLatin1(name));
    return b;
}

} // namespace

PackageSettingsPanel::PackageSettingsPanel(QString settingsPath, MessageService &messages,
                                           bool fundCeiling, const QString &travelCaption,
                                           QWidget *parent)
    : OverlayPanel(QStringLiteral("Setup"), parent), m_settingsPath(std::move(settingsPath)),
      m_messages(messages), m_fundCeiling(fundCeiling) {
    setObjectName(QStringLiteral("Frame3"));
    m_employeeFund = percent(QStringLiteral("numPenContPerc"), &tax::SetupRecord::PensionCont);
    m_employerFund =
        percent(QStringLiteral("numPenPercentage"), &tax::SetupRecord::EmployerPenCont);
    m_employeeUif = percent(QStringLiteral("numEmpEUIF"), &tax::SetupRecord::EmployeeUIF);
    m_employerUif = percent(QStringLiteral("numEmpRUIF"), &tax::SetupRecord::EmployerUIF);
    m_uifLimit = new WholeNumberEdit(this);
    m_uifLimit->setObjectName(QStringLiteral("numUIFLimit"));
    m_uifLimit->setDisplayWidth(8);
    connect(m_uifLimit, &NumericEdit::valueChanged, this, [this](double v) {
        if (!m_showing)
            m_record.UIFLimit = v;
    });
    m_skillLevy = percent(QStringLiteral("numSkillPercent"), &tax::SetupRecord::SkillLevy);
    m_travel80 = option("optTAIncRate80", "80%", this);
    m_travel20 = option("optTAIncRate20", "20%", this);
    m_car80 = option("optCompCarFBRate80", "80%", this);
    m_car20 = option("optCompCarFBRate20", "20%", this);
    m_planYes = option("optCompCarMPYes", "Yes", this);
    m_planNo = option("optCompCarMPNo", "No", this);
    auto *ok = new QPushButton(QStringLiteral("O&K"), this);
    ok->setObjectName(QStringLiteral("cmdSetupOK"));
    setDefaultButton(ok);

    SettingsGrid grid(this, m_messages);
    const QString pc = QStringLiteral("%");
    grid.addField(QStringLiteral("Employee R/Fund contributions"), m_employeeFund, {}, pc);
    grid.addField(QStringLiteral("Employer R/Fund contributions"), m_employerFund, {}, pc);
    grid.addField(QStringLiteral("Employee UIF portion"), m_employeeUif, {}, pc);
    grid.addField(QStringLiteral("Employer UIF portion"), m_employerUif, {}, pc);
    grid.addField(QStringLiteral("UIF monthly limit"), m_uifLimit, QStringLiteral("R"));
    grid.addField(QStringLiteral("Skills levy"), m_skillLevy, {}, pc);
    grid.addChoice(travelCaption, m_travel80, m_travel20);
    grid.addChoice(QStringLiteral("Company car fringe benefit rate "), m_car80, m_car20);
    grid.addChoice(QStringLiteral("Company car has maintenance plan "), m_planYes, m_planNo);
    grid.addButton(ok);

    // Toggled, so that a screen reader's "toggle" action chooses as a click does.
    auto pick = [this](QRadioButton *button, auto apply) {
        connect(button, &QRadioButton::toggled, this, [this, apply](bool on) {
            if (on)
                apply(m_record);
        });
    };
    pick(m_travel80, [](tax::SetupRecord &r) { r.TAIncRate8020 = 0.8; });
    pick(m_travel20, [](tax::SetupRecord &r) { r.TAIncRate8020 = 0.2; });
    pick(m_car80, [](tax::SetupRecord &r) { r.CompCarFBRate8020 = 0.8; });
    pick(m_car20, [](tax::SetupRecord &r) { r.CompCarFBRate8020 = 0.2; });
    pick(m_planYes, [](tax::SetupRecord &r) { r.CompCarMPYesNo = true; });
    pick(m_planNo, [](tax::SetupRecord &r) { r.CompCarMPYesNo = false; });
    connect(ok, &QPushButton::clicked, this, &PackageSettingsPanel::accept);
    setFocusTarget(m_employeeFund);
}

// Typing reaches the copy at once. The fund ceiling is kept once a fund percentage is
// committed: checked on every key, typing "20" after a 10 would clear both at the "2".
NumericEdit *PackageSettingsPanel::percent(const QString &name, double tax::SetupRecord::*field) {
    const tax::FieldRange range = tax::kPercent;
    auto *edit =
        new NumericEdit(QString::fromUtf16(range.pattern), range.minimum, range.maximum, this);
    edit->setObjectName(name);
    edit->setDisplayWidth(8);
    connect(edit, &NumericEdit::valueChanged, this, [this, field](double v) {
        if (!m_showing)
            m_record.*field = v;
    });
    const bool fund = name.startsWith(QStringLiteral("numPen"));
    connect(edit, &NumericEdit::committed, this, [this, edit, fund] {
        edit->deselect();
        if (fund)
            keepFundCeiling();
    });
    return edit;
}

void PackageSettingsPanel::keepFundCeiling() {
    if (!m_fundCeiling || !applyFundCeiling(m_record))
        return;
    showFigures();
    informAfterClick(m_messages, window(),
                     QStringLiteral("The employee's and the employer's R/Fund contributions "
                                    "together may not be more than 27.5%, so both are set to 0."),
                     QStringLiteral("R/Fund contributions"), MessageService::Icon::Warning);
}

void PackageSettingsPanel::opening() {
    m_opened = m_record;
}

// Escape leaves the figures as the panel found them: only "O&K" keeps a change.
void PackageSettingsPanel::escape() {
    m_record = m_opened;
    showFigures();
    showChoices();
    dismiss();
}

void PackageSettingsPanel::setSettings(const tax::SetupRecord &record, bool stored) {
    m_stored = stored;
    m_record = record;
    if (m_fundCeiling)
        applyFundCeiling(m_record);
    showFigures();
    showChoices();
}

// Showing the stored figures must not round the copy to the fields' decimals.
void PackageSettingsPanel::showFigures() {
    m_showing = true;
    m_employeeFund->setValue(m_record.PensionCont);
    m_employerFund->setValue(m_record.EmployerPenCont);
    m_employeeUif->setValue(m_record.EmployeeUIF);
    m_employerUif->setValue(m_record.EmployerUIF);
    m_uifLimit->setValue(m_record.UIFLimit);
    m_skillLevy->setValue(m_record.SkillLevy);
    m_showing = false;
}

void PackageSettingsPanel::showChoices() {
    const tax::RateOption travel = tax::rateOption(m_record.TAIncRate8020);
    SettingsGrid::select(m_travel80, m_travel20, travel == tax::RateOption::Eighty,
                         travel == tax::RateOption::Twenty);
    const tax::RateOption car = tax::rateOption(m_record.CompCarFBRate8020);
    SettingsGrid::select(m_car80, m_car20, car == tax::RateOption::Eighty,
                         car == tax::RateOption::Twenty);
    SettingsGrid::select(m_planYes, m_planNo, m_record.CompCarMPYesNo, !m_record.CompCarMPYesNo);
}

void PackageSettingsPanel::accept() {
    if (!Form::takeTypedFigures(this))
        return;
    keepFundCeiling();
    saveSettingsRow(
        m_settingsPath, m_stored,
        [this](tax::SettingsStore &store) { return store.writePackageSettings(m_record); },
        m_messages, window());
    release();
    QCoreApplication::processEvents();
    Q_EMIT closed();
}

} // namespace quillon::package

#include "paye/PeriodSettingsPanel.h"

#include "controls/Form.h"
#include "controls/MessageService.h"
#include "controls/NumericEdit.h"
#include "controls/SettingsGrid.h"
#include "controls/WholeNumberEdit.h"
#include "forms/SettingsSave.h"
#include "taxengine/SettingsStore.h"

#include <QCoreApplication>
#include <QPushButton>
#include <QRadioButton>

#include <algorithm>

namespace quillon::paye {

PeriodSettingsPanel::PeriodSettingsPanel(QString settingsPath, MessageService &messages,
                                         QWidget *parent)
    : OverlayPanel(QStringLiteral("Setup"), parent), m_settingsPath(std::move(settingsPath)),
      m_messages(messages) {
    setObjectName(QStringLiteral("Frame3"));

    auto percent = [this](const QString &name) {
        auto *edit = new NumericEdit(QStringLiteral("0.000"), 0, 100, this);
        edit->setObjectName(name);
        edit->setDisplayWidth(8);
        return edit;
    };
    m_employeeUif = percent(QStringLiteral("numEmpEUIF"));
    m_employerUif = percent(QStringLiteral("numEmpRUIF"));
    m_uifLimit = new WholeNumberEdit(this);
    m_uifLimit->setObjectName(QStringLiteral("numUIFLimit"));
    m_uifLimit->setDisplayWidth(8);
    m_skillLevy = percent(QStringLiteral("numSkillPercent"));
    m_rate80 = new QRadioButton(QStringLiteral("80%"), this);
    m_rate80->setObjectName(QStringLiteral("optTAIncRate80"));
    m_rate20 = new QRadioButton(QStringLiteral("20%"), this);
    m_rate20->setObjectName(QStringLiteral("optTAIncRate20"));
    m_ok = new QPushButton(QStringLiteral("O&K"), this);
    m_ok->setObjectName(QStringLiteral("cmdSetupOK"));
    setDefaultButton(m_ok);

    SettingsGrid grid(this, m_messages);
    grid.addField(QStringLiteral("Employee UIF portion"), m_employeeUif, {}, QStringLiteral("%"));
    grid.addField(QStringLiteral("Employer UIF portion"), m_employerUif, {}, QStringLiteral("%"));
    grid.addField(QStringLiteral("UIF monthly limit"), m_uifLimit, QStringLiteral("  R"));
    grid.addField(QStringLiteral("Skills levy"), m_skillLevy, {}, QStringLiteral("%"));
    grid.addChoice(QStringLiteral("Travel allowance inclusion rate :"), m_rate80, m_rate20);
    grid.addButton(m_ok);

    // Every edit reaches the window's copy at once; only "O&K" reaches the file.
    auto bind = [this](NumericEdit *edit, double tax::SetupRecord::*field) {
        connect(edit, &NumericEdit::valueChanged, this, [this, field](double v) {
            if (m_showing)
                return;
            m_record.*field = v;
            Q_EMIT settingsChanged();
        });
    };
    bind(m_employeeUif, &tax::SetupRecord::EmployeeUIF);
    bind(m_employerUif, &tax::SetupRecord::EmployerUIF);
    bind(m_uifLimit, &tax::SetupRecord::UIFLimit);
    bind(m_skillLevy, &tax::SetupRecord::SkillLevy);
    auto pick = [this](double rate) {
        m_record.TAIncRate8020 = rate;
        Q_EMIT settingsChanged();
    };
    // Toggled, so that a screen reader's "toggle" action chooses the rate as a click does.
    connect(m_rate80, &QRadioButton::toggled, this, [pick](bool on) {
        if (on)
            pick(0.8);
    });
    connect(m_rate20, &QRadioButton::toggled, this, [pick](bool on) {
        if (on)
            pick(0.2);
    });
    connect(m_ok, &QPushButton::clicked, this, &PeriodSettingsPanel::accept);
    setFocusTarget(m_employeeUif);
}

void PeriodSettingsPanel::setSettings(const tax::SetupRecord &record, bool stored) {
    m_record = record;
    m_stored = stored;
    // Showing the stored figures must not round the copy to the fields' decimals.
    m_showing = true;
    m_employeeUif->setValue(record.EmployeeUIF);
    m_employerUif->setValue(record.EmployerUIF);
    m_uifLimit->setValue(record.UIFLimit);
    m_skillLevy->setValue(record.SkillLevy);
    m_showing = false;
    showRate(record.TAIncRate8020);
}

void PeriodSettingsPanel::showRate(double rate) {
    const tax::RateOption option = tax::rateOption(rate);
    SettingsGrid::select(m_rate80, m_rate20, option == tax::RateOption::Eighty,
                         option == tax::RateOption::Twenty);
}

void PeriodSettingsPanel::opening() {
    m_opened = m_record;
}

// Escape leaves the figures as the panel found them: only "O&K" keeps a change.
void PeriodSettingsPanel::escape() {
    setSettings(m_opened, m_stored);
    dismiss();
}

void PeriodSettingsPanel::accept() {
    if (!Form::takeTypedFigures(this))
        return;
    saveSettingsRow(
        m_settingsPath, m_stored,
        [this](tax::SettingsStore &store) { return store.writePeriodSettings(m_record); },
        m_messages, window());
    // The window's buttons come back and pending events run before it recalculates.
    release();
    QCoreApplication::processEvents();
    Q_EMIT closed();
}

} // namespace quillon::paye

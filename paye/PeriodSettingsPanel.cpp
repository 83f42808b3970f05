#include "paye/PeriodSettingsPanel.h"

#include "controls/Form.h"
#include "controls/MessageService.h"
#include "controls/NumericEdit.h"
#include "controls/WholeNumberEdit.h"
#include "forms/SettingsSave.h"
#include "taxengine/SettingsStore.h"

#include <QButtonGroup>
#include <QCoreApplication>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>

#include <algorithm>

namespace quillon::paye {

namespace {

QLabel *label(const QString &text, QWidget *parent, Qt::Alignment align = Qt::AlignLeft) {
    auto *l = new QLabel(text, parent);
    l->setAlignment(align | Qt::AlignVCenter);
    return l;
}

} // namespace

PeriodSettingsPanel::PeriodSettingsPanel(QString settingsPath, MessageService &messages,
                                         QWidget *parent)
    : OverlayPanel(QStringLiteral("Setup"), parent), m_settingsPath(std::move(settingsPath)),
      m_messages(messages) {
    setObjectName(QStringLiteral("Frame3"));

    auto percent = [this](const QString &name, const QString &caption) {
        auto *edit = new NumericEdit(QStringLiteral("0.000"), 0, 100, this);
        edit->setObjectName(name);
        edit->setDisplayWidth(8);
        edit->setMessages(&m_messages, caption);
        return edit;
    };
    m_employeeUif = percent(QStringLiteral("numEmpEUIF"), QStringLiteral("Employee UIF portion"));
    m_employerUif = percent(QStringLiteral("numEmpRUIF"), QStringLiteral("Employer UIF portion"));
    m_uifLimit = new WholeNumberEdit(this);
    m_uifLimit->setObjectName(QStringLiteral("numUIFLimit"));
    m_uifLimit->setDisplayWidth(8);
    m_uifLimit->setMessages(&m_messages, QStringLiteral("UIF monthly limit"));
    m_skillLevy = percent(QStringLiteral("numSkillPercent"), QStringLiteral("Skills levy"));
    m_rate80 = new QRadioButton(QStringLiteral("80%"), this);
    m_rate80->setObjectName(QStringLiteral("optTAIncRate80"));
    m_rate20 = new QRadioButton(QStringLiteral("20%"), this);
    m_rate20->setObjectName(QStringLiteral("optTAIncRate20"));
    m_ok = new QPushButton(QStringLiteral("O&K"), this);
    m_ok->setObjectName(QStringLiteral("cmdSetupOK"));
    setDefaultButton(m_ok);

    auto *grid = new QGridLayout(this);
    const Qt::Alignment right = Qt::AlignRight;
    int row = 0;
    auto addRow = [&](const QString &caption, const QString &prefix, QWidget *field,
                      const QString &suffix) {
        grid->addWidget(label(caption, this), row, 0);
        if (!prefix.isEmpty())
            grid->addWidget(label(prefix, this, right), row, 1);
        grid->addWidget(field, row, 2);
        if (!suffix.isEmpty())
            grid->addWidget(label(suffix, this), row, 3);
        ++row;
    };
    addRow(QStringLiteral("Employee UIF portion"), {}, m_employeeUif, QStringLiteral("%"));
    addRow(QStringLiteral("Employer UIF portion"), {}, m_employerUif, QStringLiteral("%"));
    addRow(QStringLiteral("UIF monthly limit"), QStringLiteral("  R"), m_uifLimit, {});
    addRow(QStringLiteral("Skills levy"), {}, m_skillLevy, QStringLiteral("%"));
    auto *rates = new QHBoxLayout;
    rates->addWidget(m_rate80);
    rates->addWidget(m_rate20);
    rates->addStretch();
    grid->addWidget(label(QStringLiteral("Travel allowance inclusion rate :"), this), row, 0);
    grid->addLayout(rates, row, 2, 1, 2);
    ++row;
    grid->addWidget(m_ok, row, 2, 1, 2, Qt::AlignRight);
    grid->setColumnStretch(0, 1);

    auto *group = new QButtonGroup(this);
    group->addButton(m_rate80);
    group->addButton(m_rate20);

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
    auto *group = m_rate80->group();
    group->setExclusive(false);
    const tax::RateOption option = tax::rateOption(rate);
    m_rate80->setChecked(option == tax::RateOption::Eighty);
    m_rate20->setChecked(option == tax::RateOption::Twenty);
    group->setExclusive(true);
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

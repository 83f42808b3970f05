#include "controls/SettingsGrid.h"

#include "controls/NumericEdit.h"

#include <QButtonGroup>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>

namespace quillon {

namespace {

QLabel *label(const QString &text, QWidget *parent, Qt::Alignment align = Qt::AlignLeft) {
    auto *l = new QLabel(text, parent);
    l->setAlignment(align | Qt::AlignVCenter);
    return l;
}

} // namespace

SettingsGrid::SettingsGrid(QWidget *panel, MessageService &messages)
    : m_panel(panel), m_messages(messages), m_grid(new QGridLayout(panel)) {
    m_grid->setColumnStretch(0, 1);
}

void SettingsGrid::addField(const QString &caption, NumericEdit *field, const QString &before,
                            const QString &after) {
    m_grid->addWidget(label(caption, m_panel), m_row, 0);
    if (!before.isEmpty())
        m_grid->addWidget(label(before, m_panel, Qt::AlignRight), m_row, 1);
    m_grid->addWidget(field, m_row, 2);
    if (!after.isEmpty())
        m_grid->addWidget(label(after, m_panel), m_row, 3);
    field->setMessages(&m_messages, caption);
    ++m_row;
}

void SettingsGrid::addChoice(const QString &caption, QRadioButton *first, QRadioButton *second) {
    auto *group = new QButtonGroup(m_panel);
    group->addButton(first);
    group->addButton(second);
    auto *pair = new QHBoxLayout;
    pair->addWidget(first);
    pair->addWidget(second);
    pair->addStretch();
    m_grid->addWidget(label(caption, m_panel), m_row, 0);
    m_grid->addLayout(pair, m_row, 2, 1, 2);
    ++m_row;
}

void SettingsGrid::addButton(QPushButton *button) {
    m_grid->addWidget(button, m_row, 2, 1, 2, Qt::AlignRight);
    ++m_row;
}

void SettingsGrid::select(QRadioButton *first, QRadioButton *second, bool isFirst, bool isSecond) {
    QButtonGroup *group = first->group();
    group->setExclusive(false);
    first->setChecked(isFirst);
    second->setChecked(isSecond);
    group->setExclusive(true);
}

} // namespace quillon

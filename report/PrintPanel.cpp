#include "report/PrintPanel.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace quillon::report {

PrintPanel::PrintPanel(const Options &options, QWidget *parent) : OverlayPanel({}, parent) {
    setObjectName(options.objectName);

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(12, 10, 12, 10);
    layout->setSpacing(8);

    if (options.nameField) {
        auto *row = new QGridLayout;
        row->setHorizontalSpacing(6);
        m_name = new QLineEdit(this);
        m_name->setObjectName(options.nameFieldName);
        m_name->setMaxLength(50);
        m_name->setMinimumWidth(220);
        int column = 0;
        if (!options.nameCaption.isEmpty()) {
            auto *caption = new QLabel(options.nameCaption, this);
            caption->setBuddy(m_name);
            row->addWidget(caption, 0, column++);
        }
        row->addWidget(m_name, 0, column++);
        auto *hint = new QLabel(QStringLiteral("(max.50 chrs.)"), this);
        hint->setEnabled(false); // a hint, drawn greyed
        row->addWidget(hint, 0, column);
        row->setColumnStretch(column - 1, 1);
        layout->addLayout(row);
    }
    if (options.languageChoice) {
        auto *row = new QHBoxLayout;
        m_english = new QRadioButton(QStringLiteral("&English print"), this);
        m_english->setObjectName(QStringLiteral("Option1"));
        m_afrikaans = new QRadioButton(QStringLiteral("&Afrikaans print"), this);
        m_afrikaans->setObjectName(QStringLiteral("Option2"));
        // A language is always chosen, so that view and print always print something.
        m_english->setChecked(true);
        row->addWidget(m_english);
        row->addSpacing(16);
        row->addWidget(m_afrikaans);
        row->addStretch(1);
        layout->addLayout(row);
    }

    auto *buttons = new QHBoxLayout;
    buttons->setSpacing(6);
    m_view = new QPushButton(QStringLiteral("&View/Export report"), this);
    m_view->setObjectName(QStringLiteral("cmdVR"));
    m_printer = new QPushButton(QStringLiteral("P&rint directly to printer"), this);
    m_printer->setObjectName(QStringLiteral("cmdPD"));
    m_cancel = new QPushButton(options.cancelCaption, this);
    m_cancel->setObjectName(options.cancelName);
    for (QPushButton *b : {m_view, m_printer, m_cancel}) {
        b->setAutoDefault(false);
        buttons->addWidget(b, 1);
    }
    layout->addLayout(buttons);

    connect(m_view, &QPushButton::clicked, this,
            [this] { Q_EMIT outputChosen(Destination::Preview); });
    connect(m_printer, &QPushButton::clicked, this,
            [this] { Q_EMIT outputChosen(Destination::Printer); });
    connect(m_cancel, &QPushButton::clicked, this, [this] { Q_EMIT cancelled(); });
    setDefaultButton(m_view);
    setCancelButton(m_cancel);
    // The name is what is typed first; without one, the view button.
    setFocusTarget(m_name ? static_cast<QWidget *>(m_name) : m_view);
    adjustSize();
}

QString PrintPanel::employeeName() const {
    return m_name ? m_name->text() : QString();
}
void PrintPanel::clearName() {
    if (m_name)
        m_name->clear();
}

std::optional<PrintLanguage> PrintPanel::language() const {
    if (m_english && m_english->isChecked())
        return PrintLanguage::English;
    if (m_afrikaans && m_afrikaans->isChecked())
        return PrintLanguage::Afrikaans;
    return std::nullopt;
}

} // namespace quillon::report

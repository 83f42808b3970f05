#include "report/PrintPanel.h"

#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace quillon::report {

PrintPanel::PrintPanel(const Options &options, QWidget *parent) : QFrame(parent) {
    setObjectName(options.objectName);
    auto *layout = new QVBoxLayout(this);
    if (options.nameField) {
        m_name = new QLineEdit(this);
        m_name->setObjectName(options.nameFieldName);
        m_name->setMaxLength(50);
        layout->addWidget(m_name);
    }
    if (options.languageChoice) {
        m_english = new QRadioButton(QStringLiteral("&English print"), this);
        m_english->setObjectName(QStringLiteral("Option1"));
        m_afrikaans = new QRadioButton(QStringLiteral("&Afrikaans print"), this);
        m_afrikaans->setObjectName(QStringLiteral("Option2"));
        layout->addWidget(m_english);
        layout->addWidget(m_afrikaans);
    }
    m_view = new QPushButton(QStringLiteral("&View/Export report"), this);
    m_view->setObjectName(QStringLiteral("cmdVR"));
    m_printer = new QPushButton(QStringLiteral("P&rint directly to printer"), this);
    m_printer->setObjectName(QStringLiteral("cmdPD"));
    m_cancel = new QPushButton(options.cancelCaption, this);
    m_cancel->setObjectName(options.cancelName);
    layout->addWidget(m_view);
    layout->addWidget(m_printer);
    layout->addWidget(m_cancel);
    connect(m_view, &QPushButton::clicked, this,
            [this] { Q_EMIT outputChosen(Destination::Preview); });
    connect(m_printer, &QPushButton::clicked, this,
            [this] { Q_EMIT outputChosen(Destination::Printer); });
    connect(m_cancel, &QPushButton::clicked, this, [this] { Q_EMIT cancelled(); });
    hide();
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

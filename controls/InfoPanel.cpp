#include "controls/InfoPanel.h"

#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace quillon {

InfoPanel::InfoPanel(const QString &title, const QString &text, const Names &names, QWidget *parent)
    : OverlayPanel(title, parent) {
    setObjectName(names.panel);
    m_text = new QLabel(text, this);
    m_text->setObjectName(names.label);
    m_text->setWordWrap(true);
    m_text->setTextInteractionFlags(Qt::TextSelectableByMouse);
    // About 70 characters a line reads comfortably at any screen density.
    m_text->setFixedWidth(m_text->fontMetrics().averageCharWidth() * 70);
    m_ok = new QPushButton(QStringLiteral("&OK"), this);
    setDefaultButton(m_ok);
    m_ok->setObjectName(names.button);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(m_text);
    layout->addWidget(m_ok, 0, Qt::AlignRight);
    setFocusTarget(m_ok);
    connect(m_ok, &QPushButton::clicked, this, &OverlayPanel::dismiss);
}

} // namespace quillon
